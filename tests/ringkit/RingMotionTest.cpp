#include "ringkit/RingMotion.h"

#include "core/AppSettings.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

namespace {
constexpr double deg(double d) { return d * M_PI / 180.0; }

void expectSpring(const RingAnimation& a, double response, double damping, double delay = 0.0)
{
    EXPECT_EQ(a.kind, RingAnimation::Kind::spring);
    EXPECT_NEAR(a.response, response, 1e-9);
    EXPECT_DOUBLE_EQ(a.dampingFraction, damping);
    EXPECT_DOUBLE_EQ(a.blendDuration, 0.0);
    EXPECT_NEAR(a.delay, delay, 1e-9);
}

TEST(RingMotionTest, SpeedOneCurves)
{
    expectSpring(RingMotion::selection(false, 1), 0.22, 0.85);
    expectSpring(RingMotion::entry(false, 1), 0.28, 0.85);
    expectSpring(RingMotion::content(false, 1), 0.3, 1.0);
    expectSpring(RingMotion::bandEntry(false, 1), 0.48, 0.38);
    EXPECT_EQ(RingMotion::exit(false, 1), RingAnimation::easeOut(0.3));
    EXPECT_NEAR(RingMotion::exitDuration(false, 1), 0.36, 1e-12);
    // Cascade factor 1.05 at speed 1.
    expectSpring(RingMotion::segmentEntry(0, false, 1), 0.441, 0.63);
    expectSpring(RingMotion::iconSpinEntry(0, false, 1), 0.546, 0.34);
    EXPECT_NEAR(RingMotion::segmentStagger(1), 0.0546, 1e-12);
    expectSpring(RingMotion::segmentEntry(9, false, 1), 0.441, 0.63, 0.4914);
    expectSpring(RingMotion::iconSpinVisibility(3, true, false, 1), 0.546, 0.34, 3 * 0.0546);
}

TEST(RingMotionTest, SlowSettingsStopAtTheQuarterFloor)
{
    for (double s :
        { 0.25, 0.1, 0.0, -2.0, std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::infinity() }) {
        expectSpring(RingMotion::selection(false, s), 0.88, 0.85);
        expectSpring(RingMotion::entry(false, s), 1.12, 0.85);
        expectSpring(RingMotion::content(false, s), 1.2, 1.0);
        expectSpring(RingMotion::bandEntry(false, s), 1.92, 0.38);
        EXPECT_NEAR(RingMotion::exit(false, s).duration, 1.2, 1e-12) << s;
        EXPECT_NEAR(RingMotion::exitDuration(false, s), 1.26, 1e-12) << s;
        EXPECT_DOUBLE_EQ(RingMotion::cascadeFactor(s), 1.15) << s;
        expectSpring(RingMotion::segmentEntry(2, false, s), 0.42 * 1.15, 0.63, 2 * 0.052 * 1.15);
    }
}

TEST(RingMotionTest, FastSettingsDivideDurationsButNotTheCascade)
{
    expectSpring(RingMotion::selection(false, 3), 0.22 / 3, 0.85);
    EXPECT_NEAR(RingMotion::exit(false, 3).duration, 0.1, 1e-12);
    EXPECT_NEAR(RingMotion::exitDuration(false, 3), 0.16, 1e-12);
    EXPECT_DOUBLE_EQ(RingMotion::cascadeFactor(3), 0.85);
    EXPECT_DOUBLE_EQ(RingMotion::cascadeFactor(2), 0.85);
    EXPECT_DOUBLE_EQ(RingMotion::cascadeFactor(0.5), 1.15);
    EXPECT_NEAR(RingMotion::cascadeFactor(1.25), 1.0, 1e-12);
    EXPECT_NEAR(RingMotion::segmentStagger(3), 0.052 * 0.85, 1e-12);
    // A corrupt stored speed never yields a non-number.
    EXPECT_DOUBLE_EQ(RingMotion::speed(std::numeric_limits<double>::quiet_NaN()), 0.25);
}

TEST(RingMotionTest, ReduceMotionFadesAndSettlesEveryPose)
{
    const RingAnimation fade = RingAnimation::easeInOut(0.12);
    for (double s : { 0.25, 1.0, 3.0 }) {
        EXPECT_EQ(RingMotion::selection(true, s), fade);
        EXPECT_EQ(RingMotion::entry(true, s), fade);
        EXPECT_EQ(RingMotion::exit(true, s), fade);
        EXPECT_EQ(RingMotion::content(true, s), fade);
        EXPECT_EQ(RingMotion::bandEntry(true, s), fade);
        EXPECT_EQ(RingMotion::segmentEntry(7, true, s), fade);
        EXPECT_EQ(RingMotion::iconSpinEntry(7, true, s), fade);
        EXPECT_EQ(RingMotion::segmentVisibility(7, true, true, s), fade);
        EXPECT_EQ(RingMotion::iconSpinVisibility(7, false, true, s), fade);
        EXPECT_DOUBLE_EQ(RingMotion::exitDuration(true, s), 0.14);
    }
    for (bool visible : { false, true }) {
        EXPECT_DOUBLE_EQ(RingMotion::wheelSpin(visible, true), 0.0);
        EXPECT_DOUBLE_EQ(RingMotion::wheelBlur(visible, true), 0.0);
        EXPECT_DOUBLE_EQ(RingMotion::bandInnerRadius(visible, true), 60.0);
        EXPECT_DOUBLE_EQ(RingMotion::bandOuterRadius(visible, true), 190.0);
        EXPECT_DOUBLE_EQ(RingMotion::segmentScale(visible, true), 1.0);
        EXPECT_DOUBLE_EQ(RingMotion::segmentSweep(visible, true), 0.0);
        EXPECT_DOUBLE_EQ(RingMotion::iconBlur(visible, true), 0.0);
        EXPECT_DOUBLE_EQ(RingMotion::iconSpin(visible, true), 0.0);
    }
}

TEST(RingMotionTest, HiddenPoseAndLeavingTogether)
{
    EXPECT_NEAR(RingMotion::wheelSpin(false, false), deg(-5), 1e-12);
    EXPECT_DOUBLE_EQ(RingMotion::wheelBlur(false, false), 16.0);
    EXPECT_DOUBLE_EQ(RingMotion::bandInnerRadius(false, false), 92.0);
    EXPECT_DOUBLE_EQ(RingMotion::bandOuterRadius(false, false), 168.0);
    EXPECT_DOUBLE_EQ(RingMotion::segmentScale(false, false), 0.72);
    EXPECT_NEAR(RingMotion::segmentSweep(false, false), deg(-10), 1e-12);
    EXPECT_DOUBLE_EQ(RingMotion::iconBlur(false, false), 10.0);
    EXPECT_NEAR(RingMotion::iconSpin(false, false), deg(-24), 1e-12);
    // Hidden: every segment leaves at once on the exit curve, whatever its index.
    EXPECT_EQ(RingMotion::segmentVisibility(9, false, false, 1), RingMotion::exit(false, 1));
    EXPECT_EQ(RingMotion::iconSpinVisibility(5, false, false, 1), RingMotion::exit(false, 1));
    // A negative index starts at once rather than in the past.
    EXPECT_DOUBLE_EQ(RingMotion::segmentEntry(-4, false, 1).delay, 0.0);
}

TEST(RingMotionTest, BuildersReadTheSpeedSettingAtEachCall)
{
    TestSupport::SimEnvironment env;
    AppSettings& settings = AppSettings::shared();
    settings.setAnimationSpeed(2.0);
    expectSpring(RingMotion::selection(false), 0.11, 0.85);
    EXPECT_NEAR(RingMotion::exitDuration(false), 0.21, 1e-12);
    settings.setAnimationSpeed(0.0);
    expectSpring(RingMotion::selection(false), 0.88, 0.85);
    EXPECT_NEAR(RingMotion::segmentStagger(), 0.052 * 1.15, 1e-12);
    settings.setAnimationSpeed(1.0);
}
}
