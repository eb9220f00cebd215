<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Software Update</source>
        <translation>Tarkvarauuendus</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>Saadaval on uus versioon</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 on valmis. Sinu versioon on %2.</translation>
    </message>
    <message>
        <source>Couldn't check for updates</source>
        <translation>Uuendusi ei õnnestunud kontrollida</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Uuenduste kontrollimine…</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>Sul on uusim versioon</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 on uusim versioon.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Uuenduste allikat pole seadistatud.</translation>
    </message>
    <message>
        <source>Couldn't reach the update server.</source>
        <translation>Uuendusserveriga ei saadud ühendust.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Jäta see versioon vahele</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Hiljem</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Laadi alla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro saadab nüüd anonüümseid kasutusandmeid</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Varasemad versioonid ei saatnud midagi. See teatab, millal rakendus käivitub, millal avatakse rõngas ja mitu vahekaarti salvestamine leidis.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>Ei akende pealkirju, URL-e, failiteid ega midagi, mida sa trükid.</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › Privacy.</source>
        <translation>Saad selle kohe või igal ajal välja lülitada: Seaded › Privaatsus.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Jäta sisse</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Lülita välja</translation>
    </message>
</context>
</TS>
