<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>Pfeiltasten wählen, Eingabe führt den Kurzbefehl aus, Esc schließt.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>Keine Kurzbefehle</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 von %3</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>Passwort %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
</context>
</TS>
