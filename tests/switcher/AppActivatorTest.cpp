#include "SwitcherFixture.h"

#include "switcher/AppActivator.h"
#include "ringkit/RunningApp.h"

namespace {
const QString kBundle = QStringLiteral("org.example.Mail");
}

class AppActivatorTest : public SwitcherFixture {
protected:
    void SetUp() override
    {
        SwitcherFixture::SetUp();
        desktop->addApp(7, kBundle, QStringLiteral("Mail"));
    }
};

TEST_F(AppActivatorTest, ActivateProcessActivatesRelaunchesOrReportsFailure)
{
    EXPECT_TRUE(AppActivator::activateProcess(platform, kBundle, QStringLiteral("Mail")));
    EXPECT_EQ(desktop->calls, QStringList { QStringLiteral("activate 7 all") });

    // Running but refusing: opened again by its own URL.
    desktop->calls.clear();
    desktop->apps.first().activationSucceeds = false;
    desktop->apps.first().bundleURL = QStringLiteral("/apps/own.desktop");
    desktop->installed.insert(QStringLiteral("own"), { QStringLiteral("/apps/own.desktop"), {}, true });
    EXPECT_TRUE(AppActivator::activateProcess(platform, kBundle, QStringLiteral("Mail")));
    EXPECT_EQ(
        desktop->calls, (QStringList { QStringLiteral("activate 7 all"), QStringLiteral("open /apps/own.desktop") }));

    // Not running, installed: launched by the URL for its identifier.
    desktop->calls.clear();
    desktop->apps.clear();
    EXPECT_TRUE(AppActivator::activateProcess(platform, kBundle, QStringLiteral("Mail")));
    EXPECT_EQ(desktop->calls, QStringList { QStringLiteral("open /apps/org.example.Mail.desktop") });
    EXPECT_TRUE(env.logLines().isEmpty());

    // Neither running nor installed.
    EXPECT_FALSE(
        AppActivator::activateProcess(platform, QStringLiteral("org.example.Missing"), QStringLiteral("Missing")));
    EXPECT_EQ(env.logLines(), QStringList { QStringLiteral("Kelvaro: could not activate Missing") });
}

TEST_F(AppActivatorTest, LaunchThatFailsAtOnceIsNotReportedAsSuccess)
{
    desktop->apps.clear();
    desktop->installed[kBundle].launchSucceeds = false;
    EXPECT_FALSE(AppActivator::activateProcess(platform, kBundle, QStringLiteral("Mail")));
    EXPECT_EQ(env.logLines(), QStringList { QStringLiteral("Kelvaro: could not activate Mail") });
}

TEST_F(AppActivatorTest, FrontWindowOnTheCurrentDesktopActivatesWithAllWindows)
{
    desktop->addWindow(7, 70, QStringLiteral("Inbox"));
    desktop->addWindow(7, 71, QStringLiteral("Everywhere")).desktop = Windows::allDesktops;
    EXPECT_TRUE(AppActivator::activate(platform, kBundle, QStringLiteral("Mail")));
    EXPECT_EQ(desktop->calls, (QStringList { QStringLiteral("raise 70"), QStringLiteral("activate 7 all") }));

    // A window on every desktop is on the current one too.
    desktop->calls.clear();
    desktop->allWindows.removeFirst();
    EXPECT_TRUE(AppActivator::activate(platform, kBundle, QStringLiteral("Mail")));
    EXPECT_EQ(desktop->calls, (QStringList { QStringLiteral("raise 71"), QStringLiteral("activate 7 all") }));
}

TEST_F(AppActivatorTest, FrontWindowOnAnotherDesktopSwitchesAndActivatesWithoutOptions)
{
    desktop->addWindow(7, 70, QStringLiteral("Inbox")).desktop = 3;
    EXPECT_TRUE(AppActivator::activate(platform, kBundle, QStringLiteral("Mail")));
    EXPECT_EQ(desktop->calls,
        (QStringList { QStringLiteral("switch 3"), QStringLiteral("raise 70"), QStringLiteral("activate 7") }));

    // The option-less activation runs even when raising worked, and either success is enough.
    desktop->calls.clear();
    desktop->currentDesktopNumber = 0;
    desktop->apps.first().activationSucceeds = false;
    EXPECT_TRUE(AppActivator::activate(platform, kBundle, QStringLiteral("Mail")));
    EXPECT_EQ(desktop->calls.last(), QStringLiteral("activate 7"));

    // No window manager: nothing can be switched, raised or activated, so it is launched.
    desktop->calls.clear();
    desktop->windowManager = false;
    EXPECT_TRUE(AppActivator::activate(platform, kBundle, QStringLiteral("Mail")));
    EXPECT_EQ(desktop->calls,
        (QStringList { QStringLiteral("raise 70"), QStringLiteral("activate 7"), QStringLiteral("activate 7 all"),
            QStringLiteral("open /apps/org.example.Mail.desktop") }));
}

TEST_F(AppActivatorTest, DesktopThatCannotBeSwitchedToCountsAsNotCurrent)
{
    desktop->addWindow(7, 70, QStringLiteral("Inbox")).desktop = 9; // beyond the four desktops
    EXPECT_TRUE(AppActivator::activate(platform, kBundle, QStringLiteral("Mail")));
    EXPECT_EQ(desktop->calls, (QStringList { QStringLiteral("raise 70"), QStringLiteral("activate 7") }));
    EXPECT_EQ(desktop->currentDesktopNumber, 0u);
}

TEST_F(AppActivatorTest, ApplicationWithoutAFrontWindowGoesStraightToActivateProcess)
{
    auto& tiny = desktop->addWindow(7, 70, QStringLiteral("Tiny"));
    tiny.frame = QRectF(0, 0, 100, 100);
    tiny.minimized = true;
    RunningApp app { QStringLiteral("Mail"), {}, kBundle, false };
    EXPECT_TRUE(AppActivator::activate(platform, app));
    EXPECT_EQ(desktop->calls, QStringList { QStringLiteral("activate 7 all") });
}

TEST(RunningAppTest, EqualityIsByBundleIdentifierAndThumbnailIsDoubleDensity)
{
    QImage red(10, 30, QImage::Format_ARGB32);
    red.fill(Qt::red);
    const RunningApp a { QStringLiteral("A"), red, QStringLiteral("org.example.Same"), true };
    const RunningApp b { QStringLiteral("B"), QImage(), QStringLiteral("org.example.Same"), false };
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.id(), b.id());
    EXPECT_FALSE(a == (RunningApp { QStringLiteral("A"), red, QStringLiteral("org.example.Other"), true }));

    const QImage thumb = RunningApp::thumbnail(red, 64);
    EXPECT_EQ(thumb.size(), QSize(128, 128));
    EXPECT_EQ(thumb.deviceIndependentSize(), QSizeF(64, 64));
    EXPECT_EQ(thumb.pixelColor(64, 64), QColor(Qt::red));
    EXPECT_EQ(RunningApp::thumbnail(red, 10.75).width(), 21); // truncated toward zero

    for (double bad : { 0.0, -4.0, std::nan("") })
        EXPECT_EQ(RunningApp::thumbnail(red, bad), red);
    EXPECT_TRUE(RunningApp::thumbnail(QIcon(), 64).isNull());
    EXPECT_EQ(RunningApp::thumbnail(SimDesktop::solidIcon(Qt::green), 64).size(), QSize(128, 128));
}
