<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
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
        <translation>Return</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Preslednica</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Forward Delete</source>
        <translation>Izbriši naprej</translation>
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
        <translation>Stran gor</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Stran dol</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Puščica levo</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Puščica desno</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Puščica gor</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Puščica dol</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Application switcher</source>
        <translation>Preklopnik aplikacij</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Končaj</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Zapri okno</translation>
    </message>
    <message>
        <source>Hide application</source>
        <translation>Skrij aplikacijo</translation>
    </message>
    <message>
        <source>Minimise window</source>
        <translation>Minimiraj okno</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Posnetek zaslona</translation>
    </message>
    <message>
        <source>Screenshot selection</source>
        <translation>Posnetek izbora</translation>
    </message>
    <message>
        <source>Screenshot options</source>
        <translation>Možnosti posnetka zaslona</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Zakleni zaslon</translation>
    </message>
    <message>
        <source>Mission Control</source>
        <translation>Mission Control</translation>
    </message>
    <message>
        <source>Application windows</source>
        <translation>Okna aplikacije</translation>
    </message>
</context>
</TS>
