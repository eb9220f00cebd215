// Browser session command logs: replaying any bytes never crashes and every
// window returned has tabs.
#include "FuzzSupport.h"
#include "platform/linux/SnssSession.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::setUpOnce();
    if (const auto windows = SnssSession::read(Fuzz::bytes(data, size))) {
        for (const SnssWindow& window : *windows)
            FUZZ_CHECK(!window.tabs.isEmpty());
    }
    return 0;
}
