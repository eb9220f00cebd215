#include "platform/KeyTap.h"

std::shared_ptr<KeyTap> makeDefaultKeyTap(); // platform/linux/X11KeyTap.cpp

namespace {
std::shared_ptr<KeyTap>& sharedTap()
{
    static std::shared_ptr<KeyTap> s;
    return s;
}
}

KeyTap& KeyTap::shared()
{
    auto& s = sharedTap();
    if (!s)
        s = makeDefaultKeyTap();
    return *s;
}

void KeyTap::setShared(std::shared_ptr<KeyTap> tap) { sharedTap() = std::move(tap); }
