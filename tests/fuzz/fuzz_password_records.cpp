// The stored list of password accounts round-trips exactly.
#include "FuzzSupport.h"
#include "vault/PasswordEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::setUpOnce();
    if (const auto entries = PasswordEntry::decodeList(Fuzz::bytes(data, size))) {
        const auto back = PasswordEntry::decodeList(PasswordEntry::encodeList(*entries));
        FUZZ_CHECK(back && *back == *entries);
    }
    return 0;
}
