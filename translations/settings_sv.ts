<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>Appväxlare</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Kortkommandostartare</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Sparade lösenord</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Sparade flikar</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Öppnar ringen med appar som körs.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Öppnar kortkommandona du sparat för appen i förgrunden.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Öppnar ringen med dina sparade lösenord.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from Chrome.</source>
        <translation>Öppnar flikarna du sparat från Chrome.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Håll ned modifierare</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Håll ned modifierartangenterna för att sikta med musen och släpp för att välja.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Växla</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>Ringen förblir öppen när du släpper. Tryck på kortkommandot igen eller klicka för att välja.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>Vid pekaren</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>Ringen öppnas runt pekaren så att den alltid är inom räckhåll.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Mitt på skärmen</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>Ringen öppnas alltid mitt på skärmen.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Ljust</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Mörkt</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>Inget kortkommando tilldelat — %1 kan inte öppnas från tangentbordet.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Lägg till ⌘, ⌥ eller ⌃ så att kortkommandot inte avbryter skrivandet.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Används redan av %1. Välj en annan kombination.</translation>
    </message>
    <message>
        <source>The desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Skrivbordet använder redan detta för %1. Det kanske inte når Kelvaro.</translation>
    </message>
</context>
</TS>
