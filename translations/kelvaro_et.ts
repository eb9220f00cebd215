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
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Application switcher</source>
        <translation>Rakenduste vahetaja</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Välju</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Sulge aken</translation>
    </message>
    <message>
        <source>Hide application</source>
        <translation>Peida rakendus</translation>
    </message>
    <message>
        <source>Minimise window</source>
        <translation>Minimeeri aken</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Ekraanipilt</translation>
    </message>
    <message>
        <source>Screenshot selection</source>
        <translation>Valitud ala ekraanipilt</translation>
    </message>
    <message>
        <source>Screenshot options</source>
        <translation>Ekraanipildi valikud</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Lukusta ekraan</translation>
    </message>
    <message>
        <source>Mission Control</source>
        <translation>Mission Control</translation>
    </message>
    <message>
        <source>Application windows</source>
        <translation>Rakenduse aknad</translation>
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
        <source>You can turn it off now, or at any time in Settings › Privacy.</source>
        <translation>Saad selle kohe või igal ajal välja lülitada: Seaded › Privaatsus.</translation>
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
        <source>Opens the tabs you captured from Chrome.</source>
        <translation>Avab Chrome&apos;ist salvestatud vahekaardid.</translation>
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
        <source>The desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Töölaud kasutab seda juba: %1. See ei pruugi Kelvaroni jõuda.</translation>
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
</context>
</TS>
