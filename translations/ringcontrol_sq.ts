<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sq">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Passwords</source>
        <translation>Fjalëkalimet</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>Shto aplikacion te nisësi</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Zgjidh një aplikacion për ta shtuar te unaza.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Shto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulo</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Kërko</translation>
    </message>
</context>
</TS>
