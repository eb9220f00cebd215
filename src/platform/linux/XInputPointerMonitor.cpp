// The global pointer monitor on X11: XInput2 raw events on the root window.
//
// Raw events reach every client that selects them, wherever the pointer is
// and whoever has grabbed it, and selecting them grabs nothing, so clicks
// still go to the window under the pointer (the ring's own widgets too).
//  - XI_RawMotion: the pointer moved. Several motions read in one go are
//    reported once.
//  - XI_RawButtonPress 1 and 3: left and right button presses; 4 and 5: one
//    wheel notch up or down, unless the server made them up from a device's
//    smooth-scroll valuator (then the valuator is reported instead).
//  - Smooth scrolling (XInput 2.1): a raw motion that moves a device's
//    vertical scroll valuator. A move by a whole number of the valuator's
//    increments is a wheel (that many notches); anything else is a precise
//    device such as a touchpad, reported in points (valuator units).
//
// One connection of its own is opened on first use and kept; raw events are
// selected only while at least one monitor is live, so an idle process gets
// no traffic from it at all.

#include "platform/Log.h"
#include "platform/PointerMonitor.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSocketNotifier>

#include <xcb/xcb.h>
#include <xcb/xinput.h>

#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

double fromFixed(const xcb_input_fp3232_t& v) { return double(v.integral) + double(v.frac) / 4294967296.0; }

struct ScrollAxis {
    int number = -1; // valuator index; -1: the device has no vertical scroll valuator
    double increment = 0; // valuator units per wheel notch
};

class XInputPointerMonitor final : public QObject, public PointerMonitor {
public:
    ~XInputPointerMonitor() override
    {
        delete m_notifier;
        if (m_c)
            xcb_disconnect(m_c);
    }

    std::unique_ptr<PointerMonitorSession> addGlobalMonitor(Handler handler) override
    {
        if (!connectOnce())
            return nullptr;
        auto shared = std::make_shared<Handler>(std::move(handler));
        m_handlers.removeIf([](const std::weak_ptr<Handler>& h) { return h.expired(); });
        m_handlers << shared;
        select(true);
        return std::make_unique<Session>(this, shared);
    }

    bool seesOwnWindows() const override { return true; }

    // Connected, with nothing selected, the connection stays quiet.
    void prepare() override { connectOnce(); }

private:
    class Session final : public PointerMonitorSession {
    public:
        Session(XInputPointerMonitor* owner, std::shared_ptr<Handler> handler)
            : m_owner(owner)
            , m_handler(std::move(handler))
        {
        }
        ~Session() override
        {
            m_handler.reset();
            if (m_owner)
                m_owner->removed();
        }

    private:
        QPointer<XInputPointerMonitor> m_owner; // a session may outlive the monitor
        std::shared_ptr<Handler> m_handler;
    };

    bool connectOnce()
    {
        if (m_c)
            return !m_broken;
        if (m_failed)
            return false;
        m_failed = true; // until proven otherwise
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            return false;
        xcb_connection_t* c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(c)) {
            xcb_disconnect(c);
            Log::write(QStringLiteral(
                "Kelvaro: cannot connect to the X server; the ring follows the pointer only over its own window"));
            return false;
        }
        const auto* xi = xcb_get_extension_data(c, &xcb_input_id);
        Reply<xcb_input_xi_query_version_reply_t> version(xi && xi->present
                ? xcb_input_xi_query_version_reply(c, xcb_input_xi_query_version(c, 2, 2), nullptr)
                : nullptr,
            &std::free);
        if (!version || version->major_version < 2) {
            xcb_disconnect(c);
            Log::write(QStringLiteral("Kelvaro: the X server lacks XInputExtension 2; the ring follows the pointer "
                                      "only over its own window"));
            return false;
        }
        m_c = c;
        m_opcode = xi->major_opcode;
        m_smoothScroll = version->major_version > 2 || version->minor_version >= 1;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        m_failed = false;
        m_notifier = new QSocketNotifier(xcb_get_file_descriptor(c), QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] { drain(); });
        return true;
    }

    void removed()
    {
        m_handlers.removeIf([](const std::weak_ptr<Handler>& h) { return h.expired(); });
        if (m_handlers.isEmpty())
            select(false);
    }

    void select(bool on)
    {
        if (!m_c || on == m_selected)
            return;
        m_selected = on;
        // The raw events of the master devices, and device changes; the
        // server accepts the hierarchy mask only for all devices and refuses
        // the whole request (BadValue) when it comes with the master mask.
        struct Mask {
            xcb_input_event_mask_t head;
            std::uint32_t mask;
        };
        static_assert(sizeof(Mask) == 8, "the masks go to the server back to back");
        const Mask masks[2] {
            { { XCB_INPUT_DEVICE_ALL_MASTER, 1 },
                on ? std::uint32_t(XCB_INPUT_XI_EVENT_MASK_RAW_MOTION | XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS)
                   : 0u },
            { { XCB_INPUT_DEVICE_ALL, 1 }, on ? std::uint32_t(XCB_INPUT_XI_EVENT_MASK_HIERARCHY) : 0u },
        };
        xcb_input_xi_select_events(m_c, m_root, 2, &masks[0].head);
        if (on) {
            // No round trip: this runs while a ring opens, and the server is
            // busy mapping it. The ring reads the pointer itself when it shows.
            xcb_flush(m_c);
            return;
        }
        // The round trip makes sure nothing more arrives once turned off.
        free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr));
        m_axes.clear();
        drain();
    }

    void drain()
    {
        if (!m_c || m_draining)
            return;
        m_draining = true;
        bool moved = false;
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_c)) {
            if ((event->response_type & 0x7f) == XCB_GE_GENERIC) {
                auto* ge = reinterpret_cast<xcb_ge_generic_event_t*>(event);
                if (ge->extension == m_opcode && m_selected)
                    handle(reinterpret_cast<xcb_input_raw_button_press_event_t*>(event), moved);
            }
            std::free(event);
        }
        m_draining = false;
        if (moved)
            deliver({ PointerEvent::Type::MouseMoved, 0, false });
        if (xcb_connection_has_error(m_c) && !m_broken) {
            m_broken = true;
            m_notifier->setEnabled(false);
            Log::write(QStringLiteral(
                "Kelvaro: the connection to the X server broke; the ring no longer follows the pointer"));
        }
    }

    void handle(xcb_input_raw_button_press_event_t* raw, bool& moved)
    {
        if (raw->event_type == XCB_INPUT_HIERARCHY) {
            m_axes.clear();
            return;
        }
        // Made up by the server from another event of the same device, which
        // is reported itself.
        const bool emulated = raw->flags & XCB_INPUT_POINTER_EVENT_FLAGS_POINTER_EMULATED;
        if (raw->event_type == XCB_INPUT_RAW_BUTTON_PRESS) {
            if (emulated)
                return;
            switch (raw->detail) {
            case 1:
                deliver({ PointerEvent::Type::LeftMouseDown, 0, false });
                break;
            case 3:
                deliver({ PointerEvent::Type::RightMouseDown, 0, false });
                break;
            case 4:
            case 5:
                // A device with a scroll valuator reports the same notch there too.
                if (axis(raw->sourceid).number < 0)
                    deliver({ PointerEvent::Type::ScrollWheel, raw->detail == 4 ? 1.0 : -1.0, false });
                break;
            default:
                break;
            }
            return;
        }
        if (raw->event_type != XCB_INPUT_RAW_MOTION)
            return;
        const ScrollAxis a = axis(raw->sourceid);
        double scroll = 0;
        bool scrolled = false;
        bool pointerMoved = false;
        const std::uint32_t* mask = xcb_input_raw_button_press_valuator_mask(raw);
        const int maskWords = xcb_input_raw_button_press_valuator_mask_length(raw);
        const xcb_input_fp3232_t* values = xcb_input_raw_button_press_axisvalues(raw);
        const int count = xcb_input_raw_button_press_axisvalues_length(raw);
        int k = 0;
        for (int bit = 0; bit < maskWords * 32 && k < count; ++bit) {
            if (!(mask[bit / 32] & (1u << (bit % 32))))
                continue;
            const double v = fromFixed(values[k++]);
            if (bit == a.number) {
                scroll += v;
                scrolled = true;
            } else if (bit < 2) {
                pointerMoved = true;
            }
        }
        if (pointerMoved)
            moved = true;
        if (!scrolled || emulated || scroll == 0)
            return;
        // Valuators grow downwards; the ring's deltas grow upwards.
        const double notches = scroll / a.increment;
        if (std::abs(notches - std::round(notches)) < 1e-6)
            deliver({ PointerEvent::Type::ScrollWheel, -std::round(notches), false });
        else
            deliver({ PointerEvent::Type::ScrollWheel, -scroll, true });
    }

    // The vertical scroll valuator of a (slave) device, read once.
    ScrollAxis axis(std::uint16_t deviceId)
    {
        if (!m_smoothScroll)
            return {};
        const auto cached = m_axes.constFind(deviceId);
        if (cached != m_axes.cend())
            return *cached;
        ScrollAxis found;
        Reply<xcb_input_xi_query_device_reply_t> reply(
            xcb_input_xi_query_device_reply(m_c, xcb_input_xi_query_device(m_c, deviceId), nullptr), &std::free);
        if (reply) {
            for (auto info = xcb_input_xi_query_device_infos_iterator(reply.get()); info.rem && found.number < 0;
                 xcb_input_xi_device_info_next(&info)) {
                for (auto cls = xcb_input_xi_device_info_classes_iterator(info.data); cls.rem;
                     xcb_input_device_class_next(&cls)) {
                    if (cls.data->type != XCB_INPUT_DEVICE_CLASS_TYPE_SCROLL)
                        continue;
                    const auto* s = reinterpret_cast<const xcb_input_scroll_class_t*>(cls.data);
                    const double increment = fromFixed(s->increment);
                    if (s->scroll_type == XCB_INPUT_SCROLL_TYPE_VERTICAL && increment != 0) {
                        found.number = s->number;
                        found.increment = std::abs(increment);
                        break;
                    }
                }
            }
        }
        m_axes.insert(deviceId, found);
        return found;
    }

    void deliver(const PointerEvent& event)
    {
        const auto handlers = m_handlers; // a handler may remove its monitor
        for (const auto& h : handlers) {
            if (auto live = h.lock())
                (*live)(event);
        }
    }

    xcb_connection_t* m_c = nullptr;
    QSocketNotifier* m_notifier = nullptr;
    std::uint8_t m_opcode = 0;
    xcb_window_t m_root = 0;
    bool m_smoothScroll = false;
    bool m_selected = false;
    bool m_draining = false;
    bool m_failed = false;
    bool m_broken = false;
    QList<std::weak_ptr<Handler>> m_handlers;
    QHash<std::uint16_t, ScrollAxis> m_axes;
};
}

std::shared_ptr<PointerMonitor> makeDefaultPointerMonitor() { return std::make_shared<XInputPointerMonitor>(); }
