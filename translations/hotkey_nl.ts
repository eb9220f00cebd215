<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
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
        <translation>Tab</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spatiebalk</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Forward Delete</source>
        <translation>Forward Delete</translation>
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
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Pijl naar links</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Pijl naar rechts</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Pijl omhoog</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Pijl omlaag</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Application switcher</source>
        <translation>Appkiezer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Sluit venster</translation>
    </message>
    <message>
        <source>Hide application</source>
        <translation>Verberg app</translation>
    </message>
    <message>
        <source>Minimise window</source>
        <translation>Minimaliseer venster</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Schermafbeelding</translation>
    </message>
    <message>
        <source>Screenshot selection</source>
        <translation>Schermafbeelding van selectie</translation>
    </message>
    <message>
        <source>Screenshot options</source>
        <translation>Opties voor schermafbeelding</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Scherm vergrendelen</translation>
    </message>
    <message>
        <source>Mission Control</source>
        <translation>Mission Control</translation>
    </message>
    <message>
        <source>Application windows</source>
        <translation>Appvensters</translation>
    </message>
</context>
</TS>
