<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Passwords</source>
        <translation>Paroolid</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>Lisa rakendus käivitajasse</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Vali rakendus, mis rõngale lisada.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lisa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Otsi</translation>
    </message>
</context>
</TS>
