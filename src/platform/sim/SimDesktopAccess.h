#pragma once
#include "platform/DesktopAccess.h"

// Desktop access set by the test: the session kind and the accessibility
// bus's state, read at once, and a count of the requests to switch it on
// (which leave the state to the test).
class SimDesktopAccess final : public DesktopAccess {
public:
    bool isX11Session() const override { return x11Session; }
    void readAccessibilityBus(QObject*, std::function<void(bool on)> reply) override
    {
        ++busReads;
        reply(accessibilityBus);
    }
    bool enableAccessibilityBus() override
    {
        ++enableRequests;
        return canAskToEnable;
    }

    bool x11Session = true;
    bool accessibilityBus = true;
    bool canAskToEnable = true;
    int busReads = 0;
    int enableRequests = 0;
};
