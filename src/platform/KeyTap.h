#pragma once
// The global keyboard: one tap that sees key presses and modifier changes
// wherever the focus is and may swallow the presses it acts on, and a
// monitor that only watches.
//
// X11 cannot decide after the fact whether to swallow a key it did not grab,
// so the tap is told which combinations the handler may swallow
// (`setGrabs`). Presses of other combinations never reach the handler; they
// go to the focused window as if there were no tap. Modifier changes always
// reach the handler and are never swallowed.

#include "platform/KeyModifiers.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct KeyTapEvent {
    enum class Type {
        KeyDown = 10,
        FlagsChanged = 12,
    };
    Type type = Type::KeyDown;
    std::uint16_t keyCode = 0; // virtual key code (platform/KeyCodes.h)
    std::uint64_t flags = 0; // modifier bits, already reduced to Modifier::Mask
    bool isAutoRepeat = false;
};

// One combination the tap takes for itself. With `anyModifiers` every
// modifier combination of the key is taken (ring navigation keys).
struct KeyGrab {
    std::uint16_t keyCode = 0;
    std::uint64_t modifiers = 0; // Modifier::Mask bits
    bool anyModifiers = false;
    bool operator==(const KeyGrab&) const = default;
    bool covers(std::uint16_t code, std::uint64_t flags) const
    {
        return code == keyCode && (anyModifiers || (flags & Modifier::Mask) == modifiers);
    }
    // A stored combination (anything with keyCode and rawModifiers).
    template <class Combination> static KeyGrab of(const Combination& h)
    {
        return { h.keyCode, h.rawModifiers & Modifier::Mask, false };
    }
    static KeyGrab anyModifiersOf(std::uint16_t code) { return { code, 0, true }; }
};

// One running tap (the backend of HotkeyEventTap).
class KeyTapSession {
public:
    virtual ~KeyTapSession() = default;
    // A disabled tap grabs nothing and calls no handler.
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
    // The combinations the handler may swallow. Replaces the previous set.
    virtual void setGrabs(const std::vector<KeyGrab>& combinations) = 0;
    // The modifiers held right now (Modifier::Mask bits), asked of the system
    // rather than taken from the events seen: a modifier released while a
    // grab was being taken may never arrive as an event. Nothing when it
    // cannot be asked.
    virtual std::optional<std::uint64_t> currentModifiers() = 0;
};

// A watcher that sees key-downs and modifier changes but cannot swallow them.
class KeyMonitorSession {
public:
    virtual ~KeyMonitorSession() = default;
};

class KeyTap {
public:
    // Answers true to swallow the event.
    using Handler = std::function<bool(const KeyTapEvent&)>;
    using MonitorHandler = std::function<void(const KeyTapEvent&)>;

    virtual ~KeyTap() = default;

    // Whether the process may watch and swallow global keys at all
    // (on X11: a display with the XTEST, XInputExtension 2 and XKB extensions).
    virtual bool isTrusted() = 0;

    // A running, enabled tap, or nullptr when the system refuses one.
    // `fallback` receives presses of grabbed combinations that another client
    // already holds: they can be seen but not swallowed.
    virtual std::unique_ptr<KeyTapSession> createTap(Handler handler, MonitorHandler fallback) = 0;
    // A global monitor, or nullptr when none can be made.
    virtual std::unique_ptr<KeyMonitorSession> addGlobalMonitor(MonitorHandler handler) = 0;
};
