<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Kelvaro</name>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Close Window</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>New Finder Window</source>
        <translation>New Finder Window</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>New Folder</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>Get Info</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>Go to Downloads</source>
        <translation>Go to Downloads</translation>
    </message>
    <message>
        <source>Show View Options</source>
        <translation>Show View Options</translation>
    </message>
    <message>
        <source>New Tab</source>
        <translation>New Tab</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>New Window</translation>
    </message>
    <message>
        <source>Close Tab</source>
        <translation>Close Tab</translation>
    </message>
    <message>
        <source>Reopen Last Tab</source>
        <translation>Reopen Last Tab</translation>
    </message>
    <message>
        <source>Reload Page</source>
        <translation>Reload Page</translation>
    </message>
    <message>
        <source>Show Reader</source>
        <translation>Show Reader</translation>
    </message>
    <message>
        <source>New Private Window</source>
        <translation>New Private Window</translation>
    </message>
    <message>
        <source>Reopen Closed Tab</source>
        <translation>Reopen Closed Tab</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>Developer Tools</source>
        <translation>Developer Tools</translation>
    </message>
    <message>
        <source>New Incognito Window</source>
        <translation>New Incognito Window</translation>
    </message>
    <message>
        <source>New Message</source>
        <translation>New Message</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Reply</translation>
    </message>
    <message>
        <source>Reply All</source>
        <translation>Reply All</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Mailbox Search</source>
        <translation>Mailbox Search</translation>
    </message>
    <message>
        <source>New Note</source>
        <translation>New Note</translation>
    </message>
    <message>
        <source>Checklist</source>
        <translation>Checklist</translation>
    </message>
    <message>
        <source>Attach File</source>
        <translation>Attach File</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Emoji &amp; Symbols</source>
        <translation>Emoji &amp; Symbols</translation>
    </message>
    <message>
        <source>New Event</source>
        <translation>New Event</translation>
    </message>
    <message>
        <source>Go to Today</source>
        <translation>Go to Today</translation>
    </message>
    <message>
        <source>Day View</source>
        <translation>Day View</translation>
    </message>
    <message>
        <source>Week View</source>
        <translation>Week View</translation>
    </message>
    <message>
        <source>Month View</source>
        <translation>Month View</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <translation>Clear Screen</translation>
    </message>
    <message>
        <source>Split Pane</source>
        <translation>Split Pane</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Build</translation>
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
        <translation>Open Quickly</translation>
    </message>
    <message>
        <source>Show Canvas / Assistant</source>
        <translation>Show Canvas / Assistant</translation>
    </message>
    <message>
        <source>Quick Open</source>
        <translation>Quick Open</translation>
    </message>
    <message>
        <source>Command Palette</source>
        <translation>Command Palette</translation>
    </message>
    <message>
        <source>Toggle Terminal</source>
        <translation>Toggle Terminal</translation>
    </message>
    <message>
        <source>Toggle Sidebar</source>
        <translation>Toggle Sidebar</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>New File</translation>
    </message>
    <message>
        <source>Quick Switcher</source>
        <translation>Quick Switcher</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Threads</translation>
    </message>
    <message>
        <source>Mentions &amp; Reactions</source>
        <translation>Mentions &amp; Reactions</translation>
    </message>
    <message>
        <source>Toggle Mute</source>
        <translation>Toggle Mute</translation>
    </message>
    <message>
        <source>Toggle Deafen</source>
        <translation>Toggle Deafen</translation>
    </message>
    <message>
        <source>Inbox</source>
        <translation>Inbox</translation>
    </message>
    <message>
        <source>Emoji Picker</source>
        <translation>Emoji Picker</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Actual Size</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Slideshow</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Rotate Left</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>Next Track</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>Previous Track</translation>
    </message>
    <message>
        <source>Shuffle</source>
        <translation>Shuffle</translation>
    </message>
    <message>
        <source>Show Queue</source>
        <translation>Show Queue</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>New Album</source>
        <translation>New Album</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favourite</translation>
    </message>
    <message>
        <source>Mute Audio</source>
        <translation>Mute Audio</translation>
    </message>
    <message>
        <source>Start Video</source>
        <translation>Start Video</translation>
    </message>
    <message>
        <source>Share Screen</source>
        <translation>Share Screen</translation>
    </message>
    <message>
        <source>Show Chat</source>
        <translation>Show Chat</translation>
    </message>
    <message>
        <source>Show Participants</source>
        <translation>Show Participants</translation>
    </message>
    <message>
        <source>New Page</source>
        <translation>New Page</translation>
    </message>
    <message>
        <source>Add Comment</source>
        <translation>Add Comment</translation>
    </message>
    <message>
        <source>To-do List</source>
        <translation>To-do List</translation>
    </message>
    <message>
        <source>Frame Tool</source>
        <translation>Frame Tool</translation>
    </message>
    <message>
        <source>Move Tool</source>
        <translation>Move Tool</translation>
    </message>
    <message>
        <source>Text Tool</source>
        <translation>Text Tool</translation>
    </message>
    <message>
        <source>Pen Tool</source>
        <translation>Pen Tool</translation>
    </message>
    <message>
        <source>Group Selection</source>
        <translation>Group Selection</translation>
    </message>
    <message>
        <source>New Document</source>
        <translation>New Document</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Export to PDF</translation>
    </message>
    <message>
        <source>New Spreadsheet</source>
        <translation>New Spreadsheet</translation>
    </message>
    <message>
        <source>Add Row Above</source>
        <translation>Add Row Above</translation>
    </message>
    <message>
        <source>Insert Chart</source>
        <translation>Insert Chart</translation>
    </message>
    <message>
        <source>New Presentation</source>
        <translation>New Presentation</translation>
    </message>
    <message>
        <source>Play Slideshow</source>
        <translation>Play Slideshow</translation>
    </message>
    <message>
        <source>New Slide</source>
        <translation>New Slide</translation>
    </message>
    <message>
        <source>Presenter Display</source>
        <translation>Presenter Display</translation>
    </message>
    <message>
        <source>Saved earlier</source>
        <translation>Saved earlier</translation>
    </message>
    <message>
        <source>No supported browser is running.</source>
        <translation>No supported browser is running.</translation>
    </message>
    <message>
        <source>Could not read %1's tabs.</source>
        <translation>Could not read %1's tabs.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser's profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser's profile folder in ~/.config and its Sessions folder.</translation>
    </message>
</context>
</TS>
