#include "platform/SyntheticKeys.h"

namespace {
std::shared_ptr<SyntheticKeys>& sharedKeys()
{
    static std::shared_ptr<SyntheticKeys> s;
    return s;
}
}

std::shared_ptr<SyntheticKeys> makeXTestSyntheticKeys(); // platform/linux/XTestSyntheticKeys.cpp

SyntheticKeys& SyntheticKeys::shared()
{
    auto& s = sharedKeys();
    if (!s)
        s = makeXTestSyntheticKeys();
    return *s;
}

void SyntheticKeys::setShared(std::shared_ptr<SyntheticKeys> keys) { sharedKeys() = std::move(keys); }
