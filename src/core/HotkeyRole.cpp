#include "core/HotkeyRole.h"

namespace {
constexpr EnumRow<HotkeyRole> kRoles[] = {
    { HotkeyRole::switcher, "switcher", QT_TRANSLATE_NOOP("Kelvaro", "App Switcher"), "",
        QT_TRANSLATE_NOOP("Kelvaro", "Opens the ring of running apps.") },
    { HotkeyRole::launcher, "launcher", QT_TRANSLATE_NOOP("Kelvaro", "Shortcut Launcher"), "",
        QT_TRANSLATE_NOOP("Kelvaro", "Opens the shortcuts you saved for the app in front.") },
    { HotkeyRole::passwords, "passwords", QT_TRANSLATE_NOOP("Kelvaro", "Saved Passwords"), "",
        QT_TRANSLATE_NOOP("Kelvaro", "Opens the ring of your saved passwords.") },
    { HotkeyRole::capturedTabs, "capturedTabs", QT_TRANSLATE_NOOP("Kelvaro", "Saved Tabs"), "",
        QT_TRANSLATE_NOOP("Kelvaro", "Opens the tabs you captured from your browsers.") },
};
static_assert(std::size(kRoles) == hotkeyRoleCount);
}

std::span<const EnumRow<HotkeyRole>> enumRows(HotkeyRole) { return kRoles; }
