#pragma once
#include "platform/BrowserScripting.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <mutex>

// Scripted browsers for tests. Each bundle identifier gets the outcome the
// test set for it; the sim refuses (as "not compiled") a script that is not
// addressed to the browser it is sent to, and records every script it ran.
class SimBrowserScripting final : public BrowserScripting {
public:
    struct Call {
        QString bundleIdentifier;
        QString source;
    };

    Outcome run(const QString& bundleIdentifier, const QString& source) override
    {
        std::lock_guard lock(m_mutex);
        m_calls.append({ bundleIdentifier, source });
        const QString firstLine = source.section(QLatin1Char('\n'), 0, 0);
        if (firstLine != QStringLiteral("tell application id \"%1\"").arg(bundleIdentifier))
            return Outcome::notCompiled();
        auto it = m_outcomes.constFind(bundleIdentifier);
        if (it == m_outcomes.constEnd())
            return Outcome::success(QVariantList { QVariantList {}, QVariantList {} });
        return *it;
    }

    void setOutcome(const QString& bundleIdentifier, const Outcome& outcome)
    {
        std::lock_guard lock(m_mutex);
        m_outcomes.insert(bundleIdentifier, outcome);
    }
    // Convenience: a successful answer with parallel title and address lists.
    void setTabs(const QString& bundleIdentifier, const QStringList& titles, const QStringList& urls)
    {
        QVariantList t, u;
        for (const auto& s : titles)
            t.append(s);
        for (const auto& s : urls)
            u.append(s);
        setOutcome(bundleIdentifier, Outcome::success(QVariantList { t, u }));
    }

    QList<Call> calls() const
    {
        std::lock_guard lock(m_mutex);
        return m_calls;
    }

private:
    mutable std::mutex m_mutex;
    QHash<QString, Outcome> m_outcomes;
    QList<Call> m_calls;
};
