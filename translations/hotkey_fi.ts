<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Optio</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Vaihto</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Komento</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Rivinvaihto</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Sarkain</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Välilyönti</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Forward Delete</source>
        <translation>Poista eteenpäin</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
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
        <translation>Sivu ylös</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Sivu alas</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Vasen nuoli</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Oikea nuoli</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Ylänuoli</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Alanuoli</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Application switcher</source>
        <translation>Apin vaihtaja</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Sulje ikkuna</translation>
    </message>
    <message>
        <source>Hide application</source>
        <translation>Kätke appi</translation>
    </message>
    <message>
        <source>Minimise window</source>
        <translation>Pienennä ikkuna</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Kuvakaappaus</translation>
    </message>
    <message>
        <source>Screenshot selection</source>
        <translation>Kuvakaappaus valinnasta</translation>
    </message>
    <message>
        <source>Screenshot options</source>
        <translation>Kuvakaappauksen valinnat</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Lukitse näyttö</translation>
    </message>
    <message>
        <source>Mission Control</source>
        <translation>Mission Control</translation>
    </message>
    <message>
        <source>Application windows</source>
        <translation>Apin ikkunat</translation>
    </message>
</context>
</TS>
