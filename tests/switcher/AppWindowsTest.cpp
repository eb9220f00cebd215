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
    SimDesktop::Window& untitled(quint32 id, QSizeF size)
    {
        auto& w = desktop->addWindow(42, id, QString());
        w.frame = QRectF(QPointF(0, 0), size);
        return w;
    }
};

TEST_F(AppWindowsTest, ListsOrdinaryWindowsAndDialogsFrontToBackAndSkipsWhatIsNotShown)
{
    desktop->addWindow(42, 11, QStringLiteral("  Notes.txt \n"));
    desktop->addWindow(42, 12, QStringLiteral("Todo.txt"));
    desktop->addWindow(42, 13, QStringLiteral("Minimised")).minimized = true;
    desktop->addWindow(42, 14, QStringLiteral("Palette")).kind = WindowInfo::Kind::Utility;
    desktop->addWindow(42, 15, QStringLiteral("Save As")).kind = WindowInfo::Kind::Dialog;
    auto& splash = desktop->addWindow(42, 16, QStringLiteral("Splash"));
    splash.kind = WindowInfo::Kind::Other;
    splash.fullScreen = true;
    desktop->addWindow(42, 17, QStringLiteral("Elsewhere")).desktop = 2; // other desktops are listed too
    desktop->addWindow(7, 18, QStringLiteral("Another application's"));

    const auto list = AppWindows::windows(platform, kBundle, QStringLiteral("Editor"));
    EXPECT_EQ(titles(list),
        (QStringList { QStringLiteral("Notes.txt"), QStringLiteral("Todo.txt"), QStringLiteral("Save As"),
            QStringLiteral("Elsewhere") }));
    ASSERT_EQ(list.size(), 4);
    EXPECT_EQ(list[0].id, kBundle + QStringLiteral("#cg11"));
    EXPECT_EQ(list[0].windowID, 11u);
    EXPECT_EQ(list[0].appName, QStringLiteral("Editor"));
    EXPECT_EQ(list[0].bundleIdentifier, kBundle);
    EXPECT_EQ(AppWindows::windows(platform, kBundle, QStringLiteral("Editor")), list); // stable identifiers

    EXPECT_TRUE(AppWindows::windows(platform, QStringLiteral("org.example.NotRunning"), QString()).isEmpty());
    desktop->apps.clear();
    EXPECT_TRUE(AppWindows::windows(platform, kBundle, QString()).isEmpty());
}

TEST_F(AppWindowsTest, UntitledWindowsAreNamedByFullScreenOrNumberAndSmallOnesSkipped)
{
    untitled(21, QSizeF(800, 600));
    untitled(22, QSizeF(239, 500));
    untitled(23, QSizeF(1440, 875)); // the visible frame's size
    untitled(24, QSizeF(240, 160));
    untitled(25, QSizeF(200, 100)).fullScreen = true; // the state counts, whatever the size
    EXPECT_EQ(titles(AppWindows::windows(platform, kBundle, QString())),
        (QStringList { QStringLiteral("Window 1"), QStringLiteral("Full Screen"), QStringLiteral("Window 3"),
            QStringLiteral("Full Screen") }));
}

TEST_F(AppWindowsTest, FullScreenSizeToleranceIsBelowEightPoints)
{
    EXPECT_TRUE(AppWindows::looksFullscreen(*screens, QRectF(0, 0, 1440 - 7.9, 900 - 7.9)));
    EXPECT_FALSE(AppWindows::looksFullscreen(*screens, QRectF(0, 0, 1440 - 8, 900 - 8)));
    EXPECT_FALSE(AppWindows::looksFullscreen(*screens, QRectF(0, 0, 1440 - 7.9, 900 - 8)));
    EXPECT_TRUE(AppWindows::looksFullscreen(*screens, QRectF(500, 500, 1440, 875))); // origins never matter
    screens->list.first().frame = QRectF(0, 0, 100, 100);
    screens->list.first().visibleFrame = QRectF(0, 0, 100, 100);
    EXPECT_FALSE(AppWindows::looksFullscreen(*screens, QRectF(0, 0, 100, 100))); // too small to count
}

TEST_F(AppWindowsTest, FrontWindowPrefersMainThenFocusedThenFullScreenThenLargest)
{
    EXPECT_EQ(AppWindows::frontWindowID(platform, 42), std::nullopt);
    auto& dialog = desktop->addWindow(42, 71, QStringLiteral("Small dialog"));
    dialog.kind = WindowInfo::Kind::Dialog;
    dialog.frame = QRectF(0, 0, 239, 400);
    desktop->addWindow(42, 72, QStringLiteral("A")).frame = QRectF(0, 0, 600, 400);
    desktop->addWindow(42, 73, QStringLiteral("B")).frame = QRectF(0, 0, 400, 600); // same area: A stays
    desktop->addWindow(42, 74, QStringLiteral("Clear")).opacity = 0.0;
    desktop->allWindows.last().frame = QRectF(0, 0, 1000, 800);
    desktop->addWindow(42, 75, QStringLiteral("Pinned")).keptAbove = true;
    desktop->allWindows.last().frame = QRectF(0, 0, 1000, 800);
    for (auto& w : desktop->allWindows)
        w.minimized = w.kind == WindowInfo::Kind::Normal; // no main window
    EXPECT_EQ(AppWindows::frontWindowID(platform, 42), 72u);

    untitled(76, QSizeF(1440, 900)).minimized = true; // full screen wins over a larger area
    EXPECT_EQ(AppWindows::frontWindowID(platform, 42), 76u);

    desktop->activeWindowID = 71;
    EXPECT_EQ(AppWindows::frontWindowID(platform, 42), 71u);

    desktop->window(73)->minimized = false; // the frontmost ordinary window that is shown
    EXPECT_EQ(AppWindows::frontWindowID(platform, 42), 73u);
}

// ---- Raising -------------------------------------------------------------------

class RaiseTest : public AppWindowsTest {
protected:
    AppWindow listed(const QString& title)
    {
        for (const AppWindow& w : AppWindows::windows(platform, kBundle, QStringLiteral("Editor"))) {
            if (w.title == title)
                return w;
        }
        ADD_FAILURE() << "no window " << title.toStdString();
        return {};
    }
};

TEST_F(RaiseTest, WindowOnAnotherDesktopIsBroughtForwardAndRetriesStopOnceFocused)
{
    desktop->addWindow(42, 80, QStringLiteral("Near"));
    desktop->addWindow(42, 81, QStringLiteral("Far")).desktop = 3;
    AppWindows::raise(platform, listed(QStringLiteral("Far")));
    EXPECT_EQ(desktop->calls, (QStringList { QStringLiteral("switch 3"), QStringLiteral("raise 81") }));
    EXPECT_EQ(desktop->activeWindowID, 81u);
    EXPECT_EQ(desktop->allWindows.first().id, 81u);
    desktop->calls.clear();
    env.scheduler().advance(5.0);
    EXPECT_TRUE(desktop->calls.isEmpty()) << desktop->calls.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(env.scheduler().pendingCount(), 0u);

    // On every desktop: nothing to switch.
    desktop->calls.clear();
    desktop->window(80)->desktop = Windows::allDesktops;
    AppWindows::raise(platform, listed(QStringLiteral("Near")));
    EXPECT_EQ(desktop->calls, QStringList { QStringLiteral("raise 80") });
}

TEST_F(RaiseTest, UnconfirmedFocusIsRetriedTwelveTimesEveryTwelveHundredths)
{
    desktop->addWindow(42, 91, QStringLiteral("Stubborn"));
    desktop->acceptsFocus = false;
    AppWindows::raise(platform, listed(QStringLiteral("Stubborn")));
    EXPECT_EQ(countCalls(QStringLiteral("raise")), 1);
    env.scheduler().advance(0.115);
    EXPECT_EQ(countCalls(QStringLiteral("raise")), 1);
    env.scheduler().advance(0.01); // 0.125: the first retry ran at 0.12
    EXPECT_EQ(countCalls(QStringLiteral("raise")), 2);
    env.scheduler().advance(1.2); // 1.325: retries up to 1.32
    EXPECT_EQ(countCalls(QStringLiteral("raise")), 12);
    env.scheduler().advance(0.2); // the twelfth and last at 1.44
    EXPECT_EQ(countCalls(QStringLiteral("raise")), 13);
    env.scheduler().advance(10);
    EXPECT_EQ(countCalls(QStringLiteral("raise")), 13);
}

TEST_F(RaiseTest, RetriesStopAtTheFirstCheckThatFindsTheWindowFocused)
{
    desktop->addWindow(42, 92, QStringLiteral("Late"));
    desktop->acceptsFocus = false;
    AppWindows::raise(platform, listed(QStringLiteral("Late")));
    env.scheduler().advance(0.25); // two retries refused
    desktop->acceptsFocus = true;
    env.scheduler().advance(0.12); // the third retry focuses it
    EXPECT_EQ(countCalls(QStringLiteral("raise")), 4);
    env.scheduler().advance(5);
    EXPECT_EQ(countCalls(QStringLiteral("raise")), 4);
}

TEST_F(RaiseTest, ANewRaiseEndsTheRetriesOfThePreviousOne)
{
    desktop->addWindow(42, 93, QStringLiteral("First"));
    desktop->addWindow(42, 94, QStringLiteral("Second"));
    desktop->acceptsFocus = false;
    AppWindows::raise(platform, listed(QStringLiteral("First")));
    env.scheduler().advance(0.13);
    AppWindows::raise(platform, listed(QStringLiteral("Second")));
    env.scheduler().advance(5);
    EXPECT_EQ(countCalls(QStringLiteral("raise 93")), 2);
    EXPECT_EQ(countCalls(QStringLiteral("raise 94")), 13);
}

TEST_F(RaiseTest, MinimisedWindowIsRestoredAndRaised)
{
    desktop->addWindow(42, 96, QStringLiteral("Front"));
    desktop->addWindow(42, 95, QStringLiteral("Docked")).minimized = true;
    AppWindows::raise(platform,
        AppWindow {
            AppWindows::stableID(kBundle, 95), QStringLiteral("Docked"), QStringLiteral("Editor"), kBundle, 95 });
    EXPECT_FALSE(desktop->window(95)->minimized);
    EXPECT_EQ(desktop->allWindows.first().id, 95u);
    EXPECT_EQ(desktop->activeWindowID, 95u);
}

TEST_F(RaiseTest, WindowThatClosedBringsItsApplicationForwardWithoutRetries)
{
    desktop->addWindow(42, 97, QStringLiteral("Closing"));
    const AppWindow window = listed(QStringLiteral("Closing"));
    desktop->allWindows.clear();
    AppWindows::raise(platform, window);
    EXPECT_EQ(desktop->calls, (QStringList { QStringLiteral("raise 97"), QStringLiteral("activate 42") }));
    EXPECT_EQ(env.scheduler().pendingCount(), 0u);
}

TEST_F(RaiseTest, WindowOfAnApplicationThatQuitLaunchesItInstead)
{
    desktop->addWindow(42, 98, QStringLiteral("Gone"));
    const AppWindow window = listed(QStringLiteral("Gone"));
    desktop->apps.clear();
    AppWindows::raise(platform, window);
    EXPECT_EQ(desktop->calls, QStringList { QStringLiteral("open /apps/org.example.Editor.desktop") });
    EXPECT_EQ(env.scheduler().pendingCount(), 0u);
}
