#pragma once
// One worker thread that runs queued tasks in order, for platform libraries
// whose calls may block (D-Bus round trips, prompts, authentication). The
// thread lives until the process ends.

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class WorkerQueue {
public:
    WorkerQueue()
    {
        std::thread([this] { loop(); }).detach();
    }
    WorkerQueue(const WorkerQueue&) = delete;
    WorkerQueue& operator=(const WorkerQueue&) = delete;

    void post(std::function<void()> task)
    {
        {
            std::lock_guard lock(m_mutex);
            m_queue.push_back(std::move(task));
        }
        m_wake.notify_one();
    }

private:
    void loop()
    {
        for (;;) {
            std::function<void()> task;
            {
                std::unique_lock lock(m_mutex);
                m_wake.wait(lock, [this] { return !m_queue.empty(); });
                task = std::move(m_queue.front());
                m_queue.pop_front();
            }
            task();
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_queue;
};
