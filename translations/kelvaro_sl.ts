<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Pokaži preklopnik aplikacij</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Pokaži zaganjalnik bližnjic</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Zaženi ob prijavi</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Pokaži sporočilo ob zagonu</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavitve</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Pomoč za Kelvaro</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Preveri posodobitve …</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Končaj Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Nastavitve Kelvaro</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Dobrodošli v Kelvaro</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Celozaslonski način</translation>
    </message>
    <message>
        <source>Window %1</source>
        <translation>Okno %1</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Preslednica</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
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
        <translation>Stran gor</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Stran dol</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Puščica levo</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Puščica desno</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Puščica gor</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Puščica dol</translation>
    </message>
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
        <source>Could not read %1&apos;s tabs.</source>
        <translation>Zavihkov brskalnika %1 ni bilo mogoče prebrati.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser&apos;s profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro ne more prebrati odprtih zavihkov brskalnika %1. Preverite, ali lahko vaš uporabnik bere mapo profila brskalnika v ~/.config in njeno mapo Sessions.</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Gesla</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>Dodaj aplikacijo v zaganjalnik</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Izberite aplikacijo, ki jo želite dodati v obroč.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Posodobitev programske opreme</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>Na voljo je nova različica</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 je pripravljen. Imate različico %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates</source>
        <translation>Posodobitev ni bilo mogoče preveriti</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Preverjanje posodobitev …</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Imate najnovejšo različico</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 je najnovejša različica.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Vir posodobitev ni nastavljen.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the update server.</source>
        <translation>Strežnika za posodobitve ni bilo mogoče doseči.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Preskoči to različico</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Pozneje</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Prenesi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro zdaj pošilja anonimne podatke o uporabi</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Prejšnje različice niso pošiljale ničesar. Ta sporoča, kdaj se aplikacija zažene, kdaj se odpre obroč in koliko zavihkov je našel zajem.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>Nobenih naslovov oken, naslovov URL, poti do datotek in ničesar, kar natipkate.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Pusti vklopljeno</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Izklopi</translation>
    </message>
    <message>
        <source>App Switcher</source>
        <translation>Preklopnik aplikacij</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Zaganjalnik bližnjic</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Shranjena gesla</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Shranjeni zavihki</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Odpre obroč zagnanih aplikacij.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Odpre bližnjice, ki ste jih shranili za aplikacijo v ospredju.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Odpre obroč vaših shranjenih gesel.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Držanje modifikatorjev</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Držite modifikatorske tipke, merite z miško in jih spustite za izbiro.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Preklop</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>Obroč ostane odprt, ko spustite tipke. Za izbiro znova pritisnite bližnjico ali kliknite.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>Pri kazalcu</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>Obroč se odpre okoli kazalca, zato je vedno na dosegu.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Sredina zaslona</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>Obroč se vedno odpre na sredini zaslona.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Svetlo</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Temno</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>Bližnjica ni dodeljena — %1 ni mogoče odpreti s tipkovnico.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Dodajte Ctrl, Alt ali Super, da ta bližnjica ne bo prekinjala tipkanja.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Že uporablja: %1. Izberite drugo kombinacijo.</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>Puščice izbirajo, Return preklopi, Escape zapre.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>Ni aplikacij</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 od %3</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, okno %2 od %3: %4</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>Puščice izbirajo, Return zažene bližnjico, Escape zapre.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>Ni bližnjic</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>Geslo %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Stran %1 od %2</translation>
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
        <translation>Tipka %1</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Vračalka</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Kelvaro Ring</source>
        <translation>Obroč Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro App Switcher</source>
        <translation>Preklopnik aplikacij Kelvaro</translation>
    </message>
    <message>
        <source>Your desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Vaše namizje to že uporablja za: %1. Morda ne bo prišlo do aplikacije Kelvaro.</translation>
    </message>
    <message>
        <source>switching windows</source>
        <translation>preklapljanje med okni</translation>
    </message>
    <message>
        <source>switching windows backwards</source>
        <translation>preklapljanje med okni v obratni smeri</translation>
    </message>
    <message>
        <source>closing the window</source>
        <translation>zapiranje okna</translation>
    </message>
    <message>
        <source>running a command</source>
        <translation>zagon ukaza</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>zaklepanje zaslona</translation>
    </message>
    <message>
        <source>showing the desktop</source>
        <translation>prikaz namizja</translation>
    </message>
    <message>
        <source>opening a terminal</source>
        <translation>odpiranje terminala</translation>
    </message>
    <message>
        <source>logging out</source>
        <translation>odjava</translation>
    </message>
    <message>
        <source>switching to a text console</source>
        <translation>preklop na besedilno konzolo</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › General › Privacy.</source>
        <translation>To lahko izklopite zdaj ali kadar koli v Nastavitve › Splošno › Zasebnost.</translation>
    </message>
    <message>
        <source>Global hotkeys need an X11 session. Choose an X11 (Xorg) session on the login screen, then start Kelvaro again.</source>
        <translation>Globalne tipkovne bližnjice potrebujejo sejo X11. Na prijavnem zaslonu izberite sejo X11 (Xorg) in nato znova zaženite Kelvaro.</translation>
    </message>
    <message>
        <source>Global Hotkeys Unavailable</source>
        <translation>Globalne tipkovne bližnjice niso na voljo</translation>
    </message>
    <message>
        <source>Keyboard Access Refused</source>
        <translation>Dostop do tipkovnice je zavrnjen</translation>
    </message>
    <message>
        <source>Accessibility Access Required</source>
        <translation>Potrebno je dovoljenje za dostopnost</translation>
    </message>
    <message>
        <source>This is not an X11 session, so Kelvaro cannot watch global hotkeys or raise windows.</source>
        <translation>To ni seja X11, zato Kelvaro ne more spremljati globalnih tipkovnih bližnjic ali prikazati oken v ospredju.</translation>
    </message>
    <message>
        <source>The X server did not let Kelvaro watch the keyboard, so hotkeys cannot open the rings.</source>
        <translation>Strežnik X aplikaciji Kelvaro ni dovolil spremljanja tipkovnice, zato tipkovne bližnjice ne morejo odpreti obročev.</translation>
    </message>
    <message>
        <source>The accessibility bus is off. Kelvaro needs it to read windows, menus and text fields.</source>
        <translation>Vodilo za dostopnost je izklopljeno. Kelvaro ga potrebuje za branje oken, menijev in besedilnih polj.</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Vklopi</translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>Zakaj?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Poskusi znova</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Majhen</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Srednji</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Velik</translation>
    </message>
    <message>
        <source>Relaxed</source>
        <translation>Umirjena</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Običajna</translation>
    </message>
    <message>
        <source>Brisk</source>
        <translation>Hitra</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jezik</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Zaženi ob prijavi</translation>
    </message>
    <message>
        <source>Start Kelvaro automatically when you sign in.</source>
        <translation>Kelvaro se samodejno zažene, ko se prijavite.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Zagon</translation>
    </message>
    <message>
        <source>Send anonymous usage data</source>
        <translation>Pošiljaj anonimne podatke o uporabi</translation>
    </message>
    <message>
        <source>Launches, rings opened, and how many tabs a capture found. Never window titles, URLs, file paths or anything you type.</source>
        <translation>Zagoni, odprti obroči in koliko zavihkov je našel zajem. Nikoli naslovi oken, naslovi URL, poti do datotek ali karkoli, kar natipkate.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Zasebnost</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Vedenje</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Aktiviranje</translation>
    </message>
    <message>
        <source>Open the ring</source>
        <translation>Odpiranje obroča</translation>
    </message>
    <message>
        <source>Follow the pointer across displays</source>
        <translation>Sledi kazalcu med zasloni</translation>
    </message>
    <message>
        <source>Otherwise the ring always opens on the main display.</source>
        <translation>Sicer se obroč vedno odpre na glavnem zaslonu.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Videz</translation>
    </message>
    <message>
        <source>Ring size</source>
        <translation>Velikost obroča</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>Hitrost animacij</translation>
    </message>
    <message>
        <source>Tilt the centre icon with the pointer</source>
        <translation>Nagibaj osrednjo ikono skupaj s kazalcem</translation>
    </message>
    <message>
        <source>Adds a subtle parallax to the selected app&apos;s icon.</source>
        <translation>Ikoni izbrane aplikacije doda rahel paralaksni učinek.</translation>
    </message>
    <message>
        <source>Reduce Motion is on in the desktop&apos;s settings, so animations stay minimal.</source>
        <translation>V nastavitvah namizja je vklopljeno zmanjšanje gibanja, zato so animacije čim bolj omejene.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Različica</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Samodejno preverjaj posodobitve</translation>
    </message>
    <message>
        <source>Once a day, in the background.</source>
        <translation>Enkrat na dan, v ozadju.</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Preveri zdaj</translation>
    </message>
    <message>
        <source>Kelvaro %1 is available</source>
        <translation>Na voljo je Kelvaro %1</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Najnovejša različica</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt or Super.</source>
        <translation>Vključite Ctrl, Alt ali Super.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Tipkovna bližnjica</translation>
    </message>
    <message>
        <source>Activate to record a new shortcut. Press Escape to cancel, Delete to clear.</source>
        <translation>Aktivirajte za snemanje nove bližnjice. Pritisnite Escape za preklic ali Delete za brisanje.</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Počisti bližnjico</translation>
    </message>
    <message>
        <source>Tap a key to finish · Esc to cancel</source>
        <translation>Pritisnite tipko za konec · Esc za preklic</translation>
    </message>
    <message>
        <source>Hold modifiers, then tap a key · Esc to cancel</source>
        <translation>Držite modifikatorje in pritisnite tipko · Esc za preklic</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Snemanje</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brez</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Brez dejanja</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>Premakni %1 navzgor</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>Premakni %1 navzdol</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Uredi %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Izbriši %1</translation>
    </message>
    <message>
        <source>Hold to keep the wheel open</source>
        <translation>Držite, da kolo ostane odprto</translation>
    </message>
    <message>
        <source>None selected — the wheel stays open until you click or press Escape.</source>
        <translation>Nič ni izbrano — kolo ostane odprto, dokler ne kliknete ali pritisnete Escape.</translation>
    </message>
    <message>
        <source>Keep %1 held while you aim. Release it and the wheel chooses whatever is highlighted.</source>
        <translation>Med merjenjem držite %1. Ko spustite, kolo izbere označeni element.</translation>
    </message>
    <message>
        <source>Key Binding</source>
        <translation>Vezava tipk</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>Pritisnite bližnjico</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>shift</translation>
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
        <translation>preslednica</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tabulator</translation>
    </message>
    <message>
        <source>return</source>
        <translation>return</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>vračalka</translation>
    </message>
    <message>
        <source>esc</source>
        <translation>esc</translation>
    </message>
    <message>
        <source>Match the system language</source>
        <translation>Uporabi sistemski jezik</translation>
    </message>
    <message>
        <source>The rest of this guide uses your choice.</source>
        <translation>Preostanek tega vodnika bo v izbranem jeziku.</translation>
    </message>
    <message>
        <source>The interface updates right away.</source>
        <translation>Vmesnik se takoj posodobi.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Znova zaženi zdaj</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Splošno</translation>
    </message>
    <message>
        <source>Switcher</source>
        <translation>Preklopnik</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Bližnjice</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>Zaganjalnik</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Zavihki</translation>
    </message>
    <message>
        <source>No passwords yet</source>
        <translation>Še ni gesel</translation>
    </message>
    <message>
        <source>No shortcuts yet</source>
        <translation>Še ni bližnjic</translation>
    </message>
    <message>
        <source>Select an app</source>
        <translation>Izberite aplikacijo</translation>
    </message>
    <message>
        <source>Ring preview</source>
        <translation>Predogled obroča</translation>
    </message>
    <message>
        <source>No shortcut assigned</source>
        <translation>Bližnjica ni dodeljena</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Bližnjica: %1</translation>
    </message>
    <message>
        <source>This page is not available in this version yet.</source>
        <translation>Ta stran v tej različici še ni na voljo.</translation>
    </message>
    <message>
        <source>Kelvaro wants to unlock your saved passwords</source>
        <translation>Kelvaro želi odkleniti vaša shranjena gesla</translation>
    </message>
    <message>
        <source>Unlock Saved Passwords</source>
        <translation>Odkleni shranjena gesla</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Geslo</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Odkleni</translation>
    </message>
    <message>
        <source>Some of your settings could not be read. The settings file as it was is kept as %1.</source>
        <translation>Nekaterih vaših nastavitev ni bilo mogoče prebrati. Datoteka z nastavitvami je v prvotni obliki shranjena kot %1.</translation>
    </message>
    <message>
        <source>Your settings file could not be read, so Kelvaro started with default settings. The file is kept as %1.</source>
        <translation>Datoteke z nastavitvami ni bilo mogoče prebrati, zato se je aplikacija Kelvaro zagnala s privzetimi nastavitvami. Datoteka je shranjena kot %1.</translation>
    </message>
    <message>
        <source>Your settings file %1 could not be read, so Kelvaro started with default settings.</source>
        <translation>Datoteke z nastavitvami %1 ni bilo mogoče prebrati, zato se je aplikacija Kelvaro zagnala s privzetimi nastavitvami.</translation>
    </message>
    <message>
        <source>Your settings cannot be saved to %1 (%2). Changes are kept until Kelvaro quits.</source>
        <translation>Nastavitev ni mogoče shraniti v %1 (%2). Spremembe se ohranijo, dokler aplikacija Kelvaro ne konča.</translation>
    </message>
    <message>
        <source>Choose an icon</source>
        <translation>Izberite ikono</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Uredi račun</translation>
    </message>
    <message>
        <source>Add Account</source>
        <translation>Dodaj račun</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Ikona</translation>
    </message>
    <message>
        <source>Work mail</source>
        <translation>Službena pošta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ime</translation>
    </message>
    <message>
        <source>Email / Account</source>
        <translation>E-pošta / račun</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Račun</translation>
    </message>
    <message>
        <source>Add passwords for this account from the list after saving.</source>
        <translation>Gesla za ta račun po shranjevanju dodajte s seznama.</translation>
    </message>
    <message>
        <source>Add Another Password</source>
        <translation>Dodaj še eno geslo</translation>
    </message>
    <message>
        <source>Each password is saved under this account. Several passwords open an arc on the ring.</source>
        <translation>Vsako geslo se shrani pod tem računom. Več gesel na obroču odpre lok.</translation>
    </message>
    <message>
        <source>Shown in the arc when this account has more than one password.</source>
        <translation>Prikazano v loku, ko ima ta račun več kot eno geslo.</translation>
    </message>
    <message>
        <source>Edit Password</source>
        <translation>Uredi geslo</translation>
    </message>
    <message>
        <source>Add Password</source>
        <translation>Dodaj geslo</translation>
    </message>
    <message>
        <source>Add Passwords</source>
        <translation>Dodaj gesla</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Passwords</source>
        <translation>
            <numerusform>Dodaj %n geslo</numerusform>
            <numerusform>Dodaj %n gesli</numerusform>
            <numerusform>Dodaj %n gesla</numerusform>
            <numerusform>Dodaj %n gesel</numerusform>
        </translation>
    </message>
    <message>
        <source>Hide the password</source>
        <translation>Skrij geslo</translation>
    </message>
    <message>
        <source>Show the password</source>
        <translation>Pokaži geslo</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Osebno</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Oznaka</translation>
    </message>
    <message>
        <source>Remove this password</source>
        <translation>Odstrani to geslo</translation>
    </message>
    <message>
        <source>Hint (optional)</source>
        <translation>Namig (neobvezno)</translation>
    </message>
    <message>
        <source>ends 4471</source>
        <translation>konča se s 4471</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Namig</translation>
    </message>
    <message>
        <source>Your desktop keyring did not store the password “%1”, so it was not saved. Unlock the keyring and try again.</source>
        <translation>Zbirka ključev namizja ni shranila gesla »%1«, zato ni bilo shranjeno. Odklenite zbirko ključev in poskusite znova.</translation>
    </message>
    <message>
        <source>Accounts &amp; Passwords</source>
        <translation>Računi in gesla</translation>
    </message>
    <message>
        <source>Stored in your desktop keyring (Secret Service), readable only while your session is unlocked. Choosing one fills the focused text field when you can type, otherwise copies to the clipboard (cleared after 45 seconds). An account with more than one password shows them in an arc beside its wedge.</source>
        <translation>Shranjeno v zbirki ključev namizja (Secret Service), berljivo le, ko je vaša seja odklenjena. Izbrano geslo se vpiše v besedilno polje v žarišču, če je mogoče tipkati, sicer se kopira v odložišče (počisti se po 45 sekundah). Račun z več gesli jih prikaže v loku ob svojem izseku.</translation>
    </message>
    <message>
        <source>1 password</source>
        <translation>1 geslo</translation>
    </message>
    <message numerus="yes">
        <source>%n passwords</source>
        <translation>
            <numerusform>%n geslo</numerusform>
            <numerusform>%n gesli</numerusform>
            <numerusform>%n gesla</numerusform>
            <numerusform>%n gesel</numerusform>
        </translation>
    </message>
    <message>
        <source>No accounts yet</source>
        <translation>Še ni računov</translation>
    </message>
    <message>
        <source>Edit this account</source>
        <translation>Uredi ta račun</translation>
    </message>
    <message>
        <source>Delete this account</source>
        <translation>Izbriši ta račun</translation>
    </message>
    <message>
        <source>Add an account, then add passwords under it.</source>
        <translation>Dodajte račun, nato pod njim dodajte gesla.</translation>
    </message>
    <message>
        <source>No passwords for this account yet.</source>
        <translation>Za ta račun še ni gesel.</translation>
    </message>
    <message>
        <source>Add the passwords that belong to this email.</source>
        <translation>Dodajte gesla, ki pripadajo temu e-poštnemu naslovu.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Premakni navzgor</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Premakni navzdol</translation>
    </message>
    <message>
        <source>Edit this password</source>
        <translation>Uredi to geslo</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Odstrani %1</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Računi</translation>
    </message>
    <message>
        <source>Delete the account “%1”?</source>
        <translation>Ali želite izbrisati račun »%1«?</translation>
    </message>
    <message numerus="yes">
        <source>Its %n password(s) will be removed from your desktop keyring.</source>
        <translation>
            <numerusform>Njegovo %n geslo bo odstranjeno iz zbirke ključev namizja.</numerusform>
            <numerusform>Njegovi %n gesli bosta odstranjeni iz zbirke ključev namizja.</numerusform>
            <numerusform>Njegova %n gesla bodo odstranjena iz zbirke ključev namizja.</numerusform>
            <numerusform>Njegovih %n gesel bo odstranjenih iz zbirke ključev namizja.</numerusform>
        </translation>
    </message>
    <message>
        <source>No shortcut assigned — this launcher can&apos;t be opened from the keyboard.</source>
        <translation>Bližnjica ni dodeljena — tega zaganjalnika ni mogoče odpreti s tipkovnico.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from your browsers.</source>
        <translation>Odpre zavihke, ki ste jih zajeli iz brskalnikov.</translation>
    </message>
    <message>
        <source>Search Icon</source>
        <translation>Poišči ikono</translation>
    </message>
    <message>
        <source>Icon Name</source>
        <translation>Ime ikone</translation>
    </message>
    <message>
        <source>Upload PNG…</source>
        <translation>Naloži PNG …</translation>
    </message>
    <message>
        <source>Use your own image, up to 1 MB</source>
        <translation>Uporabite lastno sliko velikosti do 1 MB</translation>
    </message>
    <message>
        <source>Pick Icon</source>
        <translation>Izberi ikono</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>Ni rezultatov za »%1«</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Slike PNG (*.png)</translation>
    </message>
    <message>
        <source>Could not add icon</source>
        <translation>Ikone ni bilo mogoče dodati</translation>
    </message>
    <message>
        <source>Keystroke</source>
        <translation>Pritisk tipk</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Besedilo</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Povezava</translation>
    </message>
    <message>
        <source>Sent to the app in front, as if you pressed it yourself.</source>
        <translation>Pošlje se aplikaciji v ospredju, kot da bi tipke pritisnili sami.</translation>
    </message>
    <message>
        <source>Copied to the clipboard, ready to paste.</source>
        <translation>Kopira se v odložišče, pripravljeno za lepljenje.</translation>
    </message>
    <message>
        <source>Opened in your default browser.</source>
        <translation>Odpre se v vašem privzetem brskalniku.</translation>
    </message>
    <message>
        <source>Edit Shortcut</source>
        <translation>Uredi bližnjico</translation>
    </message>
    <message>
        <source>New Shortcut</source>
        <translation>Nova bližnjica</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>za %1</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Dejanje</translation>
    </message>
    <message>
        <source>Keystroke to send</source>
        <translation>Pritisk tipk za pošiljanje</translation>
    </message>
    <message>
        <source>Add Shortcut</source>
        <translation>Dodaj bližnjico</translation>
    </message>
    <message>
        <source>Give the shortcut a name.</source>
        <translation>Poimenujte bližnjico.</translation>
    </message>
    <message>
        <source>Record the keystroke to send.</source>
        <translation>Posnemite pritisk tipk, ki naj se pošlje.</translation>
    </message>
    <message>
        <source>Enter the text to copy.</source>
        <translation>Vnesite besedilo za kopiranje.</translation>
    </message>
    <message>
        <source>Enter a link to open.</source>
        <translation>Vnesite povezavo, ki naj se odpre.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like a valid link.</source>
        <translation>To ni videti kot veljavna povezava.</translation>
    </message>
    <message>
        <source>Suggested shortcuts for %1</source>
        <translation>Predlagane bližnjice za %1</translation>
    </message>
    <message>
        <source>Pick the ones you want on the ring. You can edit them later.</source>
        <translation>Izberite tiste, ki jih želite na obroču. Pozneje jih lahko uredite.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Preskoči</translation>
    </message>
    <message>
        <source>Add 1 Shortcut</source>
        <translation>Dodaj 1 bližnjico</translation>
    </message>
    <message>
        <source>Add Shortcuts</source>
        <translation>Dodaj bližnjice</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Shortcuts</source>
        <translation>
            <numerusform>Dodaj %n bližnjico</numerusform>
            <numerusform>Dodaj %n bližnjici</numerusform>
            <numerusform>Dodaj %n bližnjice</numerusform>
            <numerusform>Dodaj %n bližnjic</numerusform>
        </translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Odznači vse</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izberi vse</translation>
    </message>
    <message numerus="yes">
        <source>Found %n shortcuts in the menus.</source>
        <translation>
            <numerusform>V menijih je bila najdena %n bližnjica.</numerusform>
            <numerusform>V menijih sta bili najdeni %n bližnjici.</numerusform>
            <numerusform>V menijih so bile najdene %n bližnjice.</numerusform>
            <numerusform>V menijih je bilo najdenih %n bližnjic.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open the app first, then import again.</source>
        <translation>Najprej odprite aplikacijo, nato znova uvozite.</translation>
    </message>
    <message>
        <source>Reading menus needs the desktop&apos;s accessibility bus, which is off.</source>
        <translation>Za branje menijev je potrebno vodilo za dostopnost namizja, ki je izklopljeno.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read this app&apos;s menus.</source>
        <translation>Menijev te aplikacije ni bilo mogoče prebrati.</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>Predlagano</translation>
    </message>
    <message>
        <source>From Menus</source>
        <translation>Iz menijev</translation>
    </message>
    <message>
        <source>Reading menus…</source>
        <translation>Branje menijev …</translation>
    </message>
    <message>
        <source>Open App &amp; Import Menus</source>
        <translation>Odpri aplikacijo in uvozi menije</translation>
    </message>
    <message>
        <source>Import from Menus</source>
        <translation>Uvozi iz menijev</translation>
    </message>
    <message>
        <source>Pick a PNG file. Folders, links and devices cannot be used.</source>
        <translation>Izberite datoteko PNG. Map, povezav in naprav ni mogoče uporabiti.</translation>
    </message>
    <message>
        <source>Pick a PNG smaller than 1 MB.</source>
        <translation>Izberite PNG, manjši od 1 MB.</translation>
    </message>
    <message>
        <source>Pick a PNG of at most 1024 × 1024 pixels.</source>
        <translation>Izberite PNG velikosti največ 1024 × 1024 slikovnih točk.</translation>
    </message>
    <message>
        <source>That file could not be read as a PNG.</source>
        <translation>Te datoteke ni bilo mogoče prebrati kot PNG.</translation>
    </message>
    <message>
        <source>The icon could not be saved: %1</source>
        <translation>Ikone ni bilo mogoče shraniti: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>%1 ni bilo mogoče odpreti: %2</translation>
    </message>
    <message>
        <source>The Firefox session file %1 is too large to read.</source>
        <translation>Datoteka seje Firefox %1 je prevelika za branje.</translation>
    </message>
    <message>
        <source>Could not read the Firefox session file %1: %2.</source>
        <translation>Datoteke seje Firefox %1 ni bilo mogoče prebrati: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read its profile folder in ~/.mozilla/firefox.</source>
        <translation>Kelvaro ne more prebrati odprtih zavihkov brskalnika %1. Preverite, ali lahko vaš uporabnik bere njegovo mapo profila v ~/.mozilla/firefox.</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs.</source>
        <translation>
            <numerusform>Zajet je %n zavihek.</numerusform>
            <numerusform>Zajeta sta %n zavihka.</numerusform>
            <numerusform>Zajeti so %n zavihki.</numerusform>
            <numerusform>Zajetih je %n zavihkov.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs from %1.</source>
        <translation>
            <numerusform>Zajet je %n zavihek iz brskalnika %1.</numerusform>
            <numerusform>Zajeta sta %n zavihka iz brskalnika %1.</numerusform>
            <numerusform>Zajeti so %n zavihki iz brskalnika %1.</numerusform>
            <numerusform>Zajetih je %n zavihkov iz brskalnika %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 iz brskalnika %2</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs — %1.</source>
        <translation>
            <numerusform>Zajet je %n zavihek — %1.</numerusform>
            <numerusform>Zajeta sta %n zavihka — %1.</numerusform>
            <numerusform>Zajeti so %n zavihki — %1.</numerusform>
            <numerusform>Zajetih je %n zavihkov — %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier capture kept.</source>
        <translation>Ohranjen je 1 prejšnji zajem.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier captures kept.</source>
        <translation>
            <numerusform>Ohranjen je %n prejšnji zajem.</numerusform>
            <numerusform>Ohranjena sta %n prejšnja zajema.</numerusform>
            <numerusform>Ohranjeni so %n prejšnji zajemi.</numerusform>
            <numerusform>Ohranjenih je %n prejšnjih zajemov.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 tab</source>
        <translation>1 zavihek</translation>
    </message>
    <message numerus="yes">
        <source>%n tabs</source>
        <translation>
            <numerusform>%n zavihek</numerusform>
            <numerusform>%n zavihka</numerusform>
            <numerusform>%n zavihki</numerusform>
            <numerusform>%n zavihkov</numerusform>
        </translation>
    </message>
    <message>
        <source>Browsers &amp; Tabs</source>
        <translation>Brskalniki in zavihki</translation>
    </message>
    <message>
        <source>Reads every tab open in Chrome, Brave, Edge, Vivaldi, Opera, Chromium and Firefox from the session files in their profile folders, and keeps them here so you can reopen them after the browser is closed. Each capture is kept as its own session; the ring shows the chosen one, ten tabs at a time.</source>
        <translation>Iz datotek sej v mapah profilov prebere vse zavihke, odprte v brskalnikih Chrome, Brave, Edge, Vivaldi, Opera, Chromium in Firefox, in jih hrani tukaj, da jih lahko znova odprete, ko je brskalnik zaprt. Vsak zajem se hrani kot ločena seja; obroč prikaže izbranega, po deset zavihkov hkrati.</translation>
    </message>
    <message>
        <source>Nothing captured yet</source>
        <translation>Zajeto še ni nič</translation>
    </message>
    <message>
        <source>Capturing…</source>
        <translation>Zajemanje …</translation>
    </message>
    <message>
        <source>Capture Tabs</source>
        <translation>Zajemi zavihke</translation>
    </message>
    <message>
        <source>Rename this capture</source>
        <translation>Preimenuj ta zajem</translation>
    </message>
    <message>
        <source>Delete this capture</source>
        <translation>Izbriši ta zajem</translation>
    </message>
    <message>
        <source>No tabs captured yet.</source>
        <translation>Zajetih zavihkov še ni.</translation>
    </message>
    <message>
        <source>Open a browser and capture what it has open.</source>
        <translation>Odprite brskalnik in zajemite, kar je v njem odprto.</translation>
    </message>
    <message>
        <source>No open tabs to capture.</source>
        <translation>Ni odprtih zavihkov za zajem.</translation>
    </message>
    <message>
        <source>Rename Capture</source>
        <translation>Preimenuj zajem</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Preimenuj</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Zajemi</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Dodaj aplikacijo</translation>
    </message>
    <message>
        <source>1 app</source>
        <translation>1 aplikacija</translation>
    </message>
    <message numerus="yes">
        <source>%n apps</source>
        <translation>
            <numerusform>%n aplikacija</numerusform>
            <numerusform>%n aplikaciji</numerusform>
            <numerusform>%n aplikacije</numerusform>
            <numerusform>%n aplikacij</numerusform>
        </translation>
    </message>
    <message>
        <source>No apps added yet.</source>
        <translation>Dodanih aplikacij še ni.</translation>
    </message>
    <message>
        <source>Choose apps this launcher should show in the ring.</source>
        <translation>Izberite aplikacije, ki naj jih ta zaganjalnik prikaže v obroču.</translation>
    </message>
    <message>
        <source>Launchers &amp; Apps</source>
        <translation>Zaganjalniki in aplikacije</translation>
    </message>
    <message>
        <source>New Launcher</source>
        <translation>Nov zaganjalnik</translation>
    </message>
    <message>
        <source>Rename Launcher</source>
        <translation>Preimenuj zaganjalnik</translation>
    </message>
    <message>
        <source>Opens this launcher.</source>
        <translation>Odpre ta zaganjalnik.</translation>
    </message>
    <message>
        <source>No launchers yet</source>
        <translation>Še ni zaganjalnikov</translation>
    </message>
    <message>
        <source>Add Launcher</source>
        <translation>Dodaj zaganjalnik</translation>
    </message>
    <message>
        <source>Rename this launcher</source>
        <translation>Preimenuj ta zaganjalnik</translation>
    </message>
    <message>
        <source>Delete this launcher</source>
        <translation>Izbriši ta zaganjalnik</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>Zaganjalniki</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Predlagaj</translation>
    </message>
    <message>
        <source>Apps &amp; Shortcuts</source>
        <translation>Aplikacije in bližnjice</translation>
    </message>
    <message>
        <source>1 shortcut</source>
        <translation>1 bližnjica</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts</source>
        <translation>
            <numerusform>%n bližnjica</numerusform>
            <numerusform>%n bližnjici</numerusform>
            <numerusform>%n bližnjice</numerusform>
            <numerusform>%n bližnjic</numerusform>
        </translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Izberi aplikacijo</translation>
    </message>
    <message>
        <source>Choose an application to add shortcuts for</source>
        <translation>Izberite aplikacijo, za katero želite dodati bližnjice</translation>
    </message>
    <message>
        <source>No apps added yet</source>
        <translation>Dodanih aplikacij še ni</translation>
    </message>
    <message>
        <source>Remove this app</source>
        <translation>Odstrani to aplikacijo</translation>
    </message>
    <message>
        <source>Add suggested shortcuts for this app</source>
        <translation>Dodaj predlagane bližnjice za to aplikacijo</translation>
    </message>
    <message>
        <source>Add keyboard shortcuts, text snippets or links for %1.</source>
        <translation>Dodajte tipkovne bližnjice, delčke besedila ali povezave za %1.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplikacije</translation>
    </message>
    <message>
        <source>Kelvaro is Now Running</source>
        <translation>Kelvaro se zdaj izvaja</translation>
    </message>
    <message>
        <source>The two rings</source>
        <translation>Dva obroča</translation>
    </message>
    <message>
        <source>Hold its shortcut, aim at an app with the pointer, let go. The ring opens around your pointer or in the middle of the display — your choice, under Settings › General.</source>
        <translation>Držite njegovo bližnjico, s kazalcem pomerite na aplikacijo in spustite. Obroč se odpre okoli kazalca ali na sredini zaslona — po vaši izbiri, v Nastavitve › Splošno.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for whichever app is in front, so you can drive that app by its own keyboard shortcuts without remembering them.</source>
        <translation>Odpre bližnjice, ki ste jih shranili za aplikacijo, ki je trenutno v ospredju, tako da lahko to aplikacijo upravljate z njenimi lastnimi tipkovnimi bližnjicami, ne da bi si jih morali zapomniti.</translation>
    </message>
    <message>
        <source>Choosing between windows</source>
        <translation>Izbira med okni</translation>
    </message>
    <message>
        <source>The window arc</source>
        <translation>Lok oken</translation>
    </message>
    <message>
        <source>When the highlighted app has more than one window, a quarter-arc appears beside it listing them. Keep moving outward onto the arc to pick a window instead of just the app.</source>
        <translation>Ko ima označena aplikacija več kot eno okno, se ob njej prikaže četrtinski lok s seznamom oken. Nadaljujte navzven na lok, da namesto cele aplikacije izberete posamezno okno.</translation>
    </message>
    <message>
        <source>The arc never appears</source>
        <translation>Lok se nikoli ne prikaže</translation>
    </message>
    <message>
        <source>It only appears for an app with more than one window: an app with a single window has nothing to choose between, so the arc stays hidden.</source>
        <translation>Prikaže se le pri aplikaciji z več kot enim oknom: pri aplikaciji z enim samim oknom ni med čim izbirati, zato lok ostane skrit.</translation>
    </message>
    <message>
        <source>Changing a binding</source>
        <translation>Spreminjanje vezave tipk</translation>
    </message>
    <message>
        <source>Settings › Switcher or Shortcuts, then click the recorder and press the combination you want. Add Ctrl, Alt or Super so it can&apos;t fire while you&apos;re typing.</source>
        <translation>V Nastavitve › Preklopnik ali Bližnjice kliknite snemalnik in pritisnite želeno kombinacijo. Dodajte Ctrl, Alt ali Super, da se bližnjica ne more sprožiti med tipkanjem.</translation>
    </message>
    <message>
        <source>Hold versus toggle</source>
        <translation>Držanje ali preklop</translation>
    </message>
    <message>
        <source>By default the ring stays open while you hold the shortcut&apos;s modifiers and commits when you let go. Settings › General can switch it to stay open until you press again or click.</source>
        <translation>Privzeto obroč ostane odprt, dokler držite modifikatorje bližnjice, in izbiro potrdi, ko jih spustite. V Nastavitve › Splošno lahko nastavite, da ostane odprt, dokler znova ne pritisnete ali kliknete.</translation>
    </message>
    <message>
        <source>If nothing happens</source>
        <translation>Če se nič ne zgodi</translation>
    </message>
    <message>
        <source>Desktop access</source>
        <translation>Dostop do namizja</translation>
    </message>
    <message>
        <source>Global shortcuts need an X11 session, and reading menus or typing passwords needs the accessibility bus. Settings shows a banner whenever something is missing, with a button that turns the accessibility bus on.</source>
        <translation>Globalne bližnjice potrebujejo sejo X11, branje menijev in vnašanje gesel pa vodilo za dostopnost. Kadar kaj manjka, Nastavitve prikažejo pasico z gumbom, ki vklopi vodilo za dostopnost.</translation>
    </message>
    <message>
        <source>Finding the app</source>
        <translation>Iskanje aplikacije</translation>
    </message>
    <message>
        <source>Kelvaro has no window of its own on purpose. It lives in the tray; closing a window doesn&apos;t quit it.</source>
        <translation>Kelvaro namenoma nima lastnega okna. Nahaja se v sistemski vrstici; ko zaprete okno, se ne konča.</translation>
    </message>
    <message>
        <source>Starting over</source>
        <translation>Ponovni začetek</translation>
    </message>
    <message>
        <source>Starting Kelvaro again while it runs opens its settings, or the walkthrough while that is unfinished.</source>
        <translation>Če Kelvaro znova zaženete, medtem ko se že izvaja, se odprejo njegove nastavitve ali pa vodnik, če ga še niste dokončali.</translation>
    </message>
    <message>
        <source>This is the cause of most &quot;nothing happens&quot; reports.</source>
        <translation>To je vzrok za večino prijav »nič se ne zgodi«.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer.</source>
        <translation>Vse odprte aplikacije v obroču okoli kazalca.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Stik s podporo</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>Stran s podporo</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Pravilnik o zasebnosti</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Pogoji uporabe</translation>
    </message>
    <message>
        <source>Kelvaro %1</source>
        <translation>Kelvaro %1</translation>
    </message>
    <message>
        <source>Your apps, shortcuts and passwords stay on this computer.</source>
        <translation>Vaše aplikacije, bližnjice in gesla ostanejo v tem računalniku.</translation>
    </message>
    <message>
        <source>Show this message on app launch</source>
        <translation>Pokaži to sporočilo ob zagonu aplikacije</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Nastavitve …</translation>
    </message>
    <message>
        <source>Press %1 to open the ring</source>
        <translation>Pritisnite %1, da odprete obroč</translation>
    </message>
    <message>
        <source>No shortcut is assigned yet. Open Settings to choose one.</source>
        <translation>Bližnjica še ni dodeljena. Odprite Nastavitve in jo izberite.</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>Seja X11</translation>
    </message>
    <message>
        <source>Global keys</source>
        <translation>Globalne tipke</translation>
    </message>
    <message>
        <source>Accessibility bus</source>
        <translation>Vodilo za dostopnost</translation>
    </message>
    <message>
        <source>Start Using Kelvaro</source>
        <translation>Začni uporabljati Kelvaro</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Nadaljuj</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Izberite jezik</translation>
    </message>
    <message>
        <source>Kelvaro speaks 17 languages. Pick one, or let it follow your system.</source>
        <translation>Kelvaro govori 17 jezikov. Izberite enega ali pa naj sledi sistemu.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer. One keystroke away.</source>
        <translation>Vse odprte aplikacije v obroču okoli kazalca. Le en pritisk tipke stran.</translation>
    </message>
    <message>
        <source>Notices the one shortcut you choose</source>
        <translation>Zazna samo eno bližnjico, ki jo izberete</translation>
    </message>
    <message>
        <source>Switches apps and sends shortcuts you set up</source>
        <translation>Preklaplja med aplikacijami in pošilja bližnjice, ki jih nastavite</translation>
    </message>
    <message>
        <source>Never reads what you type</source>
        <translation>Nikoli ne bere, kaj tipkate</translation>
    </message>
    <message>
        <source>Sends nothing it sees here — that stays on this computer</source>
        <translation>Ne pošilja ničesar, kar vidi tukaj — to ostane v tem računalniku</translation>
    </message>
    <message>
        <source>Needs an X11 Session</source>
        <translation>Potrebna je seja X11</translation>
    </message>
    <message>
        <source>Turn On the Accessibility Bus</source>
        <translation>Vklopi vodilo za dostopnost</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Vse je pripravljeno</translation>
    </message>
    <message>
        <source>Let Kelvaro see your shortcut</source>
        <translation>Dovolite, da Kelvaro vidi vašo bližnjico</translation>
    </message>
    <message>
        <source>Global keys work and the accessibility bus is on. Nothing else to set up.</source>
        <translation>Globalne tipke delujejo in vodilo za dostopnost je vklopljeno. Ničesar drugega ni treba nastaviti.</translation>
    </message>
    <message>
        <source>Linux needs two things for this: an X11 session for the global keys, and the accessibility bus for reading menus and typing passwords.</source>
        <translation>Linux za to potrebuje dvoje: sejo X11 za globalne tipke in vodilo za dostopnost za branje menijev in vnašanje gesel.</translation>
    </message>
    <message>
        <source>No shortcut set</source>
        <translation>Bližnjica ni nastavljena</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Posnemi</translation>
    </message>
    <message>
        <source>Record a different shortcut</source>
        <translation>Posnemi drugo bližnjico</translation>
    </message>
    <message>
        <source>Use the default instead</source>
        <translation>Raje uporabi privzeto</translation>
    </message>
    <message>
        <source>Hold it — the ring opens.</source>
        <translation>Držite jo — obroč se odpre.</translation>
    </message>
    <message>
        <source>Point at the app you want.</source>
        <translation>Pokažite na želeno aplikacijo.</translation>
    </message>
    <message>
        <source>Let go — Kelvaro switches to it.</source>
        <translation>Spustite — Kelvaro preklopi nanjo.</translation>
    </message>
    <message>
        <source>Your shortcut</source>
        <translation>Vaša bližnjica</translation>
    </message>
    <message>
        <source>This is what opens the ring. Keep it, or record your own.</source>
        <translation>S to bližnjico se odpre obroč. Obdržite jo ali posnemite svojo.</translation>
    </message>
    <message>
        <source>Click the Kelvaro icon in the tray.</source>
        <translation>Kliknite ikono Kelvaro v sistemski vrstici.</translation>
    </message>
    <message>
        <source>Settings — add apps, edit shortcuts, change keys.</source>
        <translation>Nastavitve — dodajte aplikacije, urejajte bližnjice, spremenite tipke.</translation>
    </message>
    <message>
        <source>Kelvaro lives in the tray</source>
        <translation>Kelvaro živi v sistemski vrstici</translation>
    </message>
    <message>
        <source>It has no window of its own on purpose. Close a window and it keeps running — everything stays one click away in the tray.</source>
        <translation>Namenoma nima lastnega okna. Ko zaprete okno, še naprej deluje — vse je le en klik stran v sistemski vrstici.</translation>
    </message>
    <message>
        <source>Your settings file was damaged after Kelvaro read it. The damaged file is kept as %1, and your settings were saved again.</source>
        <translation>Datoteka z nastavitvami se je poškodovala, potem ko jo je aplikacija Kelvaro prebrala. Poškodovana datoteka je shranjena kot %1, nastavitve pa so bile znova shranjene.</translation>
    </message>
    <message>
        <source>A change to your settings was not made: it would have made the settings file %1 too large to read back.</source>
        <translation>Sprememba nastavitev ni bila uveljavljena: datoteka z nastavitvami %1 bi postala prevelika, da bi jo bilo mogoče znova prebrati.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: their addresses are longer than %1 characters.</source>
        <translation>
            <numerusform>%Ln zavihek je bil izpuščen: njegov naslov je daljši od %1 znakov.</numerusform>
            <numerusform>%Ln zavihka sta bila izpuščena: njuna naslova sta daljša od %1 znakov.</numerusform>
            <numerusform>%Ln zavihki so bili izpuščeni: njihovi naslovi so daljši od %1 znakov.</numerusform>
            <numerusform>%Ln zavihkov je bilo izpuščenih: njihovi naslovi so daljši od %1 znakov.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: a capture keeps at most %1 tabs.</source>
        <translation>
            <numerusform>%Ln zavihek je bil izpuščen: en zajem obsega največ %1 zavihkov.</numerusform>
            <numerusform>%Ln zavihka sta bila izpuščena: en zajem obsega največ %1 zavihkov.</numerusform>
            <numerusform>%Ln zavihki so bili izpuščeni: en zajem obsega največ %1 zavihkov.</numerusform>
            <numerusform>%Ln zavihkov je bilo izpuščenih: en zajem obsega največ %1 zavihkov.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: the capture would have been too large to keep.</source>
        <translation>
            <numerusform>%Ln zavihek je bil izpuščen: zajem bi bil prevelik, da bi ga ohranili.</numerusform>
            <numerusform>%Ln zavihka sta bila izpuščena: zajem bi bil prevelik, da bi ga ohranili.</numerusform>
            <numerusform>%Ln zavihki so bili izpuščeni: zajem bi bil prevelik, da bi ga ohranili.</numerusform>
            <numerusform>%Ln zavihkov je bilo izpuščenih: zajem bi bil prevelik, da bi ga ohranili.</numerusform>
        </translation>
    </message>
    <message>
        <source>The capture was not kept: your settings file would have grown too large.</source>
        <translation>Zajem ni bil ohranjen: datoteka z nastavitvami bi postala prevelika.</translation>
    </message>
    <message>
        <source>That password was not accepted. Try again.</source>
        <translation>To geslo ni bilo sprejeto. Poskusite znova.</translation>
    </message>
    <message>
        <source>Your login password was not accepted. No saved password was released.</source>
        <translation>Vaše geslo za prijavo ni bilo sprejeto. Izdano ni bilo nobeno shranjeno geslo.</translation>
    </message>
    <message>
        <source>Enter your login password to use saved passwords.</source>
        <translation>Za uporabo shranjenih gesel vnesite svoje geslo za prijavo.</translation>
    </message>
    <message numerus="yes">
        <source>The window you chose was closed or is no longer in front. Your password is on the clipboard for %n seconds.</source>
        <translation>
            <numerusform>Izbrano okno je bilo zaprto ali ni več v ospredju. Geslo bo v odložišču %n sekundo.</numerusform>
            <numerusform>Izbrano okno je bilo zaprto ali ni več v ospredju. Geslo bo v odložišču %n sekundi.</numerusform>
            <numerusform>Izbrano okno je bilo zaprto ali ni več v ospredju. Geslo bo v odložišču %n sekunde.</numerusform>
            <numerusform>Izbrano okno je bilo zaprto ali ni več v ospredju. Geslo bo v odložišču %n sekund.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The password did not arrive in the field. It is on the clipboard for %n seconds: paste it there yourself.</source>
        <translation>
            <numerusform>Geslo ni prišlo v polje. V odložišču bo %n sekundo: sami ga prilepite tja.</numerusform>
            <numerusform>Geslo ni prišlo v polje. V odložišču bo %n sekundi: sami ga prilepite tja.</numerusform>
            <numerusform>Geslo ni prišlo v polje. V odložišču bo %n sekunde: sami ga prilepite tja.</numerusform>
            <numerusform>Geslo ni prišlo v polje. V odložišču bo %n sekund: sami ga prilepite tja.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 did not take the password. It is on the clipboard for %n seconds: paste it into the field yourself.</source>
        <translation>
            <numerusform>%1 ni sprejel gesla. V odložišču bo %n sekundo: sami ga prilepite v polje.</numerusform>
            <numerusform>%1 ni sprejel gesla. V odložišču bo %n sekundi: sami ga prilepite v polje.</numerusform>
            <numerusform>%1 ni sprejel gesla. V odložišču bo %n sekunde: sami ga prilepite v polje.</numerusform>
            <numerusform>%1 ni sprejel gesla. V odložišču bo %n sekund: sami ga prilepite v polje.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No text field had the focus. Your password is on the clipboard for %n seconds: paste it.</source>
        <translation>
            <numerusform>Nobeno besedilno polje ni imelo fokusa. Geslo bo v odložišču %n sekundo: prilepite ga.</numerusform>
            <numerusform>Nobeno besedilno polje ni imelo fokusa. Geslo bo v odložišču %n sekundi: prilepite ga.</numerusform>
            <numerusform>Nobeno besedilno polje ni imelo fokusa. Geslo bo v odložišču %n sekunde: prilepite ga.</numerusform>
            <numerusform>Nobeno besedilno polje ni imelo fokusa. Geslo bo v odložišču %n sekund: prilepite ga.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your own icon: a PNG of at most 1 MB and 1024 × 1024 pixels.</source>
        <translation>Lastna ikona: PNG velikosti največ 1 MB in 1024 × 1024 slikovnih pik.</translation>
    </message>
    <message>
        <source>A name is needed.</source>
        <translation>Ime je obvezno.</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]</source>
        <translation>Uporaba: %1 [--help | --version]</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Prikaži to pomoč in končaj.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Prikaži različico in končaj.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: this Wayland session has no XWayland (DISPLAY is not set).</source>
        <translation>Kelvaro potrebuje sejo X11: ta seja Wayland nima XWayland (DISPLAY ni nastavljen).</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: DISPLAY is not set.</source>
        <translation>Kelvaro potrebuje sejo X11: DISPLAY ni nastavljen.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: the display %1 cannot be opened.</source>
        <translation>Kelvaro potrebuje sejo X11: zaslona %1 ni mogoče odpreti.</translation>
    </message>
    <message>
        <source>This build of Kelvaro cannot send usage data.</source>
        <translation>Ta različica Kelvaro ne more pošiljati podatkov o uporabi.</translation>
    </message>
    <message>
        <source>Already used by %1.</source>
        <translation>Že uporablja: %1.</translation>
    </message>
    <message>
        <source>Empty Bin</source>
        <translation>Izprazni smeti</translation>
    </message>
    <message>
        <source>Toggle recording</source>
        <translation>Preklopi snemanje</translation>
    </message>
    <message>
        <source>Could not read the session log %1: %2.</source>
        <translation>Dnevnika seje %1 ni bilo mogoče prebrati: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1: your user may not read %2.</source>
        <translation>Kelvaro ne more prebrati odprtih zavihkov brskalnika %1: vaš uporabnik nima dovoljenja za branje %2.</translation>
    </message>
    <message>
        <source>%1 is running, but its session could not be read: %2</source>
        <translation>%1 se izvaja, vendar njegove seje ni bilo mogoče prebrati: %2</translation>
    </message>
    <message>
        <source>%1 is running, but Kelvaro found no session file in its profile folders.</source>
        <translation>%1 se izvaja, vendar Kelvaro v njegovih mapah profila ni našel datoteke seje.</translation>
    </message>
    <message>
        <source>%1 is running, but its session has no open web pages.</source>
        <translation>%1 se izvaja, vendar v njegovi seji ni odprtih spletnih strani.</translation>
    </message>
    <message>
        <source>Your saved captures were not changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Shranjeni zajemi niso bili spremenjeni: nekaterih ni bilo mogoče prebrati, v datoteki z nastavitvami pa ni prostora za njihovo kopijo. Ostanejo takšni, kot so.</translation>
    </message>
    <message>
        <source>The capture was not kept: the saved captures take all the room there is. Delete captures you no longer need, then capture again.</source>
        <translation>Zajem ni bil shranjen: shranjeni zajemi zasedajo ves razpoložljivi prostor. Izbrišite zajeme, ki jih ne potrebujete več, nato zajemite znova.</translation>
    </message>
    <message>
        <source>Your launchers cannot be changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Zaganjalnikov ni mogoče spremeniti: nekaterih ni bilo mogoče prebrati, v datoteki z nastavitvami pa ni prostora za njihovo kopijo. Ostanejo takšni, kot so.</translation>
    </message>
    <message>
        <source>%1: unknown option: %2</source>
        <translation>%1: neznana možnost: %2</translation>
    </message>
    <message>
        <source>This build of Kelvaro has no update feed.</source>
        <translation>Ta izdaja Kelvaro nima vira posodobitev.</translation>
    </message>
</context>
</TS>
