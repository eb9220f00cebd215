<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Toon appkiezer</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Toon snelkoppelingsstarter</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Open bij inloggen</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Toon melding bij opstarten</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Kelvaro-help</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Zoek naar updates…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Stop Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Kelvaro-instellingen</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Welkom bij Kelvaro</translation>
    </message>
</context>
</TS>
