<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Software Update</source>
        <translation>Aggiornamento software</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>È disponibile una nuova versione</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 è pronto. Hai la %2.</translation>
    </message>
    <message>
        <source>Couldn't check for updates</source>
        <translation>Impossibile verificare gli aggiornamenti</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Ricerca aggiornamenti…</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>Sei aggiornato</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 è la versione più recente.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Nessuna fonte di aggiornamenti configurata.</translation>
    </message>
    <message>
        <source>Couldn't reach the update server.</source>
        <translation>Impossibile raggiungere il server degli aggiornamenti.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Salta questa versione</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Più tardi</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro ora invia dati di utilizzo anonimi</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Le versioni precedenti non inviavano nulla. Questa segnala quando l’app si avvia, quando si apre un anello e quante schede ha trovato una cattura.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>Nessun titolo di finestra, nessun URL, nessun percorso di file e niente di ciò che digiti.</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › Privacy.</source>
        <translation>Puoi disattivarlo ora o in qualsiasi momento in Impostazioni › Privacy.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Lascia attivo</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Disattiva</translation>
    </message>
</context>
</TS>
