<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opcja</translation>
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
        <translation>Spacja</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Forward Delete</source>
        <translation>Usuń w przód</translation>
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
        <translation>Strzałka w lewo</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Strzałka w prawo</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Strzałka w górę</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Strzałka w dół</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Application switcher</source>
        <translation>Przełącznik aplikacji</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <source>Hide application</source>
        <translation>Ukryj aplikację</translation>
    </message>
    <message>
        <source>Minimise window</source>
        <translation>Minimalizuj okno</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Zrzut ekranu</translation>
    </message>
    <message>
        <source>Screenshot selection</source>
        <translation>Zrzut zaznaczenia</translation>
    </message>
    <message>
        <source>Screenshot options</source>
        <translation>Opcje zrzutu ekranu</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Zablokuj ekran</translation>
    </message>
    <message>
        <source>Mission Control</source>
        <translation>Mission Control</translation>
    </message>
    <message>
        <source>Application windows</source>
        <translation>Okna aplikacji</translation>
    </message>
</context>
</TS>
