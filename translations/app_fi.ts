<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Näytä apin vaihtaja</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Näytä pikanäppäinten käynnistin</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Käynnistä kirjautuessa</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Näytä viesti käynnistettäessä</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Kelvaro-ohje</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Tarkista päivitykset…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Lopeta Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Kelvaron asetukset</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Tervetuloa Kelvaroon</translation>
    </message>
</context>
</TS>
