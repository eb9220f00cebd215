#pragma once
// Virtual key codes (the stored form of every key in the application) and
// their Linux evdev counterparts. X11 key codes are evdev codes + 8.
//
// Keys are identified by their position on the keyboard, not by what they
// type. The physical modifier keys follow the modifier translation used
// everywhere else: ⌘ = Ctrl, ⌥ = Alt, ⌃ = Super, ⇧ = Shift.
//
// The table is one-to-one, so the key tap (X key code -> virtual key code)
// and the synthetic-key backend (virtual key code -> X key code) agree.

#include <cstdint>
#include <optional>
#include <vector>

struct KeyCodes {
    // A few virtual key codes used by name throughout the application.
    static constexpr std::uint16_t A = 0;
    static constexpr std::uint16_t Return = 36;
    static constexpr std::uint16_t Tab = 48;
    static constexpr std::uint16_t Space = 49;
    static constexpr std::uint16_t Delete = 51;
    static constexpr std::uint16_t Escape = 53;
    static constexpr std::uint16_t KeypadEnter = 76;
    static constexpr std::uint16_t LeftArrow = 123;
    static constexpr std::uint16_t RightArrow = 124;
    static constexpr std::uint16_t DownArrow = 125;
    static constexpr std::uint16_t UpArrow = 126;

    // The offset between evdev codes and X11 key codes.
    static constexpr std::uint32_t XKeycodeOffset = 8;

    static std::optional<std::uint32_t> evdevCode(std::uint16_t virtualKeyCode);
    static std::optional<std::uint16_t> virtualKeyCode(std::uint32_t evdevCode);

    static std::optional<std::uint32_t> xKeycode(std::uint16_t virtualKeyCode);
    static std::optional<std::uint16_t> fromXKeycode(std::uint32_t xKeycode);

    // Every virtual key code that has a Linux counterpart, ascending.
    static const std::vector<std::uint16_t>& mappedVirtualKeyCodes();
};
