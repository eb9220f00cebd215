<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>App-Umschalter</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Kurzbefehl-Starter</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Gespeicherte Passwörter</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Gespeicherte Tabs</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Öffnet den Ring der laufenden Apps.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Öffnet die Kurzbefehle, die du für die App im Vordergrund gespeichert hast.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Öffnet den Ring deiner gespeicherten Passwörter.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from Chrome.</source>
        <translation>Öffnet die Tabs, die du aus Chrome übernommen hast.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Modifikatortasten halten</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Halte die Modifikatortasten gedrückt, um mit der Maus zu zielen, und lass sie zum Auswählen los.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Umschalten</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>Der Ring bleibt offen, wenn du loslässt. Drücke den Kurzbefehl erneut oder klicke, um auszuwählen.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>Am Mauszeiger</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>Der Ring öffnet sich um den Mauszeiger, damit er immer in Reichweite ist.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Bildschirmmitte</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>Der Ring öffnet sich immer in der Mitte des Bildschirms.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>Kein Kurzbefehl zugewiesen – %1 kann nicht über die Tastatur geöffnet werden.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Füge ⌘, ⌥ oder ⌃ hinzu, damit dieser Kurzbefehl das Tippen nicht unterbricht.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Bereits von %1 verwendet. Wähle eine andere Kombination.</translation>
    </message>
    <message>
        <source>The desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Der Desktop verwendet dies bereits für %1. Es erreicht Kelvaro möglicherweise nicht.</translation>
    </message>
</context>
</TS>
