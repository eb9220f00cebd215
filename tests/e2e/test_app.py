"""The running application as a user meets it: kelvaro puts its icon in the
tray, takes its switcher hotkey away from the focused window of another
program while other combinations still reach it, hands a second launch to the
running copy, names the switcher hotkey in its tray menu by what the key types
on the layout in effect (read over the accessibility bus, as a screen reader
announces the item), and leaves nothing behind when it quits (through its menu
or a termination signal)."""
import json
import os
import queue
import re
import signal
import subprocess
import threading
import time

from kelvaro_e2e import (ARTEFACTS, tray_icon, Process, activate, active_window, binary, check, find_window, finish, key,
                         move_pointer, run, start_kelvaro, wait_settled, wait_until, window_geometry,
                         write_settings_defaults)


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


def tray_item_shortcut(app, name, steps=11):
    """Opens the tray menu and walks down it until the item `name` has the focus;
    returns the shortcut a screen reader announces for it ("" for none, None when
    the item never got the focus). Popup menus are not in the accessibility tree:
    their items are met through the focus events, as a screen reader meets them."""
    icon = tray_icon()
    if not icon:
        return None
    probe = subprocess.Popen([binary("kelvaro-a11y-probe"), str(app.pid), "--name", "-", "--listen", "30"],
                             stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    lines = queue.Queue()

    def read():
        for line in probe.stdout:
            try:
                lines.put(json.loads(line))
            except ValueError:
                pass
    threading.Thread(target=read, daemon=True).start()

    def next_line(timeout):
        try:
            return lines.get(timeout=timeout)
        except queue.Empty:
            return None

    found = None
    try:
        end = time.monotonic() + 10
        while time.monotonic() < end:
            d = next_line(end - time.monotonic())
            if d is None or d.get("kind") == "listening":
                break
        _, x, y, w, h = icon
        move_pointer(x + w // 2, y + h // 2)
        run("xdotool", "click", "3")
        menu = wait_until(lambda: tray_menu(app), timeout=5)
        if menu:
            wait_settled(menu)
        # The application learns of the new listener from the registry on its
        # own time: until it has, a step announces nothing, so the walk goes on
        # (the menu wraps around) until the item is met or the steps run out.
        heard = False
        for _ in range(steps * 2):
            key("Down")
            end = time.monotonic() + (2 if heard else 0.5)
            focused = None
            while time.monotonic() < end and focused is None:
                d = next_line(end - time.monotonic())
                if d is None:
                    break
                if (d.get("kind") == "event" and d.get("type", "").startswith("object:state-changed:focused")
                        and d.get("detail1") == 1 and d.get("sourceRole") == "menu item"):
                    focused = d
            heard = heard or focused is not None
            if focused and focused.get("sourceName") == name:
                found = focused.get("sourceKeyBinding") or ""
                break
            if heard and focused is None:
                break
    finally:
        key("Escape")
        probe.stdin.close()
        try:
            probe.wait(10)
        except subprocess.TimeoutExpired:
            probe.kill()
            probe.wait()
    return found


def tray_menu(app):
    """(x, y, width, height) of the tray menu while it is open, else None."""
    for wid in run("xdotool", "search", "--onlyvisible", "--pid", str(app.pid)).stdout.split():
        geometry = window_geometry(int(wid))
        if geometry and geometry[2] > 64 and geometry[3] > 64 and geometry[2] < 600:
            return geometry
    return None


def _stat(pid):
    """(state, start time) of a process, or None when there is none."""
    try:
        with open("/proc/%d/stat" % pid) as f:
            fields = f.read().rsplit(")", 1)[1].split()
    except (OSError, IndexError):
        return None
    # After the name: the state is field 3 of the line, the start time field 22.
    return fields[0], fields[19]


def _children(pid):
    """The children of a process: those its threads started."""
    found = []
    try:
        tasks = os.listdir("/proc/%d/task" % pid)
    except OSError:
        return found
    for task in tasks:
        try:
            with open("/proc/%d/task/%s/children" % (pid, task)) as f:
                found.extend(int(c) for c in f.read().split())
        except OSError:
            pass
    return found


def process_tree(pid):
    """{pid: start time} of a process and all its descendants now running."""
    tree, todo = {}, [pid]
    while todo:
        p = todo.pop()
        stat = _stat(p)
        if stat and stat[0] != "Z" and p not in tree:
            tree[p] = stat[1]
            todo.extend(_children(p))
    return tree


def still_running(tree):
    """The processes of a process_tree() that are still running (the same processes:
    a pid taken again by another process does not count)."""
    return [pid for pid, started in tree.items()
            if (stat := _stat(pid)) and stat[0] != "Z" and stat[1] == started]


def start():
    app = start_kelvaro()
    icon = wait_until(tray_icon, timeout=10)
    return app, icon


def main():
    write_settings_defaults()
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

    app, icon = start()
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
        # The length of the hold is what is tested (long enough for the
        # server's key repeat to start), so it is a plain wait.
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

        # The tray menu names the switcher hotkey (the key at A on a US keyboard)
        # by what it types: Ctrl+Shift+A here, Ctrl+Shift+Q once the layout
        # becomes French while kelvaro runs.
        announced = tray_item_shortcut(app, "Show App Switcher")
        check(announced == "Ctrl+Shift+A", "the tray menu shows the switcher hotkey as Ctrl+Shift+A (%r)" % announced)
        run("setxkbmap", "fr", check_rc=True)
        try:
            # The new layout reaches kelvaro as an event of its X connection: look again until it has.
            end = time.monotonic() + 10
            announced = None
            while announced != "Ctrl+Shift+Q" and time.monotonic() < end:
                announced = tray_item_shortcut(app, "Show App Switcher")
            check(announced == "Ctrl+Shift+Q", "on a French layout the tray menu shows it as Ctrl+Shift+Q (%r)" % announced)
        finally:
            run("setxkbmap", "us", check_rc=True)

        # Quit through the tray menu: right-click the icon, choose the last item.
        before_quit = process_tree(app.pid)
        icon = tray_icon()
        # On a busy machine the right-click may open no menu, or the menu may
        # take its keyboard grab after the keys came: while kelvaro runs, close
        # what is open and ask again, up to three times.
        for _attempt in range(3):
            if not icon or not app.alive():
                break
            _, x, y, w, h = icon
            move_pointer(x + w // 2, y + h // 2)
            run("xdotool", "click", "3")
            menu = wait_until(lambda: tray_menu(app), timeout=10)
            if not menu:
                continue
            wait_settled(menu)
            run("xdotool", "key", "Up", "Return")
            if wait_until(lambda: not app.alive(), timeout=10):
                break
            if tray_menu(app):
                run("xdotool", "key", "Escape")
                wait_until(lambda: not tray_menu(app), timeout=5)
        try:
            app.proc.wait(5)
        except Exception:
            pass
        check(not app.alive(), "Quit Kelvaro ends the process")
        check(app.proc.returncode == 0, "it exits with success (%s)" % app.proc.returncode)
        check(wait_until(lambda: tray_icon() is None), "quitting removes the tray icon")
        app.stop()

        # A termination signal ends it just as cleanly.
        app, icon = start()
        check(icon is not None, "a new kelvaro shows its icon again")
        before_signal = process_tree(app.pid)
        app.proc.send_signal(signal.SIGTERM)
        try:
            app.proc.wait(10)
        except Exception:
            pass
        check(app.proc.returncode == 0, "SIGTERM ends kelvaro with success (%s)" % app.proc.returncode)
        check(wait_until(lambda: tray_icon() is None), "SIGTERM removes the tray icon")
        # Only what the test started, and what that started in turn.
        leftovers = still_running(before_quit) + still_running(before_signal)
        check(not leftovers, "no process of either kelvaro is left (%s)" % leftovers)
    finally:
        app.stop()
        client.stop()
    finish()


if __name__ == "__main__":
    main()
