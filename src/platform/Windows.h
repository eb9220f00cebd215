#pragma once
// The windows of running applications and the desktops they sit on, as the
// tasks the switcher performs on them.
//
// An application is named by the `pid` key of its RunningApplication (see
// Workspace); a window by its window id, which on X11 is the client's X window
// id and stays the same for the window's life. On X11 the backend follows
// EWMH and ICCCM: the client list, _NET_WM_STATE, _NET_WM_DESKTOP,
// _NET_ACTIVE_WINDOW and _NET_CURRENT_DESKTOP. Desktops are numbered from 0.

#include <QList>
#include <QRectF>
#include <QString>
#include <memory>
#include <optional>

struct WindowInfo {
    enum class Kind {
        Normal, // an ordinary top-level window
        Dialog, // a dialog, or a window transient for another
        Utility, // palettes, toolbars, torn-off menus
        Other, // splash screens, notifications, popups
    };

    quint32 id = 0;
    Kind kind = Kind::Normal;
    QString title; // as the client set it; empty when it has none
    QRectF frame; // with the window manager's frame, in screen pixels
    bool minimized = false;
    bool fullScreen = false;
    bool keptAbove = false; // the window manager keeps it above the others
    double opacity = 1.0;
    // The desktop it is on: `Windows::allDesktops` when on every desktop, none
    // when unknown.
    std::optional<quint32> desktop;
};

class Windows {
public:
    static constexpr quint32 allDesktops = 0xFFFFFFFF;

    virtual ~Windows() = default;

    // The windows of the application, front to back; empty when it is not
    // running or the windows cannot be read.
    virtual QList<WindowInfo> windowsOf(qint32 app) const = 0;
    // The title of a window; none when there is no such window.
    virtual std::optional<QString> windowTitle(quint32 window) const = 0;
    // The desktop of a window (allDesktops when on every one); none when unknown.
    virtual std::optional<quint32> desktopOf(quint32 window) const = 0;
    // The window that has the keyboard focus; none when there is none.
    virtual std::optional<quint32> activeWindow() const = 0;

    // Restores the window when minimised, brings it to the front and gives it
    // the focus. Whether the window manager also switches to its desktop is its
    // own choice: callers switch first. False when there is no such window or
    // no window manager to ask.
    virtual bool raise(quint32 window) = 0;
    // Brings the application forward: its front window (the frontmost one not
    // minimised, else the frontmost), and with `allWindows` its other windows
    // on that desktop too. False when it cannot (it quit, or has no window).
    virtual bool activate(qint32 app, bool allWindows) = 0;

    // None when the desktops are unknown (no window manager).
    virtual std::optional<quint32> currentDesktop() const = 0;
    // False when there is no such desktop or no window manager to ask.
    virtual bool switchToDesktop(quint32 desktop) = 0;
};
