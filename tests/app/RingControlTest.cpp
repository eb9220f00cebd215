// Ring control, end to end through the sim key tap: hotkeys,
// modifier releases, Return, Escape, clicks and the pointer feed against the
// real switcher panel and shortcut ring panel (offscreen).

#include "app/AppDelegate.h"
#include "app/AppServices.h"
#include "app/RingController.h"
#include "input/HotkeyDispatcher.h"
#include "input/HotkeyEventTap.h"
#include "input/KeyTapSuspension.h"
#include "ring/ShortcutRingWindow.h"
#include "app/ShortcutRunner.h"
#include "core/AppSettings.h"
#include "core/ShortcutStorage.h"
#include "platform/Clipboard.h"
#include "platform/PointerMonitor.h"
#include "platform/SyntheticKeys.h"
#include "platform/sim/MemoryClipboard.h"
#include "platform/sim/RecordingSyntheticKeys.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimDisplayPreferences.h"
#include "platform/sim/SimKeyTap.h"
#include "platform/sim/SimPointerMonitor.h"
#include "platform/sim/SimScreens.h"
#include "ring/AppShortcutRingViewModel.h"
#include "support/TestSupport.h"
#include "switcher/CircularSwitcherViewModel.h"
#include "switcher/CircularSwitcherWindow.h"
#include "ringkit/RingPanel.h"
#include "platform/FocusedText.h"
#include "platform/FreedMemory.h"
#include "platform/Scheduler.h"
#include "platform/Workspace.h"
#include "vault/PasswordDelivery.h"
#include "vault/PasswordEntry.h"
#include "vault/PasswordVault.h"

#include <QCoreApplication>
#include <algorithm>
#include <gtest/gtest.h>

namespace {
constexpr std::uint64_t Shift = Modifier::Shift;
constexpr std::uint64_t Ctrl = Modifier::Ctrl;
constexpr std::uint64_t Alt = Modifier::Alt;
constexpr std::uint16_t KeyA = 0, KeyS = 1, KeyD = 2, KeyP = 35, Key1 = 18, Key2 = 19;
constexpr std::uint16_t Return = 36, Escape = 53, Down = 125;

class RingControl : public ::testing::Test {
protected:
    void SetUp() override
    {
        desktop = &env.sim().desktop();
        desktop->addApp(10, QStringLiteral("org.example.Editor"), QStringLiteral("Editor"));
        desktop->addApp(20, QStringLiteral("org.example.Mail"), QStringLiteral("Mail"));
        desktop->addApp(30, QStringLiteral("org.example.Web"), QStringLiteral("Web"));
        desktop->frontmostPID = 10;
        screens = &env.sim().screens();
        screens->list.append(
            ScreenInfo { QStringLiteral("Main"), QRectF(0, 0, 1440, 900), QRectF(0, 0, 1440, 900), 1.0 });
        screens->pointerLocation = QPointF(720, 450);
        prefs = &env.sim().displayPreferences();
        pointer = &env.sim().pointerMonitor();
        keys = &env.sim().syntheticKeys();
        clipboard = &env.sim().clipboard();
        tap = &env.sim().keyTap();

        AppSettings& s = AppSettings::shared();
        s.setRingScale(1.0);
        s.setActivationMode(ActivationMode::holdModifier);
        s.setLauncherGroups({});
        for (HotkeyRole role : allCases<HotkeyRole>()) {
            s.resetHotkey(role);
            s.setHoldModifiers(Shift | Ctrl, role);
        }
        ShortcutStorage::resetShared();

        delegate = std::make_unique<AppDelegate>(env.platform(), services);
        rings = &delegate->rings();
        delegate->keyboard().start();
        ASSERT_TRUE(delegate->keyboard().keyTap());
    }
    void TearDown() override
    {
        delegate.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ShortcutStorage::resetShared();
    }

    // Holds `flags`, then presses `key` with them.
    bool chord(std::uint16_t key, std::uint64_t flags)
    {
        tap->changeFlags(flags);
        return tap->press(key, flags);
    }
    void release(std::uint64_t stillHeld = 0) { tap->changeFlags(stillHeld); }
    void turn() { env.scheduler().runPending(); }
    void settle() { env.scheduler().advance(2.0); }

    int activations(qint32 pid) const { return desktop->calls.count(QStringLiteral("activate %1 all").arg(pid)); }
    int allActivations() const
    {
        int n = 0;
        for (const QString& c : desktop->calls)
            n += c.startsWith(QStringLiteral("activate ")) ? 1 : 0;
        return n;
    }
    CircularSwitcherViewModel* switcherModel() const { return rings->circularSwitcher()->viewModel(); }

    void saveShortcuts(const QString& bundle, int count)
    {
        for (int i = 0; i < count; ++i)
            ShortcutStorage::shared().addShortcut(AppShortcut(QStringLiteral("Item %1").arg(i), QStringLiteral("star"),
                QString(), bundle, QStringLiteral("snippet %1").arg(i)));
    }
    void savePasswords(int count)
    {
        QList<PasswordEntry> entries;
        for (int i = 0; i < count; ++i) {
            PasswordEntry e;
            e.label = QStringLiteral("Account %1").arg(i);
            e.variants << PasswordVariant {};
            entries << e;
        }
        env.defaults().setValue(PasswordVault::storageKey, PasswordEntry::encodeList(entries));
    }

    TestSupport::SimEnvironment env;
    SimDesktop* desktop = nullptr;
    SimScreens* screens = nullptr;
    SimDisplayPreferences* prefs = nullptr;
    SimPointerMonitor* pointer = nullptr;
    RecordingSyntheticKeys* keys = nullptr;
    MemoryClipboard* clipboard = nullptr;
    SimKeyTap* tap = nullptr;
    AppServices services;
    std::unique_ptr<AppDelegate> delegate;
    RingController* rings = nullptr;
    QStringList released;
};

// ---- The switcher -------------------------------------------------------------------------------

TEST_F(RingControl, HoldModeStepsWithTheHotkeyAndCommitsOnceOnRelease)
{
    EXPECT_TRUE(chord(KeyA, Shift | Ctrl));
    ASSERT_TRUE(rings->isSwitcherVisible());
    turn();
    EXPECT_TRUE(switcherModel()->isVisible());
    EXPECT_EQ(switcherModel()->selectedIndex(), 0); // the active application
    EXPECT_TRUE(rings->isMouseTracking());
    EXPECT_EQ(pointer->liveMonitors(), 1);

    EXPECT_TRUE(tap->press(KeyA, Shift | Ctrl));
    EXPECT_EQ(switcherModel()->selectedIndex(), 1);
    EXPECT_TRUE(rings->isSwitcherVisible());

    release(Ctrl); // ⇧ up
    EXPECT_EQ(activations(20), 1);
    release(0); // ⌘ up as well
    // The panel is still fading out, but the choice is made: Return is the
    // person's again and goes to the window they switched to.
    ASSERT_TRUE(rings->isSwitcherVisible());
    tap->clearDelivered();
    EXPECT_FALSE(tap->press(Return, 0));
    EXPECT_EQ(tap->delivered(), (QList<SimKeyTap::Delivered> { { Return, 0, false } }));
    settle();
    EXPECT_EQ(allActivations(), 1);
    EXPECT_FALSE(rings->isSwitcherVisible());
    EXPECT_FALSE(rings->isMouseTracking());
    EXPECT_EQ(pointer->liveMonitors(), 0);
    // Ring keys are no longer taken once the ring is gone.
    EXPECT_FALSE(tap->press(Return, 0));
}

// Handing freed memory back faults its pages in again on the next use: it
// happens once a ring has been gone a while, never while one is up or about
// to be drawn again.
TEST_F(RingControl, FreedMemoryGoesBackOnlyOnceNoRingHasBeenUpForAWhile)
{
    const int before = FreedMemory::releaseCount();
    EXPECT_TRUE(chord(KeyA, Shift | Ctrl));
    turn();
    env.scheduler().advance(RingController::idleMemoryDelay + 1.0);
    ASSERT_TRUE(rings->isSwitcherVisible());
    EXPECT_EQ(FreedMemory::releaseCount(), before);

    release(0);
    env.scheduler().advance(0.5);
    ASSERT_FALSE(rings->isSwitcherVisible());
    // Opened again before the pause is over: nothing yet, and still nothing
    // when the first pause ends with the ring up.
    EXPECT_TRUE(chord(KeyA, Shift | Ctrl));
    turn();
    env.scheduler().advance(RingController::idleMemoryDelay);
    ASSERT_TRUE(rings->isSwitcherVisible());
    EXPECT_EQ(FreedMemory::releaseCount(), before);

    release(0);
    env.scheduler().advance(0.5);
    ASSERT_FALSE(rings->isSwitcherVisible());
    env.scheduler().advance(RingController::idleMemoryDelay);
    EXPECT_EQ(FreedMemory::releaseCount(), before + 1);
    env.scheduler().advance(10.0);
    EXPECT_EQ(FreedMemory::releaseCount(), before + 1);
}

// A modifier let go while the hotkey's grab was being taken never arrives as
// an event: the delegate asks for the held modifiers once the ring shows.
TEST_F(RingControl, ModifiersLetGoBeforeTheRingShowedCommitOnceItShows)
{
    // The switcher: both modifiers already up, unseen.
    chord(KeyA, Shift | Ctrl);
    tap->setLiveFlags(0);
    ASSERT_TRUE(rings->isSwitcherVisible());
    EXPECT_EQ(allActivations(), 0); // not before the ring is revealed
    turn();
    EXPECT_EQ(activations(10), 1);
    release(0); // a late event of the same release commits nothing more
    settle();
    EXPECT_EQ(allActivations(), 1);
    EXPECT_FALSE(rings->isSwitcherVisible());

    // Still held: the ring stays and a real release commits as before.
    const int queries = tap->liveQueries();
    chord(KeyA, Shift | Ctrl);
    turn();
    EXPECT_EQ(tap->liveQueries(), queries + 1);
    EXPECT_TRUE(rings->isSwitcherVisible());
    EXPECT_EQ(allActivations(), 1);
    tap->press(KeyA, Shift | Ctrl);
    release(Shift);
    EXPECT_EQ(activations(20), 1);
    release(0);
    settle();

    // The shortcut ring: ⇧ up, ⌘ still held, runs the selected item once.
    desktop->frontmostPID = 10;
    saveShortcuts(QStringLiteral("org.example.Editor"), 2);
    chord(KeyS, Shift | Ctrl);
    ASSERT_TRUE(rings->isShortcutRingVisible());
    tap->setLiveFlags(Ctrl);
    turn();
    env.scheduler().advance(0.05);
    EXPECT_EQ(clipboard->text(), QStringLiteral("snippet 0"));
    release(0);
    settle();
    EXPECT_EQ(clipboard->changeCount(), 1);
    EXPECT_FALSE(rings->isShortcutRingVisible());
}

TEST_F(RingControl, TheHeldModifierCheckLeavesOtherShowingsAlone)
{
    // Opened from the tray menu, nothing held: the ring waits for a choice.
    rings->showCircularSwitcher();
    turn();
    EXPECT_TRUE(rings->isSwitcherVisible());
    EXPECT_EQ(tap->liveQueries(), 0);
    rings->hideSwitcher(false);

    // The system cannot tell: nothing is assumed released.
    chord(KeyA, Shift | Ctrl);
    tap->setLiveFlags(std::nullopt);
    turn();
    EXPECT_TRUE(rings->isSwitcherVisible());
    EXPECT_EQ(allActivations(), 0);
    tap->press(Escape, Shift | Ctrl);
    release(0);
    settle();

    // Escape before the check: the ended showing commits nothing.
    chord(KeyA, Shift | Ctrl);
    tap->press(Escape, Shift | Ctrl);
    tap->setLiveFlags(0);
    turn();
    settle();
    EXPECT_EQ(allActivations(), 0);

    // Toggle mode ignores releases altogether.
    AppSettings::shared().setActivationMode(ActivationMode::toggle);
    chord(KeyA, Shift | Ctrl);
    tap->setLiveFlags(0);
    turn();
    EXPECT_TRUE(rings->isSwitcherVisible());
    EXPECT_EQ(allActivations(), 0);
}

TEST_F(RingControl, ToggleModeCommitsOnTheSecondPressAndIgnoresReleases)
{
    AppSettings::shared().setActivationMode(ActivationMode::toggle);
    chord(KeyA, Shift | Ctrl);
    turn();
    release(0);
    EXPECT_TRUE(rings->isSwitcherVisible());
    EXPECT_EQ(allActivations(), 0);
    tap->press(Down, 0);
    chord(KeyA, Shift | Ctrl);
    EXPECT_EQ(activations(20), 1);
    release(0);
    settle();
    EXPECT_EQ(allActivations(), 1);
    EXPECT_FALSE(rings->isSwitcherVisible());
}

TEST_F(RingControl, EscapeEndsTheShowingSoLaterReleasesAndReturnCommitNothing)
{
    chord(KeyA, Shift | Ctrl);
    turn();
    tap->press(KeyA, Shift | Ctrl);
    EXPECT_TRUE(tap->press(Escape, Shift | Ctrl));
    // The exit animation keeps the panel on screen for a moment.
    EXPECT_TRUE(rings->isSwitcherVisible());
    release(Ctrl);
    release(0);
    tap->press(Return, 0);
    settle();
    EXPECT_EQ(allActivations(), 0);
    EXPECT_FALSE(rings->isSwitcherVisible());
}

TEST_F(RingControl, EscapeDuringTheRevealHidesAtOnceAndCancelsTheReveal)
{
    chord(KeyA, Shift | Ctrl);
    tap->press(Escape, Shift | Ctrl); // before the reveal's turn
    EXPECT_FALSE(rings->isSwitcherVisible());
    turn();
    EXPECT_FALSE(switcherModel()->isVisible());
    release(0);
    EXPECT_EQ(allActivations(), 0);
}

TEST_F(RingControl, AShowDuringAnExitIsNotEndedByThatExit)
{
    chord(KeyA, Shift | Ctrl);
    turn();
    tap->press(Escape, Shift | Ctrl);
    // Opened again while the first showing's exit still runs.
    tap->press(KeyA, Shift | Ctrl);
    turn();
    settle(); // the old exit's end comes and must do nothing
    EXPECT_TRUE(rings->isSwitcherVisible());
    EXPECT_TRUE(switcherModel()->isVisible());
    EXPECT_TRUE(rings->isMouseTracking());
    release(Ctrl);
    EXPECT_EQ(activations(10), 1);

    // The same for the shortcut ring: a new showing during an exit survives it.
    saveShortcuts(QStringLiteral("org.example.Editor"), 3);
    chord(KeyS, Shift | Ctrl);
    turn();
    tap->press(Escape, Shift | Ctrl);
    EXPECT_TRUE(rings->shortcutRing()->isExiting());
    const quint64 hides = rings->shortcutRing()->hideGeneration();
    tap->press(KeyS, Shift | Ctrl);
    EXPECT_GT(rings->shortcutRing()->hideGeneration(), hides);
    turn();
    settle();
    ASSERT_TRUE(rings->shortcutRingViewModel());
    EXPECT_TRUE(rings->shortcutRingViewModel()->isVisible());
    EXPECT_TRUE(rings->isShortcutRingVisible());
}

TEST_F(RingControl, AClickCommitsThroughTheSameOnceOnlyPath)
{
    chord(KeyA, Shift | Ctrl);
    turn();
    // The view asks 0.1 s after a click on the third wedge.
    Q_EMIT rings->circularSwitcher()->commitRequested(2, std::nullopt);
    EXPECT_EQ(activations(30), 1);
    release(Ctrl);
    tap->press(Return, Ctrl);
    Q_EMIT rings->circularSwitcher()->commitRequested(1, std::nullopt);
    settle();
    EXPECT_EQ(allActivations(), 1);

    // A release first: the click's late request commits nothing more.
    chord(KeyA, Shift | Ctrl);
    turn();
    release(Shift);
    Q_EMIT rings->circularSwitcher()->commitRequested(0, std::nullopt);
    settle();
    EXPECT_EQ(allActivations(), 2);
    EXPECT_EQ(activations(10), 0);
}

TEST_F(RingControl, LauncherGroupsUseTheirOwnHoldSet)
{
    desktop->apps.removeLast(); // Web is installed but not running
    LauncherGroup onlyCtrl(QStringLiteral("Work"),
        { QStringLiteral("org.example.Web"), QStringLiteral("org.example.Gone"), QStringLiteral("org.example.Mail") },
        Hotkey(Key1, Alt | Ctrl), Ctrl);
    LauncherGroup disjoint(
        QStringLiteral("Play"), { QStringLiteral("org.example.Mail") }, Hotkey(Key2, Alt | Ctrl), Shift);
    AppSettings::shared().setLauncherGroups({ onlyCtrl, disjoint });

    chord(Key1, Alt | Ctrl);
    turn();
    ASSERT_TRUE(rings->isSwitcherVisible());
    EXPECT_EQ(rings->switcherSessionHold(), Ctrl);
    ASSERT_EQ(switcherModel()->runningApps().size(), 2); // the missing one left out, order kept
    EXPECT_EQ(switcherModel()->runningApps()[0].bundleIdentifier, QStringLiteral("org.example.Web"));
    release(Ctrl); // ⌥ up: not in the hold set
    EXPECT_EQ(allActivations(), 0);
    EXPECT_TRUE(rings->isSwitcherVisible());
    // The group's hotkey again steps its own ring.
    tap->press(Key1, Alt | Ctrl);
    EXPECT_EQ(switcherModel()->selectedIndex(), 1);
    release(0); // ⌘ up
    EXPECT_EQ(activations(20), 1);
    settle();

    // No shared modifier: every modifier of the hotkey commits.
    chord(Key2, Alt | Ctrl);
    turn();
    EXPECT_EQ(rings->switcherSessionHold(), Alt | Ctrl);
    release(Ctrl);
    EXPECT_EQ(activations(20), 2);
    settle();
}

TEST_F(RingControl, AGroupWithoutInstalledAppsLogsAndShowsNothing)
{
    LauncherGroup gone(QStringLiteral("Old"), { QStringLiteral("org.example.Gone") }, Hotkey(Key1, Alt | Ctrl), Ctrl);
    rings->showLauncherGroup(gone);
    EXPECT_FALSE(rings->circularSwitcher() && rings->isSwitcherVisible());
    EXPECT_TRUE(env.logLines().contains(QStringLiteral("Kelvaro: launcher group 'Old' has no apps that still exist.")));
    EXPECT_EQ(desktop->beeps, 0);
}

TEST_F(RingControl, PointerArmsAfterTenPointsAndSelectsOutsideTheDeadZone)
{
    chord(KeyA, Shift | Ctrl);
    turn();
    const QPointF c = switcherModel()->ringCenter();
    // Within 10 points of where the ring opened: not armed, nothing selected.
    screens->pointerLocation = QPointF(c.x() + 6, c.y());
    pointer->move();
    EXPECT_FALSE(switcherModel()->pointerSelectionEnabled());
    EXPECT_EQ(switcherModel()->mousePosition(), screens->pointerLocation);
    // Armed, but inside the dead zone (60 points): the selection stays.
    screens->pointerLocation = QPointF(c.x() - 40, c.y());
    pointer->move();
    EXPECT_TRUE(switcherModel()->pointerSelectionEnabled());
    EXPECT_EQ(switcherModel()->selectedIndex(), 0);
    // Below the centre (y up): the middle wedge of three (2π/3 .. 4π/3).
    screens->pointerLocation = QPointF(c.x(), c.y() - 120);
    pointer->move();
    EXPECT_EQ(switcherModel()->selectedIndex(), 1);
    // A press anywhere also feeds the position.
    screens->pointerLocation = QPointF(c.x() - 120, c.y() + 10);
    pointer->send({ PointerEvent::Type::LeftMouseDown, 0, false });
    EXPECT_EQ(switcherModel()->selectedIndex(), 2);
    release(Ctrl);
    EXPECT_EQ(activations(30), 1);
}

// ---- The shortcut-like rings ------------------------------------------------------------------------

TEST_F(RingControl, ReturnThenReleaseRunsTheChosenItemOnce)
{
    saveShortcuts(QStringLiteral("org.example.Editor"), 3);
    ShortcutStorage::shared().addShortcut(AppShortcut(
        QStringLiteral("Nothing"), QStringLiteral("star"), QString(), QStringLiteral("org.example.Editor")));
    chord(KeyS, Shift | Ctrl);
    turn();
    AppShortcutRingViewModel* model = rings->shortcutRingViewModel();
    ASSERT_TRUE(model);
    EXPECT_EQ(model->shortcuts().size(), 3); // the item with nothing to run is left out
    EXPECT_TRUE(model->isVisible());
    ASSERT_TRUE(model->currentApp());
    EXPECT_EQ(model->currentApp()->bundleIdentifier, QStringLiteral("org.example.Editor"));
    EXPECT_TRUE(model->currentApp()->isActive);
    EXPECT_EQ(model->ringCenter(), rings->shortcutRing()->panel()->frameYUp().center());

    tap->press(KeyS, Shift | Ctrl); // steps in hold mode
    tap->press(Down, Shift | Ctrl);
    EXPECT_EQ(model->selectedIndex(), 2);
    tap->press(Down, Shift | Ctrl); // wraps within the page
    EXPECT_EQ(model->selectedIndex(), 0);
    tap->press(KeyS, Shift | Ctrl);
    EXPECT_TRUE(tap->press(Return, Shift | Ctrl));
    release(Ctrl);
    release(0);
    EXPECT_EQ(clipboard->changeCount(), 0); // runs 0.05 s after the commit
    env.scheduler().advance(0.05);
    EXPECT_EQ(clipboard->text(), QStringLiteral("snippet 1"));
    settle();
    EXPECT_EQ(clipboard->changeCount(), 1);
    EXPECT_FALSE(rings->isShortcutRingVisible());
    EXPECT_FALSE(rings->shortcutRingViewModel());
    EXPECT_FALSE(rings->isMouseTracking());
}

TEST_F(RingControl, EscapeOrACardClickEndTheRingShowingWithoutRunning)
{
    saveShortcuts(QStringLiteral("org.example.Editor"), 2);
    chord(KeyS, Shift | Ctrl);
    turn();
    tap->press(Escape, Shift | Ctrl);
    EXPECT_TRUE(rings->isShortcutRingVisible()); // exiting
    release(0);
    tap->press(Return, 0);
    settle();
    EXPECT_EQ(clipboard->changeCount(), 0);

    // The model's own hide (a card click) runs nothing and ends the showing.
    chord(KeyS, Shift | Ctrl);
    turn();
    rings->shortcutRingViewModel()->hide();
    release(0);
    settle();
    EXPECT_EQ(clipboard->changeCount(), 0);
    EXPECT_FALSE(rings->isShortcutRingVisible());
}

TEST_F(RingControl, ACardClickDeliversThatCardsPasswordAndReturnTypedMeanwhileWaitsForIt)
{
    PasswordEntry mail;
    mail.label = QStringLiteral("Mail");
    mail.variants << PasswordVariant {} << PasswordVariant {} << PasswordVariant {};
    env.defaults().setValue(PasswordVault::storageKey, PasswordEntry::encodeList({ mail }));
    struct Recorder : PasswordDelivery {
        explicit Recorder(const Platform& platform)
            : PasswordDelivery(PasswordVault(platform), platform.focusedText(), platform.syntheticKeys(),
                platform.scheduler(), platform.workspace(), {})
        {
        }
        void choose(const QUuid& account, std::optional<QUuid> card, std::function<void()> done) override
        {
            chosen << qMakePair(account, card);
            finished = std::move(done);
        }
        QList<QPair<QUuid, std::optional<QUuid>>> chosen;
        std::function<void()> finished;
    };
    auto recorder = std::make_shared<Recorder>(env.platform());
    rings->setPasswordDelivery(recorder);
    const auto grabsReturn = [this] {
        const auto grabs = tap->activeGrabs();
        return std::any_of(grabs.begin(), grabs.end(), [](const KeyGrab& g) { return g.covers(Return, 0); });
    };
    using Event = RecordingSyntheticKeys::Event;

    chord(KeyP, Shift | Ctrl);
    turn();
    AppShortcutRingViewModel* model = rings->shortcutRingViewModel();
    ASSERT_TRUE(model);
    ASSERT_EQ(model->arcVariants().size(), 3);
    // The click's choice, while the hotkey's modifiers are still held.
    model->setSelectedArcIndex(2);
    model->choose();
    EXPECT_TRUE(rings->shortcutRing()->isExiting());
    release(0);
    model->choose(); // nothing more: one choice per showing
    // Return typed during the fade-out is not the ring's any more, but it must
    // not reach the form before the password: it is kept.
    tap->clearDelivered();
    EXPECT_TRUE(tap->press(Return, 0));
    EXPECT_TRUE(tap->delivered().isEmpty());
    settle();
    ASSERT_EQ(recorder->chosen.size(), 1);
    EXPECT_EQ(recorder->chosen[0].first, mail.id);
    EXPECT_EQ(recorder->chosen[0].second, mail.variants[2].id);
    EXPECT_FALSE(rings->isShortcutRingVisible());
    // Also while the presence check has the hotkeys off.
    auto resume = KeyTapSuspension::begin();
    EXPECT_TRUE(grabsReturn());
    EXPECT_FALSE(tap->press(KeyP, Shift | Ctrl)); // no hotkey meanwhile
    EXPECT_TRUE(tap->press(Return, Shift));
    resume();
    EXPECT_TRUE(keys->events().empty());
    // The password has arrived: the keys follow it, in order, and Return is
    // the window's own again.
    ASSERT_TRUE(recorder->finished);
    recorder->finished();
    EXPECT_EQ(keys->events(),
        (std::vector<Event> {
            { Return, 0, true }, { Return, 0, false }, { Return, Shift, true }, { Return, Shift, false } }));
    EXPECT_FALSE(grabsReturn());
    tap->clearDelivered();
    EXPECT_FALSE(tap->press(Return, 0));
    EXPECT_EQ(tap->delivered().size(), 1);

    // A choice that never reports its end keeps the keys no longer than the limit.
    keys->clear();
    chord(KeyP, Shift | Ctrl);
    turn();
    release(0);
    EXPECT_TRUE(tap->press(Return, 0));
    env.scheduler().advance(RingController::submitHoldLimit - 0.1);
    EXPECT_TRUE(keys->events().empty());
    env.scheduler().advance(0.2);
    EXPECT_EQ(keys->events().size(), 2u);
    EXPECT_FALSE(grabsReturn());
    recorder->finished(); // late: nothing more
    EXPECT_EQ(keys->events().size(), 2u);
    rings->setPasswordDelivery(nullptr);
}

TEST_F(RingControl, AFrontmostAppWithoutShortcutsBeepsAndLogs)
{
    chord(KeyS, Shift | Ctrl);
    EXPECT_FALSE(rings->isShortcutRingVisible());
    EXPECT_EQ(desktop->beeps, 1);
    EXPECT_TRUE(env.logLines().contains(
        QStringLiteral("Kelvaro: no shortcuts saved for Editor — add some in Settings under Apps.")));
    // No frontmost application: nothing at all.
    desktop->frontmostPID.reset();
    chord(KeyS, Shift | Ctrl);
    EXPECT_EQ(desktop->beeps, 1);
    // Empty tabs and password rings beep without a log line.
    env.clearLog();
    chord(KeyD, Shift | Ctrl);
    chord(KeyP, Shift | Ctrl);
    EXPECT_EQ(desktop->beeps, 3);
    EXPECT_TRUE(env.logLines().isEmpty());
    EXPECT_FALSE(rings->isRingVisible());
}

TEST_F(RingControl, ScrollingTurnsPagesByWheelNotchOrTwentyEightPoints)
{
    saveShortcuts(QStringLiteral("org.example.Editor"), 25);
    chord(KeyS, Shift | Ctrl);
    turn();
    AppShortcutRingViewModel* model = rings->shortcutRingViewModel();
    ASSERT_EQ(model->pageCount(), 3);
    pointer->wheel(-1); // towards the user: forward
    EXPECT_EQ(model->pageIndex(), 1);
    EXPECT_EQ(model->shortcuts().size(), 10);
    pointer->wheel(-1);
    EXPECT_EQ(model->pageIndex(), 2);
    EXPECT_EQ(model->shortcuts().size(), 5);
    pointer->wheel(1); // back
    EXPECT_EQ(model->pageIndex(), 1);
    for (int i = 0; i < 9; ++i)
        pointer->swipe(3);
    EXPECT_EQ(model->pageIndex(), 1);
    EXPECT_DOUBLE_EQ(rings->scrollAccumulator(), 27);
    pointer->swipe(1);
    EXPECT_EQ(model->pageIndex(), 0);
    EXPECT_DOUBLE_EQ(rings->scrollAccumulator(), 0);
    // Arrows wrap within the page shown; they never turn it.
    tap->press(126, Shift | Ctrl); // Up
    EXPECT_EQ(model->selectedIndex(), 9);
    EXPECT_EQ(model->pageIndex(), 0);
    tap->press(Escape, Shift | Ctrl);
    settle();

    // One page: scrolls neither turn nor accumulate.
    ShortcutStorage::shared().removeApp(QStringLiteral("org.example.Editor"));
    saveShortcuts(QStringLiteral("org.example.Editor"), 4);
    chord(KeyS, Shift | Ctrl);
    turn();
    pointer->swipe(20);
    EXPECT_EQ(rings->scrollAccumulator(), 0);
    EXPECT_EQ(rings->shortcutRingViewModel()->pageIndex(), 0);
}

TEST_F(RingControl, ARingHotkeyOverTheRingPanelStepsOrCommitsTheRingItShows)
{
    saveShortcuts(QStringLiteral("org.example.Editor"), 3);
    savePasswords(3);
    // Records the accounts chosen instead of releasing their passwords.
    struct Recorder : PasswordDelivery {
        Recorder(const Platform& platform, QStringList& names)
            : PasswordDelivery(PasswordVault(platform), platform.focusedText(), platform.syntheticKeys(),
                platform.scheduler(), platform.workspace(), {})
            , vault(platform)
            , names(names)
        {
        }
        void choose(const QUuid& account, std::optional<QUuid>, std::function<void()>) override
        {
            names << vault.entry(account)->label;
        }
        PasswordVault vault;
        QStringList& names;
    };
    rings->setPasswordDelivery(std::make_shared<Recorder>(env.platform(), released));
    // Hold mode: the launcher hotkey over the password ring steps the ring
    // the panel shows, as does the password hotkey.
    chord(KeyP, Shift | Ctrl);
    turn();
    EXPECT_EQ(rings->shortcutRingRole(), HotkeyRole::passwords);
    EXPECT_EQ(rings->shortcutRingViewModel()->currentApp()->bundleIdentifier, AppShortcut::passwordMarker);
    tap->press(KeyS, Shift | Ctrl);
    EXPECT_EQ(rings->shortcutRingRole(), HotkeyRole::passwords);
    EXPECT_EQ(rings->shortcutRingViewModel()->currentApp()->bundleIdentifier, AppShortcut::passwordMarker);
    EXPECT_EQ(rings->shortcutRingViewModel()->selectedIndex(), 1);
    tap->press(KeyP, Shift | Ctrl);
    EXPECT_EQ(rings->shortcutRingViewModel()->selectedIndex(), 2);
    // The switcher hotkey over a shortcut ring opens the switcher, closing the ring at once.
    tap->press(KeyA, Shift | Ctrl);
    EXPECT_TRUE(rings->isSwitcherVisible());
    EXPECT_FALSE(rings->isShortcutRingVisible());
    release(0);
    settle();
    EXPECT_EQ(activations(10), 1);
    EXPECT_TRUE(released.isEmpty());

    // Toggle mode: the second press of the password hotkey commits its own ring.
    AppSettings::shared().setActivationMode(ActivationMode::toggle);
    chord(KeyP, Shift | Ctrl);
    turn();
    release(0);
    tap->changeFlags(Shift | Ctrl);
    tap->press(Down, Shift | Ctrl);
    tap->press(KeyP, Shift | Ctrl);
    EXPECT_TRUE(rings->shortcutRing()->isExiting());
    settle();
    EXPECT_EQ(released, QStringList { QStringLiteral("Account 1") });
    // … and so does the launcher hotkey over it.
    chord(KeyP, Shift | Ctrl);
    turn();
    release(0);
    tap->changeFlags(Shift | Ctrl);
    tap->press(KeyS, Shift | Ctrl);
    EXPECT_TRUE(rings->shortcutRing()->isExiting());
    settle();
    EXPECT_EQ(released, (QStringList { QStringLiteral("Account 1"), QStringLiteral("Account 0") }));
    // Over a ring that has chosen already, the launcher hotkey opens its own.
    chord(KeyP, Shift | Ctrl);
    turn();
    tap->press(KeyP, Shift | Ctrl);
    tap->press(KeyS, Shift | Ctrl);
    EXPECT_EQ(rings->shortcutRingRole(), HotkeyRole::launcher);
    settle();
    EXPECT_EQ(released.size(), 3);
    rings->setPasswordDelivery(nullptr);
}

TEST_F(RingControl, OpeningOneFamilyClosesTheOtherAtOnce)
{
    saveShortcuts(QStringLiteral("org.example.Editor"), 2);
    chord(KeyA, Shift | Ctrl);
    turn();
    tap->press(KeyS, Shift | Ctrl);
    EXPECT_FALSE(rings->isSwitcherVisible());
    EXPECT_TRUE(rings->isShortcutRingVisible());
    tap->press(KeyA, Shift | Ctrl);
    EXPECT_FALSE(rings->isShortcutRingVisible());
    EXPECT_FALSE(rings->shortcutRingViewModel());
    EXPECT_TRUE(rings->isSwitcherVisible());
    // The closed ring's pending reveal and run do nothing.
    release(0);
    settle();
    EXPECT_EQ(clipboard->changeCount(), 0);
    EXPECT_EQ(allActivations(), 1);
}
}
