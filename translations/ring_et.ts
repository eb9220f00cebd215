<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et">
<context>
    <name>Kelvaro</name>
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
        <source>Could not read %1's tabs.</source>
        <translation>Brauseri %1 kaarte ei õnnestunud lugeda.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser's profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro ei saa lugeda brauseri %1 avatud kaarte. Kontrolli, et sinu kasutaja tohib lugeda brauseri profiilikausta asukohas ~/.config ja selle kausta Sessions.</translation>
    </message>
</context>
</TS>
