<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>Preklopnik aplikacij</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>Puščice izbirajo, Return preklopi, Escape zapre.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>Ni aplikacij</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 od %3</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, okno %2 od %3: %4</translation>
    </message>
</context>
</TS>
