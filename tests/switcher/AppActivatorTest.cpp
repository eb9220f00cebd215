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
    EXPECT_TRUE(AppActivator::activateProcess(kBundle, QStringLiteral("Mail")));
    EXPECT_EQ(desktop->calls, QStringList {QStringLiteral("activate 7 all")});

    // Running but refusing: opened again by its own URL.
    desktop->calls.clear();
    desktop->apps.first().activationSucceeds = false;
    desktop->apps.first().bundleURL = QStringLiteral("/apps/own.desktop");
    desktop->installed.insert(QStringLiteral("own"), {QStringLiteral("/apps/own.desktop"), {}, true});
    EXPECT_TRUE(AppActivator::activateProcess(kBundle, QStringLiteral("Mail")));
    EXPECT_EQ(desktop->calls, (QStringList {QStringLiteral("activate 7 all"), QStringLiteral("open /apps/own.desktop")}));

    // Not running, installed: launched by the URL for its identifier.
    desktop->calls.clear();
    desktop->apps.clear();
    EXPECT_TRUE(AppActivator::activateProcess(kBundle, QStringLiteral("Mail")));
    EXPECT_EQ(desktop->calls, QStringList {QStringLiteral("open /apps/org.example.Mail.desktop")});
    EXPECT_TRUE(env.logLines().isEmpty());

    // Neither running nor installed.
    EXPECT_FALSE(AppActivator::activateProcess(QStringLiteral("org.example.Missing"), QStringLiteral("Missing")));
    EXPECT_EQ(env.logLines(), QStringList {QStringLiteral("Kelvaro: could not activate Missing")});
}

TEST_F(AppActivatorTest, LaunchThatFailsAtOnceIsNotReportedAsSuccess)
{
    desktop->apps.clear();
    desktop->installed[kBundle].launchSucceeds = false;
    EXPECT_FALSE(AppActivator::activateProcess(kBundle, QStringLiteral("Mail")));
    EXPECT_EQ(env.logLines(), QStringList {QStringLiteral("Kelvaro: could not activate Mail")});
}

TEST_F(AppActivatorTest, FrontWindowOnTheActiveSpaceActivatesWithAllWindows)
{
    desktop->addWindow(7, 70, QStringLiteral("Inbox"));
    EXPECT_TRUE(AppActivator::activate(kBundle, QStringLiteral("Mail")));
    EXPECT_EQ(desktop->calls, (QStringList {QStringLiteral("front 7 70"), QStringLiteral("activate 7 all")}));
}

TEST_F(AppActivatorTest, FrontWindowOnAnotherSpaceSwitchesAndActivatesWithoutOptions)
{
    desktop->addWindow(7, 70, QStringLiteral("Inbox")).space = 4;
    EXPECT_TRUE(AppActivator::activate(kBundle, QStringLiteral("Mail")));
    EXPECT_EQ(desktop->calls,
              (QStringList {QStringLiteral("switch Main 4"), QStringLiteral("front 7 70"), QStringLiteral("activate 7")}));

    // The option-less activation runs even when fronting worked, and either success is enough.
    desktop->calls.clear();
    desktop->activeSpaceID = 1;
    desktop->apps.first().activationSucceeds = false;
    EXPECT_TRUE(AppActivator::activate(kBundle, QStringLiteral("Mail")));
    EXPECT_EQ(desktop->calls.last(), QStringLiteral("activate 7"));

    // Both fail: activateProcess is the fallback.
    desktop->calls.clear();
    desktop->activeSpaceID = 1;
    desktop->frontProcessError = -50;
    EXPECT_TRUE(AppActivator::activate(kBundle, QStringLiteral("Mail")));
    EXPECT_EQ(desktop->calls, (QStringList {QStringLiteral("switch Main 4"), QStringLiteral("front 7 70"),
                                            QStringLiteral("activate 7"), QStringLiteral("activate 7 all"),
                                            QStringLiteral("open /apps/org.example.Mail.desktop")}));
}

TEST_F(AppActivatorTest, FailedSpaceLookupCountsAsNotActive)
{
    desktop->addWindow(7, 70, QStringLiteral("Inbox")).space = 5;
    desktop->spacesWithoutDisplay.insert(5);
    EXPECT_TRUE(AppActivator::activate(kBundle, QStringLiteral("Mail")));
    EXPECT_EQ(desktop->calls, (QStringList {QStringLiteral("front 7 70"), QStringLiteral("activate 7")}));
}

TEST_F(AppActivatorTest, ApplicationWithoutListableWindowGoesStraightToActivateProcess)
{
    desktop->addWindow(7, 70, QStringLiteral("Tiny")).bounds = QRectF(0, 0, 100, 100);
    RunningApp app {QStringLiteral("Mail"), {}, kBundle, false};
    EXPECT_TRUE(AppActivator::activate(app));
    EXPECT_EQ(desktop->calls, QStringList {QStringLiteral("activate 7 all")});
}

TEST(RunningAppTest, EqualityIsByBundleIdentifierAndThumbnailIsDoubleDensity)
{
    QImage red(10, 30, QImage::Format_ARGB32);
    red.fill(Qt::red);
    const RunningApp a {QStringLiteral("A"), red, QStringLiteral("org.example.Same"), true};
    const RunningApp b {QStringLiteral("B"), QImage(), QStringLiteral("org.example.Same"), false};
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.id(), b.id());
    EXPECT_FALSE(a == (RunningApp {QStringLiteral("A"), red, QStringLiteral("org.example.Other"), true}));

    const QImage thumb = RunningApp::thumbnail(red, 64);
    EXPECT_EQ(thumb.size(), QSize(128, 128));
    EXPECT_EQ(thumb.deviceIndependentSize(), QSizeF(64, 64));
    EXPECT_EQ(thumb.pixelColor(64, 64), QColor(Qt::red));
    EXPECT_EQ(RunningApp::thumbnail(red, 10.75).width(), 21); // truncated toward zero

    for (double bad : {0.0, -4.0, std::nan("")})
        EXPECT_EQ(RunningApp::thumbnail(red, bad), red);
    EXPECT_TRUE(RunningApp::thumbnail(QIcon(), 64).isNull());
    EXPECT_EQ(RunningApp::thumbnail(SimDesktop::solidIcon(Qt::green), 64).size(), QSize(128, 128));
}
