#pragma once
// The four modifier bits of a stored key combination. They are the stored
// form everywhere and are translated to X11 masks only at the platform
// boundary; the names are the stored bits', the comments their keys here.

#include <cstdint>

namespace Modifier {
constexpr std::uint64_t Shift = 0x20000;   // Shift
constexpr std::uint64_t Control = 0x40000; // Super
constexpr std::uint64_t Option = 0x80000;  // Alt
constexpr std::uint64_t Command = 0x100000; // Ctrl
constexpr std::uint64_t Mask = 0x1E0000;
}
