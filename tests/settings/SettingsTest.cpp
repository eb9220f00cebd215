#include "core/AppSettings.h"
#include "core/HotkeyRecordingSession.h"
#include "input/HotkeyDispatcher.h"
#include "input/RingCommands.h"
#include "platform/KeyModifiers.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimKeyTap.h"
#include "platform/sim/SimScreens.h"
#include "ring/CapturedTabStore.h"
#include "services/UpdateChecker.h"
#include "settings/AccessibilityPermissionMonitor.h"
#include "settings/GeneralSettingsView.h"
#include "settings/IconViews.h"
#include "settings/KeyBindingSection.h"
#include "settings/LanguagePicker.h"
#include "settings/SettingsView.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QSlider>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {
constexpr std::uint16_t KeyK = 40, KeyA = 0, Escape = 53, Delete = 51, F5 = 96;
constexpr std::uint64_t CtrlAlt = Modifier::Command | Modifier::Option;
constexpr std::uint64_t CtrlShift = Modifier::Command | Modifier::Shift;

struct NoRings : RingCommands {
    bool isSwitcherVisible() const override { return false; }
    bool isShortcutRingVisible() const override { return false; }
    void triggerSwitcher() override { ++switcher; }
    void triggerLauncher() override {}
    void showCapturedTabsRing() override {}
    void showPasswordRing() override {}
    void showLauncherGroup(const LauncherGroup&) override {}
    void cancelVisibleRings() override {}
    void commitVisibleRing() override {}
    void stepVisibleRing(int) override {}
    void handleModifiersChanged(std::uint64_t) override {}
    int switcher = 0;
};

AppSettings& settings() { return AppSettings::shared(); }

// A recorder on the switcher's hotkey in a shown window, with the real
// dispatcher over the simulated key tap.
class Recording : public ::testing::Test {
protected:
    void SetUp() override
    {
        tap = std::make_shared<SimKeyTap>();
        KeyTap::setShared(tap);
        keyboard = std::make_unique<HotkeyDispatcher>(rings);
        keyboard->start();
        AccessibilityPermissionMonitor::setProbe([](QObject*, auto reply) { reply(AccessibilityState {}); });
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        section = new KeyBindingSection(HotkeyRole::switcher, window.get());
        layout->addWidget(section);
        window->show();
    }
    void TearDown() override
    {
        window.reset();
        keyboard.reset();
        KeyTap::setShared(nullptr);
        AccessibilityPermissionMonitor::setProbe({});
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
    std::shared_ptr<SimKeyTap> tap;
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
    EXPECT_EQ(settings().switcherHoldModifiers(), Modifier::Command);
    // The grabs now hold the new combination and not the old one.
    const auto grabs = tap->activeGrabs();
    EXPECT_NE(std::find(grabs.begin(), grabs.end(), KeyGrab::of(Hotkey(KeyK, CtrlAlt))), grabs.end());
    EXPECT_EQ(std::find(grabs.begin(), grabs.end(), KeyGrab::of(Hotkey(KeyA, CtrlShift))), grabs.end());

    // The picker offers Ctrl and Alt; tapping Alt adds it, tapping both off empties the set.
    HoldModifierPicker* picker = section->picker();
    ASSERT_FALSE(picker->isHidden());
    ASSERT_EQ(picker->available(), (QList<std::uint64_t> { Modifier::Command, Modifier::Option }));
    picker->toggle(Modifier::Option);
    EXPECT_EQ(settings().switcherHoldModifiers(), CtrlAlt);
    // The same with the keyboard: Right to Alt, Space lets it go; Left to Ctrl, Space.
    QTest::keyClick(picker->strip(), Qt::Key_Right);
    QTest::keyClick(picker->strip(), Qt::Key_Space);
    EXPECT_EQ(settings().switcherHoldModifiers(), Modifier::Command);
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

TEST(PermissionMonitor, ThreeMissingPiecesPollOnlyWhileShownAndPublishOnlyChanges)
{
    TestSupport::SimEnvironment env;
    AccessibilityState answer;
    int probes = 0;
    AccessibilityPermissionMonitor::setProbe([&](QObject*, auto reply) {
        ++probes;
        reply(answer);
    });
    bool enabled = false;
    AccessibilityPermissionMonitor::setEnabler([&] {
        enabled = true;
        answer.accessibilityBus = true;
        return true;
    });
    AccessibilityPermissionMonitor monitor;
    AccessibilityWarningRow row(monitor);
    int changes = 0;
    QObject::connect(&monitor, &AccessibilityPermissionMonitor::trustChanged, [&] { ++changes; });

    answer.accessibilityBus = false;
    monitor.startMonitoring();
    monitor.startMonitoring(); // one timer
    EXPECT_FALSE(monitor.isTrusted());
    EXPECT_EQ(row.titleText(), QStringLiteral("Accessibility Access Required"));
    env.scheduler().advance(1.5);
    env.scheduler().advance(1.5);
    EXPECT_EQ(probes, 3);
    EXPECT_EQ(changes, 1);

    monitor.openSystemSettings(); // switches the bus on
    EXPECT_TRUE(enabled);
    env.scheduler().advance(1.5);
    EXPECT_TRUE(monitor.isTrusted());

    answer.keyGrabs = false;
    env.scheduler().advance(1.5);
    EXPECT_EQ(monitor.state().missing(), AccessibilityState::Missing::keyGrabs);
    EXPECT_EQ(row.titleText(), QStringLiteral("Keyboard Access Refused"));

    answer.x11Session = false;
    env.scheduler().advance(1.5);
    EXPECT_EQ(monitor.state().missing(), AccessibilityState::Missing::x11Session);
    EXPECT_EQ(row.titleText(), QStringLiteral("Global Hotkeys Unavailable"));

    monitor.stopMonitoring();
    const int seen = probes;
    env.scheduler().advance(10);
    EXPECT_EQ(probes, seen);
    AccessibilityPermissionMonitor::setProbe({});
    AccessibilityPermissionMonitor::setEnabler({});
}

namespace {
class Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        desktop = SimDesktop::install();
        AccessibilityPermissionMonitor::setProbe([](QObject*, auto reply) { reply(AccessibilityState {}); });
        for (int i = 0; i < 12; ++i)
            desktop->addApp(100 + i, QStringLiteral("org.example.app%1").arg(i), QStringLiteral("App %1").arg(i)).icon
                = SimDesktop::solidIcon(QColor(20 * i, 100, 200));
        desktop->frontmostPID = 100;
    }
    void TearDown() override { AccessibilityPermissionMonitor::setProbe({}); }
    TestSupport::SimEnvironment env;
    std::shared_ptr<SimDesktop> desktop;
    UpdateChecker updates;
};
}

TEST_F(Window, PreviewDrawsTheRingOfTheSelectedTab)
{
    QList<BrowserTabs::Tab> tabs;
    for (int i = 0; i < 25; ++i)
        tabs << BrowserTabs::Tab { QStringLiteral("Tab %1").arg(i), QStringLiteral("https://example.org/%1").arg(i), std::nullopt, std::nullopt };
    CapturedTabStore::setActiveID(CapturedTabStore::add(tabs).id);

    SettingsView view(updates);
    EXPECT_EQ(view.selectedTab(), SettingsTab::controller);
    RingStageInput in = view.stageInput();
    EXPECT_TRUE(in.drawsShortcuts());
    EXPECT_EQ(in.hint(), QStringLiteral("Select an app"));
    EXPECT_EQ(view.activePreviewHotkey(), settings().launcherHotkey());

    view.selectTab(SettingsTab::switcher);
    in = view.stageInput();
    EXPECT_FALSE(in.drawsShortcuts());
    EXPECT_EQ(in.runningApps.size(), 8);
    ASSERT_TRUE(in.centerApp);
    EXPECT_EQ(in.centerApp->bundleIdentifier, QStringLiteral("org.example.app0"));
    EXPECT_EQ(view.activePreviewHotkey(), settings().switcherHotkey());
    ASSERT_TRUE(view.page()->findChild<KeyBindingSection*>());

    view.selectTab(SettingsTab::capturedTabs);
    in = view.stageInput();
    EXPECT_EQ(in.shortcuts.size(), 10);
    EXPECT_EQ(in.pageCount, 3);
    EXPECT_EQ(view.activePreviewHotkey(), settings().capturedTabsHotkey());

    view.selectTab(SettingsTab::passwords);
    in = view.stageInput();
    EXPECT_EQ(in.hint(), QStringLiteral("No passwords yet"));
    ASSERT_TRUE(in.centerApp);
    EXPECT_EQ(in.centerApp->bundleIdentifier, QStringLiteral("com.morvanix.kelvaro.password"));

    view.selectTab(SettingsTab::launcher);
    EXPECT_EQ(view.activePreviewHotkey(), std::nullopt) << "no group, no hotkey";
    EXPECT_TRUE(view.preview()->keyCaps()->isHidden());

    EXPECT_NEAR(RingPreview::previewScale(0.7) * 400, 237.2, 0.1);
    EXPECT_NEAR(RingPreview::previewScale(1.0) * 400, 288.0, 0.1);
    EXPECT_NEAR(RingPreview::previewScale(1.4) * 400, 355.8, 0.1);
    EXPECT_EQ(fromRawValue<SettingsTab>(QStringLiteral("tabs")), std::nullopt);
}

TEST_F(Window, GeneralPageControlsWriteTheirKeys)
{
    auto screens = std::make_shared<SimScreens>();
    screens->addScreen(QRectF(0, 0, 1920, 1080));
    Screens::setShared(screens);
    GeneralSettingsView page(updates);
    EXPECT_FALSE(page.followPointer()->isEnabled()) << "one display";

    page.ringSizeSlider()->setValue(90);
    EXPECT_DOUBLE_EQ(settings().ringScale(), 0.9);
    EXPECT_TRUE(env.defaults().value(QStringLiteral("ringScale")).has_value());
    page.speedSlider()->setValue(200);
    EXPECT_DOUBLE_EQ(settings().animationSpeed(), 2.0);
    page.activation()->button(1)->click();
    EXPECT_EQ(env.defaults().value(QStringLiteral("activationMode"))->toString(), QStringLiteral("toggle"));
    page.placement()->button(0)->click();
    EXPECT_EQ(settings().ringPlacement(), RingPlacement::pointer);
    page.appearance()->button(2)->click();
    EXPECT_EQ(env.defaults().value(QStringLiteral("appearance"))->toString(), QStringLiteral("dark"));
    page.tilt()->click();
    EXPECT_FALSE(settings().enable3DEffects());
    page.usageData()->setChecked(false);
    EXPECT_FALSE(env.defaults().value(QStringLiteral("telemetryEnabled"))->toBool());
    page.automaticChecks()->setChecked(false);
    EXPECT_FALSE(updates.automaticChecks());

    // A change made elsewhere shows on the page.
    settings().setRingScale(1.3);
    EXPECT_EQ(page.ringSizeSlider()->value(), 130);

    EXPECT_EQ(GeneralSettingsView::scaleLabel(0.85), QStringLiteral("Medium"));
    EXPECT_EQ(GeneralSettingsView::scaleLabel(1.15), QStringLiteral("Large"));
    EXPECT_EQ(GeneralSettingsView::speedLabel(1.35), QStringLiteral("Brisk"));
    EXPECT_EQ(GeneralSettingsView::speedLabel(0.5), QStringLiteral("Relaxed"));
    Screens::setShared(nullptr);
}

TEST(LanguageRelaunch, StartsTheNewInstanceFirstAndKeepsRunningWhenItCannot)
{
    TestSupport::SimEnvironment env;
    QStringList calls;
    bool starts = true;
    LanguagePicker::setRelaunchHooks(
        [&](const QString&, const QStringList& arguments) {
            calls << QStringLiteral("start ") + arguments.join(QLatin1Char(' '));
            return starts;
        },
        [&] { calls << QStringLiteral("quit"); });
    settings().setLanguage(AppLanguage::german);
    EXPECT_EQ(env.defaults().value(QStringLiteral("appLanguage"))->toString(), QStringLiteral("de"));
    EXPECT_TRUE(LanguagePicker::relaunch());
    ASSERT_EQ(calls.size(), 2);
    EXPECT_TRUE(calls[0].startsWith(QStringLiteral("start --relaunch")));
    EXPECT_EQ(calls[1], QStringLiteral("quit"));

    calls.clear();
    starts = false;
    EXPECT_FALSE(LanguagePicker::relaunch());
    EXPECT_EQ(calls.size(), 1) << "no quit without a new instance";
    EXPECT_TRUE(env.logLines().join(QLatin1Char('\n')).contains(QStringLiteral("could not start")));
    LanguagePicker::setRelaunchHooks({}, {});
    settings().setLanguage(AppLanguage::system);
}

TEST(RowViews, SubtitleAndButtonsFollowWhatTheRowCanDo)
{
    TestSupport::SimEnvironment env;
    AppShortcut link(QStringLiteral("Docs"), QStringLiteral("link"), QString(), QStringLiteral("org.example.app"),
                     QStringLiteral("snippet"), QStringLiteral("https://example.org"));
    EXPECT_EQ(ShortcutRowView::subtitle(link), QStringLiteral("https://example.org"));
    AppShortcut nothing(QStringLiteral("Empty"), QStringLiteral("star"), QString(), QStringLiteral("org.example.app"));
    EXPECT_EQ(ShortcutRowView::subtitle(nothing), QStringLiteral("No action"));

    ShortcutRowView deleteOnly(nothing, { [] {}, {}, {}, {}, false, false });
    ASSERT_EQ(deleteOnly.buttons().size(), 1);
    EXPECT_EQ(deleteOnly.buttons()[0]->accessibleName(), QStringLiteral("Delete Empty"));
    ShortcutRowView movable(nothing, { [] {}, [] {}, [] {}, {}, false, true });
    ASSERT_EQ(movable.buttons().size(), 3);
    EXPECT_FALSE(movable.buttons()[0]->isEnabled()) << "present but not allowed: disabled, not hidden";
    EXPECT_TRUE(movable.buttons()[1]->isEnabled());

    EXPECT_EQ(DottedPattern::centres(QSizeF(36, 0), 18).size(), 3);
    EXPECT_EQ(SettingsDropdownChrome::trailingReserve, 36);
}
