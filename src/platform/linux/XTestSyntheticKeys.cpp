// Synthetic key presses through the XTest extension.
//
// XTest events add to whatever the keyboard already holds: when the ring
// commits on the release of one modifier, the user often still holds another,
// and the target would see, say, Ctrl+Shift+A where Ctrl+A was meant. So every
// modifier key that is down is lifted first, exactly the requested modifiers
// are pressed around the key, and the lifted keys are put back afterwards.
// A round trip at the end makes sure the server has taken every event before
// the call returns.

#include "platform/SyntheticKeys.h"

#include "platform/KeyModifiers.h"
#include "platform/KeyCodes.h"
#include "platform/Log.h"

#include <QGuiApplication>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {
// Keysyms of the modifier keys used to press a requested modifier.
constexpr xcb_keysym_t XK_Shift_L = 0xffe1;
constexpr xcb_keysym_t XK_Control_L = 0xffe3;
constexpr xcb_keysym_t XK_Alt_L = 0xffe9;
constexpr xcb_keysym_t XK_Super_L = 0xffeb;
// Locking keys: their state is not held by keeping them down, leave them alone.
constexpr xcb_keysym_t XK_Caps_Lock = 0xffe5;
constexpr xcb_keysym_t XK_Shift_Lock = 0xffe6;
constexpr xcb_keysym_t XK_Num_Lock = 0xff7f;
constexpr xcb_keysym_t XK_Scroll_Lock = 0xff14;

// The modifier bit, the key that produces it, and that key's evdev code when
// the keymap does not name it.
struct ModifierKey {
    std::uint64_t bit;
    xcb_keysym_t keysym;
    std::uint32_t evdevFallback;
};
constexpr std::array<ModifierKey, 4> kModifierKeys { {
    { Modifier::Super, XK_Super_L, 125 }, // ⌃ Super
    { Modifier::Alt, XK_Alt_L, 56 }, // ⌥ Alt
    { Modifier::Shift, XK_Shift_L, 42 }, // ⇧ Shift
    { Modifier::Ctrl, XK_Control_L, 29 }, // ⌘ Ctrl
} };

template <typename T> using XcbReply = std::unique_ptr<T, decltype(&std::free)>;

class XTestSyntheticKeys final : public SyntheticKeys {
public:
    ~XTestSyntheticKeys() override
    {
        if (m_own)
            xcb_disconnect(m_own);
    }

    bool postKeyPress(std::uint16_t keyCode, std::uint64_t modifiers) override
    {
        const auto key = KeyCodes::xKeycode(keyCode);
        if (!key) {
            Log::write(QStringLiteral("Kelvaro: cannot send key code %1: it has no key on this keyboard").arg(keyCode));
            return false;
        }
        xcb_connection_t* c = connection();
        if (!c)
            return false;

        const std::vector<xcb_keycode_t> held = heldModifierKeys(c);
        std::vector<xcb_keycode_t> pressed;
        {
            std::unique_ptr<xcb_key_symbols_t, decltype(&xcb_key_symbols_free)> syms(
                xcb_key_symbols_alloc(c), &xcb_key_symbols_free);
            for (const auto& m : kModifierKeys) {
                if (modifiers & m.bit)
                    pressed.push_back(keycodeFor(syms.get(), m.keysym, m.evdevFallback));
            }
        }

        for (xcb_keycode_t k : held)
            fake(c, XCB_KEY_RELEASE, k);
        for (xcb_keycode_t k : pressed)
            fake(c, XCB_KEY_PRESS, k);
        fake(c, XCB_KEY_PRESS, xcb_keycode_t(*key));
        fake(c, XCB_KEY_RELEASE, xcb_keycode_t(*key));
        for (auto it = pressed.rbegin(); it != pressed.rend(); ++it)
            fake(c, XCB_KEY_RELEASE, *it);
        for (xcb_keycode_t k : held)
            fake(c, XCB_KEY_PRESS, k);

        // Round trip: every fake event has reached the server when this returns.
        XcbReply<xcb_get_input_focus_reply_t> focus(
            xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr), &std::free);
        if (!focus || xcb_connection_has_error(c)) {
            Log::write(QStringLiteral("Kelvaro: the X server connection failed while sending a key"));
            return false;
        }
        return true;
    }

private:
    xcb_connection_t* connection()
    {
        if (m_connection && !xcb_connection_has_error(m_connection))
            return m_connection;
        m_connection = nullptr;
        if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
            if (auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>())
                m_connection = x11->connection();
        }
        if (!m_connection) {
            if (m_own) {
                xcb_disconnect(m_own);
                m_own = nullptr;
            }
            xcb_connection_t* own = xcb_connect(nullptr, nullptr);
            if (xcb_connection_has_error(own)) {
                xcb_disconnect(own);
                Log::write(QStringLiteral("Kelvaro: no X display, so keys cannot be sent to other applications"));
                return nullptr;
            }
            m_own = own;
            m_connection = own;
        }
        const xcb_query_extension_reply_t* ext = xcb_get_extension_data(m_connection, &xcb_test_id);
        if (!ext || !ext->present) {
            Log::write(QStringLiteral(
                "Kelvaro: the X server lacks the XTEST extension, so keys cannot be sent to other applications"));
            m_connection = nullptr;
            return nullptr;
        }
        return m_connection;
    }

    static void fake(xcb_connection_t* c, std::uint8_t type, xcb_keycode_t key)
    {
        xcb_test_fake_input(c, type, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    }

    static xcb_keycode_t keycodeFor(xcb_key_symbols_t* syms, xcb_keysym_t keysym, std::uint32_t evdevFallback)
    {
        if (syms) {
            std::unique_ptr<xcb_keycode_t, decltype(&std::free)> codes(
                xcb_key_symbols_get_keycode(syms, keysym), &std::free);
            if (codes && codes.get()[0] != XCB_NO_SYMBOL)
                return codes.get()[0];
        }
        return xcb_keycode_t(evdevFallback + KeyCodes::XKeycodeOffset);
    }

    // Keys bound to a modifier (other than the locking ones) that are down now.
    static std::vector<xcb_keycode_t> heldModifierKeys(xcb_connection_t* c)
    {
        std::vector<xcb_keycode_t> result;
        XcbReply<xcb_get_modifier_mapping_reply_t> map(
            xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr), &std::free);
        XcbReply<xcb_query_keymap_reply_t> keymap(xcb_query_keymap_reply(c, xcb_query_keymap(c), nullptr), &std::free);
        if (!map || !keymap)
            return result;
        std::unique_ptr<xcb_key_symbols_t, decltype(&xcb_key_symbols_free)> syms(
            xcb_key_symbols_alloc(c), &xcb_key_symbols_free);
        const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(map.get());
        const int perModifier = map->keycodes_per_modifier;
        for (int modIndex = 0; modIndex < 8; ++modIndex) {
            if (modIndex == 1) // Lock
                continue;
            for (int j = 0; j < perModifier; ++j) {
                const xcb_keycode_t k = codes[modIndex * perModifier + j];
                if (k == 0 || !(keymap->keys[k / 8] & (1 << (k % 8))))
                    continue;
                const xcb_keysym_t sym = syms ? xcb_key_symbols_get_keysym(syms.get(), k, 0) : 0;
                if (sym == XK_Caps_Lock || sym == XK_Shift_Lock || sym == XK_Num_Lock || sym == XK_Scroll_Lock)
                    continue;
                if (std::find(result.begin(), result.end(), k) == result.end())
                    result.push_back(k);
            }
        }
        return result;
    }

    xcb_connection_t* m_connection = nullptr; // Qt's, or m_own
    xcb_connection_t* m_own = nullptr;
};
}

std::shared_ptr<SyntheticKeys> makeXTestSyntheticKeys() { return std::make_shared<XTestSyntheticKeys>(); }
