// Favicon replies: bytes from the network are either refused or decoded
// within the pixel limit.
#include "FuzzSupport.h"
#include "ring/FaviconFetcher.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::setUpOnce();
    const QImage image = FaviconFetcher::decodeReply(Fuzz::bytes(data, size));
    FUZZ_CHECK(image.width() <= FaviconFetcher::maxPixelSide && image.height() <= FaviconFetcher::maxPixelSide);
    FUZZ_CHECK(image.isNull() || (image.width() > 0 && image.height() > 0));
    return 0;
}
