<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>Sélecteur d’apps</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Lanceur de raccourcis</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Mots de passe enregistrés</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Onglets enregistrés</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Ouvre l’anneau des apps en cours d’exécution.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Ouvre les raccourcis enregistrés pour l’app au premier plan.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Ouvre l’anneau de vos mots de passe enregistrés.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from Chrome.</source>
        <translation>Ouvre les onglets capturés depuis Chrome.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Maintenir les modificateurs</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Maintenez les touches de modification pour viser avec la souris, puis relâchez pour choisir.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Bascule</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>L’anneau reste ouvert quand vous relâchez. Appuyez à nouveau sur le raccourci ou cliquez pour choisir.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>Au pointeur</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>L’anneau s’ouvre autour du pointeur, il est donc toujours à portée de main.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Centre de l’écran</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>L’anneau s’ouvre toujours au milieu de l’écran.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>Aucun raccourci attribué — %1 ne peut pas être ouvert depuis le clavier.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Ajoutez ⌘, ⌥ ou ⌃ pour que ce raccourci n’interrompe pas la saisie.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Déjà utilisé par %1. Choisissez une autre combinaison.</translation>
    </message>
    <message>
        <source>The desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Le bureau utilise déjà ce raccourci pour %1. Il risque de ne pas atteindre Kelvaro.</translation>
    </message>
</context>
</TS>
