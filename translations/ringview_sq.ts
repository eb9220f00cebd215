<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sq">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>Shigjetat zgjedhin, Return ekzekuton shkurtoren, Escape mbyll.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>Asnjë shkurtore</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 nga %3</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>Fjalëkalimi %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Faqja %1 nga %2</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
</context>
</TS>
