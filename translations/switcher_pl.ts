<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>Przełącznik aplikacji</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>Strzałki wybierają, Return przełącza, Escape zamyka.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>Brak aplikacji</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 z %3</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, okno %2 z %3: %4</translation>
    </message>
</context>
</TS>
