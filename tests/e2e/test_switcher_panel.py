"""The switcher panel over real windows.

Three applications (with desktop entries and icons in this session's
XDG_DATA_HOME): Alpha and Beta with one window each on desktop 0, Gamma with
one window on desktop 0 and one on desktop 1. The switcher probe shows the
real switcher panel: it must list the three applications, leave the active
window alone, draw the band and the selected wedge over the desktop, fan out
Gamma's windows when the pointer is on Gamma's wedge, raise "Gamma Two" (and
switch to desktop 1) when its card is clicked, and activate Alpha when its
wedge is clicked. With an owner, a click only asks the owner to commit.
"""
import math
import os
import struct
import sys
import time
import zlib

sys.path.insert(0, os.path.dirname(__file__))
from kelvaro_e2e import (Probe, Process, activate, active_window, binary, capture, check, current_desktop,  # noqa: E402
                         find_window, finish, holds, move_pointer, pixel, run, settled_screenshot, wait_settled,
                         wait_until)

DATA = os.environ["XDG_DATA_HOME"]
CLIENT = binary("kelvaro-test-client")


def png(path, rgb, size=48):
    raw = b"".join(b"\x00" + bytes(rgb) * size for _ in range(size))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def install(app_id, name, rgb):
    icon = os.path.join(DATA, app_id + ".png")
    png(icon, rgb)
    folder = os.path.join(DATA, "applications")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, app_id + ".desktop"), "w") as f:
        f.write("[Desktop Entry]\nType=Application\nName=%s\nExec=%s --app-id %s\nIcon=%s\n" % (name, CLIENT, app_id, icon))


class Ring:
    """Geometry of a shown ring from the probe's "shown" line."""

    def __init__(self, shown, names):
        _, wid, x, y, side = shown.split()
        self.window = int(wid, 16)
        self.region = (int(x), int(y), int(side), int(side))
        self.cx, self.cy = int(x) + int(side) / 2.0, int(y) + int(side) / 2.0
        self.names = names

    def at(self, radius, arc_degrees):
        a = math.radians(arc_degrees)
        return int(round(self.cx + radius * math.sin(a))), int(round(self.cy - radius * math.cos(a)))

    def wedge_arc(self, name):
        n = len(self.names)
        return 360.0 / n * (self.names.index(name) + 0.5)


def differing_pixels(a, b, x, y, w=160, h=60):
    """How many pixels of a w x h box centred on (x, y) differ between two screenshots."""
    crop = "%dx%d+%d+%d" % (w, h, x - w // 2, y - h // 2)
    out = run("compare", "-metric", "AE", "-fuzz", "3%", "(", a, "-crop", crop, ")", "(", b, "-crop", crop, ")",
              "null:").stderr.strip()
    try:
        return int(float(out.split()[0]))
    except (ValueError, IndexError):
        return -1


def context_switches(pid):
    """Context switches of every thread of a process so far."""
    total = 0
    for task in os.listdir("/proc/%d/task" % pid):
        with open("/proc/%d/task/%s/status" % (pid, task)) as f:
            for line in f:
                if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                    total += int(line.split()[1])
    return total


def click(x, y):
    run("xdotool", "mousemove", str(x), str(y), "click", "1")


def show(probe):
    probe.send("show")
    apps = probe.expect("apps ")
    shown = probe.expect("shown")
    names = apps.split(" ", 1)[1].split(",") if apps else []
    return (Ring(shown, names) if shown else None), names


def main():
    install("org.kelvaro.SwAlpha", "Alpha", (230, 40, 40))
    install("org.kelvaro.SwBeta", "Beta", (40, 200, 60))
    install("org.kelvaro.SwGamma", "Gamma", (240, 170, 0))
    clients = [
        Process([CLIENT, "--app-id", "org.kelvaro.SwAlpha", "--title", "Alpha One", "--desktop", "0"], name="sw-alpha", wait_ready=True),
        Process([CLIENT, "--app-id", "org.kelvaro.SwGamma", "--title", "Gamma One", "--desktop", "0",
                 "--title", "Gamma Two", "--desktop", "1"], name="sw-gamma", wait_ready=True),
        Process([CLIENT, "--app-id", "org.kelvaro.SwBeta", "--title", "Beta Main", "--desktop", "0"], name="sw-beta", wait_ready=True),
    ]
    probe = Probe("--switcher")
    owner = None
    try:
        ids = {t: find_window(t) for t in ("Alpha One", "Gamma One", "Gamma Two", "Beta Main")}
        check(all(ids.values()), "the client windows are managed: %s" % ids)
        activate(ids["Beta Main"])
        check(wait_until(lambda: active_window() == ids["Beta Main"] and current_desktop() == 0), "Beta is active on desktop 0")
        check(probe.expect("ready") is not None, "the switcher probe starts")
        move_pointer(640, 512)

        ring, names = show(probe)
        check(ring is not None and set(names) >= {"Alpha", "Beta", "Gamma"}, "the ring lists the three applications: %s" % names)
        if not ring:
            return
        check(wait_until(lambda: "IsViewable" in run("xwininfo", "-id", hex(ring.window)).stdout, 3),
              "the ring window is mapped")
        shot = settled_screenshot("switcher-panel", ring.region)  # once the opening animation is over
        check(active_window() == ids["Beta Main"], "showing the switcher leaves the active window alone")
        check(os.path.exists(shot), "screenshot of the switcher: " + shot)
        # The active application's wedge is selected: blue beside its icon; another wedge is not.
        sel = pixel(shot, *ring.at(176, ring.wedge_arc("Beta")))
        other = pixel(shot, *ring.at(176, ring.wedge_arc("Alpha")))
        check(sel is not None and sel[2] > sel[0] + 40, "the selected wedge is blue (%s)" % (sel,))
        check(other is not None and sel is not None and other[2] - other[0] < sel[2] - sel[0] - 30,
              "an unselected wedge is not (%s)" % (other,))
        # The band's glass shows between the wedges' outer edge and the band's edge.
        band = pixel(shot, *ring.at(187, ring.wedge_arc("Alpha") + 180.0 / len(names)))
        beyond = pixel(shot, *ring.at(200, ring.wedge_arc("Alpha") + 180.0 / len(names)))
        check(band is not None and beyond is not None and band != beyond, "the band is drawn (%s over %s)" % (band, beyond))
        icon = pixel(shot, *ring.at(124, ring.wedge_arc("Alpha")))
        check(icon is not None and icon[0] > 180 and icon[1] < 90, "Alpha's red icon sits in its wedge (%s)" % (icon,))

        # The pointer onto Gamma's wedge selects it and fans out its two windows.
        gamma = ring.wedge_arc("Gamma")
        before = capture()
        move_pointer(*ring.at(120, gamma - 5))
        # The pause is part of the gesture: the feed samples the pointer every
        # 10 ms and has to see it at both places, moving out along the wedge.
        time.sleep(0.05)
        move_pointer(*ring.at(130, gamma))
        check(probe.expect("selected %d" % names.index("Gamma"), 3) is not None, "the pointer selects Gamma")
        fan = settled_screenshot("switcher-panel-fan", since=before)  # the fan has opened
        changed = differing_pixels(shot, fan, *ring.at(262, gamma))
        check(changed > 300, "Gamma's windows fan out beyond the ring (%d pixels changed there)" % changed)
        check(differing_pixels(shot, fan, *ring.at(262, gamma + 180)) == 0, "nothing appears on the far side")
        target = None
        for offset in (-9.1, 9.1):
            move_pointer(*ring.at(262, gamma + offset))
            got = probe.expect("window ", 2)
            if got and got.endswith("Gamma Two"):
                target = ring.at(262, gamma + offset)
                break
        check(target is not None, "a card of the fan is Gamma Two")
        if target:
            click(*target)
            check(probe.expect("hidden", 3) is not None, "clicking the card hides the switcher")
            check(wait_until(lambda: current_desktop() == 1, 3), "the desktop switched to 1")
            check(wait_until(lambda: active_window() == ids["Gamma Two"], 3), "Gamma Two is active (0x%x)" % active_window())

        # From desktop 1, a click on Alpha's wedge activates Alpha on desktop 0.
        move_pointer(640, 512)
        ring, names = show(probe)
        check(ring is not None, "the switcher shows again on desktop 1")
        if ring:
            wait_settled(ring.region)  # open: a click lands on what is drawn
            check(active_window() == ids["Gamma Two"], "the second showing leaves the active window alone")
            click(*ring.at(150, ring.wedge_arc("Alpha")))
            check(active_window() != ring.window, "the ring never takes the activation")
            check(probe.expect("hidden", 3) is not None, "clicking a wedge hides the switcher")
            check(wait_until(lambda: active_window() == ids["Alpha One"] and current_desktop() == 0, 3),
                  "Alpha One is active on desktop 0 (0x%x)" % active_window())

        # With an owner, a wedge click only asks for the commit, a tenth of a second later.
        owner = Probe("--switcher", "--owner")
        check(owner.expect("ready") is not None, "the probe with an owner starts")
        move_pointer(640, 512)
        ring, names = show(owner)
        check(ring is not None, "the switcher with an owner shows")
        if ring:
            wait_settled(ring.region)
            before = active_window()
            click(*ring.at(150, ring.wedge_arc("Gamma")))
            got = owner.expect("commit", 2)
            check(got == "commit %d -1" % names.index("Gamma"), "the click asks the owner to commit Gamma: %s" % got)
            check(holds(lambda: active_window() == before, 0.3), "and nothing else happens")
            owner.send("hide")
            check(owner.expect("hidden", 3) is not None, "the owner's hide runs the exit and orders out")
            # Once the exit has ended, nothing in the process wakes up any more.
            # The window manager's answers to the unmap arrive first: until a
            # quarter of a second passes without a wakeup.
            last = [None]

            def calm():
                now = context_switches(owner.proc.pid)
                quiet, last[0] = last[0] is not None and now - last[0] <= 1, now
                return quiet
            wait_until(calm, timeout=5, interval=0.25)
            first = context_switches(owner.proc.pid)
            time.sleep(2.0)  # the span in which no wakeup may come: what is measured
            woke = context_switches(owner.proc.pid) - first
            check(woke <= 4, "no wakeups once hidden (%d context switches in 2 s)" % woke)
    finally:
        if owner:
            owner.stop()
        probe.stop()
        for c in clients:
            c.stop()
    finish()


if __name__ == "__main__":
    main()
