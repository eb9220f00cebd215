// kelvaro-keys-probe: runs shortcut items through the real backends (XTest
// keys, the CLIPBOARD selection, the desktop's URL handler) for the
// end-to-end tests.
//
// Usage:
//   kelvaro-keys-probe keys <combination>
//       Parses a combination text such as "⌘A" or "B" and sends it to the
//       focused window. Prints "sent key=<virtual key code> mods=<modifier bits>"
//       or "unparsed" (exit status 1).
//   kelvaro-keys-probe run [--shortcut <text>] [--snippet <text>] [--url <address>]
//                          [--tab <address>] [--hold-ms <n>]
//       Runs one item as a committed ring would: a tab item with --tab,
//       otherwise a plain item of the given parts. Prints "done", then keeps
//       serving the clipboard for --hold-ms milliseconds (default 0) and exits.
//   kelvaro-keys-probe clipboard <text> <wait-ms>
//       Copies <text>, prints "count=<changes> text=<clipboard text>", waits
//       <wait-ms> milliseconds while another client may copy something, then
//       prints the same line again and exits.
//   kelvaro-keys-probe held
//       Prints the modifier keys held now as "held=<X key codes, comma-separated>".
//   kelvaro-keys-probe taken <keysym> <X modifier mask>
//       Tries to grab the key that types <keysym> (a number, e.g. 97 for "a")
//       with those modifiers on the root window as a hotkey: prints
//       "taken=yes" when another client holds it (the server refuses), else
//       lets it go again and prints "taken=no".
//   kelvaro-keys-probe grab
//       Grabs the whole keyboard as a modal client would, releases it and
//       prints "grab=success", "grab=already-grabbed", "grab=frozen" (…).
// Log lines ("Kelvaro: …") go to stderr.

#include "app/ShortcutRunner.h"
#include "core/AppShortcut.h"
#include "platform/Clipboard.h"
#include "core/Hotkey.h"
#include "platform/Platform.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/SyntheticKeys.h"

#include <QGuiApplication>
#include <QTimer>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {
int usage()
{
    std::fprintf(stderr,
        "usage: kelvaro-keys-probe keys <combination> | run [--shortcut t] [--snippet t] [--url u] [--tab u] "
        "[--hold-ms n] | clipboard <text> <wait-ms> | held | taken <keysym> <mask> | grab\n");
    return 2;
}

int printHeld()
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 1;
    auto* map = xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr);
    auto* keys = xcb_query_keymap_reply(c, xcb_query_keymap(c), nullptr);
    QStringList held;
    if (map && keys) {
        const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(map);
        for (int i = 0; i < 8 * map->keycodes_per_modifier; ++i) {
            const xcb_keycode_t k = codes[i];
            if (k && (keys->keys[k / 8] & (1 << (k % 8))) && !held.contains(QString::number(k)))
                held << QString::number(k);
        }
    }
    std::free(map);
    std::free(keys);
    xcb_disconnect(c);
    std::printf("held=%s\n", qPrintable(held.join(QLatin1Char(','))));
    return 0;
}
}

int printTaken(quint32 keysym, int mask)
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 1;
    const xcb_setup_t* setup = xcb_get_setup(c);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    auto* mapping = xcb_get_keyboard_mapping_reply(c, xcb_get_keyboard_mapping(c, setup->min_keycode, count), nullptr);
    int keycode = 0;
    if (mapping) {
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(mapping);
        for (int i = 0; i < count * mapping->keysyms_per_keycode && !keycode; ++i) {
            if (syms[i] == keysym)
                keycode = setup->min_keycode + i / mapping->keysyms_per_keycode;
        }
    }
    std::free(mapping);
    if (!keycode) {
        xcb_disconnect(c);
        std::printf("taken=no-key\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_generic_error_t* error = xcb_request_check(c,
        xcb_grab_key_checked(
            c, 0, root, uint16_t(mask), xcb_keycode_t(keycode), XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    const bool taken = error && error->error_code == XCB_ACCESS;
    if (!error) {
        xcb_ungrab_key(c, xcb_keycode_t(keycode), root, uint16_t(mask));
        xcb_flush(c);
    }
    std::free(error);
    xcb_disconnect(c);
    std::printf("taken=%s\n", taken ? "yes" : "no");
    return 0;
}

int grabKeyboard()
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 1;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    auto* reply = xcb_grab_keyboard_reply(
        c, xcb_grab_keyboard(c, 0, root, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC), nullptr);
    const char* names[] = { "success", "already-grabbed", "invalid-time", "not-viewable", "frozen" };
    const int status = reply ? reply->status : -1;
    std::free(reply);
    xcb_ungrab_keyboard(c, XCB_CURRENT_TIME);
    xcb_flush(c);
    xcb_disconnect(c);
    std::printf("grab=%s\n", status >= 0 && status <= 4 ? names[status] : "no-reply");
    return status == 0 ? 0 : 1;
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    Platform platform;
    Platform::install(&platform);
    LinuxPlatform::build(platform);
    Hotkey::useLayout(&platform.keyboardLayout()); // key names and typed keys follow the session's layout
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();

    if (args[0] == QLatin1String("grab"))
        return grabKeyboard();
    if (args[0] == QLatin1String("taken") && args.size() == 3)
        return printTaken(args[1].toUInt(), args[2].toInt());
    if (args[0] == QLatin1String("held"))
        return printHeld();

    if (args[0] == QLatin1String("keys")) {
        if (args.size() != 2)
            return usage();
        const auto parsed = ShortcutRunner::parseShortcut(args[1]);
        if (!parsed) {
            std::printf("unparsed\n");
            return 1;
        }
        ShortcutRunner::sendKeyEvent(platform.syntheticKeys(), parsed->keyCode, parsed->modifiers);
        std::printf(
            "sent key=%u mods=%llu\n", unsigned(parsed->keyCode), static_cast<unsigned long long>(parsed->modifiers));
        return 0;
    }

    if (args[0] == QLatin1String("clipboard")) {
        if (args.size() != 3)
            return usage();
        auto report = [&platform] {
            std::printf("count=%llu text=%s\n", static_cast<unsigned long long>(platform.clipboard().changeCount()),
                qPrintable(platform.clipboard().text()));
            std::fflush(stdout);
        };
        QTimer::singleShot(0, &app, [&] {
            platform.clipboard().setText(args[1]);
            report();
            QTimer::singleShot(args[2].toInt(), &app, [&] {
                report();
                QCoreApplication::quit();
            });
        });
        return app.exec();
    }

    if (args[0] != QLatin1String("run"))
        return usage();
    QString shortcut;
    std::optional<QString> snippet, url, tab;
    int holdMs = 0;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        const QString& key = args[i];
        const QString& value = args[i + 1];
        if (key == QLatin1String("--shortcut"))
            shortcut = value;
        else if (key == QLatin1String("--snippet"))
            snippet = value;
        else if (key == QLatin1String("--url"))
            url = value;
        else if (key == QLatin1String("--tab"))
            tab = value;
        else if (key == QLatin1String("--hold-ms"))
            holdMs = value.toInt();
        else
            return usage();
    }
    const AppShortcut item = tab ? AppShortcut::tabItem(QStringLiteral("tab"), QStringLiteral("globe"), *tab)
                                 : AppShortcut(QStringLiteral("probe"), QStringLiteral("star"), shortcut,
                                     QStringLiteral("org.kelvaro.probe"), snippet, url);
    // Run from the event loop, as the delegate's deferred step does.
    QTimer::singleShot(0, &app, [&] {
        ShortcutRunner::executeShortcut(platform, item);
        std::printf("done\n");
        std::fflush(stdout);
        QTimer::singleShot(holdMs, &app, &QCoreApplication::quit);
    });
    return app.exec();
}
