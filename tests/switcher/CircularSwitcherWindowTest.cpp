// The switcher panel: showing, revealing on the next turn, the exit animation,
// and the generation counters that keep late steps of an earlier showing from
// acting.

#include "SwitcherFixture.h"

#include <QSignalSpy>

#include "platform/DisplayPreferences.h"
#include "platform/sim/SimDisplayPreferences.h"
#include "switcher/CircularSwitcherView.h"
#include "switcher/CircularSwitcherViewModel.h"
#include "switcher/CircularSwitcherWindow.h"
#include "ringkit/RingMotion.h"

class SwitcherPanelTest : public SwitcherFixture {
protected:
    void SetUp() override
    {
        SwitcherFixture::SetUp();
        prefs = &env.sim().displayPreferences();
        screens->pointerLocation = QPointF(700, 450);
        for (int i = 1; i <= 4; ++i)
            desktop->addApp(i, QStringLiteral("org.example.App%1").arg(i), QStringLiteral("App %1").arg(i));
        desktop->frontmostPID = 1;
        window = std::make_unique<CircularSwitcherWindow>(env.platform());
        QObject::connect(window.get(), &CircularSwitcherWindow::hidden, [this] { ++hiddenCalls; });
    }
    void TearDown() override
    {
        window.reset();
        SwitcherFixture::TearDown();
    }
    CircularSwitcherViewModel& model() { return *window->viewModel(); }
    double exitDuration() const { return RingMotion::exitDuration(prefs->reduceMotion()); }
    // Shows and lets the reveal run.
    void showRevealed(std::optional<QList<RunningApp>> apps = std::nullopt)
    {
        window->showSwitcher(apps);
        env.scheduler().runPending();
        ASSERT_TRUE(model().isVisible());
    }

    SimDisplayPreferences* prefs = nullptr;
    std::unique_ptr<CircularSwitcherWindow> window;
    int hiddenCalls = 0;
};

TEST_F(SwitcherPanelTest, ShowsOverTheRingFrameAndRevealsOnTheNextTurn)
{
    EXPECT_FALSE(window->isSwitcherVisible());
    window->showSwitcher(std::nullopt);
    EXPECT_TRUE(window->isSwitcherVisible());
    EXPECT_TRUE(window->acceptsCommit());
    EXPECT_FALSE(model().isVisible()); // not before the next turn
    EXPECT_EQ(model().segmentCount(), 4);
    EXPECT_EQ(window->frame().size(), QSizeF(700, 700));
    EXPECT_EQ(model().ringCenter(), window->frame().center());
    // Until window cards appear the window holds only the ring, about the
    // frame's middle; the view still covers the frame.
    EXPECT_EQ(window->panel()->size(), QSize(484, 484));
    EXPECT_EQ(window->view()->size(), QSize(700, 700));
    EXPECT_EQ(window->view()->pos(), QPoint(-108, -108));
    env.scheduler().runPending();
    EXPECT_TRUE(model().isVisible());

    // A launcher group replaces the list; the ring scale is read at each showing.
    window->hideSwitcher(false);
    AppSettings::shared().setRingScale(1.5);
    QList<RunningApp> group { RunningApp {
        QStringLiteral("Solo"), QImage(), QStringLiteral("org.example.Solo"), false } };
    showRevealed(group);
    EXPECT_EQ(model().segmentCount(), 1);
    EXPECT_EQ(window->frame().size(), QSizeF(1050, 1050));
    EXPECT_EQ(window->panel()->size(), QSize(724, 724));
    EXPECT_EQ(window->view()->size(), QSize(1050, 1050));
    EXPECT_EQ(window->view()->mapToGlobal(QPoint(525, 525)), window->panel()->geometry().center() + QPoint(1, 1));
}

TEST_F(SwitcherPanelTest, AnimatedHideKeepsThePanelUntilTheExitEndsButEndsTheShowing)
{
    showRevealed();
    QSignalSpy started(window.get(), &CircularSwitcherWindow::hidingStarted);
    window->hideSwitcher(true);
    EXPECT_TRUE(window->isExiting());
    EXPECT_TRUE(window->isSwitcherVisible());
    EXPECT_FALSE(window->acceptsCommit()); // Escape ends the showing at once
    EXPECT_EQ(started.count(), 1);
    EXPECT_FALSE(model().isVisible());

    // A second animated hide during the exit changes nothing but the reveal counter.
    const quint64 hideGen = window->hideGeneration(), revealGen = window->revealGeneration();
    window->hideSwitcher(true);
    EXPECT_EQ(window->hideGeneration(), hideGen);
    EXPECT_EQ(window->revealGeneration(), revealGen + 1);
    EXPECT_EQ(started.count(), 1);

    env.scheduler().advance(exitDuration() - 0.02);
    EXPECT_TRUE(window->isSwitcherVisible());
    EXPECT_EQ(hiddenCalls, 0);
    env.scheduler().advance(0.05);
    EXPECT_FALSE(window->isSwitcherVisible());
    EXPECT_FALSE(window->isExiting());
    EXPECT_EQ(hiddenCalls, 1);
    EXPECT_EQ(model().segmentCount(), 0); // emptied once out
}

TEST_F(SwitcherPanelTest, HideBeforeTheRevealIsImmediateAndTheRevealDoesNothing)
{
    window->showSwitcher(std::nullopt);
    window->hideSwitcher(true); // the ring is not visible yet
    EXPECT_FALSE(window->isSwitcherVisible());
    EXPECT_FALSE(window->isExiting());
    EXPECT_EQ(hiddenCalls, 1);
    env.scheduler().advance(1.0);
    EXPECT_FALSE(model().isVisible());
    EXPECT_FALSE(window->isSwitcherVisible());
}

TEST_F(SwitcherPanelTest, ShowDuringAnExitCancelsItsEnd)
{
    showRevealed();
    window->hideSwitcher(true);
    env.scheduler().advance(exitDuration() / 2.0);
    const quint64 before = window->hideGeneration();
    QList<RunningApp> group { RunningApp { QStringLiteral("A"), QImage(), QStringLiteral("org.example.A"), false },
        RunningApp { QStringLiteral("B"), QImage(), QStringLiteral("org.example.B"), false } };
    window->showSwitcher(group);
    EXPECT_GT(window->hideGeneration(), before);
    EXPECT_FALSE(window->isExiting());
    EXPECT_TRUE(window->acceptsCommit());
    // The new showing starts from the hidden pose at once, not from mid-exit.
    EXPECT_EQ(window->view()->ringPresence(), 0.0);
    EXPECT_FALSE(window->view()->isAnimating());
    env.scheduler().advance(exitDuration()); // past the old exit's end
    EXPECT_TRUE(window->isSwitcherVisible());
    EXPECT_TRUE(model().isVisible());
    EXPECT_EQ(model().segmentCount(), 2);
    EXPECT_EQ(hiddenCalls, 0);

    // Only the newest of two quick showings reveals.
    window->showSwitcher(std::nullopt);
    const quint64 g = window->revealGeneration();
    window->showSwitcher(std::nullopt);
    EXPECT_EQ(window->revealGeneration(), g + 1);
    env.scheduler().runPending();
    EXPECT_TRUE(model().isVisible());
    EXPECT_EQ(model().segmentCount(), 4);
}

TEST_F(SwitcherPanelTest, ImmediateHideDuringAnExitOrdersOutOnce)
{
    showRevealed();
    window->hideSwitcher(true);
    window->hideSwitcher(false);
    EXPECT_FALSE(window->isSwitcherVisible());
    EXPECT_FALSE(window->isExiting());
    EXPECT_EQ(hiddenCalls, 1);
    env.scheduler().advance(1.0); // the exit's own end finds a newer hide
    EXPECT_EQ(hiddenCalls, 1);
}

TEST_F(SwitcherPanelTest, CommitStartsTheExitBeforeActivating)
{
    showRevealed();
    model().setSelectedIndex(2);
    bool exitingWhenActivated = false;
    QObject::connect(
        window.get(), &CircularSwitcherWindow::hidingStarted, [&] { exitingWhenActivated = desktop->calls.isEmpty(); });
    desktop->calls.clear();
    model().activateSelected();
    EXPECT_TRUE(exitingWhenActivated);
    EXPECT_TRUE(window->isExiting());
    EXPECT_GE(countCalls(QStringLiteral("activate 3")), 1) << desktop->calls.join(u'\n').toStdString();
    env.scheduler().advance(1.0);
    EXPECT_FALSE(window->isSwitcherVisible());
}

TEST_F(SwitcherPanelTest, ReduceMotionShortensTheExit)
{
    prefs->setReduceMotion(true);
    showRevealed();
    window->hideSwitcher(true);
    env.scheduler().advance(0.15);
    EXPECT_FALSE(window->isSwitcherVisible());
}
