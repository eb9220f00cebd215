#include "platform/KeyCodes.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {
// virtual key code -> evdev code (linux/input-event-codes.h).
constexpr std::pair<std::uint16_t, std::uint32_t> kTable[] = {
    // Letters.
    { 0, 30 }, // A
    { 1, 31 }, // S
    { 2, 32 }, // D
    { 3, 33 }, // F
    { 4, 35 }, // H
    { 5, 34 }, // G
    { 6, 44 }, // Z
    { 7, 45 }, // X
    { 8, 46 }, // C
    { 9, 47 }, // V
    { 11, 48 }, // B
    { 12, 16 }, // Q
    { 13, 17 }, // W
    { 14, 18 }, // E
    { 15, 19 }, // R
    { 16, 21 }, // Y
    { 17, 20 }, // T
    { 31, 24 }, // O
    { 32, 22 }, // U
    { 34, 23 }, // I
    { 35, 25 }, // P
    { 37, 38 }, // L
    { 38, 36 }, // J
    { 40, 37 }, // K
    { 45, 49 }, // N
    { 46, 50 }, // M
    // Digits of the top row.
    { 18, 2 }, // 1
    { 19, 3 }, // 2
    { 20, 4 }, // 3
    { 21, 5 }, // 4
    { 23, 6 }, // 5
    { 22, 7 }, // 6
    { 26, 8 }, // 7
    { 28, 9 }, // 8
    { 25, 10 }, // 9
    { 29, 11 }, // 0
    // Punctuation.
    { 27, 12 }, // minus
    { 24, 13 }, // equal
    { 33, 26 }, // left bracket
    { 30, 27 }, // right bracket
    { 41, 39 }, // semicolon
    { 39, 40 }, // quote
    { 50, 41 }, // grave (left of 1)
    { 42, 43 }, // backslash
    { 43, 51 }, // comma
    { 47, 52 }, // period
    { 44, 53 }, // slash
    { 10, 86 }, // the extra ISO key next to the left Shift
    // Editing and navigation.
    { 36, 28 }, // Return
    { 48, 15 }, // Tab
    { 49, 57 }, // Space
    { 51, 14 }, // Delete (backspace)
    { 53, 1 }, // Escape
    { 117, 111 }, // forward Delete
    { 114, 110 }, // Help, the Insert position
    { 115, 102 }, // Home
    { 119, 107 }, // End
    { 116, 104 }, // Page Up
    { 121, 109 }, // Page Down
    { 123, 105 }, // Left
    { 124, 106 }, // Right
    { 125, 108 }, // Down
    { 126, 103 }, // Up
    { 110, 127 }, // context menu
    // Modifiers (⌘ = Ctrl, ⌥ = Alt, ⌃ = Super).
    { 55, 29 }, // Command -> left Ctrl
    { 54, 97 }, // right Command -> right Ctrl
    { 58, 56 }, // Option -> left Alt
    { 61, 100 }, // right Option -> right Alt
    { 59, 125 }, // Control -> left Super
    { 62, 126 }, // right Control -> right Super
    { 56, 42 }, // Shift
    { 60, 54 }, // right Shift
    { 57, 58 }, // Caps Lock
    // Function keys.
    { 122, 59 }, // F1
    { 120, 60 }, // F2
    { 99, 61 }, // F3
    { 118, 62 }, // F4
    { 96, 63 }, // F5
    { 97, 64 }, // F6
    { 98, 65 }, // F7
    { 100, 66 }, // F8
    { 101, 67 }, // F9
    { 109, 68 }, // F10
    { 103, 87 }, // F11
    { 111, 88 }, // F12
    { 105, 183 }, // F13
    { 107, 184 }, // F14
    { 113, 185 }, // F15
    { 106, 186 }, // F16
    { 64, 187 }, // F17
    { 79, 188 }, // F18
    { 80, 189 }, // F19
    { 90, 190 }, // F20
    // Keypad.
    { 82, 82 }, // 0
    { 83, 79 }, // 1
    { 84, 80 }, // 2
    { 85, 81 }, // 3
    { 86, 75 }, // 4
    { 87, 76 }, // 5
    { 88, 77 }, // 6
    { 89, 71 }, // 7
    { 91, 72 }, // 8
    { 92, 73 }, // 9
    { 65, 83 }, // decimal
    { 67, 55 }, // multiply
    { 69, 78 }, // plus
    { 75, 98 }, // divide
    { 78, 74 }, // minus
    { 81, 117 }, // equals
    { 76, 96 }, // Enter
    { 71, 69 }, // Clear, the Num Lock position
    // Media keys.
    { 72, 115 }, // volume up
    { 73, 114 }, // volume down
    { 74, 113 }, // mute
    // Japanese keyboards.
    { 93, 124 }, // Yen
    { 94, 89 }, // underscore (Ro)
    { 95, 95 }, // keypad comma
    { 102, 123 }, // Eisu
    { 104, 122 }, // Kana
};

struct Maps {
    std::array<std::int32_t, 128> toEvdev {};
    std::array<std::int32_t, 256> toVirtual {};
    std::vector<std::uint16_t> mapped;
    Maps()
    {
        toEvdev.fill(-1);
        toVirtual.fill(-1);
        for (const auto& [vk, evdev] : kTable) {
            toEvdev[vk] = static_cast<std::int32_t>(evdev);
            toVirtual[evdev] = vk;
            mapped.push_back(vk);
        }
        std::sort(mapped.begin(), mapped.end());
    }
};

const Maps& maps()
{
    static const Maps m;
    return m;
}
}

std::optional<std::uint32_t> KeyCodes::evdevCode(std::uint16_t virtualKeyCode)
{
    if (virtualKeyCode >= maps().toEvdev.size() || maps().toEvdev[virtualKeyCode] < 0)
        return std::nullopt;
    return static_cast<std::uint32_t>(maps().toEvdev[virtualKeyCode]);
}

std::optional<std::uint16_t> KeyCodes::virtualKeyCode(std::uint32_t evdevCode)
{
    if (evdevCode >= maps().toVirtual.size() || maps().toVirtual[evdevCode] < 0)
        return std::nullopt;
    return static_cast<std::uint16_t>(maps().toVirtual[evdevCode]);
}

std::optional<std::uint32_t> KeyCodes::xKeycode(std::uint16_t virtualKeyCode)
{
    const auto evdev = evdevCode(virtualKeyCode);
    if (!evdev)
        return std::nullopt;
    return *evdev + XKeycodeOffset;
}

std::optional<std::uint16_t> KeyCodes::fromXKeycode(std::uint32_t xKeycode)
{
    if (xKeycode < XKeycodeOffset)
        return std::nullopt;
    return virtualKeyCode(xKeycode - XKeycodeOffset);
}

const std::vector<std::uint16_t>& KeyCodes::mappedVirtualKeyCodes() { return maps().mapped; }
