"""The password ring as a user meets it, against a GTK dialog nobody here wrote
(zenity --entry). An account with two passwords is seeded in the defaults,
its secrets stored in the session's keyring with secret-tool, and PAM points
at a private service file (pam_permit, later pam_deny). Holding Ctrl+Shift+P
and releasing types the account's first password into the dialog's field
(zenity prints it on Return); pointing at the second card on the outer arc
delivers the second one, and so does a click on it. After a screen lock the shared check is gone, and
with pam_deny nothing is delivered and the refusal is logged. A service that
asks gets its question in Kelvaro's dialog: a wrong answer is refused there,
in PAM's words and Kelvaro's, and asked again; the right one delivers. When
the window closes while the dialog asks, the password goes to the clipboard
and a tray message says so. With no text field focused the password goes to
the clipboard marked as a secret and is gone again when the (shortened)
clearing time has passed. No secret appears
in the log or in the defaults file."""
import base64
import json
import os
import pwd
import select
import subprocess
import time
import uuid

import kelvaro_e2e as k

ENTRY = str(uuid.uuid4()).upper()
FIRST = str(uuid.uuid4()).upper()
SECOND = str(uuid.uuid4()).upper()
SECRET_1 = "correct horse battery staple"
SECRET_2 = "s3cond-Pässword!"
SESSION = os.environ.get("KELVARO_SESSION_DIR", "/tmp")
PAM_DIR = os.path.join(SESSION, "pam.d")


def write_defaults():
    accounts = [{"id": ENTRY, "label": "Mail", "account": "me@example.org", "icon": "key.fill",
                 "variants": [{"id": FIRST, "label": "Main", "icon": "key.fill", "hint": ""},
                              {"id": SECOND, "label": "App", "icon": "key.fill", "hint": ""}]}]
    k.write_settings_defaults(keep=False, savedPasswordEntries=accounts)


def lock_screen(app):
    """Sends the session's screen lock and waits until kelvaro has seen it."""
    seen = app.log_text().count("the screen locked")
    k.run("dbus-send", "--session", "--type=signal", "/org/freedesktop/ScreenSaver",
          "org.freedesktop.ScreenSaver.ActiveChanged", "boolean:true")
    return k.wait_until(lambda: app.log_text().count("the screen locked") > seen, timeout=5)


def store_secret(account, secret):
    p = subprocess.run(["secret-tool", "store", "--label=seeded", "service", "com.morvanix.kelvaro.passwords",
                        "account", account], input=secret, text=True, capture_output=True, timeout=10)
    return p.returncode == 0


def pam_service(module):
    os.makedirs(PAM_DIR, exist_ok=True)
    with open(os.path.join(PAM_DIR, "kelvaro"), "w") as f:
        f.write("auth required %s\naccount required pam_permit.so\n" % module)


def pam_password_file(password, refusal=None):
    """A pam_pwdfile service asking for `password` (for the user running the test).
    With `refusal`, a wrong answer makes PAM itself say that text (pam_echo)."""
    user = pwd.getpwuid(os.getuid()).pw_name
    hashed = k.run("openssl", "passwd", "-1", password).stdout.strip()
    path = os.path.join(SESSION, "kelvaro.passwd")
    with open(path, "w") as f:
        f.write("%s:%s\n" % (user, hashed))
    if not refusal:
        pam_service("pam_pwdfile.so pwdfile=%s nodelay" % path)
        return
    with open(os.path.join(PAM_DIR, "kelvaro"), "w") as f:
        f.write("auth [success=done default=ignore] pam_pwdfile.so pwdfile=%s nodelay\n"
                "auth optional pam_echo.so %s\nauth required pam_deny.so\n"
                "account required pam_permit.so\n" % (path, refusal))


def shown_texts(app):
    """The names of Kelvaro's accessible elements (a label's name is its text)."""
    out = k.run(k.binary("kelvaro-a11y-probe"), str(app.pid), timeout=20).stdout
    texts = []
    for line in out.splitlines():
        try:
            element = json.loads(line)
        except ValueError:
            continue
        if element.get("kind") == "element":
            texts.append(element.get("name") or "")
    return "\n".join(texts)


def presence_dialogs():
    return [w for w in k.client_list() if k.window_title(w).startswith("Unlock Saved Passwords")]


def find_no_dialog():
    return not presence_dialogs()


def dialog_window():
    found = k.wait_until(presence_dialogs, timeout=5)
    return found[0] if found else 0


class Zenity:
    """A zenity dialog whose standard output is kept apart."""

    def __init__(self, *args, title):
        self.title = title
        self.proc = subprocess.Popen(["zenity", *args, "--title", title], stdout=subprocess.PIPE,
                                     stderr=subprocess.DEVNULL, text=True)
        self.wid = k.find_window(title, timeout=10)

    def wait_focused(self, timeout=8):
        """Until the accessibility bus reports a focused element in the dialog (a
        GTK program answers slowly while it is still starting up)."""
        def focused():
            out = k.run(k.binary("kelvaro-a11y-probe"), str(self.proc.pid), timeout=10).stdout
            for line in out.splitlines():
                try:
                    element = json.loads(line)
                except ValueError:
                    continue
                if element.get("kind") == "element" and "focused" in (element.get("states") or []):
                    return True
            return False
        return k.wait_until(lambda: k.active_window() == self.wid and focused(), timeout=timeout, interval=0.2)

    def field_text(self):
        """What its text field shows, as the accessibility bus reads it (None without a field)."""
        for element in k.accessible_elements(self.proc.pid):
            if "editable" in (element.get("states") or []):
                return element.get("text") or ""
        return None

    def submit(self):
        """Return in the dialog, once the ring has gone and typing there is a
        person's again (no key held, no grab of the keyboard)."""
        k.wait_until(lambda: not k.viewable_window("Kelvaro Ring") and k.keyboard_free(), timeout=5, interval=0.1)
        k.activate(self.wid)
        k.key("Return")

    def output(self, timeout=5):
        """What the dialog answered (the text of its field, printed as Return
        closes it), or None when no answer came within `timeout` seconds."""
        if not select.select([self.proc.stdout], [], [], timeout)[0]:
            return None
        return self.proc.stdout.readline().rstrip("\n")

    def stop(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            self.proc.wait(5)


def pick(name, point_at=None, click=False):
    """Holds Ctrl+Shift, presses P, optionally moves the pointer (and clicks
    there while the keys are still held), releases."""
    k.move_pointer(640, 512)
    k.key_down("ctrl")
    k.key_down("shift")
    k.key("p")
    ring = k.wait_until(lambda: k.viewable_window("Kelvaro Ring"), timeout=3)
    k.settled_screenshot(name, ring or None)
    if point_at:
        before = k.capture()
        k.move_pointer(point_at[0] + 20, point_at[1])
        # The pause is part of the gesture: the pointer is seen coming onto the card.
        time.sleep(0.05)
        k.move_pointer(*point_at)
        k.settled_screenshot("password-ring-arc", since=before)  # the card is highlighted
        if click:
            k.run("xdotool", "click", "1")
            # The click chooses: the ring fades out before the keys are let go.
            k.wait_until(lambda: not k.viewable_window("Kelvaro Ring"), timeout=3, interval=0.05)
    k.key_up("ctrl")
    k.key_up("shift")


def editor_content(log):
    try:
        with open(log) as f:
            lines = [l[len("content="):].rstrip("\n") for l in f if l.startswith("content=")]
    except FileNotFoundError:
        return ""
    return lines[-1] if lines else ""


def clipboard(target=None):
    args = ["xclip", "-o", "-selection", "clipboard"] + (["-t", target] if target else [])
    return k.run(*args).stdout


def main():
    pam_service("pam_permit.so")
    write_defaults()
    k.check(store_secret(FIRST, SECRET_1) and store_secret(SECOND, SECRET_2),
            "secret-tool stores both secrets in the session keyring")
    env = {"KELVARO_TEST_PAM_CONFDIR": PAM_DIR, "KELVARO_TEST_CLIPBOARD_SECONDS": "3"}
    app = k.start_kelvaro("kelvaro-test", env=env)
    dialogs = []
    try:
        # 1. The first password into the focused field.
        z = Zenity("--entry", "--text", "Password for Mail", title="Sign in")
        dialogs.append(z)
        k.check(z.wid != 0, "zenity's entry dialog is up")
        k.activate(z.wid)
        z.wait_focused()
        pick("password-ring-open")
        k.wait_until(lambda: z.field_text() == SECRET_1, timeout=8, interval=0.2)
        k.screenshot("password-delivered")
        z.submit()
        k.check(z.output() == SECRET_1, "the first password lands in zenity's field")

        # 1a. Return typed at once, while the ring still fades out, waits for the
        # password: the dialog answers with it, not with an empty field.
        z = Zenity("--entry", "--text", "Quick submit", title="Sign in quickly")
        dialogs.append(z)
        k.activate(z.wid)
        z.wait_focused()
        pick("password-ring-quick-return")
        time.sleep(0.1)  # part of the gesture: a person's Return comes a moment after letting go
        k.key("Return")
        fading = k.viewable_window("Kelvaro Ring")
        got = z.output(timeout=8)
        k.check(got == SECRET_1, "Return typed during the fade-out (ring still shown: %s) submits the password: %r"
                % (bool(fading), got))

        # 1b. A Qt line edit takes it the same way.
        log = os.path.join(SESSION, "vault-editor.log")
        editor = k.Process([k.binary("kelvaro-test-client"), "--app-id", "org.example.Editor", "--title", "Editor",
                            "--text-log", log], name="editor", wait_ready=True)
        try:
            ewid = k.find_window("Editor")
            k.activate(ewid)
            k.check(k.wait_typing_into(ewid, editor.pid), "the Qt line edit has the focus")
            pick("password-ring-over-qt")
            k.check(k.wait_until(lambda: editor_content(log) == SECRET_1, timeout=5),
                    "a Qt line edit gets the password too: %r" % editor_content(log))
        finally:
            editor.stop()

        # 2. The second card on the outer arc (below the ring's one wedge, left half).
        z = Zenity("--entry", "--text", "App password", title="Sign in again")
        dialogs.append(z)
        k.activate(z.wid)
        z.wait_focused()
        pick("password-ring-arc-open", point_at=(598, 752))
        shown = k.wait_until(lambda: z.field_text() == SECRET_2, timeout=8, interval=0.2)
        z.submit()
        got = z.output()
        k.check(got == SECRET_2, "the second card delivers the second password: %r (shown %r)" % (got, shown))

        # 2b. A click on the second card chooses it, as letting go would.
        z = Zenity("--entry", "--text", "App password by click", title="Sign in by click")
        dialogs.append(z)
        k.activate(z.wid)
        z.wait_focused()
        pick("password-ring-arc-click", point_at=(598, 752), click=True)
        shown = k.wait_until(lambda: z.field_text() == SECRET_2, timeout=8, interval=0.2)
        z.submit()
        got = z.output()
        k.check(got == SECRET_2, "a click on the second card delivers the second password: %r (shown %r)"
                % (got, shown))

        # 3. The screen locks: the shared check is over; PAM now refuses.
        k.check(lock_screen(app), "the screen lock is seen")
        pam_service("pam_deny.so")
        z = Zenity("--entry", "--text", "Refused", title="Sign in refused")
        dialogs.append(z)
        k.activate(z.wid)
        z.wait_focused()
        pick("password-ring-refused")
        k.check(k.wait_until(lambda: "Kelvaro: no password was released" in app.log_text(), timeout=5),
                "a refused check releases nothing (and beeps)")
        # Nothing may arrive after the refusal either: watched for a while.
        k.holds(lambda: not z.field_text(), 0.5)
        z.submit()
        k.check(z.output() == "", "nothing reached the field")

        # 4. A service that asks: the question comes in Kelvaro's own dialog, which takes
        # the focus and says which password it wants. A wrong answer is refused with
        # PAM's own words and Kelvaro's, and asked again in the same dialog; the right
        # one unlocks, and the password still goes into the field that was focused at
        # the choice.
        k.check(lock_screen(app), "the second lock is seen")
        refusal = "Sorry, that is not the password of this account"
        pam_password_file("open sesame", refusal=refusal)
        z = Zenity("--entry", "--text", "Asked first", title="Sign in after asking")
        dialogs.append(z)
        k.activate(z.wid)
        z.wait_focused()
        pick("password-ring-before-dialog")
        dialog = dialog_window()
        k.check(dialog != 0, "the presence dialog asks")
        if dialog:
            k.check(k.wait_until(lambda: k.active_window() == dialog, timeout=3), "the dialog takes the focus")
            k.settled_screenshot("password-presence-dialog", dialog)
            k.check("Enter your login password to use saved passwords." in shown_texts(app),
                    "the dialog says which password it wants")
            k.type_text("open sesam")
            k.key("Return")
            told = k.wait_until(lambda: refusal in shown_texts(app) and "not accepted" in shown_texts(app),
                                timeout=8)
            k.check(told, "a wrong answer is refused in the dialog with PAM's words and ours")
            k.check(presence_dialogs() == [dialog], "the same dialog stays to ask again")
            k.screenshot("password-presence-dialog-refused")
            k.check(k.wait_until(lambda: k.active_window() == dialog, timeout=3), "and keeps the focus")
            k.type_text("open sesame")
            k.key("Return")
            k.check(k.wait_until(lambda: find_no_dialog(), timeout=5), "the dialog goes away")
        k.wait_until(lambda: z.field_text() == SECRET_1, timeout=8, interval=0.2)
        z.submit()
        got = z.output()
        k.check(got == SECRET_1, "the answer unlocks and the field of the choice gets the password: %r" % got)

        # 4b. The window closes while the dialog asks: the password waits on the clipboard,
        # and a tray message says where it went.
        k.check(lock_screen(app), "the third lock is seen")
        z = Zenity("--entry", "--text", "Closed meanwhile", title="Sign in then close")
        dialogs.append(z)
        k.activate(z.wid)
        z.wait_focused()
        pick("password-ring-window-closing")
        dialog = dialog_window()
        k.check(dialog != 0, "after the lock the dialog asks again")
        if dialog:
            z.stop()
            k.check(k.wait_until(lambda: k.active_window() == dialog, timeout=3), "the dialog has the focus")
            k.type_text("open sesame")
            k.key("Return")
            k.check(k.wait_until(lambda: clipboard() == SECRET_1, timeout=5),
                    "the password of a closed window goes to the clipboard")
            told = k.wait_until(lambda: "The window you chose was closed" in shown_texts(app), timeout=5)
            k.check(told, "a tray message says the password is on the clipboard")
            k.screenshot("password-window-closed-notice")
            k.check(k.wait_until(lambda: clipboard() == "", timeout=6), "until the wait is over")

        # 5. No text field focused: the clipboard, marked as a secret, cleared later.
        pam_service("pam_permit.so")
        z = Zenity("--info", "--text", "No field here", title="Notice")
        dialogs.append(z)
        k.activate(z.wid)
        z.wait_focused()
        pick("password-ring-no-field")
        got = k.wait_until(lambda: clipboard() == SECRET_1 and "ok", timeout=5)
        k.check(got == "ok", "without a text field the password is on the clipboard")
        targets = clipboard("TARGETS")
        k.check("x-kde-passwordManagerHint" in targets and "org.nspasteboard.ConcealedType" in targets,
                "it carries the secret hints: %r" % targets.split())
        k.check(clipboard("x-kde-passwordManagerHint") == "secret", "the hint says secret")
        k.check(k.wait_until(lambda: clipboard() == "", timeout=6), "and the clipboard is empty after the wait")

        log = app.log_text()
        with open(k.defaults_path()) as f:
            stored = f.read()
        for secret in (SECRET_1, SECRET_2):
            k.check(secret not in log, "no secret in the log")
            k.check(secret not in stored and base64.b64encode(secret.encode()).decode() not in stored,
                    "no secret in the defaults file")
    finally:
        k.key_up("ctrl")
        k.key_up("shift")
        for z in dialogs:
            z.stop()
        app.stop()
    k.finish()


if __name__ == "__main__":
    main()
