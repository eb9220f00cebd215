<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Mostrar selector de apps</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Mostrar lanzador de atajos</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Mostrar mensaje al abrir</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Ayuda de Kelvaro</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Salir de Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Ajustes de Kelvaro</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Te damos la bienvenida a Kelvaro</translation>
    </message>
</context>
</TS>
