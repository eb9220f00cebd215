#include "platform/linux/FirefoxSession.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QtEndian>
#include <lz4.h>

namespace {
const QByteArray magic("mozLz40\0", 8);

void fail(QString* error, const QString& why)
{
    if (error)
        *error = why;
}
}

std::optional<QByteArray> FirefoxSession::decompress(const QByteArray& file, QString* error, qint64 limit)
{
    if (file.size() < magic.size() + 4 || !file.startsWith(magic)) {
        fail(error, QStringLiteral("not a mozlz4 file (no mozLz40 header)"));
        return std::nullopt;
    }
    const quint32 claimed = qFromLittleEndian<quint32>(file.constData() + magic.size());
    if (qint64(claimed) > limit || qint64(claimed) > qint64(LZ4_MAX_INPUT_SIZE)) {
        fail(error,
            QStringLiteral("the file claims %1 bytes of content, more than the %2 accepted").arg(claimed).arg(limit));
        return std::nullopt;
    }
    const qsizetype headerSize = magic.size() + 4;
    const qsizetype compressedSize = file.size() - headerSize;
    if (compressedSize > qsizetype(LZ4_MAX_INPUT_SIZE)) {
        fail(error, QStringLiteral("the compressed block is too large"));
        return std::nullopt;
    }
    QByteArray out(qsizetype(claimed), Qt::Uninitialized);
    if (claimed == 0 && compressedSize == 0)
        return out;
    const int written
        = LZ4_decompress_safe(file.constData() + headerSize, out.data(), int(compressedSize), int(claimed));
    if (written < 0) {
        fail(error, QStringLiteral("the compressed block is damaged or cut off"));
        return std::nullopt;
    }
    if (quint32(written) != claimed) {
        fail(error, QStringLiteral("the content is %1 bytes, not the %2 the file claims").arg(written).arg(claimed));
        return std::nullopt;
    }
    return out;
}

std::optional<QList<SnssWindow>> FirefoxSession::windows(const QByteArray& json, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject()) {
        fail(error,
            parseError.error != QJsonParseError::NoError
                ? QStringLiteral("the session is not JSON: %1").arg(parseError.errorString())
                : QStringLiteral("the session is not a JSON object"));
        return std::nullopt;
    }
    const QJsonValue list = doc.object().value(QStringLiteral("windows"));
    if (!list.isArray()) {
        fail(error, QStringLiteral("the session has no list of windows"));
        return std::nullopt;
    }
    QList<SnssWindow> result;
    qint32 windowNumber = 0;
    for (const auto& w : list.toArray()) {
        ++windowNumber;
        const QJsonArray tabs = w.toObject().value(QStringLiteral("tabs")).toArray();
        SnssWindow window;
        window.id = windowNumber;
        for (const auto& t : tabs) {
            const QJsonObject tab = t.toObject();
            const QJsonArray entries = tab.value(QStringLiteral("entries")).toArray();
            if (entries.isEmpty())
                continue;
            // "index" counts from 1; a missing or odd one means the newest entry.
            qsizetype index = entries.size() - 1;
            const QJsonValue stored = tab.value(QStringLiteral("index"));
            if (stored.isDouble()) {
                const double i = stored.toDouble();
                if (i >= 1 && i <= double(entries.size()))
                    index = qsizetype(i) - 1;
            }
            const QJsonObject entry = entries.at(index).toObject();
            const QString url = entry.value(QStringLiteral("url")).toString();
            if (url.isEmpty())
                continue;
            window.tabs.append(SnssTab { entry.value(QStringLiteral("title")).toString(), url });
        }
        if (!window.tabs.isEmpty())
            result.append(window);
    }
    return result;
}

std::optional<QList<SnssWindow>> FirefoxSession::read(const QByteArray& file, QString* error)
{
    const auto json = decompress(file, error);
    if (!json)
        return std::nullopt;
    return windows(*json, error);
}
