#pragma once
// The pointer seen globally while a ring is up: motion, button presses and
// scroll-wheel steps wherever the pointer is, without grabbing it, so clicks
// still reach the ring's own widgets and every other window.
//
// Events carry no position: whoever handles one reads the pointer's location
// from the Screens port (pointer()) when it needs it (motion may be coalesced).

#include <functional>
#include <memory>

struct PointerEvent {
    enum class Type {
        LeftMouseDown = 1,
        RightMouseDown = 3,
        MouseMoved = 5,
        ScrollWheel = 22,
    };
    Type type = Type::MouseMoved;
    // Vertical scroll amount, positive when scrolling up (away from the user):
    // points for precise devices (touchpads), otherwise wheel notches.
    double scrollingDeltaY = 0;
    bool hasPreciseScrollingDeltas = false;
};

// One live monitor; destroying it removes it.
class PointerMonitorSession {
public:
    virtual ~PointerMonitorSession() = default;
};

class PointerMonitor {
public:
    using Handler = std::function<void(const PointerEvent&)>;

    virtual ~PointerMonitor() = default;

    // A monitor that calls `handler` on the main thread for every pointer
    // event of the whole display, or nullptr when none can be made.
    virtual std::unique_ptr<PointerMonitorSession> addGlobalMonitor(Handler handler) = 0;
    // Whether the global monitor also reports events over this process's own
    // windows (then a local monitor must not count their scrolls again).
    virtual bool seesOwnWindows() const = 0;
    // Makes ready what the first monitor needs (a connection), off the path
    // of the first showing; reports no events by itself.
    virtual void prepare() { }
};
