<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>App-Umschalter</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>Pfeiltasten wählen, Eingabe wechselt, Escape schließt.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>Keine Apps</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 von %3</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, Fenster %2 von %3: %4</translation>
    </message>
</context>
</TS>
