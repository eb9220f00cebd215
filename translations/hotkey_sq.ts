<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sq">
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
        <translation>Kthim</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Hapësirë</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Fshi</translation>
    </message>
    <message>
        <source>Forward Delete</source>
        <translation>Fshi përpara</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Fillimi</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fundi</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Faqe lart</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Faqe poshtë</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Shigjeta majtas</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Shigjeta djathtas</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Shigjeta lart</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Shigjeta poshtë</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Application switcher</source>
        <translation>Ndërruesi i aplikacioneve</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Mbyll dritaren</translation>
    </message>
    <message>
        <source>Hide application</source>
        <translation>Fshih aplikacionin</translation>
    </message>
    <message>
        <source>Minimise window</source>
        <translation>Minimizo dritaren</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Pamje ekrani</translation>
    </message>
    <message>
        <source>Screenshot selection</source>
        <translation>Pamje e përzgjedhjes</translation>
    </message>
    <message>
        <source>Screenshot options</source>
        <translation>Mundësitë e pamjes së ekranit</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Kyç ekranin</translation>
    </message>
    <message>
        <source>Mission Control</source>
        <translation>Mission Control</translation>
    </message>
    <message>
        <source>Application windows</source>
        <translation>Dritaret e aplikacionit</translation>
    </message>
</context>
</TS>
