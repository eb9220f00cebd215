<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Mostra selettore app</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Mostra launcher abbreviazioni</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Apri al login</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Mostra messaggio all’avvio</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Aiuto di Kelvaro</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Cerca aggiornamenti…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Esci da Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Impostazioni di Kelvaro</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Benvenuto in Kelvaro</translation>
    </message>
</context>
</TS>
