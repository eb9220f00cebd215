#pragma once
// Running the item a shortcut-like ring committed. The item's kind picks the
// route:
//  - a saved browser tab: open its address (held in `shortcut`);
//  - a vault account: nothing here (the ring controller hands those to the
//    vault's PasswordDelivery);
//  - anything else, the plain route: put the snippet on the clipboard, open
//    the link, then send the key combination, each only when present.
// Main thread only.

#include "core/AppShortcut.h"

#include <QString>
#include <QUrl>
#include <cstdint>
#include <optional>

class Platform;
class SyntheticKeys;

class ShortcutRunner {
public:
    struct ParsedShortcut {
        std::uint16_t keyCode = 0;
        std::uint64_t modifiers = 0; // only the four modifier bits
        bool operator==(const ParsedShortcut&) const = default;
    };

    // Runs `item`.
    static void executeShortcut(const Platform& platform, const AppShortcut& item);

    // "⇧⌘K", "⌘⇧K" and "⌘K⇧" alike: the modifier glyphs may stand anywhere
    // and repeat; what is left must be a key label. Nothing for a text without
    // a recognisable key (modifiers alone, for instance).
    static std::optional<ParsedShortcut> parseShortcut(const QString& text);

    // One key press with exactly `modifiers` held, sent to the focused application.
    static void sendKeyEvent(SyntheticKeys& keys, std::uint16_t keyCode, std::uint64_t modifiers);

    // Addresses a saved browser tab may open: web addresses only.
    static bool isOpenableTabAddress(const QUrl& url);
};
