// kelvaro-test-client: a small X client for the end-to-end tests.
//
// Usage: kelvaro-test-client [options]
//   --app-id <id>      Reverse-DNS application id (default "org.kelvaro.TestClient").
//                      Becomes the desktop file name (QGuiApplication::desktopFileName),
//                      the application name, _GTK_APPLICATION_ID (UTF8_STRING) on every
//                      window, and WM_CLASS "<id>\0<id>\0".
//   --title <t>        Opens one top-level window titled <t>; repeatable (one window
//                      per --title). Without any, one window titled "Kelvaro Test Client".
//   --desktop <n>      Virtual desktop (EWMH index, 0-based; -1 = all desktops) of the
//                      window with the same position among the --title options;
//                      repeatable. Windows without one go where the window manager puts them.
//   --text-log <file>  Every window gets a focused QLineEdit. Each key press it receives
//                      appends "key=<Qt::Key, decimal> mods=<Qt::KeyboardModifiers, decimal>
//                      text=<event text>" and every change of its text appends
//                      "content=<current text>". With --menus, a triggered menu item appends
//                      "action=<menu path>" (e.g. "action=File/Recent/Item"). Control
//                      characters and backslashes are written as \xNN. The file is
//                      flushed after every line.
//   --menus            A menu bar in every window: File › New (Ctrl+N), File › Open… (Ctrl+O),
//                      a separator, File › Recent › Item (Ctrl+Shift+R); Edit › Copy (Ctrl+C),
//                      Edit › Copy duplicate (Ctrl+C), Edit › Paste (Ctrl+V).
//
// Prints "ready" on stdout once all its windows are mapped (when a window manager
// runs: once they are listed in _NET_CLIENT_LIST and sit on their requested desktop).
// The X window id and title of each window go to stderr as
// "kelvaro-test-client: window 0x<id> <title>". Runs until killed or all windows close.

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

QString escaped(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c == QLatin1Char('\\'))
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

class TextLog {
public:
    explicit TextLog(const QString& path)
        : m_file(path)
    {
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
            std::fprintf(stderr, "kelvaro-test-client: cannot open %s\n", qPrintable(path));
    }
    void line(const QString& text)
    {
        if (!m_file.isOpen())
            return;
        m_file.write(text.toUtf8() + '\n');
        m_file.flush();
    }

private:
    QFile m_file;
};

class LoggingLineEdit : public QLineEdit {
public:
    LoggingLineEdit(TextLog* log, QWidget* parent)
        : QLineEdit(parent)
        , m_log(log)
    {
        connect(this, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_log->line(QStringLiteral("content=") + escaped(text)); });
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        m_log->line(QStringLiteral("key=%1 mods=%2 text=%3")
                        .arg(event->key())
                        .arg(int(event->modifiers()))
                        .arg(escaped(event->text())));
        QLineEdit::keyPressEvent(event);
    }

private:
    TextLog* m_log;
};

struct Options {
    QString appId = QStringLiteral("org.kelvaro.TestClient");
    QStringList titles;
    QList<int> desktops;
    QString textLog;
    bool menus = false;
};

bool parse(const QStringList& args, Options& o)
{
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        auto next = [&](QString& out) {
            if (i + 1 >= args.size())
                return false;
            out = args[++i];
            return true;
        };
        QString v;
        if (a == QLatin1String("--app-id") && next(v)) {
            o.appId = v;
        } else if (a == QLatin1String("--title") && next(v)) {
            o.titles << v;
        } else if (a == QLatin1String("--desktop") && next(v)) {
            bool ok = false;
            const int d = v.toInt(&ok);
            if (!ok)
                return false;
            o.desktops << d;
        } else if (a == QLatin1String("--text-log") && next(v)) {
            o.textLog = v;
        } else if (a == QLatin1String("--menus")) {
            o.menus = true;
        } else {
            return false;
        }
    }
    if (o.titles.isEmpty())
        o.titles << QStringLiteral("Kelvaro Test Client");
    return true;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    auto cookie = xcb_intern_atom(c, 0, uint16_t(qstrlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> r(xcb_intern_atom_reply(c, cookie, nullptr), &free);
    return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::vector<uint32_t> cardinals(xcb_connection_t* c, xcb_window_t w, xcb_atom_t prop, xcb_atom_t type)
{
    std::vector<uint32_t> out;
    auto cookie = xcb_get_property(c, 0, w, prop, type, 0, 4096);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> r(xcb_get_property_reply(c, cookie, nullptr), &free);
    if (!r || r->format != 32)
        return out;
    const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(r.get()));
    out.assign(data, data + xcb_get_property_value_length(r.get()) / 4);
    return out;
}

void addMenus(QMainWindow* window, TextLog* log)
{
    auto add = [&](QMenu* menu, const QString& text, const QString& path, const QKeySequence& keys) {
        QAction* action = menu->addAction(text);
        action->setShortcut(keys);
        QObject::connect(action, &QAction::triggered, window, [log, path] {
            if (log)
                log->line(QStringLiteral("action=") + path);
        });
    };
    QMenu* file = window->menuBar()->addMenu(QStringLiteral("File"));
    add(file, QStringLiteral("New"), QStringLiteral("File/New"), QKeySequence(QStringLiteral("Ctrl+N")));
    add(file, QStringLiteral("Open…"), QStringLiteral("File/Open…"), QKeySequence(QStringLiteral("Ctrl+O")));
    file->addSeparator();
    QMenu* recent = file->addMenu(QStringLiteral("Recent"));
    add(recent, QStringLiteral("Item"), QStringLiteral("File/Recent/Item"),
        QKeySequence(QStringLiteral("Ctrl+Shift+R")));
    QMenu* edit = window->menuBar()->addMenu(QStringLiteral("Edit"));
    add(edit, QStringLiteral("Copy"), QStringLiteral("Edit/Copy"), QKeySequence(QStringLiteral("Ctrl+C")));
    add(edit, QStringLiteral("Copy duplicate"), QStringLiteral("Edit/Copy duplicate"),
        QKeySequence(QStringLiteral("Ctrl+C")));
    add(edit, QStringLiteral("Paste"), QStringLiteral("Edit/Paste"), QKeySequence(QStringLiteral("Ctrl+V")));
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    {
        QStringList args;
        for (int i = 0; i < argc; ++i)
            args << QString::fromLocal8Bit(argv[i]);
        if (!parse(args, options)) {
            std::fprintf(stderr,
                "usage: kelvaro-test-client [--app-id id] [--title t]... [--desktop n]... "
                "[--text-log file] [--menus]\n");
            return 2;
        }
    }
    qputenv("RESOURCE_NAME", options.appId.toLocal8Bit());
    // Qt's X11 plugin would take "--title" and "--name" for itself: give it none of ours.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(options.appId);
    QGuiApplication::setDesktopFileName(options.appId);
    QApplication::setQuitOnLastWindowClosed(true);

    auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* conn = x11 ? x11->connection() : nullptr;
    if (!conn) {
        std::fprintf(stderr, "kelvaro-test-client: needs an X11 display\n");
        return 1;
    }
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(conn)).data->root;
    const xcb_atom_t utf8 = atom(conn, "UTF8_STRING");
    const xcb_atom_t gtkAppId = atom(conn, "_GTK_APPLICATION_ID");
    const xcb_atom_t netWmDesktop = atom(conn, "_NET_WM_DESKTOP");
    const xcb_atom_t clientList = atom(conn, "_NET_CLIENT_LIST");
    const xcb_atom_t wmCheck = atom(conn, "_NET_SUPPORTING_WM_CHECK");
    const bool haveWm = !cardinals(conn, root, wmCheck, XCB_ATOM_WINDOW).empty();

    std::unique_ptr<TextLog> log;
    if (!options.textLog.isEmpty())
        log = std::make_unique<TextLog>(options.textLog);

    struct Client {
        QMainWindow* window;
        xcb_window_t id;
        int desktop; // -2: none requested
    };
    std::vector<Client> clients;
    const QByteArray id = options.appId.toUtf8();
    const QByteArray wmClass = id + '\0' + id + '\0';
    for (int i = 0; i < options.titles.size(); ++i) {
        auto* window = new QMainWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowTitle(options.titles[i]);
        auto* central = new QWidget(window);
        auto* layout = new QVBoxLayout(central);
        layout->addWidget(new QLabel(options.titles[i], central));
        if (log) {
            auto* edit = new LoggingLineEdit(log.get(), central);
            layout->addWidget(edit);
            window->setFocusProxy(edit);
            edit->setFocus();
        }
        window->setCentralWidget(central);
        if (options.menus)
            addMenus(window, log.get());
        window->resize(420, 240);
        const auto wid = xcb_window_t(window->winId());
        xcb_change_property(conn, XCB_PROP_MODE_REPLACE, wid, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
            uint32_t(wmClass.size()), wmClass.constData());
        xcb_change_property(conn, XCB_PROP_MODE_REPLACE, wid, gtkAppId, utf8, 8, uint32_t(id.size()), id.constData());
        const int desktop = i < options.desktops.size() ? options.desktops[i] : -2;
        if (desktop != -2) {
            const uint32_t value = uint32_t(desktop);
            xcb_change_property(conn, XCB_PROP_MODE_REPLACE, wid, netWmDesktop, XCB_ATOM_CARDINAL, 32, 1, &value);
        }
        clients.push_back({ window, wid, desktop });
        std::fprintf(stderr, "kelvaro-test-client: window 0x%x %s\n", wid, qPrintable(options.titles[i]));
    }
    for (auto& c : clients)
        c.window->show();
    free(xcb_get_input_focus_reply(conn, xcb_get_input_focus(conn), nullptr));

    // Move windows whose window manager ignored the initial desktop.
    auto moveToDesktop = [&](const Client& c) {
        xcb_client_message_event_t ev {};
        ev.response_type = XCB_CLIENT_MESSAGE;
        ev.format = 32;
        ev.window = c.id;
        ev.type = netWmDesktop;
        ev.data.data32[0] = uint32_t(c.desktop);
        ev.data.data32[1] = 2;
        xcb_send_event(conn, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
            reinterpret_cast<const char*>(&ev));
        free(xcb_get_input_focus_reply(conn, xcb_get_input_focus(conn), nullptr));
    };

    auto elapsed = std::make_shared<QElapsedTimer>();
    elapsed->start();
    auto* poll = new QTimer(&app);
    QObject::connect(poll, &QTimer::timeout, &app, [&, poll, elapsed] {
        bool ready = true;
        if (haveWm) {
            const auto listed = cardinals(conn, root, clientList, XCB_ATOM_WINDOW);
            for (const auto& c : clients) {
                if (std::find(listed.begin(), listed.end(), c.id) == listed.end()) {
                    ready = false;
                    continue;
                }
                if (c.desktop == -2)
                    continue;
                const auto d = cardinals(conn, c.id, netWmDesktop, XCB_ATOM_CARDINAL);
                if (d.empty() || d.front() != uint32_t(c.desktop)) {
                    ready = false;
                    moveToDesktop(c);
                }
            }
        } else {
            for (const auto& c : clients)
                ready = ready && c.window->windowHandle() && c.window->windowHandle()->isExposed();
        }
        if (!ready && elapsed->elapsed() < 10000)
            return;
        if (!ready)
            std::fprintf(stderr, "kelvaro-test-client: windows not all managed after 10 s\n");
        poll->stop();
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
    });
    poll->start(20);
    return app.exec();
}
