<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>Le frecce scelgono, Invio esegue l'abbreviazione, Esc chiude.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>Nessuna abbreviazione</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 di %3</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>Password %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
</context>
</TS>
