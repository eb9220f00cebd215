<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>Piltastene velger, Retur kjører snarveien, Escape lukker.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>Ingen snarveier</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 av %3</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>Passord %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Side %1 av %2</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
</context>
</TS>
