// Stored hotkeys: {"keyCode":…, "rawModifiers":…} round-trips exactly.
#include "FuzzSupport.h"
#include "core/Hotkey.h"

#include <nlohmann/json.hpp>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::setUpOnce();
    const QByteArray input = Fuzz::bytes(data, size);
    if (const auto hotkey = Hotkey::fromJson(input)) {
        const auto back = Hotkey::fromJson(hotkey->toJson());
        FUZZ_CHECK(back && *back == *hotkey);
        FUZZ_CHECK(Hotkey::fromJsonValue(hotkey->toJsonValue()) == hotkey);
    }
    return 0;
}
