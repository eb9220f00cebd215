"""Sending a chosen shortcut to the focused application on a real X server.

A text field of the project's own test client has the focus. Key combinations
go through the XTest backend while the user still holds Shift (the ring
commits on the release of another modifier): the field must see Ctrl+A with no
Shift, and plain letters in lower case; Shift is held again afterwards. A
snippet reaches the CLIPBOARD selection and is pasted with ⌘V, and links go to
the desktop's URL handler.
"""
import os
import subprocess
import time

import kelvaro_e2e as k

CTRL = 0x04000000
SHIFT = 0x02000000
KEY_A = 0x41
KEY_V = 0x56


def probe(*args, timeout=10):
    return k.run(k.binary("kelvaro-keys-probe"), *args, timeout=timeout)


def key_events(log):
    out = []
    for line in k.read_lines(log):
        if line.startswith("key="):
            parts = dict(p.split("=", 1) for p in line.split(" ")[:2])
            out.append((int(parts["key"]), int(parts["mods"])))
    return out


def content(log):
    lines = [l[len("content="):] for l in k.read_lines(log) if l.startswith("content=")]
    return lines[-1] if lines else ""


def main():
    log = os.path.join(os.environ.get("KELVARO_SESSION_DIR", "/tmp"), "keys-client.log")
    client = k.Process([k.binary("kelvaro-test-client"), "--app-id", "org.kelvaro.KeysTarget",
                        "--title", "Keys target", "--text-log", log], wait_ready=True)
    try:
        wid = k.find_window("Keys target")
        k.check(wid != 0, "the target window is mapped")
        k.activate(wid)
        k.type_text("hello")
        k.check(k.wait_until(lambda: content(log) == "hello"), "typed text reaches the field")

        # The user still holds Shift while the chosen combination is sent.
        k.key_down("shift")
        before = len(key_events(log))
        out = probe("keys", "⌘A")
        k.check(out.returncode == 0 and "sent key=0 mods=1048576" in out.stdout, "⌘A parses and is sent")
        events = k.wait_until(lambda: [e for e in key_events(log)[before:] if e[0] == KEY_A])
        k.check(events == [(KEY_A, CTRL)], "Ctrl+A arrives without Shift although Shift is held: %r" % events)

        out = probe("keys", "B")
        k.check(k.wait_until(lambda: content(log) == "b"), "a plain letter replaces the selection in lower case: %r" % content(log))

        held = probe("held").stdout
        k.check("50" in held.strip()[len("held="):].split(","), "the held Shift is put back afterwards (%s)" % held.strip())
        k.type_text("c")
        k.check(k.wait_until(lambda: content(log) == "bC"), "Shift still acts after the synthetic keys: %r" % content(log))
        k.key_up("shift")
        k.check(probe("held").stdout.strip() == "held=", "no modifier is left down once the user lets go")

        # A snippet goes to the clipboard, and ⌘V pastes it from there.
        p = k.Process([k.binary("kelvaro-keys-probe"), "run", "--snippet", "pasted text",
                       "--shortcut", "⌘V", "--hold-ms", "3000"], name="probe-paste")
        try:
            k.check(k.wait_until(lambda: content(log).endswith("pasted text"), timeout=5),
                    "⌘V pastes the snippet into the field: %r" % content(log))
            clip = k.run("xclip", "-o", "-selection", "clipboard").stdout
            k.check(clip == "pasted text", "the snippet is on the CLIPBOARD selection: %r" % clip)
            k.check((KEY_V, CTRL) in key_events(log), "the paste arrives as Ctrl+V")
        finally:
            p.proc.wait(10)
            p.stop()

        # Links and saved tabs go to the URL handler; a bad tab address does nothing.
        record = os.path.join(os.environ.get("KELVARO_SESSION_DIR", "/tmp"), "opened-urls.txt")
        k.install_url_recorder(record)
        probe("run", "--url", "https://example.org/from-link")
        probe("run", "--tab", "not a web address")
        probe("run", "--tab", "https://example.org/from-tab")
        opened = k.wait_until(lambda: len(k.read_lines(record)) >= 2 and k.read_lines(record), timeout=5)
        k.check(sorted(opened or []) == ["https://example.org/from-link", "https://example.org/from-tab"],
                "links and tabs reach the URL handler: %r" % opened)

        # Every change of the clipboard is counted once, ours and another client's.
        p = k.Process([k.binary("kelvaro-keys-probe"), "clipboard", "mine", "1500"], name="probe-clipboard")
        try:
            k.wait_until(lambda: "count=" in p.log_text(), timeout=5)
            # -quiet keeps xclip in the foreground, serving the selection until stopped.
            other = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-i"], stdin=subprocess.PIPE,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            other.stdin.write(b"theirs")
            other.stdin.close()
            p.proc.wait(10)
            other.terminate()
            other.wait(5)
            counts = [l for l in p.log_text().splitlines() if l.startswith("count=")]
            k.check(counts == ["count=1 text=mine", "count=2 text=theirs"], "clipboard changes are counted: %r" % counts)
        finally:
            p.stop()

        out = probe("run", "--shortcut", "⌘")
        k.check("Kelvaro: could not parse shortcut '⌘'" in out.stderr, "a modifiers-only combination is logged")
        k.screenshot("synthetic-keys")
    finally:
        client.stop()
    k.finish()


if __name__ == "__main__":
    main()
