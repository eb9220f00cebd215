<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sq">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Shfaq ndërruesin e aplikacioneve</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Shfaq nisësin e shkurtoreve</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Nis në hyrje</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Shfaq mesazh gjatë nisjes</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Cilësimet</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Ndihmë për Kelvaro</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Kontrollo për përditësime…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Dil nga Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Cilësimet e Kelvaro</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Mirë se vini në Kelvaro</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Ekran i plotë</translation>
    </message>
    <message>
        <source>Window %1</source>
        <translation>Dritarja %1</translation>
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
        <translation>Hapësirë</translation>
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
        <translation>Fillimi</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fundi</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Faqe lart</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Faqe poshtë</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Shigjeta majtas</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Shigjeta djathtas</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Shigjeta lart</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Shigjeta poshtë</translation>
    </message>
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
        <source>Could not read %1&apos;s tabs.</source>
        <translation>Skedat e %1 nuk u lexuan dot.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser&apos;s profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro nuk mund të lexojë skedat e hapura të %1. Kontrollo që përdoruesi yt mund të lexojë dosjen e profilit të shfletuesit në ~/.config dhe dosjen e saj Sessions.</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Fjalëkalimet</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>Shto aplikacion te nisësi</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Zgjidh një aplikacion për ta shtuar te unaza.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Shto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulo</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Përditësim programi</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>Ka një version të ri</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 është gati. Ju keni %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates</source>
        <translation>Përditësimet nuk u kontrolluan dot</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Po kontrollohen përditësimet…</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Jeni të përditësuar</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 është versioni më i ri.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>Nuk është caktuar asnjë burim përditësimesh.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the update server.</source>
        <translation>Shërbyesi i përditësimeve nuk u arrit.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Kapërceje këtë version</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Më vonë</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Shkarkoje</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro tani dërgon të dhëna anonime përdorimi</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Versionet e mëparshme nuk dërgonin asgjë. Ky raporton kur niset aplikacioni, kur hapet një unazë dhe sa skeda gjeti një ruajtje.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>Asnjë titull dritareje, asnjë URL, asnjë shteg skedari dhe asgjë nga ato që shtypni.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Mbaje aktiv</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Çaktivizoje</translation>
    </message>
    <message>
        <source>App Switcher</source>
        <translation>Ndërruesi i aplikacioneve</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Nisësi i shkurtoreve</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Fjalëkalimet e ruajtura</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Skedat e ruajtura</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Hap unazën e aplikacioneve që po punojnë.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Hap shkurtoret që ruajtët për aplikacionin në plan të parë.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Hap unazën e fjalëkalimeve tuaja të ruajtura.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Mbaj modifikuesit</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Mbani të shtypur tastet modifikuese për të synuar me miun, pastaj lëshojini për të zgjedhur.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Ndërrim</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>Unaza mbetet e hapur pasi i lëshoni. Shtypni sërish shkurtoren ose klikoni për të zgjedhur.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>Te treguesi</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>Unaza hapet rreth treguesit, kështu që është gjithmonë pranë.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Qendra e ekranit</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>Unaza hapet gjithmonë në mes të ekranit.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistemi</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>E çelët</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>E errët</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>Nuk është caktuar shkurtore — %1 nuk mund të hapet nga tastiera.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Shtoni Ctrl, Alt ose Super që kjo shkurtore të mos ndërpresë shkrimin.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Përdoret tashmë nga %1. Zgjidhni një kombinim tjetër.</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>Shigjetat zgjedhin, Return ndërron, Escape mbyll.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>Nuk ka aplikacione</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 nga %3</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, dritarja %2 nga %3: %4</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>Shigjetat zgjedhin, Return ekzekuton shkurtoren, Escape mbyll.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>Asnjë shkurtore</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>Fjalëkalimi %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Faqja %1 nga %2</translation>
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
        <translation>Tasti %1</translation>
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
        <translation>Unaza e Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro App Switcher</source>
        <translation>Ndërruesi i aplikacioneve i Kelvaro</translation>
    </message>
    <message>
        <source>Your desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Desktopi juaj e përdor tashmë këtë për %1. Mund të mos arrijë te Kelvaro.</translation>
    </message>
    <message>
        <source>switching windows</source>
        <translation>ndërrimin e dritareve</translation>
    </message>
    <message>
        <source>switching windows backwards</source>
        <translation>ndërrimin e dritareve në drejtim të kundërt</translation>
    </message>
    <message>
        <source>closing the window</source>
        <translation>mbylljen e dritares</translation>
    </message>
    <message>
        <source>running a command</source>
        <translation>ekzekutimin e një komande</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>kyçjen e ekranit</translation>
    </message>
    <message>
        <source>showing the desktop</source>
        <translation>shfaqjen e desktopit</translation>
    </message>
    <message>
        <source>opening a terminal</source>
        <translation>hapjen e një terminali</translation>
    </message>
    <message>
        <source>logging out</source>
        <translation>daljen nga sesioni</translation>
    </message>
    <message>
        <source>switching to a text console</source>
        <translation>kalimin në një konsolë teksti</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › General › Privacy.</source>
        <translation>Mund ta çaktivizoni tani ose në çdo kohë te Cilësimet › Të përgjithshme › Privatësia.</translation>
    </message>
    <message>
        <source>Global hotkeys need an X11 session. Choose an X11 (Xorg) session on the login screen, then start Kelvaro again.</source>
        <translation>Shkurtoret globale kërkojnë një sesion X11. Zgjidhni një sesion X11 (Xorg) në ekranin e hyrjes, pastaj nisni sërish Kelvaro.</translation>
    </message>
    <message>
        <source>Global Hotkeys Unavailable</source>
        <translation>Shkurtoret globale nuk janë të disponueshme</translation>
    </message>
    <message>
        <source>Keyboard Access Refused</source>
        <translation>Qasja te tastiera u refuzua</translation>
    </message>
    <message>
        <source>Accessibility Access Required</source>
        <translation>Kërkohet leje për aksesueshmërinë</translation>
    </message>
    <message>
        <source>This is not an X11 session, so Kelvaro cannot watch global hotkeys or raise windows.</source>
        <translation>Ky nuk është sesion X11, ndaj Kelvaro nuk mund të ndjekë shkurtoret globale ose të sjellë dritaret përpara.</translation>
    </message>
    <message>
        <source>The X server did not let Kelvaro watch the keyboard, so hotkeys cannot open the rings.</source>
        <translation>Shërbyesi X nuk e lejoi Kelvaro të ndjekë tastierën, ndaj shkurtoret nuk mund të hapin unazat.</translation>
    </message>
    <message>
        <source>The accessibility bus is off. Kelvaro needs it to read windows, menus and text fields.</source>
        <translation>Busi i aksesueshmërisë është i çaktivizuar. Kelvaro ka nevojë për të, që të lexojë dritaret, menytë dhe fushat e tekstit.</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Aktivizoje</translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>Pse?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Riprovo</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>E vogël</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mesatare</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>E madhe</translation>
    </message>
    <message>
        <source>Relaxed</source>
        <translation>E ngadaltë</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Brisk</source>
        <translation>E shpejtë</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Gjuha</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Nis në hyrje</translation>
    </message>
    <message>
        <source>Start Kelvaro automatically when you sign in.</source>
        <translation>Kelvaro niset automatikisht kur hyni në sistem.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Nisja</translation>
    </message>
    <message>
        <source>Send anonymous usage data</source>
        <translation>Dërgo të dhëna anonime përdorimi</translation>
    </message>
    <message>
        <source>Launches, rings opened, and how many tabs a capture found. Never window titles, URLs, file paths or anything you type.</source>
        <translation>Nisjet, unazat e hapura dhe sa skeda gjeti një ruajtje. Asnjëherë tituj dritaresh, URL, shtigje skedarësh apo çfarëdo që shtypni.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privatësia</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Sjellja</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Aktivizimi</translation>
    </message>
    <message>
        <source>Open the ring</source>
        <translation>Hap unazën</translation>
    </message>
    <message>
        <source>Follow the pointer across displays</source>
        <translation>Ndiq treguesin nëpër ekrane</translation>
    </message>
    <message>
        <source>Otherwise the ring always opens on the main display.</source>
        <translation>Përndryshe unaza hapet gjithmonë në ekranin kryesor.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Pamja</translation>
    </message>
    <message>
        <source>Ring size</source>
        <translation>Madhësia e unazës</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>Shpejtësia e animacionit</translation>
    </message>
    <message>
        <source>Tilt the centre icon with the pointer</source>
        <translation>Anoj ikonën qendrore sipas treguesit</translation>
    </message>
    <message>
        <source>Adds a subtle parallax to the selected app&apos;s icon.</source>
        <translation>I shton një efekt të lehtë paralakse ikonës së aplikacionit të përzgjedhur.</translation>
    </message>
    <message>
        <source>Reduce Motion is on in the desktop&apos;s settings, so animations stay minimal.</source>
        <translation>„Zvogëlo lëvizjen“ është aktive te cilësimet e desktopit, ndaj animacionet mbahen minimale.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Rreth</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versioni</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Kontrollo automatikisht për përditësime</translation>
    </message>
    <message>
        <source>Once a day, in the background.</source>
        <translation>Një herë në ditë, në sfond.</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Kontrollo tani</translation>
    </message>
    <message>
        <source>Kelvaro %1 is available</source>
        <translation>Ka dalë Kelvaro %1</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>I përditësuar</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt or Super.</source>
        <translation>Përfshini Ctrl, Alt ose Super.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Shkurtore tastiere</translation>
    </message>
    <message>
        <source>Activate to record a new shortcut. Press Escape to cancel, Delete to clear.</source>
        <translation>Aktivizojeni për të regjistruar një shkurtore të re. Shtypni Escape për ta anuluar, Delete për ta pastruar.</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Pastro shkurtoren</translation>
    </message>
    <message>
        <source>Tap a key to finish · Esc to cancel</source>
        <translation>Shtypni një tast për të përfunduar · Esc për të anuluar</translation>
    </message>
    <message>
        <source>Hold modifiers, then tap a key · Esc to cancel</source>
        <translation>Mbani modifikuesit, pastaj shtypni një tast · Esc për të anuluar</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Po regjistrohet</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Asnjë</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Asnjë veprim</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>Lëviz %1 lart</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>Lëviz %1 poshtë</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Përpuno %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Fshi %1</translation>
    </message>
    <message>
        <source>Hold to keep the wheel open</source>
        <translation>Mbajeni që rrota të mbetet e hapur</translation>
    </message>
    <message>
        <source>None selected — the wheel stays open until you click or press Escape.</source>
        <translation>Asnjë e përzgjedhur — rrota mbetet e hapur derisa të klikoni ose të shtypni Escape.</translation>
    </message>
    <message>
        <source>Keep %1 held while you aim. Release it and the wheel chooses whatever is highlighted.</source>
        <translation>Mbani të shtypur %1 ndërsa synoni. Lëshojeni dhe rrota zgjedh atë që është theksuar.</translation>
    </message>
    <message>
        <source>Key Binding</source>
        <translation>Lidhja e tasteve</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>Shtypni shkurtoren</translation>
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
        <translation>hapësirë</translation>
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
        <translation>Përdor gjuhën e sistemit</translation>
    </message>
    <message>
        <source>The rest of this guide uses your choice.</source>
        <translation>Pjesa tjetër e këtij udhërrëfyesi do të jetë në gjuhën që zgjodhët.</translation>
    </message>
    <message>
        <source>The interface updates right away.</source>
        <translation>Ndërfaqja përditësohet menjëherë.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Rinise tani</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Të përgjithshme</translation>
    </message>
    <message>
        <source>Switcher</source>
        <translation>Ndërruesi</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Shkurtoret</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>Nisësi</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Skedat</translation>
    </message>
    <message>
        <source>No passwords yet</source>
        <translation>Ende nuk ka fjalëkalime</translation>
    </message>
    <message>
        <source>No shortcuts yet</source>
        <translation>Ende nuk ka shkurtore</translation>
    </message>
    <message>
        <source>Select an app</source>
        <translation>Zgjidhni një aplikacion</translation>
    </message>
    <message>
        <source>Ring preview</source>
        <translation>Paraparje e unazës</translation>
    </message>
    <message>
        <source>No shortcut assigned</source>
        <translation>Nuk është caktuar shkurtore</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Shkurtorja: %1</translation>
    </message>
    <message>
        <source>This page is not available in this version yet.</source>
        <translation>Kjo faqe nuk është ende e disponueshme në këtë version.</translation>
    </message>
    <message>
        <source>Kelvaro wants to unlock your saved passwords</source>
        <translation>Kelvaro dëshiron të shkyçë fjalëkalimet tuaja të ruajtura</translation>
    </message>
    <message>
        <source>Unlock Saved Passwords</source>
        <translation>Shkyç fjalëkalimet e ruajtura</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Fjalëkalimi</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Shkyç</translation>
    </message>
    <message>
        <source>Some of your settings could not be read. The settings file as it was is kept as %1.</source>
        <translation>Disa nga cilësimet tuaja nuk mund të lexoheshin. Skedari i cilësimeve ashtu siç ishte ruhet si %1.</translation>
    </message>
    <message>
        <source>Your settings file could not be read, so Kelvaro started with default settings. The file is kept as %1.</source>
        <translation>Skedari juaj i cilësimeve nuk mund të lexohej, ndaj Kelvaro u nis me cilësimet parazgjedhje. Skedari ruhet si %1.</translation>
    </message>
    <message>
        <source>Your settings file %1 could not be read, so Kelvaro started with default settings.</source>
        <translation>Skedari juaj i cilësimeve %1 nuk mund të lexohej, ndaj Kelvaro u nis me cilësimet parazgjedhje.</translation>
    </message>
    <message>
        <source>Your settings cannot be saved to %1 (%2). Changes are kept until Kelvaro quits.</source>
        <translation>Cilësimet tuaja nuk mund të ruhen te %1 (%2). Ndryshimet mbahen derisa të mbyllet Kelvaro.</translation>
    </message>
    <message>
        <source>Choose an icon</source>
        <translation>Zgjidhni një ikonë</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Përpuno llogarinë</translation>
    </message>
    <message>
        <source>Add Account</source>
        <translation>Shto llogari</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Ikonë</translation>
    </message>
    <message>
        <source>Work mail</source>
        <translation>Posta e punës</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Emër</translation>
    </message>
    <message>
        <source>Email / Account</source>
        <translation>Email / Llogari</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Llogari</translation>
    </message>
    <message>
        <source>Add passwords for this account from the list after saving.</source>
        <translation>Pas ruajtjes, shtoni nga lista fjalëkalimet për këtë llogari.</translation>
    </message>
    <message>
        <source>Add Another Password</source>
        <translation>Shto edhe një fjalëkalim</translation>
    </message>
    <message>
        <source>Each password is saved under this account. Several passwords open an arc on the ring.</source>
        <translation>Çdo fjalëkalim ruhet nën këtë llogari. Disa fjalëkalime hapin një hark në unazë.</translation>
    </message>
    <message>
        <source>Shown in the arc when this account has more than one password.</source>
        <translation>Shfaqet në hark kur kjo llogari ka më shumë se një fjalëkalim.</translation>
    </message>
    <message>
        <source>Edit Password</source>
        <translation>Përpuno fjalëkalimin</translation>
    </message>
    <message>
        <source>Add Password</source>
        <translation>Shto fjalëkalim</translation>
    </message>
    <message>
        <source>Add Passwords</source>
        <translation>Shto fjalëkalime</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Passwords</source>
        <translation>
            <numerusform>Shto %n fjalëkalim</numerusform>
            <numerusform>Shto %n fjalëkalime</numerusform>
        </translation>
    </message>
    <message>
        <source>Hide the password</source>
        <translation>Fshihe fjalëkalimin</translation>
    </message>
    <message>
        <source>Show the password</source>
        <translation>Shfaqe fjalëkalimin</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Personale</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiketë</translation>
    </message>
    <message>
        <source>Remove this password</source>
        <translation>Hiq këtë fjalëkalim</translation>
    </message>
    <message>
        <source>Hint (optional)</source>
        <translation>Ndihmëz (opsionale)</translation>
    </message>
    <message>
        <source>ends 4471</source>
        <translation>mbaron me 4471</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Ndihmëz</translation>
    </message>
    <message>
        <source>Your desktop keyring did not store the password “%1”, so it was not saved. Unlock the keyring and try again.</source>
        <translation>Portaçelësi i desktopit nuk e depozitoi fjalëkalimin „%1“, ndaj ai nuk u ruajt. Shkyçni portaçelësin dhe riprovoni.</translation>
    </message>
    <message>
        <source>Accounts &amp; Passwords</source>
        <translation>Llogari dhe fjalëkalime</translation>
    </message>
    <message>
        <source>Stored in your desktop keyring (Secret Service), readable only while your session is unlocked. Choosing one fills the focused text field when you can type, otherwise copies to the clipboard (cleared after 45 seconds). An account with more than one password shows them in an arc beside its wedge.</source>
        <translation>Ruhen në portaçelësin e desktopit (Secret Service) dhe mund të lexohen vetëm kur sesioni juaj është i shkyçur. Fjalëkalimi i zgjedhur plotëson fushën e tekstit në fokus kur mund të shtypni, përndryshe kopjohet te e papastra (pastrohet pas 45 sekondash). Një llogari me më shumë se një fjalëkalim i shfaq ato në një hark pranë segmentit të saj.</translation>
    </message>
    <message>
        <source>1 password</source>
        <translation>1 fjalëkalim</translation>
    </message>
    <message numerus="yes">
        <source>%n passwords</source>
        <translation>
            <numerusform>%n fjalëkalim</numerusform>
            <numerusform>%n fjalëkalime</numerusform>
        </translation>
    </message>
    <message>
        <source>No accounts yet</source>
        <translation>Ende nuk ka llogari</translation>
    </message>
    <message>
        <source>Edit this account</source>
        <translation>Përpuno këtë llogari</translation>
    </message>
    <message>
        <source>Delete this account</source>
        <translation>Fshi këtë llogari</translation>
    </message>
    <message>
        <source>Add an account, then add passwords under it.</source>
        <translation>Shtoni një llogari, pastaj shtoni fjalëkalime nën të.</translation>
    </message>
    <message>
        <source>No passwords for this account yet.</source>
        <translation>Ende nuk ka fjalëkalime për këtë llogari.</translation>
    </message>
    <message>
        <source>Add the passwords that belong to this email.</source>
        <translation>Shtoni fjalëkalimet që i përkasin këtij email-i.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Lëviz lart</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Lëviz poshtë</translation>
    </message>
    <message>
        <source>Edit this password</source>
        <translation>Përpuno këtë fjalëkalim</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Hiq %1</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Llogaritë</translation>
    </message>
    <message>
        <source>Delete the account “%1”?</source>
        <translation>Të fshihet llogaria „%1“?</translation>
    </message>
    <message numerus="yes">
        <source>Its %n password(s) will be removed from your desktop keyring.</source>
        <translation>
            <numerusform>Nga portaçelësi i desktopit do të hiqet %n fjalëkalim i saj.</numerusform>
            <numerusform>Nga portaçelësi i desktopit do të hiqen %n fjalëkalimet e saj.</numerusform>
        </translation>
    </message>
    <message>
        <source>No shortcut assigned — this launcher can&apos;t be opened from the keyboard.</source>
        <translation>Nuk është caktuar shkurtore — ky nisës nuk mund të hapet nga tastiera.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from your browsers.</source>
        <translation>Hap skedat që ruajtët nga shfletuesit tuaj.</translation>
    </message>
    <message>
        <source>Search Icon</source>
        <translation>Kërko ikonë</translation>
    </message>
    <message>
        <source>Icon Name</source>
        <translation>Emri i ikonës</translation>
    </message>
    <message>
        <source>Upload PNG…</source>
        <translation>Ngarko PNG…</translation>
    </message>
    <message>
        <source>Use your own image, up to 1 MB</source>
        <translation>Përdorni figurën tuaj, deri në 1 MB</translation>
    </message>
    <message>
        <source>Pick Icon</source>
        <translation>Zgjidh ikonën</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>Asnjë përfundim për „%1“</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Figura PNG (*.png)</translation>
    </message>
    <message>
        <source>Could not add icon</source>
        <translation>Ikona nuk u shtua dot</translation>
    </message>
    <message>
        <source>Keystroke</source>
        <translation>Shtypje tastesh</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Lidhje</translation>
    </message>
    <message>
        <source>Sent to the app in front, as if you pressed it yourself.</source>
        <translation>I dërgohet aplikacionit në plan të parë, sikur ta shtypnit vetë.</translation>
    </message>
    <message>
        <source>Copied to the clipboard, ready to paste.</source>
        <translation>Kopjohet te e papastra, gati për ngjitje.</translation>
    </message>
    <message>
        <source>Opened in your default browser.</source>
        <translation>Hapet në shfletuesin tuaj parazgjedhje.</translation>
    </message>
    <message>
        <source>Edit Shortcut</source>
        <translation>Përpuno shkurtoren</translation>
    </message>
    <message>
        <source>New Shortcut</source>
        <translation>Shkurtore e re</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>për %1</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Veprimi</translation>
    </message>
    <message>
        <source>Keystroke to send</source>
        <translation>Tastet që do të dërgohen</translation>
    </message>
    <message>
        <source>Add Shortcut</source>
        <translation>Shto shkurtore</translation>
    </message>
    <message>
        <source>Give the shortcut a name.</source>
        <translation>Jepini një emër shkurtores.</translation>
    </message>
    <message>
        <source>Record the keystroke to send.</source>
        <translation>Regjistroni tastet që do të dërgohen.</translation>
    </message>
    <message>
        <source>Enter the text to copy.</source>
        <translation>Jepni tekstin që do të kopjohet.</translation>
    </message>
    <message>
        <source>Enter a link to open.</source>
        <translation>Jepni lidhjen që do të hapet.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like a valid link.</source>
        <translation>Kjo nuk duket si lidhje e vlefshme.</translation>
    </message>
    <message>
        <source>Suggested shortcuts for %1</source>
        <translation>Shkurtore të sugjeruara për %1</translation>
    </message>
    <message>
        <source>Pick the ones you want on the ring. You can edit them later.</source>
        <translation>Zgjidhni ato që doni në unazë. Mund t’i përpunoni më vonë.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Kapërce</translation>
    </message>
    <message>
        <source>Add 1 Shortcut</source>
        <translation>Shto 1 shkurtore</translation>
    </message>
    <message>
        <source>Add Shortcuts</source>
        <translation>Shto shkurtore</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Shortcuts</source>
        <translation>
            <numerusform>Shto %n shkurtore</numerusform>
            <numerusform>Shto %n shkurtore</numerusform>
        </translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Shpërzgjidhi të gjitha</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Përzgjidhi të gjitha</translation>
    </message>
    <message numerus="yes">
        <source>Found %n shortcuts in the menus.</source>
        <translation>
            <numerusform>U gjet %n shkurtore te menytë.</numerusform>
            <numerusform>U gjetën %n shkurtore te menytë.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open the app first, then import again.</source>
        <translation>Së pari hapni aplikacionin, pastaj importoni sërish.</translation>
    </message>
    <message>
        <source>Reading menus needs the desktop&apos;s accessibility bus, which is off.</source>
        <translation>Leximi i menyve kërkon busin e aksesueshmërisë së desktopit, i cili është i çaktivizuar.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read this app&apos;s menus.</source>
        <translation>Menytë e këtij aplikacioni nuk u lexuan dot.</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>Të sugjeruara</translation>
    </message>
    <message>
        <source>From Menus</source>
        <translation>Nga menytë</translation>
    </message>
    <message>
        <source>Reading menus…</source>
        <translation>Po lexohen menytë…</translation>
    </message>
    <message>
        <source>Open App &amp; Import Menus</source>
        <translation>Hap aplikacionin dhe importo menytë</translation>
    </message>
    <message>
        <source>Import from Menus</source>
        <translation>Importo nga menytë</translation>
    </message>
    <message>
        <source>Pick a PNG file. Folders, links and devices cannot be used.</source>
        <translation>Zgjidhni një skedar PNG. Dosjet, lidhjet dhe pajisjet nuk mund të përdoren.</translation>
    </message>
    <message>
        <source>Pick a PNG smaller than 1 MB.</source>
        <translation>Zgjidhni një PNG më të vogël se 1 MB.</translation>
    </message>
    <message>
        <source>Pick a PNG of at most 1024 × 1024 pixels.</source>
        <translation>Zgjidhni një PNG jo më të madh se 1024 × 1024 piksel.</translation>
    </message>
    <message>
        <source>That file could not be read as a PNG.</source>
        <translation>Ai skedar nuk u lexua dot si PNG.</translation>
    </message>
    <message>
        <source>The icon could not be saved: %1</source>
        <translation>Ikona nuk u ruajt dot: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>%1 nuk u hap dot: %2</translation>
    </message>
    <message>
        <source>The Firefox session file %1 is too large to read.</source>
        <translation>Skedari i sesionit të Firefox-it %1 është shumë i madh për t’u lexuar.</translation>
    </message>
    <message>
        <source>Could not read the Firefox session file %1: %2.</source>
        <translation>Skedari i sesionit të Firefox-it %1 nuk u lexua dot: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read its profile folder in ~/.mozilla/firefox.</source>
        <translation>Kelvaro nuk mund të lexojë skedat e hapura të %1. Kontrollo që përdoruesi yt mund të lexojë dosjen e tij të profilit në ~/.mozilla/firefox.</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs.</source>
        <translation>
            <numerusform>U ruajt %n skedë.</numerusform>
            <numerusform>U ruajtën %n skeda.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs from %1.</source>
        <translation>
            <numerusform>U ruajt %n skedë nga %1.</numerusform>
            <numerusform>U ruajtën %n skeda nga %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 nga %2</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs — %1.</source>
        <translation>
            <numerusform>U ruajt %n skedë — %1.</numerusform>
            <numerusform>U ruajtën %n skeda — %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier capture kept.</source>
        <translation>Mbahet 1 ruajtje e mëparshme.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier captures kept.</source>
        <translation>
            <numerusform>Mbahet %n ruajtje e mëparshme.</numerusform>
            <numerusform>Mbahen %n ruajtje të mëparshme.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 tab</source>
        <translation>1 skedë</translation>
    </message>
    <message numerus="yes">
        <source>%n tabs</source>
        <translation>
            <numerusform>%n skedë</numerusform>
            <numerusform>%n skeda</numerusform>
        </translation>
    </message>
    <message>
        <source>Browsers &amp; Tabs</source>
        <translation>Shfletues dhe skeda</translation>
    </message>
    <message>
        <source>Reads every tab open in Chrome, Brave, Edge, Vivaldi, Opera, Chromium and Firefox from the session files in their profile folders, and keeps them here so you can reopen them after the browser is closed. Each capture is kept as its own session; the ring shows the chosen one, ten tabs at a time.</source>
        <translation>Lexon çdo skedë të hapur në Chrome, Brave, Edge, Vivaldi, Opera, Chromium dhe Firefox nga skedarët e sesioneve në dosjet e tyre të profilit dhe i mban këtu, që t’i rihapni edhe pasi të jetë mbyllur shfletuesi. Çdo ruajtje mbahet si sesion më vete; unaza shfaq të zgjedhurën, dhjetë skeda njëherësh.</translation>
    </message>
    <message>
        <source>Nothing captured yet</source>
        <translation>Ende nuk është ruajtur asgjë</translation>
    </message>
    <message>
        <source>Capturing…</source>
        <translation>Po ruhen skedat…</translation>
    </message>
    <message>
        <source>Capture Tabs</source>
        <translation>Ruaj skedat</translation>
    </message>
    <message>
        <source>Rename this capture</source>
        <translation>Riemërto këtë ruajtje</translation>
    </message>
    <message>
        <source>Delete this capture</source>
        <translation>Fshi këtë ruajtje</translation>
    </message>
    <message>
        <source>No tabs captured yet.</source>
        <translation>Ende nuk janë ruajtur skeda.</translation>
    </message>
    <message>
        <source>Open a browser and capture what it has open.</source>
        <translation>Hapni një shfletues dhe ruani ato që ka të hapura.</translation>
    </message>
    <message>
        <source>No open tabs to capture.</source>
        <translation>Nuk ka skeda të hapura për t’u ruajtur.</translation>
    </message>
    <message>
        <source>Rename Capture</source>
        <translation>Riemërto ruajtjen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Riemërto</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Ruajtjet</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Shto aplikacion</translation>
    </message>
    <message>
        <source>1 app</source>
        <translation>1 aplikacion</translation>
    </message>
    <message numerus="yes">
        <source>%n apps</source>
        <translation>
            <numerusform>%n aplikacion</numerusform>
            <numerusform>%n aplikacione</numerusform>
        </translation>
    </message>
    <message>
        <source>No apps added yet.</source>
        <translation>Ende nuk janë shtuar aplikacione.</translation>
    </message>
    <message>
        <source>Choose apps this launcher should show in the ring.</source>
        <translation>Zgjidhni aplikacionet që duhet të shfaqë ky nisës në unazë.</translation>
    </message>
    <message>
        <source>Launchers &amp; Apps</source>
        <translation>Nisës dhe aplikacione</translation>
    </message>
    <message>
        <source>New Launcher</source>
        <translation>Nisës i ri</translation>
    </message>
    <message>
        <source>Rename Launcher</source>
        <translation>Riemërto nisësin</translation>
    </message>
    <message>
        <source>Opens this launcher.</source>
        <translation>Hap këtë nisës.</translation>
    </message>
    <message>
        <source>No launchers yet</source>
        <translation>Ende nuk ka nisës</translation>
    </message>
    <message>
        <source>Add Launcher</source>
        <translation>Shto nisës</translation>
    </message>
    <message>
        <source>Rename this launcher</source>
        <translation>Riemërto këtë nisës</translation>
    </message>
    <message>
        <source>Delete this launcher</source>
        <translation>Fshi këtë nisës</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>Nisësit</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Sugjero</translation>
    </message>
    <message>
        <source>Apps &amp; Shortcuts</source>
        <translation>Aplikacione dhe shkurtore</translation>
    </message>
    <message>
        <source>1 shortcut</source>
        <translation>1 shkurtore</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts</source>
        <translation>
            <numerusform>%n shkurtore</numerusform>
            <numerusform>%n shkurtore</numerusform>
        </translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Zgjidh aplikacion</translation>
    </message>
    <message>
        <source>Choose an application to add shortcuts for</source>
        <translation>Zgjidhni aplikacionin për të cilin do të shtoni shkurtore</translation>
    </message>
    <message>
        <source>No apps added yet</source>
        <translation>Ende nuk janë shtuar aplikacione</translation>
    </message>
    <message>
        <source>Remove this app</source>
        <translation>Hiq këtë aplikacion</translation>
    </message>
    <message>
        <source>Add suggested shortcuts for this app</source>
        <translation>Shto shkurtore të sugjeruara për këtë aplikacion</translation>
    </message>
    <message>
        <source>Add keyboard shortcuts, text snippets or links for %1.</source>
        <translation>Shtoni shkurtore tastiere, copëza teksti ose lidhje për %1.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplikacione</translation>
    </message>
    <message>
        <source>Kelvaro is Now Running</source>
        <translation>Kelvaro po punon tani</translation>
    </message>
    <message>
        <source>The two rings</source>
        <translation>Dy unazat</translation>
    </message>
    <message>
        <source>Hold its shortcut, aim at an app with the pointer, let go. The ring opens around your pointer or in the middle of the display — your choice, under Settings › General.</source>
        <translation>Mbani të shtypur shkurtoren e tij, synoni një aplikacion me treguesin dhe lëshojeni. Unaza hapet rreth treguesit ose në mes të ekranit — sipas zgjedhjes suaj, te Cilësimet › Të përgjithshme.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for whichever app is in front, so you can drive that app by its own keyboard shortcuts without remembering them.</source>
        <translation>Hap shkurtoret që ruajtët për aplikacionin që është në plan të parë, që ta drejtoni atë aplikacion me shkurtoret e veta të tastierës pa pasur nevojë t’i mbani mend.</translation>
    </message>
    <message>
        <source>Choosing between windows</source>
        <translation>Zgjedhja mes dritareve</translation>
    </message>
    <message>
        <source>The window arc</source>
        <translation>Harku i dritareve</translation>
    </message>
    <message>
        <source>When the highlighted app has more than one window, a quarter-arc appears beside it listing them. Keep moving outward onto the arc to pick a window instead of just the app.</source>
        <translation>Kur aplikacioni i theksuar ka më shumë se një dritare, pranë tij shfaqet një çerek harku që i rreshton ato. Vazhdoni të lëvizni jashtë, mbi hark, për të zgjedhur një dritare në vend të vetë aplikacionit.</translation>
    </message>
    <message>
        <source>The arc never appears</source>
        <translation>Harku nuk shfaqet kurrë</translation>
    </message>
    <message>
        <source>It only appears for an app with more than one window: an app with a single window has nothing to choose between, so the arc stays hidden.</source>
        <translation>Ai shfaqet vetëm për aplikacione me më shumë se një dritare: një aplikacion me një dritare të vetme nuk ka asgjë për të zgjedhur, ndaj harku mbetet i fshehur.</translation>
    </message>
    <message>
        <source>Changing a binding</source>
        <translation>Ndryshimi i një lidhjeje tastesh</translation>
    </message>
    <message>
        <source>Settings › Switcher or Shortcuts, then click the recorder and press the combination you want. Add Ctrl, Alt or Super so it can&apos;t fire while you&apos;re typing.</source>
        <translation>Te Cilësimet › Ndërruesi ose Shkurtoret, klikoni regjistruesin dhe shtypni kombinimin që doni. Shtoni Ctrl, Alt ose Super, që të mos aktivizohet ndërsa shkruani.</translation>
    </message>
    <message>
        <source>Hold versus toggle</source>
        <translation>Mbajtje apo ndërrim</translation>
    </message>
    <message>
        <source>By default the ring stays open while you hold the shortcut&apos;s modifiers and commits when you let go. Settings › General can switch it to stay open until you press again or click.</source>
        <translation>Si parazgjedhje, unaza mbetet e hapur ndërsa mbani të shtypur modifikuesit e shkurtores dhe zgjedhja kryhet kur i lëshoni. Te Cilësimet › Të përgjithshme mund ta ndryshoni, që unaza të mbetet e hapur derisa të shtypni sërish ose të klikoni.</translation>
    </message>
    <message>
        <source>If nothing happens</source>
        <translation>Nëse nuk ndodh asgjë</translation>
    </message>
    <message>
        <source>Desktop access</source>
        <translation>Qasja te desktopi</translation>
    </message>
    <message>
        <source>Global shortcuts need an X11 session, and reading menus or typing passwords needs the accessibility bus. Settings shows a banner whenever something is missing, with a button that turns the accessibility bus on.</source>
        <translation>Shkurtoret globale kërkojnë një sesion X11, ndërsa leximi i menyve ose shtypja e fjalëkalimeve kërkon busin e aksesueshmërisë. Cilësimet shfaqin një banderolë sa herë që mungon diçka, me një buton që aktivizon busin e aksesueshmërisë.</translation>
    </message>
    <message>
        <source>Finding the app</source>
        <translation>Gjetja e aplikacionit</translation>
    </message>
    <message>
        <source>Kelvaro has no window of its own on purpose. It lives in the tray; closing a window doesn&apos;t quit it.</source>
        <translation>Kelvaro qëllimisht nuk ka dritare të vetën. Ai rri në zonën e njoftimeve; mbyllja e një dritareje nuk e mbyll atë.</translation>
    </message>
    <message>
        <source>Starting over</source>
        <translation>Nisja nga e para</translation>
    </message>
    <message>
        <source>Starting Kelvaro again while it runs opens its settings, or the walkthrough while that is unfinished.</source>
        <translation>Nëse e nisni sërish Kelvaro ndërkohë që po punon, hapen cilësimet e tij, ose udhërrëfyesi, nëse ende nuk e keni përfunduar.</translation>
    </message>
    <message>
        <source>This is the cause of most &quot;nothing happens&quot; reports.</source>
        <translation>Kjo është shkaku i shumicës së raportimeve „nuk ndodh asgjë“.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer.</source>
        <translation>Çdo aplikacion që keni hapur, në një unazë rreth treguesit tuaj.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Kontaktoni mbështetjen</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>Faqja e mbështetjes</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Politika e privatësisë</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Kushtet e përdorimit</translation>
    </message>
    <message>
        <source>Kelvaro %1</source>
        <translation>Kelvaro %1</translation>
    </message>
    <message>
        <source>Your apps, shortcuts and passwords stay on this computer.</source>
        <translation>Aplikacionet, shkurtoret dhe fjalëkalimet tuaja mbeten në këtë kompjuter.</translation>
    </message>
    <message>
        <source>Show this message on app launch</source>
        <translation>Shfaq këtë mesazh gjatë nisjes së aplikacionit</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Cilësimet…</translation>
    </message>
    <message>
        <source>Press %1 to open the ring</source>
        <translation>Shtypni %1 për të hapur unazën</translation>
    </message>
    <message>
        <source>No shortcut is assigned yet. Open Settings to choose one.</source>
        <translation>Ende nuk është caktuar shkurtore. Hapni Cilësimet për të zgjedhur një.</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>Sesion X11</translation>
    </message>
    <message>
        <source>Global keys</source>
        <translation>Tastet globale</translation>
    </message>
    <message>
        <source>Accessibility bus</source>
        <translation>Busi i aksesueshmërisë</translation>
    </message>
    <message>
        <source>Start Using Kelvaro</source>
        <translation>Fillo të përdorësh Kelvaro</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Vazhdo</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Zgjidhni gjuhën</translation>
    </message>
    <message>
        <source>Kelvaro speaks 17 languages. Pick one, or let it follow your system.</source>
        <translation>Kelvaro flet 17 gjuhë. Zgjidhni njërën, ose lëreni të ndjekë sistemin tuaj.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer. One keystroke away.</source>
        <translation>Çdo aplikacion që keni hapur, në një unazë rreth treguesit tuaj. Vetëm një shtypje tasti larg.</translation>
    </message>
    <message>
        <source>Notices the one shortcut you choose</source>
        <translation>Vëren vetëm shkurtoren e vetme që zgjidhni</translation>
    </message>
    <message>
        <source>Switches apps and sends shortcuts you set up</source>
        <translation>Ndërron aplikacionet dhe dërgon shkurtoret që caktoni</translation>
    </message>
    <message>
        <source>Never reads what you type</source>
        <translation>Nuk lexon kurrë atë që shkruani</translation>
    </message>
    <message>
        <source>Sends nothing it sees here — that stays on this computer</source>
        <translation>Nuk dërgon asgjë nga ato që sheh këtu — kjo mbetet në këtë kompjuter</translation>
    </message>
    <message>
        <source>Needs an X11 Session</source>
        <translation>Duhet një sesion X11</translation>
    </message>
    <message>
        <source>Turn On the Accessibility Bus</source>
        <translation>Aktivizo busin e aksesueshmërisë</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Gjithçka është gati</translation>
    </message>
    <message>
        <source>Let Kelvaro see your shortcut</source>
        <translation>Lejojeni Kelvaro të shohë shkurtoren tuaj</translation>
    </message>
    <message>
        <source>Global keys work and the accessibility bus is on. Nothing else to set up.</source>
        <translation>Tastet globale funksionojnë dhe busi i aksesueshmërisë është aktiv. Nuk ka asgjë tjetër për të rregulluar.</translation>
    </message>
    <message>
        <source>Linux needs two things for this: an X11 session for the global keys, and the accessibility bus for reading menus and typing passwords.</source>
        <translation>Për këtë, Linux-i ka nevojë për dy gjëra: një sesion X11 për tastet globale dhe busin e aksesueshmërisë për leximin e menyve dhe shtypjen e fjalëkalimeve.</translation>
    </message>
    <message>
        <source>No shortcut set</source>
        <translation>Nuk ka shkurtore të caktuar</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Regjistro</translation>
    </message>
    <message>
        <source>Record a different shortcut</source>
        <translation>Regjistro një shkurtore tjetër</translation>
    </message>
    <message>
        <source>Use the default instead</source>
        <translation>Përdor parazgjedhjen</translation>
    </message>
    <message>
        <source>Hold it — the ring opens.</source>
        <translation>Mbajeni të shtypur — unaza hapet.</translation>
    </message>
    <message>
        <source>Point at the app you want.</source>
        <translation>Drejtojeni treguesin te aplikacioni që doni.</translation>
    </message>
    <message>
        <source>Let go — Kelvaro switches to it.</source>
        <translation>Lëshojeni — Kelvaro kalon te ai.</translation>
    </message>
    <message>
        <source>Your shortcut</source>
        <translation>Shkurtorja juaj</translation>
    </message>
    <message>
        <source>This is what opens the ring. Keep it, or record your own.</source>
        <translation>Kjo është ajo që hap unazën. Mbajeni, ose regjistroni tuajën.</translation>
    </message>
    <message>
        <source>Click the Kelvaro icon in the tray.</source>
        <translation>Klikoni ikonën e Kelvaro në zonën e njoftimeve.</translation>
    </message>
    <message>
        <source>Settings — add apps, edit shortcuts, change keys.</source>
        <translation>Cilësimet — shtoni aplikacione, përpunoni shkurtore, ndryshoni taste.</translation>
    </message>
    <message>
        <source>Kelvaro lives in the tray</source>
        <translation>Kelvaro rri në zonën e njoftimeve</translation>
    </message>
    <message>
        <source>It has no window of its own on purpose. Close a window and it keeps running — everything stays one click away in the tray.</source>
        <translation>Qëllimisht nuk ka dritare të vetën. Mbyllni një dritare dhe ai vazhdon të punojë — gjithçka mbetet një klikim larg, në zonën e njoftimeve.</translation>
    </message>
    <message>
        <source>Your settings file was damaged after Kelvaro read it. The damaged file is kept as %1, and your settings were saved again.</source>
        <translation>Skedari juaj i cilësimeve u dëmtua pasi Kelvaro e lexoi. Skedari i dëmtuar ruhet si %1 dhe cilësimet tuaja u ruajtën sërish.</translation>
    </message>
    <message>
        <source>A change to your settings was not made: it would have made the settings file %1 too large to read back.</source>
        <translation>Një ndryshim në cilësimet tuaja nuk u bë: do ta bënte skedarin e cilësimeve %1 shumë të madh për t’u lexuar sërish.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: their addresses are longer than %1 characters.</source>
        <translation>
            <numerusform>%Ln skedë u la jashtë: adresa e saj është më e gjatë se %1 shenja.</numerusform>
            <numerusform>%Ln skeda u lanë jashtë: adresat e tyre janë më të gjata se %1 shenja.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: a capture keeps at most %1 tabs.</source>
        <translation>
            <numerusform>%Ln skedë u la jashtë: një ruajtje mban deri në %1 skeda.</numerusform>
            <numerusform>%Ln skeda u lanë jashtë: një ruajtje mban deri në %1 skeda.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: the capture would have been too large to keep.</source>
        <translation>
            <numerusform>%Ln skedë u la jashtë: ruajtja do të ishte shumë e madhe për t’u mbajtur.</numerusform>
            <numerusform>%Ln skeda u lanë jashtë: ruajtja do të ishte shumë e madhe për t’u mbajtur.</numerusform>
        </translation>
    </message>
    <message>
        <source>The capture was not kept: your settings file would have grown too large.</source>
        <translation>Ruajtja nuk u mbajt: skedari juaj i cilësimeve do të bëhej shumë i madh.</translation>
    </message>
    <message>
        <source>That password was not accepted. Try again.</source>
        <translation>Ky fjalëkalim nuk u pranua. Provoni përsëri.</translation>
    </message>
    <message>
        <source>Your login password was not accepted. No saved password was released.</source>
        <translation>Fjalëkalimi juaj i hyrjes nuk u pranua. Nuk u dha asnjë fjalëkalim i ruajtur.</translation>
    </message>
    <message>
        <source>Enter your login password to use saved passwords.</source>
        <translation>Vendosni fjalëkalimin tuaj të hyrjes për të përdorur fjalëkalimet e ruajtura.</translation>
    </message>
    <message numerus="yes">
        <source>The window you chose was closed or is no longer in front. Your password is on the clipboard for %n seconds.</source>
        <translation>
            <numerusform>Dritarja që zgjodhët u mbyll ose nuk është më në plan të parë. Fjalëkalimi juaj do të qëndrojë te e papastra për %n sekondë.</numerusform>
            <numerusform>Dritarja që zgjodhët u mbyll ose nuk është më në plan të parë. Fjalëkalimi juaj do të qëndrojë te e papastra për %n sekonda.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The password did not arrive in the field. It is on the clipboard for %n seconds: paste it there yourself.</source>
        <translation>
            <numerusform>Fjalëkalimi nuk arriti në fushë. Ai do të qëndrojë te e papastra për %n sekondë: ngjiteni vetë atje.</numerusform>
            <numerusform>Fjalëkalimi nuk arriti në fushë. Ai do të qëndrojë te e papastra për %n sekonda: ngjiteni vetë atje.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 did not take the password. It is on the clipboard for %n seconds: paste it into the field yourself.</source>
        <translation>
            <numerusform>%1 nuk e pranoi fjalëkalimin. Ai do të qëndrojë te e papastra për %n sekondë: ngjiteni vetë në fushë.</numerusform>
            <numerusform>%1 nuk e pranoi fjalëkalimin. Ai do të qëndrojë te e papastra për %n sekonda: ngjiteni vetë në fushë.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No text field had the focus. Your password is on the clipboard for %n seconds: paste it.</source>
        <translation>
            <numerusform>Asnjë fushë teksti nuk ishte në fokus. Fjalëkalimi juaj do të qëndrojë te e papastra për %n sekondë: ngjiteni.</numerusform>
            <numerusform>Asnjë fushë teksti nuk ishte në fokus. Fjalëkalimi juaj do të qëndrojë te e papastra për %n sekonda: ngjiteni.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your own icon: a PNG of at most 1 MB and 1024 × 1024 pixels.</source>
        <translation>Ikona juaj: një PNG deri në 1 MB dhe 1024 × 1024 piksel.</translation>
    </message>
    <message>
        <source>A name is needed.</source>
        <translation>Nevojitet një emër.</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]</source>
        <translation>Përdorimi: %1 [--help | --version]</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Shfaq këtë ndihmë dhe dil.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Shfaq versionin dhe dil.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: this Wayland session has no XWayland (DISPLAY is not set).</source>
        <translation>Kelvaro ka nevojë për një seancë X11: kjo seancë Wayland nuk ka XWayland (DISPLAY nuk është caktuar).</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: DISPLAY is not set.</source>
        <translation>Kelvaro ka nevojë për një seancë X11: DISPLAY nuk është caktuar.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: the display %1 cannot be opened.</source>
        <translation>Kelvaro ka nevojë për një seancë X11: ekrani %1 nuk mund të hapet.</translation>
    </message>
    <message>
        <source>This build of Kelvaro cannot send usage data.</source>
        <translation>Ky version i Kelvaro nuk mund të dërgojë të dhëna përdorimi.</translation>
    </message>
    <message>
        <source>Already used by %1.</source>
        <translation>Përdoret tashmë nga %1.</translation>
    </message>
    <message>
        <source>Empty Bin</source>
        <translation>Zbraz koshin</translation>
    </message>
    <message>
        <source>Toggle recording</source>
        <translation>Ndiz/fik regjistrimin</translation>
    </message>
    <message>
        <source>Could not read the session log %1: %2.</source>
        <translation>Regjistri i sesionit %1 nuk mund të lexohej: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1: your user may not read %2.</source>
        <translation>Kelvaro nuk mund të lexojë skedat e hapura të %1: përdoruesi juaj nuk ka leje të lexojë %2.</translation>
    </message>
    <message>
        <source>%1 is running, but its session could not be read: %2</source>
        <translation>%1 është në punë, por sesioni i tij nuk mund të lexohej: %2</translation>
    </message>
    <message>
        <source>%1 is running, but Kelvaro found no session file in its profile folders.</source>
        <translation>%1 është në punë, por Kelvaro nuk gjeti asnjë skedar sesioni në dosjet e profilit të tij.</translation>
    </message>
    <message>
        <source>%1 is running, but its session has no open web pages.</source>
        <translation>%1 është në punë, por sesioni i tij nuk ka faqe interneti të hapura.</translation>
    </message>
    <message>
        <source>Your saved captures were not changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Kapjet e ruajtura nuk u ndryshuan: disa prej tyre nuk u lexuan dot dhe në skedarin e rregullimeve nuk ka vend për të mbajtur një kopje të tyre. Ato mbeten siç janë.</translation>
    </message>
    <message>
        <source>The capture was not kept: the saved captures take all the room there is. Delete captures you no longer need, then capture again.</source>
        <translation>Ruajtja nuk u mbajt: skedat e ruajtura zënë gjithë hapësirën që ka. Fshini ruajtjet që nuk ju duhen më, pastaj ruani përsëri.</translation>
    </message>
    <message>
        <source>Your launchers cannot be changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Nisësit nuk mund të ndryshohen: disa prej tyre nuk u lexuan dot dhe në skedarin e rregullimeve nuk ka vend për të mbajtur një kopje të tyre. Ata mbeten siç janë.</translation>
    </message>
    <message>
        <source>%1: unknown option: %2</source>
        <translation>%1: opsion i panjohur: %2</translation>
    </message>
    <message>
        <source>This build of Kelvaro has no update feed.</source>
        <translation>Ky version i Kelvaro nuk ka burim përditësimesh.</translation>
    </message>
</context>
</TS>
