<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sq">
<context>
    <name>Kelvaro</name>
    <message>
        <source>New</source>
        <translation>I ri</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Hap…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Ruaj</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Mbyll dritaren</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zhbëj</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopjo</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Ngjit</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Gjej</translation>
    </message>
    <message>
        <source>New Finder Window</source>
        <translation>Dritare e re Finder</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Dosje e re</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>Merr informacion</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dyfisho</translation>
    </message>
    <message>
        <source>Go to Downloads</source>
        <translation>Shko te Shkarkimet</translation>
    </message>
    <message>
        <source>Show View Options</source>
        <translation>Shfaq opsionet e pamjes</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>Skedë e re</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Dritare e re</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Mbyll skedën</translation>
    </message>
    <message>
        <source>Reopen Last Tab</source>
        <translation>Rihap skedën e fundit</translation>
    </message>
    <message>
        <source>Reload Page</source>
        <translation>Ringarko faqen</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>Shfaq lexuesin</translation>
    </message>
    <message>
        <source>New Private Window</source>
        <translation>Dritare e re private</translation>
    </message>
    <message>
        <source>Reopen Closed Tab</source>
        <translation>Rihap skedën e mbyllur</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Ringarko</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>Mjetet e zhvilluesit</translation>
    </message>
    <message>
        <source>New Incognito Window</source>
        <translation>Dritare e re e fshehtë</translation>
    </message>
    <message>
        <source>New Message</source>
        <translation>Mesazh i ri</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Përgjigju</translation>
    </message>
    <message>
        <source>Reply All</source>
        <translation>Përgjigju të gjithëve</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Përcill</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Dërgo</translation>
    </message>
    <message>
        <source>Mailbox Search</source>
        <translation>Kërko në kutinë postare</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Shënim i ri</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Listë kontrolli</translation>
    </message>
    <message>
        <source>Attach File</source>
        <translation>Bashkëngjit skedar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Kërko</translation>
    </message>
    <message>
        <source>Emoji &amp; Symbols</source>
        <translation>Emoji dhe simbole</translation>
    </message>
    <message>
        <source>New Event</source>
        <translation>Ngjarje e re</translation>
    </message>
    <message>
        <source>Go to Today</source>
        <translation>Shko te sot</translation>
    </message>
    <message>
        <source>Day View</source>
        <translation>Pamja e ditës</translation>
    </message>
    <message>
        <source>Week View</source>
        <translation>Pamja e javës</translation>
    </message>
    <message>
        <source>Month View</source>
        <translation>Pamja e muajit</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>Pastro ekranin</translation>
    </message>
    <message>
        <source>Split Pane</source>
        <translation>Ndaj panelin</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ekzekuto</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Ndërto</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ndalo</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Open Quickly</source>
        <translation>Hap shpejt</translation>
    </message>
    <message>
        <source>Show Canvas / Assistant</source>
        <translation>Shfaq kanavacën / asistentin</translation>
    </message>
    <message>
        <source>Quick Open</source>
        <translation>Hapje e shpejtë</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>Paleta e komandave</translation>
    </message>
    <message>
        <source>Toggle Terminal</source>
        <translation>Shfaq/fshih terminalin</translation>
    </message>
    <message>
        <source>Toggle Sidebar</source>
        <translation>Shfaq/fshih shiritin anësor</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Skedar i ri</translation>
    </message>
    <message>
        <source>Quick Switcher</source>
        <translation>Ndërruesi i shpejtë</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Fijet</translation>
    </message>
    <message>
        <source>Mentions &amp; Reactions</source>
        <translation>Përmendjet dhe reagimet</translation>
    </message>
    <message>
        <source>Toggle Mute</source>
        <translation>Hiq/vendos zërin</translation>
    </message>
    <message>
        <source>Toggle Deafen</source>
        <translation>Fik/ndiz dëgjimin</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>Kutia hyrëse</translation>
    </message>
    <message>
        <source>Emoji Picker</source>
        <translation>Zgjedhësi i emoji</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Madhësia reale</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zmadho</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zvogëlo</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Shfaqje rrëshqitëse</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Rrotullo majtas</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Luaj/Pauzë</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Pjesa tjetër</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Pjesa e mëparshme</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Përziej</translation>
    </message>
    <message>
        <source>Show Queue</source>
        <translation>Shfaq radhën</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importo</translation>
    </message>
    <message>
        <source>New Album</source>
        <translation>Album i ri</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>I preferuar</translation>
    </message>
    <message>
        <source>Mute Audio</source>
        <translation>Hiq zërin</translation>
    </message>
    <message>
        <source>Start Video</source>
        <translation>Nis videon</translation>
    </message>
    <message>
        <source>Share Screen</source>
        <translation>Ndaj ekranin</translation>
    </message>
    <message>
        <source>Show Chat</source>
        <translation>Shfaq bisedën</translation>
    </message>
    <message>
        <source>Show Participants</source>
        <translation>Shfaq pjesëmarrësit</translation>
    </message>
    <message>
        <source>New Page</source>
        <translation>Faqe e re</translation>
    </message>
    <message>
        <source>Add Comment</source>
        <translation>Shto koment</translation>
    </message>
    <message>
        <source>To-do List</source>
        <translation>Listë detyrash</translation>
    </message>
    <message>
        <source>Frame Tool</source>
        <translation>Mjeti i kornizës</translation>
    </message>
    <message>
        <source>Move Tool</source>
        <translation>Mjeti i zhvendosjes</translation>
    </message>
    <message>
        <source>Text Tool</source>
        <translation>Mjeti i tekstit</translation>
    </message>
    <message>
        <source>Pen Tool</source>
        <translation>Mjeti i stilolapsit</translation>
    </message>
    <message>
        <source>Group Selection</source>
        <translation>Grupo përzgjedhjen</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>Dokument i ri</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Të trasha</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Eksporto në PDF</translation>
    </message>
    <message>
        <source>New Spreadsheet</source>
        <translation>Fletëllogaritëse e re</translation>
    </message>
    <message>
        <source>Add Row Above</source>
        <translation>Shto rresht sipër</translation>
    </message>
    <message>
        <source>Insert Chart</source>
        <translation>Fut grafik</translation>
    </message>
    <message>
        <source>New Presentation</source>
        <translation>Prezantim i ri</translation>
    </message>
    <message>
        <source>Play Slideshow</source>
        <translation>Luaj shfaqjen</translation>
    </message>
    <message>
        <source>New Slide</source>
        <translation>Diapozitiv i ri</translation>
    </message>
    <message>
        <source>Presenter Display</source>
        <translation>Ekrani i prezantuesit</translation>
    </message>
    <message>
        <source>Saved earlier</source>
        <translation>Ruajtur më parë</translation>
    </message>
    <message>
        <source>No supported browser is running.</source>
        <translation>Nuk po funksionon asnjë shfletues i mbështetur.</translation>
    </message>
    <message>
        <source>Could not read %1's tabs.</source>
        <translation>Skedat e %1 nuk u lexuan dot.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser's profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro nuk mund të lexojë skedat e hapura të %1. Kontrollo që përdoruesi yt mund të lexojë dosjen e profilit të shfletuesit në ~/.config dhe dosjen e saj Sessions.</translation>
    </message>
</context>
</TS>
