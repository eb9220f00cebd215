<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Toon appkiezer</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Toon snelkoppelingsstarter</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Open bij inloggen</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Toon melding bij opstarten</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Kelvaro-help</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Zoek naar updates…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Stop Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Kelvaro-instellingen</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Welkom bij Kelvaro</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Schermvullend</translation>
    </message>
    <message>
        <source>Window %1</source>
        <translation>Venster %1</translation>
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
        <translation>Tab</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spatiebalk</translation>
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
        <translation>Pijl naar links</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Pijl naar rechts</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Pijl omhoog</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Pijl omlaag</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Bewaar</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Sluit venster</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Herstel</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieer</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plak</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Zoek</translation>
    </message>
    <message>
        <source>New Finder Window</source>
        <translation>Nieuw Finder-venster</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nieuwe map</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>Toon info</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliceer</translation>
    </message>
    <message>
        <source>Go to Downloads</source>
        <translation>Ga naar Downloads</translation>
    </message>
    <message>
        <source>Show View Options</source>
        <translation>Toon weergaveopties</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>Nieuw tabblad</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nieuw venster</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Sluit tabblad</translation>
    </message>
    <message>
        <source>Reopen Last Tab</source>
        <translation>Open laatste tabblad opnieuw</translation>
    </message>
    <message>
        <source>Reload Page</source>
        <translation>Laad pagina opnieuw</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>Toon Lezer</translation>
    </message>
    <message>
        <source>New Private Window</source>
        <translation>Nieuw privévenster</translation>
    </message>
    <message>
        <source>Reopen Closed Tab</source>
        <translation>Open gesloten tabblad opnieuw</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Laad opnieuw</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>Ontwikkelaarstools</translation>
    </message>
    <message>
        <source>New Incognito Window</source>
        <translation>Nieuw incognitovenster</translation>
    </message>
    <message>
        <source>New Message</source>
        <translation>Nieuw bericht</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Beantwoord</translation>
    </message>
    <message>
        <source>Reply All</source>
        <translation>Beantwoord allen</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Stuur door</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Verstuur</translation>
    </message>
    <message>
        <source>Mailbox Search</source>
        <translation>Zoek in postbus</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Nieuwe notitie</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Checklist</translation>
    </message>
    <message>
        <source>Attach File</source>
        <translation>Voeg bestand toe</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoek</translation>
    </message>
    <message>
        <source>Emoji &amp; Symbols</source>
        <translation>Emoji en symbolen</translation>
    </message>
    <message>
        <source>New Event</source>
        <translation>Nieuwe activiteit</translation>
    </message>
    <message>
        <source>Go to Today</source>
        <translation>Ga naar vandaag</translation>
    </message>
    <message>
        <source>Day View</source>
        <translation>Dagweergave</translation>
    </message>
    <message>
        <source>Week View</source>
        <translation>Weekweergave</translation>
    </message>
    <message>
        <source>Month View</source>
        <translation>Maandweergave</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>Wis scherm</translation>
    </message>
    <message>
        <source>Split Pane</source>
        <translation>Splits paneel</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Voer uit</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Bouw</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Open Quickly</source>
        <translation>Open snel</translation>
    </message>
    <message>
        <source>Show Canvas / Assistant</source>
        <translation>Toon canvas / assistent</translation>
    </message>
    <message>
        <source>Quick Open</source>
        <translation>Snel openen</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>Opdrachtenpalet</translation>
    </message>
    <message>
        <source>Toggle Terminal</source>
        <translation>Terminal tonen/verbergen</translation>
    </message>
    <message>
        <source>Toggle Sidebar</source>
        <translation>Navigatiekolom tonen/verbergen</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Nieuw bestand</translation>
    </message>
    <message>
        <source>Quick Switcher</source>
        <translation>Snel wisselen</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Threads</translation>
    </message>
    <message>
        <source>Mentions &amp; Reactions</source>
        <translation>Vermeldingen en reacties</translation>
    </message>
    <message>
        <source>Toggle Mute</source>
        <translation>Dempen aan/uit</translation>
    </message>
    <message>
        <source>Toggle Deafen</source>
        <translation>Geluid uit/aan</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>Inkomend</translation>
    </message>
    <message>
        <source>Emoji Picker</source>
        <translation>Emojikiezer</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Ware grootte</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom uit</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Diavoorstelling</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Roteer linksom</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Speel af/Pauzeer</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Volgende nummer</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Vorige nummer</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Shuffle</translation>
    </message>
    <message>
        <source>Show Queue</source>
        <translation>Toon wachtrij</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importeer</translation>
    </message>
    <message>
        <source>New Album</source>
        <translation>Nieuw album</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favoriet</translation>
    </message>
    <message>
        <source>Mute Audio</source>
        <translation>Audio dempen</translation>
    </message>
    <message>
        <source>Start Video</source>
        <translation>Start video</translation>
    </message>
    <message>
        <source>Share Screen</source>
        <translation>Deel scherm</translation>
    </message>
    <message>
        <source>Show Chat</source>
        <translation>Toon chat</translation>
    </message>
    <message>
        <source>Show Participants</source>
        <translation>Toon deelnemers</translation>
    </message>
    <message>
        <source>New Page</source>
        <translation>Nieuwe pagina</translation>
    </message>
    <message>
        <source>Add Comment</source>
        <translation>Voeg opmerking toe</translation>
    </message>
    <message>
        <source>To-do List</source>
        <translation>Takenlijst</translation>
    </message>
    <message>
        <source>Frame Tool</source>
        <translation>Kadergereedschap</translation>
    </message>
    <message>
        <source>Move Tool</source>
        <translation>Verplaatsgereedschap</translation>
    </message>
    <message>
        <source>Text Tool</source>
        <translation>Tekstgereedschap</translation>
    </message>
    <message>
        <source>Pen Tool</source>
        <translation>Pengereedschap</translation>
    </message>
    <message>
        <source>Group Selection</source>
        <translation>Groepeer selectie</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>Nieuw document</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Vet</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Exporteer als PDF</translation>
    </message>
    <message>
        <source>New Spreadsheet</source>
        <translation>Nieuwe spreadsheet</translation>
    </message>
    <message>
        <source>Add Row Above</source>
        <translation>Voeg rij erboven toe</translation>
    </message>
    <message>
        <source>Insert Chart</source>
        <translation>Voeg diagram in</translation>
    </message>
    <message>
        <source>New Presentation</source>
        <translation>Nieuwe presentatie</translation>
    </message>
    <message>
        <source>Play Slideshow</source>
        <translation>Speel diavoorstelling af</translation>
    </message>
    <message>
        <source>New Slide</source>
        <translation>Nieuwe dia</translation>
    </message>
    <message>
        <source>Presenter Display</source>
        <translation>Presentatorscherm</translation>
    </message>
    <message>
        <source>Saved earlier</source>
        <translation>Eerder bewaard</translation>
    </message>
    <message>
        <source>No supported browser is running.</source>
        <translation>Er is geen ondersteunde browser actief.</translation>
    </message>
    <message>
        <source>Could not read %1&apos;s tabs.</source>
        <translation>Kan de tabbladen van %1 niet lezen.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser&apos;s profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro kan de open tabbladen van %1 niet lezen. Controleer of je gebruiker de profielmap van de browser in ~/.config en de map Sessions mag lezen.</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Wachtwoorden</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>App toevoegen aan starter</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Kies een app om aan de ring toe te voegen.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Software-update</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>Er is een nieuwe versie beschikbaar</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 staat klaar. Je hebt %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates</source>
        <translation>Kan niet controleren op updates</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Zoeken naar updates…</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Je bent helemaal bij</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 is de nieuwste versie.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Er is geen updatebron ingesteld.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the update server.</source>
        <translation>Kan de updateserver niet bereiken.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Sla deze versie over</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro verstuurt nu anonieme gebruiksgegevens</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Eerdere versies verstuurden helemaal niets. Deze meldt wanneer de app start, wanneer een ring wordt geopend en hoeveel tabbladen een vastlegging vond.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>Geen venstertitels, geen URL’s, geen bestandspaden en niets wat je typt.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Laat aan</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Zet uit</translation>
    </message>
    <message>
        <source>App Switcher</source>
        <translation>App-wisselaar</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Sneltoetsstarter</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Bewaarde wachtwoorden</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Bewaarde tabbladen</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Opent de ring met actieve apps.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Opent de sneltoetsen die je voor de app op de voorgrond hebt bewaard.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Opent de ring met je bewaarde wachtwoorden.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Modificatietoetsen vasthouden</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Houd de modificatietoetsen ingedrukt om met de muis te richten en laat los om te kiezen.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Wisselen</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>De ring blijft open als je loslaat. Druk nogmaals op de sneltoets of klik om te kiezen.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>Bij de aanwijzer</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>De ring opent rond de aanwijzer, zodat hij altijd binnen bereik is.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Midden van het scherm</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>De ring opent altijd in het midden van het scherm.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Donker</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>Geen sneltoets toegewezen — %1 kan niet met het toetsenbord worden geopend.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Voeg Ctrl, Alt of Super toe zodat deze sneltoets het typen niet onderbreekt.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Al in gebruik door %1. Kies een andere combinatie.</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>Pijltoetsen kiezen, Return wisselt, Escape sluit.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>Geen apps</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 van %3</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, venster %2 van %3: %4</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>Pijltjestoetsen kiezen, Return voert de snelkoppeling uit, Escape sluit.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>Geen snelkoppelingen</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>Wachtwoord %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
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
        <translation>Toets %1</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
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
        <translation>Kelvaro-app-wisselaar</translation>
    </message>
    <message>
        <source>Your desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Je bureaublad gebruikt dit al voor %1. Het bereikt Kelvaro mogelijk niet.</translation>
    </message>
    <message>
        <source>switching windows</source>
        <translation>het wisselen van vensters</translation>
    </message>
    <message>
        <source>switching windows backwards</source>
        <translation>het achteruit wisselen van vensters</translation>
    </message>
    <message>
        <source>closing the window</source>
        <translation>het sluiten van het venster</translation>
    </message>
    <message>
        <source>running a command</source>
        <translation>het uitvoeren van een opdracht</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>het vergrendelen van het scherm</translation>
    </message>
    <message>
        <source>showing the desktop</source>
        <translation>het tonen van het bureaublad</translation>
    </message>
    <message>
        <source>opening a terminal</source>
        <translation>het openen van een terminal</translation>
    </message>
    <message>
        <source>logging out</source>
        <translation>het afmelden</translation>
    </message>
    <message>
        <source>switching to a text console</source>
        <translation>het wisselen naar een tekstconsole</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › General › Privacy.</source>
        <translation>Je kunt het nu uitzetten, of op elk moment via Instellingen › Algemeen › Privacy.</translation>
    </message>
    <message>
        <source>Global hotkeys need an X11 session. Choose an X11 (Xorg) session on the login screen, then start Kelvaro again.</source>
        <translation>Globale sneltoetsen vereisen een X11-sessie. Kies een X11-sessie (Xorg) op het inlogscherm en start Kelvaro daarna opnieuw.</translation>
    </message>
    <message>
        <source>Global Hotkeys Unavailable</source>
        <translation>Globale sneltoetsen niet beschikbaar</translation>
    </message>
    <message>
        <source>Keyboard Access Refused</source>
        <translation>Toegang tot toetsenbord geweigerd</translation>
    </message>
    <message>
        <source>Accessibility Access Required</source>
        <translation>Toegankelijkheidstoegang vereist</translation>
    </message>
    <message>
        <source>This is not an X11 session, so Kelvaro cannot watch global hotkeys or raise windows.</source>
        <translation>Dit is geen X11-sessie, dus Kelvaro kan geen globale sneltoetsen volgen en geen vensters naar voren halen.</translation>
    </message>
    <message>
        <source>The X server did not let Kelvaro watch the keyboard, so hotkeys cannot open the rings.</source>
        <translation>De X-server stond Kelvaro niet toe het toetsenbord te volgen, dus sneltoetsen kunnen de ringen niet openen.</translation>
    </message>
    <message>
        <source>The accessibility bus is off. Kelvaro needs it to read windows, menus and text fields.</source>
        <translation>De toegankelijkheidsbus staat uit. Kelvaro heeft die nodig om vensters, menu’s en tekstvelden te lezen.</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Zet aan</translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>Waarom?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Probeer opnieuw</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>Relaxed</source>
        <translation>Rustig</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Brisk</source>
        <translation>Vlot</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Open bij inloggen</translation>
    </message>
    <message>
        <source>Start Kelvaro automatically when you sign in.</source>
        <translation>Start Kelvaro automatisch wanneer je inlogt.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Opstarten</translation>
    </message>
    <message>
        <source>Send anonymous usage data</source>
        <translation>Verstuur anonieme gebruiksgegevens</translation>
    </message>
    <message>
        <source>Launches, rings opened, and how many tabs a capture found. Never window titles, URLs, file paths or anything you type.</source>
        <translation>Starts, geopende ringen en hoeveel tabbladen een vastlegging vond. Nooit venstertitels, URL’s, bestandspaden of iets wat je typt.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacy</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Gedrag</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Activering</translation>
    </message>
    <message>
        <source>Open the ring</source>
        <translation>Ring openen</translation>
    </message>
    <message>
        <source>Follow the pointer across displays</source>
        <translation>Volg de aanwijzer over meerdere schermen</translation>
    </message>
    <message>
        <source>Otherwise the ring always opens on the main display.</source>
        <translation>Anders opent de ring altijd op het hoofdscherm.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>Ring size</source>
        <translation>Ringgrootte</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>Animatiesnelheid</translation>
    </message>
    <message>
        <source>Tilt the centre icon with the pointer</source>
        <translation>Kantel het middelste symbool mee met de aanwijzer</translation>
    </message>
    <message>
        <source>Adds a subtle parallax to the selected app&apos;s icon.</source>
        <translation>Voegt een subtiel parallax-effect toe aan het symbool van de geselecteerde app.</translation>
    </message>
    <message>
        <source>Reduce Motion is on in the desktop&apos;s settings, so animations stay minimal.</source>
        <translation>‘Beweging beperken’ staat aan in de instellingen van het bureaublad, dus animaties blijven minimaal.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Zoek automatisch naar updates</translation>
    </message>
    <message>
        <source>Once a day, in the background.</source>
        <translation>Eenmaal per dag, op de achtergrond.</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Controleer nu</translation>
    </message>
    <message>
        <source>Kelvaro %1 is available</source>
        <translation>Kelvaro %1 is beschikbaar</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Up-to-date</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt or Super.</source>
        <translation>Gebruik ook Ctrl, Alt of Super.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Sneltoets</translation>
    </message>
    <message>
        <source>Activate to record a new shortcut. Press Escape to cancel, Delete to clear.</source>
        <translation>Activeer om een nieuwe sneltoets op te nemen. Druk op Escape om te annuleren of op Delete om te wissen.</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Wis sneltoets</translation>
    </message>
    <message>
        <source>Tap a key to finish · Esc to cancel</source>
        <translation>Druk op een toets om te voltooien · Esc om te annuleren</translation>
    </message>
    <message>
        <source>Hold modifiers, then tap a key · Esc to cancel</source>
        <translation>Houd modificatietoetsen vast en druk op een toets · Esc om te annuleren</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Bezig met opnemen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Geen actie</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>Verplaats %1 omhoog</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>Verplaats %1 omlaag</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Wijzig %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Verwijder %1</translation>
    </message>
    <message>
        <source>Hold to keep the wheel open</source>
        <translation>Vasthouden om de ring open te houden</translation>
    </message>
    <message>
        <source>None selected — the wheel stays open until you click or press Escape.</source>
        <translation>Niets geselecteerd — de ring blijft open tot je klikt of op Escape drukt.</translation>
    </message>
    <message>
        <source>Keep %1 held while you aim. Release it and the wheel chooses whatever is highlighted.</source>
        <translation>Houd %1 ingedrukt terwijl je richt. Laat je los, dan kiest de ring wat gemarkeerd is.</translation>
    </message>
    <message>
        <source>Key Binding</source>
        <translation>Toetscombinatie</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>Druk op sneltoets</translation>
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
        <translation>spatie</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>return</source>
        <translation>return</translation>
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
        <translation>Gebruik systeemtaal</translation>
    </message>
    <message>
        <source>The rest of this guide uses your choice.</source>
        <translation>De rest van deze gids gebruikt je keuze.</translation>
    </message>
    <message>
        <source>The interface updates right away.</source>
        <translation>De interface wordt meteen bijgewerkt.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Start nu opnieuw</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Switcher</source>
        <translation>Wisselaar</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Sneltoetsen</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>Starter</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Tabbladen</translation>
    </message>
    <message>
        <source>No passwords yet</source>
        <translation>Nog geen wachtwoorden</translation>
    </message>
    <message>
        <source>No shortcuts yet</source>
        <translation>Nog geen sneltoetsen</translation>
    </message>
    <message>
        <source>Select an app</source>
        <translation>Selecteer een app</translation>
    </message>
    <message>
        <source>Ring preview</source>
        <translation>Ringvoorbeeld</translation>
    </message>
    <message>
        <source>No shortcut assigned</source>
        <translation>Geen sneltoets toegewezen</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Sneltoets: %1</translation>
    </message>
    <message>
        <source>This page is not available in this version yet.</source>
        <translation>Deze pagina is nog niet beschikbaar in deze versie.</translation>
    </message>
    <message>
        <source>Kelvaro wants to unlock your saved passwords</source>
        <translation>Kelvaro wil je bewaarde wachtwoorden ontgrendelen</translation>
    </message>
    <message>
        <source>Unlock Saved Passwords</source>
        <translation>Ontgrendel bewaarde wachtwoorden</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Ontgrendel</translation>
    </message>
    <message>
        <source>Some of your settings could not be read. The settings file as it was is kept as %1.</source>
        <translation>Sommige van je instellingen konden niet worden gelezen. Het instellingenbestand is ongewijzigd bewaard als %1.</translation>
    </message>
    <message>
        <source>Your settings file could not be read, so Kelvaro started with default settings. The file is kept as %1.</source>
        <translation>Je instellingenbestand kon niet worden gelezen, daarom is Kelvaro gestart met de standaardinstellingen. Het bestand is bewaard als %1.</translation>
    </message>
    <message>
        <source>Your settings file %1 could not be read, so Kelvaro started with default settings.</source>
        <translation>Je instellingenbestand %1 kon niet worden gelezen, daarom is Kelvaro gestart met de standaardinstellingen.</translation>
    </message>
    <message>
        <source>Your settings cannot be saved to %1 (%2). Changes are kept until Kelvaro quits.</source>
        <translation>Je instellingen kunnen niet worden opgeslagen in %1 (%2). Wijzigingen blijven bewaard tot Kelvaro wordt afgesloten.</translation>
    </message>
    <message>
        <source>Choose an icon</source>
        <translation>Kies een symbool</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Wijzig account</translation>
    </message>
    <message>
        <source>Add Account</source>
        <translation>Voeg account toe</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Symbool</translation>
    </message>
    <message>
        <source>Work mail</source>
        <translation>Werkmail</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Email / Account</source>
        <translation>E-mail / Account</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Add passwords for this account from the list after saving.</source>
        <translation>Voeg na het bewaren wachtwoorden voor dit account toe vanuit de lijst.</translation>
    </message>
    <message>
        <source>Add Another Password</source>
        <translation>Voeg nog een wachtwoord toe</translation>
    </message>
    <message>
        <source>Each password is saved under this account. Several passwords open an arc on the ring.</source>
        <translation>Elk wachtwoord wordt onder dit account bewaard. Meerdere wachtwoorden openen een boog op de ring.</translation>
    </message>
    <message>
        <source>Shown in the arc when this account has more than one password.</source>
        <translation>Verschijnt in de boog als dit account meer dan één wachtwoord heeft.</translation>
    </message>
    <message>
        <source>Edit Password</source>
        <translation>Wijzig wachtwoord</translation>
    </message>
    <message>
        <source>Add Password</source>
        <translation>Voeg wachtwoord toe</translation>
    </message>
    <message>
        <source>Add Passwords</source>
        <translation>Voeg wachtwoorden toe</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Passwords</source>
        <translation>
            <numerusform>Voeg %n wachtwoord toe</numerusform>
            <numerusform>Voeg %n wachtwoorden toe</numerusform>
        </translation>
    </message>
    <message>
        <source>Hide the password</source>
        <translation>Verberg het wachtwoord</translation>
    </message>
    <message>
        <source>Show the password</source>
        <translation>Toon het wachtwoord</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Persoonlijk</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Remove this password</source>
        <translation>Verwijder dit wachtwoord</translation>
    </message>
    <message>
        <source>Hint (optional)</source>
        <translation>Hint (optioneel)</translation>
    </message>
    <message>
        <source>ends 4471</source>
        <translation>eindigt op 4471</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Your desktop keyring did not store the password “%1”, so it was not saved. Unlock the keyring and try again.</source>
        <translation>De sleutelbos van je bureaublad heeft het wachtwoord ‘%1’ niet opgeslagen, dus het is niet bewaard. Ontgrendel de sleutelbos en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Accounts &amp; Passwords</source>
        <translation>Accounts en wachtwoorden</translation>
    </message>
    <message>
        <source>Stored in your desktop keyring (Secret Service), readable only while your session is unlocked. Choosing one fills the focused text field when you can type, otherwise copies to the clipboard (cleared after 45 seconds). An account with more than one password shows them in an arc beside its wedge.</source>
        <translation>Opgeslagen in de sleutelbos van je bureaublad (Secret Service), alleen leesbaar zolang je sessie ontgrendeld is. Als je er een kiest, wordt het actieve tekstveld ingevuld wanneer je kunt typen, anders wordt het naar het klembord gekopieerd (na 45 seconden gewist). Een account met meer dan één wachtwoord toont ze in een boog naast zijn segment.</translation>
    </message>
    <message>
        <source>1 password</source>
        <translation>1 wachtwoord</translation>
    </message>
    <message numerus="yes">
        <source>%n passwords</source>
        <translation>
            <numerusform>%n wachtwoord</numerusform>
            <numerusform>%n wachtwoorden</numerusform>
        </translation>
    </message>
    <message>
        <source>No accounts yet</source>
        <translation>Nog geen accounts</translation>
    </message>
    <message>
        <source>Edit this account</source>
        <translation>Wijzig dit account</translation>
    </message>
    <message>
        <source>Delete this account</source>
        <translation>Verwijder dit account</translation>
    </message>
    <message>
        <source>Add an account, then add passwords under it.</source>
        <translation>Voeg een account toe en voeg er daarna wachtwoorden aan toe.</translation>
    </message>
    <message>
        <source>No passwords for this account yet.</source>
        <translation>Nog geen wachtwoorden voor dit account.</translation>
    </message>
    <message>
        <source>Add the passwords that belong to this email.</source>
        <translation>Voeg de wachtwoorden toe die bij dit e-mailadres horen.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Verplaats omhoog</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Verplaats omlaag</translation>
    </message>
    <message>
        <source>Edit this password</source>
        <translation>Wijzig dit wachtwoord</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Verwijder %1</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Accounts</translation>
    </message>
    <message>
        <source>Delete the account “%1”?</source>
        <translation>Account ‘%1’ verwijderen?</translation>
    </message>
    <message numerus="yes">
        <source>Its %n password(s) will be removed from your desktop keyring.</source>
        <translation>
            <numerusform>%n wachtwoord van dit account wordt uit de sleutelbos van je bureaublad verwijderd.</numerusform>
            <numerusform>%n wachtwoorden van dit account worden uit de sleutelbos van je bureaublad verwijderd.</numerusform>
        </translation>
    </message>
    <message>
        <source>No shortcut assigned — this launcher can&apos;t be opened from the keyboard.</source>
        <translation>Geen sneltoets toegewezen — deze starter kan niet met het toetsenbord worden geopend.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from your browsers.</source>
        <translation>Opent de tabbladen die je uit je browsers hebt vastgelegd.</translation>
    </message>
    <message>
        <source>Search Icon</source>
        <translation>Zoek symbool</translation>
    </message>
    <message>
        <source>Icon Name</source>
        <translation>Symboolnaam</translation>
    </message>
    <message>
        <source>Upload PNG…</source>
        <translation>Upload PNG…</translation>
    </message>
    <message>
        <source>Use your own image, up to 1 MB</source>
        <translation>Gebruik je eigen afbeelding, tot 1 MB</translation>
    </message>
    <message>
        <source>Pick Icon</source>
        <translation>Kies symbool</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>Geen resultaten voor ‘%1’</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-afbeeldingen (*.png)</translation>
    </message>
    <message>
        <source>Could not add icon</source>
        <translation>Kan symbool niet toevoegen</translation>
    </message>
    <message>
        <source>Keystroke</source>
        <translation>Toetsaanslag</translation>
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
        <translation>Verstuurd naar de app op de voorgrond, alsof je de toetsen zelf indrukt.</translation>
    </message>
    <message>
        <source>Copied to the clipboard, ready to paste.</source>
        <translation>Gekopieerd naar het klembord, klaar om te plakken.</translation>
    </message>
    <message>
        <source>Opened in your default browser.</source>
        <translation>Geopend in je standaardbrowser.</translation>
    </message>
    <message>
        <source>Edit Shortcut</source>
        <translation>Wijzig sneltoets</translation>
    </message>
    <message>
        <source>New Shortcut</source>
        <translation>Nieuwe sneltoets</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>voor %1</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Actie</translation>
    </message>
    <message>
        <source>Keystroke to send</source>
        <translation>Te versturen toetsaanslag</translation>
    </message>
    <message>
        <source>Add Shortcut</source>
        <translation>Voeg sneltoets toe</translation>
    </message>
    <message>
        <source>Give the shortcut a name.</source>
        <translation>Geef de sneltoets een naam.</translation>
    </message>
    <message>
        <source>Record the keystroke to send.</source>
        <translation>Neem de toetsaanslag op die moet worden verstuurd.</translation>
    </message>
    <message>
        <source>Enter the text to copy.</source>
        <translation>Voer de tekst in die moet worden gekopieerd.</translation>
    </message>
    <message>
        <source>Enter a link to open.</source>
        <translation>Voer een link in om te openen.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like a valid link.</source>
        <translation>Dat lijkt geen geldige link.</translation>
    </message>
    <message>
        <source>Suggested shortcuts for %1</source>
        <translation>Voorgestelde sneltoetsen voor %1</translation>
    </message>
    <message>
        <source>Pick the ones you want on the ring. You can edit them later.</source>
        <translation>Kies welke je op de ring wilt. Je kunt ze later wijzigen.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Sla over</translation>
    </message>
    <message>
        <source>Add 1 Shortcut</source>
        <translation>Voeg 1 sneltoets toe</translation>
    </message>
    <message>
        <source>Add Shortcuts</source>
        <translation>Voeg sneltoetsen toe</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Shortcuts</source>
        <translation>
            <numerusform>Voeg %n sneltoets toe</numerusform>
            <numerusform>Voeg %n sneltoetsen toe</numerusform>
        </translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Deselecteer alles</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecteer alles</translation>
    </message>
    <message numerus="yes">
        <source>Found %n shortcuts in the menus.</source>
        <translation>
            <numerusform>%n sneltoets gevonden in de menu’s.</numerusform>
            <numerusform>%n sneltoetsen gevonden in de menu’s.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open the app first, then import again.</source>
        <translation>Open eerst de app en importeer dan opnieuw.</translation>
    </message>
    <message>
        <source>Reading menus needs the desktop&apos;s accessibility bus, which is off.</source>
        <translation>Om menu’s te lezen is de toegankelijkheidsbus van het bureaublad nodig, maar die staat uit.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read this app&apos;s menus.</source>
        <translation>Kan de menu’s van deze app niet lezen.</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>Voorgesteld</translation>
    </message>
    <message>
        <source>From Menus</source>
        <translation>Uit menu’s</translation>
    </message>
    <message>
        <source>Reading menus…</source>
        <translation>Menu’s lezen…</translation>
    </message>
    <message>
        <source>Open App &amp; Import Menus</source>
        <translation>Open app en importeer menu’s</translation>
    </message>
    <message>
        <source>Import from Menus</source>
        <translation>Importeer uit menu’s</translation>
    </message>
    <message>
        <source>Pick a PNG file. Folders, links and devices cannot be used.</source>
        <translation>Kies een PNG-bestand. Mappen, koppelingen en apparaten kunnen niet worden gebruikt.</translation>
    </message>
    <message>
        <source>Pick a PNG smaller than 1 MB.</source>
        <translation>Kies een PNG kleiner dan 1 MB.</translation>
    </message>
    <message>
        <source>Pick a PNG of at most 1024 × 1024 pixels.</source>
        <translation>Kies een PNG van maximaal 1024 × 1024 pixels.</translation>
    </message>
    <message>
        <source>That file could not be read as a PNG.</source>
        <translation>Dat bestand kon niet als PNG worden gelezen.</translation>
    </message>
    <message>
        <source>The icon could not be saved: %1</source>
        <translation>Het symbool kon niet worden bewaard: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Kan %1 niet openen: %2</translation>
    </message>
    <message>
        <source>The Firefox session file %1 is too large to read.</source>
        <translation>Het Firefox-sessiebestand %1 is te groot om te lezen.</translation>
    </message>
    <message>
        <source>Could not read the Firefox session file %1: %2.</source>
        <translation>Kan het Firefox-sessiebestand %1 niet lezen: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read its profile folder in ~/.mozilla/firefox.</source>
        <translation>Kelvaro kan de open tabbladen van %1 niet lezen. Controleer of je gebruiker de profielmap ervan in ~/.mozilla/firefox mag lezen.</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs.</source>
        <translation>
            <numerusform>%n tabblad vastgelegd.</numerusform>
            <numerusform>%n tabbladen vastgelegd.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs from %1.</source>
        <translation>
            <numerusform>%n tabblad uit %1 vastgelegd.</numerusform>
            <numerusform>%n tabbladen uit %1 vastgelegd.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 uit %2</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs — %1.</source>
        <translation>
            <numerusform>%n tabblad vastgelegd — %1.</numerusform>
            <numerusform>%n tabbladen vastgelegd — %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier capture kept.</source>
        <translation>1 eerdere vastlegging bewaard.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier captures kept.</source>
        <translation>
            <numerusform>%n eerdere vastlegging bewaard.</numerusform>
            <numerusform>%n eerdere vastleggingen bewaard.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 tab</source>
        <translation>1 tabblad</translation>
    </message>
    <message numerus="yes">
        <source>%n tabs</source>
        <translation>
            <numerusform>%n tabblad</numerusform>
            <numerusform>%n tabbladen</numerusform>
        </translation>
    </message>
    <message>
        <source>Browsers &amp; Tabs</source>
        <translation>Browsers en tabbladen</translation>
    </message>
    <message>
        <source>Reads every tab open in Chrome, Brave, Edge, Vivaldi, Opera, Chromium and Firefox from the session files in their profile folders, and keeps them here so you can reopen them after the browser is closed. Each capture is kept as its own session; the ring shows the chosen one, ten tabs at a time.</source>
        <translation>Leest elk tabblad dat open is in Chrome, Brave, Edge, Vivaldi, Opera, Chromium en Firefox uit de sessiebestanden in hun profielmappen, en bewaart ze hier zodat je ze opnieuw kunt openen nadat de browser is gesloten. Elke vastlegging wordt als aparte sessie bewaard; de ring toont de gekozen vastlegging, tien tabbladen tegelijk.</translation>
    </message>
    <message>
        <source>Nothing captured yet</source>
        <translation>Nog niets vastgelegd</translation>
    </message>
    <message>
        <source>Capturing…</source>
        <translation>Bezig met vastleggen…</translation>
    </message>
    <message>
        <source>Capture Tabs</source>
        <translation>Leg tabbladen vast</translation>
    </message>
    <message>
        <source>Rename this capture</source>
        <translation>Wijzig naam van deze vastlegging</translation>
    </message>
    <message>
        <source>Delete this capture</source>
        <translation>Verwijder deze vastlegging</translation>
    </message>
    <message>
        <source>No tabs captured yet.</source>
        <translation>Nog geen tabbladen vastgelegd.</translation>
    </message>
    <message>
        <source>Open a browser and capture what it has open.</source>
        <translation>Open een browser en leg vast wat daarin open is.</translation>
    </message>
    <message>
        <source>No open tabs to capture.</source>
        <translation>Geen open tabbladen om vast te leggen.</translation>
    </message>
    <message>
        <source>Rename Capture</source>
        <translation>Wijzig naam van vastlegging</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Wijzig naam</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Vastleggingen</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Voeg app toe</translation>
    </message>
    <message>
        <source>1 app</source>
        <translation>1 app</translation>
    </message>
    <message numerus="yes">
        <source>%n apps</source>
        <translation>
            <numerusform>%n app</numerusform>
            <numerusform>%n apps</numerusform>
        </translation>
    </message>
    <message>
        <source>No apps added yet.</source>
        <translation>Nog geen apps toegevoegd.</translation>
    </message>
    <message>
        <source>Choose apps this launcher should show in the ring.</source>
        <translation>Kies de apps die deze starter in de ring moet tonen.</translation>
    </message>
    <message>
        <source>Launchers &amp; Apps</source>
        <translation>Starters en apps</translation>
    </message>
    <message>
        <source>New Launcher</source>
        <translation>Nieuwe starter</translation>
    </message>
    <message>
        <source>Rename Launcher</source>
        <translation>Wijzig naam van starter</translation>
    </message>
    <message>
        <source>Opens this launcher.</source>
        <translation>Opent deze starter.</translation>
    </message>
    <message>
        <source>No launchers yet</source>
        <translation>Nog geen starters</translation>
    </message>
    <message>
        <source>Add Launcher</source>
        <translation>Voeg starter toe</translation>
    </message>
    <message>
        <source>Rename this launcher</source>
        <translation>Wijzig naam van deze starter</translation>
    </message>
    <message>
        <source>Delete this launcher</source>
        <translation>Verwijder deze starter</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>Starters</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Stel voor</translation>
    </message>
    <message>
        <source>Apps &amp; Shortcuts</source>
        <translation>Apps en sneltoetsen</translation>
    </message>
    <message>
        <source>1 shortcut</source>
        <translation>1 sneltoets</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts</source>
        <translation>
            <numerusform>%n sneltoets</numerusform>
            <numerusform>%n sneltoetsen</numerusform>
        </translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Selecteer app</translation>
    </message>
    <message>
        <source>Choose an application to add shortcuts for</source>
        <translation>Kies een toepassing om sneltoetsen voor toe te voegen</translation>
    </message>
    <message>
        <source>No apps added yet</source>
        <translation>Nog geen apps toegevoegd</translation>
    </message>
    <message>
        <source>Remove this app</source>
        <translation>Verwijder deze app</translation>
    </message>
    <message>
        <source>Add suggested shortcuts for this app</source>
        <translation>Voeg voorgestelde sneltoetsen voor deze app toe</translation>
    </message>
    <message>
        <source>Add keyboard shortcuts, text snippets or links for %1.</source>
        <translation>Voeg sneltoetsen, tekstfragmenten of links toe voor %1.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Toepassingen</translation>
    </message>
    <message>
        <source>Kelvaro is Now Running</source>
        <translation>Kelvaro is nu actief</translation>
    </message>
    <message>
        <source>The two rings</source>
        <translation>De twee ringen</translation>
    </message>
    <message>
        <source>Hold its shortcut, aim at an app with the pointer, let go. The ring opens around your pointer or in the middle of the display — your choice, under Settings › General.</source>
        <translation>Houd de sneltoets ingedrukt, richt met de aanwijzer op een app en laat los. De ring opent rond je aanwijzer of in het midden van het scherm — naar keuze, via Instellingen › Algemeen.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for whichever app is in front, so you can drive that app by its own keyboard shortcuts without remembering them.</source>
        <translation>Opent de sneltoetsen die je hebt bewaard voor de app op de voorgrond, zodat je die app met de eigen sneltoetsen ervan kunt bedienen zonder ze te onthouden.</translation>
    </message>
    <message>
        <source>Choosing between windows</source>
        <translation>Kiezen tussen vensters</translation>
    </message>
    <message>
        <source>The window arc</source>
        <translation>De vensterboog</translation>
    </message>
    <message>
        <source>When the highlighted app has more than one window, a quarter-arc appears beside it listing them. Keep moving outward onto the arc to pick a window instead of just the app.</source>
        <translation>Als de gemarkeerde app meer dan één venster heeft, verschijnt ernaast een kwartboog met die vensters. Beweeg verder naar buiten op de boog om een venster te kiezen in plaats van alleen de app.</translation>
    </message>
    <message>
        <source>The arc never appears</source>
        <translation>De boog verschijnt nooit</translation>
    </message>
    <message>
        <source>It only appears for an app with more than one window: an app with a single window has nothing to choose between, so the arc stays hidden.</source>
        <translation>Hij verschijnt alleen bij een app met meer dan één venster: bij een app met één venster valt er niets te kiezen, dus blijft de boog verborgen.</translation>
    </message>
    <message>
        <source>Changing a binding</source>
        <translation>Een toetscombinatie wijzigen</translation>
    </message>
    <message>
        <source>Settings › Switcher or Shortcuts, then click the recorder and press the combination you want. Add Ctrl, Alt or Super so it can&apos;t fire while you&apos;re typing.</source>
        <translation>Instellingen › Wisselaar of Sneltoetsen, klik dan op het opnameveld en druk op de gewenste combinatie. Voeg Ctrl, Alt of Super toe zodat de sneltoets niet afgaat terwijl je typt.</translation>
    </message>
    <message>
        <source>Hold versus toggle</source>
        <translation>Vasthouden of wisselen</translation>
    </message>
    <message>
        <source>By default the ring stays open while you hold the shortcut&apos;s modifiers and commits when you let go. Settings › General can switch it to stay open until you press again or click.</source>
        <translation>Standaard blijft de ring open zolang je de modificatietoetsen van de sneltoets vasthoudt, en wordt je keuze bevestigd als je loslaat. Via Instellingen › Algemeen kun je instellen dat hij open blijft tot je opnieuw drukt of klikt.</translation>
    </message>
    <message>
        <source>If nothing happens</source>
        <translation>Als er niets gebeurt</translation>
    </message>
    <message>
        <source>Desktop access</source>
        <translation>Toegang tot het bureaublad</translation>
    </message>
    <message>
        <source>Global shortcuts need an X11 session, and reading menus or typing passwords needs the accessibility bus. Settings shows a banner whenever something is missing, with a button that turns the accessibility bus on.</source>
        <translation>Globale sneltoetsen vereisen een X11-sessie, en voor het lezen van menu’s of het typen van wachtwoorden is de toegankelijkheidsbus nodig. Instellingen toont een melding zodra er iets ontbreekt, met een knop die de toegankelijkheidsbus aanzet.</translation>
    </message>
    <message>
        <source>Finding the app</source>
        <translation>De app vinden</translation>
    </message>
    <message>
        <source>Kelvaro has no window of its own on purpose. It lives in the tray; closing a window doesn&apos;t quit it.</source>
        <translation>Kelvaro heeft bewust geen eigen venster. Het zit in het systeemvak; als je een venster sluit, wordt Kelvaro niet afgesloten.</translation>
    </message>
    <message>
        <source>Starting over</source>
        <translation>Opnieuw beginnen</translation>
    </message>
    <message>
        <source>Starting Kelvaro again while it runs opens its settings, or the walkthrough while that is unfinished.</source>
        <translation>Als je Kelvaro opnieuw start terwijl het al actief is, worden de instellingen geopend, of de gids als die nog niet is afgerond.</translation>
    </message>
    <message>
        <source>This is the cause of most &quot;nothing happens&quot; reports.</source>
        <translation>Dit is de oorzaak van de meeste meldingen dat ‘er niets gebeurt’.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer.</source>
        <translation>Al je geopende apps in een ring rond je aanwijzer.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Neem contact op met support</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>Supportpagina</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Privacybeleid</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Gebruiksvoorwaarden</translation>
    </message>
    <message>
        <source>Kelvaro %1</source>
        <translation>Kelvaro %1</translation>
    </message>
    <message>
        <source>Your apps, shortcuts and passwords stay on this computer.</source>
        <translation>Je apps, sneltoetsen en wachtwoorden blijven op deze computer.</translation>
    </message>
    <message>
        <source>Show this message on app launch</source>
        <translation>Toon deze melding bij opstarten</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Instellingen…</translation>
    </message>
    <message>
        <source>Press %1 to open the ring</source>
        <translation>Druk op %1 om de ring te openen</translation>
    </message>
    <message>
        <source>No shortcut is assigned yet. Open Settings to choose one.</source>
        <translation>Er is nog geen sneltoets toegewezen. Open Instellingen om er een te kiezen.</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>X11-sessie</translation>
    </message>
    <message>
        <source>Global keys</source>
        <translation>Globale toetsen</translation>
    </message>
    <message>
        <source>Accessibility bus</source>
        <translation>Toegankelijkheidsbus</translation>
    </message>
    <message>
        <source>Start Using Kelvaro</source>
        <translation>Aan de slag met Kelvaro</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Kies je taal</translation>
    </message>
    <message>
        <source>Kelvaro speaks 17 languages. Pick one, or let it follow your system.</source>
        <translation>Kelvaro spreekt 17 talen. Kies er een, of laat Kelvaro je systeem volgen.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer. One keystroke away.</source>
        <translation>Al je geopende apps in een ring rond je aanwijzer. Eén toetsaanslag verwijderd.</translation>
    </message>
    <message>
        <source>Notices the one shortcut you choose</source>
        <translation>Merkt alleen de ene sneltoets op die je kiest</translation>
    </message>
    <message>
        <source>Switches apps and sends shortcuts you set up</source>
        <translation>Wisselt van app en verstuurt sneltoetsen die je instelt</translation>
    </message>
    <message>
        <source>Never reads what you type</source>
        <translation>Leest nooit wat je typt</translation>
    </message>
    <message>
        <source>Sends nothing it sees here — that stays on this computer</source>
        <translation>Verstuurt niets van wat het hier ziet — dat blijft op deze computer</translation>
    </message>
    <message>
        <source>Needs an X11 Session</source>
        <translation>Vereist een X11-sessie</translation>
    </message>
    <message>
        <source>Turn On the Accessibility Bus</source>
        <translation>Zet de toegankelijkheidsbus aan</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Alles is klaar</translation>
    </message>
    <message>
        <source>Let Kelvaro see your shortcut</source>
        <translation>Laat Kelvaro je sneltoets opmerken</translation>
    </message>
    <message>
        <source>Global keys work and the accessibility bus is on. Nothing else to set up.</source>
        <translation>Globale toetsen werken en de toegankelijkheidsbus staat aan. Je hoeft verder niets in te stellen.</translation>
    </message>
    <message>
        <source>Linux needs two things for this: an X11 session for the global keys, and the accessibility bus for reading menus and typing passwords.</source>
        <translation>Linux heeft hiervoor twee dingen nodig: een X11-sessie voor de globale toetsen, en de toegankelijkheidsbus om menu’s te lezen en wachtwoorden te typen.</translation>
    </message>
    <message>
        <source>No shortcut set</source>
        <translation>Geen sneltoets ingesteld</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Neem op</translation>
    </message>
    <message>
        <source>Record a different shortcut</source>
        <translation>Neem een andere sneltoets op</translation>
    </message>
    <message>
        <source>Use the default instead</source>
        <translation>Gebruik in plaats daarvan de standaard</translation>
    </message>
    <message>
        <source>Hold it — the ring opens.</source>
        <translation>Houd hem ingedrukt — de ring opent.</translation>
    </message>
    <message>
        <source>Point at the app you want.</source>
        <translation>Wijs de gewenste app aan.</translation>
    </message>
    <message>
        <source>Let go — Kelvaro switches to it.</source>
        <translation>Laat los — Kelvaro wisselt ernaartoe.</translation>
    </message>
    <message>
        <source>Your shortcut</source>
        <translation>Je sneltoets</translation>
    </message>
    <message>
        <source>This is what opens the ring. Keep it, or record your own.</source>
        <translation>Hiermee open je de ring. Behoud hem, of neem je eigen sneltoets op.</translation>
    </message>
    <message>
        <source>Click the Kelvaro icon in the tray.</source>
        <translation>Klik op het Kelvaro-symbool in het systeemvak.</translation>
    </message>
    <message>
        <source>Settings — add apps, edit shortcuts, change keys.</source>
        <translation>Instellingen — apps toevoegen, sneltoetsen wijzigen, toetsen aanpassen.</translation>
    </message>
    <message>
        <source>Kelvaro lives in the tray</source>
        <translation>Kelvaro zit in het systeemvak</translation>
    </message>
    <message>
        <source>It has no window of its own on purpose. Close a window and it keeps running — everything stays one click away in the tray.</source>
        <translation>Het heeft bewust geen eigen venster. Sluit een venster en het blijft actief — alles blijft op één klik afstand in het systeemvak.</translation>
    </message>
    <message>
        <source>Your settings file was damaged after Kelvaro read it. The damaged file is kept as %1, and your settings were saved again.</source>
        <translation>Je instellingenbestand is beschadigd nadat Kelvaro het had gelezen. Het beschadigde bestand is bewaard als %1 en je instellingen zijn opnieuw opgeslagen.</translation>
    </message>
    <message>
        <source>A change to your settings was not made: it would have made the settings file %1 too large to read back.</source>
        <translation>Een wijziging in je instellingen is niet doorgevoerd: die zou het instellingenbestand %1 te groot maken om weer in te lezen.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: their addresses are longer than %1 characters.</source>
        <translation>
            <numerusform>%Ln tabblad is weggelaten: het adres is langer dan %1 tekens.</numerusform>
            <numerusform>%Ln tabbladen zijn weggelaten: de adressen zijn langer dan %1 tekens.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: a capture keeps at most %1 tabs.</source>
        <translation>
            <numerusform>%Ln tabblad is weggelaten: een vastlegging bewaart maximaal %1 tabbladen.</numerusform>
            <numerusform>%Ln tabbladen zijn weggelaten: een vastlegging bewaart maximaal %1 tabbladen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: the capture would have been too large to keep.</source>
        <translation>
            <numerusform>%Ln tabblad is weggelaten: de vastlegging zou te groot zijn geworden om te bewaren.</numerusform>
            <numerusform>%Ln tabbladen zijn weggelaten: de vastlegging zou te groot zijn geworden om te bewaren.</numerusform>
        </translation>
    </message>
    <message>
        <source>The capture was not kept: your settings file would have grown too large.</source>
        <translation>De vastlegging is niet bewaard: je instellingenbestand zou te groot zijn geworden.</translation>
    </message>
    <message>
        <source>That password was not accepted. Try again.</source>
        <translation>Dat wachtwoord is niet geaccepteerd. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Your login password was not accepted. No saved password was released.</source>
        <translation>Je inlogwachtwoord is niet geaccepteerd. Er is geen bewaard wachtwoord vrijgegeven.</translation>
    </message>
    <message>
        <source>Enter your login password to use saved passwords.</source>
        <translation>Voer je inlogwachtwoord in om bewaarde wachtwoorden te gebruiken.</translation>
    </message>
    <message numerus="yes">
        <source>The window you chose was closed or is no longer in front. Your password is on the clipboard for %n seconds.</source>
        <translation>
            <numerusform>Het gekozen venster is gesloten of staat niet meer op de voorgrond. Je wachtwoord staat %n seconde op het klembord.</numerusform>
            <numerusform>Het gekozen venster is gesloten of staat niet meer op de voorgrond. Je wachtwoord staat %n seconden op het klembord.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The password did not arrive in the field. It is on the clipboard for %n seconds: paste it there yourself.</source>
        <translation>
            <numerusform>Het wachtwoord is niet in het veld aangekomen. Het staat %n seconde op het klembord: plak het er zelf in.</numerusform>
            <numerusform>Het wachtwoord is niet in het veld aangekomen. Het staat %n seconden op het klembord: plak het er zelf in.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 did not take the password. It is on the clipboard for %n seconds: paste it into the field yourself.</source>
        <translation>
            <numerusform>%1 heeft het wachtwoord niet aangenomen. Het staat %n seconde op het klembord: plak het zelf in het veld.</numerusform>
            <numerusform>%1 heeft het wachtwoord niet aangenomen. Het staat %n seconden op het klembord: plak het zelf in het veld.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No text field had the focus. Your password is on the clipboard for %n seconds: paste it.</source>
        <translation>
            <numerusform>Geen tekstveld had de focus. Je wachtwoord staat %n seconde op het klembord: plak het.</numerusform>
            <numerusform>Geen tekstveld had de focus. Je wachtwoord staat %n seconden op het klembord: plak het.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your own icon: a PNG of at most 1 MB and 1024 × 1024 pixels.</source>
        <translation>Je eigen pictogram: een PNG van maximaal 1 MB en 1024 × 1024 pixels.</translation>
    </message>
    <message>
        <source>A name is needed.</source>
        <translation>Een naam is vereist.</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]</source>
        <translation>Gebruik: %1 [--help | --version]</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Deze hulp tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>De versie tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: this Wayland session has no XWayland (DISPLAY is not set).</source>
        <translation>Kelvaro heeft een X11-sessie nodig: deze Wayland-sessie heeft geen XWayland (DISPLAY is niet ingesteld).</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: DISPLAY is not set.</source>
        <translation>Kelvaro heeft een X11-sessie nodig: DISPLAY is niet ingesteld.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: the display %1 cannot be opened.</source>
        <translation>Kelvaro heeft een X11-sessie nodig: het scherm %1 kan niet worden geopend.</translation>
    </message>
    <message>
        <source>This build of Kelvaro cannot send usage data.</source>
        <translation>Deze build van Kelvaro kan geen gebruiksgegevens versturen.</translation>
    </message>
    <message>
        <source>Already used by %1.</source>
        <translation>Al in gebruik door %1.</translation>
    </message>
    <message>
        <source>Empty Bin</source>
        <translation>Leeg prullenmand</translation>
    </message>
    <message>
        <source>Toggle recording</source>
        <translation>Opnemen aan/uit</translation>
    </message>
    <message>
        <source>Could not read the session log %1: %2.</source>
        <translation>Het sessielogboek %1 kon niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1: your user may not read %2.</source>
        <translation>Kelvaro kan de geopende tabbladen van %1 niet lezen: uw gebruiker mag %2 niet lezen.</translation>
    </message>
    <message>
        <source>%1 is running, but its session could not be read: %2</source>
        <translation>%1 is actief, maar de sessie kon niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>%1 is running, but Kelvaro found no session file in its profile folders.</source>
        <translation>%1 is actief, maar Kelvaro heeft geen sessiebestand in de profielmappen gevonden.</translation>
    </message>
    <message>
        <source>%1 is running, but its session has no open web pages.</source>
        <translation>%1 is actief, maar de sessie heeft geen geopende webpagina’s.</translation>
    </message>
    <message>
        <source>Your saved captures were not changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Je bewaarde vastleggingen zijn niet gewijzigd: sommige konden niet worden gelezen en in je instellingenbestand is geen ruimte om er een kopie van te bewaren. Ze blijven zoals ze zijn.</translation>
    </message>
    <message>
        <source>The capture was not kept: the saved captures take all the room there is. Delete captures you no longer need, then capture again.</source>
        <translation>De vastlegging is niet bewaard: de opgeslagen vastleggingen nemen alle beschikbare ruimte in. Verwijder vastleggingen die je niet meer nodig hebt en leg daarna opnieuw vast.</translation>
    </message>
    <message>
        <source>Your launchers cannot be changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Je starters kunnen niet worden gewijzigd: sommige konden niet worden gelezen en in je instellingenbestand is geen ruimte om er een kopie van te bewaren. Ze blijven zoals ze zijn.</translation>
    </message>
    <message>
        <source>%1: unknown option: %2</source>
        <translation>%1: onbekende optie: %2</translation>
    </message>
    <message>
        <source>This build of Kelvaro has no update feed.</source>
        <translation>Deze build van Kelvaro heeft geen updatefeed.</translation>
    </message>
</context>
</TS>
