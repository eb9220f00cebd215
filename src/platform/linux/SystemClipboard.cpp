// The desktop clipboard through QClipboard (the CLIPBOARD selection).
//
// Every change is counted from QClipboard::changed for the Clipboard mode:
// the X11 backend emits it once when this process takes the selection and
// once when another client takes it, so our own copies and other people's
// are each counted exactly once.
//
// A secret goes onto the clipboard as mime data of our own that holds no
// text: it answers every request from the secret's buffer. QClipboard deletes
// the data it owns when the content is replaced or cleared (or another client
// takes the selection), and the deletion wipes the buffer.

#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {
const QString plainText = QStringLiteral("text/plain");
const QString plainUtf8Text = QStringLiteral("text/plain;charset=utf-8");
// The hints clipboard managers read to keep no copy of a secret.
const QString kdeSecretHint = QStringLiteral("x-kde-passwordManagerHint");
const QString concealedHint = QStringLiteral("org.nspasteboard.ConcealedType");

// Up to this size, a request for the text gets a view of the secret's buffer
// rather than a copy: X transfers this small finish within the request, so
// no view outlives the data. Larger ones go in increments after it returns.
constexpr qsizetype largestViewedSecret = 64 * 1024;

class SecretMimeData final : public QMimeData {
public:
    explicit SecretMimeData(std::shared_ptr<const SecretText> secret)
        : m_secret(std::move(secret))
    {
    }
    ~SecretMimeData() override { m_secret->wipe(); }

    QStringList formats() const override { return { plainText, plainUtf8Text, kdeSecretHint, concealedHint }; }
    bool hasFormat(const QString& mimeType) const override { return formats().contains(mimeType); }

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override
    {
        if (mimeType == kdeSecretHint)
            return QByteArrayLiteral("secret");
        if (mimeType == concealedHint)
            return QByteArray();
        if (mimeType != plainText && mimeType != plainUtf8Text)
            return QVariant();
        const QByteArrayView bytes = m_secret->bytes();
        // Someone in this process asked for text: the QString is theirs.
        if (type.id() == QMetaType::QString)
            return QString::fromUtf8(bytes);
        if (bytes.size() <= largestViewedSecret)
            return QByteArray::fromRawData(bytes.data(), bytes.size());
        return bytes.toByteArray();
    }

private:
    std::shared_ptr<const SecretText> m_secret;
};

class SystemClipboard final : public Clipboard {
public:
    SystemClipboard()
    {
        if (auto* cb = board())
            QObject::connect(cb, &QClipboard::changed, this, [this](QClipboard::Mode mode) {
                if (mode != QClipboard::Clipboard)
                    return;
                ++m_changes;
                Q_EMIT changed();
            });
    }

    QString text() const override
    {
        auto* cb = board();
        return cb ? cb->text(QClipboard::Clipboard) : QString();
    }

    void setText(const QString& text) override
    {
        if (auto* cb = board())
            cb->setText(text, QClipboard::Clipboard);
    }

    void setSecret(std::shared_ptr<const SecretText> secret) override
    {
        auto* cb = board();
        if (!cb) {
            secret->wipe();
            return;
        }
        cb->setMimeData(new SecretMimeData(std::move(secret)), QClipboard::Clipboard);
    }

    void clear() override
    {
        if (auto* cb = board())
            cb->clear(QClipboard::Clipboard);
    }

    std::uint64_t changeCount() const override { return m_changes; }

private:
    static QClipboard* board()
    {
        return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
    }
    std::uint64_t m_changes = 0;
};
}

std::shared_ptr<Clipboard> makeSystemClipboard() { return std::make_shared<SystemClipboard>(); }
