<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Full Screen</source>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>Window %1</source>
        <translation>Okno %1</translation>
    </message>
</context>
</TS>
