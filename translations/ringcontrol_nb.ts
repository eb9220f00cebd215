<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Passwords</source>
        <translation>Passord</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>Legg til app i startprogrammet</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Velg en app som skal legges til i ringen.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Legg til</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Søk</translation>
    </message>
</context>
</TS>
