#pragma once
#include "platform/Scheduler.h"

#include <QElapsedTimer>
#include <QObject>
#include <unordered_map>

class QTimer;

// The real scheduler: the Qt event loop of the main thread.
class QtScheduler final : public QObject, public Scheduler {
public:
    QtScheduler();
    ~QtScheduler() override;

    double now() const override;
    QDateTime wallClock() const override;
    TimerId post(Task task) override;
    TimerId postAfter(double seconds, Task task) override;
    TimerId repeating(double seconds, Task task) override;
    void cancel(TimerId id) override;

private:
    TimerId start(double seconds, Task task, bool repeat);

    QElapsedTimer m_clock;
    TimerId m_nextId = 1;
    std::unordered_map<TimerId, QTimer*> m_timers;
};
