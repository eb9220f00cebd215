<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ka">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>აპების გადამრთველის ჩვენება</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>მალსახმობების გამშვების ჩვენება</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>გაშვება სისტემაში შესვლისას</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>შეტყობინების ჩვენება გაშვებისას</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>პარამეტრები</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Kelvaro-ს დახმარება</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>განახლებების შემოწმება…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Kelvaro-დან გასვლა</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Kelvaro-ს პარამეტრები</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>მოგესალმებათ Kelvaro</translation>
    </message>
</context>
</TS>
