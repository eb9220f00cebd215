#pragma once
// One monitoring session's key tap: wraps the platform tap, hands every
// event to the handler (true = swallow), and can be switched off around
// modal work.

#include "platform/KeyTap.h"

#include <memory>

class HotkeyEventTap {
public:
    using Handler = KeyTap::Handler;
    using MonitorHandler = KeyTap::MonitorHandler;

    // Stores the handlers; no tap yet. `fallback` sees presses of combinations
    // another client holds (they cannot be swallowed).
    explicit HotkeyEventTap(KeyTap& keyTap, Handler handler, MonitorHandler fallback = {});
    ~HotkeyEventTap();
    HotkeyEventTap(const HotkeyEventTap&) = delete;
    HotkeyEventTap& operator=(const HotkeyEventTap&) = delete;

    // True when a tap is running afterwards (also when one already was).
    bool start();
    // Drops the tap. Safe to call twice.
    void stop();
    bool isRunning() const { return m_session != nullptr; }

    void setEnabled(bool enabled);
    bool isEnabled() const;

    // The combinations the handler may swallow; kept across restarts.
    void setGrabs(const std::vector<KeyGrab>& combinations);
    const std::vector<KeyGrab>& grabs() const { return m_grabs; }

    // The modifiers held right now, asked of the system (see KeyTapSession);
    // nothing without a running tap or when the system cannot tell.
    std::optional<std::uint64_t> currentModifiers();

private:
    KeyTap& m_keyTapPort;
    Handler m_handler;
    MonitorHandler m_fallback;
    std::unique_ptr<KeyTapSession> m_session;
    std::vector<KeyGrab> m_grabs;
};
