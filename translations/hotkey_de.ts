<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zeilenschalter</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Forward Delete</source>
        <translation>Vorwärts löschen</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Bild auf</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Pfeil nach links</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Pfeil nach rechts</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Pfeil nach oben</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Pfeil nach unten</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Application switcher</source>
        <translation>App-Umschalter</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Hide application</source>
        <translation>App ausblenden</translation>
    </message>
    <message>
        <source>Minimise window</source>
        <translation>Fenster minimieren</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Bildschirmfoto</translation>
    </message>
    <message>
        <source>Screenshot selection</source>
        <translation>Bildschirmfoto eines Bereichs</translation>
    </message>
    <message>
        <source>Screenshot options</source>
        <translation>Bildschirmfoto-Optionen</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Bildschirm sperren</translation>
    </message>
    <message>
        <source>Mission Control</source>
        <translation>Mission Control</translation>
    </message>
    <message>
        <source>Application windows</source>
        <translation>App-Fenster</translation>
    </message>
</context>
</TS>
