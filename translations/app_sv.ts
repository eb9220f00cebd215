<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Visa appväxlare</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Visa kortkommandostartare</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Starta vid inloggning</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Visa meddelande vid start</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Kelvaro-hjälp</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Sök efter uppdateringar …</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Avsluta Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Kelvaro-inställningar</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Välkommen till Kelvaro</translation>
    </message>
</context>
</TS>
