<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>Kelvaro</name>
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
        <source>Could not read %1's tabs.</source>
        <translation>Karty prehliadača %1 sa nepodarilo prečítať.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser's profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro nemôže prečítať otvorené karty prehliadača %1. Skontrolujte, či váš používateľ môže čítať priečinok profilu prehliadača v ~/.config a jeho priečinok Sessions.</translation>
    </message>
</context>
</TS>
