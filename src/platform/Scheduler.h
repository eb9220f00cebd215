#pragma once
// Scheduler and clock: everything timed in the application goes through this
// port, so that tests can run timed behaviour on a virtual clock.

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <memory>

class Scheduler {
public:
    using Task = std::function<void()>;
    using TimerId = std::uint64_t; // 0 is never a valid id

    virtual ~Scheduler() = default;

    // Monotonic seconds since an arbitrary origin (animation, timeouts).
    virtual double now() const = 0;
    // Wall-clock time (persisted timestamps such as the last update check).
    virtual QDateTime wallClock() const = 0;

    // Run on the main queue on a later turn of the loop.
    virtual TimerId post(Task task) = 0;
    // Run once on the main queue after `seconds`.
    virtual TimerId postAfter(double seconds, Task task) = 0;
    // Run every `seconds` until cancelled.
    virtual TimerId repeating(double seconds, Task task) = 0;
    // Cancel a pending post or a repeating timer; unknown ids are ignored.
    virtual void cancel(TimerId id) = 0;

    // The same, for a task that belongs to `context`: dropped when the
    // context is gone by the time it would run.
    TimerId postWhileAlive(const QObject* context, Task task) { return post(guarded(context, std::move(task))); }
    TimerId postAfterWhileAlive(double seconds, const QObject* context, Task task)
    {
        return postAfter(seconds, guarded(context, std::move(task)));
    }
    TimerId repeatingWhileAlive(double seconds, const QObject* context, Task task)
    {
        return repeating(seconds, guarded(context, std::move(task)));
    }

    // The installed platform's scheduler. Kept process-wide: nearly every
    // timed step of every layer posts to the one main queue, and handing it
    // down would add a parameter to every animation and timeout.
    static Scheduler& shared();

private:
    static Task guarded(const QObject* context, Task task)
    {
        return [alive = QPointer<const QObject>(context), task = std::move(task)] {
            if (alive)
                task();
        };
    }
};
