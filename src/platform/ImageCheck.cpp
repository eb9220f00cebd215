#include "platform/ImageCheck.h"

#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <optional>

namespace ImageCheck {
namespace {

    // The bytes, read with bounds: every read outside them is an empty answer.
    class Bytes {
    public:
        explicit Bytes(QByteArrayView bytes)
            : m_bytes(bytes)
        {
        }
        qint64 size() const { return m_bytes.size(); }
        bool has(qint64 pos, qint64 count) const { return pos >= 0 && count >= 0 && pos <= size() - count; }
        std::optional<quint32> u8(qint64 pos) const
        {
            if (!has(pos, 1))
                return std::nullopt;
            return quint8(m_bytes[pos]);
        }
        std::optional<quint32> be16(qint64 pos) const { return read(pos, 2, false); }
        std::optional<quint32> be32(qint64 pos) const { return read(pos, 4, false); }
        std::optional<quint32> le16(qint64 pos) const { return read(pos, 2, true); }
        std::optional<quint32> le32(qint64 pos) const { return read(pos, 4, true); }
        bool startsWith(QByteArrayView prefix, qint64 pos = 0) const
        {
            return has(pos, prefix.size()) && m_bytes.sliced(pos, prefix.size()) == prefix;
        }
        QByteArrayView slice(qint64 pos, qint64 count) const { return m_bytes.sliced(pos, count); }

    private:
        std::optional<quint32> read(qint64 pos, int count, bool littleEndian) const
        {
            if (!has(pos, count))
                return std::nullopt;
            quint32 value = 0;
            for (int i = 0; i < count; ++i) {
                const quint32 byte = quint8(m_bytes[pos + (littleEndian ? count - 1 - i : i)]);
                value = (value << 8) | byte;
            }
            return value;
        }

        QByteArrayView m_bytes;
    };

    Verdict refuse(Verdict verdict, Problem problem, const QString& why)
    {
        verdict.problem = problem;
        verdict.reason = QString::fromLatin1(formatName(verdict.format).toUpper()) + QStringLiteral(": ") + why;
        return verdict;
    }

    Verdict malformed(Verdict verdict, const QString& why)
    {
        return refuse(std::move(verdict), Problem::malformed, why);
    }

    // The promised size against the limits; `verdict` as it is when within them.
    Verdict holdToLimits(Verdict verdict, qint64 width, qint64 height, const Limits& limits)
    {
        verdict.size = QSize(int(std::min<qint64>(width, INT32_MAX)), int(std::min<qint64>(height, INT32_MAX)));
        if (width > limits.maxPixelSide || height > limits.maxPixelSide || width * height > limits.maxPixels)
            return refuse(std::move(verdict), Problem::tooManyPixels,
                QStringLiteral("a picture of %1 x %2 pixels is too large").arg(width).arg(height));
        return verdict;
    }

    const QByteArrayView pngSignature("\x89PNG\r\n\x1a\n", 8);

    bool pngDepthFits(quint32 colourType, quint32 depth)
    {
        switch (colourType) {
        case 0: // grey
            return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
        case 3: // palette
            return depth == 1 || depth == 2 || depth == 4 || depth == 8;
        case 2: // RGB
        case 4: // grey and alpha
        case 6: // RGBA
            return depth == 8 || depth == 16;
        default:
            return false;
        }
    }

    bool isChunkType(quint32 type)
    {
        for (int shift = 0; shift < 32; shift += 8) {
            const char c = char((type >> shift) & 0xff);
            if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
                return false;
        }
        return true;
    }

    // A PNG: IHDR first, every chunk within the bytes, image data, then IEND
    // (bytes after it are ignored, as decoders do).
    Verdict inspectPng(const Bytes& b, const Limits& limits)
    {
        Verdict v;
        v.format = Format::png;
        constexpr quint32 ihdr = 0x49484452;
        constexpr quint32 idat = 0x49444154;
        constexpr quint32 iend = 0x49454e44;
        qint64 pos = pngSignature.size();
        if (b.be32(pos) != 13U || b.be32(pos + 4) != ihdr)
            return malformed(v, QStringLiteral("the first chunk is not a 13-byte IHDR"));
        const auto width = b.be32(pos + 8);
        const auto height = b.be32(pos + 12);
        const auto depth = b.u8(pos + 16);
        const auto colourType = b.u8(pos + 17);
        const auto compression = b.u8(pos + 18);
        const auto filter = b.u8(pos + 19);
        const auto interlace = b.u8(pos + 20);
        if (!b.has(pos, 25) || !width || !height || !depth || !colourType || !compression || !filter || !interlace)
            return malformed(v, QStringLiteral("the IHDR chunk is cut short"));
        if (*width == 0 || *height == 0 || *width > 0x7fffffffU || *height > 0x7fffffffU)
            return malformed(v, QStringLiteral("the header gives a size of %1 x %2 pixels").arg(*width).arg(*height));
        v = holdToLimits(v, *width, *height, limits);
        if (!v.ok())
            return v;
        if (!pngDepthFits(*colourType, *depth))
            return malformed(v, QStringLiteral("bit depth %1 with colour type %2").arg(*depth).arg(*colourType));
        if (*compression != 0 || *filter != 0 || *interlace > 1)
            return malformed(v, QStringLiteral("unknown compression, filter or interlace method"));
        pos += 25;
        bool imageData = false;
        for (;;) {
            const auto length = b.be32(pos);
            const auto type = b.be32(pos + 4);
            if (!length || !type)
                return malformed(v, QStringLiteral("the bytes end before the IEND chunk"));
            if (*length > 0x7fffffffU || !b.has(pos + 8, qint64(*length) + 4))
                return malformed(
                    v, QStringLiteral("a chunk of %1 bytes at byte %2 reaches past the end").arg(*length).arg(pos));
            if (!isChunkType(*type))
                return malformed(v, QStringLiteral("a chunk at byte %1 has no valid type").arg(pos));
            if (*type == ihdr)
                return malformed(v, QStringLiteral("a second IHDR chunk at byte %1").arg(pos));
            if (*type == idat)
                imageData = true;
            if (*type == iend)
                break;
            pos += 12 + qint64(*length);
        }
        if (!imageData)
            return malformed(v, QStringLiteral("no image data before IEND"));
        return v;
    }

    // An ICO or CUR file: its directory and every picture it points to within
    // the file; a PNG picture is checked as a PNG, a bitmap's header for its size.
    Verdict inspectIco(const Bytes& b, const Limits& limits)
    {
        Verdict v;
        v.format = Format::ico;
        const auto count = b.le16(4);
        if (!count || *count == 0)
            return malformed(v, QStringLiteral("the directory lists no picture"));
        const qint64 directoryEnd = 6 + 16 * qint64(*count);
        if (!b.has(0, directoryEnd))
            return malformed(v, QStringLiteral("the directory of %1 entries reaches past the end").arg(*count));
        QSize largest; // of the pictures, the one with the most pixels
        for (quint32 i = 0; i < *count; ++i) {
            const qint64 entry = 6 + 16 * qint64(i);
            const quint32 bytes = *b.le32(entry + 8);
            const quint32 offset = *b.le32(entry + 12);
            if (bytes == 0 || offset < directoryEnd || !b.has(offset, bytes))
                return malformed(v,
                    QStringLiteral("picture %1 (%2 bytes at byte %3) lies outside the file")
                        .arg(i)
                        .arg(bytes)
                        .arg(offset));
            qint64 width = *b.u8(entry) == 0 ? 256 : *b.u8(entry);
            qint64 height = *b.u8(entry + 1) == 0 ? 256 : *b.u8(entry + 1);
            if (b.startsWith(pngSignature, offset)) {
                const Verdict inner = inspectPng(Bytes(b.slice(offset, bytes)), limits);
                if (!inner.ok())
                    return refuse(v, inner.problem, QStringLiteral("picture %1: %2").arg(i).arg(inner.reason));
                width = inner.size.width();
                height = inner.size.height();
            } else if (const auto header = b.le32(offset); header && *header >= 40 && bytes >= 40) {
                // A bitmap without its file header; its height counts the mask too.
                const qint64 w = qint32(*b.le32(offset + 4));
                const qint64 h = qint32(*b.le32(offset + 8));
                if (w <= 0 || h == 0)
                    return malformed(
                        v, QStringLiteral("picture %1 has a bitmap of %2 x %3 pixels").arg(i).arg(w).arg(h));
                width = std::max(width, w);
                height = std::max(height, (h < 0 ? -h : h) / 2);
            }
            const Verdict sized = holdToLimits(v, width, height, limits);
            if (!sized.ok())
                return refuse(v, sized.problem, QStringLiteral("picture %1: %2").arg(i).arg(sized.reason));
            if (width * height > qint64(largest.width()) * largest.height())
                largest = QSize(int(width), int(height));
        }
        v.size = largest;
        return v;
    }

    // Skips a GIF's data sub-blocks from `pos`; the position after their end,
    // or nothing when the bytes end first.
    std::optional<qint64> skipSubBlocks(const Bytes& b, qint64 pos)
    {
        for (;;) {
            const auto length = b.u8(pos);
            if (!length)
                return std::nullopt;
            if (*length == 0)
                return pos + 1;
            pos += 1 + *length;
        }
    }

    // A GIF: the logical screen and every frame within the limits. A file that
    // ends early, or goes on with something else, is what decoders show as far
    // as it goes, not refused.
    Verdict inspectGif(const Bytes& b, const Limits& limits)
    {
        Verdict v;
        v.format = Format::gif;
        const auto screenWidth = b.le16(6);
        const auto screenHeight = b.le16(8);
        const auto flags = b.u8(10);
        if (!screenWidth || !screenHeight || !flags || !b.has(0, 13))
            return malformed(v, QStringLiteral("the screen descriptor is cut short"));
        qint64 width = *screenWidth;
        qint64 height = *screenHeight;
        v = holdToLimits(v, width, height, limits);
        if (!v.ok())
            return v;
        qint64 pos = 13 + ((*flags & 0x80) ? 3 * (qint64(2) << (*flags & 7)) : 0);
        for (;;) {
            const auto block = b.u8(pos);
            if (!block || *block == 0x3b)
                break;
            if (*block == 0x21) {
                const auto end = skipSubBlocks(b, pos + 2);
                if (!end)
                    break;
                pos = *end;
            } else if (*block == 0x2c) {
                const auto left = b.le16(pos + 1);
                const auto top = b.le16(pos + 3);
                const auto w = b.le16(pos + 5);
                const auto h = b.le16(pos + 7);
                const auto frameFlags = b.u8(pos + 9);
                if (!left || !top || !w || !h || !frameFlags)
                    break;
                width = std::max(width, qint64(*left) + *w);
                height = std::max(height, qint64(*top) + *h);
                Verdict sized = holdToLimits(v, width, height, limits);
                if (!sized.ok())
                    return sized;
                pos += 10 + ((*frameFlags & 0x80) ? 3 * (qint64(2) << (*frameFlags & 7)) : 0);
                const auto end = skipSubBlocks(b, pos + 1); // after the code size
                if (!end)
                    break;
                pos = *end;
            } else {
                break; // where decoders stop too
            }
        }
        v.size = QSize(int(width), int(height));
        return v;
    }

    // A JPEG: segments within the bytes up to the frame header, which gives the size.
    Verdict inspectJpeg(const Bytes& b, const Limits& limits)
    {
        Verdict v;
        v.format = Format::jpeg;
        qint64 pos = 2;
        for (;;) {
            const auto mark = b.u8(pos);
            if (!mark)
                return malformed(v, QStringLiteral("the bytes end before the frame header"));
            if (*mark != 0xff)
                return malformed(v, QStringLiteral("no marker at byte %1").arg(pos));
            ++pos;
            std::optional<quint32> marker = b.u8(pos);
            while (marker == 0xffU)
                marker = b.u8(++pos);
            if (!marker)
                return malformed(v, QStringLiteral("the bytes end before the frame header"));
            ++pos;
            if ((*marker >= 0xd0 && *marker <= 0xd7) || *marker == 0x01)
                continue; // no length
            if (*marker == 0xd9 || *marker == 0xda || *marker == 0xd8)
                return malformed(v, QStringLiteral("marker 0x%1 before the frame header").arg(*marker, 2, 16));
            const auto length = b.be16(pos);
            if (!length || *length < 2 || !b.has(pos, *length))
                return malformed(v, QStringLiteral("a segment at byte %1 reaches past the end").arg(pos));
            const bool frame
                = *marker >= 0xc0 && *marker <= 0xcf && *marker != 0xc4 && *marker != 0xc8 && *marker != 0xcc;
            if (frame) {
                const auto height = b.be16(pos + 3);
                const auto width = b.be16(pos + 5);
                if (*length < 8 || !height || !width)
                    return malformed(v, QStringLiteral("the frame header is cut short"));
                if (*width == 0 || *height == 0)
                    return malformed(
                        v, QStringLiteral("the frame header gives %1 x %2 pixels").arg(*width).arg(*height));
                return holdToLimits(v, *width, *height, limits);
            }
            pos += *length;
        }
    }

    // A BMP: its two headers, the size they give and the pixels' offset within the file.
    Verdict inspectBmp(const Bytes& b, const Limits& limits)
    {
        Verdict v;
        v.format = Format::bmp;
        const auto offset = b.le32(10);
        const auto header = b.le32(14);
        if (!offset || !header)
            return malformed(v, QStringLiteral("the headers are cut short"));
        qint64 width = 0;
        qint64 height = 0;
        if (*header == 12 && b.has(14, 12)) {
            width = *b.le16(18);
            height = *b.le16(20);
        } else if (*header >= 40 && b.has(14, 40)) {
            width = qint32(*b.le32(18));
            height = qint32(*b.le32(22));
            height = height < 0 ? -height : height; // top-down rows
        } else {
            return malformed(v, QStringLiteral("an information header of %1 bytes").arg(*header));
        }
        if (width <= 0 || height <= 0)
            return malformed(v, QStringLiteral("the header gives %1 x %2 pixels").arg(width).arg(height));
        if (*offset < 14 + *header || *offset > b.size())
            return malformed(v, QStringLiteral("the pixels begin at byte %1, outside the file").arg(*offset));
        return holdToLimits(v, width, height, limits);
    }

    Format formatOf(const Bytes& b)
    {
        if (b.startsWith(pngSignature))
            return Format::png;
        if (b.startsWith("GIF87a") || b.startsWith("GIF89a"))
            return Format::gif;
        if (b.startsWith("\xff\xd8"))
            return Format::jpeg;
        if (b.startsWith("BM"))
            return Format::bmp;
        if (b.startsWith(QByteArrayView("\0\0\1\0", 4)) || b.startsWith(QByteArrayView("\0\0\2\0", 4)))
            return Format::ico;
        return Format::other;
    }

}

QByteArray formatName(Format format)
{
    switch (format) {
    case Format::png:
        return QByteArrayLiteral("png");
    case Format::ico:
        return QByteArrayLiteral("ico");
    case Format::gif:
        return QByteArrayLiteral("gif");
    case Format::jpeg:
        return QByteArrayLiteral("jpeg");
    case Format::bmp:
        return QByteArrayLiteral("bmp");
    case Format::other:
        break;
    }
    return {};
}

Verdict inspect(QByteArrayView bytes, const Limits& limits)
{
    const Bytes b(bytes);
    Verdict v;
    v.format = formatOf(b);
    if (b.size() > limits.maxBytes) {
        v.problem = Problem::tooLarge;
        v.reason = QStringLiteral("%1 bytes, more than %2").arg(b.size()).arg(limits.maxBytes);
        return v;
    }
    switch (v.format) {
    case Format::png:
        return inspectPng(b, limits);
    case Format::ico:
        return inspectIco(b, limits);
    case Format::gif:
        return inspectGif(b, limits);
    case Format::jpeg:
        return inspectJpeg(b, limits);
    case Format::bmp:
        return inspectBmp(b, limits);
    case Format::other:
        break;
    }
    return v;
}

}
