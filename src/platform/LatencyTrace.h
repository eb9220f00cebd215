#pragma once
// Timestamps along the way from a hotkey press to a ring's first frame, kept
// only when KELVARO_LATENCY_TRACE is set (the latency benchmark sets it;
// "log" also writes each stage as a "Kelvaro: latency …" line). Off, a mark
// costs one branch. Main thread only. While it is on, the ring's panel also
// logs the frames each showing painted (the cost benchmark reads them).

#include <QtGlobal>
#include <vector>

namespace LatencyTrace {
struct Mark {
    const char* stage; // a string literal
    qint64 nsecs; // on the monotonic clock of now()
};

bool enabled();
// Nanoseconds on the steady (monotonic) clock.
qint64 now();
// Records `stage` (a string literal) at now().
void mark(const char* stage);
// The marks recorded since the last call, oldest first.
std::vector<Mark> take();
}
