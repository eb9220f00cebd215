"""Tab capture from real browsers, started as people start them. Three local
pages with titles are served on 127.0.0.1. Debian's Chromium runs with a data
folder of its own (--user-data-dir, somewhere no default look would find):
"Capture Tabs" on the Tabs page stores the three pages with their titles,
which Chromium may not yet have written into its session log but has in the
profile's History, and the tabs ring then names the three titles. Then
Debian's Firefox ESR, which makes its profile under
$XDG_CONFIG_HOME/mozilla/firefox when ~/.mozilla does not exist: the same
capture and ring. While a browser has not written its session yet, the page
says so next to the button rather than that no tab is open."""
import base64
import functools
import http.server
import json
import os
import shutil
import threading
import time

import kelvaro_e2e as k

TITLE = "Kelvaro Settings"
SESSION = os.environ.get("KELVARO_SESSION_DIR", "/tmp")
PAGES = [("alpha.html", "Alpha Page"), ("beta.html", "Beta Page"), ("gamma.html", "Gamma Page")]
RING_LABEL = "Shortcut Launcher"


def serve_pages():
    folder = os.path.join(SESSION, "tab-pages")
    os.makedirs(folder, exist_ok=True)
    for name, title in PAGES:
        with open(os.path.join(folder, name), "w") as f:
            f.write("<!doctype html><html><head><meta charset=\"utf-8\"><title>%s</title></head>"
                    "<body><h1>%s</h1></body></html>" % (title, title))

    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def stored(key):
    """A stored value, JSON data decoded."""
    try:
        with open(k.defaults_path()) as f:
            entry = json.load(f)["values"].get(key)
    except (OSError, ValueError, KeyError):
        return None
    if not entry:
        return None
    value = entry.get("value")
    if entry.get("type") == "data" and isinstance(value, str):
        try:
            return json.loads(base64.b64decode(value))
        except ValueError:
            return None
    return value


def sessions():
    value = stored("capturedTabSessions")
    return value if isinstance(value, list) else []


def page_titles(capture, base):
    """The titles of a stored capture's tabs that show the served pages."""
    return [t.get("title") for t in capture.get("tabs", []) if t.get("url", "").startswith(base)]


def message(app):
    """What the page says under the Capture Tabs button."""
    for element in k.accessible_elements(app.pid):
        name = element.get("name") or ""
        if name.startswith("Captured ") or " is running" in name or name == "No open tabs to capture.":
            return name
    return ""


def capture_until(app, window, base, name, timeout=90):
    """Presses Capture Tabs until a capture holds the three pages with their
    titles (a browser writes its session some seconds after a change);
    answers the last capture's page titles."""
    wanted = [t for _, t in PAGES]
    end = time.monotonic() + timeout
    first = True
    titles = []
    while time.monotonic() < end:
        before = len(sessions())
        k.activate(window)
        if not k.press(app, "Capture Tabs"):
            time.sleep(1)
            continue
        k.wait_until(lambda: len(sessions()) > before, timeout=8, interval=0.2)
        k.wait_until(lambda: k.accessible_elements(app.pid, "Capture Tabs"), timeout=8, interval=0.2)
        if first:
            k.window_shot(window, "tabs-capture-%s-first" % name)
            said = message(app)
            k.check(said != "No open tabs to capture.", "the first capture from %s says what it found: %r" % (name, said))
            first = False
        if len(sessions()) > before:
            titles = page_titles(sessions()[-1], base)
            if titles == wanted:
                break
        time.sleep(3)
    k.window_shot(window, "tabs-capture-%s" % name)
    k.check(titles == wanted, "a capture from %s holds the three pages with their titles: %r" % (name, titles))
    said = message(app)
    k.check(said.startswith("Captured ") and name.capitalize() in said,
            "the page says what was captured from %s: %r" % (name, said))
    return titles


def ring_names(app, count):
    """Opens the tabs ring (Ctrl+Shift+D) and reads the names of its first `count` tabs as a screen reader does."""
    k.run("xdotool", "mousemove", "5", "900")
    k.key_down("ctrl")
    k.key_down("shift")
    names = []
    try:
        k.key("d")
        ring = k.wait_until(lambda: k.viewable_window("Kelvaro Ring"), timeout=3)
        if not k.check(ring, "Ctrl+Shift+D opens the tabs ring"):
            return names
        k.wait_settled(ring)
        for i in range(count):
            if i:
                k.key("Down")
            read = lambda: next((e.get("description") or "" for e in k.accessible_elements(app.pid, RING_LABEL)
                                 if e.get("role") not in ("frame", "window", "dialog")), "")
            value = k.wait_until(lambda: (lambda d: d if d.endswith(" of %d" % count) and
                                          d.split(", ")[-1].startswith("%d " % (i + 1)) else None)(read()),
                                 timeout=3, interval=0.1) or read()
            names.append(value.rsplit(", ", 1)[0])
        return names
    finally:
        k.key("Escape")
        k.key_up("shift")
        k.key_up("ctrl")
        k.wait_until(lambda: not k.viewable_window("Kelvaro Ring"), timeout=3)


def browser_window(pid_name, part, timeout=45):
    def look():
        for w in k.client_list():
            if part in k.window_title(w):
                return w
        return 0
    return k.wait_until(look, timeout=timeout, interval=0.3)


def journey(app, window, base, name, command, shot):
    browser = k.Process(command + [base + "/" + page for page, _ in PAGES], name=name)
    try:
        if not k.check(browser_window(name, "Page"), "%s shows the pages" % name):
            return
        capture_until(app, window, base, name)
        names = ring_names(app, len(PAGES))
        k.check(names == [t for _, t in PAGES], "the tabs ring names the three titles: %r" % names)
        k.key_down("ctrl")
        k.key_down("shift")
        k.key("d")
        ring = k.wait_until(lambda: k.viewable_window("Kelvaro Ring"), timeout=3)
        k.settled_screenshot(shot, ring or None)
        k.key("Escape")
        k.key_up("shift")
        k.key_up("ctrl")
        k.wait_until(lambda: not k.viewable_window("Kelvaro Ring"), timeout=3)
    finally:
        browser.stop(timeout=10)


def main():
    k.write_settings_defaults("light")
    server = serve_pages()
    base = "http://127.0.0.1:%d" % server.server_address[1]
    app = k.Process([k.binary("kelvaro")])
    try:
        k.check(k.wait_until(k.tray_icon, timeout=10), "kelvaro is running in the tray")
        window = k.second_start(TITLE)
        if window:
            k.check(k.wait_until(lambda: k.press(app, "Tabs"), timeout=10), "the Tabs tab is pressed")
            k.wait_until(lambda: k.accessible_elements(app.pid, "Capture Tabs"), timeout=5)
            chromium = shutil.which("chromium")
            if k.check(chromium, "Chromium is installed"):
                data = os.path.join(SESSION, "browsers", "chromium data")
                # Chromium refuses to run as root inside its sandbox; a user never is root.
                command = [chromium] + (["--no-sandbox"] if os.getuid() == 0 else []) + \
                    ["--user-data-dir=" + data, "--no-first-run", "--password-store=basic"]
                journey(app, window, base, "chromium", command, "tabs-ring-chromium")
            firefox = shutil.which("firefox-esr")
            if k.check(firefox, "Firefox ESR is installed"):
                k.check(not os.path.exists(os.path.join(os.environ["HOME"], ".mozilla")), "no ~/.mozilla yet")
                journey(app, window, base, "firefox", [firefox], "tabs-ring-firefox")
                xdg = os.path.join(os.environ["XDG_CONFIG_HOME"], "mozilla", "firefox", "profiles.ini")
                k.check(os.path.exists(xdg) and not os.path.exists(os.path.join(os.environ["HOME"], ".mozilla", "firefox")),
                        "Firefox kept its profile under $XDG_CONFIG_HOME/mozilla/firefox")
    finally:
        app.stop()
        server.shutdown()
    k.finish()


if __name__ == "__main__":
    main()
