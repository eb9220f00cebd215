#pragma once
// Synthetic key presses sent to the application that has the keyboard focus,
// as if the user had typed them. Key codes are the stored virtual key codes
// and modifiers the four stored bits (Modifier:: in core/Hotkey.h); the
// backend translates them for the window system.

#include <cstdint>
#include <memory>

class SyntheticKeys {
public:
    virtual ~SyntheticKeys() = default;

    // One press and release of `keyCode` with exactly `modifiers` held
    // (bits outside Modifier::Mask are ignored). Modifiers the user is still
    // physically holding are lifted around the press and put back afterwards,
    // so the target sees the requested set and nothing more. Returns false when
    // nothing could be posted (no display, unknown key); the backend logs why.
    virtual bool postKeyPress(std::uint16_t keyCode, std::uint64_t modifiers) = 0;
};
