<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Show App Switcher</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Show Shortcut Launcher</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Start at Login</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Show Message at Launch</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Kelvaro Help</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Check for Updates…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Quit Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Kelvaro Settings</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Welcome to Kelvaro</translation>
    </message>
</context>
</TS>
