#include "platform/Appearance.h"

std::shared_ptr<Appearance> makeDefaultAppearance(); // platform/linux/QtAppearance.cpp

namespace {
std::shared_ptr<Appearance>& sharedAppearance()
{
    static std::shared_ptr<Appearance> s;
    return s;
}
}

Appearance& Appearance::shared()
{
    auto& s = sharedAppearance();
    if (!s)
        s = makeDefaultAppearance();
    return *s;
}

void Appearance::setShared(std::shared_ptr<Appearance> appearance) { sharedAppearance() = std::move(appearance); }
