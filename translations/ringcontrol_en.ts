<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Passwords</source>
        <translation>Passwords</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>Add App to Launcher</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Choose an app to add to the ring.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
</context>
</TS>
