#pragma once
// Which of the properties read from client windows and the root window are
// still current, kept from the property-change and structure events the
// display sends for the windows watched. A showing then asks the X server
// only for what changed since the last one.
//
// Properties come in two kinds: those a client sets once (process, class,
// application id, window type, transient-for) and those that change while it
// runs (titles, state, desktop, frame extents, opacity, geometry). The icon
// (_NET_WM_ICON, WM_HINTS) is a third: costly to read, so read only when
// shown, and again only after the client changed it. The root window's
// lists (client lists, active window, desktops) count as one.

#include <QHash>
#include <QSet>
#include <QtGlobal>

#include <xcb/xcb.h>

class X11WindowCache {
public:
    struct Atoms {
        // Properties that change while a client runs.
        QSet<quint32> live;
        // Properties a client sets once (read again should it change them).
        QSet<quint32> fixed;
        // Properties that make up the window's icon.
        QSet<quint32> icon;
        // The root window's lists of windows.
        QSet<quint32> rootLists;
    };
    enum Part : unsigned { nothing = 0, fixedPart = 1, livePart = 2, iconPart = 4, everything = 7 };

    X11WindowCache() = default;
    X11WindowCache(quint32 root, Atoms atoms);

    // Takes in one event from the display's queue (errors and events of
    // windows not watched change nothing). Whether it made windows' own
    // properties stale, or the root's lists of windows (new windows to read):
    // the root's other properties and icons are cheap to read when asked for.
    bool apply(const xcb_generic_event_t* event);

    // Whether `window` has its events selected (from then on, its properties
    // are kept current).
    bool isWatched(quint32 window) const { return m_stale.contains(window); }
    // Starts watching `window`: everything about it is to be read.
    void watch(quint32 window);
    // What about `window` is to be read again, and counts it as read.
    unsigned take(quint32 window);
    unsigned stale(quint32 window) const { return m_stale.value(window, everything); }
    // Marks parts of a watched window as to be read again; false when it is
    // not watched.
    bool markStale(quint32 window, unsigned parts);
    // Forgets `window`: it was gone when read, so its events were never
    // selected. Should the server hand its id to a new window, that one is
    // watched and read like any window seen for the first time.
    void forget(quint32 window) { m_stale.remove(window); }
    // Forgets the windows not in `live` (they were destroyed or withdrawn).
    void keepOnly(const QSet<quint32>& live);
    qsizetype watchedCount() const { return m_stale.size(); }

    // The root window's properties: stale until read, again after they change.
    bool isRootStale() const { return m_rootStale; }
    void markRootStale() { m_rootStale = true; }
    void rootRead() { m_rootStale = false; }

private:
    quint32 m_root = 0;
    Atoms m_atoms;
    QHash<quint32, unsigned> m_stale; // watched windows and what of them is stale
    bool m_rootStale = true;
};
