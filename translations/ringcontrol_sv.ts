<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Passwords</source>
        <translation>Lösenord</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>Lägg till app i startaren</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Välj en app att lägga till i ringen.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Sök</translation>
    </message>
</context>
</TS>
