<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>Les flèches choisissent, Retour exécute le raccourci, Échap ferme.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>Aucun raccourci</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 sur %3</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>Mot de passe %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
</context>
</TS>
