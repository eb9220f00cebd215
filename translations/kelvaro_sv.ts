<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Visa appväxlare</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Visa kortkommandostartare</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Starta vid inloggning</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Visa meddelande vid start</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Kelvaro-hjälp</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Sök efter uppdateringar …</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Avsluta Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Kelvaro-inställningar</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Välkommen till Kelvaro</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Helskärm</translation>
    </message>
    <message>
        <source>Window %1</source>
        <translation>Fönster %1</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Kontroll</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Skift</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retur</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabb</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Mellanslag</translation>
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
        <translation>Vänsterpil</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Högerpil</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Uppåtpil</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Nedåtpil</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Application switcher</source>
        <translation>Appväxlare</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Stäng fönster</translation>
    </message>
    <message>
        <source>Hide application</source>
        <translation>Göm app</translation>
    </message>
    <message>
        <source>Minimise window</source>
        <translation>Minimera fönster</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Skärmavbild</translation>
    </message>
    <message>
        <source>Screenshot selection</source>
        <translation>Skärmavbild av markering</translation>
    </message>
    <message>
        <source>Screenshot options</source>
        <translation>Alternativ för skärmavbild</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Lås skärmen</translation>
    </message>
    <message>
        <source>Mission Control</source>
        <translation>Mission Control</translation>
    </message>
    <message>
        <source>Application windows</source>
        <translation>Appfönster</translation>
    </message>
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
        <source>Could not read %1&apos;s tabs.</source>
        <translation>Det gick inte att läsa flikarna i %1.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser&apos;s profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro kan inte läsa de öppna flikarna i %1. Kontrollera att din användare får läsa webbläsarens profilmapp i ~/.config och dess mapp Sessions.</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Lösenord</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>Lägg till app i startaren</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Välj en app att lägga till i ringen.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Programuppdatering</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>En ny version finns tillgänglig</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 är klar. Du har %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates</source>
        <translation>Det gick inte att söka efter uppdateringar</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Söker efter uppdateringar …</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Du har den senaste versionen</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 är den senaste versionen.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Ingen uppdateringskälla är inställd.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the update server.</source>
        <translation>Det gick inte att nå uppdateringsservern.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Hoppa över den här versionen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Senare</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Hämta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro skickar nu anonym användningsdata</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Tidigare versioner skickade ingenting alls. Den här rapporterar när appen startar, när en ring öppnas och hur många flikar en sparning hittade.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>Inga fönsterrubriker, inga URL:er, inga filsökvägar och inget du skriver.</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › Privacy.</source>
        <translation>Du kan stänga av det nu eller när som helst under Inställningar › Integritet.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Låt det vara på</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Stäng av</translation>
    </message>
    <message>
        <source>App Switcher</source>
        <translation>Appväxlare</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Kortkommandostartare</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Sparade lösenord</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Sparade flikar</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Öppnar ringen med appar som körs.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Öppnar kortkommandona du sparat för appen i förgrunden.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Öppnar ringen med dina sparade lösenord.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from Chrome.</source>
        <translation>Öppnar flikarna du sparat från Chrome.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Håll ned modifierare</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Håll ned modifierartangenterna för att sikta med musen och släpp för att välja.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Växla</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>Ringen förblir öppen när du släpper. Tryck på kortkommandot igen eller klicka för att välja.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>Vid pekaren</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>Ringen öppnas runt pekaren så att den alltid är inom räckhåll.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Mitt på skärmen</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>Ringen öppnas alltid mitt på skärmen.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Ljust</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Mörkt</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>Inget kortkommando tilldelat — %1 kan inte öppnas från tangentbordet.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Lägg till Ctrl, Alt eller Super så att kortkommandot inte avbryter skrivandet.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Används redan av %1. Välj en annan kombination.</translation>
    </message>
    <message>
        <source>The desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Skrivbordet använder redan detta för %1. Det kanske inte når Kelvaro.</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>Piltangenterna väljer, Retur växlar, Escape stänger.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>Inga appar</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 av %3</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, fönster %2 av %3: %4</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>Piltangenterna väljer, Retur kör kortkommandot, Escape stänger.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>Inga kortkommandon</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>Lösenord %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Sida %1 av %2</translation>
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
        <translation>Tangent %1</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backsteg</translation>
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
        <translation>Kelvaro-appväxlare</translation>
    </message>
</context>
</TS>
