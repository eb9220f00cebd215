// Time from an XTest press of a ring hotkey to the first frame of the ring
// painted and flushed to the X server in which the ring is visible (read back
// from the server: a frame of the entry's very first instant, all but
// transparent, does not count), for the app
// switcher and for a shortcut ring of 25 items (three pages); then whether
// the process is idle (no wakeups) once the ring has hidden again.
//
// Needs an X display with XTEST and a window manager, e.g.
//   scripts/test-session build/bench/ring_latency_bench
// It starts the project's test client (build/e2e/kelvaro-test-client) as the
// frontmost application. Run by hand; not part of the test suite.
//   --showings N   showings of each ring (50)
//   --windows N    about N more windows in eleven more applications (none)

#include "BenchDesktop.h"

#include "app/AppDelegate.h"
#include "app/AppServices.h"
#include "app/RingController.h"
#include "input/HotkeyDispatcher.h"
#include "input/HotkeyEventTap.h"
#include "ring/ShortcutRingWindow.h"
#include "core/AppSettings.h"
#include "core/ShortcutStorage.h"
#include "platform/DefaultsStore.h"
#include "platform/KeyCodes.h"
#include "platform/LatencyTrace.h"
#include "platform/Platform.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/sim/MemoryDefaultsStore.h"
#include "ring/AppShortcutRingViewModel.h"
#include "switcher/CircularSwitcherViewModel.h"
#include "switcher/CircularSwitcherWindow.h"
#include "ringkit/RingPanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {
constexpr const char* bundle = "org.kelvaro.BenchTarget";

void fake(xcb_connection_t* c, std::uint8_t type, std::uint16_t virtualKey)
{
    xcb_test_fake_input(c, type, xcb_keycode_t(*KeyCodes::xKeycode(virtualKey)), XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

// Runs the event loop until `done` or `seconds` pass; false on time-out.
bool spin(const std::function<bool()>& done, double seconds)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.nsecsElapsed() / 1e9 > seconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// How much of a window's content on the X server is visibly drawn: pixels whose
// alpha is at least 13/255 (5 %), the ring's own alpha one frame into its entry.
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
        // No alpha (no compositor): count pixels that differ from the corner's.
        for (int i = 0; i + 3 < length; i += 4)
            count += std::memcmp(data + i, data, 3) != 0;
    }
    free(image);
    return count;
}

// Notes when a ring panel has painted and flushed a frame in which the ring is
// visible. Frames reach the screen two ways: the first one when the server
// exposes the newly mapped window, later ones on update requests; both are
// delivered here at once, so each paints and flushes before the time is taken.
class FrameWatch final : public QObject {
public:
    std::function<bool()> revealed;
    std::function<bool()> visibleOnScreen;
    double paintedAt = -1;
    int faintFrames = 0; // flushed while revealed, but not yet visible
    QElapsedTimer* clock = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool expose = event->type() == QEvent::Expose && watched->isWindowType();
        if (expose)
            LatencyTrace::mark("window exposed");
        if (event->type() == QEvent::Paint)
            LatencyTrace::mark(revealed && revealed() ? "paint (revealed)" : "paint (not revealed)");
        if ((!expose && event->type() != QEvent::UpdateRequest) || m_inside || !revealed || !revealed())
            return false;
        m_inside = true;
        QCoreApplication::sendEvent(watched, event); // paints and flushes now
        m_inside = false;
        if (paintedAt < 0 && clock) {
            const double at = clock->nsecsElapsed() / 1e6;
            // Checked after the time is taken: the read-back only delays later frames.
            if (visibleOnScreen && visibleOnScreen())
                paintedAt = at;
            else
                ++faintFrames;
        }
        return true;
    }

private:
    bool m_inside = false;
};

// Each stage's time after the key press, over every showing that reached it.
using Stages = std::map<std::string, std::vector<double>>;

void reportStages(const Stages& stages)
{
    std::vector<std::pair<double, std::string>> order;
    for (auto [name, ms] : stages) {
        std::sort(ms.begin(), ms.end());
        order.push_back({ ms[ms.size() / 2], name });
    }
    std::sort(order.begin(), order.end());
    for (const auto& [median, name] : order) {
        std::vector<double> ms = stages.at(name);
        std::sort(ms.begin(), ms.end());
        std::printf("    %-28s first %6.2f median %6.2f ms, p99 %6.2f ms (%zu)\n", name.c_str(),
            stages.at(name).front(), median, ms[std::min(ms.size() - 1, std::size_t(ms.size() * 0.99))], ms.size());
    }
}

void report(const char* what, std::vector<double> ms)
{
    if (ms.empty()) {
        std::printf("%s: no samples\n", what);
        return;
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%s: %zu showings, median %.2f ms, p99 %.2f ms, max %.2f ms\n", what, ms.size(), ms[ms.size() / 2],
        ms[std::min(ms.size() - 1, std::size_t(ms.size() * 0.99))], ms.back());
}

long voluntarySwitches()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith("voluntary_ctxt_switches:"))
            return line.mid(24).trimmed().toLong();
    }
    return -1;
}
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::printf("ring_latency_bench: skipped, no X display (run it inside scripts/test-session)\n");
        return 0;
    }
    qputenv("KELVARO_LATENCY_TRACE", "1");
    QApplication app(argc, argv);
    const auto option = [&](const char* name, int fallback) {
        const qsizetype at = app.arguments().indexOf(QLatin1String(name));
        return at > 0 ? app.arguments().value(at + 1).toInt() : fallback;
    };
    const int showings = std::max(1, option("--showings", 50));
    // Besides the bench's own application, that many more windows in eleven
    // applications, each listed by the switcher.
    const int windows = std::max(0, option("--windows", 0));
    const int windowApps = windows > 0 ? std::min(11, windows) : 0;
    const pid_t maker = windowApps > 0
        ? BenchDesktop::startWindowMaker(windowApps, (windows + windowApps - 1) / windowApps, "KelvaroBench")
        : 0;
    if (windows > 0 && maker <= 0) {
        std::printf("ring_latency_bench: the windows could not be made\n");
        return 1;
    }
    if (windows > 0)
        std::printf("with %d more windows in %d applications\n", windowApps * ((windows + windowApps - 1) / windowApps),
            windowApps);
    // The real desktop; settings in memory.
    Platform platform;
    Platform::install(&platform);
    platform.ports().defaults = std::make_shared<MemoryDefaultsStore>();
    LinuxPlatform::build(platform);
    AppSettings::shared().setActivationMode(ActivationMode::holdModifier);
    ShortcutStorage::resetShared();
    for (int i = 0; i < 25; ++i)
        ShortcutStorage::shared().addShortcut(AppShortcut(QStringLiteral("Item %1").arg(i + 1), QStringLiteral("star"),
            QStringLiteral("⌘%1").arg(i % 10), QString::fromLatin1(bundle)));

    const QString client = QCoreApplication::applicationDirPath() + QStringLiteral("/../e2e/kelvaro-test-client");
    QProcess target;
    target.start(client,
        { QStringLiteral("--app-id"), QString::fromLatin1(bundle), QStringLiteral("--title"),
            QStringLiteral("Bench target") });
    if (!target.waitForReadyRead(10000)) {
        std::printf("ring_latency_bench: the test client did not start (%s)\n", qPrintable(client));
        return 1;
    }
    QProcess::execute(QStringLiteral("xdotool"),
        { QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--name"),
            QStringLiteral("^Bench target$"), QStringLiteral("windowactivate"), QStringLiteral("--sync") });

    AppServices services;
    AppDelegate application(platform, services);
    RingController& delegate = application.rings();
    application.keyboard().start();
    if (!application.keyboard().keyTap()) {
        std::printf("ring_latency_bench: no key tap (XTEST, XInput2 and XKB are needed)\n");
        return 1;
    }
    // As at launch: the rings are made and painted once, off the key path.
    delegate.prepareRings();
    xcb_connection_t* injector = xcb_connect(nullptr, nullptr);
    constexpr std::uint16_t keyA = 0, keyS = 1, escape = 53, ctrl = 55, shift = 56;
    QElapsedTimer clock;
    FrameWatch watch;
    watch.clock = &clock;

    Stages stages;
    auto measure = [&](std::uint16_t hotkey, const std::function<QWidget*()>& panel,
                       const std::function<bool()>& revealed, const std::function<bool()>& visible) {
        std::vector<double> samples;
        stages.clear();
        watch.revealed = revealed;
        watch.faintFrames = 0;
        // A visible ring covers thousands of pixels; a few stray ones are not a ring.
        watch.visibleOnScreen = [&] {
            QWidget* p = panel();
            if (!p)
                return false;
            // The frame went out on the application's own connection: have the server take it first.
            if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>())
                free(xcb_get_input_focus_reply(x11->connection(), xcb_get_input_focus(x11->connection()), nullptr));
            return visiblePixels(injector, xcb_window_t(p->winId())) >= 2000;
        };
        for (int i = 0; i < showings; ++i) {
            fake(injector, XCB_KEY_PRESS, ctrl);
            fake(injector, XCB_KEY_PRESS, shift);
            spin([] { return false; }, 0.02);
            watch.paintedAt = -1;
            LatencyTrace::take();
            clock.start();
            const qint64 pressedAt = LatencyTrace::now();
            fake(injector, XCB_KEY_PRESS, hotkey);
            if (spin([&] { return panel() != nullptr; }, 2.0)) {
                panel()->installEventFilter(&watch);
                if (panel()->windowHandle())
                    panel()->windowHandle()->installEventFilter(&watch);
                if (QWidget* content = panel()->findChild<QWidget*>())
                    content->installEventFilter(&watch);
            }
            if (spin([&] { return watch.paintedAt >= 0; }, 2.0))
                samples.push_back(watch.paintedAt);
            // The first time each stage was reached in this showing.
            std::map<std::string, double> first;
            for (const LatencyTrace::Mark& m : LatencyTrace::take())
                first.emplace(m.stage, double(m.nsecs - pressedAt) / 1e6);
            for (const auto& [name, ms] : first)
                stages[name].push_back(ms);
            fake(injector, XCB_KEY_PRESS, escape);
            fake(injector, XCB_KEY_RELEASE, escape);
            fake(injector, XCB_KEY_RELEASE, hotkey);
            fake(injector, XCB_KEY_RELEASE, shift);
            fake(injector, XCB_KEY_RELEASE, ctrl);
            spin([&] { return !visible(); }, 2.0);
            spin([] { return false; }, 0.05);
        }
        std::printf("  (%d frames flushed before the ring was visible in them, over %d showings)\n", watch.faintFrames,
            showings);
        return samples;
    };

    auto measured = [&](const char* what, std::vector<double> ms) {
        report(what, std::move(ms));
        reportStages(stages);
    };
    measured("switcher, hotkey to first revealed frame",
        measure(
            keyA,
            [&]() -> QWidget* { return delegate.circularSwitcher() ? delegate.circularSwitcher()->panel() : nullptr; },
            [&] { return delegate.circularSwitcher() && delegate.circularSwitcher()->viewModel()->isVisible(); },
            [&] { return delegate.isSwitcherVisible(); }));
    measured("shortcut ring of 25 items, hotkey to first revealed frame",
        measure(
            keyS,
            [&]() -> QWidget* {
                return (delegate.shortcutRing() ? static_cast<QWidget*>(delegate.shortcutRing()->panel()) : nullptr);
            },
            [&] { return delegate.shortcutRingViewModel() && delegate.shortcutRingViewModel()->isVisible(); },
            [&] { return delegate.isShortcutRingVisible(); }));

    // At rest: let everything settle, then count how often the process wakes.
    spin([] { return false; }, 1.5);
    const long before = voluntarySwitches();
    QThread::msleep(0);
    spin([] { return false; }, 0.0);
    QTimer stop;
    stop.setSingleShot(true);
    bool over = false;
    QObject::connect(&stop, &QTimer::timeout, [&] { over = true; });
    stop.start(2000);
    while (!over)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const long after = voluntarySwitches();
    std::printf(
        "at rest after hiding: %ld voluntary context switches in 2 s (the measuring timer itself accounts for 1-2)\n",
        after - before);

    xcb_disconnect(injector);
    BenchDesktop::stopWindowMaker(maker);
    target.terminate();
    target.waitForFinished(3000);
    return 0;
}
