<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Software Update</source>
        <translation>Actualización de software</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>Hay una nueva versión disponible</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 está listo. Tienes la %2.</translation>
    </message>
    <message>
        <source>Couldn't check for updates</source>
        <translation>No se pudo buscar actualizaciones</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Buscando actualizaciones…</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>Estás al día</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 es la versión más reciente.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>No hay ninguna fuente de actualizaciones configurada.</translation>
    </message>
    <message>
        <source>Couldn't reach the update server.</source>
        <translation>No se pudo contactar con el servidor de actualizaciones.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Omitir esta versión</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro ahora envía datos de uso anónimos</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Las versiones anteriores no enviaban nada. Esta informa de cuándo se abre la app, cuándo se abre un anillo y cuántas pestañas encontró una captura.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>Ni títulos de ventanas, ni URL, ni rutas de archivos, ni nada de lo que escribes.</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › Privacy.</source>
        <translation>Puedes desactivarlo ahora o en cualquier momento en Ajustes › Privacidad.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Mantener activado</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Desactivar</translation>
    </message>
</context>
</TS>
