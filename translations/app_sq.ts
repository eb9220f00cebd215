<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sq">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Shfaq ndërruesin e aplikacioneve</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Shfaq nisësin e shkurtoreve</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Nis në hyrje</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Shfaq mesazh gjatë nisjes</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Cilësimet</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Ndihmë për Kelvaro</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Kontrollo për përditësime…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Dil nga Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Cilësimet e Kelvaro</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Mirë se vini në Kelvaro</translation>
    </message>
</context>
</TS>
