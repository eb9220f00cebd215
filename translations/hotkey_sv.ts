<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Control</source>
        <translation>Kontroll</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Alternativ</translation>
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
        <translation>Tabb</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Mellanslag</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Radera</translation>
    </message>
    <message>
        <source>Forward Delete</source>
        <translation>Framåtradera</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Hem</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Slut</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Sida upp</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Sida ned</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Vänsterpil</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Högerpil</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Uppåtpil</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Nedåtpil</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Application switcher</source>
        <translation>Appväxlare</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Stäng fönster</translation>
    </message>
    <message>
        <source>Hide application</source>
        <translation>Göm app</translation>
    </message>
    <message>
        <source>Minimise window</source>
        <translation>Minimera fönster</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Skärmavbild</translation>
    </message>
    <message>
        <source>Screenshot selection</source>
        <translation>Skärmavbild av markering</translation>
    </message>
    <message>
        <source>Screenshot options</source>
        <translation>Alternativ för skärmavbild</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Lås skärmen</translation>
    </message>
    <message>
        <source>Mission Control</source>
        <translation>Mission Control</translation>
    </message>
    <message>
        <source>Application windows</source>
        <translation>Appfönster</translation>
    </message>
</context>
</TS>
