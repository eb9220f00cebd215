<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Passwords</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>Aggiungi app al launcher</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Scegli un’app da aggiungere all’anello.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
</context>
</TS>
