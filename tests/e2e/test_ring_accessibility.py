"""The two rings as a screen reader meets them, over the real accessibility bus:
the running application's ring element carries its label and a value naming
the selection (exposed as the element's description); moving the selection
changes that value and the change reaches a listening assistive technology as
an event, once per move; the first value of every showing is not announced,
not even when it differs from the last value of the showing before.
Checked for the app switcher (Ctrl+Shift+A over three applications) and the
shortcut ring (Ctrl+Shift+S over an editor with saved shortcuts)."""
import json
import os
import queue
import re
import subprocess
import threading
import time
import uuid

import kelvaro_e2e as k

PROBE = "kelvaro-a11y-probe"
SWITCHER_LABEL = "App Switcher"
SHORTCUT_LABEL = "Shortcut Launcher"
EDITOR = "org.example.Editor"
ITEMS = ["Snippet", "Select all", "Type X", "Open link"]
# Events that carry the ring's value to assistive technology.
VALUE_EVENTS = ("object:property-change:accessible-description", "object:property-change:accessible-value",
                "object:value-changed", "object:text-changed")


def write_defaults():
    items = [{"id": str(uuid.uuid4()).upper(), "name": name, "icon": "star", "shortcut": "",
              "bundleIdentifier": EDITOR, "textSnippet": "text %d" % i} for i, name in enumerate(ITEMS)]
    k.write_settings_defaults(AppShortcutsPerApp={EDITOR: items})


def install_names():
    """Installed entries give the test clients their display names."""
    folder = os.path.join(os.environ["XDG_DATA_HOME"], "applications")
    os.makedirs(folder, exist_ok=True)
    for bundle, name in (("org.example.Alpha", "Alpha"), ("org.example.Beta", "Beta"), (EDITOR, "Editor")):
        with open(os.path.join(folder, bundle + ".desktop"), "w") as f:
            f.write("[Desktop Entry]\nType=Application\nName=%s\nExec=true\n" % name)


def on_bus(pid):
    """True once the process's application is found on the accessibility bus."""
    for line in k.run(k.binary(PROBE), str(pid), "--name", "-", timeout=20).stdout.splitlines():
        try:
            d = json.loads(line)
        except ValueError:
            continue
        if d.get("kind") == "done":
            return d.get("application") is True
    return False


def element(pid, label):
    """The ring's accessible element as the probe reads it (a dict), or None."""
    p = k.run(k.binary(PROBE), str(pid), "--name", label, timeout=20)
    found = []
    for line in p.stdout.splitlines():
        try:
            d = json.loads(line)
        except ValueError:
            continue
        # The panel's window may carry the label too; the ring is the element
        # that is no window.
        if d.get("kind") == "element" and d.get("role") not in ("frame", "window", "dialog"):
            found.append(d)
    return found[0] if len(found) == 1 else (found or None)


class Listener:
    """A screen reader stand-in: collects the process's accessibility events with
    their arrival time until stop()."""

    def __init__(self, pid):
        self.events = []
        self._lines = queue.Queue()
        self.proc = subprocess.Popen([k.binary(PROBE), str(pid), "--name", "-", "--listen", "240"],
                                     stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                     text=True)
        self._thread = threading.Thread(target=self._read, daemon=True)
        self._thread.start()
        self.ready = self._wait_for("listening", 10)
        # The application learns of the new listener from the registry, on its
        # own time and with nothing to see from outside until a ring moves:
        # the one wait here that no condition can stand for.
        time.sleep(0.5)

    def _read(self):
        for line in self.proc.stdout:
            try:
                d = json.loads(line)
            except ValueError:
                continue
            if d.get("kind") == "event":
                d["at"] = time.monotonic()
                self.events.append(d)
            self._lines.put(d)

    def _wait_for(self, kind, timeout):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            try:
                if self._lines.get(timeout=end - time.monotonic()).get("kind") == kind:
                    return True
            except queue.Empty:
                break
        return False

    def value_events(self, label, since, until=None):
        until = until or time.monotonic() + 1
        return [e for e in self.events if e["sourceName"] == label and e["type"].startswith(VALUE_EVENTS)
                and since <= e["at"] < until]

    def stop(self):
        if self.proc.poll() is None:
            self.proc.stdin.close()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        self._thread.join(2)
        with open(os.path.join(k.ARTEFACTS, "ring-accessibility-events.jsonl"), "w") as f:
            for e in self.events:
                f.write(json.dumps(e) + "\n")


def description_of(pid, label):
    e = element(pid, label)
    return e.get("description") if isinstance(e, dict) else None


def announcements(events, label):
    """The description changes among a ring's events."""
    return [e for e in events if e["sourceName"] == label
            and e["type"] == "object:property-change:accessible-description"]


def carries(event, label, value):
    """An announcement tells the new value: its payload is the text itself or the
    ring's element, and reading the element back on hearing of it gives the text."""
    payload_ok = (event["dataKind"] == "string" and event["data"] == value) or \
                 (event["dataKind"] == "object" and event["data"] == label)
    return payload_ok and event["sourceDescription"] == value


def release_all():
    k.key_up("ctrl")
    k.key_up("shift")


def hold_open(letter, title_prefix):
    k.key_down("ctrl")
    k.key_down("shift")
    k.key(letter)
    ok = k.wait_until(lambda: k.viewable_window(title_prefix), timeout=3)
    if ok:
        k.wait_settled(ok)  # opened; the events of the opening went out before its first frame
    return ok


def check_switcher(app, listener):
    pattern = re.compile(r"^(Alpha|Beta|Editor), ([123]) of 3$")

    opened_at = time.monotonic()
    k.check(hold_open("a", "Kelvaro App Switcher"), "holding Ctrl+Shift+A opens the switcher")
    ring = element(app.pid, SWITCHER_LABEL)
    k.check(isinstance(ring, dict), "the switcher has exactly one element labelled %r: %r" % (SWITCHER_LABEL, ring))
    if not isinstance(ring, dict):
        return
    first = ring["description"] or ""
    k.check(first.startswith("Alpha, ") and pattern.match(first) is not None,
            "its value names the frontmost application and its place: %r" % first)
    k.check("showing" in ring["states"] and "visible" in ring["states"],
            "the element is showing while the ring is up: %r" % ring["states"])
    k.check(ring["role"] not in ("unknown", "invalid", "filler"), "the element has a meaningful role: %r" % ring["role"])
    k.check(listener.value_events(SWITCHER_LABEL, opened_at) == [],
            "opening the switcher announces nothing: %r" % listener.value_events(SWITCHER_LABEL, opened_at))

    # Two steps: each changes the value to another application and is announced once.
    values = [first]
    for step in range(2):
        moved_at = time.monotonic()
        k.key("a")
        value = k.wait_until(lambda: (lambda d: d if d and d != values[-1] else None)(
            description_of(app.pid, SWITCHER_LABEL)), timeout=3) or ""
        # Once means once: a second announcement would come within this span.
        k.holds(lambda: len([e for e in announcements(listener.events, SWITCHER_LABEL) if e["at"] >= moved_at]) <= 1,
                0.4)
        before, after = pattern.match(values[-1]), pattern.match(value)
        k.check(after is not None and before is not None and after.group(1) != before.group(1),
                "step %d: the value names another application: %r -> %r" % (step + 1, values[-1], value))
        told = announcements(listener.events, SWITCHER_LABEL)
        told = [e for e in told if e["at"] >= moved_at]
        k.check(len(told) == 1 and carries(told[0], SWITCHER_LABEL, value),
                "step %d: one change event for the new value reaches the listener: %r" % (step + 1, told))
        values.append(value)

    # Hiding empties the ring, which is no change the user sees: nothing is announced.
    escaped_at = time.monotonic()
    k.key("Escape")
    release_all()
    k.wait_until(lambda: not k.viewable_window("Kelvaro App Switcher"), timeout=3)
    k.check(k.holds(lambda: listener.value_events(SWITCHER_LABEL, escaped_at) == [], 0.8),
            "closing the switcher announces nothing: %r" % listener.value_events(SWITCHER_LABEL, escaped_at))

    # A new showing starts again on the frontmost application: a value other
    # than the last one spoken, which still is the showing's first and silent.
    reopened_at = time.monotonic()
    k.check(hold_open("a", "Kelvaro App Switcher"), "the switcher opens again")
    again = description_of(app.pid, SWITCHER_LABEL)
    k.check(again == first, "the new showing's value is the first one again: %r" % again)
    k.check(again != values[-1], "which differs from the last value of the showing before (%r)" % values[-1])
    k.check(listener.value_events(SWITCHER_LABEL, reopened_at) == [],
            "the first value of the new showing is not announced: %r"
            % listener.value_events(SWITCHER_LABEL, reopened_at))
    moved_at = time.monotonic()
    k.key("a")
    k.wait_until(lambda: listener.value_events(SWITCHER_LABEL, moved_at), timeout=3)
    k.check(len(listener.value_events(SWITCHER_LABEL, moved_at)) >= 1, "and the next move is announced again")
    k.key("Escape")
    release_all()
    k.wait_until(lambda: not k.viewable_window("Kelvaro App Switcher"), timeout=3)


def check_shortcut_ring(app, listener):
    expected = ["%s, %d of %d" % (name, i + 1, len(ITEMS)) for i, name in enumerate(ITEMS)]

    opened_at = time.monotonic()
    k.check(hold_open("s", "Kelvaro Ring"), "holding Ctrl+Shift+S opens the shortcut ring")
    ring = element(app.pid, SHORTCUT_LABEL)
    k.check(isinstance(ring, dict), "the shortcut ring has exactly one element labelled %r: %r"
            % (SHORTCUT_LABEL, ring))
    if not isinstance(ring, dict):
        return
    k.check(ring["description"] == expected[0], "its value names the first shortcut: %r" % ring["description"])
    k.check("showing" in ring["states"], "the element is showing while the ring is up: %r" % ring["states"])
    k.check(listener.value_events(SHORTCUT_LABEL, opened_at) == [],
            "opening the shortcut ring announces nothing: %r" % listener.value_events(SHORTCUT_LABEL, opened_at))

    # Down, Down, Up: every move changes the value and is announced once.
    for step, (keyname, index) in enumerate((("Down", 1), ("Down", 2), ("Up", 1))):
        moved_at = time.monotonic()
        k.key(keyname)
        value = k.wait_until(lambda: (lambda d: d if d == expected[index] else None)(
            description_of(app.pid, SHORTCUT_LABEL)), timeout=3)
        # Once means once: a second announcement would come within this span.
        k.holds(lambda: len([e for e in announcements(listener.events, SHORTCUT_LABEL) if e["at"] >= moved_at]) <= 1,
                0.4)
        k.check(value == expected[index], "%s: the value names %r" % (keyname, expected[index]))
        told = [e for e in announcements(listener.events, SHORTCUT_LABEL) if e["at"] >= moved_at]
        k.check(len(told) == 1 and carries(told[0], SHORTCUT_LABEL, expected[index]),
                "%s (move %d): one change event for the new value reaches the listener: %r"
                % (keyname, step + 1, told))

    closed_at = time.monotonic()
    k.key("Escape")
    release_all()
    k.wait_until(lambda: not k.viewable_window("Kelvaro Ring"), timeout=3)
    k.check(k.holds(lambda: listener.value_events(SHORTCUT_LABEL, closed_at) == [], 0.3),
            "closing the shortcut ring announces nothing: %r" % listener.value_events(SHORTCUT_LABEL, closed_at))

    # The next showing starts on the first shortcut again, silently.
    reopened_at = time.monotonic()
    k.check(hold_open("s", "Kelvaro Ring"), "the shortcut ring opens again")
    again = description_of(app.pid, SHORTCUT_LABEL)
    k.check(again == expected[0], "the new showing's value is the first shortcut again: %r" % again)
    k.check(listener.value_events(SHORTCUT_LABEL, reopened_at) == [],
            "the first value of the new showing is not announced: %r"
            % listener.value_events(SHORTCUT_LABEL, reopened_at))
    k.key("Escape")
    release_all()
    k.wait_until(lambda: not k.viewable_window("Kelvaro Ring"), timeout=3)


def main():
    write_defaults()
    install_names()
    clients = [
        k.Process([k.binary("kelvaro-test-client"), "--app-id", "org.example.Alpha", "--title", "Alpha"],
                  name="alpha", wait_ready=True),
        k.Process([k.binary("kelvaro-test-client"), "--app-id", "org.example.Beta", "--title", "Beta"],
                  name="beta", wait_ready=True),
        k.Process([k.binary("kelvaro-test-client"), "--app-id", EDITOR, "--title", "Editor"],
                  name="editor", wait_ready=True),
    ]
    alpha = k.find_window("Alpha")
    editor = k.find_window("Editor")
    app = k.start_kelvaro()
    listener = None
    try:
        k.check(k.wait_until(lambda: on_bus(app.pid), timeout=10), "the running application is on the accessibility bus")
        listener = Listener(app.pid)
        k.check(listener.ready, "a listener for the application's events is registered")

        k.activate(alpha)
        k.wait_until(lambda: k.active_window() == alpha)
        k.move_pointer(640, 512)
        check_switcher(app, listener)

        k.activate(editor)
        k.wait_until(lambda: k.active_window() == editor)
        check_shortcut_ring(app, listener)

    finally:
        release_all()
        if listener:
            listener.stop()
        app.stop()
        for c in clients:
            c.stop()
    k.finish()


if __name__ == "__main__":
    main()
