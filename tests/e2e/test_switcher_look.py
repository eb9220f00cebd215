"""The switcher as a person sees it, over real applications no one here wrote:
xlogo, xclock and xeyes (no desktop entry, no theme icon), a zenity entry
dialog that stands alone, and two xterms (one application, two windows).

Every one of them is listed, the dialog included; a window that asks to be
left out of taskbars is left out. xclock's wedge draws xclock's own icon (the
bitmap and mask of its WM_HINTS), and the four wedges are pairwise different,
so no two applications share a stand-in tile. A window icon the client
changes while the switcher runs is the one drawn at the next showing. The
switcher is photographed over them, and with the two xterm windows fanned
out as cards.

In dark appearance at a large ring size over a window full of text, the
glass is frosted (nothing blurs behind windows on X11), without a compositor
and again with one: no text reads through the band, and with a compositor
the text just beyond the band stays as sharp as it is without the ring.
"""
# test-session: --no-compositor
import json
import math
import os
import re
import subprocess
import tempfile

import kelvaro_e2e as k

SWITCHER = "Kelvaro App Switcher"


def helper(name, *args):
    with tempfile.TemporaryFile("w+") as out:
        subprocess.run([k.binary(name)] + list(args), stdout=out, stderr=subprocess.DEVNULL, timeout=30)
        out.seek(0)
        text = out.read()
    try:
        return json.loads(text) if text.strip() else None
    except ValueError:
        return None


def wm_name(wid):
    return k.window_title(wid) or (re.search(r'= "(.*)"', k.window_prop(wid, "WM_NAME")) or [None, ""])[1]


def by_class(name):
    return next((w for w in k.client_list() if '"%s"' % name in k.window_prop(w, "WM_CLASS")), 0)


def by_title(text):
    return next((w for w in k.client_list() if text in wm_name(w)), 0)


def rgba(cell):
    return tuple(int(cell[i:i + 2], 16) for i in (1, 3, 5, 7))


def distance(a, b):
    """Mean difference of two grids, colour weighted by coverage, 0 (same) to 255."""
    total = 0.0
    for p, q in zip(a, b):
        p, q = rgba(p), rgba(q)
        total += abs(p[3] - q[3]) + sum(abs(p[i] * p[3] - q[i] * q[3]) / 255.0 for i in range(3)) / 3
    return total / len(a) / 2


def ring_names():
    return [a.get("name") for a in (helper("kelvaro-probe", "apps") or {}).get("ring", [])]


def hold_switcher():
    k.key_down("ctrl")
    k.key_down("shift")
    k.key("a")
    shown = k.wait_until(lambda: k.viewable_window(SWITCHER), timeout=3)
    if shown:
        k.wait_settled(shown)  # the entry animation is over
    return shown


def close_switcher():
    k.key("Escape")
    k.key_up("ctrl")
    k.key_up("shift")
    k.wait_until(lambda: not k.viewable_window(SWITCHER), timeout=3)


def solid_icon(side, argb):
    """A _NET_WM_ICON value for xprop (which sets at most 64 numbers: 6 x 6 is the most)."""
    return ",".join([str(side), str(side)] + [str(argb)] * (side * side))


def count_colour(shot, colour, box):
    """Pixels near `colour` in the box (x, y, w, h) of a screenshot."""
    x, y, w, h = box
    wanted = "rgb(%d,%d,%d)" % colour
    out = k.run("convert", shot, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", "-fuzz", "16%", "-fill", "black",
                "+opaque", wanted, "-fill", "white", "-opaque", wanted, "-format", "%[fx:int(mean*w*h)]", "info:",
                timeout=20).stdout
    try:
        return int(out.strip())
    except ValueError:
        return -1


def stddev(shot, box):
    """Standard deviation (0..1) of the grey levels in the box (x, y, w, h)."""
    x, y, w, h = box
    out = k.run("convert", shot, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", "-colorspace", "gray",
                "-format", "%[fx:standard_deviation]", "info:", timeout=20).stdout
    try:
        return float(out.strip())
    except ValueError:
        return -1.0


def compositing():
    """Whether xcompmgr runs: it makes a window of its name when it takes over compositing."""
    return '"xcompmgr"' in k.run("xwininfo", "-root", "-tree").stdout


def frosted_glass_journey(composited, app):
    """Dark, large, over a window full of text: the band shows none of it.
    Returns the side of the switcher's window."""
    tag = "compositor" if composited else "no-compositor"
    text = k.Process(["xterm", "-T", "Full of text", "-geometry", "180x70+0+0", "-e", "sh", "-c",
                      "yes '" + "Readable text under the ring 0123456789 " * 5 + "' | head -n 400; sleep 120"],
                     name="xterm-text")
    side = 0
    try:
        page = k.wait_until(lambda: by_title("Full of text"), 10)
        k.check(page, "an xterm full of text lies under the ring")
        k.activate(page)
        k.move_pointer(640, 512)
        k.wait_until(lambda: k.active_window() == page, timeout=3)
        # Samples inside the band (78 to 247 pixels from the centre at this
        # size), a quarter of a wedge off each wedge's icon.
        names = ring_names() or ["XTerm"]
        boxes, beyond = [], []
        for i in range(min(3, len(names))):
            a = 2 * math.pi / len(names) * (i + 0.25)
            boxes.append((int(640 + 170 * math.sin(a)) - 30, int(512 - 170 * math.cos(a)) - 12, 60, 24))
            # Just beyond the band's rim (247 pixels), inside the ring's window.
            beyond.append((int(640 + 285 * math.sin(a)) - 20, int(512 - 285 * math.cos(a)) - 10, 40, 20))
        bare = k.settled_screenshot("look-text-bare-" + tag)
        shown = hold_switcher()
        k.check(shown, "the switcher opens, dark and large, over the text (%s)" % tag)
        shot = k.screenshot("look-frosted-dark-large-" + tag)
        side = k.window_geometry(shown)[2] if shown else 0
        close_switcher()
        under = [stddev(bare, b) for b in boxes]
        glass = [stddev(shot, b) for b in boxes]
        k.check(min(under) > 0.1, "the text under the samples has contrast: %r" % under)
        # Plain glass of this alpha leaves the text faint but readable (about
        # a fifth of its contrast); frosted, next to nothing is left of it.
        k.check(max(glass) < 0.006 and max(glass) < min(under) / 20,
                "no text reads through the band (%s): contrast %r (text alone %r)" % (tag, glass, under))
        if composited:
            # The blurred copy stays inside the glass: beyond the band the
            # window is clear and the live text keeps its contrast (a shadow
            # may darken it a little).
            clear = [stddev(shot, b) / max(1e-6, stddev(bare, b)) for b in beyond]
            k.check(min(clear) > 0.6, "beyond the band the text stays sharp: contrast kept %r" % clear)
    finally:
        text.stop()
    return side


def main():
    k.write_settings_defaults("light")
    clients = [
        k.Process(["xlogo"], name="xlogo"),
        k.Process(["xclock"], name="xclock"),
        k.Process(["xeyes"], name="xeyes"),
        k.Process(["zenity", "--entry", "--title", "Name the file", "--text", "File name"], name="zenity"),
        k.Process(["xterm", "-T", "Term One"], name="xterm-one"),
        k.Process(["xterm", "-T", "Term Two"], name="xterm-two"),
    ]
    app = None
    try:
        logo = k.wait_until(lambda: by_class("XLogo"), 10)
        clock = k.wait_until(lambda: by_class("XClock"), 10)
        eyes = k.wait_until(lambda: by_class("XEyes"), 10)
        dialog = k.wait_until(lambda: by_title("Name the file"), 15)
        term_one = k.wait_until(lambda: by_title("Term One"), 10)
        k.wait_until(lambda: by_title("Term Two"), 10)
        k.check(logo and clock and eyes and dialog and term_one, "xlogo, xclock, xeyes, zenity and the xterms are mapped")
        k.check("_NET_WM_WINDOW_TYPE_DIALOG" in k.window_prop(dialog, "_NET_WM_WINDOW_TYPE")
                and "WM_TRANSIENT_FOR" not in k.run("xprop", "-id", hex(dialog)).stdout,
                "zenity's entry is a dialog without a parent")

        # Listed as a taskbar lists them: the dialog too.
        names = k.wait_until(lambda: (lambda n: n if "Zenity" in n else None)(ring_names()), timeout=5) or ring_names()
        for name in ("XLogo", "XClock", "XEyes", "Zenity", "XTerm"):
            k.check(name in names, "the switcher lists %s: %r" % (name, names))

        # A window that asks to be left out of taskbars is left out, and back when it stops asking.
        k.run("wmctrl", "-i", "-r", hex(eyes), "-b", "add,skip_taskbar")
        k.wait_until(lambda: "SKIP_TASKBAR" in k.window_prop(eyes, "_NET_WM_STATE"), timeout=3)
        k.check("XEyes" not in ring_names(), "a window that skips the taskbar is not listed")
        k.run("wmctrl", "-i", "-r", hex(eyes), "-b", "remove,skip_taskbar")
        k.wait_until(lambda: "SKIP_TASKBAR" not in k.window_prop(eyes, "_NET_WM_STATE"), timeout=3)
        k.check("XEyes" in ring_names(), "listed again once it no longer skips the taskbar")

        # The icons: xclock's own bitmap, and four icons no one could mistake for one another.
        icons = {a["name"]: a["grid"] for a in helper("kelvaro-look-probe", "icons") or []}
        bitmap = helper("kelvaro-look-probe", "bitmap", hex(clock))
        k.check(bitmap is not None, "xclock names an icon bitmap in its WM_HINTS: %r"
                % ((bitmap and (bitmap["width"], bitmap["height"])),))
        if bitmap and "XClock" in icons:
            d = distance(icons["XClock"], bitmap["grid"])
            k.check(d < 12, "xclock's wedge draws its own icon bitmap and mask (difference %.1f of 255)" % d)
            others = [distance(icons[n], bitmap["grid"]) for n in ("XLogo", "XEyes", "Zenity") if n in icons]
            k.check(others and min(others) > 3 * d, "no other wedge looks like it: %r" % others)
        four = [n for n in ("XLogo", "XClock", "XEyes", "Zenity") if n in icons]
        k.check(len(four) == 4, "all four have an icon: %r" % sorted(icons))
        for i, a in enumerate(four):
            for b in four[i + 1:]:
                d = distance(icons[a], icons[b])
                k.check(d > 10, "%s and %s draw different icons (difference %.1f of 255)" % (a, b, d))

        # The real switcher over them.
        app = k.start_kelvaro()
        k.activate(term_one)
        k.wait_until(lambda: k.active_window() == term_one)
        k.move_pointer(640, 512)
        k.check(hold_switcher(), "the switcher opens over the xterm")
        k.screenshot("look-switcher-icons")
        # Pointing at the xterm's wedge and then beyond it fans out its two windows as cards.
        order = ring_names()
        at = 2 * math.pi / len(order) * (order.index("XTerm") + 0.5) if "XTerm" in order else 0.0
        for radius in (120, 200, 265):
            before = k.capture()
            k.move_pointer(int(640 + radius * math.sin(at)), int(512 - radius * math.cos(at)))
            k.wait_settled(since=before)  # the selection, then the cards, have moved out with the pointer
        shot = k.screenshot("look-switcher-cards")
        # Both cards are drawn, apart: along the arc there is a gap between them.
        seen = [k.pixel(shot, int(640 + 265 * math.sin(at + math.radians(d))),
                        int(512 - 265 * math.cos(at + math.radians(d)))) for d in range(-25, 26)]
        k.check(len(set(seen)) > 3, "the xterm's windows are fanned out as cards: %r" % seen[::5])
        close_switcher()

        # Two editor windows on files of one folder fan out as overlapping
        # cards (kept as screenshots).
        folder = os.path.join(os.environ.get("HOME", tempfile.mkdtemp()), "Documents")
        os.makedirs(folder, exist_ok=True)
        # The editor titles its windows with the file's name alone, not the
        # session folder's long path (which no two-line label could tell apart).
        keyfile = os.path.join(os.environ.get("XDG_CONFIG_HOME", folder), "glib-2.0", "settings", "keyfile")
        os.makedirs(os.path.dirname(keyfile), exist_ok=True)
        with open(keyfile, "w") as f:
            f.write("[org/xfce/mousepad/preferences/window]\npath-in-title=false\n")
        for name in ("meeting-notes-alpha.txt", "meeting-notes-beta.txt"):
            with open(os.path.join(folder, name), "w") as f:
                f.write(name + "\n")
            clients.append(k.Process(["mousepad", "--disable-server", os.path.join(folder, name)],
                                     name="mousepad-" + name, env=dict(os.environ, LC_ALL="C.UTF-8", GSETTINGS_BACKEND="keyfile")))
        editors = [k.wait_until(lambda n=n: by_title(n), 15) for n in ("notes-alpha", "notes-beta")]
        k.check(all(editors), "both editor windows are mapped")
        names = k.wait_until(lambda: (lambda n: n if "Mousepad" in n else None)(ring_names()), timeout=5) or []
        editor_titles = sorted(wm_name(w) for w in editors if w)
        k.activate(term_one)
        k.wait_until(lambda: k.active_window() == term_one)
        k.move_pointer(640, 512)
        k.check(hold_switcher(), "the switcher opens over the editors")
        at = 2 * math.pi / len(names) * (names.index("Mousepad") + 0.5) if "Mousepad" in names else 0.0
        for radius in (120, 200, 265):
            before = k.capture()
            k.move_pointer(int(640 + radius * math.sin(at)), int(512 - radius * math.cos(at)))
            k.wait_settled(since=before)
            k.screenshot("look-switcher-editor-cards-%d" % radius)
        close_switcher()
        k.check(len(set(editor_titles)) == 2, "the editor windows have titles of their own: %r" % editor_titles)
    finally:
        k.key_up("ctrl")
        k.key_up("shift")
        if app:
            app.stop()
        for c in clients:
            c.stop()
    compositor = None
    app = None
    try:
        k.write_settings_defaults("dark", ringScale=1.3)
        app = k.start_kelvaro(name="kelvaro-dark")
        bare_side = frosted_glass_journey(False, app)
        # The same Kelvaro sees the compositor come: from its next showing
        # the window is no larger than the ring, the rest of the screen live.
        compositor = k.Process(["xcompmgr", "-n"], name="xcompmgr")
        k.check(k.wait_until(compositing, timeout=5), "xcompmgr takes over compositing")
        composited_side = frosted_glass_journey(True, app)
        k.check(0 < composited_side < bare_side,
                "with the compositor the switcher's window holds the ring alone (%d pixels wide, %d without)"
                % (composited_side, bare_side))
        compositor.stop()
        compositor = None
        k.wait_until(lambda: not compositing(), timeout=5)
        shown = hold_switcher()
        k.check(shown and k.window_geometry(shown)[2] == bare_side,
                "and when it goes, the window covers its copied backdrop again")
        close_switcher()
    finally:
        if app:
            app.stop()
        if compositor:
            compositor.stop()
        k.key_up("ctrl")
        k.key_up("shift")
    k.finish()


if __name__ == "__main__":
    main()
