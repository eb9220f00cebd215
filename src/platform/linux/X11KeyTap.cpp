// The global key tap on X11.
//
// X11 cannot decide after the fact whether to swallow a key it did not grab,
// so the tap grabs exactly the combinations its handler may swallow, on the
// root window, once for each combination of the lock modifiers, with a
// synchronous keyboard: the server freezes the keyboard at the press until we
// answer. A press the handler swallows is released with AsyncKeyboard (the
// focused window never sees it); any other press is replayed with
// ReplayKeyboard, as if there had been no grab.
//
// Modifier changes come from XKB state notifications and key releases from
// XInput2 raw events, both seen wherever the focus is and without grabbing.
// A combination another client already holds (BadAccess) is reported and
// watched through the raw events instead: seen, never swallowed.
//
// The tap uses a connection of its own, read on the main thread through a
// socket notifier, so it works the same with or without a Qt X11 window.

#include "platform/KeyCodes.h"
#include "platform/KeyTap.h"
#include "platform/LatencyTrace.h"
#include "platform/Log.h"

#include <QObject>
#include <QPointer>
#include <QSocketNotifier>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xinput.h>
// xkb.h names a field "explicit"; keep the C++ keyword out of its way.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#include <xcb/xtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <set>

namespace {

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

constexpr xcb_keysym_t XK_Num_Lock = 0xff7f;

// A grab as the log names it: "Ctrl+Shift+key code 0", modifiers in the
// order Linux desktops write them.
QString describe(const KeyGrab& grab)
{
    QString text;
    if (!grab.anyModifiers) {
        for (const auto& [bit, name] : { std::pair { Modifier::Ctrl, "Ctrl+" }, std::pair { Modifier::Alt, "Alt+" },
                 std::pair { Modifier::Shift, "Shift+" }, std::pair { Modifier::Super, "Super+" } })
            if (grab.modifiers & bit)
                text += QLatin1String(name);
    }
    return text + QStringLiteral("key code %1").arg(grab.keyCode);
}
constexpr xcb_keysym_t XK_Alt_L = 0xffe9;
constexpr xcb_keysym_t XK_Super_L = 0xffeb;
constexpr std::uint8_t BadAccess = 10;

struct Extensions {
    bool ok = false;
    std::uint8_t xiOpcode = 0;
    std::uint8_t xkbEvent = 0;
};

Extensions probe(xcb_connection_t* c)
{
    Extensions e;
    const auto* xtest = xcb_get_extension_data(c, &xcb_test_id);
    const auto* xi = xcb_get_extension_data(c, &xcb_input_id);
    const auto* xkb = xcb_get_extension_data(c, &xcb_xkb_id);
    if (!xtest || !xtest->present || !xi || !xi->present || !xkb || !xkb->present)
        return e;
    Reply<xcb_input_xi_query_version_reply_t> xiVersion(
        xcb_input_xi_query_version_reply(c, xcb_input_xi_query_version(c, 2, 2), nullptr), &std::free);
    if (!xiVersion || xiVersion->major_version < 2)
        return e;
    Reply<xcb_xkb_use_extension_reply_t> xkbUse(
        xcb_xkb_use_extension_reply(c, xcb_xkb_use_extension(c, 1, 0), nullptr), &std::free);
    if (!xkbUse || !xkbUse->supported)
        return e;
    e.ok = true;
    e.xiOpcode = xi->major_opcode;
    e.xkbEvent = xkb->first_event;
    return e;
}

// The X modifier masks of our four modifier bits and of the lock keys.
struct ModifierMasks {
    std::uint16_t shift = XCB_MOD_MASK_SHIFT;
    std::uint16_t ctrl = XCB_MOD_MASK_CONTROL;
    std::uint16_t alt = XCB_MOD_MASK_1;
    std::uint16_t super = XCB_MOD_MASK_4;
    std::uint16_t numLock = XCB_MOD_MASK_2;

    std::uint16_t toX(std::uint64_t flags) const
    {
        std::uint16_t m = 0;
        if (flags & Modifier::Shift)
            m |= shift;
        if (flags & Modifier::Ctrl)
            m |= ctrl;
        if (flags & Modifier::Alt)
            m |= alt;
        if (flags & Modifier::Super)
            m |= super;
        return m;
    }
    std::uint64_t fromX(std::uint16_t state) const
    {
        std::uint64_t f = 0;
        if (state & shift)
            f |= Modifier::Shift;
        if (state & ctrl)
            f |= Modifier::Ctrl;
        if (state & alt)
            f |= Modifier::Alt;
        if (state & super)
            f |= Modifier::Super;
        return f;
    }
    std::array<std::uint16_t, 4> lockCombinations() const
    {
        return { 0, XCB_MOD_MASK_LOCK, numLock, std::uint16_t(XCB_MOD_MASK_LOCK | numLock) };
    }
};

ModifierMasks readModifierMasks(xcb_connection_t* c)
{
    ModifierMasks masks;
    Reply<xcb_get_modifier_mapping_reply_t> mapping(
        xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr), &std::free);
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(c);
    if (!mapping || !symbols) {
        if (symbols)
            xcb_key_symbols_free(symbols);
        return masks;
    }
    auto maskOf = [&](xcb_keysym_t sym) -> std::uint16_t {
        xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, sym);
        if (!codes)
            return 0;
        const int perMod = mapping->keycodes_per_modifier;
        const xcb_keycode_t* table = xcb_get_modifier_mapping_keycodes(mapping.get());
        std::uint16_t found = 0;
        for (int mod = 0; mod < 8 && !found; ++mod) {
            for (int i = 0; i < perMod && !found; ++i) {
                const xcb_keycode_t k = table[mod * perMod + i];
                for (xcb_keycode_t* p = codes; k && *p != XCB_NO_SYMBOL; ++p) {
                    if (*p == k) {
                        found = std::uint16_t(1u << mod);
                        break;
                    }
                }
            }
        }
        std::free(codes);
        return found;
    };
    if (const auto m = maskOf(XK_Num_Lock))
        masks.numLock = m;
    if (const auto m = maskOf(XK_Alt_L))
        masks.alt = m;
    if (const auto m = maskOf(XK_Super_L))
        masks.super = m;
    xcb_key_symbols_free(symbols);
    return masks;
}

class X11Session final : public QObject, public KeyTapSession, public KeyMonitorSession {
public:
    // A tap (handler set, may grab) or a monitor (monitor only).
    X11Session(xcb_connection_t* c, Extensions ext, KeyTap::Handler handler, KeyTap::MonitorHandler monitor)
        : m_c(c)
        , m_ext(ext)
        , m_handler(std::move(handler))
        , m_monitor(std::move(monitor))
        , m_isTap(bool(m_handler))
    {
        m_root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        m_masks = readModifierMasks(c);

        // Modifier state wherever the focus is; no fake releases while a key repeats.
        xcb_xkb_select_events(c, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_EVENT_TYPE_STATE_NOTIFY, 0,
            XCB_XKB_EVENT_TYPE_STATE_NOTIFY, 0, 0, nullptr);
        xcb_discard_reply(c,
            xcb_xkb_per_client_flags(c, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT,
                XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT, 0, 0, 0)
                .sequence);
        Reply<xcb_xkb_get_state_reply_t> state(
            xcb_xkb_get_state_reply(c, xcb_xkb_get_state(c, XCB_XKB_ID_USE_CORE_KBD), nullptr), &std::free);
        if (state)
            m_flags = m_masks.fromX(state->mods);

        struct {
            xcb_input_event_mask_t head;
            std::uint32_t mask;
        } raw { { XCB_INPUT_DEVICE_ALL_MASTER, 1 },
            XCB_INPUT_XI_EVENT_MASK_RAW_KEY_PRESS | XCB_INPUT_XI_EVENT_MASK_RAW_KEY_RELEASE };
        xcb_input_xi_select_events(c, m_root, 1, &raw.head);
        xcb_flush(c);

        m_notifier = new QSocketNotifier(xcb_get_file_descriptor(c), QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] { drain(); });
    }

    ~X11Session() override
    {
        delete m_notifier;
        ungrabAll();
        xcb_disconnect(m_c);
    }

    // ---- KeyTapSession ----
    void setEnabled(bool enabled) override
    {
        if (enabled == m_enabled)
            return;
        m_enabled = enabled;
        if (enabled) {
            grabAll();
        } else {
            ungrabAll();
            // Other connections (synthetic keys) may post right after this:
            // the server must have released the grabs first.
            std::free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr));
        }
        queueDrain();
    }
    bool isEnabled() const override { return m_enabled; }

    void setGrabs(const std::vector<KeyGrab>& combinations) override
    {
        if (combinations == m_wanted)
            return;
        if (!m_enabled) {
            m_wanted = combinations;
            return;
        }
        // Only the difference goes to the server: showing a ring adds its
        // navigation keys on the way from the hotkey to the first frame.
        auto contains = [](const std::vector<KeyGrab>& list, const KeyGrab& g) {
            return std::find(list.begin(), list.end(), g) != list.end();
        };
        std::vector<KeyGrab> added;
        for (const KeyGrab& g : combinations) {
            if (!contains(m_wanted, g))
                added.push_back(g);
        }
        for (const KeyGrab& g : m_wanted) {
            if (contains(combinations, g))
                continue;
            if (contains(m_grabbed, g))
                ungrab(g);
            m_grabbed.erase(std::remove(m_grabbed.begin(), m_grabbed.end(), g), m_grabbed.end());
            m_heldElsewhere.erase(
                std::remove(m_heldElsewhere.begin(), m_heldElsewhere.end(), g), m_heldElsewhere.end());
        }
        m_wanted = combinations;
        grab(added);
        queueDrain();
    }

    std::optional<std::uint64_t> currentModifiers() override
    {
        Reply<xcb_xkb_get_state_reply_t> state(
            xcb_xkb_get_state_reply(m_c, xcb_xkb_get_state(m_c, XCB_XKB_ID_USE_CORE_KBD), nullptr), &std::free);
        // The reply may have pulled events into xcb's queue.
        queueDrain();
        if (!state)
            return std::nullopt;
        return m_masks.fromX(state->mods);
    }

    // Reads and handles every event that has arrived.
    void drain()
    {
        if (m_draining)
            return;
        m_draining = true;
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_c)) {
            handleEvent(event);
            std::free(event);
        }
        m_draining = false;
        if (xcb_connection_has_error(m_c) && !m_reportedBroken) {
            m_reportedBroken = true;
            Log::write(QStringLiteral("Kelvaro: the connection to the X server broke; global hotkeys are off"));
            m_notifier->setEnabled(false);
        }
    }

private:
    void queueDrain()
    {
        // Replies read while grabbing may have pulled events into xcb's queue,
        // which the socket notifier would not report.
        QMetaObject::invokeMethod(
            this, [this] { drain(); }, Qt::QueuedConnection);
    }

    void grabAll()
    {
        m_grabbed.clear();
        m_heldElsewhere.clear();
        grab(m_wanted);
    }

    // Takes `combinations` (not yet taken), adding them to m_grabbed or,
    // when another client holds them, to m_heldElsewhere.
    void grab(const std::vector<KeyGrab>& combinations)
    {
        if (combinations.empty()) {
            xcb_flush(m_c);
            return;
        }
        struct Pending {
            KeyGrab grab;
            xcb_void_cookie_t cookie;
        };
        std::vector<Pending> pending;
        std::vector<KeyGrab> failed;
        for (const KeyGrab& g : combinations) {
            const auto key = KeyCodes::xKeycode(g.keyCode);
            if (!key) {
                Log::write(QStringLiteral("Kelvaro: key code %1 has no key on this keyboard; its hotkey cannot work")
                               .arg(g.keyCode));
                continue;
            }
            if (g.anyModifiers) {
                pending.push_back({ g,
                    xcb_grab_key_checked(m_c, 1, m_root, XCB_MOD_MASK_ANY, xcb_keycode_t(*key), XCB_GRAB_MODE_ASYNC,
                        XCB_GRAB_MODE_SYNC) });
                continue;
            }
            const std::uint16_t mods = m_masks.toX(g.modifiers);
            for (std::uint16_t lock : m_masks.lockCombinations())
                pending.push_back({ g,
                    xcb_grab_key_checked(m_c, 1, m_root, std::uint16_t(mods | lock), xcb_keycode_t(*key),
                        XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_SYNC) });
        }
        for (const auto& p : pending) {
            if (xcb_generic_error_t* error = xcb_request_check(m_c, p.cookie)) {
                const bool isNew = std::find(failed.begin(), failed.end(), p.grab) == failed.end();
                if (isNew) {
                    failed.push_back(p.grab);
                    m_heldElsewhere.push_back(p.grab);
                    const QString combination = describe(p.grab);
                    Log::write(error->error_code == BadAccess
                            ? QStringLiteral("Kelvaro: %1 is already taken by another program; it is "
                                             "watched but also reaches the focused window")
                                  .arg(combination)
                            : QStringLiteral("Kelvaro: could not take %1 (X error %2)")
                                  .arg(combination)
                                  .arg(error->error_code));
                }
                std::free(error);
            }
        }
        for (const KeyGrab& g : combinations) {
            if (std::find(failed.begin(), failed.end(), g) == failed.end())
                m_grabbed.push_back(g);
        }
        // A grab that failed for one lock combination was partly taken: undo
        // those so the other client gets every press of it.
        for (const KeyGrab& g : failed)
            ungrab(g);
        xcb_flush(m_c);
    }

    void ungrab(const KeyGrab& g)
    {
        const auto key = KeyCodes::xKeycode(g.keyCode);
        if (!key)
            return;
        if (g.anyModifiers) {
            xcb_ungrab_key(m_c, xcb_keycode_t(*key), m_root, XCB_MOD_MASK_ANY);
            return;
        }
        const std::uint16_t mods = m_masks.toX(g.modifiers);
        for (std::uint16_t lock : m_masks.lockCombinations())
            xcb_ungrab_key(m_c, xcb_keycode_t(*key), m_root, std::uint16_t(mods | lock));
    }

    void ungrabAll()
    {
        for (const KeyGrab& g : m_grabbed)
            ungrab(g);
        m_grabbed.clear();
        m_heldElsewhere.clear();
        xcb_flush(m_c);
    }

    void handleEvent(xcb_generic_event_t* event)
    {
        const std::uint8_t type = event->response_type & 0x7f;
        if (type == XCB_KEY_PRESS) {
            handleGrabbedPress(reinterpret_cast<xcb_key_press_event_t*>(event));
        } else if (type == XCB_KEY_RELEASE) {
            m_grabbedDown.erase(reinterpret_cast<xcb_key_release_event_t*>(event)->detail);
        } else if (type == XCB_GE_GENERIC) {
            auto* ge = reinterpret_cast<xcb_ge_generic_event_t*>(event);
            if (ge->extension == m_ext.xiOpcode)
                handleRaw(reinterpret_cast<xcb_input_raw_key_press_event_t*>(event));
        } else if (type == m_ext.xkbEvent) {
            auto* xkb = reinterpret_cast<xcb_xkb_state_notify_event_t*>(event);
            if (xkb->xkbType == XCB_XKB_STATE_NOTIFY)
                setFlags(m_masks.fromX(xkb->mods));
        } else if (type == XCB_MAPPING_NOTIFY) {
            m_masks = readModifierMasks(m_c);
            if (m_enabled && m_isTap) {
                auto wanted = m_wanted;
                ungrabAll();
                m_wanted = wanted;
                grabAll();
            }
        }
    }

    void handleGrabbedPress(xcb_key_press_event_t* press)
    {
        LatencyTrace::mark("key press read");
        const bool repeat = !m_grabbedDown.insert(press->detail).second;
        bool swallow = false;
        if (m_enabled && m_handler) {
            // Presses arrive here through our grabs only (a passive grab, or
            // the active grab that follows a swallowed press until its release).
            if (const auto code = KeyCodes::fromXKeycode(press->detail))
                swallow = m_handler({ KeyTapEvent::Type::KeyDown, *code, m_masks.fromX(press->state), repeat });
        }
        // Unfreezes the keyboard: consume the press, or deliver it to the
        // focused window as if nothing had grabbed it.
        xcb_allow_events(m_c, swallow ? XCB_ALLOW_ASYNC_KEYBOARD : XCB_ALLOW_REPLAY_KEYBOARD, press->time);
        xcb_flush(m_c);
        LatencyTrace::mark("key press handled");
    }

    void handleRaw(xcb_input_raw_key_press_event_t* raw)
    {
        const xcb_keycode_t key = xcb_keycode_t(raw->detail);
        if (raw->event_type == XCB_INPUT_RAW_KEY_RELEASE) {
            m_rawDown.erase(key);
            m_grabbedDown.erase(key);
            return;
        }
        if (raw->event_type != XCB_INPUT_RAW_KEY_PRESS)
            return;
        const bool repeat = !m_rawDown.insert(key).second || (raw->flags & XCB_INPUT_KEY_EVENT_FLAGS_KEY_REPEAT);
        if (!m_monitor || (m_isTap && !m_enabled))
            return;
        const auto code = KeyCodes::fromXKeycode(key);
        if (!code)
            return;
        const KeyTapEvent event { KeyTapEvent::Type::KeyDown, *code, m_flags, repeat };
        if (!m_isTap) {
            m_monitor(event);
            return;
        }
        // The tap watches only what another client holds.
        const bool heldElsewhere = std::any_of(
            m_heldElsewhere.begin(), m_heldElsewhere.end(), [&](const KeyGrab& g) { return g.covers(*code, m_flags); });
        if (heldElsewhere)
            m_monitor(event);
    }

    void setFlags(std::uint64_t flags)
    {
        if (flags == m_flags)
            return;
        m_flags = flags;
        if (m_isTap && !m_enabled)
            return;
        const KeyTapEvent event { KeyTapEvent::Type::FlagsChanged, 0, flags, false };
        if (m_isTap)
            m_handler(event);
        else if (m_monitor)
            m_monitor(event);
    }

    xcb_connection_t* m_c;
    Extensions m_ext;
    KeyTap::Handler m_handler;
    KeyTap::MonitorHandler m_monitor;
    bool m_isTap;
    xcb_window_t m_root = 0;
    ModifierMasks m_masks;
    QSocketNotifier* m_notifier = nullptr;
    bool m_enabled = true;
    bool m_draining = false;
    bool m_reportedBroken = false;
    std::uint64_t m_flags = 0;
    std::vector<KeyGrab> m_wanted;
    std::vector<KeyGrab> m_grabbed;
    std::vector<KeyGrab> m_heldElsewhere;
    std::set<xcb_keycode_t> m_grabbedDown; // presses that reached us and are not released yet
    std::set<xcb_keycode_t> m_rawDown; // keys physically down
};

class X11KeyTap final : public KeyTap {
public:
    bool isTrusted() override
    {
        if (m_trusted)
            return true;
        xcb_connection_t* c = connect();
        if (!c)
            return false;
        xcb_disconnect(c);
        m_trusted = true;
        return true;
    }

    std::unique_ptr<KeyTapSession> createTap(Handler handler, MonitorHandler fallback) override
    {
        Extensions ext;
        xcb_connection_t* c = connect(&ext);
        if (!c)
            return nullptr;
        if (!handler)
            handler = [](const KeyTapEvent&) { return false; };
        return std::make_unique<X11Session>(c, ext, std::move(handler), std::move(fallback));
    }

    std::unique_ptr<KeyMonitorSession> addGlobalMonitor(MonitorHandler handler) override
    {
        Extensions ext;
        xcb_connection_t* c = connect(&ext);
        if (!c)
            return nullptr;
        return std::make_unique<X11Session>(c, ext, Handler {}, std::move(handler));
    }

private:
    // A connection with every extension the tap needs, or nullptr.
    xcb_connection_t* connect(Extensions* out = nullptr)
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            return nullptr;
        xcb_connection_t* c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(c)) {
            xcb_disconnect(c);
            return nullptr;
        }
        const Extensions ext = probe(c);
        if (!ext.ok) {
            if (!m_reportedMissing) {
                m_reportedMissing = true;
                Log::write(QStringLiteral("Kelvaro: the X server lacks XTEST, XInputExtension 2 or XKB; "
                                          "global hotkeys are off"));
            }
            xcb_disconnect(c);
            return nullptr;
        }
        if (out)
            *out = ext;
        return c;
    }

    bool m_trusted = false;
    bool m_reportedMissing = false;
};
}

std::shared_ptr<KeyTap> makeDefaultKeyTap() { return std::make_shared<X11KeyTap>(); }
