<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>Puščice izbirajo, Return zažene bližnjico, Escape zapre.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>Ni bližnjic</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 od %3</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>Geslo %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Stran %1 od %2</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
</context>
</TS>
