#pragma once
// Shared test fixtures: sim backends installed as the process-wide services.

#include <QImage>
#include <QRegion>
#include <QString>
#include <QStringList>
#include <memory>

#include "platform/sim/MemoryDefaultsStore.h"
#include "platform/sim/VirtualScheduler.h"

namespace TestSupport {
// Points HOME and the XDG folders at a fresh temporary folder, so no test
// touches the developer's own files. Called once by the test main.
void isolateEnvironment();
// Removes that folder and all the tests left in it (at the end of the test
// main, once the application is gone): a run leaves nothing behind.
void removeEnvironment();
QString tempRoot();

// How many pixels differ between two frames of the same size outside
// `area`: those a repaint of only `area` would leave stale on screen.
int pixelsChangedOutside(const QImage& before, const QImage& after, const QRegion& area);
// The largest difference of any channel of any pixel between two images of
// the same size (255 when the sizes differ).
int largestChannelDifference(const QImage& a, const QImage& b);

// Installs a fresh virtual scheduler, in-memory defaults and the simulated
// keyboard layout (US), display preferences, appearance and login item as the
// shared services, and captures log lines. Undone when the guard goes away.
class SimEnvironment {
public:
    SimEnvironment();
    ~SimEnvironment();
    VirtualScheduler& scheduler() { return *m_scheduler; }
    MemoryDefaultsStore& defaults() { return *m_defaults; }
    const QStringList& logLines() const { return *m_log; }
    void clearLog() { m_log->clear(); }

private:
    std::shared_ptr<VirtualScheduler> m_scheduler;
    std::shared_ptr<MemoryDefaultsStore> m_defaults;
    std::shared_ptr<QStringList> m_log;
};
}
