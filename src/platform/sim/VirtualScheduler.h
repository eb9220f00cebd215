#pragma once
#include "platform/Scheduler.h"

#include <map>
#include <utility>

// A deterministic scheduler for tests: time moves only when the test says so.
// Tasks due at the same instant run in the order they were scheduled.
class VirtualScheduler final : public Scheduler {
public:
    explicit VirtualScheduler(QDateTime wallStart = QDateTime(QDate(2026, 1, 1), QTime(12, 0), Qt::UTC));

    double now() const override { return m_now; }
    QDateTime wallClock() const override;
    TimerId post(Task task) override;
    TimerId postAfter(double seconds, Task task) override;
    TimerId repeating(double seconds, Task task) override;
    void cancel(TimerId id) override;

    // Advance the clock by `seconds`, running every task that falls due, in time order.
    void advance(double seconds);
    // Run everything due now (posts included), without moving the clock.
    void runPending() { advance(0.0); }
    // Jump the wall clock (e.g. a suspend or a clock change) without running tasks.
    void shiftWallClock(double seconds) { m_wallOffset += seconds; }
    std::size_t pendingCount() const { return m_queue.size(); }
    // How many tasks have run (each run of a repeating timer counts).
    std::size_t ranCount() const { return m_ran; }
    bool isPending(TimerId id) const;

private:
    struct Entry {
        TimerId id;
        double interval; // < 0: one-shot
        Task task;
    };
    TimerId schedule(double due, double interval, Task task);

    double m_now = 0.0;
    double m_wallOffset = 0.0;
    QDateTime m_wallStart;
    TimerId m_nextId = 1;
    std::uint64_t m_sequence = 0;
    std::size_t m_ran = 0;
    // (due time, sequence) -> entry
    std::map<std::pair<double, std::uint64_t>, Entry> m_queue;
};
