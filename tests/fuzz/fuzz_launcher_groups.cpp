// The stored list of launcher groups round-trips exactly.
#include "FuzzSupport.h"
#include "core/LauncherGroup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::setUpOnce();
    if (const auto groups = LauncherGroup::decodeList(Fuzz::bytes(data, size))) {
        const auto back = LauncherGroup::decodeList(LauncherGroup::encodeList(*groups));
        FUZZ_CHECK(back && *back == *groups);
    }
    return 0;
}
