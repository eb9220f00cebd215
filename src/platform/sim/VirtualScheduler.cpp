#include "platform/sim/VirtualScheduler.h"

#include <algorithm>
#include <cmath>

VirtualScheduler::VirtualScheduler(QDateTime wallStart)
    : m_wallStart(std::move(wallStart))
{
}

QDateTime VirtualScheduler::wallClock() const
{
    return m_wallStart.addMSecs(qint64(std::llround((m_now + m_wallOffset) * 1000.0)));
}

Scheduler::TimerId VirtualScheduler::schedule(double due, double interval, Task task)
{
    const TimerId id = m_nextId++;
    m_queue.emplace(std::make_pair(due, m_sequence++), Entry { id, interval, std::move(task) });
    return id;
}

Scheduler::TimerId VirtualScheduler::post(Task task) { return schedule(m_now, -1.0, std::move(task)); }

Scheduler::TimerId VirtualScheduler::postAfter(double seconds, Task task)
{
    const double s = std::isfinite(seconds) ? std::max(0.0, seconds) : 0.0;
    return schedule(m_now + s, -1.0, std::move(task));
}

Scheduler::TimerId VirtualScheduler::repeating(double seconds, Task task)
{
    // A zero interval would spin forever inside advance(); use a tiny one.
    const double s = std::isfinite(seconds) && seconds > 1e-6 ? seconds : 1e-6;
    return schedule(m_now + s, s, std::move(task));
}

void VirtualScheduler::cancel(TimerId id)
{
    for (auto it = m_queue.begin(); it != m_queue.end(); ++it) {
        if (it->second.id == id) {
            m_queue.erase(it);
            return;
        }
    }
}

bool VirtualScheduler::isPending(TimerId id) const
{
    return std::any_of(m_queue.begin(), m_queue.end(), [id](const auto& e) { return e.second.id == id; });
}

void VirtualScheduler::advance(double seconds)
{
    const double target = m_now + std::max(0.0, seconds);
    while (!m_queue.empty()) {
        auto it = m_queue.begin();
        const double due = it->first.first;
        if (due > target + 1e-12)
            break;
        Entry entry = std::move(it->second);
        m_queue.erase(it);
        m_now = std::max(m_now, due);
        if (entry.interval >= 0.0) {
            // Re-arm before running, under the same id, so the task may cancel itself.
            m_queue.emplace(
                std::make_pair(m_now + entry.interval, m_sequence++), Entry { entry.id, entry.interval, entry.task });
        }
        ++m_ran;
        entry.task();
    }
    m_now = target;
}
