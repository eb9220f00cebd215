// One full ring frame (12 labelled wedges with icons, a 6-card window arc,
// the band and the centre icon on a 700-point stage), at rest and part way
// into the opening (blurred), at device-pixel ratios 1 and 2.

#include "ringkit/RingFrameSample.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {
void frame(benchmark::State& state, double entry)
{
    const double dpr = double(state.range(0));
    static RingFrameSample sample;
    QImage target(
        int(RingFrameSample::stage * dpr), int(RingFrameSample::stage * dpr), QImage::Format_ARGB32_Premultiplied);
    target.setDevicePixelRatio(dpr);
    for (auto _ : state) {
        target.fill(Qt::transparent);
        QPainter p(&target);
        sample.paint(p, entry);
        p.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}

void BM_RingFrameAtRest(benchmark::State& state) { frame(state, 1.0); }
void BM_RingFrameMidEntry(benchmark::State& state) { frame(state, 0.5); }
}

BENCHMARK(BM_RingFrameAtRest)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RingFrameMidEntry)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
