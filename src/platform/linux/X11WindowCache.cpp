#include "platform/linux/X11WindowCache.h"

#include <xcb/xcb.h>

X11WindowCache::X11WindowCache(quint32 root, Atoms atoms)
    : m_root(root)
    , m_atoms(std::move(atoms))
{
}

void X11WindowCache::apply(const xcb_generic_event_t* event)
{
    if (!event)
        return;
    switch (event->response_type & 0x7F) {
    case XCB_PROPERTY_NOTIFY: {
        const auto* e = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        if (e->window == m_root) {
            m_rootStale = true;
            return;
        }
        if (m_atoms.live.contains(e->atom))
            markStale(e->window, livePart);
        else if (m_atoms.fixed.contains(e->atom))
            markStale(e->window, fixedPart);
        if (m_atoms.icon.contains(e->atom)) // WM_HINTS also says other things
            markStale(e->window, iconPart);
        return;
    }
    case XCB_CONFIGURE_NOTIFY: {
        // Moved or resized (a window manager reports a move of the frame with
        // a synthetic one): the geometry is read again.
        const auto* e = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
        if (e->window == m_root)
            m_rootStale = true;
        else
            markStale(e->window, livePart);
        return;
    }
    case XCB_REPARENT_NOTIFY:
        markStale(reinterpret_cast<const xcb_reparent_notify_event_t*>(event)->window, livePart);
        return;
    case XCB_MAP_NOTIFY:
        markStale(reinterpret_cast<const xcb_map_notify_event_t*>(event)->window, livePart);
        return;
    case XCB_UNMAP_NOTIFY:
        markStale(reinterpret_cast<const xcb_unmap_notify_event_t*>(event)->window, livePart);
        return;
    case XCB_DESTROY_NOTIFY:
        m_stale.remove(reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window);
        return;
    default:
        return;
    }
}

void X11WindowCache::watch(quint32 window) { m_stale.insert(window, everything); }

unsigned X11WindowCache::take(quint32 window)
{
    const auto it = m_stale.find(window);
    if (it == m_stale.end())
        return everything;
    const unsigned parts = *it;
    *it = nothing;
    return parts;
}

void X11WindowCache::markStale(quint32 window, unsigned parts)
{
    const auto it = m_stale.find(window);
    if (it != m_stale.end())
        *it |= parts;
}

void X11WindowCache::keepOnly(const QSet<quint32>& live)
{
    for (auto it = m_stale.begin(); it != m_stale.end();) {
        if (!live.contains(it.key()))
            it = m_stale.erase(it);
        else
            ++it;
    }
}
