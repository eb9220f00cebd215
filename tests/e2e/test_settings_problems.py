"""A settings file that cannot be read: Kelvaro starts with default settings,
keeps the file aside byte for byte, logs where it went and tells the person
once through a tray notification naming the kept file."""
import glob
import os
import re

import kelvaro_e2e as k


def kelvaro_windows():
    """(id, width, height) of Kelvaro's viewable windows."""
    found = []
    for line in k.run("xwininfo", "-root", "-tree").stdout.splitlines():
        m = re.search(r'(0x[0-9a-f]+) (?:"[^"]*"|\(has no name\)): \("kelvaro" "kelvaro"\)\s+(\d+)x(\d+)', line)
        if m and "IsViewable" in k.run("xwininfo", "-id", m.group(1)).stdout:
            found.append((m.group(1), int(m.group(2)), int(m.group(3))))
    return found


def main():
    folder = os.path.join(os.environ["XDG_CONFIG_HOME"], "kelvaro")
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, "defaults.json")
    damaged = b'{"version":1,"values":{"ringScale":{"type":"double","value":1.5}'  # cut off
    with open(path, "wb") as f:
        f.write(damaged)
    app = k.Process([k.binary("kelvaro")], name="kelvaro-problems")
    try:
        k.check(k.wait_until(lambda: glob.glob(path + ".corrupt-*"), timeout=10), "the damaged file is moved aside")
        aside = glob.glob(path + ".corrupt-*")
        with open(aside[0], "rb") as f:
            k.check(f.read() == damaged, "the kept file holds the damaged bytes unchanged")
        # The tray icon is small; the notification is a window of its own beside it.
        notification = k.wait_until(lambda: next((wid for wid, w, _ in kelvaro_windows() if w > 100), None), timeout=10)
        k.check(notification, "a notification window appears (%r)" % kelvaro_windows())
        if notification:
            k.settled_screenshot("settings-problem-notification", int(notification, 16))
        log = app.log_text()
        k.check(os.path.basename(aside[0]) in log, "the log names the kept file")
        k.check(app.alive(), "Kelvaro runs with default settings")
    finally:
        app.stop()
    k.finish()


if __name__ == "__main__":
    main()
