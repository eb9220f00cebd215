<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>Sélecteur d’apps</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>Les flèches choisissent, Retour bascule, Échap ferme.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>Aucune app</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 sur %3</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, fenêtre %2 sur %3 : %4</translation>
    </message>
</context>
</TS>
