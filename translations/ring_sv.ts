<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>Kelvaro</name>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Öppna…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Stäng fönster</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ångra</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiera</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Klistra in</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>New Finder Window</source>
        <translation>Nytt Finder-fönster</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Ny mapp</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>Visa info</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicera</translation>
    </message>
    <message>
        <source>Go to Downloads</source>
        <translation>Gå till Hämtade filer</translation>
    </message>
    <message>
        <source>Show View Options</source>
        <translation>Visa visningsalternativ</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>Ny flik</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Nytt fönster</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Stäng flik</translation>
    </message>
    <message>
        <source>Reopen Last Tab</source>
        <translation>Öppna senaste flik igen</translation>
    </message>
    <message>
        <source>Reload Page</source>
        <translation>Läs in sidan igen</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>Visa läsare</translation>
    </message>
    <message>
        <source>New Private Window</source>
        <translation>Nytt privat fönster</translation>
    </message>
    <message>
        <source>Reopen Closed Tab</source>
        <translation>Öppna stängd flik igen</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Läs in igen</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>Utvecklarverktyg</translation>
    </message>
    <message>
        <source>New Incognito Window</source>
        <translation>Nytt inkognitofönster</translation>
    </message>
    <message>
        <source>New Message</source>
        <translation>Nytt meddelande</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Svara</translation>
    </message>
    <message>
        <source>Reply All</source>
        <translation>Svara alla</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vidarebefordra</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Skicka</translation>
    </message>
    <message>
        <source>Mailbox Search</source>
        <translation>Sök i brevlåda</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>Ny anteckning</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Checklista</translation>
    </message>
    <message>
        <source>Attach File</source>
        <translation>Bifoga fil</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>Emoji &amp; Symbols</source>
        <translation>Emoji och symboler</translation>
    </message>
    <message>
        <source>New Event</source>
        <translation>Ny händelse</translation>
    </message>
    <message>
        <source>Go to Today</source>
        <translation>Gå till idag</translation>
    </message>
    <message>
        <source>Day View</source>
        <translation>Dagvy</translation>
    </message>
    <message>
        <source>Week View</source>
        <translation>Veckovy</translation>
    </message>
    <message>
        <source>Month View</source>
        <translation>Månadsvy</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>Rensa skärmen</translation>
    </message>
    <message>
        <source>Split Pane</source>
        <translation>Dela panel</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Kör</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Bygg</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppa</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testa</translation>
    </message>
    <message>
        <source>Open Quickly</source>
        <translation>Öppna snabbt</translation>
    </message>
    <message>
        <source>Show Canvas / Assistant</source>
        <translation>Visa canvas / assistent</translation>
    </message>
    <message>
        <source>Quick Open</source>
        <translation>Snabböppna</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>Kommandopalett</translation>
    </message>
    <message>
        <source>Toggle Terminal</source>
        <translation>Visa/dölj terminal</translation>
    </message>
    <message>
        <source>Toggle Sidebar</source>
        <translation>Visa/dölj sidofält</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Ny fil</translation>
    </message>
    <message>
        <source>Quick Switcher</source>
        <translation>Snabbväxlare</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Trådar</translation>
    </message>
    <message>
        <source>Mentions &amp; Reactions</source>
        <translation>Omnämnanden och reaktioner</translation>
    </message>
    <message>
        <source>Toggle Mute</source>
        <translation>Slå av/på ljud</translation>
    </message>
    <message>
        <source>Toggle Deafen</source>
        <translation>Döva/avdöva</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>Inkorg</translation>
    </message>
    <message>
        <source>Emoji Picker</source>
        <translation>Emojiväljare</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Verklig storlek</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zooma in</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zooma ut</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Bildspel</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Rotera åt vänster</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Spela/Paus</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Nästa spår</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Föregående spår</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Blanda</translation>
    </message>
    <message>
        <source>Show Queue</source>
        <translation>Visa kö</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importera</translation>
    </message>
    <message>
        <source>New Album</source>
        <translation>Nytt album</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favorit</translation>
    </message>
    <message>
        <source>Mute Audio</source>
        <translation>Stäng av ljud</translation>
    </message>
    <message>
        <source>Start Video</source>
        <translation>Starta video</translation>
    </message>
    <message>
        <source>Share Screen</source>
        <translation>Dela skärm</translation>
    </message>
    <message>
        <source>Show Chat</source>
        <translation>Visa chatt</translation>
    </message>
    <message>
        <source>Show Participants</source>
        <translation>Visa deltagare</translation>
    </message>
    <message>
        <source>New Page</source>
        <translation>Ny sida</translation>
    </message>
    <message>
        <source>Add Comment</source>
        <translation>Lägg till kommentar</translation>
    </message>
    <message>
        <source>To-do List</source>
        <translation>Att göra-lista</translation>
    </message>
    <message>
        <source>Frame Tool</source>
        <translation>Ramverktyg</translation>
    </message>
    <message>
        <source>Move Tool</source>
        <translation>Flyttverktyg</translation>
    </message>
    <message>
        <source>Text Tool</source>
        <translation>Textverktyg</translation>
    </message>
    <message>
        <source>Pen Tool</source>
        <translation>Pennverktyg</translation>
    </message>
    <message>
        <source>Group Selection</source>
        <translation>Gruppera markering</translation>
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
        <translation>Exportera som PDF</translation>
    </message>
    <message>
        <source>New Spreadsheet</source>
        <translation>Nytt kalkylblad</translation>
    </message>
    <message>
        <source>Add Row Above</source>
        <translation>Lägg till rad ovanför</translation>
    </message>
    <message>
        <source>Insert Chart</source>
        <translation>Infoga diagram</translation>
    </message>
    <message>
        <source>New Presentation</source>
        <translation>Ny presentation</translation>
    </message>
    <message>
        <source>Play Slideshow</source>
        <translation>Spela upp bildspel</translation>
    </message>
    <message>
        <source>New Slide</source>
        <translation>Ny bild</translation>
    </message>
    <message>
        <source>Presenter Display</source>
        <translation>Presentatörsskärm</translation>
    </message>
    <message>
        <source>Saved earlier</source>
        <translation>Sparad tidigare</translation>
    </message>
    <message>
        <source>No supported browser is running.</source>
        <translation>Ingen webbläsare som stöds körs.</translation>
    </message>
    <message>
        <source>Could not read %1's tabs.</source>
        <translation>Det gick inte att läsa flikarna i %1.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser's profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro kan inte läsa de öppna flikarna i %1. Kontrollera att din användare får läsa webbläsarens profilmapp i ~/.config och dess mapp Sessions.</translation>
    </message>
</context>
</TS>
