#include "core/AppSettings.h"
#include "core/HotkeyRecordingSession.h"
#include "editors/ShortcutEditorView.h"
#include "input/HotkeyDispatcher.h"
#include "input/RingCommands.h"
#include "platform/Appearance.h"
#include "platform/KeyModifiers.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimDesktopAccess.h"
#include "platform/sim/SimKeyTap.h"
#include "platform/sim/SimScreens.h"
#include "ring/CapturedTabStore.h"
#include "services/BuildConfig.h"
#include "services/UpdateChecker.h"
#include "settings/AccessibilityPermissionMonitor.h"
#include "settings/GeneralSettingsView.h"
#include "settings/IconViews.h"
#include "settings/KeyBindingSection.h"
#include "settings/LanguagePicker.h"
#include "settings/SettingsView.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QTest>
#include <QVBoxLayout>
#include <cmath>
#include <gtest/gtest.h>

namespace {
AppSettings& settings() { return AppSettings::shared(); }
}

TEST(PermissionMonitor, ThreeMissingPiecesPollOnlyWhileShownAndPublishOnlyChanges)
{
    TestSupport::SimEnvironment env;
    SimDesktopAccess& desktop = env.sim().desktopAccess();
    AccessibilityPermissionMonitor monitor(env.platform());
    AccessibilityWarningRow row(monitor);
    int changes = 0;
    QObject::connect(&monitor, &AccessibilityPermissionMonitor::trustChanged, [&] { ++changes; });

    desktop.accessibilityBus = false;
    monitor.startMonitoring();
    monitor.startMonitoring(); // one timer
    EXPECT_FALSE(monitor.isTrusted());
    EXPECT_EQ(row.titleText(), QStringLiteral("Accessibility Access Required"));
    env.scheduler().advance(1.5);
    env.scheduler().advance(1.5);
    EXPECT_EQ(desktop.busReads, 3);
    EXPECT_EQ(changes, 1);

    // The banner's button asks the desktop to switch the bus on; the next
    // reading shows it on.
    monitor.openSystemSettings();
    EXPECT_EQ(desktop.enableRequests, 1);
    EXPECT_FALSE(monitor.isTrusted());
    desktop.accessibilityBus = true;
    env.scheduler().advance(1.5);
    EXPECT_TRUE(monitor.isTrusted());
    EXPECT_EQ(changes, 2);
    monitor.openSystemSettings(); // nothing to switch on
    EXPECT_EQ(desktop.enableRequests, 1);

    env.sim().keyTap().setTrusted(false);
    env.scheduler().advance(1.5);
    EXPECT_EQ(monitor.state().missing(), AccessibilityState::Missing::keyGrabs);
    EXPECT_EQ(row.titleText(), QStringLiteral("Keyboard Access Refused"));

    desktop.x11Session = false;
    env.scheduler().advance(1.5);
    EXPECT_EQ(monitor.state().missing(), AccessibilityState::Missing::x11Session);
    EXPECT_EQ(row.titleText(), QStringLiteral("Global Hotkeys Unavailable"));

    monitor.stopMonitoring();
    const int seen = desktop.busReads;
    env.scheduler().advance(10);
    EXPECT_EQ(desktop.busReads, seen);
}

namespace {
class Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        desktop = &env.sim().desktop();
        for (int i = 0; i < 12; ++i)
            desktop->addApp(100 + i, QStringLiteral("org.example.app%1").arg(i), QStringLiteral("App %1").arg(i)).icon
                = SimDesktop::solidIcon(QColor(20 * i, 100, 200));
        desktop->frontmostPID = 100;
    }
    TestSupport::SimEnvironment env;
    SimDesktop* desktop = nullptr;
    UpdateChecker updates { env.defaults() };
};
}

TEST_F(Window, PreviewDrawsTheRingOfTheSelectedTab)
{
    QList<BrowserTabs::Tab> tabs;
    for (int i = 0; i < 25; ++i)
        tabs << BrowserTabs::Tab { QStringLiteral("Tab %1").arg(i), QStringLiteral("https://example.org/%1").arg(i),
            std::nullopt, std::nullopt };
    CapturedTabStore(env.platform()).setActiveID(CapturedTabStore(env.platform()).add(tabs).id);

    SettingsView view(env.platform(), updates);
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
    EXPECT_LE(RingPreview::previewScale(2.0) * 400, RingPreview::ringSlot) << "a stored size past the slider's";
    EXPECT_EQ(fromRawValue<SettingsTab>(QStringLiteral("tabs")), std::nullopt);
}

TEST_F(Window, PreviewPagesAsTheRingDoesAndCentresTheGroupsOwnApp)
{
    SettingsView view(env.platform(), updates);
    view.controllerApp = AppShortcut(QStringLiteral("App 3"), QString(), QString(), QStringLiteral("org.example.app3"));
    for (int i = 0; i < 24; ++i)
        view.controllerShortcuts << AppShortcut(QStringLiteral("Item %1").arg(i), QStringLiteral("star"),
            QStringLiteral("Ctrl+%1").arg(i), QStringLiteral("org.example.app3"));
    RingStageInput in = view.stageInput();
    EXPECT_EQ(in.shortcuts.size(), 10) << "one page of the ring, not all 24 at once";
    EXPECT_EQ(in.shortcuts.first().name, QStringLiteral("Item 0"));
    EXPECT_EQ(in.pageCount, 3);
    view.controllerShortcuts = view.controllerShortcuts.mid(0, 10);
    EXPECT_EQ(view.stageInput().pageCount, 1);

    settings().setLauncherGroups({ LauncherGroup(
        QStringLiteral("Work"), { QStringLiteral("org.example.app7"), QStringLiteral("org.example.app2") }) });
    view.selectTab(SettingsTab::launcher);
    in = view.stageInput();
    ASSERT_EQ(in.runningApps.size(), 2);
    ASSERT_TRUE(in.centerApp);
    EXPECT_EQ(in.centerApp->bundleIdentifier, QStringLiteral("org.example.app7")) << "not the frontmost app0";
    settings().setLauncherGroups({ LauncherGroup(QStringLiteral("Empty")) });
    EXPECT_FALSE(view.stageInput().centerApp) << "an empty group has nothing to centre";
}

TEST_F(Window, GeneralPageControlsWriteTheirKeys)
{
    auto* screens = &env.sim().screens();
    screens->addScreen(QRectF(0, 0, 1920, 1080));
    // A build that can send usage data, to an address that is never reached.
    BuildConfig::setAnalyticsKey(QStringLiteral("phc_test"));
    BuildConfig::setAnalyticsHost(QStringLiteral("no address"));
    // And one with an update feed, which is never asked here.
    BuildConfig::setUpdateFeedUrl(QStringLiteral("https://updates.example.org/feed.json"));
    GeneralSettingsView page(env.platform(), updates);
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
    BuildConfig::resetOverrides();
}

TEST_F(Window, OpeningThePagesChangesNoSetting)
{
    // Values the controls cannot show as they are: the sliders clamp them.
    env.defaults().setValue(QStringLiteral("ringScale"), 2.0);
    env.defaults().setValue(QStringLiteral("animationSpeed"), 0.3);
    env.defaults().setValue(QStringLiteral("appLanguage"), QStringLiteral("de"));
    ASSERT_EQ(settings().ringScale(), 2.0);
    {
        SettingsView view(env.platform(), updates);
        view.selectTab(SettingsTab::general);
        EXPECT_EQ(view.page()->findChild<QSlider*>()->value(), 140);
        LanguagePicker wizardPicker(env.defaults(), LanguagePicker::Style::grid, true);
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
    EXPECT_TRUE(LanguagePicker::relaunch(env.defaults()));
    ASSERT_EQ(calls.size(), 2);
    EXPECT_TRUE(calls[0].startsWith(QStringLiteral("start --relaunch")));
    EXPECT_EQ(calls[1], QStringLiteral("quit"));

    calls.clear();
    starts = false;
    EXPECT_FALSE(LanguagePicker::relaunch(env.defaults()));
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

namespace {
double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(QRgb c) { return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c)); }

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QImage rendered(QWidget* w)
{
    QImage image(w->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(w->palette().color(QPalette::Window));
    w->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return image;
}

// The fill of a segment: its left padding, half way down, where no text is.
QRgb fillOf(QWidget* w) { return rendered(w).pixel(5, w->height() / 2); }
}

TEST_F(Window, TheChosenSegmentStandsOutInTheLightAndTheDarkAppearance)
{
    GeneralSettingsView page(env.platform(), updates);
    page.resize(520, 900);
    ShortcutEditorView editor(env.platform(),
        AppShortcut(QStringLiteral("App"), QString(), QString(), QStringLiteral("org.example.app")), std::nullopt);
    for (const bool dark : { false, true }) {
        page.setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
        editor.setPalette(page.palette());
        for (QButtonGroup* group :
            { page.activation(), page.placement(), page.appearance(), editor.findChild<QButtonGroup*>() }) {
            for (QAbstractButton* chosen : group->buttons()) {
                chosen->setChecked(true);
                const QRgb chosenFill = fillOf(chosen);
                for (QAbstractButton* other : group->buttons()) {
                    if (other == chosen)
                        continue;
                    EXPECT_GE(contrast(chosenFill, fillOf(other)), 3.0)
                        << (dark ? "dark: " : "light: ") << chosen->text().toStdString() << " against "
                        << other->text().toStdString();
                }
            }
        }
    }
}

TEST_F(Window, KeyboardFocusOnATabDoesNotLookLikeTheChosenTab)
{
    SettingsView view(env.platform(), updates);
    view.resize(SettingsView::windowSize);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    auto* chosen = view.findChild<TabButton*>(QStringLiteral("controller"));
    auto* general = view.findChild<TabButton*>(QStringLiteral("general"));
    auto* passwords = view.findChild<TabButton*>(QStringLiteral("passwords"));
    ASSERT_TRUE(chosen && general && passwords);
    passwords->setFocus(Qt::OtherFocusReason);
    const QImage plain = rendered(general);

    // Focus that arrives with the window (not by the keyboard) shows nothing.
    general->setFocus(Qt::ActiveWindowFocusReason);
    EXPECT_EQ(rendered(general), plain) << "an unchosen tab looks marked as the window opens";

    // Focus brought by the keyboard shows, and not as the chosen tab's fill.
    passwords->setFocus(Qt::OtherFocusReason);
    general->setFocus(Qt::TabFocusReason);
    const QImage focused = rendered(general);
    EXPECT_NE(focused, plain);
    const QPoint inside(general->width() / 2, general->height() - 6);
    EXPECT_EQ(focused.pixel(inside), plain.pixel(inside)) << "focus filled the tab like a selection";
    EXPECT_NE(rendered(chosen).pixel(inside), plain.pixel(inside));

    // The chosen tab is tinted with the accent at 0.14 over the window.
    const QColor ground = QColor::fromRgb(plain.pixel(inside));
    const QColor accent = chosen->palette().color(QPalette::Highlight);
    const QColor tinted = QColor::fromRgb(rendered(chosen).pixel(inside));
    const auto blend = [](int under, int over) { return under + (over - under) * 0.14; };
    EXPECT_NEAR(tinted.red(), blend(ground.red(), accent.red()), 2);
    EXPECT_NEAR(tinted.green(), blend(ground.green(), accent.green()), 2);
    EXPECT_NEAR(tinted.blue(), blend(ground.blue(), accent.blue()), 2);
}

TEST_F(Window, AutomaticUpdateChecksAreOffAndDisabledInABuildWithoutAFeed)
{
    updates.setAutomaticChecks(false);
    updates.setAutomaticChecks(true);
    BuildConfig::setUpdateFeedUrl(QString());
    {
        GeneralSettingsView page(env.platform(), updates);
        EXPECT_FALSE(page.automaticChecks()->isEnabled());
        EXPECT_FALSE(page.automaticChecks()->isChecked()) << "shown on while there is nothing to check";
        EXPECT_EQ(page.automaticChecks()->accessibleDescription(),
            QStringLiteral("This build of Kelvaro has no update feed."));
        updates.setAutomaticChecks(false); // a change made elsewhere shows the same
        updates.setAutomaticChecks(true);
        EXPECT_FALSE(page.automaticChecks()->isChecked());
    }
    EXPECT_TRUE(env.defaults().value(QStringLiteral("updateChecksAutomatic")).value_or(false).toBool())
        << "the stored choice is kept for a build with a feed";
    BuildConfig::setUpdateFeedUrl(QStringLiteral("https://updates.example.org/feed.json"));
    {
        GeneralSettingsView page(env.platform(), updates);
        EXPECT_TRUE(page.automaticChecks()->isEnabled());
        EXPECT_TRUE(page.automaticChecks()->isChecked());
        EXPECT_EQ(page.automaticChecks()->accessibleDescription(), QStringLiteral("Once a day, in the background."));
    }
    BuildConfig::setUpdateFeedUrl(std::nullopt);
}

TEST_F(Window, UsageDataSwitchIsOffAndDisabledInABuildThatCannotSend)
{
    env.defaults().setValue(QStringLiteral("telemetryEnabled"), true);
    BuildConfig::setAnalyticsKey(QString());
    {
        GeneralSettingsView page(env.platform(), updates);
        EXPECT_FALSE(page.usageData()->isEnabled());
        EXPECT_FALSE(page.usageData()->isChecked()) << "shown on while nothing can be sent";
        EXPECT_EQ(
            page.usageData()->accessibleDescription(), QStringLiteral("This build of Kelvaro cannot send usage data."));
    }
    BuildConfig::setAnalyticsKey(QStringLiteral("phc_test"));
    {
        GeneralSettingsView page(env.platform(), updates);
        EXPECT_TRUE(page.usageData()->isEnabled());
        EXPECT_TRUE(page.usageData()->isChecked());
    }
    BuildConfig::setAnalyticsKey(std::nullopt);
}
