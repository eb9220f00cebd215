<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ka">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>აპების გადამრთველი</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>ისრებით აირჩიეთ, Return-ით გადართეთ, Escape-ით დახურეთ.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>აპები არ არის</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 / %3</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, ფანჯარა %2 / %3: %4</translation>
    </message>
</context>
</TS>
