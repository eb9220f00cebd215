<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Software Update</source>
        <translation>Programvareoppdatering</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>En ny versjon er tilgjengelig</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 er klar. Du har %2.</translation>
    </message>
    <message>
        <source>Couldn't check for updates</source>
        <translation>Kunne ikke se etter oppdateringer</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Ser etter oppdateringer …</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>Du har nyeste versjon</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 er den nyeste versjonen.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Ingen oppdateringskilde er satt opp.</translation>
    </message>
    <message>
        <source>Couldn't reach the update server.</source>
        <translation>Fikk ikke kontakt med oppdateringsserveren.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Hopp over denne versjonen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Senere</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Last ned</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro sender nå anonyme bruksdata</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Tidligere versjoner sendte ingenting. Denne rapporterer når appen starter, når en ring åpnes og hvor mange faner en lagring fant.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>Ingen vindustitler, ingen URL-er, ingen filstier og ingenting du skriver.</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › Privacy.</source>
        <translation>Du kan slå det av nå, eller når som helst under Innstillinger › Personvern.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>La det være på</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Slå av</translation>
    </message>
</context>
</TS>
