<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Software Update</source>
        <translation>Software-update</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>Er is een nieuwe versie beschikbaar</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 staat klaar. Je hebt %2.</translation>
    </message>
    <message>
        <source>Couldn't check for updates</source>
        <translation>Kan niet controleren op updates</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Zoeken naar updates…</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>Je bent helemaal bij</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 is de nieuwste versie.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Er is geen updatebron ingesteld.</translation>
    </message>
    <message>
        <source>Couldn't reach the update server.</source>
        <translation>Kan de updateserver niet bereiken.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Sla deze versie over</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro verstuurt nu anonieme gebruiksgegevens</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Eerdere versies verstuurden helemaal niets. Deze meldt wanneer de app start, wanneer een ring wordt geopend en hoeveel tabbladen een vastlegging vond.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>Geen venstertitels, geen URL’s, geen bestandspaden en niets wat je typt.</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › Privacy.</source>
        <translation>Je kunt het nu uitzetten, of op elk moment via Instellingen › Privacy.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Laat aan</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Zet uit</translation>
    </message>
</context>
</TS>
