<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Passwords</source>
        <translation>Heslá</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>Pridať aplikáciu do spúšťača</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Vyberte aplikáciu, ktorú chcete pridať do kruhu.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Pridať</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hľadať</translation>
    </message>
</context>
</TS>
