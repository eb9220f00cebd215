#include "platform/QtScheduler.h"

#include "platform/Platform.h"

#include <QTimer>
#include <cmath>
#include <mutex>

QtScheduler::QtScheduler() { m_clock.start(); }

QtScheduler::~QtScheduler()
{
    for (auto& [id, timer] : m_timers)
        delete timer;
}

double QtScheduler::now() const { return double(m_clock.nsecsElapsed()) / 1e9; }

QDateTime QtScheduler::wallClock() const { return QDateTime::currentDateTimeUtc(); }

Scheduler::TimerId QtScheduler::post(Task task) { return start(0.0, std::move(task), false); }

Scheduler::TimerId QtScheduler::postAfter(double seconds, Task task) { return start(seconds, std::move(task), false); }

Scheduler::TimerId QtScheduler::repeating(double seconds, Task task) { return start(seconds, std::move(task), true); }

Scheduler::TimerId QtScheduler::start(double seconds, Task task, bool repeat)
{
    const TimerId id = m_nextId++;
    auto* timer = new QTimer(this);
    timer->setSingleShot(!repeat);
    timer->setTimerType(Qt::PreciseTimer);
    const double ms = std::isfinite(seconds) ? std::max(0.0, seconds * 1000.0) : 0.0;
    timer->setInterval(int(std::min(ms, 2.0e9)));
    m_timers.emplace(id, timer);
    QObject::connect(timer, &QTimer::timeout, this, [this, id, repeat, task = std::move(task)]() {
        if (!repeat) {
            auto it = m_timers.find(id);
            if (it == m_timers.end())
                return;
            it->second->deleteLater();
            m_timers.erase(it);
        }
        task();
    });
    timer->start();
    return id;
}

void QtScheduler::cancel(TimerId id)
{
    auto it = m_timers.find(id);
    if (it == m_timers.end())
        return;
    it->second->stop();
    it->second->deleteLater();
    m_timers.erase(it);
}

Scheduler& Scheduler::shared() { return Platform::installed().scheduler(); }
