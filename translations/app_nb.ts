<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Vis appveksler</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Vis snarveistarter</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Start ved pålogging</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Vis melding ved oppstart</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Kelvaro-hjelp</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Se etter oppdateringer …</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Avslutt Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Kelvaro-innstillinger</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Velkommen til Kelvaro</translation>
    </message>
</context>
</TS>
