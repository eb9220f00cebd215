<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>Prepínač aplikácií</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Spúšťač skratiek</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Uložené heslá</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Uložené karty</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Otvorí kruh spustených aplikácií.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Otvorí skratky, ktoré ste uložili pre aplikáciu v popredí.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Otvorí kruh vašich uložených hesiel.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from Chrome.</source>
        <translation>Otvorí karty zachytené z Chrome.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Držať modifikátory</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Držte modifikačné klávesy, mierte myšou a výber potvrďte ich uvoľnením.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Prepínanie</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>Kruh zostane otvorený aj po uvoľnení. Na výber znova stlačte skratku alebo kliknite.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>Pri ukazovateli</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>Kruh sa otvorí okolo ukazovateľa, takže je vždy na dosah.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Stred obrazovky</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>Kruh sa vždy otvorí v strede obrazovky.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systém</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Svetlý</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tmavý</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>Nie je priradená žiadna skratka — %1 nemožno otvoriť z klávesnice.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Pridajte ⌘, ⌥ alebo ⌃, aby táto skratka neprerušovala písanie.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Už používa: %1. Vyberte inú kombináciu.</translation>
    </message>
    <message>
        <source>The desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Pracovná plocha to už používa pre: %1. Do Kelvaro sa to nemusí dostať.</translation>
    </message>
</context>
</TS>
