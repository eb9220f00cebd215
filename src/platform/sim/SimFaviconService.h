#pragma once
#include "platform/FaviconService.h"

#include <QHash>
#include <QList>
#include <mutex>

// Canned favicon replies for tests; records every request.
class SimFaviconService final : public FaviconService {
public:
    std::optional<QByteArray> fetch(const QUrl& url) override
    {
        std::lock_guard lock(m_mutex);
        m_requests.append(url);
        const auto it = m_replies.constFind(url.toString());
        if (it == m_replies.constEnd())
            return std::nullopt;
        return *it;
    }
    void setReply(const QString& url, const QByteArray& body)
    {
        std::lock_guard lock(m_mutex);
        m_replies.insert(url, body);
    }
    QList<QUrl> requests() const
    {
        std::lock_guard lock(m_mutex);
        return m_requests;
    }

private:
    mutable std::mutex m_mutex;
    QHash<QString, QByteArray> m_replies;
    QList<QUrl> m_requests;
};
