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
    <message>
        <source>Your desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Ditt skrivbord använder redan detta kortkommando för %1. Det kanske inte når Kelvaro.</translation>
    </message>
    <message>
        <source>switching windows</source>
        <translation>att växla fönster</translation>
    </message>
    <message>
        <source>switching windows backwards</source>
        <translation>att växla fönster bakåt</translation>
    </message>
    <message>
        <source>closing the window</source>
        <translation>att stänga fönstret</translation>
    </message>
    <message>
        <source>running a command</source>
        <translation>att köra ett kommando</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>att låsa skärmen</translation>
    </message>
    <message>
        <source>showing the desktop</source>
        <translation>att visa skrivbordet</translation>
    </message>
    <message>
        <source>opening a terminal</source>
        <translation>att öppna en terminal</translation>
    </message>
    <message>
        <source>logging out</source>
        <translation>att logga ut</translation>
    </message>
    <message>
        <source>switching to a text console</source>
        <translation>att växla till en textkonsol</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › General › Privacy.</source>
        <translation>Du kan stänga av det nu eller när som helst under Inställningar › Allmänt › Integritet.</translation>
    </message>
    <message>
        <source>Global hotkeys need an X11 session. Choose an X11 (Xorg) session on the login screen, then start Kelvaro again.</source>
        <translation>Globala snabbtangenter kräver en X11-session. Välj en X11-session (Xorg) på inloggningsskärmen och starta sedan Kelvaro igen.</translation>
    </message>
    <message>
        <source>Global Hotkeys Unavailable</source>
        <translation>Globala snabbtangenter är inte tillgängliga</translation>
    </message>
    <message>
        <source>Keyboard Access Refused</source>
        <translation>Tangentbordsåtkomst nekad</translation>
    </message>
    <message>
        <source>Accessibility Access Required</source>
        <translation>Åtkomst till hjälpmedel krävs</translation>
    </message>
    <message>
        <source>This is not an X11 session, so Kelvaro cannot watch global hotkeys or raise windows.</source>
        <translation>Det här är ingen X11-session, så Kelvaro kan inte bevaka globala snabbtangenter eller ta fram fönster.</translation>
    </message>
    <message>
        <source>The X server did not let Kelvaro watch the keyboard, so hotkeys cannot open the rings.</source>
        <translation>X-servern lät inte Kelvaro bevaka tangentbordet, så snabbtangenterna kan inte öppna ringarna.</translation>
    </message>
    <message>
        <source>The accessibility bus is off. Kelvaro needs it to read windows, menus and text fields.</source>
        <translation>Hjälpmedelsbussen är avstängd. Kelvaro behöver den för att läsa fönster, menyer och textfält.</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Slå på</translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>Varför?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Försök igen</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Liten</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Stor</translation>
    </message>
    <message>
        <source>Relaxed</source>
        <translation>Lugn</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Brisk</source>
        <translation>Snabb</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Öppna vid inloggning</translation>
    </message>
    <message>
        <source>Start Kelvaro automatically when you sign in.</source>
        <translation>Starta Kelvaro automatiskt när du loggar in.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Uppstart</translation>
    </message>
    <message>
        <source>Send anonymous usage data</source>
        <translation>Skicka anonym användningsdata</translation>
    </message>
    <message>
        <source>Launches, rings opened, and how many tabs a capture found. Never window titles, URLs, file paths or anything you type.</source>
        <translation>Starter, öppnade ringar och hur många flikar en sparning hittade. Aldrig fönsterrubriker, URL:er, filsökvägar eller något du skriver.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Integritet</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Beteende</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Aktivering</translation>
    </message>
    <message>
        <source>Open the ring</source>
        <translation>Öppna ringen</translation>
    </message>
    <message>
        <source>Follow the pointer across displays</source>
        <translation>Följ pekaren mellan skärmar</translation>
    </message>
    <message>
        <source>Otherwise the ring always opens on the main display.</source>
        <translation>Annars öppnas ringen alltid på huvudskärmen.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Utseende</translation>
    </message>
    <message>
        <source>Ring size</source>
        <translation>Ringstorlek</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>Animationshastighet</translation>
    </message>
    <message>
        <source>Tilt the centre icon with the pointer</source>
        <translation>Luta mittikonen med pekaren</translation>
    </message>
    <message>
        <source>Adds a subtle parallax to the selected app&apos;s icon.</source>
        <translation>Ger den markerade appens ikon en subtil parallaxeffekt.</translation>
    </message>
    <message>
        <source>Reduce Motion is on in the desktop&apos;s settings, so animations stay minimal.</source>
        <translation>Minska rörelse är påslaget i skrivbordets inställningar, så animationerna hålls till ett minimum.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Sök efter uppdateringar automatiskt</translation>
    </message>
    <message>
        <source>Once a day, in the background.</source>
        <translation>En gång om dagen, i bakgrunden.</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Sök nu</translation>
    </message>
    <message>
        <source>Kelvaro %1 is available</source>
        <translation>Kelvaro %1 finns tillgänglig</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Uppdaterad</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt or Super.</source>
        <translation>Lägg till Ctrl, Alt eller Super.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Kortkommando</translation>
    </message>
    <message>
        <source>Activate to record a new shortcut. Press Escape to cancel, Delete to clear.</source>
        <translation>Aktivera för att spela in ett nytt kortkommando. Tryck på Escape för att avbryta och Delete för att rensa.</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Rensa kortkommando</translation>
    </message>
    <message>
        <source>Tap a key to finish · Esc to cancel</source>
        <translation>Tryck på en tangent för att slutföra · Esc för att avbryta</translation>
    </message>
    <message>
        <source>Hold modifiers, then tap a key · Esc to cancel</source>
        <translation>Håll ned modifierare och tryck sedan på en tangent · Esc för att avbryta</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Spelar in</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Inget</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Ingen åtgärd</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>Flytta upp %1</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>Flytta ned %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Redigera %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Ta bort %1</translation>
    </message>
    <message>
        <source>Hold to keep the wheel open</source>
        <translation>Håll ned för att hålla ringen öppen</translation>
    </message>
    <message>
        <source>None selected — the wheel stays open until you click or press Escape.</source>
        <translation>Inget valt — ringen förblir öppen tills du klickar eller trycker på Escape.</translation>
    </message>
    <message>
        <source>Keep %1 held while you aim. Release it and the wheel chooses whatever is highlighted.</source>
        <translation>Håll ned %1 medan du siktar. Släpp, så väljer ringen det som är markerat.</translation>
    </message>
    <message>
        <source>Key Binding</source>
        <translation>Tangentbindning</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>Tryck på kortkommando</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>skift</translation>
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
        <translation>mellanslag</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tabb</translation>
    </message>
    <message>
        <source>return</source>
        <translation>retur</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>backsteg</translation>
    </message>
    <message>
        <source>esc</source>
        <translation>esc</translation>
    </message>
    <message>
        <source>Match the system language</source>
        <translation>Använd systemets språk</translation>
    </message>
    <message>
        <source>The rest of this guide uses your choice.</source>
        <translation>Resten av guiden använder ditt val.</translation>
    </message>
    <message>
        <source>The interface updates right away.</source>
        <translation>Gränssnittet uppdateras direkt.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Starta om nu</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>Switcher</source>
        <translation>Växlare</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Kortkommandon</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>Startare</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Flikar</translation>
    </message>
    <message>
        <source>No passwords yet</source>
        <translation>Inga lösenord än</translation>
    </message>
    <message>
        <source>No shortcuts yet</source>
        <translation>Inga kortkommandon än</translation>
    </message>
    <message>
        <source>Select an app</source>
        <translation>Välj en app</translation>
    </message>
    <message>
        <source>Ring preview</source>
        <translation>Förhandsvisning av ringen</translation>
    </message>
    <message>
        <source>No shortcut assigned</source>
        <translation>Inget kortkommando tilldelat</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Kortkommando: %1</translation>
    </message>
    <message>
        <source>This page is not available in this version yet.</source>
        <translation>Den här sidan är inte tillgänglig i den här versionen än.</translation>
    </message>
    <message>
        <source>Kelvaro wants to unlock your saved passwords</source>
        <translation>Kelvaro vill låsa upp dina sparade lösenord</translation>
    </message>
    <message>
        <source>Unlock Saved Passwords</source>
        <translation>Lås upp sparade lösenord</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Lösenord</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Lås upp</translation>
    </message>
    <message>
        <source>Some of your settings could not be read. The settings file as it was is kept as %1.</source>
        <translation>Några av dina inställningar kunde inte läsas. Inställningsfilen har sparats som den var under namnet %1.</translation>
    </message>
    <message>
        <source>Your settings file could not be read, so Kelvaro started with default settings. The file is kept as %1.</source>
        <translation>Din inställningsfil kunde inte läsas, så Kelvaro startade med standardinställningarna. Filen har sparats som %1.</translation>
    </message>
    <message>
        <source>Your settings file %1 could not be read, so Kelvaro started with default settings.</source>
        <translation>Din inställningsfil %1 kunde inte läsas, så Kelvaro startade med standardinställningarna.</translation>
    </message>
    <message>
        <source>Your settings cannot be saved to %1 (%2). Changes are kept until Kelvaro quits.</source>
        <translation>Dina inställningar kan inte sparas i %1 (%2). Ändringarna behålls tills Kelvaro avslutas.</translation>
    </message>
    <message>
        <source>Choose an icon</source>
        <translation>Välj en ikon</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Redigera konto</translation>
    </message>
    <message>
        <source>Add Account</source>
        <translation>Lägg till konto</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Ikon</translation>
    </message>
    <message>
        <source>Work mail</source>
        <translation>Jobbmejl</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Email / Account</source>
        <translation>E-post / konto</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Add passwords for this account from the list after saving.</source>
        <translation>Lägg till lösenord för det här kontot från listan när du har sparat.</translation>
    </message>
    <message>
        <source>Add Another Password</source>
        <translation>Lägg till ytterligare ett lösenord</translation>
    </message>
    <message>
        <source>Each password is saved under this account. Several passwords open an arc on the ring.</source>
        <translation>Varje lösenord sparas under det här kontot. Flera lösenord öppnar en båge på ringen.</translation>
    </message>
    <message>
        <source>Shown in the arc when this account has more than one password.</source>
        <translation>Visas i bågen när det här kontot har mer än ett lösenord.</translation>
    </message>
    <message>
        <source>Edit Password</source>
        <translation>Redigera lösenord</translation>
    </message>
    <message>
        <source>Add Password</source>
        <translation>Lägg till lösenord</translation>
    </message>
    <message>
        <source>Add Passwords</source>
        <translation>Lägg till lösenord</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Passwords</source>
        <translation>
            <numerusform>Lägg till %n lösenord</numerusform>
            <numerusform>Lägg till %n lösenord</numerusform>
        </translation>
    </message>
    <message>
        <source>Hide the password</source>
        <translation>Dölj lösenordet</translation>
    </message>
    <message>
        <source>Show the password</source>
        <translation>Visa lösenordet</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etikett</translation>
    </message>
    <message>
        <source>Remove this password</source>
        <translation>Ta bort det här lösenordet</translation>
    </message>
    <message>
        <source>Hint (optional)</source>
        <translation>Ledtråd (valfritt)</translation>
    </message>
    <message>
        <source>ends 4471</source>
        <translation>slutar på 4471</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Ledtråd</translation>
    </message>
    <message>
        <source>Your desktop keyring did not store the password “%1”, so it was not saved. Unlock the keyring and try again.</source>
        <translation>Skrivbordets nyckelring lagrade inte lösenordet ”%1”, så det sparades inte. Lås upp nyckelringen och försök igen.</translation>
    </message>
    <message>
        <source>Accounts &amp; Passwords</source>
        <translation>Konton och lösenord</translation>
    </message>
    <message>
        <source>Stored in your desktop keyring (Secret Service), readable only while your session is unlocked. Choosing one fills the focused text field when you can type, otherwise copies to the clipboard (cleared after 45 seconds). An account with more than one password shows them in an arc beside its wedge.</source>
        <translation>Lagras i skrivbordets nyckelring (Secret Service) och kan bara läsas medan din session är upplåst. När du väljer ett lösenord fylls det i det fokuserade textfältet om du kan skriva där, annars kopieras det till urklipp (rensas efter 45 sekunder). Ett konto med mer än ett lösenord visar dem i en båge bredvid sin sektor.</translation>
    </message>
    <message>
        <source>1 password</source>
        <translation>1 lösenord</translation>
    </message>
    <message numerus="yes">
        <source>%n passwords</source>
        <translation>
            <numerusform>%n lösenord</numerusform>
            <numerusform>%n lösenord</numerusform>
        </translation>
    </message>
    <message>
        <source>No accounts yet</source>
        <translation>Inga konton än</translation>
    </message>
    <message>
        <source>Edit this account</source>
        <translation>Redigera det här kontot</translation>
    </message>
    <message>
        <source>Delete this account</source>
        <translation>Ta bort det här kontot</translation>
    </message>
    <message>
        <source>Add an account, then add passwords under it.</source>
        <translation>Lägg till ett konto och lägg sedan till lösenord under det.</translation>
    </message>
    <message>
        <source>No passwords for this account yet.</source>
        <translation>Inga lösenord för det här kontot än.</translation>
    </message>
    <message>
        <source>Add the passwords that belong to this email.</source>
        <translation>Lägg till lösenorden som hör till den här e-postadressen.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Flytta upp</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Flytta ned</translation>
    </message>
    <message>
        <source>Edit this password</source>
        <translation>Redigera det här lösenordet</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Ta bort %1</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Konton</translation>
    </message>
    <message>
        <source>Delete the account “%1”?</source>
        <translation>Vill du ta bort kontot ”%1”?</translation>
    </message>
    <message numerus="yes">
        <source>Its %n password(s) will be removed from your desktop keyring.</source>
        <translation>
            <numerusform>Kontots %n lösenord tas bort från skrivbordets nyckelring.</numerusform>
            <numerusform>Kontots %n lösenord tas bort från skrivbordets nyckelring.</numerusform>
        </translation>
    </message>
    <message>
        <source>No shortcut assigned — this launcher can&apos;t be opened from the keyboard.</source>
        <translation>Inget kortkommando tilldelat — den här startaren kan inte öppnas från tangentbordet.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from your browsers.</source>
        <translation>Öppnar flikarna du har sparat från dina webbläsare.</translation>
    </message>
    <message>
        <source>Search Icon</source>
        <translation>Sök ikon</translation>
    </message>
    <message>
        <source>Icon Name</source>
        <translation>Ikonnamn</translation>
    </message>
    <message>
        <source>Upload PNG…</source>
        <translation>Ladda upp PNG …</translation>
    </message>
    <message>
        <source>Use your own image, up to 1 MB</source>
        <translation>Använd en egen bild, upp till 1 MB</translation>
    </message>
    <message>
        <source>Pick Icon</source>
        <translation>Välj ikon</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>Inga resultat för ”%1”</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-bilder (*.png)</translation>
    </message>
    <message>
        <source>Could not add icon</source>
        <translation>Det gick inte att lägga till ikonen</translation>
    </message>
    <message>
        <source>Keystroke</source>
        <translation>Tangenttryckning</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Länk</translation>
    </message>
    <message>
        <source>Sent to the app in front, as if you pressed it yourself.</source>
        <translation>Skickas till appen i förgrunden, som om du tryckte själv.</translation>
    </message>
    <message>
        <source>Copied to the clipboard, ready to paste.</source>
        <translation>Kopieras till urklipp, redo att klistras in.</translation>
    </message>
    <message>
        <source>Opened in your default browser.</source>
        <translation>Öppnas i din standardwebbläsare.</translation>
    </message>
    <message>
        <source>Edit Shortcut</source>
        <translation>Redigera kortkommando</translation>
    </message>
    <message>
        <source>New Shortcut</source>
        <translation>Nytt kortkommando</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>för %1</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Åtgärd</translation>
    </message>
    <message>
        <source>Keystroke to send</source>
        <translation>Tangenttryckning att skicka</translation>
    </message>
    <message>
        <source>Add Shortcut</source>
        <translation>Lägg till kortkommando</translation>
    </message>
    <message>
        <source>Give the shortcut a name.</source>
        <translation>Ge kortkommandot ett namn.</translation>
    </message>
    <message>
        <source>Record the keystroke to send.</source>
        <translation>Spela in tangenttryckningen som ska skickas.</translation>
    </message>
    <message>
        <source>Enter the text to copy.</source>
        <translation>Ange texten som ska kopieras.</translation>
    </message>
    <message>
        <source>Enter a link to open.</source>
        <translation>Ange en länk att öppna.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like a valid link.</source>
        <translation>Det ser inte ut som en giltig länk.</translation>
    </message>
    <message>
        <source>Suggested shortcuts for %1</source>
        <translation>Föreslagna kortkommandon för %1</translation>
    </message>
    <message>
        <source>Pick the ones you want on the ring. You can edit them later.</source>
        <translation>Välj de du vill ha på ringen. Du kan redigera dem senare.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Hoppa över</translation>
    </message>
    <message>
        <source>Add 1 Shortcut</source>
        <translation>Lägg till 1 kortkommando</translation>
    </message>
    <message>
        <source>Add Shortcuts</source>
        <translation>Lägg till kortkommandon</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Shortcuts</source>
        <translation>
            <numerusform>Lägg till %n kortkommando</numerusform>
            <numerusform>Lägg till %n kortkommandon</numerusform>
        </translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Avmarkera alla</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markera alla</translation>
    </message>
    <message numerus="yes">
        <source>Found %n shortcuts in the menus.</source>
        <translation>
            <numerusform>Hittade %n kortkommando i menyerna.</numerusform>
            <numerusform>Hittade %n kortkommandon i menyerna.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open the app first, then import again.</source>
        <translation>Öppna appen först och importera sedan igen.</translation>
    </message>
    <message>
        <source>Reading menus needs the desktop&apos;s accessibility bus, which is off.</source>
        <translation>För att läsa menyer behövs skrivbordets hjälpmedelsbuss, som är avstängd.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read this app&apos;s menus.</source>
        <translation>Det gick inte att läsa appens menyer.</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>Föreslagna</translation>
    </message>
    <message>
        <source>From Menus</source>
        <translation>Från menyer</translation>
    </message>
    <message>
        <source>Reading menus…</source>
        <translation>Läser menyer …</translation>
    </message>
    <message>
        <source>Open App &amp; Import Menus</source>
        <translation>Öppna appen och importera menyer</translation>
    </message>
    <message>
        <source>Import from Menus</source>
        <translation>Importera från menyer</translation>
    </message>
    <message>
        <source>Pick a PNG file. Folders, links and devices cannot be used.</source>
        <translation>Välj en PNG-fil. Mappar, länkar och enheter kan inte användas.</translation>
    </message>
    <message>
        <source>Pick a PNG smaller than 1 MB.</source>
        <translation>Välj en PNG som är mindre än 1 MB.</translation>
    </message>
    <message>
        <source>Pick a PNG of at most 1024 × 1024 pixels.</source>
        <translation>Välj en PNG på högst 1024 × 1024 pixlar.</translation>
    </message>
    <message>
        <source>That file could not be read as a PNG.</source>
        <translation>Filen kunde inte läsas som PNG.</translation>
    </message>
    <message>
        <source>The icon could not be saved: %1</source>
        <translation>Ikonen kunde inte sparas: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Det gick inte att öppna %1: %2</translation>
    </message>
    <message>
        <source>The Firefox session file %1 is too large to read.</source>
        <translation>Firefox-sessionsfilen %1 är för stor för att läsas.</translation>
    </message>
    <message>
        <source>Could not read the Firefox session file %1: %2.</source>
        <translation>Det gick inte att läsa Firefox-sessionsfilen %1: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read its profile folder in ~/.mozilla/firefox.</source>
        <translation>Kelvaro kan inte läsa de öppna flikarna i %1. Kontrollera att din användare får läsa dess profilmapp i ~/.mozilla/firefox.</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs.</source>
        <translation>
            <numerusform>Sparade %n flik.</numerusform>
            <numerusform>Sparade %n flikar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs from %1.</source>
        <translation>
            <numerusform>Sparade %n flik från %1.</numerusform>
            <numerusform>Sparade %n flikar från %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 från %2</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs — %1.</source>
        <translation>
            <numerusform>Sparade %n flik — %1.</numerusform>
            <numerusform>Sparade %n flikar — %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier capture kept.</source>
        <translation>1 tidigare sparning behålls.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier captures kept.</source>
        <translation>
            <numerusform>%n tidigare sparning behålls.</numerusform>
            <numerusform>%n tidigare sparningar behålls.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 tab</source>
        <translation>1 flik</translation>
    </message>
    <message numerus="yes">
        <source>%n tabs</source>
        <translation>
            <numerusform>%n flik</numerusform>
            <numerusform>%n flikar</numerusform>
        </translation>
    </message>
    <message>
        <source>Browsers &amp; Tabs</source>
        <translation>Webbläsare och flikar</translation>
    </message>
    <message>
        <source>Reads every tab open in Chrome, Brave, Edge, Vivaldi, Opera, Chromium and Firefox from the session files in their profile folders, and keeps them here so you can reopen them after the browser is closed. Each capture is kept as its own session; the ring shows the chosen one, ten tabs at a time.</source>
        <translation>Läser alla flikar som är öppna i Chrome, Brave, Edge, Vivaldi, Opera, Chromium och Firefox från sessionsfilerna i deras profilmappar och sparar dem här så att du kan öppna dem igen när webbläsaren har stängts. Varje sparning behålls som en egen session; ringen visar den valda, tio flikar åt gången.</translation>
    </message>
    <message>
        <source>Nothing captured yet</source>
        <translation>Inget sparat än</translation>
    </message>
    <message>
        <source>Capturing…</source>
        <translation>Sparar …</translation>
    </message>
    <message>
        <source>Capture Tabs</source>
        <translation>Spara flikar</translation>
    </message>
    <message>
        <source>Rename this capture</source>
        <translation>Byt namn på den här sparningen</translation>
    </message>
    <message>
        <source>Delete this capture</source>
        <translation>Ta bort den här sparningen</translation>
    </message>
    <message>
        <source>No tabs captured yet.</source>
        <translation>Inga flikar sparade än.</translation>
    </message>
    <message>
        <source>Open a browser and capture what it has open.</source>
        <translation>Öppna en webbläsare och spara det den har öppet.</translation>
    </message>
    <message>
        <source>No open tabs to capture.</source>
        <translation>Inga öppna flikar att spara.</translation>
    </message>
    <message>
        <source>Rename Capture</source>
        <translation>Byt namn på sparning</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Byt namn</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Sparningar</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Lägg till app</translation>
    </message>
    <message>
        <source>1 app</source>
        <translation>1 app</translation>
    </message>
    <message numerus="yes">
        <source>%n apps</source>
        <translation>
            <numerusform>%n app</numerusform>
            <numerusform>%n appar</numerusform>
        </translation>
    </message>
    <message>
        <source>No apps added yet.</source>
        <translation>Inga appar tillagda än.</translation>
    </message>
    <message>
        <source>Choose apps this launcher should show in the ring.</source>
        <translation>Välj vilka appar den här startaren ska visa i ringen.</translation>
    </message>
    <message>
        <source>Launchers &amp; Apps</source>
        <translation>Startare och appar</translation>
    </message>
    <message>
        <source>New Launcher</source>
        <translation>Ny startare</translation>
    </message>
    <message>
        <source>Rename Launcher</source>
        <translation>Byt namn på startare</translation>
    </message>
    <message>
        <source>Opens this launcher.</source>
        <translation>Öppnar den här startaren.</translation>
    </message>
    <message>
        <source>No launchers yet</source>
        <translation>Inga startare än</translation>
    </message>
    <message>
        <source>Add Launcher</source>
        <translation>Lägg till startare</translation>
    </message>
    <message>
        <source>Rename this launcher</source>
        <translation>Byt namn på den här startaren</translation>
    </message>
    <message>
        <source>Delete this launcher</source>
        <translation>Ta bort den här startaren</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>Startare</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Föreslå</translation>
    </message>
    <message>
        <source>Apps &amp; Shortcuts</source>
        <translation>Appar och kortkommandon</translation>
    </message>
    <message>
        <source>1 shortcut</source>
        <translation>1 kortkommando</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts</source>
        <translation>
            <numerusform>%n kortkommando</numerusform>
            <numerusform>%n kortkommandon</numerusform>
        </translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Välj app</translation>
    </message>
    <message>
        <source>Choose an application to add shortcuts for</source>
        <translation>Välj ett program att lägga till kortkommandon för</translation>
    </message>
    <message>
        <source>No apps added yet</source>
        <translation>Inga appar tillagda än</translation>
    </message>
    <message>
        <source>Remove this app</source>
        <translation>Ta bort den här appen</translation>
    </message>
    <message>
        <source>Add suggested shortcuts for this app</source>
        <translation>Lägg till föreslagna kortkommandon för den här appen</translation>
    </message>
    <message>
        <source>Add keyboard shortcuts, text snippets or links for %1.</source>
        <translation>Lägg till kortkommandon, textavsnitt eller länkar för %1.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Kelvaro is Now Running</source>
        <translation>Kelvaro körs nu</translation>
    </message>
    <message>
        <source>The two rings</source>
        <translation>De två ringarna</translation>
    </message>
    <message>
        <source>Hold its shortcut, aim at an app with the pointer, let go. The ring opens around your pointer or in the middle of the display — your choice, under Settings › General.</source>
        <translation>Håll ned kortkommandot, sikta på en app med pekaren och släpp. Ringen öppnas runt pekaren eller mitt på skärmen — du väljer under Inställningar › Allmänt.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for whichever app is in front, so you can drive that app by its own keyboard shortcuts without remembering them.</source>
        <translation>Öppnar kortkommandona du sparat för appen i förgrunden, så att du kan styra appen med dess egna kortkommandon utan att behöva komma ihåg dem.</translation>
    </message>
    <message>
        <source>Choosing between windows</source>
        <translation>Välja mellan fönster</translation>
    </message>
    <message>
        <source>The window arc</source>
        <translation>Fönsterbågen</translation>
    </message>
    <message>
        <source>When the highlighted app has more than one window, a quarter-arc appears beside it listing them. Keep moving outward onto the arc to pick a window instead of just the app.</source>
        <translation>När den markerade appen har mer än ett fönster visas en kvartsbåge bredvid den med fönstren. Fortsätt utåt på bågen för att välja ett fönster i stället för bara appen.</translation>
    </message>
    <message>
        <source>The arc never appears</source>
        <translation>Bågen visas aldrig</translation>
    </message>
    <message>
        <source>It only appears for an app with more than one window: an app with a single window has nothing to choose between, so the arc stays hidden.</source>
        <translation>Den visas bara för appar med mer än ett fönster: en app med ett enda fönster har inget att välja mellan, så bågen förblir dold.</translation>
    </message>
    <message>
        <source>Changing a binding</source>
        <translation>Ändra en tangentbindning</translation>
    </message>
    <message>
        <source>Settings › Switcher or Shortcuts, then click the recorder and press the combination you want. Add Ctrl, Alt or Super so it can&apos;t fire while you&apos;re typing.</source>
        <translation>Inställningar › Växlare eller Kortkommandon, klicka sedan på inspelningsfältet och tryck på den kombination du vill ha. Lägg till Ctrl, Alt eller Super så att den inte kan utlösas medan du skriver.</translation>
    </message>
    <message>
        <source>Hold versus toggle</source>
        <translation>Hålla ned eller växla</translation>
    </message>
    <message>
        <source>By default the ring stays open while you hold the shortcut&apos;s modifiers and commits when you let go. Settings › General can switch it to stay open until you press again or click.</source>
        <translation>Som standard förblir ringen öppen medan du håller ned kortkommandots modifierare, och valet bekräftas när du släpper. Under Inställningar › Allmänt kan du ändra så att den förblir öppen tills du trycker igen eller klickar.</translation>
    </message>
    <message>
        <source>If nothing happens</source>
        <translation>Om ingenting händer</translation>
    </message>
    <message>
        <source>Desktop access</source>
        <translation>Skrivbordsåtkomst</translation>
    </message>
    <message>
        <source>Global shortcuts need an X11 session, and reading menus or typing passwords needs the accessibility bus. Settings shows a banner whenever something is missing, with a button that turns the accessibility bus on.</source>
        <translation>Globala kortkommandon kräver en X11-session, och för att läsa menyer eller skriva lösenord behövs hjälpmedelsbussen. Inställningar visar en banderoll när något saknas, med en knapp som slår på hjälpmedelsbussen.</translation>
    </message>
    <message>
        <source>Finding the app</source>
        <translation>Hitta appen</translation>
    </message>
    <message>
        <source>Kelvaro has no window of its own on purpose. It lives in the tray; closing a window doesn&apos;t quit it.</source>
        <translation>Kelvaro har avsiktligt inget eget fönster. Det finns i systembrickan; att stänga ett fönster avslutar inte Kelvaro.</translation>
    </message>
    <message>
        <source>Starting over</source>
        <translation>Börja om</translation>
    </message>
    <message>
        <source>Starting Kelvaro again while it runs opens its settings, or the walkthrough while that is unfinished.</source>
        <translation>Om du startar Kelvaro igen medan det körs öppnas inställningarna, eller guiden om den inte är slutförd.</translation>
    </message>
    <message>
        <source>This is the cause of most &quot;nothing happens&quot; reports.</source>
        <translation>Det här är orsaken till de flesta rapporter om att ”ingenting händer”.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer.</source>
        <translation>Alla appar du har öppna, i en ring runt pekaren.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Kontakta support</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>Supportsida</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Integritetspolicy</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Användarvillkor</translation>
    </message>
    <message>
        <source>Kelvaro %1</source>
        <translation>Kelvaro %1</translation>
    </message>
    <message>
        <source>Your apps, shortcuts and passwords stay on this computer.</source>
        <translation>Dina appar, kortkommandon och lösenord stannar på den här datorn.</translation>
    </message>
    <message>
        <source>Show this message on app launch</source>
        <translation>Visa det här meddelandet vid start</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Inställningar …</translation>
    </message>
    <message>
        <source>Press %1 to open the ring</source>
        <translation>Tryck på %1 för att öppna ringen</translation>
    </message>
    <message>
        <source>No shortcut is assigned yet. Open Settings to choose one.</source>
        <translation>Inget kortkommando har tilldelats än. Öppna Inställningar för att välja ett.</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>X11-session</translation>
    </message>
    <message>
        <source>Global keys</source>
        <translation>Globala tangenter</translation>
    </message>
    <message>
        <source>Accessibility bus</source>
        <translation>Hjälpmedelsbuss</translation>
    </message>
    <message>
        <source>Start Using Kelvaro</source>
        <translation>Börja använda Kelvaro</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsätt</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Välj ditt språk</translation>
    </message>
    <message>
        <source>Kelvaro speaks 17 languages. Pick one, or let it follow your system.</source>
        <translation>Kelvaro talar 17 språk. Välj ett, eller låt Kelvaro följa systemet.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer. One keystroke away.</source>
        <translation>Alla appar du har öppna, i en ring runt pekaren. Ett tangenttryck bort.</translation>
    </message>
    <message>
        <source>Notices the one shortcut you choose</source>
        <translation>Lägger bara märke till det kortkommando du väljer</translation>
    </message>
    <message>
        <source>Switches apps and sends shortcuts you set up</source>
        <translation>Växlar appar och skickar kortkommandon du ställer in</translation>
    </message>
    <message>
        <source>Never reads what you type</source>
        <translation>Läser aldrig det du skriver</translation>
    </message>
    <message>
        <source>Sends nothing it sees here — that stays on this computer</source>
        <translation>Skickar inget av det som syns här — det stannar på den här datorn</translation>
    </message>
    <message>
        <source>Needs an X11 Session</source>
        <translation>Kräver en X11-session</translation>
    </message>
    <message>
        <source>Turn On the Accessibility Bus</source>
        <translation>Slå på hjälpmedelsbussen</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Allt är klart</translation>
    </message>
    <message>
        <source>Let Kelvaro see your shortcut</source>
        <translation>Låt Kelvaro se ditt kortkommando</translation>
    </message>
    <message>
        <source>Global keys work and the accessibility bus is on. Nothing else to set up.</source>
        <translation>Globala tangenter fungerar och hjälpmedelsbussen är på. Inget mer att ställa in.</translation>
    </message>
    <message>
        <source>Linux needs two things for this: an X11 session for the global keys, and the accessibility bus for reading menus and typing passwords.</source>
        <translation>Linux behöver två saker för detta: en X11-session för de globala tangenterna och hjälpmedelsbussen för att läsa menyer och skriva lösenord.</translation>
    </message>
    <message>
        <source>No shortcut set</source>
        <translation>Inget kortkommando angivet</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Spela in</translation>
    </message>
    <message>
        <source>Record a different shortcut</source>
        <translation>Spela in ett annat kortkommando</translation>
    </message>
    <message>
        <source>Use the default instead</source>
        <translation>Använd standardkortkommandot i stället</translation>
    </message>
    <message>
        <source>Hold it — the ring opens.</source>
        <translation>Håll ned det — ringen öppnas.</translation>
    </message>
    <message>
        <source>Point at the app you want.</source>
        <translation>Peka på appen du vill ha.</translation>
    </message>
    <message>
        <source>Let go — Kelvaro switches to it.</source>
        <translation>Släpp — Kelvaro växlar till den.</translation>
    </message>
    <message>
        <source>Your shortcut</source>
        <translation>Ditt kortkommando</translation>
    </message>
    <message>
        <source>This is what opens the ring. Keep it, or record your own.</source>
        <translation>Det är detta som öppnar ringen. Behåll det eller spela in ett eget.</translation>
    </message>
    <message>
        <source>Click the Kelvaro icon in the tray.</source>
        <translation>Klicka på Kelvaro-ikonen i systembrickan.</translation>
    </message>
    <message>
        <source>Settings — add apps, edit shortcuts, change keys.</source>
        <translation>Inställningar — lägg till appar, redigera kortkommandon, byt tangenter.</translation>
    </message>
    <message>
        <source>Kelvaro lives in the tray</source>
        <translation>Kelvaro finns i systembrickan</translation>
    </message>
    <message>
        <source>It has no window of its own on purpose. Close a window and it keeps running — everything stays one click away in the tray.</source>
        <translation>Det har avsiktligt inget eget fönster. Stäng ett fönster så fortsätter det att köras — allt finns ett klick bort i systembrickan.</translation>
    </message>
    <message>
        <source>Your settings file was damaged after Kelvaro read it. The damaged file is kept as %1, and your settings were saved again.</source>
        <translation>Din inställningsfil skadades efter att Kelvaro hade läst den. Den skadade filen har sparats som %1, och dina inställningar sparades på nytt.</translation>
    </message>
    <message>
        <source>A change to your settings was not made: it would have made the settings file %1 too large to read back.</source>
        <translation>En ändring av dina inställningar gjordes inte: den skulle ha gjort inställningsfilen %1 för stor för att läsas in igen.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: their addresses are longer than %1 characters.</source>
        <translation>
            <numerusform>%Ln flik utelämnades: dess adress är längre än %1 tecken.</numerusform>
            <numerusform>%Ln flikar utelämnades: deras adresser är längre än %1 tecken.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: a capture keeps at most %1 tabs.</source>
        <translation>
            <numerusform>%Ln flik utelämnades: en sparning rymmer högst %1 flikar.</numerusform>
            <numerusform>%Ln flikar utelämnades: en sparning rymmer högst %1 flikar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: the capture would have been too large to keep.</source>
        <translation>
            <numerusform>%Ln flik utelämnades: sparningen hade blivit för stor för att behållas.</numerusform>
            <numerusform>%Ln flikar utelämnades: sparningen hade blivit för stor för att behållas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The capture was not kept: your settings file would have grown too large.</source>
        <translation>Sparningen behölls inte: din inställningsfil skulle ha blivit för stor.</translation>
    </message>
    <message>
        <source>That password was not accepted. Try again.</source>
        <translation>Lösenordet godtogs inte. Försök igen.</translation>
    </message>
    <message>
        <source>Your login password was not accepted. No saved password was released.</source>
        <translation>Ditt inloggningslösenord godtogs inte. Inget sparat lösenord lämnades ut.</translation>
    </message>
    <message>
        <source>Enter your login password to use saved passwords.</source>
        <translation>Ange ditt inloggningslösenord för att använda sparade lösenord.</translation>
    </message>
    <message numerus="yes">
        <source>The window you chose was closed or is no longer in front. Your password is on the clipboard for %n seconds.</source>
        <translation>
            <numerusform>Fönstret du valde har stängts eller ligger inte längre överst. Ditt lösenord finns i urklipp i %n sekund.</numerusform>
            <numerusform>Fönstret du valde har stängts eller ligger inte längre överst. Ditt lösenord finns i urklipp i %n sekunder.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The password did not arrive in the field. It is on the clipboard for %n seconds: paste it there yourself.</source>
        <translation>
            <numerusform>Lösenordet kom inte fram till fältet. Det finns i urklipp i %n sekund: klistra in det där själv.</numerusform>
            <numerusform>Lösenordet kom inte fram till fältet. Det finns i urklipp i %n sekunder: klistra in det där själv.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 did not take the password. It is on the clipboard for %n seconds: paste it into the field yourself.</source>
        <translation>
            <numerusform>%1 tog inte emot lösenordet. Det finns i urklipp i %n sekund: klistra in det i fältet själv.</numerusform>
            <numerusform>%1 tog inte emot lösenordet. Det finns i urklipp i %n sekunder: klistra in det i fältet själv.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No text field had the focus. Your password is on the clipboard for %n seconds: paste it.</source>
        <translation>
            <numerusform>Inget textfält hade fokus. Ditt lösenord finns i urklipp i %n sekund: klistra in det.</numerusform>
            <numerusform>Inget textfält hade fokus. Ditt lösenord finns i urklipp i %n sekunder: klistra in det.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your own icon: a PNG of at most 1 MB and 1024 × 1024 pixels.</source>
        <translation>Egen ikon: en PNG på högst 1 MB och 1024 × 1024 pixlar.</translation>
    </message>
    <message>
        <source>A name is needed.</source>
        <translation>Ett namn krävs.</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]</source>
        <translation>Användning: %1 [--help | --version]</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Visa den här hjälpen och avsluta.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Visa versionen och avsluta.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: this Wayland session has no XWayland (DISPLAY is not set).</source>
        <translation>Kelvaro behöver en X11-session: den här Wayland-sessionen saknar XWayland (DISPLAY är inte satt).</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: DISPLAY is not set.</source>
        <translation>Kelvaro behöver en X11-session: DISPLAY är inte satt.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: the display %1 cannot be opened.</source>
        <translation>Kelvaro behöver en X11-session: skärmen %1 kan inte öppnas.</translation>
    </message>
    <message>
        <source>This build of Kelvaro cannot send usage data.</source>
        <translation>Den här versionen av Kelvaro kan inte skicka användningsdata.</translation>
    </message>
    <message>
        <source>Already used by %1.</source>
        <translation>Används redan av %1.</translation>
    </message>
    <message>
        <source>Empty Bin</source>
        <translation>Töm papperskorgen</translation>
    </message>
    <message>
        <source>Toggle recording</source>
        <translation>Växla inspelning</translation>
    </message>
    <message>
        <source>Could not read the session log %1: %2.</source>
        <translation>Det gick inte att läsa sessionsloggen %1: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1: your user may not read %2.</source>
        <translation>Kelvaro kan inte läsa de öppna flikarna i %1: din användare får inte läsa %2.</translation>
    </message>
    <message>
        <source>%1 is running, but its session could not be read: %2</source>
        <translation>%1 körs, men dess session kunde inte läsas: %2</translation>
    </message>
    <message>
        <source>%1 is running, but Kelvaro found no session file in its profile folders.</source>
        <translation>%1 körs, men Kelvaro hittade ingen sessionsfil i dess profilmappar.</translation>
    </message>
    <message>
        <source>%1 is running, but its session has no open web pages.</source>
        <translation>%1 körs, men dess session har inga öppna webbsidor.</translation>
    </message>
    <message>
        <source>Your saved captures were not changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Dina sparade fångster ändrades inte: några av dem kunde inte läsas, och det finns inte plats i inställningsfilen för att spara en kopia av dem. De lämnas som de är.</translation>
    </message>
    <message>
        <source>The capture was not kept: the saved captures take all the room there is. Delete captures you no longer need, then capture again.</source>
        <translation>Sparningen behölls inte: de sparade flikarna tar upp allt utrymme som finns. Ta bort sparningar du inte längre behöver och spara sedan igen.</translation>
    </message>
    <message>
        <source>Your launchers cannot be changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Dina startare kan inte ändras: några av dem kunde inte läsas, och det finns inte plats i inställningsfilen för att spara en kopia av dem. De lämnas som de är.</translation>
    </message>
    <message>
        <source>%1: unknown option: %2</source>
        <translation>%1: okänd flagga: %2</translation>
    </message>
    <message>
        <source>This build of Kelvaro has no update feed.</source>
        <translation>Den här versionen av Kelvaro har inget uppdateringsflöde.</translation>
    </message>
</context>
</TS>
