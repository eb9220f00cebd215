<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>App-wisselaar</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Sneltoetsstarter</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Bewaarde wachtwoorden</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Bewaarde tabbladen</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Opent de ring met actieve apps.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Opent de sneltoetsen die je voor de app op de voorgrond hebt bewaard.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Opent de ring met je bewaarde wachtwoorden.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from Chrome.</source>
        <translation>Opent de tabbladen die je uit Chrome hebt vastgelegd.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Modificatietoetsen vasthouden</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Houd de modificatietoetsen ingedrukt om met de muis te richten en laat los om te kiezen.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Wisselen</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>De ring blijft open als je loslaat. Druk nogmaals op de sneltoets of klik om te kiezen.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>Bij de aanwijzer</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>De ring opent rond de aanwijzer, zodat hij altijd binnen bereik is.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Midden van het scherm</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>De ring opent altijd in het midden van het scherm.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Donker</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>Geen sneltoets toegewezen — %1 kan niet met het toetsenbord worden geopend.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Voeg ⌘, ⌥ of ⌃ toe zodat deze sneltoets het typen niet onderbreekt.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Al in gebruik door %1. Kies een andere combinatie.</translation>
    </message>
    <message>
        <source>The desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Het bureaublad gebruikt dit al voor %1. Het bereikt Kelvaro mogelijk niet.</translation>
    </message>
</context>
</TS>
