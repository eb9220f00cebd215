#include "platform/PointerMonitor.h"

std::shared_ptr<PointerMonitor> makeDefaultPointerMonitor(); // platform/linux/XInputPointerMonitor.cpp

namespace {
std::shared_ptr<PointerMonitor>& sharedMonitor()
{
    static std::shared_ptr<PointerMonitor> s;
    return s;
}
}

PointerMonitor& PointerMonitor::shared()
{
    auto& s = sharedMonitor();
    if (!s)
        s = makeDefaultPointerMonitor();
    return *s;
}

void PointerMonitor::setShared(std::shared_ptr<PointerMonitor> monitor) { sharedMonitor() = std::move(monitor); }
