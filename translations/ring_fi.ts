<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>Kelvaro</name>
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
        <source>Could not read %1's tabs.</source>
        <translation>Selaimen %1 välilehtiä ei voitu lukea.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser's profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro ei voi lukea selaimen %1 avoimia välilehtiä. Tarkista, että käyttäjäsi voi lukea selaimen profiilikansion kohteessa ~/.config ja sen Sessions-kansion.</translation>
    </message>
</context>
</TS>
