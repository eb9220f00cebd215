<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>Kelvaro</name>
    <message>
        <source>App Switcher</source>
        <translation>Sovellusten vaihtaja</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Pikanäppäinten käynnistin</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Tallennetut salasanat</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Tallennetut välilehdet</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Avaa käynnissä olevien sovellusten renkaan.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Avaa pikanäppäimet, jotka tallensit edessä olevalle sovellukselle.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Avaa tallennettujen salasanojesi renkaan.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from Chrome.</source>
        <translation>Avaa Chromesta tallentamasi välilehdet.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Pidä muokkausnäppäimiä</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Pidä muokkausnäppäimiä painettuina, tähtää hiirellä ja valitse vapauttamalla.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Vaihto</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>Rengas pysyy auki, kun päästät irti. Valitse painamalla pikanäppäintä uudelleen tai napsauttamalla.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>Osoittimen kohdalla</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>Rengas avautuu osoittimen ympärille, joten se on aina ulottuvilla.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Näytön keskellä</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>Rengas avautuu aina näytön keskelle.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Järjestelmä</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Vaalea</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tumma</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>Pikanäppäintä ei ole määritetty — kohdetta %1 ei voi avata näppäimistöltä.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Lisää ⌘, ⌥ tai ⌃, jotta tämä pikanäppäin ei keskeytä kirjoittamista.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Jo käytössä: %1. Valitse toinen yhdistelmä.</translation>
    </message>
    <message>
        <source>The desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Työpöytä käyttää tätä jo toimintoon %1. Se ei ehkä tavoita Kelvaroa.</translation>
    </message>
</context>
</TS>
