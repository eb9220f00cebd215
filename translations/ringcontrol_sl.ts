<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Passwords</source>
        <translation>Gesla</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>Dodaj aplikacijo v zaganjalnik</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Izberite aplikacijo, ki jo želite dodati v obroč.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Iskanje</translation>
    </message>
</context>
</TS>
