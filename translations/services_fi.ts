<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Software Update</source>
        <translation>Ohjelmistopäivitys</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>Uusi versio on saatavilla</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 on valmis. Sinulla on %2.</translation>
    </message>
    <message>
        <source>Couldn't check for updates</source>
        <translation>Päivitysten tarkistus epäonnistui</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Tarkistetaan päivityksiä…</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>Käytössäsi on uusin versio</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 on uusin versio.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Päivityslähdettä ei ole määritetty.</translation>
    </message>
    <message>
        <source>Couldn't reach the update server.</source>
        <translation>Päivityspalvelimeen ei saatu yhteyttä.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Ohita tämä versio</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Myöhemmin</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Lataa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro lähettää nyt nimettömiä käyttötietoja</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Aiemmat versiot eivät lähettäneet mitään. Tämä kertoo, milloin sovellus käynnistyy, milloin rengas avataan ja montako välilehteä tallennus löysi.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>Ei ikkunoiden otsikoita, ei URL-osoitteita, ei tiedostopolkuja eikä mitään, mitä kirjoitat.</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › Privacy.</source>
        <translation>Voit poistaa sen käytöstä nyt tai milloin tahansa kohdassa Asetukset › Yksityisyys.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Pidä päällä</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Poista käytöstä</translation>
    </message>
</context>
</TS>
