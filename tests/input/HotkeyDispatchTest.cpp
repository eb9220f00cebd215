#include "input/RecordingRings.h"

#include "core/AppSettings.h"
#include "core/HotkeyRecordingSession.h"
#include "input/HotkeyDispatcher.h"
#include "input/HotkeyEventTap.h"
#include "input/KeyTapSuspension.h"
#include "platform/sim/SimKeyTap.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {
constexpr std::uint64_t ShiftCtrl = Modifier::Shift | Modifier::Ctrl;
constexpr std::uint16_t KeyA = 0, KeyS = 1, KeyD = 2, KeyB = 11, KeyP = 35, Key1 = 18;
constexpr std::uint16_t Return = 36, Enter = 76, Escape = 53, Left = 123, Right = 124, Down = 125, Up = 126;

class HotkeyDispatch : public ::testing::Test {
protected:
    void SetUp() override
    {
        tap = &env.sim().keyTap();
        settings().setLauncherGroups({});
        keyboard = std::make_unique<HotkeyDispatcher>(env.platform().keyTap(), rings);
        keyboard->start();
        ASSERT_TRUE(keyboard->keyTap());
    }
    void TearDown() override { keyboard.reset(); }
    static AppSettings& settings() { return AppSettings::shared(); }
    LauncherGroup group(
        const QString& name, std::optional<Hotkey> hotkey, QStringList apps = { QStringLiteral("org.example.app") })
    {
        return LauncherGroup(name, apps, hotkey, hotkey ? hotkey->rawModifiers : 0);
    }

    TestSupport::SimEnvironment env;
    SimKeyTap* tap = nullptr;
    RecordingRings rings;
    std::unique_ptr<HotkeyDispatcher> keyboard;

    void setRingVisible(bool switcher, bool shortcutRing)
    {
        rings.switcherVisible = switcher;
        rings.shortcutRingVisible = shortcutRing;
        keyboard->updateKeyGrabs();
    }
};
}

TEST_F(HotkeyDispatch, ConfiguredHotkeyIsSwallowedOnlyOnAnExactModifierMatch)
{
    EXPECT_TRUE(tap->press(KeyA, ShiftCtrl));
    EXPECT_EQ(rings.calls, QStringList { QStringLiteral("triggerSwitcher") });
    EXPECT_TRUE(tap->delivered().isEmpty());

    // One modifier more than configured: not a match, the focused window gets it.
    rings.calls.clear();
    EXPECT_FALSE(tap->press(KeyA, ShiftCtrl | Modifier::Alt));
    EXPECT_FALSE(tap->press(KeyA, Modifier::Ctrl));
    EXPECT_TRUE(rings.calls.isEmpty());
    EXPECT_EQ(tap->delivered().size(), 2);

    // A hotkey without modifiers matches only a press with none of the four.
    settings().setPasswordHotkey(Hotkey(96, 0)); // F5
    EXPECT_FALSE(keyboard->handleKeyDown(96, Modifier::Shift));
    EXPECT_TRUE(rings.calls.isEmpty());
    EXPECT_TRUE(tap->press(96, 0));
    EXPECT_EQ(rings.calls, QStringList { QStringLiteral("showPasswordRing") });

    // Caps Lock and other bits outside the mask never prevent a match.
    rings.calls.clear();
    EXPECT_TRUE(keyboard->handleTapped({ KeyTapEvent::Type::KeyDown, KeyS, ShiftCtrl | 0x10000, false }));
    EXPECT_EQ(rings.calls, QStringList { QStringLiteral("triggerLauncher") });
}

TEST_F(HotkeyDispatch, RolesAreComparedInFixedOrderBeforeGroups)
{
    EXPECT_TRUE(tap->press(KeyS, ShiftCtrl));
    EXPECT_TRUE(tap->press(KeyD, ShiftCtrl));
    EXPECT_TRUE(tap->press(KeyP, ShiftCtrl));
    EXPECT_EQ(rings.calls,
        (QStringList { QStringLiteral("triggerLauncher"), QStringLiteral("showCapturedTabsRing"),
            QStringLiteral("showPasswordRing") }));

    // Equal hotkeys: switcher > launcher > tabs > passwords > groups, earlier group first.
    const Hotkey shared(Key1, Modifier::Alt | Modifier::Ctrl);
    settings().setLauncherGroups({ group(QStringLiteral("first"), shared), group(QStringLiteral("second"), shared) });
    rings.calls.clear();
    EXPECT_TRUE(tap->press(Key1, shared.rawModifiers));
    EXPECT_EQ(rings.calls, QStringList { QStringLiteral("group:first") });

    for (auto [set, expected] :
        std::initializer_list<std::pair<void (AppSettings::*)(std::optional<Hotkey>), const char*>> {
            { &AppSettings::setPasswordHotkey, "showPasswordRing" },
            { &AppSettings::setCapturedTabsHotkey, "showCapturedTabsRing" },
            { &AppSettings::setLauncherHotkey, "triggerLauncher" },
            { &AppSettings::setSwitcherHotkey, "triggerSwitcher" } }) {
        (settings().*set)(shared);
        rings.calls.clear();
        EXPECT_TRUE(tap->press(Key1, shared.rawModifiers));
        EXPECT_EQ(rings.calls, QStringList { QString::fromLatin1(expected) });
    }

    // An unassigned hotkey is skipped; a group without applications is not active.
    settings().setSwitcherHotkey(std::nullopt);
    settings().setLauncherHotkey(std::nullopt);
    settings().setCapturedTabsHotkey(std::nullopt);
    settings().setPasswordHotkey(std::nullopt);
    settings().setLauncherGroups({ group(QStringLiteral("empty"), shared, {}), group(QStringLiteral("real"), shared) });
    rings.calls.clear();
    EXPECT_TRUE(tap->press(Key1, shared.rawModifiers));
    EXPECT_EQ(rings.calls, QStringList { QStringLiteral("group:real") });
    EXPECT_FALSE(tap->press(KeyA, ShiftCtrl));
}

TEST_F(HotkeyDispatch, AutoRepeatIsSwallowedOnlyWhileARingIsVisibleAndNeverDispatched)
{
    EXPECT_TRUE(tap->press(KeyA, ShiftCtrl));
    rings.calls.clear();
    // No ring: the repeat passes and does nothing.
    EXPECT_FALSE(tap->press(KeyA, ShiftCtrl, true));
    // A ring is up: repeats of any configured hotkey are swallowed, nothing runs.
    setRingVisible(true, false);
    EXPECT_TRUE(tap->press(KeyA, ShiftCtrl, true));
    EXPECT_TRUE(tap->press(KeyS, ShiftCtrl, true));
    EXPECT_TRUE(rings.calls.isEmpty());
    // Other repeats still reach the application, navigation keys included.
    EXPECT_FALSE(tap->press(Right, 0, true));
    EXPECT_FALSE(tap->press(KeyB, 0, true));
    EXPECT_TRUE(rings.calls.isEmpty());
}

TEST_F(HotkeyDispatch, OpenRecorderLetsHotkeysThroughUnlessARingIsVisible)
{
    HotkeyRecordingSession::recordingStarted();
    EXPECT_FALSE(tap->press(KeyA, ShiftCtrl));
    EXPECT_TRUE(rings.calls.isEmpty());
    ASSERT_EQ(tap->delivered().size(), 1);
    EXPECT_EQ(tap->delivered().first(), (SimKeyTap::Delivered { KeyA, ShiftCtrl, false }));

    setRingVisible(true, false);
    EXPECT_TRUE(tap->press(KeyA, ShiftCtrl));
    EXPECT_EQ(rings.calls, QStringList { QStringLiteral("triggerSwitcher") });
    HotkeyRecordingSession::recordingEnded();
    EXPECT_EQ(HotkeyRecordingSession::activeCount(), 0);
}

TEST_F(HotkeyDispatch, EscapeAndNavigationKeysActOnlyWithAVisibleRing)
{
    for (std::uint16_t key : { Escape, Return, Enter, Left, Right, Up, Down })
        EXPECT_FALSE(tap->press(key, 0)) << key;
    EXPECT_TRUE(rings.calls.isEmpty());
    EXPECT_EQ(tap->delivered().size(), 7);

    setRingVisible(true, false);
    for (std::uint16_t key : { Right, Down, Left, Up, Return, Enter })
        EXPECT_TRUE(tap->press(key, 0)) << key;
    EXPECT_EQ(rings.calls,
        (QStringList { QStringLiteral("step:1"), QStringLiteral("step:1"), QStringLiteral("step:-1"),
            QStringLiteral("step:-1"), QStringLiteral("commit"), QStringLiteral("commit") }));
    // Other keys reach the frontmost application while a ring is up.
    EXPECT_FALSE(tap->press(KeyB, 0));

    rings.calls.clear();
    setRingVisible(false, true);
    EXPECT_TRUE(tap->press(Down, Modifier::Shift));
    EXPECT_TRUE(tap->press(Up, 0));
    EXPECT_EQ(rings.calls, (QStringList { QStringLiteral("step:1"), QStringLiteral("step:-1") }));

    // Escape cancels whatever ring shows.
    rings.calls.clear();
    EXPECT_TRUE(tap->press(Escape, 0));
    EXPECT_EQ(rings.calls, QStringList { QStringLiteral("cancel") });
}

TEST_F(HotkeyDispatch, GrabSetFollowsHotkeysGroupsAndRingVisibility)
{
    auto grabs = [&] { return tap->activeGrabs(); };
    auto has = [&](const KeyGrab& g) {
        const auto all = grabs();
        return std::find(all.begin(), all.end(), g) != all.end();
    };
    EXPECT_EQ(grabs().size(), 4u);
    EXPECT_TRUE(has(KeyGrab::of(Hotkey(KeyA, ShiftCtrl))));
    EXPECT_FALSE(has(KeyGrab::anyModifiersOf(Escape)));

    settings().setSwitcherHotkey(Hotkey(KeyB, Modifier::Super));
    EXPECT_TRUE(has(KeyGrab::of(Hotkey(KeyB, Modifier::Super))));
    EXPECT_FALSE(has(KeyGrab::of(Hotkey(KeyA, ShiftCtrl))));
    // The old combination now reaches the application untouched.
    EXPECT_FALSE(tap->press(KeyA, ShiftCtrl));

    const Hotkey g(Key1, Modifier::Ctrl);
    settings().setLauncherGroups({ group(QStringLiteral("apps"), g) });
    EXPECT_TRUE(has(KeyGrab::of(g)));
    settings().setLauncherGroups({ group(QStringLiteral("apps"), g, {}) });
    EXPECT_FALSE(has(KeyGrab::of(g)));

    // Showing a ring from the handler itself adds the navigation keys at once.
    rings.switcherVisible = true; // as if triggerSwitcher had shown it
    EXPECT_TRUE(tap->press(KeyB, Modifier::Super));
    for (std::uint16_t key : { Return, Enter, Left, Right, Up, Down, Escape })
        EXPECT_TRUE(has(KeyGrab::anyModifiersOf(key))) << key;
    setRingVisible(false, false);
    EXPECT_EQ(grabs().size(), 4u);
}

TEST_F(HotkeyDispatch, ModifierChangesAlwaysPassAndReachTheRingControl)
{
    tap->changeFlags(ShiftCtrl);
    tap->changeFlags(Modifier::Ctrl);
    EXPECT_EQ(rings.modifierChanges, (QList<std::uint64_t> { ShiftCtrl, Modifier::Ctrl }));
    EXPECT_FALSE(keyboard->handleTapped({ KeyTapEvent::Type::FlagsChanged, 0, 0, false }));
}

TEST_F(HotkeyDispatch, PermissionPollStartsTheTapOnceTrusted)
{
    tap->setTrusted(false);
    keyboard->start();
    EXPECT_FALSE(keyboard->keyTap());
    EXPECT_FALSE(keyboard->hasGlobalMonitor()); // no fallback while untrusted
    EXPECT_TRUE(keyboard->isWaitingForPermission());
    keyboard->watchPermission(); // a second watch makes no second timer
    EXPECT_EQ(env.scheduler().pendingCount(), 1u);

    env.scheduler().advance(2.0);
    EXPECT_FALSE(keyboard->keyTap());
    tap->setTrusted(true);
    env.scheduler().advance(1.9);
    EXPECT_FALSE(keyboard->keyTap());
    env.scheduler().advance(0.1);
    ASSERT_TRUE(keyboard->keyTap());
    EXPECT_FALSE(keyboard->isWaitingForPermission());
    EXPECT_EQ(env.scheduler().pendingCount(), 0u);
    EXPECT_TRUE(tap->press(KeyA, ShiftCtrl));

    // Trusted from the start: no poll at all.
    keyboard->watchPermission();
    EXPECT_FALSE(keyboard->isWaitingForPermission());
}

TEST_F(HotkeyDispatch, RefusedTapFallsBackToAMonitorThatActsOncePerHeldKey)
{
    tap->setRefusesTap(true);
    keyboard->start();
    EXPECT_FALSE(keyboard->keyTap());
    ASSERT_TRUE(keyboard->hasGlobalMonitor());
    ASSERT_FALSE(env.logLines().isEmpty());

    EXPECT_FALSE(tap->press(KeyA, ShiftCtrl)); // seen, never swallowed
    EXPECT_FALSE(tap->press(KeyA, ShiftCtrl, true));
    EXPECT_FALSE(tap->press(KeyA, ShiftCtrl, true));
    EXPECT_EQ(rings.calls, QStringList { QStringLiteral("triggerSwitcher") });
    tap->changeFlags(0);
    EXPECT_EQ(rings.modifierChanges, QList<std::uint64_t> { 0 });
}

TEST_F(HotkeyDispatch, CombinationHeldByAnotherProgramIsWatchedNotSwallowed)
{
    tap->setGrabbedElsewhere({ KeyGrab::of(Hotkey(KeyA, ShiftCtrl)) });
    EXPECT_FALSE(tap->press(KeyA, ShiftCtrl));
    EXPECT_FALSE(tap->press(KeyA, ShiftCtrl, true));
    EXPECT_EQ(rings.calls, QStringList { QStringLiteral("triggerSwitcher") });
    // The others are still taken.
    EXPECT_TRUE(tap->press(KeyS, ShiftCtrl));
}

TEST_F(HotkeyDispatch, SuspensionSwitchesTheCurrentTapOffAndOnAgain)
{
    auto resume = keyboard->beginSuspension();
    EXPECT_FALSE(tap->tapEnabled());
    EXPECT_FALSE(tap->press(KeyA, ShiftCtrl));
    EXPECT_TRUE(rings.calls.isEmpty());

    // Monitoring restarted meanwhile: the resume switches the new tap on, and
    // the new tap starts switched off while the modal work runs.
    keyboard->start();
    EXPECT_EQ(tap->tapsCreated(), 2);
    EXPECT_FALSE(tap->tapEnabled());
    resume();
    EXPECT_TRUE(tap->tapEnabled());
    resume(); // twice does nothing more
    EXPECT_TRUE(tap->press(KeyA, ShiftCtrl));

    // Nested modal work: back on only when the outer one ends.
    const int result = KeyTapSuspension::withSuspended([&] {
        KeyTapSuspension::withSuspended([&] { EXPECT_FALSE(tap->tapEnabled()); });
        EXPECT_FALSE(tap->tapEnabled());
        return 7;
    });
    EXPECT_EQ(result, 7);
    EXPECT_TRUE(tap->tapEnabled());

    // The plain switch form used by services.
    KeyTapSuspension::setTapEnabled(false);
    EXPECT_FALSE(tap->tapEnabled());
    KeyTapSuspension::setTapEnabled(true);
    EXPECT_TRUE(tap->tapEnabled());

    // A resume that outlives its dispatcher does nothing.
    auto late = keyboard->beginSuspension();
    keyboard.reset();
    late();
    KeyTapSuspension::withSuspended([] {});
}
