#include "platform/linux/X11WindowCache.h"

#include <xcb/xcb.h>

X11WindowCache::X11WindowCache(quint32 root, Atoms atoms)
    : m_root(root)
    , m_atoms(std::move(atoms))
{
}

bool X11WindowCache::apply(const xcb_generic_event_t* event)
{
    if (!event)
        return false;
    switch (event->response_type & 0x7F) {
    case XCB_PROPERTY_NOTIFY: {
        const auto* e = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        if (e->window == m_root) {
            m_rootStale = true;
            return m_atoms.rootLists.contains(e->atom);
        }
        bool changed = false;
        if (m_atoms.live.contains(e->atom))
            changed = markStale(e->window, livePart);
        else if (m_atoms.fixed.contains(e->atom))
            changed = markStale(e->window, fixedPart);
        if (m_atoms.icon.contains(e->atom)) // WM_HINTS also says other things
            markStale(e->window, iconPart);
        return changed;
    }
    case XCB_CONFIGURE_NOTIFY: {
        // Moved or resized (a window manager reports a move of the frame with
        // a synthetic one): the geometry is read again.
        const auto* e = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
        if (e->window != m_root)
            return markStale(e->window, livePart);
        m_rootStale = true; // its size
        return false;
    }
    case XCB_REPARENT_NOTIFY:
        return markStale(reinterpret_cast<const xcb_reparent_notify_event_t*>(event)->window, livePart);
    case XCB_MAP_NOTIFY:
        return markStale(reinterpret_cast<const xcb_map_notify_event_t*>(event)->window, livePart);
    case XCB_UNMAP_NOTIFY:
        return markStale(reinterpret_cast<const xcb_unmap_notify_event_t*>(event)->window, livePart);
    case XCB_DESTROY_NOTIFY: // the root's lists say so as well
        m_stale.remove(reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window);
        return false;
    default:
        return false;
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

bool X11WindowCache::markStale(quint32 window, unsigned parts)
{
    const auto it = m_stale.find(window);
    if (it == m_stale.end())
        return false;
    *it |= parts;
    return true;
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
