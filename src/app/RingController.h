#pragma once
// Ring control: opening the app switcher, launcher groups and the
// shortcut-like rings (an application's shortcuts, saved tabs, passwords),
// steering them from keys and the pointer, and committing each showing's
// choice at most once.
//
// Two families share the screen, one at a time: the switcher (which also
// shows launcher groups) and the shortcut-like rings in one panel. A showing
// commits at most once, by a modifier release (hold mode), the hotkey again
// (toggle mode), Return or Enter, or a click; any hide that is not a commit
// (Escape, a click's own hide, another ring opening) ends the showing, so
// nothing of it commits afterwards. Its exit animation keeps the panel on
// screen for a moment. A hotkey acts on the ring it opened; pressed while
// another ring shows, it opens its own.

#include "core/HotkeyRole.h"
#include "input/RingCommands.h"

#include <QObject>
#include <QPointer>
#include <QUuid>
#include <functional>
#include <memory>
#include <optional>

class AppShortcutRingViewModel;
class CircularSwitcherWindow;
class HotkeyDispatcher;
class PasswordDelivery;
class PointerMonitorSession;
class Platform;
class RingLocalPointerMonitor;
class ShortcutRingWindow;
struct AppShortcut;
struct LauncherGroup;
struct RunningApp;

class RingController : public QObject, public RingCommands {
    Q_OBJECT
public:
    explicit RingController(const Platform& platform, QObject* parent = nullptr);
    ~RingController() override;

    // The keyboard the rings were opened from: asked for the held modifiers
    // once a ring shows, and told when the rings change (its grab set).
    void setKeyboard(HotkeyDispatcher* keyboard);

    // ---- What the hotkeys ask (RingCommands) -------------------------------------
    bool isSwitcherVisible() const override;
    bool isShortcutRingVisible() const override;
    bool takesRingKeys() const override;
    void triggerSwitcher() override;
    void triggerLauncher() override;
    void showCapturedTabsRing() override;
    void showPasswordRing() override;
    void showLauncherGroup(const LauncherGroup& group) override;
    void handleModifiersChanged(std::uint64_t flags) override;
    void commitVisibleRing() override;
    void stepVisibleRing(int delta) override;
    void cancelVisibleRings() override;

    bool isRingVisible() const { return isSwitcherVisible() || isShortcutRingVisible(); }

    // ---- Opening and steering ----------------------------------------------------------
    // The switcher of running applications (the tray menu and the hotkey).
    void showCircularSwitcher();
    // Makes the ring windows and paints each ring once offscreen, so the
    // first showing after launch costs what every later one does. Call off
    // the key path (after launch), while no ring shows.
    void prepareRings();
    // The frontmost application's shortcuts; a beep and a log line when it has none.
    void showShortcutRing();
    void hideSwitcher(bool animated);
    void hideShortcutRing(bool animated);
    void selectAndActivateCurrentApp();
    void selectAndExecuteCurrentShortcut();
    void moveShortcutSelection(int delta);
    // `deltaY` up positive; points when `precise`, else wheel notches.
    void forwardScroll(double deltaY, bool precise);
    void forwardMousePosition();
    void stopMouseTracking();

    // ---- State (tests, the tray menu and the benchmarks) ----------------------------------
    CircularSwitcherWindow* circularSwitcher() const { return m_switcher.get(); }
    ShortcutRingWindow* shortcutRing() const { return m_shortcutRing.get(); }
    AppShortcutRingViewModel* shortcutRingViewModel() const;
    bool isMouseTracking() const { return m_mouseMonitor || m_localMonitor; }
    double scrollAccumulator() const { return m_scrollAccumulator; }
    bool switcherHasCommitted() const { return m_switcherHasCommitted; }
    std::optional<std::uint64_t> switcherSessionHold() const { return m_switcherSessionHold; }
    bool shortcutRingHasCommitted() const { return m_shortcutRingHasCommitted; }
    HotkeyRole shortcutRingRole() const { return m_shortcutRingRole; }

    // Who takes a chosen password; without one, a delivery through the shared
    // platform ports is made for each choice.
    void setPasswordDelivery(std::shared_ptr<PasswordDelivery> delivery);

    // The shortcut ring's commit runs the item this long after the hide starts.
    static constexpr double executeDelay = 0.05;
    // The longest Return and Enter wait for a chosen password.
    static constexpr double submitHoldLimit = 5.0;
    // Scroll needed for one page turn: points of a precise device, wheel notches.
    static constexpr double preciseScrollThreshold = 28.0;
    static constexpr double wheelScrollThreshold = 1.0;
    // How long no ring must be up before the memory a showing freed is
    // handed back: a ring opened again soon would take those pages again.
    static constexpr double idleMemoryDelay = 2.0;

Q_SIGNALS:
    // A ring showed or hid: the keys the keyboard takes change with it.
    void ringsChanged();

private:
    void makeSwitcher();
    void makeShortcutRing();
    void showShortcutLikeRing(const RunningApp& centre, const QList<AppShortcut>& items, HotkeyRole role);
    // The ring panel shows a ring that can still act (of `role`, when given).
    bool isShortcutRingLive(std::optional<HotkeyRole> role = std::nullopt) const;
    bool isSwitcherLive() const;
    void stepOrCommitSwitcher();
    void stepOrCommitShortcutRing();
    void switcherClickCommit(int index, std::optional<int> windowIndex);
    void choosePassword(const AppShortcut& item, std::optional<QUuid> card, std::function<void()> finished);
    // Holds Return and Enter (HotkeyDispatcher::holdSubmitKeys) until the
    // returned function runs, or submitHoldLimit has passed, then types
    // them again.
    std::function<void()> holdSubmitKeysUntilDone();
    // Hold mode, for a ring a key press opened: on the next turn, asks which
    // modifiers are still held and treats a missing one as released (a
    // release during the grab that showed the ring is never reported as an
    // event). Rings opened otherwise (the tray menu) are not held open by keys.
    void checkHeldModifiersSoon();
    void startMouseTracking();
    void stopMouseTrackingIfIdle();
    // Hands freed memory back once no ring has been up for idleMemoryDelay.
    void releaseMemoryWhenIdle();

    const Platform& m_platform;
    QPointer<HotkeyDispatcher> m_keyboard;
    std::unique_ptr<CircularSwitcherWindow> m_switcher;
    std::unique_ptr<ShortcutRingWindow> m_shortcutRing;
    std::unique_ptr<PointerMonitorSession> m_mouseMonitor;
    std::unique_ptr<RingLocalPointerMonitor> m_localMonitor;
    double m_scrollAccumulator = 0;
    bool m_switcherHasCommitted = false;
    std::optional<std::uint64_t> m_switcherSessionHold;
    std::optional<QUuid> m_switcherSessionGroup; // the group the switcher shows, if any
    bool m_shortcutRingHasCommitted = false;
    HotkeyRole m_shortcutRingRole = HotkeyRole::launcher;
    quint64 m_ringShowings = 0; // every showing of either ring
    quint64 m_memoryReleaseGeneration = 0;
    std::shared_ptr<PasswordDelivery> m_passwordDelivery;
};
