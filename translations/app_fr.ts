<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Afficher le sélecteur d’apps</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Afficher le lanceur de raccourcis</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Ouvrir à l’ouverture de session</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Afficher un message au lancement</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Aide Kelvaro</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Quitter Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Réglages de Kelvaro</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Bienvenue dans Kelvaro</translation>
    </message>
</context>
</TS>
