// What a ring costs the machine, measured on the real binary (build/kelvaro)
// in a headless desktop session:
//  - hotkey to the first frame in which the switcher is visible on the X
//    server, for the first showing after launch (over several launches) and
//    for the showings after it;
//  - CPU time (user + system, from /proc/<pid>/stat) of Kelvaro, and of the
//    X server and of the compositor when the session names them
//    (KELVARO_SESSION_XSERVER_PID, KELVARO_SESSION_COMPOSITOR_PID), per
//    opening of the switcher: closed at once, held 400 ms and held 3 s (each
//    opening counted until its exit has ended), in all and split into the
//    phases of an opening: its first 400 ms, the rest of the hold, and from
//    the release until the exit has ended;
//  - frames painted per showing, from the line Kelvaro logs at each hide
//    while its latency trace is on (KELVARO_LATENCY_TRACE);
//  - listing the applications and windows at 121 windows, in this process,
//    with the X11 backend the application uses;
//  - for comparison, when rofi is installed, the same three openings of its
//    window list (a whole run each: start, first frame, Escape, exit), each
//    right after Kelvaro's, and the X server's CPU of one against the other.
//
//  - the resident and proportional memory of Kelvaro idle after its start,
//    and again after a further 1,000 openings closed at once (--openings N
//    for another count, 0 for none).
//
//   scripts/test-session build/bench/ring_cost_bench [--no-listing] [--compare] [--openings N]
//
// Run by hand; not part of the test suite.

#include "BenchDesktop.h"

#include "app/RingController.h"

#include "platform/Scheduler.h"
#include "platform/Screens.h"
#include "platform/Platform.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/X11Desktop.h"
#include "platform/sim/SimScreens.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <thread>
#include <vector>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double median(std::vector<double> v)
{
    if (v.empty())
        return 0.0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0.0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(double(v.size()) * p))];
}

void sleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// User + system CPU of a process in milliseconds; negative when unreadable.
double cpuMs(qint64 pid)
{
    if (pid <= 0)
        return -1.0;
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1.0;
    const QByteArray line = f.readAll();
    // Fields after the command name (which may hold spaces), from field 3 on.
    const qsizetype close = line.lastIndexOf(')');
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    if (fields.size() < 13)
        return -1.0;
    static const double tick = double(sysconf(_SC_CLK_TCK));
    return (fields[11].toDouble() + fields[12].toDouble()) * 1000.0 / tick;
}

// The same to the nanosecond: the run time of every thread alive now
// (/proc/<pid>/stat counts in ticks of 10 ms, too coarse for one opening).
double runMs(qint64 pid)
{
    if (pid <= 0)
        return -1.0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    double total = 0.0;
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile f(tasks.filePath(task) + QStringLiteral("/schedstat"));
        if (f.open(QIODevice::ReadOnly))
            total += f.readAll().split(' ').value(0).toDouble() / 1e6;
    }
    return total;
}

// Voluntary context switches of every thread alive now: a draw handed to
// Qt's thread pool wakes its threads and waits for them.
double voluntarySwitches(qint64 pid)
{
    if (pid <= 0)
        return -1.0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    double total = 0.0;
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile f(tasks.filePath(task) + QStringLiteral("/status"));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : f.readAll().split('\n')) {
            if (line.startsWith("voluntary_ctxt_switches:"))
                total += line.mid(24).trimmed().toDouble();
        }
    }
    return total;
}

class Keys {
public:
    Keys()
        : m_c(xcb_connect(nullptr, nullptr))
    {
    }
    ~Keys() { xcb_disconnect(m_c); }
    xcb_connection_t* connection() const { return m_c; }

    xcb_keycode_t code(const char* name)
    {
        // Keycodes of the evdev layout the test session's server uses.
        if (!std::strcmp(name, "ctrl"))
            return 37;
        if (!std::strcmp(name, "shift"))
            return 50;
        if (!std::strcmp(name, "a"))
            return 38;
        return 9; // Escape
    }
    void press(const char* key) { fake(XCB_KEY_PRESS, key); }
    void release(const char* key) { fake(XCB_KEY_RELEASE, key); }

private:
    void fake(std::uint8_t type, const char* key)
    {
        xcb_test_fake_input(m_c, type, code(key), XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr));
    }
    xcb_connection_t* m_c;
};

QByteArray titleOf(xcb_connection_t* c, xcb_window_t window)
{
    auto* name
        = xcb_get_property_reply(c, xcb_get_property(c, 0, window, XCB_ATOM_WM_NAME, XCB_ATOM_ANY, 0, 256), nullptr);
    QByteArray title;
    if (name)
        title = QByteArray(static_cast<const char*>(xcb_get_property_value(name)), xcb_get_property_value_length(name));
    free(name);
    return title;
}

// The top-level window titled `title`, or 0.
xcb_window_t findWindow(xcb_connection_t* c, const QByteArray& title)
{
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    auto* tree = xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr);
    if (!tree)
        return 0;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    const int n = xcb_query_tree_children_length(tree);
    xcb_window_t found = 0;
    for (int i = 0; i < n && !found; ++i) {
        if (titleOf(c, children[i]) == title)
            found = children[i];
    }
    free(tree);
    return found;
}

// Watches the top-level windows being mapped, from the root window's events:
// asking the server about every window each millisecond would cost it more
// than a whole run of the program measured.
class MapWatch {
public:
    explicit MapWatch(xcb_connection_t* c)
        : m_c(c)
        , m_root(xcb_setup_roots_iterator(xcb_get_setup(c)).data->root)
    {
        select(XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY);
    }
    ~MapWatch() { select(XCB_EVENT_MASK_NO_EVENT); }
    MapWatch(const MapWatch&) = delete;
    MapWatch& operator=(const MapWatch&) = delete;

    // The window titled `title` mapped from now on within `seconds`, or 0.
    xcb_window_t waitForMapped(const QByteArray& title, double seconds)
    {
        QElapsedTimer t;
        t.start();
        while (double(t.nsecsElapsed()) / 1e9 < seconds) {
            xcb_generic_event_t* event = xcb_poll_for_event(m_c);
            if (!event) {
                sleepMs(1);
                continue;
            }
            const xcb_window_t mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY
                ? reinterpret_cast<xcb_map_notify_event_t*>(event)->window
                : XCB_NONE;
            free(event);
            if (mapped != XCB_NONE && titleOf(m_c, mapped) == title)
                return mapped;
        }
        return 0;
    }

private:
    void select(std::uint32_t mask)
    {
        xcb_change_window_attributes(m_c, m_root, XCB_CW_EVENT_MASK, &mask);
        free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr));
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_c))
            free(event);
    }
    xcb_connection_t* m_c;
    xcb_window_t m_root;
};

bool viewable(xcb_connection_t* c, xcb_window_t w)
{
    auto* a = xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr);
    const bool v = a && a->map_state == XCB_MAP_STATE_VIEWABLE;
    free(a);
    return v;
}

// Pixels of the window drawn at 5 % alpha or more (all of them without alpha).
int visiblePixels(xcb_connection_t* c, xcb_window_t window)
{
    auto* geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
    if (!geometry)
        return 0;
    const int depth = geometry->depth, width = geometry->width, height = geometry->height;
    free(geometry);
    auto* image = xcb_get_image_reply(c,
        xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, std::uint16_t(width), std::uint16_t(height), ~0u),
        nullptr);
    if (!image)
        return 0;
    const std::uint8_t* data = xcb_get_image_data(image);
    const int length = xcb_get_image_data_length(image);
    int count = 0;
    if (depth == 32) {
        for (int i = 3; i < length; i += 4)
            count += data[i] >= 13;
    } else {
        count = length / 4;
    }
    free(image);
    return count;
}

// ---- Listing at 121 windows ----------------------------------------------------------

constexpr int kListApps = 11;
constexpr int kListWindowsPerApp = 11;

void measureListing()
{
    const pid_t maker = BenchDesktop::startWindowMaker(kListApps, kListWindowsPerApp, "KelvaroListing");
    if (maker <= 0) {
        std::printf("listing: the windows could not be made\n");
        return;
    }
    auto screens = std::make_shared<SimScreens>();
    screens->addScreen(QRectF(0, 0, 1280, 1024));
    Platform::installed().ports().screens = screens;
    X11Desktop desktop(Platform::installed().ports().applicationIdentity);
    int windows = 0;
    for (int i = 0; i < 500; ++i) {
        desktop.invalidate();
        windows = 0;
        for (const RunningApplication& app : desktop.runningApplications()) {
            if (app.bundleIdentifier.startsWith(QLatin1String("KelvaroListing")))
                windows += int(desktop.windowsOf(app.pid).size());
        }
        if (windows >= kListApps * kListWindowsPerApp)
            break;
        sleepMs(10);
    }
    std::vector<double> ms;
    for (int i = 0; i < 200; ++i) {
        // What a showing asks: every application, then the windows of one.
        desktop.invalidate();
        QElapsedTimer t;
        t.start();
        const QList<RunningApplication> apps = desktop.runningApplications();
        if (!apps.isEmpty())
            (void)desktop.windowsOf(apps[apps.size() / 2].pid);
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::printf("listing at %d windows (%d expected): median %.3f ms, p99 %.3f ms\n", windows,
        kListApps * kListWindowsPerApp, median(ms), percentile(ms, 0.99));
    BenchDesktop::stopWindowMaker(maker);
}

// ---- The real binary -------------------------------------------------------------------

struct Run {
    QProcess process;
    QString logPath;
    qint64 logOffset = 0;

    bool start(const QString& build, const QProcessEnvironment& env, const QString& log)
    {
        logPath = log;
        logOffset = 0;
        process.setProcessEnvironment(env);
        process.setStandardOutputFile(logPath);
        process.setStandardErrorFile(logPath, QIODevice::Append);
        process.start(build + QStringLiteral("/kelvaro"), {});
        if (!process.waitForStarted(5000)) {
            std::printf("ring_cost_bench: build/kelvaro did not start\n");
            return false;
        }
        sleepMs(2000); // launched, tray up, grabs in place
        return true;
    }

    // Frame counts from the lines logged since the last call.
    std::vector<double> frames()
    {
        std::vector<double> found;
        QFile f(logPath);
        if (!f.open(QIODevice::ReadOnly))
            return found;
        f.seek(logOffset);
        const QString text = QString::fromUtf8(f.readAll());
        logOffset = f.pos();
        // The log folds a line repeated at once into a count of repeats.
        static const QRegularExpression line(
            QStringLiteral("ring showing painted (\\d+) frames|the previous message was repeated (\\d+) more times"));
        for (auto it = line.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            if (!m.captured(1).isEmpty())
                found.push_back(m.captured(1).toDouble());
            else if (!found.empty())
                found.insert(found.end(), size_t(m.captured(2).toInt()), found.back());
        }
        return found;
    }
};

void writeDefaults(const QString& configHome)
{
    QDir().mkpath(configHome + QStringLiteral("/kelvaro"));
    QFile f(configHome + QStringLiteral("/kelvaro/defaults.json"));
    if (!f.open(QIODevice::WriteOnly))
        return;
    f.write(R"({"version": 1, "values": {
        "hasCompletedOnboarding": {"type": "bool", "value": true},
        "showLaunchMessage": {"type": "bool", "value": false},
        "telemetryEnabled": {"type": "bool", "value": false},
        "telemetryNoticeShownBuild": {"type": "integer", "value": 1},
        "activationMode": {"type": "string", "value": "holdModifier"},
        "ringPlacement": {"type": "string", "value": "screenCentre"}}})");
}

bool waitFor(const std::function<bool()>& done, double seconds)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (double(t.nsecsElapsed()) / 1e9 > seconds)
            return false;
        sleepMs(1);
    }
    return true;
}

// Hotkey to the first visible frame, read back from the server, for `count`
// showings of a Kelvaro just launched: the first goes to `firsts`, the rest
// to `later`. False when the ring was never seen.
bool measureShowings(Keys& keys, int count, std::vector<double>& firsts, std::vector<double>& later)
{
    xcb_connection_t* c = keys.connection();
    const QByteArray title("Kelvaro App Switcher");
    bool any = false;
    for (int i = 0; i < count; ++i) {
        keys.press("ctrl");
        keys.press("shift");
        sleepMs(20);
        QElapsedTimer t;
        t.start();
        keys.press("a");
        xcb_window_t panel = 0;
        const bool seen = waitFor(
            [&] {
                if (!panel)
                    panel = findWindow(c, title);
                return panel && viewable(c, panel) && visiblePixels(c, panel) >= 2000;
            },
            3.0);
        if (seen) {
            (i == 0 ? firsts : later).push_back(double(t.nsecsElapsed()) / 1e6);
            any = true;
        }
        keys.press("escape");
        keys.release("escape");
        keys.release("a");
        keys.release("shift");
        keys.release("ctrl");
        sleepMs(600);
    }
    return any;
}

struct Mode {
    const char* name;
    int holdMs;
    int count;
};
// Launches whose first showing is measured; the later showings are the first
// launch's.
constexpr int kLaunches = 5;
constexpr Mode kModes[] = { { "closed at once", 0, 10 }, { "held 400 ms", 400, 10 }, { "held 3 s", 3000, 5 } };

// Run time of Kelvaro, the X server and the compositor at one moment; a
// process the session does not name counts as negative.
struct Split {
    double own = 0.0, server = -1.0, compositor = -1.0;

    static Split now(qint64 pid, qint64 server, qint64 compositor)
    {
        return { runMs(pid), runMs(server), runMs(compositor) };
    }
    Split operator-(const Split& earlier) const
    {
        return { own - earlier.own, server - earlier.server, compositor - earlier.compositor };
    }
};

// An opening's phases: the entry (its first 400 ms at most), the rest of
// the hold with the ring come to rest, and the exit with the activation.
constexpr int kPhases = 3;
constexpr int kEntryMs = 400;
constexpr const char* kPhaseNames[kPhases] = { "first 400 ms", "rest of the hold", "release to end" };

void printPhases(const Mode& mode, const std::vector<Split> (&phases)[kPhases], bool server, bool compositor)
{
    std::printf("         %-15s CPU per phase, medians in ms (Kelvaro", mode.name);
    if (server)
        std::printf(" / X server");
    if (compositor)
        std::printf(" / compositor");
    std::printf("):");
    double total[3] = {};
    for (int p = 0; p < kPhases; ++p) {
        std::vector<double> own, xserver, comp;
        for (const Split& s : phases[p]) {
            own.push_back(s.own);
            xserver.push_back(s.server);
            comp.push_back(s.compositor);
        }
        const double m[3] = { median(own), median(xserver), median(comp) };
        std::printf("%s %s %.1f", p ? ";" : "", kPhaseNames[p], m[0]);
        if (server)
            std::printf(" / %.1f", m[1]);
        if (compositor)
            std::printf(" / %.1f", m[2]);
        for (int k = 0; k < 3; ++k)
            total[k] += m[k];
    }
    std::printf("; sum of the medians %.1f", total[0] + (server ? total[1] : 0.0) + (compositor ? total[2] : 0.0));
    std::printf("\n");
}

bool rofiInstalled() { return !QStandardPaths::findExecutable(QStringLiteral("rofi")).isEmpty(); }

struct RofiCost {
    double own = 0.0; // median CPU of a whole run, rofi's own
    double xserver = 0.0; // median X server CPU per run
    double compositor = 0.0; // median compositor CPU per run
    double together = 0.0; // median of rofi's, the X server's and the compositor's, added per run
};

// The same opening of rofi's window list, a whole run each (start, first
// frame, Escape, exit).
RofiCost measureRofi(Keys& keys, qint64 server, qint64 compositor, const Mode& mode)
{
    MapWatch watch(keys.connection());
    std::vector<double> own, xserver, comp, together;
    for (int i = 0; i < mode.count; ++i) {
        const double serverBefore = runMs(server), compositorBefore = runMs(compositor);
        const pid_t pid = fork();
        if (pid == 0) {
            execlp("rofi", "rofi", "-show", "window", static_cast<char*>(nullptr));
            _exit(127);
        }
        if (pid < 0)
            break;
        const bool seen = watch.waitForMapped(QByteArrayLiteral("rofi - window"), 5.0) != 0;
        if (seen && mode.holdMs > 0)
            sleepMs(mode.holdMs);
        keys.press("escape");
        keys.release("escape");
        int status = 0;
        rusage usage {};
        wait4(pid, &status, 0, &usage);
        sleepMs(300);
        if (!seen)
            continue;
        own.push_back(double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0
            + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0);
        if (server > 0)
            xserver.push_back(runMs(server) - serverBefore);
        if (compositor > 0)
            comp.push_back(runMs(compositor) - compositorBefore);
        together.push_back(own.back() + (server > 0 ? xserver.back() : 0.0) + (compositor > 0 ? comp.back() : 0.0));
    }
    std::printf("rofi     %-15s CPU per run median %5.1f ms (rofi)", mode.name, median(own));
    if (server > 0)
        std::printf(", %5.1f ms (X server)", median(xserver));
    if (compositor > 0)
        std::printf(", %5.1f ms (compositor)", median(comp));
    std::printf(" (%zu runs)\n", own.size());
    return { median(own), median(xserver), median(comp), median(together) };
}

// Openings closed at once, as fast as a person could repeat them, each
// waited for until its window is gone again.
void openRepeatedly(Keys& keys, int count)
{
    const QByteArray title("Kelvaro App Switcher");
    xcb_connection_t* c = keys.connection();
    xcb_window_t panel = 0;
    for (int i = 0; i < count; ++i) {
        keys.press("ctrl");
        keys.press("shift");
        keys.press("a");
        keys.release("a");
        sleepMs(30);
        keys.release("shift");
        keys.release("ctrl");
        if (!panel)
            panel = findWindow(c, title);
        waitFor([&] { return panel && !viewable(c, panel); }, 1.0);
        sleepMs(40);
    }
}

void printMemory(const char* when, qint64 pid)
{
    const BenchDesktop::Memory m = BenchDesktop::memoryOf(pid);
    // Also in millions of bytes, the unit memory targets are often given in.
    std::printf("memory idle %s: RSS %.1f MiB (%.1f MB), PSS %.1f MiB (RSS: heap and other private %.1f, files %.1f, "
                "shared with the X server %.1f)\n",
        when, m.rss, m.rss * 1.048576, m.pss, m.anonymous, m.files, m.shared);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::printf("ring_cost_bench: skipped, no X display (run it inside scripts/test-session)\n");
        return 0;
    }
    // The X11 backend under test reads icons into pixmaps; nothing is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    qputenv("QT_QPA_PLATFORM", "xcb"); // for the programs started from here
    Platform platform;
    Platform::install(&platform);
    LinuxPlatform::build(platform);
    const QString build = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
    const bool listingOnly = app.arguments().contains(QStringLiteral("--listing"));
    const bool skipListing = app.arguments().contains(QStringLiteral("--no-listing"));

    if (!skipListing)
        measureListing();
    if (listingOnly)
        return 0;

    // Two applications to switch between.
    QProcess clients[2];
    for (int i = 0; i < 2; ++i) {
        clients[i].start(build + QStringLiteral("/e2e/kelvaro-test-client"),
            { QStringLiteral("--app-id"), QStringLiteral("org.kelvaro.CostBench%1").arg(i), QStringLiteral("--title"),
                QStringLiteral("Cost bench %1").arg(i) });
        if (!clients[i].waitForReadyRead(10000)) {
            std::printf("ring_cost_bench: the test client did not start\n");
            return 1;
        }
    }

    QTemporaryDir home;
    const QString config = home.path() + QStringLiteral("/config");
    writeDefaults(config);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KELVARO_LATENCY_TRACE"), QStringLiteral("1"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    Keys keys;
    Run run;
    if (!run.start(build, env, home.path() + QStringLiteral("/kelvaro.log")))
        return 1;
    const qint64 pid = run.process.processId();
    const qint64 server = qEnvironmentVariableIntValue("KELVARO_SESSION_XSERVER_PID");
    const qint64 compositor = qEnvironmentVariableIntValue("KELVARO_SESSION_COMPOSITOR_PID");
    // Launched, the rings prepared and the window warmed up: idle.
    sleepMs(3000);
    printMemory("after start", pid);

    // The first showing after launch is one sample a launch: the launches
    // after this one add theirs (at the end, so they do not disturb the rest).
    std::vector<double> firsts, later;
    if (!measureShowings(keys, 21, firsts, later))
        std::printf("hotkey to visible switcher: the ring was never seen\n");
    run.frames();

    // The machine's speed drifts from minute to minute: each mode of rofi is
    // measured right after the same mode of Kelvaro, so that the two compare.
    const bool compare = app.arguments().contains(QStringLiteral("--compare"));
    const qsizetype openingsAt = app.arguments().indexOf(QStringLiteral("--openings"));
    const int openings = openingsAt > 0 ? app.arguments().value(openingsAt + 1).toInt() : 1000;
    if (compare && !rofiInstalled())
        std::printf("rofi is not installed: no comparison\n");
    for (const Mode& mode : kModes) {
        std::vector<double> own, xserver, switches, together;
        std::vector<Split> phases[kPhases];
        const double statBefore = cpuMs(pid);
        for (int i = 0; i < mode.count; ++i) {
            const double before = runMs(pid), serverBefore = runMs(server), switchesBefore = voluntarySwitches(pid);
            Split marks[kPhases + 1];
            marks[0] = Split::now(pid, server, compositor);
            keys.press("ctrl");
            keys.press("shift");
            keys.press("a");
            keys.release("a");
            const int entryMs = std::min(mode.holdMs, kEntryMs);
            if (entryMs > 0)
                sleepMs(entryMs);
            marks[1] = Split::now(pid, server, compositor);
            if (mode.holdMs > entryMs)
                sleepMs(mode.holdMs - entryMs);
            marks[2] = Split::now(pid, server, compositor);
            keys.release("shift");
            keys.release("ctrl");
            sleepMs(900); // the exit and the activation end well within this
            own.push_back(runMs(pid) - before);
            switches.push_back(voluntarySwitches(pid) - switchesBefore);
            if (server > 0)
                xserver.push_back(runMs(server) - serverBefore);
            marks[3] = Split::now(pid, server, compositor);
            const Split whole = marks[3] - marks[0];
            together.push_back(
                whole.own + (server > 0 ? whole.server : 0.0) + (compositor > 0 ? whole.compositor : 0.0));
            for (int p = 0; p < kPhases; ++p)
                phases[p].push_back(marks[p + 1] - marks[p]);
        }
        const double statMean = (cpuMs(pid) - statBefore) / mode.count;
        const std::vector<double> frames = run.frames();
        std::printf("switcher %-15s CPU per opening median %5.1f ms (Kelvaro; %.1f ms mean by /proc/stat)", mode.name,
            median(own), statMean);
        if (server > 0)
            std::printf(", %5.1f ms (X server)", median(xserver));
        // The log holds back a line repeated many times in a row until another
        // is written, so the last showings of a mode may not be read yet; a
        // held-back line repeats the one before it.
        std::printf("; frames painted per showing median %.0f, max %.0f (%zu of %d showings logged); voluntary context "
                    "switches per opening median %.0f\n",
            median(frames), frames.empty() ? 0.0 : *std::max_element(frames.begin(), frames.end()), frames.size(),
            mode.count, median(switches));
        printPhases(mode, phases, server > 0, compositor > 0);
        if (compare && rofiInstalled()) {
            // Kelvaro is stopped meanwhile, so that it asks the X server for
            // nothing during rofi's runs (it catches up before its next opening).
            kill(pid_t(pid), SIGSTOP);
            const RofiCost rofi = measureRofi(keys, server, compositor, mode);
            kill(pid_t(pid), SIGCONT);
            sleepMs(500);
            if (rofi.own > 0)
                std::printf("         %-15s CPU, Kelvaro's opening against rofi's whole run: %.2fx\n", mode.name,
                    median(own) / rofi.own);
            if (server > 0 && rofi.xserver > 0)
                std::printf("         %-15s X server CPU, Kelvaro against rofi: %.2fx\n", mode.name,
                    median(xserver) / rofi.xserver);
            if (rofi.together > 0)
                std::printf("         %-15s CPU of the three processes, Kelvaro's opening %.1f ms against rofi's "
                            "whole run %.1f ms: %.2fx\n",
                    mode.name, median(together), rofi.together, median(together) / rofi.together);
        }
    }

    // Idle: wakeups while nothing happens, from after the memory a burst of
    // openings used is handed back (a one-off, once no ring has been up for
    // a while).
    sleepMs(int(RingController::idleMemoryDelay * 1000.0) + 500);
    const double idleBefore = runMs(pid);
    sleepMs(3000);
    const double idle = runMs(pid) - idleBefore;
    const qsizetype threads
        = QDir(QStringLiteral("/proc/%1/task").arg(pid)).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
    std::printf("idle for 3 s afterwards: %.2f ms CPU; %lld threads\n", idle, (long long)threads);

    if (openings > 0) {
        openRepeatedly(keys, openings);
        sleepMs(3000);
        const QByteArray after = QStringLiteral("after %1 more openings").arg(openings).toUtf8();
        printMemory(after.constData(), pid);
    }

    run.process.terminate();
    run.process.waitForFinished(5000);

    for (int launch = 1; launch < kLaunches; ++launch) {
        Run again;
        if (!again.start(build, env, home.path() + QStringLiteral("/kelvaro-%1.log").arg(launch)))
            break;
        measureShowings(keys, 1, firsts, later);
        again.process.terminate();
        again.process.waitForFinished(5000);
    }
    if (!firsts.empty() && !later.empty()) {
        const double first = median(firsts);
        std::printf(
            "hotkey to visible switcher (read back, polling): first showing after launch median %.1f ms over %zu "
            "launches (",
            first, firsts.size());
        for (size_t i = 0; i < firsts.size(); ++i)
            std::printf("%s%.1f", i ? ", " : "", firsts[i]);
        std::printf("), later showings median %.1f ms, p99 %.1f ms (first / median %.2f)\n", median(later),
            percentile(later, 0.99), median(later) > 0 ? first / median(later) : 0.0);
    }

    for (QProcess& client : clients) {
        client.terminate();
        client.waitForFinished(3000);
    }
    return 0;
}
