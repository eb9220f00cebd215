<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>Przełącznik aplikacji</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Program uruchamiający skróty</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Zapisane hasła</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Zapisane karty</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Otwiera pierścień uruchomionych aplikacji.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Otwiera skróty zapisane dla aplikacji na pierwszym planie.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Otwiera pierścień zapisanych haseł.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from Chrome.</source>
        <translation>Otwiera karty przechwycone z Chrome.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Przytrzymanie modyfikatorów</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Przytrzymaj klawisze modyfikujące, aby celować myszą, a następnie puść, aby wybrać.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Przełączanie</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>Pierścień pozostaje otwarty po puszczeniu klawiszy. Naciśnij skrót ponownie lub kliknij, aby wybrać.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>Przy wskaźniku</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>Pierścień otwiera się wokół wskaźnika, więc zawsze jest w zasięgu ręki.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Środek ekranu</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>Pierścień zawsze otwiera się na środku ekranu.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Jasny</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Ciemny</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>Nie przypisano skrótu — %1 nie można otworzyć z klawiatury.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Dodaj ⌘, ⌥ lub ⌃, aby ten skrót nie przerywał pisania.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Już używany przez: %1. Wybierz inną kombinację.</translation>
    </message>
    <message>
        <source>The desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Pulpit już używa tego skrótu dla: %1. Może on nie docierać do Kelvaro.</translation>
    </message>
</context>
</TS>
