<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Software Update</source>
        <translation>Aktualizácia softvéru</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>K dispozícii je nová verzia</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 je pripravený. Máte verziu %2.</translation>
    </message>
    <message>
        <source>Couldn't check for updates</source>
        <translation>Aktualizácie sa nepodarilo skontrolovať</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Kontrolujú sa aktualizácie…</translation>
    </message>
    <message>
        <source>You're up to date</source>
        <translation>Máte najnovšiu verziu</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 je najnovšia verzia.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Nie je nastavený žiadny zdroj aktualizácií.</translation>
    </message>
    <message>
        <source>Couldn't reach the update server.</source>
        <translation>Server aktualizácií je nedostupný.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Preskočiť túto verziu</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Neskôr</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Stiahnuť</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro teraz odosiela anonymné údaje o používaní</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Staršie verzie neodosielali nič. Táto hlási spustenie aplikácie, otvorenie kruhu a počet kariet, ktoré našlo uloženie.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>Žiadne názvy okien, žiadne URL adresy, žiadne cesty k súborom a nič, čo píšete.</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › Privacy.</source>
        <translation>Môžete to vypnúť teraz alebo kedykoľvek v Nastavenia › Súkromie.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Nechať zapnuté</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Vypnúť</translation>
    </message>
</context>
</TS>
