<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ka">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Passwords</source>
        <translation>პაროლები</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>აპის დამატება გამშვებში</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>აირჩიეთ აპი რგოლში დასამატებლად.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>დამატება</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>გაუქმება</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>ძიება</translation>
    </message>
</context>
</TS>
