"""The update window at launch: kelvaro pointed at a loopback feed that
offers a newer build shows "Software Update" without taking the focus from
the window the user is working in. Then "Check for Updates…" from the tray
menu checks again and brings the window forward with the live outcome."""
import http.server
import json
import re
import threading

from kelvaro_e2e import (Process, activate, open_tray_menu_item, active_window, binary, check, client_list, find_window, finish,
                         run, settled_screenshot, wait_until, window_title, write_settings_defaults)

FEED = {"build": 999, "version": "9.9", "url": "https://kelvaro.example/download",
        "notes": "Faster rings.\nFewer surprises."}
requests = []


class Feed(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        requests.append(self.path)
        body = json.dumps(FEED).encode()
        self.send_response(200)
        self.send_header("Content-Type", "application/json")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


def main():
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Feed)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    feed_url = "http://127.0.0.1:%d/appcast.json" % server.server_address[1]
    # Onboarding done and no launch notice: only the update window may appear.
    write_settings_defaults(updateChecksAutomatic=True)

    client = Process([binary("kelvaro-test-client"), "--title", "Focus Keeper"], wait_ready=True)
    keeper = find_window("Focus Keeper")
    check(keeper, "the test client's window is mapped")
    activate(keeper)
    check(wait_until(lambda: active_window() == keeper), "the test client is the active window")

    app = Process([binary("kelvaro-test")], env={"KELVARO_TEST_UPDATE_FEED_URL": feed_url,
                                               "KELVARO_TEST_BUILD_NUMBER": "1"})
    try:
        # Qt adds the application's display name to the title on X11.
        window = wait_until(lambda: next((w for w in client_list()
                                          if window_title(w).startswith("Software Update")), 0), timeout=10)
        check(window, "the update window appears at launch")
        check(requests == ["/appcast.json"], "one feed request at launch (%r)" % requests)
        if window:
            geometry = run("xwininfo", "-id", hex(window)).stdout
            w = re.search(r"Width: (\d+)", geometry)
            h = re.search(r"Height: (\d+)", geometry)
            check(w and h and (int(w.group(1)), int(h.group(1))) == (440, 280),
                  "the window has its fixed size 440 x 280")
            check(wait_until(lambda: active_window() == keeper, timeout=1.0) and active_window() == keeper,
                  "the active window keeps the focus")
            settled_screenshot("update-at-launch", window)

            # Close it, then ask again from the tray menu ("Check for Updates…" is
            # the item above "Quit Kelvaro"); the feed now says we are up to date.
            run("wmctrl", "-i", "-c", hex(window))
            check(wait_until(lambda: window not in client_list()), "the update window closes")
            FEED["build"] = 1
            check(open_tray_menu_item(2), "the tray menu opens")
            again = wait_until(lambda: next((w for w in client_list()
                                             if window_title(w).startswith("Software Update")), 0), timeout=10)
            check(again, "Check for Updates… shows the update window")
            check(wait_until(lambda: len(requests) == 2), "the menu's check asks the feed again (%r)" % requests)
            check(again and wait_until(lambda: active_window() == again, timeout=3),
                  "the window asked for from the menu takes the focus")
            settled_screenshot("update-checked-from-menu", again)
        check(app.alive(), "kelvaro keeps running")
    finally:
        app.stop()
        client.stop()
        server.shutdown()
    finish()


if __name__ == "__main__":
    main()
