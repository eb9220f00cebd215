<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Passwords</source>
        <translation>Wachtwoorden</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>App toevoegen aan starter</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Kies een app om aan de ring toe te voegen.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoek</translation>
    </message>
</context>
</TS>
