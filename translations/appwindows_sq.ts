<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sq">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Full Screen</source>
        <translation>Ekran i plotë</translation>
    </message>
    <message>
        <source>Window %1</source>
        <translation>Dritarja %1</translation>
    </message>
</context>
</TS>
