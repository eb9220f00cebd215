#pragma once
// Parsing of the key bindings that toolkits report for menu items through
// AT-SPI, into the element model's key-equivalent attributes.

#include <QString>
#include <optional>

struct MenuKeyBinding {
    int modifiers = 0; // "AXMenuItemCmdModifiers" bits: 1 shift, 2 option, 4 control, 8 no command
    QString character; // "AXMenuItemCmdChar", for keys that type a character
    std::optional<int> virtualKey; // "AXMenuItemCmdVirtualKey", for named keys (F5, Return, arrows…)
};

namespace AtspiKeyBinding {
// A binding as Qt reports it ("Ctrl+Shift+A", mnemonic and shortcut joined
// by ";") or GTK does ("<Control><Shift>a" in the last field of a
// three-field "mnemonic;path;accelerator" text). Ctrl is ⌘, Alt ⌥, Super ⌃.
// Nothing when no field holds a usable key combination.
std::optional<MenuKeyBinding> parse(const QString& binding);
}

#include <functional>

// The one thread on which this program makes libatspi calls (the library
// keeps one connection and main context for the process).
namespace AtspiThread {
// How long one call may wait for another application's answer, unless a
// caller that must not wait that long sets a shorter limit for its own calls.
constexpr int callTimeoutMs = 1500;
void post(std::function<void()> task);
bool ready(); // false when the accessibility bus could not be reached
}
