<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sq">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>Ndërruesi i aplikacioneve</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>Shigjetat zgjedhin, Return ndërron, Escape mbyll.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>Nuk ka aplikacione</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 nga %3</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, dritarja %2 nga %3: %4</translation>
    </message>
</context>
</TS>
