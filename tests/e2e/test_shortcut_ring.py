"""The shortcut ring as a user meets it: with the project's own text-editing
test client in front and shortcuts saved for its bundle identifier,
Ctrl+Shift+S held opens the ring over it without taking the focus; the
arrows choose and releasing Ctrl runs the chosen item: a snippet lands on the
clipboard, "⌘A" reaches the editor as Ctrl+A without the Shift still held,
a typing item replaces the selection, a link goes to the desktop's URL
handler. An application without saved shortcuts gets no ring and a log line."""
import os
import re
import uuid

import kelvaro_e2e as k

CTRL = 0x04000000
SHIFT = 0x02000000
KEY_A = 0x41
RETURN = 0x01000004
BUNDLE = "org.example.Editor"
LINK = "https://example.org/from-the-ring"


def item(name, shortcut="", snippet=None, url=None):
    d = {"id": str(uuid.uuid4()).upper(), "name": name, "icon": "star", "shortcut": shortcut,
         "bundleIdentifier": BUNDLE}
    if snippet is not None:
        d["textSnippet"] = snippet
    if url is not None:
        d["url"] = url
    return d


def write_defaults():
    shortcuts = {BUNDLE: [item("Snippet", snippet="text from the ring"), item("Select all", "⌘A"),
                          item("Type X", "X"), item("Open link", url=LINK)]}
    k.write_settings_defaults(AppShortcutsPerApp=shortcuts)


def key_events(log):
    out = []
    for line in k.read_lines(log):
        m = re.match(r"key=(\d+) mods=(\d+)", line)
        if m:
            out.append((int(m.group(1)), int(m.group(2))))
    return out


def content(log):
    lines = [l[len("content="):] for l in k.read_lines(log) if l.startswith("content=")]
    return lines[-1] if lines else ""


def ring_window():
    for line in k.run("xwininfo", "-root", "-tree").stdout.splitlines():
        m = re.search(r'(0x[0-9a-f]+) "Kelvaro Ring[^"]*": \("kelvaro" "kelvaro"\)', line)
        if m and "IsViewable" in k.run("xwininfo", "-id", m.group(1)).stdout:
            return int(m.group(1), 16)
    return 0


def ring_value(app):
    """What the open ring tells a screen reader: "<item>, <place> of <count>"."""
    return next((e.get("description") or "" for e in k.accessible_elements(app.pid, "Shortcut Launcher")), "")


def open_ring(app, downs=0):
    """Holds Ctrl+Shift, presses S and then Down `downs` times, each once the
    ring shows the selection it made; the ring's window id or 0."""
    k.key_down("ctrl")
    k.key_down("shift")
    k.key("s")
    ring = k.wait_until(ring_window, timeout=3)
    k.wait_until(lambda: ring_value(app).endswith("1 of 4"), timeout=3, interval=0.05)
    for place in range(2, downs + 2):
        k.key("Down")
        k.wait_until(lambda: ring_value(app).endswith("%d of 4" % place), timeout=3, interval=0.05)
    return ring


def main():
    record = os.path.join(os.environ.get("KELVARO_SESSION_DIR", "/tmp"), "ring-opened-urls.txt")
    k.install_url_recorder(record)
    # The application without shortcuts is installed, so its name comes from its entry.
    with open(os.path.join(os.environ["XDG_DATA_HOME"], "applications", "org.example.Plain.desktop"), "w") as f:
        f.write("[Desktop Entry]\nType=Application\nName=Plain Text\nExec=true\nIcon=text-x-generic\n")
    write_defaults()
    log = os.path.join(os.environ.get("KELVARO_SESSION_DIR", "/tmp"), "ring-editor.log")
    editor = k.Process([k.binary("kelvaro-test-client"), "--app-id", BUNDLE, "--title", "Editor",
                        "--text-log", log], name="editor", wait_ready=True)
    empty = k.Process([k.binary("kelvaro-test-client"), "--app-id", "org.example.Plain", "--title", "Plain"],
                      name="plain", wait_ready=True)
    app = k.start_kelvaro()
    try:
        wid = k.find_window("Editor")
        plain = k.find_window("Plain")
        k.activate(wid)
        k.type_text("hello")
        k.check(k.wait_until(lambda: content(log) == "hello"), "the editor takes typing")

        # The snippet (first item).
        ring = open_ring(app)
        k.check(ring != 0, "holding Ctrl+Shift+S maps the shortcut ring over the editor")
        k.settled_screenshot("shortcut-ring-open", ring or None)
        k.check(k.active_window() == wid, "the editor keeps the focus while the ring is up")
        k.key_up("ctrl")
        clip = k.wait_until(lambda: k.run("xclip", "-o", "-selection", "clipboard").stdout == "text from the ring"
                            and "ok", timeout=3)
        k.check(clip == "ok", "releasing Ctrl puts the snippet on the clipboard")
        k.key_up("shift")
        k.check(k.wait_until(lambda: ring_window() == 0, timeout=3), "the ring goes away")
        k.check(content(log) == "hello", "a snippet alone types nothing")

        # ⌘A while Shift is still held: Ctrl+A, no Shift.
        before = len(key_events(log))
        open_ring(app, downs=1)
        k.key_up("ctrl")
        events = k.wait_until(lambda: [e for e in key_events(log)[before:] if e[0] == KEY_A], timeout=3)
        k.check(events == [(KEY_A, CTRL)], "⌘A reaches the editor as Ctrl+A without Shift: %r" % events)
        k.key_up("shift")
        k.wait_until(lambda: ring_window() == 0, timeout=3)

        # A typing item replaces the selection.
        open_ring(app, downs=2)
        k.key_up("ctrl")
        k.check(k.wait_until(lambda: content(log) == "x", timeout=3),
                "the typing item replaces the selected text: %r" % content(log))
        k.key_up("shift")
        k.wait_until(lambda: ring_window() == 0, timeout=3)

        # The link, chosen with Up (wrapping to the last item) and committed by Return.
        open_ring(app)
        k.key("Up")
        k.check(k.wait_until(lambda: ring_value(app).startswith("Open link, 4 of 4"), timeout=3, interval=0.05),
                "Up wraps to the last item")
        k.key("Return")
        k.key_up("ctrl")
        k.key_up("shift")
        opened = k.wait_until(lambda: k.read_lines(record), timeout=5)
        k.check(opened == [LINK], "the link reaches the URL handler once: %r" % opened)

        # Escape, then the release: the typing item chosen does not run.
        k.activate(wid)
        k.key("End")
        k.type_text("yz")
        k.wait_until(lambda: content(log) == "xyz")
        open_ring(app, downs=2)
        k.key("Escape")
        k.key_up("ctrl")
        k.key_up("shift")
        k.check(k.wait_until(lambda: ring_window() == 0 and k.keyboard_free(), timeout=3, interval=0.1),
                "Escape closes the ring and the release lets the keyboard go")
        before = len(key_events(log))
        k.key("Return")  # no ring any more: Return reaches the editor
        k.check(k.wait_until(lambda: (RETURN, 0) in key_events(log)[before:], timeout=3),
                "after the ring, Return reaches the editor: %r" % key_events(log)[before:])
        k.check(content(log) == "xyz", "Escape then the release run nothing: %r" % content(log))

        # No saved shortcuts: no ring, the log line.
        k.activate(plain)
        k.wait_until(lambda: k.active_window() == plain)
        k.key_down("ctrl")
        k.key_down("shift")
        k.key("s")
        told = k.wait_until(lambda: "Kelvaro: no shortcuts saved for Plain Text — add some in Settings under Apps."
                            in app.log_text())
        k.check(ring_window() == 0, "an application without shortcuts gets no ring")
        k.key_up("ctrl")
        k.key_up("shift")
        k.check(told, "and the log says so")
    finally:
        k.key_up("ctrl")
        k.key_up("shift")
        app.stop()
        editor.stop()
        empty.stop()
    k.finish()


if __name__ == "__main__":
    main()
