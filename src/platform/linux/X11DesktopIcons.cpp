// Application icons: the desktop entry's, else the one each window carries
// (_NET_WM_ICON, else the ICCCM icon pixmap and mask that older toolkits
// set). A window's icon is read the first time it is shown and kept until
// the client changes it (the window cache reports that). An application's
// windows are asked in batches whether they carry an icon at all, and only
// the front one that does is read: one with hundreds of windows costs a round
// trip or two, not two a window, nor a question to each window whenever
// another one comes to the front.

#include "platform/linux/X11Desktop.h"

#include <QPixmap>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <utility>

#include "platform/IconFile.h"
#include "platform/linux/X11Properties.h"

namespace {

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T> Reply<T> reply(T* r) { return Reply<T>(r, &std::free); }

QByteArray propertyBytes(xcb_connection_t* c, xcb_get_property_cookie_t cookie, int* format)
{
    auto r = reply(xcb_get_property_reply(c, cookie, nullptr));
    *format = 0;
    if (!r || r->type == XCB_ATOM_NONE)
        return {};
    *format = r->format;
    return { static_cast<const char*>(xcb_get_property_value(r.get())), xcb_get_property_value_length(r.get()) };
}

} // namespace

QImage X11Desktop::pixmapPicture(quint32 pixmap) const
{
    if (pixmap == XCB_NONE)
        return {};
    xcb_connection_t* c = m_conn;
    // A client may name any id, or free the pixmap meanwhile: the errors go
    // to the event queue, where they change nothing.
    ++m_roundTrips;
    ++m_requests;
    auto geometry = reply(xcb_get_geometry_reply(c, xcb_get_geometry(c, pixmap), nullptr));
    if (!geometry || geometry->width == 0 || geometry->height == 0 || geometry->width > X11Properties::maxIconSide
        || geometry->height > X11Properties::maxIconSide)
        return {};
    const xcb_setup_t* setup = xcb_get_setup(c);
    X11Properties::ImageLayout layout;
    layout.depth = geometry->depth;
    layout.lsbByteOrder = setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
    layout.lsbBitOrder = setup->bitmap_format_bit_order == XCB_IMAGE_ORDER_LSB_FIRST;
    layout.scanlineUnit = setup->bitmap_format_scanline_unit;
    layout.scanlinePad = setup->bitmap_format_scanline_pad;
    const bool plane = geometry->depth == 1;
    if (!plane) {
        bool known = false;
        for (auto it = xcb_setup_pixmap_formats_iterator(setup); it.rem; xcb_format_next(&it)) {
            if (it.data->depth == geometry->depth) {
                layout.bitsPerPixel = it.data->bits_per_pixel;
                layout.scanlinePad = it.data->scanline_pad;
                known = true;
            }
        }
        if (!known)
            return {};
    }
    ++m_roundTrips;
    ++m_requests;
    auto image = reply(xcb_get_image_reply(c,
        xcb_get_image(c, plane ? XCB_IMAGE_FORMAT_XY_PIXMAP : XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, 0, 0, geometry->width,
            geometry->height, plane ? 1u : ~0u),
        nullptr));
    if (!image)
        return {};
    const QByteArray bytes(
        reinterpret_cast<const char*>(xcb_get_image_data(image.get())), xcb_get_image_data_length(image.get()));
    return X11Properties::pixmapImage(bytes, geometry->width, geometry->height, layout);
}

QList<QImage> X11Desktop::iconPictures(quint32 id, IconSources sources) const
{
    if (!m_conn || (!sources.netIcon && !sources.hints))
        return {};
    xcb_connection_t* c = m_conn;
    xcb_get_property_cookie_t iconCookie {}, hintsCookie {};
    if (sources.netIcon)
        iconCookie = xcb_get_property(c, 0, id, atom("_NET_WM_ICON"), XCB_ATOM_CARDINAL, 0, 4 * 1024 * 1024);
    if (sources.hints)
        hintsCookie = xcb_get_property(c, 0, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 0, 9);
    m_requests += (sources.netIcon ? 1 : 0) + (sources.hints ? 1 : 0);
    ++m_roundTrips;
    int format = 0;
    if (sources.netIcon) {
        QList<QImage> pictures = X11Properties::icons(propertyBytes(c, iconCookie, &format), format);
        if (!pictures.isEmpty()) {
            if (sources.hints)
                xcb_discard_reply(c, hintsCookie.sequence);
            return pictures;
        }
    }
    if (!sources.hints)
        return {};
    const QByteArray hints = propertyBytes(c, hintsCookie, &format);
    const X11Properties::IconHints named = X11Properties::iconHints(hints, format);
    const QImage picture = pixmapPicture(named.pixmap);
    if (picture.isNull())
        return {};
    return { X11Properties::masked(picture, pixmapPicture(named.mask)) };
}

QHash<quint32, X11Desktop::IconSources> X11Desktop::iconSources(const QList<quint32>& ids) const
{
    // Asking for no bytes of each still tells whether the property is there.
    QHash<quint32, IconSources> out;
    if (!m_conn || ids.isEmpty())
        return out;
    xcb_connection_t* c = m_conn;
    QList<QPair<xcb_get_property_cookie_t, xcb_get_property_cookie_t>> cookies;
    cookies.reserve(ids.size());
    for (quint32 id : ids)
        cookies << qMakePair(xcb_get_property(c, 0, id, atom("_NET_WM_ICON"), XCB_ATOM_CARDINAL, 0, 0),
            xcb_get_property(c, 0, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 0, 9));
    m_requests += 2 * quint64(ids.size());
    ++m_roundTrips;
    for (qsizetype i = 0; i < ids.size(); ++i) {
        IconSources sources { false, false };
        if (auto r = reply(xcb_get_property_reply(c, cookies[i].first, nullptr)))
            sources.netIcon = r->type == XCB_ATOM_CARDINAL && r->format == 32 && r->bytes_after > 0;
        int format = 0;
        const QByteArray hints = propertyBytes(c, cookies[i].second, &format);
        sources.hints = X11Properties::iconHints(hints, format).pixmap != XCB_NONE;
        out.insert(ids[i], sources);
    }
    return out;
}

QIcon X11Desktop::windowIcon(quint32 id, IconSources sources) const
{
    const auto cached = m_windowIcons.constFind(id);
    if (cached != m_windowIcons.cend())
        return *cached;
    QIcon icon = X11Properties::nearestSizeIcon(iconPictures(id, sources));
    m_windowIcons.insert(id, icon);
    return icon;
}

QIcon X11Desktop::appIcon(const App& a) const
{
    const Snapshot& s = m_snapshot;
    for (int idx : a.clients) {
        const Client& cl = s.clients[idx];
        if (!cl.fixed.entry)
            continue;
        const QString file = m_identity->iconFile(cl.fixed.entry->value(QStringLiteral("Icon")));
        if (file.isEmpty())
            break;
        auto it = m_entryIcons.find(file);
        if (it == m_entryIcons.end())
            it = m_entryIcons.insert(file, IconFile::load(file));
        if (!it->isNull())
            return *it;
        break;
    }
    // The front window's icon stands for the application: the one a person
    // last looked at, and the one a taskbar shows for it. Windows not known
    // yet are asked whether they carry one in batches growing from the front
    // (one, four, sixteen ...): when a window comes to the front the showing
    // asks about it alone, not about every window of the application.
    QList<quint32> unknown;
    qsizetype batch = 1;
    // Of the windows in `unknown`, the front one that carries an icon, read.
    // Should its icon not decode, the application is shown without one rather
    // than reading every window's in turn.
    const auto askUnknown = [&]() -> std::optional<QIcon> {
        const QHash<quint32, IconSources> sources = iconSources(unknown);
        const QList<quint32> asked = std::exchange(unknown, {});
        batch *= 4;
        for (const quint32 id : asked) {
            const IconSources known = sources.value(id, IconSources { false, false });
            if (known.netIcon || known.hints)
                return windowIcon(id, known);
            m_windowIcons.insert(id, QIcon());
        }
        return std::nullopt;
    };
    for (const int idx : a.clients) {
        const quint32 id = s.clients[idx].id;
        const bool known = m_windowIcons.contains(id);
        if (!known) {
            unknown << id;
            if (unknown.size() < batch)
                continue;
        }
        if (!unknown.isEmpty()) {
            if (auto icon = askUnknown())
                return *icon;
        }
        if (known) {
            if (QIcon icon = m_windowIcons.value(id); !icon.isNull())
                return icon;
        }
    }
    if (!unknown.isEmpty()) {
        if (auto icon = askUnknown())
            return *icon;
    }
    return {};
}
