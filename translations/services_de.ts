<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Software Update</source>
        <translation>Softwareaktualisierung</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>Eine neue Version ist verfügbar</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 ist bereit. Du hast %2.</translation>
    </message>
    <message>
        <source>Couldn't check for updates</source>
        <translation>Suche nach Updates fehlgeschlagen</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Suche nach Updates …</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>Du bist auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 ist die neueste Version.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Es ist keine Update-Quelle eingerichtet.</translation>
    </message>
    <message>
        <source>Couldn't reach the update server.</source>
        <translation>Der Update-Server ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Diese Version überspringen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro sendet jetzt anonyme Nutzungsdaten</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Frühere Versionen haben gar nichts gesendet. Diese meldet, wann die App startet, wann ein Ring geöffnet wird und wie viele Tabs eine Übernahme gefunden hat.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>Keine Fenstertitel, keine URLs, keine Dateipfade und nichts, was du tippst.</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › Privacy.</source>
        <translation>Du kannst das jetzt oder jederzeit unter Einstellungen › Datenschutz ausschalten.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Eingeschaltet lassen</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Ausschalten</translation>
    </message>
</context>
</TS>
