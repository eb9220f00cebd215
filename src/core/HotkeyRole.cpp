#include "core/HotkeyRole.h"

#include "core/AppSettings.h"

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
    auto& s = AppSettings::shared();
    switch (role) {
    case HotkeyRole::switcher:
        return s.localized(QStringLiteral("App Switcher"));
    case HotkeyRole::launcher:
        return s.localized(QStringLiteral("Shortcut Launcher"));
    case HotkeyRole::passwords:
        return s.localized(QStringLiteral("Saved Passwords"));
    case HotkeyRole::capturedTabs:
        return s.localized(QStringLiteral("Saved Tabs"));
    }
    return {};
}

QString settingsExplanation(HotkeyRole role)
{
    auto& s = AppSettings::shared();
    switch (role) {
    case HotkeyRole::switcher:
        return s.localized(QStringLiteral("Opens the ring of running apps."));
    case HotkeyRole::launcher:
        return s.localized(QStringLiteral("Opens the shortcuts you saved for the app in front."));
    case HotkeyRole::passwords:
        return s.localized(QStringLiteral("Opens the ring of your saved passwords."));
    case HotkeyRole::capturedTabs:
        return s.localized(QStringLiteral("Opens the tabs you captured from Chrome."));
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
