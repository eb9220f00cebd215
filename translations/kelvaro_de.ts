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
        <source>Hold modifiers</source>
        <translation>Modifikatortasten halten</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Halte die Modifikatortasten gedrückt, um mit der Maus zu zielen, und lass sie zum Auswählen los.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Einrasten</translation>
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
    <message>
        <source>Your desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Dein Desktop verwendet dies bereits für %1. Es erreicht Kelvaro möglicherweise nicht.</translation>
    </message>
    <message>
        <source>switching windows</source>
        <translation>den Fensterwechsel</translation>
    </message>
    <message>
        <source>switching windows backwards</source>
        <translation>den Fensterwechsel in umgekehrter Richtung</translation>
    </message>
    <message>
        <source>closing the window</source>
        <translation>das Schließen des Fensters</translation>
    </message>
    <message>
        <source>running a command</source>
        <translation>das Ausführen eines Befehls</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>das Sperren des Bildschirms</translation>
    </message>
    <message>
        <source>showing the desktop</source>
        <translation>das Anzeigen des Desktops</translation>
    </message>
    <message>
        <source>opening a terminal</source>
        <translation>das Öffnen eines Terminals</translation>
    </message>
    <message>
        <source>logging out</source>
        <translation>das Abmelden</translation>
    </message>
    <message>
        <source>switching to a text console</source>
        <translation>den Wechsel zu einer Textkonsole</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › General › Privacy.</source>
        <translation>Du kannst das jetzt oder jederzeit unter Einstellungen › Allgemein › Datenschutz ausschalten.</translation>
    </message>
    <message>
        <source>Global hotkeys need an X11 session. Choose an X11 (Xorg) session on the login screen, then start Kelvaro again.</source>
        <translation>Globale Tastenkürzel benötigen eine X11-Sitzung. Wähle auf dem Anmeldebildschirm eine X11-Sitzung (Xorg) und starte Kelvaro dann erneut.</translation>
    </message>
    <message>
        <source>Global Hotkeys Unavailable</source>
        <translation>Globale Tastenkürzel nicht verfügbar</translation>
    </message>
    <message>
        <source>Keyboard Access Refused</source>
        <translation>Tastaturzugriff verweigert</translation>
    </message>
    <message>
        <source>Accessibility Access Required</source>
        <translation>Barrierefreiheitszugriff erforderlich</translation>
    </message>
    <message>
        <source>This is not an X11 session, so Kelvaro cannot watch global hotkeys or raise windows.</source>
        <translation>Dies ist keine X11-Sitzung, daher kann Kelvaro weder globale Tastenkürzel überwachen noch Fenster in den Vordergrund holen.</translation>
    </message>
    <message>
        <source>The X server did not let Kelvaro watch the keyboard, so hotkeys cannot open the rings.</source>
        <translation>Der X-Server hat Kelvaro nicht erlaubt, die Tastatur zu überwachen, daher können Tastenkürzel die Ringe nicht öffnen.</translation>
    </message>
    <message>
        <source>The accessibility bus is off. Kelvaro needs it to read windows, menus and text fields.</source>
        <translation>Der Barrierefreiheits-Bus ist ausgeschaltet. Kelvaro benötigt ihn, um Fenster, Menüs und Textfelder zu lesen.</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Einschalten</translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>Warum?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Relaxed</source>
        <translation>Gemächlich</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Brisk</source>
        <translation>Zügig</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Bei der Anmeldung öffnen</translation>
    </message>
    <message>
        <source>Start Kelvaro automatically when you sign in.</source>
        <translation>Kelvaro automatisch starten, wenn du dich anmeldest.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Autostart</translation>
    </message>
    <message>
        <source>Send anonymous usage data</source>
        <translation>Anonyme Nutzungsdaten senden</translation>
    </message>
    <message>
        <source>Launches, rings opened, and how many tabs a capture found. Never window titles, URLs, file paths or anything you type.</source>
        <translation>Starts, geöffnete Ringe und wie viele Tabs eine Übernahme gefunden hat. Niemals Fenstertitel, URLs, Dateipfade oder etwas, das du tippst.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Datenschutz</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Verhalten</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Aktivierung</translation>
    </message>
    <message>
        <source>Open the ring</source>
        <translation>Ring öffnen</translation>
    </message>
    <message>
        <source>Follow the pointer across displays</source>
        <translation>Dem Mauszeiger über Bildschirme hinweg folgen</translation>
    </message>
    <message>
        <source>Otherwise the ring always opens on the main display.</source>
        <translation>Sonst öffnet sich der Ring immer auf dem Hauptbildschirm.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <source>Ring size</source>
        <translation>Ringgröße</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>Animationsgeschwindigkeit</translation>
    </message>
    <message>
        <source>Tilt the centre icon with the pointer</source>
        <translation>Mittleres Symbol mit dem Mauszeiger neigen</translation>
    </message>
    <message>
        <source>Adds a subtle parallax to the selected app&apos;s icon.</source>
        <translation>Verleiht dem Symbol der ausgewählten App einen dezenten Parallaxeffekt.</translation>
    </message>
    <message>
        <source>Reduce Motion is on in the desktop&apos;s settings, so animations stay minimal.</source>
        <translation>„Bewegung reduzieren“ ist in den Desktop-Einstellungen eingeschaltet, daher bleiben Animationen minimal.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Automatisch nach Updates suchen</translation>
    </message>
    <message>
        <source>Once a day, in the background.</source>
        <translation>Einmal täglich im Hintergrund.</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Jetzt prüfen</translation>
    </message>
    <message>
        <source>Kelvaro %1 is available</source>
        <translation>Kelvaro %1 ist verfügbar</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt or Super.</source>
        <translation>Mit Strg, Alt oder Super kombinieren.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Tastaturkurzbefehl</translation>
    </message>
    <message>
        <source>Activate to record a new shortcut. Press Escape to cancel, Delete to clear.</source>
        <translation>Aktivieren, um einen neuen Kurzbefehl aufzunehmen. Esc bricht ab, Entf löscht.</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Kurzbefehl löschen</translation>
    </message>
    <message>
        <source>Tap a key to finish · Esc to cancel</source>
        <translation>Zum Abschließen eine Taste drücken · Esc bricht ab</translation>
    </message>
    <message>
        <source>Hold modifiers, then tap a key · Esc to cancel</source>
        <translation>Modifikatortasten halten, dann eine Taste drücken · Esc bricht ab</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme läuft</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Keine Aktion</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>%1 nach oben verschieben</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>%1 nach unten verschieben</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Hold to keep the wheel open</source>
        <translation>Gedrückt halten, damit der Ring offen bleibt</translation>
    </message>
    <message>
        <source>None selected — the wheel stays open until you click or press Escape.</source>
        <translation>Nichts ausgewählt – der Ring bleibt offen, bis du klickst oder Esc drückst.</translation>
    </message>
    <message>
        <source>Keep %1 held while you aim. Release it and the wheel chooses whatever is highlighted.</source>
        <translation>Halte %1 beim Zielen gedrückt. Sobald du loslässt, wählt der Ring das hervorgehobene Element.</translation>
    </message>
    <message>
        <source>Key Binding</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>Kurzbefehl drücken</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>umschalt</translation>
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
        <translation>strg</translation>
    </message>
    <message>
        <source>space</source>
        <translation>leertaste</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>return</source>
        <translation>eingabe</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>rücktaste</translation>
    </message>
    <message>
        <source>esc</source>
        <translation>esc</translation>
    </message>
    <message>
        <source>Match the system language</source>
        <translation>Systemsprache verwenden</translation>
    </message>
    <message>
        <source>The rest of this guide uses your choice.</source>
        <translation>Der Rest dieser Einführung verwendet deine Auswahl.</translation>
    </message>
    <message>
        <source>The interface updates right away.</source>
        <translation>Die Oberfläche wird sofort aktualisiert.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Jetzt neu starten</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Switcher</source>
        <translation>Umschalter</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Kurzbefehle</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>Starter</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Tabs</translation>
    </message>
    <message>
        <source>No passwords yet</source>
        <translation>Noch keine Passwörter</translation>
    </message>
    <message>
        <source>No shortcuts yet</source>
        <translation>Noch keine Kurzbefehle</translation>
    </message>
    <message>
        <source>Select an app</source>
        <translation>Wähle eine App</translation>
    </message>
    <message>
        <source>Ring preview</source>
        <translation>Ringvorschau</translation>
    </message>
    <message>
        <source>No shortcut assigned</source>
        <translation>Kein Kurzbefehl zugewiesen</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Kurzbefehl: %1</translation>
    </message>
    <message>
        <source>This page is not available in this version yet.</source>
        <translation>Diese Seite ist in dieser Version noch nicht verfügbar.</translation>
    </message>
    <message>
        <source>Kelvaro wants to unlock your saved passwords</source>
        <translation>Kelvaro möchte deine gespeicherten Passwörter entsperren</translation>
    </message>
    <message>
        <source>Unlock Saved Passwords</source>
        <translation>Gespeicherte Passwörter entsperren</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>Some of your settings could not be read. The settings file as it was is kept as %1.</source>
        <translation>Einige deiner Einstellungen konnten nicht gelesen werden. Die Einstellungsdatei wurde unverändert als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>Your settings file could not be read, so Kelvaro started with default settings. The file is kept as %1.</source>
        <translation>Deine Einstellungsdatei konnte nicht gelesen werden, daher wurde Kelvaro mit den Standardeinstellungen gestartet. Die Datei wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>Your settings file %1 could not be read, so Kelvaro started with default settings.</source>
        <translation>Deine Einstellungsdatei %1 konnte nicht gelesen werden, daher wurde Kelvaro mit den Standardeinstellungen gestartet.</translation>
    </message>
    <message>
        <source>Your settings cannot be saved to %1 (%2). Changes are kept until Kelvaro quits.</source>
        <translation>Deine Einstellungen können nicht in %1 gespeichert werden (%2). Änderungen bleiben erhalten, bis Kelvaro beendet wird.</translation>
    </message>
    <message>
        <source>Choose an icon</source>
        <translation>Symbol auswählen</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Konto bearbeiten</translation>
    </message>
    <message>
        <source>Add Account</source>
        <translation>Konto hinzufügen</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Work mail</source>
        <translation>Arbeits-E-Mail</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Email / Account</source>
        <translation>E-Mail / Konto</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Add passwords for this account from the list after saving.</source>
        <translation>Füge nach dem Sichern in der Liste Passwörter für dieses Konto hinzu.</translation>
    </message>
    <message>
        <source>Add Another Password</source>
        <translation>Weiteres Passwort hinzufügen</translation>
    </message>
    <message>
        <source>Each password is saved under this account. Several passwords open an arc on the ring.</source>
        <translation>Jedes Passwort wird unter diesem Konto gesichert. Mehrere Passwörter öffnen einen Bogen im Ring.</translation>
    </message>
    <message>
        <source>Shown in the arc when this account has more than one password.</source>
        <translation>Erscheint im Bogen, wenn dieses Konto mehrere Passwörter hat.</translation>
    </message>
    <message>
        <source>Edit Password</source>
        <translation>Passwort bearbeiten</translation>
    </message>
    <message>
        <source>Add Password</source>
        <translation>Passwort hinzufügen</translation>
    </message>
    <message>
        <source>Add Passwords</source>
        <translation>Passwörter hinzufügen</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Passwords</source>
        <translation>
            <numerusform>%n Passwort hinzufügen</numerusform>
            <numerusform>%n Passwörter hinzufügen</numerusform>
        </translation>
    </message>
    <message>
        <source>Hide the password</source>
        <translation>Passwort verbergen</translation>
    </message>
    <message>
        <source>Show the password</source>
        <translation>Passwort anzeigen</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Remove this password</source>
        <translation>Dieses Passwort entfernen</translation>
    </message>
    <message>
        <source>Hint (optional)</source>
        <translation>Hinweis (optional)</translation>
    </message>
    <message>
        <source>ends 4471</source>
        <translation>endet auf 4471</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Your desktop keyring did not store the password “%1”, so it was not saved. Unlock the keyring and try again.</source>
        <translation>Der Schlüsselbund deiner Arbeitsumgebung hat das Passwort „%1“ nicht angenommen, daher wurde es nicht gesichert. Entsperre den Schlüsselbund und versuche es erneut.</translation>
    </message>
    <message>
        <source>Accounts &amp; Passwords</source>
        <translation>Konten &amp; Passwörter</translation>
    </message>
    <message>
        <source>Stored in your desktop keyring (Secret Service), readable only while your session is unlocked. Choosing one fills the focused text field when you can type, otherwise copies to the clipboard (cleared after 45 seconds). An account with more than one password shows them in an arc beside its wedge.</source>
        <translation>Im Schlüsselbund deiner Arbeitsumgebung (Secret Service) gespeichert und nur lesbar, solange deine Sitzung entsperrt ist. Eine Auswahl füllt das fokussierte Textfeld aus, wenn dort getippt werden kann, andernfalls wird sie in die Zwischenablage kopiert (nach 45 Sekunden geleert). Ein Konto mit mehreren Passwörtern zeigt sie in einem Bogen neben seinem Segment.</translation>
    </message>
    <message>
        <source>1 password</source>
        <translation>1 Passwort</translation>
    </message>
    <message numerus="yes">
        <source>%n passwords</source>
        <translation>
            <numerusform>%n Passwort</numerusform>
            <numerusform>%n Passwörter</numerusform>
        </translation>
    </message>
    <message>
        <source>No accounts yet</source>
        <translation>Noch keine Konten</translation>
    </message>
    <message>
        <source>Edit this account</source>
        <translation>Dieses Konto bearbeiten</translation>
    </message>
    <message>
        <source>Delete this account</source>
        <translation>Dieses Konto löschen</translation>
    </message>
    <message>
        <source>Add an account, then add passwords under it.</source>
        <translation>Füge ein Konto hinzu und lege darunter Passwörter an.</translation>
    </message>
    <message>
        <source>No passwords for this account yet.</source>
        <translation>Für dieses Konto gibt es noch keine Passwörter.</translation>
    </message>
    <message>
        <source>Add the passwords that belong to this email.</source>
        <translation>Füge die Passwörter hinzu, die zu dieser E-Mail-Adresse gehören.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben verschieben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten verschieben</translation>
    </message>
    <message>
        <source>Edit this password</source>
        <translation>Dieses Passwort bearbeiten</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Konten</translation>
    </message>
    <message>
        <source>Delete the account “%1”?</source>
        <translation>Konto „%1“ löschen?</translation>
    </message>
    <message numerus="yes">
        <source>Its %n password(s) will be removed from your desktop keyring.</source>
        <translation>
            <numerusform>%n Passwort dieses Kontos wird aus dem Schlüsselbund deiner Arbeitsumgebung entfernt.</numerusform>
            <numerusform>%n Passwörter dieses Kontos werden aus dem Schlüsselbund deiner Arbeitsumgebung entfernt.</numerusform>
        </translation>
    </message>
    <message>
        <source>No shortcut assigned — this launcher can&apos;t be opened from the keyboard.</source>
        <translation>Kein Kurzbefehl zugewiesen – dieser Starter kann nicht über die Tastatur geöffnet werden.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from your browsers.</source>
        <translation>Öffnet die Tabs, die du aus deinen Browsern übernommen hast.</translation>
    </message>
    <message>
        <source>Search Icon</source>
        <translation>Symbol suchen</translation>
    </message>
    <message>
        <source>Icon Name</source>
        <translation>Symbolname</translation>
    </message>
    <message>
        <source>Upload PNG…</source>
        <translation>PNG hochladen …</translation>
    </message>
    <message>
        <source>Use your own image, up to 1 MB</source>
        <translation>Eigenes Bild verwenden, bis zu 1 MB</translation>
    </message>
    <message>
        <source>Pick Icon</source>
        <translation>Symbol wählen</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>Keine Ergebnisse für „%1“</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Could not add icon</source>
        <translation>Symbol konnte nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>Keystroke</source>
        <translation>Tastendruck</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Sent to the app in front, as if you pressed it yourself.</source>
        <translation>Wird an die App im Vordergrund gesendet, als hättest du die Tasten selbst gedrückt.</translation>
    </message>
    <message>
        <source>Copied to the clipboard, ready to paste.</source>
        <translation>Wird in die Zwischenablage kopiert, bereit zum Einsetzen.</translation>
    </message>
    <message>
        <source>Opened in your default browser.</source>
        <translation>Wird in deinem Standardbrowser geöffnet.</translation>
    </message>
    <message>
        <source>Edit Shortcut</source>
        <translation>Kurzbefehl bearbeiten</translation>
    </message>
    <message>
        <source>New Shortcut</source>
        <translation>Neuer Kurzbefehl</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>für %1</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Keystroke to send</source>
        <translation>Zu sendender Tastendruck</translation>
    </message>
    <message>
        <source>Add Shortcut</source>
        <translation>Kurzbefehl hinzufügen</translation>
    </message>
    <message>
        <source>Give the shortcut a name.</source>
        <translation>Gib dem Kurzbefehl einen Namen.</translation>
    </message>
    <message>
        <source>Record the keystroke to send.</source>
        <translation>Nimm den zu sendenden Tastendruck auf.</translation>
    </message>
    <message>
        <source>Enter the text to copy.</source>
        <translation>Gib den zu kopierenden Text ein.</translation>
    </message>
    <message>
        <source>Enter a link to open.</source>
        <translation>Gib einen Link ein, der geöffnet werden soll.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like a valid link.</source>
        <translation>Das sieht nicht nach einem gültigen Link aus.</translation>
    </message>
    <message>
        <source>Suggested shortcuts for %1</source>
        <translation>Vorgeschlagene Kurzbefehle für %1</translation>
    </message>
    <message>
        <source>Pick the ones you want on the ring. You can edit them later.</source>
        <translation>Wähle die aus, die du im Ring haben möchtest. Du kannst sie später bearbeiten.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Add 1 Shortcut</source>
        <translation>1 Kurzbefehl hinzufügen</translation>
    </message>
    <message>
        <source>Add Shortcuts</source>
        <translation>Kurzbefehle hinzufügen</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Shortcuts</source>
        <translation>
            <numerusform>%n Kurzbefehl hinzufügen</numerusform>
            <numerusform>%n Kurzbefehle hinzufügen</numerusform>
        </translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Alle abwählen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message numerus="yes">
        <source>Found %n shortcuts in the menus.</source>
        <translation>
            <numerusform>%n Kurzbefehl in den Menüs gefunden.</numerusform>
            <numerusform>%n Kurzbefehle in den Menüs gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open the app first, then import again.</source>
        <translation>Öffne zuerst die App und importiere dann erneut.</translation>
    </message>
    <message>
        <source>Reading menus needs the desktop&apos;s accessibility bus, which is off.</source>
        <translation>Zum Lesen der Menüs wird der Barrierefreiheits-Bus des Desktops benötigt, der ausgeschaltet ist.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read this app&apos;s menus.</source>
        <translation>Die Menüs dieser App konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>Vorschläge</translation>
    </message>
    <message>
        <source>From Menus</source>
        <translation>Aus den Menüs</translation>
    </message>
    <message>
        <source>Reading menus…</source>
        <translation>Menüs werden gelesen …</translation>
    </message>
    <message>
        <source>Open App &amp; Import Menus</source>
        <translation>App öffnen und Menüs importieren</translation>
    </message>
    <message>
        <source>Import from Menus</source>
        <translation>Aus Menüs importieren</translation>
    </message>
    <message>
        <source>Pick a PNG file. Folders, links and devices cannot be used.</source>
        <translation>Wähle eine PNG-Datei. Ordner, Verknüpfungen und Geräte können nicht verwendet werden.</translation>
    </message>
    <message>
        <source>Pick a PNG smaller than 1 MB.</source>
        <translation>Wähle eine PNG-Datei, die kleiner als 1 MB ist.</translation>
    </message>
    <message>
        <source>Pick a PNG of at most 1024 × 1024 pixels.</source>
        <translation>Wähle eine PNG-Datei mit höchstens 1024 × 1024 Pixeln.</translation>
    </message>
    <message>
        <source>That file could not be read as a PNG.</source>
        <translation>Diese Datei konnte nicht als PNG gelesen werden.</translation>
    </message>
    <message>
        <source>The icon could not be saved: %1</source>
        <translation>Das Symbol konnte nicht gesichert werden: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The Firefox session file %1 is too large to read.</source>
        <translation>Die Firefox-Sitzungsdatei %1 ist zu groß zum Lesen.</translation>
    </message>
    <message>
        <source>Could not read the Firefox session file %1: %2.</source>
        <translation>Die Firefox-Sitzungsdatei %1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read its profile folder in ~/.mozilla/firefox.</source>
        <translation>Kelvaro kann die offenen Tabs von %1 nicht lesen. Prüfe, ob dein Benutzer dessen Profilordner in ~/.mozilla/firefox lesen darf.</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs.</source>
        <translation>
            <numerusform>%n Tab übernommen.</numerusform>
            <numerusform>%n Tabs übernommen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs from %1.</source>
        <translation>
            <numerusform>%n Tab aus %1 übernommen.</numerusform>
            <numerusform>%n Tabs aus %1 übernommen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 aus %2</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs — %1.</source>
        <translation>
            <numerusform>%n Tab übernommen – %1.</numerusform>
            <numerusform>%n Tabs übernommen – %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier capture kept.</source>
        <translation>1 frühere Übernahme aufbewahrt.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier captures kept.</source>
        <translation>
            <numerusform>%n frühere Übernahme aufbewahrt.</numerusform>
            <numerusform>%n frühere Übernahmen aufbewahrt.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 tab</source>
        <translation>1 Tab</translation>
    </message>
    <message numerus="yes">
        <source>%n tabs</source>
        <translation>
            <numerusform>%n Tab</numerusform>
            <numerusform>%n Tabs</numerusform>
        </translation>
    </message>
    <message>
        <source>Browsers &amp; Tabs</source>
        <translation>Browser &amp; Tabs</translation>
    </message>
    <message>
        <source>Reads every tab open in Chrome, Brave, Edge, Vivaldi, Opera, Chromium and Firefox from the session files in their profile folders, and keeps them here so you can reopen them after the browser is closed. Each capture is kept as its own session; the ring shows the chosen one, ten tabs at a time.</source>
        <translation>Liest alle offenen Tabs von Chrome, Brave, Edge, Vivaldi, Opera, Chromium und Firefox aus den Sitzungsdateien in ihren Profilordnern und bewahrt sie hier auf, damit du sie wieder öffnen kannst, nachdem der Browser geschlossen wurde. Jede Übernahme wird als eigene Sitzung aufbewahrt; der Ring zeigt die ausgewählte, zehn Tabs auf einmal.</translation>
    </message>
    <message>
        <source>Nothing captured yet</source>
        <translation>Noch nichts übernommen</translation>
    </message>
    <message>
        <source>Capturing…</source>
        <translation>Übernahme läuft …</translation>
    </message>
    <message>
        <source>Capture Tabs</source>
        <translation>Tabs übernehmen</translation>
    </message>
    <message>
        <source>Rename this capture</source>
        <translation>Diese Übernahme umbenennen</translation>
    </message>
    <message>
        <source>Delete this capture</source>
        <translation>Diese Übernahme löschen</translation>
    </message>
    <message>
        <source>No tabs captured yet.</source>
        <translation>Noch keine Tabs übernommen.</translation>
    </message>
    <message>
        <source>Open a browser and capture what it has open.</source>
        <translation>Öffne einen Browser und übernimm, was darin geöffnet ist.</translation>
    </message>
    <message>
        <source>No open tabs to capture.</source>
        <translation>Keine offenen Tabs zum Übernehmen.</translation>
    </message>
    <message>
        <source>Rename Capture</source>
        <translation>Übernahme umbenennen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Übernahmen</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>App hinzufügen</translation>
    </message>
    <message>
        <source>1 app</source>
        <translation>1 App</translation>
    </message>
    <message numerus="yes">
        <source>%n apps</source>
        <translation>
            <numerusform>%n App</numerusform>
            <numerusform>%n Apps</numerusform>
        </translation>
    </message>
    <message>
        <source>No apps added yet.</source>
        <translation>Noch keine Apps hinzugefügt.</translation>
    </message>
    <message>
        <source>Choose apps this launcher should show in the ring.</source>
        <translation>Wähle die Apps, die dieser Starter im Ring zeigen soll.</translation>
    </message>
    <message>
        <source>Launchers &amp; Apps</source>
        <translation>Starter &amp; Apps</translation>
    </message>
    <message>
        <source>New Launcher</source>
        <translation>Neuer Starter</translation>
    </message>
    <message>
        <source>Rename Launcher</source>
        <translation>Starter umbenennen</translation>
    </message>
    <message>
        <source>Opens this launcher.</source>
        <translation>Öffnet diesen Starter.</translation>
    </message>
    <message>
        <source>No launchers yet</source>
        <translation>Noch keine Starter</translation>
    </message>
    <message>
        <source>Add Launcher</source>
        <translation>Starter hinzufügen</translation>
    </message>
    <message>
        <source>Rename this launcher</source>
        <translation>Diesen Starter umbenennen</translation>
    </message>
    <message>
        <source>Delete this launcher</source>
        <translation>Diesen Starter löschen</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>Starter</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Vorschlagen</translation>
    </message>
    <message>
        <source>Apps &amp; Shortcuts</source>
        <translation>Apps &amp; Kurzbefehle</translation>
    </message>
    <message>
        <source>1 shortcut</source>
        <translation>1 Kurzbefehl</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts</source>
        <translation>
            <numerusform>%n Kurzbefehl</numerusform>
            <numerusform>%n Kurzbefehle</numerusform>
        </translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>App auswählen</translation>
    </message>
    <message>
        <source>Choose an application to add shortcuts for</source>
        <translation>Wähle eine Anwendung, für die du Kurzbefehle hinzufügen möchtest</translation>
    </message>
    <message>
        <source>No apps added yet</source>
        <translation>Noch keine Apps hinzugefügt</translation>
    </message>
    <message>
        <source>Remove this app</source>
        <translation>Diese App entfernen</translation>
    </message>
    <message>
        <source>Add suggested shortcuts for this app</source>
        <translation>Vorgeschlagene Kurzbefehle für diese App hinzufügen</translation>
    </message>
    <message>
        <source>Add keyboard shortcuts, text snippets or links for %1.</source>
        <translation>Füge Tastaturkurzbefehle, Textbausteine oder Links für %1 hinzu.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>Kelvaro is Now Running</source>
        <translation>Kelvaro läuft jetzt</translation>
    </message>
    <message>
        <source>The two rings</source>
        <translation>Die beiden Ringe</translation>
    </message>
    <message>
        <source>Hold its shortcut, aim at an app with the pointer, let go. The ring opens around your pointer or in the middle of the display — your choice, under Settings › General.</source>
        <translation>Halte seinen Kurzbefehl gedrückt, ziele mit dem Mauszeiger auf eine App und lass los. Der Ring öffnet sich um deinen Mauszeiger oder in der Mitte des Bildschirms – das legst du unter Einstellungen › Allgemein fest.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for whichever app is in front, so you can drive that app by its own keyboard shortcuts without remembering them.</source>
        <translation>Öffnet die Kurzbefehle, die du für die jeweilige App im Vordergrund gespeichert hast, damit du diese App mit ihren eigenen Tastaturkurzbefehlen steuern kannst, ohne sie dir merken zu müssen.</translation>
    </message>
    <message>
        <source>Choosing between windows</source>
        <translation>Zwischen Fenstern wählen</translation>
    </message>
    <message>
        <source>The window arc</source>
        <translation>Der Fensterbogen</translation>
    </message>
    <message>
        <source>When the highlighted app has more than one window, a quarter-arc appears beside it listing them. Keep moving outward onto the arc to pick a window instead of just the app.</source>
        <translation>Hat die hervorgehobene App mehr als ein Fenster, erscheint daneben ein Viertelbogen, der sie auflistet. Bewege den Mauszeiger weiter nach außen auf den Bogen, um statt der App ein bestimmtes Fenster zu wählen.</translation>
    </message>
    <message>
        <source>The arc never appears</source>
        <translation>Der Bogen erscheint nie</translation>
    </message>
    <message>
        <source>It only appears for an app with more than one window: an app with a single window has nothing to choose between, so the arc stays hidden.</source>
        <translation>Er erscheint nur bei einer App mit mehr als einem Fenster: Bei einer App mit nur einem Fenster gibt es nichts zu wählen, daher bleibt der Bogen verborgen.</translation>
    </message>
    <message>
        <source>Changing a binding</source>
        <translation>Tastenkombination ändern</translation>
    </message>
    <message>
        <source>Settings › Switcher or Shortcuts, then click the recorder and press the combination you want. Add Ctrl, Alt or Super so it can&apos;t fire while you&apos;re typing.</source>
        <translation>Öffne Einstellungen › Umschalter oder Kurzbefehle, klicke auf das Aufnahmefeld und drücke die gewünschte Kombination. Füge Strg, Alt oder Super hinzu, damit sie beim Tippen nicht versehentlich ausgelöst wird.</translation>
    </message>
    <message>
        <source>Hold versus toggle</source>
        <translation>Halten oder Einrasten</translation>
    </message>
    <message>
        <source>By default the ring stays open while you hold the shortcut&apos;s modifiers and commits when you let go. Settings › General can switch it to stay open until you press again or click.</source>
        <translation>Standardmäßig bleibt der Ring offen, solange du die Modifikatortasten des Kurzbefehls gedrückt hältst, und wählt aus, sobald du loslässt. Unter Einstellungen › Allgemein kannst du festlegen, dass er offen bleibt, bis du erneut drückst oder klickst.</translation>
    </message>
    <message>
        <source>If nothing happens</source>
        <translation>Wenn nichts passiert</translation>
    </message>
    <message>
        <source>Desktop access</source>
        <translation>Desktop-Zugriff</translation>
    </message>
    <message>
        <source>Global shortcuts need an X11 session, and reading menus or typing passwords needs the accessibility bus. Settings shows a banner whenever something is missing, with a button that turns the accessibility bus on.</source>
        <translation>Globale Tastenkürzel benötigen eine X11-Sitzung, und zum Lesen von Menüs oder Eintippen von Passwörtern wird der Barrierefreiheits-Bus benötigt. Die Einstellungen zeigen einen Hinweisbalken, sobald etwas fehlt, mit einer Schaltfläche, die den Barrierefreiheits-Bus einschaltet.</translation>
    </message>
    <message>
        <source>Finding the app</source>
        <translation>Die App finden</translation>
    </message>
    <message>
        <source>Kelvaro has no window of its own on purpose. It lives in the tray; closing a window doesn&apos;t quit it.</source>
        <translation>Kelvaro hat absichtlich kein eigenes Fenster. Es befindet sich im Systemabschnitt der Kontrollleiste; das Schließen eines Fensters beendet es nicht.</translation>
    </message>
    <message>
        <source>Starting over</source>
        <translation>Von vorn beginnen</translation>
    </message>
    <message>
        <source>Starting Kelvaro again while it runs opens its settings, or the walkthrough while that is unfinished.</source>
        <translation>Wenn du Kelvaro erneut startest, während es läuft, öffnen sich seine Einstellungen – oder die Einführung, solange sie noch nicht abgeschlossen ist.</translation>
    </message>
    <message>
        <source>This is the cause of most &quot;nothing happens&quot; reports.</source>
        <translation>Das ist die Ursache der meisten Meldungen, dass „nichts passiert“.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer.</source>
        <translation>Jede geöffnete App in einem Ring um deinen Mauszeiger.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Support kontaktieren</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>Support-Seite</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Datenschutzerklärung</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Nutzungsbedingungen</translation>
    </message>
    <message>
        <source>Kelvaro %1</source>
        <translation>Kelvaro %1</translation>
    </message>
    <message>
        <source>Your apps, shortcuts and passwords stay on this computer.</source>
        <translation>Deine Apps, Kurzbefehle und Passwörter bleiben auf diesem Computer.</translation>
    </message>
    <message>
        <source>Show this message on app launch</source>
        <translation>Diese Meldung beim Start anzeigen</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Press %1 to open the ring</source>
        <translation>Drücke %1, um den Ring zu öffnen</translation>
    </message>
    <message>
        <source>No shortcut is assigned yet. Open Settings to choose one.</source>
        <translation>Es ist noch kein Kurzbefehl zugewiesen. Öffne die Einstellungen, um einen festzulegen.</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>X11-Sitzung</translation>
    </message>
    <message>
        <source>Global keys</source>
        <translation>Globale Tastenkürzel</translation>
    </message>
    <message>
        <source>Accessibility bus</source>
        <translation>Barrierefreiheits-Bus</translation>
    </message>
    <message>
        <source>Start Using Kelvaro</source>
        <translation>Kelvaro verwenden</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Wähle deine Sprache</translation>
    </message>
    <message>
        <source>Kelvaro speaks 17 languages. Pick one, or let it follow your system.</source>
        <translation>Kelvaro spricht 17 Sprachen. Wähle eine aus oder lass Kelvaro der Sprache deines Systems folgen.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer. One keystroke away.</source>
        <translation>Jede geöffnete App in einem Ring um deinen Mauszeiger. Nur einen Tastendruck entfernt.</translation>
    </message>
    <message>
        <source>Notices the one shortcut you choose</source>
        <translation>Erkennt nur den einen Kurzbefehl, den du festlegst</translation>
    </message>
    <message>
        <source>Switches apps and sends shortcuts you set up</source>
        <translation>Wechselt Apps und sendet Kurzbefehle, die du eingerichtet hast</translation>
    </message>
    <message>
        <source>Never reads what you type</source>
        <translation>Liest nie, was du tippst</translation>
    </message>
    <message>
        <source>Sends nothing it sees here — that stays on this computer</source>
        <translation>Sendet nichts, was es hier sieht – das bleibt auf diesem Computer</translation>
    </message>
    <message>
        <source>Needs an X11 Session</source>
        <translation>X11-Sitzung erforderlich</translation>
    </message>
    <message>
        <source>Turn On the Accessibility Bus</source>
        <translation>Barrierefreiheits-Bus einschalten</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Alles ist bereit</translation>
    </message>
    <message>
        <source>Let Kelvaro see your shortcut</source>
        <translation>Lass Kelvaro deinen Kurzbefehl erkennen</translation>
    </message>
    <message>
        <source>Global keys work and the accessibility bus is on. Nothing else to set up.</source>
        <translation>Globale Tastenkürzel funktionieren und der Barrierefreiheits-Bus ist eingeschaltet. Sonst gibt es nichts einzurichten.</translation>
    </message>
    <message>
        <source>Linux needs two things for this: an X11 session for the global keys, and the accessibility bus for reading menus and typing passwords.</source>
        <translation>Linux braucht dafür zwei Dinge: eine X11-Sitzung für die globalen Tastenkürzel und den Barrierefreiheits-Bus zum Lesen von Menüs und Eintippen von Passwörtern.</translation>
    </message>
    <message>
        <source>No shortcut set</source>
        <translation>Kein Kurzbefehl festgelegt</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Record a different shortcut</source>
        <translation>Anderen Kurzbefehl aufnehmen</translation>
    </message>
    <message>
        <source>Use the default instead</source>
        <translation>Stattdessen Standard verwenden</translation>
    </message>
    <message>
        <source>Hold it — the ring opens.</source>
        <translation>Halte ihn gedrückt – der Ring öffnet sich.</translation>
    </message>
    <message>
        <source>Point at the app you want.</source>
        <translation>Zeige auf die gewünschte App.</translation>
    </message>
    <message>
        <source>Let go — Kelvaro switches to it.</source>
        <translation>Lass los – Kelvaro wechselt zu ihr.</translation>
    </message>
    <message>
        <source>Your shortcut</source>
        <translation>Dein Kurzbefehl</translation>
    </message>
    <message>
        <source>This is what opens the ring. Keep it, or record your own.</source>
        <translation>Damit öffnest du den Ring. Behalte ihn oder nimm deinen eigenen auf.</translation>
    </message>
    <message>
        <source>Click the Kelvaro icon in the tray.</source>
        <translation>Klicke auf das Kelvaro-Symbol im Systemabschnitt der Kontrollleiste.</translation>
    </message>
    <message>
        <source>Settings — add apps, edit shortcuts, change keys.</source>
        <translation>Einstellungen – Apps hinzufügen, Kurzbefehle bearbeiten, Tasten ändern.</translation>
    </message>
    <message>
        <source>Kelvaro lives in the tray</source>
        <translation>Kelvaro wohnt im Systemabschnitt</translation>
    </message>
    <message>
        <source>It has no window of its own on purpose. Close a window and it keeps running — everything stays one click away in the tray.</source>
        <translation>Es hat absichtlich kein eigenes Fenster. Schließe ein Fenster und es läuft weiter – im Systemabschnitt ist alles nur einen Klick entfernt.</translation>
    </message>
    <message>
        <source>Your settings file was damaged after Kelvaro read it. The damaged file is kept as %1, and your settings were saved again.</source>
        <translation>Deine Einstellungsdatei wurde beschädigt, nachdem Kelvaro sie gelesen hatte. Die beschädigte Datei wurde als %1 aufbewahrt und deine Einstellungen wurden erneut gespeichert.</translation>
    </message>
    <message>
        <source>A change to your settings was not made: it would have made the settings file %1 too large to read back.</source>
        <translation>Eine Änderung deiner Einstellungen wurde nicht vorgenommen: Sie hätte die Einstellungsdatei %1 zu groß gemacht, um sie wieder einzulesen.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: their addresses are longer than %1 characters.</source>
        <translation>
            <numerusform>%Ln Tab wurde ausgelassen: Seine Adresse ist länger als %1 Zeichen.</numerusform>
            <numerusform>%Ln Tabs wurden ausgelassen: Ihre Adressen sind länger als %1 Zeichen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: a capture keeps at most %1 tabs.</source>
        <translation>
            <numerusform>%Ln Tab wurde ausgelassen: Eine Übernahme umfasst höchstens %1 Tabs.</numerusform>
            <numerusform>%Ln Tabs wurden ausgelassen: Eine Übernahme umfasst höchstens %1 Tabs.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: the capture would have been too large to keep.</source>
        <translation>
            <numerusform>%Ln Tab wurde ausgelassen: Die Übernahme wäre zu groß zum Aufbewahren gewesen.</numerusform>
            <numerusform>%Ln Tabs wurden ausgelassen: Die Übernahme wäre zu groß zum Aufbewahren gewesen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The capture was not kept: your settings file would have grown too large.</source>
        <translation>Die Übernahme wurde nicht aufbewahrt: Deine Einstellungsdatei wäre zu groß geworden.</translation>
    </message>
    <message>
        <source>That password was not accepted. Try again.</source>
        <translation>Dieses Passwort wurde nicht angenommen. Versuche es noch einmal.</translation>
    </message>
    <message>
        <source>Your login password was not accepted. No saved password was released.</source>
        <translation>Dein Anmeldepasswort wurde nicht angenommen. Es wurde kein gespeichertes Passwort herausgegeben.</translation>
    </message>
    <message>
        <source>Enter your login password to use saved passwords.</source>
        <translation>Gib dein Anmeldepasswort ein, um gespeicherte Passwörter zu verwenden.</translation>
    </message>
    <message numerus="yes">
        <source>The window you chose was closed or is no longer in front. Your password is on the clipboard for %n seconds.</source>
        <translation>
            <numerusform>Das gewählte Fenster wurde geschlossen oder ist nicht mehr im Vordergrund. Dein Passwort liegt %n Sekunde lang in der Zwischenablage.</numerusform>
            <numerusform>Das gewählte Fenster wurde geschlossen oder ist nicht mehr im Vordergrund. Dein Passwort liegt %n Sekunden lang in der Zwischenablage.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The password did not arrive in the field. It is on the clipboard for %n seconds: paste it there yourself.</source>
        <translation>
            <numerusform>Das Passwort ist nicht im Feld angekommen. Es liegt %n Sekunde lang in der Zwischenablage: Füge es selbst dort ein.</numerusform>
            <numerusform>Das Passwort ist nicht im Feld angekommen. Es liegt %n Sekunden lang in der Zwischenablage: Füge es selbst dort ein.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 did not take the password. It is on the clipboard for %n seconds: paste it into the field yourself.</source>
        <translation>
            <numerusform>%1 hat das Passwort nicht angenommen. Es liegt %n Sekunde lang in der Zwischenablage: Füge es selbst in das Feld ein.</numerusform>
            <numerusform>%1 hat das Passwort nicht angenommen. Es liegt %n Sekunden lang in der Zwischenablage: Füge es selbst in das Feld ein.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No text field had the focus. Your password is on the clipboard for %n seconds: paste it.</source>
        <translation>
            <numerusform>Kein Textfeld hatte den Fokus. Dein Passwort liegt %n Sekunde lang in der Zwischenablage: Füge es ein.</numerusform>
            <numerusform>Kein Textfeld hatte den Fokus. Dein Passwort liegt %n Sekunden lang in der Zwischenablage: Füge es ein.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your own icon: a PNG of at most 1 MB and 1024 × 1024 pixels.</source>
        <translation>Eigenes Symbol: eine PNG-Datei mit höchstens 1 MB und 1024 × 1024 Pixeln.</translation>
    </message>
    <message>
        <source>A name is needed.</source>
        <translation>Ein Name ist erforderlich.</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]</source>
        <translation>Aufruf: %1 [--help | --version]</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: this Wayland session has no XWayland (DISPLAY is not set).</source>
        <translation>Kelvaro braucht eine X11-Sitzung: Diese Wayland-Sitzung hat kein XWayland (DISPLAY ist nicht gesetzt).</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: DISPLAY is not set.</source>
        <translation>Kelvaro braucht eine X11-Sitzung: DISPLAY ist nicht gesetzt.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: the display %1 cannot be opened.</source>
        <translation>Kelvaro braucht eine X11-Sitzung: Der Bildschirm %1 lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>This build of Kelvaro cannot send usage data.</source>
        <translation>Dieser Build von Kelvaro kann keine Nutzungsdaten senden.</translation>
    </message>
    <message>
        <source>Already used by %1.</source>
        <translation>Bereits von %1 verwendet.</translation>
    </message>
    <message>
        <source>Empty Bin</source>
        <translation>Papierkorb leeren</translation>
    </message>
    <message>
        <source>Toggle recording</source>
        <translation>Aufnahme umschalten</translation>
    </message>
    <message>
        <source>Could not read the session log %1: %2.</source>
        <translation>Das Sitzungsprotokoll %1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1: your user may not read %2.</source>
        <translation>Kelvaro kann die offenen Tabs von %1 nicht lesen: Ihr Benutzer darf %2 nicht lesen.</translation>
    </message>
    <message>
        <source>%1 is running, but its session could not be read: %2</source>
        <translation>%1 läuft, aber seine Sitzung konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is running, but Kelvaro found no session file in its profile folders.</source>
        <translation>%1 läuft, aber Kelvaro hat in seinen Profilordnern keine Sitzungsdatei gefunden.</translation>
    </message>
    <message>
        <source>%1 is running, but its session has no open web pages.</source>
        <translation>%1 läuft, aber in seiner Sitzung sind keine Webseiten geöffnet.</translation>
    </message>
    <message>
        <source>Your saved captures were not changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Deine gespeicherten Übernahmen wurden nicht geändert: Einige davon konnten nicht gelesen werden, und in deiner Einstellungsdatei ist kein Platz, um eine Kopie davon aufzubewahren. Sie bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>The capture was not kept: the saved captures take all the room there is. Delete captures you no longer need, then capture again.</source>
        <translation>Die Übernahme wurde nicht aufbewahrt: Die gespeicherten Übernahmen belegen den gesamten verfügbaren Platz. Lösche Übernahmen, die du nicht mehr brauchst, und übernimm dann erneut.</translation>
    </message>
    <message>
        <source>Your launchers cannot be changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Deine Starter können nicht geändert werden: Einige davon konnten nicht gelesen werden, und in deiner Einstellungsdatei ist kein Platz, um eine Kopie davon aufzubewahren. Sie bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>%1: unknown option: %2</source>
        <translation>%1: unbekannte Option: %2</translation>
    </message>
    <message>
        <source>This build of Kelvaro has no update feed.</source>
        <translation>Dieser Build von Kelvaro hat keinen Update-Feed.</translation>
    </message>
</context>
</TS>
