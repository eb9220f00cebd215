#pragma once
// What the benches that drive the real desktop share: many windows of many
// applications made by a child process, and a process's memory as the
// kernel counts it.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace BenchDesktop {

// A child process that maps `apps` x `windowsPerApp` top-level windows, each
// with a title, a class per application and the child's pid, and then waits
// to be killed. Returns its pid once every window is mapped, or -1.
inline pid_t startWindowMaker(int apps, int windowsPerApp, const char* classPrefix)
{
    int ready[2];
    if (pipe(ready) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid != 0) {
        close(ready[1]);
        char ch = 0;
        const bool ok = pid > 0 && read(ready[0], &ch, 1) == 1;
        close(ready[0]);
        return ok ? pid : -1;
    }
    close(ready[0]);
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        _exit(1);
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    auto atom = [c](const char* name) {
        auto* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr);
        const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(r);
        return a;
    };
    const xcb_atom_t utf8 = atom("UTF8_STRING"), netName = atom("_NET_WM_NAME"), netPid = atom("_NET_WM_PID");
    const uint32_t self = uint32_t(getpid());
    for (int a = 0; a < apps; ++a) {
        const QByteArray id = QStringLiteral("%1%2").arg(QLatin1String(classPrefix)).arg(a).toUtf8();
        const QByteArray wmClass = id.toLower() + '\0' + id + '\0';
        for (int w = 0; w < windowsPerApp; ++w) {
            const xcb_window_t win = xcb_generate_id(c);
            xcb_create_window(c, XCB_COPY_FROM_PARENT, win, screen->root, int16_t(20 * a), int16_t(20 * w), 300, 200, 0,
                XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
            const QByteArray title
                = QStringLiteral("%1 %2 window %3").arg(QLatin1String(classPrefix)).arg(a).arg(w).toUtf8();
            xcb_change_property(
                c, XCB_PROP_MODE_REPLACE, win, netName, utf8, 8, uint32_t(title.size()), title.constData());
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, win, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                uint32_t(wmClass.size()), wmClass.constData());
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, win, netPid, XCB_ATOM_CARDINAL, 32, 1, &self);
            xcb_map_window(c, win);
        }
    }
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    const char one = 1;
    (void)!write(ready[1], &one, 1);
    for (;;)
        pause();
}

inline void stopWindowMaker(pid_t maker)
{
    if (maker <= 0)
        return;
    kill(maker, SIGTERM);
    waitpid(maker, nullptr, 0);
}

// Resident and proportional set sizes in MiB (the proportional one shares
// each shared page among the processes that map it); negative when unreadable.
struct Memory {
    double rss = -1.0;
    double pss = -1.0;
    // The resident set split by what backs it: the heap and other private
    // memory, mapped files (the program, its libraries, fonts), and memory
    // shared with the X server (window buffers).
    double anonymous = -1.0;
    double files = -1.0;
    double shared = -1.0;
};

inline Memory memoryOf(qint64 pid)
{
    Memory m;
    QFile f(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return m;
    for (const QByteArray& line : f.readAll().split('\n')) {
        const auto kib = [&] { return line.mid(4).trimmed().split(' ').value(0).toDouble() / 1024.0; };
        if (line.startsWith("Rss:"))
            m.rss = kib();
        else if (line.startsWith("Pss:"))
            m.pss = kib();
    }
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return m;
    for (const QByteArray& line : status.readAll().split('\n')) {
        const auto kib
            = [&] { return line.mid(line.indexOf(':') + 1).trimmed().split(' ').value(0).toDouble() / 1024.0; };
        if (line.startsWith("RssAnon:"))
            m.anonymous = kib();
        else if (line.startsWith("RssFile:"))
            m.files = kib();
        else if (line.startsWith("RssShmem:"))
            m.shared = kib();
    }
    return m;
}

} // namespace BenchDesktop
