// The checks a picture passes before any image decoder sees it: whatever the
// bytes, a verdict within the limits, and an accepted picture really has the
// structure its format's check walked.
#include "FuzzSupport.h"
#include "platform/ImageCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::setUpOnce();
    const QByteArray bytes = Fuzz::bytes(data, size);
    // The limits of a favicon reply, and the looser ones of a ring item's icon.
    for (const ImageCheck::Limits& limits : { ImageCheck::Limits { 256 * 1024, 1024, 1024 * 1024 },
             ImageCheck::Limits { 1 << 20, 1 << 30, 4096 * 4096 } }) {
        const ImageCheck::Verdict verdict = ImageCheck::inspect(bytes, limits);
        FUZZ_CHECK(verdict.ok() == verdict.reason.isEmpty());
        if (!verdict.ok())
            continue;
        FUZZ_CHECK(bytes.size() <= limits.maxBytes);
        if (verdict.format == ImageCheck::Format::other) {
            FUZZ_CHECK(ImageCheck::formatName(verdict.format).isEmpty());
            continue;
        }
        FUZZ_CHECK(verdict.size.width() <= limits.maxPixelSide && verdict.size.height() <= limits.maxPixelSide);
        FUZZ_CHECK(qint64(verdict.size.width()) * verdict.size.height() <= limits.maxPixels);
        if (verdict.format == ImageCheck::Format::png) {
            FUZZ_CHECK(verdict.size.width() > 0 && verdict.size.height() > 0);
            FUZZ_CHECK(bytes.contains("IEND") && bytes.indexOf("IHDR") == 12);
        }
    }
    return 0;
}
