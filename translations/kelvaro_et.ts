<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Näita rakenduste vahetajat</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Näita otseteede käivitajat</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Käivita sisselogimisel</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Näita käivitamisel teadet</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Seaded</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Kelvaro abi</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Otsi uuendusi…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Sulge Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Kelvaro seaded</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Tere tulemast Kelvarosse</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Täisekraan</translation>
    </message>
    <message>
        <source>Window %1</source>
        <translation>Aken %1</translation>
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
        <translation>Tabulaator</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Tühik</translation>
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
        <translation>Lehekülg üles</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Lehekülg alla</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Nool vasakule</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Nool paremale</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Nool üles</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Nool alla</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Uus</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Ava…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvesta</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Sulge aken</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Võta tagasi</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopeeri</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Kleebi</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Otsi</translation>
    </message>
    <message>
        <source>New Finder Window</source>
        <translation>Uus Finderi aken</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Uus kaust</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>Kuva infot</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Tee duplikaat</translation>
    </message>
    <message>
        <source>Go to Downloads</source>
        <translation>Mine allalaadimistesse</translation>
    </message>
    <message>
        <source>Show View Options</source>
        <translation>Kuva vaate valikud</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>Uus kaart</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Uus aken</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Sulge kaart</translation>
    </message>
    <message>
        <source>Reopen Last Tab</source>
        <translation>Ava viimane kaart uuesti</translation>
    </message>
    <message>
        <source>Reload Page</source>
        <translation>Laadi leht uuesti</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>Kuva lugeja</translation>
    </message>
    <message>
        <source>New Private Window</source>
        <translation>Uus privaatne aken</translation>
    </message>
    <message>
        <source>Reopen Closed Tab</source>
        <translation>Ava suletud kaart uuesti</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Laadi uuesti</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>Arendaja tööriistad</translation>
    </message>
    <message>
        <source>New Incognito Window</source>
        <translation>Uus inkognito aken</translation>
    </message>
    <message>
        <source>New Message</source>
        <translation>Uus sõnum</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Vasta</translation>
    </message>
    <message>
        <source>Reply All</source>
        <translation>Vasta kõigile</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Edasta</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Saada</translation>
    </message>
    <message>
        <source>Mailbox Search</source>
        <translation>Postkasti otsing</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Uus märge</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Kontrollnimekiri</translation>
    </message>
    <message>
        <source>Attach File</source>
        <translation>Manusta fail</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Otsi</translation>
    </message>
    <message>
        <source>Emoji &amp; Symbols</source>
        <translation>Emotikonid ja sümbolid</translation>
    </message>
    <message>
        <source>New Event</source>
        <translation>Uus sündmus</translation>
    </message>
    <message>
        <source>Go to Today</source>
        <translation>Mine tänasele</translation>
    </message>
    <message>
        <source>Day View</source>
        <translation>Päevavaade</translation>
    </message>
    <message>
        <source>Week View</source>
        <translation>Nädalavaade</translation>
    </message>
    <message>
        <source>Month View</source>
        <translation>Kuuvaade</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>Puhasta ekraan</translation>
    </message>
    <message>
        <source>Split Pane</source>
        <translation>Jaga paan</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Käivita</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Ehita</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Peata</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testi</translation>
    </message>
    <message>
        <source>Open Quickly</source>
        <translation>Ava kiiresti</translation>
    </message>
    <message>
        <source>Show Canvas / Assistant</source>
        <translation>Kuva lõuend / assistent</translation>
    </message>
    <message>
        <source>Quick Open</source>
        <translation>Kiiravamine</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>Käsupalett</translation>
    </message>
    <message>
        <source>Toggle Terminal</source>
        <translation>Terminal sisse/välja</translation>
    </message>
    <message>
        <source>Toggle Sidebar</source>
        <translation>Külgriba sisse/välja</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Uus fail</translation>
    </message>
    <message>
        <source>Quick Switcher</source>
        <translation>Kiirvahetus</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Lõimed</translation>
    </message>
    <message>
        <source>Mentions &amp; Reactions</source>
        <translation>Mainimised ja reaktsioonid</translation>
    </message>
    <message>
        <source>Toggle Mute</source>
        <translation>Vaigista/taasta heli</translation>
    </message>
    <message>
        <source>Toggle Deafen</source>
        <translation>Kuulmine välja/sisse</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>Sisendkaust</translation>
    </message>
    <message>
        <source>Emoji Picker</source>
        <translation>Emotikonivalija</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tegelik suurus</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Suumi sisse</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Suumi välja</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Slaidiseanss</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Pööra vasakule</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Esita/Paus</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Järgmine lugu</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Eelmine lugu</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Juhuesitus</translation>
    </message>
    <message>
        <source>Show Queue</source>
        <translation>Kuva järjekord</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Impordi</translation>
    </message>
    <message>
        <source>New Album</source>
        <translation>Uus album</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Lemmik</translation>
    </message>
    <message>
        <source>Mute Audio</source>
        <translation>Vaigista heli</translation>
    </message>
    <message>
        <source>Start Video</source>
        <translation>Alusta videot</translation>
    </message>
    <message>
        <source>Share Screen</source>
        <translation>Jaga ekraani</translation>
    </message>
    <message>
        <source>Show Chat</source>
        <translation>Kuva vestlus</translation>
    </message>
    <message>
        <source>Show Participants</source>
        <translation>Kuva osalejad</translation>
    </message>
    <message>
        <source>New Page</source>
        <translation>Uus leht</translation>
    </message>
    <message>
        <source>Add Comment</source>
        <translation>Lisa kommentaar</translation>
    </message>
    <message>
        <source>To-do List</source>
        <translation>Ülesannete loend</translation>
    </message>
    <message>
        <source>Frame Tool</source>
        <translation>Raamitööriist</translation>
    </message>
    <message>
        <source>Move Tool</source>
        <translation>Liigutamise tööriist</translation>
    </message>
    <message>
        <source>Text Tool</source>
        <translation>Teksti tööriist</translation>
    </message>
    <message>
        <source>Pen Tool</source>
        <translation>Pliiatsi tööriist</translation>
    </message>
    <message>
        <source>Group Selection</source>
        <translation>Rühmita valik</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>Uus dokument</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Paks</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Ekspordi PDF-ina</translation>
    </message>
    <message>
        <source>New Spreadsheet</source>
        <translation>Uus arvutustabel</translation>
    </message>
    <message>
        <source>Add Row Above</source>
        <translation>Lisa rida ülespoole</translation>
    </message>
    <message>
        <source>Insert Chart</source>
        <translation>Lisa diagramm</translation>
    </message>
    <message>
        <source>New Presentation</source>
        <translation>Uus esitlus</translation>
    </message>
    <message>
        <source>Play Slideshow</source>
        <translation>Esita slaidiseanss</translation>
    </message>
    <message>
        <source>New Slide</source>
        <translation>Uus slaid</translation>
    </message>
    <message>
        <source>Presenter Display</source>
        <translation>Esitleja ekraan</translation>
    </message>
    <message>
        <source>Saved earlier</source>
        <translation>Varem salvestatud</translation>
    </message>
    <message>
        <source>No supported browser is running.</source>
        <translation>Ühtegi toetatud brauserit ei tööta.</translation>
    </message>
    <message>
        <source>Could not read %1&apos;s tabs.</source>
        <translation>Brauseri %1 kaarte ei õnnestunud lugeda.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser&apos;s profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro ei saa lugeda brauseri %1 avatud kaarte. Kontrolli, et sinu kasutaja tohib lugeda brauseri profiilikausta asukohas ~/.config ja selle kausta Sessions.</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Paroolid</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>Lisa rakendus käivitajasse</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Vali rakendus, mis rõngale lisada.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lisa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Tarkvarauuendus</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>Saadaval on uus versioon</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 on valmis. Sinu versioon on %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates</source>
        <translation>Uuendusi ei õnnestunud kontrollida</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Uuenduste kontrollimine…</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Sul on uusim versioon</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 on uusim versioon.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Uuenduste allikat pole seadistatud.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the update server.</source>
        <translation>Uuendusserveriga ei saadud ühendust.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Jäta see versioon vahele</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Hiljem</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Laadi alla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro saadab nüüd anonüümseid kasutusandmeid</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Varasemad versioonid ei saatnud midagi. See teatab, millal rakendus käivitub, millal avatakse rõngas ja mitu vahekaarti salvestamine leidis.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>Ei akende pealkirju, URL-e, failiteid ega midagi, mida sa trükid.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Jäta sisse</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Lülita välja</translation>
    </message>
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
        <translation>Lisa Ctrl, Alt või Super, et see otsetee ei segaks kirjutamist.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Juba kasutusel: %1. Vali teine kombinatsioon.</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>Nooleklahvid valivad, Enter vahetab, Escape sulgeb.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>Rakendusi pole</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2/%3</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, aken %2/%3: %4</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>Nooleklahvid valivad, Enter käivitab otsetee, Escape sulgeb.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>Otseteid pole</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>Parool %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Lehekülg %1/%2</translation>
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
        <translation>Klahv %1</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Tagasilüke</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Kelvaro Ring</source>
        <translation>Kelvaro ring</translation>
    </message>
    <message>
        <source>Kelvaro App Switcher</source>
        <translation>Kelvaro rakenduste vahetaja</translation>
    </message>
    <message>
        <source>Your desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Sinu töölaud kasutab seda otseteed juba %1. See ei pruugi Kelvaroni jõuda.</translation>
    </message>
    <message>
        <source>switching windows</source>
        <translation>akende vahetamiseks</translation>
    </message>
    <message>
        <source>switching windows backwards</source>
        <translation>akende vahetamiseks vastupidises suunas</translation>
    </message>
    <message>
        <source>closing the window</source>
        <translation>akna sulgemiseks</translation>
    </message>
    <message>
        <source>running a command</source>
        <translation>käsu käivitamiseks</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>ekraani lukustamiseks</translation>
    </message>
    <message>
        <source>showing the desktop</source>
        <translation>töölaua näitamiseks</translation>
    </message>
    <message>
        <source>opening a terminal</source>
        <translation>terminali avamiseks</translation>
    </message>
    <message>
        <source>logging out</source>
        <translation>väljalogimiseks</translation>
    </message>
    <message>
        <source>switching to a text console</source>
        <translation>tekstikonsoolile lülitumiseks</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › General › Privacy.</source>
        <translation>Saad selle kohe või igal ajal välja lülitada: Seaded › Üldine › Privaatsus.</translation>
    </message>
    <message>
        <source>Global hotkeys need an X11 session. Choose an X11 (Xorg) session on the login screen, then start Kelvaro again.</source>
        <translation>Globaalsed kiirklahvid vajavad X11 seanssi. Vali sisselogimisekraanil X11 (Xorg) seanss ja käivita siis Kelvaro uuesti.</translation>
    </message>
    <message>
        <source>Global Hotkeys Unavailable</source>
        <translation>Globaalsed kiirklahvid pole saadaval</translation>
    </message>
    <message>
        <source>Keyboard Access Refused</source>
        <translation>Juurdepääs klaviatuurile keelatud</translation>
    </message>
    <message>
        <source>Accessibility Access Required</source>
        <translation>Vajalik on hõlbustuste juurdepääs</translation>
    </message>
    <message>
        <source>This is not an X11 session, so Kelvaro cannot watch global hotkeys or raise windows.</source>
        <translation>See ei ole X11 seanss, seega ei saa Kelvaro jälgida globaalseid kiirklahve ega aknaid esile tuua.</translation>
    </message>
    <message>
        <source>The X server did not let Kelvaro watch the keyboard, so hotkeys cannot open the rings.</source>
        <translation>X-server ei lubanud Kelvarol klaviatuuri jälgida, seega ei saa kiirklahvid ringe avada.</translation>
    </message>
    <message>
        <source>The accessibility bus is off. Kelvaro needs it to read windows, menus and text fields.</source>
        <translation>Hõlbustuste siin on välja lülitatud. Kelvaro vajab seda akende, menüüde ja tekstiväljade lugemiseks.</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Lülita sisse</translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>Miks?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Proovi uuesti</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Väike</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Keskmine</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Suur</translation>
    </message>
    <message>
        <source>Relaxed</source>
        <translation>Rahulik</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Tavaline</translation>
    </message>
    <message>
        <source>Brisk</source>
        <translation>Kiire</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Keel</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Ava sisselogimisel</translation>
    </message>
    <message>
        <source>Start Kelvaro automatically when you sign in.</source>
        <translation>Käivita Kelvaro sisselogimisel automaatselt.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Käivitamine</translation>
    </message>
    <message>
        <source>Send anonymous usage data</source>
        <translation>Saada anonüümseid kasutusandmeid</translation>
    </message>
    <message>
        <source>Launches, rings opened, and how many tabs a capture found. Never window titles, URLs, file paths or anything you type.</source>
        <translation>Käivitused, avatud ringid ja mitu vahekaarti salvestamine leidis. Mitte kunagi akende pealkirju, URL-e, failiteid ega midagi, mida sa trükid.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privaatsus</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Käitumine</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Aktiveerimine</translation>
    </message>
    <message>
        <source>Open the ring</source>
        <translation>Ava ring</translation>
    </message>
    <message>
        <source>Follow the pointer across displays</source>
        <translation>Järgi kursorit ekraanide vahel</translation>
    </message>
    <message>
        <source>Otherwise the ring always opens on the main display.</source>
        <translation>Muidu avaneb ring alati põhiekraanil.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Välimus</translation>
    </message>
    <message>
        <source>Ring size</source>
        <translation>Ringi suurus</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>Animatsiooni kiirus</translation>
    </message>
    <message>
        <source>Tilt the centre icon with the pointer</source>
        <translation>Kalluta keskmist ikooni koos kursoriga</translation>
    </message>
    <message>
        <source>Adds a subtle parallax to the selected app&apos;s icon.</source>
        <translation>Lisab valitud rakenduse ikoonile peene parallaksiefekti.</translation>
    </message>
    <message>
        <source>Reduce Motion is on in the desktop&apos;s settings, so animations stay minimal.</source>
        <translation>Töölaua seadetes on liikumise vähendamine sisse lülitatud, seega on animatsioonid minimaalsed.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Teave</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versioon</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Otsi uuendusi automaatselt</translation>
    </message>
    <message>
        <source>Once a day, in the background.</source>
        <translation>Kord päevas, taustal.</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Otsi kohe</translation>
    </message>
    <message>
        <source>Kelvaro %1 is available</source>
        <translation>Kelvaro %1 on saadaval</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Ajakohane</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt or Super.</source>
        <translation>Lisa Ctrl, Alt või Super.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Klaviatuuri otsetee</translation>
    </message>
    <message>
        <source>Activate to record a new shortcut. Press Escape to cancel, Delete to clear.</source>
        <translation>Aktiveeri, et salvestada uus otsetee. Vajuta tühistamiseks Escape ja tühjendamiseks Delete.</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Tühjenda otsetee</translation>
    </message>
    <message>
        <source>Tap a key to finish · Esc to cancel</source>
        <translation>Lõpetamiseks vajuta klahvi · Esc tühistab</translation>
    </message>
    <message>
        <source>Hold modifiers, then tap a key · Esc to cancel</source>
        <translation>Hoia muuteklahve all ja vajuta siis klahvi · Esc tühistab</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Salvestamine</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Puudub</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Toiming puudub</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>Liiguta %1 üles</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>Liiguta %1 alla</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Muuda üksust %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Kustuta %1</translation>
    </message>
    <message>
        <source>Hold to keep the wheel open</source>
        <translation>Hoia all, et ring jääks avatuks</translation>
    </message>
    <message>
        <source>None selected — the wheel stays open until you click or press Escape.</source>
        <translation>Midagi pole valitud — ring jääb avatuks, kuni klõpsad või vajutad Escape.</translation>
    </message>
    <message>
        <source>Keep %1 held while you aim. Release it and the wheel chooses whatever is highlighted.</source>
        <translation>Hoia sihtimise ajal %1 all. Kui selle vabastad, valib ring esiletõstetud üksuse.</translation>
    </message>
    <message>
        <source>Key Binding</source>
        <translation>Klahviseos</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>Vajuta otseteed</translation>
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
        <translation>tühik</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>return</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>tagasilüke</translation>
    </message>
    <message>
        <source>esc</source>
        <translation>esc</translation>
    </message>
    <message>
        <source>Match the system language</source>
        <translation>Kasuta süsteemi keelt</translation>
    </message>
    <message>
        <source>The rest of this guide uses your choice.</source>
        <translation>Ülejäänud juhend kasutab sinu valikut.</translation>
    </message>
    <message>
        <source>The interface updates right away.</source>
        <translation>Liides uueneb kohe.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Taaskäivita kohe</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Üldine</translation>
    </message>
    <message>
        <source>Switcher</source>
        <translation>Vahetaja</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Otseteed</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>Käivitaja</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Vahekaardid</translation>
    </message>
    <message>
        <source>No passwords yet</source>
        <translation>Paroole veel pole</translation>
    </message>
    <message>
        <source>No shortcuts yet</source>
        <translation>Otseteid veel pole</translation>
    </message>
    <message>
        <source>Select an app</source>
        <translation>Vali rakendus</translation>
    </message>
    <message>
        <source>Ring preview</source>
        <translation>Ringi eelvaade</translation>
    </message>
    <message>
        <source>No shortcut assigned</source>
        <translation>Otsetee puudub</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Otsetee: %1</translation>
    </message>
    <message>
        <source>This page is not available in this version yet.</source>
        <translation>See leht pole selles versioonis veel saadaval.</translation>
    </message>
    <message>
        <source>Kelvaro wants to unlock your saved passwords</source>
        <translation>Kelvaro soovib sinu salvestatud paroolid lukust avada</translation>
    </message>
    <message>
        <source>Unlock Saved Passwords</source>
        <translation>Salvestatud paroolide lukust avamine</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parool</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Ava lukust</translation>
    </message>
    <message>
        <source>Some of your settings could not be read. The settings file as it was is kept as %1.</source>
        <translation>Mõnda sinu seadet ei õnnestunud lugeda. Seadete fail on muutmata kujul alles nimega %1.</translation>
    </message>
    <message>
        <source>Your settings file could not be read, so Kelvaro started with default settings. The file is kept as %1.</source>
        <translation>Sinu seadete faili ei õnnestunud lugeda, seega käivitus Kelvaro vaikeseadetega. Fail on alles nimega %1.</translation>
    </message>
    <message>
        <source>Your settings file %1 could not be read, so Kelvaro started with default settings.</source>
        <translation>Sinu seadete faili %1 ei õnnestunud lugeda, seega käivitus Kelvaro vaikeseadetega.</translation>
    </message>
    <message>
        <source>Your settings cannot be saved to %1 (%2). Changes are kept until Kelvaro quits.</source>
        <translation>Sinu seadeid ei saa salvestada faili %1 (%2). Muudatused säilivad, kuni Kelvaro suletakse.</translation>
    </message>
    <message>
        <source>Choose an icon</source>
        <translation>Vali ikoon</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Muuda kontot</translation>
    </message>
    <message>
        <source>Add Account</source>
        <translation>Lisa konto</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Ikoon</translation>
    </message>
    <message>
        <source>Work mail</source>
        <translation>Tööpost</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Email / Account</source>
        <translation>E-post / konto</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Add passwords for this account from the list after saving.</source>
        <translation>Lisa pärast salvestamist loendist selle konto paroolid.</translation>
    </message>
    <message>
        <source>Add Another Password</source>
        <translation>Lisa veel üks parool</translation>
    </message>
    <message>
        <source>Each password is saved under this account. Several passwords open an arc on the ring.</source>
        <translation>Iga parool salvestatakse selle konto alla. Mitu parooli avavad ringil kaare.</translation>
    </message>
    <message>
        <source>Shown in the arc when this account has more than one password.</source>
        <translation>Kuvatakse kaares, kui sellel kontol on rohkem kui üks parool.</translation>
    </message>
    <message>
        <source>Edit Password</source>
        <translation>Muuda parooli</translation>
    </message>
    <message>
        <source>Add Password</source>
        <translation>Lisa parool</translation>
    </message>
    <message>
        <source>Add Passwords</source>
        <translation>Lisa paroolid</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Passwords</source>
        <translation>
            <numerusform>Lisa %n parool</numerusform>
            <numerusform>Lisa %n parooli</numerusform>
        </translation>
    </message>
    <message>
        <source>Hide the password</source>
        <translation>Peida parool</translation>
    </message>
    <message>
        <source>Show the password</source>
        <translation>Näita parooli</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Isiklik</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Silt</translation>
    </message>
    <message>
        <source>Remove this password</source>
        <translation>Eemalda see parool</translation>
    </message>
    <message>
        <source>Hint (optional)</source>
        <translation>Vihje (valikuline)</translation>
    </message>
    <message>
        <source>ends 4471</source>
        <translation>lõpeb 4471</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Vihje</translation>
    </message>
    <message>
        <source>Your desktop keyring did not store the password “%1”, so it was not saved. Unlock the keyring and try again.</source>
        <translation>Töölaua võtmerõngas ei talletanud parooli „%1“, seega seda ei salvestatud. Ava võtmerõnga lukk ja proovi uuesti.</translation>
    </message>
    <message>
        <source>Accounts &amp; Passwords</source>
        <translation>Kontod ja paroolid</translation>
    </message>
    <message>
        <source>Stored in your desktop keyring (Secret Service), readable only while your session is unlocked. Choosing one fills the focused text field when you can type, otherwise copies to the clipboard (cleared after 45 seconds). An account with more than one password shows them in an arc beside its wedge.</source>
        <translation>Salvestatakse töölaua võtmerõngasse (Secret Service) ja on loetavad ainult siis, kui sinu seanss on lukust lahti. Valitud parool sisestatakse fookuses olevasse tekstivälja, kui sinna saab kirjutada, muidu kopeeritakse see lõikelauale (tühjendatakse 45 sekundi pärast). Kui kontol on rohkem kui üks parool, kuvatakse need kaarena konto sektori kõrval.</translation>
    </message>
    <message>
        <source>1 password</source>
        <translation>1 parool</translation>
    </message>
    <message numerus="yes">
        <source>%n passwords</source>
        <translation>
            <numerusform>%n parool</numerusform>
            <numerusform>%n parooli</numerusform>
        </translation>
    </message>
    <message>
        <source>No accounts yet</source>
        <translation>Kontosid veel pole</translation>
    </message>
    <message>
        <source>Edit this account</source>
        <translation>Muuda seda kontot</translation>
    </message>
    <message>
        <source>Delete this account</source>
        <translation>Kustuta see konto</translation>
    </message>
    <message>
        <source>Add an account, then add passwords under it.</source>
        <translation>Lisa konto ja seejärel lisa selle alla paroolid.</translation>
    </message>
    <message>
        <source>No passwords for this account yet.</source>
        <translation>Sellel kontol pole veel paroole.</translation>
    </message>
    <message>
        <source>Add the passwords that belong to this email.</source>
        <translation>Lisa sellele e-posti aadressile kuuluvad paroolid.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Liiguta üles</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Liiguta alla</translation>
    </message>
    <message>
        <source>Edit this password</source>
        <translation>Muuda seda parooli</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Eemalda %1</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Kontod</translation>
    </message>
    <message>
        <source>Delete the account “%1”?</source>
        <translation>Kas kustutada konto „%1“?</translation>
    </message>
    <message numerus="yes">
        <source>Its %n password(s) will be removed from your desktop keyring.</source>
        <translation>
            <numerusform>Selle %n parool eemaldatakse töölaua võtmerõngast.</numerusform>
            <numerusform>Selle %n parooli eemaldatakse töölaua võtmerõngast.</numerusform>
        </translation>
    </message>
    <message>
        <source>No shortcut assigned — this launcher can&apos;t be opened from the keyboard.</source>
        <translation>Otsetee puudub — seda käivitajat ei saa klaviatuurilt avada.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from your browsers.</source>
        <translation>Avab vahekaardid, mille oled brauseritest salvestanud.</translation>
    </message>
    <message>
        <source>Search Icon</source>
        <translation>Otsi ikooni</translation>
    </message>
    <message>
        <source>Icon Name</source>
        <translation>Ikooni nimi</translation>
    </message>
    <message>
        <source>Upload PNG…</source>
        <translation>Impordi PNG…</translation>
    </message>
    <message>
        <source>Use your own image, up to 1 MB</source>
        <translation>Kasuta oma pilti, kuni 1 MB</translation>
    </message>
    <message>
        <source>Pick Icon</source>
        <translation>Vali ikoon</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>Päringule „%1“ pole tulemusi</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-pildid (*.png)</translation>
    </message>
    <message>
        <source>Could not add icon</source>
        <translation>Ikooni ei õnnestunud lisada</translation>
    </message>
    <message>
        <source>Keystroke</source>
        <translation>Klahvivajutus</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Sent to the app in front, as if you pressed it yourself.</source>
        <translation>Saadetakse esiplaanil olevale rakendusele, nagu vajutaksid seda ise.</translation>
    </message>
    <message>
        <source>Copied to the clipboard, ready to paste.</source>
        <translation>Kopeeritakse lõikelauale, valmis kleepimiseks.</translation>
    </message>
    <message>
        <source>Opened in your default browser.</source>
        <translation>Avatakse sinu vaikebrauseris.</translation>
    </message>
    <message>
        <source>Edit Shortcut</source>
        <translation>Muuda otseteed</translation>
    </message>
    <message>
        <source>New Shortcut</source>
        <translation>Uus otsetee</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>rakendusele %1</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Toiming</translation>
    </message>
    <message>
        <source>Keystroke to send</source>
        <translation>Saadetav klahvivajutus</translation>
    </message>
    <message>
        <source>Add Shortcut</source>
        <translation>Lisa otsetee</translation>
    </message>
    <message>
        <source>Give the shortcut a name.</source>
        <translation>Anna otseteele nimi.</translation>
    </message>
    <message>
        <source>Record the keystroke to send.</source>
        <translation>Salvesta saadetav klahvivajutus.</translation>
    </message>
    <message>
        <source>Enter the text to copy.</source>
        <translation>Sisesta kopeeritav tekst.</translation>
    </message>
    <message>
        <source>Enter a link to open.</source>
        <translation>Sisesta avatav link.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like a valid link.</source>
        <translation>See ei paista olevat kehtiv link.</translation>
    </message>
    <message>
        <source>Suggested shortcuts for %1</source>
        <translation>Soovitatud otseteed rakendusele %1</translation>
    </message>
    <message>
        <source>Pick the ones you want on the ring. You can edit them later.</source>
        <translation>Vali need, mida soovid ringile lisada. Saad neid hiljem muuta.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Jäta vahele</translation>
    </message>
    <message>
        <source>Add 1 Shortcut</source>
        <translation>Lisa 1 otsetee</translation>
    </message>
    <message>
        <source>Add Shortcuts</source>
        <translation>Lisa otseteed</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Shortcuts</source>
        <translation>
            <numerusform>Lisa %n otsetee</numerusform>
            <numerusform>Lisa %n otseteed</numerusform>
        </translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Tühista kõigi valik</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vali kõik</translation>
    </message>
    <message numerus="yes">
        <source>Found %n shortcuts in the menus.</source>
        <translation>
            <numerusform>Menüüdest leiti %n otsetee.</numerusform>
            <numerusform>Menüüdest leiti %n otseteed.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open the app first, then import again.</source>
        <translation>Ava esmalt rakendus ja impordi siis uuesti.</translation>
    </message>
    <message>
        <source>Reading menus needs the desktop&apos;s accessibility bus, which is off.</source>
        <translation>Menüüde lugemiseks on vaja töölaua hõlbustuste siini, mis on välja lülitatud.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read this app&apos;s menus.</source>
        <translation>Selle rakenduse menüüsid ei õnnestunud lugeda.</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>Soovitatud</translation>
    </message>
    <message>
        <source>From Menus</source>
        <translation>Menüüdest</translation>
    </message>
    <message>
        <source>Reading menus…</source>
        <translation>Menüüde lugemine…</translation>
    </message>
    <message>
        <source>Open App &amp; Import Menus</source>
        <translation>Ava rakendus ja impordi menüüd</translation>
    </message>
    <message>
        <source>Import from Menus</source>
        <translation>Impordi menüüdest</translation>
    </message>
    <message>
        <source>Pick a PNG file. Folders, links and devices cannot be used.</source>
        <translation>Vali PNG-fail. Kaustu, linke ja seadmeid ei saa kasutada.</translation>
    </message>
    <message>
        <source>Pick a PNG smaller than 1 MB.</source>
        <translation>Vali PNG-fail, mis on väiksem kui 1 MB.</translation>
    </message>
    <message>
        <source>Pick a PNG of at most 1024 × 1024 pixels.</source>
        <translation>Vali PNG-fail, mille mõõtmed on kuni 1024 × 1024 pikslit.</translation>
    </message>
    <message>
        <source>That file could not be read as a PNG.</source>
        <translation>Seda faili ei õnnestunud PNG-pildina lugeda.</translation>
    </message>
    <message>
        <source>The icon could not be saved: %1</source>
        <translation>Ikooni ei õnnestunud salvestada: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Faili %1 ei õnnestunud avada: %2</translation>
    </message>
    <message>
        <source>The Firefox session file %1 is too large to read.</source>
        <translation>Firefoxi seansifail %1 on lugemiseks liiga suur.</translation>
    </message>
    <message>
        <source>Could not read the Firefox session file %1: %2.</source>
        <translation>Firefoxi seansifaili %1 ei õnnestunud lugeda: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read its profile folder in ~/.mozilla/firefox.</source>
        <translation>Kelvaro ei saa lugeda brauseri %1 avatud vahekaarte. Kontrolli, et sinu kasutaja tohib lugeda selle profiilikausta asukohas ~/.mozilla/firefox.</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs.</source>
        <translation>
            <numerusform>Salvestati %n vahekaart.</numerusform>
            <numerusform>Salvestati %n vahekaarti.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs from %1.</source>
        <translation>
            <numerusform>Brauserist %1 salvestati %n vahekaart.</numerusform>
            <numerusform>Brauserist %1 salvestati %n vahekaarti.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 brauserist %2</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs — %1.</source>
        <translation>
            <numerusform>Salvestati %n vahekaart — %1.</numerusform>
            <numerusform>Salvestati %n vahekaarti — %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier capture kept.</source>
        <translation>1 varasem salvestus on alles.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier captures kept.</source>
        <translation>
            <numerusform>%n varasem salvestus on alles.</numerusform>
            <numerusform>%n varasemat salvestust on alles.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 tab</source>
        <translation>1 vahekaart</translation>
    </message>
    <message numerus="yes">
        <source>%n tabs</source>
        <translation>
            <numerusform>%n vahekaart</numerusform>
            <numerusform>%n vahekaarti</numerusform>
        </translation>
    </message>
    <message>
        <source>Browsers &amp; Tabs</source>
        <translation>Brauserid ja vahekaardid</translation>
    </message>
    <message>
        <source>Reads every tab open in Chrome, Brave, Edge, Vivaldi, Opera, Chromium and Firefox from the session files in their profile folders, and keeps them here so you can reopen them after the browser is closed. Each capture is kept as its own session; the ring shows the chosen one, ten tabs at a time.</source>
        <translation>Loeb brauserite Chrome, Brave, Edge, Vivaldi, Opera, Chromium ja Firefox profiilikaustades olevatest seansifailidest kõik avatud vahekaardid ja hoiab need siin, et saaksid need pärast brauseri sulgemist uuesti avada. Iga salvestust hoitakse eraldi seansina; ring näitab valitud salvestust kümne vahekaardi kaupa.</translation>
    </message>
    <message>
        <source>Nothing captured yet</source>
        <translation>Veel pole midagi salvestatud</translation>
    </message>
    <message>
        <source>Capturing…</source>
        <translation>Salvestamine…</translation>
    </message>
    <message>
        <source>Capture Tabs</source>
        <translation>Salvesta vahekaardid</translation>
    </message>
    <message>
        <source>Rename this capture</source>
        <translation>Nimeta see salvestus ümber</translation>
    </message>
    <message>
        <source>Delete this capture</source>
        <translation>Kustuta see salvestus</translation>
    </message>
    <message>
        <source>No tabs captured yet.</source>
        <translation>Vahekaarte pole veel salvestatud.</translation>
    </message>
    <message>
        <source>Open a browser and capture what it has open.</source>
        <translation>Ava brauser ja salvesta selle avatud vahekaardid.</translation>
    </message>
    <message>
        <source>No open tabs to capture.</source>
        <translation>Pole avatud vahekaarte, mida salvestada.</translation>
    </message>
    <message>
        <source>Rename Capture</source>
        <translation>Nimeta salvestus ümber</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Nimeta ümber</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Salvestused</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Lisa rakendus</translation>
    </message>
    <message>
        <source>1 app</source>
        <translation>1 rakendus</translation>
    </message>
    <message numerus="yes">
        <source>%n apps</source>
        <translation>
            <numerusform>%n rakendus</numerusform>
            <numerusform>%n rakendust</numerusform>
        </translation>
    </message>
    <message>
        <source>No apps added yet.</source>
        <translation>Rakendusi pole veel lisatud.</translation>
    </message>
    <message>
        <source>Choose apps this launcher should show in the ring.</source>
        <translation>Vali rakendused, mida see käivitaja ringil näitab.</translation>
    </message>
    <message>
        <source>Launchers &amp; Apps</source>
        <translation>Käivitajad ja rakendused</translation>
    </message>
    <message>
        <source>New Launcher</source>
        <translation>Uus käivitaja</translation>
    </message>
    <message>
        <source>Rename Launcher</source>
        <translation>Nimeta käivitaja ümber</translation>
    </message>
    <message>
        <source>Opens this launcher.</source>
        <translation>Avab selle käivitaja.</translation>
    </message>
    <message>
        <source>No launchers yet</source>
        <translation>Käivitajaid veel pole</translation>
    </message>
    <message>
        <source>Add Launcher</source>
        <translation>Lisa käivitaja</translation>
    </message>
    <message>
        <source>Rename this launcher</source>
        <translation>Nimeta see käivitaja ümber</translation>
    </message>
    <message>
        <source>Delete this launcher</source>
        <translation>Kustuta see käivitaja</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>Käivitajad</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Soovita</translation>
    </message>
    <message>
        <source>Apps &amp; Shortcuts</source>
        <translation>Rakendused ja otseteed</translation>
    </message>
    <message>
        <source>1 shortcut</source>
        <translation>1 otsetee</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts</source>
        <translation>
            <numerusform>%n otsetee</numerusform>
            <numerusform>%n otseteed</numerusform>
        </translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Vali rakendus</translation>
    </message>
    <message>
        <source>Choose an application to add shortcuts for</source>
        <translation>Vali rakendus, millele otseteid lisada</translation>
    </message>
    <message>
        <source>No apps added yet</source>
        <translation>Rakendusi pole veel lisatud</translation>
    </message>
    <message>
        <source>Remove this app</source>
        <translation>Eemalda see rakendus</translation>
    </message>
    <message>
        <source>Add suggested shortcuts for this app</source>
        <translation>Lisa sellele rakendusele soovitatud otseteed</translation>
    </message>
    <message>
        <source>Add keyboard shortcuts, text snippets or links for %1.</source>
        <translation>Lisa rakendusele %1 klaviatuuri otseteid, tekstijuppe või linke.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Rakendused</translation>
    </message>
    <message>
        <source>Kelvaro is Now Running</source>
        <translation>Kelvaro töötab nüüd</translation>
    </message>
    <message>
        <source>The two rings</source>
        <translation>Kaks ringi</translation>
    </message>
    <message>
        <source>Hold its shortcut, aim at an app with the pointer, let go. The ring opens around your pointer or in the middle of the display — your choice, under Settings › General.</source>
        <translation>Hoia selle otseteed all, sihi kursoriga rakendust ja lase lahti. Ring avaneb kursori ümber või ekraani keskel — valida saad jaotises Seaded › Üldine.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for whichever app is in front, so you can drive that app by its own keyboard shortcuts without remembering them.</source>
        <translation>Avab otseteed, mille salvestasid parajasti esiplaanil olevale rakendusele, nii et saad seda rakendust juhtida tema enda klaviatuuri otseteedega, ilma et peaksid neid meeles pidama.</translation>
    </message>
    <message>
        <source>Choosing between windows</source>
        <translation>Akende vahel valimine</translation>
    </message>
    <message>
        <source>The window arc</source>
        <translation>Akende kaar</translation>
    </message>
    <message>
        <source>When the highlighted app has more than one window, a quarter-arc appears beside it listing them. Keep moving outward onto the arc to pick a window instead of just the app.</source>
        <translation>Kui esiletõstetud rakendusel on rohkem kui üks aken, ilmub selle kõrvale veerandkaar, milles aknad on loetletud. Liigu edasi väljapoole kaarele, et valida rakenduse asemel konkreetne aken.</translation>
    </message>
    <message>
        <source>The arc never appears</source>
        <translation>Kaar ei ilmu kunagi</translation>
    </message>
    <message>
        <source>It only appears for an app with more than one window: an app with a single window has nothing to choose between, so the arc stays hidden.</source>
        <translation>Kaar ilmub ainult rakendusel, millel on rohkem kui üks aken: ühe aknaga rakenduse puhul pole midagi valida, seega jääb kaar peidetuks.</translation>
    </message>
    <message>
        <source>Changing a binding</source>
        <translation>Klahviseose muutmine</translation>
    </message>
    <message>
        <source>Settings › Switcher or Shortcuts, then click the recorder and press the combination you want. Add Ctrl, Alt or Super so it can&apos;t fire while you&apos;re typing.</source>
        <translation>Seaded › Vahetaja või Otseteed, seejärel klõpsa salvestusväljal ja vajuta soovitud kombinatsiooni. Lisa Ctrl, Alt või Super, et otsetee ei käivituks trükkimise ajal.</translation>
    </message>
    <message>
        <source>Hold versus toggle</source>
        <translation>Hoidmine või lülitamine</translation>
    </message>
    <message>
        <source>By default the ring stays open while you hold the shortcut&apos;s modifiers and commits when you let go. Settings › General can switch it to stay open until you press again or click.</source>
        <translation>Vaikimisi jääb ring avatuks seni, kuni hoiad otsetee muuteklahve all, ja valik kinnitatakse lahtilaskmisel. Jaotises Seaded › Üldine saab selle muuta nii, et ring jääb avatuks, kuni vajutad uuesti või klõpsad.</translation>
    </message>
    <message>
        <source>If nothing happens</source>
        <translation>Kui midagi ei juhtu</translation>
    </message>
    <message>
        <source>Desktop access</source>
        <translation>Juurdepääs töölauale</translation>
    </message>
    <message>
        <source>Global shortcuts need an X11 session, and reading menus or typing passwords needs the accessibility bus. Settings shows a banner whenever something is missing, with a button that turns the accessibility bus on.</source>
        <translation>Globaalsed kiirklahvid vajavad X11 seanssi ning menüüde lugemine või paroolide sisestamine vajab hõlbustuste siini. Kui midagi on puudu, kuvatakse seadetes teaderiba koos nupuga, mis lülitab hõlbustuste siini sisse.</translation>
    </message>
    <message>
        <source>Finding the app</source>
        <translation>Rakenduse leidmine</translation>
    </message>
    <message>
        <source>Kelvaro has no window of its own on purpose. It lives in the tray; closing a window doesn&apos;t quit it.</source>
        <translation>Kelvarol pole meelega oma akent. See elab süsteemisalves; akna sulgemine ei lõpeta selle tööd.</translation>
    </message>
    <message>
        <source>Starting over</source>
        <translation>Uuesti käivitamine</translation>
    </message>
    <message>
        <source>Starting Kelvaro again while it runs opens its settings, or the walkthrough while that is unfinished.</source>
        <translation>Kui käivitad Kelvaro uuesti ajal, mil see juba töötab, avanevad selle seaded — või tutvustus, kui see on veel lõpetamata.</translation>
    </message>
    <message>
        <source>This is the cause of most &quot;nothing happens&quot; reports.</source>
        <translation>See on enamiku „midagi ei juhtu“ teadete põhjus.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer.</source>
        <translation>Kõik sinu avatud rakendused ringis kursori ümber.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Võta ühendust toega</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>Toe leht</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Privaatsuspoliitika</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Kasutustingimused</translation>
    </message>
    <message>
        <source>Kelvaro %1</source>
        <translation>Kelvaro %1</translation>
    </message>
    <message>
        <source>Your apps, shortcuts and passwords stay on this computer.</source>
        <translation>Sinu rakendused, otseteed ja paroolid jäävad sellesse arvutisse.</translation>
    </message>
    <message>
        <source>Show this message on app launch</source>
        <translation>Näita seda teadet rakenduse käivitamisel</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Seaded…</translation>
    </message>
    <message>
        <source>Press %1 to open the ring</source>
        <translation>Ringi avamiseks vajuta %1</translation>
    </message>
    <message>
        <source>No shortcut is assigned yet. Open Settings to choose one.</source>
        <translation>Otseteed pole veel määratud. Ava Seaded, et see valida.</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>X11 seanss</translation>
    </message>
    <message>
        <source>Global keys</source>
        <translation>Globaalsed kiirklahvid</translation>
    </message>
    <message>
        <source>Accessibility bus</source>
        <translation>Hõlbustuste siin</translation>
    </message>
    <message>
        <source>Start Using Kelvaro</source>
        <translation>Alusta Kelvaro kasutamist</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Jätka</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Vali keel</translation>
    </message>
    <message>
        <source>Kelvaro speaks 17 languages. Pick one, or let it follow your system.</source>
        <translation>Kelvaro räägib 17 keelt. Vali üks või lase tal järgida süsteemi keelt.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer. One keystroke away.</source>
        <translation>Kõik sinu avatud rakendused ringis kursori ümber. Ühe klahvivajutuse kaugusel.</translation>
    </message>
    <message>
        <source>Notices the one shortcut you choose</source>
        <translation>Märkab ainult sinu valitud otseteed</translation>
    </message>
    <message>
        <source>Switches apps and sends shortcuts you set up</source>
        <translation>Vahetab rakendusi ja saadab sinu seadistatud otseteid</translation>
    </message>
    <message>
        <source>Never reads what you type</source>
        <translation>Ei loe kunagi, mida sa trükid</translation>
    </message>
    <message>
        <source>Sends nothing it sees here — that stays on this computer</source>
        <translation>Ei saada midagi siin nähtust — see jääb sellesse arvutisse</translation>
    </message>
    <message>
        <source>Needs an X11 Session</source>
        <translation>Vajab X11 seanssi</translation>
    </message>
    <message>
        <source>Turn On the Accessibility Bus</source>
        <translation>Lülita hõlbustuste siin sisse</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Kõik on valmis</translation>
    </message>
    <message>
        <source>Let Kelvaro see your shortcut</source>
        <translation>Lase Kelvarol sinu otseteed näha</translation>
    </message>
    <message>
        <source>Global keys work and the accessibility bus is on. Nothing else to set up.</source>
        <translation>Globaalsed kiirklahvid töötavad ja hõlbustuste siin on sisse lülitatud. Midagi muud pole vaja seadistada.</translation>
    </message>
    <message>
        <source>Linux needs two things for this: an X11 session for the global keys, and the accessibility bus for reading menus and typing passwords.</source>
        <translation>Linux vajab selleks kahte asja: X11 seanssi globaalsete kiirklahvide jaoks ning hõlbustuste siini menüüde lugemiseks ja paroolide sisestamiseks.</translation>
    </message>
    <message>
        <source>No shortcut set</source>
        <translation>Otseteed pole määratud</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Salvesta</translation>
    </message>
    <message>
        <source>Record a different shortcut</source>
        <translation>Salvesta teine otsetee</translation>
    </message>
    <message>
        <source>Use the default instead</source>
        <translation>Kasuta hoopis vaikeotseteed</translation>
    </message>
    <message>
        <source>Hold it — the ring opens.</source>
        <translation>Hoia seda all — ring avaneb.</translation>
    </message>
    <message>
        <source>Point at the app you want.</source>
        <translation>Osuta soovitud rakendusele.</translation>
    </message>
    <message>
        <source>Let go — Kelvaro switches to it.</source>
        <translation>Lase lahti — Kelvaro lülitub sellele.</translation>
    </message>
    <message>
        <source>Your shortcut</source>
        <translation>Sinu otsetee</translation>
    </message>
    <message>
        <source>This is what opens the ring. Keep it, or record your own.</source>
        <translation>See avab ringi. Jäta see alles või salvesta oma.</translation>
    </message>
    <message>
        <source>Click the Kelvaro icon in the tray.</source>
        <translation>Klõpsa süsteemisalves Kelvaro ikoonil.</translation>
    </message>
    <message>
        <source>Settings — add apps, edit shortcuts, change keys.</source>
        <translation>Seaded — lisa rakendusi, muuda otseteid, vaheta klahve.</translation>
    </message>
    <message>
        <source>Kelvaro lives in the tray</source>
        <translation>Kelvaro elab süsteemisalves</translation>
    </message>
    <message>
        <source>It has no window of its own on purpose. Close a window and it keeps running — everything stays one click away in the tray.</source>
        <translation>Sellel pole meelega oma akent. Sulge aken ja see töötab edasi — kõik on süsteemisalves ühe klõpsu kaugusel.</translation>
    </message>
    <message>
        <source>Your settings file was damaged after Kelvaro read it. The damaged file is kept as %1, and your settings were saved again.</source>
        <translation>Sinu seadete fail sai kahjustada pärast seda, kui Kelvaro selle luges. Kahjustatud fail on alles nimega %1 ja sinu seaded salvestati uuesti.</translation>
    </message>
    <message>
        <source>A change to your settings was not made: it would have made the settings file %1 too large to read back.</source>
        <translation>Üht seadete muudatust ei tehtud: see oleks muutnud seadete faili %1 tagasi lugemiseks liiga suureks.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: their addresses are longer than %1 characters.</source>
        <translation>
            <numerusform>%Ln vahekaart jäeti välja: selle aadress on pikem kui %1 märki.</numerusform>
            <numerusform>%Ln vahekaarti jäeti välja: nende aadressid on pikemad kui %1 märki.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: a capture keeps at most %1 tabs.</source>
        <translation>
            <numerusform>%Ln vahekaart jäeti välja: ühes salvestuses on kuni %1 vahekaarti.</numerusform>
            <numerusform>%Ln vahekaarti jäeti välja: ühes salvestuses on kuni %1 vahekaarti.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: the capture would have been too large to keep.</source>
        <translation>
            <numerusform>%Ln vahekaart jäeti välja: salvestus oleks olnud alleshoidmiseks liiga suur.</numerusform>
            <numerusform>%Ln vahekaarti jäeti välja: salvestus oleks olnud alleshoidmiseks liiga suur.</numerusform>
        </translation>
    </message>
    <message>
        <source>The capture was not kept: your settings file would have grown too large.</source>
        <translation>Salvestust ei jäetud alles: sinu seadete fail oleks muutunud liiga suureks.</translation>
    </message>
    <message>
        <source>That password was not accepted. Try again.</source>
        <translation>Seda parooli ei aktsepteeritud. Proovi uuesti.</translation>
    </message>
    <message>
        <source>Your login password was not accepted. No saved password was released.</source>
        <translation>Sinu sisselogimisparooli ei aktsepteeritud. Ühtegi salvestatud parooli ei väljastatud.</translation>
    </message>
    <message>
        <source>Enter your login password to use saved passwords.</source>
        <translation>Salvestatud paroolide kasutamiseks sisesta oma sisselogimisparool.</translation>
    </message>
    <message numerus="yes">
        <source>The window you chose was closed or is no longer in front. Your password is on the clipboard for %n seconds.</source>
        <translation>
            <numerusform>Valitud aken suleti või ei ole enam esiplaanil. Sinu parool on lõikelaual %n sekundi jooksul.</numerusform>
            <numerusform>Valitud aken suleti või ei ole enam esiplaanil. Sinu parool on lõikelaual %n sekundi jooksul.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The password did not arrive in the field. It is on the clipboard for %n seconds: paste it there yourself.</source>
        <translation>
            <numerusform>Parool ei jõudnud välja. See on lõikelaual %n sekundi jooksul: kleebi see ise sinna.</numerusform>
            <numerusform>Parool ei jõudnud välja. See on lõikelaual %n sekundi jooksul: kleebi see ise sinna.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 did not take the password. It is on the clipboard for %n seconds: paste it into the field yourself.</source>
        <translation>
            <numerusform>%1 ei võtnud parooli vastu. See on lõikelaual %n sekundi jooksul: kleebi see ise välja.</numerusform>
            <numerusform>%1 ei võtnud parooli vastu. See on lõikelaual %n sekundi jooksul: kleebi see ise välja.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No text field had the focus. Your password is on the clipboard for %n seconds: paste it.</source>
        <translation>
            <numerusform>Ükski tekstiväli polnud fookuses. Sinu parool on lõikelaual %n sekundi jooksul: kleebi see.</numerusform>
            <numerusform>Ükski tekstiväli polnud fookuses. Sinu parool on lõikelaual %n sekundi jooksul: kleebi see.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your own icon: a PNG of at most 1 MB and 1024 × 1024 pixels.</source>
        <translation>Oma ikoon: PNG-fail, mis on kuni 1 MB ja kuni 1024 × 1024 pikslit.</translation>
    </message>
    <message>
        <source>A name is needed.</source>
        <translation>Nimi on vajalik.</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]</source>
        <translation>Kasutus: %1 [--help | --version]</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Näita seda abi ja välju.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Näita versiooni ja välju.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: this Wayland session has no XWayland (DISPLAY is not set).</source>
        <translation>Kelvaro vajab X11 seanssi: selles Waylandi seansis pole XWaylandi (DISPLAY pole määratud).</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: DISPLAY is not set.</source>
        <translation>Kelvaro vajab X11 seanssi: DISPLAY pole määratud.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: the display %1 cannot be opened.</source>
        <translation>Kelvaro vajab X11 seanssi: ekraani %1 ei saa avada.</translation>
    </message>
    <message>
        <source>This build of Kelvaro cannot send usage data.</source>
        <translation>See Kelvaro järk ei saa kasutusandmeid saata.</translation>
    </message>
    <message>
        <source>Already used by %1.</source>
        <translation>Juba kasutusel: %1.</translation>
    </message>
    <message>
        <source>Empty Bin</source>
        <translation>Tühjenda prügikast</translation>
    </message>
    <message>
        <source>Toggle recording</source>
        <translation>Lülita salvestamine sisse või välja</translation>
    </message>
    <message>
        <source>Could not read the session log %1: %2.</source>
        <translation>Seansilogi %1 ei õnnestunud lugeda: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1: your user may not read %2.</source>
        <translation>Kelvaro ei saa lugeda rakenduse %1 avatud kaarte: teie kasutajal pole luba lugeda %2.</translation>
    </message>
    <message>
        <source>%1 is running, but its session could not be read: %2</source>
        <translation>%1 töötab, kuid selle seanssi ei õnnestunud lugeda: %2</translation>
    </message>
    <message>
        <source>%1 is running, but Kelvaro found no session file in its profile folders.</source>
        <translation>%1 töötab, kuid Kelvaro ei leidnud selle profiilikaustadest ühtegi seansifaili.</translation>
    </message>
    <message>
        <source>%1 is running, but its session has no open web pages.</source>
        <translation>%1 töötab, kuid selle seansis pole avatud veebilehti.</translation>
    </message>
    <message>
        <source>Your saved captures were not changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Sinu salvestatud jäädvustusi ei muudetud: mõnda neist ei õnnestunud lugeda ja sinu seadete failis pole ruumi nende koopia hoidmiseks. Need jäetakse nii, nagu nad on.</translation>
    </message>
    <message>
        <source>The capture was not kept: the saved captures take all the room there is. Delete captures you no longer need, then capture again.</source>
        <translation>Salvestust ei jäetud alles: salvestatud tabid võtavad kogu olemasoleva ruumi. Kustuta salvestused, mida sul enam vaja pole, ja salvesta siis uuesti.</translation>
    </message>
    <message>
        <source>Your launchers cannot be changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Sinu käivitajaid ei saa muuta: mõnda neist ei õnnestunud lugeda ja sinu seadete failis pole ruumi nende koopia hoidmiseks. Need jäetakse nii, nagu nad on.</translation>
    </message>
    <message>
        <source>%1: unknown option: %2</source>
        <translation>%1: tundmatu võti: %2</translation>
    </message>
    <message>
        <source>This build of Kelvaro has no update feed.</source>
        <translation>Sellel Kelvaro järgul pole uuenduste voogu.</translation>
    </message>
</context>
</TS>
