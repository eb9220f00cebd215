#include "app/AppDelegate.h"
#include "app/AppServices.h"
#include "core/AppSettings.h"
#include "core/Translations.h"
#include "onboarding/HelpView.h"
#include "onboarding/LaunchPopover.h"
#include "onboarding/OnboardingView.h"
#include "onboarding/PressDemoKeyStrip.h"
#include "onboarding/WizardArtwork.h"
#include "platform/sim/SimDesktopAccess.h"
#include "ringkit/WidgetMotion.h"
#include "platform/sim/SimDisplayPreferences.h"
#include "platform/sim/SimKeyTap.h"
#include "editors/HotkeyRecorder.h"
#include "editors/KeyStrip.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QGraphicsOpacityEffect>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QStyleOptionButton>
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
        const bool last = page == OnboardingView::lastPage;
        QPushButton* button = wizard.continueButton();
        EXPECT_EQ(button->text(), last ? QStringLiteral("Start Using Kelvaro") : QStringLiteral("Continue"));
        // Filled with the accent on the way, bordered on the last page.
        EXPECT_EQ(button->styleSheet() == primaryStyle, !last) << "page " << page;
        EXPECT_EQ(button->property("bordered").toBool(), last);
        EXPECT_GE(button->width(), button->sizeHint().width());
        // Focused after Return, the label keeps all the room it needs: the
        // focus ring takes no space from it.
        EXPECT_TRUE(button->hasFocus()) << "page " << page;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect label = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QFontMetrics metrics(button->font());
        EXPECT_GE(label.width(), metrics.horizontalAdvance(button->text())) << "page " << page;
        EXPECT_GE(label.height(), metrics.height()) << "page " << page;
        // The heading is a key cap.
        auto* heading = wizard.currentPage()->findChild<KeyCapTitle*>(QStringLiteral("pageTitle"));
        ASSERT_TRUE(heading);
        EXPECT_EQ(heading->text(), titles[page]);
        EXPECT_EQ(heading->depth(), 3);
        EXPECT_EQ(heading->corner(), 11);
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

namespace {
// Plays the virtual clock frame by frame for `seconds`, calling `each` after every frame.
template <typename Each> void playFrames(TestSupport::SimEnvironment& env, Each each, double seconds = 1.5)
{
    for (double t = 0; t < seconds; t += 1.0 / 60.0) {
        env.scheduler().advance(1.0 / 60.0);
        each();
    }
}
double opacityOf(QWidget* page)
{
    auto* effect = page ? qobject_cast<QGraphicsOpacityEffect*>(page->graphicsEffect()) : nullptr;
    return effect ? effect->opacity() : 1.0;
}
}

// Every change of the wizard moves on one spring, the page before fading
// out as the next fades in, and is immediate under Reduce Motion: a page
// change, the access page's shield turning as it is swapped, the shortcut
// box and the recorder trading places.
TEST_F(Onboarding, PageChangesShieldAndShortcutBoxMoveOnTheWizardsSpring)
{
    EXPECT_EQ(OnboardingView::pageAnimation(), RingAnimation::spring(0.28, 0.85));
    AnimationEngine::shared().setFrameInterval(1.0 / 60.0);
    desktop.accessibilityBus = false;
    OnboardingView wizard(env.platform(), [](bool) {});
    wizard.show();
    settle();

    auto fadesBothWays = [&](const char* what) {
        SCOPED_TRACE(what);
        QPointer<QWidget> outgoing = wizard.outgoingPage();
        QPointer<QWidget> incoming = wizard.currentPage();
        ASSERT_TRUE(outgoing);
        EXPECT_NE(outgoing, incoming);
        int both = 0;
        playFrames(env, [&] {
            const double in = opacityOf(incoming), out = outgoing ? opacityOf(outgoing) : 0.0;
            if (in > 0.05 && in < 0.95 && out > 0.05 && out < 0.95)
                ++both;
        });
        EXPECT_GE(both, 3) << "both pages part-way through together";
        settle();
        EXPECT_FALSE(outgoing);
        EXPECT_FALSE(wizard.outgoingPage());
        EXPECT_EQ(wizard.pageShown(), 1.0);
        EXPECT_FALSE(incoming->graphicsEffect());
    };
    wizard.advance();
    fadesBothWays("page change");
    wizard.advance();
    ASSERT_EQ(wizard.page(), 2);
    fadesBothWays("to the access page");

    // The access comes on: the shield is swapped and turns from -4 to 3 degrees.
    desktop.accessibilityBus = true;
    env.scheduler().advance(1.5);
    auto* shield = wizard.currentPage()->findChild<ChipIcon*>();
    ASSERT_TRUE(shield);
    EXPECT_EQ(shield->symbol(), QStringLiteral("checkmark.shield.fill"));
    EXPECT_EQ(shield->tilt(), 3);
    EXPECT_LT(shield->drawnTilt(), 2.5) << "still turning from -4";
    std::vector<double> tilts;
    playFrames(env, [&] { tilts.push_back(shield->drawnTilt()); });
    EXPECT_GE(std::count_if(tilts.begin(), tilts.end(), [](double t) { return t > -3.5 && t < 2.5; }), 3);
    EXPECT_EQ(tilts.back(), 3);
    settle();

    // The shortcut page: the recorder comes in on the spring, and the box back.
    wizard.advance();
    playFrames(env, [] {});
    settle();
    wizard.setChoosingShortcut(true);
    fadesBothWays("to the recorder");
    wizard.setChoosingShortcut(false);
    fadesBothWays("back to the box");

    // Under Reduce Motion: at once, nothing left fading.
    env.sim().displayPreferences().setReduceMotion(true);
    wizard.setChoosingShortcut(true);
    EXPECT_FALSE(wizard.outgoingPage());
    EXPECT_EQ(wizard.pageShown(), 1.0);
    wizard.advance();
    EXPECT_FALSE(wizard.outgoingPage());
    env.sim().displayPreferences().setReduceMotion(false);
    AnimationEngine::shared().setFrameInterval(0.0);
}

// The shortcut page's box shows each modifier cap with its printed name,
// 22 points above the steps, which stand 12 points apart; the page fits the
// wizard's page area, with the recorder too. Where a translation makes the
// recording page taller, it scrolls, still centred, and keeps every row whole.
TEST_F(Onboarding, ShortcutBoxCapsCarryTheirCaptionsAndTheStepsAreSpaced)
{
    settings().setHotkey(Hotkey(40, Modifier::Ctrl | Modifier::Alt), HotkeyRole::switcher);
    OnboardingView wizard(env.platform(), [](bool) {});
    wizard.show();
    for (int i = 0; i < 3; ++i)
        wizard.advance();
    settle();
    QCoreApplication::sendPostedEvents();
    QWidget* page = wizard.currentPage();
    auto* box = find<QWidget>(page, "shortcutBox");
    ASSERT_TRUE(box);
    auto* strip = box->findChild<KeyStrip*>();
    ASSERT_TRUE(strip);
    int modifiers = 0;
    for (const KeyStripItem& item : strip->items()) {
        if (!KeyStripItem::isModifierGlyph(item.glyph))
            continue;
        ++modifiers;
        EXPECT_TRUE(item.caption && !item.caption->isEmpty()) << item.glyph.toStdString();
    }
    EXPECT_EQ(modifiers, 2);

    QList<QWidget*> steps;
    for (QWidget* w : page->findChildren<QWidget*>(QStringLiteral("step")))
        steps << w;
    ASSERT_EQ(steps.size(), 3);
    auto top = [&](QWidget* w) { return w->mapTo(page, QPoint(0, 0)).y(); };
    auto bottom = [&](QWidget* w) { return top(w) + w->height(); };
    auto* reset = find<QWidget>(page, "useDefaultButton");
    ASSERT_TRUE(reset);
    EXPECT_EQ(top(steps[0]) - bottom(reset), 22);
    EXPECT_EQ(top(steps[1]) - bottom(steps[0]), 12);
    EXPECT_EQ(top(steps[2]) - bottom(steps[1]), 12);
    EXPECT_LE(page->minimumSizeHint().height(), page->height());
    auto* scroll = wizard.findChild<QScrollArea*>(QStringLiteral("pageScroll"));
    ASSERT_TRUE(scroll);
    EXPECT_EQ(scroll->verticalScrollBar()->maximum(), 0);
    EXPECT_NEAR(wizard.mapFromGlobal(box->mapToGlobal(box->rect().center())).x(), wizard.width() / 2, 1);

    env.sim().displayPreferences().setReduceMotion(true);
    wizard.setChoosingShortcut(true);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(scroll->verticalScrollBar()->maximum(), 0) << "the recorder fits in English";

    // Norwegian: a two-line subtitle and a two-line hint under the recorder.
    settings().setLanguage(AppLanguage::norwegian);
    QCoreApplication::sendPostedEvents();
    ASSERT_TRUE(wizard.isChoosingShortcut());
    page = wizard.currentPage();
    auto* recorder = find<QWidget>(page, "shortcutRecorder");
    ASSERT_TRUE(recorder);
    EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(scroll->verticalScrollBar()->value(), 0);
    EXPECT_EQ(page->height(), page->minimumSizeHint().height());
    for (QWidget* step : page->findChildren<QWidget*>(QStringLiteral("step"))) {
        EXPECT_GE(step->height(), 26);
        for (QWidget* part : step->findChildren<QWidget*>())
            EXPECT_TRUE(step->rect().contains(part->geometry()));
    }
    const int middle = wizard.mapFromGlobal(recorder->mapToGlobal(recorder->rect().center())).x();
    EXPECT_NEAR(middle, wizard.width() / 2, 1);
    env.sim().displayPreferences().setReduceMotion(false);
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
    const QList<QUrl>& opened = env.sim().linkOpener().opened;
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
}
