#include "platform/linux/X11Desktop.h"

#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QThread>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <unistd.h>

#include "platform/IconFile.h"
#include "platform/Log.h"
#include "platform/Scheduler.h"
#include "platform/linux/X11Properties.h"

// Xlib last: its macros (None, Bool, Status ...) must not reach other headers.
#include <X11/Xlib-xcb.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

constexpr double kSnapshotLifetime = 0.05;
// How long after a change the background read waits for the rest of a burst.
constexpr double kRefreshDelay = 0.03;

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T> Reply<T> reply(T* r) { return Reply<T>(r, &std::free); }

const char* const kAtomNames[] = {
    "UTF8_STRING",
    "COMPOUND_TEXT",
    "_NET_CLIENT_LIST",
    "_NET_CLIENT_LIST_STACKING",
    "_NET_ACTIVE_WINDOW",
    "_NET_CURRENT_DESKTOP",
    "_NET_NUMBER_OF_DESKTOPS",
    "_NET_SUPPORTING_WM_CHECK",
    "_NET_WM_PID",
    "_GTK_APPLICATION_ID",
    "_NET_WM_NAME",
    "_NET_WM_WINDOW_TYPE",
    "_NET_WM_WINDOW_TYPE_NORMAL",
    "_NET_WM_WINDOW_TYPE_DIALOG",
    "_NET_WM_WINDOW_TYPE_UTILITY",
    "_NET_WM_WINDOW_TYPE_TOOLBAR",
    "_NET_WM_WINDOW_TYPE_MENU",
    "_NET_WM_WINDOW_TYPE_DOCK",
    "_NET_WM_WINDOW_TYPE_DESKTOP",
    "_NET_WM_WINDOW_TYPE_SPLASH",
    "_NET_WM_WINDOW_TYPE_NOTIFICATION",
    "_NET_WM_WINDOW_TYPE_DROPDOWN_MENU",
    "_NET_WM_WINDOW_TYPE_POPUP_MENU",
    "_NET_WM_WINDOW_TYPE_TOOLTIP",
    "_NET_WM_WINDOW_TYPE_COMBO",
    "_NET_WM_WINDOW_TYPE_DND",
    "_NET_WM_STATE",
    "_NET_WM_STATE_HIDDEN",
    "_NET_WM_STATE_FULLSCREEN",
    "_NET_WM_STATE_ABOVE",
    "_NET_WM_STATE_SKIP_TASKBAR",
    "_NET_WM_DESKTOP",
    "_NET_FRAME_EXTENTS",
    "_NET_WM_WINDOW_OPACITY",
    "_NET_WM_ICON",
    "_NET_RESTACK_WINDOW",
    "WM_CHANGE_STATE",
};

xcb_get_property_cookie_t getProperty(
    xcb_connection_t* c, quint32 window, quint32 property, quint32 type, quint32 length = 1024)
{
    return xcb_get_property(c, 0, window, property, type, 0, length);
}

struct Property {
    QByteArray bytes;
    quint32 type = XCB_ATOM_NONE;
    int format = 0;
};

Property property(xcb_connection_t* c, xcb_get_property_cookie_t cookie)
{
    auto r = reply(xcb_get_property_reply(c, cookie, nullptr));
    if (!r || r->type == XCB_ATOM_NONE)
        return {};
    return { QByteArray(
                 static_cast<const char*>(xcb_get_property_value(r.get())), xcb_get_property_value_length(r.get())),
        r->type, r->format };
}

QList<quint32> cardinals(xcb_connection_t* c, xcb_get_property_cookie_t cookie)
{
    const Property p = property(c, cookie);
    return X11Properties::cardinals(p.bytes, p.format);
}

QString utf8Text(xcb_connection_t* c, xcb_get_property_cookie_t cookie)
{
    const Property p = property(c, cookie);
    return p.format == 8 ? QString::fromUtf8(p.bytes) : QString();
}

} // namespace

std::shared_ptr<void> makeX11Desktop(
    std::shared_ptr<ApplicationIdentity> identity, Workspace** workspace, Windows** windows)
{
    auto desktop = std::make_shared<X11Desktop>(std::move(identity));
    *workspace = desktop.get();
    *windows = desktop.get();
    return desktop;
}

X11Desktop::X11Desktop(std::shared_ptr<ApplicationIdentity> identity)
    : m_identity(std::move(identity))
{
    int screenNumber = 0;
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty()) {
        logOnce(QStringLiteral("Kelvaro: no X display; applications and windows cannot be listed"));
        return;
    }
    Display* dpy = XOpenDisplay(display.constData());
    xcb_connection_t* c = dpy ? XGetXCBConnection(dpy) : nullptr;
    if (!c || xcb_connection_has_error(c)) {
        if (dpy)
            XCloseDisplay(dpy);
        logOnce(QStringLiteral("Kelvaro: cannot connect to the X display %1; applications and windows cannot be listed")
                    .arg(QString::fromLocal8Bit(display)));
        return;
    }
    // Events and errors stay with XCB: Xlib is only asked to convert text.
    XSetEventQueueOwner(dpy, XCBOwnsEventQueue);
    m_display = dpy;
    m_conn = c;
    screenNumber = DefaultScreen(dpy);
    auto it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && it.rem; ++i)
        xcb_screen_next(&it);
    m_root = it.data->root;
    QList<xcb_intern_atom_cookie_t> cookies;
    for (const char* name : kAtomNames)
        cookies << xcb_intern_atom(c, 0, uint16_t(qstrlen(name)), name);
    ++m_roundTrips;
    int i = 0;
    for (const char* name : kAtomNames) {
        auto r = reply(xcb_intern_atom_reply(c, cookies[i++], nullptr));
        m_atoms.insert(QByteArray(name), r ? r->atom : 0);
    }
    X11WindowCache::Atoms watched;
    watched.live = { atom("_NET_WM_NAME"), XCB_ATOM_WM_NAME, atom("_NET_WM_STATE"), atom("_NET_WM_DESKTOP"),
        atom("_NET_FRAME_EXTENTS"), atom("_NET_WM_WINDOW_OPACITY") };
    watched.fixed = { atom("_NET_WM_PID"), XCB_ATOM_WM_CLASS, atom("_GTK_APPLICATION_ID"), atom("_NET_WM_WINDOW_TYPE"),
        XCB_ATOM_WM_TRANSIENT_FOR };
    watched.icon = { atom("_NET_WM_ICON"), XCB_ATOM_WM_HINTS };
    watched.rootLists = { atom("_NET_CLIENT_LIST"), atom("_NET_CLIENT_LIST_STACKING") };
    m_cache = X11WindowCache(m_root, watched);
    const quint32 mask = XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, m_root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
    watchEvents();
    scheduleRefresh(); // the windows there already, read before anyone asks
}

X11Desktop::~X11Desktop()
{
    m_notifier.reset();
    if (m_display)
        XCloseDisplay(static_cast<Display*>(m_display));
}

std::optional<QString> X11Desktop::convertText(const QByteArray& bytes, quint32 type) const
{
    // COMPOUND_TEXT (and any other encoding a client chose): Xlib knows them.
    QByteArray copy = bytes; // Xlib wants a writable buffer
    XTextProperty property;
    property.value = reinterpret_cast<unsigned char*>(copy.data());
    property.encoding = type;
    property.format = 8;
    property.nitems = static_cast<unsigned long>(copy.size());
    char** list = nullptr;
    int count = 0;
    const int status = Xutf8TextPropertyToTextList(static_cast<Display*>(m_display), &property, &list, &count);
    QString text;
    if (status >= Success && list) {
        QStringList parts;
        for (int i = 0; i < count; ++i)
            parts << QString::fromUtf8(list[i]);
        text = parts.join(QString());
    }
    if (list)
        XFreeStringList(list);
    if (status < Success) {
        logOnce(QStringLiteral("Kelvaro: a window title in an encoding Xlib cannot convert was read as Latin-1"));
        return std::nullopt;
    }
    return text;
}

void X11Desktop::logOnce(const QString& line) const
{
    if (m_logged.contains(line))
        return;
    m_logged.insert(line);
    Log::write(line);
}

// ---- Reading ---------------------------------------------------------------------

const X11Desktop::Snapshot& X11Desktop::snapshot() const
{
    const double now = Scheduler::shared().now();
    if (!m_snapshotValid || now - m_snapshotTime > kSnapshotLifetime || now < m_snapshotTime) {
        readSnapshot();
        m_snapshotValid = true;
        m_snapshotTime = now;
    }
    return m_snapshot;
}

bool X11Desktop::drainEvents() const
{
    if (!m_conn)
        return false;
    bool changed = false;
    while (xcb_generic_event_t* event = xcb_poll_for_event(m_conn)) {
        changed = m_cache.apply(event) || changed; // errors (a window gone before it was watched) change nothing
        std::free(event);
    }
    return changed;
}

void X11Desktop::scheduleRefresh() const
{
    if (m_refreshPending || !m_notifier)
        return;
    m_refreshPending = true;
    // The notifier goes with this object: a read still pending then is dropped.
    Scheduler::shared().postAfterWhileAlive(kRefreshDelay, m_notifier.get(), [this] {
        m_refreshPending = false;
        if (!m_conn || xcb_connection_has_error(m_conn))
            return;
        // Only the caches count: a showing still takes in what came since.
        readSnapshot();
    });
}

void X11Desktop::watchEvents() const
{
    // Events are taken in as they arrive, so the server never holds many for
    // this connection; a showing drains the rest before it reads anything.
    if (m_notifier || !m_conn || !QCoreApplication::instance()
        || QThread::currentThread() != QCoreApplication::instance()->thread())
        return;
    m_notifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(m_conn), QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, m_notifier.get(), [this] {
        if (drainEvents())
            scheduleRefresh();
    });
}

void X11Desktop::readSnapshot() const
{
    m_snapshot = Snapshot();
    if (!m_conn)
        return;
    xcb_connection_t* c = m_conn;
    if (xcb_connection_has_error(c)) {
        logOnce(QStringLiteral("Kelvaro: the connection to the X display was lost"));
        return;
    }
    watchEvents();
    drainEvents();

    // The root window's lists: read again only after they changed.
    if (m_cache.isRootStale()) {
        m_cache.rootRead(); // a change from now on marks them stale again
        auto stackingCookie = getProperty(c, m_root, atom("_NET_CLIENT_LIST_STACKING"), XCB_ATOM_WINDOW, 16384);
        auto mappingCookie = getProperty(c, m_root, atom("_NET_CLIENT_LIST"), XCB_ATOM_WINDOW, 16384);
        auto activeCookie = getProperty(c, m_root, atom("_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW);
        auto currentCookie = getProperty(c, m_root, atom("_NET_CURRENT_DESKTOP"), XCB_ATOM_CARDINAL);
        auto countCookie = getProperty(c, m_root, atom("_NET_NUMBER_OF_DESKTOPS"), XCB_ATOM_CARDINAL);
        auto checkCookie = getProperty(c, m_root, atom("_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW);
        auto rootGeometryCookie = xcb_get_geometry(c, m_root);
        m_requests += 7;
        ++m_roundTrips;
        RootState& r = m_rootState;
        r.stacking = cardinals(c, stackingCookie); // bottom to top
        r.mapping = cardinals(c, mappingCookie); // in the order they were mapped
        r.active = cardinals(c, activeCookie).value(0, 0);
        const QList<quint32> current = cardinals(c, currentCookie);
        r.currentDesktop = current.isEmpty() ? std::nullopt : std::optional<quint32>(current.first());
        r.desktopCount = cardinals(c, countCookie).value(0, 0);
        r.haveWindowManager = !cardinals(c, checkCookie).isEmpty();
        if (auto g = reply(xcb_get_geometry_reply(c, rootGeometryCookie, nullptr)))
            r.rootHeight = g->height;
    }
    const QList<quint32>& stacking = m_rootState.stacking;
    Snapshot& s = m_snapshot;
    s.haveWindowManager = m_rootState.haveWindowManager;
    s.active = m_rootState.active;
    s.currentDesktop = m_rootState.currentDesktop;
    s.desktopCount = m_rootState.desktopCount;
    s.rootHeight = m_rootState.rootHeight;
    if (!s.haveWindowManager)
        logOnce(QStringLiteral("Kelvaro: no EWMH window manager runs; windows and desktops cannot be listed"));

    // A window seen for the first time is watched before it is read, so no
    // change after the read goes unnoticed; after that only what its events
    // report as changed is read again.
    struct FixedCookies {
        xcb_get_property_cookie_t pid, wmClass, gtk, type, transient;
    };
    struct LiveCookies {
        xcb_get_property_cookie_t netName, state, desktop, extents, opacity;
        xcb_get_geometry_cookie_t geometry;
        xcb_translate_coordinates_cookie_t position;
    };
    QHash<quint32, FixedCookies> fixedCookies;
    QHash<quint32, LiveCookies> liveCookies;
    QSet<quint32> live;
    for (quint32 id : stacking) {
        live.insert(id);
        if (!m_cache.isWatched(id)) {
            const quint32 mask = XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            xcb_change_window_attributes(c, id, XCB_CW_EVENT_MASK, &mask);
            m_cache.watch(id);
        }
        const unsigned stale = m_cache.take(id);
        if (stale & X11WindowCache::iconPart)
            m_windowIcons.remove(id); // read again when next shown
        if ((stale & X11WindowCache::fixedPart) || !m_fixed.contains(id)) {
            m_requests += 5;
            fixedCookies.insert(id,
                FixedCookies { getProperty(c, id, atom("_NET_WM_PID"), XCB_ATOM_CARDINAL),
                    getProperty(c, id, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING),
                    getProperty(c, id, atom("_GTK_APPLICATION_ID"), XCB_ATOM_ANY),
                    getProperty(c, id, atom("_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32),
                    getProperty(c, id, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW) });
        }
        if ((stale & X11WindowCache::livePart) || !m_live.contains(id)) {
            m_requests += 7;
            liveCookies.insert(id,
                LiveCookies { getProperty(c, id, atom("_NET_WM_NAME"), atom("UTF8_STRING")),
                    getProperty(c, id, atom("_NET_WM_STATE"), XCB_ATOM_ATOM, 64),
                    getProperty(c, id, atom("_NET_WM_DESKTOP"), XCB_ATOM_CARDINAL),
                    getProperty(c, id, atom("_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL),
                    getProperty(c, id, atom("_NET_WM_WINDOW_OPACITY"), XCB_ATOM_CARDINAL), xcb_get_geometry(c, id),
                    xcb_translate_coordinates(c, id, m_root, 0, 0) });
        }
    }

    if (!fixedCookies.isEmpty() || !liveCookies.isEmpty())
        ++m_roundTrips; // every window's requests are answered together
    for (auto it = fixedCookies.cbegin(); it != fixedCookies.cend(); ++it) {
        Fixed f;
        f.pid = qint32(cardinals(c, it->pid).value(0, 0));
        {
            const Property wmClass = property(c, it->wmClass);
            const X11Properties::WindowClass names = X11Properties::windowClass(wmClass.bytes, wmClass.format);
            f.wmInstance = names.instance;
            f.wmClass = names.className;
        }
        f.gtkApplicationId = utf8Text(c, it->gtk);
        const QList<quint32> types = cardinals(c, it->type);
        const bool transient = !cardinals(c, it->transient).isEmpty();
        f.transient = transient;
        f.type = transient ? Type::Dialog : Type::Normal;
        for (quint32 t : types) { // the first type this code knows wins
            if (t == atom("_NET_WM_WINDOW_TYPE_NORMAL"))
                f.type = Type::Normal;
            else if (t == atom("_NET_WM_WINDOW_TYPE_DIALOG"))
                f.type = Type::Dialog;
            else if (t == atom("_NET_WM_WINDOW_TYPE_UTILITY") || t == atom("_NET_WM_WINDOW_TYPE_TOOLBAR")
                || t == atom("_NET_WM_WINDOW_TYPE_MENU"))
                f.type = Type::Utility;
            else if (t == atom("_NET_WM_WINDOW_TYPE_DOCK"))
                f.type = Type::Dock;
            else if (t == atom("_NET_WM_WINDOW_TYPE_DESKTOP"))
                f.type = Type::Desktop;
            else if (t == atom("_NET_WM_WINDOW_TYPE_SPLASH"))
                f.type = Type::Splash;
            else if (t == atom("_NET_WM_WINDOW_TYPE_NOTIFICATION"))
                f.type = Type::Notification;
            else if (t == atom("_NET_WM_WINDOW_TYPE_DROPDOWN_MENU") || t == atom("_NET_WM_WINDOW_TYPE_POPUP_MENU")
                || t == atom("_NET_WM_WINDOW_TYPE_TOOLTIP") || t == atom("_NET_WM_WINDOW_TYPE_COMBO")
                || t == atom("_NET_WM_WINDOW_TYPE_DND"))
                f.type = Type::Other;
            else
                continue;
            break;
        }
        m_fixed.insert(it.key(), f);
    }

    const quint32 hiddenAtom = atom("_NET_WM_STATE_HIDDEN");
    const quint32 fullAtom = atom("_NET_WM_STATE_FULLSCREEN");
    const quint32 aboveAtom = atom("_NET_WM_STATE_ABOVE");
    const quint32 skipTaskbarAtom = atom("_NET_WM_STATE_SKIP_TASKBAR");
    QHash<quint32, xcb_get_property_cookie_t> legacyCookies;
    for (auto it = liveCookies.cbegin(); it != liveCookies.cend(); ++it) {
        const LiveCookies& k = *it;
        Live l;
        l.title = utf8Text(c, k.netName);
        if (l.title.isEmpty()) { // WM_NAME is asked for only where there is no _NET_WM_NAME
            ++m_requests;
            legacyCookies.insert(it.key(), getProperty(c, it.key(), XCB_ATOM_WM_NAME, XCB_ATOM_ANY));
        }
        for (quint32 state : cardinals(c, k.state)) {
            l.hidden = l.hidden || state == hiddenAtom;
            l.fullScreen = l.fullScreen || state == fullAtom;
            l.above = l.above || state == aboveAtom;
            l.skipTaskbar = l.skipTaskbar || state == skipTaskbarAtom;
        }
        const QList<quint32> desktop = cardinals(c, k.desktop);
        if (!desktop.isEmpty())
            l.desktop = desktop.first();
        const QList<quint32> extents = cardinals(c, k.extents); // left, right, top, bottom
        const double left = extents.value(0), right = extents.value(1), top = extents.value(2),
                     bottom = extents.value(3);
        const QList<quint32> opacity = cardinals(c, k.opacity);
        if (!opacity.isEmpty())
            l.opacity = double(opacity.first()) / double(0xFFFFFFFFu);
        auto geometry = reply(xcb_get_geometry_reply(c, k.geometry, nullptr));
        auto position = reply(xcb_translate_coordinates_reply(c, k.position, nullptr));
        l.present = geometry && position;
        if (!l.present) // it went away before the window manager's lists said so
            m_cache.forget(it.key());
        else
            l.frame = QRectF(position->dst_x - left, position->dst_y - top, geometry->width + left + right,
                geometry->height + top + bottom);
        m_live.insert(it.key(), l);
    }
    if (!legacyCookies.isEmpty())
        ++m_roundTrips; // one more for all the windows titled the old way
    for (auto it = legacyCookies.cbegin(); it != legacyCookies.cend(); ++it) {
        const Property legacy = property(c, *it);
        m_live[it.key()].title = X11Properties::text(legacy.bytes, legacy.type, legacy.format, atom("UTF8_STRING"),
            [this](const QByteArray& bytes, quint32 type) { return convertText(bytes, type); });
    }
    m_cache.keepOnly(live);
    for (auto it = m_fixed.begin(); it != m_fixed.end();) {
        if (!live.contains(it.key()))
            it = m_fixed.erase(it);
        else
            ++it;
    }
    for (auto it = m_live.begin(); it != m_live.end();) {
        if (!live.contains(it.key()))
            it = m_live.erase(it);
        else
            ++it;
    }
    for (auto it = m_windowIcons.begin(); it != m_windowIcons.end();) {
        if (!live.contains(it.key()))
            it = m_windowIcons.erase(it);
        else
            ++it;
    }

    identifyAndGroup();
    // Events that came in with the replies sit in XCB's queue, where the
    // notifier does not see them.
    if (drainEvents())
        scheduleRefresh();
}

const X11Desktop::Client* X11Desktop::client(quint32 id) const
{
    for (const Client& cl : snapshot().clients) {
        if (cl.id == id)
            return &cl;
    }
    return nullptr;
}

const X11Desktop::App* X11Desktop::app(qint32 pid) const
{
    for (const App& a : snapshot().apps) {
        if (a.pid == pid)
            return &a;
    }
    return nullptr;
}
