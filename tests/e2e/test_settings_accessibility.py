"""The settings window as a screen reader meets it: on every page each control
that takes the keyboard focus has a name and a real role with the action that
role promises (a button is pressed, a toggle toggled, a field takes text, a
slider a value). The hold-key caps are toggle buttons that report whether
they are held and toggle through the reader's action, the segmented choices
are radio buttons, and a password filled through the accessibility interface
(as dictation or a braille display does it) wakes "Add Password" as typing
does and is stored."""
import base64
import json
import os
import time

import kelvaro_e2e as k

TITLE = "Kelvaro Settings"
TABS = ["General", "Switcher", "Shortcuts", "Launcher", "Passwords", "Tabs"]
WALK = k.binary("kelvaro-a11y-walk")

ACTIVATES = {"push button", "toggle button", "radio button", "check box", "page tab", "menu item",
             "combo box", "link", "push button menu"}
TAKES_TEXT = {"text", "entry", "password text"}
TAKES_VALUE = {"slider", "spin button", "scroll bar"}
TOGGLES = {"toggle button", "check box"}
CHOOSES = {"list", "list box", "table", "tree", "tree table"}


def controls(app):
    p = k.run(WALK, str(app.pid), timeout=30)
    out = []
    for line in p.stdout.splitlines():
        try:
            item = json.loads(line)
        except ValueError:
            continue
        if item.get("kind") == "control":
            out.append(item)
    return out


def fault(control):
    """What a screen reader user misses at `control`, or None."""
    role, actions = control["role"], [a.lower() for a in control["actions"]]
    if not control["name"].strip():
        return "no name"
    if "enabled" not in control["states"] or role == "label":
        return None  # nothing to do there but to hear it
    if role in ACTIVATES:
        return None if {"press", "toggle", "click", "showmenu"} & set(actions) else "no press or toggle action"
    if role in TAKES_TEXT:
        return None if "EditableText" in control["interfaces"] or "read-only" in control["states"] \
            else "takes no text"
    if role in TAKES_VALUE:
        return None if "Value" in control["interfaces"] else "takes no value"
    if role in CHOOSES:
        return None if "Selection" in control["interfaces"] else "nothing to choose"
    if role in ("list item", "table cell", "tree item"):
        return None if actions or "selectable" in control["states"] else "cannot be chosen"
    return "role %r is no control" % role


def stored_accounts():
    try:
        with open(k.defaults_path()) as f:
            raw = json.load(f)["values"].get("savedPasswordEntries")
    except (OSError, ValueError, KeyError):
        return []
    return json.loads(base64.b64decode(raw["value"])) if raw else []


def find(items, name, role=None):
    return next((c for c in items if c["name"] == name and (role is None or c["role"] == role)), None)


def walk_pages(app):
    for tab in TABS:
        k.check(k.wait_until(lambda: k.press(app, tab), timeout=10), "the %s tab is pressed" % tab)
        time.sleep(0.6)
        found = controls(app)
        k.check(len(found) > len(TABS), "the %s page shows %d focusable controls" % (tab, len(found)))
        faults = ["%s %r (%s): %s" % (c["role"], c["name"], c["path"], fault(c)) for c in found if fault(c)]
        k.check(not faults, "every control of the %s page is usable by a screen reader: %s" % (tab, faults))
        if tab == "General":
            segments = [c for c in found if c["name"].endswith((": System", ": Light", ": Dark"))]
            k.check(len(segments) == 3 and all(c["role"] == "radio button" for c in segments),
                    "the appearance choices are radio buttons: %r" % [(c["name"], c["role"]) for c in segments])
            chosen = [c["name"] for c in segments if "checked" in c["states"]]
            k.check(chosen == ["Appearance: Light"], "the stored appearance is the checked one: %r" % chosen)
        if tab == "Switcher":
            # Qt's bridge announces a toggle as a check box.
            caps = [c for c in found if c["role"] in TOGGLES and c["path"].endswith("Hold to keep the wheel open")]
            k.check(caps, "the hold keys are toggles: %r" % [(c["name"], c["role"]) for c in found])
            if caps:
                cap = caps[0]
                was = "checked" in cap["states"]
                k.check(k.press(app, cap["name"]), "the %s cap is toggled by its action" % cap["name"])
                now = k.wait_until(lambda: (lambda c: c and ("checked" in c["states"]) != was and c)(
                    find(controls(app), cap["name"], cap["role"])), timeout=5)
                k.check(now, "the %s cap reports its new state" % cap["name"])
                k.press(app, cap["name"])  # as it was


def fill_password(app):
    k.check(k.wait_until(lambda: k.press(app, "Passwords"), timeout=10), "the Passwords tab is pressed")
    time.sleep(0.5)
    k.check(k.press(app, "Add Account"), "Add Account is pressed")
    dialog = k.find_window("Add Account", timeout=5)
    k.check(dialog, "the account dialog opens")
    time.sleep(0.5)
    k.check(k.run(WALK, str(app.pid), "--set-text", "Name", "Mail", timeout=20).returncode == 0,
            "the account's name is filled through the accessibility interface")
    k.key("Return")
    k.check(k.wait_until(lambda: not k.find_window("Add Account", timeout=0.1), timeout=5),
            "the filled account is added")
    k.check(k.wait_until(stored_accounts, timeout=5), "the account is stored")
    time.sleep(0.5)
    k.check(k.press(app, "Add Password"), "Add Password is pressed")
    k.check(k.find_window("Add Password", timeout=5), "the password dialog opens")
    time.sleep(0.5)
    save = lambda: next((c for c in controls(app) if c["name"] == "Add Password" and c["role"] == "push button"
                         and "Add Password" in c["path"]), None)
    before = save()
    k.check(before and "enabled" not in before["states"], "Add Password waits for a password: %r" % before)
    k.check(k.run(WALK, str(app.pid), "--set-text", "Password", "spoken-Secret 7", timeout=20).returncode == 0,
            "the password is filled through the accessibility interface")
    after = k.wait_until(lambda: (lambda c: c if c and "enabled" in c["states"] else None)(save()), timeout=5)
    k.check(after, "Add Password is enabled by the filled password: %r" % save())
    k.key("Return")
    accounts = k.wait_until(lambda: (lambda a: a if a and a[0].get("variants") else None)(stored_accounts()),
                            timeout=8)
    k.check(accounts and len(accounts[0]["variants"]) == 1, "the password is stored: %r" % accounts)


def main():
    k.write_settings_defaults("light")
    app = k.Process([k.binary("kelvaro")], name="kelvaro-a11y")
    try:
        k.check(k.wait_until(k.tray_icon, timeout=10), "kelvaro runs in the tray")
        window = k.second_start(TITLE)
        if window:
            walk_pages(app)
            fill_password(app)
    finally:
        app.stop()
    k.finish()


if __name__ == "__main__":
    main()
