#include "platform/Clipboard.h"

namespace {
std::shared_ptr<Clipboard>& sharedClipboard()
{
    static std::shared_ptr<Clipboard> s;
    return s;
}
}

std::shared_ptr<Clipboard> makeSystemClipboard(); // platform/linux/SystemClipboard.cpp

Clipboard& Clipboard::shared()
{
    auto& s = sharedClipboard();
    if (!s)
        s = makeSystemClipboard();
    return *s;
}

void Clipboard::setShared(std::shared_ptr<Clipboard> clipboard) { sharedClipboard() = std::move(clipboard); }
