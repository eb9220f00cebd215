#include "ringkit/WidgetMotion.h"

#include "platform/sim/SimDisplayPreferences.h"
#include "support/TestSupport.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

namespace {
class WidgetMotionTest : public ::testing::Test {
protected:
    WidgetMotionTest()
    {
        env.platform().ports().displayPreferences = std::make_shared<SimDisplayPreferences>();
        AnimationEngine::shared().setFrameInterval(1.0 / 60.0);
        widget.resize(40, 40);
        widget.show();
    }
    ~WidgetMotionTest() override { AnimationEngine::shared().setFrameInterval(0.0); }

    // Plays the virtual clock a frame at a time until nothing ticks, and
    // returns the values the motion announced on the way.
    std::vector<double> play(WidgetMotion& motion, double seconds = 2.0)
    {
        std::vector<double> seen;
        QObject::connect(&motion, &WidgetMotion::changed, &widget, [&seen](double v) { seen.push_back(v); });
        for (double t = 0; t < seconds; t += 1.0 / 60.0)
            env.scheduler().advance(1.0 / 60.0);
        QObject::disconnect(&motion, &WidgetMotion::changed, &widget, nullptr);
        return seen;
    }

    TestSupport::SimEnvironment env;
    QWidget widget;
};

TEST_F(WidgetMotionTest, SpringsAndEasesPassThroughIntermediateValuesAndComeToRest)
{
    for (const RingAnimation& curve :
        { RingAnimation::spring(0.25, 0.85), RingAnimation::spring(0.2, 0.85), RingAnimation::easeOut(0.12) }) {
        WidgetMotion motion(&widget, 0.0);
        motion.animateTo(1.0, curve);
        // The last announcement says the motion rests, also when the engine
        // shows no frame for a rest a hair from the last one.
        bool lastAtRest = false;
        QObject::connect(&motion, &WidgetMotion::changed, &widget, [&] { lastAtRest = !motion.isAnimating(); });
        const std::vector<double> seen = play(motion);
        EXPECT_TRUE(lastAtRest);
        ASSERT_GE(seen.size(), 4u);
        int between = 0;
        for (double v : seen)
            between += v > 0.05 && v < 0.95;
        EXPECT_GE(between, 3);
        EXPECT_DOUBLE_EQ(seen.back(), 1.0);
        EXPECT_FALSE(motion.isAnimating());
        // At rest nothing is left ticking: the window's idle costs nothing.
        EXPECT_FALSE(AnimationEngine::shared().isTicking());
        EXPECT_TRUE(play(motion, 0.5).empty());
    }
}

TEST_F(WidgetMotionTest, ReducedMotionAndHiddenWidgetsJump)
{
    WidgetMotion motion(&widget, 0.0);
    motion.animateTo(1.0, RingAnimation::spring(0.2, 0.8), /*still*/ true);
    EXPECT_DOUBLE_EQ(motion.value(), 1.0);
    EXPECT_FALSE(AnimationEngine::shared().isTicking());

    widget.hide();
    motion.animateTo(0.0, RingAnimation::spring(0.2, 0.8));
    EXPECT_DOUBLE_EQ(motion.value(), 0.0);
    EXPECT_FALSE(AnimationEngine::shared().isTicking());
}

TEST_F(WidgetMotionTest, ANewTargetMidFlightKeepsTheValueContinuous)
{
    WidgetMotion motion(&widget, 0.0);
    motion.animateTo(1.0, RingAnimation::spring(0.22, 0.85));
    for (int i = 0; i < 5; ++i)
        env.scheduler().advance(1.0 / 60.0);
    const double before = motion.value();
    motion.animateTo(0.0, RingAnimation::spring(0.22, 0.85));
    EXPECT_NEAR(motion.value(), before, 1e-9);
    play(motion);
    EXPECT_DOUBLE_EQ(motion.value(), 0.0);
    EXPECT_FALSE(AnimationEngine::shared().isTicking());
}
} // namespace
