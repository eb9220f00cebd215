<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>Preklopnik aplikacij</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Zaganjalnik bližnjic</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Shranjena gesla</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Shranjeni zavihki</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Odpre obroč zagnanih aplikacij.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Odpre bližnjice, ki ste jih shranili za aplikacijo v ospredju.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Odpre obroč vaših shranjenih gesel.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from Chrome.</source>
        <translation>Odpre zavihke, zajete iz Chroma.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Držanje modifikatorjev</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Držite modifikatorske tipke, merite z miško in jih spustite za izbiro.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Preklop</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>Obroč ostane odprt, ko spustite tipke. Za izbiro znova pritisnite bližnjico ali kliknite.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>Pri kazalcu</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>Obroč se odpre okoli kazalca, zato je vedno na dosegu.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Sredina zaslona</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>Obroč se vedno odpre na sredini zaslona.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Svetlo</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Temno</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>Bližnjica ni dodeljena — %1 ni mogoče odpreti s tipkovnico.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Dodajte ⌘, ⌥ ali ⌃, da ta bližnjica ne bo prekinjala tipkanja.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Že uporablja: %1. Izberite drugo kombinacijo.</translation>
    </message>
    <message>
        <source>The desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Namizje to že uporablja za: %1. Morda ne bo prišlo do Kelvara.</translation>
    </message>
</context>
</TS>
