<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Zobraziť prepínač aplikácií</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Zobraziť spúšťač skratiek</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Spustiť pri prihlásení</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Zobraziť správu pri spustení</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavenia</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Pomocník Kelvaro</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Vyhľadať aktualizácie…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Ukončiť Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Nastavenia Kelvaro</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Vitajte v Kelvaro</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Celá obrazovka</translation>
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
        <translation>Tabulátor</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Medzerník</translation>
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
        <translation>O stranu vyššie</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>O stranu nižšie</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Šípka doľava</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Šípka doprava</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Šípka nahor</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Šípka nadol</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Otvoriť…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Zavrieť okno</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Odvolať</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovať</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Vložiť</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Hľadať</translation>
    </message>
    <message>
        <source>New Finder Window</source>
        <translation>Nové okno Findera</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nový priečinok</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>Informácie</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplikovať</translation>
    </message>
    <message>
        <source>Go to Downloads</source>
        <translation>Prejsť na Stiahnuté</translation>
    </message>
    <message>
        <source>Show View Options</source>
        <translation>Zobraziť voľby zobrazenia</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>Nová karta</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nové okno</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Zavrieť kartu</translation>
    </message>
    <message>
        <source>Reopen Last Tab</source>
        <translation>Znova otvoriť poslednú kartu</translation>
    </message>
    <message>
        <source>Reload Page</source>
        <translation>Znova načítať stránku</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>Zobraziť čítačku</translation>
    </message>
    <message>
        <source>New Private Window</source>
        <translation>Nové súkromné okno</translation>
    </message>
    <message>
        <source>Reopen Closed Tab</source>
        <translation>Znova otvoriť zatvorenú kartu</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Znova načítať</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>Nástroje pre vývojárov</translation>
    </message>
    <message>
        <source>New Incognito Window</source>
        <translation>Nové okno inkognito</translation>
    </message>
    <message>
        <source>New Message</source>
        <translation>Nová správa</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Odpovedať</translation>
    </message>
    <message>
        <source>Reply All</source>
        <translation>Odpovedať všetkým</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Poslať ďalej</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Odoslať</translation>
    </message>
    <message>
        <source>Mailbox Search</source>
        <translation>Hľadať v schránke</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Nová poznámka</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Kontrolný zoznam</translation>
    </message>
    <message>
        <source>Attach File</source>
        <translation>Priložiť súbor</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hľadať</translation>
    </message>
    <message>
        <source>Emoji &amp; Symbols</source>
        <translation>Emoji a symboly</translation>
    </message>
    <message>
        <source>New Event</source>
        <translation>Nová udalosť</translation>
    </message>
    <message>
        <source>Go to Today</source>
        <translation>Prejsť na dnes</translation>
    </message>
    <message>
        <source>Day View</source>
        <translation>Zobrazenie dňa</translation>
    </message>
    <message>
        <source>Week View</source>
        <translation>Zobrazenie týždňa</translation>
    </message>
    <message>
        <source>Month View</source>
        <translation>Zobrazenie mesiaca</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>Vymazať obrazovku</translation>
    </message>
    <message>
        <source>Split Pane</source>
        <translation>Rozdeliť panel</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Spustiť</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Zostaviť</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastaviť</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testovať</translation>
    </message>
    <message>
        <source>Open Quickly</source>
        <translation>Rýchlo otvoriť</translation>
    </message>
    <message>
        <source>Show Canvas / Assistant</source>
        <translation>Zobraziť plátno / asistenta</translation>
    </message>
    <message>
        <source>Quick Open</source>
        <translation>Rýchle otvorenie</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>Paleta príkazov</translation>
    </message>
    <message>
        <source>Toggle Terminal</source>
        <translation>Zobraziť/skryť terminál</translation>
    </message>
    <message>
        <source>Toggle Sidebar</source>
        <translation>Zobraziť/skryť bočný panel</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Nový súbor</translation>
    </message>
    <message>
        <source>Quick Switcher</source>
        <translation>Rýchle prepínanie</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Vlákna</translation>
    </message>
    <message>
        <source>Mentions &amp; Reactions</source>
        <translation>Zmienky a reakcie</translation>
    </message>
    <message>
        <source>Toggle Mute</source>
        <translation>Stlmiť/zapnúť zvuk</translation>
    </message>
    <message>
        <source>Toggle Deafen</source>
        <translation>Vypnúť/zapnúť počúvanie</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>Prijatá pošta</translation>
    </message>
    <message>
        <source>Emoji Picker</source>
        <translation>Výber emoji</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Skutočná veľkosť</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zväčšiť</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zmenšiť</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Prezentácia</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Otočiť doľava</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Prehrať/Pozastaviť</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Nasledujúca skladba</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Predchádzajúca skladba</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Náhodne</translation>
    </message>
    <message>
        <source>Show Queue</source>
        <translation>Zobraziť poradie</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importovať</translation>
    </message>
    <message>
        <source>New Album</source>
        <translation>Nový album</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Obľúbené</translation>
    </message>
    <message>
        <source>Mute Audio</source>
        <translation>Stlmiť zvuk</translation>
    </message>
    <message>
        <source>Start Video</source>
        <translation>Spustiť video</translation>
    </message>
    <message>
        <source>Share Screen</source>
        <translation>Zdieľať obrazovku</translation>
    </message>
    <message>
        <source>Show Chat</source>
        <translation>Zobraziť chat</translation>
    </message>
    <message>
        <source>Show Participants</source>
        <translation>Zobraziť účastníkov</translation>
    </message>
    <message>
        <source>New Page</source>
        <translation>Nová stránka</translation>
    </message>
    <message>
        <source>Add Comment</source>
        <translation>Pridať komentár</translation>
    </message>
    <message>
        <source>To-do List</source>
        <translation>Zoznam úloh</translation>
    </message>
    <message>
        <source>Frame Tool</source>
        <translation>Nástroj rámu</translation>
    </message>
    <message>
        <source>Move Tool</source>
        <translation>Nástroj presunu</translation>
    </message>
    <message>
        <source>Text Tool</source>
        <translation>Nástroj textu</translation>
    </message>
    <message>
        <source>Pen Tool</source>
        <translation>Nástroj pera</translation>
    </message>
    <message>
        <source>Group Selection</source>
        <translation>Zoskupiť výber</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>Nový dokument</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Tučné</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Exportovať do PDF</translation>
    </message>
    <message>
        <source>New Spreadsheet</source>
        <translation>Nová tabuľka</translation>
    </message>
    <message>
        <source>Add Row Above</source>
        <translation>Pridať riadok nad</translation>
    </message>
    <message>
        <source>Insert Chart</source>
        <translation>Vložiť graf</translation>
    </message>
    <message>
        <source>New Presentation</source>
        <translation>Nová prezentácia</translation>
    </message>
    <message>
        <source>Play Slideshow</source>
        <translation>Prehrať prezentáciu</translation>
    </message>
    <message>
        <source>New Slide</source>
        <translation>Nová snímka</translation>
    </message>
    <message>
        <source>Presenter Display</source>
        <translation>Obrazovka prezentujúceho</translation>
    </message>
    <message>
        <source>Saved earlier</source>
        <translation>Uložené skôr</translation>
    </message>
    <message>
        <source>No supported browser is running.</source>
        <translation>Nie je spustený žiadny podporovaný prehliadač.</translation>
    </message>
    <message>
        <source>Could not read %1&apos;s tabs.</source>
        <translation>Karty prehliadača %1 sa nepodarilo prečítať.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser&apos;s profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro nemôže prečítať otvorené karty prehliadača %1. Skontrolujte, či váš používateľ môže čítať priečinok profilu prehliadača v ~/.config a jeho priečinok Sessions.</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Heslá</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>Pridať aplikáciu do spúšťača</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Vyberte aplikáciu, ktorú chcete pridať do kruhu.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Pridať</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Aktualizácia softvéru</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>K dispozícii je nová verzia</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 je pripravený. Máte verziu %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates</source>
        <translation>Aktualizácie sa nepodarilo skontrolovať</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Kontrolujú sa aktualizácie…</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Máte najnovšiu verziu</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 je najnovšia verzia.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Nie je nastavený žiadny zdroj aktualizácií.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the update server.</source>
        <translation>Server aktualizácií je nedostupný.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Preskočiť túto verziu</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Neskôr</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Stiahnuť</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro teraz odosiela anonymné údaje o používaní</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Staršie verzie neodosielali nič. Táto hlási spustenie aplikácie, otvorenie kruhu a počet kariet, ktoré našlo uloženie.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>Žiadne názvy okien, žiadne URL adresy, žiadne cesty k súborom a nič, čo píšete.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Nechať zapnuté</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Vypnúť</translation>
    </message>
    <message>
        <source>App Switcher</source>
        <translation>Prepínač aplikácií</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Spúšťač skratiek</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Uložené heslá</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Uložené karty</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Otvorí kruh spustených aplikácií.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Otvorí skratky, ktoré ste uložili pre aplikáciu v popredí.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Otvorí kruh vašich uložených hesiel.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Držať modifikátory</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Držte modifikačné klávesy, mierte myšou a výber potvrďte ich uvoľnením.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Prepínanie</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>Kruh zostane otvorený aj po uvoľnení. Na výber znova stlačte skratku alebo kliknite.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>Pri ukazovateli</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>Kruh sa otvorí okolo ukazovateľa, takže je vždy na dosah.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Stred obrazovky</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>Kruh sa vždy otvorí v strede obrazovky.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systém</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Svetlý</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Tmavý</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>Nie je priradená žiadna skratka — %1 nemožno otvoriť z klávesnice.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Pridajte Ctrl, Alt alebo Super, aby táto skratka neprerušovala písanie.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Už používa: %1. Vyberte inú kombináciu.</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>Šípky vyberajú, Return prepína, Escape zatvára.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>Žiadne aplikácie</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 z %3</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, okno %2 z %3: %4</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>Šípky vyberajú, Return spustí skratku, Escape zatvorí.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>Žiadne skratky</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>Heslo %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strana %1 z %2</translation>
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
        <translation>Kláves %1</translation>
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
        <translation>Kruh Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro App Switcher</source>
        <translation>Prepínač aplikácií Kelvaro</translation>
    </message>
    <message>
        <source>Your desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Vaša pracovná plocha už túto skratku používa na %1. Do Kelvaro sa nemusí dostať.</translation>
    </message>
    <message>
        <source>switching windows</source>
        <translation>prepínanie okien</translation>
    </message>
    <message>
        <source>switching windows backwards</source>
        <translation>prepínanie okien v opačnom poradí</translation>
    </message>
    <message>
        <source>closing the window</source>
        <translation>zatvorenie okna</translation>
    </message>
    <message>
        <source>running a command</source>
        <translation>spustenie príkazu</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>uzamknutie obrazovky</translation>
    </message>
    <message>
        <source>showing the desktop</source>
        <translation>zobrazenie pracovnej plochy</translation>
    </message>
    <message>
        <source>opening a terminal</source>
        <translation>otvorenie terminálu</translation>
    </message>
    <message>
        <source>logging out</source>
        <translation>odhlásenie</translation>
    </message>
    <message>
        <source>switching to a text console</source>
        <translation>prepnutie do textovej konzoly</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › General › Privacy.</source>
        <translation>Môžete to vypnúť teraz alebo kedykoľvek v Nastavenia › Všeobecné › Súkromie.</translation>
    </message>
    <message>
        <source>Global hotkeys need an X11 session. Choose an X11 (Xorg) session on the login screen, then start Kelvaro again.</source>
        <translation>Globálne klávesové skratky vyžadujú reláciu X11. Na prihlasovacej obrazovke vyberte reláciu X11 (Xorg) a potom znova spustite Kelvaro.</translation>
    </message>
    <message>
        <source>Global Hotkeys Unavailable</source>
        <translation>Globálne klávesové skratky nie sú k dispozícii</translation>
    </message>
    <message>
        <source>Keyboard Access Refused</source>
        <translation>Prístup ku klávesnici bol odmietnutý</translation>
    </message>
    <message>
        <source>Accessibility Access Required</source>
        <translation>Vyžaduje sa povolenie prístupnosti</translation>
    </message>
    <message>
        <source>This is not an X11 session, so Kelvaro cannot watch global hotkeys or raise windows.</source>
        <translation>Toto nie je relácia X11, takže Kelvaro nemôže sledovať globálne klávesové skratky ani presúvať okná do popredia.</translation>
    </message>
    <message>
        <source>The X server did not let Kelvaro watch the keyboard, so hotkeys cannot open the rings.</source>
        <translation>X server nedovolil Kelvaro sledovať klávesnicu, takže klávesové skratky nemôžu otvárať kruhy.</translation>
    </message>
    <message>
        <source>The accessibility bus is off. Kelvaro needs it to read windows, menus and text fields.</source>
        <translation>Zbernica prístupnosti je vypnutá. Kelvaro ju potrebuje na čítanie okien, ponúk a textových polí.</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Zapnúť</translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>Prečo?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Skúsiť znova</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Malá</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Stredná</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Veľká</translation>
    </message>
    <message>
        <source>Relaxed</source>
        <translation>Pokojná</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normálna</translation>
    </message>
    <message>
        <source>Brisk</source>
        <translation>Svižná</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Otvoriť pri prihlásení</translation>
    </message>
    <message>
        <source>Start Kelvaro automatically when you sign in.</source>
        <translation>Kelvaro sa spustí automaticky po prihlásení.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Spustenie</translation>
    </message>
    <message>
        <source>Send anonymous usage data</source>
        <translation>Odosielať anonymné údaje o používaní</translation>
    </message>
    <message>
        <source>Launches, rings opened, and how many tabs a capture found. Never window titles, URLs, file paths or anything you type.</source>
        <translation>Spustenia, otvorené kruhy a počet kariet, ktoré našlo uloženie. Nikdy nie názvy okien, URL adresy, cesty k súborom ani nič, čo píšete.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Súkromie</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Správanie</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Aktivácia</translation>
    </message>
    <message>
        <source>Open the ring</source>
        <translation>Otvoriť kruh</translation>
    </message>
    <message>
        <source>Follow the pointer across displays</source>
        <translation>Sledovať ukazovateľ naprieč obrazovkami</translation>
    </message>
    <message>
        <source>Otherwise the ring always opens on the main display.</source>
        <translation>Inak sa kruh vždy otvorí na hlavnej obrazovke.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Vzhľad</translation>
    </message>
    <message>
        <source>Ring size</source>
        <translation>Veľkosť kruhu</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>Rýchlosť animácie</translation>
    </message>
    <message>
        <source>Tilt the centre icon with the pointer</source>
        <translation>Nakláňať stredovú ikonu podľa ukazovateľa</translation>
    </message>
    <message>
        <source>Adds a subtle parallax to the selected app&apos;s icon.</source>
        <translation>Pridá ikone vybranej aplikácie jemný efekt paralaxy.</translation>
    </message>
    <message>
        <source>Reduce Motion is on in the desktop&apos;s settings, so animations stay minimal.</source>
        <translation>V nastaveniach pracovného prostredia je zapnuté obmedzenie pohybu, takže animácie sú minimálne.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikácii</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzia</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Automaticky vyhľadávať aktualizácie</translation>
    </message>
    <message>
        <source>Once a day, in the background.</source>
        <translation>Raz denne, na pozadí.</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Skontrolovať teraz</translation>
    </message>
    <message>
        <source>Kelvaro %1 is available</source>
        <translation>Kelvaro %1 je k dispozícii</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aktuálne</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt or Super.</source>
        <translation>Pridajte Ctrl, Alt alebo Super.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Klávesová skratka</translation>
    </message>
    <message>
        <source>Activate to record a new shortcut. Press Escape to cancel, Delete to clear.</source>
        <translation>Aktivujte na zaznamenanie novej skratky. Stlačením Escape zrušíte, stlačením Delete vymažete.</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Vymazať skratku</translation>
    </message>
    <message>
        <source>Tap a key to finish · Esc to cancel</source>
        <translation>Dokončite stlačením klávesu · Esc zruší</translation>
    </message>
    <message>
        <source>Hold modifiers, then tap a key · Esc to cancel</source>
        <translation>Podržte modifikátory a potom stlačte kláves · Esc zruší</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Nahrávanie</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Žiadna</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Žiadna akcia</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>Posunúť %1 nahor</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>Posunúť %1 nadol</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Upraviť %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Odstrániť %1</translation>
    </message>
    <message>
        <source>Hold to keep the wheel open</source>
        <translation>Podržaním ponecháte kruh otvorený</translation>
    </message>
    <message>
        <source>None selected — the wheel stays open until you click or press Escape.</source>
        <translation>Nič nie je vybrané — kruh zostane otvorený, kým nekliknete alebo nestlačíte Escape.</translation>
    </message>
    <message>
        <source>Keep %1 held while you aim. Release it and the wheel chooses whatever is highlighted.</source>
        <translation>Počas mierenia držte %1. Po uvoľnení kruh vyberie zvýraznenú položku.</translation>
    </message>
    <message>
        <source>Key Binding</source>
        <translation>Priradenie klávesov</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>Stlačte skratku</translation>
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
        <translation>medzerník</translation>
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
        <translation>backspace</translation>
    </message>
    <message>
        <source>esc</source>
        <translation>esc</translation>
    </message>
    <message>
        <source>Match the system language</source>
        <translation>Použiť jazyk systému</translation>
    </message>
    <message>
        <source>The rest of this guide uses your choice.</source>
        <translation>Zvyšok sprievodcu použije váš výber.</translation>
    </message>
    <message>
        <source>The interface updates right away.</source>
        <translation>Rozhranie sa aktualizuje okamžite.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Reštartovať teraz</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Všeobecné</translation>
    </message>
    <message>
        <source>Switcher</source>
        <translation>Prepínač</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Skratky</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>Spúšťač</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Karty</translation>
    </message>
    <message>
        <source>No passwords yet</source>
        <translation>Zatiaľ žiadne heslá</translation>
    </message>
    <message>
        <source>No shortcuts yet</source>
        <translation>Zatiaľ žiadne skratky</translation>
    </message>
    <message>
        <source>Select an app</source>
        <translation>Vyberte aplikáciu</translation>
    </message>
    <message>
        <source>Ring preview</source>
        <translation>Náhľad kruhu</translation>
    </message>
    <message>
        <source>No shortcut assigned</source>
        <translation>Nie je priradená žiadna skratka</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Skratka: %1</translation>
    </message>
    <message>
        <source>This page is not available in this version yet.</source>
        <translation>Táto stránka zatiaľ nie je v tejto verzii dostupná.</translation>
    </message>
    <message>
        <source>Kelvaro wants to unlock your saved passwords</source>
        <translation>Kelvaro chce odomknúť vaše uložené heslá</translation>
    </message>
    <message>
        <source>Unlock Saved Passwords</source>
        <translation>Odomknúť uložené heslá</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Odomknúť</translation>
    </message>
    <message>
        <source>Some of your settings could not be read. The settings file as it was is kept as %1.</source>
        <translation>Niektoré vaše nastavenia sa nepodarilo prečítať. Súbor nastavení v pôvodnej podobe je uložený ako %1.</translation>
    </message>
    <message>
        <source>Your settings file could not be read, so Kelvaro started with default settings. The file is kept as %1.</source>
        <translation>Súbor nastavení sa nepodarilo prečítať, preto sa Kelvaro spustil s predvolenými nastaveniami. Súbor je uložený ako %1.</translation>
    </message>
    <message>
        <source>Your settings file %1 could not be read, so Kelvaro started with default settings.</source>
        <translation>Súbor nastavení %1 sa nepodarilo prečítať, preto sa Kelvaro spustil s predvolenými nastaveniami.</translation>
    </message>
    <message>
        <source>Your settings cannot be saved to %1 (%2). Changes are kept until Kelvaro quits.</source>
        <translation>Nastavenia nemožno uložiť do %1 (%2). Zmeny sa zachovajú, kým sa Kelvaro neukončí.</translation>
    </message>
    <message>
        <source>Choose an icon</source>
        <translation>Vybrať ikonu</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Upraviť účet</translation>
    </message>
    <message>
        <source>Add Account</source>
        <translation>Pridať účet</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Ikona</translation>
    </message>
    <message>
        <source>Work mail</source>
        <translation>Pracovný e-mail</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Názov</translation>
    </message>
    <message>
        <source>Email / Account</source>
        <translation>E-mail / účet</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Účet</translation>
    </message>
    <message>
        <source>Add passwords for this account from the list after saving.</source>
        <translation>Po uložení pridajte heslá pre tento účet zo zoznamu.</translation>
    </message>
    <message>
        <source>Add Another Password</source>
        <translation>Pridať ďalšie heslo</translation>
    </message>
    <message>
        <source>Each password is saved under this account. Several passwords open an arc on the ring.</source>
        <translation>Každé heslo sa uloží pod týmto účtom. Viacero hesiel otvorí na kruhu oblúk.</translation>
    </message>
    <message>
        <source>Shown in the arc when this account has more than one password.</source>
        <translation>Zobrazuje sa v oblúku, keď má tento účet viac ako jedno heslo.</translation>
    </message>
    <message>
        <source>Edit Password</source>
        <translation>Upraviť heslo</translation>
    </message>
    <message>
        <source>Add Password</source>
        <translation>Pridať heslo</translation>
    </message>
    <message>
        <source>Add Passwords</source>
        <translation>Pridať heslá</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Passwords</source>
        <translation>
            <numerusform>Pridať %n heslo</numerusform>
            <numerusform>Pridať %n heslá</numerusform>
            <numerusform>Pridať %n hesiel</numerusform>
        </translation>
    </message>
    <message>
        <source>Hide the password</source>
        <translation>Skryť heslo</translation>
    </message>
    <message>
        <source>Show the password</source>
        <translation>Zobraziť heslo</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Osobné</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Označenie</translation>
    </message>
    <message>
        <source>Remove this password</source>
        <translation>Odstrániť toto heslo</translation>
    </message>
    <message>
        <source>Hint (optional)</source>
        <translation>Nápoveda (voliteľné)</translation>
    </message>
    <message>
        <source>ends 4471</source>
        <translation>končí na 4471</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Nápoveda</translation>
    </message>
    <message>
        <source>Your desktop keyring did not store the password “%1”, so it was not saved. Unlock the keyring and try again.</source>
        <translation>Zväzok kľúčov pracovného prostredia neuložil heslo „%1“, preto nebolo uložené. Odomknite zväzok kľúčov a skúste to znova.</translation>
    </message>
    <message>
        <source>Accounts &amp; Passwords</source>
        <translation>Účty a heslá</translation>
    </message>
    <message>
        <source>Stored in your desktop keyring (Secret Service), readable only while your session is unlocked. Choosing one fills the focused text field when you can type, otherwise copies to the clipboard (cleared after 45 seconds). An account with more than one password shows them in an arc beside its wedge.</source>
        <translation>Uložené vo zväzku kľúčov pracovného prostredia (Secret Service), čitateľné iba vtedy, keď je vaša relácia odomknutá. Výberom hesla sa vyplní aktívne textové pole, ak doň môžete písať, inak sa heslo skopíruje do schránky (vymaže sa po 45 sekundách). Účet s viacerými heslami ich zobrazí v oblúku vedľa svojho výseku.</translation>
    </message>
    <message>
        <source>1 password</source>
        <translation>1 heslo</translation>
    </message>
    <message numerus="yes">
        <source>%n passwords</source>
        <translation>
            <numerusform>%n heslo</numerusform>
            <numerusform>%n heslá</numerusform>
            <numerusform>%n hesiel</numerusform>
        </translation>
    </message>
    <message>
        <source>No accounts yet</source>
        <translation>Zatiaľ žiadne účty</translation>
    </message>
    <message>
        <source>Edit this account</source>
        <translation>Upraviť tento účet</translation>
    </message>
    <message>
        <source>Delete this account</source>
        <translation>Odstrániť tento účet</translation>
    </message>
    <message>
        <source>Add an account, then add passwords under it.</source>
        <translation>Pridajte účet a potom k nemu pridajte heslá.</translation>
    </message>
    <message>
        <source>No passwords for this account yet.</source>
        <translation>Tento účet zatiaľ nemá žiadne heslá.</translation>
    </message>
    <message>
        <source>Add the passwords that belong to this email.</source>
        <translation>Pridajte heslá, ktoré patria k tomuto e-mailu.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Posunúť nahor</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Posunúť nadol</translation>
    </message>
    <message>
        <source>Edit this password</source>
        <translation>Upraviť toto heslo</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Odstrániť %1</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Účty</translation>
    </message>
    <message>
        <source>Delete the account “%1”?</source>
        <translation>Odstrániť účet „%1“?</translation>
    </message>
    <message numerus="yes">
        <source>Its %n password(s) will be removed from your desktop keyring.</source>
        <translation>
            <numerusform>Jeho %n heslo bude odstránené zo zväzku kľúčov pracovného prostredia.</numerusform>
            <numerusform>Jeho %n heslá budú odstránené zo zväzku kľúčov pracovného prostredia.</numerusform>
            <numerusform>Jeho %n hesiel bude odstránených zo zväzku kľúčov pracovného prostredia.</numerusform>
        </translation>
    </message>
    <message>
        <source>No shortcut assigned — this launcher can&apos;t be opened from the keyboard.</source>
        <translation>Nie je priradená žiadna skratka — tento spúšťač nemožno otvoriť z klávesnice.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from your browsers.</source>
        <translation>Otvorí karty, ktoré ste uložili z prehliadačov.</translation>
    </message>
    <message>
        <source>Search Icon</source>
        <translation>Hľadať ikonu</translation>
    </message>
    <message>
        <source>Icon Name</source>
        <translation>Názov ikony</translation>
    </message>
    <message>
        <source>Upload PNG…</source>
        <translation>Nahrať PNG…</translation>
    </message>
    <message>
        <source>Use your own image, up to 1 MB</source>
        <translation>Použite vlastný obrázok, najviac 1 MB</translation>
    </message>
    <message>
        <source>Pick Icon</source>
        <translation>Vybrať ikonu</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>Žiadne výsledky pre „%1“</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Obrázky PNG (*.png)</translation>
    </message>
    <message>
        <source>Could not add icon</source>
        <translation>Ikonu sa nepodarilo pridať</translation>
    </message>
    <message>
        <source>Keystroke</source>
        <translation>Stlačenie klávesov</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Odkaz</translation>
    </message>
    <message>
        <source>Sent to the app in front, as if you pressed it yourself.</source>
        <translation>Odošle sa aplikácii v popredí, ako keby ste klávesy stlačili sami.</translation>
    </message>
    <message>
        <source>Copied to the clipboard, ready to paste.</source>
        <translation>Skopíruje sa do schránky, odkiaľ ho môžete vložiť.</translation>
    </message>
    <message>
        <source>Opened in your default browser.</source>
        <translation>Otvorí sa v predvolenom prehliadači.</translation>
    </message>
    <message>
        <source>Edit Shortcut</source>
        <translation>Upraviť skratku</translation>
    </message>
    <message>
        <source>New Shortcut</source>
        <translation>Nová skratka</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>pre aplikáciu %1</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Akcia</translation>
    </message>
    <message>
        <source>Keystroke to send</source>
        <translation>Stlačenie klávesov na odoslanie</translation>
    </message>
    <message>
        <source>Add Shortcut</source>
        <translation>Pridať skratku</translation>
    </message>
    <message>
        <source>Give the shortcut a name.</source>
        <translation>Pomenujte skratku.</translation>
    </message>
    <message>
        <source>Record the keystroke to send.</source>
        <translation>Zaznamenajte stlačenie klávesov na odoslanie.</translation>
    </message>
    <message>
        <source>Enter the text to copy.</source>
        <translation>Zadajte text na skopírovanie.</translation>
    </message>
    <message>
        <source>Enter a link to open.</source>
        <translation>Zadajte odkaz na otvorenie.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like a valid link.</source>
        <translation>Toto nevyzerá ako platný odkaz.</translation>
    </message>
    <message>
        <source>Suggested shortcuts for %1</source>
        <translation>Navrhované skratky pre aplikáciu %1</translation>
    </message>
    <message>
        <source>Pick the ones you want on the ring. You can edit them later.</source>
        <translation>Vyberte tie, ktoré chcete mať v kruhu. Neskôr ich môžete upraviť.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Preskočiť</translation>
    </message>
    <message>
        <source>Add 1 Shortcut</source>
        <translation>Pridať 1 skratku</translation>
    </message>
    <message>
        <source>Add Shortcuts</source>
        <translation>Pridať skratky</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Shortcuts</source>
        <translation>
            <numerusform>Pridať %n skratku</numerusform>
            <numerusform>Pridať %n skratky</numerusform>
            <numerusform>Pridať %n skratiek</numerusform>
        </translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Zrušiť celý výber</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vybrať všetko</translation>
    </message>
    <message numerus="yes">
        <source>Found %n shortcuts in the menus.</source>
        <translation>
            <numerusform>V ponukách sa našla %n skratka.</numerusform>
            <numerusform>V ponukách sa našli %n skratky.</numerusform>
            <numerusform>V ponukách sa našlo %n skratiek.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open the app first, then import again.</source>
        <translation>Najprv otvorte aplikáciu a potom znova importujte.</translation>
    </message>
    <message>
        <source>Reading menus needs the desktop&apos;s accessibility bus, which is off.</source>
        <translation>Čítanie ponúk vyžaduje zbernicu prístupnosti pracovného prostredia, ktorá je vypnutá.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read this app&apos;s menus.</source>
        <translation>Ponuky tejto aplikácie sa nepodarilo prečítať.</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>Navrhované</translation>
    </message>
    <message>
        <source>From Menus</source>
        <translation>Z ponúk</translation>
    </message>
    <message>
        <source>Reading menus…</source>
        <translation>Čítajú sa ponuky…</translation>
    </message>
    <message>
        <source>Open App &amp; Import Menus</source>
        <translation>Otvoriť aplikáciu a importovať ponuky</translation>
    </message>
    <message>
        <source>Import from Menus</source>
        <translation>Importovať z ponúk</translation>
    </message>
    <message>
        <source>Pick a PNG file. Folders, links and devices cannot be used.</source>
        <translation>Vyberte súbor PNG. Priečinky, odkazy a zariadenia nemožno použiť.</translation>
    </message>
    <message>
        <source>Pick a PNG smaller than 1 MB.</source>
        <translation>Vyberte súbor PNG menší ako 1 MB.</translation>
    </message>
    <message>
        <source>Pick a PNG of at most 1024 × 1024 pixels.</source>
        <translation>Vyberte súbor PNG s rozmermi najviac 1024 × 1024 pixelov.</translation>
    </message>
    <message>
        <source>That file could not be read as a PNG.</source>
        <translation>Tento súbor sa nepodarilo prečítať ako PNG.</translation>
    </message>
    <message>
        <source>The icon could not be saved: %1</source>
        <translation>Ikonu sa nepodarilo uložiť: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Nepodarilo sa otvoriť %1: %2</translation>
    </message>
    <message>
        <source>The Firefox session file %1 is too large to read.</source>
        <translation>Súbor relácie Firefoxu %1 je príliš veľký na prečítanie.</translation>
    </message>
    <message>
        <source>Could not read the Firefox session file %1: %2.</source>
        <translation>Súbor relácie Firefoxu %1 sa nepodarilo prečítať: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read its profile folder in ~/.mozilla/firefox.</source>
        <translation>Kelvaro nemôže prečítať otvorené karty prehliadača %1. Skontrolujte, či váš používateľ môže čítať jeho priečinok profilu v ~/.mozilla/firefox.</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs.</source>
        <translation>
            <numerusform>Uložila sa %n karta.</numerusform>
            <numerusform>Uložili sa %n karty.</numerusform>
            <numerusform>Uložilo sa %n kariet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs from %1.</source>
        <translation>
            <numerusform>Z prehliadača %1 sa uložila %n karta.</numerusform>
            <numerusform>Z prehliadača %1 sa uložili %n karty.</numerusform>
            <numerusform>Z prehliadača %1 sa uložilo %n kariet.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 z prehliadača %2</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs — %1.</source>
        <translation>
            <numerusform>Uložila sa %n karta — %1.</numerusform>
            <numerusform>Uložili sa %n karty — %1.</numerusform>
            <numerusform>Uložilo sa %n kariet — %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier capture kept.</source>
        <translation>1 staršie uloženie zostalo zachované.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier captures kept.</source>
        <translation>
            <numerusform>%n staršie uloženie zostalo zachované.</numerusform>
            <numerusform>%n staršie uloženia zostali zachované.</numerusform>
            <numerusform>%n starších uložení zostalo zachovaných.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 tab</source>
        <translation>1 karta</translation>
    </message>
    <message numerus="yes">
        <source>%n tabs</source>
        <translation>
            <numerusform>%n karta</numerusform>
            <numerusform>%n karty</numerusform>
            <numerusform>%n kariet</numerusform>
        </translation>
    </message>
    <message>
        <source>Browsers &amp; Tabs</source>
        <translation>Prehliadače a karty</translation>
    </message>
    <message>
        <source>Reads every tab open in Chrome, Brave, Edge, Vivaldi, Opera, Chromium and Firefox from the session files in their profile folders, and keeps them here so you can reopen them after the browser is closed. Each capture is kept as its own session; the ring shows the chosen one, ten tabs at a time.</source>
        <translation>Načíta všetky karty otvorené v prehliadačoch Chrome, Brave, Edge, Vivaldi, Opera, Chromium a Firefox zo súborov relácií v ich priečinkoch profilov a uchová ich tu, aby ste ich mohli znova otvoriť aj po zatvorení prehliadača. Každé uloženie sa uchováva ako samostatná relácia; kruh zobrazuje vybrané uloženie po desať kariet naraz.</translation>
    </message>
    <message>
        <source>Nothing captured yet</source>
        <translation>Zatiaľ nič uložené</translation>
    </message>
    <message>
        <source>Capturing…</source>
        <translation>Ukladá sa…</translation>
    </message>
    <message>
        <source>Capture Tabs</source>
        <translation>Uložiť karty</translation>
    </message>
    <message>
        <source>Rename this capture</source>
        <translation>Premenovať toto uloženie</translation>
    </message>
    <message>
        <source>Delete this capture</source>
        <translation>Odstrániť toto uloženie</translation>
    </message>
    <message>
        <source>No tabs captured yet.</source>
        <translation>Zatiaľ nie sú uložené žiadne karty.</translation>
    </message>
    <message>
        <source>Open a browser and capture what it has open.</source>
        <translation>Otvorte prehliadač a uložte jeho otvorené karty.</translation>
    </message>
    <message>
        <source>No open tabs to capture.</source>
        <translation>Nie sú otvorené žiadne karty na uloženie.</translation>
    </message>
    <message>
        <source>Rename Capture</source>
        <translation>Premenovať uloženie</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Premenovať</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Uloženia</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Pridať aplikáciu</translation>
    </message>
    <message>
        <source>1 app</source>
        <translation>1 aplikácia</translation>
    </message>
    <message numerus="yes">
        <source>%n apps</source>
        <translation>
            <numerusform>%n aplikácia</numerusform>
            <numerusform>%n aplikácie</numerusform>
            <numerusform>%n aplikácií</numerusform>
        </translation>
    </message>
    <message>
        <source>No apps added yet.</source>
        <translation>Zatiaľ neboli pridané žiadne aplikácie.</translation>
    </message>
    <message>
        <source>Choose apps this launcher should show in the ring.</source>
        <translation>Vyberte aplikácie, ktoré má tento spúšťač zobrazovať v kruhu.</translation>
    </message>
    <message>
        <source>Launchers &amp; Apps</source>
        <translation>Spúšťače a aplikácie</translation>
    </message>
    <message>
        <source>New Launcher</source>
        <translation>Nový spúšťač</translation>
    </message>
    <message>
        <source>Rename Launcher</source>
        <translation>Premenovať spúšťač</translation>
    </message>
    <message>
        <source>Opens this launcher.</source>
        <translation>Otvorí tento spúšťač.</translation>
    </message>
    <message>
        <source>No launchers yet</source>
        <translation>Zatiaľ žiadne spúšťače</translation>
    </message>
    <message>
        <source>Add Launcher</source>
        <translation>Pridať spúšťač</translation>
    </message>
    <message>
        <source>Rename this launcher</source>
        <translation>Premenovať tento spúšťač</translation>
    </message>
    <message>
        <source>Delete this launcher</source>
        <translation>Odstrániť tento spúšťač</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>Spúšťače</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Navrhnúť</translation>
    </message>
    <message>
        <source>Apps &amp; Shortcuts</source>
        <translation>Aplikácie a skratky</translation>
    </message>
    <message>
        <source>1 shortcut</source>
        <translation>1 skratka</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts</source>
        <translation>
            <numerusform>%n skratka</numerusform>
            <numerusform>%n skratky</numerusform>
            <numerusform>%n skratiek</numerusform>
        </translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Vybrať aplikáciu</translation>
    </message>
    <message>
        <source>Choose an application to add shortcuts for</source>
        <translation>Vyberte aplikáciu, pre ktorú chcete pridať skratky</translation>
    </message>
    <message>
        <source>No apps added yet</source>
        <translation>Zatiaľ žiadne pridané aplikácie</translation>
    </message>
    <message>
        <source>Remove this app</source>
        <translation>Odstrániť túto aplikáciu</translation>
    </message>
    <message>
        <source>Add suggested shortcuts for this app</source>
        <translation>Pridať navrhované skratky pre túto aplikáciu</translation>
    </message>
    <message>
        <source>Add keyboard shortcuts, text snippets or links for %1.</source>
        <translation>Pridajte klávesové skratky, úryvky textu alebo odkazy pre aplikáciu %1.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplikácie</translation>
    </message>
    <message>
        <source>Kelvaro is Now Running</source>
        <translation>Kelvaro je teraz spustený</translation>
    </message>
    <message>
        <source>The two rings</source>
        <translation>Dva kruhy</translation>
    </message>
    <message>
        <source>Hold its shortcut, aim at an app with the pointer, let go. The ring opens around your pointer or in the middle of the display — your choice, under Settings › General.</source>
        <translation>Podržte jeho skratku, ukazovateľom namierte na aplikáciu a pustite. Kruh sa otvorí okolo ukazovateľa alebo v strede obrazovky — podľa vašej voľby v Nastavenia › Všeobecné.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for whichever app is in front, so you can drive that app by its own keyboard shortcuts without remembering them.</source>
        <translation>Otvorí skratky, ktoré ste uložili pre aplikáciu, ktorá je práve v popredí, takže ju môžete ovládať jej vlastnými klávesovými skratkami bez toho, aby ste si ich museli pamätať.</translation>
    </message>
    <message>
        <source>Choosing between windows</source>
        <translation>Výber okna</translation>
    </message>
    <message>
        <source>The window arc</source>
        <translation>Oblúk okien</translation>
    </message>
    <message>
        <source>When the highlighted app has more than one window, a quarter-arc appears beside it listing them. Keep moving outward onto the arc to pick a window instead of just the app.</source>
        <translation>Keď má zvýraznená aplikácia viac ako jedno okno, vedľa nej sa zobrazí štvrťkruhový oblúk so zoznamom okien. Pokračujte pohybom smerom von na oblúk a vyberte konkrétne okno namiesto celej aplikácie.</translation>
    </message>
    <message>
        <source>The arc never appears</source>
        <translation>Oblúk sa nikdy nezobrazí</translation>
    </message>
    <message>
        <source>It only appears for an app with more than one window: an app with a single window has nothing to choose between, so the arc stays hidden.</source>
        <translation>Oblúk sa zobrazuje iba pri aplikácii s viac ako jedným oknom: pri aplikácii s jediným oknom nie je z čoho vyberať, takže oblúk zostane skrytý.</translation>
    </message>
    <message>
        <source>Changing a binding</source>
        <translation>Zmena priradenia klávesov</translation>
    </message>
    <message>
        <source>Settings › Switcher or Shortcuts, then click the recorder and press the combination you want. Add Ctrl, Alt or Super so it can&apos;t fire while you&apos;re typing.</source>
        <translation>Nastavenia › Prepínač alebo Skratky, potom kliknite na pole nahrávania a stlačte požadovanú kombináciu. Pridajte Ctrl, Alt alebo Super, aby sa skratka nespustila počas písania.</translation>
    </message>
    <message>
        <source>Hold versus toggle</source>
        <translation>Držanie alebo prepínanie</translation>
    </message>
    <message>
        <source>By default the ring stays open while you hold the shortcut&apos;s modifiers and commits when you let go. Settings › General can switch it to stay open until you press again or click.</source>
        <translation>Predvolene zostáva kruh otvorený, kým držíte modifikátory skratky, a výber sa potvrdí po ich uvoľnení. V Nastavenia › Všeobecné môžete nastaviť, aby zostal otvorený, kým znova nestlačíte skratku alebo nekliknete.</translation>
    </message>
    <message>
        <source>If nothing happens</source>
        <translation>Ak sa nič nedeje</translation>
    </message>
    <message>
        <source>Desktop access</source>
        <translation>Prístup k pracovnému prostrediu</translation>
    </message>
    <message>
        <source>Global shortcuts need an X11 session, and reading menus or typing passwords needs the accessibility bus. Settings shows a banner whenever something is missing, with a button that turns the accessibility bus on.</source>
        <translation>Globálne klávesové skratky vyžadujú reláciu X11 a čítanie ponúk či zadávanie hesiel vyžaduje zbernicu prístupnosti. Keď niečo chýba, nastavenia zobrazia pruh s upozornením a tlačidlom, ktoré zbernicu prístupnosti zapne.</translation>
    </message>
    <message>
        <source>Finding the app</source>
        <translation>Hľadanie aplikácie</translation>
    </message>
    <message>
        <source>Kelvaro has no window of its own on purpose. It lives in the tray; closing a window doesn&apos;t quit it.</source>
        <translation>Kelvaro zámerne nemá vlastné okno. Nachádza sa v systémovej lište; zatvorením okna sa neukončí.</translation>
    </message>
    <message>
        <source>Starting over</source>
        <translation>Opätovné spustenie</translation>
    </message>
    <message>
        <source>Starting Kelvaro again while it runs opens its settings, or the walkthrough while that is unfinished.</source>
        <translation>Ak Kelvaro spustíte znova, keď už beží, otvoria sa jeho nastavenia — alebo sprievodca, ak ešte nie je dokončený.</translation>
    </message>
    <message>
        <source>This is the cause of most &quot;nothing happens&quot; reports.</source>
        <translation>Toto je príčina väčšiny hlásení typu „nič sa nedeje“.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer.</source>
        <translation>Všetky otvorené aplikácie v kruhu okolo ukazovateľa.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Kontaktovať podporu</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>Stránka podpory</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Zásady ochrany osobných údajov</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Podmienky používania</translation>
    </message>
    <message>
        <source>Kelvaro %1</source>
        <translation>Kelvaro %1</translation>
    </message>
    <message>
        <source>Your apps, shortcuts and passwords stay on this computer.</source>
        <translation>Vaše aplikácie, skratky a heslá zostávajú v tomto počítači.</translation>
    </message>
    <message>
        <source>Show this message on app launch</source>
        <translation>Zobraziť túto správu pri spustení aplikácie</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Nastavenia…</translation>
    </message>
    <message>
        <source>Press %1 to open the ring</source>
        <translation>Stlačením %1 otvoríte kruh</translation>
    </message>
    <message>
        <source>No shortcut is assigned yet. Open Settings to choose one.</source>
        <translation>Zatiaľ nie je priradená žiadna skratka. Otvorte Nastavenia a vyberte ju.</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>Relácia X11</translation>
    </message>
    <message>
        <source>Global keys</source>
        <translation>Globálne klávesové skratky</translation>
    </message>
    <message>
        <source>Accessibility bus</source>
        <translation>Zbernica prístupnosti</translation>
    </message>
    <message>
        <source>Start Using Kelvaro</source>
        <translation>Začať používať Kelvaro</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovať</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Vyberte si jazyk</translation>
    </message>
    <message>
        <source>Kelvaro speaks 17 languages. Pick one, or let it follow your system.</source>
        <translation>Kelvaro hovorí 17 jazykmi. Vyberte si jeden alebo nechajte Kelvaro riadiť sa jazykom systému.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer. One keystroke away.</source>
        <translation>Všetky otvorené aplikácie v kruhu okolo ukazovateľa. Na jedno stlačenie klávesov.</translation>
    </message>
    <message>
        <source>Notices the one shortcut you choose</source>
        <translation>Všíma si iba jednu skratku, ktorú si vyberiete</translation>
    </message>
    <message>
        <source>Switches apps and sends shortcuts you set up</source>
        <translation>Prepína aplikácie a odosiela skratky, ktoré si nastavíte</translation>
    </message>
    <message>
        <source>Never reads what you type</source>
        <translation>Nikdy nečíta, čo píšete</translation>
    </message>
    <message>
        <source>Sends nothing it sees here — that stays on this computer</source>
        <translation>Neodosiela nič, čo tu vidí — to zostáva v tomto počítači</translation>
    </message>
    <message>
        <source>Needs an X11 Session</source>
        <translation>Vyžaduje reláciu X11</translation>
    </message>
    <message>
        <source>Turn On the Accessibility Bus</source>
        <translation>Zapnúť zbernicu prístupnosti</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Všetko je pripravené</translation>
    </message>
    <message>
        <source>Let Kelvaro see your shortcut</source>
        <translation>Dovoľte Kelvaro vidieť vašu skratku</translation>
    </message>
    <message>
        <source>Global keys work and the accessibility bus is on. Nothing else to set up.</source>
        <translation>Globálne klávesové skratky fungujú a zbernica prístupnosti je zapnutá. Nič ďalšie netreba nastavovať.</translation>
    </message>
    <message>
        <source>Linux needs two things for this: an X11 session for the global keys, and the accessibility bus for reading menus and typing passwords.</source>
        <translation>Linux na to potrebuje dve veci: reláciu X11 pre globálne klávesové skratky a zbernicu prístupnosti na čítanie ponúk a zadávanie hesiel.</translation>
    </message>
    <message>
        <source>No shortcut set</source>
        <translation>Nie je nastavená žiadna skratka</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Nahrať</translation>
    </message>
    <message>
        <source>Record a different shortcut</source>
        <translation>Nahrať inú skratku</translation>
    </message>
    <message>
        <source>Use the default instead</source>
        <translation>Použiť predvolenú skratku</translation>
    </message>
    <message>
        <source>Hold it — the ring opens.</source>
        <translation>Podržte ju — kruh sa otvorí.</translation>
    </message>
    <message>
        <source>Point at the app you want.</source>
        <translation>Ukážte na požadovanú aplikáciu.</translation>
    </message>
    <message>
        <source>Let go — Kelvaro switches to it.</source>
        <translation>Pustite — Kelvaro sa na ňu prepne.</translation>
    </message>
    <message>
        <source>Your shortcut</source>
        <translation>Vaša skratka</translation>
    </message>
    <message>
        <source>This is what opens the ring. Keep it, or record your own.</source>
        <translation>Práve ona otvára kruh. Ponechajte si ju alebo nahrajte vlastnú.</translation>
    </message>
    <message>
        <source>Click the Kelvaro icon in the tray.</source>
        <translation>Kliknite na ikonu Kelvaro v systémovej lište.</translation>
    </message>
    <message>
        <source>Settings — add apps, edit shortcuts, change keys.</source>
        <translation>Nastavenia — pridávajte aplikácie, upravujte skratky, meňte klávesy.</translation>
    </message>
    <message>
        <source>Kelvaro lives in the tray</source>
        <translation>Kelvaro býva v systémovej lište</translation>
    </message>
    <message>
        <source>It has no window of its own on purpose. Close a window and it keeps running — everything stays one click away in the tray.</source>
        <translation>Zámerne nemá vlastné okno. Zatvorte okno a Kelvaro beží ďalej — všetko máte v systémovej lište na jedno kliknutie.</translation>
    </message>
    <message>
        <source>Your settings file was damaged after Kelvaro read it. The damaged file is kept as %1, and your settings were saved again.</source>
        <translation>Súbor nastavení sa poškodil po tom, čo ho Kelvaro prečítal. Poškodený súbor je uložený ako %1 a nastavenia sa uložili znova.</translation>
    </message>
    <message>
        <source>A change to your settings was not made: it would have made the settings file %1 too large to read back.</source>
        <translation>Zmena nastavení sa nevykonala: súbor nastavení %1 by bol príliš veľký na opätovné načítanie.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: their addresses are longer than %1 characters.</source>
        <translation>
            <numerusform>%Ln karta bola vynechaná: jej adresa má viac ako %1 znakov.</numerusform>
            <numerusform>%Ln karty boli vynechané: ich adresy majú viac ako %1 znakov.</numerusform>
            <numerusform>%Ln kariet bolo vynechaných: ich adresy majú viac ako %1 znakov.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: a capture keeps at most %1 tabs.</source>
        <translation>
            <numerusform>%Ln karta bola vynechaná: jedno uloženie obsahuje najviac %1 kariet.</numerusform>
            <numerusform>%Ln karty boli vynechané: jedno uloženie obsahuje najviac %1 kariet.</numerusform>
            <numerusform>%Ln kariet bolo vynechaných: jedno uloženie obsahuje najviac %1 kariet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: the capture would have been too large to keep.</source>
        <translation>
            <numerusform>%Ln karta bola vynechaná: uloženie by bolo príliš veľké na zachovanie.</numerusform>
            <numerusform>%Ln karty boli vynechané: uloženie by bolo príliš veľké na zachovanie.</numerusform>
            <numerusform>%Ln kariet bolo vynechaných: uloženie by bolo príliš veľké na zachovanie.</numerusform>
        </translation>
    </message>
    <message>
        <source>The capture was not kept: your settings file would have grown too large.</source>
        <translation>Uloženie sa nezachovalo: súbor nastavení by bol príliš veľký.</translation>
    </message>
    <message>
        <source>That password was not accepted. Try again.</source>
        <translation>Toto heslo nebolo prijaté. Skúste to znova.</translation>
    </message>
    <message>
        <source>Your login password was not accepted. No saved password was released.</source>
        <translation>Vaše prihlasovacie heslo nebolo prijaté. Nevydalo sa žiadne uložené heslo.</translation>
    </message>
    <message>
        <source>Enter your login password to use saved passwords.</source>
        <translation>Ak chcete používať uložené heslá, zadajte svoje prihlasovacie heslo.</translation>
    </message>
    <message numerus="yes">
        <source>The window you chose was closed or is no longer in front. Your password is on the clipboard for %n seconds.</source>
        <translation>
            <numerusform>Vybrané okno sa zatvorilo alebo už nie je v popredí. Heslo bude v schránke %n sekundu.</numerusform>
            <numerusform>Vybrané okno sa zatvorilo alebo už nie je v popredí. Heslo bude v schránke %n sekundy.</numerusform>
            <numerusform>Vybrané okno sa zatvorilo alebo už nie je v popredí. Heslo bude v schránke %n sekúnd.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The password did not arrive in the field. It is on the clipboard for %n seconds: paste it there yourself.</source>
        <translation>
            <numerusform>Heslo sa do poľa nedostalo. Bude v schránke %n sekundu: vložte ho tam sami.</numerusform>
            <numerusform>Heslo sa do poľa nedostalo. Bude v schránke %n sekundy: vložte ho tam sami.</numerusform>
            <numerusform>Heslo sa do poľa nedostalo. Bude v schránke %n sekúnd: vložte ho tam sami.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 did not take the password. It is on the clipboard for %n seconds: paste it into the field yourself.</source>
        <translation>
            <numerusform>%1 heslo neprijal. Bude v schránke %n sekundu: vložte ho do poľa sami.</numerusform>
            <numerusform>%1 heslo neprijal. Bude v schránke %n sekundy: vložte ho do poľa sami.</numerusform>
            <numerusform>%1 heslo neprijal. Bude v schránke %n sekúnd: vložte ho do poľa sami.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No text field had the focus. Your password is on the clipboard for %n seconds: paste it.</source>
        <translation>
            <numerusform>Žiadne textové pole nemalo fokus. Heslo bude v schránke %n sekundu: vložte ho.</numerusform>
            <numerusform>Žiadne textové pole nemalo fokus. Heslo bude v schránke %n sekundy: vložte ho.</numerusform>
            <numerusform>Žiadne textové pole nemalo fokus. Heslo bude v schránke %n sekúnd: vložte ho.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your own icon: a PNG of at most 1 MB and 1024 × 1024 pixels.</source>
        <translation>Vlastná ikona: PNG s veľkosťou najviac 1 MB a 1024 × 1024 pixelov.</translation>
    </message>
    <message>
        <source>A name is needed.</source>
        <translation>Je potrebný názov.</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]</source>
        <translation>Použitie: %1 [--help | --version]</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Zobraziť túto pomoc a skončiť.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Zobraziť verziu a skončiť.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: this Wayland session has no XWayland (DISPLAY is not set).</source>
        <translation>Kelvaro potrebuje reláciu X11: táto relácia Wayland nemá XWayland (DISPLAY nie je nastavené).</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: DISPLAY is not set.</source>
        <translation>Kelvaro potrebuje reláciu X11: DISPLAY nie je nastavené.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: the display %1 cannot be opened.</source>
        <translation>Kelvaro potrebuje reláciu X11: obrazovku %1 nemožno otvoriť.</translation>
    </message>
    <message>
        <source>This build of Kelvaro cannot send usage data.</source>
        <translation>Toto zostavenie Kelvaro nemôže odosielať údaje o používaní.</translation>
    </message>
    <message>
        <source>Already used by %1.</source>
        <translation>Už používa: %1.</translation>
    </message>
    <message>
        <source>Empty Bin</source>
        <translation>Vyprázdniť kôš</translation>
    </message>
    <message>
        <source>Toggle recording</source>
        <translation>Prepnúť nahrávanie</translation>
    </message>
    <message>
        <source>Could not read the session log %1: %2.</source>
        <translation>Denník relácie %1 sa nepodarilo prečítať: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1: your user may not read %2.</source>
        <translation>Kelvaro nemôže prečítať otvorené karty prehliadača %1: váš používateľ nemá povolené čítať %2.</translation>
    </message>
    <message>
        <source>%1 is running, but its session could not be read: %2</source>
        <translation>%1 je spustený, ale jeho reláciu sa nepodarilo prečítať: %2</translation>
    </message>
    <message>
        <source>%1 is running, but Kelvaro found no session file in its profile folders.</source>
        <translation>%1 je spustený, ale Kelvaro nenašiel v jeho priečinkoch profilu žiadny súbor relácie.</translation>
    </message>
    <message>
        <source>%1 is running, but its session has no open web pages.</source>
        <translation>%1 je spustený, ale v jeho relácii nie sú otvorené žiadne webové stránky.</translation>
    </message>
    <message>
        <source>Your saved captures were not changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Uložené zachytenia sa nezmenili: niektoré z nich sa nepodarilo prečítať a v súbore nastavení nie je miesto na ich kópiu. Zostávajú tak, ako sú.</translation>
    </message>
    <message>
        <source>The capture was not kept: the saved captures take all the room there is. Delete captures you no longer need, then capture again.</source>
        <translation>Uloženie sa nezachovalo: uložené karty zaberajú všetko dostupné miesto. Odstráňte uloženia, ktoré už nepotrebujete, a potom uložte znova.</translation>
    </message>
    <message>
        <source>Your launchers cannot be changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Spúšťače sa nedajú zmeniť: niektoré z nich sa nepodarilo prečítať a v súbore nastavení nie je miesto na ich kópiu. Zostávajú tak, ako sú.</translation>
    </message>
    <message>
        <source>%1: unknown option: %2</source>
        <translation>%1: neznáma voľba: %2</translation>
    </message>
    <message>
        <source>This build of Kelvaro has no update feed.</source>
        <translation>Táto zostava Kelvaro nemá zdroj aktualizácií.</translation>
    </message>
</context>
</TS>
