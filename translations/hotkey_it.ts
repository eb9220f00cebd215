<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Control</source>
        <translation>Controllo</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opzione</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maiuscole</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Invio</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulatore</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Forward Delete</source>
        <translation>Cancella avanti</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Pagina su</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Pagina giù</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Freccia sinistra</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Freccia destra</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Freccia su</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Freccia giù</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Application switcher</source>
        <translation>Selettore app</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Chiudi finestra</translation>
    </message>
    <message>
        <source>Hide application</source>
        <translation>Nascondi app</translation>
    </message>
    <message>
        <source>Minimise window</source>
        <translation>Riduci finestra</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Istantanea dello schermo</translation>
    </message>
    <message>
        <source>Screenshot selection</source>
        <translation>Istantanea di una selezione</translation>
    </message>
    <message>
        <source>Screenshot options</source>
        <translation>Opzioni istantanea</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Blocca schermo</translation>
    </message>
    <message>
        <source>Mission Control</source>
        <translation>Mission Control</translation>
    </message>
    <message>
        <source>Application windows</source>
        <translation>Finestre dell’app</translation>
    </message>
</context>
</TS>
