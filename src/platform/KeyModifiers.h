#pragma once
// The four modifier bits of a stored key combination. They are the stored
// form everywhere and are translated to X11 masks only at the platform
// boundary. The values are fixed by the stored settings and never change.

#include <cstdint>

namespace Modifier {
constexpr std::uint64_t Shift = 0x20000;
constexpr std::uint64_t Super = 0x40000;
constexpr std::uint64_t Alt = 0x80000;
constexpr std::uint64_t Ctrl = 0x100000;
constexpr std::uint64_t Mask = 0x1E0000;
}
