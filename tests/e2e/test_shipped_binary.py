"""The program users run takes no test values from its environment. Whoever can
set Kelvaro's environment (its autostart entry, a restart by another program)
sets the variables the test build reads: a folder whose PAM service "kelvaro"
is pam_permit, and a short clipboard wait. build/kelvaro started that way,
with one saved password and a focused line edit, still asks the system's own
presence question when the password is chosen in the ring, and nothing
reaches the field while it is asked nor after it is cancelled. The binary
holds none of the variables' names at all."""
import os

import kelvaro_e2e as k
import test_password_vault as vault


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
    k.finish()


if __name__ == "__main__":
    main()
