<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
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
        <translation>Tabulátor</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Medzerník</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Vymazať</translation>
    </message>
    <message>
        <source>Forward Delete</source>
        <translation>Vymazať dopredu</translation>
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
        <translation>O stranu vyššie</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>O stranu nižšie</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Šípka doľava</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Šípka doprava</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Šípka nahor</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Šípka nadol</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Application switcher</source>
        <translation>Prepínač aplikácií</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ukončiť</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Zavrieť okno</translation>
    </message>
    <message>
        <source>Hide application</source>
        <translation>Skryť aplikáciu</translation>
    </message>
    <message>
        <source>Minimise window</source>
        <translation>Minimalizovať okno</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Snímka obrazovky</translation>
    </message>
    <message>
        <source>Screenshot selection</source>
        <translation>Snímka výberu</translation>
    </message>
    <message>
        <source>Screenshot options</source>
        <translation>Možnosti snímky obrazovky</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Zamknúť obrazovku</translation>
    </message>
    <message>
        <source>Mission Control</source>
        <translation>Mission Control</translation>
    </message>
    <message>
        <source>Application windows</source>
        <translation>Okná aplikácie</translation>
    </message>
</context>
</TS>
