// Shortcut text as stored ("⇧⌘A") or shown ("Ctrl+Shift+A"): reading it
// never crashes, and a hotkey read from it reads back from its own forms.
#include "FuzzSupport.h"
#include "core/Hotkey.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::setUpOnce();
    const QString text = QString::fromUtf8(Fuzz::bytes(data, size));
    (void)Hotkey::displayTextForStored(text);
    if (const auto hotkey = Hotkey::fromDisplayString(text)) {
        (void)hotkey->displayString();
        (void)hotkey->accessibilityLabel();
        const auto stored = Hotkey::fromDisplayString(hotkey->storedText());
        FUZZ_CHECK(stored && stored->rawModifiers == hotkey->rawModifiers);
    }
    return 0;
}
