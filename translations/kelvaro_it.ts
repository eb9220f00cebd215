<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Mostra selettore app</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Mostra launcher abbreviazioni</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Apri al login</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Mostra messaggio all’avvio</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Aiuto di Kelvaro</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Cerca aggiornamenti…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Esci da Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Impostazioni di Kelvaro</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Benvenuto in Kelvaro</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Window %1</source>
        <translation>Finestra %1</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Controllo</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maiusc</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Invio</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Canc</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Pagina su</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Pagina giù</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Freccia sinistra</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Freccia destra</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Freccia su</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Freccia giù</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Apri…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Chiudi finestra</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>New Finder Window</source>
        <translation>Nuova finestra di Finder</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nuova cartella</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>Ottieni informazioni</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplica</translation>
    </message>
    <message>
        <source>Go to Downloads</source>
        <translation>Vai a Download</translation>
    </message>
    <message>
        <source>Show View Options</source>
        <translation>Mostra opzioni vista</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>Nuovo pannello</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nuova finestra</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Chiudi pannello</translation>
    </message>
    <message>
        <source>Reopen Last Tab</source>
        <translation>Riapri ultimo pannello</translation>
    </message>
    <message>
        <source>Reload Page</source>
        <translation>Ricarica pagina</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>Mostra Reader</translation>
    </message>
    <message>
        <source>New Private Window</source>
        <translation>Nuova finestra privata</translation>
    </message>
    <message>
        <source>Reopen Closed Tab</source>
        <translation>Riapri pannello chiuso</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Ricarica</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>Strumenti per sviluppatori</translation>
    </message>
    <message>
        <source>New Incognito Window</source>
        <translation>Nuova finestra di navigazione in incognito</translation>
    </message>
    <message>
        <source>New Message</source>
        <translation>Nuovo messaggio</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Rispondi</translation>
    </message>
    <message>
        <source>Reply All</source>
        <translation>Rispondi a tutti</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Inoltra</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Mailbox Search</source>
        <translation>Cerca nella casella</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Nuova nota</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Elenco di controllo</translation>
    </message>
    <message>
        <source>Attach File</source>
        <translation>Allega file</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Emoji &amp; Symbols</source>
        <translation>Emoji e simboli</translation>
    </message>
    <message>
        <source>New Event</source>
        <translation>Nuovo evento</translation>
    </message>
    <message>
        <source>Go to Today</source>
        <translation>Vai a oggi</translation>
    </message>
    <message>
        <source>Day View</source>
        <translation>Vista giorno</translation>
    </message>
    <message>
        <source>Week View</source>
        <translation>Vista settimana</translation>
    </message>
    <message>
        <source>Month View</source>
        <translation>Vista mese</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>Pulisci schermo</translation>
    </message>
    <message>
        <source>Split Pane</source>
        <translation>Dividi riquadro</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Esegui</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Compila</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testa</translation>
    </message>
    <message>
        <source>Open Quickly</source>
        <translation>Apri rapidamente</translation>
    </message>
    <message>
        <source>Show Canvas / Assistant</source>
        <translation>Mostra canvas / assistente</translation>
    </message>
    <message>
        <source>Quick Open</source>
        <translation>Apertura rapida</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>Riquadro comandi</translation>
    </message>
    <message>
        <source>Toggle Terminal</source>
        <translation>Mostra/nascondi terminale</translation>
    </message>
    <message>
        <source>Toggle Sidebar</source>
        <translation>Mostra/nascondi barra laterale</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Nuovo file</translation>
    </message>
    <message>
        <source>Quick Switcher</source>
        <translation>Cambio rapido</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Thread</translation>
    </message>
    <message>
        <source>Mentions &amp; Reactions</source>
        <translation>Menzioni e reazioni</translation>
    </message>
    <message>
        <source>Toggle Mute</source>
        <translation>Attiva/disattiva muto</translation>
    </message>
    <message>
        <source>Toggle Deafen</source>
        <translation>Silenzia/riattiva audio</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>In arrivo</translation>
    </message>
    <message>
        <source>Emoji Picker</source>
        <translation>Selettore emoji</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Dimensioni reali</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Presentazione</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Riproduci/Pausa</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Brano successivo</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Brano precedente</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Riproduzione casuale</translation>
    </message>
    <message>
        <source>Show Queue</source>
        <translation>Mostra coda</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>New Album</source>
        <translation>Nuovo album</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Preferito</translation>
    </message>
    <message>
        <source>Mute Audio</source>
        <translation>Disattiva audio</translation>
    </message>
    <message>
        <source>Start Video</source>
        <translation>Avvia video</translation>
    </message>
    <message>
        <source>Share Screen</source>
        <translation>Condividi schermo</translation>
    </message>
    <message>
        <source>Show Chat</source>
        <translation>Mostra chat</translation>
    </message>
    <message>
        <source>Show Participants</source>
        <translation>Mostra partecipanti</translation>
    </message>
    <message>
        <source>New Page</source>
        <translation>Nuova pagina</translation>
    </message>
    <message>
        <source>Add Comment</source>
        <translation>Aggiungi commento</translation>
    </message>
    <message>
        <source>To-do List</source>
        <translation>Elenco attività</translation>
    </message>
    <message>
        <source>Frame Tool</source>
        <translation>Strumento cornice</translation>
    </message>
    <message>
        <source>Move Tool</source>
        <translation>Strumento sposta</translation>
    </message>
    <message>
        <source>Text Tool</source>
        <translation>Strumento testo</translation>
    </message>
    <message>
        <source>Pen Tool</source>
        <translation>Strumento penna</translation>
    </message>
    <message>
        <source>Group Selection</source>
        <translation>Raggruppa selezione</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>Nuovo documento</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Esporta come PDF</translation>
    </message>
    <message>
        <source>New Spreadsheet</source>
        <translation>Nuovo foglio di calcolo</translation>
    </message>
    <message>
        <source>Add Row Above</source>
        <translation>Aggiungi riga sopra</translation>
    </message>
    <message>
        <source>Insert Chart</source>
        <translation>Inserisci grafico</translation>
    </message>
    <message>
        <source>New Presentation</source>
        <translation>Nuova presentazione</translation>
    </message>
    <message>
        <source>Play Slideshow</source>
        <translation>Riproduci presentazione</translation>
    </message>
    <message>
        <source>New Slide</source>
        <translation>Nuova diapositiva</translation>
    </message>
    <message>
        <source>Presenter Display</source>
        <translation>Monitor relatore</translation>
    </message>
    <message>
        <source>Saved earlier</source>
        <translation>Salvato in precedenza</translation>
    </message>
    <message>
        <source>No supported browser is running.</source>
        <translation>Nessun browser supportato è in esecuzione.</translation>
    </message>
    <message>
        <source>Could not read %1&apos;s tabs.</source>
        <translation>Impossibile leggere i pannelli di %1.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser&apos;s profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro non può leggere i pannelli aperti di %1. Verifica che il tuo utente possa leggere la cartella del profilo del browser in ~/.config e la sua cartella Sessions.</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>Aggiungi app al launcher</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Scegli un’app da aggiungere all’anello.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Aggiornamento software</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>È disponibile una nuova versione</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 è pronto. Hai la %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates</source>
        <translation>Impossibile verificare gli aggiornamenti</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Ricerca aggiornamenti…</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Sei aggiornato</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 è la versione più recente.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Nessuna fonte di aggiornamenti configurata.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the update server.</source>
        <translation>Impossibile raggiungere il server degli aggiornamenti.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Salta questa versione</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Più tardi</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro ora invia dati di utilizzo anonimi</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Le versioni precedenti non inviavano nulla. Questa segnala quando l’app si avvia, quando si apre un anello e quante schede ha trovato una cattura.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>Nessun titolo di finestra, nessun URL, nessun percorso di file e niente di ciò che digiti.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Lascia attivo</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>App Switcher</source>
        <translation>Selettore app</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Avvio scorciatoie</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Password salvate</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Schede salvate</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Apre l’anello delle app in esecuzione.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Apre le scorciatoie salvate per l’app in primo piano.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Apre l’anello delle tue password salvate.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Tieni premuti i modificatori</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Tieni premuti i tasti modificatori per mirare con il mouse, poi rilasciali per scegliere.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Commutazione</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>L’anello resta aperto quando rilasci. Premi di nuovo la scorciatoia o fai clic per scegliere.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>Al puntatore</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>L’anello si apre intorno al puntatore, così è sempre a portata di mano.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Centro dello schermo</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>L’anello si apre sempre al centro dello schermo.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>Nessuna scorciatoia assegnata — %1 non può essere aperto dalla tastiera.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Aggiungi Ctrl, Alt o Super perché questa scorciatoia non interrompa la digitazione.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Già usata da %1. Scegli un’altra combinazione.</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>Le frecce scelgono, Invio passa, Esc chiude.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>Nessuna app</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 di %3</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, finestra %2 di %3: %4</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>Le frecce scelgono, Invio esegue l&apos;abbreviazione, Esc chiude.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>Nessuna abbreviazione</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>Password %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
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
        <translation>Tasto %1</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Invio (tastierino)</translation>
    </message>
    <message>
        <source>Kelvaro Ring</source>
        <translation>Anello di Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro App Switcher</source>
        <translation>Selettore app di Kelvaro</translation>
    </message>
    <message>
        <source>Your desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Il tuo desktop usa già questa combinazione per %1. Potrebbe non arrivare a Kelvaro.</translation>
    </message>
    <message>
        <source>switching windows</source>
        <translation>cambiare finestra</translation>
    </message>
    <message>
        <source>switching windows backwards</source>
        <translation>cambiare finestra all’indietro</translation>
    </message>
    <message>
        <source>closing the window</source>
        <translation>chiudere la finestra</translation>
    </message>
    <message>
        <source>running a command</source>
        <translation>eseguire un comando</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>bloccare lo schermo</translation>
    </message>
    <message>
        <source>showing the desktop</source>
        <translation>mostrare il desktop</translation>
    </message>
    <message>
        <source>opening a terminal</source>
        <translation>aprire un terminale</translation>
    </message>
    <message>
        <source>logging out</source>
        <translation>terminare la sessione</translation>
    </message>
    <message>
        <source>switching to a text console</source>
        <translation>passare a una console testuale</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › General › Privacy.</source>
        <translation>Puoi disattivarlo ora o in qualsiasi momento in Impostazioni › Generali › Privacy.</translation>
    </message>
    <message>
        <source>Global hotkeys need an X11 session. Choose an X11 (Xorg) session on the login screen, then start Kelvaro again.</source>
        <translation>Le scorciatoie globali richiedono una sessione X11. Scegli una sessione X11 (Xorg) nella schermata di accesso, poi avvia di nuovo Kelvaro.</translation>
    </message>
    <message>
        <source>Global Hotkeys Unavailable</source>
        <translation>Scorciatoie globali non disponibili</translation>
    </message>
    <message>
        <source>Keyboard Access Refused</source>
        <translation>Accesso alla tastiera negato</translation>
    </message>
    <message>
        <source>Accessibility Access Required</source>
        <translation>Accesso di accessibilità necessario</translation>
    </message>
    <message>
        <source>This is not an X11 session, so Kelvaro cannot watch global hotkeys or raise windows.</source>
        <translation>Questa non è una sessione X11, quindi Kelvaro non può intercettare le scorciatoie globali né portare le finestre in primo piano.</translation>
    </message>
    <message>
        <source>The X server did not let Kelvaro watch the keyboard, so hotkeys cannot open the rings.</source>
        <translation>Il server X non ha permesso a Kelvaro di monitorare la tastiera, quindi le scorciatoie non possono aprire gli anelli.</translation>
    </message>
    <message>
        <source>The accessibility bus is off. Kelvaro needs it to read windows, menus and text fields.</source>
        <translation>Il bus di accessibilità è disattivato. Kelvaro ne ha bisogno per leggere finestre, menu e campi di testo.</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>Perché?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Piccola</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Relaxed</source>
        <translation>Rilassata</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Brisk</source>
        <translation>Svelta</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Apri al login</translation>
    </message>
    <message>
        <source>Start Kelvaro automatically when you sign in.</source>
        <translation>Avvia Kelvaro automaticamente quando accedi.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Avvio</translation>
    </message>
    <message>
        <source>Send anonymous usage data</source>
        <translation>Invia dati di utilizzo anonimi</translation>
    </message>
    <message>
        <source>Launches, rings opened, and how many tabs a capture found. Never window titles, URLs, file paths or anything you type.</source>
        <translation>Avvii, anelli aperti e quante schede ha trovato una cattura. Mai titoli di finestre, URL, percorsi di file o qualsiasi cosa digiti.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacy</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Comportamento</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Attivazione</translation>
    </message>
    <message>
        <source>Open the ring</source>
        <translation>Apri l’anello</translation>
    </message>
    <message>
        <source>Follow the pointer across displays</source>
        <translation>Segui il puntatore tra gli schermi</translation>
    </message>
    <message>
        <source>Otherwise the ring always opens on the main display.</source>
        <translation>Altrimenti l’anello si apre sempre sullo schermo principale.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>Ring size</source>
        <translation>Dimensione dell’anello</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>Velocità animazione</translation>
    </message>
    <message>
        <source>Tilt the centre icon with the pointer</source>
        <translation>Inclina l’icona centrale con il puntatore</translation>
    </message>
    <message>
        <source>Adds a subtle parallax to the selected app&apos;s icon.</source>
        <translation>Aggiunge un leggero effetto parallasse all’icona dell’app selezionata.</translation>
    </message>
    <message>
        <source>Reduce Motion is on in the desktop&apos;s settings, so animations stay minimal.</source>
        <translation>«Riduci movimento» è attivo nelle impostazioni del desktop, quindi le animazioni restano minime.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Cerca aggiornamenti automaticamente</translation>
    </message>
    <message>
        <source>Once a day, in the background.</source>
        <translation>Una volta al giorno, in background.</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Controlla ora</translation>
    </message>
    <message>
        <source>Kelvaro %1 is available</source>
        <translation>Kelvaro %1 è disponibile</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aggiornato</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt or Super.</source>
        <translation>Includi Ctrl, Alt o Super.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Scorciatoia da tastiera</translation>
    </message>
    <message>
        <source>Activate to record a new shortcut. Press Escape to cancel, Delete to clear.</source>
        <translation>Attiva per registrare una nuova scorciatoia. Premi Esc per annullare, Canc per cancellarla.</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Cancella scorciatoia</translation>
    </message>
    <message>
        <source>Tap a key to finish · Esc to cancel</source>
        <translation>Premi un tasto per finire · Esc per annullare</translation>
    </message>
    <message>
        <source>Hold modifiers, then tap a key · Esc to cancel</source>
        <translation>Tieni premuti i modificatori, poi premi un tasto · Esc per annullare</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Registrazione in corso</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Nessuna azione</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>Sposta %1 in alto</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>Sposta %1 in basso</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Modifica %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Elimina %1</translation>
    </message>
    <message>
        <source>Hold to keep the wheel open</source>
        <translation>Tieni premuto per lasciare aperto l’anello</translation>
    </message>
    <message>
        <source>None selected — the wheel stays open until you click or press Escape.</source>
        <translation>Nessuna selezione — l’anello resta aperto finché non fai clic o premi Esc.</translation>
    </message>
    <message>
        <source>Keep %1 held while you aim. Release it and the wheel chooses whatever is highlighted.</source>
        <translation>Tieni premuto %1 mentre miri. Quando rilasci, l’anello sceglie l’elemento evidenziato.</translation>
    </message>
    <message>
        <source>Key Binding</source>
        <translation>Combinazione di tasti</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>Premi la scorciatoia</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>maiusc</translation>
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
        <translation>spazio</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>return</source>
        <translation>invio</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>backspace</translation>
    </message>
    <message>
        <source>esc</source>
        <translation>esc</translation>
    </message>
    <message>
        <source>Match the system language</source>
        <translation>Usa la lingua del sistema</translation>
    </message>
    <message>
        <source>The rest of this guide uses your choice.</source>
        <translation>Il resto di questa guida userà la tua scelta.</translation>
    </message>
    <message>
        <source>The interface updates right away.</source>
        <translation>L’interfaccia si aggiorna subito.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Riavvia ora</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generali</translation>
    </message>
    <message>
        <source>Switcher</source>
        <translation>Selettore</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Scorciatoie</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>Launcher</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Schede</translation>
    </message>
    <message>
        <source>No passwords yet</source>
        <translation>Ancora nessuna password</translation>
    </message>
    <message>
        <source>No shortcuts yet</source>
        <translation>Ancora nessuna scorciatoia</translation>
    </message>
    <message>
        <source>Select an app</source>
        <translation>Seleziona un’app</translation>
    </message>
    <message>
        <source>Ring preview</source>
        <translation>Anteprima dell’anello</translation>
    </message>
    <message>
        <source>No shortcut assigned</source>
        <translation>Nessuna scorciatoia assegnata</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Scorciatoia: %1</translation>
    </message>
    <message>
        <source>This page is not available in this version yet.</source>
        <translation>Questa pagina non è ancora disponibile in questa versione.</translation>
    </message>
    <message>
        <source>Kelvaro wants to unlock your saved passwords</source>
        <translation>Kelvaro vuole sbloccare le tue password salvate</translation>
    </message>
    <message>
        <source>Unlock Saved Passwords</source>
        <translation>Sblocca password salvate</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Sblocca</translation>
    </message>
    <message>
        <source>Some of your settings could not be read. The settings file as it was is kept as %1.</source>
        <translation>Non è stato possibile leggere alcune impostazioni. Il file delle impostazioni, così com’era, è conservato come %1.</translation>
    </message>
    <message>
        <source>Your settings file could not be read, so Kelvaro started with default settings. The file is kept as %1.</source>
        <translation>Non è stato possibile leggere il file delle impostazioni, quindi Kelvaro è stato avviato con le impostazioni predefinite. Il file è conservato come %1.</translation>
    </message>
    <message>
        <source>Your settings file %1 could not be read, so Kelvaro started with default settings.</source>
        <translation>Non è stato possibile leggere il file delle impostazioni %1, quindi Kelvaro è stato avviato con le impostazioni predefinite.</translation>
    </message>
    <message>
        <source>Your settings cannot be saved to %1 (%2). Changes are kept until Kelvaro quits.</source>
        <translation>Non è possibile salvare le impostazioni in %1 (%2). Le modifiche vengono mantenute fino alla chiusura di Kelvaro.</translation>
    </message>
    <message>
        <source>Choose an icon</source>
        <translation>Scegli un’icona</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Modifica account</translation>
    </message>
    <message>
        <source>Add Account</source>
        <translation>Aggiungi account</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icona</translation>
    </message>
    <message>
        <source>Work mail</source>
        <translation>Posta di lavoro</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Email / Account</source>
        <translation>Email / Account</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Add passwords for this account from the list after saving.</source>
        <translation>Dopo il salvataggio, aggiungi le password di questo account dall’elenco.</translation>
    </message>
    <message>
        <source>Add Another Password</source>
        <translation>Aggiungi un’altra password</translation>
    </message>
    <message>
        <source>Each password is saved under this account. Several passwords open an arc on the ring.</source>
        <translation>Ogni password viene salvata in questo account. Più password aprono un arco sull’anello.</translation>
    </message>
    <message>
        <source>Shown in the arc when this account has more than one password.</source>
        <translation>Appare nell’arco quando questo account ha più di una password.</translation>
    </message>
    <message>
        <source>Edit Password</source>
        <translation>Modifica password</translation>
    </message>
    <message>
        <source>Add Password</source>
        <translation>Aggiungi password</translation>
    </message>
    <message>
        <source>Add Passwords</source>
        <translation>Aggiungi password</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Passwords</source>
        <translation>
            <numerusform>Aggiungi %n password</numerusform>
            <numerusform>Aggiungi %n password</numerusform>
        </translation>
    </message>
    <message>
        <source>Hide the password</source>
        <translation>Nascondi la password</translation>
    </message>
    <message>
        <source>Show the password</source>
        <translation>Mostra la password</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Personale</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etichetta</translation>
    </message>
    <message>
        <source>Remove this password</source>
        <translation>Rimuovi questa password</translation>
    </message>
    <message>
        <source>Hint (optional)</source>
        <translation>Indizio (facoltativo)</translation>
    </message>
    <message>
        <source>ends 4471</source>
        <translation>termina con 4471</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indizio</translation>
    </message>
    <message>
        <source>Your desktop keyring did not store the password “%1”, so it was not saved. Unlock the keyring and try again.</source>
        <translation>Il portachiavi del desktop non ha memorizzato la password «%1», quindi non è stata salvata. Sblocca il portachiavi e riprova.</translation>
    </message>
    <message>
        <source>Accounts &amp; Passwords</source>
        <translation>Account e password</translation>
    </message>
    <message>
        <source>Stored in your desktop keyring (Secret Service), readable only while your session is unlocked. Choosing one fills the focused text field when you can type, otherwise copies to the clipboard (cleared after 45 seconds). An account with more than one password shows them in an arc beside its wedge.</source>
        <translation>Conservate nel portachiavi del desktop (Secret Service), leggibili solo mentre la sessione è sbloccata. Sceglierne una compila il campo di testo attivo quando è possibile digitare, altrimenti la copia negli appunti (svuotati dopo 45 secondi). Un account con più di una password le mostra in un arco accanto al suo settore.</translation>
    </message>
    <message>
        <source>1 password</source>
        <translation>1 password</translation>
    </message>
    <message numerus="yes">
        <source>%n passwords</source>
        <translation>
            <numerusform>%n password</numerusform>
            <numerusform>%n password</numerusform>
        </translation>
    </message>
    <message>
        <source>No accounts yet</source>
        <translation>Ancora nessun account</translation>
    </message>
    <message>
        <source>Edit this account</source>
        <translation>Modifica questo account</translation>
    </message>
    <message>
        <source>Delete this account</source>
        <translation>Elimina questo account</translation>
    </message>
    <message>
        <source>Add an account, then add passwords under it.</source>
        <translation>Aggiungi un account, poi aggiungi le password al suo interno.</translation>
    </message>
    <message>
        <source>No passwords for this account yet.</source>
        <translation>Ancora nessuna password per questo account.</translation>
    </message>
    <message>
        <source>Add the passwords that belong to this email.</source>
        <translation>Aggiungi le password associate a questa email.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Sposta in alto</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Sposta in basso</translation>
    </message>
    <message>
        <source>Edit this password</source>
        <translation>Modifica questa password</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Rimuovi %1</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Delete the account “%1”?</source>
        <translation>Eliminare l’account «%1»?</translation>
    </message>
    <message numerus="yes">
        <source>Its %n password(s) will be removed from your desktop keyring.</source>
        <translation>
            <numerusform>La sua %n password verrà rimossa dal portachiavi del desktop.</numerusform>
            <numerusform>Le sue %n password verranno rimosse dal portachiavi del desktop.</numerusform>
        </translation>
    </message>
    <message>
        <source>No shortcut assigned — this launcher can&apos;t be opened from the keyboard.</source>
        <translation>Nessuna scorciatoia assegnata — questo launcher non può essere aperto dalla tastiera.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from your browsers.</source>
        <translation>Apre le schede catturate dai tuoi browser.</translation>
    </message>
    <message>
        <source>Search Icon</source>
        <translation>Cerca icona</translation>
    </message>
    <message>
        <source>Icon Name</source>
        <translation>Nome dell’icona</translation>
    </message>
    <message>
        <source>Upload PNG…</source>
        <translation>Carica PNG…</translation>
    </message>
    <message>
        <source>Use your own image, up to 1 MB</source>
        <translation>Usa un’immagine tua, fino a 1 MB</translation>
    </message>
    <message>
        <source>Pick Icon</source>
        <translation>Scegli icona</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>Nessun risultato per «%1»</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Immagini PNG (*.png)</translation>
    </message>
    <message>
        <source>Could not add icon</source>
        <translation>Impossibile aggiungere l’icona</translation>
    </message>
    <message>
        <source>Keystroke</source>
        <translation>Sequenza di tasti</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Sent to the app in front, as if you pressed it yourself.</source>
        <translation>Inviata all’app in primo piano, come se l’avessi premuta tu.</translation>
    </message>
    <message>
        <source>Copied to the clipboard, ready to paste.</source>
        <translation>Copiato negli appunti, pronto da incollare.</translation>
    </message>
    <message>
        <source>Opened in your default browser.</source>
        <translation>Aperto nel browser predefinito.</translation>
    </message>
    <message>
        <source>Edit Shortcut</source>
        <translation>Modifica scorciatoia</translation>
    </message>
    <message>
        <source>New Shortcut</source>
        <translation>Nuova scorciatoia</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>per %1</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Keystroke to send</source>
        <translation>Sequenza di tasti da inviare</translation>
    </message>
    <message>
        <source>Add Shortcut</source>
        <translation>Aggiungi scorciatoia</translation>
    </message>
    <message>
        <source>Give the shortcut a name.</source>
        <translation>Dai un nome alla scorciatoia.</translation>
    </message>
    <message>
        <source>Record the keystroke to send.</source>
        <translation>Registra la sequenza di tasti da inviare.</translation>
    </message>
    <message>
        <source>Enter the text to copy.</source>
        <translation>Inserisci il testo da copiare.</translation>
    </message>
    <message>
        <source>Enter a link to open.</source>
        <translation>Inserisci un link da aprire.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like a valid link.</source>
        <translation>Non sembra un link valido.</translation>
    </message>
    <message>
        <source>Suggested shortcuts for %1</source>
        <translation>Scorciatoie suggerite per %1</translation>
    </message>
    <message>
        <source>Pick the ones you want on the ring. You can edit them later.</source>
        <translation>Scegli quelle che vuoi sull’anello. Potrai modificarle in seguito.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Add 1 Shortcut</source>
        <translation>Aggiungi 1 scorciatoia</translation>
    </message>
    <message>
        <source>Add Shortcuts</source>
        <translation>Aggiungi scorciatoie</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Shortcuts</source>
        <translation>
            <numerusform>Aggiungi %n scorciatoia</numerusform>
            <numerusform>Aggiungi %n scorciatoie</numerusform>
        </translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message numerus="yes">
        <source>Found %n shortcuts in the menus.</source>
        <translation>
            <numerusform>Trovata %n scorciatoia nei menu.</numerusform>
            <numerusform>Trovate %n scorciatoie nei menu.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open the app first, then import again.</source>
        <translation>Apri prima l’app, poi importa di nuovo.</translation>
    </message>
    <message>
        <source>Reading menus needs the desktop&apos;s accessibility bus, which is off.</source>
        <translation>Per leggere i menu serve il bus di accessibilità del desktop, che è disattivato.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read this app&apos;s menus.</source>
        <translation>Impossibile leggere i menu di questa app.</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>Suggerite</translation>
    </message>
    <message>
        <source>From Menus</source>
        <translation>Dai menu</translation>
    </message>
    <message>
        <source>Reading menus…</source>
        <translation>Lettura dei menu…</translation>
    </message>
    <message>
        <source>Open App &amp; Import Menus</source>
        <translation>Apri app e importa menu</translation>
    </message>
    <message>
        <source>Import from Menus</source>
        <translation>Importa dai menu</translation>
    </message>
    <message>
        <source>Pick a PNG file. Folders, links and devices cannot be used.</source>
        <translation>Scegli un file PNG. Non si possono usare cartelle, collegamenti e dispositivi.</translation>
    </message>
    <message>
        <source>Pick a PNG smaller than 1 MB.</source>
        <translation>Scegli un PNG più piccolo di 1 MB.</translation>
    </message>
    <message>
        <source>Pick a PNG of at most 1024 × 1024 pixels.</source>
        <translation>Scegli un PNG di al massimo 1024 × 1024 pixel.</translation>
    </message>
    <message>
        <source>That file could not be read as a PNG.</source>
        <translation>Impossibile leggere quel file come PNG.</translation>
    </message>
    <message>
        <source>The icon could not be saved: %1</source>
        <translation>Impossibile salvare l’icona: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>The Firefox session file %1 is too large to read.</source>
        <translation>Il file di sessione di Firefox %1 è troppo grande per essere letto.</translation>
    </message>
    <message>
        <source>Could not read the Firefox session file %1: %2.</source>
        <translation>Impossibile leggere il file di sessione di Firefox %1: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read its profile folder in ~/.mozilla/firefox.</source>
        <translation>Kelvaro non può leggere le schede aperte di %1. Verifica che il tuo utente possa leggere la sua cartella del profilo in ~/.mozilla/firefox.</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs.</source>
        <translation>
            <numerusform>Catturata %n scheda.</numerusform>
            <numerusform>Catturate %n schede.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs from %1.</source>
        <translation>
            <numerusform>Catturata %n scheda da %1.</numerusform>
            <numerusform>Catturate %n schede da %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 da %2</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs — %1.</source>
        <translation>
            <numerusform>Catturata %n scheda — %1.</numerusform>
            <numerusform>Catturate %n schede — %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier capture kept.</source>
        <translation>Conservata 1 cattura precedente.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier captures kept.</source>
        <translation>
            <numerusform>Conservata %n cattura precedente.</numerusform>
            <numerusform>Conservate %n catture precedenti.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 tab</source>
        <translation>1 scheda</translation>
    </message>
    <message numerus="yes">
        <source>%n tabs</source>
        <translation>
            <numerusform>%n scheda</numerusform>
            <numerusform>%n schede</numerusform>
        </translation>
    </message>
    <message>
        <source>Browsers &amp; Tabs</source>
        <translation>Browser e schede</translation>
    </message>
    <message>
        <source>Reads every tab open in Chrome, Brave, Edge, Vivaldi, Opera, Chromium and Firefox from the session files in their profile folders, and keeps them here so you can reopen them after the browser is closed. Each capture is kept as its own session; the ring shows the chosen one, ten tabs at a time.</source>
        <translation>Legge tutte le schede aperte in Chrome, Brave, Edge, Vivaldi, Opera, Chromium e Firefox dai file di sessione nelle cartelle dei loro profili e le conserva qui, così puoi riaprirle dopo aver chiuso il browser. Ogni cattura viene conservata come sessione a sé; l’anello mostra quella scelta, dieci schede alla volta.</translation>
    </message>
    <message>
        <source>Nothing captured yet</source>
        <translation>Ancora nessuna cattura</translation>
    </message>
    <message>
        <source>Capturing…</source>
        <translation>Cattura in corso…</translation>
    </message>
    <message>
        <source>Capture Tabs</source>
        <translation>Cattura schede</translation>
    </message>
    <message>
        <source>Rename this capture</source>
        <translation>Rinomina questa cattura</translation>
    </message>
    <message>
        <source>Delete this capture</source>
        <translation>Elimina questa cattura</translation>
    </message>
    <message>
        <source>No tabs captured yet.</source>
        <translation>Ancora nessuna scheda catturata.</translation>
    </message>
    <message>
        <source>Open a browser and capture what it has open.</source>
        <translation>Apri un browser e cattura ciò che ha aperto.</translation>
    </message>
    <message>
        <source>No open tabs to capture.</source>
        <translation>Nessuna scheda aperta da catturare.</translation>
    </message>
    <message>
        <source>Rename Capture</source>
        <translation>Rinomina cattura</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Catture</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Aggiungi app</translation>
    </message>
    <message>
        <source>1 app</source>
        <translation>1 app</translation>
    </message>
    <message numerus="yes">
        <source>%n apps</source>
        <translation>
            <numerusform>%n app</numerusform>
            <numerusform>%n app</numerusform>
        </translation>
    </message>
    <message>
        <source>No apps added yet.</source>
        <translation>Ancora nessuna app aggiunta.</translation>
    </message>
    <message>
        <source>Choose apps this launcher should show in the ring.</source>
        <translation>Scegli le app che questo launcher deve mostrare nell’anello.</translation>
    </message>
    <message>
        <source>Launchers &amp; Apps</source>
        <translation>Launcher e app</translation>
    </message>
    <message>
        <source>New Launcher</source>
        <translation>Nuovo launcher</translation>
    </message>
    <message>
        <source>Rename Launcher</source>
        <translation>Rinomina launcher</translation>
    </message>
    <message>
        <source>Opens this launcher.</source>
        <translation>Apre questo launcher.</translation>
    </message>
    <message>
        <source>No launchers yet</source>
        <translation>Ancora nessun launcher</translation>
    </message>
    <message>
        <source>Add Launcher</source>
        <translation>Aggiungi launcher</translation>
    </message>
    <message>
        <source>Rename this launcher</source>
        <translation>Rinomina questo launcher</translation>
    </message>
    <message>
        <source>Delete this launcher</source>
        <translation>Elimina questo launcher</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>Launcher</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Suggerisci</translation>
    </message>
    <message>
        <source>Apps &amp; Shortcuts</source>
        <translation>App e scorciatoie</translation>
    </message>
    <message>
        <source>1 shortcut</source>
        <translation>1 scorciatoia</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts</source>
        <translation>
            <numerusform>%n scorciatoia</numerusform>
            <numerusform>%n scorciatoie</numerusform>
        </translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Seleziona app</translation>
    </message>
    <message>
        <source>Choose an application to add shortcuts for</source>
        <translation>Scegli un’applicazione a cui aggiungere scorciatoie</translation>
    </message>
    <message>
        <source>No apps added yet</source>
        <translation>Ancora nessuna app aggiunta</translation>
    </message>
    <message>
        <source>Remove this app</source>
        <translation>Rimuovi questa app</translation>
    </message>
    <message>
        <source>Add suggested shortcuts for this app</source>
        <translation>Aggiungi le scorciatoie suggerite per questa app</translation>
    </message>
    <message>
        <source>Add keyboard shortcuts, text snippets or links for %1.</source>
        <translation>Aggiungi scorciatoie da tastiera, frammenti di testo o link per %1.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applicazioni</translation>
    </message>
    <message>
        <source>Kelvaro is Now Running</source>
        <translation>Kelvaro è ora in esecuzione</translation>
    </message>
    <message>
        <source>The two rings</source>
        <translation>I due anelli</translation>
    </message>
    <message>
        <source>Hold its shortcut, aim at an app with the pointer, let go. The ring opens around your pointer or in the middle of the display — your choice, under Settings › General.</source>
        <translation>Tieni premuta la sua scorciatoia, mira a un’app con il puntatore e rilascia. L’anello si apre intorno al puntatore o al centro dello schermo — scegli tu, in Impostazioni › Generali.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for whichever app is in front, so you can drive that app by its own keyboard shortcuts without remembering them.</source>
        <translation>Apre le scorciatoie salvate per l’app in primo piano, così puoi comandarla con le sue scorciatoie da tastiera senza doverle ricordare.</translation>
    </message>
    <message>
        <source>Choosing between windows</source>
        <translation>Scegliere tra le finestre</translation>
    </message>
    <message>
        <source>The window arc</source>
        <translation>L’arco delle finestre</translation>
    </message>
    <message>
        <source>When the highlighted app has more than one window, a quarter-arc appears beside it listing them. Keep moving outward onto the arc to pick a window instead of just the app.</source>
        <translation>Quando l’app evidenziata ha più di una finestra, accanto compare un quarto d’arco che le elenca. Continua a spostarti verso l’esterno sull’arco per scegliere una finestra invece della sola app.</translation>
    </message>
    <message>
        <source>The arc never appears</source>
        <translation>L’arco non compare mai</translation>
    </message>
    <message>
        <source>It only appears for an app with more than one window: an app with a single window has nothing to choose between, so the arc stays hidden.</source>
        <translation>Compare solo per un’app con più di una finestra: con una sola finestra non c’è nulla da scegliere, quindi l’arco resta nascosto.</translation>
    </message>
    <message>
        <source>Changing a binding</source>
        <translation>Cambiare una combinazione di tasti</translation>
    </message>
    <message>
        <source>Settings › Switcher or Shortcuts, then click the recorder and press the combination you want. Add Ctrl, Alt or Super so it can&apos;t fire while you&apos;re typing.</source>
        <translation>Impostazioni › Selettore o Scorciatoie, poi fai clic sul campo di registrazione e premi la combinazione che vuoi. Aggiungi Ctrl, Alt o Super perché non scatti mentre digiti.</translation>
    </message>
    <message>
        <source>Hold versus toggle</source>
        <translation>Tenere premuto o commutare</translation>
    </message>
    <message>
        <source>By default the ring stays open while you hold the shortcut&apos;s modifiers and commits when you let go. Settings › General can switch it to stay open until you press again or click.</source>
        <translation>Per impostazione predefinita l’anello resta aperto finché tieni premuti i modificatori della scorciatoia e conferma la scelta quando li rilasci. In Impostazioni › Generali puoi farlo restare aperto finché non premi di nuovo o fai clic.</translation>
    </message>
    <message>
        <source>If nothing happens</source>
        <translation>Se non succede nulla</translation>
    </message>
    <message>
        <source>Desktop access</source>
        <translation>Accesso al desktop</translation>
    </message>
    <message>
        <source>Global shortcuts need an X11 session, and reading menus or typing passwords needs the accessibility bus. Settings shows a banner whenever something is missing, with a button that turns the accessibility bus on.</source>
        <translation>Le scorciatoie globali richiedono una sessione X11, e per leggere i menu o digitare le password serve il bus di accessibilità. Le Impostazioni mostrano un avviso quando manca qualcosa, con un pulsante che attiva il bus di accessibilità.</translation>
    </message>
    <message>
        <source>Finding the app</source>
        <translation>Trovare l’app</translation>
    </message>
    <message>
        <source>Kelvaro has no window of its own on purpose. It lives in the tray; closing a window doesn&apos;t quit it.</source>
        <translation>Kelvaro non ha volutamente una finestra propria. Risiede nell’area di notifica; chiudere una finestra non lo termina.</translation>
    </message>
    <message>
        <source>Starting over</source>
        <translation>Ricominciare</translation>
    </message>
    <message>
        <source>Starting Kelvaro again while it runs opens its settings, or the walkthrough while that is unfinished.</source>
        <translation>Avviare di nuovo Kelvaro mentre è in esecuzione ne apre le impostazioni, oppure la guida iniziale se non è ancora completata.</translation>
    </message>
    <message>
        <source>This is the cause of most &quot;nothing happens&quot; reports.</source>
        <translation>È la causa della maggior parte delle segnalazioni «non succede nulla».</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer.</source>
        <translation>Tutte le app che hai aperte, in un anello intorno al puntatore.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Contatta l’assistenza</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>Pagina di assistenza</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Informativa sulla privacy</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Condizioni d’uso</translation>
    </message>
    <message>
        <source>Kelvaro %1</source>
        <translation>Kelvaro %1</translation>
    </message>
    <message>
        <source>Your apps, shortcuts and passwords stay on this computer.</source>
        <translation>Le tue app, scorciatoie e password restano su questo computer.</translation>
    </message>
    <message>
        <source>Show this message on app launch</source>
        <translation>Mostra questo messaggio all’avvio</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Impostazioni…</translation>
    </message>
    <message>
        <source>Press %1 to open the ring</source>
        <translation>Premi %1 per aprire l’anello</translation>
    </message>
    <message>
        <source>No shortcut is assigned yet. Open Settings to choose one.</source>
        <translation>Nessuna scorciatoia ancora assegnata. Apri le Impostazioni per sceglierne una.</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>Sessione X11</translation>
    </message>
    <message>
        <source>Global keys</source>
        <translation>Tasti globali</translation>
    </message>
    <message>
        <source>Accessibility bus</source>
        <translation>Bus di accessibilità</translation>
    </message>
    <message>
        <source>Start Using Kelvaro</source>
        <translation>Inizia a usare Kelvaro</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Scegli la lingua</translation>
    </message>
    <message>
        <source>Kelvaro speaks 17 languages. Pick one, or let it follow your system.</source>
        <translation>Kelvaro parla 17 lingue. Scegline una o lascia che segua il sistema.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer. One keystroke away.</source>
        <translation>Tutte le app che hai aperte, in un anello intorno al puntatore. A portata di tasto.</translation>
    </message>
    <message>
        <source>Notices the one shortcut you choose</source>
        <translation>Rileva solo la scorciatoia che scegli</translation>
    </message>
    <message>
        <source>Switches apps and sends shortcuts you set up</source>
        <translation>Cambia app e invia le scorciatoie che configuri</translation>
    </message>
    <message>
        <source>Never reads what you type</source>
        <translation>Non legge mai ciò che digiti</translation>
    </message>
    <message>
        <source>Sends nothing it sees here — that stays on this computer</source>
        <translation>Non invia nulla di ciò che vede qui — resta su questo computer</translation>
    </message>
    <message>
        <source>Needs an X11 Session</source>
        <translation>Serve una sessione X11</translation>
    </message>
    <message>
        <source>Turn On the Accessibility Bus</source>
        <translation>Attiva il bus di accessibilità</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Tutto pronto</translation>
    </message>
    <message>
        <source>Let Kelvaro see your shortcut</source>
        <translation>Permetti a Kelvaro di vedere la tua scorciatoia</translation>
    </message>
    <message>
        <source>Global keys work and the accessibility bus is on. Nothing else to set up.</source>
        <translation>I tasti globali funzionano e il bus di accessibilità è attivo. Non c’è altro da configurare.</translation>
    </message>
    <message>
        <source>Linux needs two things for this: an X11 session for the global keys, and the accessibility bus for reading menus and typing passwords.</source>
        <translation>Per questo Linux ha bisogno di due cose: una sessione X11 per i tasti globali e il bus di accessibilità per leggere i menu e digitare le password.</translation>
    </message>
    <message>
        <source>No shortcut set</source>
        <translation>Nessuna scorciatoia impostata</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registra</translation>
    </message>
    <message>
        <source>Record a different shortcut</source>
        <translation>Registra un’altra scorciatoia</translation>
    </message>
    <message>
        <source>Use the default instead</source>
        <translation>Usa invece quella predefinita</translation>
    </message>
    <message>
        <source>Hold it — the ring opens.</source>
        <translation>Tienila premuta — l’anello si apre.</translation>
    </message>
    <message>
        <source>Point at the app you want.</source>
        <translation>Punta sull’app che vuoi.</translation>
    </message>
    <message>
        <source>Let go — Kelvaro switches to it.</source>
        <translation>Rilascia — Kelvaro passa a quell’app.</translation>
    </message>
    <message>
        <source>Your shortcut</source>
        <translation>La tua scorciatoia</translation>
    </message>
    <message>
        <source>This is what opens the ring. Keep it, or record your own.</source>
        <translation>È questa ad aprire l’anello. Tienila o registrane una tua.</translation>
    </message>
    <message>
        <source>Click the Kelvaro icon in the tray.</source>
        <translation>Fai clic sull’icona di Kelvaro nell’area di notifica.</translation>
    </message>
    <message>
        <source>Settings — add apps, edit shortcuts, change keys.</source>
        <translation>Impostazioni — aggiungi app, modifica scorciatoie, cambia i tasti.</translation>
    </message>
    <message>
        <source>Kelvaro lives in the tray</source>
        <translation>Kelvaro risiede nell’area di notifica</translation>
    </message>
    <message>
        <source>It has no window of its own on purpose. Close a window and it keeps running — everything stays one click away in the tray.</source>
        <translation>Non ha volutamente una finestra propria. Chiudi una finestra e continua a funzionare — tutto resta a un clic di distanza nell’area di notifica.</translation>
    </message>
    <message>
        <source>Your settings file was damaged after Kelvaro read it. The damaged file is kept as %1, and your settings were saved again.</source>
        <translation>Il file delle impostazioni è stato danneggiato dopo che Kelvaro lo aveva letto. Il file danneggiato è conservato come %1 e le impostazioni sono state salvate di nuovo.</translation>
    </message>
    <message>
        <source>A change to your settings was not made: it would have made the settings file %1 too large to read back.</source>
        <translation>Una modifica alle impostazioni non è stata applicata: avrebbe reso il file delle impostazioni %1 troppo grande per essere riletto.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: their addresses are longer than %1 characters.</source>
        <translation>
            <numerusform>%Ln scheda è stata esclusa: il suo indirizzo supera i %1 caratteri.</numerusform>
            <numerusform>%Ln schede sono state escluse: i loro indirizzi superano i %1 caratteri.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: a capture keeps at most %1 tabs.</source>
        <translation>
            <numerusform>%Ln scheda è stata esclusa: una cattura conserva al massimo %1 schede.</numerusform>
            <numerusform>%Ln schede sono state escluse: una cattura conserva al massimo %1 schede.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: the capture would have been too large to keep.</source>
        <translation>
            <numerusform>%Ln scheda è stata esclusa: la cattura sarebbe stata troppo grande da conservare.</numerusform>
            <numerusform>%Ln schede sono state escluse: la cattura sarebbe stata troppo grande da conservare.</numerusform>
        </translation>
    </message>
    <message>
        <source>The capture was not kept: your settings file would have grown too large.</source>
        <translation>La cattura non è stata conservata: il file delle impostazioni sarebbe diventato troppo grande.</translation>
    </message>
    <message>
        <source>That password was not accepted. Try again.</source>
        <translation>La password non è stata accettata. Riprova.</translation>
    </message>
    <message>
        <source>Your login password was not accepted. No saved password was released.</source>
        <translation>La tua password di accesso non è stata accettata. Non è stata fornita alcuna password salvata.</translation>
    </message>
    <message>
        <source>Enter your login password to use saved passwords.</source>
        <translation>Inserisci la tua password di accesso per usare le password salvate.</translation>
    </message>
    <message numerus="yes">
        <source>The window you chose was closed or is no longer in front. Your password is on the clipboard for %n seconds.</source>
        <translation>
            <numerusform>La finestra scelta è stata chiusa o non è più in primo piano. La tua password resta negli appunti per %n secondo.</numerusform>
            <numerusform>La finestra scelta è stata chiusa o non è più in primo piano. La tua password resta negli appunti per %n secondi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The password did not arrive in the field. It is on the clipboard for %n seconds: paste it there yourself.</source>
        <translation>
            <numerusform>La password non è arrivata nel campo. Resta negli appunti per %n secondo: incollala tu.</numerusform>
            <numerusform>La password non è arrivata nel campo. Resta negli appunti per %n secondi: incollala tu.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 did not take the password. It is on the clipboard for %n seconds: paste it into the field yourself.</source>
        <translation>
            <numerusform>%1 non ha accettato la password. Resta negli appunti per %n secondo: incollala tu nel campo.</numerusform>
            <numerusform>%1 non ha accettato la password. Resta negli appunti per %n secondi: incollala tu nel campo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No text field had the focus. Your password is on the clipboard for %n seconds: paste it.</source>
        <translation>
            <numerusform>Nessun campo di testo aveva il focus. La tua password resta negli appunti per %n secondo: incollala.</numerusform>
            <numerusform>Nessun campo di testo aveva il focus. La tua password resta negli appunti per %n secondi: incollala.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your own icon: a PNG of at most 1 MB and 1024 × 1024 pixels.</source>
        <translation>La tua icona: un PNG di al massimo 1 MB e 1024 × 1024 pixel.</translation>
    </message>
    <message>
        <source>A name is needed.</source>
        <translation>È necessario un nome.</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]</source>
        <translation>Uso: %1 [--help | --version]</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: this Wayland session has no XWayland (DISPLAY is not set).</source>
        <translation>Kelvaro ha bisogno di una sessione X11: questa sessione Wayland non ha XWayland (DISPLAY non è impostata).</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: DISPLAY is not set.</source>
        <translation>Kelvaro ha bisogno di una sessione X11: DISPLAY non è impostata.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: the display %1 cannot be opened.</source>
        <translation>Kelvaro ha bisogno di una sessione X11: impossibile aprire il display %1.</translation>
    </message>
    <message>
        <source>This build of Kelvaro cannot send usage data.</source>
        <translation>Questa build di Kelvaro non può inviare dati di utilizzo.</translation>
    </message>
    <message>
        <source>Already used by %1.</source>
        <translation>Già usata da %1.</translation>
    </message>
    <message>
        <source>Empty Bin</source>
        <translation>Svuota cestino</translation>
    </message>
    <message>
        <source>Toggle recording</source>
        <translation>Attiva/disattiva registrazione</translation>
    </message>
    <message>
        <source>Could not read the session log %1: %2.</source>
        <translation>Impossibile leggere il registro di sessione %1: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1: your user may not read %2.</source>
        <translation>Kelvaro non può leggere le schede aperte di %1: il tuo utente non ha il permesso di leggere %2.</translation>
    </message>
    <message>
        <source>%1 is running, but its session could not be read: %2</source>
        <translation>%1 è in esecuzione, ma non è stato possibile leggerne la sessione: %2</translation>
    </message>
    <message>
        <source>%1 is running, but Kelvaro found no session file in its profile folders.</source>
        <translation>%1 è in esecuzione, ma Kelvaro non ha trovato alcun file di sessione nelle sue cartelle del profilo.</translation>
    </message>
    <message>
        <source>%1 is running, but its session has no open web pages.</source>
        <translation>%1 è in esecuzione, ma la sua sessione non ha pagine web aperte.</translation>
    </message>
    <message>
        <source>Your saved captures were not changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Le tue catture salvate non sono state modificate: alcune non si sono potute leggere e nel file delle impostazioni non c’è spazio per conservarne una copia. Restano come sono.</translation>
    </message>
    <message>
        <source>The capture was not kept: the saved captures take all the room there is. Delete captures you no longer need, then capture again.</source>
        <translation>La cattura non è stata conservata: le catture salvate occupano tutto lo spazio disponibile. Elimina quelle che non ti servono più, poi cattura di nuovo.</translation>
    </message>
    <message>
        <source>Your launchers cannot be changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>I tuoi launcher non si possono modificare: alcuni non si sono potuti leggere e nel file delle impostazioni non c’è spazio per conservarne una copia. Restano come sono.</translation>
    </message>
    <message>
        <source>%1: unknown option: %2</source>
        <translation>%1: opzione sconosciuta: %2</translation>
    </message>
    <message>
        <source>This build of Kelvaro has no update feed.</source>
        <translation>Questa build di Kelvaro non ha un feed degli aggiornamenti.</translation>
    </message>
</context>
</TS>
