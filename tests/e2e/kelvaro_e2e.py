"""Shared helpers for the end-to-end tests.

Every test_*.py here runs inside scripts/test-session, which provides DISPLAY,
a session bus, openbox (4 desktops, no key bindings), a compositor, a tray and
fresh HOME/XDG folders. These helpers start the real binaries, inject input
with XTest (through xdotool) and read back what a user would see (EWMH
properties through xprop, screenshots through ImageMagick's import).
Standard library only.
"""
import json
import os
import re
import signal
import stat
import subprocess
import sys
import time

BUILD = os.environ.get("KELVARO_BUILD_DIR", os.path.join(os.path.dirname(__file__), "..", "..", "build"))
SOURCE = os.environ.get("KELVARO_SOURCE_DIR", os.path.join(os.path.dirname(__file__), "..", ".."))
ARTEFACTS = os.path.join(BUILD, "e2e-artefacts")

_failures = []
_passes = 0


def binary(name):
    """Path of a built program: 'kelvaro' (as users run it), 'kelvaro-test' (the
    test build, which takes KELVARO_TEST_* variables; built with the CMake option
    KELVARO_TEST_HOOKS) or an e2e helper like 'kelvaro-test-client'."""
    if name in ("kelvaro", "kelvaro-test"):
        return os.path.join(BUILD, name)
    return os.path.join(BUILD, "e2e", name)


def check(condition, message):
    """Records one assertion; the test exits non-zero at finish() if any failed."""
    global _passes
    if condition:
        _passes += 1
        print("ok   - " + message, flush=True)
    else:
        _failures.append(message)
        print("FAIL - " + message, flush=True)
    return condition


def finish():
    print("%d passed, %d failed" % (_passes, len(_failures)), flush=True)
    sys.exit(1 if _failures else 0)


def wait_until(predicate, timeout=5.0, interval=0.02):
    end = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() >= end:
            return value
        time.sleep(interval)


def run(*args, check_rc=False, timeout=10):
    p = subprocess.run(list(args), capture_output=True, text=True, timeout=timeout)
    if check_rc and p.returncode != 0:
        raise RuntimeError("%s failed: %s" % (" ".join(args), p.stderr))
    return p


class Process:
    """A started program with its output captured to a log file."""

    def __init__(self, args, name=None, env=None, wait_ready=False, ready_timeout=10):
        os.makedirs(ARTEFACTS, exist_ok=True)
        self.name = name or os.path.basename(args[0])
        self.log_path = os.path.join(ARTEFACTS, "%s-%d.log" % (self.name, int(time.time() * 1000) % 10**8))
        self.log = open(self.log_path, "w")
        full_env = dict(os.environ)
        if env:
            full_env.update(env)
        self.proc = subprocess.Popen(args, stdout=subprocess.PIPE if wait_ready else self.log,
                                     stderr=self.log, env=full_env, text=True)
        if wait_ready:
            end = time.monotonic() + ready_timeout
            ready = False
            while time.monotonic() < end:
                line = self.proc.stdout.readline()
                if not line:
                    break
                self.log.write(line)
                self.log.flush()
                if line.strip() == "ready":
                    ready = True
                    break
            if not ready:
                raise RuntimeError("%s did not become ready" % self.name)

    @property
    def pid(self):
        return self.proc.pid

    def alive(self):
        return self.proc.poll() is None

    def stop(self, timeout=5):
        if self.proc.poll() is None:
            self.proc.send_signal(signal.SIGTERM)
            try:
                self.proc.wait(timeout)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        self.log.close()
        return self.proc.returncode

    def log_text(self):
        self.log.flush()
        with open(self.log_path, errors="replace") as f:
            return f.read()


# --- X11 -----------------------------------------------------------------

def xprop_root(prop):
    return run("xprop", "-root", prop).stdout


def root_cardinal(prop):
    m = re.search(r"=\s*(\d+)", xprop_root(prop))
    return int(m.group(1)) if m else None


def active_window():
    m = re.search(r"window id # (0x[0-9a-f]+)", xprop_root("_NET_ACTIVE_WINDOW"))
    return int(m.group(1), 16) if m else 0


def current_desktop():
    return root_cardinal("_NET_CURRENT_DESKTOP")


def client_list():
    out = xprop_root("_NET_CLIENT_LIST")
    return [int(x, 16) for x in re.findall(r"0x[0-9a-f]+", out)]


def window_prop(wid, prop):
    return run("xprop", "-id", hex(wid), prop).stdout


def window_title(wid):
    m = re.search(r'= "(.*)"', window_prop(wid, "_NET_WM_NAME"))
    return m.group(1) if m else ""


def window_pid(wid):
    m = re.search(r"=\s*(\d+)", window_prop(wid, "_NET_WM_PID"))
    return int(m.group(1)) if m else None


def find_window(title, timeout=5):
    def look():
        for w in client_list():
            if window_title(w) == title:
                return w
        return 0
    return wait_until(look, timeout)


def tray_icon():
    """(window id, x, y, width, height) of kelvaro's icon embedded in the tray, or None."""
    tree = run("xwininfo", "-root", "-tree").stdout
    for line in tree.splitlines():
        m = re.search(r'(0x[0-9a-f]+) "[^"]*": \("kelvaro" "kelvaro"\)\s+(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+)',
                      line)
        # Only tray-sized windows: the ring panels are kelvaro's windows too, and
        # one may still be fading out when the tray is looked at.
        if m and int(m.group(2)) <= 64 and int(m.group(3)) <= 64:
            wid = int(m.group(1), 16)
            info = run("xwininfo", "-id", hex(wid)).stdout
            if "IsViewable" in info:
                return wid, int(m.group(4)), int(m.group(5)), int(m.group(2)), int(m.group(3))
    return None


def open_tray_menu_item(steps_from_bottom):
    """Right-clicks the tray icon and picks a menu item by walking up from the bottom
    (1 = the last item). Returns False when there is no tray icon."""
    icon = wait_until(tray_icon, timeout=5)
    if not icon:
        return False
    _, x, y, w, h = icon
    move_pointer(x + w // 2, y + h // 2)
    shown = lambda: set(run("xdotool", "search", "--onlyvisible", "--class", "kelvaro").stdout.split())
    before = shown()
    run("xdotool", "click", "3")
    # The menu is a new window of ours; on a busy machine it takes a while.
    wait_until(lambda: shown() - before, timeout=5)
    time.sleep(0.3)
    run("xdotool", "key", *(["Up"] * steps_from_bottom), "Return")
    return True


def key(combo, delay_ms=0):
    """Presses and releases a combination with XTest, e.g. 'ctrl+shift+a'."""
    run("xdotool", "key", "--delay", str(delay_ms), combo)


def key_down(k):
    run("xdotool", "keydown", k)


def key_up(k):
    run("xdotool", "keyup", k)


def type_text(text):
    run("xdotool", "type", "--delay", "5", text)


def move_pointer(x, y):
    run("xdotool", "mousemove", str(x), str(y))


def activate(wid):
    run("xdotool", "windowactivate", "--sync", str(wid))


def screenshot(name):
    """Saves the whole screen as build/e2e-artefacts/<name>.png and returns the path."""
    os.makedirs(ARTEFACTS, exist_ok=True)
    path = os.path.join(ARTEFACTS, name + ".png")
    run("import", "-window", "root", path, timeout=20)
    return path


def pixel(path, x, y):
    """(r, g, b) of one pixel of a PNG, through ImageMagick."""
    out = run("convert", path, "-crop", "1x1+%d+%d" % (x, y), "-format",
              "%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]", "info:").stdout
    try:
        r, g, b = (int(v) for v in out.strip().split(","))
        return r, g, b
    except ValueError:
        return None



def viewable_window(title_prefix):
    """The id of kelvaro's viewable window whose title starts with `title_prefix`, or 0."""
    for line in run("xwininfo", "-root", "-tree").stdout.splitlines():
        m = re.search(r'(0x[0-9a-f]+) "%s[^"]*": \("kelvaro" "kelvaro"\)' % re.escape(title_prefix), line)
        if m and "IsViewable" in run("xwininfo", "-id", m.group(1)).stdout:
            return int(m.group(1), 16)
    return 0


# ---- Settings window journeys ------------------------------------------------------------------

def defaults_path():
    """The preferences file of the session's kelvaro."""
    return os.path.join(os.environ["XDG_CONFIG_HOME"], "kelvaro", "defaults.json")


def write_settings_defaults(appearance):
    """Marks onboarding done, silences the launch message, telemetry and update
    checks, and sets the appearance, keeping whatever else is stored."""
    path = defaults_path()
    os.makedirs(os.path.dirname(path), exist_ok=True)
    values = {}
    if os.path.exists(path):
        with open(path) as f:
            values = json.load(f).get("values", {})
    values.update({"hasCompletedOnboarding": {"type": "bool", "value": True},
                   "showLaunchMessage": {"type": "bool", "value": False},
                   "telemetryEnabled": {"type": "bool", "value": False},
                   "telemetryNoticeShownBuild": {"type": "integer", "value": 1},
                   "updateChecksAutomatic": {"type": "bool", "value": False},
                   "activationMode": {"type": "string", "value": "holdModifier"},
                   "ringPlacement": {"type": "string", "value": "screenCentre"},
                   "appearance": {"type": "string", "value": appearance}})
    with open(path, "w") as f:
        json.dump({"version": 1, "values": values}, f)


def press(app, name):
    """Presses the element named `name` of the running app through its accessibility action."""
    return run(binary("kelvaro-a11y-probe"), str(app.pid), "--press", name, timeout=20).returncode == 0


def window_shot(wid, name, settle=0.6, keep_full=True):
    """Saves the window `wid` alone as build/e2e-artefacts/<name>.png, after `settle` seconds."""
    if not wid:
        return
    time.sleep(settle)
    path = screenshot(name + "-full")
    out = run("xwininfo", "-id", str(wid)).stdout
    value = lambda label: int(re.search(label + r":\s+(-?\d+)", out).group(1))
    x, y, w, h = value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"), value("Height")
    run("convert", path, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage",
        os.path.join(ARTEFACTS, name + ".png"), timeout=20)
    if not keep_full:
        os.remove(path)


def second_start(title):
    """Starts kelvaro again, which brings up the running one's settings window; returns it."""
    subprocess.run([binary("kelvaro")], capture_output=True, timeout=20)
    window = find_window(title, timeout=8)
    check(window, "the second start brings up the settings window")
    return window


def install_url_recorder(record):
    """Makes a script that appends each URL it is given to `record` the desktop's handler of web links."""
    data = os.environ["XDG_DATA_HOME"]
    config = os.environ["XDG_CONFIG_HOME"]
    os.makedirs(os.path.join(data, "applications"), exist_ok=True)
    script = os.path.join(data, "record-url.sh")
    with open(script, "w") as f:
        f.write("#!/bin/sh\nprintf '%%s\\n' \"$1\" >> '%s'\n" % record)
    os.chmod(script, os.stat(script).st_mode | stat.S_IXUSR)
    with open(os.path.join(data, "applications", "kelvaro-url-recorder.desktop"), "w") as f:
        f.write("[Desktop Entry]\nType=Application\nName=URL recorder\nExec=%s %%u\n"
                "MimeType=x-scheme-handler/https;x-scheme-handler/http;\nNoDisplay=true\n" % script)
    with open(os.path.join(config, "mimeapps.list"), "w") as f:
        f.write("[Default Applications]\nx-scheme-handler/https=kelvaro-url-recorder.desktop\n"
                "x-scheme-handler/http=kelvaro-url-recorder.desktop\n")


def read_lines(path):
    """The lines of a file, none while it does not exist."""
    try:
        with open(path) as f:
            return f.read().splitlines()
    except FileNotFoundError:
        return []
