// The desktop's answers to the workspace and window questions, read from the
// snapshot, and the requests sent to the window manager.

#include "platform/linux/X11Desktop.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <xcb/xcb.h>

#include <cstdlib>
#include <unistd.h>

#include "platform/IconFile.h"
#include "platform/Log.h"

namespace {
constexpr int kSourcePager = 2; // EWMH source indication of a pager
}

// ---- Workspace -------------------------------------------------------------------

QList<RunningApplication> X11Desktop::runningApplications() const
{
    QList<RunningApplication> out;
    const Snapshot& s = snapshot();
    const qint32 self = qint32(::getpid());
    for (const App& a : s.apps) {
        RunningApplication r;
        r.pid = a.pid;
        r.processID = a.processID;
        r.bundleIdentifier = a.bundleIdentifier;
        const Client& front = s.clients[a.clients.first()];
        if (front.fixed.entry)
            r.localizedName = front.fixed.entry->localizedName().value_or(QString());
        if (r.localizedName.isEmpty())
            r.localizedName = !front.fixed.wmClass.isEmpty() ? front.fixed.wmClass : front.title;
        r.bundleURL = front.fixed.entry ? front.fixed.entry->path : QString();
        bool regular = false, any = false;
        for (int idx : a.clients) {
            const Client& cl = s.clients[idx];
            regular = regular || cl.isTask();
            any = any || cl.fixed.type == Type::Dialog || cl.fixed.type == Type::Utility
                || cl.fixed.type == Type::Normal;
        }
        r.activationPolicy = regular ? RunningApplication::ActivationPolicy::Regular
            : any                    ? RunningApplication::ActivationPolicy::Accessory
                                     : RunningApplication::ActivationPolicy::Prohibited;
        if (a.processID == self)
            r.activationPolicy = RunningApplication::ActivationPolicy::Accessory; // this application's own panels
        r.icon = appIcon(a);
        out << r;
    }
    return out;
}

std::optional<qint32> X11Desktop::frontmostApplicationPID() const
{
    const Snapshot& s = snapshot();
    if (s.active == 0)
        return std::nullopt;
    for (const Client& cl : s.clients) {
        if (cl.id == s.active && cl.appPID != 0)
            return cl.appPID;
    }
    return std::nullopt;
}

std::optional<QString> X11Desktop::urlForApplication(const QString& bundleIdentifier) const
{
    const auto entry = m_identity->entryForBundleIdentifier(bundleIdentifier);
    if (!entry)
        return std::nullopt;
    return entry->path;
}

bool X11Desktop::openApplication(const QString& url)
{
    const auto entry = ApplicationIdentity::readEntry(url);
    if (!entry) {
        Log::write(QStringLiteral("Kelvaro: %1 is not an application entry").arg(url));
        return false;
    }
    QStringList args = ApplicationIdentity::execArguments(*entry);
    if (args.isEmpty()) {
        Log::write(QStringLiteral("Kelvaro: %1 has no command to run").arg(url));
        return false;
    }
    QString program = args.takeFirst();
    if (!program.contains(QLatin1Char('/')))
        program = QStandardPaths::findExecutable(program);
    if (program.isEmpty() || !QFileInfo(program).isExecutable()) {
        Log::write(QStringLiteral("Kelvaro: the program of %1 cannot be found").arg(url));
        return false;
    }
    QString directory = entry->value(QStringLiteral("Path"));
    if (directory.isEmpty() || !QFileInfo(directory).isDir())
        directory = QDir::homePath();
    return QProcess::startDetached(program, args, directory);
}

QIcon X11Desktop::iconForFile(const QString& url) const
{
    const auto entry = ApplicationIdentity::readEntry(url);
    if (!entry)
        return {};
    const QString file = m_identity->iconFile(entry->value(QStringLiteral("Icon")));
    return file.isEmpty() ? QIcon() : IconFile::load(file);
}

bool X11Desktop::openURL(const QUrl& url)
{
    if (!url.isValid())
        return false;
    return QProcess::startDetached(QStringLiteral("xdg-open"), { url.toString(QUrl::FullyEncoded) });
}

void X11Desktop::beep()
{
    if (!m_conn)
        return;
    xcb_bell(m_conn, 0);
    roundTrip();
}

// ---- Requests ----------------------------------------------------------------------

void X11Desktop::roundTrip() const
{
    if (!m_conn)
        return;
    ++m_roundTrips;
    std::free(xcb_get_input_focus_reply(m_conn, xcb_get_input_focus(m_conn), nullptr));
}

void X11Desktop::clientMessage(quint32 window, quint32 type, std::initializer_list<quint32> data, bool toRoot)
{
    if (!m_conn)
        return;
    xcb_client_message_event_t ev {};
    ev.response_type = XCB_CLIENT_MESSAGE;
    ev.format = 32;
    ev.window = window;
    ev.type = type;
    int i = 0;
    for (quint32 d : data)
        ev.data.data32[i++] = d;
    xcb_send_event(m_conn, 0, toRoot ? m_root : window,
        XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT, reinterpret_cast<const char*>(&ev));
    roundTrip(); // flushing alone loses requests when the connection closes soon after
    invalidate();
}

void X11Desktop::activateWindow(quint32 id)
{
    clientMessage(id, atom("_NET_ACTIVE_WINDOW"), { kSourcePager, XCB_CURRENT_TIME, 0 });
}

void X11Desktop::restackAbove(quint32 id)
{
    clientMessage(id, atom("_NET_RESTACK_WINDOW"), { kSourcePager, XCB_NONE, XCB_STACK_MODE_ABOVE });
}

// ---- Windows -------------------------------------------------------------------------

QList<WindowInfo> X11Desktop::windowsOf(qint32 pid) const
{
    QList<WindowInfo> out;
    const App* a = app(pid);
    if (!a)
        return out;
    for (int idx : a->clients) {
        const Client& cl = m_snapshot.clients[idx];
        if (cl.skipTaskbar)
            continue; // it asked to be left out of every list of windows
        WindowInfo w;
        w.id = cl.id;
        switch (cl.fixed.type) {
        case Type::Normal:
            w.kind = WindowInfo::Kind::Normal;
            break;
        case Type::Dialog:
            w.kind = WindowInfo::Kind::Dialog;
            break;
        case Type::Utility:
            w.kind = WindowInfo::Kind::Utility;
            break;
        default:
            w.kind = WindowInfo::Kind::Other;
            break;
        }
        w.title = cl.title;
        w.frame = cl.frame;
        w.minimized = cl.hidden;
        w.fullScreen = cl.fullScreen;
        w.keptAbove = cl.above;
        w.opacity = cl.opacity;
        w.desktop = cl.desktop;
        out << w;
    }
    return out;
}

std::optional<QString> X11Desktop::windowTitle(quint32 window) const
{
    const Client* cl = client(window);
    if (!cl)
        return std::nullopt;
    return cl->title;
}

std::optional<quint32> X11Desktop::desktopOf(quint32 window) const
{
    const Client* cl = client(window);
    if (!cl)
        return std::nullopt;
    return cl->desktop;
}

std::optional<quint32> X11Desktop::activeWindow() const
{
    const quint32 active = snapshot().active;
    if (active == 0)
        return std::nullopt;
    return active;
}

bool X11Desktop::raise(quint32 window)
{
    if (!m_conn || !snapshot().haveWindowManager)
        return false;
    const Client* cl = client(window);
    if (!cl)
        return false;
    if (cl->hidden) {
        xcb_map_window(m_conn, window); // a client maps its window to leave the iconic state
        roundTrip();
        invalidate();
    }
    restackAbove(window);
    activateWindow(window);
    return true;
}

bool X11Desktop::activate(qint32 pid, bool allWindows)
{
    const App* a = app(pid);
    if (!a || !m_snapshot.haveWindowManager)
        return false;
    const Snapshot& s = m_snapshot;
    // The front window: the frontmost one not minimised, else the frontmost.
    const Client* front = nullptr;
    for (int idx : a->clients) {
        const Client& cl = s.clients[idx];
        if (cl.fixed.type == Type::Dock || cl.fixed.type == Type::Desktop)
            continue;
        if (!front || (front->hidden && !cl.hidden))
            front = &cl;
        if (!front->hidden)
            break;
    }
    if (!front)
        return false;
    const quint32 target = front->id;
    QList<quint32> others;
    if (allWindows) {
        for (qsizetype i = a->clients.size() - 1; i >= 0; --i) { // back to front keeps their order
            const Client& cl = s.clients[a->clients[i]];
            if (cl.id != target && !cl.hidden && cl.desktop == front->desktop)
                others << cl.id;
        }
    }
    for (quint32 id : std::as_const(others))
        restackAbove(id);
    activateWindow(target);
    return true;
}

std::optional<quint32> X11Desktop::currentDesktop() const { return snapshot().currentDesktop; }

bool X11Desktop::switchToDesktop(quint32 desktop)
{
    const Snapshot& s = snapshot();
    if (!m_conn || !s.haveWindowManager || desktop >= s.desktopCount)
        return false;
    clientMessage(m_root, atom("_NET_CURRENT_DESKTOP"), { desktop, XCB_CURRENT_TIME });
    return true;
}
