#pragma once
// Ends the test run when a guarded stretch of a test does not finish in time,
// with a line saying what hung: a reader stuck in open() on a FIFO or reading
// /dev/zero would otherwise hang the run (or fill the memory) for ever.

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include <QString>
#include <sys/stat.h>

namespace TestSupport {

class Watchdog {
public:
    explicit Watchdog(const char* what, std::chrono::milliseconds limit = std::chrono::seconds(3))
        : m_thread([this, what, limit] {
            std::unique_lock lock(m_mutex);
            if (!m_done.wait_for(lock, limit, [this] { return m_finished; })) {
                std::fprintf(stderr, "watchdog: %s did not finish within %lld ms\n", what,
                    static_cast<long long>(limit.count()));
                std::fflush(stderr);
                std::_Exit(3);
            }
        })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_all();
        m_thread.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_thread; // last: it uses the others
};

// A FIFO nobody writes to: opening it for reading the usual way blocks.
inline bool makeFifo(const QString& path) { return ::mkfifo(path.toLocal8Bit().constData(), 0600) == 0; }

}
