// Update feed bodies: what decodes has an acceptable link and round-trips exactly.
#include "FuzzSupport.h"
#include "services/UpdateManifest.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::setUpOnce();
    if (const auto manifest = UpdateManifest::decode(Fuzz::bytes(data, size))) {
        FUZZ_CHECK(UpdateManifest::isAcceptableDownloadUrl(manifest->url));
        const auto back = UpdateManifest::decode(manifest->encode());
        FUZZ_CHECK(back && *back == *manifest);
    }
    return 0;
}
