// Time from an XTest key press to the dispatcher's decision on it: the press
// travels through the X server to the key tap's grab, the tap's connection is
// read on the event loop, and the delegate decides to swallow the hotkey.
// Needs an X display with XTEST (e.g. inside scripts/test-session); without
// one it says so and does nothing.
//
//   build/bench/keytap_bench            # 200 presses, median and p99 in µs

#include "input/HotkeyDispatcher.h"
#include "input/HotkeyEventTap.h"
#include "input/RingCommands.h"
#include "core/AppSettings.h"
#include "core/Hotkey.h"
#include "platform/DefaultsStore.h"
#include "platform/KeyCodes.h"
#include "platform/KeyTap.h"
#include "platform/KeyboardLayout.h"
#include "platform/Platform.h"
#include "platform/QtScheduler.h"
#include "platform/sim/MemoryDefaultsStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

std::shared_ptr<KeyTap> makeDefaultKeyTap(); // platform/linux/X11KeyTap.cpp
std::shared_ptr<KeyboardLayout> makeDefaultKeyboardLayout(); // platform/linux/XkbKeyboardLayout.cpp

namespace {
constexpr int presses = 200;
std::vector<double> g_samples;

void fake(xcb_connection_t* c, std::uint8_t type, std::uint32_t key)
{
    xcb_test_fake_input(c, type, xcb_keycode_t(key), XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(c);
}

// The real dispatch, with rings that note when it has decided.
class TimedRings final : public RingCommands {
public:
    bool decided = false;
    bool isSwitcherVisible() const override { return false; }
    bool isShortcutRingVisible() const override { return false; }
    void triggerSwitcher() override { decided = true; }
    void triggerLauncher() override { }
    void showCapturedTabsRing() override { }
    void showPasswordRing() override { }
    void showLauncherGroup(const LauncherGroup&) override { }
    void handleModifiersChanged(std::uint64_t) override { }
    void commitVisibleRing() override { }
    void stepVisibleRing(int) override { }
    void cancelVisibleRings() override { }
};

void BM_XTestPressToDecision(benchmark::State& state)
{
    Platform::installed().ports().defaults = std::make_shared<MemoryDefaultsStore>();
    TimedRings delegate;
    HotkeyDispatcher keyboard(Platform::installed().keyTap(), delegate);
    keyboard.start();
    if (!keyboard.keyTap()) {
        state.SkipWithError("no key tap: an X server with XTEST, XInput2 and XKB is needed");
        return;
    }
    xcb_connection_t* injector = xcb_connect(nullptr, nullptr);
    const std::uint32_t keyA = *KeyCodes::xKeycode(0);
    const std::uint32_t ctrl = *KeyCodes::xKeycode(55); // ⌘: left Ctrl
    const std::uint32_t shift = *KeyCodes::xKeycode(56); // left Shift
    // ⇧⌘A is the default switcher hotkey: ⌘ = Ctrl on this platform.
    fake(injector, XCB_KEY_PRESS, ctrl);
    fake(injector, XCB_KEY_PRESS, shift);
    QCoreApplication::processEvents();

    bool timedOut = false;
    for (auto _ : state) {
        const double before = g_samples.size();
        QElapsedTimer clock;
        clock.start();
        fake(injector, XCB_KEY_PRESS, keyA);
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [&] { timedOut = true; });
        guard.start(1000);
        // The decision is taken inside the dispatch (the switcher trigger).
        while (!timedOut && keyboard.keyTap() && g_samples.size() == before) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            if (delegate.decided) {
                g_samples.push_back(clock.nsecsElapsed() / 1000.0);
                delegate.decided = false;
            }
        }
        state.SetIterationTime(g_samples.empty() ? 0.0 : g_samples.back() / 1e6);
        fake(injector, XCB_KEY_RELEASE, keyA);
        if (timedOut) {
            state.SkipWithError("the press never reached the tap");
            break;
        }
    }
    fake(injector, XCB_KEY_RELEASE, shift);
    fake(injector, XCB_KEY_RELEASE, ctrl);
    xcb_disconnect(injector);

    if (!g_samples.empty()) {
        std::vector<double> sorted = g_samples;
        std::sort(sorted.begin(), sorted.end());
        const double median = sorted[sorted.size() / 2];
        const double p99 = sorted[std::min(sorted.size() - 1, std::size_t(sorted.size() * 0.99))];
        state.counters["median_us"] = median;
        state.counters["p99_us"] = p99;
        std::printf("keytap: %zu presses, median %.1f us, p99 %.1f us\n", sorted.size(), median, p99);
    }
}
}

BENCHMARK(BM_XTestPressToDecision)->Iterations(presses)->UseManualTime()->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::printf("keytap_bench: skipped, no X display (run it inside scripts/test-session)\n");
        return 0;
    }
    QCoreApplication app(argc, argv);
    // The real key tap and layout on the real clock; settings in memory.
    Platform platform;
    Platform::install(&platform);
    platform.ports().scheduler = std::make_shared<QtScheduler>();
    platform.ports().defaults = std::make_shared<MemoryDefaultsStore>();
    platform.ports().keyboardLayout = makeDefaultKeyboardLayout();
    Hotkey::useLayout(&platform.keyboardLayout());
    platform.ports().keyTap = makeDefaultKeyTap();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
