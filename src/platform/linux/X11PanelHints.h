#pragma once
// Window-manager hints of a floating panel that must never take the keyboard
// focus: the frontmost application keeps typing while the panel is up, yet
// the panel still receives pointer clicks.
//
// On the panel's X window (made but not yet mapped) they set:
//  - WM_HINTS input = false and WM_PROTOCOLS without WM_TAKE_FOCUS (the ICCCM
//    "no input" model: the window manager never hands it the focus);
//  - _NET_WM_WINDOW_TYPE notification (floating, undecorated, not focused on
//    map, not part of window cycling);
//  - _NET_WM_STATE above, sticky, skip-taskbar and skip-pager;
//  - _NET_WM_DESKTOP 0xFFFFFFFF (every desktop).
// EWMH window managers drop _NET_WM_STATE and _NET_WM_DESKTOP when a window
// is withdrawn, so the panel applies the hints again before every map.

#include <QtGlobal>
#include <memory>

struct xcb_connection_t;

class X11PanelHints {
public:
    // The connection of the running Qt application, or null when Qt does not
    // run on X11 (offscreen tests, Wayland).
    static xcb_connection_t* qtConnection();

    // Applies every hint above to `window`; false when there is no X connection.
    static bool apply(xcb_connection_t* connection, quint32 window);

    // Whether a compositing manager owns _NET_WM_CM_S<screen> of the Qt
    // application's X screen: only then are translucent pixels of a window
    // blended with what lies behind it (without one they show black). True
    // where there is no X11 connection (nothing to find out).
    static bool compositorRunning();
    // The root window of the Qt application's X screen and the atom of its
    // _NET_WM_CM_S<screen> selection (none when either cannot be had).
    struct CompositorSelection {
        quint32 root = 0;
        quint32 selection = 0;
    };
    static CompositorSelection compositorSelection(xcb_connection_t* connection);

    // Lets pointer input through `window` to the windows beneath (an empty
    // input shape) or takes it again (the window's own shape, which follows
    // its size). On the Qt application's connection, which has agreed an
    // XFixes version; nothing happens without the extension.
    static void letPointerThrough(xcb_connection_t* connection, quint32 window, bool through);

    // Around a change of a shown window's frame (`begin` true before it,
    // false after it). Through the change the picture on the display stays
    // where it is on the screen, and whatever the frame gains is cleared to
    // transparent: neither the old picture shifted nor undefined pixels are
    // ever shown. After it the window's background is none again, so that
    // mapping it clears nothing before its first paint.
    static void keepPictureInPlace(xcb_connection_t* connection, quint32 window, bool begin);

    // For checks: whether `window` currently carries the "no input" model
    // (input hint false, no WM_TAKE_FOCUS).
    static bool refusesFocus(xcb_connection_t* connection, quint32 window);

    X11PanelHints() = delete;
};

class PanelHints;
// The panel hints port on the Qt application's X connection.
std::shared_ptr<PanelHints> makeX11PanelHints();
