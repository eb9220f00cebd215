#pragma once
// A simulated desktop with one 1440 x 900 display (visible frame 1440 x 875),
// a virtual clock and in-memory defaults, installed as the shared services.

#include <gtest/gtest.h>

#include "core/AppSettings.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimScreens.h"
#include "support/TestSupport.h"

class SwitcherFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        desktop = SimDesktop::install();
        screens = std::make_shared<SimScreens>();
        screens->list.append(
            ScreenInfo { QStringLiteral("Main"), QRectF(0, 0, 1440, 900), QRectF(0, 0, 1440, 875), 1.0 });
        Screens::setShared(screens);
        AppSettings::shared().setRingScale(1.0);
    }
    void TearDown() override { Screens::setShared(nullptr); }

    int countCalls(const QString& prefix) const
    {
        int n = 0;
        for (const QString& c : desktop->calls)
            n += c.startsWith(prefix) ? 1 : 0;
        return n;
    }

    TestSupport::SimEnvironment env;
    std::shared_ptr<SimDesktop> desktop;
    std::shared_ptr<SimScreens> screens;
};
