"""The settings window in Japanese and German, light and dark: a second start
brings up the window in the chosen language, a screen reader presses each of
the six tabs by its translated title, and every page is saved as a screenshot
(settings-<language>-<page>-<appearance>.png) for a person to look at."""
import os
import subprocess
import xml.etree.ElementTree as ET

import kelvaro_e2e as k

TABS = ["general", "switcher", "controller", "launcher", "passwords", "capturedTabs"]
TITLES = ["General", "Switcher", "Shortcuts", "Launcher", "Passwords", "Tabs"]


def translated(language, english):
    """`english` as the translation file of `language` has it (context Kelvaro)."""
    path = os.path.join(os.environ["KELVARO_SOURCE_DIR"], "translations", "kelvaro_%s.ts" % language)
    for message in ET.parse(path).getroot().iter("message"):
        if message.findtext("source") == english:
            return message.findtext("translation") or english
    return english


def journey(language, appearance):
    k.write_settings_defaults(appearance, keep=False, appLanguage=language)
    app = k.Process([k.binary("kelvaro")], name="kelvaro-%s-%s" % (language, appearance))
    try:
        k.check(k.wait_until(k.tray_icon, timeout=10), "kelvaro runs in the tray (%s, %s)" % (language, appearance))
        subprocess.run([k.binary("kelvaro")], capture_output=True, timeout=20)
        title = translated(language, "Kelvaro Settings")
        window = k.find_window(title, timeout=8)
        k.check(window, "the settings window is titled %r" % title)
        if not window:
            return
        for tab, english in zip(TABS, TITLES):
            name = translated(language, english)
            k.check(k.wait_until(lambda: k.press(app, name), timeout=10),
                    "the %s tab is pressed by its title %r" % (tab, name))
            k.window_shot(window, "settings-%s-%s-%s" % (language, tab, appearance), keep_full=False)
    finally:
        app.stop()


def main():
    for language in ("ja", "de"):
        for appearance in ("light", "dark"):
            journey(language, appearance)


if __name__ == "__main__":
    main()
    k.finish()
