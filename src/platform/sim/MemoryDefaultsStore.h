#pragma once
#include "platform/DefaultsStore.h"

#include <QMap>

// In-memory defaults for tests. Counts writes so tests can check that
// loading wrote nothing.
class MemoryDefaultsStore final : public DefaultsStore {
public:
    std::optional<QVariant> value(const QString& key) const override
    {
        auto it = m_values.constFind(key);
        if (it == m_values.constEnd())
            return std::nullopt;
        return *it;
    }
    void setValue(const QString& key, const QVariant& value) override
    {
        m_values.insert(key, value);
        ++m_writes;
        Q_EMIT changed(key);
    }
    void remove(const QString& key) override
    {
        if (m_values.remove(key)) {
            ++m_writes;
            Q_EMIT changed(key);
        }
    }
    QStringList keys() const override { return m_values.keys(); }

    int writeCount() const { return m_writes; }
    void resetWriteCount() { m_writes = 0; }

private:
    QMap<QString, QVariant> m_values;
    int m_writes = 0;
};
