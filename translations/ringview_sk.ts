<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>Šípky vyberajú, Return spustí skratku, Escape zatvorí.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>Žiadne skratky</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 z %3</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>Heslo %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strana %1 z %2</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
</context>
</TS>
