<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>Pijltjestoetsen kiezen, Return voert de snelkoppeling uit, Escape sluit.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>Geen snelkoppelingen</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 van %3</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>Wachtwoord %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
</context>
</TS>
