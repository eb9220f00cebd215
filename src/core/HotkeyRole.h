#pragma once
// The four global hotkeys with fixed jobs.

#include "core/RawEnum.h"

#include <QString>

enum class HotkeyRole { switcher, launcher, passwords, capturedTabs };

QString rawValue(HotkeyRole role); // "switcher", "launcher", "passwords", "capturedTabs"
template <> std::optional<HotkeyRole> fromRawValue<HotkeyRole>(const QString& raw);
template <> QList<HotkeyRole> allCases<HotkeyRole>();

QString title(HotkeyRole role);               // localized, e.g. "App Switcher"
QString settingsExplanation(HotkeyRole role); // localized

// Defaults keys of the role's hotkey and hold set ("switcherHotkey", "passwordHoldModifiers", …).
QString hotkeyKey(HotkeyRole role);
QString holdModifiersKey(HotkeyRole role);
