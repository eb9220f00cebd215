// What every showing of the switcher costs: listing the running applications
// (with their 64-point icons) and the windows of the selected one, with 20
// applications and 60 windows open. The in-memory desktop measures the
// switcher's own work; the X11 variant (when $DISPLAY is set) reads a real
// display from scratch each time, from windows made by a child process.
// The many-windows variants list one application with 50 to 500 windows: the
// first showing after start (nothing about the windows known yet) and a later
// showing (what changed since is read again); and the first showing after the
// windows appeared while the backend ran (their events got them read in the
// background). Run in a headless session:
//
//   scripts/test-session build/bench/app_listing_bench

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include "BenchDesktop.h"
#include "platform/Platform.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/X11Desktop.h"
#include "platform/sim/MemoryDefaultsStore.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimScreens.h"
#include "switcher/AppWindows.h"
#include "switcher/CircularSwitcherViewModel.h"

namespace {

constexpr int kApps = 20;
constexpr int kWindowsPerApp = 3;

void installScreens()
{
    auto screens = std::make_shared<SimScreens>();
    screens->addScreen(QRectF(0, 0, 1920, 1080));
    Platform::installed().ports().screens = screens;
}

void BM_ShowingSim(benchmark::State& state)
{
    auto desktop = std::make_shared<SimDesktop>();
    Platform::installed().ports().workspace = desktop;
    Platform::installed().ports().windows = desktop;
    installScreens();
    for (int a = 0; a < kApps; ++a) {
        auto& app
            = desktop->addApp(100 + a, QStringLiteral("org.example.App%1").arg(a), QStringLiteral("App %1").arg(a));
        app.icon = SimDesktop::solidIcon(QColor::fromHsv(a * 17, 200, 200));
        for (int w = 0; w < kWindowsPerApp; ++w)
            desktop->addWindow(100 + a, quint32(1000 + a * 10 + w), QStringLiteral("Document %1").arg(w));
    }
    desktop->frontmostPID = 110;
    CircularSwitcherViewModel model(Platform::installed());
    for (auto _ : state) {
        model.snapHidden();
        model.loadRunningApps();
        benchmark::DoNotOptimize(model.windows().size());
        model.finishHide();
    }
    if (model.segmentCount() != 0)
        state.SkipWithError("model not cleared");
}
BENCHMARK(BM_ShowingSim)->Unit(benchmark::kMillisecond);

// A child process that maps 60 windows of 20 applications, each with a small icon.
pid_t startWindowMaker()
{
    int ready[2];
    if (pipe(ready) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid != 0) {
        close(ready[1]);
        char c = 0;
        const bool ok = read(ready[0], &c, 1) == 1;
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
    const xcb_atom_t utf8 = atom("UTF8_STRING"), netName = atom("_NET_WM_NAME"), netPid = atom("_NET_WM_PID"),
                     gtkId = atom("_GTK_APPLICATION_ID"), icon = atom("_NET_WM_ICON");
    std::vector<uint32_t> iconData(2 + 16 * 16, 0xFF3366CC);
    iconData[0] = iconData[1] = 16;
    const uint32_t self = uint32_t(getpid());
    for (int a = 0; a < kApps; ++a) {
        const QByteArray id = QStringLiteral("org.kelvaro.Bench%1").arg(a).toUtf8();
        const QByteArray wmClass = id + '\0' + id + '\0';
        for (int w = 0; w < kWindowsPerApp; ++w) {
            const xcb_window_t win = xcb_generate_id(c);
            xcb_create_window(c, XCB_COPY_FROM_PARENT, win, screen->root, int16_t(20 * a), int16_t(20 * w), 400, 300, 0,
                XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
            const QByteArray title = QStringLiteral("Bench %1 window %2").arg(a).arg(w).toUtf8();
            xcb_change_property(
                c, XCB_PROP_MODE_REPLACE, win, netName, utf8, 8, uint32_t(title.size()), title.constData());
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, win, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                uint32_t(wmClass.size()), wmClass.constData());
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, win, gtkId, utf8, 8, uint32_t(id.size()), id.constData());
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, win, netPid, XCB_ATOM_CARDINAL, 32, 1, &self);
            xcb_change_property(
                c, XCB_PROP_MODE_REPLACE, win, icon, XCB_ATOM_CARDINAL, 32, uint32_t(iconData.size()), iconData.data());
            xcb_map_window(c, win);
        }
    }
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    const char c1 = 1;
    (void)!write(ready[1], &c1, 1);
    for (;;)
        pause();
}

void BM_ShowingX11(benchmark::State& state)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        state.SkipWithError("no X display");
        return;
    }
    const pid_t maker = startWindowMaker();
    if (maker <= 0) {
        state.SkipWithError("could not make the windows");
        return;
    }
    auto desktop = std::make_shared<X11Desktop>(Platform::installed().ports().applicationIdentity);
    Platform::installed().ports().workspace = desktop;
    Platform::installed().ports().windows = desktop;
    installScreens();
    // Wait until the window manager manages all of them.
    int apps = 0;
    for (int i = 0; i < 500 && apps < kApps; ++i) {
        desktop->invalidate();
        apps = 0;
        for (const auto& app : desktop->runningApplications())
            apps += app.bundleIdentifier.startsWith(QLatin1String("org.kelvaro.Bench")) ? 1 : 0;
        usleep(10000);
    }
    CircularSwitcherViewModel model(Platform::installed());
    qsizetype windows = 0;
    for (auto _ : state) {
        desktop->invalidate(); // read the display afresh, as a new showing does
        model.snapHidden();
        model.loadRunningApps();
        model.setSelectedIndex(model.segmentCount() / 2);
        model.refreshWindowsForSelection();
        windows = model.windows().size();
        model.finishHide();
    }
    state.counters["apps"] = apps;
    state.counters["arc"] = double(windows);
    kill(maker, SIGTERM);
    waitpid(maker, nullptr, 0);
    if (apps < kApps || windows != kWindowsPerApp)
        state.SkipWithError(QStringLiteral("listed %1 applications, %2 windows on the arc")
                                .arg(apps)
                                .arg(windows)
                                .toStdString()
                                .c_str());
}
BENCHMARK(BM_ShowingX11)->Unit(benchmark::kMillisecond);

// One application with state.range(0) windows. `fresh`: every showing is the
// first after start, with a new connection and nothing known about the
// windows; else the same desktop, its lists read again as after a change.
void showManyWindows(benchmark::State& state, bool fresh)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        state.SkipWithError("no X display");
        return;
    }
    const int count = int(state.range(0));
    const pid_t maker = BenchDesktop::startWindowMaker(1, count, "org.kelvaro.Many");
    if (maker <= 0) {
        state.SkipWithError("could not make the windows");
        return;
    }
    const QString bundle = QStringLiteral("org.kelvaro.Many0");
    installScreens();
    const auto install = [] {
        auto desktop = std::make_shared<X11Desktop>(Platform::installed().ports().applicationIdentity);
        Platform::installed().ports().workspace = desktop;
        Platform::installed().ports().windows = desktop;
        return desktop;
    };
    auto desktop = install();
    // Wait until the window manager manages all of them.
    qsizetype managed = 0;
    for (int i = 0; i < 1000 && managed < count; ++i) {
        desktop->invalidate();
        const auto app = Platform::installed().workspace().runningApplication(bundle);
        managed = app ? Platform::installed().windows().windowsOf(app->pid).size() : 0;
        if (managed < count)
            usleep(10000);
    }
    qsizetype windows = 0;
    {
        CircularSwitcherViewModel model(Platform::installed());
        for (auto _ : state) {
            if (fresh) {
                state.PauseTiming();
                desktop = install();
                state.ResumeTiming();
            } else {
                desktop->invalidate();
            }
            model.snapHidden();
            model.loadRunningApps();
            for (int i = 0; i < model.segmentCount(); ++i) {
                if (model.runningApps()[i].bundleIdentifier == bundle)
                    model.setSelectedIndex(i);
            }
            model.refreshWindowsForSelection();
            windows = model.windows().size();
            model.finishHide();
        }
    }
    state.counters["windows"] = double(managed);
    state.counters["arc"] = double(windows);
    BenchDesktop::stopWindowMaker(maker);
    if (managed < count || windows < 2)
        state.SkipWithError(QStringLiteral("%1 of %2 windows managed, %3 on the arc")
                                .arg(managed)
                                .arg(count)
                                .arg(windows)
                                .toStdString()
                                .c_str());
}

void BM_ManyWindowsFirstShowing(benchmark::State& state) { showManyWindows(state, true); }
BENCHMARK(BM_ManyWindowsFirstShowing)->Arg(50)->Arg(100)->Arg(250)->Arg(500)->Unit(benchmark::kMillisecond);

void BM_ManyWindowsShowing(benchmark::State& state) { showManyWindows(state, false); }
BENCHMARK(BM_ManyWindowsShowing)->Arg(50)->Arg(100)->Arg(250)->Arg(500)->Unit(benchmark::kMillisecond);

// How many windows the window manager lists, asked on a connection of its own.
qsizetype listedWindows(xcb_connection_t* c)
{
    const char name[] = "_NET_CLIENT_LIST";
    auto* atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(sizeof name - 1), name), nullptr);
    if (!atom)
        return 0;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    auto* list = xcb_get_property_reply(c, xcb_get_property(c, 0, root, atom->atom, XCB_ATOM_WINDOW, 0, 0), nullptr);
    const qsizetype count = list ? qsizetype(list->bytes_after / 4) : 0;
    free(list);
    free(atom);
    return count;
}

// The first showing after state.range(0) windows of one application appeared
// while the backend was running with the event loop turning.
void BM_ManyWindowsShowingAfterTheyAppeared(benchmark::State& state)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        state.SkipWithError("no X display");
        return;
    }
    const int count = int(state.range(0));
    const QString bundle = QStringLiteral("org.kelvaro.Arrived0");
    installScreens();
    qsizetype windows = 0, managed = 0;
    quint64 requests = 0;
    xcb_connection_t* own = xcb_connect(nullptr, nullptr);
    const qsizetype already = listedWindows(own);
    for (auto _ : state) {
        state.PauseTiming();
        auto desktop = std::make_shared<X11Desktop>(Platform::installed().ports().applicationIdentity);
        Platform::installed().ports().workspace = desktop;
        Platform::installed().ports().windows = desktop;
        const pid_t maker = BenchDesktop::startWindowMaker(1, count, "org.kelvaro.Arrived");
        // The loop turns while the window manager takes them in, until the
        // background reads have nothing more to ask.
        QElapsedTimer t, quiet;
        t.start();
        quiet.start();
        quint64 asked = desktop->requests();
        while (t.elapsed() < 30000 && (listedWindows(own) < already + count || quiet.elapsed() < 500)) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            usleep(5000);
            if (desktop->requests() != asked) {
                asked = desktop->requests();
                quiet.restart();
            }
        }
        const quint64 before = desktop->requests();
        CircularSwitcherViewModel model(Platform::installed());
        state.ResumeTiming();
        model.snapHidden();
        model.loadRunningApps();
        for (int i = 0; i < model.segmentCount(); ++i) {
            if (model.runningApps()[i].bundleIdentifier == bundle)
                model.setSelectedIndex(i);
        }
        model.refreshWindowsForSelection();
        windows = model.windows().size();
        model.finishHide();
        state.PauseTiming();
        requests = desktop->requests() - before;
        const auto app = Platform::installed().workspace().runningApplication(bundle);
        managed = app ? Platform::installed().windows().windowsOf(app->pid).size() : 0;
        BenchDesktop::stopWindowMaker(maker);
        while (listedWindows(own) > already && t.elapsed() < 60000) // gone before the next
            usleep(10000);
        state.ResumeTiming();
    }
    xcb_disconnect(own);
    state.counters["windows"] = double(managed);
    state.counters["arc"] = double(windows);
    state.counters["requests"] = double(requests);
    if (managed < count || windows < 2)
        state.SkipWithError(QStringLiteral("%1 of %2 windows managed, %3 on the arc")
                                .arg(managed)
                                .arg(count)
                                .arg(windows)
                                .toStdString()
                                .c_str());
}
BENCHMARK(BM_ManyWindowsShowingAfterTheyAppeared)
    ->Arg(50)
    ->Arg(100)
    ->Arg(250)
    ->Arg(500)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Each benchmark puts its own desktop and screens in place; settings in memory.
    Platform platform;
    Platform::install(&platform);
    platform.ports().defaults = std::make_shared<MemoryDefaultsStore>();
    LinuxPlatform::build(platform);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
