#pragma once
// Shared by the fuzz targets: quiet, deterministic platform backends, and a
// check that stops the run (so the fuzzer keeps the input) when a decoded
// value does not survive its own encoding.

#include "platform/Log.h"
#include "platform/sim/SimPlatform.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace Fuzz {
inline void setUpOnce()
{
    static const bool done = [] {
        Log::setSink([](const QString&) {});
        // For the whole run: the decoders read settings and the layout.
        static auto* const sim = new SimPlatform;
        (void)sim;
        return true;
    }();
    (void)done;
}

inline QByteArray bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

[[noreturn]] inline void fail(const char* what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}
}

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            Fuzz::fail(#condition);                                                                                    \
    } while (0)
