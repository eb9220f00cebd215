<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Kelvaro</name>
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
        <source>Could not read %1's tabs.</source>
        <translation>Kan de tabbladen van %1 niet lezen.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser's profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro kan de open tabbladen van %1 niet lezen. Controleer of je gebruiker de profielmap van de browser in ~/.config en de map Sessions mag lezen.</translation>
    </message>
</context>
</TS>
