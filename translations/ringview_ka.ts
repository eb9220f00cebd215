<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ka">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>ისრებით აირჩიეთ, Return უშვებს მალსახმობს, Escape ხურავს.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>მალსახმობები არ არის</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 / %3</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>პაროლი %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>გვერდი %1 / %2</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
</context>
</TS>
