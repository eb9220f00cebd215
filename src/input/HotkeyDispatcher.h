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
// Enter, the arrows and Escape act only while a ring shows.

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

    // Every role and active group hotkey, and while a ring shows Return,
    // Enter, the arrows and Escape with any modifiers.
    std::vector<KeyGrab> currentKeyGrabs() const;
    void updateKeyGrabs();
    // The modifiers held right now, asked of the system; nothing without a tap.
    std::optional<std::uint64_t> currentModifiers();

    // Switches the tap off until the returned function runs (nested calls
    // count; the tap comes back when the outermost one ends).
    std::function<void()> beginSuspension();
    bool isSuspended() const { return m_suspensionDepth > 0; }

    HotkeyEventTap* keyTap() const { return m_keyTap.get(); }
    // Whether the process's dispatcher has its key tap running (not the
    // fallback monitor, not waiting); nothing when there is no dispatcher.
    static std::optional<bool> isTapRunning();
    bool hasGlobalMonitor() const { return m_globalMonitor != nullptr; }
    bool isWaitingForPermission() const { return m_permissionRetryTimer != 0; }

private:
    bool isRingVisible() const;
    bool handleRingNavigation(std::uint16_t keyCode);
    void setTapEnabled(bool enabled);

    KeyTap& m_keyTapPort;
    RingCommands& m_rings;
    std::unique_ptr<HotkeyEventTap> m_keyTap;
    std::unique_ptr<KeyMonitorSession> m_globalMonitor;
    Scheduler::TimerId m_permissionRetryTimer = 0;
    int m_suspensionDepth = 0;
    int m_keyHandlerDepth = 0;
};
