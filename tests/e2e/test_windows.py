"""Applications, windows and desktops through the real X11 backend.

Three X clients of two applications (with desktop entries and icons installed
in this session's XDG_DATA_HOME) sit on desktops 1 and 2. The probe must list
both applications with their bundle identifiers and icons, list each one's
windows by title, and raise a window on the other desktop: xprop then sees
that desktop current and that window active.
"""
import json
import os
import struct
import subprocess
import sys
import tempfile
import time
import zlib

sys.path.insert(0, os.path.dirname(__file__))
from kelvaro_e2e import (Process, activate, active_window, binary, check, current_desktop, find_window,  # noqa: E402
                         finish, run, wait_until, window_pid, window_prop)

DATA = os.environ["XDG_DATA_HOME"]
CLIENT = binary("kelvaro-test-client")
PROBE = binary("kelvaro-probe")


def png(path, rgb, size=48):
    """A solid-colour PNG, written with the standard library."""
    raw = b"".join(b"\x00" + bytes(rgb) * size for _ in range(size))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def desktop_entry(app_id, name, exec_line, icon):
    folder = os.path.join(DATA, "applications")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, app_id + ".desktop"), "w") as f:
        f.write("[Desktop Entry]\nType=Application\nName=%s\nExec=%s\nIcon=%s\n" % (name, exec_line, icon))


class Output:
    def __init__(self, returncode, stdout, stderr):
        self.returncode, self.stdout, self.stderr = returncode, stdout, stderr


def probe(*args):
    """Runs the probe with its output in files: a program it launches keeps them open."""
    with tempfile.TemporaryFile("w+") as out, tempfile.TemporaryFile("w+") as err:
        rc = subprocess.run([PROBE] + list(args), stdout=out, stderr=err, timeout=20).returncode
        out.seek(0)
        err.seek(0)
        p = Output(rc, out.read(), err.read())
    # A program the probe launches writes to the same files, before or after it.
    for text in [p.stdout] + p.stdout.splitlines():
        try:
            return (json.loads(text) if text.strip() else None), p
        except ValueError:
            continue
    return None, p


def client(app_id, title, desktop):
    return Process([CLIENT, "--app-id", app_id, "--title", title, "--desktop", str(desktop)],
                   name="client-" + title.replace(" ", "-"), wait_ready=True)


png(os.path.join(DATA, "icons/hicolor/48x48/apps/org.kelvaro.TestAlpha.png"), (255, 0, 0))
beta_icon = os.path.join(DATA, "beta-icon.png")
png(beta_icon, (0, 255, 0))
desktop_entry("org.kelvaro.TestAlpha", "Alpha Test", CLIENT + " --app-id org.kelvaro.TestAlpha", "org.kelvaro.TestAlpha")
desktop_entry("org.kelvaro.TestBeta", "Beta Test", CLIENT + " --app-id org.kelvaro.TestBeta", beta_icon)
desktop_entry("org.kelvaro.TestGamma", "Gamma Test",
              CLIENT + " --app-id org.kelvaro.TestGamma --title \"Gamma Launched\"", "org.kelvaro.TestAlpha")
desktop_entry("org.kelvaro.TestBroken", "Broken Test", "/nonexistent/kelvaro-no-such-program --flag", "x")

clients = [client("org.kelvaro.TestAlpha", "Alpha One", 1),
           client("org.kelvaro.TestAlpha", "Alpha Two", 2),
           client("org.kelvaro.TestBeta", "Beta Main", 1)]
launched = None
try:
    ids = {t: find_window(t) for t in ("Alpha One", "Alpha Two", "Beta Main")}
    check(all(ids.values()), "the three client windows are managed: %s" % ids)
    activate(ids["Beta Main"])
    check(wait_until(lambda: current_desktop() == 1), "desktop 1 is current")

    # Applications: grouped by bundle identifier, named and drawn from their desktop entries.
    apps, p = probe("apps")
    ring = {a["bundleIdentifier"]: a for a in (apps or {}).get("ring", [])}
    check(set(ring) >= {"org.kelvaro.TestAlpha", "org.kelvaro.TestBeta"}, "both applications are in the ring: %s" % p.stdout)
    alpha, beta = ring.get("org.kelvaro.TestAlpha", {}), ring.get("org.kelvaro.TestBeta", {})
    check(alpha.get("name") == "Alpha Test" and beta.get("name") == "Beta Test", "names come from the desktop entries")
    check(alpha.get("icon", {}).get("rgb") == "#ff0000", "the theme icon of the first application: %s" % alpha.get("icon"))
    check(beta.get("icon", {}).get("rgb") == "#00ff00", "the file icon of the second application: %s" % beta.get("icon"))
    check(alpha.get("icon", {}).get("width") == 128, "icons are 64-point thumbnails at double density")
    check(beta.get("isActive") is True and alpha.get("isActive") is False, "the active application is marked")
    running = [a["bundleIdentifier"] for a in apps.get("running", [])] if apps else []
    check(running.count("org.kelvaro.TestAlpha") == 1, "two processes of one application are one application")
    apps2, _ = probe("apps")
    check(apps2 and [a["bundleIdentifier"] for a in apps2["ring"]] == [a["bundleIdentifier"] for a in apps["ring"]],
          "the order is the same on the next showing")

    # Windows of each application, by title, with their X ids.
    wins, p = probe("windows", "org.kelvaro.TestAlpha")
    by_title = {w["title"]: w["window"] for w in wins or []}
    check(set(by_title) == {"Alpha One", "Alpha Two"}, "the first application's windows: %s" % p.stdout)
    check(by_title.get("Alpha Two") == ids["Alpha Two"], "window numbers are the X window ids")
    check(all(w["id"] == "org.kelvaro.TestAlpha#cg%d" % w["window"] for w in wins or []), "stable identifiers")
    wins, p = probe("windows", "org.kelvaro.TestBeta")
    check([w["title"] for w in wins or []] == ["Beta Main"], "the second application's window: %s" % p.stdout)

    # Raising a window on the other desktop switches there and activates it.
    started = time.monotonic()
    raised, p = probe("raise", "org.kelvaro.TestAlpha", "Alpha Two")
    check(p.returncode == 0, "raise ran: %s" % p.stderr.strip())
    check(raised == {"window": ids["Alpha Two"], "title": "Alpha Two", "desktop": 2},
          "the window port reads the raised window's title and desktop: %s" % raised)
    check(wait_until(lambda: current_desktop() == 2, 3), "the desktop switched to 2")
    check(wait_until(lambda: active_window() == ids["Alpha Two"], 3),
          "the raised window is active (0x%x)" % active_window())
    check(time.monotonic() - started < 10, "the raise returns in time")

    _, p = probe("raise", "org.kelvaro.TestBeta", "Beta Main")
    check(wait_until(lambda: current_desktop() == 1 and active_window() == ids["Beta Main"], 3),
          "raising back to desktop 1 works")

    # A minimised window is not on the arc; activating its application restores it.
    run("xdotool", "windowminimize", str(ids["Beta Main"]))
    check(wait_until(lambda: "_NET_WM_STATE_HIDDEN" in window_prop(ids["Beta Main"], "_NET_WM_STATE"), 3),
          "Beta Main is minimised")
    wins, p = probe("windows", "org.kelvaro.TestBeta")
    check(wins == [], "a minimised window is not listed: %s" % p.stdout)
    result, p = probe("activate", "org.kelvaro.TestBeta")
    check(result == {"result": True}, "activating the minimised application reports success")
    check(wait_until(lambda: active_window() == ids["Beta Main"]
                     and "_NET_WM_STATE_HIDDEN" not in window_prop(ids["Beta Main"], "_NET_WM_STATE"), 3),
          "activation restores and focuses the minimised window")

    # Activating an application brings its front window forward.
    result, p = probe("activate", "org.kelvaro.TestAlpha")
    check(result == {"result": True}, "activate reports success")
    check(wait_until(lambda: active_window() in (ids["Alpha One"], ids["Alpha Two"]), 3),
          "an Alpha window is active after activation")
    front, _ = probe("front", "org.kelvaro.TestAlpha")
    check(front and front["window"] == active_window(), "the front window is the active one: %s" % front)

    # Launching: an installed application starts; a broken entry fails plainly.
    result, p = probe("launch", "org.kelvaro.TestGamma")
    check(result == {"result": True}, "an installed application is launched")
    launched = find_window("Gamma Launched", timeout=10)
    check(bool(launched), "the launched application's window appears")
    result, p = probe("launch", "org.kelvaro.TestBroken")
    check(result == {"result": False}, "a launch that cannot start reports failure")
    check("Kelvaro: could not activate Broken Test" in p.stderr, "and says so: %s" % p.stderr.strip())
    result, p = probe("launch", "org.kelvaro.NotInstalled")
    check(result == {"result": False}, "an unknown application cannot be activated")
finally:
    if launched:
        pid = window_pid(launched)
        if pid:
            os.kill(pid, 15)
    for c in clients:
        c.stop()
finish()
