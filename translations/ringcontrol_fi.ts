<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Passwords</source>
        <translation>Salasanat</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>Lisää app käynnistimeen</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Valitse renkaaseen lisättävä app.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lisää</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Kumoa</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hae</translation>
    </message>
</context>
</TS>
