// One full frame of the shortcut ring: 25 items (page 1 of 3, so ten wedges
// and the page dots), 700 x 700 points, at device-pixel ratios 1 and 2, at
// rest and part way into the opening.

#include "core/AppSettings.h"
#include "platform/DefaultsStore.h"
#include "platform/sim/SimPlatform.h"
#include "ring/AppShortcutRingView.h"
#include "ring/AppShortcutRingViewModel.h"

#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {
QList<AppShortcut> items()
{
    static const char* icons[] = { "doc.on.doc", "star", "bolt.circle", "gearshape", "paperplane", "trash", "folder",
        "link", "magnifyingglass", "envelope" };
    QList<AppShortcut> list;
    for (int i = 0; i < 25; ++i)
        list.append(AppShortcut(i % 3 == 0 ? QStringLiteral("Duplicate the selected lines %1").arg(i + 1)
                                           : QStringLiteral("Item %1").arg(i + 1),
            QString::fromLatin1(icons[i % 10]), QStringLiteral("⇧⌘%1").arg(QChar(u'A' + i)),
            QStringLiteral("org.example.Editor")));
    return list;
}

void frame(benchmark::State& state, bool atRest)
{
    const double dpr = double(state.range(0));
    SimPlatform sim;
    VirtualScheduler* scheduler = &sim.scheduler();
    AppShortcutRingViewModel model { sim.platform() };
    model.loadShortcuts(
        RunningApp { QStringLiteral("Editor"), QImage(), QStringLiteral("org.example.Editor"), true }, items());
    AppShortcutRingView view(&model);
    view.resize(700, 700);
    model.reveal();
    model.setSelectedIndex(3);
    // Mid-entry: about a third of the way into the opening springs.
    scheduler->advance(atRest ? 3.0 : 0.12);
    QImage target(int(700 * dpr), int(700 * dpr), QImage::Format_ARGB32_Premultiplied);
    target.setDevicePixelRatio(dpr);
    for (auto _ : state) {
        target.fill(Qt::transparent);
        QPainter p(&target);
        view.renderFrame(p);
        p.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}

void BM_ShortcutRingAtRest(benchmark::State& state) { frame(state, true); }
void BM_ShortcutRingMidEntry(benchmark::State& state) { frame(state, false); }
}

BENCHMARK(BM_ShortcutRingAtRest)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShortcutRingMidEntry)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

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
