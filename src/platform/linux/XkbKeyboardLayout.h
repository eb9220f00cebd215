#pragma once
// The keyboard layout through xkbcommon.
//
// With an X display it reads the server's keymap and the live layout group
// of the core keyboard, and follows layout changes (another group chosen,
// a new keymap loaded) through the XKB events of the X connection. Without
// one it compiles a keymap from names: rules "evdev", model "pc105" and the
// layout in XKB_DEFAULT_LAYOUT (XKB_DEFAULT_VARIANT, XKB_DEFAULT_OPTIONS),
// else "us".

#include "platform/KeyboardLayout.h"

#include <QAbstractNativeEventFilter>
#include <array>
#include <mutex>

#include <xcb/xcb.h>

struct xkb_context;
struct xkb_keymap;
struct xkb_state;

class XkbKeyboardLayout final : public KeyboardLayout, public QAbstractNativeEventFilter {
public:
    ~XkbKeyboardLayout() override;

    // A keymap compiled from names, e.g. fromNames("de"); does not follow anything.
    static std::shared_ptr<XkbKeyboardLayout> fromNames(
        const QString& layout, const QString& variant = {}, const QString& options = {});
    // Names from the environment, as described above.
    static std::shared_ptr<XkbKeyboardLayout> fromEnvironment();
    // The keymap of the X server behind `connection`. With `filterQtEvents`
    // (the connection is the application's own) the layout follows changes
    // through a native event filter; otherwise the owner passes the
    // connection's events to handleXcbEvent().
    static std::shared_ptr<XkbKeyboardLayout> fromX11(xcb_connection_t* connection, bool filterQtEvents);

    std::optional<QString> character(std::uint16_t keyCode) const override;
    bool isAvailable() const override;
    QString layoutName() const override;

    // Looks at one event of the X connection; returns true when it changed
    // the layout in effect (layoutChanged() has then been emitted).
    bool handleXcbEvent(const xcb_generic_event_t* event);
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    XkbKeyboardLayout();
    bool loadFromServer();
    // Recomputes the characters for `group`; true when anything differs.
    bool rebuild(xkb_keymap* keymap, std::uint32_t group, const QString& fallbackName);

    mutable std::mutex m_lock; // guards the three fields below
    std::array<QString, 128> m_characters;
    bool m_available = false;
    QString m_name;

    // Main thread only.
    xkb_context* m_context = nullptr;
    xkb_keymap* m_keymap = nullptr;
    xkb_state* m_deviceState = nullptr;
    xcb_connection_t* m_connection = nullptr;
    std::int32_t m_deviceId = -1;
    std::uint8_t m_firstEvent = 0;
    std::uint32_t m_group = 0;
};
