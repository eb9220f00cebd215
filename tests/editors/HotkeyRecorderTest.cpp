#include "core/AppSettings.h"
#include "core/HotkeyRecordingSession.h"
#include "editors/HotkeyRecorder.h"
#include "input/HotkeyDispatcher.h"
#include "input/RingCommands.h"
#include "platform/KeyModifiers.h"
#include "platform/sim/SimKeyTap.h"
#include "settings/KeyBindingSection.h"
#include "support/TestSupport.h"

#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {
constexpr std::uint16_t KeyK = 40, KeyA = 0, Escape = 53, Delete = 51, F5 = 96;
constexpr std::uint64_t CtrlAlt = Modifier::Ctrl | Modifier::Alt;
constexpr std::uint64_t CtrlShift = Modifier::Ctrl | Modifier::Shift;

struct NoRings : RingCommands {
    bool isSwitcherVisible() const override { return false; }
    bool isShortcutRingVisible() const override { return false; }
    void triggerSwitcher() override { ++switcher; }
    void triggerLauncher() override { }
    void showCapturedTabsRing() override { }
    void showPasswordRing() override { }
    void showLauncherGroup(const LauncherGroup&) override { }
    void cancelVisibleRings() override { }
    void commitVisibleRing() override { }
    void stepVisibleRing(int) override { }
    void handleModifiersChanged(std::uint64_t) override { }
    int switcher = 0;
};

AppSettings& settings() { return AppSettings::shared(); }

// A recorder on the switcher's hotkey in a shown window, with the real
// dispatcher over the simulated key tap.
class Recording : public ::testing::Test {
protected:
    void SetUp() override
    {
        tap = &env.sim().keyTap();
        keyboard = std::make_unique<HotkeyDispatcher>(env.platform().keyTap(), rings);
        keyboard->start();
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        section = new KeyBindingSection(env.platform(), HotkeyRole::switcher, window.get());
        layout->addWidget(section);
        window->show();
    }
    void TearDown() override
    {
        window.reset();
        keyboard.reset();
    }
    HotkeyRecorder& recorder() { return *section->recorder(); }
    void expectRecording()
    {
        EXPECT_TRUE(recorder().session().isRecording());
        EXPECT_EQ(HotkeyRecordingSession::activeCount(), 1);
        EXPECT_FALSE(tap->tapEnabled()) << "the X grabs must be released while recording";
        EXPECT_TRUE(tap->activeGrabs().empty());
    }
    void expectIdle()
    {
        EXPECT_FALSE(recorder().session().isRecording());
        EXPECT_EQ(HotkeyRecordingSession::activeCount(), 0);
        EXPECT_TRUE(tap->tapEnabled());
        EXPECT_FALSE(tap->activeGrabs().empty());
    }

    TestSupport::SimEnvironment env;
    SimKeyTap* tap = nullptr;
    NoRings rings;
    std::unique_ptr<HotkeyDispatcher> keyboard;
    std::unique_ptr<QWidget> window;
    KeyBindingSection* section = nullptr;
};
}

TEST_F(Recording, EveryWayOutLowersTheCountOnceAndGivesTheGrabsBack)
{
    int ended = 0;
    QObject::connect(&recorder(), &HotkeyRecorder::recordingEnded, [&] { ++ended; });
    const auto before = settings().switcherHotkey();

    // Escape: nothing stored.
    recorder().toggleRecording();
    expectRecording();
    recorder().session().keyPressed(Escape, 0);
    expectIdle();
    EXPECT_EQ(settings().switcherHotkey(), before);

    // A click on the field while recording.
    recorder().toggleRecording();
    recorder().toggleRecording();
    expectIdle();

    // The window loses the focus: ignored at first, then a cancel.
    recorder().toggleRecording();
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(window.get(), &deactivate);
    expectRecording();
    env.scheduler().advance(HotkeyRecorderSession::resignGrace + 0.01);
    QCoreApplication::sendEvent(window.get(), &deactivate);
    expectIdle();

    // The window closes mid-recording.
    recorder().toggleRecording();
    window->hide();
    expectIdle();
    window->show();

    // The page goes away mid-recording (tab change).
    recorder().toggleRecording();
    delete section;
    section = nullptr;
    EXPECT_EQ(HotkeyRecordingSession::activeCount(), 0);
    EXPECT_TRUE(tap->tapEnabled());
    EXPECT_EQ(ended, 5);

    // A second session never drives the count below zero or counts twice.
    HotkeyRecorderSession a, b;
    a.start();
    a.start();
    b.start();
    EXPECT_EQ(HotkeyRecordingSession::activeCount(), 2);
    a.teardown();
    a.teardown();
    b.teardown();
    EXPECT_EQ(HotkeyRecordingSession::activeCount(), 0);
    EXPECT_TRUE(tap->tapEnabled());
}

TEST_F(Recording, RecordedKeyIsStoredAndTheHoldSetFollows)
{
    settings().setSwitcherHotkey(Hotkey(KeyA, CtrlShift));
    settings().setSwitcherHoldModifiers(CtrlShift);

    recorder().toggleRecording();
    recorder().session().modifiersChanged(Modifier::Shift);
    recorder().session().keyPressed(KeyK, Modifier::Shift); // Shift alone is refused
    EXPECT_TRUE(recorder().session().isRecording());
    EXPECT_EQ(recorder().messageText(), QStringLiteral("Include Ctrl, Alt or Super."));
    recorder().session().modifiersChanged(CtrlAlt);
    EXPECT_FALSE(recorder().session().rejectionMessage());
    EXPECT_EQ(recorder().composerItems().size(), 3); // Ctrl, Alt and the glowing slot
    recorder().session().keyPressed(KeyK, CtrlAlt);
    expectIdle();

    EXPECT_EQ(settings().switcherHotkey(), Hotkey(KeyK, CtrlAlt));
    EXPECT_EQ(settings().defaults().value(QStringLiteral("switcherHotkey")).has_value(), true);
    // The old hold set meets the new modifiers: Ctrl stays.
    EXPECT_EQ(settings().switcherHoldModifiers(), Modifier::Ctrl);
    // The grabs now hold the new combination and not the old one.
    const auto grabs = tap->activeGrabs();
    EXPECT_NE(std::find(grabs.begin(), grabs.end(), KeyGrab::of(Hotkey(KeyK, CtrlAlt))), grabs.end());
    EXPECT_EQ(std::find(grabs.begin(), grabs.end(), KeyGrab::of(Hotkey(KeyA, CtrlShift))), grabs.end());

    // The picker offers Ctrl and Alt; tapping Alt adds it, tapping both off empties the set.
    HoldModifierPicker* picker = section->picker();
    ASSERT_FALSE(picker->isHidden());
    ASSERT_EQ(picker->available(), (QList<std::uint64_t> { Modifier::Ctrl, Modifier::Alt }));
    picker->toggle(Modifier::Alt);
    EXPECT_EQ(settings().switcherHoldModifiers(), CtrlAlt);
    // The same with the keyboard: Right to Alt, Space lets it go; Left to Ctrl, Space.
    QTest::keyClick(picker->strip(), Qt::Key_Right);
    QTest::keyClick(picker->strip(), Qt::Key_Space);
    EXPECT_EQ(settings().switcherHoldModifiers(), Modifier::Ctrl);
    QTest::keyClick(picker->strip(), Qt::Key_Left);
    QTest::keyClick(picker->strip(), Qt::Key_Space);
    EXPECT_EQ(settings().switcherHoldModifiers(), 0u);
    EXPECT_TRUE(picker->explanation().startsWith(QStringLiteral("None selected")));

    // A function key alone is a valid hotkey; it shows no picker. Delete clears.
    recorder().toggleRecording();
    recorder().session().keyPressed(F5, 0);
    EXPECT_EQ(settings().switcherHotkey(), Hotkey(F5, 0));
    EXPECT_TRUE(picker->isHidden());
    recorder().toggleRecording();
    recorder().session().keyPressed(Delete, 0);
    EXPECT_EQ(settings().switcherHotkey(), std::nullopt);
    EXPECT_EQ(settings().switcherHoldModifiers(), 0u);
    EXPECT_TRUE(recorder().messageText().size() > 0) << "a missing hotkey carries the store's warning";
    expectIdle();
}
