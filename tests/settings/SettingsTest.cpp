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
#include <QSignalBlocker>
#include <QSlider>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {
AppSettings& settings() { return AppSettings::shared(); }
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
        desktop = &env.sim().desktop();
        AccessibilityPermissionMonitor::setProbe([](QObject*, auto reply) { reply(AccessibilityState {}); });
        for (int i = 0; i < 12; ++i)
            desktop->addApp(100 + i, QStringLiteral("org.example.app%1").arg(i), QStringLiteral("App %1").arg(i)).icon
                = SimDesktop::solidIcon(QColor(20 * i, 100, 200));
        desktop->frontmostPID = 100;
    }
    void TearDown() override { AccessibilityPermissionMonitor::setProbe({}); }
    TestSupport::SimEnvironment env;
    SimDesktop* desktop = nullptr;
    UpdateChecker updates;
};
}

TEST_F(Window, PreviewDrawsTheRingOfTheSelectedTab)
{
    QList<BrowserTabs::Tab> tabs;
    for (int i = 0; i < 25; ++i)
        tabs << BrowserTabs::Tab { QStringLiteral("Tab %1").arg(i), QStringLiteral("https://example.org/%1").arg(i),
            std::nullopt, std::nullopt };
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
    auto* screens = &env.sim().screens();
    screens->addScreen(QRectF(0, 0, 1920, 1080));
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

    // A change made elsewhere shows on the page, in its own control only.
    {
        const QSignalBlocker quiet(page.tilt());
        page.tilt()->setChecked(true); // out of step with the store on purpose
    }
    settings().setRingScale(1.3);
    EXPECT_EQ(page.ringSizeSlider()->value(), 130);
    EXPECT_TRUE(page.tilt()->isChecked()) << "another setting's control was set again";

    EXPECT_EQ(GeneralSettingsView::scaleLabel(0.85), QStringLiteral("Medium"));
    EXPECT_EQ(GeneralSettingsView::scaleLabel(1.15), QStringLiteral("Large"));
    EXPECT_EQ(GeneralSettingsView::speedLabel(1.35), QStringLiteral("Brisk"));
    EXPECT_EQ(GeneralSettingsView::speedLabel(0.5), QStringLiteral("Relaxed"));
}

TEST_F(Window, OpeningThePagesChangesNoSetting)
{
    // Values the controls cannot show as they are: the sliders clamp them.
    env.defaults().setValue(QStringLiteral("ringScale"), 2.0);
    env.defaults().setValue(QStringLiteral("animationSpeed"), 0.3);
    env.defaults().setValue(QStringLiteral("appLanguage"), QStringLiteral("de"));
    ASSERT_EQ(settings().ringScale(), 2.0);
    {
        SettingsView view(updates);
        view.selectTab(SettingsTab::general);
        EXPECT_EQ(view.page()->findChild<QSlider*>()->value(), 140);
        LanguagePicker wizardPicker(LanguagePicker::Style::grid, true);
    }
    EXPECT_EQ(settings().ringScale(), 2.0);
    EXPECT_EQ(settings().animationSpeed(), 0.3);
    EXPECT_EQ(settings().language(), AppLanguage::german);
    EXPECT_EQ(env.defaults().value(QStringLiteral("ringScale")), QVariant(2.0));
    settings().setLanguage(AppLanguage::system);
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
