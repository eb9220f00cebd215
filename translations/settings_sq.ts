<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sq">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>Ndërruesi i aplikacioneve</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Nisësi i shkurtoreve</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Fjalëkalimet e ruajtura</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Skedat e ruajtura</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Hap unazën e aplikacioneve që po punojnë.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Hap shkurtoret që ruajtët për aplikacionin në plan të parë.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Hap unazën e fjalëkalimeve tuaja të ruajtura.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from Chrome.</source>
        <translation>Hap skedat që kapët nga Chrome.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Mbaj modifikuesit</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Mbani të shtypur tastet modifikuese për të synuar me miun, pastaj lëshojini për të zgjedhur.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Ndërrim</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>Unaza mbetet e hapur pasi i lëshoni. Shtypni sërish shkurtoren ose klikoni për të zgjedhur.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>Te treguesi</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>Unaza hapet rreth treguesit, kështu që është gjithmonë pranë.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Qendra e ekranit</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>Unaza hapet gjithmonë në mes të ekranit.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistemi</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>E çelët</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>E errët</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>Nuk është caktuar shkurtore — %1 nuk mund të hapet nga tastiera.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Shtoni ⌘, ⌥ ose ⌃ që kjo shkurtore të mos ndërpresë shkrimin.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Përdoret tashmë nga %1. Zgjidhni një kombinim tjetër.</translation>
    </message>
    <message>
        <source>The desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Desktopi e përdor tashmë këtë për %1. Mund të mos arrijë te Kelvaro.</translation>
    </message>
</context>
</TS>
