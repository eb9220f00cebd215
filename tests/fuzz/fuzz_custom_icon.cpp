// Imported icons: a picture is either refused or decoded within the pixel limit.
#include "FuzzSupport.h"
#include "editors/SymbolLibrary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::setUpOnce();
    std::optional<SymbolLibrary::ImportError> error;
    const QImage image = SymbolLibrary::decodePicture(Fuzz::bytes(data, size), &error);
    FUZZ_CHECK(image.isNull() == error.has_value());
    FUZZ_CHECK(image.width() <= SymbolLibrary::maxPixelSide && image.height() <= SymbolLibrary::maxPixelSide);
    return 0;
}
