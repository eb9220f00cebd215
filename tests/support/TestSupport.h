#pragma once
// Shared test fixtures: sim backends installed as the process-wide services.

#include <QImage>
#include <QRegion>
#include <QString>
#include <QStringList>
#include <memory>

#include "platform/sim/SimPlatform.h"

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

// The simulated platform (platform/sim/SimPlatform.h), installed while the
// guard lives (its display handed to the animation engine, its keyboard
// layout to hotkey names), with log lines captured. `sim()` drives its backends;
// `platform()` is what the code under test is handed.
class SimEnvironment {
public:
    SimEnvironment();
    ~SimEnvironment();
    SimPlatform& sim() { return m_sim; }
    Platform& platform() { return m_sim.platform(); }
    VirtualScheduler& scheduler() { return m_sim.scheduler(); }
    MemoryDefaultsStore& defaults() { return m_sim.defaults(); }
    const QStringList& logLines() const { return *m_log; }
    void clearLog() { m_log->clear(); }

private:
    SimPlatform m_sim;
    std::shared_ptr<QStringList> m_log;
    DisplayPreferences* m_previousDisplay; // the engine's, given back on the way out
    KeyboardLayout* m_previousLayout; // the one hotkey names read, likewise
};
}
