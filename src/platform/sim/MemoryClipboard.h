#pragma once
#include "platform/Clipboard.h"

// In-memory clipboard for tests. `simulateExternalCopy` stands for another
// application copying something. A secret is held as given (its buffer, no
// text copy) and wiped when the content changes, as the real clipboard does.
class MemoryClipboard final : public Clipboard {
public:
    QString text() const override { return m_secret ? QString::fromUtf8(m_secret->bytes()) : m_text; }
    void setText(const QString& text) override
    {
        release();
        m_text = text;
        bump();
    }
    void setSecret(std::shared_ptr<const SecretText> secret) override
    {
        release();
        m_text.clear();
        m_secret = std::move(secret);
        bump();
    }
    void clear() override
    {
        release();
        m_text.clear();
        bump();
    }
    std::uint64_t changeCount() const override { return m_changes; }

    bool isConcealed() const { return m_secret != nullptr; }
    // The secret on the clipboard now, if any.
    std::shared_ptr<const SecretText> secret() const { return m_secret; }
    void simulateExternalCopy(const QString& text)
    {
        release();
        m_text = text;
        bump();
    }

private:
    void release()
    {
        if (m_secret)
            m_secret->wipe();
        m_secret.reset();
    }
    void bump()
    {
        ++m_changes;
        Q_EMIT changed();
    }
    QString m_text;
    std::shared_ptr<const SecretText> m_secret;
    std::uint64_t m_changes = 0;
};
