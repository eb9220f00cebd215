#include "platform/linux/X11PanelHints.h"

#include "platform/PanelHints.h"
#include "platform/linux/X11CompositorWatch.h"

#include <QGuiApplication>
#include <QHash>
#include <QList>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <utility>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>
#include <xcb/xcb_icccm.h>
#include <xcb/xfixes.h>
#include <X11/Xlib.h>

namespace {
// Atoms do not change for the life of a connection: each name costs one
// round trip once (panels are shown on the way from a hotkey to its ring).
xcb_atom_t internAtom(xcb_connection_t* c, const char* name)
{
    static xcb_connection_t* cachedFor = nullptr;
    static QHash<QByteArray, xcb_atom_t> cache;
    if (cachedFor != c) {
        cache.clear();
        cachedFor = c;
    }
    const QByteArray key(name);
    if (const auto it = cache.constFind(key); it != cache.cend())
        return *it;
    xcb_intern_atom_reply_t* reply
        = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, quint16(std::strlen(name)), name), nullptr);
    if (!reply)
        return XCB_ATOM_NONE;
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    if (atom != XCB_ATOM_NONE)
        cache.insert(key, atom);
    return atom;
}

xcb_get_property_cookie_t askAtomList(xcb_connection_t* c, quint32 window, xcb_atom_t property)
{
    return xcb_get_property(c, 0, window, property, XCB_ATOM_ATOM, 0, 1024);
}

QList<xcb_atom_t> atomList(xcb_connection_t* c, xcb_get_property_cookie_t cookie)
{
    QList<xcb_atom_t> atoms;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
    if (!reply)
        return atoms;
    if (reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto* data = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        const int n = xcb_get_property_value_length(reply) / int(sizeof(xcb_atom_t));
        for (int i = 0; i < n; ++i)
            atoms.append(data[i]);
    }
    std::free(reply);
    return atoms;
}

void setAtoms(xcb_connection_t* c, quint32 window, xcb_atom_t property, const QList<xcb_atom_t>& atoms)
{
    xcb_change_property(
        c, XCB_PROP_MODE_REPLACE, window, property, XCB_ATOM_ATOM, 32, quint32(atoms.size()), atoms.constData());
}
}

xcb_connection_t* X11PanelHints::qtConnection()
{
    // Asked several times a frame (the glass's look asks whether a
    // compositor runs): an application keeps its connection for life, so
    // Qt's interface is looked up once per application.
    static const QGuiApplication* askedOf = nullptr;
    static xcb_connection_t* connection = nullptr;
    if (qGuiApp == askedOf)
        return connection;
    askedOf = qGuiApp;
    connection = nullptr;
    if (qGuiApp && QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
            connection = x11->connection();
    }
    return connection;
}

bool X11PanelHints::apply(xcb_connection_t* c, quint32 window)
{
    if (!c || !window)
        return false;

    const xcb_atom_t protocols = internAtom(c, "WM_PROTOCOLS");
    const xcb_atom_t takeFocus = internAtom(c, "WM_TAKE_FOCUS");
    const xcb_atom_t stateAtom = internAtom(c, "_NET_WM_STATE");
    // The three reads go out together: one round trip.
    const auto hintsCookie = xcb_icccm_get_wm_hints(c, window);
    const auto protocolsCookie = askAtomList(c, window, protocols);
    const auto stateCookie = askAtomList(c, window, stateAtom);

    // Input hint off, keeping whatever else Qt put into WM_HINTS.
    xcb_icccm_wm_hints_t hints;
    std::memset(&hints, 0, sizeof(hints));
    xcb_icccm_get_wm_hints_reply(c, hintsCookie, &hints, nullptr);
    xcb_icccm_wm_hints_set_input(&hints, 0);
    xcb_icccm_set_wm_hints(c, window, &hints);

    // WM_PROTOCOLS without WM_TAKE_FOCUS: with it, a window manager may still
    // offer the focus on a click.
    QList<xcb_atom_t> kept = atomList(c, protocolsCookie);
    kept.removeAll(takeFocus);
    setAtoms(c, window, protocols, kept);

    setAtoms(c, window, internAtom(c, "_NET_WM_WINDOW_TYPE"), { internAtom(c, "_NET_WM_WINDOW_TYPE_NOTIFICATION") });

    QList<xcb_atom_t> states = atomList(c, stateCookie);
    for (const char* name :
        { "_NET_WM_STATE_ABOVE", "_NET_WM_STATE_STICKY", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER" }) {
        const xcb_atom_t a = internAtom(c, name);
        if (a != XCB_ATOM_NONE && !states.contains(a))
            states.append(a);
    }
    setAtoms(c, window, stateAtom, states);

    const quint32 allDesktops = 0xFFFFFFFFu;
    xcb_change_property(
        c, XCB_PROP_MODE_REPLACE, window, internAtom(c, "_NET_WM_DESKTOP"), XCB_ATOM_CARDINAL, 32, 1, &allDesktops);
    xcb_flush(c);
    return true;
}

X11PanelHints::CompositorSelection X11PanelHints::compositorSelection(xcb_connection_t* c)
{
    int screen = 0;
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>(); x11 && x11->display())
        screen = DefaultScreen(x11->display());
    auto roots = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screen && roots.rem; ++i)
        xcb_screen_next(&roots);
    const QByteArray name = QByteArrayLiteral("_NET_WM_CM_S") + QByteArray::number(screen);
    return { roots.rem ? roots.data->root : quint32(XCB_WINDOW_NONE), internAtom(c, name.constData()) };
}

bool X11PanelHints::compositorRunning()
{
    xcb_connection_t* c = qtConnection();
    if (!c)
        return true;
    const xcb_atom_t selection = compositorSelection(c).selection;
    if (selection == XCB_ATOM_NONE)
        return false;
    xcb_get_selection_owner_reply_t* reply
        = xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr);
    const bool owned = reply && reply->owner != XCB_WINDOW_NONE;
    std::free(reply);
    return owned;
}

bool X11PanelHints::refusesFocus(xcb_connection_t* c, quint32 window)
{
    if (!c || !window)
        return false;
    xcb_icccm_wm_hints_t hints;
    std::memset(&hints, 0, sizeof(hints));
    if (!xcb_icccm_get_wm_hints_reply(c, xcb_icccm_get_wm_hints(c, window), &hints, nullptr))
        return false;
    const bool inputOff = (hints.flags & XCB_ICCCM_WM_HINT_INPUT) && !hints.input;
    const bool noTakeFocus
        = !atomList(c, askAtomList(c, window, internAtom(c, "WM_PROTOCOLS"))).contains(internAtom(c, "WM_TAKE_FOCUS"));
    return inputOff && noTakeFocus;
}

void X11PanelHints::keepPictureInPlace(xcb_connection_t* connection, quint32 window, bool begin)
{
    if (!connection || !window)
        return;
    if (begin) {
        // Static gravity keeps the contents at their place on the screen
        // however the window's origin moves; pixel 0 of an ARGB visual is
        // transparent.
        const quint32 values[] = { 0u, XCB_GRAVITY_STATIC };
        xcb_change_window_attributes(connection, window, XCB_CW_BACK_PIXEL | XCB_CW_BIT_GRAVITY, values);
    } else {
        const quint32 values[] = { XCB_BACK_PIXMAP_NONE, XCB_GRAVITY_NORTH_WEST };
        xcb_change_window_attributes(connection, window, XCB_CW_BACK_PIXMAP | XCB_CW_BIT_GRAVITY, values);
        xcb_flush(connection);
    }
}

void X11PanelHints::letPointerThrough(xcb_connection_t* connection, quint32 window, bool through)
{
    if (!connection || !window)
        return;
    const xcb_query_extension_reply_t* xfixes = xcb_get_extension_data(connection, &xcb_xfixes_id);
    if (!xfixes || !xfixes->present)
        return;
    // None as the input shape restores the default.
    xcb_xfixes_region_t region = XCB_NONE;
    if (through) {
        region = xcb_generate_id(connection);
        xcb_xfixes_create_region(connection, region, 0, nullptr);
    }
    xcb_xfixes_set_window_shape_region(connection, window, XCB_SHAPE_SK_INPUT, 0, 0, region);
    if (through)
        xcb_xfixes_destroy_region(connection, region);
    xcb_flush(connection);
}

namespace {
// Whether the server hands `screen`'s root window out as Qt's RGB32 holds
// it: 32 bits a pixel, 8 each for red, green and blue from the top, in this
// machine's byte order.
bool readsAsRgb32(xcb_connection_t* c, const xcb_screen_t* screen)
{
    const xcb_setup_t* setup = xcb_get_setup(c);
    const auto order = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? XCB_IMAGE_ORDER_LSB_FIRST : XCB_IMAGE_ORDER_MSB_FIRST;
    if (setup->image_byte_order != order)
        return false;
    bool pixels = false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        pixels |= f.data->depth == screen->root_depth && f.data->bits_per_pixel == 32 && f.data->scanline_pad == 32;
    if (!pixels)
        return false;
    for (auto d = xcb_screen_allowed_depths_iterator(screen); d.rem; xcb_depth_next(&d)) {
        for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v)) {
            if (v.data->visual_id == screen->root_visual)
                return v.data->red_mask == 0xFF0000u && v.data->green_mask == 0xFF00u && v.data->blue_mask == 0xFFu;
        }
    }
    return false;
}

// Whether windows of depth 32 take Qt's premultiplied ARGB32 as it lies in
// memory: 32 bits a pixel in this machine's byte order, and the shared
// memory extension to read them from.
bool takesArgbFromSharedMemory(xcb_connection_t* c)
{
    const xcb_query_extension_reply_t* shm = xcb_get_extension_data(c, &xcb_shm_id);
    if (!shm || !shm->present)
        return false;
    const xcb_setup_t* setup = xcb_get_setup(c);
    const auto order = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? XCB_IMAGE_ORDER_LSB_FIRST : XCB_IMAGE_ORDER_MSB_FIRST;
    if (setup->image_byte_order != order)
        return false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f)) {
        if (f.data->depth == 32)
            return f.data->bits_per_pixel == 32 && f.data->scanline_pad == 32;
    }
    return false;
}

// A window's frame in a shared memory segment the server reads from.
struct SharedFrame {
    QImage image;
    int id = -1;
    void* memory = nullptr;
    xcb_shm_seg_t segment = 0;
    xcb_gcontext_t gc = 0;
    // Answered once the server has read the last frame put.
    std::optional<xcb_get_input_focus_cookie_t> fence;
};

class X11PanelHintsPort final : public PanelHints {
public:
    ~X11PanelHintsPort() override
    {
        dropRead();
        for (const quint32 window : m_frames.keys())
            releaseFrame(window);
    }
    bool available() const override { return X11PanelHints::qtConnection() != nullptr; }
    bool apply(quint32 window) override
    {
        xcb_connection_t* c = X11PanelHints::qtConnection();
        return c && X11PanelHints::apply(c, window);
    }
    bool compositorRunning() const override { return m_compositor.running(); }
    void letPointerThrough(quint32 window, bool through) override
    {
        X11PanelHints::letPointerThrough(X11PanelHints::qtConnection(), window, through);
    }
    void keepPictureInPlace(quint32 window, bool begin) override
    {
        if (xcb_connection_t* c = X11PanelHints::qtConnection())
            X11PanelHints::keepPictureInPlace(c, window, begin);
    }
    quint64 readScreenArea(const QRect& area) override
    {
        dropRead();
        const quint64 read = ++m_reads;
        xcb_connection_t* c = X11PanelHints::qtConnection();
        const xcb_screen_t* screen = c ? xcb_setup_roots_iterator(xcb_get_setup(c)).data : nullptr;
        if (!screen || !readsAsRgb32(c, screen))
            return read;
        // A read reaching beyond the root window fails: the part on it is read.
        const QRect on = area & QRect(0, 0, screen->width_in_pixels, screen->height_in_pixels);
        if (on.isEmpty())
            return read;
        // On Qt's own connection, so the server reads the root window before
        // it maps any window Qt asks for next. Under a compositing manager
        // the root window holds the composited picture.
        m_cookie = xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, qint16(on.x()), qint16(on.y()),
            quint16(on.width()), quint16(on.height()), ~0u);
        m_connection = c;
        m_area = area;
        m_read = on;
        xcb_flush(c);
        return read;
    }
    QImage takeScreenArea(quint64 read) override
    {
        if (read != m_reads)
            return {};
        xcb_connection_t* c = std::exchange(m_connection, nullptr);
        if (!c || c != X11PanelHints::qtConnection())
            return {};
        xcb_get_image_reply_t* reply = xcb_get_image_reply(c, m_cookie, nullptr);
        if (!reply)
            return {};
        QImage image;
        const int w = m_read.width(), h = m_read.height();
        if (xcb_get_image_data_length(reply) >= w * h * 4) {
            image = QImage(m_area.size(), QImage::Format_ARGB32_Premultiplied);
            if (m_read != m_area)
                image.fill(Qt::transparent);
            const auto* data = reinterpret_cast<const quint32*>(xcb_get_image_data(reply));
            const QPoint at = m_read.topLeft() - m_area.topLeft();
            for (int y = 0; y < h; ++y) {
                const quint32* in = data + qsizetype(y) * w;
                auto* out = reinterpret_cast<quint32*>(image.scanLine(at.y() + y)) + at.x();
                for (int x = 0; x < w; ++x)
                    out[x] = in[x] | 0xFF000000u; // the root's pixels carry no alpha
            }
        }
        std::free(reply);
        return image;
    }

    QImage* frameFor(quint32 window, QSize size) override
    {
        xcb_connection_t* c = X11PanelHints::qtConnection();
        if (!c || size.isEmpty())
            return nullptr;
        if (!m_argbChecked) {
            m_argbChecked = true;
            m_argb = takesArgbFromSharedMemory(c);
        }
        if (!m_argb)
            return nullptr;
        auto it = m_frames.find(window);
        if (it != m_frames.end() && it->image.size() != size) {
            releaseFrame(window);
            it = m_frames.end();
        }
        if (it == m_frames.end()) {
            SharedFrame frame;
            if (!makeFrame(c, window, size, frame)) {
                // Not one more try per frame: the toolkit draws them.
                m_argb = false;
                return nullptr;
            }
            it = m_frames.insert(window, frame);
        }
        // The server reads the last frame while it is put: it is not drawn
        // over before the server has answered what was asked after it.
        if (it->fence)
            std::free(xcb_get_input_focus_reply(c, *std::exchange(it->fence, std::nullopt), nullptr));
        return &it->image;
    }
    void putFrame(quint32 window, const QRegion& region) override
    {
        xcb_connection_t* c = X11PanelHints::qtConnection();
        const auto it = m_frames.find(window);
        if (!c || it == m_frames.end())
            return;
        const QRect whole = it->image.rect();
        const auto width = quint16(whole.width()), height = quint16(whole.height());
        for (const QRect& rect : region) {
            const QRect r = rect & whole;
            if (r.isEmpty())
                continue;
            xcb_shm_put_image(c, window, it->gc, width, height, quint16(r.x()), quint16(r.y()), quint16(r.width()),
                quint16(r.height()), qint16(r.x()), qint16(r.y()), 32, XCB_IMAGE_FORMAT_Z_PIXMAP, 0, it->segment, 0);
        }
        if (it->fence)
            xcb_discard_reply(c, it->fence->sequence);
        it->fence = xcb_get_input_focus(c);
        xcb_flush(c);
    }
    void releaseFrame(quint32 window) override
    {
        const auto it = m_frames.find(window);
        if (it == m_frames.end())
            return;
        SharedFrame frame = *it;
        m_frames.erase(it);
        if (xcb_connection_t* c = X11PanelHints::qtConnection()) {
            if (frame.fence)
                xcb_discard_reply(c, frame.fence->sequence);
            xcb_free_gc(c, frame.gc);
            xcb_shm_detach(c, frame.segment);
            xcb_flush(c);
        }
        frame.image = QImage();
        shmdt(frame.memory);
    }

private:
    // A segment of `size` for `window`, attached on both sides (false, and
    // nothing kept, when either side cannot).
    static bool makeFrame(xcb_connection_t* c, quint32 window, QSize size, SharedFrame& frame)
    {
        // Only a window with an alpha channel takes the frame's pixels as they are.
        xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
        const bool argb = geometry && geometry->depth == 32;
        std::free(geometry);
        if (!argb)
            return false;
        const size_t bytes = size_t(size.width()) * size_t(size.height()) * 4;
        frame.id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
        if (frame.id < 0)
            return false;
        frame.memory = shmat(frame.id, nullptr, 0);
        // Gone once both sides have let go of it, whatever happens to us.
        shmctl(frame.id, IPC_RMID, nullptr);
        if (frame.memory == reinterpret_cast<void*>(-1))
            return false;
        frame.segment = xcb_generate_id(c);
        // A server elsewhere cannot reach this machine's memory: asked once.
        if (xcb_generic_error_t* error
            = xcb_request_check(c, xcb_shm_attach_checked(c, frame.segment, quint32(frame.id), 0))) {
            std::free(error);
            shmdt(frame.memory);
            return false;
        }
        frame.gc = xcb_generate_id(c);
        const quint32 noExposures = 0;
        xcb_create_gc(c, frame.gc, window, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
        frame.image = QImage(static_cast<uchar*>(frame.memory), size.width(), size.height(), size.width() * 4,
            QImage::Format_ARGB32_Premultiplied);
        return true;
    }

    // A reply never asked for would be kept for the life of the connection.
    void dropRead()
    {
        xcb_connection_t* c = std::exchange(m_connection, nullptr);
        if (c && c == X11PanelHints::qtConnection())
            xcb_discard_reply(c, m_cookie.sequence);
    }

    mutable X11CompositorWatch m_compositor;
    quint64 m_reads = 0;
    xcb_connection_t* m_connection = nullptr; // while a read is asked and not taken
    xcb_get_image_cookie_t m_cookie {};
    QRect m_area;
    QRect m_read; // the part of m_area on the root window
    QHash<quint32, SharedFrame> m_frames;
    bool m_argbChecked = false;
    bool m_argb = false;
};
}

std::shared_ptr<PanelHints> makeX11PanelHints() { return std::make_shared<X11PanelHintsPort>(); }
