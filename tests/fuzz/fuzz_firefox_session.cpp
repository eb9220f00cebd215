// Firefox session files: any bytes, compressed or as the JSON inside, never
// crash the reader, and every window returned has tabs with addresses.
#include "FuzzSupport.h"
#include "platform/linux/FirefoxSession.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::setUpOnce();
    const QByteArray input = Fuzz::bytes(data, size);
    const auto windows
        = input.startsWith(QByteArrayLiteral("mozLz40")) ? FirefoxSession::read(input) : FirefoxSession::windows(input);
    if (windows) {
        for (const SnssWindow& window : *windows) {
            FUZZ_CHECK(!window.tabs.isEmpty());
            for (const SnssTab& tab : window.tabs)
                FUZZ_CHECK(!tab.url.isEmpty());
        }
    }
    return 0;
}
