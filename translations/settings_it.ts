<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>Selettore app</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Avvio scorciatoie</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Password salvate</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Schede salvate</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Apre l’anello delle app in esecuzione.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Apre le scorciatoie salvate per l’app in primo piano.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Apre l’anello delle tue password salvate.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from Chrome.</source>
        <translation>Apre le schede acquisite da Chrome.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Tieni premuti i modificatori</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Tieni premuti i tasti modificatori per mirare con il mouse, poi rilasciali per scegliere.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Commutazione</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>L’anello resta aperto quando rilasci. Premi di nuovo la scorciatoia o fai clic per scegliere.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>Al puntatore</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>L’anello si apre intorno al puntatore, così è sempre a portata di mano.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Centro dello schermo</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>L’anello si apre sempre al centro dello schermo.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>Nessuna scorciatoia assegnata — %1 non può essere aperto dalla tastiera.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Aggiungi ⌘, ⌥ o ⌃ perché questa scorciatoia non interrompa la digitazione.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Già usata da %1. Scegli un’altra combinazione.</translation>
    </message>
    <message>
        <source>The desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Il desktop usa già questa combinazione per %1. Potrebbe non arrivare a Kelvaro.</translation>
    </message>
</context>
</TS>
