// Shortcut items as stored: what decodes encodes to JSON that decodes to the same item.
#include "FuzzSupport.h"
#include "core/AppShortcut.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::setUpOnce();
    if (const auto item = AppShortcut::fromJson(Fuzz::bytes(data, size))) {
        const QByteArray once = item->toJson();
        const auto back = AppShortcut::fromJson(once);
        FUZZ_CHECK(back);
        FUZZ_CHECK(back->toJson() == once);
    }
    return 0;
}
