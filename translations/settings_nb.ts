<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>Appveksler</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Snarveistarter</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Lagrede passord</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Lagrede faner</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Åpner ringen med apper som kjører.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Åpner snarveiene du har lagret for appen i forgrunnen.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Åpner ringen med de lagrede passordene dine.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from Chrome.</source>
        <translation>Åpner fanene du har hentet fra Chrome.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Hold nede modifikatortaster</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Hold modifikatortastene nede for å sikte med musen, og slipp for å velge.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Veksle</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>Ringen forblir åpen når du slipper. Trykk snarveien igjen eller klikk for å velge.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>Ved pekeren</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>Ringen åpnes rundt pekeren, så den alltid er innen rekkevidde.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Midt på skjermen</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>Ringen åpnes alltid midt på skjermen.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Lys</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Mørk</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>Ingen snarvei tilordnet — %1 kan ikke åpnes fra tastaturet.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Legg til ⌘, ⌥ eller ⌃ slik at denne snarveien ikke avbryter skrivingen.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Allerede brukt av %1. Velg en annen kombinasjon.</translation>
    </message>
    <message>
        <source>The desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Skrivebordet bruker allerede dette til %1. Det når kanskje ikke Kelvaro.</translation>
    </message>
</context>
</TS>
