#include "platform/linux/X11Properties.h"

#include <QIconEngine>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
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

namespace {

    class NearestSizeEngine final : public QIconEngine {
    public:
        explicit NearestSizeEngine(QList<QImage> pictures)
            : m_pictures(std::move(pictures))
        {
        }
        QIconEngine* clone() const override { return new NearestSizeEngine(m_pictures); }
        QString key() const override { return QStringLiteral("KelvaroNearestSize"); }
        QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override
        {
            QList<QSize> sizes;
            for (const QImage& picture : std::as_const(m_pictures))
                sizes << picture.size();
            return sizes;
        }
        QSize actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override
        {
            const qsizetype i = nearestIcon(m_pictures, std::max(size.width(), size.height()));
            return i < 0 ? QSize() : m_pictures[i].size().scaled(size, Qt::KeepAspectRatio);
        }
        QPixmap pixmap(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override
        {
            const qsizetype i = nearestIcon(m_pictures, std::max(size.width(), size.height()));
            if (i < 0 || size.isEmpty())
                return {};
            const QImage& picture = m_pictures[i];
            if (picture.size() == size)
                return QPixmap::fromImage(picture);
            return QPixmap::fromImage(picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        }
        void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
        {
            const double dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
            const QPixmap p = pixmap((QSizeF(rect.size()) * dpr).toSize(), mode, state);
            if (p.isNull())
                return;
            QSizeF drawn = QSizeF(p.size()) / dpr;
            painter->drawPixmap(QRectF(QPointF(rect.x() + (rect.width() - drawn.width()) / 2.0,
                                           rect.y() + (rect.height() - drawn.height()) / 2.0),
                                    drawn),
                p, QRectF(p.rect()));
        }

    private:
        QList<QImage> m_pictures;
    };

    // Bit `index` of a row of one-bit pixels, packed in units of `unit` bits.
    bool planeBit(const uchar* row, int index, const ImageLayout& layout)
    {
        const int unit = layout.scanlineUnit;
        const int unitBytes = unit / 8;
        const int inUnit = index % unit;
        const int significance = layout.lsbBitOrder ? inUnit : unit - 1 - inUnit;
        const int byteInUnit = layout.lsbByteOrder ? significance / 8 : unitBytes - 1 - significance / 8;
        const uchar byte = row[(index / unit) * unitBytes + byteInUnit];
        return (byte >> (significance % 8)) & 1;
    }

} // namespace

qsizetype nearestIcon(const QList<QImage>& pictures, int pixels)
{
    qsizetype best = -1;
    int bestDistance = 0, bestSide = 0;
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        const int side = std::max(pictures[i].width(), pictures[i].height());
        if (side <= 0)
            continue;
        const int distance = std::abs(side - pixels);
        if (best < 0 || distance < bestDistance || (distance == bestDistance && side > bestSide)) {
            best = i;
            bestDistance = distance;
            bestSide = side;
        }
    }
    return best;
}

QIcon nearestSizeIcon(const QList<QImage>& pictures)
{
    QList<QImage> usable;
    for (const QImage& picture : pictures) {
        if (!picture.isNull())
            usable << picture;
    }
    if (usable.isEmpty())
        return {};
    return QIcon(new NearestSizeEngine(usable));
}

IconHints iconHints(const QByteArray& bytes, int format)
{
    constexpr quint32 iconPixmapHint = 1u << 2, iconMaskHint = 1u << 5;
    const QList<quint32> v = cardinals(bytes, format);
    IconHints hints;
    if (v.size() < 9)
        return hints; // ICCCM's nine fields; older clients' shorter hints name no icon here
    if (v[0] & iconPixmapHint)
        hints.pixmap = v[3];
    if ((v[0] & iconMaskHint) && hints.pixmap != 0)
        hints.mask = v[7];
    return hints;
}

QImage pixmapImage(const QByteArray& bytes, int width, int height, const ImageLayout& layout)
{
    if (width <= 0 || height <= 0 || width > int(maxIconSide) || height > int(maxIconSide))
        return {};
    const int pad = layout.scanlinePad;
    if (pad != 8 && pad != 16 && pad != 32)
        return {};
    int bitsPerPixel = 0;
    if (layout.depth == 1) {
        if (layout.scanlineUnit != 8 && layout.scanlineUnit != 16 && layout.scanlineUnit != 32)
            return {};
        bitsPerPixel = 1;
    } else if ((layout.depth == 24 || layout.depth == 32) && layout.bitsPerPixel == 32) {
        bitsPerPixel = 32;
    } else {
        return {};
    }
    const qint64 rowBits = qint64(width) * bitsPerPixel;
    const qint64 rowBytes = (rowBits + pad - 1) / pad * (pad / 8);
    if (rowBytes * height > bytes.size())
        return {};
    QImage out(width, height, QImage::Format_ARGB32);
    if (out.isNull())
        return {};
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    for (int y = 0; y < height; ++y) {
        const uchar* row = data + rowBytes * y;
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (bitsPerPixel == 1) {
                line[x] = planeBit(row, x, layout) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
                continue;
            }
            const uchar* p = row + qint64(x) * 4;
            const quint32 value = layout.lsbByteOrder
                ? quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24
                : quint32(p[3]) | quint32(p[2]) << 8 | quint32(p[1]) << 16 | quint32(p[0]) << 24;
            line[x] = layout.depth == 32 ? QRgb(value) : (QRgb(value) | 0xFF000000u);
        }
    }
    if (layout.depth == 32) // premultiplied on the wire, as compositors expect
        out.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    return out;
}

QImage masked(const QImage& picture, const QImage& mask)
{
    if (mask.isNull() || mask.size() != picture.size())
        return picture;
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if (qRed(mask.pixel(x, y)) != 0)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }
    return out;
}

}

std::optional<QString> X11Properties::xsettingsString(const QByteArray& bytes, const QString& name)
{
    // byte-order, 3 unused, serial, count; then per setting: type, unused,
    // name length (16 bits), name padded to 4, last-change serial, value.
    if (bytes.size() < 12)
        return std::nullopt;
    const bool msbFirst = bytes[0] != 0;
    auto card = [&](qsizetype at, int width) -> std::optional<quint32> {
        if (at < 0 || at + width > bytes.size())
            return std::nullopt;
        quint32 v = 0;
        for (int i = 0; i < width; ++i) {
            const auto byte = quint8(bytes[at + (msbFirst ? i : width - 1 - i)]);
            v = (v << 8) | byte;
        }
        return v;
    };
    auto padded = [](quint32 n) { return (qsizetype(n) + 3) & ~qsizetype(3); };
    const auto count = card(8, 4);
    if (!count)
        return std::nullopt;
    qsizetype at = 12;
    for (quint32 i = 0; i < *count; ++i) {
        const auto type = card(at, 1);
        const auto nameLength = card(at + 2, 2);
        if (!type || !nameLength || at + 4 + qsizetype(*nameLength) > bytes.size())
            return std::nullopt;
        const QByteArray settingName = bytes.mid(at + 4, *nameLength);
        at += 4 + padded(*nameLength) + 4;
        switch (*type) {
        case 0: // integer
            at += 4;
            break;
        case 1: { // string
            const auto length = card(at, 4);
            if (!length || at + 4 + qsizetype(*length) > bytes.size())
                return std::nullopt;
            if (settingName == name.toUtf8())
                return QString::fromUtf8(bytes.mid(at + 4, *length));
            at += 4 + padded(*length);
            break;
        }
        case 2: // colour: four 16-bit values
            at += 8;
            break;
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}
