<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
        <translation>Space</translation>
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
        <translation>Left Arrow</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Right Arrow</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Up Arrow</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Down Arrow</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Application switcher</source>
        <translation>Application switcher</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Close window</translation>
    </message>
    <message>
        <source>Hide application</source>
        <translation>Hide application</translation>
    </message>
    <message>
        <source>Minimise window</source>
        <translation>Minimise window</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <source>Screenshot selection</source>
        <translation>Screenshot selection</translation>
    </message>
    <message>
        <source>Screenshot options</source>
        <translation>Screenshot options</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Lock screen</translation>
    </message>
    <message>
        <source>Mission Control</source>
        <translation>Mission Control</translation>
    </message>
    <message>
        <source>Application windows</source>
        <translation>Application windows</translation>
    </message>
</context>
</TS>
