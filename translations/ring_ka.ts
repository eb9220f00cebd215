<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ka">
<context>
    <name>Kelvaro</name>
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
        <source>Could not read %1's tabs.</source>
        <translation>%1-ის ჩანართების წაკითხვა ვერ მოხერხდა.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser's profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro ვერ კითხულობს %1-ის გახსნილ ჩანართებს. შეამოწმეთ, შეუძლია თუ არა თქვენს მომხმარებელს ბრაუზერის პროფილის საქაღალდის წაკითხვა ~/.config-ში და მისი Sessions საქაღალდის.</translation>
    </message>
</context>
</TS>
