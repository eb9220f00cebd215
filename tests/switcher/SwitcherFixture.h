#pragma once
// The simulated platform with one 1440 x 900 display (visible frame 1440 x 875).

#include <gtest/gtest.h>

#include "core/AppSettings.h"
#include "support/TestSupport.h"

class SwitcherFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        screens->list.append(
            ScreenInfo { QStringLiteral("Main"), QRectF(0, 0, 1440, 900), QRectF(0, 0, 1440, 875), 1.0 });
        AppSettings::shared().setRingScale(1.0);
    }

    int countCalls(const QString& prefix) const
    {
        int n = 0;
        for (const QString& c : desktop->calls)
            n += c.startsWith(prefix) ? 1 : 0;
        return n;
    }

    TestSupport::SimEnvironment env;
    Platform& platform = env.platform();
    SimDesktop* desktop = &env.sim().desktop();
    SimScreens* screens = &env.sim().screens();
};
