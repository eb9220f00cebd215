<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>Rakenduste vahetaja</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Otseteede käivitaja</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Salvestatud paroolid</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Salvestatud vahekaardid</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Avab töötavate rakenduste ringi.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Avab otseteed, mille salvestasid esiplaanil olevale rakendusele.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Avab sinu salvestatud paroolide ringi.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from Chrome.</source>
        <translation>Avab Chrome&apos;ist salvestatud vahekaardid.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Hoia muuteklahve</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Hoia muuteklahve all, et hiirega sihtida, ja vali vabastamisega.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Lüliti</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>Ring jääb pärast lahtilaskmist avatuks. Valimiseks vajuta otseteed uuesti või klõpsa.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>Kursori juures</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>Ring avaneb kursori ümber, nii et see on alati käeulatuses.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Ekraani keskel</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>Ring avaneb alati ekraani keskel.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Süsteem</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hele</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tume</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>Otsetee puudub — %1 ei saa klaviatuurilt avada.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Lisa ⌘, ⌥ või ⌃, et see otsetee ei segaks kirjutamist.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Juba kasutusel: %1. Vali teine kombinatsioon.</translation>
    </message>
    <message>
        <source>The desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Töölaud kasutab seda juba: %1. See ei pruugi Kelvaroni jõuda.</translation>
    </message>
</context>
</TS>
