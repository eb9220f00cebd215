// The launch notice's motion: its "Settings…" button eases into and out of
// its press, and the press demo's caps sink and rise on their springs at
// each of its four changes. Each runs on the virtual clock through values
// between its ends and leaves nothing ticking at rest; under Reduce Motion
// the button jumps and the demo holds still.

#include "core/AppSettings.h"
#include "onboarding/OnboardingWidgets.h"
#include "onboarding/PressDemoKeyStrip.h"
#include "platform/sim/SimDisplayPreferences.h"
#include "support/TestSupport.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {
class NoticeMotion : public ::testing::Test {
protected:
    void SetUp() override { AnimationEngine::shared().setFrameInterval(1.0 / 60.0); }
    void TearDown() override { AnimationEngine::shared().setFrameInterval(0.0); }

    template <typename Read> std::vector<double> play(Read read, double seconds)
    {
        std::vector<double> seen;
        for (double t = 0; t < seconds - 1e-9; t += 1.0 / 60.0) {
            env.scheduler().advance(1.0 / 60.0);
            seen.push_back(read());
        }
        return seen;
    }
    static int between(const std::vector<double>& values)
    {
        int n = 0;
        for (double v : values)
            n += v > 0.02 && v < 0.98;
        return n;
    }

    TestSupport::SimEnvironment env;
};

TEST_F(NoticeMotion, TheSettingsButtonEasesItsPressInAndOut)
{
    NoticeButton button;
    button.setText(QStringLiteral("Settings…"));
    button.resize(button.sizeHint());
    button.show();
    QTest::mousePress(&button, Qt::LeftButton, {}, button.rect().center());
    // 0.12 s: about seven frames, the first ones between up and down.
    std::vector<double> seen = play([&] { return button.press(); }, 0.3);
    EXPECT_GE(between(seen), 3);
    EXPECT_DOUBLE_EQ(seen.back(), 1.0);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, button.rect().center());
    seen = play([&] { return button.press(); }, 0.3);
    EXPECT_GE(between(seen), 3);
    EXPECT_DOUBLE_EQ(seen.back(), 0.0);
    EXPECT_FALSE(AnimationEngine::shared().isTicking());

    env.sim().displayPreferences().setReduceMotion(true);
    QTest::mousePress(&button, Qt::LeftButton, {}, button.rect().center());
    EXPECT_DOUBLE_EQ(button.press(), 1.0);
    EXPECT_FALSE(AnimationEngine::shared().isTicking());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, button.rect().center());
}

TEST_F(NoticeMotion, EachChangeOfTheDemoSpringsAndRestsBeforeTheNext)
{
    PressDemoKeyStrip demo(AppSettings::defaultSwitcherHotkey, 72, true);
    demo.show();
    env.scheduler().advance(PressDemoKeyStrip::leadIn - 1.0 / 60.0);
    EXPECT_FALSE(AnimationEngine::shared().isTicking()) << "nothing moves during the lead-in";
    env.scheduler().advance(1.0 / 60.0); // the modifiers go down
    const QString modifier = demo.items().first().id;
    const QString key = demo.items().last().id;
    EXPECT_TRUE(demo.strip()->usesAttentionLegend(demo.items().first())) << "labelled like a keyboard's modifier";
    EXPECT_FALSE(demo.strip()->usesAttentionLegend(demo.items().last()));
    // The four changes of one cycle: which cap moves, where it comes to rest
    // and the time until the next change.
    struct Change {
        QString cap;
        double rest;
        double gap;
    };
    const Change changes[]
        = { { modifier, 1.0, PressDemoKeyStrip::modifiersDownFor }, { key, 1.0, PressDemoKeyStrip::keyDownFor },
              { key, 0.0, PressDemoKeyStrip::keyUpFor }, { modifier, 0.0, PressDemoKeyStrip::pause } };
    for (const Change& change : changes) {
        const std::vector<double> seen
            = play([&] { return demo.strip()->pose(change.cap).press; }, change.gap - 2.0 / 60.0);
        EXPECT_GE(between(seen), 2) << "gap " << change.gap;
        EXPECT_NEAR(seen.back(), change.rest, 1e-9);
        EXPECT_FALSE(AnimationEngine::shared().isTicking());
        env.scheduler().advance(2.0 / 60.0);
    }
    EXPECT_TRUE(demo.modifiersPressed()) << "the next cycle has begun";

    demo.hide();
    env.scheduler().advance(5);
    EXPECT_FALSE(AnimationEngine::shared().isTicking());

    env.sim().displayPreferences().setReduceMotion(true);
    PressDemoKeyStrip calm(AppSettings::defaultSwitcherHotkey, 72, true);
    calm.show();
    env.scheduler().advance(3);
    EXPECT_DOUBLE_EQ(calm.strip()->pose(modifier).press, 1.0) << "held down at once";
    EXPECT_DOUBLE_EQ(calm.strip()->pose(key).press, 0.0);
    EXPECT_FALSE(AnimationEngine::shared().isTicking());
}
} // namespace
