#pragma once
// Running the item a shortcut-like ring committed. The item's bundle
// identifier picks the route:
//  - a saved browser tab: open its address (held in `shortcut`);
//  - a vault account: the password route, which the vault installs with
//    setPasswordRoute();
//  - anything else, the plain route: put the snippet on the clipboard, open
//    the link, then send the key combination, each only when present.
// Main thread only.

#include "core/AppShortcut.h"

#include <QString>
#include <QUrl>
#include <QUuid>
#include <cstdint>
#include <functional>
#include <optional>

class AppShortcutRingViewModel;

class ShortcutRunner {
public:
    struct ParsedShortcut {
        std::uint16_t keyCode = 0;
        std::uint64_t modifiers = 0; // only the four modifier bits
        bool operator==(const ParsedShortcut&) const = default;
    };

    // Runs `item`. `ringModel` is the model of the showing it came from while
    // that still exists (its exit animation may still run), else null; only the
    // password route reads it.
    static void executeShortcut(const AppShortcut& item, const AppShortcutRingViewModel* ringModel = nullptr);

    // "⇧⌘K", "⌘⇧K" and "⌘K⇧" alike: the modifier glyphs may stand anywhere
    // and repeat; what is left must be a key label. Nothing for a text without
    // a recognisable key (modifiers alone, for instance).
    static std::optional<ParsedShortcut> parseShortcut(const QString& text);

    // One key press with exactly `modifiers` held, sent to the focused application.
    static void sendKeyEvent(std::uint16_t keyCode, std::uint64_t modifiers);

    // The password route, installed by the vault. Without one, choosing a
    // password logs that none can be released and does nothing else.
    using PasswordRoute = std::function<void(const AppShortcut& item, const AppShortcutRingViewModel* ringModel)>;
    static void setPasswordRoute(PasswordRoute route);

    // The vault's password route: at the choice, the focused field is noted
    // and the key tap suspended; the chosen password is released after a
    // presence check and, 0.15 s later, delivered into that field (or copied
    // to the clipboard). No password, a refused check or no secret: a beep.
    // The tap is on again as soon as the release has answered.
    static constexpr double focusCaptureLimit = 2.0; // seconds
    static void runPasswordRoute(const AppShortcut& item, const AppShortcutRingViewModel* ringModel);

    // The password to release for an account item: the card chosen on the
    // outer arc while the ring's model still knows it, otherwise the account's
    // first password; nothing for an unknown account or one without passwords,
    // and nothing when the chosen card is not a password of that account (a
    // selection left over from another account).
    static std::optional<QUuid> chooseVariant(const AppShortcut& item, const AppShortcutRingViewModel* ringModel);

    // Addresses a saved browser tab may open: web addresses only.
    static bool isOpenableTabAddress(const QUrl& url);
};
