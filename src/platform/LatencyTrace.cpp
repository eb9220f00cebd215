#include "platform/LatencyTrace.h"

#include "platform/Log.h"

#include <QByteArray>
#include <QString>

#include <chrono>

namespace {
enum class Mode { Off, Keep, Log };

Mode mode()
{
    static const Mode m = [] {
        const QByteArray v = qgetenv("KELVARO_LATENCY_TRACE");
        if (v.isEmpty() || v == "0")
            return Mode::Off;
        return v == "log" ? Mode::Log : Mode::Keep;
    }();
    return m;
}

std::vector<LatencyTrace::Mark>& marks()
{
    static std::vector<LatencyTrace::Mark> list;
    return list;
}

// Nobody may read the marks in a running application: keep the latest only.
constexpr std::size_t maxMarks = 256;
}

bool LatencyTrace::enabled() { return mode() != Mode::Off; }

qint64 LatencyTrace::now()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void LatencyTrace::mark(const char* stage)
{
    if (mode() == Mode::Off)
        return;
    const qint64 t = now();
    auto& list = marks();
    if (list.size() >= maxMarks)
        list.erase(list.begin(), list.begin() + maxMarks / 2);
    list.push_back({ stage, t });
    if (mode() == Mode::Log)
        Log::write(
            QStringLiteral("Kelvaro: latency %1 at %2 ms").arg(QLatin1String(stage)).arg(double(t) / 1e6, 0, 'f', 3));
}

std::vector<LatencyTrace::Mark> LatencyTrace::take()
{
    std::vector<Mark> out;
    out.swap(marks());
    return out;
}
