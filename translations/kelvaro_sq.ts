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
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Application switcher</source>
        <translation>Ndërruesi i aplikacioneve</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Mbyll dritaren</translation>
    </message>
    <message>
        <source>Hide application</source>
        <translation>Fshih aplikacionin</translation>
    </message>
    <message>
        <source>Minimise window</source>
        <translation>Minimizo dritaren</translation>
    </message>
    <message>
        <source>Screenshot</source>
        <translation>Pamje ekrani</translation>
    </message>
    <message>
        <source>Screenshot selection</source>
        <translation>Pamje e përzgjedhjes</translation>
    </message>
    <message>
        <source>Screenshot options</source>
        <translation>Mundësitë e pamjes së ekranit</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Kyç ekranin</translation>
    </message>
    <message>
        <source>Mission Control</source>
        <translation>Mission Control</translation>
    </message>
    <message>
        <source>Application windows</source>
        <translation>Dritaret e aplikacionit</translation>
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
        <source>You can turn it off now, or at any time in Settings › Privacy.</source>
        <translation>Mund ta çaktivizoni tani ose në çdo kohë te Rregullimet › Privatësia.</translation>
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
        <source>Opens the tabs you captured from Chrome.</source>
        <translation>Hap skedat që kapët nga Chrome.</translation>
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
        <source>The desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Desktopi e përdor tashmë këtë për %1. Mund të mos arrijë te Kelvaro.</translation>
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
</context>
</TS>
