<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>App-wisselaar</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>Pijltoetsen kiezen, Return wisselt, Escape sluit.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>Geen apps</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 van %3</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, venster %2 van %3: %4</translation>
    </message>
</context>
</TS>
