<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
<context>
    <name>Kelvaro</name>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Odpri …</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Shrani</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Zapri okno</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Razveljavi</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiraj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Prilepi</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Najdi</translation>
    </message>
    <message>
        <source>New Finder Window</source>
        <translation>Novo okno Finderja</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nova mapa</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>Podatki</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Podvoji</translation>
    </message>
    <message>
        <source>Go to Downloads</source>
        <translation>Pojdi na Prenose</translation>
    </message>
    <message>
        <source>Show View Options</source>
        <translation>Pokaži možnosti pogleda</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>Nov zavihek</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Novo okno</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Zapri zavihek</translation>
    </message>
    <message>
        <source>Reopen Last Tab</source>
        <translation>Znova odpri zadnji zavihek</translation>
    </message>
    <message>
        <source>Reload Page</source>
        <translation>Znova naloži stran</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>Pokaži bralnik</translation>
    </message>
    <message>
        <source>New Private Window</source>
        <translation>Novo zasebno okno</translation>
    </message>
    <message>
        <source>Reopen Closed Tab</source>
        <translation>Znova odpri zaprti zavihek</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Znova naloži</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>Orodja za razvijalce</translation>
    </message>
    <message>
        <source>New Incognito Window</source>
        <translation>Novo okno brez beleženja zgodovine</translation>
    </message>
    <message>
        <source>New Message</source>
        <translation>Novo sporočilo</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Odgovori</translation>
    </message>
    <message>
        <source>Reply All</source>
        <translation>Odgovori vsem</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Posreduj</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Pošlji</translation>
    </message>
    <message>
        <source>Mailbox Search</source>
        <translation>Iskanje v nabiralniku</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Nov zapisek</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Kontrolni seznam</translation>
    </message>
    <message>
        <source>Attach File</source>
        <translation>Priloži datoteko</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Iskanje</translation>
    </message>
    <message>
        <source>Emoji &amp; Symbols</source>
        <translation>Čustvenčki in simboli</translation>
    </message>
    <message>
        <source>New Event</source>
        <translation>Nov dogodek</translation>
    </message>
    <message>
        <source>Go to Today</source>
        <translation>Pojdi na danes</translation>
    </message>
    <message>
        <source>Day View</source>
        <translation>Dnevni pogled</translation>
    </message>
    <message>
        <source>Week View</source>
        <translation>Tedenski pogled</translation>
    </message>
    <message>
        <source>Month View</source>
        <translation>Mesečni pogled</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>Počisti zaslon</translation>
    </message>
    <message>
        <source>Split Pane</source>
        <translation>Razdeli podokno</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Zaženi</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Zgradi</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ustavi</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Preizkusi</translation>
    </message>
    <message>
        <source>Open Quickly</source>
        <translation>Hitro odpri</translation>
    </message>
    <message>
        <source>Show Canvas / Assistant</source>
        <translation>Pokaži platno / pomočnika</translation>
    </message>
    <message>
        <source>Quick Open</source>
        <translation>Hitro odpiranje</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>Paleta ukazov</translation>
    </message>
    <message>
        <source>Toggle Terminal</source>
        <translation>Pokaži/skrij terminal</translation>
    </message>
    <message>
        <source>Toggle Sidebar</source>
        <translation>Pokaži/skrij stransko vrstico</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Nova datoteka</translation>
    </message>
    <message>
        <source>Quick Switcher</source>
        <translation>Hitri preklop</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Niti</translation>
    </message>
    <message>
        <source>Mentions &amp; Reactions</source>
        <translation>Omembe in odzivi</translation>
    </message>
    <message>
        <source>Toggle Mute</source>
        <translation>Utišaj/vklopi zvok</translation>
    </message>
    <message>
        <source>Toggle Deafen</source>
        <translation>Izklopi/vklopi poslušanje</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>Prejeto</translation>
    </message>
    <message>
        <source>Emoji Picker</source>
        <translation>Izbirnik čustvenčkov</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Dejanska velikost</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Povečaj</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Pomanjšaj</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Diaprojekcija</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Zavrti levo</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Predvajaj/Premor</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Naslednja skladba</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Prejšnja skladba</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Naključno</translation>
    </message>
    <message>
        <source>Show Queue</source>
        <translation>Pokaži čakalno vrsto</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Uvozi</translation>
    </message>
    <message>
        <source>New Album</source>
        <translation>Nov album</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Priljubljeno</translation>
    </message>
    <message>
        <source>Mute Audio</source>
        <translation>Utišaj zvok</translation>
    </message>
    <message>
        <source>Start Video</source>
        <translation>Začni video</translation>
    </message>
    <message>
        <source>Share Screen</source>
        <translation>Deli zaslon</translation>
    </message>
    <message>
        <source>Show Chat</source>
        <translation>Pokaži klepet</translation>
    </message>
    <message>
        <source>Show Participants</source>
        <translation>Pokaži udeležence</translation>
    </message>
    <message>
        <source>New Page</source>
        <translation>Nova stran</translation>
    </message>
    <message>
        <source>Add Comment</source>
        <translation>Dodaj komentar</translation>
    </message>
    <message>
        <source>To-do List</source>
        <translation>Seznam opravil</translation>
    </message>
    <message>
        <source>Frame Tool</source>
        <translation>Orodje okvir</translation>
    </message>
    <message>
        <source>Move Tool</source>
        <translation>Orodje premik</translation>
    </message>
    <message>
        <source>Text Tool</source>
        <translation>Orodje besedilo</translation>
    </message>
    <message>
        <source>Pen Tool</source>
        <translation>Orodje pero</translation>
    </message>
    <message>
        <source>Group Selection</source>
        <translation>Združi izbor</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>Nov dokument</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Krepko</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Izvozi v PDF</translation>
    </message>
    <message>
        <source>New Spreadsheet</source>
        <translation>Nova preglednica</translation>
    </message>
    <message>
        <source>Add Row Above</source>
        <translation>Dodaj vrstico zgoraj</translation>
    </message>
    <message>
        <source>Insert Chart</source>
        <translation>Vstavi grafikon</translation>
    </message>
    <message>
        <source>New Presentation</source>
        <translation>Nova predstavitev</translation>
    </message>
    <message>
        <source>Play Slideshow</source>
        <translation>Predvajaj diaprojekcijo</translation>
    </message>
    <message>
        <source>New Slide</source>
        <translation>Nova prosojnica</translation>
    </message>
    <message>
        <source>Presenter Display</source>
        <translation>Zaslon predstavitelja</translation>
    </message>
    <message>
        <source>Saved earlier</source>
        <translation>Shranjeno prej</translation>
    </message>
    <message>
        <source>No supported browser is running.</source>
        <translation>Noben podprt brskalnik ne teče.</translation>
    </message>
    <message>
        <source>Could not read %1's tabs.</source>
        <translation>Zavihkov brskalnika %1 ni bilo mogoče prebrati.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser's profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro ne more prebrati odprtih zavihkov brskalnika %1. Preverite, ali lahko vaš uporabnik bere mapo profila brskalnika v ~/.config in njeno mapo Sessions.</translation>
    </message>
</context>
</TS>
