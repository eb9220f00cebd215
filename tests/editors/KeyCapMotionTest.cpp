// Key caps and the recorder in motion on the virtual clock: a cap sinks,
// glows, arrives and leaves through values between its ends and comes to
// rest; the recorder springs into its red recording look and its clear button
// grows in and shrinks away; all of it jumps under Reduce Motion. Also the
// recorder's message symbols and its screen reader action.

#include "core/AppSettings.h"
#include "editors/HotkeyRecorder.h"
#include "editors/KeyStrip.h"
#include "platform/KeyModifiers.h"
#include "platform/sim/SimDisplayPreferences.h"
#include "support/TestSupport.h"

#include <QAccessible>
#include <QAbstractButton>
#include <QApplication>
#include <QEnterEvent>
#include <QTest>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {
class KeyCapMotion : public ::testing::Test {
protected:
    KeyCapMotion()
    {
        env.platform().ports().displayPreferences = prefs;
        AnimationEngine::shared().useDisplay(prefs.get());
        AnimationEngine::shared().setFrameInterval(1.0 / 60.0);
        strip.setStripHeight(46);
        strip.setShowsCaptions(true);
        strip.resize(300, 46);
    }
    ~KeyCapMotion() override { AnimationEngine::shared().setFrameInterval(0.0); }

    std::vector<double> play(const std::function<double()>& value, double seconds = 1.0)
    {
        std::vector<double> seen;
        for (double t = 0; t < seconds; t += 1.0 / 60.0) {
            env.scheduler().advance(1.0 / 60.0);
            seen.push_back(value());
        }
        return seen;
    }
    static int between(const std::vector<double>& seen)
    {
        int n = 0;
        for (double v : seen)
            n += v > 0.05 && v < 0.95;
        return n;
    }
    static KeyStripItem key(const QString& glyph, bool pressed = false, bool glows = false)
    {
        KeyStripItem item { glyph, glyph, KeyStripItem::printedName(glyph) };
        item.isPressed = pressed;
        item.glows = glows;
        return item;
    }

    TestSupport::SimEnvironment env;
    std::shared_ptr<SimDisplayPreferences> prefs = std::make_shared<SimDisplayPreferences>();
    KeyStrip strip;
};

TEST_F(KeyCapMotion, CapsSinkGlowArriveAndLeaveInMotionThenRestOrJumpWhenStill)
{
    strip.setItems({ key(QStringLiteral("⌘")), key(QStringLiteral("A")) });
    strip.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&strip));
    EXPECT_DOUBLE_EQ(strip.pose(QStringLiteral("⌘")).presence, 1.0)
        << "caps there before the strip shows do not arrive";

    strip.setItems({ key(QStringLiteral("⌘"), true), key(QStringLiteral("A"), false, true) });
    std::vector<double> glow;
    const auto press = play([&] {
        glow.push_back(strip.pose(QStringLiteral("A")).glow);
        return strip.pose(QStringLiteral("⌘")).press;
    });
    EXPECT_GE(between(press), 2) << "0.14 s: a few frames between up and down";
    EXPECT_GE(between(glow), 8) << "0.25 s of easing";
    EXPECT_NEAR(strip.pose(QStringLiteral("⌘")).press, 1.0, 1e-9);
    EXPECT_DOUBLE_EQ(strip.pose(QStringLiteral("A")).glow, 1.0);
    EXPECT_FALSE(AnimationEngine::shared().isTicking());

    // ⇧ arrives from nothing while A leaves, fading where it stood.
    strip.setItems({ key(QStringLiteral("⌘"), true), key(QStringLiteral("⇧")) });
    std::vector<double> leaving;
    const auto arriving = play([&] {
        leaving.push_back(strip.pose(QStringLiteral("A")).presence);
        return strip.pose(QStringLiteral("⇧")).presence;
    });
    EXPECT_GE(between(arriving), 3);
    EXPECT_GE(between(leaving), 3);
    EXPECT_DOUBLE_EQ(strip.pose(QStringLiteral("⇧")).presence, 1.0);
    EXPECT_DOUBLE_EQ(strip.pose(QStringLiteral("A")).presence, 0.0) << "a cap that left is forgotten";
    EXPECT_FALSE(AnimationEngine::shared().isTicking());

    prefs->setReduceMotion(true);
    strip.setItems({ key(QStringLiteral("⌘")), key(QStringLiteral("B"), false, true) });
    EXPECT_DOUBLE_EQ(strip.pose(QStringLiteral("⌘")).press, 0.0);
    EXPECT_DOUBLE_EQ(strip.pose(QStringLiteral("B")).presence, 1.0);
    EXPECT_DOUBLE_EQ(strip.pose(QStringLiteral("B")).glow, 1.0);
    EXPECT_DOUBLE_EQ(strip.pose(QStringLiteral("⇧")).presence, 0.0);
    EXPECT_FALSE(AnimationEngine::shared().isTicking());
}

TEST_F(KeyCapMotion, TheRecorderSpringsIntoRecordingAndItsClearButtonGrowsAndShrinks)
{
    std::optional<Hotkey> bound = Hotkey(40, Modifier::Ctrl | Modifier::Alt);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* recorder = new HotkeyRecorder(
        { [&] { return bound; }, [&](std::optional<Hotkey> h) { bound = h; } }, QStringLiteral("Press"), &window);
    layout->addWidget(recorder);
    window.resize(420, 160);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(recorder, &enter);
    const auto grows = play([&] { return recorder->clearPresence(); });
    EXPECT_GE(between(grows), 3);
    EXPECT_TRUE(recorder->clearButton()->isVisible());

    // A screen reader starts the recording by its named action.
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(recorder);
    ASSERT_TRUE(field && field->actionInterface());
    EXPECT_TRUE(field->actionInterface()->actionNames().contains(QStringLiteral("Toggle recording")));
    field->actionInterface()->doAction(QStringLiteral("Toggle recording"));
    ASSERT_TRUE(recorder->session().isRecording());
    std::vector<double> shrinking;
    const auto look = play([&] {
        shrinking.push_back(recorder->clearPresence());
        return recorder->recordingLook();
    });
    EXPECT_GE(between(look), 3);
    EXPECT_GE(between(shrinking), 2);
    EXPECT_DOUBLE_EQ(recorder->recordingLook(), 1.0);
    EXPECT_FALSE(recorder->clearButton()->isVisible()) << "a button shrunk away takes no clicks";
    EXPECT_TRUE(recorder->messageSymbol().isEmpty()) << "a hint has no symbol";
    EXPECT_FALSE(AnimationEngine::shared().isTicking());

    // A refusal and a warning of the owner carry different symbols.
    recorder->session().keyPressed(0, Modifier::Shift);
    const QString refusal = recorder->messageSymbol();
    recorder->session().teardown();
    recorder->setWarning(QStringLiteral("Already used"));
    EXPECT_FALSE(refusal.isEmpty());
    EXPECT_FALSE(recorder->messageSymbol().isEmpty());
    EXPECT_NE(refusal, recorder->messageSymbol());
    play([] { return 0.0; });

    // The line that goes fades out in its last words before it gives up its room.
    auto* line = recorder->findChild<QWidget*>(QStringLiteral("messageLine"));
    ASSERT_TRUE(line);
    recorder->setWarning(std::nullopt);
    EXPECT_TRUE(line->isVisible());
    std::vector<double> words;
    const auto fading = play([&] {
        words.push_back(line->isVisible() ? 1.0 : 0.0);
        return recorder->messageOpacity();
    });
    EXPECT_GE(between(fading), 3);
    EXPECT_EQ(words.front(), 1.0);
    EXPECT_FALSE(line->isVisible());
    EXPECT_FALSE(AnimationEngine::shared().isTicking());

    prefs->setReduceMotion(true);
    recorder->toggleRecording();
    EXPECT_DOUBLE_EQ(recorder->recordingLook(), 1.0);
    recorder->toggleRecording();
    EXPECT_DOUBLE_EQ(recorder->recordingLook(), 0.0);
    recorder->setWarning(QStringLiteral("Already used"));
    recorder->setWarning(std::nullopt);
    EXPECT_FALSE(line->isVisible()) << "the line goes at once";
    EXPECT_FALSE(AnimationEngine::shared().isTicking());
}
} // namespace
