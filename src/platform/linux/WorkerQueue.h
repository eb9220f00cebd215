#pragma once
// One worker thread that runs queued tasks in order, for platform libraries
// whose calls may block (D-Bus round trips, prompts, authentication). When the
// queue goes away, the thread finishes the tasks already queued and ends.

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class WorkerQueue {
public:
    WorkerQueue()
        : m_state(std::make_shared<State>())
    {
        std::thread([state = m_state] { loop(*state); }).detach();
    }
    ~WorkerQueue()
    {
        {
            std::lock_guard lock(m_state->mutex);
            m_state->stopping = true;
        }
        m_state->wake.notify_one();
    }
    WorkerQueue(const WorkerQueue&) = delete;
    WorkerQueue& operator=(const WorkerQueue&) = delete;

    void post(std::function<void()> task)
    {
        {
            std::lock_guard lock(m_state->mutex);
            m_state->queue.push_back(std::move(task));
        }
        m_state->wake.notify_one();
    }

private:
    struct State {
        std::mutex mutex;
        std::condition_variable wake;
        std::deque<std::function<void()>> queue;
        bool stopping = false;
    };

    static void loop(State& state)
    {
        for (;;) {
            std::function<void()> task;
            {
                std::unique_lock lock(state.mutex);
                state.wake.wait(lock, [&] { return !state.queue.empty() || state.stopping; });
                if (state.queue.empty())
                    return;
                task = std::move(state.queue.front());
                state.queue.pop_front();
            }
            task();
        }
    }

    std::shared_ptr<State> m_state; // shared with the thread, which may outlive the queue
};
