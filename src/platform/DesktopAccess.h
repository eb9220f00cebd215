#pragma once
// What the desktop grants beyond the key grabs (those are the key tap's):
// whether this is an X11 session, where other programs' keys and windows can
// be reached at all, and whether the accessibility bus is on, through which
// their windows, menus and text fields are read.

#include <QObject>
#include <functional>

class DesktopAccess {
public:
    virtual ~DesktopAccess() = default;

    // False under Wayland, also when an X connection comes through XWayland.
    virtual bool isX11Session() const = 0;
    // Whether the accessibility bus is on, answered through `reply` (now or
    // later, on the main thread); no answer once `context` is gone.
    virtual void readAccessibilityBus(QObject* context, std::function<void(bool on)> reply) = 0;
    // Asks for the accessibility bus to be switched on; false when it could
    // not ask. The next reading shows whether it came on.
    virtual bool enableAccessibilityBus() = 0;
};
