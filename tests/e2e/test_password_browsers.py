"""The password ring against the web browsers people sign in with: Debian's
Firefox ESR and Chromium, started as a user starts them (no accessibility
switches; Chromium gets --no-sandbox only when the test runs as root, which it
refuses otherwise), with only the accessibility bus switched on, as the
wizard does. A login page served on 127.0.0.1 focuses its password field and
writes the field's length and a checksum of its characters into its title;
the title is what the test reads, so the result comes from the page itself.
Choosing the account on the ring must put the whole password into that field.
A second page whose field takes nothing (it cancels every input) must end
with the password on the clipboard and a tray message naming the browser,
never with a silent success."""
import base64
import functools
import http.server
import json
import os
import shutil
import subprocess
import threading
import time
import uuid

import kelvaro_e2e as k

ENTRY = str(uuid.uuid4()).upper()
VARIANT = str(uuid.uuid4()).upper()
SECRET = "correct horse battery staple"
SESSION = os.environ.get("KELVARO_SESSION_DIR", "/tmp")
PAM_DIR = os.path.join(SESSION, "pam.d")
PAGES = os.path.join(SESSION, "www")

LOGIN_PAGE = """<!doctype html>
<html><head><meta charset="utf-8"><title>Login</title></head><body>
<form onsubmit="return false">
<label>User <input id="user" value="me@example.org"></label>
<label>Password <input type="password" id="pw" autofocus></label>
</form>
<script>
const pw = document.getElementById('pw');
pw.addEventListener('input', () => {
  let sum = 0;
  for (const c of pw.value) sum = (sum * 31 + c.codePointAt(0)) % 1000003;
  document.title = 'len:' + [...pw.value].length + ' sum:' + sum;
});
pw.focus();
</script></body></html>
"""

# Cancels every change to the field: typing, pasting, dropping.
REFUSING_PAGE = """<!doctype html>
<html><head><meta charset="utf-8"><title>Refusing</title></head><body>
<label>Password <input type="password" id="pw" autofocus></label>
<script>
const pw = document.getElementById('pw');
for (const kind of ['beforeinput', 'paste', 'drop', 'keypress'])
  pw.addEventListener(kind, e => e.preventDefault());
pw.addEventListener('input', () => { document.title = 'changed:' + pw.value.length; });
pw.focus();
</script></body></html>
"""


def checksum(text):
    total = 0
    for c in text:
        total = (total * 31 + ord(c)) % 1000003
    return total


def write_defaults():
    accounts = [{"id": ENTRY, "label": "Web", "account": "me@example.org", "icon": "key.fill",
                 "variants": [{"id": VARIANT, "label": "Main", "icon": "key.fill", "hint": ""}]}]
    data = base64.b64encode(json.dumps(accounts).encode()).decode()
    values = {"hasCompletedOnboarding": {"type": "bool", "value": True},
              "showLaunchMessage": {"type": "bool", "value": False},
              "telemetryEnabled": {"type": "bool", "value": False},
              "telemetryNoticeShownBuild": {"type": "integer", "value": 1},
              "updateChecksAutomatic": {"type": "bool", "value": False},
              "activationMode": {"type": "string", "value": "holdModifier"},
              "ringPlacement": {"type": "string", "value": "screenCentre"},
              "savedPasswordEntries": {"type": "data", "value": data}}
    path = k.defaults_path()
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        json.dump({"version": 1, "values": values}, f)


def store_secret():
    p = subprocess.run(["secret-tool", "store", "--label=seeded", "service", "com.morvanix.kelvaro.passwords",
                        "account", VARIANT], input=SECRET, text=True, capture_output=True, timeout=10)
    return p.returncode == 0


def permit_presence():
    os.makedirs(PAM_DIR, exist_ok=True)
    with open(os.path.join(PAM_DIR, "kelvaro"), "w") as f:
        f.write("auth required pam_permit.so\naccount required pam_permit.so\n")


def serve_pages():
    """Serves the two pages on 127.0.0.1 from a thread; returns the server."""
    os.makedirs(PAGES, exist_ok=True)
    for name, text in (("login.html", LOGIN_PAGE), ("refusing.html", REFUSING_PAGE)):
        with open(os.path.join(PAGES, name), "w") as f:
            f.write(text)

    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=PAGES))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def shown_texts(app):
    """The names of Kelvaro's accessible elements (a tray message's text among them)."""
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


def pick(name):
    """Holds Ctrl+Shift, presses P and lets go: the ring's only account is chosen."""
    k.move_pointer(640, 512)
    k.key_down("ctrl")
    k.key_down("shift")
    k.key("p")
    time.sleep(0.5)
    k.screenshot(name)
    k.key_up("ctrl")
    k.key_up("shift")


def browser_window(pid, prefix, timeout=30):
    """The window of process `pid` whose title starts with `prefix`."""
    def look():
        for w in k.client_list():
            if k.window_pid(w) == pid and k.window_title(w).startswith(prefix):
                return w
        return 0
    return k.wait_until(look, timeout=timeout, interval=0.2)


def open_page(command, pid, url, prefix):
    """Opens `url` in the running browser (as a second start of it does) and
    brings its window to the front once the page's title shows."""
    subprocess.run(command + [url], capture_output=True, timeout=30)
    wid = browser_window(pid, prefix)
    if wid:
        k.activate(wid)
        time.sleep(1.5)  # the page's field takes the focus once the window has it
    return wid


def deliver_into(app, name, command, base):
    """One browser: the login page gets the password, the refusing page does not
    and the user is told."""
    browser = k.Process(command + [base + "/login.html"], name=name)
    try:
        wid = browser_window(browser.pid, "Login", timeout=45)
        if not k.check(wid, "%s shows the login page" % name):
            return
        k.activate(wid)
        time.sleep(2.0)  # a first start settles (profile, first-run pages) before the page has the focus
        k.activate(wid)
        time.sleep(0.5)
        pick("password-%s-ring" % name)
        expected = "len:%d sum:%d" % (len(SECRET), checksum(SECRET))
        arrived = k.wait_until(lambda: k.window_title(wid).startswith(expected), timeout=8, interval=0.1)
        k.screenshot("password-%s-delivered" % name)
        k.check(arrived, "the password arrives whole in %s's password field: %r" % (name, k.window_title(wid)))
        k.check("%s did not take the password" % app_name(name) not in shown_texts(app),
                "and nobody is told otherwise")

        refusing = open_page(command, browser.pid, base + "/refusing.html", "Refusing")
        if not k.check(refusing, "%s shows the refusing page" % name):
            return
        pick("password-%s-refusing-ring" % name)
        told = k.wait_until(lambda: ("%s did not take the password" % app_name(name)) in shown_texts(app),
                            timeout=8, interval=0.3)
        k.screenshot("password-%s-refused" % name)
        k.check(told, "a field that takes nothing gets a tray message naming %s" % app_name(name))
        k.check(k.window_title(refusing).startswith("Refusing"), "and the refusing page took nothing")
        clip = k.run("xclip", "-o", "-selection", "clipboard").stdout
        k.check(clip == SECRET, "the password waits on the clipboard for the user to paste")
        k.check("did not arrive in the field of %s" % app_name(name) in app.log_text(), "and the log says so")
    finally:
        browser.stop(timeout=10)


def app_name(name):
    return {"firefox": "Firefox", "chromium": "Chromium"}[name]


def main():
    permit_presence()
    write_defaults()
    k.check(store_secret(), "secret-tool stores the secret in the session keyring")
    server = serve_pages()
    base = "http://127.0.0.1:%d" % server.server_address[1]
    app = k.Process([k.binary("kelvaro-test")], env={"KELVARO_TEST_PAM_CONFDIR": PAM_DIR})
    try:
        time.sleep(1.5)
        firefox = shutil.which("firefox-esr")
        if k.check(firefox, "Firefox ESR is installed"):
            deliver_into(app, "firefox", [firefox], base)
        chromium = shutil.which("chromium")
        if k.check(chromium, "Chromium is installed"):
            # Chromium refuses to run as root inside its sandbox; a user never is root.
            deliver_into(app, "chromium", [chromium] + (["--no-sandbox"] if os.getuid() == 0 else []), base)
        k.check(SECRET not in app.log_text(), "no secret in the log")
    finally:
        k.key_up("ctrl")
        k.key_up("shift")
        app.stop()
        server.shutdown()
    k.finish()


if __name__ == "__main__":
    main()
