<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>App Switcher</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Shortcut Launcher</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Saved Passwords</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Saved Tabs</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Opens the ring of running apps.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Opens the shortcuts you saved for the app in front.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Opens the ring of your saved passwords.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from Chrome.</source>
        <translation>Opens the tabs you captured from Chrome.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Hold modifiers</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Keep the modifier keys held to aim with the mouse, then release to choose.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Toggle</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>The ring stays open after you let go. Press the shortcut again or click to choose.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>At the pointer</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>The ring opens around the pointer, so it is always within reach.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Centre of the display</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>The ring always opens in the middle of the display.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Already used by %1. Pick a different combination.</translation>
    </message>
    <message>
        <source>The desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>The desktop already uses this for %1. It may not reach Kelvaro.</translation>
    </message>
</context>
</TS>
