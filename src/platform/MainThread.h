#pragma once
// Handing results from worker threads back to the main thread.

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <functional>

namespace MainThread {
// Runs `task` on the main thread on a later turn of its loop. Callable from
// any thread; dropped when there is no application object.
inline void post(std::function<void()> task)
{
    if (auto* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, std::move(task), Qt::QueuedConnection);
}

// Wraps `task` so that it runs only while `context` (taken on the main
// thread) still exists when the call arrives.
template <typename... Args>
std::function<void(Args...)> guarded(const QObject* context, std::function<void(Args...)> task)
{
    return [alive = QPointer<const QObject>(context), hasContext = context != nullptr, task = std::move(task)](
               Args... args) {
        if (hasContext && !alive)
            return;
        if (task)
            task(std::forward<Args>(args)...);
    };
}
}
