"""The settings window as a user meets it: a second start of kelvaro brings up
"Kelvaro Settings" and a third start raises the same window; a screen reader
finds its six tabs; on the Switcher page a click on the recorder and Ctrl+Alt+K
pressed on the keyboard store the new switcher hotkey, after which Ctrl+Alt+K
opens the switcher ring and Ctrl+Shift+A no longer does; a larger ring size on
the General page grows the preview and the next ring; and closing the window
in the middle of a recording leaves the hotkeys working. Every page is saved
as a screenshot in light and dark appearance."""
import base64
import json
import os
import re
import subprocess

import kelvaro_e2e as k

TITLE = "Kelvaro Settings"
TABS = ["General", "Switcher", "Shortcuts", "Launcher", "Passwords", "Tabs"]


stored = k.stored_setting


def stored_hotkey(key):
    """The stored hotkey as a dict ({"keyCode", "rawModifiers"}), or {}."""
    value = stored(key)
    if isinstance(value, str):
        try:
            value = json.loads(value)
        except ValueError:
            try:
                value = json.loads(base64.b64decode(value))
            except ValueError:
                value = {}
    return value if isinstance(value, dict) else {}


def settings_windows():
    return [w for w in k.client_list() if k.window_title(w) == TITLE]


def geometry(wid):
    """Screen position and size of a window's content."""
    out = k.run("xwininfo", "-id", str(wid)).stdout
    value = lambda label: int(re.search(label + r":\s+(-?\d+)", out).group(1))
    return value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"), value("Height")


def click(x, y):
    k.run("xdotool", "mousemove", "--sync", str(x), str(y), "click", "1")


def click_and_settle(window, x, y):
    """Clicks and waits until the window shows the outcome (a new page, an open list) at rest."""
    region = geometry(window)
    before = k.capture(region)
    click(x, y)
    k.wait_settled(region, since=before)


def scroll_down(window):
    """Turns the wheel over the page's scroll bar down to the Appearance section."""
    x, y, _, _ = region = geometry(window)
    before = k.capture(region)
    k.run("xdotool", "mousemove", "--sync", str(x + 401 + 512), str(y + 400), "click", "--repeat", "15", "5")
    k.wait_settled(region, since=before)


def tab_point(window, name):
    """Centre of a tab button: six 74-point buttons, 6 apart, centred on the 520-point side."""
    x, y, _, _ = geometry(window)
    i = TABS.index(name)
    left = 401 + (520 - (6 * 74 + 5 * 6)) // 2
    return x + left + i * 80 + 37, y + 68


def ring_window():
    """(window id, width, height) of the mapped switcher panel, or None."""
    for line in k.run("xwininfo", "-root", "-tree").stdout.splitlines():
        m = re.search(r'(0x[0-9a-f]+) "Kelvaro App Switcher[^"]*": \("kelvaro" "kelvaro"\)\s+(\d+)x(\d+)', line)
        if m:
            wid = int(m.group(1), 16)
            if "IsViewable" in k.run("xwininfo", "-id", hex(wid)).stdout:
                return wid, int(m.group(2)), int(m.group(3))
    return None


def switcher_opens(combo):
    """Presses `combo` with nothing of kelvaro focused; True when the switcher ring shows.
    The ring is closed again with Escape."""
    k.key(combo)
    shown = k.wait_until(ring_window, timeout=2)
    if shown:
        k.key("Escape")
        k.wait_until(lambda: ring_window() is None, timeout=3)
    return shown


def crop(path, window, name):
    x, y, w, h = geometry(window)
    out = os.path.join(k.ARTEFACTS, name + ".png")
    k.run("convert", path, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", out, timeout=20)
    return out


def shoot_pages(window, appearance):
    for name in TABS:
        click_and_settle(window, *tab_point(window, name))
        crop(k.screenshot("settings-full"), window, "settings-%s-%s" % (name.lower(), appearance))
    # A tab change caught halfway: the Tabs page dissolving into General, the preview's ring into the switcher's.
    k.check(k.motion_shot(window, "settings-tab-change-mid-animation-%s" % appearance,
                          lambda: k.run("xdotool", "mousemove", *map(str, tab_point(window, "General")), "click", "1")),
            "a frame from the middle of a tab change is kept (%s)" % appearance)
    k.run("xdotool", "mousemove", "5", "5")  # off the tab, so the next click there moves the pointer


def differ(a, b):
    out = k.run("compare", "-metric", "AE", a, b, "null:").stderr.strip()
    try:
        return float(out.split()[0]) > 200
    except (ValueError, IndexError):
        return False


def set_a11y(on):
    k.run("gdbus", "call", "--session", "-d", "org.a11y.Bus", "-o", "/org/a11y/bus", "-m",
          "org.freedesktop.DBus.Properties.Set", "org.a11y.Status", "IsEnabled", "<%s>" % ("true" if on else "false"))


def a11y_enabled():
    out = k.run("gdbus", "call", "--session", "-d", "org.a11y.Bus", "-o", "/org/a11y/bus", "-m",
                "org.freedesktop.DBus.Properties.Get", "org.a11y.Status", "IsEnabled").stdout
    return "true" in out if out else None


def a11y_names(app, *names):
    out = k.run(k.binary("kelvaro-a11y-probe"), str(app.pid), *sum((["--name", n] for n in names), []),
                timeout=20).stdout
    found = set()
    for line in out.splitlines():
        if line.startswith("{") and '"element"' in line:
            element = json.loads(line)
            if "showing" in element.get("states", []):
                found.add(element["name"])
    return found


def start_again():
    p = subprocess.run([k.binary("kelvaro")], capture_output=True, text=True, timeout=20)
    return p.returncode


def lock_holder():
    """Process id written in kelvaro's single-instance lock (the running copy), or 0."""
    try:
        with open(os.path.join(os.environ["XDG_RUNTIME_DIR"], "kelvaro.lock")) as f:
            return int(f.readline().strip() or 0)
    except (OSError, ValueError):
        return 0


def alive(pid):
    try:
        os.kill(pid, 0)
    except OSError:
        return False
    try:
        with open("/proc/%d/stat" % pid) as f:
            return f.read().split()[2] != "Z"
    except OSError:
        return False


def main():
    k.write_settings_defaults("light", keep=False, activationMode="toggle", ringScale=1.0)
    # Applications for the preview of the switcher ring.
    clients = [k.Process([k.binary("kelvaro-test-client"), "--app-id", "org.example.%s" % name, "--title", name],
                         name=name.lower(), wait_ready=True) for name in ("Alpha", "Beta", "Gamma")]
    clients.append(k.Process(["xlogo"], name="xlogo"))
    app = k.Process([k.binary("kelvaro")])
    relaunched = 0
    try:
        k.check(k.wait_until(k.tray_icon, timeout=10), "kelvaro is running in the tray")
        k.check(start_again() == 0, "a second start hands over and exits")
        window = k.find_window(TITLE, timeout=5)
        k.check(window, "the second start brings up the settings window")
        if not window:
            return
        _, _, w, h = geometry(window)
        k.check((w, h) == (921, 620), "the window is 921 x 620 (got %d x %d)" % (w, h))
        k.check(start_again() == 0 and len(settings_windows()) == 1, "a third start keeps one settings window")

        probe = k.run(k.binary("kelvaro-a11y-probe"), str(app.pid), *sum((["--name", t] for t in TABS), []),
                      timeout=20).stdout
        found = {json.loads(l)["name"] for l in probe.splitlines() if l.startswith("{") and '"element"' in l}
        k.check(all(t in found for t in TABS), "a screen reader finds the six tabs (found %s)" % sorted(found))

        shoot_pages(window, "light")

        # With the accessibility bus switched off the Switcher page says so, and
        # its button switches the bus on again.
        set_a11y(False)
        click(*tab_point(window, "Switcher"))
        banner = k.wait_until(lambda: a11y_names(app, "Accessibility Access Required"), timeout=5)
        k.check(banner, "with the accessibility bus off the page shows the banner")
        crop(k.screenshot("settings-full"), window, "settings-switcher-banner")
        if banner:
            x, y, _, _ = geometry(window)
            click(x + 838, y + 184)  # "Turn On"
            k.check(k.wait_until(lambda: a11y_enabled() is True, timeout=3), "Turn On switches the bus on")
            k.check(k.wait_until(lambda: not a11y_names(app, "Accessibility Access Required"), timeout=4),
                    "and the banner goes within one poll")
        set_a11y(True)
        click_and_settle(window, *tab_point(window, "General"))

        # The Switcher page: record Ctrl+Alt+K.
        click_and_settle(window, *tab_point(window, "Switcher"))
        x, y, _, _ = geometry(window)
        recorder = (x + 401 + 260, y + 190)
        k.check(switcher_opens("ctrl+shift+a"), "Ctrl+Shift+A opens the switcher before the change")
        k.activate(window)
        click(*recorder)
        k.check(k.wait_until(lambda: k.recording(app.pid), timeout=5, interval=0.1), "a click starts the recording")
        k.screenshot("settings-recording")  # the recorder pulses while it records: never at rest
        k.key("ctrl+alt+k")
        k.check(k.wait_until(lambda: stored_hotkey("switcherHotkey").get("keyCode") == 40, timeout=3),
                "the recorded Ctrl+Alt+K is stored (%s)" % stored("switcherHotkey"))
        k.check(stored_hotkey("switcherHotkey").get("rawModifiers") == 0x180000, "with Ctrl and Alt in their stored bits")
        crop(k.screenshot("settings-full"), window, "settings-switcher-recorded")
        k.check(switcher_opens("ctrl+alt+k"), "Ctrl+Alt+K now opens the switcher ring")
        k.key("ctrl+alt+k")
        small_ring = k.wait_until(ring_window, timeout=2)
        k.key("Escape")
        k.wait_until(lambda: ring_window() is None, timeout=3)
        k.check(not switcher_opens("ctrl+shift+a"), "Ctrl+Shift+A no longer does")

        # The General page: a larger ring, through the keyboard on the slider.
        k.activate(window)
        click_and_settle(window, *tab_point(window, "General"))
        x, y, _, _ = geometry(window)
        scroll_down(window)
        before = crop(k.screenshot("settings-full"), window, "settings-general-scrolled")
        click(x + 769, y + 348)  # the ring size slider's handle takes the focus
        k.key("End")
        k.check(k.wait_until(lambda: stored("ringScale") == 1.4, timeout=3),
                "the ring size slider at its end stores 1.4 (%s)" % stored("ringScale"))
        k.run("convert", before, "-crop", "400x620+0+0", "+repage", before + ".preview.png")

        def preview_grown():
            # The preview springs to the new size over a few frames.
            after = crop(k.screenshot("settings-full"), window, "settings-general-large-ring")
            k.run("convert", after, "-crop", "400x620+0+0", "+repage", after + ".preview.png")
            return differ(before + ".preview.png", after + ".preview.png")

        k.check(k.wait_until(preview_grown, timeout=3, interval=0.2), "the preview draws the larger ring")
        k.key("ctrl+alt+k")
        # The panel is kept between showings: wait for it to take its new size.
        large_ring = k.wait_until(
            lambda: (lambda r: r if r and small_ring and r[1] > small_ring[1] * 1.3 else None)(ring_window()), timeout=3)
        large_ring = large_ring or ring_window()
        k.key("Escape")
        k.wait_until(lambda: ring_window() is None, timeout=3)
        k.check(small_ring and large_ring and large_ring[1] > small_ring[1] * 1.3,
                "the next ring is larger (%s -> %s)" % (small_ring and small_ring[1], large_ring and large_ring[1]))

        # Closing the window in the middle of a recording leaves the hotkeys working.
        k.activate(window)
        click_and_settle(window, *tab_point(window, "Switcher"))
        click(*recorder)
        k.check(k.wait_until(lambda: k.recording(app.pid), timeout=5, interval=0.1), "the recording runs again")
        k.run("wmctrl", "-i", "-c", hex(window))
        k.check(k.wait_until(lambda: not settings_windows(), timeout=3), "the settings window closes")
        k.check(switcher_opens("ctrl+alt+k"), "after closing mid-recording Ctrl+Alt+K still opens the switcher")

        # Every page in dark appearance (the window made anew by another start).
        k.check(start_again() == 0, "a further start opens the settings again")
        window = k.find_window(TITLE, timeout=5)
        k.check(window, "the settings window is back")
        if window:
            click_and_settle(window, *tab_point(window, "General"))
            x, y, _, _ = geometry(window)
            scroll_down(window)
            before = k.capture(geometry(window))
            click(x + 401 + 446 - 0, y + 323)  # "Dark"
            k.check(k.wait_until(lambda: stored("appearance") == "dark", timeout=3), "the appearance control stores dark")
            k.wait_settled(geometry(window), since=before)  # drawn dark
            shoot_pages(window, "dark")

            # A new interface language, then "Relaunch Now": a new copy takes over
            # before this one quits, and exactly one keeps running.
            def choose_english():
                # The page is made anew when its tab is chosen; on a busy machine
                # its first layout may still be running when the click lands, so
                # a miss is tried again (the list still shows the system language).
                click_and_settle(window, *tab_point(window, "General"))
                gx, gy, _, _ = geometry(window)
                click_and_settle(window, gx + 401 + 370, gy + 157)  # the language list opens
                before = k.capture(geometry(window))
                k.key("Escape")
                k.wait_settled(geometry(window), since=before)  # and closes, keeping the focus
                k.key("Down")  # from the system language past the divider to English
                return k.wait_until(lambda: stored("appLanguage") == "en", timeout=3)

            chosen = False
            for _ in range(3):
                if choose_english() or stored("appLanguage") not in (None, "system"):
                    chosen = True
                    break
            k.check(chosen and stored("appLanguage") == "en",
                    "the language list stores English (%s)" % stored("appLanguage"))
            x, y, _, _ = geometry(window)
            old = app.pid
            click(x + 401 + 300, y + 183)  # "Relaunch Now"
            k.check(k.wait_until(lambda: not app.alive(), timeout=10), "the old copy quits")
            relaunched = k.wait_until(lambda: lock_holder() if lock_holder() not in (0, old) else 0, timeout=10)
            k.check(relaunched and alive(relaunched), "a new copy runs and holds the instance lock")
            k.check(k.wait_until(k.tray_icon, timeout=10), "the new copy is in the tray")
            k.check(stored("appLanguage") == "en", "the language survived the relaunch")
            # The new copy takes its key grabs once it is up; on a busy machine that
            # can be a moment after its tray icon shows.
            k.check(any(switcher_opens("ctrl+alt+k") for _ in range(4)), "the new copy answers the recorded hotkey")

    finally:
        app.stop()
        if relaunched and alive(relaunched):
            os.kill(relaunched, 15)
            k.wait_until(lambda: not alive(relaunched), timeout=5)
        for c in clients:
            c.stop()


if __name__ == "__main__":
    main()
    k.finish()
