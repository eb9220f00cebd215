#pragma once
#include "platform/FaviconService.h"
#include "platform/Scheduler.h"

#include <QHash>
#include <QList>
#include <algorithm>
#include <mutex>

// Canned favicon replies for tests; records every request. Replies come
// before fetch returns, or, with a latency, that long later on the shared
// scheduler's clock (then on the main thread only).
class SimFaviconService final : public FaviconService {
public:
    std::unique_ptr<Session> open() override { return std::make_unique<SimSession>(m_state); }

    void setReply(const QString& url, const QByteArray& body)
    {
        std::lock_guard lock(m_state->mutex);
        m_state->replies.insert(url, body);
    }
    void setLatency(double seconds)
    {
        std::lock_guard lock(m_state->mutex);
        m_state->latency = seconds;
    }
    QList<QUrl> requests() const
    {
        std::lock_guard lock(m_state->mutex);
        return m_state->requests;
    }
    // Downloads started and not yet answered (nor abandoned), now and at most so far.
    int inFlight() const
    {
        std::lock_guard lock(m_state->mutex);
        return m_state->inFlight;
    }
    int mostInFlight() const
    {
        std::lock_guard lock(m_state->mutex);
        return m_state->mostInFlight;
    }

private:
    struct State {
        mutable std::mutex mutex;
        QHash<QString, QByteArray> replies;
        QList<QUrl> requests;
        double latency = 0.0;
        int inFlight = 0;
        int mostInFlight = 0;
    };

    class SimSession final : public Session {
    public:
        explicit SimSession(std::shared_ptr<State> state)
            : m_state(std::move(state))
        {
        }
        ~SimSession() override
        {
            *m_alive = false;
            std::lock_guard lock(m_state->mutex);
            m_state->inFlight -= m_pending;
        }
        void fetch(const QUrl& url, Done done) override
        {
            Reply reply;
            double latency = 0.0;
            {
                std::lock_guard lock(m_state->mutex);
                m_state->requests.append(url);
                m_state->mostInFlight = std::max(m_state->mostInFlight, ++m_state->inFlight);
                const auto it = m_state->replies.constFind(url.toString());
                if (it != m_state->replies.constEnd())
                    reply.body = *it;
                else
                    reply.failure = QStringLiteral("no such site");
                latency = m_state->latency;
            }
            if (latency <= 0.0) {
                answer(done, std::move(reply));
                return;
            }
            ++m_pending;
            Scheduler::shared().postAfter(latency, [this, alive = m_alive, done = std::move(done), reply]() mutable {
                if (!*alive)
                    return;
                --m_pending;
                answer(done, std::move(reply));
            });
        }

    private:
        void answer(const Done& done, Reply reply)
        {
            {
                std::lock_guard lock(m_state->mutex);
                --m_state->inFlight;
            }
            done(std::move(reply));
        }

        std::shared_ptr<State> m_state;
        std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
        int m_pending = 0;
    };

    std::shared_ptr<State> m_state = std::make_shared<State>();
};
