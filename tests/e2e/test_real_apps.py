"""The rings with real applications no one here wrote: xlogo and xclock (no
desktop entry, no icon), two xterms started as separate processes, and the
mousepad text editor (GTK).

The switcher must list every one of them, the icon-less ones included; an
application whose windows belong to two processes shows both windows, and
raising the second raises exactly that one; a title set as COMPOUND_TEXT
comes out intact. In the real application: stepping to xlogo and releasing
activates xlogo; with a full-screen window focused the ring still shows over
it; without a compositing manager the ring's corners show the desktop (not
black), and with one started they do too; a shortcut item whose keys
(Ctrl+Shift+S) are also our own launcher hotkey opens the editor's Save As
dialog. Both rings are photographed in light and dark appearance, with and
without a compositor.
"""
# test-session: --no-compositor
import json
import os
import re
import subprocess
import tempfile
import uuid

import kelvaro_e2e as k

EDITOR = "org.xfce.mousepad"
GREEK = "Ελληνικός λογότυπος"


def write_defaults(appearance):
    item = {"id": str(uuid.uuid4()).upper(), "name": "Save As", "icon": "square.and.arrow.down",
            "shortcut": "⇧⌘S", "bundleIdentifier": EDITOR}
    k.write_settings_defaults(appearance, keep=False, AppShortcutsPerApp={EDITOR: [item]})


def compositing():
    """Whether xcompmgr runs: it makes a window of its name when it takes over compositing."""
    return '"xcompmgr"' in k.run("xwininfo", "-root", "-tree").stdout


def probe(*args):
    with tempfile.TemporaryFile("w+") as out:
        subprocess.run([k.binary("kelvaro-probe")] + list(args), stdout=out, stderr=subprocess.DEVNULL, timeout=20)
        out.seek(0)
        text = out.read()
    try:
        return json.loads(text) if text.strip() else None
    except ValueError:
        return None


def wm_name(wid):
    """The title as the window manager shows it: _NET_WM_NAME, else WM_NAME (xterm and xlogo set only that)."""
    return k.window_title(wid) or (re.search(r'= "(.*)"', k.window_prop(wid, "WM_NAME")) or [None, ""])[1]


def by_class(name):
    return next((w for w in k.client_list() if '"%s"' % name in k.window_prop(w, "WM_CLASS")), 0)


def by_title(text):
    return next((w for w in k.client_list() if text in wm_name(w)), 0)


def ring_window(title):
    """(id, x, y, w, h) of the mapped ring panel whose title starts with `title`, or None."""
    for line in k.run("xwininfo", "-root", "-tree").stdout.splitlines():
        m = re.search(r'(0x[0-9a-f]+) "%s[^"]*": \("kelvaro" "kelvaro"\)\s+(\d+)x(\d+)'
                      r'[+-]-?\d+[+-]-?\d+\s+\+(-?\d+)\+(-?\d+)' % re.escape(title), line)
        if m and "IsViewable" in k.run("xwininfo", "-id", m.group(1)).stdout:
            return int(m.group(1), 16), int(m.group(4)), int(m.group(5)), int(m.group(2)), int(m.group(3))
    return None


def release_all():
    k.key_up("ctrl")
    k.key_up("shift")


def hold(letter, title):
    k.key_down("ctrl")
    k.key_down("shift")
    k.key(letter)
    ring = k.wait_until(lambda: ring_window(title), timeout=3)
    if ring:
        k.wait_settled(ring[1:])  # the entry animation is over
    return ring


def close_ring(title):
    k.key("Escape")
    release_all()
    k.wait_until(lambda: ring_window(title) is None, timeout=3)


def corners_show_desktop(shot, before, ring):
    """The panel's corner areas (inside the window, outside the ring) look like the desktop behind."""
    _, x, y, w, h = ring
    for cx, cy in ((x + 12, y + 12), (x + w - 12, y + 12), (x + 12, y + h - 12), (x + w - 12, y + h - 12)):
        a, b = k.pixel(shot, cx, cy), k.pixel(before, cx, cy)
        if a is None or b is None or sum(abs(p - q) for p, q in zip(a, b)) > 24:
            return False, (cx, cy, a, b)
    return True, None


def photograph_rings(appearance, compositor, editor_window, other_window):
    """Screenshots of both rings; checks the corners show the desktop."""
    tag = "%s-%s" % (appearance, "compositor" if compositor else "no-compositor")
    k.activate(other_window)
    k.wait_until(lambda: k.active_window() == other_window)
    k.move_pointer(640, 512)
    before = k.settled_screenshot("real-apps-desktop-" + tag)
    ring = hold("a", "Kelvaro App Switcher")
    k.check(ring is not None, "the switcher opens (%s)" % tag)
    if ring:
        shot = k.screenshot("real-apps-switcher-" + tag)
        ok, where = corners_show_desktop(shot, before, ring)
        k.check(ok, "the switcher's corners show the desktop, not black (%s): %r" % (tag, where))
    close_ring("Kelvaro App Switcher")

    k.activate(editor_window)
    k.wait_until(lambda: k.active_window() == editor_window)
    before = k.settled_screenshot("real-apps-editor-" + tag)
    ring = hold("s", "Kelvaro Ring")
    k.check(ring is not None, "the shortcut ring opens over the editor (%s)" % tag)
    if ring:
        shot = k.screenshot("real-apps-shortcut-ring-" + tag)
        ok, where = corners_show_desktop(shot, before, ring)
        k.check(ok, "the shortcut ring's corners show the desktop, not black (%s): %r" % (tag, where))
    close_ring("Kelvaro Ring")


def main():
    session = os.environ.get("KELVARO_SESSION_DIR", tempfile.mkdtemp())
    document = os.path.join(session, "notes.txt")
    with open(document, "w") as f:
        f.write("Notes from the ring test\n")
    write_defaults("light")

    utf8 = dict(os.environ, LC_ALL="C.UTF-8")
    clients = [
        k.Process(["xlogo"], name="xlogo"),
        k.Process(["xclock"], name="xclock"),  # refuses the keyboard focus: never made active here
        k.Process(["xterm", "-T", "Term One"], name="xterm-one"),
        k.Process(["xterm", "-T", "Term Two"], name="xterm-two"),
        k.Process(["mousepad", document], name="mousepad", env=utf8),
    ]
    compositor = None
    app = None
    try:
        logo = k.wait_until(lambda: by_class("XLogo"), 10)
        clock = k.wait_until(lambda: by_class("XClock"), 10)
        term_one = k.wait_until(lambda: by_title("Term One"), 10)
        term_two = k.wait_until(lambda: by_title("Term Two"), 10)
        editor = k.wait_until(lambda: by_title("notes.txt"), 15)
        k.check(logo and clock and term_one and term_two and editor,
                "xlogo, xclock, two xterms and the editor are mapped")
        k.check(k.window_pid(term_one) != k.window_pid(term_two), "the two xterms are separate processes")

        # A title in COMPOUND_TEXT: xlogo sets no _NET_WM_NAME, so WM_NAME is what is read.
        k.run("xprop", "-id", hex(logo), "-remove", "_NET_WM_NAME")
        k.run("xprop", "-id", hex(logo), "-f", "WM_NAME", "8t", "-set", "WM_NAME", GREEK, check_rc=False)
        k.check("COMPOUND_TEXT" in k.window_prop(logo, "WM_NAME"), "xlogo's title is now COMPOUND_TEXT: %s"
                % k.window_prop(logo, "WM_NAME").strip())

        # What the switcher lists: every application, the icon-less ones too.
        ring = (k.wait_until(lambda: probe("apps"), timeout=5) or {}).get("ring", [])
        names = [a.get("name") for a in ring]
        ids = {a.get("name"): a.get("bundleIdentifier") for a in ring}
        for name in ("XLogo", "XClock", "XTerm", "Mousepad"):
            k.check(name in names, "the ring lists %s: %r" % (name, names))
        k.check(ids.get("XLogo") == "XLogo", "an application without a desktop entry is known by its WM_CLASS: %r" % ids)
        k.check(all(a.get("icon", {}).get("width", 0) > 0 for a in ring), "every entry has an icon or a stand-in")
        again = (probe("apps") or {}).get("ring", [])
        k.check([a.get("name") for a in again] == names, "the order is the same when listed again")

        # Titles: the COMPOUND_TEXT one intact.
        logo_windows = probe("windows", ids.get("XLogo", "XLogo")) or []
        k.check([w.get("title") for w in logo_windows] == [GREEK],
                "xlogo's COMPOUND_TEXT title comes out intact: %r" % logo_windows)

        # One application, two processes: both windows, and the second raises exactly itself.
        terms = probe("windows", ids.get("XTerm", "XTerm")) or []
        titles = sorted(w.get("title") for w in terms)
        k.check(titles == ["Term One", "Term Two"], "XTerm's arc holds the windows of both processes: %r" % titles)
        k.activate(term_one)
        k.wait_until(lambda: k.active_window() == term_one)
        raised = probe("raise", ids.get("XTerm", "XTerm"), "Term Two") or {}
        k.check(raised.get("window") == term_two and k.wait_until(lambda: k.active_window() == term_two),
                "raising Term Two activates exactly that window (%r, active %s)" % (raised, hex(k.active_window())))

        app = k.start_kelvaro(name="kelvaro-light")

        # Stepping to xlogo and releasing activates it.
        k.activate(term_one)
        k.wait_until(lambda: k.active_window() == term_one)
        k.move_pointer(640, 512)
        order = names
        steps = (order.index("XLogo") - order.index("XTerm")) % len(order) if "XLogo" in order else 1
        ring = hold("a", "Kelvaro App Switcher")
        k.check(ring is not None, "holding Ctrl+Shift+A opens the switcher over an xterm")
        for _ in range(steps):
            before = k.capture(ring[1:] if ring else None)
            k.key("a")
            k.wait_settled(ring[1:] if ring else None, since=before)  # the highlight has moved on
        k.key_up("ctrl")
        k.check(k.wait_until(lambda: k.active_window() == logo, timeout=3),
                "stepping %d on to xlogo and releasing activates xlogo (active %s)" % (steps, hex(k.active_window())))
        k.key_up("shift")
        k.wait_until(lambda: ring_window("Kelvaro App Switcher") is None, timeout=3)

        # Our own hotkey as a shortcut item: Ctrl+Shift+S reaches the editor.
        k.activate(editor)
        k.wait_until(lambda: k.active_window() == editor)
        ring = hold("s", "Kelvaro Ring")
        k.check(ring is not None, "holding Ctrl+Shift+S opens the shortcut ring over the editor")
        k.key_up("ctrl")
        # Without a compositor the ring stands on a copy of the desktop: it goes
        # at once, so that copy never covers what the item opens.
        k.check(k.wait_until(lambda: ring_window("Kelvaro Ring") is None, timeout=0.2),
                "without a compositor the ring goes at once on release")
        dialog = k.wait_until(lambda: by_title("Save As"), timeout=5)
        k.key_up("shift")
        k.check(dialog != 0, "the item's Ctrl+Shift+S opens the editor's Save As dialog")
        if dialog:
            k.screenshot("real-apps-save-as")
            k.run("wmctrl", "-i", "-c", hex(dialog))  # closed the way its title bar's button would
            k.check(k.wait_until(lambda: dialog not in k.client_list(), timeout=5), "the Save As dialog closes")

        # Above a focused full-screen window.
        k.activate(editor)
        k.wait_until(lambda: k.active_window() == editor)
        k.run("wmctrl", "-i", "-r", hex(editor), "-b", "add,fullscreen")
        k.check(k.wait_until(lambda: "FULLSCREEN" in k.window_prop(editor, "_NET_WM_STATE"), timeout=3),
                "the editor is full screen")
        k.move_pointer(640, 512)
        full = k.settled_screenshot("real-apps-fullscreen")
        ring = hold("a", "Kelvaro App Switcher")
        k.check(ring is not None, "the switcher is mapped over the full-screen editor")
        if ring:
            shot = k.screenshot("real-apps-switcher-over-fullscreen")
            band = [k.pixel(shot, 640 + dx, 512 + dy) for dx, dy in ((150, 0), (-150, 0), (0, 150), (0, -150))]
            under = [k.pixel(full, 640 + dx, 512 + dy) for dx, dy in ((150, 0), (-150, 0), (0, 150), (0, -150))]
            k.check(sum(1 for a, b in zip(band, under) if a and b and sum(abs(p - q) for p, q in zip(a, b)) > 20) >= 3,
                    "the ring is drawn above the full-screen window: %r vs %r" % (band, under))
        close_ring("Kelvaro App Switcher")
        k.run("wmctrl", "-i", "-r", hex(editor), "-b", "remove,fullscreen")
        k.wait_until(lambda: "FULLSCREEN" not in k.window_prop(editor, "_NET_WM_STATE"), timeout=3)

        # Both rings, light, without and then with a compositing manager.
        photograph_rings("light", False, editor, term_one)
        compositor = k.Process(["xcompmgr", "-n"], name="xcompmgr")
        k.check(k.wait_until(compositing, timeout=5), "xcompmgr takes over compositing")
        photograph_rings("light", True, editor, term_one)
        app.stop()

        write_defaults("dark")
        app = k.start_kelvaro(name="kelvaro-dark")
        photograph_rings("dark", True, editor, term_one)
        compositor.stop()
        compositor = None
        k.check(k.wait_until(lambda: not compositing(), timeout=5), "xcompmgr has stopped")
        photograph_rings("dark", False, editor, term_one)
    finally:
        release_all()
        if app:
            app.stop()
        if compositor:
            compositor.stop()
        for c in clients:
            c.stop()
    k.finish()


if __name__ == "__main__":
    main()
