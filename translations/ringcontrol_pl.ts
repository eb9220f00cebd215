<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Passwords</source>
        <translation>Hasła</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>Dodaj aplikację do programu uruchamiającego</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Wybierz aplikację, którą chcesz dodać do pierścienia.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
</context>
</TS>
