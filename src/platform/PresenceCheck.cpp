#include "platform/PresenceCheck.h"

namespace {
std::shared_ptr<PresenceCheck>& sharedCheck()
{
    static std::shared_ptr<PresenceCheck> s;
    return s;
}
}

PresenceCheck& PresenceCheck::shared()
{
    auto& s = sharedCheck();
    if (!s)
        s = makePamPresenceCheck();
    return *s;
}

void PresenceCheck::setShared(std::shared_ptr<PresenceCheck> check) { sharedCheck() = std::move(check); }
