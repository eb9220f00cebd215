#include "platform/linux/X11Properties.h"

#include <cstring>

namespace X11Properties {

QString text(const QByteArray& bytes, quint32 type, int format, quint32 utf8Type, const TextConverter& convert)
{
    if (format != 8 || bytes.isEmpty())
        return {};
    if (type == stringType)
        return QString::fromLatin1(bytes);
    if (type == utf8Type && utf8Type != 0)
        return QString::fromUtf8(bytes);
    if (convert) {
        if (auto converted = convert(bytes, type))
            return *converted;
    }
    return QString::fromLatin1(bytes);
}

WindowClass windowClass(const QByteArray& bytes, int format)
{
    if (format != 8)
        return {};
    const QList<QByteArray> parts = bytes.split('\0');
    return { QString::fromLocal8Bit(parts.value(0)), QString::fromLocal8Bit(parts.value(1)) };
}

QList<quint32> cardinals(const QByteArray& bytes, int format)
{
    QList<quint32> out;
    if (format != 32)
        return out;
    const qsizetype n = bytes.size() / 4;
    out.resize(n);
    if (n > 0)
        std::memcpy(out.data(), bytes.constData(), size_t(n) * 4);
    return out;
}

QList<QImage> icons(const QByteArray& bytes, int format)
{
    QList<QImage> out;
    const QList<quint32> data = cardinals(bytes, format);
    const qint64 n = data.size();
    qint64 i = 0;
    while (i + 2 <= n) {
        const quint32 w = data[i], h = data[i + 1];
        if (w == 0 || h == 0 || w > maxIconSide || h > maxIconSide || i + 2 + qint64(w) * h > n)
            break; // malformed: keep what was read so far
        QImage image(int(w), int(h), QImage::Format_ARGB32);
        if (image.isNull())
            break;
        for (quint32 y = 0; y < h; ++y)
            std::memcpy(image.scanLine(int(y)), data.constData() + i + 2 + qint64(y) * w, size_t(w) * 4);
        out << image;
        i += 2 + qint64(w) * h;
    }
    return out;
}

}
