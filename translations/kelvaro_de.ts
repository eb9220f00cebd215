<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>App-Umschalter anzeigen</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Kurzbefehl-Starter anzeigen</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Meldung beim Start anzeigen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Kelvaro-Hilfe</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Updates suchen …</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Kelvaro beenden</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Kelvaro-Einstellungen</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Willkommen bei Kelvaro</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Window %1</source>
        <translation>Fenster %1</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Bild auf</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Pfeil nach links</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Pfeil nach rechts</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Pfeil nach oben</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Pfeil nach unten</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Application switcher</source>
        <translation>App-Umschalter</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Hide application</source>
        <translation>App ausblenden</translation>
    </message>
    <message>
        <source>Minimise window</source>
        <translation>Fenster minimieren</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Bildschirmfoto</translation>
    </message>
    <message>
        <source>Screenshot selection</source>
        <translation>Bildschirmfoto eines Bereichs</translation>
    </message>
    <message>
        <source>Screenshot options</source>
        <translation>Bildschirmfoto-Optionen</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Bildschirm sperren</translation>
    </message>
    <message>
        <source>Mission Control</source>
        <translation>Mission Control</translation>
    </message>
    <message>
        <source>Application windows</source>
        <translation>App-Fenster</translation>
    </message>
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
        <source>Could not read %1&apos;s tabs.</source>
        <translation>Die Tabs von %1 konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser&apos;s profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro kann die offenen Tabs von %1 nicht lesen. Prüfe, ob dein Benutzer den Profilordner des Browsers in ~/.config und dessen Ordner „Sessions“ lesen darf.</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Passwörter</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>App zum Starter hinzufügen</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Wähle eine App, die dem Ring hinzugefügt werden soll.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Softwareaktualisierung</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>Eine neue Version ist verfügbar</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 ist bereit. Du hast %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates</source>
        <translation>Suche nach Updates fehlgeschlagen</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Suche nach Updates …</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Du bist auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 ist die neueste Version.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Es ist keine Update-Quelle eingerichtet.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the update server.</source>
        <translation>Der Update-Server ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Diese Version überspringen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro sendet jetzt anonyme Nutzungsdaten</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Frühere Versionen haben gar nichts gesendet. Diese meldet, wann die App startet, wann ein Ring geöffnet wird und wie viele Tabs eine Übernahme gefunden hat.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>Keine Fenstertitel, keine URLs, keine Dateipfade und nichts, was du tippst.</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › Privacy.</source>
        <translation>Du kannst das jetzt oder jederzeit unter Einstellungen › Datenschutz ausschalten.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Eingeschaltet lassen</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>App Switcher</source>
        <translation>App-Umschalter</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Kurzbefehl-Starter</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Gespeicherte Passwörter</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Gespeicherte Tabs</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Öffnet den Ring der laufenden Apps.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Öffnet die Kurzbefehle, die du für die App im Vordergrund gespeichert hast.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Öffnet den Ring deiner gespeicherten Passwörter.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from Chrome.</source>
        <translation>Öffnet die Tabs, die du aus Chrome übernommen hast.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Modifikatortasten halten</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Halte die Modifikatortasten gedrückt, um mit der Maus zu zielen, und lass sie zum Auswählen los.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Umschalten</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>Der Ring bleibt offen, wenn du loslässt. Drücke den Kurzbefehl erneut oder klicke, um auszuwählen.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>Am Mauszeiger</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>Der Ring öffnet sich um den Mauszeiger, damit er immer in Reichweite ist.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Bildschirmmitte</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>Der Ring öffnet sich immer in der Mitte des Bildschirms.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>Kein Kurzbefehl zugewiesen – %1 kann nicht über die Tastatur geöffnet werden.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Füge Strg, Alt oder Super hinzu, damit dieser Kurzbefehl das Tippen nicht unterbricht.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Bereits von %1 verwendet. Wähle eine andere Kombination.</translation>
    </message>
    <message>
        <source>The desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Der Desktop verwendet dies bereits für %1. Es erreicht Kelvaro möglicherweise nicht.</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>Pfeiltasten wählen, Eingabe wechselt, Escape schließt.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>Keine Apps</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 von %3</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, Fenster %2 von %3: %4</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>Pfeiltasten wählen, Eingabe führt den Kurzbefehl aus, Esc schließt.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>Keine Kurzbefehle</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>Passwort %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Strg</translation>
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
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Kelvaro Ring</source>
        <translation>Kelvaro-Ring</translation>
    </message>
    <message>
        <source>Kelvaro App Switcher</source>
        <translation>Kelvaro-App-Umschalter</translation>
    </message>
</context>
</TS>
