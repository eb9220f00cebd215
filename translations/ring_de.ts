<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Kelvaro</name>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einsetzen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>New Finder Window</source>
        <translation>Neues Finder-Fenster</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Go to Downloads</source>
        <translation>Gehe zu Downloads</translation>
    </message>
    <message>
        <source>Show View Options</source>
        <translation>Darstellungsoptionen einblenden</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>Neuer Tab</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Neues Fenster</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Tab schließen</translation>
    </message>
    <message>
        <source>Reopen Last Tab</source>
        <translation>Letzten Tab wieder öffnen</translation>
    </message>
    <message>
        <source>Reload Page</source>
        <translation>Seite neu laden</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>Reader einblenden</translation>
    </message>
    <message>
        <source>New Private Window</source>
        <translation>Neues privates Fenster</translation>
    </message>
    <message>
        <source>Reopen Closed Tab</source>
        <translation>Geschlossenen Tab wieder öffnen</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>Entwicklertools</translation>
    </message>
    <message>
        <source>New Incognito Window</source>
        <translation>Neues Inkognitofenster</translation>
    </message>
    <message>
        <source>New Message</source>
        <translation>Neue E-Mail</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Reply All</source>
        <translation>Allen antworten</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Weiterleiten</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Mailbox Search</source>
        <translation>Postfachsuche</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Neue Notiz</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Checkliste</translation>
    </message>
    <message>
        <source>Attach File</source>
        <translation>Datei anhängen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Emoji &amp; Symbols</source>
        <translation>Emoji &amp; Symbole</translation>
    </message>
    <message>
        <source>New Event</source>
        <translation>Neues Ereignis</translation>
    </message>
    <message>
        <source>Go to Today</source>
        <translation>Gehe zu heute</translation>
    </message>
    <message>
        <source>Day View</source>
        <translation>Tagesansicht</translation>
    </message>
    <message>
        <source>Week View</source>
        <translation>Wochenansicht</translation>
    </message>
    <message>
        <source>Month View</source>
        <translation>Monatsansicht</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>Bildschirm löschen</translation>
    </message>
    <message>
        <source>Split Pane</source>
        <translation>Bereich teilen</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Open Quickly</source>
        <translation>Schnell öffnen</translation>
    </message>
    <message>
        <source>Show Canvas / Assistant</source>
        <translation>Canvas / Assistent einblenden</translation>
    </message>
    <message>
        <source>Quick Open</source>
        <translation>Schnell öffnen</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>Befehlspalette</translation>
    </message>
    <message>
        <source>Toggle Terminal</source>
        <translation>Terminal ein/aus</translation>
    </message>
    <message>
        <source>Toggle Sidebar</source>
        <translation>Seitenleiste ein/aus</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Neue Datei</translation>
    </message>
    <message>
        <source>Quick Switcher</source>
        <translation>Schnellwechsler</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Threads</translation>
    </message>
    <message>
        <source>Mentions &amp; Reactions</source>
        <translation>Erwähnungen &amp; Reaktionen</translation>
    </message>
    <message>
        <source>Toggle Mute</source>
        <translation>Stummschalten ein/aus</translation>
    </message>
    <message>
        <source>Toggle Deafen</source>
        <translation>Ton aus/ein</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>Posteingang</translation>
    </message>
    <message>
        <source>Emoji Picker</source>
        <translation>Emoji-Auswahl</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Diashow</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Zufällige Wiedergabe</translation>
    </message>
    <message>
        <source>Show Queue</source>
        <translation>Warteschlange einblenden</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>New Album</source>
        <translation>Neues Album</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favorit</translation>
    </message>
    <message>
        <source>Mute Audio</source>
        <translation>Audio stummschalten</translation>
    </message>
    <message>
        <source>Start Video</source>
        <translation>Video starten</translation>
    </message>
    <message>
        <source>Share Screen</source>
        <translation>Bildschirm teilen</translation>
    </message>
    <message>
        <source>Show Chat</source>
        <translation>Chat einblenden</translation>
    </message>
    <message>
        <source>Show Participants</source>
        <translation>Teilnehmer einblenden</translation>
    </message>
    <message>
        <source>New Page</source>
        <translation>Neue Seite</translation>
    </message>
    <message>
        <source>Add Comment</source>
        <translation>Kommentar hinzufügen</translation>
    </message>
    <message>
        <source>To-do List</source>
        <translation>Aufgabenliste</translation>
    </message>
    <message>
        <source>Frame Tool</source>
        <translation>Rahmenwerkzeug</translation>
    </message>
    <message>
        <source>Move Tool</source>
        <translation>Verschiebewerkzeug</translation>
    </message>
    <message>
        <source>Text Tool</source>
        <translation>Textwerkzeug</translation>
    </message>
    <message>
        <source>Pen Tool</source>
        <translation>Zeichenstift</translation>
    </message>
    <message>
        <source>Group Selection</source>
        <translation>Auswahl gruppieren</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>Neues Dokument</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>New Spreadsheet</source>
        <translation>Neue Tabelle</translation>
    </message>
    <message>
        <source>Add Row Above</source>
        <translation>Zeile darüber hinzufügen</translation>
    </message>
    <message>
        <source>Insert Chart</source>
        <translation>Diagramm einfügen</translation>
    </message>
    <message>
        <source>New Presentation</source>
        <translation>Neue Präsentation</translation>
    </message>
    <message>
        <source>Play Slideshow</source>
        <translation>Diashow abspielen</translation>
    </message>
    <message>
        <source>New Slide</source>
        <translation>Neue Folie</translation>
    </message>
    <message>
        <source>Presenter Display</source>
        <translation>Moderatormonitor</translation>
    </message>
    <message>
        <source>Saved earlier</source>
        <translation>Früher gesichert</translation>
    </message>
    <message>
        <source>No supported browser is running.</source>
        <translation>Es läuft kein unterstützter Browser.</translation>
    </message>
    <message>
        <source>Could not read %1's tabs.</source>
        <translation>Die Tabs von %1 konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser's profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro kann die offenen Tabs von %1 nicht lesen. Prüfe, ob dein Benutzer den Profilordner des Browsers in ~/.config und dessen Ordner „Sessions“ lesen darf.</translation>
    </message>
</context>
</TS>
