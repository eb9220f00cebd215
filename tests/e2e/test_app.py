"""The running application as a user meets it: kelvaro puts its icon in the
tray, takes its switcher hotkey away from the focused window of another
program while other combinations still reach it, hands a second launch to the
running copy, and leaves nothing behind when it quits (through its menu or a
termination signal)."""
import json
import os
import re
import signal
import time

from kelvaro_e2e import (ARTEFACTS, tray_icon, Process, activate, active_window, binary, check, find_window, finish, key,
                         move_pointer, run, wait_until)


def write_defaults():
    # Onboarding done, no launch notice and the usage notice already shown:
    # nothing modal may appear at launch.
    path = os.path.join(os.environ["XDG_CONFIG_HOME"], "kelvaro", "defaults.json")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    values = {"hasCompletedOnboarding": {"type": "bool", "value": True},
              "showLaunchMessage": {"type": "bool", "value": False},
              "telemetryEnabled": {"type": "bool", "value": False},
              "telemetryNoticeShownBuild": {"type": "integer", "value": 1}}
    with open(path, "w") as f:
        json.dump({"version": 1, "values": values}, f)


def text_log(path):
    try:
        with open(path) as f:
            return f.read().splitlines()
    except FileNotFoundError:
        return []


def pressed_keys(path):
    """Qt key codes the text field received, modifiers left out."""
    modifiers = {16777248, 16777249, 16777250, 16777251}
    keys = []
    for line in text_log(path):
        m = re.match(r"key=(\d+) mods=(\d+)", line)
        if m and int(m.group(1)) not in modifiers:
            keys.append((int(m.group(1)), int(m.group(2))))
    return keys


def start_kelvaro():
    app = Process([binary("kelvaro")])
    icon = wait_until(tray_icon, timeout=10)
    return app, icon


def main():
    write_defaults()
    log_path = os.path.join(ARTEFACTS, "app-text-log.txt")
    os.makedirs(ARTEFACTS, exist_ok=True)
    if os.path.exists(log_path):
        os.remove(log_path)
    client = Process([binary("kelvaro-test-client"), "--title", "Typing Here", "--text-log", log_path],
                     wait_ready=True)
    typing = find_window("Typing Here")
    check(typing, "the test client's window is mapped")
    activate(typing)
    check(wait_until(lambda: active_window() == typing), "the test client has the focus")

    app, icon = start_kelvaro()
    try:
        check(icon is not None, "the tray icon is mapped")
        if icon:
            check(16 <= icon[3] <= 64 and 16 <= icon[4] <= 64, "the tray icon has a tray-sized window (%dx%d)"
                  % (icon[3], icon[4]))
        check(app.alive(), "kelvaro keeps running")
        activate(typing)

        # Ctrl+Shift+A is the switcher hotkey (⇧⌘A): taken. Ctrl+Shift+Q is none: delivered.
        key("ctrl+shift+a")
        key("ctrl+shift+q")
        key("x")
        check(wait_until(lambda: (88, 0) in pressed_keys(log_path)), "the focused field receives plain keys")
        keys = pressed_keys(log_path)
        ctrl_shift = 0x04000000 | 0x02000000
        check((81, ctrl_shift) in keys, "Ctrl+Shift+Q reaches the focused field")
        check((65, ctrl_shift) not in keys, "Ctrl+Shift+A never reaches the focused field")
        check(keys.index((81, ctrl_shift)) < keys.index((88, 0)) if (81, ctrl_shift) in keys else False,
              "the keys arrive in the order typed")
        # Holding the hotkey: its repeats are taken too while nothing else is typed.
        run("xdotool", "keydown", "ctrl+shift+a")
        time.sleep(0.8)
        run("xdotool", "keyup", "ctrl+shift+a")
        key("y")
        check(wait_until(lambda: (89, 0) in pressed_keys(log_path)), "typing goes on after holding the hotkey")
        check((65, ctrl_shift) not in pressed_keys(log_path), "a held hotkey's repeats never reach the field")

        # Locking the screen reaches the running copy over the session bus.
        run("dbus-send", "--session", "--type=signal", "/org/freedesktop/ScreenSaver",
            "org.freedesktop.ScreenSaver.ActiveChanged", "boolean:true")
        check(wait_until(lambda: "Kelvaro: the screen locked" in app.log_text()),
              "a screen lock on the session bus is noticed")

        # A second launch hands over to the running copy and exits.
        second = Process([binary("kelvaro")], name="kelvaro-second")
        try:
            second.proc.wait(15)
        except Exception:
            pass
        check(second.proc.returncode == 0, "a second kelvaro exits at once with success (%s)"
              % second.proc.returncode)
        second.stop()
        check(app.alive(), "the first kelvaro stays")
        check(wait_until(tray_icon) is not None, "its tray icon stays")

        # Quit through the tray menu: right-click the icon, choose the last item.
        icon = tray_icon()
        if icon:
            _, x, y, w, h = icon
            move_pointer(x + w // 2, y + h // 2)
            run("xdotool", "click", "3")
            time.sleep(0.5)
            run("xdotool", "key", "Up", "Return")
        try:
            app.proc.wait(10)
        except Exception:
            pass
        check(not app.alive(), "Quit Kelvaro ends the process")
        check(app.proc.returncode == 0, "it exits with success (%s)" % app.proc.returncode)
        check(wait_until(lambda: tray_icon() is None), "quitting removes the tray icon")
        app.stop()

        # A termination signal ends it just as cleanly.
        app, icon = start_kelvaro()
        check(icon is not None, "a new kelvaro shows its icon again")
        app.proc.send_signal(signal.SIGTERM)
        try:
            app.proc.wait(10)
        except Exception:
            pass
        check(app.proc.returncode == 0, "SIGTERM ends kelvaro with success (%s)" % app.proc.returncode)
        check(wait_until(lambda: tray_icon() is None), "SIGTERM removes the tray icon")
        leftovers = run("pgrep", "-x", "kelvaro").stdout.split()
        check(not leftovers, "no kelvaro process is left (%s)" % leftovers)
    finally:
        app.stop()
        client.stop()
    finish()


if __name__ == "__main__":
    main()
