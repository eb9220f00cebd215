<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ka">
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
        <translation>ჰარი</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>წაშლა</translation>
    </message>
    <message>
        <source>Forward Delete</source>
        <translation>წინ წაშლა</translation>
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
        <translation>გვერდი ზემოთ</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>გვერდი ქვემოთ</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>მარცხენა ისარი</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>მარჯვენა ისარი</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>ზემოთ ისარი</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>ქვემოთ ისარი</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Application switcher</source>
        <translation>აპების გადამრთველი</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>გასვლა</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>ფანჯრის დახურვა</translation>
    </message>
    <message>
        <source>Hide application</source>
        <translation>აპის დამალვა</translation>
    </message>
    <message>
        <source>Minimise window</source>
        <translation>ფანჯრის ჩაკეცვა</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>ეკრანის სურათი</translation>
    </message>
    <message>
        <source>Screenshot selection</source>
        <translation>მონიშნული არის სურათი</translation>
    </message>
    <message>
        <source>Screenshot options</source>
        <translation>ეკრანის სურათის პარამეტრები</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>ეკრანის ჩაკეტვა</translation>
    </message>
    <message>
        <source>Mission Control</source>
        <translation>Mission Control</translation>
    </message>
    <message>
        <source>Application windows</source>
        <translation>აპის ფანჯრები</translation>
    </message>
</context>
</TS>
