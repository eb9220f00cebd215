<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Pokaži preklopnik aplikacij</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Pokaži zaganjalnik bližnjic</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Zaženi ob prijavi</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Pokaži sporočilo ob zagonu</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavitve</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Pomoč za Kelvaro</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Preveri posodobitve …</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Končaj Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Nastavitve Kelvaro</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Dobrodošli v Kelvaro</translation>
    </message>
</context>
</TS>
