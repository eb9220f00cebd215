// Window icons as other clients set them: the size picked from several, the
// ICCCM icon pixmap and mask decoded in each bit and byte order a server may
// use, and hints or images that do not add up refused.

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>

#include "platform/linux/X11Properties.h"

namespace {

QImage solid(int side, QRgb colour)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

QByteArray words(std::initializer_list<quint32> values)
{
    QByteArray bytes;
    for (quint32 v : values)
        bytes.append(reinterpret_cast<const char*>(&v), 4);
    return bytes;
}

// A 3 x 2 bitmap, rows "X.X" and ".XX", as a server with the given orders
// and a 32-bit scanline unit and pad would send it.
QByteArray bitmap(bool lsbBytes, bool lsbBits)
{
    QByteArray bytes(8, '\0');
    const int rows[2][3] = { { 1, 0, 1 }, { 0, 1, 1 } };
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            if (!rows[y][x])
                continue;
            const int significance = lsbBits ? x : 31 - x;
            const int byte = lsbBytes ? significance / 8 : 3 - significance / 8;
            bytes[y * 4 + byte] = char(bytes[y * 4 + byte] | (1 << (significance % 8)));
        }
    }
    return bytes;
}

}

TEST(X11PropertiesTest, TheIconNearestTheSizeAskedForIsDrawn)
{
    const QList<QImage> sizes { solid(16, qRgb(255, 0, 0)), solid(48, qRgb(0, 255, 0)), solid(256, qRgb(0, 0, 255)) };
    EXPECT_EQ(X11Properties::nearestIcon(sizes, 16), 0);
    EXPECT_EQ(X11Properties::nearestIcon(sizes, 64), 1); // 48 is nearer than 256
    EXPECT_EQ(X11Properties::nearestIcon(sizes, 200), 2);
    EXPECT_EQ(X11Properties::nearestIcon({ solid(32, 0), solid(64, 0) }, 48), 1); // as near: the larger
    EXPECT_EQ(X11Properties::nearestIcon({}, 48), -1);

    const QIcon icon = X11Properties::nearestSizeIcon(sizes);
    ASSERT_FALSE(icon.isNull());
    const QImage drawn = icon.pixmap(QSize(64, 64), 1.0).toImage();
    EXPECT_EQ(drawn.size(), QSize(64, 64));
    EXPECT_EQ(drawn.pixel(32, 32), qRgb(0, 255, 0)); // scaled up from 48, not down from 256
    EXPECT_EQ(icon.pixmap(QSize(256, 256), 1.0).toImage().pixel(10, 10), qRgb(0, 0, 255));
    EXPECT_TRUE(X11Properties::nearestSizeIcon({ QImage() }).isNull());
}

TEST(X11PropertiesTest, HintsNameTheIconPixmapAndMaskOnlyWhenTheirFlagsSaySo)
{
    constexpr quint32 pixmapFlag = 1u << 2, maskFlag = 1u << 5;
    auto hints = X11Properties::iconHints(words({ pixmapFlag | maskFlag, 1, 1, 0x400001, 0, 0, 0, 0x400002, 0 }), 32);
    EXPECT_EQ(hints.pixmap, 0x400001u);
    EXPECT_EQ(hints.mask, 0x400002u);
    hints = X11Properties::iconHints(words({ maskFlag, 1, 1, 0x400001, 0, 0, 0, 0x400002, 0 }), 32);
    EXPECT_EQ(hints.pixmap, 0u); // a mask without a picture is nothing to draw
    EXPECT_EQ(hints.mask, 0u);
    hints = X11Properties::iconHints(words({ pixmapFlag, 1, 1, 0x400001, 0, 0, 0, 0x400002, 0 }), 32);
    EXPECT_EQ(hints.pixmap, 0x400001u);
    EXPECT_EQ(hints.mask, 0u);
    EXPECT_EQ(X11Properties::iconHints(words({ pixmapFlag, 1, 1, 0x400001 }), 32).pixmap, 0u); // cut short
    EXPECT_EQ(X11Properties::iconHints(words({ pixmapFlag, 1, 1, 7, 0, 0, 0, 0, 0 }), 8).pixmap, 0u);
}

TEST(X11PropertiesTest, ABitmapReadsTheSameInEveryBitAndByteOrder)
{
    for (const bool lsbBytes : { true, false }) {
        for (const bool lsbBits : { true, false }) {
            X11Properties::ImageLayout layout;
            layout.depth = 1;
            layout.lsbByteOrder = lsbBytes;
            layout.lsbBitOrder = lsbBits;
            const QImage image = X11Properties::pixmapImage(bitmap(lsbBytes, lsbBits), 3, 2, layout);
            ASSERT_EQ(image.size(), QSize(3, 2));
            QString rows;
            for (int y = 0; y < 2; ++y) {
                for (int x = 0; x < 3; ++x)
                    rows += image.pixel(x, y) == qRgb(0, 0, 0) ? QLatin1Char('X') : QLatin1Char('.');
                rows += QLatin1Char('/');
            }
            EXPECT_EQ(rows, QStringLiteral("X.X/.XX/")) << lsbBytes << lsbBits;
        }
    }
}

TEST(X11PropertiesTest, TheMaskCutsTheBitmapOutAndColourPixmapsKeepTheirColours)
{
    X11Properties::ImageLayout plane;
    plane.depth = 1;
    const QImage picture = X11Properties::pixmapImage(bitmap(true, true), 3, 2, plane);
    QByteArray maskBits(8, '\0');
    maskBits[0] = 0x3; // the first two pixels of the top row
    const QImage icon = X11Properties::masked(picture, X11Properties::pixmapImage(maskBits, 3, 2, plane));
    EXPECT_EQ(icon.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(icon.pixel(1, 0), qRgb(255, 255, 255)); // inside the mask, not set: the bitmap's background
    EXPECT_EQ(qAlpha(icon.pixel(2, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(1, 1)), 0);
    EXPECT_EQ(X11Properties::masked(picture, QImage()), picture);

    X11Properties::ImageLayout colour;
    colour.depth = 24;
    colour.bitsPerPixel = 32;
    const QByteArray pixels = words({ 0x00FF8000, 0x00000010 });
    const QImage opaque = X11Properties::pixmapImage(pixels, 2, 1, colour);
    EXPECT_EQ(opaque.pixel(0, 0), qRgb(0xFF, 0x80, 0x00));
    EXPECT_EQ(opaque.pixel(1, 0), qRgb(0, 0, 0x10));
}

TEST(X11PropertiesTest, ImagesThatDoNotAddUpAreRefused)
{
    X11Properties::ImageLayout plane;
    plane.depth = 1;
    EXPECT_TRUE(X11Properties::pixmapImage(QByteArray(7, '\0'), 3, 2, plane).isNull()); // a row short
    EXPECT_TRUE(X11Properties::pixmapImage(QByteArray(8, '\0'), 0, 2, plane).isNull());
    EXPECT_TRUE(X11Properties::pixmapImage(QByteArray(1 << 20, '\0'), 2000, 2, plane).isNull());
    X11Properties::ImageLayout odd = plane;
    odd.scanlineUnit = 12;
    EXPECT_TRUE(X11Properties::pixmapImage(QByteArray(8, '\0'), 3, 2, odd).isNull());
    X11Properties::ImageLayout colour;
    colour.depth = 16;
    colour.bitsPerPixel = 16;
    EXPECT_TRUE(X11Properties::pixmapImage(QByteArray(64, '\0'), 2, 2, colour).isNull());
}

TEST(X11PropertiesTest, TheIconThemeIsReadFromTheSettingsManagersList)
{
    for (const bool msbFirst : { false, true }) {
        QByteArray bytes;
        auto card = [&](quint32 v, int width) {
            for (int i = 0; i < width; ++i) {
                const int shift = 8 * (msbFirst ? width - 1 - i : i);
                bytes += char((v >> shift) & 0xff);
            }
        };
        auto name = [&](quint8 type, const QByteArray& n) {
            card(type, 1);
            card(0, 1);
            card(quint32(n.size()), 2);
            bytes += n + QByteArray((4 - n.size() % 4) % 4, '\0');
            card(7, 4); // last change
        };
        card(msbFirst ? 1 : 0, 1);
        bytes += QByteArray(3, '\0');
        card(42, 4);
        card(4, 4);
        name(0, "Net/DoubleClickTime");
        card(400, 4);
        name(2, "Gtk/Colour");
        for (quint32 c : { 1, 2, 3, 4 })
            card(c, 2);
        name(1, "Net/ThemeName");
        card(4, 4);
        bytes += "Dark";
        name(1, "Net/IconThemeName");
        card(7, 4);
        bytes += QByteArray("Contour") + '\0';
        EXPECT_EQ(
            X11Properties::xsettingsString(bytes, QStringLiteral("Net/IconThemeName")), QStringLiteral("Contour"));
        EXPECT_EQ(X11Properties::xsettingsString(bytes, QStringLiteral("Net/ThemeName")), QStringLiteral("Dark"));
        EXPECT_EQ(X11Properties::xsettingsString(bytes, QStringLiteral("Net/Missing")), std::nullopt);
        for (qsizetype cut = 0; cut < bytes.size() - 8; cut += 3)
            EXPECT_EQ(
                X11Properties::xsettingsString(bytes.left(cut), QStringLiteral("Net/IconThemeName")), std::nullopt);
    }
}
