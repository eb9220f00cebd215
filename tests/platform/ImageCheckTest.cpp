#include "platform/ImageCheck.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

constexpr ImageCheck::Limits limits { 256 * 1024, 1024, 1024 * 1024 };

QByteArray encoded(const char* format, QSize size = QSize(16, 8))
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

void putBe32(QByteArray& bytes, qsizetype at, quint32 value) { qToBigEndian(value, bytes.data() + at); }

}

TEST(ImageCheck, PicturesQtWritesPassWithTheSizeTheirHeadersGive)
{
    for (const char* format : { "png", "bmp", "jpeg", "ico" }) {
        if (!QImageWriter::supportedImageFormats().contains(format))
            continue;
        const ImageCheck::Verdict verdict = ImageCheck::inspect(encoded(format), limits);
        EXPECT_TRUE(verdict.ok()) << format << ": " << verdict.reason.toStdString();
        EXPECT_EQ(ImageCheck::formatName(verdict.format), QByteArray(format));
        EXPECT_EQ(verdict.size, QSize(16, 8)) << format;
    }
    // Anything else is left to the caller, within the byte limit only.
    EXPECT_EQ(ImageCheck::inspect("<svg/>", limits).format, ImageCheck::Format::other);
    EXPECT_TRUE(ImageCheck::inspect("<svg/>", limits).ok());
    EXPECT_EQ(ImageCheck::inspect(QByteArray(limits.maxBytes + 1, 'x'), limits).problem, ImageCheck::Problem::tooLarge);
}

TEST(ImageCheck, APngIsRefusedForEachBrokenPartOfItsStructure)
{
    const QByteArray good = encoded("png");
    const auto refusal = [](const QByteArray& bytes) {
        const ImageCheck::Verdict verdict = ImageCheck::inspect(bytes, limits);
        EXPECT_FALSE(verdict.reason.isEmpty());
        return verdict.problem;
    };
    // Dimensions over the limit, and none at all.
    QByteArray huge = good;
    putBe32(huge, 16, 5000);
    EXPECT_EQ(refusal(huge), ImageCheck::Problem::tooManyPixels);
    QByteArray empty = good;
    putBe32(empty, 20, 0);
    EXPECT_EQ(refusal(empty), ImageCheck::Problem::malformed);
    // A bit depth its colour type cannot have.
    QByteArray depth = good;
    depth[24] = 3;
    EXPECT_EQ(refusal(depth), ImageCheck::Problem::malformed);
    // Another chunk before IHDR.
    QByteArray order = good;
    order.replace(12, 4, "tEXt");
    EXPECT_EQ(refusal(order), ImageCheck::Problem::malformed);
    // A chunk whose length reaches past the end, and a file cut before IEND.
    QByteArray length = good;
    putBe32(length, 33, 0x7ffffff0);
    EXPECT_EQ(refusal(length), ImageCheck::Problem::malformed);
    EXPECT_EQ(refusal(good.left(good.size() - 12)), ImageCheck::Problem::malformed);
    // Bytes after IEND are ignored, as decoders do.
    EXPECT_TRUE(ImageCheck::inspect(good + "trailing", limits).ok());
}

TEST(ImageCheck, OtherFormatsAreRefusedWhenTheirHeadersPointOutsideOrOverTheLimits)
{
    if (QImageWriter::supportedImageFormats().contains("ico")) {
        QByteArray ico = encoded("ico");
        qToLittleEndian<quint32>(quint32(ico.size()), ico.data() + 6 + 12); // the picture's offset
        EXPECT_EQ(ImageCheck::inspect(ico, limits).problem, ImageCheck::Problem::malformed);
        // A PNG inside is checked as one.
        QByteArray inner = encoded("png", QSize(2000, 2));
        QByteArray withPng = QByteArray::fromHex("0000010001000000000001002000") + QByteArray(8, '\0');
        qToLittleEndian<quint32>(quint32(inner.size()), withPng.data() + 6 + 8);
        qToLittleEndian<quint32>(22, withPng.data() + 6 + 12);
        EXPECT_EQ(ImageCheck::inspect(withPng + inner, limits).problem, ImageCheck::Problem::tooManyPixels);
    }
    QByteArray bmp = encoded("bmp");
    qToLittleEndian<quint32>(quint32(bmp.size() + 1), bmp.data() + 10);
    EXPECT_EQ(ImageCheck::inspect(bmp, limits).problem, ImageCheck::Problem::malformed);
    // A GIF frame larger than its screen still counts.
    const QByteArray gif = QByteArray("GIF89a") + QByteArray::fromHex("01000100000000")
        + QByteArray::fromHex("2c000000000008010002") + QByteArray::fromHex("02024401003b");
    EXPECT_EQ(ImageCheck::inspect(gif, limits).problem, ImageCheck::Problem::tooManyPixels);
    // A JPEG segment reaching past the end, before any frame header.
    EXPECT_EQ(ImageCheck::inspect(QByteArray::fromHex("ffd8ffe00100"), limits).problem, ImageCheck::Problem::malformed);
}
