<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Control</source>
        <translation>Kontroll</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Tilvalg</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Skift</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Kommando</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retur</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Mellomrom</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Forward Delete</source>
        <translation>Slett fremover</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Hjem</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Slutt</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Side opp</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Side ned</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Venstrepil</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Høyrepil</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Pil opp</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Pil ned</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Application switcher</source>
        <translation>Programveksler</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Lukk vindu</translation>
    </message>
    <message>
        <source>Hide application</source>
        <translation>Skjul program</translation>
    </message>
    <message>
        <source>Minimise window</source>
        <translation>Minimer vindu</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Skjermbilde</translation>
    </message>
    <message>
        <source>Screenshot selection</source>
        <translation>Skjermbilde av utvalg</translation>
    </message>
    <message>
        <source>Screenshot options</source>
        <translation>Skjermbildevalg</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Lås skjermen</translation>
    </message>
    <message>
        <source>Mission Control</source>
        <translation>Mission Control</translation>
    </message>
    <message>
        <source>Application windows</source>
        <translation>Programvinduer</translation>
    </message>
</context>
</TS>
