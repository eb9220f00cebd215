"""The app switcher as a user meets it: windows of three applications on two
desktops, Ctrl+Shift+A held opens the ring over the focused window without
taking the focus, A again moves the selection, releasing Ctrl activates the
chosen application (switching desktops when needed), a window card raises
that very window, and Escape followed by the release leaves everything as it
was. Screenshots of the ring in light and dark appearance are saved."""
import math
import os
import re

import kelvaro_e2e as k

TEST_CLIENT = "kelvaro-test-client"


def ring_window():
    """(window id, x, y, width, height) of the mapped switcher panel, or None."""
    for line in k.run("xwininfo", "-root", "-tree").stdout.splitlines():
        m = re.search(r'(0x[0-9a-f]+) "Kelvaro App Switcher[^"]*": \("kelvaro" "kelvaro"\)\s+(\d+)x(\d+)'
                      r'[+-]-?\d+[+-]-?\d+\s+\+(-?\d+)\+(-?\d+)', line)
        if m:
            wid = int(m.group(1), 16)
            if "IsViewable" in k.run("xwininfo", "-id", hex(wid)).stdout:
                return wid, int(m.group(4)), int(m.group(5)), int(m.group(2)), int(m.group(3))
    return None


def input_focus():
    out = k.run("xdotool", "getwindowfocus").stdout.strip()
    return int(out) if out.isdigit() else 0


def point(centre, arc_degrees, radius):
    """Screen point (y down) at an arc angle (0 at 12 o'clock, clockwise) and radius."""
    a = math.radians(arc_degrees)
    return int(round(centre[0] + radius * math.sin(a))), int(round(centre[1] - radius * math.cos(a)))


def differs(a, b, by=24):
    return a is not None and b is not None and sum(abs(x - y) for x, y in zip(a, b)) >= by


def hold_open():
    k.key_down("ctrl")
    k.key_down("shift")
    k.key("a")
    if not k.wait_until(ring_window, timeout=3):
        return None
    # Mapped; the window manager may still move it into place.
    return k.wait_until(k.steady(ring_window), timeout=3, interval=0.1)


def highlighted(shot, centre):
    """Index of the wedge (of three) drawn in the accent colour, or None."""
    found = []
    for i in range(3):
        px = k.pixel(shot, *point(centre, 120 * i + 60 + 25, 150))
        if px and px[2] - px[0] > 40:
            found.append(i)
    return found[0] if len(found) == 1 else None


def release_all():
    k.key_up("ctrl")
    k.key_up("shift")


def main():
    k.write_settings_defaults("light", keep=False)
    clients = [
        k.Process([k.binary(TEST_CLIENT), "--app-id", "org.example.Alpha", "--title", "Alpha", "--desktop", "0"],
                  name="alpha", wait_ready=True),
        k.Process([k.binary(TEST_CLIENT), "--app-id", "org.example.Beta", "--title", "Beta One", "--desktop", "1",
                   "--title", "Beta Two", "--desktop", "1"], name="beta", wait_ready=True),
        k.Process([k.binary(TEST_CLIENT), "--app-id", "org.example.Gamma", "--title", "Gamma", "--desktop", "0"],
                  name="gamma", wait_ready=True),
    ]
    alpha = k.find_window("Alpha")
    beta = [k.find_window("Beta One"), k.find_window("Beta Two")]
    gamma = k.find_window("Gamma")
    k.check(alpha and all(beta) and gamma, "three applications with four windows are mapped")
    app = k.start_kelvaro()
    try:
        k.activate(alpha)
        k.check(k.wait_until(lambda: k.active_window() == alpha), "Alpha is the active window")
        k.move_pointer(640, 512)
        # The rings are shown once clear at launch to warm them up; none stays
        # mapped over the desktop.
        k.check(ring_window() is None, "no ring window is left mapped after launch")
        background = k.screenshot("switcher-before")

        ring = hold_open()
        k.check(ring is not None, "holding Ctrl+Shift+A maps the ring window")
        if not ring:
            return
        _, rx, ry, rw, rh = ring
        centre = (rx + rw // 2, ry + rh // 2)
        # Until window cards appear the window holds just the ring.
        k.check(abs(rw - 484) <= 1 and abs(rh - 484) <= 1, "the ring window is 484 x 484 at scale 1 (%dx%d)" % (rw, rh))
        k.check(abs(centre[0] - 640) <= 2 and abs(centre[1] - 512) <= 2,
                "the ring sits at the display's centre (%d, %d)" % centre)
        shot = k.settled_screenshot("switcher-open-light", ring[1:])  # once the entry animation is over
        k.check(k.active_window() == alpha, "the focus stays with Alpha while the ring is up")
        k.check(input_focus() != ring[0], "the ring window never has the keyboard focus")

        # Three wedges, the active application's drawn in the accent colour.
        angles = [120 * i + 60 + 25 for i in range(3)]
        band = [k.pixel(shot, *point(centre, a, 150)) for a in angles]
        empty = [k.pixel(background, *point(centre, a, 150)) for a in angles]
        k.check(all(differs(b, e, 10) for b, e in zip(band, empty)),
                "the band and its wedges are drawn over the desktop: %r vs %r" % (band, empty))
        first = highlighted(shot, centre)
        k.check(first is not None, "exactly one wedge is highlighted: %r" % band)
        # Outside the band's rim the panel is clear, also where the ring was
        # blurred while it opened (the frames after it repaint less).
        rims = [point(centre, a, r) for a in range(0, 360, 45) for r in (210, 228)] + [point(centre, 45, 340)]
        stale = [(p, k.pixel(shot, *p)) for p in rims if differs(k.pixel(shot, *p), k.pixel(background, *p), 12)]
        k.check(not stale, "outside the ring the panel is clear: %r" % (stale,))

        before = k.capture(ring[1:])
        k.key("a")  # Ctrl+Shift still held: the next application
        moved = k.settled_screenshot("switcher-moved", ring[1:], since=before)
        second = highlighted(moved, centre)
        k.check(first is not None and second == (first + 1) % 3,
                "pressing A again moves the highlight one wedge on (%r -> %r)" % (first, second))
        k.check(k.active_window() == alpha, "stepping leaves the focus alone")

        k.key_up("ctrl")
        chosen = k.wait_until(lambda: k.active_window() if k.active_window() != alpha else 0, timeout=3)
        k.check(chosen in beta + [gamma], "releasing Ctrl activates the next application (%s)" % hex(chosen or 0))
        if chosen in beta:
            k.check(k.wait_until(lambda: k.current_desktop() == 1), "and switches to its desktop")
        k.key_up("shift")
        k.check(k.wait_until(lambda: ring_window() is None, timeout=3), "the ring window goes away")
        # Wedge order: Alpha's, then the one after; Beta's is whichever Beta got.
        beta_wedge = (first + 1) % 3 if chosen in beta else (first + 2) % 3 if first is not None else 1

        # A window card: back on Alpha, point at Beta's wedge, then at its second card.
        k.activate(alpha)
        k.wait_until(lambda: k.active_window() == alpha and k.current_desktop() == 0)
        k.move_pointer(640, 512)
        ring = hold_open()
        k.check(ring is not None, "the ring opens again")
        wedge_angle = 120 * beta_wedge + 60
        for r in (40, 150):
            k.move_pointer(*point(centre, wedge_angle, r))
        k.check(k.wait_until(lambda: highlighted(k.screenshot("switcher-pointed"), centre) == beta_wedge, timeout=3),
                "pointing at Beta's wedge highlights it")
        before = k.capture()
        k.move_pointer(*point(centre, wedge_angle + 12, 250))
        cards = k.settled_screenshot("switcher-cards", since=before)  # the cards have fanned out
        grown = ring_window()
        k.check(grown is not None and abs(grown[3] - 700) <= 1 and abs(grown[4] - 700) <= 1
                and abs(grown[1] + grown[3] // 2 - centre[0]) <= 1 and abs(grown[2] + grown[4] // 2 - centre[1]) <= 1,
                "for the cards the window grows to 700 x 700 about the same middle (%r)" % (grown,))
        card = point(centre, wedge_angle, 265)
        k.check(differs(k.pixel(cards, *card), k.pixel(background, *card), 10),
                "the cards beyond the ring are drawn: %r vs %r" % (k.pixel(cards, *card), k.pixel(background, *card)))
        k.key_up("ctrl")
        raised = k.wait_until(lambda: k.active_window() if k.active_window() in beta else 0, timeout=3)
        k.check(raised in beta, "releasing over a card raises one of Beta's windows (%s)" % hex(raised or 0))
        k.check(k.wait_until(lambda: k.current_desktop() == 1), "the desktop switches to the card's window")
        k.key_up("shift")
        k.wait_until(lambda: ring_window() is None, timeout=3)

        # Escape, then the release: nothing changes.
        k.activate(gamma)
        k.wait_until(lambda: k.active_window() == gamma and k.current_desktop() == 0)
        k.move_pointer(640, 512)
        ring = hold_open()
        k.key("a")
        k.key("Escape")
        k.check(k.wait_until(lambda: ring_window() is None, timeout=3), "Escape closes the ring")
        release_all()
        # Nothing may follow the release: watched for as long as an activation would take.
        k.check(k.holds(lambda: k.active_window() == gamma and k.current_desktop() == 0, 0.8),
                "Escape then the release leave the active window unchanged (%s)" % hex(k.active_window()))

        # Return commits as well; the release afterwards does nothing more.
        ring = hold_open()
        k.key("Return")
        k.check(k.wait_until(lambda: ring_window() is None, timeout=3), "Return closes the ring")
        release_all()
        k.check(k.active_window() == gamma, "Return committed the selected (active) application")

        # A quick flick: the hotkey, A again and both releases in one burst,
        # faster than the ring's grab can report the releases. The ring must
        # still commit, activate the next application and go away.
        k.run("xdotool", "keydown", "ctrl", "keydown", "shift", "key", "a", "key", "a", "keyup", "ctrl",
              "keyup", "shift")
        flicked = k.wait_until(lambda: k.active_window() if k.active_window() != gamma else 0, timeout=3)
        k.check(flicked in beta + [alpha], "a quick press and release activates the next application (%s)"
                % hex(flicked or 0))
        k.check(k.wait_until(lambda: ring_window() is None, timeout=3), "and the ring goes away")
    finally:
        release_all()
        app.stop()

    # The same ring in dark appearance.
    k.write_settings_defaults("dark", keep=False)
    app = k.start_kelvaro(name="kelvaro-dark")
    try:
        k.activate(alpha)
        k.move_pointer(640, 512)
        ring = hold_open()
        k.check(ring is not None, "the ring opens in dark appearance")
        dark = k.settled_screenshot("switcher-open-dark", ring[1:] if ring else None)
        light = os.path.join(k.ARTEFACTS, "switcher-open-light.png")
        probe = point((640, 512), 120 * ((highlighted(dark, (640, 512)) or 0) + 1) + 85, 150)
        k.check(differs(k.pixel(dark, *probe), k.pixel(light, *probe), 30),
                "dark appearance draws the band differently: %r vs %r" % (k.pixel(dark, *probe), k.pixel(light, *probe)))
        k.key("Escape")
        release_all()
    finally:
        release_all()
        app.stop()
        for c in clients:
            c.stop()
    k.finish()


if __name__ == "__main__":
    main()
