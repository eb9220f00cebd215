// The seam's promise: code under test reaches only the ports it was given.
// A port left out is a programming error that stops at once and names the
// port, never a quiet fall back to the real X server, session bus or keyring.

#include <gtest/gtest.h>

#include "platform/Clipboard.h"
#include "platform/KeyTap.h"
#include "platform/Workspace.h"
#include "platform/sim/SimPlatform.h"

namespace {
void threadsafeDeaths() { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
}

TEST(PlatformDeathTest, APortLeftOutStopsAndNamesIt)
{
    threadsafeDeaths();
    EXPECT_DEATH(
        {
            SimPlatform sim;
            sim.platform().ports().clipboard = nullptr;
            Platform::installed().clipboard().setText(QStringLiteral("anything"));
        },
        "built without a Clipboard port");
    const Platform empty;
    EXPECT_DEATH(empty.keyTap(), "built without a KeyTap port");
    EXPECT_DEATH(empty.secretStore(), "built without a SecretStore port");
    EXPECT_DEATH(empty.panelHints(), "built without a PanelHints port");
}

TEST(PlatformDeathTest, AskingBeforeAnyPlatformIsInstalledStops)
{
    threadsafeDeaths();
    ASSERT_FALSE(Platform::isInstalled());
    EXPECT_DEATH(Platform::installed(), "before the platform was installed");
}

TEST(PlatformTest, ASimulatedPlatformAnswersEveryPortAndGivesBackThePreviousOne)
{
    SimPlatform outer;
    EXPECT_EQ(&Platform::installed().keyTap(), &outer.keyTap());
    {
        SimPlatform inner;
        EXPECT_EQ(&Platform::installed(), &inner.platform());
        EXPECT_EQ(&Platform::installed().workspace(), &inner.desktop());
        EXPECT_EQ(&Platform::installed().clipboard(), &inner.clipboard());
    }
    EXPECT_EQ(&Platform::installed(), &outer.platform());
    EXPECT_EQ(&Platform::installed().keyTap(), &outer.keyTap());
}
