<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Kelvaro</name>
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
        <source>Could not read %1's tabs.</source>
        <translation>Impossibile leggere i pannelli di %1.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser's profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro non può leggere i pannelli aperti di %1. Verifica che il tuo utente possa leggere la cartella del profilo del browser in ~/.config e la sua cartella Sessions.</translation>
    </message>
</context>
</TS>
