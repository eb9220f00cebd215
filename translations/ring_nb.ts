<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>Kelvaro</name>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Åpne…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Arkiver</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Lukk vindu</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Angre</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Lim inn</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Søk</translation>
    </message>
    <message>
        <source>New Finder Window</source>
        <translation>Nytt Finder-vindu</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Ny mappe</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>Vis info</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliser</translation>
    </message>
    <message>
        <source>Go to Downloads</source>
        <translation>Gå til Nedlastinger</translation>
    </message>
    <message>
        <source>Show View Options</source>
        <translation>Vis visningsvalg</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>Ny fane</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nytt vindu</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Lukk fane</translation>
    </message>
    <message>
        <source>Reopen Last Tab</source>
        <translation>Åpne siste fane på nytt</translation>
    </message>
    <message>
        <source>Reload Page</source>
        <translation>Last inn siden på nytt</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>Vis leser</translation>
    </message>
    <message>
        <source>New Private Window</source>
        <translation>Nytt privat vindu</translation>
    </message>
    <message>
        <source>Reopen Closed Tab</source>
        <translation>Åpne lukket fane på nytt</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Last inn på nytt</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>Utviklerverktøy</translation>
    </message>
    <message>
        <source>New Incognito Window</source>
        <translation>Nytt inkognitovindu</translation>
    </message>
    <message>
        <source>New Message</source>
        <translation>Ny melding</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Svar</translation>
    </message>
    <message>
        <source>Reply All</source>
        <translation>Svar alle</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Videresend</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Mailbox Search</source>
        <translation>Søk i postkasse</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Nytt notat</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Sjekkliste</translation>
    </message>
    <message>
        <source>Attach File</source>
        <translation>Legg ved fil</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Søk</translation>
    </message>
    <message>
        <source>Emoji &amp; Symbols</source>
        <translation>Emoji og symboler</translation>
    </message>
    <message>
        <source>New Event</source>
        <translation>Ny hendelse</translation>
    </message>
    <message>
        <source>Go to Today</source>
        <translation>Gå til i dag</translation>
    </message>
    <message>
        <source>Day View</source>
        <translation>Dagvisning</translation>
    </message>
    <message>
        <source>Week View</source>
        <translation>Ukevisning</translation>
    </message>
    <message>
        <source>Month View</source>
        <translation>Månedsvisning</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>Tøm skjermen</translation>
    </message>
    <message>
        <source>Split Pane</source>
        <translation>Del rute</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Kjør</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Bygg</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Open Quickly</source>
        <translation>Åpne raskt</translation>
    </message>
    <message>
        <source>Show Canvas / Assistant</source>
        <translation>Vis lerret / assistent</translation>
    </message>
    <message>
        <source>Quick Open</source>
        <translation>Hurtigåpne</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>Kommandopalett</translation>
    </message>
    <message>
        <source>Toggle Terminal</source>
        <translation>Vis/skjul terminal</translation>
    </message>
    <message>
        <source>Toggle Sidebar</source>
        <translation>Vis/skjul sidepanel</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Ny fil</translation>
    </message>
    <message>
        <source>Quick Switcher</source>
        <translation>Hurtigbytter</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Tråder</translation>
    </message>
    <message>
        <source>Mentions &amp; Reactions</source>
        <translation>Omtaler og reaksjoner</translation>
    </message>
    <message>
        <source>Toggle Mute</source>
        <translation>Demp av/på</translation>
    </message>
    <message>
        <source>Toggle Deafen</source>
        <translation>Slå av/på lyd</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>Innboks</translation>
    </message>
    <message>
        <source>Emoji Picker</source>
        <translation>Emojivelger</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Faktisk størrelse</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom inn</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom ut</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Lysbildefremvisning</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Roter mot venstre</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Spill av/Pause</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Neste spor</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Forrige spor</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Tilfeldig rekkefølge</translation>
    </message>
    <message>
        <source>Show Queue</source>
        <translation>Vis kø</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>New Album</source>
        <translation>Nytt album</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favoritt</translation>
    </message>
    <message>
        <source>Mute Audio</source>
        <translation>Demp lyd</translation>
    </message>
    <message>
        <source>Start Video</source>
        <translation>Start video</translation>
    </message>
    <message>
        <source>Share Screen</source>
        <translation>Del skjerm</translation>
    </message>
    <message>
        <source>Show Chat</source>
        <translation>Vis chat</translation>
    </message>
    <message>
        <source>Show Participants</source>
        <translation>Vis deltakere</translation>
    </message>
    <message>
        <source>New Page</source>
        <translation>Ny side</translation>
    </message>
    <message>
        <source>Add Comment</source>
        <translation>Legg til kommentar</translation>
    </message>
    <message>
        <source>To-do List</source>
        <translation>Gjøremålsliste</translation>
    </message>
    <message>
        <source>Frame Tool</source>
        <translation>Rammeverktøy</translation>
    </message>
    <message>
        <source>Move Tool</source>
        <translation>Flytteverktøy</translation>
    </message>
    <message>
        <source>Text Tool</source>
        <translation>Tekstverktøy</translation>
    </message>
    <message>
        <source>Pen Tool</source>
        <translation>Pennverktøy</translation>
    </message>
    <message>
        <source>Group Selection</source>
        <translation>Grupper markering</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>Nytt dokument</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fet</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Eksporter som PDF</translation>
    </message>
    <message>
        <source>New Spreadsheet</source>
        <translation>Nytt regneark</translation>
    </message>
    <message>
        <source>Add Row Above</source>
        <translation>Legg til rad over</translation>
    </message>
    <message>
        <source>Insert Chart</source>
        <translation>Sett inn diagram</translation>
    </message>
    <message>
        <source>New Presentation</source>
        <translation>Ny presentasjon</translation>
    </message>
    <message>
        <source>Play Slideshow</source>
        <translation>Spill av lysbildefremvisning</translation>
    </message>
    <message>
        <source>New Slide</source>
        <translation>Nytt lysbilde</translation>
    </message>
    <message>
        <source>Presenter Display</source>
        <translation>Presentatørskjerm</translation>
    </message>
    <message>
        <source>Saved earlier</source>
        <translation>Lagret tidligere</translation>
    </message>
    <message>
        <source>No supported browser is running.</source>
        <translation>Ingen støttet nettleser kjører.</translation>
    </message>
    <message>
        <source>Could not read %1's tabs.</source>
        <translation>Kunne ikke lese fanene i %1.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser's profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro kan ikke lese de åpne fanene i %1. Kontroller at brukeren din kan lese nettleserens profilmappe i ~/.config og mappen Sessions.</translation>
    </message>
</context>
</TS>
