# test-session: --no-compositor
"""The launch notice on an X server with no compositing manager: its window
is shaped to the panel's outline, so the desktop shows through its rounded
corners and beside its arrow (as it was before the notice came) instead of
black. The notice is saved as a
screenshot (launch-notice-no-compositor.png)."""
import os
import re

import kelvaro_e2e as k


def notice_window(pid):
    """(wid, x, y, w, h) of Kelvaro's viewable top-level window titled
    "Kelvaro is Now Running", or None."""
    for line in k.run("xwininfo", "-root", "-tree").stdout.splitlines():
        m = re.search(r'(0x[0-9a-f]+) "Kelvaro is Now Running"', line)
        if not m:
            continue
        wid = int(m.group(1), 16)
        info = k.run("xwininfo", "-id", hex(wid)).stdout
        if "IsViewable" in info and k.window_pid(wid) == pid:
            g = k.window_geometry(wid)
            if g and g[2] >= 300:
                return (wid,) + g
    return None


def main():
    k.write_settings_defaults(onboarded=False, hasCompletedOnboarding=True, showLaunchMessage=True,
                              telemetryNoticeShownBuild=1)
    desktop = k.screenshot("launch-notice-no-compositor-desktop")
    app = k.Process([k.binary("kelvaro")])
    try:
        notice = k.wait_until(lambda: notice_window(app.pid), timeout=15)
        if not k.check(notice is not None, "the launch notice appears without a compositor"):
            return
        wid, x, y, w, h = notice
        k.wait_settled((x, y, w, h))
        full = k.screenshot("launch-notice-no-compositor-full")
        out = os.path.join(k.ARTEFACTS, "launch-notice-no-compositor.png")
        k.run("convert", full, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", out, timeout=20)
        shape = k.run("xwininfo", "-shape", "-id", hex(wid)).stdout
        k.check("Window shape extents" in shape and "No window shape defined" not in shape,
                "the notice's window is shaped to its outline")
        # The corners and the band beside the arrow (the arrow points at the
        # tray icon, at the top on a top panel) show the desktop, not black.
        body_top = 12
        spots = [(x + 1, y + body_top + 1), (x + w - 2, y + body_top + 1), (x + 1, y + h - 2),
                 (x + w - 2, y + h - 2), (x + 4, y + 3), (x + w - 5, y + 3)]
        for sx, sy in spots:
            colour, before = k.pixel(full, sx, sy), k.pixel(desktop, sx, sy)
            k.check(colour == before, "the desktop shows at %d,%d outside the notice's outline (%r, was %r)"
                    % (sx - x, sy - y, colour, before))
    finally:
        app.stop()
    k.finish()


if __name__ == "__main__":
    main()
