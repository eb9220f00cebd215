<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>Appveksler</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>Piltastene velger, Retur bytter, Escape lukker.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>Ingen apper</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 av %3</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, vindu %2 av %3: %4</translation>
    </message>
</context>
</TS>
