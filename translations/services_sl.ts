<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Software Update</source>
        <translation>Posodobitev programske opreme</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>Na voljo je nova različica</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 je pripravljen. Imate različico %2.</translation>
    </message>
    <message>
        <source>Couldn't check for updates</source>
        <translation>Posodobitev ni bilo mogoče preveriti</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Preverjanje posodobitev …</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>Imate najnovejšo različico</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 je najnovejša različica.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Vir posodobitev ni nastavljen.</translation>
    </message>
    <message>
        <source>Couldn't reach the update server.</source>
        <translation>Strežnika za posodobitve ni bilo mogoče doseči.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Preskoči to različico</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Pozneje</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Prenesi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro zdaj pošilja anonimne podatke o uporabi</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Prejšnje različice niso pošiljale ničesar. Ta sporoča, kdaj se aplikacija zažene, kdaj se odpre obroč in koliko zavihkov je našel zajem.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>Nobenih naslovov oken, naslovov URL, poti do datotek in ničesar, kar natipkate.</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › Privacy.</source>
        <translation>To lahko izklopite zdaj ali kadar koli v Nastavitve › Zasebnost.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Pusti vklopljeno</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Izklopi</translation>
    </message>
</context>
</TS>
