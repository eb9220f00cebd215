<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Zobraziť prepínač aplikácií</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Zobraziť spúšťač skratiek</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Spustiť pri prihlásení</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Zobraziť správu pri spustení</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavenia</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Pomocník Kelvaro</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Vyhľadať aktualizácie…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Ukončiť Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Nastavenia Kelvaro</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Vitajte v Kelvaro</translation>
    </message>
</context>
</TS>
