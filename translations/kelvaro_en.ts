<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Kelvaro</name>
    <message>
        <source>Kelvaro</source>
        <translation>Kelvaro</translation>
    </message>
    <message>
        <source>Show App Switcher</source>
        <translation>Show App Switcher</translation>
    </message>
    <message>
        <source>Show Shortcut Launcher</source>
        <translation>Show Shortcut Launcher</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Start at Login</translation>
    </message>
    <message>
        <source>Show Message at Launch</source>
        <translation>Show Message at Launch</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Kelvaro Help</source>
        <translation>Kelvaro Help</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Check for Updates…</translation>
    </message>
    <message>
        <source>Quit Kelvaro</source>
        <translation>Quit Kelvaro</translation>
    </message>
    <message>
        <source>Kelvaro Settings</source>
        <translation>Kelvaro Settings</translation>
    </message>
    <message>
        <source>Welcome to Kelvaro</source>
        <translation>Welcome to Kelvaro</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Full Screen</translation>
    </message>
    <message>
        <source>Window %1</source>
        <translation>Window %1</translation>
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
        <translation>Space</translation>
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
        <translation>Left Arrow</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Right Arrow</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Up Arrow</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Down Arrow</translation>
    </message>
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
        <source>Could not read %1&apos;s tabs.</source>
        <translation>Could not read %1&apos;s tabs.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser&apos;s profile folder in ~/.config and its Sessions folder.</source>
        <translation>Kelvaro cannot read the open tabs of %1. Check that your user may read the browser&apos;s profile folder in ~/.config and its Sessions folder.</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Passwords</translation>
    </message>
    <message>
        <source>Add App to Launcher</source>
        <translation>Add App to Launcher</translation>
    </message>
    <message>
        <source>Choose an app to add to the ring.</source>
        <translation>Choose an app to add to the ring.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Software Update</translation>
    </message>
    <message>
        <source>A new version is available</source>
        <translation>A new version is available</translation>
    </message>
    <message>
        <source>Kelvaro %1 is ready. You have %2.</source>
        <translation>Kelvaro %1 is ready. You have %2.</translation>
    </message>
    <message>
        <source>Couldn&apos;t check for updates</source>
        <translation>Couldn&apos;t check for updates</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Checking for updates…</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>You&apos;re up to date</translation>
    </message>
    <message>
        <source>Kelvaro %1 is the latest version.</source>
        <translation>Kelvaro %1 is the latest version.</translation>
    </message>
    <message>
        <source>No update feed is configured.</source>
        <translation>No update feed is configured.</translation>
    </message>
    <message>
        <source>Couldn&apos;t reach the update server.</source>
        <translation>Couldn&apos;t reach the update server.</translation>
    </message>
    <message>
        <source>Skip This Version</source>
        <translation>Skip This Version</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvaro now sends anonymous usage data</source>
        <translation>Kelvaro now sends anonymous usage data</translation>
    </message>
    <message>
        <source>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</source>
        <translation>Earlier versions sent nothing at all. This one reports when the app launches, when a ring is opened and how many tabs a capture found.</translation>
    </message>
    <message>
        <source>No window titles, no URLs, no file paths, and nothing you type.</source>
        <translation>No window titles, no URLs, no file paths, and nothing you type.</translation>
    </message>
    <message>
        <source>Keep it on</source>
        <translation>Keep it on</translation>
    </message>
    <message>
        <source>Turn it off</source>
        <translation>Turn it off</translation>
    </message>
    <message>
        <source>App Switcher</source>
        <translation>App Switcher</translation>
    </message>
    <message>
        <source>Shortcut Launcher</source>
        <translation>Shortcut Launcher</translation>
    </message>
    <message>
        <source>Saved Passwords</source>
        <translation>Saved Passwords</translation>
    </message>
    <message>
        <source>Saved Tabs</source>
        <translation>Saved Tabs</translation>
    </message>
    <message>
        <source>Opens the ring of running apps.</source>
        <translation>Opens the ring of running apps.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for the app in front.</source>
        <translation>Opens the shortcuts you saved for the app in front.</translation>
    </message>
    <message>
        <source>Opens the ring of your saved passwords.</source>
        <translation>Opens the ring of your saved passwords.</translation>
    </message>
    <message>
        <source>Hold modifiers</source>
        <translation>Hold modifiers</translation>
    </message>
    <message>
        <source>Keep the modifier keys held to aim with the mouse, then release to choose.</source>
        <translation>Keep the modifier keys held to aim with the mouse, then release to choose.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Toggle</translation>
    </message>
    <message>
        <source>The ring stays open after you let go. Press the shortcut again or click to choose.</source>
        <translation>The ring stays open after you let go. Press the shortcut again or click to choose.</translation>
    </message>
    <message>
        <source>At the pointer</source>
        <translation>At the pointer</translation>
    </message>
    <message>
        <source>The ring opens around the pointer, so it is always within reach.</source>
        <translation>The ring opens around the pointer, so it is always within reach.</translation>
    </message>
    <message>
        <source>Centre of the display</source>
        <translation>Centre of the display</translation>
    </message>
    <message>
        <source>The ring always opens in the middle of the display.</source>
        <translation>The ring always opens in the middle of the display.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</source>
        <translation>No shortcut assigned — the %1 can&apos;t be opened from the keyboard.</translation>
    </message>
    <message>
        <source>Add ⌘, ⌥ or ⌃ so this shortcut can&apos;t interrupt typing.</source>
        <translation>Add Ctrl, Alt or Super so this shortcut can&apos;t interrupt typing.</translation>
    </message>
    <message>
        <source>Already used by %1. Pick a different combination.</source>
        <translation>Already used by %1. Pick a different combination.</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return switches, Escape dismisses.</source>
        <translation>Arrow keys choose, Return switches, Escape dismisses.</translation>
    </message>
    <message>
        <source>No apps</source>
        <translation>No apps</translation>
    </message>
    <message>
        <source>%1, %2 of %3</source>
        <translation>%1, %2 of %3</translation>
    </message>
    <message>
        <source>%1, window %2 of %3: %4</source>
        <translation>%1, window %2 of %3: %4</translation>
    </message>
    <message>
        <source>Arrow keys choose, Return runs the shortcut, Escape dismisses.</source>
        <translation>Arrow keys choose, Return runs the shortcut, Escape dismisses.</translation>
    </message>
    <message>
        <source>No shortcuts</source>
        <translation>No shortcuts</translation>
    </message>
    <message>
        <source>Password %1</source>
        <translation>Password %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
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
        <translation>Key %1</translation>
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
        <translation>Kelvaro Ring</translation>
    </message>
    <message>
        <source>Kelvaro App Switcher</source>
        <translation>Kelvaro App Switcher</translation>
    </message>
    <message>
        <source>Your desktop already uses this for %1. It may not reach Kelvaro.</source>
        <translation>Your desktop already uses this for %1. It may not reach Kelvaro.</translation>
    </message>
    <message>
        <source>switching windows</source>
        <translation>switching windows</translation>
    </message>
    <message>
        <source>switching windows backwards</source>
        <translation>switching windows backwards</translation>
    </message>
    <message>
        <source>closing the window</source>
        <translation>closing the window</translation>
    </message>
    <message>
        <source>running a command</source>
        <translation>running a command</translation>
    </message>
    <message>
        <source>locking the screen</source>
        <translation>locking the screen</translation>
    </message>
    <message>
        <source>showing the desktop</source>
        <translation>showing the desktop</translation>
    </message>
    <message>
        <source>opening a terminal</source>
        <translation>opening a terminal</translation>
    </message>
    <message>
        <source>logging out</source>
        <translation>logging out</translation>
    </message>
    <message>
        <source>switching to a text console</source>
        <translation>switching to a text console</translation>
    </message>
    <message>
        <source>You can turn it off now, or at any time in Settings › General › Privacy.</source>
        <translation>You can turn it off now, or at any time in Settings › General › Privacy.</translation>
    </message>
    <message>
        <source>Global hotkeys need an X11 session. Choose an X11 (Xorg) session on the login screen, then start Kelvaro again.</source>
        <translation>Global hotkeys need an X11 session. Choose an X11 (Xorg) session on the login screen, then start Kelvaro again.</translation>
    </message>
    <message>
        <source>Global Hotkeys Unavailable</source>
        <translation>Global Hotkeys Unavailable</translation>
    </message>
    <message>
        <source>Keyboard Access Refused</source>
        <translation>Keyboard Access Refused</translation>
    </message>
    <message>
        <source>Accessibility Access Required</source>
        <translation>Accessibility Access Required</translation>
    </message>
    <message>
        <source>This is not an X11 session, so Kelvaro cannot watch global hotkeys or raise windows.</source>
        <translation>This is not an X11 session, so Kelvaro cannot watch global hotkeys or raise windows.</translation>
    </message>
    <message>
        <source>The X server did not let Kelvaro watch the keyboard, so hotkeys cannot open the rings.</source>
        <translation>The X server did not let Kelvaro watch the keyboard, so hotkeys cannot open the rings.</translation>
    </message>
    <message>
        <source>The accessibility bus is off. Kelvaro needs it to read windows, menus and text fields.</source>
        <translation>The accessibility bus is off. Kelvaro needs it to read windows, menus and text fields.</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Turn On</translation>
    </message>
    <message>
        <source>Why?</source>
        <translation>Why?</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Try Again</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Small</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>Relaxed</source>
        <translation>Relaxed</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Brisk</source>
        <translation>Brisk</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Open at login</translation>
    </message>
    <message>
        <source>Start Kelvaro automatically when you sign in.</source>
        <translation>Start Kelvaro automatically when you sign in.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Startup</translation>
    </message>
    <message>
        <source>Send anonymous usage data</source>
        <translation>Send anonymous usage data</translation>
    </message>
    <message>
        <source>Launches, rings opened, and how many tabs a capture found. Never window titles, URLs, file paths or anything you type.</source>
        <translation>Launches, rings opened, and how many tabs a capture found. Never window titles, URLs, file paths or anything you type.</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacy</translation>
    </message>
    <message>
        <source>Behaviour</source>
        <translation>Behaviour</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Activation</translation>
    </message>
    <message>
        <source>Open the ring</source>
        <translation>Open the ring</translation>
    </message>
    <message>
        <source>Follow the pointer across displays</source>
        <translation>Follow the pointer across displays</translation>
    </message>
    <message>
        <source>Otherwise the ring always opens on the main display.</source>
        <translation>Otherwise the ring always opens on the main display.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>Ring size</source>
        <translation>Ring size</translation>
    </message>
    <message>
        <source>Animation speed</source>
        <translation>Animation speed</translation>
    </message>
    <message>
        <source>Tilt the centre icon with the pointer</source>
        <translation>Tilt the centre icon with the pointer</translation>
    </message>
    <message>
        <source>Adds a subtle parallax to the selected app&apos;s icon.</source>
        <translation>Adds a subtle parallax to the selected app&apos;s icon.</translation>
    </message>
    <message>
        <source>Reduce Motion is on in the desktop&apos;s settings, so animations stay minimal.</source>
        <translation>Reduce Motion is on in the desktop&apos;s settings, so animations stay minimal.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation>Check for updates automatically</translation>
    </message>
    <message>
        <source>Once a day, in the background.</source>
        <translation>Once a day, in the background.</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Check Now</translation>
    </message>
    <message>
        <source>Kelvaro %1 is available</source>
        <translation>Kelvaro %1 is available</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Up to date</translation>
    </message>
    <message>
        <source>Include Ctrl, Alt or Super.</source>
        <translation>Include Ctrl, Alt or Super.</translation>
    </message>
    <message>
        <source>Keyboard shortcut</source>
        <translation>Keyboard shortcut</translation>
    </message>
    <message>
        <source>Activate to record a new shortcut. Press Escape to cancel, Delete to clear.</source>
        <translation>Activate to record a new shortcut. Press Escape to cancel, Delete to clear.</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Clear shortcut</translation>
    </message>
    <message>
        <source>Tap a key to finish · Esc to cancel</source>
        <translation>Tap a key to finish · Esc to cancel</translation>
    </message>
    <message>
        <source>Hold modifiers, then tap a key · Esc to cancel</source>
        <translation>Hold modifiers, then tap a key · Esc to cancel</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>No action</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>Move %1 up</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>Move %1 down</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Edit %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Delete %1</translation>
    </message>
    <message>
        <source>Hold to keep the wheel open</source>
        <translation>Hold to keep the wheel open</translation>
    </message>
    <message>
        <source>None selected — the wheel stays open until you click or press Escape.</source>
        <translation>None selected — the wheel stays open until you click or press Escape.</translation>
    </message>
    <message>
        <source>Keep %1 held while you aim. Release it and the wheel chooses whatever is highlighted.</source>
        <translation>Keep %1 held while you aim. Release it and the wheel chooses whatever is highlighted.</translation>
    </message>
    <message>
        <source>Key Binding</source>
        <translation>Key Binding</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>Press Shortcut</translation>
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
        <translation>space</translation>
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
        <translation>Match the system language</translation>
    </message>
    <message>
        <source>The rest of this guide uses your choice.</source>
        <translation>The rest of this guide uses your choice.</translation>
    </message>
    <message>
        <source>The interface updates right away.</source>
        <translation>The interface updates right away.</translation>
    </message>
    <message>
        <source>Relaunch Now</source>
        <translation>Relaunch Now</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Switcher</source>
        <translation>Switcher</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Shortcuts</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>Launcher</translation>
    </message>
    <message>
        <source>Tabs</source>
        <translation>Tabs</translation>
    </message>
    <message>
        <source>No passwords yet</source>
        <translation>No passwords yet</translation>
    </message>
    <message>
        <source>No shortcuts yet</source>
        <translation>No shortcuts yet</translation>
    </message>
    <message>
        <source>Select an app</source>
        <translation>Select an app</translation>
    </message>
    <message>
        <source>Ring preview</source>
        <translation>Ring preview</translation>
    </message>
    <message>
        <source>No shortcut assigned</source>
        <translation>No shortcut assigned</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Shortcut: %1</translation>
    </message>
    <message>
        <source>This page is not available in this version yet.</source>
        <translation>This page is not available in this version yet.</translation>
    </message>
    <message>
        <source>Kelvaro wants to unlock your saved passwords</source>
        <translation>Kelvaro wants to unlock your saved passwords</translation>
    </message>
    <message>
        <source>Unlock Saved Passwords</source>
        <translation>Unlock Saved Passwords</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Unlock</translation>
    </message>
    <message>
        <source>Some of your settings could not be read. The settings file as it was is kept as %1.</source>
        <translation>Some of your settings could not be read. The settings file as it was is kept as %1.</translation>
    </message>
    <message>
        <source>Your settings file could not be read, so Kelvaro started with default settings. The file is kept as %1.</source>
        <translation>Your settings file could not be read, so Kelvaro started with default settings. The file is kept as %1.</translation>
    </message>
    <message>
        <source>Your settings file %1 could not be read, so Kelvaro started with default settings.</source>
        <translation>Your settings file %1 could not be read, so Kelvaro started with default settings.</translation>
    </message>
    <message>
        <source>Your settings cannot be saved to %1 (%2). Changes are kept until Kelvaro quits.</source>
        <translation>Your settings cannot be saved to %1 (%2). Changes are kept until Kelvaro quits.</translation>
    </message>
    <message>
        <source>Choose an icon</source>
        <translation>Choose an icon</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Edit Account</translation>
    </message>
    <message>
        <source>Add Account</source>
        <translation>Add Account</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Icon</translation>
    </message>
    <message>
        <source>Work mail</source>
        <translation>Work mail</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Email / Account</source>
        <translation>Email / Account</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Add passwords for this account from the list after saving.</source>
        <translation>Add passwords for this account from the list after saving.</translation>
    </message>
    <message>
        <source>Add Another Password</source>
        <translation>Add Another Password</translation>
    </message>
    <message>
        <source>Each password is saved under this account. Several passwords open an arc on the ring.</source>
        <translation>Each password is saved under this account. Several passwords open an arc on the ring.</translation>
    </message>
    <message>
        <source>Shown in the arc when this account has more than one password.</source>
        <translation>Shown in the arc when this account has more than one password.</translation>
    </message>
    <message>
        <source>Edit Password</source>
        <translation>Edit Password</translation>
    </message>
    <message>
        <source>Add Password</source>
        <translation>Add Password</translation>
    </message>
    <message>
        <source>Add Passwords</source>
        <translation>Add Passwords</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Passwords</source>
        <translation>
            <numerusform>Add %n Password</numerusform>
            <numerusform>Add %n Passwords</numerusform>
        </translation>
    </message>
    <message>
        <source>Hide the password</source>
        <translation>Hide the password</translation>
    </message>
    <message>
        <source>Show the password</source>
        <translation>Show the password</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Remove this password</source>
        <translation>Remove this password</translation>
    </message>
    <message>
        <source>Hint (optional)</source>
        <translation>Hint (optional)</translation>
    </message>
    <message>
        <source>ends 4471</source>
        <translation>ends 4471</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Your desktop keyring did not store the password “%1”, so it was not saved. Unlock the keyring and try again.</source>
        <translation>Your desktop keyring did not store the password “%1”, so it was not saved. Unlock the keyring and try again.</translation>
    </message>
    <message>
        <source>Accounts &amp; Passwords</source>
        <translation>Accounts &amp; Passwords</translation>
    </message>
    <message>
        <source>Stored in your desktop keyring (Secret Service), readable only while your session is unlocked. Choosing one fills the focused text field when you can type, otherwise copies to the clipboard (cleared after 45 seconds). An account with more than one password shows them in an arc beside its wedge.</source>
        <translation>Stored in your desktop keyring (Secret Service), readable only while your session is unlocked. Choosing one fills the focused text field when you can type, otherwise copies to the clipboard (cleared after 45 seconds). An account with more than one password shows them in an arc beside its wedge.</translation>
    </message>
    <message>
        <source>1 password</source>
        <translation>1 password</translation>
    </message>
    <message numerus="yes">
        <source>%n passwords</source>
        <translation>
            <numerusform>%n password</numerusform>
            <numerusform>%n passwords</numerusform>
        </translation>
    </message>
    <message>
        <source>No accounts yet</source>
        <translation>No accounts yet</translation>
    </message>
    <message>
        <source>Edit this account</source>
        <translation>Edit this account</translation>
    </message>
    <message>
        <source>Delete this account</source>
        <translation>Delete this account</translation>
    </message>
    <message>
        <source>Add an account, then add passwords under it.</source>
        <translation>Add an account, then add passwords under it.</translation>
    </message>
    <message>
        <source>No passwords for this account yet.</source>
        <translation>No passwords for this account yet.</translation>
    </message>
    <message>
        <source>Add the passwords that belong to this email.</source>
        <translation>Add the passwords that belong to this email.</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Edit this password</source>
        <translation>Edit this password</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Remove %1</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Accounts</translation>
    </message>
    <message>
        <source>Delete the account “%1”?</source>
        <translation>Delete the account “%1”?</translation>
    </message>
    <message numerus="yes">
        <source>Its %n password(s) will be removed from your desktop keyring.</source>
        <translation>
            <numerusform>Its %n password will be removed from your desktop keyring.</numerusform>
            <numerusform>Its %n passwords will be removed from your desktop keyring.</numerusform>
        </translation>
    </message>
    <message>
        <source>No shortcut assigned — this launcher can&apos;t be opened from the keyboard.</source>
        <translation>No shortcut assigned — this launcher can&apos;t be opened from the keyboard.</translation>
    </message>
    <message>
        <source>Opens the tabs you captured from your browsers.</source>
        <translation>Opens the tabs you captured from your browsers.</translation>
    </message>
    <message>
        <source>Search Icon</source>
        <translation>Search Icon</translation>
    </message>
    <message>
        <source>Icon Name</source>
        <translation>Icon Name</translation>
    </message>
    <message>
        <source>Upload PNG…</source>
        <translation>Upload PNG…</translation>
    </message>
    <message>
        <source>Use your own image, up to 1 MB</source>
        <translation>Use your own image, up to 1 MB</translation>
    </message>
    <message>
        <source>Pick Icon</source>
        <translation>Pick Icon</translation>
    </message>
    <message>
        <source>No Results for “%1”</source>
        <translation>No Results for “%1”</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>Could not add icon</source>
        <translation>Could not add icon</translation>
    </message>
    <message>
        <source>Keystroke</source>
        <translation>Keystroke</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Sent to the app in front, as if you pressed it yourself.</source>
        <translation>Sent to the app in front, as if you pressed it yourself.</translation>
    </message>
    <message>
        <source>Copied to the clipboard, ready to paste.</source>
        <translation>Copied to the clipboard, ready to paste.</translation>
    </message>
    <message>
        <source>Opened in your default browser.</source>
        <translation>Opened in your default browser.</translation>
    </message>
    <message>
        <source>Edit Shortcut</source>
        <translation>Edit Shortcut</translation>
    </message>
    <message>
        <source>New Shortcut</source>
        <translation>New Shortcut</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>for %1</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Keystroke to send</source>
        <translation>Keystroke to send</translation>
    </message>
    <message>
        <source>Add Shortcut</source>
        <translation>Add Shortcut</translation>
    </message>
    <message>
        <source>Give the shortcut a name.</source>
        <translation>Give the shortcut a name.</translation>
    </message>
    <message>
        <source>Record the keystroke to send.</source>
        <translation>Record the keystroke to send.</translation>
    </message>
    <message>
        <source>Enter the text to copy.</source>
        <translation>Enter the text to copy.</translation>
    </message>
    <message>
        <source>Enter a link to open.</source>
        <translation>Enter a link to open.</translation>
    </message>
    <message>
        <source>That doesn&apos;t look like a valid link.</source>
        <translation>That doesn&apos;t look like a valid link.</translation>
    </message>
    <message>
        <source>Suggested shortcuts for %1</source>
        <translation>Suggested shortcuts for %1</translation>
    </message>
    <message>
        <source>Pick the ones you want on the ring. You can edit them later.</source>
        <translation>Pick the ones you want on the ring. You can edit them later.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <source>Add 1 Shortcut</source>
        <translation>Add 1 Shortcut</translation>
    </message>
    <message>
        <source>Add Shortcuts</source>
        <translation>Add Shortcuts</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Shortcuts</source>
        <translation>
            <numerusform>Add %n Shortcut</numerusform>
            <numerusform>Add %n Shortcuts</numerusform>
        </translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Deselect All</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message numerus="yes">
        <source>Found %n shortcuts in the menus.</source>
        <translation>
            <numerusform>Found %n shortcut in the menus.</numerusform>
            <numerusform>Found %n shortcuts in the menus.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open the app first, then import again.</source>
        <translation>Open the app first, then import again.</translation>
    </message>
    <message>
        <source>Reading menus needs the desktop&apos;s accessibility bus, which is off.</source>
        <translation>Reading menus needs the desktop&apos;s accessibility bus, which is off.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read this app&apos;s menus.</source>
        <translation>Couldn&apos;t read this app&apos;s menus.</translation>
    </message>
    <message>
        <source>Suggested</source>
        <translation>Suggested</translation>
    </message>
    <message>
        <source>From Menus</source>
        <translation>From Menus</translation>
    </message>
    <message>
        <source>Reading menus…</source>
        <translation>Reading menus…</translation>
    </message>
    <message>
        <source>Open App &amp; Import Menus</source>
        <translation>Open App &amp; Import Menus</translation>
    </message>
    <message>
        <source>Import from Menus</source>
        <translation>Import from Menus</translation>
    </message>
    <message>
        <source>Pick a PNG file. Folders, links and devices cannot be used.</source>
        <translation>Pick a PNG file. Folders, links and devices cannot be used.</translation>
    </message>
    <message>
        <source>Pick a PNG smaller than 1 MB.</source>
        <translation>Pick a PNG smaller than 1 MB.</translation>
    </message>
    <message>
        <source>Pick a PNG of at most 1024 × 1024 pixels.</source>
        <translation>Pick a PNG of at most 1024 × 1024 pixels.</translation>
    </message>
    <message>
        <source>That file could not be read as a PNG.</source>
        <translation>That file could not be read as a PNG.</translation>
    </message>
    <message>
        <source>The icon could not be saved: %1</source>
        <translation>The icon could not be saved: %1</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>Could not open %1: %2</translation>
    </message>
    <message>
        <source>The Firefox session file %1 is too large to read.</source>
        <translation>The Firefox session file %1 is too large to read.</translation>
    </message>
    <message>
        <source>Could not read the Firefox session file %1: %2.</source>
        <translation>Could not read the Firefox session file %1: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1. Check that your user may read its profile folder in ~/.mozilla/firefox.</source>
        <translation>Kelvaro cannot read the open tabs of %1. Check that your user may read its profile folder in ~/.mozilla/firefox.</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs.</source>
        <translation>
            <numerusform>Captured %n tab.</numerusform>
            <numerusform>Captured %n tabs.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs from %1.</source>
        <translation>
            <numerusform>Captured %n tab from %1.</numerusform>
            <numerusform>Captured %n tabs from %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 from %2</translation>
    </message>
    <message numerus="yes">
        <source>Captured %n tabs — %1.</source>
        <translation>
            <numerusform>Captured %n tab — %1.</numerusform>
            <numerusform>Captured %n tabs — %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 earlier capture kept.</source>
        <translation>1 earlier capture kept.</translation>
    </message>
    <message numerus="yes">
        <source>%n earlier captures kept.</source>
        <translation>
            <numerusform>%n earlier capture kept.</numerusform>
            <numerusform>%n earlier captures kept.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 tab</source>
        <translation>1 tab</translation>
    </message>
    <message numerus="yes">
        <source>%n tabs</source>
        <translation>
            <numerusform>%n tab</numerusform>
            <numerusform>%n tabs</numerusform>
        </translation>
    </message>
    <message>
        <source>Browsers &amp; Tabs</source>
        <translation>Browsers &amp; Tabs</translation>
    </message>
    <message>
        <source>Reads every tab open in Chrome, Brave, Edge, Vivaldi, Opera, Chromium and Firefox from the session files in their profile folders, and keeps them here so you can reopen them after the browser is closed. Each capture is kept as its own session; the ring shows the chosen one, ten tabs at a time.</source>
        <translation>Reads every tab open in Chrome, Brave, Edge, Vivaldi, Opera, Chromium and Firefox from the session files in their profile folders, and keeps them here so you can reopen them after the browser is closed. Each capture is kept as its own session; the ring shows the chosen one, ten tabs at a time.</translation>
    </message>
    <message>
        <source>Nothing captured yet</source>
        <translation>Nothing captured yet</translation>
    </message>
    <message>
        <source>Capturing…</source>
        <translation>Capturing…</translation>
    </message>
    <message>
        <source>Capture Tabs</source>
        <translation>Capture Tabs</translation>
    </message>
    <message>
        <source>Rename this capture</source>
        <translation>Rename this capture</translation>
    </message>
    <message>
        <source>Delete this capture</source>
        <translation>Delete this capture</translation>
    </message>
    <message>
        <source>No tabs captured yet.</source>
        <translation>No tabs captured yet.</translation>
    </message>
    <message>
        <source>Open a browser and capture what it has open.</source>
        <translation>Open a browser and capture what it has open.</translation>
    </message>
    <message>
        <source>No open tabs to capture.</source>
        <translation>No open tabs to capture.</translation>
    </message>
    <message>
        <source>Rename Capture</source>
        <translation>Rename Capture</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Captures</source>
        <translation>Captures</translation>
    </message>
    <message>
        <source>Add App</source>
        <translation>Add App</translation>
    </message>
    <message>
        <source>1 app</source>
        <translation>1 app</translation>
    </message>
    <message numerus="yes">
        <source>%n apps</source>
        <translation>
            <numerusform>%n app</numerusform>
            <numerusform>%n apps</numerusform>
        </translation>
    </message>
    <message>
        <source>No apps added yet.</source>
        <translation>No apps added yet.</translation>
    </message>
    <message>
        <source>Choose apps this launcher should show in the ring.</source>
        <translation>Choose apps this launcher should show in the ring.</translation>
    </message>
    <message>
        <source>Launchers &amp; Apps</source>
        <translation>Launchers &amp; Apps</translation>
    </message>
    <message>
        <source>New Launcher</source>
        <translation>New Launcher</translation>
    </message>
    <message>
        <source>Rename Launcher</source>
        <translation>Rename Launcher</translation>
    </message>
    <message>
        <source>Opens this launcher.</source>
        <translation>Opens this launcher.</translation>
    </message>
    <message>
        <source>No launchers yet</source>
        <translation>No launchers yet</translation>
    </message>
    <message>
        <source>Add Launcher</source>
        <translation>Add Launcher</translation>
    </message>
    <message>
        <source>Rename this launcher</source>
        <translation>Rename this launcher</translation>
    </message>
    <message>
        <source>Delete this launcher</source>
        <translation>Delete this launcher</translation>
    </message>
    <message>
        <source>Launchers</source>
        <translation>Launchers</translation>
    </message>
    <message>
        <source>Suggest</source>
        <translation>Suggest</translation>
    </message>
    <message>
        <source>Apps &amp; Shortcuts</source>
        <translation>Apps &amp; Shortcuts</translation>
    </message>
    <message>
        <source>1 shortcut</source>
        <translation>1 shortcut</translation>
    </message>
    <message numerus="yes">
        <source>%n shortcuts</source>
        <translation>
            <numerusform>%n shortcut</numerusform>
            <numerusform>%n shortcuts</numerusform>
        </translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Select App</translation>
    </message>
    <message>
        <source>Choose an application to add shortcuts for</source>
        <translation>Choose an application to add shortcuts for</translation>
    </message>
    <message>
        <source>No apps added yet</source>
        <translation>No apps added yet</translation>
    </message>
    <message>
        <source>Remove this app</source>
        <translation>Remove this app</translation>
    </message>
    <message>
        <source>Add suggested shortcuts for this app</source>
        <translation>Add suggested shortcuts for this app</translation>
    </message>
    <message>
        <source>Add keyboard shortcuts, text snippets or links for %1.</source>
        <translation>Add keyboard shortcuts, text snippets or links for %1.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Kelvaro is Now Running</source>
        <translation>Kelvaro is Now Running</translation>
    </message>
    <message>
        <source>The two rings</source>
        <translation>The two rings</translation>
    </message>
    <message>
        <source>Hold its shortcut, aim at an app with the pointer, let go. The ring opens around your pointer or in the middle of the display — your choice, under Settings › General.</source>
        <translation>Hold its shortcut, aim at an app with the pointer, let go. The ring opens around your pointer or in the middle of the display — your choice, under Settings › General.</translation>
    </message>
    <message>
        <source>Opens the shortcuts you saved for whichever app is in front, so you can drive that app by its own keyboard shortcuts without remembering them.</source>
        <translation>Opens the shortcuts you saved for whichever app is in front, so you can drive that app by its own keyboard shortcuts without remembering them.</translation>
    </message>
    <message>
        <source>Choosing between windows</source>
        <translation>Choosing between windows</translation>
    </message>
    <message>
        <source>The window arc</source>
        <translation>The window arc</translation>
    </message>
    <message>
        <source>When the highlighted app has more than one window, a quarter-arc appears beside it listing them. Keep moving outward onto the arc to pick a window instead of just the app.</source>
        <translation>When the highlighted app has more than one window, a quarter-arc appears beside it listing them. Keep moving outward onto the arc to pick a window instead of just the app.</translation>
    </message>
    <message>
        <source>The arc never appears</source>
        <translation>The arc never appears</translation>
    </message>
    <message>
        <source>It only appears for an app with more than one window: an app with a single window has nothing to choose between, so the arc stays hidden.</source>
        <translation>It only appears for an app with more than one window: an app with a single window has nothing to choose between, so the arc stays hidden.</translation>
    </message>
    <message>
        <source>Changing a binding</source>
        <translation>Changing a binding</translation>
    </message>
    <message>
        <source>Settings › Switcher or Shortcuts, then click the recorder and press the combination you want. Add Ctrl, Alt or Super so it can&apos;t fire while you&apos;re typing.</source>
        <translation>Settings › Switcher or Shortcuts, then click the recorder and press the combination you want. Add Ctrl, Alt or Super so it can&apos;t fire while you&apos;re typing.</translation>
    </message>
    <message>
        <source>Hold versus toggle</source>
        <translation>Hold versus toggle</translation>
    </message>
    <message>
        <source>By default the ring stays open while you hold the shortcut&apos;s modifiers and commits when you let go. Settings › General can switch it to stay open until you press again or click.</source>
        <translation>By default the ring stays open while you hold the shortcut&apos;s modifiers and commits when you let go. Settings › General can switch it to stay open until you press again or click.</translation>
    </message>
    <message>
        <source>If nothing happens</source>
        <translation>If nothing happens</translation>
    </message>
    <message>
        <source>Desktop access</source>
        <translation>Desktop access</translation>
    </message>
    <message>
        <source>Global shortcuts need an X11 session, and reading menus or typing passwords needs the accessibility bus. Settings shows a banner whenever something is missing, with a button that turns the accessibility bus on.</source>
        <translation>Global shortcuts need an X11 session, and reading menus or typing passwords needs the accessibility bus. Settings shows a banner whenever something is missing, with a button that turns the accessibility bus on.</translation>
    </message>
    <message>
        <source>Finding the app</source>
        <translation>Finding the app</translation>
    </message>
    <message>
        <source>Kelvaro has no window of its own on purpose. It lives in the tray; closing a window doesn&apos;t quit it.</source>
        <translation>Kelvaro has no window of its own on purpose. It lives in the tray; closing a window doesn&apos;t quit it.</translation>
    </message>
    <message>
        <source>Starting over</source>
        <translation>Starting over</translation>
    </message>
    <message>
        <source>Starting Kelvaro again while it runs opens its settings, or the walkthrough while that is unfinished.</source>
        <translation>Starting Kelvaro again while it runs opens its settings, or the walkthrough while that is unfinished.</translation>
    </message>
    <message>
        <source>This is the cause of most &quot;nothing happens&quot; reports.</source>
        <translation>This is the cause of most &quot;nothing happens&quot; reports.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer.</source>
        <translation>Every app you have open, in a ring around your pointer.</translation>
    </message>
    <message>
        <source>Contact Support</source>
        <translation>Contact Support</translation>
    </message>
    <message>
        <source>Support Page</source>
        <translation>Support Page</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Privacy Policy</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Terms of Use</translation>
    </message>
    <message>
        <source>Kelvaro %1</source>
        <translation>Kelvaro %1</translation>
    </message>
    <message>
        <source>Your apps, shortcuts and passwords stay on this computer.</source>
        <translation>Your apps, shortcuts and passwords stay on this computer.</translation>
    </message>
    <message>
        <source>Show this message on app launch</source>
        <translation>Show this message on app launch</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Settings…</translation>
    </message>
    <message>
        <source>Press %1 to open the ring</source>
        <translation>Press %1 to open the ring</translation>
    </message>
    <message>
        <source>No shortcut is assigned yet. Open Settings to choose one.</source>
        <translation>No shortcut is assigned yet. Open Settings to choose one.</translation>
    </message>
    <message>
        <source>X11 session</source>
        <translation>X11 session</translation>
    </message>
    <message>
        <source>Global keys</source>
        <translation>Global keys</translation>
    </message>
    <message>
        <source>Accessibility bus</source>
        <translation>Accessibility bus</translation>
    </message>
    <message>
        <source>Start Using Kelvaro</source>
        <translation>Start Using Kelvaro</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Choose your language</source>
        <translation>Choose your language</translation>
    </message>
    <message>
        <source>Kelvaro speaks 17 languages. Pick one, or let it follow your system.</source>
        <translation>Kelvaro speaks 17 languages. Pick one, or let it follow your system.</translation>
    </message>
    <message>
        <source>Every app you have open, in a ring around your pointer. One keystroke away.</source>
        <translation>Every app you have open, in a ring around your pointer. One keystroke away.</translation>
    </message>
    <message>
        <source>Notices the one shortcut you choose</source>
        <translation>Notices the one shortcut you choose</translation>
    </message>
    <message>
        <source>Switches apps and sends shortcuts you set up</source>
        <translation>Switches apps and sends shortcuts you set up</translation>
    </message>
    <message>
        <source>Never reads what you type</source>
        <translation>Never reads what you type</translation>
    </message>
    <message>
        <source>Sends nothing it sees here — that stays on this computer</source>
        <translation>Sends nothing it sees here — that stays on this computer</translation>
    </message>
    <message>
        <source>Needs an X11 Session</source>
        <translation>Needs an X11 Session</translation>
    </message>
    <message>
        <source>Turn On the Accessibility Bus</source>
        <translation>Turn On the Accessibility Bus</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>You&apos;re all set</translation>
    </message>
    <message>
        <source>Let Kelvaro see your shortcut</source>
        <translation>Let Kelvaro see your shortcut</translation>
    </message>
    <message>
        <source>Global keys work and the accessibility bus is on. Nothing else to set up.</source>
        <translation>Global keys work and the accessibility bus is on. Nothing else to set up.</translation>
    </message>
    <message>
        <source>Linux needs two things for this: an X11 session for the global keys, and the accessibility bus for reading menus and typing passwords.</source>
        <translation>Linux needs two things for this: an X11 session for the global keys, and the accessibility bus for reading menus and typing passwords.</translation>
    </message>
    <message>
        <source>No shortcut set</source>
        <translation>No shortcut set</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Record a different shortcut</source>
        <translation>Record a different shortcut</translation>
    </message>
    <message>
        <source>Use the default instead</source>
        <translation>Use the default instead</translation>
    </message>
    <message>
        <source>Hold it — the ring opens.</source>
        <translation>Hold it — the ring opens.</translation>
    </message>
    <message>
        <source>Point at the app you want.</source>
        <translation>Point at the app you want.</translation>
    </message>
    <message>
        <source>Let go — Kelvaro switches to it.</source>
        <translation>Let go — Kelvaro switches to it.</translation>
    </message>
    <message>
        <source>Your shortcut</source>
        <translation>Your shortcut</translation>
    </message>
    <message>
        <source>This is what opens the ring. Keep it, or record your own.</source>
        <translation>This is what opens the ring. Keep it, or record your own.</translation>
    </message>
    <message>
        <source>Click the Kelvaro icon in the tray.</source>
        <translation>Click the Kelvaro icon in the tray.</translation>
    </message>
    <message>
        <source>Settings — add apps, edit shortcuts, change keys.</source>
        <translation>Settings — add apps, edit shortcuts, change keys.</translation>
    </message>
    <message>
        <source>Kelvaro lives in the tray</source>
        <translation>Kelvaro lives in the tray</translation>
    </message>
    <message>
        <source>It has no window of its own on purpose. Close a window and it keeps running — everything stays one click away in the tray.</source>
        <translation>It has no window of its own on purpose. Close a window and it keeps running — everything stays one click away in the tray.</translation>
    </message>
    <message>
        <source>Your settings file was damaged after Kelvaro read it. The damaged file is kept as %1, and your settings were saved again.</source>
        <translation>Your settings file was damaged after Kelvaro read it. The damaged file is kept as %1, and your settings were saved again.</translation>
    </message>
    <message>
        <source>A change to your settings was not made: it would have made the settings file %1 too large to read back.</source>
        <translation>A change to your settings was not made: it would have made the settings file %1 too large to read back.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: their addresses are longer than %1 characters.</source>
        <translation>
            <numerusform>%Ln tab was left out: its address is longer than %1 characters.</numerusform>
            <numerusform>%Ln tabs were left out: their addresses are longer than %1 characters.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: a capture keeps at most %1 tabs.</source>
        <translation>
            <numerusform>%Ln tab was left out: a capture keeps at most %1 tabs.</numerusform>
            <numerusform>%Ln tabs were left out: a capture keeps at most %1 tabs.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln tabs were left out: the capture would have been too large to keep.</source>
        <translation>
            <numerusform>%Ln tab was left out: the capture would have been too large to keep.</numerusform>
            <numerusform>%Ln tabs were left out: the capture would have been too large to keep.</numerusform>
        </translation>
    </message>
    <message>
        <source>The capture was not kept: your settings file would have grown too large.</source>
        <translation>The capture was not kept: your settings file would have grown too large.</translation>
    </message>
    <message>
        <source>That password was not accepted. Try again.</source>
        <translation>That password was not accepted. Try again.</translation>
    </message>
    <message>
        <source>Your login password was not accepted. No saved password was released.</source>
        <translation>Your login password was not accepted. No saved password was released.</translation>
    </message>
    <message>
        <source>Enter your login password to use saved passwords.</source>
        <translation>Enter your login password to use saved passwords.</translation>
    </message>
    <message numerus="yes">
        <source>The window you chose was closed or is no longer in front. Your password is on the clipboard for %n seconds.</source>
        <translation>
            <numerusform>The window you chose was closed or is no longer in front. Your password is on the clipboard for %n second.</numerusform>
            <numerusform>The window you chose was closed or is no longer in front. Your password is on the clipboard for %n seconds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The password did not arrive in the field. It is on the clipboard for %n seconds: paste it there yourself.</source>
        <translation>
            <numerusform>The password did not arrive in the field. It is on the clipboard for %n second: paste it there yourself.</numerusform>
            <numerusform>The password did not arrive in the field. It is on the clipboard for %n seconds: paste it there yourself.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 did not take the password. It is on the clipboard for %n seconds: paste it into the field yourself.</source>
        <translation>
            <numerusform>%1 did not take the password. It is on the clipboard for %n second: paste it into the field yourself.</numerusform>
            <numerusform>%1 did not take the password. It is on the clipboard for %n seconds: paste it into the field yourself.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No text field had the focus. Your password is on the clipboard for %n seconds: paste it.</source>
        <translation>
            <numerusform>No text field had the focus. Your password is on the clipboard for %n second: paste it.</numerusform>
            <numerusform>No text field had the focus. Your password is on the clipboard for %n seconds: paste it.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your own icon: a PNG of at most 1 MB and 1024 × 1024 pixels.</source>
        <translation>Your own icon: a PNG of at most 1 MB and 1024 × 1024 pixels.</translation>
    </message>
    <message>
        <source>A name is needed.</source>
        <translation>A name is needed.</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]</source>
        <translation>Usage: %1 [--help | --version]</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Show the version and exit.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: this Wayland session has no XWayland (DISPLAY is not set).</source>
        <translation>Kelvaro needs an X11 session: this Wayland session has no XWayland (DISPLAY is not set).</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: DISPLAY is not set.</source>
        <translation>Kelvaro needs an X11 session: DISPLAY is not set.</translation>
    </message>
    <message>
        <source>Kelvaro needs an X11 session: the display %1 cannot be opened.</source>
        <translation>Kelvaro needs an X11 session: the display %1 cannot be opened.</translation>
    </message>
    <message>
        <source>This build of Kelvaro cannot send usage data.</source>
        <translation>This build of Kelvaro cannot send usage data.</translation>
    </message>
    <message>
        <source>Already used by %1.</source>
        <translation>Already used by %1.</translation>
    </message>
    <message>
        <source>Empty Bin</source>
        <translation>Empty Bin</translation>
    </message>
    <message>
        <source>Toggle recording</source>
        <translation>Toggle recording</translation>
    </message>
    <message>
        <source>Could not read the session log %1: %2.</source>
        <translation>Could not read the session log %1: %2.</translation>
    </message>
    <message>
        <source>Kelvaro cannot read the open tabs of %1: your user may not read %2.</source>
        <translation>Kelvaro cannot read the open tabs of %1: your user may not read %2.</translation>
    </message>
    <message>
        <source>%1 is running, but its session could not be read: %2</source>
        <translation>%1 is running, but its session could not be read: %2</translation>
    </message>
    <message>
        <source>%1 is running, but Kelvaro found no session file in its profile folders.</source>
        <translation>%1 is running, but Kelvaro found no session file in its profile folders.</translation>
    </message>
    <message>
        <source>%1 is running, but its session has no open web pages.</source>
        <translation>%1 is running, but its session has no open web pages.</translation>
    </message>
    <message>
        <source>Your saved captures were not changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Your saved captures were not changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</translation>
    </message>
    <message>
        <source>The capture was not kept: the saved captures take all the room there is. Delete captures you no longer need, then capture again.</source>
        <translation>The capture was not kept: the saved captures take all the room there is. Delete captures you no longer need, then capture again.</translation>
    </message>
    <message>
        <source>Your launchers cannot be changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</source>
        <translation>Your launchers cannot be changed: some of them could not be read, and there is no room in your settings file to keep a copy of them. They are left as they are.</translation>
    </message>
    <message>
        <source>%1: unknown option: %2</source>
        <translation>%1: unknown option: %2</translation>
    </message>
    <message>
        <source>This build of Kelvaro has no update feed.</source>
        <translation>This build of Kelvaro has no update feed.</translation>
    </message>
</context>
</TS>
