<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Pokaż przełącznik aplikacji</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Pokaż program uruchamiający skróty</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Uruchamiaj po zalogowaniu</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Pokazuj komunikat przy uruchomieniu</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Pomoc Kelvaro</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Sprawdź uaktualnienia…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Zakończ Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Ustawienia Kelvaro</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Witaj w Kelvaro</translation>
    </message>
</context>
</TS>
