"""A storm of random key events through XTest: a few thousand presses and
releases of the hotkeys, their modifiers, the ring navigation keys and
letters, with presses left without releases and releases without presses.
Afterwards Kelvaro still runs, no ring is left on screen, another client can
grab the keyboard, and text typed into a window arrives there."""
import os
import random
import re

import kelvaro_e2e as k

TEST_CLIENT = "kelvaro-test-client"
KEYS = ["ctrl", "shift", "alt", "super", "a", "s", "p", "d", "Return", "Escape", "Left", "Right", "Up", "Down", "x"]


def rings_on_screen():
    """Kelvaro's mapped windows bigger than a tray icon."""
    found = []
    for line in k.run("xwininfo", "-root", "-tree").stdout.splitlines():
        m = re.search(r'(0x[0-9a-f]+) "[^"]*": \("kelvaro" "kelvaro"\)\s+(\d+)x(\d+)', line)
        if m and int(m.group(2)) >= 200 and int(m.group(3)) >= 200:
            if "IsViewable" in k.run("xwininfo", "-id", m.group(1)).stdout:
                found.append(m.group(1))
    return found


def storm(rng, events):
    """Sends `events` random key events in batches; returns how many went out."""
    sent = 0
    down = set()
    while sent < events:
        args = ["xdotool"]
        for _ in range(min(250, events - sent)):
            key = rng.choice(KEYS)
            r = rng.random()
            if r < 0.45:
                args += ["keydown", "--delay", "0", key]
                down.add(key)
            elif r < 0.9:
                args += ["keyup", "--delay", "0", key]  # sometimes a release without a press
                down.discard(key)
            else:
                args += ["key", "--delay", "0", key]
            sent += 1
        k.run(*args, timeout=60)
    return down


def main():
    k.write_settings_defaults()
    log_path = os.path.join(k.ARTEFACTS, "storm-text.log")
    if os.path.exists(log_path):
        os.remove(log_path)
    client = k.Process([k.binary(TEST_CLIENT), "--app-id", "org.example.Storm", "--title", "Storm Target",
                        "--text-log", log_path], name="storm-client", wait_ready=True)
    target = k.find_window("Storm Target")
    k.check(target, "the target window is mapped")
    app = k.start_kelvaro(name="kelvaro-storm")
    try:
        k.check(app.alive(), "Kelvaro runs")
        rng = random.Random(1912)
        left_down = storm(rng, 3000)
        k.check(app.alive(), "Kelvaro survives 3000 random key events")
        # Let go of everything the storm left pressed, then of every key once more.
        k.run("xdotool", *sum((["keyup", key] for key in KEYS), []))
        k.check(k.wait_until(lambda: not rings_on_screen(), timeout=5),
                "no ring is left on screen (%r; keys left down by the storm: %r)" % (rings_on_screen(), sorted(left_down)))
        k.screenshot("key-storm-after")
        held = k.run(k.binary("kelvaro-keys-probe"), "held").stdout.strip()
        k.check(held == "held=", "no modifier is held on the server (%s)" % held)
        grab = k.run(k.binary("kelvaro-keys-probe"), "grab").stdout.strip()
        k.check(grab == "grab=success", "another client can grab the keyboard (%s)" % grab)

        k.activate(target)
        k.check(k.wait_until(lambda: k.active_window() == target), "the target window is active")
        with open(log_path, "a"):
            pass
        k.type_text("calm after storm")
        def arrived():
            # The storm's letters and arrows are in the field too: the text
            # typed now stands together wherever the cursor was.
            with open(log_path, errors="replace") as f:
                contents = [line for line in f.read().splitlines() if line.startswith("content=")]
            return bool(contents) and "calm after storm" in contents[-1]
        k.check(k.wait_until(arrived, timeout=5), "typed text arrives in the focused window")
        k.check(app.alive(), "Kelvaro still runs")
        log = app.log_text()
        repeated, run, previous = 0, 0, None
        for line in log.splitlines():
            run = run + 1 if line == previous else 1
            previous = line
            repeated = max(repeated, run)
        k.check(repeated <= 3, "no log line comes more than three times in a row (%d)" % repeated)
    finally:
        app.stop()
        client.stop()
    k.finish()


if __name__ == "__main__":
    main()
