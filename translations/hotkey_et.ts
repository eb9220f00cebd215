<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et">
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
        <translation>Shift</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Reavahetus</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulaator</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Tühik</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Kustuta</translation>
    </message>
    <message>
        <source>Forward Delete</source>
        <translation>Kustuta edasi</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Lehekülg üles</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Lehekülg alla</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Nool vasakule</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Nool paremale</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Nool üles</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Nool alla</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Application switcher</source>
        <translation>Rakenduste vahetaja</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Välju</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Sulge aken</translation>
    </message>
    <message>
        <source>Hide application</source>
        <translation>Peida rakendus</translation>
    </message>
    <message>
        <source>Minimise window</source>
        <translation>Minimeeri aken</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Ekraanipilt</translation>
    </message>
    <message>
        <source>Screenshot selection</source>
        <translation>Valitud ala ekraanipilt</translation>
    </message>
    <message>
        <source>Screenshot options</source>
        <translation>Ekraanipildi valikud</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Lukusta ekraan</translation>
    </message>
    <message>
        <source>Mission Control</source>
        <translation>Mission Control</translation>
    </message>
    <message>
        <source>Application windows</source>
        <translation>Rakenduse aknad</translation>
    </message>
</context>
</TS>
