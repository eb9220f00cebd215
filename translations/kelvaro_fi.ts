<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Näytä apin vaihtaja</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Näytä pikanäppäinten käynnistin</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Käynnistä kirjautuessa</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Näytä viesti käynnistettäessä</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Kelvaro-ohje</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Tarkista päivitykset…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Lopeta Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Kelvaron asetukset</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Tervetuloa Kelvaroon</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Koko näyttö</translation>
    </message>
    <message>
        <source>Window %1</source>
        <translation>Ikkuna %1</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Vaihto</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Sarkain</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Välilyönti</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Sivu ylös</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Sivu alas</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Vasen nuoli</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Oikea nuoli</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Ylänuoli</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Alanuoli</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Uusi</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Avaa…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Sulje ikkuna</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Kumoa</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopioi</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Sijoita</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Etsi</translation>
    </message>
    <message>
        <source>New Finder Window</source>
        <translation>Uusi Finder-ikkuna</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Uusi kansio</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>Näytä tiedot</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Monista</translation>
    </message>
    <message>
        <source>Go to Downloads</source>
        <translation>Siirry latauksiin</translation>
    </message>
    <message>
        <source>Show View Options</source>
        <translation>Näytä näkymävalinnat</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>Uusi välilehti</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Uusi ikkuna</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Sulje välilehti</translation>
    </message>
    <message>
        <source>Reopen Last Tab</source>
        <translation>Avaa viimeisin välilehti uudelleen</translation>
    </message>
    <message>
        <source>Reload Page</source>
        <translation>Lataa sivu uudelleen</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>Näytä lukija</translation>
    </message>
    <message>
        <source>New Private Window</source>
        <translation>Uusi yksityinen ikkuna</translation>
    </message>
    <message>
        <source>Reopen Closed Tab</source>
        <translation>Avaa suljettu välilehti uudelleen</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Lataa uudelleen</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>Kehittäjän työkalut</translation>
    </message>
    <message>
        <source>New Incognito Window</source>
        <translation>Uusi incognito-ikkuna</translation>
    </message>
    <message>
        <source>New Message</source>
        <translation>Uusi viesti</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Vastaa</translation>
    </message>
    <message>
        <source>Reply All</source>
        <translation>Vastaa kaikille</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Välitä</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Lähetä</translation>
    </message>
    <message>
        <source>Mailbox Search</source>
        <translation>Postilaatikkohaku</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Uusi muistiinpano</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Tarkistuslista</translation>
    </message>
    <message>
        <source>Attach File</source>
        <translation>Liitä tiedosto</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hae</translation>
    </message>
    <message>
        <source>Emoji &amp; Symbols</source>
        <translation>Emojit ja symbolit</translation>
    </message>
    <message>
        <source>New Event</source>
        <translation>Uusi tapahtuma</translation>
    </message>
    <message>
        <source>Go to Today</source>
        <translation>Siirry tähän päivään</translation>
    </message>
    <message>
        <source>Day View</source>
        <translation>Päivänäkymä</translation>
    </message>
    <message>
        <source>Week View</source>
        <translation>Viikkonäkymä</translation>
    </message>
    <message>
        <source>Month View</source>
        <translation>Kuukausinäkymä</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>Tyhjennä näyttö</translation>
    </message>
    <message>
        <source>Split Pane</source>
        <translation>Jaa ruutu</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Suorita</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Käännä</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pysäytä</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testaa</translation>
    </message>
    <message>
        <source>Open Quickly</source>
        <translation>Avaa nopeasti</translation>
    </message>
    <message>
        <source>Show Canvas / Assistant</source>
        <translation>Näytä kangas / avustaja</translation>
    </message>
    <message>
        <source>Quick Open</source>
        <translation>Pikavalinta</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>Komentopaletti</translation>
    </message>
    <message>
        <source>Toggle Terminal</source>
        <translation>Näytä/piilota pääte</translation>
    </message>
    <message>
        <source>Toggle Sidebar</source>
        <translation>Näytä/piilota sivupalkki</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Uusi tiedosto</translation>
    </message>
    <message>
        <source>Quick Switcher</source>
        <translation>Pikavaihto</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Ketjut</translation>
    </message>
    <message>
        <source>Mentions &amp; Reactions</source>
        <translation>Maininnat ja reaktiot</translation>
    </message>
    <message>
        <source>Toggle Mute</source>
        <translation>Mykistys päälle/pois</translation>
    </message>
    <message>
        <source>Toggle Deafen</source>
        <translation>Kuuntelu pois/päälle</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>Saapuneet</translation>
    </message>
    <message>
        <source>Emoji Picker</source>
        <translation>Emojivalitsin</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Todellinen koko</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Lähennä</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Loitonna</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Diaesitys</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Kierrä vasemmalle</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Toista/Tauko</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Seuraava kappale</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Edellinen kappale</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Satunnaistoisto</translation>
    </message>
    <message>
        <source>Show Queue</source>
        <translation>Näytä jono</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Tuo</translation>
    </message>
    <message>
        <source>New Album</source>
        <translation>Uusi albumi</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Suosikki</translation>
    </message>
    <message>
        <source>Mute Audio</source>
        <translation>Mykistä ääni</translation>
    </message>
    <message>
        <source>Start Video</source>
        <translation>Aloita video</translation>
    </message>
    <message>
        <source>Share Screen</source>
        <translation>Jaa näyttö</translation>
    </message>
    <message>
        <source>Show Chat</source>
        <translation>Näytä keskustelu</translation>
    </message>
    <message>
        <source>Show Participants</source>
        <translation>Näytä osallistujat</translation>
    </message>
    <message>
        <source>New Page</source>
        <translation>Uusi sivu</translation>
    </message>
    <message>
        <source>Add Comment</source>
        <translation>Lisää kommentti</translation>
    </message>
    <message>
        <source>To-do List</source>
        <translation>Tehtävälista</translation>
    </message>
    <message>
        <source>Frame Tool</source>
        <translation>Kehystyökalu</translation>
    </message>
    <message>
        <source>Move Tool</source>
        <translation>Siirtotyökalu</translation>
    </message>
    <message>
        <source>Text Tool</source>
        <translation>Tekstityökalu</translation>
    </message>
    <message>
        <source>Pen Tool</source>
        <translation>Kynätyökalu</translation>
    </message>
    <message>
        <source>Group Selection</source>
        <translation>Ryhmitä valinta</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>Uusi dokumentti</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Lihavoitu</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Vie PDF:ksi</translation>
    </message>
    <message>
        <source>New Spreadsheet</source>
        <translation>Uusi laskentataulukko</translation>
    </message>
    <message>
        <source>Add Row Above</source>
        <translation>Lisää rivi yläpuolelle</translation>
    </message>
    <message>
        <source>Insert Chart</source>
        <translation>Lisää kaavio</translation>
    </message>
    <message>
        <source>New Presentation</source>
        <translation>Uusi esitys</translation>
    </message>
    <message>
        <source>Play Slideshow</source>
        <translation>Toista esitys</translation>
    </message>
    <message>
        <source>New Slide</source>
        <translation>Uusi dia</translation>
    </message>
    <message>
        <source>Presenter Display</source>
        <translation>Esittäjän näyttö</translation>
    </message>
    <message>
        <source>Saved earlier</source>
        <translation>Tallennettu aiemmin</translation>
    </message>
    <message>
        <source>No supported browser is running.</source>
        <translation>Mikään tuettu selain ei ole käynnissä.</translation>
    </message>
    <message>
        <source>Could not read %1&apos;s tabs.</source>
        <translation>Selaimen %1 välilehtiä ei voitu lukea.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser&apos;s profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro ei voi lukea selaimen %1 avoimia välilehtiä. Tarkista, että käyttäjäsi voi lukea selaimen profiilikansion kohteessa ~/.config ja sen Sessions-kansion.</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Salasanat</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>Lisää app käynnistimeen</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Valitse renkaaseen lisättävä app.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lisää</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Kumoa</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Ohjelmistopäivitys</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>Uusi versio on saatavilla</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 on valmis. Sinulla on %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates</source>
        <translation>Päivitysten tarkistus epäonnistui</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Tarkistetaan päivityksiä…</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Käytössäsi on uusin versio</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 on uusin versio.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Päivityslähdettä ei ole määritetty.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the update server.</source>
        <translation>Päivityspalvelimeen ei saatu yhteyttä.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Ohita tämä versio</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Myöhemmin</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Lataa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro lähettää nyt nimettömiä käyttötietoja</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Aiemmat versiot eivät lähettäneet mitään. Tämä kertoo, milloin sovellus käynnistyy, milloin rengas avataan ja montako välilehteä tallennus löysi.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>Ei ikkunoiden otsikoita, ei URL-osoitteita, ei tiedostopolkuja eikä mitään, mitä kirjoitat.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Pidä päällä</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Poista käytöstä</translation>
    </message>
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
        <translation>Lisää Ctrl, Alt tai Super, jotta tämä pikanäppäin ei keskeytä kirjoittamista.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Jo käytössä: %1. Valitse toinen yhdistelmä.</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>Nuolinäppäimet valitsevat, Enter vaihtaa, Esc sulkee.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>Ei sovelluksia</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2/%3</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, ikkuna %2/%3: %4</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>Nuolinäppäimet valitsevat, Return suorittaa pikakomennon, Esc sulkee.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>Ei pikakomentoja</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>Salasana %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Sivu %1/%2</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Näppäin %1</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Askelpalautin</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Kelvaro Ring</source>
        <translation>Kelvaro-rengas</translation>
    </message>
    <message>
        <source>Kelvaro App Switcher</source>
        <translation>Kelvaron sovellusten vaihtaja</translation>
    </message>
    <message>
        <source>Your desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Työpöytäsi käyttää tätä pikanäppäintä jo %1. Se ei ehkä tavoita Kelvaroa.</translation>
    </message>
    <message>
        <source>switching windows</source>
        <translation>ikkunoiden vaihtamiseen</translation>
    </message>
    <message>
        <source>switching windows backwards</source>
        <translation>ikkunoiden vaihtamiseen taaksepäin</translation>
    </message>
    <message>
        <source>closing the window</source>
        <translation>ikkunan sulkemiseen</translation>
    </message>
    <message>
        <source>running a command</source>
        <translation>komennon suorittamiseen</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>näytön lukitsemiseen</translation>
    </message>
    <message>
        <source>showing the desktop</source>
        <translation>työpöydän näyttämiseen</translation>
    </message>
    <message>
        <source>opening a terminal</source>
        <translation>päätteen avaamiseen</translation>
    </message>
    <message>
        <source>logging out</source>
        <translation>uloskirjautumiseen</translation>
    </message>
    <message>
        <source>switching to a text console</source>
        <translation>tekstikonsoliin siirtymiseen</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › General › Privacy.</source>
        <translation>Voit poistaa sen käytöstä nyt tai milloin tahansa kohdassa Asetukset › Yleiset › Yksityisyys.</translation>
    </message>
    <message>
        <source>Global hotkeys need an X11 session. Choose an X11 (Xorg) session on the login screen, then start Kelvaro again.</source>
        <translation>Järjestelmänlaajuiset pikanäppäimet vaativat X11-istunnon. Valitse kirjautumisnäkymässä X11-istunto (Xorg) ja käynnistä Kelvaro sitten uudelleen.</translation>
    </message>
    <message>
        <source>Global Hotkeys Unavailable</source>
        <translation>Järjestelmänlaajuiset pikanäppäimet eivät ole käytettävissä</translation>
    </message>
    <message>
        <source>Keyboard Access Refused</source>
        <translation>Näppäimistön käyttö estetty</translation>
    </message>
    <message>
        <source>Accessibility Access Required</source>
        <translation>Esteettömyyden käyttöoikeus vaaditaan</translation>
    </message>
    <message>
        <source>This is not an X11 session, so Kelvaro cannot watch global hotkeys or raise windows.</source>
        <translation>Tämä ei ole X11-istunto, joten Kelvaro ei voi seurata järjestelmänlaajuisia pikanäppäimiä eikä tuoda ikkunoita esiin.</translation>
    </message>
    <message>
        <source>The X server did not let Kelvaro watch the keyboard, so hotkeys cannot open the rings.</source>
        <translation>X-palvelin ei antanut Kelvaron seurata näppäimistöä, joten pikanäppäimet eivät voi avata renkaita.</translation>
    </message>
    <message>
        <source>The accessibility bus is off. Kelvaro needs it to read windows, menus and text fields.</source>
        <translation>Esteettömyysväylä ei ole käytössä. Kelvaro tarvitsee sitä ikkunoiden, valikkojen ja tekstikenttien lukemiseen.</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Ota käyttöön</translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>Miksi?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Yritä uudelleen</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pieni</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Keskikokoinen</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Suuri</translation>
    </message>
    <message>
        <source>Relaxed</source>
        <translation>Rauhallinen</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaali</translation>
    </message>
    <message>
        <source>Brisk</source>
        <translation>Nopea</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Kieli</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Avaa kirjautuessa</translation>
    </message>
    <message>
        <source>Start Kelvaro automatically when you sign in.</source>
        <translation>Käynnistä Kelvaro automaattisesti, kun kirjaudut sisään.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Käynnistys</translation>
    </message>
    <message>
        <source>Send anonymous usage data</source>
        <translation>Lähetä nimettömiä käyttötietoja</translation>
    </message>
    <message>
        <source>Launches, rings opened, and how many tabs a capture found. Never window titles, URLs, file paths or anything you type.</source>
        <translation>Käynnistykset, avatut renkaat ja montako välilehteä tallennus löysi. Ei koskaan ikkunoiden otsikoita, URL-osoitteita, tiedostopolkuja eikä mitään, mitä kirjoitat.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Yksityisyys</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Toiminta</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Aktivointi</translation>
    </message>
    <message>
        <source>Open the ring</source>
        <translation>Avaa rengas</translation>
    </message>
    <message>
        <source>Follow the pointer across displays</source>
        <translation>Seuraa osoitinta näytöltä toiselle</translation>
    </message>
    <message>
        <source>Otherwise the ring always opens on the main display.</source>
        <translation>Muuten rengas avautuu aina päänäytölle.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Ulkoasu</translation>
    </message>
    <message>
        <source>Ring size</source>
        <translation>Renkaan koko</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>Animaation nopeus</translation>
    </message>
    <message>
        <source>Tilt the centre icon with the pointer</source>
        <translation>Kallista keskikuvaketta osoittimen mukana</translation>
    </message>
    <message>
        <source>Adds a subtle parallax to the selected app&apos;s icon.</source>
        <translation>Lisää valitun sovelluksen kuvakkeeseen hienovaraisen parallaksitehosteen.</translation>
    </message>
    <message>
        <source>Reduce Motion is on in the desktop&apos;s settings, so animations stay minimal.</source>
        <translation>Liikkeen vähentäminen on käytössä työpöydän asetuksissa, joten animaatiot pidetään vähäisinä.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tietoja</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versio</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Tarkista päivitykset automaattisesti</translation>
    </message>
    <message>
        <source>Once a day, in the background.</source>
        <translation>Kerran päivässä, taustalla.</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Tarkista nyt</translation>
    </message>
    <message>
        <source>Kelvaro %1 is available</source>
        <translation>Kelvaro %1 on saatavilla</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Ajan tasalla</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt or Super.</source>
        <translation>Lisää Ctrl, Alt tai Super.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Pikanäppäin</translation>
    </message>
    <message>
        <source>Activate to record a new shortcut. Press Escape to cancel, Delete to clear.</source>
        <translation>Aktivoi tallentaaksesi uuden pikanäppäimen. Peru painamalla Esc, tyhjennä painamalla Delete.</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Tyhjennä pikanäppäin</translation>
    </message>
    <message>
        <source>Tap a key to finish · Esc to cancel</source>
        <translation>Viimeistele painamalla näppäintä · Esc peruu</translation>
    </message>
    <message>
        <source>Hold modifiers, then tap a key · Esc to cancel</source>
        <translation>Pidä muokkausnäppäimiä painettuina ja paina sitten näppäintä · Esc peruu</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Tallennetaan</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ei mitään</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Ei toimintoa</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>Siirrä kohde %1 ylös</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>Siirrä kohde %1 alas</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Muokkaa kohdetta %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Poista kohde %1</translation>
    </message>
    <message>
        <source>Hold to keep the wheel open</source>
        <translation>Pidä painettuna, niin rengas pysyy auki</translation>
    </message>
    <message>
        <source>None selected — the wheel stays open until you click or press Escape.</source>
        <translation>Ei valintaa — rengas pysyy auki, kunnes napsautat tai painat Esc.</translation>
    </message>
    <message>
        <source>Keep %1 held while you aim. Release it and the wheel chooses whatever is highlighted.</source>
        <translation>Pidä %1 painettuna tähdätessäsi. Kun vapautat sen, rengas valitsee korostetun kohteen.</translation>
    </message>
    <message>
        <source>Key Binding</source>
        <translation>Näppäinyhdistelmä</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>Paina pikanäppäintä</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>vaihto</translation>
    </message>
    <message>
        <source>super</source>
        <translation>super</translation>
    </message>
    <message>
        <source>alt</source>
        <translation>alt</translation>
    </message>
    <message>
        <source>ctrl</source>
        <translation>ctrl</translation>
    </message>
    <message>
        <source>space</source>
        <translation>välilyönti</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>sarkain</translation>
    </message>
    <message>
        <source>return</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>askelpalautin</translation>
    </message>
    <message>
        <source>esc</source>
        <translation>esc</translation>
    </message>
    <message>
        <source>Match the system language</source>
        <translation>Käytä järjestelmän kieltä</translation>
    </message>
    <message>
        <source>The rest of this guide uses your choice.</source>
        <translation>Opas käyttää tästä eteenpäin valintaasi.</translation>
    </message>
    <message>
        <source>The interface updates right away.</source>
        <translation>Käyttöliittymä päivittyy heti.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Käynnistä uudelleen nyt</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Yleiset</translation>
    </message>
    <message>
        <source>Switcher</source>
        <translation>Vaihtaja</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Pikanäppäimet</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>Käynnistin</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Välilehdet</translation>
    </message>
    <message>
        <source>No passwords yet</source>
        <translation>Ei vielä salasanoja</translation>
    </message>
    <message>
        <source>No shortcuts yet</source>
        <translation>Ei vielä pikanäppäimiä</translation>
    </message>
    <message>
        <source>Select an app</source>
        <translation>Valitse sovellus</translation>
    </message>
    <message>
        <source>Ring preview</source>
        <translation>Renkaan esikatselu</translation>
    </message>
    <message>
        <source>No shortcut assigned</source>
        <translation>Pikanäppäintä ei ole määritetty</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Pikanäppäin: %1</translation>
    </message>
    <message>
        <source>This page is not available in this version yet.</source>
        <translation>Tämä sivu ei ole vielä käytettävissä tässä versiossa.</translation>
    </message>
    <message>
        <source>Kelvaro wants to unlock your saved passwords</source>
        <translation>Kelvaro haluaa avata tallennettujen salasanojesi lukituksen</translation>
    </message>
    <message>
        <source>Unlock Saved Passwords</source>
        <translation>Avaa tallennettujen salasanojen lukitus</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Salasana</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Avaa lukitus</translation>
    </message>
    <message>
        <source>Some of your settings could not be read. The settings file as it was is kept as %1.</source>
        <translation>Joitakin asetuksiasi ei voitu lukea. Asetustiedosto on tallessa sellaisenaan nimellä %1.</translation>
    </message>
    <message>
        <source>Your settings file could not be read, so Kelvaro started with default settings. The file is kept as %1.</source>
        <translation>Asetustiedostoasi ei voitu lukea, joten Kelvaro käynnistyi oletusasetuksilla. Tiedosto on tallessa nimellä %1.</translation>
    </message>
    <message>
        <source>Your settings file %1 could not be read, so Kelvaro started with default settings.</source>
        <translation>Asetustiedostoa %1 ei voitu lukea, joten Kelvaro käynnistyi oletusasetuksilla.</translation>
    </message>
    <message>
        <source>Your settings cannot be saved to %1 (%2). Changes are kept until Kelvaro quits.</source>
        <translation>Asetuksia ei voi tallentaa tiedostoon %1 (%2). Muutokset säilyvät, kunnes Kelvaro suljetaan.</translation>
    </message>
    <message>
        <source>Choose an icon</source>
        <translation>Valitse kuvake</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Muokkaa tiliä</translation>
    </message>
    <message>
        <source>Add Account</source>
        <translation>Lisää tili</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Kuvake</translation>
    </message>
    <message>
        <source>Work mail</source>
        <translation>Työsähköposti</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Email / Account</source>
        <translation>Sähköposti / tili</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Tili</translation>
    </message>
    <message>
        <source>Add passwords for this account from the list after saving.</source>
        <translation>Lisää tämän tilin salasanat luettelosta tallentamisen jälkeen.</translation>
    </message>
    <message>
        <source>Add Another Password</source>
        <translation>Lisää toinen salasana</translation>
    </message>
    <message>
        <source>Each password is saved under this account. Several passwords open an arc on the ring.</source>
        <translation>Jokainen salasana tallennetaan tämän tilin alle. Useampi salasana avaa renkaaseen kaaren.</translation>
    </message>
    <message>
        <source>Shown in the arc when this account has more than one password.</source>
        <translation>Näytetään kaaressa, kun tällä tilillä on useampi kuin yksi salasana.</translation>
    </message>
    <message>
        <source>Edit Password</source>
        <translation>Muokkaa salasanaa</translation>
    </message>
    <message>
        <source>Add Password</source>
        <translation>Lisää salasana</translation>
    </message>
    <message>
        <source>Add Passwords</source>
        <translation>Lisää salasanat</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Passwords</source>
        <translation>
            <numerusform>Lisää %n salasana</numerusform>
            <numerusform>Lisää %n salasanaa</numerusform>
        </translation>
    </message>
    <message>
        <source>Hide the password</source>
        <translation>Piilota salasana</translation>
    </message>
    <message>
        <source>Show the password</source>
        <translation>Näytä salasana</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Henkilökohtainen</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Nimike</translation>
    </message>
    <message>
        <source>Remove this password</source>
        <translation>Poista tämä salasana</translation>
    </message>
    <message>
        <source>Hint (optional)</source>
        <translation>Vihje (valinnainen)</translation>
    </message>
    <message>
        <source>ends 4471</source>
        <translation>päättyy 4471</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Vihje</translation>
    </message>
    <message>
        <source>Your desktop keyring did not store the password “%1”, so it was not saved. Unlock the keyring and try again.</source>
        <translation>Työpöydän avainnippu ei tallentanut salasanaa ”%1”, joten sitä ei tallennettu. Avaa avainnipun lukitus ja yritä uudelleen.</translation>
    </message>
    <message>
        <source>Accounts &amp; Passwords</source>
        <translation>Tilit ja salasanat</translation>
    </message>
    <message>
        <source>Stored in your desktop keyring (Secret Service), readable only while your session is unlocked. Choosing one fills the focused text field when you can type, otherwise copies to the clipboard (cleared after 45 seconds). An account with more than one password shows them in an arc beside its wedge.</source>
        <translation>Tallennetaan työpöydän avainnippuun (Secret Service), ja ne ovat luettavissa vain, kun istuntosi lukitus on avattu. Kun valitset salasanan, se syötetään aktiiviseen tekstikenttään, jos siihen voi kirjoittaa, muuten se kopioidaan leikepöydälle (tyhjennetään 45 sekunnin kuluttua). Jos tilillä on useampi kuin yksi salasana, ne näytetään kaaressa tilin lohkon vieressä.</translation>
    </message>
    <message>
        <source>1 password</source>
        <translation>1 salasana</translation>
    </message>
    <message numerus="yes">
        <source>%n passwords</source>
        <translation>
            <numerusform>%n salasana</numerusform>
            <numerusform>%n salasanaa</numerusform>
        </translation>
    </message>
    <message>
        <source>No accounts yet</source>
        <translation>Ei vielä tilejä</translation>
    </message>
    <message>
        <source>Edit this account</source>
        <translation>Muokkaa tätä tiliä</translation>
    </message>
    <message>
        <source>Delete this account</source>
        <translation>Poista tämä tili</translation>
    </message>
    <message>
        <source>Add an account, then add passwords under it.</source>
        <translation>Lisää tili ja lisää sitten salasanat sen alle.</translation>
    </message>
    <message>
        <source>No passwords for this account yet.</source>
        <translation>Tällä tilillä ei ole vielä salasanoja.</translation>
    </message>
    <message>
        <source>Add the passwords that belong to this email.</source>
        <translation>Lisää tähän sähköpostiosoitteeseen kuuluvat salasanat.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Siirrä ylös</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Siirrä alas</translation>
    </message>
    <message>
        <source>Edit this password</source>
        <translation>Muokkaa tätä salasanaa</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Poista kohde %1</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Tilit</translation>
    </message>
    <message>
        <source>Delete the account “%1”?</source>
        <translation>Poistetaanko tili ”%1”?</translation>
    </message>
    <message numerus="yes">
        <source>Its %n password(s) will be removed from your desktop keyring.</source>
        <translation>
            <numerusform>Sen %n salasana poistetaan työpöydän avainnipusta.</numerusform>
            <numerusform>Sen %n salasanaa poistetaan työpöydän avainnipusta.</numerusform>
        </translation>
    </message>
    <message>
        <source>No shortcut assigned — this launcher can&apos;t be opened from the keyboard.</source>
        <translation>Pikanäppäintä ei ole määritetty — tätä käynnistintä ei voi avata näppäimistöltä.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from your browsers.</source>
        <translation>Avaa selaimistasi tallentamasi välilehdet.</translation>
    </message>
    <message>
        <source>Search Icon</source>
        <translation>Hae kuvaketta</translation>
    </message>
    <message>
        <source>Icon Name</source>
        <translation>Kuvakkeen nimi</translation>
    </message>
    <message>
        <source>Upload PNG…</source>
        <translation>Tuo PNG…</translation>
    </message>
    <message>
        <source>Use your own image, up to 1 MB</source>
        <translation>Käytä omaa kuvaa, enintään 1 Mt</translation>
    </message>
    <message>
        <source>Pick Icon</source>
        <translation>Valitse kuvake</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>Ei tuloksia haulle ”%1”</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-kuvat (*.png)</translation>
    </message>
    <message>
        <source>Could not add icon</source>
        <translation>Kuvaketta ei voitu lisätä</translation>
    </message>
    <message>
        <source>Keystroke</source>
        <translation>Näppäinpainallus</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Teksti</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Linkki</translation>
    </message>
    <message>
        <source>Sent to the app in front, as if you pressed it yourself.</source>
        <translation>Lähetetään edessä olevalle sovellukselle aivan kuin painaisit sen itse.</translation>
    </message>
    <message>
        <source>Copied to the clipboard, ready to paste.</source>
        <translation>Kopioidaan leikepöydälle valmiiksi sijoitettavaksi.</translation>
    </message>
    <message>
        <source>Opened in your default browser.</source>
        <translation>Avataan oletusselaimessasi.</translation>
    </message>
    <message>
        <source>Edit Shortcut</source>
        <translation>Muokkaa pikanäppäintä</translation>
    </message>
    <message>
        <source>New Shortcut</source>
        <translation>Uusi pikanäppäin</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>sovellukselle %1</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Toiminto</translation>
    </message>
    <message>
        <source>Keystroke to send</source>
        <translation>Lähetettävä näppäinpainallus</translation>
    </message>
    <message>
        <source>Add Shortcut</source>
        <translation>Lisää pikanäppäin</translation>
    </message>
    <message>
        <source>Give the shortcut a name.</source>
        <translation>Anna pikanäppäimelle nimi.</translation>
    </message>
    <message>
        <source>Record the keystroke to send.</source>
        <translation>Tallenna lähetettävä näppäinpainallus.</translation>
    </message>
    <message>
        <source>Enter the text to copy.</source>
        <translation>Kirjoita kopioitava teksti.</translation>
    </message>
    <message>
        <source>Enter a link to open.</source>
        <translation>Kirjoita avattava linkki.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like a valid link.</source>
        <translation>Tämä ei näytä kelvolliselta linkiltä.</translation>
    </message>
    <message>
        <source>Suggested shortcuts for %1</source>
        <translation>Ehdotetut pikanäppäimet sovellukselle %1</translation>
    </message>
    <message>
        <source>Pick the ones you want on the ring. You can edit them later.</source>
        <translation>Valitse ne, jotka haluat renkaaseen. Voit muokata niitä myöhemmin.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ohita</translation>
    </message>
    <message>
        <source>Add 1 Shortcut</source>
        <translation>Lisää 1 pikanäppäin</translation>
    </message>
    <message>
        <source>Add Shortcuts</source>
        <translation>Lisää pikanäppäimet</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Shortcuts</source>
        <translation>
            <numerusform>Lisää %n pikanäppäin</numerusform>
            <numerusform>Lisää %n pikanäppäintä</numerusform>
        </translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Poista valinnat</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Valitse kaikki</translation>
    </message>
    <message numerus="yes">
        <source>Found %n shortcuts in the menus.</source>
        <translation>
            <numerusform>Valikoista löytyi %n pikanäppäin.</numerusform>
            <numerusform>Valikoista löytyi %n pikanäppäintä.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open the app first, then import again.</source>
        <translation>Avaa sovellus ensin ja tuo sitten uudelleen.</translation>
    </message>
    <message>
        <source>Reading menus needs the desktop&apos;s accessibility bus, which is off.</source>
        <translation>Valikoiden lukeminen vaatii työpöydän esteettömyysväylän, joka ei ole käytössä.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read this app&apos;s menus.</source>
        <translation>Tämän sovelluksen valikoita ei voitu lukea.</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>Ehdotetut</translation>
    </message>
    <message>
        <source>From Menus</source>
        <translation>Valikoista</translation>
    </message>
    <message>
        <source>Reading menus…</source>
        <translation>Luetaan valikoita…</translation>
    </message>
    <message>
        <source>Open App &amp; Import Menus</source>
        <translation>Avaa sovellus ja tuo valikot</translation>
    </message>
    <message>
        <source>Import from Menus</source>
        <translation>Tuo valikoista</translation>
    </message>
    <message>
        <source>Pick a PNG file. Folders, links and devices cannot be used.</source>
        <translation>Valitse PNG-tiedosto. Kansioita, linkkejä ja laitteita ei voi käyttää.</translation>
    </message>
    <message>
        <source>Pick a PNG smaller than 1 MB.</source>
        <translation>Valitse alle 1 Mt:n PNG-kuva.</translation>
    </message>
    <message>
        <source>Pick a PNG of at most 1024 × 1024 pixels.</source>
        <translation>Valitse enintään 1024 × 1024 pikselin PNG-kuva.</translation>
    </message>
    <message>
        <source>That file could not be read as a PNG.</source>
        <translation>Tiedostoa ei voitu lukea PNG-kuvana.</translation>
    </message>
    <message>
        <source>The icon could not be saved: %1</source>
        <translation>Kuvaketta ei voitu tallentaa: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Tiedostoa %1 ei voitu avata: %2</translation>
    </message>
    <message>
        <source>The Firefox session file %1 is too large to read.</source>
        <translation>Firefoxin istuntotiedosto %1 on liian suuri luettavaksi.</translation>
    </message>
    <message>
        <source>Could not read the Firefox session file %1: %2.</source>
        <translation>Firefoxin istuntotiedostoa %1 ei voitu lukea: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read its profile folder in ~/.mozilla/firefox.</source>
        <translation>Kelvaro ei voi lukea selaimen %1 avoimia välilehtiä. Tarkista, että käyttäjäsi voi lukea sen profiilikansion kohteessa ~/.mozilla/firefox.</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs.</source>
        <translation>
            <numerusform>Tallennettiin %n välilehti.</numerusform>
            <numerusform>Tallennettiin %n välilehteä.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs from %1.</source>
        <translation>
            <numerusform>Tallennettiin %n välilehti selaimesta %1.</numerusform>
            <numerusform>Tallennettiin %n välilehteä selaimesta %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 selaimesta %2</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs — %1.</source>
        <translation>
            <numerusform>Tallennettiin %n välilehti — %1.</numerusform>
            <numerusform>Tallennettiin %n välilehteä — %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier capture kept.</source>
        <translation>1 aiempi tallennus säilytetty.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier captures kept.</source>
        <translation>
            <numerusform>%n aiempi tallennus säilytetty.</numerusform>
            <numerusform>%n aiempaa tallennusta säilytetty.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 tab</source>
        <translation>1 välilehti</translation>
    </message>
    <message numerus="yes">
        <source>%n tabs</source>
        <translation>
            <numerusform>%n välilehti</numerusform>
            <numerusform>%n välilehteä</numerusform>
        </translation>
    </message>
    <message>
        <source>Browsers &amp; Tabs</source>
        <translation>Selaimet ja välilehdet</translation>
    </message>
    <message>
        <source>Reads every tab open in Chrome, Brave, Edge, Vivaldi, Opera, Chromium and Firefox from the session files in their profile folders, and keeps them here so you can reopen them after the browser is closed. Each capture is kept as its own session; the ring shows the chosen one, ten tabs at a time.</source>
        <translation>Lukee kaikki Chromessa, Bravessa, Edgessä, Vivaldissa, Operassa, Chromiumissa ja Firefoxissa avoinna olevat välilehdet niiden profiilikansioiden istuntotiedostoista ja säilyttää ne täällä, jotta voit avata ne uudelleen selaimen sulkemisen jälkeen. Jokainen tallennus säilytetään omana istuntonaan; rengas näyttää valitun tallennuksen kymmenen välilehteä kerrallaan.</translation>
    </message>
    <message>
        <source>Nothing captured yet</source>
        <translation>Ei vielä tallennuksia</translation>
    </message>
    <message>
        <source>Capturing…</source>
        <translation>Tallennetaan…</translation>
    </message>
    <message>
        <source>Capture Tabs</source>
        <translation>Tallenna välilehdet</translation>
    </message>
    <message>
        <source>Rename this capture</source>
        <translation>Nimeä tämä tallennus uudelleen</translation>
    </message>
    <message>
        <source>Delete this capture</source>
        <translation>Poista tämä tallennus</translation>
    </message>
    <message>
        <source>No tabs captured yet.</source>
        <translation>Välilehtiä ei ole vielä tallennettu.</translation>
    </message>
    <message>
        <source>Open a browser and capture what it has open.</source>
        <translation>Avaa selain ja tallenna sen avoimet välilehdet.</translation>
    </message>
    <message>
        <source>No open tabs to capture.</source>
        <translation>Ei tallennettavia avoimia välilehtiä.</translation>
    </message>
    <message>
        <source>Rename Capture</source>
        <translation>Nimeä tallennus uudelleen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Nimeä uudelleen</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Tallennukset</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Lisää sovellus</translation>
    </message>
    <message>
        <source>1 app</source>
        <translation>1 sovellus</translation>
    </message>
    <message numerus="yes">
        <source>%n apps</source>
        <translation>
            <numerusform>%n sovellus</numerusform>
            <numerusform>%n sovellusta</numerusform>
        </translation>
    </message>
    <message>
        <source>No apps added yet.</source>
        <translation>Sovelluksia ei ole vielä lisätty.</translation>
    </message>
    <message>
        <source>Choose apps this launcher should show in the ring.</source>
        <translation>Valitse sovellukset, jotka tämä käynnistin näyttää renkaassa.</translation>
    </message>
    <message>
        <source>Launchers &amp; Apps</source>
        <translation>Käynnistimet ja sovellukset</translation>
    </message>
    <message>
        <source>New Launcher</source>
        <translation>Uusi käynnistin</translation>
    </message>
    <message>
        <source>Rename Launcher</source>
        <translation>Nimeä käynnistin uudelleen</translation>
    </message>
    <message>
        <source>Opens this launcher.</source>
        <translation>Avaa tämän käynnistimen.</translation>
    </message>
    <message>
        <source>No launchers yet</source>
        <translation>Ei vielä käynnistimiä</translation>
    </message>
    <message>
        <source>Add Launcher</source>
        <translation>Lisää käynnistin</translation>
    </message>
    <message>
        <source>Rename this launcher</source>
        <translation>Nimeä tämä käynnistin uudelleen</translation>
    </message>
    <message>
        <source>Delete this launcher</source>
        <translation>Poista tämä käynnistin</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>Käynnistimet</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Ehdota</translation>
    </message>
    <message>
        <source>Apps &amp; Shortcuts</source>
        <translation>Sovellukset ja pikanäppäimet</translation>
    </message>
    <message>
        <source>1 shortcut</source>
        <translation>1 pikanäppäin</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts</source>
        <translation>
            <numerusform>%n pikanäppäin</numerusform>
            <numerusform>%n pikanäppäintä</numerusform>
        </translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Valitse sovellus</translation>
    </message>
    <message>
        <source>Choose an application to add shortcuts for</source>
        <translation>Valitse sovellus, jolle lisätään pikanäppäimiä</translation>
    </message>
    <message>
        <source>No apps added yet</source>
        <translation>Sovelluksia ei ole vielä lisätty</translation>
    </message>
    <message>
        <source>Remove this app</source>
        <translation>Poista tämä sovellus</translation>
    </message>
    <message>
        <source>Add suggested shortcuts for this app</source>
        <translation>Lisää tälle sovellukselle ehdotetut pikanäppäimet</translation>
    </message>
    <message>
        <source>Add keyboard shortcuts, text snippets or links for %1.</source>
        <translation>Lisää sovellukselle %1 pikanäppäimiä, tekstikatkelmia tai linkkejä.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Sovellukset</translation>
    </message>
    <message>
        <source>Kelvaro is Now Running</source>
        <translation>Kelvaro on nyt käynnissä</translation>
    </message>
    <message>
        <source>The two rings</source>
        <translation>Kaksi rengasta</translation>
    </message>
    <message>
        <source>Hold its shortcut, aim at an app with the pointer, let go. The ring opens around your pointer or in the middle of the display — your choice, under Settings › General.</source>
        <translation>Pidä sen pikanäppäintä painettuna, osoita sovellusta osoittimella ja päästä irti. Rengas avautuu osoittimen ympärille tai näytön keskelle — valitse itse kohdassa Asetukset › Yleiset.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for whichever app is in front, so you can drive that app by its own keyboard shortcuts without remembering them.</source>
        <translation>Avaa pikanäppäimet, jotka olet tallentanut kulloinkin edessä olevalle sovellukselle, joten voit ohjata sovellusta sen omilla pikanäppäimillä ilman, että sinun tarvitsee muistaa niitä.</translation>
    </message>
    <message>
        <source>Choosing between windows</source>
        <translation>Ikkunan valitseminen</translation>
    </message>
    <message>
        <source>The window arc</source>
        <translation>Ikkunakaari</translation>
    </message>
    <message>
        <source>When the highlighted app has more than one window, a quarter-arc appears beside it listing them. Keep moving outward onto the arc to pick a window instead of just the app.</source>
        <translation>Kun korostetulla sovelluksella on useampi kuin yksi ikkuna, sen viereen ilmestyy neljänneskaari, jossa ikkunat luetellaan. Jatka osoittimen liikuttamista ulospäin kaaren päälle, niin voit valita yksittäisen ikkunan pelkän sovelluksen sijaan.</translation>
    </message>
    <message>
        <source>The arc never appears</source>
        <translation>Kaari ei tule koskaan näkyviin</translation>
    </message>
    <message>
        <source>It only appears for an app with more than one window: an app with a single window has nothing to choose between, so the arc stays hidden.</source>
        <translation>Kaari näkyy vain sovelluksille, joilla on useampi kuin yksi ikkuna: yhden ikkunan sovelluksessa ei ole mitään valittavaa, joten kaari pysyy piilossa.</translation>
    </message>
    <message>
        <source>Changing a binding</source>
        <translation>Näppäinyhdistelmän vaihtaminen</translation>
    </message>
    <message>
        <source>Settings › Switcher or Shortcuts, then click the recorder and press the combination you want. Add Ctrl, Alt or Super so it can&apos;t fire while you&apos;re typing.</source>
        <translation>Asetukset › Vaihtaja tai Pikanäppäimet, napsauta sitten pikanäppäinkenttää ja paina haluamaasi yhdistelmää. Lisää Ctrl, Alt tai Super, jottei pikanäppäin laukea kirjoittaessasi.</translation>
    </message>
    <message>
        <source>Hold versus toggle</source>
        <translation>Pitotila vai vaihtotila</translation>
    </message>
    <message>
        <source>By default the ring stays open while you hold the shortcut&apos;s modifiers and commits when you let go. Settings › General can switch it to stay open until you press again or click.</source>
        <translation>Oletuksena rengas pysyy auki niin kauan kuin pidät pikanäppäimen muokkausnäppäimiä painettuina, ja valinta tehdään, kun päästät irti. Kohdassa Asetukset › Yleiset voit asettaa renkaan pysymään auki, kunnes painat uudelleen tai napsautat.</translation>
    </message>
    <message>
        <source>If nothing happens</source>
        <translation>Jos mitään ei tapahdu</translation>
    </message>
    <message>
        <source>Desktop access</source>
        <translation>Työpöydän käyttöoikeudet</translation>
    </message>
    <message>
        <source>Global shortcuts need an X11 session, and reading menus or typing passwords needs the accessibility bus. Settings shows a banner whenever something is missing, with a button that turns the accessibility bus on.</source>
        <translation>Järjestelmänlaajuiset pikanäppäimet vaativat X11-istunnon, ja valikoiden lukeminen tai salasanojen kirjoittaminen vaatii esteettömyysväylän. Asetuksissa näkyy ilmoituspalkki aina, kun jotain puuttuu, ja siinä on painike, joka ottaa esteettömyysväylän käyttöön.</translation>
    </message>
    <message>
        <source>Finding the app</source>
        <translation>Sovelluksen löytäminen</translation>
    </message>
    <message>
        <source>Kelvaro has no window of its own on purpose. It lives in the tray; closing a window doesn&apos;t quit it.</source>
        <translation>Kelvarolla ei ole tarkoituksella omaa ikkunaa. Se asuu ilmoitusalueella; ikkunan sulkeminen ei lopeta sitä.</translation>
    </message>
    <message>
        <source>Starting over</source>
        <translation>Uudelleenkäynnistys</translation>
    </message>
    <message>
        <source>Starting Kelvaro again while it runs opens its settings, or the walkthrough while that is unfinished.</source>
        <translation>Jos käynnistät Kelvaron uudelleen sen ollessa jo käynnissä, sen asetukset avautuvat — tai käyttöönotto-opas, jos se on vielä kesken.</translation>
    </message>
    <message>
        <source>This is the cause of most &quot;nothing happens&quot; reports.</source>
        <translation>Tämä on syynä useimpiin ”mitään ei tapahdu” -ilmoituksiin.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer.</source>
        <translation>Kaikki avoimet sovelluksesi renkaassa osoittimesi ympärillä.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Ota yhteyttä tukeen</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>Tukisivu</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Tietosuojakäytäntö</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Käyttöehdot</translation>
    </message>
    <message>
        <source>Kelvaro %1</source>
        <translation>Kelvaro %1</translation>
    </message>
    <message>
        <source>Your apps, shortcuts and passwords stay on this computer.</source>
        <translation>Sovelluksesi, pikanäppäimesi ja salasanasi pysyvät tällä tietokoneella.</translation>
    </message>
    <message>
        <source>Show this message on app launch</source>
        <translation>Näytä tämä viesti sovelluksen käynnistyessä</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Asetukset…</translation>
    </message>
    <message>
        <source>Press %1 to open the ring</source>
        <translation>Avaa rengas painamalla %1</translation>
    </message>
    <message>
        <source>No shortcut is assigned yet. Open Settings to choose one.</source>
        <translation>Pikanäppäintä ei ole vielä määritetty. Valitse se avaamalla Asetukset.</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>X11-istunto</translation>
    </message>
    <message>
        <source>Global keys</source>
        <translation>Globaalit pikanäppäimet</translation>
    </message>
    <message>
        <source>Accessibility bus</source>
        <translation>Esteettömyysväylä</translation>
    </message>
    <message>
        <source>Start Using Kelvaro</source>
        <translation>Aloita Kelvaron käyttö</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Jatka</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Valitse kieli</translation>
    </message>
    <message>
        <source>Kelvaro speaks 17 languages. Pick one, or let it follow your system.</source>
        <translation>Kelvaro puhuu 17 kieltä. Valitse yksi tai anna Kelvaron seurata järjestelmän kieltä.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer. One keystroke away.</source>
        <translation>Kaikki avoimet sovelluksesi renkaassa osoittimesi ympärillä. Yhden näppäinpainalluksen päässä.</translation>
    </message>
    <message>
        <source>Notices the one shortcut you choose</source>
        <translation>Huomaa vain valitsemasi pikanäppäimen</translation>
    </message>
    <message>
        <source>Switches apps and sends shortcuts you set up</source>
        <translation>Vaihtaa sovelluksia ja lähettää määrittämiäsi pikanäppäimiä</translation>
    </message>
    <message>
        <source>Never reads what you type</source>
        <translation>Ei koskaan lue, mitä kirjoitat</translation>
    </message>
    <message>
        <source>Sends nothing it sees here — that stays on this computer</source>
        <translation>Ei lähetä mitään täällä näkemäänsä — se pysyy tällä tietokoneella</translation>
    </message>
    <message>
        <source>Needs an X11 Session</source>
        <translation>Vaatii X11-istunnon</translation>
    </message>
    <message>
        <source>Turn On the Accessibility Bus</source>
        <translation>Ota esteettömyysväylä käyttöön</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Kaikki on valmista</translation>
    </message>
    <message>
        <source>Let Kelvaro see your shortcut</source>
        <translation>Anna Kelvaron nähdä pikanäppäimesi</translation>
    </message>
    <message>
        <source>Global keys work and the accessibility bus is on. Nothing else to set up.</source>
        <translation>Järjestelmänlaajuiset pikanäppäimet toimivat ja esteettömyysväylä on käytössä. Muuta määritettävää ei ole.</translation>
    </message>
    <message>
        <source>Linux needs two things for this: an X11 session for the global keys, and the accessibility bus for reading menus and typing passwords.</source>
        <translation>Linux tarvitsee tähän kaksi asiaa: X11-istunnon järjestelmänlaajuisia pikanäppäimiä varten sekä esteettömyysväylän valikoiden lukemista ja salasanojen kirjoittamista varten.</translation>
    </message>
    <message>
        <source>No shortcut set</source>
        <translation>Pikanäppäintä ei ole asetettu</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Record a different shortcut</source>
        <translation>Tallenna toinen pikanäppäin</translation>
    </message>
    <message>
        <source>Use the default instead</source>
        <translation>Käytä oletusta</translation>
    </message>
    <message>
        <source>Hold it — the ring opens.</source>
        <translation>Pidä sitä painettuna — rengas avautuu.</translation>
    </message>
    <message>
        <source>Point at the app you want.</source>
        <translation>Osoita haluamaasi sovellusta.</translation>
    </message>
    <message>
        <source>Let go — Kelvaro switches to it.</source>
        <translation>Päästä irti — Kelvaro vaihtaa siihen.</translation>
    </message>
    <message>
        <source>Your shortcut</source>
        <translation>Pikanäppäimesi</translation>
    </message>
    <message>
        <source>This is what opens the ring. Keep it, or record your own.</source>
        <translation>Tämä avaa renkaan. Pidä se tai tallenna oma.</translation>
    </message>
    <message>
        <source>Click the Kelvaro icon in the tray.</source>
        <translation>Napsauta Kelvaron kuvaketta ilmoitusalueella.</translation>
    </message>
    <message>
        <source>Settings — add apps, edit shortcuts, change keys.</source>
        <translation>Asetukset — lisää sovelluksia, muokkaa pikanäppäimiä, vaihda näppäimiä.</translation>
    </message>
    <message>
        <source>Kelvaro lives in the tray</source>
        <translation>Kelvaro asuu ilmoitusalueella</translation>
    </message>
    <message>
        <source>It has no window of its own on purpose. Close a window and it keeps running — everything stays one click away in the tray.</source>
        <translation>Sillä ei ole tarkoituksella omaa ikkunaa. Sulje ikkuna, ja se jatkaa toimintaansa — kaikki on yhden napsautuksen päässä ilmoitusalueella.</translation>
    </message>
    <message>
        <source>Your settings file was damaged after Kelvaro read it. The damaged file is kept as %1, and your settings were saved again.</source>
        <translation>Asetustiedostosi vahingoittui sen jälkeen, kun Kelvaro oli lukenut sen. Vahingoittunut tiedosto on tallessa nimellä %1, ja asetuksesi tallennettiin uudelleen.</translation>
    </message>
    <message>
        <source>A change to your settings was not made: it would have made the settings file %1 too large to read back.</source>
        <translation>Asetuksiin tehtyä muutosta ei tehty: se olisi tehnyt asetustiedostosta %1 liian suuren luettavaksi uudelleen.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: their addresses are longer than %1 characters.</source>
        <translation>
            <numerusform>%Ln välilehti jätettiin pois: sen osoite on yli %1 merkkiä pitkä.</numerusform>
            <numerusform>%Ln välilehteä jätettiin pois: niiden osoitteet ovat yli %1 merkkiä pitkiä.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: a capture keeps at most %1 tabs.</source>
        <translation>
            <numerusform>%Ln välilehti jätettiin pois: yhteen tallennukseen mahtuu enintään %1 välilehteä.</numerusform>
            <numerusform>%Ln välilehteä jätettiin pois: yhteen tallennukseen mahtuu enintään %1 välilehteä.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: the capture would have been too large to keep.</source>
        <translation>
            <numerusform>%Ln välilehti jätettiin pois: tallennus olisi ollut liian suuri säilytettäväksi.</numerusform>
            <numerusform>%Ln välilehteä jätettiin pois: tallennus olisi ollut liian suuri säilytettäväksi.</numerusform>
        </translation>
    </message>
    <message>
        <source>The capture was not kept: your settings file would have grown too large.</source>
        <translation>Tallennusta ei säilytetty: asetustiedostostasi olisi tullut liian suuri.</translation>
    </message>
    <message>
        <source>That password was not accepted. Try again.</source>
        <translation>Salasanaa ei hyväksytty. Yritä uudelleen.</translation>
    </message>
    <message>
        <source>Your login password was not accepted. No saved password was released.</source>
        <translation>Kirjautumissalasanaasi ei hyväksytty. Yhtään tallennettua salasanaa ei luovutettu.</translation>
    </message>
    <message>
        <source>Enter your login password to use saved passwords.</source>
        <translation>Kirjoita kirjautumissalasanasi, niin voit käyttää tallennettuja salasanoja.</translation>
    </message>
    <message numerus="yes">
        <source>The window you chose was closed or is no longer in front. Your password is on the clipboard for %n seconds.</source>
        <translation>
            <numerusform>Valitsemasi ikkuna suljettiin tai se ei ole enää edessä. Salasanasi on leikepöydällä %n sekunnin ajan.</numerusform>
            <numerusform>Valitsemasi ikkuna suljettiin tai se ei ole enää edessä. Salasanasi on leikepöydällä %n sekunnin ajan.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The password did not arrive in the field. It is on the clipboard for %n seconds: paste it there yourself.</source>
        <translation>
            <numerusform>Salasana ei päätynyt kenttään. Se on leikepöydällä %n sekunnin ajan: liitä se sinne itse.</numerusform>
            <numerusform>Salasana ei päätynyt kenttään. Se on leikepöydällä %n sekunnin ajan: liitä se sinne itse.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 did not take the password. It is on the clipboard for %n seconds: paste it into the field yourself.</source>
        <translation>
            <numerusform>%1 ei ottanut salasanaa vastaan. Se on leikepöydällä %n sekunnin ajan: liitä se itse kenttään.</numerusform>
            <numerusform>%1 ei ottanut salasanaa vastaan. Se on leikepöydällä %n sekunnin ajan: liitä se itse kenttään.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No text field had the focus. Your password is on the clipboard for %n seconds: paste it.</source>
        <translation>
            <numerusform>Mikään tekstikenttä ei ollut kohdistettuna. Salasanasi on leikepöydällä %n sekunnin ajan: liitä se.</numerusform>
            <numerusform>Mikään tekstikenttä ei ollut kohdistettuna. Salasanasi on leikepöydällä %n sekunnin ajan: liitä se.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your own icon: a PNG of at most 1 MB and 1024 × 1024 pixels.</source>
        <translation>Oma kuvake: PNG-kuva, enintään 1 Mt ja 1024 × 1024 pikseliä.</translation>
    </message>
    <message>
        <source>A name is needed.</source>
        <translation>Nimi tarvitaan.</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]</source>
        <translation>Käyttö: %1 [--help | --version]</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Näytä tämä ohje ja lopeta.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Näytä versio ja lopeta.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: this Wayland session has no XWayland (DISPLAY is not set).</source>
        <translation>Kelvaro tarvitsee X11-istunnon: tässä Wayland-istunnossa ei ole XWaylandia (DISPLAY-muuttujaa ei ole asetettu).</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: DISPLAY is not set.</source>
        <translation>Kelvaro tarvitsee X11-istunnon: DISPLAY-muuttujaa ei ole asetettu.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: the display %1 cannot be opened.</source>
        <translation>Kelvaro tarvitsee X11-istunnon: näyttöä %1 ei voi avata.</translation>
    </message>
    <message>
        <source>This build of Kelvaro cannot send usage data.</source>
        <translation>Tämä Kelvaron koontiversio ei voi lähettää käyttötietoja.</translation>
    </message>
    <message>
        <source>Already used by %1.</source>
        <translation>Jo käytössä: %1.</translation>
    </message>
    <message>
        <source>Empty Bin</source>
        <translation>Tyhjennä roskakori</translation>
    </message>
    <message>
        <source>Toggle recording</source>
        <translation>Aloita tai lopeta tallennus</translation>
    </message>
    <message>
        <source>Could not read the session log %1: %2.</source>
        <translation>Istuntolokia %1 ei voitu lukea: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1: your user may not read %2.</source>
        <translation>Kelvaro ei voi lukea selaimen %1 avoimia välilehtiä: käyttäjälläsi ei ole lukuoikeutta kohteeseen %2.</translation>
    </message>
    <message>
        <source>%1 is running, but its session could not be read: %2</source>
        <translation>%1 on käynnissä, mutta sen istuntoa ei voitu lukea: %2</translation>
    </message>
    <message>
        <source>%1 is running, but Kelvaro found no session file in its profile folders.</source>
        <translation>%1 on käynnissä, mutta Kelvaro ei löytänyt istuntotiedostoa sen profiilikansioista.</translation>
    </message>
    <message>
        <source>%1 is running, but its session has no open web pages.</source>
        <translation>%1 on käynnissä, mutta sen istunnossa ei ole avoimia verkkosivuja.</translation>
    </message>
    <message>
        <source>Your saved captures were not changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Tallennettuja kaappauksiasi ei muutettu: osaa niistä ei voitu lukea, eikä asetustiedostossasi ole tilaa niiden kopiolle. Ne jätetään ennalleen.</translation>
    </message>
    <message>
        <source>The capture was not kept: the saved captures take all the room there is. Delete captures you no longer need, then capture again.</source>
        <translation>Tallennusta ei säilytetty: tallennetut välilehdet vievät kaiken käytettävissä olevan tilan. Poista tallennukset, joita et enää tarvitse, ja tallenna sitten uudelleen.</translation>
    </message>
    <message>
        <source>Your launchers cannot be changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Käynnistimiäsi ei voi muuttaa: osaa niistä ei voitu lukea, eikä asetustiedostossasi ole tilaa niiden kopiolle. Ne jätetään ennalleen.</translation>
    </message>
    <message>
        <source>%1: unknown option: %2</source>
        <translation>%1: tuntematon valitsin: %2</translation>
    </message>
    <message>
        <source>This build of Kelvaro has no update feed.</source>
        <translation>Tässä Kelvaron koontiversiossa ei ole päivityssyötettä.</translation>
    </message>
</context>
</TS>
