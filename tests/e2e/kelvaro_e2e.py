"""Shared helpers for the end-to-end tests.

Every test_*.py here runs inside scripts/test-session, which provides DISPLAY,
a session bus, openbox (4 desktops, no key bindings), a compositor, a tray and
fresh HOME/XDG folders. These helpers start the real binaries, inject input
with XTest (through xdotool) and read back what a user would see (EWMH
properties through xprop, screenshots through ImageMagick's import).
Standard library only.
"""
import base64
import json
import os
import re
import select
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
    """Polls `predicate` until it returns something true (returned) or `timeout`
    seconds have passed (then its last value is returned)."""
    end = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() >= end:
            return value
        time.sleep(interval)


def steady(read):
    """A predicate for wait_until: true (the value) once `read()` gives the same
    value twice in a row, e.g. a window's place after the window manager has
    moved it."""
    last = [None]

    def same():
        now = read()
        settled = now is not None and now == last[0]
        last[0] = now
        return now if settled else None
    return same


def holds(predicate, seconds, interval=0.05):
    """True when `predicate` stays true for all of `seconds`. For the checks that
    something does NOT happen: the duration is what is tested there, and a
    passing glimpse in between counts as a failure."""
    end = time.monotonic() + seconds
    while True:
        if not predicate():
            return False
        if time.monotonic() >= end:
            return True
        time.sleep(interval)


def run(*args, check_rc=False, timeout=10):
    p = subprocess.run(list(args), capture_output=True, text=True, timeout=timeout)
    if check_rc and p.returncode != 0:
        raise RuntimeError("%s failed: %s" % (" ".join(args), p.stderr))
    return p


class Process:
    """A started program with its output captured to a log file."""

    def __init__(self, args, name=None, env=None, wait_ready=False, ready_timeout=10, cwd=None):
        os.makedirs(ARTEFACTS, exist_ok=True)
        self.name = name or os.path.basename(args[0])
        self.log_path = os.path.join(ARTEFACTS, "%s-%d.log" % (self.name, int(time.time() * 1000) % 10**8))
        self.log = open(self.log_path, "w")
        full_env = dict(os.environ)
        if env:
            full_env.update(env)
        self.proc = subprocess.Popen(args, stdout=subprocess.PIPE if wait_ready else self.log,
                                     stderr=self.log, env=full_env, text=True, cwd=cwd)
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


class Probe:
    """One of the helper programs that answer commands on stdin line by line
    (kelvaro-panel-probe); its stderr goes to a log among the artefacts."""

    def __init__(self, *args, program="kelvaro-panel-probe"):
        os.makedirs(ARTEFACTS, exist_ok=True)
        self.err = open(os.path.join(ARTEFACTS, "%s-%d.log" % (program, int(time.time() * 1000) % 10**8)), "w")
        self.proc = subprocess.Popen([binary(program)] + list(args), stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     stderr=self.err, text=True, bufsize=1)
        self.buffer = ""
        self.seen = []

    def line(self, timeout=5.0):
        """The next line it prints, or None when none comes within `timeout` seconds."""
        end = time.monotonic() + timeout
        while "\n" not in self.buffer:
            left = end - time.monotonic()
            if left <= 0 or not select.select([self.proc.stdout], [], [], left)[0]:
                return None
            chunk = os.read(self.proc.stdout.fileno(), 4096).decode()
            if not chunk:
                return None
            self.buffer += chunk
        first, self.buffer = self.buffer.split("\n", 1)
        self.seen.append(first.strip())
        return first.strip()

    def expect(self, prefix, timeout=5.0):
        """The first line starting with `prefix` within `timeout` seconds (others are passed over), or None."""
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            got = self.line(end - time.monotonic())
            if got is None:
                return None
            if got.startswith(prefix):
                return got
        return None

    def send(self, command):
        self.proc.stdin.write(command + "\n")
        self.proc.stdin.flush()

    def stop(self):
        if self.proc.poll() is None:
            try:
                self.send("quit")
                self.proc.wait(3)
            except Exception:
                self.proc.kill()
                self.proc.wait()
        self.err.close()


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
    menu = wait_until(lambda: shown() - before, timeout=5)
    if menu:
        wait_settled(window_geometry(int(sorted(menu)[0])))
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


def window_geometry(wid):
    """(x, y, width, height) of a window on the screen, or None when it is gone."""
    out = run("xwininfo", "-id", str(wid)).stdout
    found = [re.search(label + r":\s+(-?\d+)", out) for label in
             ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")]
    return tuple(int(m.group(1)) for m in found) if all(found) else None


def capture(region=None):
    """The screen's pixels (of `region`, (x, y, width, height), when given) as raw bytes."""
    args = ["import", "-window", "root"]
    if region:
        args += ["-crop", "%dx%d+%d+%d" % (region[2], region[3], region[0], region[1]), "+repage"]
    return subprocess.run(args + ["rgb:-"], capture_output=True, timeout=20).stdout


def wait_settled(region=None, timeout=5.0, since=None):
    """Waits until what the screen shows in `region` stops changing: an
    animation (a ring opening, a page fading in) has come to rest when three
    captures in a row are the same. With `since` (a capture() of the same
    region from before), it must first have changed from that. True when it
    settled within `timeout`. A text field's blinking cursor only delays this
    by a blink."""
    if isinstance(region, int):
        region = window_geometry(region)
    start = time.monotonic()
    end = start + timeout
    previous, same = capture(region), 0
    if since is not None:
        # A change shows within a couple of seconds, or not at all (the
        # click chose what was already shown).
        changed_by = min(end, time.monotonic() + 2.0)
        while previous == since and time.monotonic() < changed_by:
            time.sleep(0.05)
            previous = capture(region)
    while time.monotonic() < end:
        time.sleep(0.05)
        now = capture(region)
        same = same + 1 if now == previous else 0
        if same >= 2:
            return True
        previous = now
    # Not a failure by itself (what follows checks what is shown), but worth
    # knowing when a journey slows down.
    print("note - the screen%s did not come to rest within %.1f s" % (" at %r" % (region,) if region else "", timeout),
          flush=True)
    return False


def motion_shot(region, name, action, seconds=1.2):
    """Runs `action` while the screen's `region` (a window id or (x, y,
    width, height)) is captured as fast as it goes, and keeps as
    build/e2e-artefacts/<name>.png a frame from the middle of the motion it
    sets off: one unlike both the frame before and the frame at rest. True
    when such a frame was caught."""
    import threading
    if isinstance(region, int):
        region = window_geometry(region)
    if not region:
        return False
    frames, done = [], threading.Event()

    def grab():
        while not done.is_set():
            frames.append(capture(region))

    before = capture(region)
    worker = threading.Thread(target=grab)
    worker.start()
    try:
        action()
        time.sleep(seconds)
    finally:
        done.set()
        worker.join()
    wait_settled(region)
    after = capture(region)
    size = len(before)
    pixel = max(size // max(region[2] * region[3], 1), 1)  # bytes a pixel: 3, or 6 at 16 bits a channel

    def apart(a, b):
        """How many sampled pixels differ."""
        if size == 0 or len(a) != size or len(b) != size:
            return 0
        return sum(1 for i in range(0, size, pixel * 7) if a[i:i + pixel] != b[i:i + pixel])

    # Enough pixels apart from both ends that it is not a caret's blink; the
    # frame furthest from both is the one kept.
    scored = [(min(apart(f, before), apart(f, after)), f) for f in frames]
    middle = [(score, f) for score, f in scored if score > 20]
    print("# %s: %d frames, %d of them between the frame before and the one at rest" % (name, len(frames), len(middle)))
    if not middle:
        return False
    best = max(middle, key=lambda sf: sf[0])[1]
    os.makedirs(ARTEFACTS, exist_ok=True)
    raw = os.path.join(ARTEFACTS, name + ".rgb")
    with open(raw, "wb") as f:
        f.write(best)
    run("convert", "-size", "%dx%d" % (region[2], region[3]), "-depth", str(pixel * 8 // 3), "rgb:" + raw,
        os.path.join(ARTEFACTS, name + ".png"), timeout=20)
    os.remove(raw)
    return True


def settled_screenshot(name, region=None, timeout=5.0, since=None):
    """A screenshot taken once `region` (a window id or (x, y, width, height);
    the whole screen when None) has stopped changing (after changing from
    `since`, when given; see wait_settled)."""
    wait_settled(region, timeout, since)
    return screenshot(name)


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


def stored_value(value):
    """A value as the preferences file keeps it: bool, int, float and str as
    themselves; a list or dict (the stored item lists) as base64 of its JSON."""
    if isinstance(value, bool):
        return {"type": "bool", "value": value}
    if isinstance(value, int):
        return {"type": "integer", "value": value}
    if isinstance(value, float):
        return {"type": "double", "value": value}
    if isinstance(value, str):
        return {"type": "string", "value": value}
    data = json.dumps(value, ensure_ascii=False).encode()
    return {"type": "data", "value": base64.b64encode(data).decode()}


# A user past the first start: no wizard, no launch notice, no usage question.
ONBOARDED = {"hasCompletedOnboarding": True, "showLaunchMessage": False, "telemetryNoticeShownBuild": 1}
# Nothing goes to the network, and the rings open the same way in every journey.
QUIET = {"telemetryEnabled": False, "updateChecksAutomatic": False,
         "activationMode": "holdModifier", "ringPlacement": "screenCentre"}


def write_settings_defaults(appearance="light", onboarded=True, keep=True, **values):
    """Writes the session's preferences file: the QUIET settings, those of an
    ONBOARDED user (unless `onboarded` is False: then it is a fresh install),
    the appearance and any further `values` (given as Python values, see
    stored_value; None leaves a key out). With `keep`, whatever else is stored
    stays; without, the file holds only these."""
    path = defaults_path()
    os.makedirs(os.path.dirname(path), exist_ok=True)
    stored = {}
    if keep and os.path.exists(path):
        with open(path) as f:
            stored = json.load(f).get("values", {})
    wanted = dict(QUIET, **(ONBOARDED if onboarded else {}), appearance=appearance, **values)
    for name, value in wanted.items():
        if value is None:
            stored.pop(name, None)
        else:
            stored[name] = stored_value(value)
    with open(path, "w") as f:
        json.dump({"version": 1, "values": stored}, f)


def stored_setting(name):
    """The value of one key of the preferences file as stored (None when absent or unreadable)."""
    try:
        with open(defaults_path()) as f:
            entry = json.load(f)["values"].get(name)
    except (OSError, ValueError, KeyError):
        return None
    return entry and entry.get("value")


def hotkey_taken(letter="a", mask=5):
    """Whether another client holds the hotkey `letter` with the X modifier
    `mask` (5: Ctrl+Shift): the server refuses the probe's own grab."""
    out = run(binary("kelvaro-keys-probe"), "taken", str(ord(letter)), str(mask)).stdout
    return "taken=yes" in out


def keyboard_free():
    """Whether the keyboard is a person's again: no client holds it whole (a
    ring does while it is up; the probe's own grab succeeds and is let go at
    once) and no modifier is down (a synthetic paste holds Ctrl)."""
    return ("grab=success" in run(binary("kelvaro-keys-probe"), "grab").stdout
            and run(binary("kelvaro-keys-probe"), "held").stdout.strip() == "held=")


def start_kelvaro(program="kelvaro", name=None, env=None, hotkey="a", mask=5, timeout=15, cwd=None):
    """Starts kelvaro (or `program`, e.g. "kelvaro-test") and waits until it is
    ready for a person: its hotkey (`hotkey` with the modifiers `mask`; None
    for a start that grabs none, as during onboarding) is taken from every
    other client, and its tray icon is shown when a tray runs."""
    app = Process([binary(program)], name=name, env=env, cwd=cwd)
    if hotkey:
        check(wait_until(lambda: hotkey_taken(hotkey, mask), timeout=timeout, interval=0.1),
              "%s takes its hotkey" % app.name)
    return app


def press(app, name):
    """Presses the element named `name` of the running app through its accessibility action."""
    return run(binary("kelvaro-a11y-probe"), str(app.pid), "--press", name, timeout=20).returncode == 0


def window_shot(wid, name, keep_full=True):
    """Saves the window `wid` alone as build/e2e-artefacts/<name>.png, once what it shows has settled."""
    if not wid:
        return
    geometry = window_geometry(wid)
    if not geometry:
        return
    path = settled_screenshot(name + "-full", geometry)
    x, y, w, h = geometry
    run("convert", path, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage",
        os.path.join(ARTEFACTS, name + ".png"), timeout=20)
    if not keep_full:
        os.remove(path)


def accessible_elements(pid, *names):
    """The accessible elements of the process `pid` (those named `names` when given), as the probe reports them."""
    args = [binary("kelvaro-a11y-probe"), str(pid)] + sum((["--name", n] for n in names), [])
    found = []
    for line in run(*args, timeout=20).stdout.splitlines():
        try:
            element = json.loads(line)
        except ValueError:
            continue
        if element.get("kind") == "element":
            found.append(element)
    return found


def focused_field(pid):
    """The text field of process `pid` that has the keyboard focus (its element), or None."""
    for element in accessible_elements(pid):
        states = element.get("states") or []
        if "focused" in states and "editable" in states:
            return element
    return None


def recording(pid, name="Keyboard shortcut"):
    """Whether a hotkey recorder named `name` of process `pid` is recording (as its value tells a screen reader)."""
    return any(e.get("description") == "Recording" for e in accessible_elements(pid, name))


def focused(pid, name):
    """Whether the element named `name` of process `pid` has the keyboard focus."""
    return any("focused" in (e.get("states") or []) for e in accessible_elements(pid, name))


def wait_typing_into(wid, pid, timeout=8):
    """Waits until typing goes into a text field of window `wid` of process
    `pid`: the window is active and one of its fields has the focus."""
    return wait_until(lambda: active_window() == wid and focused_field(pid), timeout=timeout, interval=0.1)


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
