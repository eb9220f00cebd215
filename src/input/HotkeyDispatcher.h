#pragma once
// The global keyboard of the application: runs the key tap (or, when the tap
// is refused, a monitor that sees keys but cannot swallow them), decides
// which configured hotkey a key press is, and tells the ring control. It
// keeps the set of combinations the tap takes for itself in step with the
// hotkeys, the launcher groups and whether a ring shows, and switches the tap
// off around modal work (input/KeyTapSuspension.h).
//
// Keys are compared with the hotkeys in a fixed order: switcher, launcher
// (shortcut ring), tabs, passwords, then each active launcher group. Return,
// Enter, the arrows and Escape act only while a ring shows that can still
// act on them; once it has chosen, they are the focused window's again.

#include "platform/KeyTap.h"
#include "platform/Scheduler.h"

#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class HotkeyEventTap;
class RingCommands;

class HotkeyDispatcher : public QObject {
    Q_OBJECT
public:
    // `rings` outlives the dispatcher. The dispatcher becomes the provider of
    // KeyTapSuspension until it is destroyed.
    HotkeyDispatcher(KeyTap& keyTap, RingCommands& rings, QObject* parent = nullptr);
    ~HotkeyDispatcher() override;

    // Starts the key tap when the process may have one; otherwise waits for
    // the permission (watchPermission). A refused tap falls back to the
    // monitor. Starting again replaces the running tap.
    void start();
    void stop();
    // While the process may not watch global keys, polls every 2 s and starts
    // once it may. One poll at most.
    void watchPermission();

    bool handleTapped(const KeyTapEvent& event);
    // The fallback monitor (sees keys, cannot swallow).
    void handleMonitored(const KeyTapEvent& event);
    bool handleKeyDown(std::uint16_t keyCode, std::uint64_t modifiers);
    bool matchesAnyBinding(std::uint16_t keyCode, std::uint64_t modifiers) const;
    // True while a key press is being handled (rings opened from it check
    // the held modifiers once they show).
    bool isHandlingKey() const { return m_keyHandlerDepth > 0; }

    // Every role and active group hotkey, while a ring takes keys Return,
    // Enter, the arrows and Escape with any modifiers, and during a hold
    // Return and Enter (only those while suspended).
    std::vector<KeyGrab> currentKeyGrabs() const;
    void updateKeyGrabs();
    // The modifiers held right now, asked of the system; nothing without a tap.
    std::optional<std::uint64_t> currentModifiers();

    // Switches the tap off until the returned function runs (nested calls
    // count; the tap comes back when the outermost one ends).
    std::function<void()> beginSuspension();
    bool isSuspended() const { return m_suspensionDepth > 0; }

    // Return and Enter typed while something chosen on a ring is still on its
    // way (a password being released) must not overtake it: they would
    // submit the form before the password is in it. Until the returned
    // function runs, those keys are taken and kept, also while the tap is
    // otherwise suspended; pressed in one of Kelvaro's own windows (the
    // presence check asking) they act there at once. The function ends the
    // hold (nested holds count) and answers the keys kept, in order, once the
    // tap no longer takes them, so they can be typed again where they were
    // meant to go.
    struct HeldKey {
        std::uint16_t keyCode = 0;
        std::uint64_t modifiers = 0;
        bool operator==(const HeldKey&) const = default;
    };
    std::function<std::vector<HeldKey>()> holdSubmitKeys();
    bool isHoldingSubmitKeys() const { return m_holdDepth > 0; }

    HotkeyEventTap* keyTap() const { return m_keyTap.get(); }
    // Whether the process's dispatcher has its key tap running (not the
    // fallback monitor, not waiting); nothing when there is no dispatcher.
    static std::optional<bool> isTapRunning();
    bool hasGlobalMonitor() const { return m_globalMonitor != nullptr; }
    bool isWaitingForPermission() const { return m_permissionRetryTimer != 0; }

private:
    bool isRingVisible() const;
    bool handleRingNavigation(std::uint16_t keyCode);
    bool holdSubmitKey(std::uint16_t keyCode, std::uint64_t modifiers);
    void setTapEnabled(bool enabled);
    // On unless suspended without a hold; the grabs follow.
    void applyTapState();

    KeyTap& m_keyTapPort;
    RingCommands& m_rings;
    std::unique_ptr<HotkeyEventTap> m_keyTap;
    std::unique_ptr<KeyMonitorSession> m_globalMonitor;
    Scheduler::TimerId m_permissionRetryTimer = 0;
    int m_suspensionDepth = 0;
    int m_keyHandlerDepth = 0;
    int m_holdDepth = 0;
    std::vector<HeldKey> m_heldKeys;
};
