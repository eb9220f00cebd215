<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Full Screen</source>
        <translation>Full Screen</translation>
    </message>
    <message>
        <source>Window %1</source>
        <translation>Window %1</translation>
    </message>
</context>
</TS>
