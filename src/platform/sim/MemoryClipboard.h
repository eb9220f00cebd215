#pragma once
#include "platform/Clipboard.h"

// In-memory clipboard for tests. `simulateExternalCopy` stands for another
// application copying something.
class MemoryClipboard final : public Clipboard {
public:
    QString text() const override { return m_text; }
    void setText(const QString& text, bool concealed = false) override
    {
        m_text = text;
        m_concealed = concealed;
        bump();
    }
    void clear() override
    {
        m_text.clear();
        m_concealed = false;
        bump();
    }
    std::uint64_t changeCount() const override { return m_changes; }

    bool isConcealed() const { return m_concealed; }
    void simulateExternalCopy(const QString& text)
    {
        m_text = text;
        m_concealed = false;
        bump();
    }

private:
    void bump()
    {
        ++m_changes;
        Q_EMIT changed();
    }
    QString m_text;
    bool m_concealed = false;
    std::uint64_t m_changes = 0;
};
