#include "app/AppDelegate.h"
#include "onboarding/LaunchPopover.h"
#include "app/AppServices.h"
#include "input/HotkeyDispatcher.h"
#include "core/AppSettings.h"
#include "platform/sim/SimKeyTap.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// Records every service call in order; every view is a plain label.
class AppDelegateLifecycle : public ::testing::Test {
protected:
    void SetUp() override
    {
        tap = &env.sim().keyTap();
        AppServices& s = services;
        // The real reading of the setting: a fresh store has no "telemetryEnabled" key.
        s.telemetryEnabled = AppServices::builtIn(env.platform()).telemetryEnabled;
        s.telemetryPrepare = [this] { trace << QStringLiteral("telemetry"); };
        s.telemetrySend = [this](const QString& e, const QVariantMap&) { trace << QStringLiteral("send:") + e; };
        s.telemetryShowNoticeIfNeeded = [this] { trace << QStringLiteral("notice"); };
        s.startUpdateChecks = [this](std::function<void(bool)> onAvailable) {
            trace << QStringLiteral("updates");
            updateFound = std::move(onAvailable);
        };
        s.updateAvailable = [this] { return available; };
        s.makeSettingsView = [this] {
            trace << QStringLiteral("settings");
            return new QLabel(QStringLiteral("settings"));
        };
        s.makeHelpView = [this] {
            trace << QStringLiteral("help");
            return new QLabel(QStringLiteral("help"));
        };
        s.makeOnboardingView = [this](std::function<void(bool)> onFinish) {
            trace << QStringLiteral("onboarding");
            finishOnboarding = std::move(onFinish);
            return new QLabel(QStringLiteral("welcome"));
        };
        s.makeUpdateNoticeView = [this](std::function<void()> onClose) {
            trace << QStringLiteral("update");
            closeUpdate = std::move(onClose);
            return new QLabel(QStringLiteral("update"));
        };
        s.menuBarItemFrame = [this]() -> std::optional<QRect> {
            ++framePolls;
            return itemFrame;
        };
        s.makeLaunchPopoverView = [this](int, bool, std::function<void()>, std::function<void()>) {
            trace << QStringLiteral("popover");
            return new QLabel(QStringLiteral("running"));
        };
        AppSettings::shared().setLanguage(AppLanguage::system);
        delegate = std::make_unique<AppDelegate>(env.platform(), services);
    }
    void TearDown() override { delegate.reset(); }
    AppSettings& settings() { return AppSettings::shared(); }
    void closeWindow(QWidget* w)
    {
        ASSERT_TRUE(w);
        w->close();
        env.scheduler().runPending();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TestSupport::SimEnvironment env;
    SimKeyTap* tap = nullptr;
    AppServices services;
    std::unique_ptr<AppDelegate> delegate;
    QStringList trace;
    std::function<void(bool)> updateFound;
    std::function<void(bool)> finishOnboarding;
    std::function<void()> closeUpdate;
    bool available = false;
    std::optional<QRect> itemFrame;
    int framePolls = 0;
};
}

TEST_F(AppDelegateLifecycle, FirstLaunchRunsTheSequenceInOrderAndShowsOnboarding)
{
    EXPECT_EQ(delegate->windows().activationPolicy(), ActivationPolicy::regular);
    ASSERT_FALSE(env.defaults().contains(QStringLiteral("telemetryEnabled"))); // never set: opted in
    delegate->applicationDidFinishLaunching();
    EXPECT_EQ(trace,
        (QStringList { QStringLiteral("telemetry"), QStringLiteral("send:app_launched"), QStringLiteral("updates"),
            QStringLiteral("onboarding") }));
    EXPECT_TRUE(delegate->keyboard().keyTap());
    EXPECT_TRUE(delegate->windows().onboardingWindow());
    EXPECT_EQ(delegate->windows().activationPolicy(), ActivationPolicy::regular);
    EXPECT_FALSE(delegate->windows().launchPopoverWindow());
    EXPECT_EQ(framePolls, 0);

    // The usage-data notice comes 1.5 s after launch, the wizard up or not.
    env.scheduler().advance(1.4);
    EXPECT_FALSE(trace.contains(QStringLiteral("notice")));
    env.scheduler().advance(0.1);
    EXPECT_EQ(trace.count(QStringLiteral("notice")), 1);
    env.scheduler().advance(5);

    // Finishing the wizard with the settings choice: onboarding done, settings open.
    ASSERT_TRUE(finishOnboarding);
    finishOnboarding(true);
    EXPECT_TRUE(settings().hasCompletedOnboarding());
    EXPECT_FALSE(delegate->windows().onboardingWindow());
    EXPECT_TRUE(delegate->windows().settingsWindow());
    EXPECT_FALSE(delegate->windows().launchPopoverWindow());
    // Once only: finishing the wizard does not ask again.
    env.scheduler().advance(5);
    EXPECT_EQ(trace.count(QStringLiteral("notice")), 1);
    delegate->applicationWillTerminate();
    EXPECT_FALSE(delegate->keyboard().keyTap());
}

TEST_F(AppDelegateLifecycle, TheScreenLockingEndsThePresenceCheck)
{
    int resets = 0;
    services.resetPresenceContext = [&resets] { ++resets; };
    settings().setHasCompletedOnboarding(true);
    SimScreenLock& screen = env.sim().screenLock();
    EXPECT_FALSE(screen.watching);
    delegate->applicationDidFinishLaunching();
    EXPECT_TRUE(screen.watching);
    screen.lock();
    screen.lock();
    EXPECT_EQ(resets, 2);
    delegate->applicationWillTerminate();
}

TEST_F(AppDelegateLifecycle, LaterLaunchShowsTheNoticeAndHonoursTelemetryOff)
{
    settings().setHasCompletedOnboarding(true);
    env.defaults().setValue(QStringLiteral("telemetryEnabled"), false);
    delegate->applicationDidFinishLaunching();
    EXPECT_EQ(trace, (QStringList { QStringLiteral("telemetry"), QStringLiteral("updates") }));
    EXPECT_EQ(delegate->windows().activationPolicy(), ActivationPolicy::accessory);
    EXPECT_FALSE(delegate->windows().onboardingWindow());

    // The tray item is not found: polled every 0.15 s, then the notice appears
    // without an anchor at the 8 s deadline.
    EXPECT_FALSE(delegate->windows().launchPopoverWindow());
    env.scheduler().advance(7.9);
    EXPECT_FALSE(delegate->windows().launchPopoverWindow());
    EXPECT_GE(framePolls, 50);
    env.scheduler().advance(0.2);
    EXPECT_TRUE(delegate->windows().launchPopoverWindow());
    EXPECT_EQ(delegate->windows().activationPolicy(), ActivationPolicy::accessory); // borderless
    const int polls = framePolls;
    env.scheduler().advance(5);
    EXPECT_EQ(polls, framePolls);
    delegate->windows().hideLaunchPopover();
    EXPECT_FALSE(delegate->windows().launchPopoverWindow());
}

TEST_F(AppDelegateLifecycle, NoticeOffMeansNoPolling)
{
    settings().setHasCompletedOnboarding(true);
    settings().setShowLaunchMessage(false);
    delegate->applicationDidFinishLaunching();
    env.scheduler().advance(10);
    EXPECT_EQ(framePolls, 0);
    EXPECT_FALSE(delegate->windows().launchPopoverWindow());
}

TEST_F(AppDelegateLifecycle, LaunchNoticeHangsBelowItsAnchorInsideTheVisibleFrame)
{
    const QRect visible(0, 30, 1280, 994);
    const QSize size = TitledWindows::launchPopoverSize;
    // Near the right edge: shifted left to end 8 points from it.
    EXPECT_EQ(TitledWindows::position(size, QRect(1250, 0, 22, 30), visible), QPoint(1280 - 400 - 8, 32));
    // Near the left edge: kept 8 points in.
    EXPECT_EQ(TitledWindows::position(size, QRect(0, 0, 22, 30), visible), QPoint(8, 32));
    // Centered on an item in the middle.
    EXPECT_EQ(TitledWindows::position(size, QRect(600, 0, 40, 30), visible), QPoint(420, 32));
    // No anchor: the top-right corner of the visible frame.
    EXPECT_EQ(TitledWindows::position(size, std::nullopt, visible), QPoint(1280 - 400 - 12, 38));
}

// Without a compositor clear pixels would show black: the notice's window is
// then opaque and shaped to its outline, corners and the band beside the
// arrow left out; with one it stays translucent and unshaped.
TEST_F(AppDelegateLifecycle, WithoutACompositorTheLaunchNoticeIsShapedToItsOutline)
{
    settings().setHasCompletedOnboarding(true);
    settings().setShowLaunchMessage(true);
    env.sim().panelHints().windowSystem = true;
    for (const bool compositor : { false, true }) {
        SCOPED_TRACE(compositor);
        env.sim().panelHints().compositor = compositor;
        delegate->windows().presentLaunchPopover(std::nullopt);
        QWidget* notice = delegate->windows().launchPopoverWindow();
        ASSERT_TRUE(notice);
        EXPECT_EQ(notice->testAttribute(Qt::WA_TranslucentBackground), compositor);
        const QRegion shape = notice->mask();
        if (compositor) {
            EXPECT_TRUE(shape.isEmpty());
        } else {
            const int w = notice->width(), h = notice->height();
            EXPECT_TRUE(notice->autoFillBackground());
            for (const QPoint corner : { QPoint(1, LaunchPopover::arrowHeight + 1), QPoint(w - 2, h - 2),
                     QPoint(1, h - 2), QPoint(w - 2, LaunchPopover::arrowHeight + 1), QPoint(w / 2 - 30, 2) })
                EXPECT_FALSE(shape.contains(corner)) << corner.x() << "," << corner.y();
            for (const QPoint inside : { QPoint(w / 2, h / 2), QPoint(20, h / 2), QPoint(w - 20, h / 2),
                     QPoint(w / 2, LaunchPopover::arrowHeight + 2) })
                EXPECT_TRUE(shape.contains(inside)) << inside.x() << "," << inside.y();
        }
        delegate->windows().hideLaunchPopover();
    }
    env.sim().panelHints().windowSystem = false;
}

TEST_F(AppDelegateLifecycle, TitledWindowsKeepTheProcessRegularUntilTheLastCloses)
{
    settings().setHasCompletedOnboarding(true);
    settings().setShowLaunchMessage(false);
    delegate->applicationDidFinishLaunching();
    ASSERT_EQ(delegate->windows().activationPolicy(), ActivationPolicy::accessory);

    delegate->windows().openSettings();
    delegate->windows().showHelp();
    EXPECT_EQ(delegate->windows().activationPolicy(), ActivationPolicy::regular);
    EXPECT_EQ(delegate->windows().settingsWindow()->size(), TitledWindows::settingsWindowSize);
    QWidget* const firstSettings = delegate->windows().settingsWindow();
    delegate->windows().openSettings(); // shown again, not made again
    EXPECT_EQ(delegate->windows().settingsWindow(), firstSettings);
    EXPECT_EQ(trace.count(QStringLiteral("settings")), 1);

    closeWindow(delegate->windows().settingsWindow());
    EXPECT_FALSE(delegate->windows().settingsWindow());
    EXPECT_EQ(delegate->windows().activationPolicy(), ActivationPolicy::regular); // help still open
    QWidget* const help = delegate->windows().helpWindow();
    help->move(help->pos() + QPoint(40, 30));
    const QPoint movedTo = help->pos();
    closeWindow(help);
    EXPECT_EQ(delegate->windows().activationPolicy(), ActivationPolicy::accessory);

    // Closed windows are made anew, but for help, which is kept and comes
    // back where it was left.
    delegate->windows().openSettings();
    EXPECT_EQ(trace.count(QStringLiteral("settings")), 2);
    closeWindow(delegate->windows().settingsWindow());
    ASSERT_EQ(delegate->windows().helpWindow(), help);
    EXPECT_FALSE(help->isVisible());
    services.makeHelpView = nullptr; // it need not be made again
    delegate->windows().showHelp();
    EXPECT_EQ(delegate->windows().helpWindow(), help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->pos(), movedTo);
    EXPECT_EQ(trace.count(QStringLiteral("help")), 1);
    EXPECT_EQ(delegate->windows().activationPolicy(), ActivationPolicy::regular);
    closeWindow(help);

    // A view that does not exist yet: nothing is shown and the policy stays.
    services.makeSettingsView = nullptr;
    delegate->windows().openSettings();
    EXPECT_FALSE(delegate->windows().settingsWindow());
    EXPECT_EQ(delegate->windows().activationPolicy(), ActivationPolicy::accessory);
}

TEST_F(AppDelegateLifecycle, EscapeAndCtrlWCloseTheWindowsAsOnTheDesktop)
{
    settings().setHasCompletedOnboarding(true);
    settings().setShowLaunchMessage(false);
    delegate->applicationDidFinishLaunching();
    const auto closesWith = [](QWidget* window, QKeyCombination keys) {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            return false;
        QTest::keyClick(window, keys.key(), keys.keyboardModifiers());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return true;
    };
    delegate->windows().showHelp();
    ASSERT_TRUE(closesWith(delegate->windows().helpWindow(), QKeyCombination(Qt::Key_Escape)));
    EXPECT_FALSE(delegate->windows().helpWindow()->isVisible());
    delegate->windows().showHelp();
    ASSERT_TRUE(closesWith(delegate->windows().helpWindow(), Qt::CTRL | Qt::Key_W));
    EXPECT_FALSE(delegate->windows().helpWindow()->isVisible());

    available = true;
    delegate->windows().showUpdateNotice(true, true);
    ASSERT_TRUE(closesWith(delegate->windows().updateWindow(), QKeyCombination(Qt::Key_Escape)));
    EXPECT_FALSE(delegate->windows().updateWindow()->isVisible());
    delegate->windows().showUpdateNotice(true, true);
    ASSERT_TRUE(closesWith(delegate->windows().updateWindow(), Qt::CTRL | Qt::Key_W));
    EXPECT_FALSE(delegate->windows().updateWindow()->isVisible());

    // Escape in the settings window belongs to its sheets and fields.
    delegate->windows().openSettings();
    ASSERT_TRUE(closesWith(delegate->windows().settingsWindow(), QKeyCombination(Qt::Key_Escape)));
    EXPECT_TRUE(delegate->windows().settingsWindow());
    ASSERT_TRUE(closesWith(delegate->windows().settingsWindow(), Qt::CTRL | Qt::Key_W));
    EXPECT_FALSE(delegate->windows().settingsWindow());
}

TEST_F(AppDelegateLifecycle, ReopenOpensSettingsOrTheUnfinishedOnboarding)
{
    EXPECT_TRUE(delegate->applicationShouldHandleReopen());
    EXPECT_TRUE(delegate->windows().onboardingWindow());
    EXPECT_FALSE(delegate->windows().settingsWindow());

    settings().setHasCompletedOnboarding(true);
    // The onboarding window is still open: it is shown again.
    EXPECT_TRUE(delegate->applicationShouldHandleReopen());
    EXPECT_FALSE(delegate->windows().settingsWindow());
    EXPECT_EQ(trace.count(QStringLiteral("onboarding")), 1);

    closeWindow(delegate->windows().onboardingWindow());
    EXPECT_TRUE(delegate->applicationShouldHandleReopen());
    EXPECT_TRUE(delegate->windows().settingsWindow());
}

TEST_F(AppDelegateLifecycle, LanguageChangeRetitlesOpenWindowsButNotTheUpdateNotice)
{
    delegate->applicationDidFinishLaunching();
    delegate->windows().openSettings();
    delegate->windows().showHelp();
    available = true;
    delegate->windows().showUpdateNotice(true, true);
    ASSERT_TRUE(delegate->windows().updateWindow());
    const QString updateTitle = delegate->windows().updateWindow()->windowTitle();
    EXPECT_EQ(delegate->windows().settingsWindow()->windowTitle(), QStringLiteral("Kelvaro Settings"));

    settings().setLanguage(AppLanguage::german);
    EXPECT_EQ(delegate->windows().settingsWindow()->windowTitle(), QStringLiteral("Kelvaro-Einstellungen"));
    EXPECT_EQ(delegate->windows().helpWindow()->windowTitle(), QStringLiteral("Kelvaro-Hilfe"));
    EXPECT_EQ(delegate->windows().onboardingWindow()->windowTitle(), QStringLiteral("Willkommen bei Kelvaro"));
    EXPECT_EQ(delegate->windows().updateWindow()->windowTitle(), updateTitle);
    settings().setLanguage(AppLanguage::system);
}

TEST_F(AppDelegateLifecycle, UpdateNoticeAppearsOnlyForAnAvailableUpdate)
{
    settings().setHasCompletedOnboarding(true);
    settings().setShowLaunchMessage(false);
    delegate->applicationDidFinishLaunching();
    ASSERT_TRUE(updateFound);

    updateFound(false); // nothing available: silent
    EXPECT_FALSE(delegate->windows().updateWindow());
    EXPECT_EQ(delegate->windows().activationPolicy(), ActivationPolicy::accessory);

    available = true;
    updateFound(false); // a scheduled check: shown without taking the focus
    ASSERT_TRUE(delegate->windows().updateWindow());
    EXPECT_TRUE(delegate->windows().updateWindow()->isVisible());
    EXPECT_EQ(delegate->windows().activationPolicy(), ActivationPolicy::regular);
    ASSERT_TRUE(closeUpdate);
    QPointer<QWidget> shown = delegate->windows().updateWindow();
    closeUpdate();
    env.scheduler().runPending();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Closed, the window is kept (hidden) and its view is not made again.
    ASSERT_TRUE(shown);
    EXPECT_EQ(delegate->windows().updateWindow(), shown);
    EXPECT_FALSE(shown->isVisible());
    EXPECT_EQ(delegate->windows().activationPolicy(), ActivationPolicy::accessory);

    // The manual check shows the same window again whatever the outcome.
    available = false;
    const int made = trace.count(QStringLiteral("update"));
    delegate->checkForUpdates();
    EXPECT_EQ(delegate->windows().updateWindow(), shown);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(trace.count(QStringLiteral("update")), made);
}
