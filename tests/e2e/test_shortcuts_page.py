"""The Shortcuts page as a user works it, with the real mousepad editor: the
second start brings up the settings window on the Shortcuts tab; "Add App"
opens the application chooser, where typing "mousepad" and pressing "Add"
registers the editor. The suggestions sheet opens by itself and reads the
editor's menus over the accessibility bus; everything is unticked, one menu
shortcut found by that scan (Find and Replace, Ctrl+R) is ticked and added.
The item is then in the defaults under mousepad's identifier, the shortcut
ring over mousepad shows it, and choosing it opens mousepad's own Find and
Replace dialog. A keystroke item recorded in the shortcut editor (Ctrl+P)
is stored too. A picture of 5000 x 5000 pixels chosen in the icon picker's
file chooser is refused with an alert, a small PNG is imported. The page, the shortcut editor, the icon picker and the
suggestions sheet are kept as screenshots in light and dark appearance."""
import base64
import json
import os
import re
import tempfile

import kelvaro_e2e as k

TITLE = "Kelvaro Settings"
EDITOR = "org.xfce.mousepad"


HOLD_KEYS = {"Ctrl", "Alt", "Super", "Shift"}


def stored_shortcuts():
    try:
        with open(k.defaults_path()) as f:
            raw = json.load(f)["values"].get("AppShortcutsPerApp")
    except (OSError, ValueError, KeyError):
        return {}
    return json.loads(base64.b64decode(raw["value"])) if raw else {}


def elements(app, *names):
    args = [k.binary("kelvaro-a11y-probe"), str(app.pid)]
    for n in names:
        args += ["--name", n]
    out = k.run(*args, timeout=20).stdout
    found = []
    for line in out.splitlines():
        try:
            e = json.loads(line)
        except ValueError:
            continue
        if e.get("kind") == "element":
            found.append(e)
    return found


def stored_launcher_hotkey():
    with open(k.defaults_path()) as f:
        return json.load(f)["values"].get("launcherHotkey")


def wm_name(wid):
    return k.window_title(wid) or (re.search(r'= "(.*)"', k.window_prop(wid, "WM_NAME")) or [None, ""])[1]


def by_title(text):
    return next((w for w in k.client_list() if text in wm_name(w)), 0)


def open_settings(app):
    window = k.second_start(TITLE)
    k.check(k.wait_until(lambda: k.accessible_elements(app.pid, "Add App"), timeout=5), "the Shortcuts page is shown")
    return window


def checked(app, name):
    return any("checked" in (e.get("states") or []) for e in elements(app, name) if e.get("role") == "check box")


def editor_and_picker(app, appearance):
    """The shortcut editor and its icon picker, photographed, then closed."""
    k.check(k.press(app, "Add Shortcut"), "Add Shortcut is pressed")
    editor = k.wait_until(lambda: by_title("New Shortcut"), timeout=5)
    k.check(editor, "the shortcut editor opens")
    if not editor:
        return
    k.wait_typing_into(editor, app.pid)
    k.type_text("Print")
    k.window_shot(editor, "shortcut-editor-%s" % appearance, keep_full=False)
    k.check(k.press(app, "Choose an icon"), "the icon button is pressed")
    picker = k.wait_until(lambda: by_title("Choose an icon"), timeout=5)
    k.check(picker, "the icon picker opens")
    if picker:
        k.wait_typing_into(picker, app.pid)
        k.type_text("arrow")
        k.window_shot(picker, "icon-picker-%s" % appearance, keep_full=False)
        k.key("Escape")
        k.wait_until(lambda: not by_title("Choose an icon"), timeout=3)
    k.wait_until(lambda: k.active_window() == editor, timeout=3)
    k.key("Escape")
    k.check(k.wait_until(lambda: not by_title("New Shortcut"), timeout=3), "Escape closes the editor")


def journey(app, editor_window):
    window = open_settings(app)
    if not window:
        return
    k.window_shot(window, "shortcuts-page-empty-light", keep_full=False)

    # The application chooser: type, then Add.
    k.check(k.press(app, "Add App"), "Add App is pressed")
    chooser = k.wait_until(lambda: by_title("Select App"), timeout=5)
    k.check(chooser, "the application chooser opens")
    k.wait_typing_into(chooser, app.pid)
    k.type_text("mousepad")
    k.wait_until(lambda: (k.focused_field(app.pid) or {}).get("text") == "mousepad", timeout=5, interval=0.1)
    k.check(k.press(app, "Add"), "the chooser's Add is pressed")

    # The suggestions sheet opens by itself and reads the editor's menus.
    sheet = k.wait_until(lambda: by_title("Suggested shortcuts for"), timeout=8)
    k.check(sheet, "the suggestions sheet opens for the new application")
    found = k.wait_until(lambda: [e for e in elements(app) if e.get("role") == "check box"
                                  and "Replace" in (e.get("name") or "")], timeout=20, interval=0.5)
    k.check(found, "the scan of mousepad's menus offers Find and Replace")
    boxes = [e.get("name") for e in elements(app) if e.get("role") == "check box"]
    print("offered: %r" % boxes, flush=True)
    k.window_shot(sheet, "suggestions-sheet-light", keep_full=False)
    if not found:
        return
    # The scan added rows: the first press ticks them all, the second clears every tick.
    k.check(k.press(app, "Select All") and k.wait_until(lambda: k.press(app, "Deselect All"), timeout=5, interval=0.3),
            "Select All, then Deselect All is pressed")
    # The Switcher page's hold keys (Ctrl, Shift …) are check boxes of the window behind: not suggestions.
    k.check(k.wait_until(lambda: not any("checked" in (e.get("states") or []) for e in elements(app)
                                         if e.get("role") == "check box" and e.get("name") not in HOLD_KEYS),
                         timeout=5, interval=0.2),
            "no suggestion is ticked")
    k.check(k.press(app, found[0]["name"]) and k.wait_until(lambda: checked(app, found[0]["name"]), timeout=5,
                                                            interval=0.2), "the menu shortcut is ticked")
    k.check(k.wait_until(lambda: k.press(app, "Add 1 Shortcut"), timeout=5, interval=0.3), "Add 1 Shortcut is pressed")
    k.check(k.wait_until(lambda: not by_title("Suggested shortcuts for"), timeout=5), "the sheet closes")

    # The app's own entry and the ticked shortcut may reach the file in two saves: wait for both.
    k.wait_until(lambda: len(stored_shortcuts().get(EDITOR) or []) >= 2, timeout=5)
    items = stored_shortcuts().get(EDITOR) or []
    shortcuts = [i for i in items if i.get("shortcut")]
    k.check(len(items) == 2 and items[0].get("icon") == "app" and items[0].get("shortcut") == "",
            "mousepad is registered by its own entry first: %r" % items)
    k.check(len(shortcuts) == 1 and shortcuts[0]["shortcut"] == "⌘R" and "Replace" in shortcuts[0]["name"],
            "the ticked menu shortcut is stored as Ctrl+R: %r" % shortcuts)
    k.window_shot(window, "shortcuts-page-light", keep_full=False)
    editor_and_picker(app, "light")

    # The ring over mousepad shows the item, and choosing it runs Ctrl+R in mousepad.
    k.run("wmctrl", "-i", "-c", hex(window))
    k.wait_until(lambda: not k.find_window(TITLE, timeout=0.1), timeout=3)
    k.activate(editor_window)
    k.check(k.wait_until(lambda: k.active_window() == editor_window, timeout=5), "mousepad is in front")
    k.move_pointer(640, 512)
    k.key_down("ctrl")
    k.key_down("shift")
    k.key("s")
    ring = k.wait_until(lambda: k.viewable_window("Kelvaro Ring"), timeout=3)
    k.check(ring, "the shortcut ring opens over mousepad")
    k.settled_screenshot("shortcuts-ring-over-mousepad", ring or None)
    k.key_up("ctrl")
    k.key_up("shift")
    dialog = k.wait_until(lambda: by_title("Find and Replace"), timeout=6)
    k.check(dialog, "choosing the item opens mousepad's Find and Replace dialog")
    if dialog:
        k.screenshot("shortcuts-ring-ran-find-and-replace")
        k.run("wmctrl", "-i", "-c", hex(dialog))


def focus(app, name):
    return k.run(k.binary("kelvaro-a11y-probe"), str(app.pid), "--focus", name, timeout=20).returncode == 0


def add_recorded(app):
    """A keystroke item made by hand: the recorder inside the editor takes Ctrl+P."""
    k.check(k.press(app, "Add Shortcut"), "Add Shortcut is pressed again")
    editor = k.wait_until(lambda: by_title("New Shortcut"), timeout=5)
    if not editor:
        return
    k.check(k.wait_until(lambda: focus(app, "Keystroke to send"), timeout=5, interval=0.2),
            "the recorder takes the focus")
    k.wait_until(lambda: k.focused(app.pid, "Keystroke to send"), timeout=5, interval=0.1)
    k.key("space")
    k.check(k.wait_until(lambda: k.recording(app.pid, "Keystroke to send"), timeout=5, interval=0.1),
            "Space starts the recording")
    k.key("ctrl+p")
    k.check(k.wait_until(lambda: not k.recording(app.pid, "Keystroke to send"), timeout=5, interval=0.1),
            "Ctrl+P ends it")
    k.check(focus(app, "Name"), "the name field takes the focus")
    k.type_text("Print")
    k.window_shot(editor, "shortcut-editor-recorded-dark", keep_full=False)
    k.key("Return")
    k.check(k.wait_until(lambda: not by_title("New Shortcut"), timeout=3), "Return adds the item and closes the editor")
    items = k.wait_until(lambda: [i for i in stored_shortcuts().get(EDITOR, []) if i.get("name") == "Print"], timeout=5)
    k.check(items and items[0]["shortcut"] == "⌘P" and items[0]["icon"] == "command",
            "the recorded Ctrl+P is stored with the keystroke icon: %r" % items)


def choose_file(app, path):
    """Upload PNG… in the open icon picker, then the file typed into the chooser."""
    k.check(k.press(app, "Upload PNG…"), "Upload PNG… is pressed")
    chooser = k.wait_until(lambda: by_title("Upload PNG"), timeout=5)
    k.check(chooser, "the file chooser opens")
    k.wait_typing_into(chooser, app.pid)
    k.type_text(path)
    k.key("Return")
    return chooser


def import_icon(app, session):
    """A picture of 5000 x 5000 pixels is refused with a message and changes
    nothing; a small PNG becomes the item's icon."""
    big = os.path.join(session, "huge.png")
    small = os.path.join(session, "logo.png")
    k.run("convert", "-size", "5000x5000", "xc:white", big, timeout=60)
    k.run("convert", "-size", "64x64", "xc:orange", "-fill", "navy", "-draw", "circle 32,32 32,8", small, timeout=20)
    folder = os.path.join(os.environ["XDG_DATA_HOME"], "Kelvaro", "CustomIcons")
    k.check(k.press(app, "Add Shortcut"), "Add Shortcut is pressed for an icon of our own")
    editor = k.wait_until(lambda: by_title("New Shortcut"), timeout=5)
    if not editor or not k.press(app, "Choose an icon"):
        k.check(False, "the icon picker opens for the import")
        return
    picker = k.wait_until(lambda: by_title("Choose an icon"), timeout=5)
    choose_file(app, big)
    alert = k.wait_until(lambda: by_title("Could not add icon"), timeout=5)
    k.check(alert, "a picture larger than 1024 x 1024 gets the alert")
    texts = [e.get("name") for e in elements(app) if "1024" in (e.get("name") or "")]
    k.check(texts, "the alert says why: %r" % texts)
    k.window_shot(alert, "icon-import-refused-dark", keep_full=False)
    k.check(not os.path.isdir(folder) or not os.listdir(folder), "nothing is stored for the refused picture")
    k.key("Return")
    k.wait_until(lambda: not by_title("Could not add icon"), timeout=3)
    choose_file(app, small)
    k.check(k.wait_until(lambda: not by_title("Choose an icon"), timeout=5), "the picker closes after the import")
    stored = k.wait_until(lambda: os.path.isdir(folder) and os.listdir(folder), timeout=3) or []
    k.check(len(stored) == 1 and re.match(r"custom_icon_[0-9A-F-]{36}\.png$", stored[0]),
            "the picture is stored under a new custom icon name: %r" % stored)
    k.window_shot(editor, "shortcut-editor-custom-icon-dark", keep_full=False)
    k.key("Escape")
    k.wait_until(lambda: not by_title("New Shortcut"), timeout=3)


def dark_shots(app, session):
    window = open_settings(app)
    if not window:
        return
    k.window_shot(window, "shortcuts-page-dark", keep_full=False)
    editor_and_picker(app, "dark")
    add_recorded(app)
    k.window_shot(window, "shortcuts-page-two-items-dark", keep_full=False)
    import_icon(app, session)
    k.check(stored_launcher_hotkey() is None, "the ring's own hotkey is untouched by the editor's recording")
    k.check(k.press(app, "Suggest"), "Suggest is pressed")
    sheet = k.wait_until(lambda: by_title("Suggested shortcuts for"), timeout=5)
    k.check(sheet, "the suggestions sheet opens from Suggest")
    if sheet:
        k.wait_until(lambda: any(e.get("role") == "check box" and "Replace" not in (e.get("name") or "")
                                 for e in elements(app)), timeout=10, interval=0.5)
        k.window_shot(sheet, "suggestions-sheet-dark", keep_full=False)
        k.key("Escape")


def main():
    session = os.environ.get("KELVARO_SESSION_DIR", tempfile.mkdtemp())
    document = os.path.join(session, "notes.txt")
    with open(document, "w") as f:
        f.write("Notes for the shortcuts page\n")
    k.write_settings_defaults("light")
    mousepad = k.Process(["mousepad", document], name="mousepad", env=dict(os.environ, LC_ALL="C.UTF-8"))
    app = None
    try:
        editor_window = k.wait_until(lambda: by_title("notes.txt"), 15)
        k.check(editor_window, "mousepad is mapped")
        app = k.Process([k.binary("kelvaro")])
        k.check(k.wait_until(k.tray_icon, timeout=10), "kelvaro is running in the tray")
        journey(app, editor_window)
        app.stop()
        k.write_settings_defaults("dark")
        app = k.Process([k.binary("kelvaro")])
        k.check(k.wait_until(k.tray_icon, timeout=10), "kelvaro is running again, dark")
        dark_shots(app, session)
    finally:
        if app:
            app.stop()
        mousepad.stop()
    k.finish()


if __name__ == "__main__":
    main()
