"""The program users run takes no test values from its environment. Whoever can
set Kelvaro's environment (its autostart entry, a restart by another program)
sets the variables the test build reads: a folder whose PAM service "kelvaro"
is pam_permit, and a short clipboard wait. build/kelvaro started that way,
with one saved password and a focused line edit, still asks the system's own
presence question when the password is chosen in the ring, and nothing
reaches the field while it is asked nor after it is cancelled. The binary
holds none of the variables' names at all.

Its memory stays out of core dumps: with core files allowed, a segmentation
fault right after the start, and another while the Add Password dialog holds a
typed secret, end the process without a core and leave no core file behind."""
import os
import resource
import signal
import tempfile

import kelvaro_e2e as k
import test_password_vault as vault


TYPED_SECRET = "typed-Not-Saved-7"


def crash_leaves_no_core(app, folder, when):
    os.kill(app.pid, signal.SIGSEGV)
    _, status = os.waitpid(app.pid, 0)
    app.proc.returncode = -signal.SIGSEGV  # reaped here, not by Popen
    cores = [name for name in os.listdir(folder) if name.startswith("core")]
    for name in cores:
        os.remove(os.path.join(folder, name))
    k.check(os.WIFSIGNALED(status) and not os.WCOREDUMP(status) and not cores,
            "a crash %s dumps no core (core dumped: %s, files: %r)" % (when, os.WCOREDUMP(status), cores))


def no_core_dumps():
    resource.setrlimit(resource.RLIMIT_CORE, (resource.RLIM_INFINITY, resource.RLIM_INFINITY))
    folder = tempfile.mkdtemp(prefix="kelvaro-cores-")
    app = k.start_kelvaro(cwd=folder)
    try:
        k.check(k.wait_until(k.tray_icon, timeout=10), "kelvaro is running in the tray")
        crash_leaves_no_core(app, folder, "right after the start")
    finally:
        app.stop()
    app = k.start_kelvaro(cwd=folder)
    try:
        k.check(k.wait_until(k.tray_icon, timeout=10), "kelvaro is running in the tray again")
        k.second_start("Kelvaro Settings")
        k.check(k.wait_until(lambda: k.press(app, "Passwords"), timeout=10), "the Passwords tab is pressed")
        k.check(k.wait_until(lambda: k.press(app, "Add Password"), timeout=5), "Add Password is pressed")
        dialog = k.find_window("Add Password")
        k.check(dialog, "the password dialog opens")
        if dialog:
            k.wait_typing_into(dialog, app.pid)
            k.key("Tab")
            k.key("Tab")
            k.type_text(TYPED_SECRET)
            k.check(k.wait_until(lambda: k.accessible_elements(app.pid, "Add 1 Password")
                                 or k.accessible_elements(app.pid, "Add Password"), timeout=3), "the secret is typed")
        crash_leaves_no_core(app, folder, "while a typed password is in the dialog")
    finally:
        app.stop()
        resource.setrlimit(resource.RLIMIT_CORE, (0, 0))


def main():
    with open(k.binary("kelvaro"), "rb") as f:
        k.check(b"KELVARO_TEST" not in f.read(), "build/kelvaro contains no KELVARO_TEST variable name")

    vault.pam_service("pam_permit.so")
    vault.write_defaults()
    k.check(vault.store_secret(vault.FIRST, vault.SECRET_1), "secret-tool stores the password")
    env = {"KELVARO_TEST": "1", "KELVARO_TEST_PAM_CONFDIR": vault.PAM_DIR, "KELVARO_TEST_CLIPBOARD_SECONDS": "3"}
    app = k.start_kelvaro(env=env)
    log = os.path.join(vault.SESSION, "shipped-editor.log")
    editor = k.Process([k.binary("kelvaro-test-client"), "--app-id", "org.example.Editor", "--title", "Editor",
                        "--text-log", log], name="editor", wait_ready=True)
    try:
        k.check(k.wait_until(k.tray_icon, timeout=10), "kelvaro is running in the tray")
        field = k.find_window("Editor")
        k.activate(field)
        k.check(k.wait_typing_into(field, editor.pid), "the editor's field has the focus")
        vault.pick("shipped-password-ring")
        dialog = vault.dialog_window()
        k.check(dialog != 0, "the system's presence question is asked, not the test folder's pam_permit")
        k.check(vault.editor_content(log) == "", "nothing is typed while it is asked: %r" % vault.editor_content(log))
        if dialog:
            k.screenshot("shipped-presence-dialog")
            k.check(k.wait_until(lambda: k.active_window() == dialog, timeout=3), "the dialog has the focus")
            k.key("Escape")
            k.check(k.wait_until(vault.find_no_dialog, timeout=5), "Escape cancels the question")
        k.check(k.holds(lambda: vault.editor_content(log) == "", 1.0),
                "nothing is typed after the cancel: %r" % vault.editor_content(log))
        k.check(vault.clipboard() != vault.SECRET_1, "nor is the password on the clipboard")
    finally:
        k.key_up("ctrl")
        k.key_up("shift")
        editor.stop()
        app.stop()
    no_core_dumps()
    k.finish()


if __name__ == "__main__":
    main()
