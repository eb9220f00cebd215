<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>App-Umschalter anzeigen</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Kurzbefehl-Starter anzeigen</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Meldung beim Start anzeigen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Kelvaro-Hilfe</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Updates suchen …</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Kelvaro beenden</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Kelvaro-Einstellungen</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Willkommen bei Kelvaro</translation>
    </message>
</context>
</TS>
