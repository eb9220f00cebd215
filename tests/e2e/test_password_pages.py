"""The vault managed from the settings window, as a user does it: the second
start brings up the settings window, the Passwords tab shows the empty vault;
"Add Account" opens the account dialog, where "Mail" is typed; "Add Password"
opens the password dialog, where two cards are filled by typing (the second
after "Add Another Password"). Both secrets land in the session keyring,
findable with secret-tool, and the account in the defaults. The password ring
then shows "Mail" with two cards on its arc, and choosing the second types its
secret into a focused zenity entry. Deleting the account asks once and leaves
no keyring item behind. Buttons are pressed through their accessibility
actions, text is typed with XTest; the page and both dialogs are kept as
screenshots in light and dark appearance."""
import base64
import json
import re
import subprocess

import kelvaro_e2e as k
import test_password_vault as vault

TITLE = "Kelvaro Settings"
SECRET_1 = "first-Secret 1"
SECRET_2 = "zweites-Passwort!2"  # XTest typing of non-ASCII keys is unreliable
SERVICE = "com.morvanix.kelvaro.passwords"


def stored_accounts():
    try:
        with open(k.defaults_path()) as f:
            raw = json.load(f)["values"].get("savedPasswordEntries")
    except (OSError, ValueError, KeyError):
        return None
    if not raw:
        return []
    return json.loads(base64.b64decode(raw["value"]))


def keyring_items():
    """The keyring items of saved passwords: {account attribute: secret}."""
    p = subprocess.run(["secret-tool", "search", "--all", "--unlock", "service", SERVICE],
                       stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, timeout=10)
    items = {}
    block = {}
    for line in p.stdout.splitlines() + ["["]:
        if line.startswith("["):
            if "account" in block:
                items[block["account"]] = block.get("secret")
            block = {}
            continue
        m = re.match(r"(attribute\.account|secret) = (.*)", line)
        if m:
            block["account" if m.group(1) != "secret" else "secret"] = m.group(2)
    return items


def window_titled(title, timeout=5):
    return k.find_window(title, timeout=timeout)


def open_settings(app):
    window = k.second_start(TITLE)
    k.check(k.wait_until(lambda: k.press(app, "Passwords"), timeout=10), "the Passwords tab is pressed")
    k.check(k.wait_until(lambda: k.accessible_elements(app.pid, "Add Account"), timeout=5),
            "the Passwords page is shown")
    return window


def closed(title):
    return k.wait_until(lambda: not k.find_window(title, timeout=0), timeout=5)


def journey(app):
    window = open_settings(app)
    if not window:
        return
    k.window_shot(window, "passwords-page-empty-light")

    # The account.
    k.check(k.press(app, "Add Account"), "Add Account is pressed")
    dialog = window_titled("Add Account")
    k.check(dialog, "the account dialog opens")
    k.wait_typing_into(dialog, app.pid)
    k.type_text("Mail")
    k.window_shot(dialog, "account-editor-light")
    k.key("Return")
    k.check(k.wait_until(lambda: not k.find_window("Add Account", timeout=0.1), timeout=5), "Return saves and closes")
    accounts = k.wait_until(lambda: stored_accounts(), timeout=5)
    k.check(accounts and accounts[0]["label"] == "Mail", "the account is in the defaults: %r" % accounts)

    # Its two passwords.
    k.check(k.press(app, "Add Password"), "Add Password is pressed")
    dialog = window_titled("Add Password")
    k.check(dialog, "the password dialog opens")
    k.wait_typing_into(dialog, app.pid)
    k.type_text("Main")
    k.key("Tab")
    k.key("Tab")
    k.type_text(SECRET_1)
    k.check(k.press(app, "Add Another Password"), "Add Another Password is pressed")
    # (A password field reads as empty over the accessibility bus: the new
    # card's name field is the focused one that is no password field.)
    k.check(k.wait_until(lambda: (field := k.focused_field(app.pid)) is not None and not field.get("text")
                         and field.get("role") != "password text", timeout=5, interval=0.1),
            "the new card's empty name field has the focus")
    k.type_text("App")
    k.key("Tab")
    k.key("Tab")
    k.type_text(SECRET_2)
    dialog = window_titled("Add Passwords") or dialog
    k.window_shot(dialog, "password-editor-light")
    k.key("Return")
    k.check(k.wait_until(lambda: len(keyring_items()) == 2, timeout=8),
            "two keyring items are findable with secret-tool: %r" % list(keyring_items()))
    k.check(sorted(keyring_items().values()) == sorted([SECRET_1, SECRET_2]), "they hold the typed secrets")
    accounts = stored_accounts() or [{}]
    labels = [v["label"] for v in accounts[0].get("variants", [])]
    k.check(labels == ["Main", "App"], "the account's passwords in order: %r" % labels)
    k.window_shot(window, "passwords-page-light")
    # A row moved: the two rows' contents dissolve into each other.
    k.check(k.motion_shot(window, "passwords-row-move-mid-animation", lambda: k.press(app, "Move down")),
            "a frame from the middle of a row's move is kept")
    labels = [v["label"] for v in (stored_accounts() or [{}])[0].get("variants", [])]
    k.check(labels == ["App", "Main"], "Move down moved the first password down: %r" % labels)
    k.press(app, "Move down")
    k.check(k.wait_until(lambda: [v["label"] for v in (stored_accounts() or [{}])[0].get("variants", [])]
                         == ["Main", "App"], timeout=5), "moved back, the passwords are in their first order")
    k.wait_settled(window)

    # The ring: "Mail" with two cards; the second goes into zenity's field.
    z = vault.Zenity("--entry", "--text", "App password", title="Sign in")
    try:
        k.activate(z.wid)
        z.wait_focused()
        vault.pick("password-pages-ring", point_at=(598, 752))
        k.wait_until(lambda: z.field_text() == SECRET_2, timeout=8, interval=0.2)
        z.submit()
        got = z.output()
        k.check(got == SECRET_2, "choosing the second card types its secret: %r" % got)
    finally:
        z.stop()

    # Deleting the account asks once and leaves nothing in the keyring.
    k.activate(window)
    k.wait_until(lambda: k.active_window() == window)
    k.check(k.press(app, "Delete this account"), "Delete this account is pressed")
    k.check(k.wait_until(lambda: k.accessible_elements(app.pid, "Delete"), timeout=5), "the question is asked")
    k.check(keyring_items() and stored_accounts(), "nothing is deleted before the answer")
    k.check(k.press(app, "Delete"), "the question's Delete is pressed")
    k.check(k.wait_until(lambda: not keyring_items(), timeout=5), "no keyring item is left: %r" % keyring_items())
    k.check(stored_accounts() == [], "the account is gone from the defaults")


def dark_shots(app):
    window = open_settings(app)
    if not window:
        return
    k.press(app, "Add Account")
    dialog = window_titled("Add Account")
    if dialog:
        k.wait_typing_into(dialog, app.pid)
        k.type_text("Mail")
        k.key("Return")
        closed("Add Account")
    k.window_shot(window, "passwords-page-dark")
    k.check(k.press(app, "Mail"), "the account pop-up opens")
    k.window_shot(window, "passwords-account-picker-dark")
    before = k.capture(k.window_geometry(window))
    k.key("Escape")
    k.wait_settled(k.window_geometry(window), since=before)  # the pop-up has gone
    k.press(app, "Add Password")
    dialog = window_titled("Add Password")
    if dialog:
        k.press(app, "Add Another Password")
        k.window_shot(dialog, "password-editor-dark")
        k.key("Escape")
        closed("Add Password")
    k.press(app, "Edit this account")
    dialog = window_titled("Edit Account")
    k.check(dialog, "the account dialog opens for editing")
    if dialog:
        k.window_shot(dialog, "account-editor-dark")
        k.key("Escape")


def main():
    vault.pam_service("pam_permit.so")
    k.write_settings_defaults("light")
    env = {"KELVARO_TEST_PAM_CONFDIR": vault.PAM_DIR}
    app = k.start_kelvaro("kelvaro-test", env=env)
    try:
        k.check(k.wait_until(k.tray_icon, timeout=10), "kelvaro is running in the tray")
        journey(app)
    finally:
        app.stop()
    k.write_settings_defaults("dark")
    app = k.Process([k.binary("kelvaro-test")], env=env)
    try:
        k.check(k.wait_until(k.tray_icon, timeout=10), "kelvaro is running again, dark")
        dark_shots(app)
    finally:
        app.stop()
    k.finish()


if __name__ == "__main__":
    main()
