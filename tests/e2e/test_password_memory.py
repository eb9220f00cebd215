"""What a delivered password leaves behind in Kelvaro's memory. A secret is
stored in the session's keyring with secret-tool, the password ring types it
into a focused zenity entry, and once the field shows it the writable memory
of the running kelvaro-test is searched (through /proc: the process is not
dumpable, so this needs root or CAP_SYS_PTRACE). Neither the secret's UTF-8
bytes nor its UTF-16 characters may be found there: every copy Kelvaro made
or was handed on the way (the keyring's reply and its decryption, the text
sent to the field) is gone."""
import os
import time
import uuid

import kelvaro_e2e as k
import test_password_vault as vault

ENTRY = str(uuid.uuid4()).upper()
VARIANT = str(uuid.uuid4()).upper()
# Unique to this run, so any match is this secret; with a character outside
# ASCII, so its UTF-8 and UTF-16 forms differ from Latin-1. Shorter than one
# cipher block (16 bytes), so a block left behind by decryption is all of it.
SECRET = "Mem-%s-ü" % uuid.uuid4().hex[:8]


def write_defaults():
    accounts = [{"id": ENTRY, "label": "Mail", "account": "me@example.org", "icon": "key.fill",
                 "variants": [{"id": VARIANT, "label": "Main", "icon": "key.fill", "hint": ""}]}]
    k.write_settings_defaults(keep=False, savedPasswordEntries=accounts)


def copies_in_memory(pid):
    """(UTF-8 copies, UTF-16 copies) of the secret in the writable memory of
    `pid`, read through /proc (gcore would leave out pages marked not to be
    dumped, where a keyring library keeps its secrets)."""
    utf8, utf16 = SECRET.encode("utf-8"), SECRET.encode("utf-16-le")
    counts = [0, 0]
    try:
        with open("/proc/%d/maps" % pid) as maps, open("/proc/%d/mem" % pid, "rb", buffering=0) as mem:
            for line in maps:
                fields = line.split()
                if "w" not in fields[1] or (len(fields) > 5 and fields[5] in ("[vvar]", "[vsyscall]")):
                    continue
                start, end = (int(x, 16) for x in fields[0].split("-"))
                try:
                    mem.seek(start)
                    data = mem.read(end - start)
                except (OSError, ValueError, OverflowError):
                    continue
                counts[0] += data.count(utf8)
                counts[1] += data.count(utf16)
    except PermissionError as e:
        print("skipped: the memory of %d cannot be read here (%s)" % (pid, e), flush=True)
        return "unreadable"
    except OSError as e:
        print("cannot read the memory of %d: %s" % (pid, e), flush=True)
        return None
    return tuple(counts)


def main():
    vault.pam_service("pam_permit.so")
    write_defaults()
    k.check(vault.store_secret(VARIANT, SECRET), "secret-tool stores the secret in the session keyring")
    app = k.start_kelvaro("kelvaro-test", env={"KELVARO_TEST_PAM_CONFDIR": vault.PAM_DIR})
    z = None
    try:
        z = vault.Zenity("--entry", "--text", "Password for Mail", title="Sign in")
        k.activate(z.wid)
        z.wait_focused()
        vault.pick("password-memory")
        k.check(k.wait_until(lambda: z.field_text() == SECRET, timeout=8, interval=0.2),
                "the password lands in zenity's field")
        time.sleep(0.5)  # the delivery's last reads of the field come back
        counts = copies_in_memory(app.pid)
        k.check(counts is not None, "kelvaro's memory can be read")
        if counts not in (None, "unreadable"):
            print("copies of the secret in memory: UTF-8 %d, UTF-16 %d" % counts, flush=True)
            k.check(counts == (0, 0), "no copy of the delivered secret is left in memory (UTF-8 %d, UTF-16 %d)"
                    % counts)
        k.check(SECRET not in app.log_text(), "no secret in the log")
    finally:
        if z:
            z.stop()
        app.stop()
    k.finish()


if __name__ == "__main__":
    main()
