// One full frame of the real switcher view (nine applications with icons, the
// selected one's three windows fanned out, the tilting centre icon), painted
// as the panel paints it, at device-pixel ratios 1 and 2:
//  - at rest with the pointer still;
//  - at rest with the pointer moving (the centre icon turns every frame);
//  - the whole opening, frame by frame at 60 Hz until it settles (time per frame);
//  - the selection moving to the next application (time per frame while it animates);
//  - a showing through to the first frame with the fan out, for an application
//    with 3 and with 500 windows (the list, the model and the view's cards are
//    built anew each showing).
// Time runs on a virtual clock, so only drawing is measured.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/AppSettings.h"
#include "platform/DefaultsStore.h"
#include "platform/sim/SimPlatform.h"
#include "switcher/CircularSwitcherView.h"
#include "switcher/CircularSwitcherViewModel.h"
#include "switcher/CircularSwitcherWindow.h"

namespace {
QIcon appIcon(int i)
{
    QImage img(256, 256, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 256);
    g.setColorAt(0, QColor::fromHsv((i * 47) % 360, 120, 255));
    g.setColorAt(1, QColor::fromHsv((i * 47 + 25) % 360, 230, 200));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(16, 16, 224, 224), 52, 52);
    return QIcon(QPixmap::fromImage(img));
}

struct Stage {
    SimPlatform sim;
    VirtualScheduler* scheduler = &sim.scheduler();
    SimDesktop* desktop = &sim.desktop();
    SimScreens* screens = &sim.screens();
    std::unique_ptr<CircularSwitcherWindow> window;

    explicit Stage(int windows = 3)
    {
        screens->addScreen(QRectF(0, 0, 1920, 1080));
        screens->pointerLocation = QPointF(960, 540);
        for (int i = 0; i < 9; ++i)
            desktop->addApp(i + 1, QStringLiteral("org.example.App%1").arg(i), QStringLiteral("Application %1").arg(i))
                .icon
                = appIcon(i);
        for (int n = 1; n <= windows; ++n)
            desktop->addWindow(2, 200 + n, QStringLiteral("Document window number %1").arg(n));
        window = std::make_unique<CircularSwitcherWindow>(sim.platform());
    }
    CircularSwitcherViewModel& model() { return *window->viewModel(); }

    // Shows the ring and lets it settle with the second application's windows out.
    void showSettled()
    {
        window->showSwitcher(std::nullopt);
        scheduler->advance(2.0);
        const double a = 60.0 * M_PI / 180.0;
        model().updatePointer(model().ringCenter() + QPointF(130 * std::sin(a), 130 * std::cos(a)));
        scheduler->advance(2.0);
    }
    void paint(QImage& target)
    {
        target.fill(Qt::transparent);
        QPainter p(&target);
        window->view()->paintRing(p);
    }
};

QImage target(double dpr)
{
    QImage img(int(700 * dpr), int(700 * dpr), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    return img;
}

void BM_SwitcherFrameAtRest(benchmark::State& state)
{
    Stage stage;
    stage.showSettled();
    QImage img = target(double(state.range(0)));
    for (auto _ : state) {
        stage.paint(img);
        benchmark::DoNotOptimize(img.constBits());
    }
}

void BM_SwitcherFramePointerMoving(benchmark::State& state)
{
    Stage stage;
    stage.showSettled();
    QImage img = target(double(state.range(0)));
    int step = 0;
    for (auto _ : state) {
        // A new pointer position every frame: the centre icon turns to a new pose.
        const double a = (60.0 + double(step++ % 360) * 0.7) * M_PI / 180.0;
        stage.model().pointer()->setLocation(
            stage.model().ringCenter() + QPointF(130 * std::sin(a), 130 * std::cos(a)));
        stage.scheduler->advance(1.0 / 60.0);
        stage.paint(img);
        benchmark::DoNotOptimize(img.constBits());
    }
}

void BM_SwitcherOpeningPerFrame(benchmark::State& state)
{
    Stage stage;
    QImage img = target(double(state.range(0)));
    std::int64_t frames = 0;
    double worst = 0.0;
    QElapsedTimer clock;
    for (auto _ : state) {
        stage.window->showSwitcher(std::nullopt);
        stage.scheduler->runPending();
        do {
            stage.scheduler->advance(1.0 / 60.0);
            clock.start();
            stage.paint(img);
            worst = std::max(worst, double(clock.nsecsElapsed()) / 1e6);
            ++frames;
        } while (stage.window->view()->isAnimating());
        benchmark::DoNotOptimize(img.constBits());
    }
    state.counters["frames"] = benchmark::Counter(double(frames), benchmark::Counter::kAvgIterations);
    state.counters["worst_frame_ms"] = worst;
}

void BM_SwitcherSelectionPerFrame(benchmark::State& state)
{
    Stage stage;
    stage.showSettled();
    QImage img = target(double(state.range(0)));
    std::int64_t frames = 0;
    for (auto _ : state) {
        stage.model().selectNext();
        do {
            stage.scheduler->advance(1.0 / 60.0);
            stage.paint(img);
            ++frames;
        } while (stage.window->view()->isAnimating());
        benchmark::DoNotOptimize(img.constBits());
    }
    state.counters["frames"] = benchmark::Counter(double(frames), benchmark::Counter::kAvgIterations);
}

void BM_SwitcherShowingWithWindows(benchmark::State& state)
{
    Stage stage(int(state.range(0)));
    QImage img = target(1.0);
    const double a = 60.0 * M_PI / 180.0;
    for (auto _ : state) {
        stage.window->hideSwitcher(false);
        stage.window->showSwitcher(std::nullopt);
        stage.scheduler->runPending();
        // The pointer goes out onto the second application: its windows fan out.
        stage.model().updatePointer(stage.model().ringCenter() + QPointF(130 * std::sin(a), 130 * std::cos(a)));
        stage.scheduler->advance(1.0 / 60.0);
        stage.paint(img);
        benchmark::DoNotOptimize(img.constBits());
    }
}
}

BENCHMARK(BM_SwitcherFrameAtRest)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitcherFramePointerMoving)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitcherOpeningPerFrame)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitcherSelectionPerFrame)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitcherShowingWithWindows)->Arg(3)->Arg(500)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
