#include "switcher/RingEffects.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {
// Straightforward three box passes per direction with exact division and
// repeated edge pixels: what the blur must come out as.
QImage referenceBlur(const QImage& source, const std::array<int, 3>& radii)
{
    QImage img = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = img.width(), h = img.height();
    const auto pass = [&](bool horizontal, int r) {
        const QImage in = img.copy();
        const int win = 2 * r + 1;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                int sum[4] = {0, 0, 0, 0};
                for (int k = -r; k <= r; ++k) {
                    const int sx = horizontal ? std::clamp(x + k, 0, w - 1) : x;
                    const int sy = horizontal ? y : std::clamp(y + k, 0, h - 1);
                    const QRgb p = reinterpret_cast<const QRgb*>(in.constScanLine(sy))[sx];
                    sum[0] += qAlpha(p);
                    sum[1] += qRed(p);
                    sum[2] += qGreen(p);
                    sum[3] += qBlue(p);
                }
                reinterpret_cast<QRgb*>(img.scanLine(y))[x] = qRgba(sum[1] / win, sum[2] / win, sum[3] / win, sum[0] / win);
            }
        }
    };
    for (int r : radii)
        pass(true, r);
    for (int r : radii)
        pass(false, r);
    return img;
}

QImage noise(int w, int h, quint32 seed)
{
    QRandomGenerator rng(seed);
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int a = int(rng.bounded(256));
            row[x] = qRgba(int(rng.bounded(a + 1)), int(rng.bounded(a + 1)), int(rng.bounded(a + 1)), a);
        }
    }
    return img;
}

int largestDifference(const QImage& a, const QImage& b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            worst = std::max({worst, std::abs(qAlpha(pa[x]) - qAlpha(pb[x])), std::abs(qRed(pa[x]) - qRed(pb[x])),
                              std::abs(qGreen(pa[x]) - qGreen(pb[x])), std::abs(qBlue(pa[x]) - qBlue(pb[x]))});
        }
    }
    return worst;
}
}

TEST(RingEffectsTest, BoxBlurMatchesThreeExactBoxPassesAndStaysPremultiplied)
{
    // sigma 0.8 -> radii {0, 0, 1}; 2.5 -> {2, 2, 2}; 6 -> {5, 5, 6}: an odd
    // size, an image narrower than the window and padded rows (width 37).
    struct Case {
        int w, h;
        double sigma;
        std::array<int, 3> radii;
    };
    for (const Case& c : {Case {37, 23, 0.8, {0, 0, 1}}, Case {37, 23, 2.5, {2, 2, 2}}, Case {9, 40, 6.0, {5, 5, 6}}}) {
        const QImage source = noise(c.w, c.h, quint32(c.w * 1000 + c.h));
        QImage blurred = source;
        RingEffects::boxBlur(blurred, c.sigma);
        ASSERT_EQ(blurred.size(), source.size());
        EXPECT_EQ(largestDifference(blurred, referenceBlur(source, c.radii)), 0) << "sigma " << c.sigma;
        for (int y = 0; y < blurred.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(blurred.constScanLine(y));
            for (int x = 0; x < blurred.width(); ++x) {
                const QRgb p = row[x];
                ASSERT_LE(std::max({qRed(p), qGreen(p), qBlue(p)}), qAlpha(p)) << x << "," << y;
            }
        }
    }
}

TEST(RingEffectsTest, BoxBlurKeepsFlatAreasAndSpreadsAnEdge)
{
    // An opaque half next to a transparent half: far from the edge nothing
    // changes, across it alpha falls steadily, and a fully opaque colour
    // stays exact (no drift from the reciprocal).
    QImage img(120, 16, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.fillRect(QRect(0, 0, 60, 16), QColor(200, 40, 90));
    }
    RingEffects::boxBlur(img, 4.0);
    const auto at = [&](int x) { return img.pixel(x, 8); };
    EXPECT_EQ(at(5), qRgb(200, 40, 90));
    EXPECT_EQ(qAlpha(at(115)), 0);
    for (int x = 45; x < 75; ++x)
        EXPECT_GE(qAlpha(at(x)), qAlpha(at(x + 1))) << x;
    EXPECT_GT(qAlpha(at(60)), 80);
    EXPECT_LT(qAlpha(at(60)), 175);

    // Below half a pixel nothing is done at all.
    QImage same = img.copy();
    RingEffects::boxBlur(same, 0.4);
    EXPECT_EQ(same, img);
}
