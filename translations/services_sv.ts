<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Software Update</source>
        <translation>Programuppdatering</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>En ny version finns tillgänglig</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 är klar. Du har %2.</translation>
    </message>
    <message>
        <source>Couldn't check for updates</source>
        <translation>Det gick inte att söka efter uppdateringar</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Söker efter uppdateringar …</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>Du har den senaste versionen</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 är den senaste versionen.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Ingen uppdateringskälla är inställd.</translation>
    </message>
    <message>
        <source>Couldn't reach the update server.</source>
        <translation>Det gick inte att nå uppdateringsservern.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Hoppa över den här versionen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Senare</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Hämta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro skickar nu anonym användningsdata</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Tidigare versioner skickade ingenting alls. Den här rapporterar när appen startar, när en ring öppnas och hur många flikar en sparning hittade.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>Inga fönsterrubriker, inga URL:er, inga filsökvägar och inget du skriver.</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › Privacy.</source>
        <translation>Du kan stänga av det nu eller när som helst under Inställningar › Integritet.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Låt det vara på</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Stäng av</translation>
    </message>
</context>
</TS>
