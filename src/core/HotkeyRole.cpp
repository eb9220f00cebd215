#include "core/HotkeyRole.h"

#include <QCoreApplication>

QString rawValue(HotkeyRole role)
{
    switch (role) {
    case HotkeyRole::switcher:
        return QStringLiteral("switcher");
    case HotkeyRole::launcher:
        return QStringLiteral("launcher");
    case HotkeyRole::passwords:
        return QStringLiteral("passwords");
    case HotkeyRole::capturedTabs:
        return QStringLiteral("capturedTabs");
    }
    return {};
}

template <>
std::optional<HotkeyRole> fromRawValue<HotkeyRole>(const QString& raw)
{
    for (HotkeyRole role : allCases<HotkeyRole>())
        if (rawValue(role) == raw)
            return role;
    return std::nullopt;
}

template <>
QList<HotkeyRole> allCases<HotkeyRole>()
{
    return { HotkeyRole::switcher, HotkeyRole::launcher, HotkeyRole::passwords, HotkeyRole::capturedTabs };
}

QString title(HotkeyRole role)
{
    switch (role) {
    case HotkeyRole::switcher:
        return QCoreApplication::translate("Kelvaro", "App Switcher");
    case HotkeyRole::launcher:
        return QCoreApplication::translate("Kelvaro", "Shortcut Launcher");
    case HotkeyRole::passwords:
        return QCoreApplication::translate("Kelvaro", "Saved Passwords");
    case HotkeyRole::capturedTabs:
        return QCoreApplication::translate("Kelvaro", "Saved Tabs");
    }
    return {};
}

QString settingsExplanation(HotkeyRole role)
{
    switch (role) {
    case HotkeyRole::switcher:
        return QCoreApplication::translate("Kelvaro", "Opens the ring of running apps.");
    case HotkeyRole::launcher:
        return QCoreApplication::translate("Kelvaro", "Opens the shortcuts you saved for the app in front.");
    case HotkeyRole::passwords:
        return QCoreApplication::translate("Kelvaro", "Opens the ring of your saved passwords.");
    case HotkeyRole::capturedTabs:
        return QCoreApplication::translate("Kelvaro", "Opens the tabs you captured from your browsers.");
    }
    return {};
}

QString hotkeyKey(HotkeyRole role)
{
    switch (role) {
    case HotkeyRole::switcher:
        return QStringLiteral("switcherHotkey");
    case HotkeyRole::launcher:
        return QStringLiteral("launcherHotkey");
    case HotkeyRole::passwords:
        return QStringLiteral("passwordHotkey");
    case HotkeyRole::capturedTabs:
        return QStringLiteral("capturedTabsHotkey");
    }
    return {};
}

QString holdModifiersKey(HotkeyRole role)
{
    switch (role) {
    case HotkeyRole::switcher:
        return QStringLiteral("switcherHoldModifiers");
    case HotkeyRole::launcher:
        return QStringLiteral("launcherHoldModifiers");
    case HotkeyRole::passwords:
        return QStringLiteral("passwordHoldModifiers");
    case HotkeyRole::capturedTabs:
        return QStringLiteral("capturedTabsHoldModifiers");
    }
    return {};
}
