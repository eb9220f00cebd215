#include "SwitcherFixture.h"

#include <QSignalSpy>
#include <cmath>

#include "switcher/CircularSwitcherViewModel.h"

class SwitcherViewModelTest : public SwitcherFixture {
protected:
    // Four regular applications, pids 1-4; the second has three windows.
    void addFour()
    {
        for (int i = 1; i <= 4; ++i)
            desktop->addApp(i, QStringLiteral("org.example.App%1").arg(i), QStringLiteral("App %1").arg(i));
        for (int n = 1; n <= 3; ++n)
            desktop->addWindow(2, 200 + n, QStringLiteral("Doc %1").arg(n));
    }
    // Reveals with the pointer at the ring centre, then arms pointer selection.
    void revealAt(QPointF centre)
    {
        model.setRingCenter(centre);
        screens->pointerLocation = centre;
        model.reveal();
    }
    QPointF polar(QPointF centre, double distance, double arcAngle)
    {
        // Arc angle from 12 o'clock clockwise; screen y grows upward.
        return { centre.x() + distance * std::sin(arcAngle), centre.y() + distance * std::cos(arcAngle) };
    }

    CircularSwitcherViewModel model { platform };
};

TEST_F(SwitcherViewModelTest, LoadingKeepsRegularNamedApplicationsInWorkspaceOrder)
{
    desktop->addApp(1, QStringLiteral("org.example.Zed"), QStringLiteral("Zed"));
    desktop->addApp(2, QStringLiteral("org.example.Helper"), QStringLiteral("Helper")).policy
        = RunningApplication::ActivationPolicy::Accessory;
    desktop->addApp(3, QString(), QStringLiteral("No id"));
    desktop->addApp(4, QStringLiteral("org.example.NoName"), QString());
    desktop->addApp(5, QStringLiteral("XLogo"), QStringLiteral("XLogo")).icon = QIcon(); // no icon, no entry
    desktop->addApp(6, QStringLiteral("org.example.Alpha"), QStringLiteral("Alpha"));
    desktop->frontmostPID = 6;
    model.loadRunningApps();
    ASSERT_EQ(model.segmentCount(), 3);
    EXPECT_EQ(model.runningApps()[0].name, QStringLiteral("Zed")); // never sorted
    EXPECT_FALSE(model.runningApps()[0].isActive);
    EXPECT_TRUE(model.runningApps()[2].isActive);
    EXPECT_EQ(model.selectedIndex(), 2);
    EXPECT_EQ(model.runningApps()[0].icon.size(), QSize(128, 128));
    // An application without an icon is never dropped: it gets a stand-in.
    const QImage stand = model.runningApps()[1].icon;
    EXPECT_EQ(model.runningApps()[1].bundleIdentifier, QStringLiteral("XLogo"));
    ASSERT_EQ(stand.size(), QSize(128, 128));
    EXPECT_GT(qAlpha(stand.pixel(64, 64)), 200);
    EXPECT_EQ(stand, RunningApp::placeholderIcon(QStringLiteral("XLogo"), 64)); // the same every time

    // No active entry: an in-range selection survives the next showing; an out-of-range one goes to 0.
    desktop->frontmostPID = std::nullopt;
    model.finishHide();
    model.loadRunningApps();
    EXPECT_EQ(model.selectedIndex(), 2);
    desktop->apps.removeLast();
    model.finishHide();
    model.loadRunningApps();
    EXPECT_EQ(model.selectedIndex(), 0);
}

TEST_F(SwitcherViewModelTest, EmptyRingIgnoresKeysPointerAndCommit)
{
    int hides = 0, selections = 0;
    QObject::connect(&model, &CircularSwitcherViewModel::hideRequested, [&] { ++hides; });
    QObject::connect(&model, &CircularSwitcherViewModel::appSelected, [&](const RunningApp&) { ++selections; });
    model.loadRunningApps();
    EXPECT_FALSE(model.highlightedApp().has_value());
    revealAt(QPointF(500, 500));
    model.selectNext();
    model.selectPrevious();
    model.updatePointer(QPointF(700, 500));
    model.activateSelected();
    EXPECT_EQ(model.selectedIndex(), 0);
    EXPECT_EQ(hides + selections, 0);
}

TEST_F(SwitcherViewModelTest, SteppingWrapsAroundAndRefreshesThePointerLater)
{
    addFour();
    model.loadRunningApps();
    model.selectPrevious();
    EXPECT_EQ(model.selectedIndex(), 3);
    model.selectNext();
    EXPECT_EQ(model.selectedIndex(), 0);
    screens->pointerLocation = QPointF(12, 34);
    model.selectNext();
    EXPECT_EQ(model.selectedIndex(), 1);
    EXPECT_EQ(model.windows().size(), 3); // the arc of the newly selected application
    EXPECT_NE(model.mousePosition(), QPointF(12, 34));
    env.scheduler().advance(0.01);
    EXPECT_EQ(model.mousePosition(), QPointF(12, 34));
}

TEST_F(SwitcherViewModelTest, PointerArmsAfterTenPointsAndSelectsByAngleOutsideTheDeadZone)
{
    addFour();
    model.loadRunningApps();
    const QPointF c(700, 500);
    revealAt(c);
    model.setSelectedIndex(3);
    model.updatePointer(polar(c, 9.9, 0)); // not armed yet: nothing changes
    EXPECT_FALSE(model.pointerSelectionEnabled());
    EXPECT_EQ(model.selectedIndex(), 3);
    EXPECT_EQ(model.mousePosition(), polar(c, 9.9, 0));
    model.updatePointer(polar(c, 10, 0)); // armed, but inside the dead zone
    EXPECT_TRUE(model.pointerSelectionEnabled());
    EXPECT_EQ(model.selectedIndex(), 3);

    model.updatePointer(QPointF(c.x() + 100, c.y())); // right
    EXPECT_EQ(model.selectedIndex(), 1);
    model.updatePointer(QPointF(c.x(), c.y() - 100)); // below (y grows upward)
    EXPECT_EQ(model.selectedIndex(), 2);
    model.updatePointer(QPointF(c.x(), c.y() + 100)); // above
    EXPECT_EQ(model.selectedIndex(), 0);
    model.updatePointer(QPointF(c.x() - 100, c.y())); // left
    EXPECT_EQ(model.selectedIndex(), 3);

    // Armed stays armed until the next reveal; hidden rings ignore the pointer.
    model.reveal();
    EXPECT_FALSE(model.pointerSelectionEnabled());
    model.beginExit();
    model.updatePointer(QPointF(c.x() + 100, c.y()));
    EXPECT_EQ(model.selectedIndex(), 3);
}

TEST_F(SwitcherViewModelTest, DeadZoneScalesWithTheRing)
{
    addFour();
    AppSettings::shared().setRingScale(1.5);
    model.loadRunningApps();
    const QPointF c(700, 500);
    revealAt(c);
    model.setSelectedIndex(0);
    model.updatePointer(QPointF(c.x() + 90, c.y())); // exactly 60 x 1.5: nothing
    EXPECT_TRUE(model.pointerSelectionEnabled());
    EXPECT_EQ(model.selectedIndex(), 0);
    model.updatePointer(QPointF(c.x() + 90.01, c.y()));
    EXPECT_EQ(model.selectedIndex(), 1);
}

TEST_F(SwitcherViewModelTest, OuterArcSelectsWindowsOfTheSelectedApplication)
{
    addFour();
    model.loadRunningApps();
    const QPointF c(700, 500);
    revealAt(c);
    model.updatePointer(QPointF(c.x() + 100, c.y())); // selects App 2 and its arc of three
    ASSERT_EQ(model.selectedIndex(), 1);
    ASSERT_EQ(model.windows().size(), 3);
    const double centre = (2 * M_PI / 4) * 1.5;
    model.updatePointer(polar(c, 196.001, centre)); // middle card of the arc
    EXPECT_EQ(model.selectedWindowIndex(), 1);
    EXPECT_TRUE(model.isPointingAtWindow());
    EXPECT_EQ(model.selectedIndex(), 1);
    model.updatePointer(polar(c, 195.9, centre)); // back inside the band
    EXPECT_FALSE(model.selectedWindowIndex().has_value());
    EXPECT_EQ(model.selectedIndex(), 1);
    model.updatePointer(polar(c, 300, centre + 1.2)); // beyond the arc's span: applications again
    EXPECT_FALSE(model.selectedWindowIndex().has_value());
    EXPECT_EQ(model.selectedIndex(), 2);
    EXPECT_TRUE(model.windows().isEmpty());
}

TEST_F(SwitcherViewModelTest, WindowsAreListedOncePerShowingAndTheArcNeedsTwo)
{
    addFour();
    desktop->addWindow(3, 301, QStringLiteral("Only"));
    model.loadRunningApps();
    model.setSelectedIndex(2);
    model.refreshWindowsForSelection();
    EXPECT_TRUE(model.windows().isEmpty()); // one window: no arc
    EXPECT_EQ(model.windowCache().value(QStringLiteral("org.example.App3")).size(), 1); // but cached

    model.setSelectedIndex(1);
    model.refreshWindowsForSelection();
    ASSERT_EQ(model.windows().size(), 3);
    desktop->addWindow(2, 204, QStringLiteral("Doc 4")); // opened while the ring is shown
    model.selectNext();
    model.selectPrevious();
    EXPECT_EQ(model.windows().size(), 3);
    model.finishHide();
    model.loadRunningApps();
    model.setSelectedIndex(1);
    model.refreshWindowsForSelection();
    EXPECT_EQ(model.windows().size(), 4);
}

TEST_F(SwitcherViewModelTest, UnchangedWindowIdsKeepTheSelectedCard)
{
    addFour();
    desktop->frontmostPID = 2;
    model.loadRunningApps();
    model.setSelectedWindowIndex(2);
    QSignalSpy windowsSpy(&model, &CircularSwitcherViewModel::windowsChanged);
    model.loadRunningApps(); // same ids in the same order
    EXPECT_EQ(windowsSpy.count(), 0);
    EXPECT_EQ(model.selectedWindowIndex(), 2);

    std::swap(desktop->allWindows[0], desktop->allWindows[1]); // same windows, another order
    model.loadRunningApps();
    EXPECT_EQ(windowsSpy.count(), 1);
    EXPECT_FALSE(model.selectedWindowIndex().has_value());
}

TEST_F(SwitcherViewModelTest, CommittingAWindowHidesFirstThenRaisesIt)
{
    addFour();
    desktop->frontmostPID = 2;
    model.loadRunningApps();
    QStringList callsAtHide { QStringLiteral("not hidden") };
    int selections = 0;
    QObject::connect(&model, &CircularSwitcherViewModel::hideRequested, [&] { callsAtHide = desktop->calls; });
    QObject::connect(&model, &CircularSwitcherViewModel::appSelected, [&](const RunningApp&) { ++selections; });
    model.setSelectedWindowIndex(1);
    model.activateSelected();
    EXPECT_TRUE(callsAtHide.isEmpty());
    EXPECT_TRUE(desktop->calls.contains(QStringLiteral("raise 202")));
    EXPECT_EQ(selections, 0);
}

TEST_F(SwitcherViewModelTest, CommittingAnApplicationOnlyHandsItToTheOwner)
{
    addFour();
    model.loadRunningApps();
    int hides = 0;
    QString chosen;
    QObject::connect(&model, &CircularSwitcherViewModel::hideRequested, [&] { ++hides; });
    QObject::connect(
        &model, &CircularSwitcherViewModel::appSelected, [&](const RunningApp& app) { chosen = app.bundleIdentifier; });
    model.selectNext();
    model.selectNext();
    model.activateSelected();
    EXPECT_EQ(chosen, QStringLiteral("org.example.App3"));
    EXPECT_EQ(hides, 0);
    EXPECT_TRUE(desktop->calls.isEmpty());
}

TEST_F(SwitcherViewModelTest, SnapHiddenStartsAFreshAppearanceWithoutAnimation)
{
    addFour();
    desktop->frontmostPID = 2;
    model.loadRunningApps();
    revealAt(QPointF(300, 300));
    model.updatePointer(QPointF(400, 300));
    const QUuid before = model.appearSession();
    bool animatedChange = false;
    QObject::connect(&model, &CircularSwitcherViewModel::isVisibleChanged, &model,
        [&] { animatedChange = animatedChange || !model.animationsDisabled(); });
    model.snapHidden();
    EXPECT_FALSE(animatedChange);
    EXPECT_FALSE(model.isVisible());
    EXPECT_NE(model.appearSession(), before);
    EXPECT_TRUE(model.windows().isEmpty());
    EXPECT_FALSE(model.pointerSelectionEnabled());
    EXPECT_EQ(model.segmentCount(), 4); // the list stays until finishHide
    model.finishHide();
    EXPECT_EQ(model.segmentCount(), 0);
    EXPECT_TRUE(model.windowCache().isEmpty());
}

TEST_F(SwitcherViewModelTest, LauncherGroupIsShownAsGivenFromTheFirstEntry)
{
    addFour();
    const QList<RunningApp> group { { QStringLiteral("B"), {}, QStringLiteral("org.example.App2"), false },
        { QStringLiteral("A"), {}, QStringLiteral("org.example.NotRunning"), false } };
    model.setSelectedIndex(3);
    model.loadGroup(group);
    EXPECT_EQ(model.runningApps(), group);
    EXPECT_EQ(model.selectedIndex(), 0);
    EXPECT_EQ(model.windows().size(), 3);
    EXPECT_EQ(model.highlightedApp()->name, QStringLiteral("B"));
}
