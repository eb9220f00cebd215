// Opening the settings window: from the request (the tray item, Ctrl+, or a
// second start all call TitledWindows::openSettings) to the first painted
// frame of the window, with eight running applications in the preview. Each
// repetition makes the window anew, as after the user closed it; the figure
// to read is the median of 10. Runs on the offscreen platform unless
// $DISPLAY is set and KELVARO_BENCH_X11=1, which measures a real X server.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>

#include "app/AppServices.h"
#include "app/TitledWindows.h"
#include "core/Hotkey.h"
#include "platform/Platform.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/sim/MemoryDefaultsStore.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimDesktopAccess.h"
#include "platform/sim/SimScreens.h"
#include "ringkit/RingAnimation.h"
#include "settings/SettingsView.h"

#include <QEventLoop>
#include <QTimer>
#include <ctime>

namespace {

// Notes when any widget of the settings window paints.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(TitledWindows& windows)
        : m_windows(windows)
    {
    }
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!painted && event->type() == QEvent::Paint && watched->isWidgetType()) {
            QWidget* window = m_windows.settingsWindow();
            if (window && static_cast<QWidget*>(watched)->window() == window)
                painted = true;
        }
        return false;
    }

private:
    TitledWindows& m_windows;
};

void BM_OpenSettingsToFirstFrame(benchmark::State& state)
{
    auto desktop = std::make_shared<SimDesktop>();
    Platform::installed().ports().workspace = desktop;
    Platform::installed().ports().windows = desktop;
    for (int a = 0; a < 8; ++a)
        desktop->addApp(100 + a, QStringLiteral("org.example.App%1").arg(a), QStringLiteral("App %1").arg(a)).icon
            = SimDesktop::solidIcon(QColor::fromHsv(a * 40, 200, 200));
    desktop->frontmostPID = 100;
    AppServices services = AppServices::builtIn(Platform::installed());
    for (auto _ : state) {
        TitledWindows windows(Platform::installed(), services);
        FirstPaint probe(windows);
        qApp->installEventFilter(&probe);
        QElapsedTimer clock;
        clock.start();
        windows.openSettings();
        while (!probe.painted && clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const double seconds = double(clock.nsecsElapsed()) / 1e9;
        qApp->removeEventFilter(&probe);
        if (!probe.painted) {
            state.SkipWithError("the settings window never painted");
            break;
        }
        state.SetIterationTime(seconds);
        if (QWidget* w = windows.settingsWindow()) {
            w->close();
            delete w;
        }
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenSettingsToFirstFrame)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// The window left alone after a walk through every tab: once the motion of
// the last change has come to rest, what the idle window costs in processor
// time per second (the figure to read: idle_cpu_ms, which should be 0).
void BM_IdleAfterTabChanges(benchmark::State& state)
{
    AppServices services = AppServices::builtIn(Platform::installed());
    const auto spin = [](int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    };
    for (auto _ : state) {
        TitledWindows windows(Platform::installed(), services);
        windows.openSettings();
        spin(300);
        auto* view = windows.settingsWindow() ? windows.settingsWindow()->findChild<SettingsView*>() : nullptr;
        if (!view) {
            state.SkipWithError("no settings view");
            break;
        }
        for (SettingsTab tab : { SettingsTab::general, SettingsTab::switcher, SettingsTab::passwords,
                 SettingsTab::capturedTabs, SettingsTab::controller }) {
            view->selectTab(tab);
            spin(60); // the next change lands mid-motion, as a quick hand's does
        }
        spin(1500); // the last change comes to rest
        const std::clock_t before = std::clock();
        spin(1000);
        const double cpuMs = double(std::clock() - before) * 1000.0 / CLOCKS_PER_SEC;
        state.SetIterationTime(cpuMs / 1000.0);
        state.counters["idle_cpu_ms"] = cpuMs;
        state.counters["engine_ticking"] = AnimationEngine::shared().isTicking() ? 1 : 0;
        if (QWidget* w = windows.settingsWindow()) {
            w->close();
            delete w;
        }
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_IdleAfterTabChanges)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)->Repetitions(3);

}

int main(int argc, char** argv)
{
    if (qEnvironmentVariable("KELVARO_BENCH_X11") != QLatin1String("1") || qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The desktop's own backends but for the settings, the screens, a desktop
    // that grants everything (no banner) and (per benchmark) the applications.
    Platform platform;
    Platform::install(&platform);
    platform.ports().defaults = std::make_shared<MemoryDefaultsStore>();
    platform.ports().desktopAccess = std::make_shared<SimDesktopAccess>();
    auto screens = std::make_shared<SimScreens>();
    screens->addScreen(QRectF(0, 0, 1920, 1080));
    platform.ports().screens = screens;
    LinuxPlatform::build(platform);
    Hotkey::useLayout(&platform.keyboardLayout());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
