#include "SwitcherFixture.h"

#include "switcher/AppWindows.h"

namespace {
const QString kBundle = QStringLiteral("org.example.Editor");

QStringList titles(const QList<AppWindow>& list)
{
    QStringList out;
    for (const AppWindow& w : list)
        out << w.title;
    return out;
}
}

class AppWindowsTest : public SwitcherFixture {
protected:
    void SetUp() override
    {
        SwitcherFixture::SetUp();
        desktop->addApp(42, kBundle, QStringLiteral("Editor"));
    }
    SimDesktop::Window& offSpace(quint32 number, QSizeF size)
    {
        auto& w = desktop->addWindow(42, number, QString());
        w.inElements = false;
        w.onscreen = false;
        w.name = std::nullopt;
        w.bounds = QRectF(QPointF(0, 0), size);
        w.space = 2;
        return w;
    }
};

TEST_F(AppWindowsTest, MergesElementsWithWindowListAndSkipsWhatIsNotShown)
{
    desktop->addWindow(42, 11, QStringLiteral("  Notes.txt \n"));
    desktop->addWindow(42, 12, QStringLiteral("Todo.txt"));
    desktop->addWindow(42, 13, QStringLiteral("Minimised")).minimized = true;
    offSpace(14, QSizeF(1440, 900));              // full screen on another Space, no element
    offSpace(15, QSizeF(800, 600));               // ordinary window on another Space, no element
    offSpace(16, QSizeF(1440, 875)).name = QStringLiteral("Movie"); // visible-frame sized, named

    const auto list = AppWindows::windows(kBundle, QStringLiteral("Editor"));
    EXPECT_EQ(titles(list), (QStringList {QStringLiteral("Notes.txt"), QStringLiteral("Todo.txt"),
                                          QStringLiteral("Full Screen"), QStringLiteral("Movie")}));
    ASSERT_EQ(list.size(), 4);
    EXPECT_EQ(list[0].id, kBundle + QStringLiteral("#cg11"));
    EXPECT_EQ(list[0].appName, QStringLiteral("Editor"));
    EXPECT_TRUE(list[0].element.has_value());
    EXPECT_EQ(list[2].id, kBundle + QStringLiteral("#cg14"));
    EXPECT_FALSE(list[2].element.has_value());
    EXPECT_EQ(list[2].cgWindowID, 14u);
    // The minimised window's number was seen: its window-list entry does not come back.
    for (const AppWindow& w : list)
        EXPECT_NE(w.cgWindowID, 13u);
}

TEST_F(AppWindowsTest, UntitledWindowsAreNumberedAndSmallOnesSkipped)
{
    for (QSizeF size : {QSizeF(800, 600), QSizeF(239, 500), QSizeF(240, 160)}) {
        auto& w = desktop->addWindow(42, 0, QString());
        w.number = std::nullopt; // no window number at all
        w.title = std::nullopt;
        w.size = size;
    }
    const auto list = AppWindows::windows(kBundle, QStringLiteral("Editor"));
    EXPECT_EQ(titles(list), (QStringList {QStringLiteral("Window 1"), QStringLiteral("Window 2")}));
    ASSERT_EQ(list.size(), 2);
    // Without a number the identifier is the element's position (all elements counted) and title.
    EXPECT_EQ(list[0].id, kBundle + QStringLiteral("#0#Window 1"));
    EXPECT_EQ(list[1].id, kBundle + QStringLiteral("#2#Window 2"));
    EXPECT_EQ(AppWindows::windows(kBundle, QStringLiteral("Editor"))[1].id, list[1].id); // stable
}

TEST_F(AppWindowsTest, PalettesDialogsAndOtherRolesAreNeverListed)
{
    desktop->addWindow(42, 21, QStringLiteral("Palette")).subrole = QStringLiteral("AXFloatingWindow");
    desktop->addWindow(42, 22, QStringLiteral("Alert")).subrole = QStringLiteral("AXSystemDialog");
    desktop->addWindow(42, 23, QStringLiteral("Panel")).subrole = QStringLiteral("AXSystemFloatingWindow");
    desktop->addWindow(42, 24, QStringLiteral("Sheet")).role = QStringLiteral("AXSheet");
    auto& full = desktop->addWindow(42, 25, QStringLiteral("Full"));
    full.role = QStringLiteral("AXUnknown");
    full.fullScreen = true;
    // Their numbers were seen, so their window-list entries stay out too.
    EXPECT_EQ(titles(AppWindows::windows(kBundle, QString())), QStringList {QStringLiteral("Full")});
}

TEST_F(AppWindowsTest, FocusedWindowAlsoInWindowsListAppearsOnce)
{
    auto& w = desktop->addWindow(42, 31, QStringLiteral("One"));
    desktop->focusedWindow.insert(42, w.handle);
    desktop->mainWindow.insert(42, w.handle);
    EXPECT_EQ(AppWindows::axWindows(42).size(), 1);
    EXPECT_EQ(AppWindows::windows(kBundle, QString()).size(), 1);
}

TEST_F(AppWindowsTest, FullScreenSizeToleranceIsBelowEightPoints)
{
    EXPECT_TRUE(AppWindows::looksFullscreen(QRectF(0, 0, 1440 - 7.9, 900 - 7.9)));
    EXPECT_FALSE(AppWindows::looksFullscreen(QRectF(0, 0, 1440 - 8, 900 - 8)));
    EXPECT_FALSE(AppWindows::looksFullscreen(QRectF(0, 0, 1440 - 7.9, 900 - 8)));
    EXPECT_TRUE(AppWindows::looksFullscreen(QRectF(500, 500, 1440, 875))); // origins never matter
    screens->list.first().frame = QRectF(0, 0, 100, 100);
    screens->list.first().visibleFrame = QRectF(0, 0, 100, 100);
    EXPECT_FALSE(AppWindows::looksFullscreen(QRectF(0, 0, 100, 100))); // too small to count

    screens->list.first().frame = QRectF(0, 0, 1440, 900);
    offSpace(41, QSizeF(1440 - 7.9, 900 - 7.9));
    offSpace(42, QSizeF(1440 - 8, 900 - 8));
    const auto list = AppWindows::windows(kBundle, QString());
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].cgWindowID, 41u);
}

TEST_F(AppWindowsTest, AttributesAreReadLeniently)
{
    auto& w = desktop->addWindow(42, 51, QStringLiteral("Numbers"));
    w.attributeOverrides.insert(QStringLiteral("AXMinimized"), 1); // a number stands for a Bool
    desktop->addWindow(42, 52, QStringLiteral("Odd")).attributeOverrides.insert(QStringLiteral("AXTitle"), 7);
    auto& odd = desktop->allWindows.last();
    odd.name = std::nullopt;
    odd.size = QSizeF(300, 200);
    // A title of another type counts as absent: the size decides, then "Window 1".
    EXPECT_EQ(titles(AppWindows::windows(kBundle, QString())), QStringList {QStringLiteral("Window 1")});
}

TEST_F(AppWindowsTest, RefusedElementsLeaveOnlyWindowListWindows)
{
    desktop->apps.first().elementsReadable = false;
    desktop->addWindow(42, 61, QStringLiteral("Shown"));
    auto& hidden = desktop->addWindow(42, 62, QStringLiteral("Elsewhere"));
    hidden.onscreen = false;
    const auto list = AppWindows::windows(kBundle, QString());
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].title, QStringLiteral("Shown"));
    EXPECT_FALSE(list[0].element.has_value());

    desktop->windowListAvailable = false;
    EXPECT_TRUE(AppWindows::windows(kBundle, QString()).isEmpty());
    EXPECT_TRUE(AppWindows::windows(QStringLiteral("org.example.NotRunning"), QString()).isEmpty());
}

TEST_F(AppWindowsTest, FrontWindowPrefersMainThenFullScreenThenLargest)
{
    EXPECT_EQ(AppWindows::frontWindowID(42), std::nullopt);
    auto small = desktop->addWindow(42, 71, QStringLiteral("Small")).handle;
    desktop->allWindows.last().bounds = QRectF(0, 0, 239, 400);
    desktop->addWindow(42, 72, QStringLiteral("A")).bounds = QRectF(0, 0, 600, 400);
    desktop->addWindow(42, 73, QStringLiteral("B")).bounds = QRectF(0, 0, 400, 600); // same area: A stays
    desktop->addWindow(42, 74, QStringLiteral("Clear")).alpha = 0.0;
    desktop->allWindows.last().bounds = QRectF(0, 0, 1000, 800);
    EXPECT_EQ(AppWindows::frontWindowID(42), 72u);

    offSpace(75, QSizeF(1440, 900)); // full screen wins over a larger area, on screen or not
    EXPECT_EQ(AppWindows::frontWindowID(42), 75u);

    desktop->focusedWindow.insert(42, small);
    EXPECT_EQ(AppWindows::frontWindowID(42), 71u);
}

// ---- Raising -------------------------------------------------------------------

class RaiseTest : public AppWindowsTest {
protected:
    AppWindow listed(const QString& title)
    {
        for (const AppWindow& w : AppWindows::windows(kBundle, QStringLiteral("Editor"))) {
            if (w.title == title)
                return w;
        }
        ADD_FAILURE() << "no window " << title.toStdString();
        return {};
    }
};

TEST_F(RaiseTest, WindowOnAnotherSpaceIsBroughtForwardAndRetriesStopOnceFocused)
{
    auto& w = desktop->addWindow(42, 81, QStringLiteral("Far"));
    w.space = 3;
    const QString h = QString::number(w.handle);
    AppWindows::raise(listed(QStringLiteral("Far")));
    EXPECT_EQ(desktop->calls,
              (QStringList {QStringLiteral("switch Main 3"), QStringLiteral("front 42 81"), QStringLiteral("activate 42"),
                            QStringLiteral("set window %1 AXMinimized false").arg(h),
                            QStringLiteral("set app 42 AXMainWindow %1").arg(h),
                            QStringLiteral("set app 42 AXFocusedWindow %1").arg(h),
                            QStringLiteral("set window %1 AXMain true").arg(h),
                            QStringLiteral("set window %1 AXFocused true").arg(h),
                            QStringLiteral("action window %1 AXRaise").arg(h)}));
    desktop->calls.clear();
    env.scheduler().advance(5.0);
    EXPECT_TRUE(desktop->calls.isEmpty()) << desktop->calls.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(env.scheduler().pendingCount(), 0u);
}

TEST_F(RaiseTest, UnconfirmedFocusIsRetriedTwelveTimesEveryTwelveHundredths)
{
    desktop->addWindow(42, 91, QStringLiteral("Stubborn"));
    desktop->acceptsFocus = false;
    AppWindows::raise(listed(QStringLiteral("Stubborn")));
    EXPECT_EQ(countCalls(QStringLiteral("front")), 1);
    env.scheduler().advance(0.115);
    EXPECT_EQ(countCalls(QStringLiteral("front")), 1);
    env.scheduler().advance(0.01); // 0.125: the first retry ran at 0.12
    EXPECT_EQ(countCalls(QStringLiteral("front")), 2);
    env.scheduler().advance(1.2); // 1.325: retries up to 1.32
    EXPECT_EQ(countCalls(QStringLiteral("front")), 12);
    env.scheduler().advance(0.2); // the twelfth and last at 1.44
    EXPECT_EQ(countCalls(QStringLiteral("front")), 13);
    env.scheduler().advance(10);
    EXPECT_EQ(countCalls(QStringLiteral("front")), 13);
    EXPECT_EQ(countCalls(QStringLiteral("action")), 13);
}

TEST_F(RaiseTest, RetriesStopAtTheFirstCheckThatFindsTheWindowFocused)
{
    desktop->addWindow(42, 92, QStringLiteral("Late"));
    desktop->acceptsFocus = false;
    AppWindows::raise(listed(QStringLiteral("Late")));
    env.scheduler().advance(0.25); // two retries refused
    desktop->acceptsFocus = true;
    env.scheduler().advance(0.12); // the third retry focuses it
    EXPECT_EQ(countCalls(QStringLiteral("front")), 4);
    env.scheduler().advance(5);
    EXPECT_EQ(countCalls(QStringLiteral("front")), 4);
}

TEST_F(RaiseTest, ANewRaiseEndsTheRetriesOfThePreviousOne)
{
    desktop->addWindow(42, 93, QStringLiteral("First"));
    desktop->addWindow(42, 94, QStringLiteral("Second"));
    desktop->acceptsFocus = false;
    AppWindows::raise(listed(QStringLiteral("First")));
    env.scheduler().advance(0.13);
    AppWindows::raise(listed(QStringLiteral("Second")));
    env.scheduler().advance(5);
    EXPECT_EQ(countCalls(QStringLiteral("front 42 93")), 2);
    EXPECT_EQ(countCalls(QStringLiteral("front 42 94")), 13);
}

TEST_F(RaiseTest, MinimisedWindowIsRestoredBeforeItIsRaised)
{
    auto& w = desktop->addWindow(42, 95, QStringLiteral("Docked"));
    AppWindow window {kBundle + QStringLiteral("#cg95"), QStringLiteral("Docked"), QStringLiteral("Editor"), kBundle,
                      desktop->element(w), 95u};
    w.minimized = true;
    const QString h = QString::number(w.handle);
    AppWindows::raise(window);
    const auto restore = desktop->calls.indexOf(QStringLiteral("set window %1 AXMinimized false").arg(h));
    const auto raiseAt = desktop->calls.indexOf(QStringLiteral("action window %1 AXRaise").arg(h));
    ASSERT_GE(restore, 0);
    EXPECT_LT(restore, raiseAt);
    EXPECT_FALSE(desktop->window(w.handle)->minimized);
}

TEST_F(RaiseTest, WindowListOnlyWindowIsFocusedFromTheFirstRetry)
{
    auto& w = desktop->addWindow(42, 96, QStringLiteral("Hidden element"));
    AppWindow window {kBundle + QStringLiteral("#cg96"), QStringLiteral("Hidden element"), QStringLiteral("Editor"),
                      kBundle, std::nullopt, 96u};
    AppWindows::raise(window);
    EXPECT_EQ(countCalls(QStringLiteral("set")), 0);
    EXPECT_EQ(countCalls(QStringLiteral("front 42 96")), 1);
    env.scheduler().advance(0.12);
    EXPECT_EQ(countCalls(QStringLiteral("set window %1 AXFocused").arg(w.handle)), 1);
    env.scheduler().advance(5);
    EXPECT_EQ(countCalls(QStringLiteral("front")), 2); // confirmed at the second check
}

TEST_F(RaiseTest, WindowWithoutNumberRunsEveryRetryAndIsFoundByTitleThenFullScreen)
{
    auto& a = desktop->addWindow(42, 0, QStringLiteral("Plain"));
    a.number = std::nullopt;
    auto& b = desktop->addWindow(42, 0, QStringLiteral("Movie"));
    b.number = std::nullopt;
    b.fullScreen = true;
    const auto ha = desktop->allWindows[0].handle, hb = desktop->allWindows[1].handle;
    EXPECT_EQ(AppWindows::resolveAXWindow(42, std::nullopt, QStringLiteral(" Plain ")), desktop->element(desktop->allWindows[0]));
    // "Full Screen" is never looked up by title.
    desktop->allWindows[0].title = QStringLiteral("Full Screen");
    EXPECT_EQ(AppWindows::resolveAXWindow(42, std::nullopt, QStringLiteral("Full Screen"))->handle, hb);
    EXPECT_EQ(AppWindows::resolveAXWindow(42, std::nullopt, QStringLiteral("Nothing"))->handle, hb);
    desktop->allWindows[1].fullScreen = false;
    EXPECT_EQ(AppWindows::resolveAXWindow(42, std::nullopt, QStringLiteral("Nothing")), std::nullopt);
    desktop->allWindows.removeLast();
    EXPECT_EQ(AppWindows::resolveAXWindow(42, std::nullopt, QStringLiteral("Nothing"))->handle, ha); // the only one
    // With a number, only the number counts.
    EXPECT_EQ(AppWindows::resolveAXWindow(42, 12345u, QStringLiteral("Full Screen")), std::nullopt);

    // Once focused, the element is also the focused and main window: without a number
    // it is listed three times and is no longer "the only one"; the full-screen rule still finds it.
    desktop->allWindows[0].fullScreen = true;
    AppWindows::raise(AppWindow {QStringLiteral("x"), QStringLiteral("Full Screen"), QString(), kBundle, std::nullopt,
                                 std::nullopt});
    env.scheduler().advance(5);
    EXPECT_EQ(countCalls(QStringLiteral("action")), 12); // never confirmed: every retry runs
}

TEST_F(RaiseTest, MissingFrontProcessFacilityStillSwitchesAndFocuses)
{
    desktop->frontProcessAvailable = false;
    auto& w = desktop->addWindow(42, 97, QStringLiteral("Elsewhere"));
    w.space = 2;
    AppWindows::raise(listed(QStringLiteral("Elsewhere")));
    EXPECT_EQ(desktop->activeSpaceID, 2u);
    EXPECT_EQ(desktop->focusedWindow.value(42), w.handle);
}

TEST_F(RaiseTest, WindowOfAnApplicationThatQuitLaunchesItInstead)
{
    desktop->addWindow(42, 98, QStringLiteral("Gone"));
    const AppWindow window = listed(QStringLiteral("Gone"));
    desktop->apps.clear();
    AppWindows::raise(window);
    EXPECT_EQ(desktop->calls, QStringList {QStringLiteral("open /apps/org.example.Editor.desktop")});
    EXPECT_EQ(env.scheduler().pendingCount(), 0u);
}
