#pragma once
// The workspace and the windows of an X11 session with an EWMH window manager,
// read from the root window's client list.
//
// Applications are the managed client windows grouped by bundle identifier
// (ApplicationIdentity); an application's pid is the smallest process id among
// its windows and stands for the whole group. Windows are the managed client
// windows, named by their X window id. Desktops are _NET_WM_DESKTOP and
// _NET_CURRENT_DESKTOP. Every client message is followed by a round trip.
//
// What is read is kept as one snapshot for at most 50 ms, and dropped after
// every request that changes something. Beneath it, the properties of the
// root and of every client window are cached and kept current from the
// property-change and structure events of those windows (X11WindowCache): a
// new snapshot asks the server only for what changed, in one round trip.
// While the event loop runs, what the events report as changed is read in the
// background shortly after (every change of a burst in one batch), as is
// everything soon after start: a showing then finds it read already.

#include <QHash>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QSet>
#include <QSocketNotifier>
#include <QStringList>
#include <memory>

#include "platform/ApplicationIdentity.h"
#include "platform/linux/X11WindowCache.h"
#include "platform/Windows.h"
#include "platform/Workspace.h"

struct xcb_connection_t;

class X11Desktop final : public Workspace, public Windows {
public:
    // Opens its own connection to $DISPLAY. Windows are named after the
    // desktop entries `identity` knows.
    explicit X11Desktop(std::shared_ptr<ApplicationIdentity> identity);
    ~X11Desktop() override;

    bool isConnected() const { return m_conn != nullptr; }
    // How many times this connection has waited for the server's answers so
    // far (one batch of requests answered together counts once).
    quint64 roundTrips() const { return m_roundTrips; }
    // How many questions about windows (their properties, geometry and
    // icons) it has sent so far.
    quint64 requests() const { return m_requests; }
    // Drops the snapshot: the next question reads the root window's lists
    // again (and whatever else changed).
    void invalidate()
    {
        m_snapshotValid = false;
        m_cache.markRootStale();
    }

    // Workspace
    QList<RunningApplication> runningApplications() const override;
    std::optional<qint32> frontmostApplicationPID() const override;
    std::optional<QString> urlForApplication(const QString& bundleIdentifier) const override;
    bool openApplication(const QString& url) override;
    QIcon iconForFile(const QString& url) const override;
    bool openURL(const QUrl& url) override;
    void beep() override;

    // Windows
    QList<WindowInfo> windowsOf(qint32 app) const override;
    std::optional<QString> windowTitle(quint32 window) const override;
    std::optional<quint32> desktopOf(quint32 window) const override;
    std::optional<quint32> activeWindow() const override;
    bool raise(quint32 window) override;
    bool activate(qint32 app, bool allWindows) override;
    std::optional<quint32> currentDesktop() const override;
    bool switchToDesktop(quint32 desktop) override;

private:
    std::shared_ptr<ApplicationIdentity> m_identity;
    enum class Type { Normal, Dialog, Utility, Dock, Desktop, Splash, Notification, Other };
    struct Fixed { // properties a client keeps for its life
        qint32 pid = 0;
        QString wmInstance, wmClass, gtkApplicationId;
        Type type = Type::Normal;
        bool transient = false; // WM_TRANSIENT_FOR names a parent
        QString bundleIdentifier;
        std::optional<DesktopEntry> entry;
        quint64 identityGeneration = 0;
    };
    struct Client {
        quint32 id = 0;
        Fixed fixed;
        qint32 appPID = 0; // the group's pid
        QString title;
        bool hidden = false, fullScreen = false, above = false, skipTaskbar = false;
        std::optional<quint32> desktop; // 0xFFFFFFFF: every desktop
        QRectF frame; // X coordinates (y down)
        double opacity = 1.0;
        // Listed as a taskbar lists windows: an ordinary window, or a
        // dialog that stands alone, and not asking to be left out.
        bool isTask() const
        {
            return !skipTaskbar && (fixed.type == Type::Normal || (fixed.type == Type::Dialog && !fixed.transient));
        }
    };
    struct App {
        qint32 pid = 0; // the key of the group
        qint32 processID = 0; // its real process
        QString bundleIdentifier;
        QList<int> clients; // indexes into Snapshot::clients, front to back
    };
    struct Snapshot {
        QList<Client> clients; // front to back
        QList<App> apps; // stable order
        quint32 active = 0;
        std::optional<quint32> currentDesktop;
        quint32 desktopCount = 0;
        double rootHeight = 0;
        bool haveWindowManager = false;
    };

    struct Live { // properties that change while a client runs
        QString title;
        bool hidden = false, fullScreen = false, above = false, skipTaskbar = false;
        std::optional<quint32> desktop;
        QRectF frame;
        double opacity = 1.0;
        bool present = true; // false: it went away while being read
    };
    struct RootState {
        QList<quint32> stacking, mapping;
        quint32 active = 0;
        std::optional<quint32> currentDesktop;
        quint32 desktopCount = 0;
        double rootHeight = 0;
        bool haveWindowManager = false;
    };

    const Snapshot& snapshot() const;
    void readSnapshot() const;
    // Identifies the clients read (again only after the installed desktop
    // entries changed) and groups them into the snapshot's applications.
    void identifyAndGroup() const;
    // Takes in the events queued so far; whether any made something stale.
    bool drainEvents() const;
    void watchEvents() const;
    // Reads what is stale a moment from now, once however many events came.
    void scheduleRefresh() const;
    const Client* client(quint32 id) const;
    const App* app(qint32 pid) const;
    QIcon appIcon(const App& app) const;
    // Which of the two ways of carrying an icon a window uses.
    struct IconSources {
        bool netIcon = true; // _NET_WM_ICON
        bool hints = true; // a WM_HINTS icon pixmap
    };
    // Of each window, whether it carries an icon, all asked in one round trip.
    QHash<quint32, IconSources> iconSources(const QList<quint32>& ids) const;
    QIcon windowIcon(quint32 id, IconSources sources) const;
    // The pictures of a window's icon: _NET_WM_ICON's, else the WM_HINTS
    // pixmap with its mask; none when it has neither.
    QList<QImage> iconPictures(quint32 id, IconSources sources) const;
    QImage pixmapPicture(quint32 pixmap) const;
    void clientMessage(quint32 window, quint32 type, std::initializer_list<quint32> data, bool toRoot = true);
    void roundTrip() const;
    void activateWindow(quint32 id);
    void restackAbove(quint32 id);
    void logOnce(const QString& line) const;
    // A title in COMPOUND_TEXT or any other encoding but STRING and
    // UTF8_STRING, through Xlib's conversion; nothing when Xlib cannot.
    std::optional<QString> convertText(const QByteArray& bytes, quint32 type) const;

    void* m_display = nullptr; // Xlib's Display, for text conversion; owns m_conn
    xcb_connection_t* m_conn = nullptr;
    quint32 m_root = 0;
    QHash<QByteArray, quint32> m_atoms;
    quint32 atom(const char* name) const { return m_atoms.value(QByteArray(name)); }

    mutable Snapshot m_snapshot;
    mutable bool m_snapshotValid = false;
    mutable double m_snapshotTime = 0;
    mutable QHash<quint32, Fixed> m_fixed;
    mutable QHash<quint32, Live> m_live;
    mutable RootState m_rootState;
    mutable X11WindowCache m_cache;
    mutable std::unique_ptr<QSocketNotifier> m_notifier;
    mutable bool m_refreshPending = false;
    mutable QStringList m_appOrder; // group keys in the order first seen
    mutable QHash<QString, QIcon> m_entryIcons;
    mutable QHash<quint32, QIcon> m_windowIcons;
    mutable QHash<qint32, QPair<QString, QString>> m_processes; // pid -> executable, argv[0]
    mutable QSet<QString> m_logged;
    mutable quint64 m_roundTrips = 0;
    mutable quint64 m_requests = 0;
};
