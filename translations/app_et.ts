<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Näita rakenduste vahetajat</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Näita otseteede käivitajat</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Käivita sisselogimisel</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Näita käivitamisel teadet</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Seaded</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Kelvaro abi</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Otsi uuendusi…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Sulge Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Kelvaro seaded</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Tere tulemast Kelvarosse</translation>
    </message>
</context>
</TS>
