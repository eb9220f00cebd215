"""Kelvaro as a person who installed its package meets it: /usr/bin/kelvaro
answers --version and --help without a display and says what is missing
when started without one; started from its desktop entry (through GIO, as a
menu or launcher does) it shows its icon in the tray, opens the switcher on
its hotkey, its titled windows carry the application's icon, and "Start at
Login" writes an autostart entry that starts the installed program.

Runs after the package is installed (scripts/run-tests installs it in CI);
skipped where /usr/bin/kelvaro is not installed."""
import os
import re
import signal
import subprocess
import sys
import time

import kelvaro_e2e as k

PROGRAM = "/usr/bin/kelvaro"
ENTRY = "/usr/share/applications/com.morvanix.kelvaro.desktop"
ICON = "/usr/share/icons/hicolor/scalable/apps/com.morvanix.kelvaro.svg"
SKIP = 77


def without_display(*args):
    env = {k_: v for k_, v in os.environ.items() if k_ not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    return subprocess.run([PROGRAM, *args], capture_output=True, text=True, env=env, timeout=20)


def entry_keys():
    keys = {}
    with open(ENTRY, encoding="utf-8") as f:
        for line in f:
            if "=" in line and not line.startswith("#"):
                key, value = line.rstrip("\n").split("=", 1)
                keys[key] = value
    return keys


def switcher_window():
    for line in k.run("xwininfo", "-root", "-tree").stdout.splitlines():
        m = re.search(r'(0x[0-9a-f]+) "Kelvaro App Switcher[^"]*": \("kelvaro" "kelvaro"\)', line)
        if m and "IsViewable" in k.run("xwininfo", "-id", m.group(1)).stdout:
            return int(m.group(1), 16)
    return 0


def running(pid):
    try:
        with open("/proc/%d/stat" % pid) as f:
            return f.read().split(") ", 1)[1][0] != "Z"
    except OSError:
        return False


def has_icon(wid):
    out = k.window_prop(wid, "_NET_WM_ICON")
    return "_NET_WM_ICON(CARDINAL)" in out and "not found" not in out


def main():
    if not os.access(PROGRAM, os.X_OK):
        print("%s is not installed: skipped" % PROGRAM)
        sys.exit(SKIP)

    # The command line, without any display.
    version = without_display("--version")
    k.check(version.returncode == 0 and version.stdout.strip() == "Kelvaro " + os.environ.get("KELVARO_VERSION", ""),
            "kelvaro --version prints the version without a display: %r" % version.stdout)
    usage = without_display("--help")
    k.check(usage.returncode == 0 and "--version" in usage.stdout, "kelvaro --help answers without a display")
    bare = without_display()
    k.check(bare.returncode == 1 and "X11" in bare.stderr and "Reinstalling" not in bare.stderr
            and len(bare.stderr.strip().splitlines()) == 1,
            "a start without a display says what is missing in one line: %r" % bare.stderr)

    # What the package put on the desktop.
    keys = entry_keys()
    k.check(keys.get("Exec") == "kelvaro" and keys.get("Icon") == "com.morvanix.kelvaro",
            "the desktop entry starts kelvaro with the application's icon")
    k.check(keys.get("Name[de]") == "Kelvaro" and "Comment[ja]" in keys, "its name and comment are translated")
    k.check(os.path.exists(ICON), "the icon is in the hicolor theme")

    k.write_settings_defaults("light")
    # The launched program keeps what it inherits open: no pipes to wait on.
    launch_log = os.path.join(k.ARTEFACTS, "gio-launch.log")
    os.makedirs(k.ARTEFACTS, exist_ok=True)
    with open(launch_log, "w") as log:
        launched = subprocess.run(["gio", "launch", ENTRY], stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                                  timeout=20)
    k.check(launched.returncode == 0, "the desktop entry launches (%s)" % launch_log)
    icon = k.wait_until(k.tray_icon, timeout=15)
    k.check(icon, "the installed kelvaro is in the tray")
    pid = k.window_pid(icon[0]) if icon else 0
    k.check(pid and os.path.realpath("/proc/%d/exe" % pid) == os.path.realpath(PROGRAM),
            "the tray icon belongs to %s" % PROGRAM)
    client = k.Process([k.binary("kelvaro-test-client"), "--app-id", "org.example.Editor", "--title", "Editor"],
                       name="editor", wait_ready=True)
    try:
        k.activate(k.find_window("Editor"))
        time.sleep(0.5)
        k.key_down("ctrl")
        k.key_down("shift")
        k.key("a")
        k.check(k.wait_until(switcher_window, timeout=5), "Ctrl+Shift+A opens the switcher")
        k.key("Escape")
        k.key_up("shift")
        k.key_up("ctrl")
        k.check(k.wait_until(lambda: not switcher_window(), timeout=5), "Escape closes it")

        # A second start brings up the settings window, which carries the icon.
        subprocess.run([PROGRAM], capture_output=True, timeout=20)
        settings = k.find_window("Kelvaro Settings", timeout=8)
        k.check(settings and has_icon(settings), "the settings window carries the application's icon")

        autostart = os.path.join(os.environ["XDG_CONFIG_HOME"], "autostart", "kelvaro.desktop")
        k.check(k.open_tray_menu_item(6), "the tray menu opens")
        k.check(k.wait_until(lambda: os.path.exists(autostart), timeout=5), "Start at Login writes the entry")
        if os.path.exists(autostart):
            with open(autostart) as f:
                text = f.read()
            k.check(re.search(r'^Exec="?%s"?$' % re.escape(PROGRAM), text, re.M),
                    "the entry starts the installed program: %r" % text)
    finally:
        k.key_up("shift")
        k.key_up("ctrl")
        client.stop()
        if pid:
            os.kill(pid, signal.SIGTERM)
            k.wait_until(lambda: not running(pid), timeout=5)
    k.finish()


if __name__ == "__main__":
    main()
