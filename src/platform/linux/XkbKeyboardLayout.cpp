#include "platform/linux/XkbKeyboardLayout.h"

#include "platform/KeyCodes.h"
#include "platform/Log.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QThread>

#include <xcb/xcb.h>
// The XKB protocol header names a field "explicit".
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

namespace {
// Every XKB event starts like this; xkbType tells which one it is.
struct XkbAnyEvent {
    std::uint8_t response_type;
    std::uint8_t xkbType;
    std::uint16_t sequence;
    xcb_timestamp_t time;
    std::uint8_t deviceID;
};

QString envOr(const char* name, const QString& fallback)
{
    const QByteArray v = qgetenv(name);
    return v.isEmpty() ? fallback : QString::fromLocal8Bit(v);
}

bool isControlText(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() != 0x7f)
            return false;
    }
    return true;
}
}

XkbKeyboardLayout::XkbKeyboardLayout()
    : m_context(xkb_context_new(XKB_CONTEXT_NO_FLAGS))
{
}

XkbKeyboardLayout::~XkbKeyboardLayout()
{
    if (m_deviceState)
        xkb_state_unref(m_deviceState);
    if (m_keymap)
        xkb_keymap_unref(m_keymap);
    if (m_context)
        xkb_context_unref(m_context);
}

std::shared_ptr<XkbKeyboardLayout> XkbKeyboardLayout::fromNames(
    const QString& layout, const QString& variant, const QString& options)
{
    std::shared_ptr<XkbKeyboardLayout> result(new XkbKeyboardLayout());
    const QByteArray layoutBytes = layout.toUtf8();
    const QByteArray variantBytes = variant.toUtf8();
    const QByteArray optionsBytes = options.toUtf8();
    xkb_rule_names names {};
    names.rules = "evdev";
    names.model = "pc105";
    names.layout = layoutBytes.constData();
    names.variant = variant.isEmpty() ? nullptr : variantBytes.constData();
    names.options = options.isEmpty() ? nullptr : optionsBytes.constData();
    xkb_keymap* keymap = result->m_context
        ? xkb_keymap_new_from_names(result->m_context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS)
        : nullptr;
    if (!keymap) {
        Log::write(
            QStringLiteral("Kelvaro: could not compile the keyboard layout \"%1\" — key labels fall back to key codes")
                .arg(layout));
        return result;
    }
    result->m_keymap = keymap;
    result->rebuild(keymap, 0, layout);
    return result;
}

std::shared_ptr<XkbKeyboardLayout> XkbKeyboardLayout::fromEnvironment()
{
    return fromNames(envOr("XKB_DEFAULT_LAYOUT", QStringLiteral("us")), envOr("XKB_DEFAULT_VARIANT", {}),
        envOr("XKB_DEFAULT_OPTIONS", {}));
}

std::shared_ptr<XkbKeyboardLayout> XkbKeyboardLayout::fromX11(xcb_connection_t* connection, bool filterQtEvents)
{
    std::shared_ptr<XkbKeyboardLayout> result(new XkbKeyboardLayout());
    result->m_connection = connection;
    std::uint16_t major = 0, minor = 0;
    std::uint8_t firstError = 0;
    if (!connection || !result->m_context
        || !xkb_x11_setup_xkb_extension(connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, &major, &minor, &result->m_firstEvent, &firstError)) {
        Log::write(
            QStringLiteral("Kelvaro: the X server offers no keyboard extension — key labels fall back to key codes"));
        return result;
    }
    result->m_deviceId = xkb_x11_get_core_keyboard_device_id(connection);
    if (result->m_deviceId < 0) {
        Log::write(
            QStringLiteral("Kelvaro: the X server reports no core keyboard — key labels fall back to key codes"));
        return result;
    }

    // Ask for the events that announce a new keymap or another layout group.
    // Only these bits of the selection change, so other users of the same
    // connection keep theirs.
    constexpr std::uint16_t events
        = XCB_XKB_EVENT_TYPE_NEW_KEYBOARD_NOTIFY | XCB_XKB_EVENT_TYPE_MAP_NOTIFY | XCB_XKB_EVENT_TYPE_STATE_NOTIFY;
    constexpr std::uint16_t mapParts = XCB_XKB_MAP_PART_KEY_TYPES | XCB_XKB_MAP_PART_KEY_SYMS
        | XCB_XKB_MAP_PART_MODIFIER_MAP | XCB_XKB_MAP_PART_EXPLICIT_COMPONENTS | XCB_XKB_MAP_PART_KEY_ACTIONS
        | XCB_XKB_MAP_PART_VIRTUAL_MODS | XCB_XKB_MAP_PART_VIRTUAL_MOD_MAP;
    constexpr std::uint16_t groupParts = XCB_XKB_STATE_PART_GROUP_STATE | XCB_XKB_STATE_PART_GROUP_BASE
        | XCB_XKB_STATE_PART_GROUP_LATCH | XCB_XKB_STATE_PART_GROUP_LOCK;
    xcb_xkb_select_events_details_t details {};
    details.affectNewKeyboard = XCB_XKB_NKN_DETAIL_KEYCODES;
    details.newKeyboardDetails = XCB_XKB_NKN_DETAIL_KEYCODES;
    details.affectState = groupParts;
    details.stateDetails = groupParts;
    xcb_generic_error_t* error = xcb_request_check(connection,
        xcb_xkb_select_events_aux_checked(connection, static_cast<xcb_xkb_device_spec_t>(result->m_deviceId), events, 0,
            0, mapParts, mapParts, &details));
    if (error) {
        Log::write(
            QStringLiteral("Kelvaro: could not follow keyboard layout changes (X error %1)").arg(error->error_code));
        free(error);
    }

    result->loadFromServer();

    if (filterQtEvents && QCoreApplication::instance()) {
        QObject* app = QCoreApplication::instance();
        std::weak_ptr<XkbKeyboardLayout> weak = result;
        auto install = [weak] {
            if (auto self = weak.lock())
                QCoreApplication::instance()->installNativeEventFilter(self.get());
        };
        if (QThread::currentThread() == app->thread()) {
            install();
        } else {
            result->moveToThread(app->thread());
            QMetaObject::invokeMethod(app, install, Qt::QueuedConnection);
        }
    }
    return result;
}

bool XkbKeyboardLayout::loadFromServer()
{
    xkb_keymap* keymap
        = xkb_x11_keymap_new_from_device(m_context, m_connection, m_deviceId, XKB_KEYMAP_COMPILE_NO_FLAGS);
    xkb_state* state = keymap ? xkb_x11_state_new_from_device(keymap, m_connection, m_deviceId) : nullptr;
    if (!keymap || !state) {
        if (keymap)
            xkb_keymap_unref(keymap);
        Log::write(QStringLiteral(
            "Kelvaro: could not read the keyboard layout from the X server — key labels fall back to key codes"));
        std::lock_guard lock(m_lock);
        const bool changed = m_available;
        m_available = false;
        return changed;
    }
    if (m_deviceState)
        xkb_state_unref(m_deviceState);
    if (m_keymap)
        xkb_keymap_unref(m_keymap);
    m_keymap = keymap;
    m_deviceState = state;
    m_group = xkb_state_serialize_layout(state, XKB_STATE_LAYOUT_EFFECTIVE);
    return rebuild(keymap, m_group, QString());
}

bool XkbKeyboardLayout::rebuild(xkb_keymap* keymap, std::uint32_t group, const QString& fallbackName)
{
    // A clean state: no modifier held, Num Lock on (so keypad keys type
    // their digits), the given layout group locked.
    xkb_state* clean = xkb_state_new(keymap);
    if (!clean)
        return false;
    std::uint32_t numLock = 0;
    const xkb_mod_index_t numIndex = xkb_keymap_mod_get_index(keymap, XKB_MOD_NAME_NUM);
    if (numIndex != XKB_MOD_INVALID)
        numLock = 1u << numIndex;
    xkb_state_update_mask(clean, 0, 0, numLock, 0, 0, group);

    std::array<QString, 128> characters;
    for (const std::uint16_t vk : KeyCodes::mappedVirtualKeyCodes()) {
        if (vk >= characters.size())
            continue;
        const auto keycode = KeyCodes::xKeycode(vk);
        if (!keycode)
            continue;
        char buffer[64];
        const int size = xkb_state_key_get_utf8(clean, *keycode, buffer, sizeof buffer);
        if (size <= 0 || size >= static_cast<int>(sizeof buffer))
            continue;
        const QString text = QString::fromUtf8(buffer, size);
        if (!isControlText(text))
            characters[vk] = text;
    }
    xkb_state_unref(clean);

    QString name = QString::fromUtf8(xkb_keymap_layout_get_name(keymap, group));
    if (name.isEmpty())
        name = fallbackName;

    std::lock_guard lock(m_lock);
    const bool changed = !m_available || m_characters != characters || m_name != name;
    m_characters = characters;
    m_name = name;
    m_available = true;
    return changed;
}

std::optional<QString> XkbKeyboardLayout::character(std::uint16_t keyCode) const
{
    std::lock_guard lock(m_lock);
    if (!m_available || keyCode >= m_characters.size() || m_characters[keyCode].isEmpty())
        return std::nullopt;
    return m_characters[keyCode];
}

bool XkbKeyboardLayout::isAvailable() const
{
    std::lock_guard lock(m_lock);
    return m_available;
}

QString XkbKeyboardLayout::layoutName() const
{
    std::lock_guard lock(m_lock);
    return m_name;
}

bool XkbKeyboardLayout::handleXcbEvent(const xcb_generic_event_t* event)
{
    if (!event || !m_connection || m_deviceId < 0 || m_firstEvent == 0)
        return false;
    if ((event->response_type & ~0x80) != m_firstEvent)
        return false;
    const auto* any = reinterpret_cast<const XkbAnyEvent*>(event);
    if (any->deviceID != m_deviceId)
        return false;

    bool changed = false;
    switch (any->xkbType) {
    case XCB_XKB_NEW_KEYBOARD_NOTIFY:
    case XCB_XKB_MAP_NOTIFY:
        changed = loadFromServer();
        break;
    case XCB_XKB_STATE_NOTIFY: {
        if (!m_deviceState || !m_keymap)
            break;
        const auto* state = reinterpret_cast<const xcb_xkb_state_notify_event_t*>(event);
        xkb_state_update_mask(m_deviceState, state->baseMods, state->latchedMods, state->lockedMods,
            static_cast<xkb_layout_index_t>(state->baseGroup), static_cast<xkb_layout_index_t>(state->latchedGroup),
            state->lockedGroup);
        const std::uint32_t group = xkb_state_serialize_layout(m_deviceState, XKB_STATE_LAYOUT_EFFECTIVE);
        if (group != m_group) {
            m_group = group;
            changed = rebuild(m_keymap, group, QString());
        }
        break;
    }
    default:
        break;
    }
    if (changed)
        notifyChanged();
    return changed;
}

bool XkbKeyboardLayout::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType == "xcb_generic_event_t")
        handleXcbEvent(static_cast<const xcb_generic_event_t*>(message));
    return false; // others (Qt's own keyboard) see the event too
}

std::shared_ptr<KeyboardLayout> makeDefaultKeyboardLayout()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
            if (xcb_connection_t* connection = x11->connection())
                return XkbKeyboardLayout::fromX11(connection, true);
        }
    }
    return XkbKeyboardLayout::fromEnvironment();
}
