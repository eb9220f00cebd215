#include "app/AppDelegate.h"
#include "app/AppServices.h"
#include "core/AppSettings.h"
#include "core/Translations.h"
#include "onboarding/HelpView.h"
#include "onboarding/LaunchPopover.h"
#include "onboarding/OnboardingView.h"
#include "onboarding/PressDemoKeyStrip.h"
#include "platform/sim/SimDesktopAccess.h"
#include "platform/sim/SimDisplayPreferences.h"
#include "platform/sim/SimKeyTap.h"
#include "editors/HotkeyRecorder.h"
#include "editors/KeyStrip.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QToolButton>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace {
AppSettings& settings() { return AppSettings::shared(); }

class Onboarding : public ::testing::Test {
protected:
    void SetUp() override { settings().setLanguage(AppLanguage::english); }
    void TearDown() override { settings().setLanguage(AppLanguage::system); }
    void settle()
    {
        env.scheduler().runPending();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Window shortcuts (Return) need the window to be the active one.
    static void showActive(QWidget* w)
    {
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
    template <typename T> T* find(QWidget* root, const char* name)
    {
        return root->findChild<T*>(QString::fromLatin1(name));
    }

    TestSupport::SimEnvironment env;
    SimDesktopAccess& desktop = env.sim().desktopAccess();
};
}

TEST_F(Onboarding, ReturnWalksTheFivePagesInOrderAndFinishesOnce)
{
    QList<bool> finishes;
    OnboardingView wizard(env.platform(), [&](bool fromLastPage) { finishes << fromLastPage; });
    showActive(&wizard);
    const QStringList titles { QStringLiteral("Choose your language"), QStringLiteral("Welcome to Kelvaro"),
        QStringLiteral("You're all set"), QStringLiteral("Your shortcut"),
        QStringLiteral("Kelvaro lives in the tray") };
    const QString primaryStyle = wizard.continueButton()->styleSheet();
    for (int page = 0; page < OnboardingView::pageCount; ++page) {
        EXPECT_EQ(wizard.page(), page);
        EXPECT_EQ(wizard.pageTitle(), titles[page]);
        EXPECT_EQ(wizard.continueButton()->text(),
            page == OnboardingView::lastPage ? QStringLiteral("Start Using Kelvaro") : QStringLiteral("Continue"));
        // The primary button on every page, with room for its title.
        EXPECT_EQ(wizard.continueButton()->styleSheet(), primaryStyle) << "page " << page;
        EXPECT_GE(wizard.continueButton()->width(), wizard.continueButton()->sizeHint().width());
        // A heading, not a raised title that reads as a button.
        EXPECT_TRUE(qobject_cast<QLabel*>(wizard.currentPage()->findChild<QWidget*>(QStringLiteral("pageTitle"))));
        if (page == 0) {
            // Names in other scripts do not make their tiles taller than the rest.
            QSet<int> heights;
            for (QAbstractButton* tile : wizard.currentPage()->findChildren<QAbstractButton*>()) {
                if (tile->property("language").isValid() && tile->property("language") != QStringLiteral("system"))
                    heights << tile->height();
            }
            EXPECT_EQ(heights.size(), 1);
        }
        QTest::keyClick(&wizard, Qt::Key_Return);
        settle();
    }
    // Return on the last page finishes from it; pressing again (the owner is
    // closing the window) does not finish a second time, and the page stays.
    EXPECT_EQ(finishes, QList<bool> { true });
    QTest::keyClick(&wizard, Qt::Key_Return);
    wizard.skipButton()->click();
    EXPECT_EQ(finishes, QList<bool> { true });
    EXPECT_EQ(wizard.page(), OnboardingView::lastPage);

    // "Skip" ends at once from any page, without moving.
    QList<bool> skipped;
    OnboardingView other(env.platform(), [&](bool fromLastPage) { skipped << fromLastPage; });
    other.skipButton()->click();
    EXPECT_EQ(skipped, QList<bool> { false });
    EXPECT_EQ(other.page(), 0);
}

TEST_F(Onboarding, ClosingTheWizardStartsOverWhileReopeningAnOpenOneKeepsItsPage)
{
    // The way back to the start: a closed wizard is made anew on page 0; one
    // still open is brought forward where it was.
    AppServices services = AppServices::builtIn(env.platform());
    services.startUpdateChecks = nullptr;
    services.telemetryShowNoticeIfNeeded = nullptr;
    {
        int flagWrites = 0;
        QObject counting;
        settings().onChange(&counting, { AppSettings::Key::hasCompletedOnboarding }, [&] { ++flagWrites; });
        AppDelegate delegate(env.platform(), services);
        delegate.applicationDidFinishLaunching();
        auto wizard = [&] { return delegate.windows().onboardingWindow()->findChild<OnboardingView*>(); };
        ASSERT_TRUE(delegate.windows().onboardingWindow());
        wizard()->advance();
        wizard()->advance();
        delegate.showOnboarding();
        EXPECT_EQ(wizard()->page(), 2);

        delegate.windows().onboardingWindow()->close();
        settle();
        EXPECT_FALSE(delegate.windows().onboardingWindow());
        EXPECT_FALSE(settings().hasCompletedOnboarding()); // closing is not finishing
        delegate.showOnboarding();
        ASSERT_TRUE(delegate.windows().onboardingWindow());
        EXPECT_EQ(wizard()->page(), 0);

        // Finishing from the last page, with Return pressed twice: the flag is
        // written once, the window goes and the settings open.
        for (int i = 0; i < OnboardingView::lastPage; ++i)
            wizard()->advance();
        OnboardingView* last = wizard();
        showActive(last->window());
        QTest::keyClick(last, Qt::Key_Return);
        QTest::keyClick(last, Qt::Key_Return);
        settle();
        EXPECT_TRUE(settings().hasCompletedOnboarding());
        EXPECT_EQ(flagWrites, 1);
        EXPECT_EQ(env.defaults().value(QStringLiteral("hasCompletedOnboarding")), QVariant(true));
        EXPECT_FALSE(delegate.windows().onboardingWindow());
        EXPECT_TRUE(delegate.windows().settingsWindow());
    }
}

TEST_F(Onboarding, ChoosingALanguageOnTheFirstPageRedrawsItInThatLanguage)
{
    const char* note = "The rest of this guide uses your choice.";
    ASSERT_NE(Translations::translate(note, QStringLiteral("de")), QString::fromLatin1(note));
    OnboardingView wizard(env.platform(), [](bool) {});
    wizard.show();
    QAbstractButton* deutsch = nullptr;
    for (QAbstractButton* b : wizard.currentPage()->findChildren<QAbstractButton*>()) {
        if (b->property("language").toString() == QLatin1String("de"))
            deutsch = b;
    }
    ASSERT_TRUE(deutsch);
    deutsch->click();
    settle();
    EXPECT_EQ(wizard.page(), 0);
    EXPECT_EQ(wizard.pageTitle(), Translations::translate("Choose your language", QStringLiteral("de")));
    QStringList texts;
    for (QLabel* l : wizard.currentPage()->findChildren<QLabel*>())
        texts << l->text();
    EXPECT_TRUE(texts.contains(Translations::translate(note, QStringLiteral("de"))))
        << texts.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(wizard.skipButton()->text(), Translations::translate("Skip", QStringLiteral("de")));
}

TEST_F(Onboarding, AccessPageFollowsTheDesktopLiveAndItsButtonTurnsTheBusOn)
{
    desktop.accessibilityBus = false;
    OnboardingView wizard(env.platform(), [](bool) {});
    wizard.show();
    settle();
    wizard.advance();
    wizard.advance();
    EXPECT_EQ(wizard.pageTitle(), QStringLiteral("Let Kelvaro see your shortcut"));
    auto* button = find<QPushButton>(wizard.currentPage(), "accessButton");
    ASSERT_TRUE(button);
    EXPECT_EQ(button->text(), QStringLiteral("Turn On the Accessibility Bus"));
    button->click();
    EXPECT_EQ(desktop.enableRequests, 1);

    desktop.accessibilityBus = true; // the bus came on
    env.scheduler().advance(1.5);
    settle();
    EXPECT_EQ(wizard.pageTitle(), QStringLiteral("You're all set"));
    EXPECT_FALSE(find<QPushButton>(wizard.currentPage(), "accessButton"));

    // Hidden, the wizard stops asking.
    wizard.hide();
    EXPECT_FALSE(wizard.permissions().isMonitoring());
}

TEST_F(Onboarding, ShortcutPageRecordsOrRestoresTheDefault)
{
    settings().setHotkey(Hotkey(40, Modifier::Ctrl | Modifier::Alt), HotkeyRole::switcher);
    OnboardingView wizard(env.platform(), [](bool) {});
    wizard.show();
    for (int i = 0; i < 3; ++i)
        wizard.advance();
    settle();
    ASSERT_TRUE(wizard.currentPage()->findChild<PressDemoKeyStrip*>());
    auto* record = find<QToolButton>(wizard.currentPage(), "recordButton");
    ASSERT_TRUE(record);
    record->click();
    settle();
    EXPECT_TRUE(wizard.isChoosingShortcut());
    auto* recorder = find<HotkeyRecorder>(wizard.currentPage(), "shortcutRecorder");
    ASSERT_TRUE(recorder);
    EXPECT_TRUE(recorder->session().isRecording()); // at once, without another click

    find<QPushButton>(wizard.currentPage(), "useDefaultButton")->click();
    settle();
    EXPECT_FALSE(wizard.isChoosingShortcut());
    EXPECT_EQ(settings().switcherHotkey(), AppSettings::defaultSwitcherHotkey);
    EXPECT_FALSE(find<HotkeyRecorder>(wizard.currentPage(), "shortcutRecorder"));
}

TEST(LaunchNoticePlacement, HangsFromTheIconOnItsScreenOrSitsInTheCorner)
{
    using namespace LaunchPopover;
    const QSize s(400, 220);
    const QList<ScreenArea> screens { { QRect(0, 0, 1280, 1024), QRect(0, 30, 1280, 994) },
        { QRect(1280, 0, 1920, 1080), QRect(1280, 0, 1920, 1040) } };
    // A top panel: under the icon, 2 points clear, pointing up at its middle.
    EXPECT_EQ(place(s, QRect(1000, 1, 22, 28), screens), (Placement { { 811, 31 }, 200, false }));
    // Near the right edge: kept 8 points in, the arrow still on the icon.
    EXPECT_EQ(place(s, QRect(1257, 1, 22, 28), screens), (Placement { { 872, 31 }, 396, false }));
    // A bottom panel on the second screen: above the icon, pointing down.
    EXPECT_EQ(place(s, QRect(2000, 1045, 24, 30), screens), (Placement { { 1812, 823 }, 200, true }));
    // No position from the tray: the top-right corner of the primary screen's free area.
    EXPECT_EQ(place(s, std::nullopt, screens), (Placement { { 868, 38 }, 200, false }));
    // An empty frame, or one on no screen, is no position.
    EXPECT_FALSE(usableIconFrame(QRect(), screens));
    EXPECT_FALSE(usableIconFrame(QRect(-500, -500, 22, 22), screens));
    EXPECT_TRUE(usableIconFrame(QRect(1257, 1, 22, 28), screens));
}

TEST_F(Onboarding, LaunchNoticeShowsOnlyWhenWantedAndGoesOnItsOwnActions)
{
    AppServices services = AppServices::builtIn(env.platform());
    services.makeSettingsView = [] { return new QLabel(QStringLiteral("settings")); };
    std::optional<QRect> icon;
    services.menuBarItemFrame = [&] { return icon; };
    {
        TitledWindows windows(env.platform(), services);
        // Turned off while waiting for the tray: nothing shows.
        windows.showLaunchPopoverIfEnabled();
        settings().setShowLaunchMessage(false);
        env.scheduler().advance(9);
        EXPECT_FALSE(windows.launchPopoverWindow());

        settings().setShowLaunchMessage(true);
        icon = QRect(600, 0, 22, 28);
        windows.showLaunchPopoverIfEnabled(); // found at once
        ASSERT_TRUE(windows.launchPopoverWindow());
        auto* view = windows.launchPopoverWindow()->findChild<LaunchPopoverView*>();
        ASSERT_TRUE(view);
        EXPECT_EQ(view->hintText(), QStringLiteral("Press Ctrl+Shift+A to open the ring"));
        windows.showLaunchPopoverIfEnabled(); // never two
        EXPECT_EQ(windows.launchPopoverWindow()->findChildren<LaunchPopoverView*>().size(), 1);

        // The checkbox changes the setting and leaves the notice up.
        view->showAtLaunch()->click();
        EXPECT_FALSE(settings().showLaunchMessage());
        EXPECT_TRUE(windows.launchPopoverWindow());
        view->showAtLaunch()->click();

        // Escape puts it away; "Settings…" puts it away and opens the settings.
        QTest::keyClick(view, Qt::Key_Escape);
        EXPECT_FALSE(windows.launchPopoverWindow());
        settle();
        windows.presentLaunchPopover(icon);
        windows.launchPopoverWindow()->findChild<LaunchPopoverView*>()->settingsButton()->click();
        EXPECT_FALSE(windows.launchPopoverWindow());
        EXPECT_TRUE(windows.settingsWindow());

        // With neither hotkey, it says so instead of showing keys.
        settings().setHotkey(std::nullopt, HotkeyRole::switcher);
        settings().setHotkey(std::nullopt, HotkeyRole::launcher);
        LaunchPopoverView bare(200, false, {}, {});
        EXPECT_EQ(bare.hintText(), QStringLiteral("No shortcut is assigned yet. Open Settings to choose one."));
        EXPECT_FALSE(bare.findChild<PressDemoKeyStrip*>());
        settings().resetHotkey(HotkeyRole::switcher);
        settings().resetHotkey(HotkeyRole::launcher);
        settle();
    }
}

TEST_F(Onboarding, PressDemoActsOutTheHotkeyWhileShownAndHoldsStillWithReducedMotion)
{
    PressDemoKeyStrip demo(AppSettings::defaultSwitcherHotkey, 72, true);
    demo.show();
    auto state = [&] { return std::pair { demo.modifiersPressed(), demo.keyPressed() }; };
    env.scheduler().advance(0.5);
    EXPECT_EQ(state(), std::pair(false, false));
    env.scheduler().advance(0.1); // 0.6: modifiers down
    EXPECT_EQ(state(), std::pair(true, false));
    env.scheduler().advance(0.65); // 1.25: key down
    EXPECT_EQ(state(), std::pair(true, true));
    EXPECT_TRUE(demo.items().last().isPressed);
    env.scheduler().advance(0.42); // 1.67: key up
    EXPECT_EQ(state(), std::pair(true, false));
    env.scheduler().advance(0.38); // 2.05: modifiers up
    EXPECT_EQ(state(), std::pair(false, false));
    env.scheduler().advance(0.75); // the next cycle
    EXPECT_EQ(state(), std::pair(true, false));

    demo.hide(); // stops where it is
    env.scheduler().advance(10);
    EXPECT_EQ(state(), std::pair(true, false));
    EXPECT_FALSE(demo.isRunning());

    auto* still = &env.sim().displayPreferences();
    still->setReduceMotion(true);
    PressDemoKeyStrip calm(AppSettings::defaultSwitcherHotkey, 72, true);
    calm.show();
    env.scheduler().advance(5);
    const auto items = calm.items();
    ASSERT_EQ(items.size(), 3);
    EXPECT_TRUE(items[0].isPressed && items[1].isPressed);
    EXPECT_FALSE(items[2].isPressed);
    EXPECT_FALSE(calm.isRunning());
}

TEST_F(Onboarding, HelpShowsTheCalloutOnlyWhileSomethingIsMissingAndOpensItsLinks)
{
    desktop.accessibilityBus = false;
    QList<QUrl> opened;
    HelpView::setUrlOpener([&](const QUrl& url) {
        opened << url;
        return true;
    });
    HelpView help(env.platform());
    help.show();
    settle();
    EXPECT_TRUE(help.showsCallout());
    desktop.accessibilityBus = true;
    env.scheduler().advance(1.5);
    settle();
    EXPECT_FALSE(help.showsCallout());

    for (QPushButton* b : help.findChildren<QPushButton*>()) {
        if (b->text() == QLatin1String("Contact Support") || b->text() == QLatin1String("Privacy Policy"))
            b->click();
    }
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(opened[0].path(), SupportLinks::supportAddress());
    EXPECT_EQ(QUrlQuery(opened[0]).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
        QStringLiteral("Kelvaro ") + HelpView::version() + QStringLiteral(" — Support"));
    EXPECT_EQ(opened[1], SupportLinks::privacy());
    EXPECT_TRUE(HelpView::version().contains(QLatin1String(" (")));
    HelpView::setUrlOpener({});
}
