"""Quit from the tray menu ends the process promptly, and a setting changed
just before it is on disk when the process has gone. The time from choosing
Quit to the process's exit is printed (the quit bench holds the figure)."""
import time

import kelvaro_e2e as k


def choose_from_tray_menu(steps_from_bottom):
    """Opens the tray menu and picks an item by walking up from the bottom (1 =
    Quit); returns the monotonic time at which the item was chosen."""
    icon = k.wait_until(k.tray_icon, timeout=5)
    k.check(icon is not None, "kelvaro has a tray icon")
    _, x, y, w, h = icon
    k.move_pointer(x + w // 2, y + h // 2)
    shown = lambda: set(k.run("xdotool", "search", "--onlyvisible", "--class", "kelvaro").stdout.split())
    before = shown()
    k.run("xdotool", "click", "3")
    menu = k.wait_until(lambda: shown() - before, timeout=5)
    k.check(bool(menu), "the tray menu opens")
    if menu:
        k.wait_settled(k.window_geometry(int(sorted(menu)[0])))
    chosen = time.monotonic()
    k.run("xdotool", "key", *(["Up"] * steps_from_bottom), "Return")
    return chosen


def main():
    k.write_settings_defaults(keep=False)
    app = k.start_kelvaro()
    try:
        k.check(k.wait_until(k.tray_icon, timeout=10), "kelvaro is running in the tray")
        # "Show Message at Launch" (off for this user), then Quit at once.
        choose_from_tray_menu(5)
        time.sleep(0.3)  # the menu has closed
        chosen = choose_from_tray_menu(1)
        exited = k.wait_until(lambda: not app.alive(), timeout=10, interval=0.005)
        took = time.monotonic() - chosen
        k.check(exited, "the process exits after Quit")
        print("quit took %.0f ms" % (took * 1000))
        k.check(app.proc.returncode == 0, "it exits with status 0 (%r)" % app.proc.returncode)
        k.check(k.stored_setting("showLaunchMessage") is True,
                "the change made just before Quit is in defaults.json: %r" % k.stored_setting("showLaunchMessage"))
    finally:
        app.stop()
    k.finish()


if __name__ == "__main__":
    main()
