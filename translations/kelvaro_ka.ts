<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ka">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>აპების გადამრთველის ჩვენება</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>მალსახმობების გამშვების ჩვენება</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>გაშვება სისტემაში შესვლისას</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>შეტყობინების ჩვენება გაშვებისას</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>პარამეტრები</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Kelvaro-ს დახმარება</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>განახლებების შემოწმება…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Kelvaro-დან გასვლა</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Kelvaro-ს პარამეტრები</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>მოგესალმებათ Kelvaro</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>სრული ეკრანი</translation>
    </message>
    <message>
        <source>Window %1</source>
        <translation>ფანჯარა %1</translation>
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
        <translation>ჰარი</translation>
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
        <translation>გვერდი ზემოთ</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>გვერდი ქვემოთ</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>მარცხენა ისარი</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>მარჯვენა ისარი</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>ზემოთ ისარი</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>ქვემოთ ისარი</translation>
    </message>
    <message>
        <source>New</source>
        <translation>ახალი</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>გახსნა…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>შენახვა</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>ფანჯრის დახურვა</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>დაბრუნება</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>კოპირება</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>ჩასმა</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>ძიება</translation>
    </message>
    <message>
        <source>New Finder Window</source>
        <translation>ახალი Finder-ის ფანჯარა</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>ახალი საქაღალდე</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>ინფორმაციის ნახვა</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>დუბლირება</translation>
    </message>
    <message>
        <source>Go to Downloads</source>
        <translation>ჩამოტვირთვებზე გადასვლა</translation>
    </message>
    <message>
        <source>Show View Options</source>
        <translation>ხედის პარამეტრების ჩვენება</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>ახალი ჩანართი</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>ახალი ფანჯარა</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>ჩანართის დახურვა</translation>
    </message>
    <message>
        <source>Reopen Last Tab</source>
        <translation>ბოლო ჩანართის ხელახლა გახსნა</translation>
    </message>
    <message>
        <source>Reload Page</source>
        <translation>გვერდის განახლება</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>წამკითხველის ჩვენება</translation>
    </message>
    <message>
        <source>New Private Window</source>
        <translation>ახალი პირადი ფანჯარა</translation>
    </message>
    <message>
        <source>Reopen Closed Tab</source>
        <translation>დახურული ჩანართის ხელახლა გახსნა</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>განახლება</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>დეველოპერის ხელსაწყოები</translation>
    </message>
    <message>
        <source>New Incognito Window</source>
        <translation>ახალი ინკოგნიტო ფანჯარა</translation>
    </message>
    <message>
        <source>New Message</source>
        <translation>ახალი შეტყობინება</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>პასუხი</translation>
    </message>
    <message>
        <source>Reply All</source>
        <translation>პასუხი ყველას</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>გადაგზავნა</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>გაგზავნა</translation>
    </message>
    <message>
        <source>Mailbox Search</source>
        <translation>საფოსტო ყუთში ძიება</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>ახალი ჩანაწერი</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>საკონტროლო სია</translation>
    </message>
    <message>
        <source>Attach File</source>
        <translation>ფაილის მიმაგრება</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>ძიება</translation>
    </message>
    <message>
        <source>Emoji &amp; Symbols</source>
        <translation>ემოჯი და სიმბოლოები</translation>
    </message>
    <message>
        <source>New Event</source>
        <translation>ახალი მოვლენა</translation>
    </message>
    <message>
        <source>Go to Today</source>
        <translation>დღევანდელზე გადასვლა</translation>
    </message>
    <message>
        <source>Day View</source>
        <translation>დღის ხედი</translation>
    </message>
    <message>
        <source>Week View</source>
        <translation>კვირის ხედი</translation>
    </message>
    <message>
        <source>Month View</source>
        <translation>თვის ხედი</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>ეკრანის გასუფთავება</translation>
    </message>
    <message>
        <source>Split Pane</source>
        <translation>პანელის გაყოფა</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>გაშვება</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>აწყობა</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>შეჩერება</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>ტესტი</translation>
    </message>
    <message>
        <source>Open Quickly</source>
        <translation>სწრაფად გახსნა</translation>
    </message>
    <message>
        <source>Show Canvas / Assistant</source>
        <translation>ტილოს / ასისტენტის ჩვენება</translation>
    </message>
    <message>
        <source>Quick Open</source>
        <translation>სწრაფი გახსნა</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>ბრძანებების პალიტრა</translation>
    </message>
    <message>
        <source>Toggle Terminal</source>
        <translation>ტერმინალის გადართვა</translation>
    </message>
    <message>
        <source>Toggle Sidebar</source>
        <translation>გვერდითი ზოლის გადართვა</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>ახალი ფაილი</translation>
    </message>
    <message>
        <source>Quick Switcher</source>
        <translation>სწრაფი გადამრთველი</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>თემები</translation>
    </message>
    <message>
        <source>Mentions &amp; Reactions</source>
        <translation>მოხსენიებები და რეაქციები</translation>
    </message>
    <message>
        <source>Toggle Mute</source>
        <translation>დადუმების გადართვა</translation>
    </message>
    <message>
        <source>Toggle Deafen</source>
        <translation>ხმის ჩართვა/გამორთვა</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>შემოსულები</translation>
    </message>
    <message>
        <source>Emoji Picker</source>
        <translation>ემოჯის ამრჩევი</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>რეალური ზომა</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>გადიდება</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>დაპატარავება</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>სლაიდშოუ</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>მარცხნივ მობრუნება</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>დაკვრა/პაუზა</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>შემდეგი ტრეკი</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>წინა ტრეკი</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>შემთხვევითი რიგით</translation>
    </message>
    <message>
        <source>Show Queue</source>
        <translation>რიგის ჩვენება</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>იმპორტი</translation>
    </message>
    <message>
        <source>New Album</source>
        <translation>ახალი ალბომი</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>რჩეული</translation>
    </message>
    <message>
        <source>Mute Audio</source>
        <translation>ხმის დადუმება</translation>
    </message>
    <message>
        <source>Start Video</source>
        <translation>ვიდეოს დაწყება</translation>
    </message>
    <message>
        <source>Share Screen</source>
        <translation>ეკრანის გაზიარება</translation>
    </message>
    <message>
        <source>Show Chat</source>
        <translation>ჩატის ჩვენება</translation>
    </message>
    <message>
        <source>Show Participants</source>
        <translation>მონაწილეების ჩვენება</translation>
    </message>
    <message>
        <source>New Page</source>
        <translation>ახალი გვერდი</translation>
    </message>
    <message>
        <source>Add Comment</source>
        <translation>კომენტარის დამატება</translation>
    </message>
    <message>
        <source>To-do List</source>
        <translation>დავალებების სია</translation>
    </message>
    <message>
        <source>Frame Tool</source>
        <translation>ჩარჩოს ხელსაწყო</translation>
    </message>
    <message>
        <source>Move Tool</source>
        <translation>გადაადგილების ხელსაწყო</translation>
    </message>
    <message>
        <source>Text Tool</source>
        <translation>ტექსტის ხელსაწყო</translation>
    </message>
    <message>
        <source>Pen Tool</source>
        <translation>კალმის ხელსაწყო</translation>
    </message>
    <message>
        <source>Group Selection</source>
        <translation>მონიშნულის დაჯგუფება</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>ახალი დოკუმენტი</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>მუქი</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>PDF-ად ექსპორტი</translation>
    </message>
    <message>
        <source>New Spreadsheet</source>
        <translation>ახალი ცხრილი</translation>
    </message>
    <message>
        <source>Add Row Above</source>
        <translation>ზემოთ მწკრივის დამატება</translation>
    </message>
    <message>
        <source>Insert Chart</source>
        <translation>დიაგრამის ჩასმა</translation>
    </message>
    <message>
        <source>New Presentation</source>
        <translation>ახალი პრეზენტაცია</translation>
    </message>
    <message>
        <source>Play Slideshow</source>
        <translation>სლაიდშოუს დაკვრა</translation>
    </message>
    <message>
        <source>New Slide</source>
        <translation>ახალი სლაიდი</translation>
    </message>
    <message>
        <source>Presenter Display</source>
        <translation>მომხსენებლის ეკრანი</translation>
    </message>
    <message>
        <source>Saved earlier</source>
        <translation>ადრე შენახული</translation>
    </message>
    <message>
        <source>No supported browser is running.</source>
        <translation>არცერთი მხარდაჭერილი ბრაუზერი არ არის გაშვებული.</translation>
    </message>
    <message>
        <source>Could not read %1&apos;s tabs.</source>
        <translation>%1-ის ჩანართების წაკითხვა ვერ მოხერხდა.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser&apos;s profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro ვერ კითხულობს %1-ის გახსნილ ჩანართებს. შეამოწმეთ, შეუძლია თუ არა თქვენს მომხმარებელს ბრაუზერის პროფილის საქაღალდის წაკითხვა ~/.config-ში და მისი Sessions საქაღალდის.</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>პაროლები</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>აპის დამატება გამშვებში</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>აირჩიეთ აპი რგოლში დასამატებლად.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>დამატება</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>გაუქმება</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>პროგრამის განახლება</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>ხელმისაწვდომია ახალი ვერსია</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 მზადაა. თქვენ გაქვთ %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates</source>
        <translation>განახლებების შემოწმება ვერ მოხერხდა</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>განახლებების შემოწმება…</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>თქვენ უახლესი ვერსია გაქვთ</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 უახლესი ვერსიაა.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>განახლებების წყარო არ არის მითითებული.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the update server.</source>
        <translation>განახლებების სერვერთან დაკავშირება ვერ მოხერხდა.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>ამ ვერსიის გამოტოვება</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>მოგვიანებით</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ჩამოტვირთვა</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro ახლა აგზავნის გამოყენების ანონიმურ მონაცემებს</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>წინა ვერსიები არაფერს აგზავნიდნენ. ეს ვერსია აცნობებს, როდის ეშვება აპი, როდის იხსნება რგოლი და რამდენი ჩანართი იპოვა შენახვამ.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>არც ფანჯრების სათაურები, არც URL-ები, არც ფაილების გზები და არც ის, რასაც კრეფთ.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>ჩართული დარჩეს</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>გამორთვა</translation>
    </message>
    <message>
        <source>App Switcher</source>
        <translation>აპების გადამრთველი</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>მალსახმობების გამშვები</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>შენახული პაროლები</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>შენახული ჩანართები</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>ხსნის გაშვებული აპების რგოლს.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>ხსნის მალსახმობებს, რომლებიც წინა პლანზე მყოფი აპისთვის შეინახეთ.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>ხსნის თქვენი შენახული პაროლების რგოლს.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>მოდიფიკატორების დაჭერა</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>დაიჭირეთ მოდიფიკატორი კლავიშები მაუსით დასამიზნებლად, შემდეგ აირჩიეთ მათი აშვებით.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>გადართვა</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>რგოლი ღია რჩება კლავიშების აშვების შემდეგ. ასარჩევად კვლავ დააჭირეთ მალსახმობს ან დააწკაპუნეთ.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>მაჩვენებელთან</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>რგოლი მაჩვენებლის გარშემო იხსნება, ამიტომ ყოველთვის ხელმისაწვდომია.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>ეკრანის ცენტრში</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>რგოლი ყოველთვის ეკრანის შუაში იხსნება.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>სისტემა</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ღია</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>მუქი</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>მალსახმობი არ არის მინიჭებული — %1 კლავიატურიდან ვერ გაიხსნება.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>დაამატეთ Ctrl, Alt ან Super, რომ ამ მალსახმობმა ბეჭდვა არ შეაწყვეტინოს.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>უკვე გამოიყენება: %1. აირჩიეთ სხვა კომბინაცია.</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>ისრებით აირჩიეთ, Return-ით გადართეთ, Escape-ით დახურეთ.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>აპები არ არის</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 / %3</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, ფანჯარა %2 / %3: %4</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>ისრებით აირჩიეთ, Return უშვებს მალსახმობს, Escape ხურავს.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>მალსახმობები არ არის</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>პაროლი %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>გვერდი %1 / %2</translation>
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
        <translation>კლავიში %1</translation>
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
        <translation>Kelvaro-ს რგოლი</translation>
    </message>
    <message>
        <source>Kelvaro App Switcher</source>
        <translation>Kelvaro-ს აპების გადამრთველი</translation>
    </message>
    <message>
        <source>Your desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>თქვენი სამუშაო მაგიდა ამას უკვე იყენებს: %1. შესაძლოა Kelvaro-მდე ვერ მივიდეს.</translation>
    </message>
    <message>
        <source>switching windows</source>
        <translation>ფანჯრების გადართვა</translation>
    </message>
    <message>
        <source>switching windows backwards</source>
        <translation>ფანჯრების საპირისპირო მიმართულებით გადართვა</translation>
    </message>
    <message>
        <source>closing the window</source>
        <translation>ფანჯრის დახურვა</translation>
    </message>
    <message>
        <source>running a command</source>
        <translation>ბრძანების გაშვება</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>ეკრანის ჩაკეტვა</translation>
    </message>
    <message>
        <source>showing the desktop</source>
        <translation>სამუშაო მაგიდის ჩვენება</translation>
    </message>
    <message>
        <source>opening a terminal</source>
        <translation>ტერმინალის გახსნა</translation>
    </message>
    <message>
        <source>logging out</source>
        <translation>სისტემიდან გასვლა</translation>
    </message>
    <message>
        <source>switching to a text console</source>
        <translation>ტექსტურ კონსოლზე გადართვა</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › General › Privacy.</source>
        <translation>შეგიძლიათ გამორთოთ ახლავე ან ნებისმიერ დროს: პარამეტრები › ზოგადი › კონფიდენციალურობა.</translation>
    </message>
    <message>
        <source>Global hotkeys need an X11 session. Choose an X11 (Xorg) session on the login screen, then start Kelvaro again.</source>
        <translation>გლობალურ მალსახმობებს X11 სესია სჭირდება. შესვლის ეკრანზე აირჩიეთ X11 (Xorg) სესია და შემდეგ Kelvaro ხელახლა გაუშვით.</translation>
    </message>
    <message>
        <source>Global Hotkeys Unavailable</source>
        <translation>გლობალური მალსახმობები მიუწვდომელია</translation>
    </message>
    <message>
        <source>Keyboard Access Refused</source>
        <translation>კლავიატურაზე წვდომა უარყოფილია</translation>
    </message>
    <message>
        <source>Accessibility Access Required</source>
        <translation>საჭიროა მისაწვდომობის ნებართვა</translation>
    </message>
    <message>
        <source>This is not an X11 session, so Kelvaro cannot watch global hotkeys or raise windows.</source>
        <translation>ეს არ არის X11 სესია, ამიტომ Kelvaro ვერ ადევნებს თვალს გლობალურ მალსახმობებს და ვერ გამოიტანს ფანჯრებს წინა პლანზე.</translation>
    </message>
    <message>
        <source>The X server did not let Kelvaro watch the keyboard, so hotkeys cannot open the rings.</source>
        <translation>X სერვერმა Kelvaro-ს კლავიატურაზე თვალის დევნების უფლება არ მისცა, ამიტომ მალსახმობები რგოლებს ვერ გახსნის.</translation>
    </message>
    <message>
        <source>The accessibility bus is off. Kelvaro needs it to read windows, menus and text fields.</source>
        <translation>მისაწვდომობის სალტე გამორთულია. Kelvaro-ს ის სჭირდება ფანჯრების, მენიუებისა და ტექსტური ველების წასაკითხად.</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>ჩართვა</translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>რატომ?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>თავიდან ცდა</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>პატარა</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>საშუალო</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>დიდი</translation>
    </message>
    <message>
        <source>Relaxed</source>
        <translation>ნელი</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>ნორმალური</translation>
    </message>
    <message>
        <source>Brisk</source>
        <translation>სწრაფი</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>ენა</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>გაშვება სისტემაში შესვლისას</translation>
    </message>
    <message>
        <source>Start Kelvaro automatically when you sign in.</source>
        <translation>Kelvaro ავტომატურად გაეშვება, როცა სისტემაში შეხვალთ.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>გაშვება</translation>
    </message>
    <message>
        <source>Send anonymous usage data</source>
        <translation>გამოყენების ანონიმური მონაცემების გაგზავნა</translation>
    </message>
    <message>
        <source>Launches, rings opened, and how many tabs a capture found. Never window titles, URLs, file paths or anything you type.</source>
        <translation>გაშვებები, გახსნილი რგოლები და რამდენი ჩანართი იპოვა შენახვამ. არასოდეს — ფანჯრების სათაურები, URL-ები, ფაილების გზები ან ის, რასაც კრეფთ.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>კონფიდენციალურობა</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>ქცევა</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>აქტივაცია</translation>
    </message>
    <message>
        <source>Open the ring</source>
        <translation>რგოლის გახსნის ადგილი</translation>
    </message>
    <message>
        <source>Follow the pointer across displays</source>
        <translation>მაჩვენებლის მიყოლა ეკრანებს შორის</translation>
    </message>
    <message>
        <source>Otherwise the ring always opens on the main display.</source>
        <translation>წინააღმდეგ შემთხვევაში რგოლი ყოველთვის მთავარ ეკრანზე იხსნება.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>გარეგნობა</translation>
    </message>
    <message>
        <source>Ring size</source>
        <translation>რგოლის ზომა</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>ანიმაციის სიჩქარე</translation>
    </message>
    <message>
        <source>Tilt the centre icon with the pointer</source>
        <translation>ცენტრალური ხატულის დახრა მაჩვენებლის მიხედვით</translation>
    </message>
    <message>
        <source>Adds a subtle parallax to the selected app&apos;s icon.</source>
        <translation>მონიშნული აპის ხატულას მსუბუქ პარალაქსის ეფექტს ამატებს.</translation>
    </message>
    <message>
        <source>Reduce Motion is on in the desktop&apos;s settings, so animations stay minimal.</source>
        <translation>სამუშაო მაგიდის პარამეტრებში ჩართულია „მოძრაობის შემცირება“, ამიტომ ანიმაციები მინიმალურია.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>შესახებ</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>ვერსია</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>განახლებების ავტომატური შემოწმება</translation>
    </message>
    <message>
        <source>Once a day, in the background.</source>
        <translation>დღეში ერთხელ, ფონურ რეჟიმში.</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>ახლავე შემოწმება</translation>
    </message>
    <message>
        <source>Kelvaro %1 is available</source>
        <translation>ხელმისაწვდომია Kelvaro %1</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>უახლესი ვერსია</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt or Super.</source>
        <translation>დაამატეთ Ctrl, Alt ან Super.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>კლავიატურის მალსახმობი</translation>
    </message>
    <message>
        <source>Activate to record a new shortcut. Press Escape to cancel, Delete to clear.</source>
        <translation>გაააქტიურეთ ახალი მალსახმობის ჩასაწერად. გასაუქმებლად დააჭირეთ Escape-ს, გასასუფთავებლად — Delete-ს.</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>მალსახმობის გასუფთავება</translation>
    </message>
    <message>
        <source>Tap a key to finish · Esc to cancel</source>
        <translation>დასასრულებლად დააჭირეთ კლავიშს · Esc — გაუქმება</translation>
    </message>
    <message>
        <source>Hold modifiers, then tap a key · Esc to cancel</source>
        <translation>დაიჭირეთ მოდიფიკატორები, შემდეგ დააჭირეთ კლავიშს · Esc — გაუქმება</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>ჩაწერა</translation>
    </message>
    <message>
        <source>None</source>
        <translation>არცერთი</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>მოქმედება არ არის</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>%1-ის ზემოთ გადატანა</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>%1-ის ქვემოთ გადატანა</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1-ის ჩასწორება</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1-ის წაშლა</translation>
    </message>
    <message>
        <source>Hold to keep the wheel open</source>
        <translation>დაჭერისას ბორბალი ღია რჩება</translation>
    </message>
    <message>
        <source>None selected — the wheel stays open until you click or press Escape.</source>
        <translation>არაფერია არჩეული — ბორბალი ღია რჩება, სანამ არ დააწკაპუნებთ ან Escape-ს არ დააჭერთ.</translation>
    </message>
    <message>
        <source>Keep %1 held while you aim. Release it and the wheel chooses whatever is highlighted.</source>
        <translation>დამიზნებისას დაიჭირეთ %1. აუშვით და ბორბალი აირჩევს მონიშნულ ელემენტს.</translation>
    </message>
    <message>
        <source>Key Binding</source>
        <translation>კლავიშების მინიჭება</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>დააჭირეთ მალსახმობს</translation>
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
        <translation>ჰარი</translation>
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
        <translation>სისტემის ენის გამოყენება</translation>
    </message>
    <message>
        <source>The rest of this guide uses your choice.</source>
        <translation>ამ გზამკვლევის დანარჩენი ნაწილი თქვენ მიერ არჩეულ ენაზე იქნება.</translation>
    </message>
    <message>
        <source>The interface updates right away.</source>
        <translation>ინტერფეისი მაშინვე განახლდება.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>ახლავე გადატვირთვა</translation>
    </message>
    <message>
        <source>General</source>
        <translation>ზოგადი</translation>
    </message>
    <message>
        <source>Switcher</source>
        <translation>გადამრთველი</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>მალსახმობები</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>გამშვები</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>ჩანართები</translation>
    </message>
    <message>
        <source>No passwords yet</source>
        <translation>პაროლები ჯერ არ არის</translation>
    </message>
    <message>
        <source>No shortcuts yet</source>
        <translation>მალსახმობები ჯერ არ არის</translation>
    </message>
    <message>
        <source>Select an app</source>
        <translation>აირჩიეთ აპი</translation>
    </message>
    <message>
        <source>Ring preview</source>
        <translation>რგოლის გადახედვა</translation>
    </message>
    <message>
        <source>No shortcut assigned</source>
        <translation>მალსახმობი არ არის მინიჭებული</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>მალსახმობი: %1</translation>
    </message>
    <message>
        <source>This page is not available in this version yet.</source>
        <translation>ეს გვერდი ამ ვერსიაში ჯერ მიუწვდომელია.</translation>
    </message>
    <message>
        <source>Kelvaro wants to unlock your saved passwords</source>
        <translation>Kelvaro-ს სურს თქვენი შენახული პაროლების განბლოკვა</translation>
    </message>
    <message>
        <source>Unlock Saved Passwords</source>
        <translation>შენახული პაროლების განბლოკვა</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>პაროლი</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>განბლოკვა</translation>
    </message>
    <message>
        <source>Some of your settings could not be read. The settings file as it was is kept as %1.</source>
        <translation>თქვენი ზოგიერთი პარამეტრის წაკითხვა ვერ მოხერხდა. პარამეტრების ფაილი თავდაპირველი სახით შენახულია როგორც %1.</translation>
    </message>
    <message>
        <source>Your settings file could not be read, so Kelvaro started with default settings. The file is kept as %1.</source>
        <translation>პარამეტრების ფაილის წაკითხვა ვერ მოხერხდა, ამიტომ Kelvaro ნაგულისხმევი პარამეტრებით გაეშვა. ფაილი შენახულია როგორც %1.</translation>
    </message>
    <message>
        <source>Your settings file %1 could not be read, so Kelvaro started with default settings.</source>
        <translation>პარამეტრების ფაილის %1 წაკითხვა ვერ მოხერხდა, ამიტომ Kelvaro ნაგულისხმევი პარამეტრებით გაეშვა.</translation>
    </message>
    <message>
        <source>Your settings cannot be saved to %1 (%2). Changes are kept until Kelvaro quits.</source>
        <translation>პარამეტრების შენახვა %1-ში ვერ ხერხდება (%2). ცვლილებები შენარჩუნდება, სანამ Kelvaro არ დაიხურება.</translation>
    </message>
    <message>
        <source>Choose an icon</source>
        <translation>აირჩიეთ ხატულა</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>ანგარიშის ჩასწორება</translation>
    </message>
    <message>
        <source>Add Account</source>
        <translation>ანგარიშის დამატება</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>ხატულა</translation>
    </message>
    <message>
        <source>Work mail</source>
        <translation>სამსახურის ფოსტა</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>სახელი</translation>
    </message>
    <message>
        <source>Email / Account</source>
        <translation>ელფოსტა / ანგარიში</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>ანგარიში</translation>
    </message>
    <message>
        <source>Add passwords for this account from the list after saving.</source>
        <translation>შენახვის შემდეგ ამ ანგარიშის პაროლები სიიდან დაამატეთ.</translation>
    </message>
    <message>
        <source>Add Another Password</source>
        <translation>კიდევ ერთი პაროლის დამატება</translation>
    </message>
    <message>
        <source>Each password is saved under this account. Several passwords open an arc on the ring.</source>
        <translation>თითოეული პაროლი ამ ანგარიშში ინახება. რამდენიმე პაროლი რგოლზე რკალს ხსნის.</translation>
    </message>
    <message>
        <source>Shown in the arc when this account has more than one password.</source>
        <translation>ნაჩვენებია რკალში, როცა ამ ანგარიშს ერთზე მეტი პაროლი აქვს.</translation>
    </message>
    <message>
        <source>Edit Password</source>
        <translation>პაროლის ჩასწორება</translation>
    </message>
    <message>
        <source>Add Password</source>
        <translation>პაროლის დამატება</translation>
    </message>
    <message>
        <source>Add Passwords</source>
        <translation>პაროლების დამატება</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Passwords</source>
        <translation>
            <numerusform>%n პაროლის დამატება</numerusform>
            <numerusform>%n პაროლის დამატება</numerusform>
        </translation>
    </message>
    <message>
        <source>Hide the password</source>
        <translation>პაროლის დამალვა</translation>
    </message>
    <message>
        <source>Show the password</source>
        <translation>პაროლის ჩვენება</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>პირადი</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>ჭდე</translation>
    </message>
    <message>
        <source>Remove this password</source>
        <translation>ამ პაროლის წაშლა</translation>
    </message>
    <message>
        <source>Hint (optional)</source>
        <translation>მინიშნება (არასავალდებულო)</translation>
    </message>
    <message>
        <source>ends 4471</source>
        <translation>მთავრდება 4471-ით</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>მინიშნება</translation>
    </message>
    <message>
        <source>Your desktop keyring did not store the password “%1”, so it was not saved. Unlock the keyring and try again.</source>
        <translation>სამუშაო მაგიდის ბრელოკში პაროლი „%1“ ვერ ჩაიწერა, ამიტომ ის არ შეინახა. განბლოკეთ ბრელოკი და თავიდან სცადეთ.</translation>
    </message>
    <message>
        <source>Accounts &amp; Passwords</source>
        <translation>ანგარიშები და პაროლები</translation>
    </message>
    <message>
        <source>Stored in your desktop keyring (Secret Service), readable only while your session is unlocked. Choosing one fills the focused text field when you can type, otherwise copies to the clipboard (cleared after 45 seconds). An account with more than one password shows them in an arc beside its wedge.</source>
        <translation>ინახება სამუშაო მაგიდის ბრელოკში (Secret Service) და მისი წაკითხვა მხოლოდ მაშინ შეიძლება, როცა თქვენი სესია განბლოკილია. არჩეული პაროლი შეივსება ფოკუსში მყოფ ტექსტურ ველში, თუ აკრეფა შესაძლებელია, წინააღმდეგ შემთხვევაში კი დაკოპირდება ბუფერში (45 წამის შემდეგ გასუფთავდება). ერთზე მეტი პაროლის მქონე ანგარიში მათ თავისი სექტორის გვერდით, რკალში აჩვენებს.</translation>
    </message>
    <message>
        <source>1 password</source>
        <translation>1 პაროლი</translation>
    </message>
    <message numerus="yes">
        <source>%n passwords</source>
        <translation>
            <numerusform>%n პაროლი</numerusform>
            <numerusform>%n პაროლი</numerusform>
        </translation>
    </message>
    <message>
        <source>No accounts yet</source>
        <translation>ანგარიშები ჯერ არ არის</translation>
    </message>
    <message>
        <source>Edit this account</source>
        <translation>ამ ანგარიშის ჩასწორება</translation>
    </message>
    <message>
        <source>Delete this account</source>
        <translation>ამ ანგარიშის წაშლა</translation>
    </message>
    <message>
        <source>Add an account, then add passwords under it.</source>
        <translation>დაამატეთ ანგარიში, შემდეგ კი მასში პაროლები.</translation>
    </message>
    <message>
        <source>No passwords for this account yet.</source>
        <translation>ამ ანგარიშისთვის პაროლები ჯერ არ არის.</translation>
    </message>
    <message>
        <source>Add the passwords that belong to this email.</source>
        <translation>დაამატეთ ამ ელფოსტის პაროლები.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>ზემოთ გადატანა</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>ქვემოთ გადატანა</translation>
    </message>
    <message>
        <source>Edit this password</source>
        <translation>ამ პაროლის ჩასწორება</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1-ის წაშლა</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>ანგარიშები</translation>
    </message>
    <message>
        <source>Delete the account “%1”?</source>
        <translation>წაიშალოს ანგარიში „%1“?</translation>
    </message>
    <message numerus="yes">
        <source>Its %n password(s) will be removed from your desktop keyring.</source>
        <translation>
            <numerusform>მისი %n პაროლი წაიშლება სამუშაო მაგიდის ბრელოკიდან.</numerusform>
            <numerusform>მისი %n პაროლი წაიშლება სამუშაო მაგიდის ბრელოკიდან.</numerusform>
        </translation>
    </message>
    <message>
        <source>No shortcut assigned — this launcher can&apos;t be opened from the keyboard.</source>
        <translation>მალსახმობი არ არის მინიჭებული — ეს გამშვები კლავიატურიდან ვერ გაიხსნება.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from your browsers.</source>
        <translation>ხსნის ჩანართებს, რომლებიც ბრაუზერებიდან შეინახეთ.</translation>
    </message>
    <message>
        <source>Search Icon</source>
        <translation>ხატულის ძიება</translation>
    </message>
    <message>
        <source>Icon Name</source>
        <translation>ხატულის სახელი</translation>
    </message>
    <message>
        <source>Upload PNG…</source>
        <translation>PNG-ის ატვირთვა…</translation>
    </message>
    <message>
        <source>Use your own image, up to 1 MB</source>
        <translation>გამოიყენეთ საკუთარი გამოსახულება, 1 მბ-მდე</translation>
    </message>
    <message>
        <source>Pick Icon</source>
        <translation>ხატულის არჩევა</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>შედეგები ვერ მოიძებნა: „%1“</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG გამოსახულებები (*.png)</translation>
    </message>
    <message>
        <source>Could not add icon</source>
        <translation>ხატულის დამატება ვერ მოხერხდა</translation>
    </message>
    <message>
        <source>Keystroke</source>
        <translation>კლავიშების კომბინაცია</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>ტექსტი</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>ბმული</translation>
    </message>
    <message>
        <source>Sent to the app in front, as if you pressed it yourself.</source>
        <translation>ეგზავნება წინა პლანზე მყოფ აპს, თითქოს თავად დააჭირეთ.</translation>
    </message>
    <message>
        <source>Copied to the clipboard, ready to paste.</source>
        <translation>კოპირდება ბუფერში და მზადაა ჩასასმელად.</translation>
    </message>
    <message>
        <source>Opened in your default browser.</source>
        <translation>იხსნება თქვენს ნაგულისხმევ ბრაუზერში.</translation>
    </message>
    <message>
        <source>Edit Shortcut</source>
        <translation>მალსახმობის ჩასწორება</translation>
    </message>
    <message>
        <source>New Shortcut</source>
        <translation>ახალი მალსახმობი</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>%1-ისთვის</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>მოქმედება</translation>
    </message>
    <message>
        <source>Keystroke to send</source>
        <translation>გასაგზავნი კლავიშების კომბინაცია</translation>
    </message>
    <message>
        <source>Add Shortcut</source>
        <translation>მალსახმობის დამატება</translation>
    </message>
    <message>
        <source>Give the shortcut a name.</source>
        <translation>მიეცით მალსახმობს სახელი.</translation>
    </message>
    <message>
        <source>Record the keystroke to send.</source>
        <translation>ჩაწერეთ გასაგზავნი კლავიშების კომბინაცია.</translation>
    </message>
    <message>
        <source>Enter the text to copy.</source>
        <translation>შეიყვანეთ დასაკოპირებელი ტექსტი.</translation>
    </message>
    <message>
        <source>Enter a link to open.</source>
        <translation>შეიყვანეთ გასახსნელი ბმული.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like a valid link.</source>
        <translation>ეს სწორ ბმულს არ ჰგავს.</translation>
    </message>
    <message>
        <source>Suggested shortcuts for %1</source>
        <translation>%1-ისთვის შემოთავაზებული მალსახმობები</translation>
    </message>
    <message>
        <source>Pick the ones you want on the ring. You can edit them later.</source>
        <translation>აირჩიეთ ის მალსახმობები, რომლებიც რგოლზე გსურთ. მოგვიანებით შეგიძლიათ მათი ჩასწორება.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>გამოტოვება</translation>
    </message>
    <message>
        <source>Add 1 Shortcut</source>
        <translation>1 მალსახმობის დამატება</translation>
    </message>
    <message>
        <source>Add Shortcuts</source>
        <translation>მალსახმობების დამატება</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Shortcuts</source>
        <translation>
            <numerusform>%n მალსახმობის დამატება</numerusform>
            <numerusform>%n მალსახმობის დამატება</numerusform>
        </translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>ყველას მონიშვნის მოხსნა</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>ყველას მონიშვნა</translation>
    </message>
    <message numerus="yes">
        <source>Found %n shortcuts in the menus.</source>
        <translation>
            <numerusform>მენიუებში ნაპოვნია %n მალსახმობი.</numerusform>
            <numerusform>მენიუებში ნაპოვნია %n მალსახმობი.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open the app first, then import again.</source>
        <translation>ჯერ გახსენით აპი, შემდეგ კვლავ სცადეთ იმპორტი.</translation>
    </message>
    <message>
        <source>Reading menus needs the desktop&apos;s accessibility bus, which is off.</source>
        <translation>მენიუების წასაკითხად საჭიროა სამუშაო მაგიდის მისაწვდომობის სალტე, რომელიც გამორთულია.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read this app&apos;s menus.</source>
        <translation>ამ აპის მენიუების წაკითხვა ვერ მოხერხდა.</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>შემოთავაზებული</translation>
    </message>
    <message>
        <source>From Menus</source>
        <translation>მენიუებიდან</translation>
    </message>
    <message>
        <source>Reading menus…</source>
        <translation>მენიუების წაკითხვა…</translation>
    </message>
    <message>
        <source>Open App &amp; Import Menus</source>
        <translation>აპის გახსნა და მენიუების იმპორტი</translation>
    </message>
    <message>
        <source>Import from Menus</source>
        <translation>მენიუებიდან იმპორტი</translation>
    </message>
    <message>
        <source>Pick a PNG file. Folders, links and devices cannot be used.</source>
        <translation>აირჩიეთ PNG ფაილი. საქაღალდეების, ბმულებისა და მოწყობილობების გამოყენება შეუძლებელია.</translation>
    </message>
    <message>
        <source>Pick a PNG smaller than 1 MB.</source>
        <translation>აირჩიეთ 1 მბ-ზე ნაკლები ზომის PNG.</translation>
    </message>
    <message>
        <source>Pick a PNG of at most 1024 × 1024 pixels.</source>
        <translation>აირჩიეთ PNG, რომლის ზომაც არ აღემატება 1024 × 1024 პიქსელს.</translation>
    </message>
    <message>
        <source>That file could not be read as a PNG.</source>
        <translation>ამ ფაილის PNG-ად წაკითხვა ვერ მოხერხდა.</translation>
    </message>
    <message>
        <source>The icon could not be saved: %1</source>
        <translation>ხატულის შენახვა ვერ მოხერხდა: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>ვერ გაიხსნა %1: %2</translation>
    </message>
    <message>
        <source>The Firefox session file %1 is too large to read.</source>
        <translation>Firefox-ის სესიის ფაილი %1 წასაკითხად ზედმეტად დიდია.</translation>
    </message>
    <message>
        <source>Could not read the Firefox session file %1: %2.</source>
        <translation>Firefox-ის სესიის ფაილის %1 წაკითხვა ვერ მოხერხდა: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read its profile folder in ~/.mozilla/firefox.</source>
        <translation>Kelvaro ვერ კითხულობს %1-ის გახსნილ ჩანართებს. შეამოწმეთ, შეუძლია თუ არა თქვენს მომხმარებელს მისი პროფილის საქაღალდის წაკითხვა ~/.mozilla/firefox-ში.</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs.</source>
        <translation>
            <numerusform>შენახულია %n ჩანართი.</numerusform>
            <numerusform>შენახულია %n ჩანართი.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs from %1.</source>
        <translation>
            <numerusform>%1-დან შენახულია %n ჩანართი.</numerusform>
            <numerusform>%1-დან შენახულია %n ჩანართი.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%2-დან %1</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs — %1.</source>
        <translation>
            <numerusform>შენახულია %n ჩანართი — %1.</numerusform>
            <numerusform>შენახულია %n ჩანართი — %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier capture kept.</source>
        <translation>შენარჩუნებულია 1 წინა შენახვა.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier captures kept.</source>
        <translation>
            <numerusform>შენარჩუნებულია %n წინა შენახვა.</numerusform>
            <numerusform>შენარჩუნებულია %n წინა შენახვა.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 tab</source>
        <translation>1 ჩანართი</translation>
    </message>
    <message numerus="yes">
        <source>%n tabs</source>
        <translation>
            <numerusform>%n ჩანართი</numerusform>
            <numerusform>%n ჩანართი</numerusform>
        </translation>
    </message>
    <message>
        <source>Browsers &amp; Tabs</source>
        <translation>ბრაუზერები და ჩანართები</translation>
    </message>
    <message>
        <source>Reads every tab open in Chrome, Brave, Edge, Vivaldi, Opera, Chromium and Firefox from the session files in their profile folders, and keeps them here so you can reopen them after the browser is closed. Each capture is kept as its own session; the ring shows the chosen one, ten tabs at a time.</source>
        <translation>კითხულობს Chrome-ში, Brave-ში, Edge-ში, Vivaldi-ში, Opera-ში, Chromium-სა და Firefox-ში გახსნილ ყველა ჩანართს მათი პროფილის საქაღალდეებში არსებული სესიის ფაილებიდან და ინახავს აქ, რათა ბრაუზერის დახურვის შემდეგაც შეძლოთ მათი ხელახლა გახსნა. თითოეული შენახვა ცალკე სესიად ინახება; რგოლი არჩეულ სესიას აჩვენებს, ერთ ჯერზე ათ ჩანართს.</translation>
    </message>
    <message>
        <source>Nothing captured yet</source>
        <translation>ჯერ არაფერია შენახული</translation>
    </message>
    <message>
        <source>Capturing…</source>
        <translation>მიმდინარეობს შენახვა…</translation>
    </message>
    <message>
        <source>Capture Tabs</source>
        <translation>ჩანართების შენახვა</translation>
    </message>
    <message>
        <source>Rename this capture</source>
        <translation>ამ შენახვის სახელის გადარქმევა</translation>
    </message>
    <message>
        <source>Delete this capture</source>
        <translation>ამ შენახვის წაშლა</translation>
    </message>
    <message>
        <source>No tabs captured yet.</source>
        <translation>ჩანართები ჯერ არ შეგინახავთ.</translation>
    </message>
    <message>
        <source>Open a browser and capture what it has open.</source>
        <translation>გახსენით ბრაუზერი და შეინახეთ მასში გახსნილი ჩანართები.</translation>
    </message>
    <message>
        <source>No open tabs to capture.</source>
        <translation>შესანახი გახსნილი ჩანართები არ არის.</translation>
    </message>
    <message>
        <source>Rename Capture</source>
        <translation>შენახვის სახელის გადარქმევა</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>სახელის გადარქმევა</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>შენახვები</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>აპის დამატება</translation>
    </message>
    <message>
        <source>1 app</source>
        <translation>1 აპი</translation>
    </message>
    <message numerus="yes">
        <source>%n apps</source>
        <translation>
            <numerusform>%n აპი</numerusform>
            <numerusform>%n აპი</numerusform>
        </translation>
    </message>
    <message>
        <source>No apps added yet.</source>
        <translation>აპები ჯერ არ დაგიმატებიათ.</translation>
    </message>
    <message>
        <source>Choose apps this launcher should show in the ring.</source>
        <translation>აირჩიეთ აპები, რომლებიც ამ გამშვებმა რგოლში უნდა აჩვენოს.</translation>
    </message>
    <message>
        <source>Launchers &amp; Apps</source>
        <translation>გამშვებები და აპები</translation>
    </message>
    <message>
        <source>New Launcher</source>
        <translation>ახალი გამშვები</translation>
    </message>
    <message>
        <source>Rename Launcher</source>
        <translation>გამშვების სახელის გადარქმევა</translation>
    </message>
    <message>
        <source>Opens this launcher.</source>
        <translation>ხსნის ამ გამშვებს.</translation>
    </message>
    <message>
        <source>No launchers yet</source>
        <translation>გამშვებები ჯერ არ არის</translation>
    </message>
    <message>
        <source>Add Launcher</source>
        <translation>გამშვების დამატება</translation>
    </message>
    <message>
        <source>Rename this launcher</source>
        <translation>ამ გამშვების სახელის გადარქმევა</translation>
    </message>
    <message>
        <source>Delete this launcher</source>
        <translation>ამ გამშვების წაშლა</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>გამშვებები</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>შემოთავაზება</translation>
    </message>
    <message>
        <source>Apps &amp; Shortcuts</source>
        <translation>აპები და მალსახმობები</translation>
    </message>
    <message>
        <source>1 shortcut</source>
        <translation>1 მალსახმობი</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts</source>
        <translation>
            <numerusform>%n მალსახმობი</numerusform>
            <numerusform>%n მალსახმობი</numerusform>
        </translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>აპის არჩევა</translation>
    </message>
    <message>
        <source>Choose an application to add shortcuts for</source>
        <translation>აირჩიეთ აპლიკაცია, რომლისთვისაც გსურთ მალსახმობების დამატება</translation>
    </message>
    <message>
        <source>No apps added yet</source>
        <translation>აპები ჯერ არ დაგიმატებიათ</translation>
    </message>
    <message>
        <source>Remove this app</source>
        <translation>ამ აპის წაშლა</translation>
    </message>
    <message>
        <source>Add suggested shortcuts for this app</source>
        <translation>ამ აპისთვის შემოთავაზებული მალსახმობების დამატება</translation>
    </message>
    <message>
        <source>Add keyboard shortcuts, text snippets or links for %1.</source>
        <translation>დაამატეთ კლავიატურის მალსახმობები, ტექსტის ფრაგმენტები ან ბმულები %1-ისთვის.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>აპლიკაციები</translation>
    </message>
    <message>
        <source>Kelvaro is Now Running</source>
        <translation>Kelvaro ახლა გაშვებულია</translation>
    </message>
    <message>
        <source>The two rings</source>
        <translation>ორი რგოლი</translation>
    </message>
    <message>
        <source>Hold its shortcut, aim at an app with the pointer, let go. The ring opens around your pointer or in the middle of the display — your choice, under Settings › General.</source>
        <translation>დაიჭირეთ მისი მალსახმობი, მაჩვენებლით დაუმიზნეთ აპს და აუშვით. რგოლი იხსნება მაჩვენებლის გარშემო ან ეკრანის შუაში — თქვენი არჩევანით: პარამეტრები › ზოგადი.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for whichever app is in front, so you can drive that app by its own keyboard shortcuts without remembering them.</source>
        <translation>ხსნის მალსახმობებს, რომლებიც წინა პლანზე მყოფი აპისთვის შეინახეთ, ასე რომ, ამ აპს მისივე კლავიატურის მალსახმობებით მართავთ და მათი დამახსოვრება არ გჭირდებათ.</translation>
    </message>
    <message>
        <source>Choosing between windows</source>
        <translation>ფანჯრებს შორის არჩევა</translation>
    </message>
    <message>
        <source>The window arc</source>
        <translation>ფანჯრების რკალი</translation>
    </message>
    <message>
        <source>When the highlighted app has more than one window, a quarter-arc appears beside it listing them. Keep moving outward onto the arc to pick a window instead of just the app.</source>
        <translation>როცა მონიშნულ აპს ერთზე მეტი ფანჯარა აქვს, მის გვერდით ჩნდება მეოთხედი რკალი მისი ფანჯრების სიით. განაგრძეთ მოძრაობა გარეთ, რკალამდე, რომ მთელი აპის ნაცვლად კონკრეტული ფანჯარა აირჩიოთ.</translation>
    </message>
    <message>
        <source>The arc never appears</source>
        <translation>რკალი არასდროს ჩნდება</translation>
    </message>
    <message>
        <source>It only appears for an app with more than one window: an app with a single window has nothing to choose between, so the arc stays hidden.</source>
        <translation>ის მხოლოდ ერთზე მეტი ფანჯრის მქონე აპისთვის ჩნდება: ერთფანჯრიან აპში ასარჩევი არაფერია, ამიტომ რკალი დამალული რჩება.</translation>
    </message>
    <message>
        <source>Changing a binding</source>
        <translation>კლავიშების მინიჭების შეცვლა</translation>
    </message>
    <message>
        <source>Settings › Switcher or Shortcuts, then click the recorder and press the combination you want. Add Ctrl, Alt or Super so it can&apos;t fire while you&apos;re typing.</source>
        <translation>გახსენით პარამეტრები › გადამრთველი ან მალსახმობები, დააწკაპუნეთ ჩამწერზე და დააჭირეთ სასურველ კომბინაციას. დაამატეთ Ctrl, Alt ან Super, რომ ბეჭდვისას შემთხვევით არ ამოქმედდეს.</translation>
    </message>
    <message>
        <source>Hold versus toggle</source>
        <translation>დაჭერა თუ გადართვა</translation>
    </message>
    <message>
        <source>By default the ring stays open while you hold the shortcut&apos;s modifiers and commits when you let go. Settings › General can switch it to stay open until you press again or click.</source>
        <translation>ნაგულისხმევად რგოლი ღია რჩება, სანამ მალსახმობის მოდიფიკატორებს უჭირავთ, და მათი აშვებისას არჩევანი დასტურდება. აქ: პარამეტრები › ზოგადი შეგიძლიათ ისე გადართოთ, რომ რგოლი ღია დარჩეს, სანამ ხელახლა არ დააჭერთ ან არ დააწკაპუნებთ.</translation>
    </message>
    <message>
        <source>If nothing happens</source>
        <translation>თუ არაფერი ხდება</translation>
    </message>
    <message>
        <source>Desktop access</source>
        <translation>სამუშაო მაგიდაზე წვდომა</translation>
    </message>
    <message>
        <source>Global shortcuts need an X11 session, and reading menus or typing passwords needs the accessibility bus. Settings shows a banner whenever something is missing, with a button that turns the accessibility bus on.</source>
        <translation>გლობალურ მალსახმობებს X11 სესია სჭირდება, მენიუების წაკითხვასა და პაროლების აკრეფას კი — მისაწვდომობის სალტე. როცა რამე აკლია, პარამეტრებში ჩნდება ბანერი ღილაკით, რომელიც მისაწვდომობის სალტეს რთავს.</translation>
    </message>
    <message>
        <source>Finding the app</source>
        <translation>აპის პოვნა</translation>
    </message>
    <message>
        <source>Kelvaro has no window of its own on purpose. It lives in the tray; closing a window doesn&apos;t quit it.</source>
        <translation>Kelvaro-ს განზრახ არ აქვს საკუთარი ფანჯარა. ის სისტემურ ლანგარში ცხოვრობს; ფანჯრის დახურვით ის არ ითიშება.</translation>
    </message>
    <message>
        <source>Starting over</source>
        <translation>თავიდან დაწყება</translation>
    </message>
    <message>
        <source>Starting Kelvaro again while it runs opens its settings, or the walkthrough while that is unfinished.</source>
        <translation>თუ Kelvaro-ს ხელახლა გაუშვებთ, როცა ის უკვე მუშაობს, გაიხსნება მისი პარამეტრები, ან გზამკვლევი, თუ ის ჯერ არ დაგისრულებიათ.</translation>
    </message>
    <message>
        <source>This is the cause of most &quot;nothing happens&quot; reports.</source>
        <translation>სწორედ ეს არის „არაფერი ხდება“ ტიპის შეტყობინებების უმეტესობის მიზეზი.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer.</source>
        <translation>ყველა გახსნილი აპი — რგოლში, თქვენი მაჩვენებლის გარშემო.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>მხარდაჭერასთან დაკავშირება</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>მხარდაჭერის გვერდი</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>კონფიდენციალურობის პოლიტიკა</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>გამოყენების პირობები</translation>
    </message>
    <message>
        <source>Kelvaro %1</source>
        <translation>Kelvaro %1</translation>
    </message>
    <message>
        <source>Your apps, shortcuts and passwords stay on this computer.</source>
        <translation>თქვენი აპები, მალსახმობები და პაროლები ამ კომპიუტერზე რჩება.</translation>
    </message>
    <message>
        <source>Show this message on app launch</source>
        <translation>ამ შეტყობინების ჩვენება აპის გაშვებისას</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>პარამეტრები…</translation>
    </message>
    <message>
        <source>Press %1 to open the ring</source>
        <translation>რგოლის გასახსნელად დააჭირეთ %1</translation>
    </message>
    <message>
        <source>No shortcut is assigned yet. Open Settings to choose one.</source>
        <translation>მალსახმობი ჯერ არ არის მინიჭებული. გახსენით პარამეტრები და აირჩიეთ.</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>X11 სესია</translation>
    </message>
    <message>
        <source>Global keys</source>
        <translation>გლობალური კლავიშები</translation>
    </message>
    <message>
        <source>Accessibility bus</source>
        <translation>მისაწვდომობის სალტე</translation>
    </message>
    <message>
        <source>Start Using Kelvaro</source>
        <translation>Kelvaro-ს გამოყენების დაწყება</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>გაგრძელება</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>აირჩიეთ ენა</translation>
    </message>
    <message>
        <source>Kelvaro speaks 17 languages. Pick one, or let it follow your system.</source>
        <translation>Kelvaro 17 ენაზე საუბრობს. აირჩიეთ ერთ-ერთი ან გამოიყენეთ სისტემის ენა.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer. One keystroke away.</source>
        <translation>ყველა გახსნილი აპი — რგოლში, თქვენი მაჩვენებლის გარშემო. სულ ერთი კლავიშის დაჭერით.</translation>
    </message>
    <message>
        <source>Notices the one shortcut you choose</source>
        <translation>ამჩნევს მხოლოდ ერთ მალსახმობს, რომელსაც თქვენ აირჩევთ</translation>
    </message>
    <message>
        <source>Switches apps and sends shortcuts you set up</source>
        <translation>გადართავს აპებს და აგზავნის თქვენ მიერ დაყენებულ მალსახმობებს</translation>
    </message>
    <message>
        <source>Never reads what you type</source>
        <translation>არასდროს კითხულობს იმას, რასაც კრეფთ</translation>
    </message>
    <message>
        <source>Sends nothing it sees here — that stays on this computer</source>
        <translation>არაფერს აგზავნის იმისგან, რასაც აქ ხედავს — ეს ამ კომპიუტერზე რჩება</translation>
    </message>
    <message>
        <source>Needs an X11 Session</source>
        <translation>საჭიროა X11 სესია</translation>
    </message>
    <message>
        <source>Turn On the Accessibility Bus</source>
        <translation>მისაწვდომობის სალტის ჩართვა</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>ყველაფერი მზადაა</translation>
    </message>
    <message>
        <source>Let Kelvaro see your shortcut</source>
        <translation>ნება დართეთ Kelvaro-ს, დაინახოს თქვენი მალსახმობი</translation>
    </message>
    <message>
        <source>Global keys work and the accessibility bus is on. Nothing else to set up.</source>
        <translation>გლობალური კლავიშები მუშაობს და მისაწვდომობის სალტე ჩართულია. სხვა არაფრის მორგება არ არის საჭირო.</translation>
    </message>
    <message>
        <source>Linux needs two things for this: an X11 session for the global keys, and the accessibility bus for reading menus and typing passwords.</source>
        <translation>ამისთვის Linux-ს ორი რამ სჭირდება: X11 სესია გლობალური კლავიშებისთვის და მისაწვდომობის სალტე მენიუების წასაკითხად და პაროლების ასაკრეფად.</translation>
    </message>
    <message>
        <source>No shortcut set</source>
        <translation>მალსახმობი არ არის დაყენებული</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>ჩაწერა</translation>
    </message>
    <message>
        <source>Record a different shortcut</source>
        <translation>სხვა მალსახმობის ჩაწერა</translation>
    </message>
    <message>
        <source>Use the default instead</source>
        <translation>ნაგულისხმევის გამოყენება</translation>
    </message>
    <message>
        <source>Hold it — the ring opens.</source>
        <translation>დაიჭირეთ — რგოლი გაიხსნება.</translation>
    </message>
    <message>
        <source>Point at the app you want.</source>
        <translation>დაუმიზნეთ სასურველ აპს.</translation>
    </message>
    <message>
        <source>Let go — Kelvaro switches to it.</source>
        <translation>აუშვით — Kelvaro მასზე გადაერთვება.</translation>
    </message>
    <message>
        <source>Your shortcut</source>
        <translation>თქვენი მალსახმობი</translation>
    </message>
    <message>
        <source>This is what opens the ring. Keep it, or record your own.</source>
        <translation>სწორედ ეს ხსნის რგოლს. დატოვეთ ის ან ჩაწერეთ საკუთარი.</translation>
    </message>
    <message>
        <source>Click the Kelvaro icon in the tray.</source>
        <translation>დააწკაპუნეთ Kelvaro-ს ხატულაზე სისტემურ ლანგარში.</translation>
    </message>
    <message>
        <source>Settings — add apps, edit shortcuts, change keys.</source>
        <translation>პარამეტრები — აპების დამატება, მალსახმობების ჩასწორება, კლავიშების შეცვლა.</translation>
    </message>
    <message>
        <source>Kelvaro lives in the tray</source>
        <translation>Kelvaro სისტემურ ლანგარში ცხოვრობს</translation>
    </message>
    <message>
        <source>It has no window of its own on purpose. Close a window and it keeps running — everything stays one click away in the tray.</source>
        <translation>მას განზრახ არ აქვს საკუთარი ფანჯარა. დახურეთ ფანჯარა და ის მაინც იმუშავებს — ყველაფერი სისტემურ ლანგარში, ერთი დაწკაპუნების მანძილზეა.</translation>
    </message>
    <message>
        <source>Your settings file was damaged after Kelvaro read it. The damaged file is kept as %1, and your settings were saved again.</source>
        <translation>პარამეტრების ფაილი დაზიანდა მას შემდეგ, რაც Kelvaro-მ ის წაიკითხა. დაზიანებული ფაილი შენახულია როგორც %1, თქვენი პარამეტრები კი ხელახლა შეინახა.</translation>
    </message>
    <message>
        <source>A change to your settings was not made: it would have made the settings file %1 too large to read back.</source>
        <translation>პარამეტრების ცვლილება არ განხორციელდა: ის პარამეტრების ფაილს %1 ხელახლა წასაკითხად ზედმეტად გაზრდიდა.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: their addresses are longer than %1 characters.</source>
        <translation>
            <numerusform>%Ln ჩანართი გამოტოვებულია: მისი მისამართი %1 სიმბოლოზე გრძელია.</numerusform>
            <numerusform>%Ln ჩანართი გამოტოვებულია: მათი მისამართები %1 სიმბოლოზე გრძელია.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: a capture keeps at most %1 tabs.</source>
        <translation>
            <numerusform>%Ln ჩანართი გამოტოვებულია: ერთი შენახვა მაქსიმუმ %1 ჩანართს ინახავს.</numerusform>
            <numerusform>%Ln ჩანართი გამოტოვებულია: ერთი შენახვა მაქსიმუმ %1 ჩანართს ინახავს.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: the capture would have been too large to keep.</source>
        <translation>
            <numerusform>%Ln ჩანართი გამოტოვებულია: შენახვა შესანარჩუნებლად ზედმეტად დიდი იქნებოდა.</numerusform>
            <numerusform>%Ln ჩანართი გამოტოვებულია: შენახვა შესანარჩუნებლად ზედმეტად დიდი იქნებოდა.</numerusform>
        </translation>
    </message>
    <message>
        <source>The capture was not kept: your settings file would have grown too large.</source>
        <translation>შენახვა არ შენარჩუნდა: თქვენი პარამეტრების ფაილი ზედმეტად გაიზრდებოდა.</translation>
    </message>
    <message>
        <source>That password was not accepted. Try again.</source>
        <translation>ეს პაროლი არ იქნა მიღებული. სცადეთ ხელახლა.</translation>
    </message>
    <message>
        <source>Your login password was not accepted. No saved password was released.</source>
        <translation>თქვენი სისტემაში შესვლის პაროლი არ იქნა მიღებული. არცერთი შენახული პაროლი არ გაცემულა.</translation>
    </message>
    <message>
        <source>Enter your login password to use saved passwords.</source>
        <translation>შენახული პაროლების გამოსაყენებლად შეიყვანეთ სისტემაში შესვლის პაროლი.</translation>
    </message>
    <message numerus="yes">
        <source>The window you chose was closed or is no longer in front. Your password is on the clipboard for %n seconds.</source>
        <translation>
            <numerusform>არჩეული ფანჯარა დაიხურა ან აღარ არის წინა პლანზე. თქვენი პაროლი ბუფერში იქნება %n წამის განმავლობაში.</numerusform>
            <numerusform>არჩეული ფანჯარა დაიხურა ან აღარ არის წინა პლანზე. თქვენი პაროლი ბუფერში იქნება %n წამის განმავლობაში.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The password did not arrive in the field. It is on the clipboard for %n seconds: paste it there yourself.</source>
        <translation>
            <numerusform>პაროლი ველში ვერ მოხვდა. ის ბუფერში იქნება %n წამის განმავლობაში: თავად ჩასვით იქ.</numerusform>
            <numerusform>პაროლი ველში ვერ მოხვდა. ის ბუფერში იქნება %n წამის განმავლობაში: თავად ჩასვით იქ.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 did not take the password. It is on the clipboard for %n seconds: paste it into the field yourself.</source>
        <translation>
            <numerusform>%1-მა პაროლი არ მიიღო. ის ბუფერში იქნება %n წამის განმავლობაში: თავად ჩასვით ველში.</numerusform>
            <numerusform>%1-მა პაროლი არ მიიღო. ის ბუფერში იქნება %n წამის განმავლობაში: თავად ჩასვით ველში.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No text field had the focus. Your password is on the clipboard for %n seconds: paste it.</source>
        <translation>
            <numerusform>არცერთი ტექსტური ველი არ იყო ფოკუსში. თქვენი პაროლი ბუფერში იქნება %n წამის განმავლობაში: ჩასვით ის.</numerusform>
            <numerusform>არცერთი ტექსტური ველი არ იყო ფოკუსში. თქვენი პაროლი ბუფერში იქნება %n წამის განმავლობაში: ჩასვით ის.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your own icon: a PNG of at most 1 MB and 1024 × 1024 pixels.</source>
        <translation>საკუთარი ხატულა: PNG, არაუმეტეს 1 MB-ისა და 1024 × 1024 პიქსელისა.</translation>
    </message>
    <message>
        <source>A name is needed.</source>
        <translation>საჭიროა სახელი.</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]</source>
        <translation>გამოყენება: %1 [--help | --version]</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>ამ დახმარების ჩვენება და გასვლა.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>ვერსიის ჩვენება და გასვლა.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: this Wayland session has no XWayland (DISPLAY is not set).</source>
        <translation>Kelvaro-ს X11 სესია სჭირდება: ამ Wayland სესიას XWayland არ აქვს (DISPLAY არ არის დაყენებული).</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: DISPLAY is not set.</source>
        <translation>Kelvaro-ს X11 სესია სჭირდება: DISPLAY არ არის დაყენებული.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: the display %1 cannot be opened.</source>
        <translation>Kelvaro-ს X11 სესია სჭირდება: ეკრანი %1 ვერ იხსნება.</translation>
    </message>
    <message>
        <source>This build of Kelvaro cannot send usage data.</source>
        <translation>Kelvaro-ს ამ აწყობას გამოყენების მონაცემების გაგზავნა არ შეუძლია.</translation>
    </message>
    <message>
        <source>Already used by %1.</source>
        <translation>უკვე გამოიყენება: %1.</translation>
    </message>
    <message>
        <source>Empty Bin</source>
        <translation>ნაგვის ყუთის დაცლა</translation>
    </message>
    <message>
        <source>Toggle recording</source>
        <translation>ჩაწერის ჩართვა/გამორთვა</translation>
    </message>
    <message>
        <source>Could not read the session log %1: %2.</source>
        <translation>სესიის ჟურნალის %1 წაკითხვა ვერ მოხერხდა: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1: your user may not read %2.</source>
        <translation>Kelvaro-ს არ შეუძლია %1-ის ღია ჩანართების წაკითხვა: თქვენს მომხმარებელს არ აქვს %2-ის წაკითხვის უფლება.</translation>
    </message>
    <message>
        <source>%1 is running, but its session could not be read: %2</source>
        <translation>%1 გაშვებულია, მაგრამ მისი სესიის წაკითხვა ვერ მოხერხდა: %2</translation>
    </message>
    <message>
        <source>%1 is running, but Kelvaro found no session file in its profile folders.</source>
        <translation>%1 გაშვებულია, მაგრამ Kelvaro-მ მის პროფილის საქაღალდეებში სესიის ფაილი ვერ იპოვა.</translation>
    </message>
    <message>
        <source>%1 is running, but its session has no open web pages.</source>
        <translation>%1 გაშვებულია, მაგრამ მის სესიაში ღია ვებგვერდები არ არის.</translation>
    </message>
    <message>
        <source>Your saved captures were not changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>თქვენი შენახული ჩანაწერები არ შეცვლილა: ზოგიერთი მათგანის წაკითხვა ვერ მოხერხდა, ხოლო პარამეტრების ფაილში მათი ასლის შესანახად ადგილი არ არის. ისინი უცვლელად რჩება.</translation>
    </message>
    <message>
        <source>The capture was not kept: the saved captures take all the room there is. Delete captures you no longer need, then capture again.</source>
        <translation>შენახვა არ შენარჩუნდა: შენახული ჩანართები მთელ ხელმისაწვდომ ადგილს იკავებს. წაშალეთ შენახვები, რომლებიც აღარ გჭირდებათ, და შემდეგ ხელახლა შეინახეთ.</translation>
    </message>
    <message>
        <source>Your launchers cannot be changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>თქვენი გამშვებების შეცვლა შეუძლებელია: ზოგიერთი მათგანის წაკითხვა ვერ მოხერხდა, ხოლო პარამეტრების ფაილში მათი ასლის შესანახად ადგილი არ არის. ისინი უცვლელად რჩება.</translation>
    </message>
    <message>
        <source>%1: unknown option: %2</source>
        <translation>%1: უცნობი პარამეტრი: %2</translation>
    </message>
    <message>
        <source>This build of Kelvaro has no update feed.</source>
        <translation>Kelvaro-ს ამ ანაწყობს განახლებების არხი არ აქვს.</translation>
    </message>
</context>
</TS>
