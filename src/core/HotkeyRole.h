#pragma once
// The four global hotkeys with fixed jobs.

#include "core/EnumTable.h"

enum class HotkeyRole { switcher, launcher, passwords, capturedTabs };
inline constexpr int hotkeyRoleCount = 4;

// Raw values "switcher", "launcher", "passwords", "capturedTabs"; the title
// is localized ("App Switcher", …) and the explanation is the sentence the
// settings show under the role's hotkey.
std::span<const EnumRow<HotkeyRole>> enumRows(HotkeyRole);
