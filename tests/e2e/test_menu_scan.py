"""Menu-bar shortcuts of another application through AT-SPI.

The project's Qt test client shows a menu bar (File › New Ctrl+N, Open…
Ctrl+O, a separator, Recent › Item Ctrl+Shift+R; Edit › Copy Ctrl+C, a
duplicate Copy Ctrl+C, Paste Ctrl+V). The scan probe reads it through the
real accessibility backend and must find exactly those shortcuts, with the
Ctrl key as the command modifier, menu paths in the ids, the duplicate
dropped and the command-bearing presets sorted by name.
"""
import json
import os
import sys

sys.path.insert(0, os.path.dirname(__file__))
from kelvaro_e2e import Process, binary, check, finish, run, wait_until  # noqa: E402

CLIENT = binary("kelvaro-test-client")
PROBE = binary("kelvaro-scan-probe")


def scan(pid, timeout=20):
    p = run(PROBE, str(pid), "org.kelvaro.MenuTarget", timeout=timeout)
    try:
        return json.loads(p.stdout.strip().splitlines()[-1])
    except (ValueError, IndexError):
        print("probe output: %r, errors: %r" % (p.stdout, p.stderr[-2000:]), flush=True)
        return {"result": "none", "presets": []}


client = Process([CLIENT, "--app-id", "org.kelvaro.MenuTarget", "--title", "Menu Target", "--menus"],
                 wait_ready=True)
try:
    # The menus are on the accessibility bus once the client has registered.
    result = wait_until(lambda: (lambda r: r if r["result"] == "success" else None)(scan(client.pid)), timeout=15, interval=0.5)
    result = result or scan(client.pid)
    check(result["result"] == "success", "the client's menu bar scans successfully (got %s)" % result["result"])
    ids = [p["id"] for p in result["presets"]]
    print("presets: %s" % json.dumps(result["presets"], ensure_ascii=False), flush=True)
    expected = [
        "menu.Edit.Copy.⌘C",
        "menu.File/Recent.Item.⇧⌘R",
        "menu.File.New.⌘N",
        "menu.File.Open….⌘O",
        "menu.Edit.Paste.⌘V",
    ]
    check(ids == expected, "presets are the menu's shortcuts, deduplicated and sorted: %s" % ids)
    by_id = {p["id"]: p for p in result["presets"]}
    new = by_id.get("menu.File.New.⌘N", {})
    check(new.get("keyCode") == 45 and new.get("modifiers") == 0x100000 and new.get("icon") == "plus",
          "Ctrl+N becomes ⌘N (key code 45) with the 'plus' symbol")
    recent = by_id.get("menu.File/Recent.Item.⇧⌘R", {})
    check(recent.get("modifiers") == 0x120000, "Ctrl+Shift+R keeps shift and command")
    check(by_id.get("menu.Edit.Copy.⌘C", {}).get("name") == "Copy", "the first Copy wins over its duplicate")
    check(result["ms"] < 10000, "the scan took %d ms" % result["ms"])

    # A process that is not on the accessibility bus has no menu bar to read.
    other = scan(os.getpid())
    check(other["result"] == "failed", "a process without menus gives 'failed' (got %s)" % other["result"])
finally:
    client.stop()

finish()
