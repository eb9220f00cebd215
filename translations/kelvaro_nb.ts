<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Vis appveksler</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Vis snarveistarter</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Start ved pålogging</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Vis melding ved oppstart</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Kelvaro-hjelp</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Se etter oppdateringer …</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Avslutt Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Kelvaro-innstillinger</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Velkommen til Kelvaro</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Fullskjerm</translation>
    </message>
    <message>
        <source>Window %1</source>
        <translation>Vindu %1</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Kontroll</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Skift</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retur</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Mellomrom</translation>
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
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Pil venstre</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Pil høyre</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Pil opp</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Pil ned</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Åpne…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Arkiver</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Lukk vindu</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Angre</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Lim inn</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Søk</translation>
    </message>
    <message>
        <source>New Finder Window</source>
        <translation>Nytt Finder-vindu</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Ny mappe</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>Vis info</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliser</translation>
    </message>
    <message>
        <source>Go to Downloads</source>
        <translation>Gå til Nedlastinger</translation>
    </message>
    <message>
        <source>Show View Options</source>
        <translation>Vis visningsvalg</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>Ny fane</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nytt vindu</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Lukk fane</translation>
    </message>
    <message>
        <source>Reopen Last Tab</source>
        <translation>Åpne siste fane på nytt</translation>
    </message>
    <message>
        <source>Reload Page</source>
        <translation>Last inn siden på nytt</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>Vis leser</translation>
    </message>
    <message>
        <source>New Private Window</source>
        <translation>Nytt privat vindu</translation>
    </message>
    <message>
        <source>Reopen Closed Tab</source>
        <translation>Åpne lukket fane på nytt</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Last inn på nytt</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>Utviklerverktøy</translation>
    </message>
    <message>
        <source>New Incognito Window</source>
        <translation>Nytt inkognitovindu</translation>
    </message>
    <message>
        <source>New Message</source>
        <translation>Ny melding</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Svar</translation>
    </message>
    <message>
        <source>Reply All</source>
        <translation>Svar alle</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Videresend</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Mailbox Search</source>
        <translation>Søk i postkasse</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Nytt notat</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Sjekkliste</translation>
    </message>
    <message>
        <source>Attach File</source>
        <translation>Legg ved fil</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Søk</translation>
    </message>
    <message>
        <source>Emoji &amp; Symbols</source>
        <translation>Emoji og symboler</translation>
    </message>
    <message>
        <source>New Event</source>
        <translation>Ny hendelse</translation>
    </message>
    <message>
        <source>Go to Today</source>
        <translation>Gå til i dag</translation>
    </message>
    <message>
        <source>Day View</source>
        <translation>Dagvisning</translation>
    </message>
    <message>
        <source>Week View</source>
        <translation>Ukevisning</translation>
    </message>
    <message>
        <source>Month View</source>
        <translation>Månedsvisning</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>Tøm skjermen</translation>
    </message>
    <message>
        <source>Split Pane</source>
        <translation>Del rute</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Kjør</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Bygg</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Open Quickly</source>
        <translation>Åpne raskt</translation>
    </message>
    <message>
        <source>Show Canvas / Assistant</source>
        <translation>Vis lerret / assistent</translation>
    </message>
    <message>
        <source>Quick Open</source>
        <translation>Hurtigåpne</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>Kommandopalett</translation>
    </message>
    <message>
        <source>Toggle Terminal</source>
        <translation>Vis/skjul terminal</translation>
    </message>
    <message>
        <source>Toggle Sidebar</source>
        <translation>Vis/skjul sidepanel</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Ny fil</translation>
    </message>
    <message>
        <source>Quick Switcher</source>
        <translation>Hurtigbytter</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Tråder</translation>
    </message>
    <message>
        <source>Mentions &amp; Reactions</source>
        <translation>Omtaler og reaksjoner</translation>
    </message>
    <message>
        <source>Toggle Mute</source>
        <translation>Demp av/på</translation>
    </message>
    <message>
        <source>Toggle Deafen</source>
        <translation>Slå av/på lyd</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>Innboks</translation>
    </message>
    <message>
        <source>Emoji Picker</source>
        <translation>Emojivelger</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Faktisk størrelse</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom inn</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom ut</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Lysbildefremvisning</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Roter mot venstre</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Spill av/Pause</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Neste spor</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Forrige spor</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Tilfeldig rekkefølge</translation>
    </message>
    <message>
        <source>Show Queue</source>
        <translation>Vis kø</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>New Album</source>
        <translation>Nytt album</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favoritt</translation>
    </message>
    <message>
        <source>Mute Audio</source>
        <translation>Demp lyd</translation>
    </message>
    <message>
        <source>Start Video</source>
        <translation>Start video</translation>
    </message>
    <message>
        <source>Share Screen</source>
        <translation>Del skjerm</translation>
    </message>
    <message>
        <source>Show Chat</source>
        <translation>Vis chat</translation>
    </message>
    <message>
        <source>Show Participants</source>
        <translation>Vis deltakere</translation>
    </message>
    <message>
        <source>New Page</source>
        <translation>Ny side</translation>
    </message>
    <message>
        <source>Add Comment</source>
        <translation>Legg til kommentar</translation>
    </message>
    <message>
        <source>To-do List</source>
        <translation>Gjøremålsliste</translation>
    </message>
    <message>
        <source>Frame Tool</source>
        <translation>Rammeverktøy</translation>
    </message>
    <message>
        <source>Move Tool</source>
        <translation>Flytteverktøy</translation>
    </message>
    <message>
        <source>Text Tool</source>
        <translation>Tekstverktøy</translation>
    </message>
    <message>
        <source>Pen Tool</source>
        <translation>Pennverktøy</translation>
    </message>
    <message>
        <source>Group Selection</source>
        <translation>Grupper markering</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>Nytt dokument</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fet</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Eksporter som PDF</translation>
    </message>
    <message>
        <source>New Spreadsheet</source>
        <translation>Nytt regneark</translation>
    </message>
    <message>
        <source>Add Row Above</source>
        <translation>Legg til rad over</translation>
    </message>
    <message>
        <source>Insert Chart</source>
        <translation>Sett inn diagram</translation>
    </message>
    <message>
        <source>New Presentation</source>
        <translation>Ny presentasjon</translation>
    </message>
    <message>
        <source>Play Slideshow</source>
        <translation>Spill av lysbildefremvisning</translation>
    </message>
    <message>
        <source>New Slide</source>
        <translation>Nytt lysbilde</translation>
    </message>
    <message>
        <source>Presenter Display</source>
        <translation>Presentatørskjerm</translation>
    </message>
    <message>
        <source>Saved earlier</source>
        <translation>Lagret tidligere</translation>
    </message>
    <message>
        <source>No supported browser is running.</source>
        <translation>Ingen støttet nettleser kjører.</translation>
    </message>
    <message>
        <source>Could not read %1&apos;s tabs.</source>
        <translation>Kunne ikke lese fanene i %1.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser&apos;s profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro kan ikke lese de åpne fanene i %1. Kontroller at brukeren din kan lese nettleserens profilmappe i ~/.config og mappen Sessions.</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Passord</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>Legg til app i startprogrammet</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Velg en app som skal legges til i ringen.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Legg til</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Programvareoppdatering</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>En ny versjon er tilgjengelig</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 er klar. Du har %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates</source>
        <translation>Kunne ikke se etter oppdateringer</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Ser etter oppdateringer …</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Du har nyeste versjon</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 er den nyeste versjonen.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Ingen oppdateringskilde er satt opp.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the update server.</source>
        <translation>Fikk ikke kontakt med oppdateringsserveren.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Hopp over denne versjonen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Senere</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Last ned</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro sender nå anonyme bruksdata</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Tidligere versjoner sendte ingenting. Denne rapporterer når appen starter, når en ring åpnes og hvor mange faner en lagring fant.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>Ingen vindustitler, ingen URL-er, ingen filstier og ingenting du skriver.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>La det være på</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Slå av</translation>
    </message>
    <message>
        <source>App Switcher</source>
        <translation>Appveksler</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Snarveistarter</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Lagrede passord</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Lagrede faner</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Åpner ringen med apper som kjører.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Åpner snarveiene du har lagret for appen i forgrunnen.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Åpner ringen med de lagrede passordene dine.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Hold nede modifikatortaster</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Hold modifikatortastene nede for å sikte med musen, og slipp for å velge.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Veksle</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>Ringen forblir åpen når du slipper. Trykk snarveien igjen eller klikk for å velge.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>Ved pekeren</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>Ringen åpnes rundt pekeren, så den alltid er innen rekkevidde.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Midt på skjermen</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>Ringen åpnes alltid midt på skjermen.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Lys</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Mørk</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>Ingen snarvei tilordnet — %1 kan ikke åpnes fra tastaturet.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Legg til Ctrl, Alt eller Super slik at denne snarveien ikke avbryter skrivingen.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Allerede brukt av %1. Velg en annen kombinasjon.</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>Piltastene velger, Retur bytter, Escape lukker.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>Ingen apper</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 av %3</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, vindu %2 av %3: %4</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>Piltastene velger, Retur kjører snarveien, Escape lukker.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>Ingen snarveier</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>Passord %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Side %1 av %2</translation>
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
        <translation>Tast %1</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rettetast</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Kelvaro Ring</source>
        <translation>Kelvaro-ring</translation>
    </message>
    <message>
        <source>Kelvaro App Switcher</source>
        <translation>Kelvaro-appveksler</translation>
    </message>
    <message>
        <source>Your desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Skrivebordet ditt bruker allerede denne snarveien til %1. Den når kanskje ikke Kelvaro.</translation>
    </message>
    <message>
        <source>switching windows</source>
        <translation>å bytte mellom vinduer</translation>
    </message>
    <message>
        <source>switching windows backwards</source>
        <translation>å bytte mellom vinduer baklengs</translation>
    </message>
    <message>
        <source>closing the window</source>
        <translation>å lukke vinduet</translation>
    </message>
    <message>
        <source>running a command</source>
        <translation>å kjøre en kommando</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>å låse skjermen</translation>
    </message>
    <message>
        <source>showing the desktop</source>
        <translation>å vise skrivebordet</translation>
    </message>
    <message>
        <source>opening a terminal</source>
        <translation>å åpne en terminal</translation>
    </message>
    <message>
        <source>logging out</source>
        <translation>å logge ut</translation>
    </message>
    <message>
        <source>switching to a text console</source>
        <translation>å bytte til en tekstkonsoll</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › General › Privacy.</source>
        <translation>Du kan slå det av nå, eller når som helst under Innstillinger › Generelt › Personvern.</translation>
    </message>
    <message>
        <source>Global hotkeys need an X11 session. Choose an X11 (Xorg) session on the login screen, then start Kelvaro again.</source>
        <translation>Globale hurtigtaster krever en X11-økt. Velg en X11-økt (Xorg) på påloggingsskjermen, og start deretter Kelvaro på nytt.</translation>
    </message>
    <message>
        <source>Global Hotkeys Unavailable</source>
        <translation>Globale hurtigtaster er utilgjengelige</translation>
    </message>
    <message>
        <source>Keyboard Access Refused</source>
        <translation>Tastaturtilgang avvist</translation>
    </message>
    <message>
        <source>Accessibility Access Required</source>
        <translation>Tilgang til tilgjengelighet kreves</translation>
    </message>
    <message>
        <source>This is not an X11 session, so Kelvaro cannot watch global hotkeys or raise windows.</source>
        <translation>Dette er ikke en X11-økt, så Kelvaro kan ikke overvåke globale hurtigtaster eller hente fram vinduer.</translation>
    </message>
    <message>
        <source>The X server did not let Kelvaro watch the keyboard, so hotkeys cannot open the rings.</source>
        <translation>X-serveren lot ikke Kelvaro overvåke tastaturet, så hurtigtastene kan ikke åpne ringene.</translation>
    </message>
    <message>
        <source>The accessibility bus is off. Kelvaro needs it to read windows, menus and text fields.</source>
        <translation>Tilgjengelighetsbussen er slått av. Kelvaro trenger den for å lese vinduer, menyer og tekstfelt.</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Slå på</translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>Hvorfor?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Prøv igjen</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Liten</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Middels</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Stor</translation>
    </message>
    <message>
        <source>Relaxed</source>
        <translation>Rolig</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Brisk</source>
        <translation>Rask</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Åpne ved pålogging</translation>
    </message>
    <message>
        <source>Start Kelvaro automatically when you sign in.</source>
        <translation>Start Kelvaro automatisk når du logger på.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Oppstart</translation>
    </message>
    <message>
        <source>Send anonymous usage data</source>
        <translation>Send anonyme bruksdata</translation>
    </message>
    <message>
        <source>Launches, rings opened, and how many tabs a capture found. Never window titles, URLs, file paths or anything you type.</source>
        <translation>Oppstarter, åpnede ringer og hvor mange faner en lagring fant. Aldri vindustitler, URL-er, filstier eller noe du skriver.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Personvern</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Oppførsel</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Aktivering</translation>
    </message>
    <message>
        <source>Open the ring</source>
        <translation>Åpne ringen</translation>
    </message>
    <message>
        <source>Follow the pointer across displays</source>
        <translation>Følg pekeren mellom skjermer</translation>
    </message>
    <message>
        <source>Otherwise the ring always opens on the main display.</source>
        <translation>Ellers åpnes ringen alltid på hovedskjermen.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Utseende</translation>
    </message>
    <message>
        <source>Ring size</source>
        <translation>Ringstørrelse</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>Animasjonshastighet</translation>
    </message>
    <message>
        <source>Tilt the centre icon with the pointer</source>
        <translation>Vipp midtikonet med pekeren</translation>
    </message>
    <message>
        <source>Adds a subtle parallax to the selected app&apos;s icon.</source>
        <translation>Gir ikonet til den valgte appen en subtil parallakseeffekt.</translation>
    </message>
    <message>
        <source>Reduce Motion is on in the desktop&apos;s settings, so animations stay minimal.</source>
        <translation>Reduser bevegelse er slått på i skrivebordsinnstillingene, så animasjonene holdes på et minimum.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versjon</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Se etter oppdateringer automatisk</translation>
    </message>
    <message>
        <source>Once a day, in the background.</source>
        <translation>Én gang om dagen, i bakgrunnen.</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Se etter nå</translation>
    </message>
    <message>
        <source>Kelvaro %1 is available</source>
        <translation>Kelvaro %1 er tilgjengelig</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Oppdatert</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt or Super.</source>
        <translation>Legg til Ctrl, Alt eller Super.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Tastatursnarvei</translation>
    </message>
    <message>
        <source>Activate to record a new shortcut. Press Escape to cancel, Delete to clear.</source>
        <translation>Aktiver for å ta opp en ny snarvei. Trykk Escape for å avbryte og Delete for å tømme.</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Tøm snarvei</translation>
    </message>
    <message>
        <source>Tap a key to finish · Esc to cancel</source>
        <translation>Trykk en tast for å fullføre · Esc for å avbryte</translation>
    </message>
    <message>
        <source>Hold modifiers, then tap a key · Esc to cancel</source>
        <translation>Hold nede modifikatortaster, og trykk så en tast · Esc for å avbryte</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Tar opp</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Ingen handling</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>Flytt %1 opp</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>Flytt %1 ned</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Rediger %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Slett %1</translation>
    </message>
    <message>
        <source>Hold to keep the wheel open</source>
        <translation>Hold nede for å holde ringen åpen</translation>
    </message>
    <message>
        <source>None selected — the wheel stays open until you click or press Escape.</source>
        <translation>Ingen valgt — ringen forblir åpen til du klikker eller trykker Escape.</translation>
    </message>
    <message>
        <source>Keep %1 held while you aim. Release it and the wheel chooses whatever is highlighted.</source>
        <translation>Hold %1 nede mens du sikter. Slipp, så velger ringen det som er uthevet.</translation>
    </message>
    <message>
        <source>Key Binding</source>
        <translation>Tastebinding</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>Trykk snarvei</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>skift</translation>
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
        <translation>mellomrom</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>return</source>
        <translation>retur</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>rettetast</translation>
    </message>
    <message>
        <source>esc</source>
        <translation>esc</translation>
    </message>
    <message>
        <source>Match the system language</source>
        <translation>Bruk systemspråket</translation>
    </message>
    <message>
        <source>The rest of this guide uses your choice.</source>
        <translation>Resten av veiledningen bruker valget ditt.</translation>
    </message>
    <message>
        <source>The interface updates right away.</source>
        <translation>Grensesnittet oppdateres med en gang.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Start på nytt nå</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generelt</translation>
    </message>
    <message>
        <source>Switcher</source>
        <translation>Veksler</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Snarveier</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>Startprogram</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Faner</translation>
    </message>
    <message>
        <source>No passwords yet</source>
        <translation>Ingen passord ennå</translation>
    </message>
    <message>
        <source>No shortcuts yet</source>
        <translation>Ingen snarveier ennå</translation>
    </message>
    <message>
        <source>Select an app</source>
        <translation>Velg en app</translation>
    </message>
    <message>
        <source>Ring preview</source>
        <translation>Forhåndsvisning av ringen</translation>
    </message>
    <message>
        <source>No shortcut assigned</source>
        <translation>Ingen snarvei tilordnet</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Snarvei: %1</translation>
    </message>
    <message>
        <source>This page is not available in this version yet.</source>
        <translation>Denne siden er ikke tilgjengelig i denne versjonen ennå.</translation>
    </message>
    <message>
        <source>Kelvaro wants to unlock your saved passwords</source>
        <translation>Kelvaro vil låse opp de lagrede passordene dine</translation>
    </message>
    <message>
        <source>Unlock Saved Passwords</source>
        <translation>Lås opp lagrede passord</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passord</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Lås opp</translation>
    </message>
    <message>
        <source>Some of your settings could not be read. The settings file as it was is kept as %1.</source>
        <translation>Noen av innstillingene dine kunne ikke leses. Innstillingsfilen slik den var, er tatt vare på som %1.</translation>
    </message>
    <message>
        <source>Your settings file could not be read, so Kelvaro started with default settings. The file is kept as %1.</source>
        <translation>Innstillingsfilen din kunne ikke leses, så Kelvaro startet med standardinnstillingene. Filen er tatt vare på som %1.</translation>
    </message>
    <message>
        <source>Your settings file %1 could not be read, so Kelvaro started with default settings.</source>
        <translation>Innstillingsfilen din %1 kunne ikke leses, så Kelvaro startet med standardinnstillingene.</translation>
    </message>
    <message>
        <source>Your settings cannot be saved to %1 (%2). Changes are kept until Kelvaro quits.</source>
        <translation>Innstillingene dine kan ikke lagres i %1 (%2). Endringene beholdes til Kelvaro avsluttes.</translation>
    </message>
    <message>
        <source>Choose an icon</source>
        <translation>Velg et ikon</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Rediger konto</translation>
    </message>
    <message>
        <source>Add Account</source>
        <translation>Legg til konto</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Ikon</translation>
    </message>
    <message>
        <source>Work mail</source>
        <translation>Jobb-e-post</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
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
        <translation>Legg til passord for denne kontoen fra listen etter at du har lagret.</translation>
    </message>
    <message>
        <source>Add Another Password</source>
        <translation>Legg til et passord til</translation>
    </message>
    <message>
        <source>Each password is saved under this account. Several passwords open an arc on the ring.</source>
        <translation>Hvert passord lagres under denne kontoen. Flere passord åpner en bue på ringen.</translation>
    </message>
    <message>
        <source>Shown in the arc when this account has more than one password.</source>
        <translation>Vises i buen når denne kontoen har mer enn ett passord.</translation>
    </message>
    <message>
        <source>Edit Password</source>
        <translation>Rediger passord</translation>
    </message>
    <message>
        <source>Add Password</source>
        <translation>Legg til passord</translation>
    </message>
    <message>
        <source>Add Passwords</source>
        <translation>Legg til passord</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Passwords</source>
        <translation>
            <numerusform>Legg til %n passord</numerusform>
            <numerusform>Legg til %n passord</numerusform>
        </translation>
    </message>
    <message>
        <source>Hide the password</source>
        <translation>Skjul passordet</translation>
    </message>
    <message>
        <source>Show the password</source>
        <translation>Vis passordet</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etikett</translation>
    </message>
    <message>
        <source>Remove this password</source>
        <translation>Fjern dette passordet</translation>
    </message>
    <message>
        <source>Hint (optional)</source>
        <translation>Hint (valgfritt)</translation>
    </message>
    <message>
        <source>ends 4471</source>
        <translation>slutter på 4471</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Your desktop keyring did not store the password “%1”, so it was not saved. Unlock the keyring and try again.</source>
        <translation>Skrivebordets nøkkelring lagret ikke passordet «%1», så det ble ikke lagret. Lås opp nøkkelringen og prøv igjen.</translation>
    </message>
    <message>
        <source>Accounts &amp; Passwords</source>
        <translation>Kontoer og passord</translation>
    </message>
    <message>
        <source>Stored in your desktop keyring (Secret Service), readable only while your session is unlocked. Choosing one fills the focused text field when you can type, otherwise copies to the clipboard (cleared after 45 seconds). An account with more than one password shows them in an arc beside its wedge.</source>
        <translation>Lagres i skrivebordets nøkkelring (Secret Service) og kan bare leses mens økten din er låst opp. Når du velger et passord, fylles det inn i tekstfeltet som har fokus hvis du kan skrive der, ellers kopieres det til utklippstavlen (tømmes etter 45 sekunder). En konto med mer enn ett passord viser dem i en bue ved siden av sektoren sin.</translation>
    </message>
    <message>
        <source>1 password</source>
        <translation>1 passord</translation>
    </message>
    <message numerus="yes">
        <source>%n passwords</source>
        <translation>
            <numerusform>%n passord</numerusform>
            <numerusform>%n passord</numerusform>
        </translation>
    </message>
    <message>
        <source>No accounts yet</source>
        <translation>Ingen kontoer ennå</translation>
    </message>
    <message>
        <source>Edit this account</source>
        <translation>Rediger denne kontoen</translation>
    </message>
    <message>
        <source>Delete this account</source>
        <translation>Slett denne kontoen</translation>
    </message>
    <message>
        <source>Add an account, then add passwords under it.</source>
        <translation>Legg til en konto, og legg deretter til passord under den.</translation>
    </message>
    <message>
        <source>No passwords for this account yet.</source>
        <translation>Ingen passord for denne kontoen ennå.</translation>
    </message>
    <message>
        <source>Add the passwords that belong to this email.</source>
        <translation>Legg til passordene som hører til denne e-postadressen.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Flytt opp</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Flytt ned</translation>
    </message>
    <message>
        <source>Edit this password</source>
        <translation>Rediger dette passordet</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Fjern %1</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Kontoer</translation>
    </message>
    <message>
        <source>Delete the account “%1”?</source>
        <translation>Vil du slette kontoen «%1»?</translation>
    </message>
    <message numerus="yes">
        <source>Its %n password(s) will be removed from your desktop keyring.</source>
        <translation>
            <numerusform>Kontoens %n passord fjernes fra skrivebordets nøkkelring.</numerusform>
            <numerusform>Kontoens %n passord fjernes fra skrivebordets nøkkelring.</numerusform>
        </translation>
    </message>
    <message>
        <source>No shortcut assigned — this launcher can&apos;t be opened from the keyboard.</source>
        <translation>Ingen snarvei tilordnet — dette startprogrammet kan ikke åpnes fra tastaturet.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from your browsers.</source>
        <translation>Åpner fanene du har lagret fra nettleserne dine.</translation>
    </message>
    <message>
        <source>Search Icon</source>
        <translation>Søk etter ikon</translation>
    </message>
    <message>
        <source>Icon Name</source>
        <translation>Ikonnavn</translation>
    </message>
    <message>
        <source>Upload PNG…</source>
        <translation>Last opp PNG …</translation>
    </message>
    <message>
        <source>Use your own image, up to 1 MB</source>
        <translation>Bruk ditt eget bilde, opptil 1 MB</translation>
    </message>
    <message>
        <source>Pick Icon</source>
        <translation>Velg ikon</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>Ingen resultater for «%1»</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-bilder (*.png)</translation>
    </message>
    <message>
        <source>Could not add icon</source>
        <translation>Kunne ikke legge til ikonet</translation>
    </message>
    <message>
        <source>Keystroke</source>
        <translation>Tastetrykk</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Lenke</translation>
    </message>
    <message>
        <source>Sent to the app in front, as if you pressed it yourself.</source>
        <translation>Sendes til appen i forgrunnen, som om du trykket selv.</translation>
    </message>
    <message>
        <source>Copied to the clipboard, ready to paste.</source>
        <translation>Kopieres til utklippstavlen, klar til å limes inn.</translation>
    </message>
    <message>
        <source>Opened in your default browser.</source>
        <translation>Åpnes i standardnettleseren din.</translation>
    </message>
    <message>
        <source>Edit Shortcut</source>
        <translation>Rediger snarvei</translation>
    </message>
    <message>
        <source>New Shortcut</source>
        <translation>Ny snarvei</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>for %1</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Handling</translation>
    </message>
    <message>
        <source>Keystroke to send</source>
        <translation>Tastetrykk som skal sendes</translation>
    </message>
    <message>
        <source>Add Shortcut</source>
        <translation>Legg til snarvei</translation>
    </message>
    <message>
        <source>Give the shortcut a name.</source>
        <translation>Gi snarveien et navn.</translation>
    </message>
    <message>
        <source>Record the keystroke to send.</source>
        <translation>Ta opp tastetrykket som skal sendes.</translation>
    </message>
    <message>
        <source>Enter the text to copy.</source>
        <translation>Skriv inn teksten som skal kopieres.</translation>
    </message>
    <message>
        <source>Enter a link to open.</source>
        <translation>Skriv inn en lenke som skal åpnes.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like a valid link.</source>
        <translation>Det ser ikke ut som en gyldig lenke.</translation>
    </message>
    <message>
        <source>Suggested shortcuts for %1</source>
        <translation>Foreslåtte snarveier for %1</translation>
    </message>
    <message>
        <source>Pick the ones you want on the ring. You can edit them later.</source>
        <translation>Velg de du vil ha på ringen. Du kan redigere dem senere.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Hopp over</translation>
    </message>
    <message>
        <source>Add 1 Shortcut</source>
        <translation>Legg til 1 snarvei</translation>
    </message>
    <message>
        <source>Add Shortcuts</source>
        <translation>Legg til snarveier</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Shortcuts</source>
        <translation>
            <numerusform>Legg til %n snarvei</numerusform>
            <numerusform>Legg til %n snarveier</numerusform>
        </translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Fjern markering av alle</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Marker alle</translation>
    </message>
    <message numerus="yes">
        <source>Found %n shortcuts in the menus.</source>
        <translation>
            <numerusform>Fant %n snarvei i menyene.</numerusform>
            <numerusform>Fant %n snarveier i menyene.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open the app first, then import again.</source>
        <translation>Åpne appen først, og importer deretter på nytt.</translation>
    </message>
    <message>
        <source>Reading menus needs the desktop&apos;s accessibility bus, which is off.</source>
        <translation>Lesing av menyer krever skrivebordets tilgjengelighetsbuss, som er slått av.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read this app&apos;s menus.</source>
        <translation>Kunne ikke lese menyene til denne appen.</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>Foreslått</translation>
    </message>
    <message>
        <source>From Menus</source>
        <translation>Fra menyer</translation>
    </message>
    <message>
        <source>Reading menus…</source>
        <translation>Leser menyer …</translation>
    </message>
    <message>
        <source>Open App &amp; Import Menus</source>
        <translation>Åpne appen og importer menyer</translation>
    </message>
    <message>
        <source>Import from Menus</source>
        <translation>Importer fra menyer</translation>
    </message>
    <message>
        <source>Pick a PNG file. Folders, links and devices cannot be used.</source>
        <translation>Velg en PNG-fil. Mapper, lenker og enheter kan ikke brukes.</translation>
    </message>
    <message>
        <source>Pick a PNG smaller than 1 MB.</source>
        <translation>Velg en PNG som er mindre enn 1 MB.</translation>
    </message>
    <message>
        <source>Pick a PNG of at most 1024 × 1024 pixels.</source>
        <translation>Velg en PNG på høyst 1024 × 1024 piksler.</translation>
    </message>
    <message>
        <source>That file could not be read as a PNG.</source>
        <translation>Filen kunne ikke leses som PNG.</translation>
    </message>
    <message>
        <source>The icon could not be saved: %1</source>
        <translation>Ikonet kunne ikke lagres: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Kunne ikke åpne %1: %2</translation>
    </message>
    <message>
        <source>The Firefox session file %1 is too large to read.</source>
        <translation>Firefox-øktfilen %1 er for stor til å leses.</translation>
    </message>
    <message>
        <source>Could not read the Firefox session file %1: %2.</source>
        <translation>Kunne ikke lese Firefox-øktfilen %1: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read its profile folder in ~/.mozilla/firefox.</source>
        <translation>Kelvaro kan ikke lese de åpne fanene i %1. Kontroller at brukeren din kan lese profilmappen i ~/.mozilla/firefox.</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs.</source>
        <translation>
            <numerusform>Lagret %n fane.</numerusform>
            <numerusform>Lagret %n faner.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs from %1.</source>
        <translation>
            <numerusform>Lagret %n fane fra %1.</numerusform>
            <numerusform>Lagret %n faner fra %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 fra %2</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs — %1.</source>
        <translation>
            <numerusform>Lagret %n fane — %1.</numerusform>
            <numerusform>Lagret %n faner — %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier capture kept.</source>
        <translation>1 tidligere lagring er beholdt.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier captures kept.</source>
        <translation>
            <numerusform>%n tidligere lagring er beholdt.</numerusform>
            <numerusform>%n tidligere lagringer er beholdt.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 tab</source>
        <translation>1 fane</translation>
    </message>
    <message numerus="yes">
        <source>%n tabs</source>
        <translation>
            <numerusform>%n fane</numerusform>
            <numerusform>%n faner</numerusform>
        </translation>
    </message>
    <message>
        <source>Browsers &amp; Tabs</source>
        <translation>Nettlesere og faner</translation>
    </message>
    <message>
        <source>Reads every tab open in Chrome, Brave, Edge, Vivaldi, Opera, Chromium and Firefox from the session files in their profile folders, and keeps them here so you can reopen them after the browser is closed. Each capture is kept as its own session; the ring shows the chosen one, ten tabs at a time.</source>
        <translation>Leser alle faner som er åpne i Chrome, Brave, Edge, Vivaldi, Opera, Chromium og Firefox fra øktfilene i profilmappene deres, og tar vare på dem her slik at du kan åpne dem på nytt etter at nettleseren er lukket. Hver lagring beholdes som en egen økt; ringen viser den valgte, ti faner om gangen.</translation>
    </message>
    <message>
        <source>Nothing captured yet</source>
        <translation>Ingenting lagret ennå</translation>
    </message>
    <message>
        <source>Capturing…</source>
        <translation>Lagrer …</translation>
    </message>
    <message>
        <source>Capture Tabs</source>
        <translation>Lagre faner</translation>
    </message>
    <message>
        <source>Rename this capture</source>
        <translation>Gi nytt navn til denne lagringen</translation>
    </message>
    <message>
        <source>Delete this capture</source>
        <translation>Slett denne lagringen</translation>
    </message>
    <message>
        <source>No tabs captured yet.</source>
        <translation>Ingen faner lagret ennå.</translation>
    </message>
    <message>
        <source>Open a browser and capture what it has open.</source>
        <translation>Åpne en nettleser og lagre det den har åpent.</translation>
    </message>
    <message>
        <source>No open tabs to capture.</source>
        <translation>Ingen åpne faner å lagre.</translation>
    </message>
    <message>
        <source>Rename Capture</source>
        <translation>Gi nytt navn til lagring</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Gi nytt navn</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Lagringer</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Legg til app</translation>
    </message>
    <message>
        <source>1 app</source>
        <translation>1 app</translation>
    </message>
    <message numerus="yes">
        <source>%n apps</source>
        <translation>
            <numerusform>%n app</numerusform>
            <numerusform>%n apper</numerusform>
        </translation>
    </message>
    <message>
        <source>No apps added yet.</source>
        <translation>Ingen apper lagt til ennå.</translation>
    </message>
    <message>
        <source>Choose apps this launcher should show in the ring.</source>
        <translation>Velg hvilke apper dette startprogrammet skal vise i ringen.</translation>
    </message>
    <message>
        <source>Launchers &amp; Apps</source>
        <translation>Startprogrammer og apper</translation>
    </message>
    <message>
        <source>New Launcher</source>
        <translation>Nytt startprogram</translation>
    </message>
    <message>
        <source>Rename Launcher</source>
        <translation>Gi nytt navn til startprogram</translation>
    </message>
    <message>
        <source>Opens this launcher.</source>
        <translation>Åpner dette startprogrammet.</translation>
    </message>
    <message>
        <source>No launchers yet</source>
        <translation>Ingen startprogrammer ennå</translation>
    </message>
    <message>
        <source>Add Launcher</source>
        <translation>Legg til startprogram</translation>
    </message>
    <message>
        <source>Rename this launcher</source>
        <translation>Gi nytt navn til dette startprogrammet</translation>
    </message>
    <message>
        <source>Delete this launcher</source>
        <translation>Slett dette startprogrammet</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>Startprogrammer</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Foreslå</translation>
    </message>
    <message>
        <source>Apps &amp; Shortcuts</source>
        <translation>Apper og snarveier</translation>
    </message>
    <message>
        <source>1 shortcut</source>
        <translation>1 snarvei</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts</source>
        <translation>
            <numerusform>%n snarvei</numerusform>
            <numerusform>%n snarveier</numerusform>
        </translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Velg app</translation>
    </message>
    <message>
        <source>Choose an application to add shortcuts for</source>
        <translation>Velg et program du vil legge til snarveier for</translation>
    </message>
    <message>
        <source>No apps added yet</source>
        <translation>Ingen apper lagt til ennå</translation>
    </message>
    <message>
        <source>Remove this app</source>
        <translation>Fjern denne appen</translation>
    </message>
    <message>
        <source>Add suggested shortcuts for this app</source>
        <translation>Legg til foreslåtte snarveier for denne appen</translation>
    </message>
    <message>
        <source>Add keyboard shortcuts, text snippets or links for %1.</source>
        <translation>Legg til tastatursnarveier, tekstbiter eller lenker for %1.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Programmer</translation>
    </message>
    <message>
        <source>Kelvaro is Now Running</source>
        <translation>Kelvaro kjører nå</translation>
    </message>
    <message>
        <source>The two rings</source>
        <translation>De to ringene</translation>
    </message>
    <message>
        <source>Hold its shortcut, aim at an app with the pointer, let go. The ring opens around your pointer or in the middle of the display — your choice, under Settings › General.</source>
        <translation>Hold nede snarveien, sikt på en app med pekeren og slipp. Ringen åpnes rundt pekeren eller midt på skjermen — du velger under Innstillinger › Generelt.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for whichever app is in front, so you can drive that app by its own keyboard shortcuts without remembering them.</source>
        <translation>Åpner snarveiene du har lagret for appen i forgrunnen, slik at du kan styre appen med dens egne tastatursnarveier uten å måtte huske dem.</translation>
    </message>
    <message>
        <source>Choosing between windows</source>
        <translation>Velge mellom vinduer</translation>
    </message>
    <message>
        <source>The window arc</source>
        <translation>Vindusbuen</translation>
    </message>
    <message>
        <source>When the highlighted app has more than one window, a quarter-arc appears beside it listing them. Keep moving outward onto the arc to pick a window instead of just the app.</source>
        <translation>Når den uthevede appen har mer enn ett vindu, vises en kvartbue ved siden av den med vinduene. Fortsett utover på buen for å velge et vindu i stedet for bare appen.</translation>
    </message>
    <message>
        <source>The arc never appears</source>
        <translation>Buen vises aldri</translation>
    </message>
    <message>
        <source>It only appears for an app with more than one window: an app with a single window has nothing to choose between, so the arc stays hidden.</source>
        <translation>Den vises bare for apper med mer enn ett vindu: en app med bare ett vindu har ingenting å velge mellom, så buen forblir skjult.</translation>
    </message>
    <message>
        <source>Changing a binding</source>
        <translation>Endre en tastebinding</translation>
    </message>
    <message>
        <source>Settings › Switcher or Shortcuts, then click the recorder and press the combination you want. Add Ctrl, Alt or Super so it can&apos;t fire while you&apos;re typing.</source>
        <translation>Innstillinger › Veksler eller Snarveier, klikk deretter på opptaksfeltet og trykk kombinasjonen du vil ha. Legg til Ctrl, Alt eller Super slik at den ikke kan utløses mens du skriver.</translation>
    </message>
    <message>
        <source>Hold versus toggle</source>
        <translation>Holde nede eller veksle</translation>
    </message>
    <message>
        <source>By default the ring stays open while you hold the shortcut&apos;s modifiers and commits when you let go. Settings › General can switch it to stay open until you press again or click.</source>
        <translation>Som standard forblir ringen åpen mens du holder nede modifikatortastene i snarveien, og valget bekreftes når du slipper. Under Innstillinger › Generelt kan du endre det slik at den forblir åpen til du trykker igjen eller klikker.</translation>
    </message>
    <message>
        <source>If nothing happens</source>
        <translation>Hvis ingenting skjer</translation>
    </message>
    <message>
        <source>Desktop access</source>
        <translation>Skrivebordstilgang</translation>
    </message>
    <message>
        <source>Global shortcuts need an X11 session, and reading menus or typing passwords needs the accessibility bus. Settings shows a banner whenever something is missing, with a button that turns the accessibility bus on.</source>
        <translation>Globale snarveier krever en X11-økt, og lesing av menyer eller skriving av passord krever tilgjengelighetsbussen. Innstillinger viser et banner når noe mangler, med en knapp som slår på tilgjengelighetsbussen.</translation>
    </message>
    <message>
        <source>Finding the app</source>
        <translation>Finne appen</translation>
    </message>
    <message>
        <source>Kelvaro has no window of its own on purpose. It lives in the tray; closing a window doesn&apos;t quit it.</source>
        <translation>Kelvaro har med vilje ikke noe eget vindu. Det ligger i systemkurven; å lukke et vindu avslutter ikke Kelvaro.</translation>
    </message>
    <message>
        <source>Starting over</source>
        <translation>Begynne på nytt</translation>
    </message>
    <message>
        <source>Starting Kelvaro again while it runs opens its settings, or the walkthrough while that is unfinished.</source>
        <translation>Hvis du starter Kelvaro igjen mens det kjører, åpnes innstillingene, eller veiledningen hvis den ikke er fullført.</translation>
    </message>
    <message>
        <source>This is the cause of most &quot;nothing happens&quot; reports.</source>
        <translation>Dette er årsaken til de fleste rapporter om at «ingenting skjer».</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer.</source>
        <translation>Alle appene du har åpne, i en ring rundt pekeren.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Kontakt brukerstøtte</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>Brukerstøtteside</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Personvernerklæring</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Bruksvilkår</translation>
    </message>
    <message>
        <source>Kelvaro %1</source>
        <translation>Kelvaro %1</translation>
    </message>
    <message>
        <source>Your apps, shortcuts and passwords stay on this computer.</source>
        <translation>Appene, snarveiene og passordene dine blir på denne datamaskinen.</translation>
    </message>
    <message>
        <source>Show this message on app launch</source>
        <translation>Vis denne meldingen ved oppstart</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Innstillinger …</translation>
    </message>
    <message>
        <source>Press %1 to open the ring</source>
        <translation>Trykk %1 for å åpne ringen</translation>
    </message>
    <message>
        <source>No shortcut is assigned yet. Open Settings to choose one.</source>
        <translation>Ingen snarvei er tilordnet ennå. Åpne Innstillinger for å velge en.</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>X11-økt</translation>
    </message>
    <message>
        <source>Global keys</source>
        <translation>Globale taster</translation>
    </message>
    <message>
        <source>Accessibility bus</source>
        <translation>Tilgjengelighetsbuss</translation>
    </message>
    <message>
        <source>Start Using Kelvaro</source>
        <translation>Begynn å bruke Kelvaro</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Velg språk</translation>
    </message>
    <message>
        <source>Kelvaro speaks 17 languages. Pick one, or let it follow your system.</source>
        <translation>Kelvaro snakker 17 språk. Velg ett, eller la Kelvaro følge systemet.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer. One keystroke away.</source>
        <translation>Alle appene du har åpne, i en ring rundt pekeren. Bare ett tastetrykk unna.</translation>
    </message>
    <message>
        <source>Notices the one shortcut you choose</source>
        <translation>Legger bare merke til den ene snarveien du velger</translation>
    </message>
    <message>
        <source>Switches apps and sends shortcuts you set up</source>
        <translation>Bytter apper og sender snarveier du setter opp</translation>
    </message>
    <message>
        <source>Never reads what you type</source>
        <translation>Leser aldri det du skriver</translation>
    </message>
    <message>
        <source>Sends nothing it sees here — that stays on this computer</source>
        <translation>Sender ingenting av det som vises her — det blir på denne datamaskinen</translation>
    </message>
    <message>
        <source>Needs an X11 Session</source>
        <translation>Krever en X11-økt</translation>
    </message>
    <message>
        <source>Turn On the Accessibility Bus</source>
        <translation>Slå på tilgjengelighetsbussen</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Alt er klart</translation>
    </message>
    <message>
        <source>Let Kelvaro see your shortcut</source>
        <translation>La Kelvaro se snarveien din</translation>
    </message>
    <message>
        <source>Global keys work and the accessibility bus is on. Nothing else to set up.</source>
        <translation>Globale taster virker, og tilgjengelighetsbussen er slått på. Ingenting mer å sette opp.</translation>
    </message>
    <message>
        <source>Linux needs two things for this: an X11 session for the global keys, and the accessibility bus for reading menus and typing passwords.</source>
        <translation>Linux trenger to ting for dette: en X11-økt for de globale tastene, og tilgjengelighetsbussen for å lese menyer og skrive passord.</translation>
    </message>
    <message>
        <source>No shortcut set</source>
        <translation>Ingen snarvei angitt</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Ta opp</translation>
    </message>
    <message>
        <source>Record a different shortcut</source>
        <translation>Ta opp en annen snarvei</translation>
    </message>
    <message>
        <source>Use the default instead</source>
        <translation>Bruk standardsnarveien i stedet</translation>
    </message>
    <message>
        <source>Hold it — the ring opens.</source>
        <translation>Hold den nede — ringen åpnes.</translation>
    </message>
    <message>
        <source>Point at the app you want.</source>
        <translation>Pek på appen du vil ha.</translation>
    </message>
    <message>
        <source>Let go — Kelvaro switches to it.</source>
        <translation>Slipp — Kelvaro bytter til den.</translation>
    </message>
    <message>
        <source>Your shortcut</source>
        <translation>Snarveien din</translation>
    </message>
    <message>
        <source>This is what opens the ring. Keep it, or record your own.</source>
        <translation>Det er denne som åpner ringen. Behold den, eller ta opp din egen.</translation>
    </message>
    <message>
        <source>Click the Kelvaro icon in the tray.</source>
        <translation>Klikk på Kelvaro-ikonet i systemkurven.</translation>
    </message>
    <message>
        <source>Settings — add apps, edit shortcuts, change keys.</source>
        <translation>Innstillinger — legg til apper, rediger snarveier, endre taster.</translation>
    </message>
    <message>
        <source>Kelvaro lives in the tray</source>
        <translation>Kelvaro bor i systemkurven</translation>
    </message>
    <message>
        <source>It has no window of its own on purpose. Close a window and it keeps running — everything stays one click away in the tray.</source>
        <translation>Det har med vilje ikke noe eget vindu. Lukk et vindu, så fortsetter det å kjøre — alt er bare ett klikk unna i systemkurven.</translation>
    </message>
    <message>
        <source>Your settings file was damaged after Kelvaro read it. The damaged file is kept as %1, and your settings were saved again.</source>
        <translation>Innstillingsfilen din ble skadet etter at Kelvaro leste den. Den skadede filen er tatt vare på som %1, og innstillingene dine ble lagret på nytt.</translation>
    </message>
    <message>
        <source>A change to your settings was not made: it would have made the settings file %1 too large to read back.</source>
        <translation>En endring i innstillingene dine ble ikke gjort: den ville gjort innstillingsfilen %1 for stor til å leses inn igjen.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: their addresses are longer than %1 characters.</source>
        <translation>
            <numerusform>%Ln fane ble utelatt: adressen er lengre enn %1 tegn.</numerusform>
            <numerusform>%Ln faner ble utelatt: adressene er lengre enn %1 tegn.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: a capture keeps at most %1 tabs.</source>
        <translation>
            <numerusform>%Ln fane ble utelatt: en lagring tar vare på høyst %1 faner.</numerusform>
            <numerusform>%Ln faner ble utelatt: en lagring tar vare på høyst %1 faner.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: the capture would have been too large to keep.</source>
        <translation>
            <numerusform>%Ln fane ble utelatt: lagringen ville blitt for stor til å ta vare på.</numerusform>
            <numerusform>%Ln faner ble utelatt: lagringen ville blitt for stor til å ta vare på.</numerusform>
        </translation>
    </message>
    <message>
        <source>The capture was not kept: your settings file would have grown too large.</source>
        <translation>Lagringen ble ikke tatt vare på: innstillingsfilen din ville blitt for stor.</translation>
    </message>
    <message>
        <source>That password was not accepted. Try again.</source>
        <translation>Passordet ble ikke godtatt. Prøv igjen.</translation>
    </message>
    <message>
        <source>Your login password was not accepted. No saved password was released.</source>
        <translation>Påloggingspassordet ditt ble ikke godtatt. Ingen lagrede passord ble utlevert.</translation>
    </message>
    <message>
        <source>Enter your login password to use saved passwords.</source>
        <translation>Skriv inn påloggingspassordet ditt for å bruke lagrede passord.</translation>
    </message>
    <message numerus="yes">
        <source>The window you chose was closed or is no longer in front. Your password is on the clipboard for %n seconds.</source>
        <translation>
            <numerusform>Vinduet du valgte, ble lukket eller er ikke lenger i forgrunnen. Passordet ditt ligger på utklippstavlen i %n sekund.</numerusform>
            <numerusform>Vinduet du valgte, ble lukket eller er ikke lenger i forgrunnen. Passordet ditt ligger på utklippstavlen i %n sekunder.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The password did not arrive in the field. It is on the clipboard for %n seconds: paste it there yourself.</source>
        <translation>
            <numerusform>Passordet kom ikke fram til feltet. Det ligger på utklippstavlen i %n sekund: lim det inn der selv.</numerusform>
            <numerusform>Passordet kom ikke fram til feltet. Det ligger på utklippstavlen i %n sekunder: lim det inn der selv.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 did not take the password. It is on the clipboard for %n seconds: paste it into the field yourself.</source>
        <translation>
            <numerusform>%1 tok ikke imot passordet. Det ligger på utklippstavlen i %n sekund: lim det inn i feltet selv.</numerusform>
            <numerusform>%1 tok ikke imot passordet. Det ligger på utklippstavlen i %n sekunder: lim det inn i feltet selv.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No text field had the focus. Your password is on the clipboard for %n seconds: paste it.</source>
        <translation>
            <numerusform>Ingen tekstfelt hadde fokus. Passordet ditt ligger på utklippstavlen i %n sekund: lim det inn.</numerusform>
            <numerusform>Ingen tekstfelt hadde fokus. Passordet ditt ligger på utklippstavlen i %n sekunder: lim det inn.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your own icon: a PNG of at most 1 MB and 1024 × 1024 pixels.</source>
        <translation>Ditt eget ikon: en PNG på høyst 1 MB og 1024 × 1024 piksler.</translation>
    </message>
    <message>
        <source>A name is needed.</source>
        <translation>Et navn er påkrevd.</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]</source>
        <translation>Bruk: %1 [--help | --version]</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Vis denne hjelpen og avslutt.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Vis versjonen og avslutt.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: this Wayland session has no XWayland (DISPLAY is not set).</source>
        <translation>Kelvaro trenger en X11-økt: denne Wayland-økten har ikke XWayland (DISPLAY er ikke satt).</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: DISPLAY is not set.</source>
        <translation>Kelvaro trenger en X11-økt: DISPLAY er ikke satt.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: the display %1 cannot be opened.</source>
        <translation>Kelvaro trenger en X11-økt: skjermen %1 kan ikke åpnes.</translation>
    </message>
    <message>
        <source>This build of Kelvaro cannot send usage data.</source>
        <translation>Denne utgaven av Kelvaro kan ikke sende bruksdata.</translation>
    </message>
    <message>
        <source>Already used by %1.</source>
        <translation>Allerede brukt av %1.</translation>
    </message>
    <message>
        <source>Empty Bin</source>
        <translation>Tøm papirkurven</translation>
    </message>
    <message>
        <source>Toggle recording</source>
        <translation>Slå opptak av/på</translation>
    </message>
    <message>
        <source>Could not read the session log %1: %2.</source>
        <translation>Kunne ikke lese øktloggen %1: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1: your user may not read %2.</source>
        <translation>Kelvaro kan ikke lese de åpne fanene i %1: brukeren din har ikke lov til å lese %2.</translation>
    </message>
    <message>
        <source>%1 is running, but its session could not be read: %2</source>
        <translation>%1 kjører, men økten kunne ikke leses: %2</translation>
    </message>
    <message>
        <source>%1 is running, but Kelvaro found no session file in its profile folders.</source>
        <translation>%1 kjører, men Kelvaro fant ingen øktfil i profilmappene.</translation>
    </message>
    <message>
        <source>%1 is running, but its session has no open web pages.</source>
        <translation>%1 kjører, men økten har ingen åpne nettsider.</translation>
    </message>
    <message>
        <source>Your saved captures were not changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>De lagrede opptakene dine ble ikke endret: noen av dem kunne ikke leses, og det er ikke plass i innstillingsfilen til å ta vare på en kopi av dem. De blir liggende som de er.</translation>
    </message>
    <message>
        <source>The capture was not kept: the saved captures take all the room there is. Delete captures you no longer need, then capture again.</source>
        <translation>Lagringen ble ikke beholdt: de lagrede fanene tar all plassen som finnes. Slett lagringer du ikke lenger trenger, og lagre deretter på nytt.</translation>
    </message>
    <message>
        <source>Your launchers cannot be changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Oppstarterne dine kan ikke endres: noen av dem kunne ikke leses, og det er ikke plass i innstillingsfilen til å ta vare på en kopi av dem. De blir liggende som de er.</translation>
    </message>
    <message>
        <source>%1: unknown option: %2</source>
        <translation>%1: ukjent valg: %2</translation>
    </message>
    <message>
        <source>This build of Kelvaro has no update feed.</source>
        <translation>Denne versjonen av Kelvaro har ingen oppdateringskilde.</translation>
    </message>
</context>
</TS>
