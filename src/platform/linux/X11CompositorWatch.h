#pragma once
// Whether a compositing manager owns _NET_WM_CM_S<screen> of the Qt
// application's X screen, asked once and then followed through XFixes'
// notices of that selection's owner changing. Every asker holds its own watch
// on Qt's connection; all of them read the same notices as they arrive, so
// they never disagree, and none asks the server on the way from a hotkey to
// a ring's first frame (a round trip there waits for whatever else the server
// is busy with).

#include <QAbstractNativeEventFilter>
#include <QtGlobal>

#include <functional>

struct xcb_connection_t;

class X11CompositorWatch final : public QAbstractNativeEventFilter {
public:
    // `changed` is called with the new answer when a notice changes it.
    explicit X11CompositorWatch(std::function<void(bool)> changed = {});
    ~X11CompositorWatch() override;
    X11CompositorWatch(const X11CompositorWatch&) = delete;
    X11CompositorWatch& operator=(const X11CompositorWatch&) = delete;

    // True where Qt does not run on X11 (nothing to find out). Without the
    // XFixes extension every call asks the server.
    bool running();

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

private:
    std::function<void(bool)> m_changed;
    xcb_connection_t* m_connection = nullptr; // once watched
    quint32 m_selection = 0;
    quint8 m_firstEvent = 0;
    bool m_running = false;
    bool m_installed = false;
};
