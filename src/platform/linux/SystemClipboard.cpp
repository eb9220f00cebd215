// The desktop clipboard through QClipboard (the CLIPBOARD selection).
//
// Every change is counted from QClipboard::changed for the Clipboard mode:
// the X11 backend emits it once when this process takes the selection and
// once when another client takes it, so our own copies and other people's
// are each counted exactly once.

#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {
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

    void setText(const QString& text, bool concealed) override
    {
        auto* cb = board();
        if (!cb)
            return;
        auto* data = new QMimeData;
        data->setText(text);
        if (concealed) {
            // The hints clipboard managers read to keep no copy of a secret.
            data->setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret"));
            data->setData(QStringLiteral("org.nspasteboard.ConcealedType"), QByteArray());
        }
        cb->setMimeData(data, QClipboard::Clipboard);
    }

    void clear() override
    {
        if (auto* cb = board())
            cb->clear(QClipboard::Clipboard);
    }

    std::uint64_t changeCount() const override { return m_changes; }

private:
    static QClipboard* board() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr; }
    std::uint64_t m_changes = 0;
};
}

std::shared_ptr<Clipboard> makeSystemClipboard()
{
    return std::make_shared<SystemClipboard>();
}
