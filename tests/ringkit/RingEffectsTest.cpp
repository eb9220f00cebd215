#include "ringkit/RingEffects.h"
#include "ringkit/RingMotion.h"
#include "ringkit/RingShapes.h"
#include "ringkit/RingText.h"
#include "ringkit/WindowArcCard.h"

#include "support/TestSupport.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
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
                int sum[4] = { 0, 0, 0, 0 };
                for (int k = -r; k <= r; ++k) {
                    const int sx = horizontal ? std::clamp(x + k, 0, w - 1) : x;
                    const int sy = horizontal ? y : std::clamp(y + k, 0, h - 1);
                    const QRgb p = reinterpret_cast<const QRgb*>(in.constScanLine(sy))[sx];
                    sum[0] += qAlpha(p);
                    sum[1] += qRed(p);
                    sum[2] += qGreen(p);
                    sum[3] += qBlue(p);
                }
                reinterpret_cast<QRgb*>(img.scanLine(y))[x]
                    = qRgba(sum[1] / win, sum[2] / win, sum[3] / win, sum[0] / win);
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
            worst = std::max({ worst, std::abs(qAlpha(pa[x]) - qAlpha(pb[x])), std::abs(qRed(pa[x]) - qRed(pb[x])),
                std::abs(qGreen(pa[x]) - qGreen(pb[x])), std::abs(qBlue(pa[x]) - qBlue(pb[x])) });
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
    for (const Case& c :
        { Case { 37, 23, 0.8, { 0, 0, 1 } }, Case { 37, 23, 2.5, { 2, 2, 2 } }, Case { 9, 40, 6.0, { 5, 5, 6 } } }) {
        const QImage source = noise(c.w, c.h, quint32(c.w * 1000 + c.h));
        QImage blurred = source;
        RingEffects::boxBlur(blurred, c.sigma);
        ASSERT_EQ(blurred.size(), source.size());
        EXPECT_EQ(largestDifference(blurred, referenceBlur(source, c.radii)), 0) << "sigma " << c.sigma;
        for (int y = 0; y < blurred.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(blurred.constScanLine(y));
            for (int x = 0; x < blurred.width(); ++x) {
                const QRgb p = row[x];
                ASSERT_LE(std::max({ qRed(p), qGreen(p), qBlue(p) }), qAlpha(p)) << x << "," << y;
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

namespace {
QImage square(int side, QColor colour, double dpr = 1.0)
{
    QImage img(side, side, QImage::Format_ARGB32_Premultiplied);
    img.fill(colour);
    img.setDevicePixelRatio(dpr);
    return img;
}

QImage clearCanvas(int side, double dpr)
{
    QImage img(int(side * dpr), int(side * dpr), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::transparent);
    return img;
}
}

TEST(RingEffectsTest, BlurCacheReusesAHalfPointStepAndNeverServesAnotherImage)
{
    RingBlurCache cache;
    const QImage red = square(40, Qt::red), blue = square(40, Qt::blue);
    // Under half a point: the image itself.
    EXPECT_EQ(cache.blurred(red, 0.2, false).cacheKey(), red.cacheKey());

    const qint64 first = cache.blurred(red, 2.1, false).cacheKey();
    EXPECT_EQ(cache.blurred(red, 2.2, false).cacheKey(), first); // the same step
    EXPECT_NE(cache.blurred(red, 2.9, false).cacheKey(), first); // the next one
    // Another image at the same blur is blurred afresh, not served stale.
    const QImage& fromBlue = cache.blurred(blue, 2.9, false);
    EXPECT_EQ(QColor(fromBlue.pixel(20, 20)), QColor(Qt::blue));
}

TEST(RingEffectsTest, PaddedBlurKeepsTheImagesSizeInPointsAndAClearEdge)
{
    // A 256-pixel icon drawn at 48 points: reduced to what is drawn, the blur
    // and its margin stay the same in the icon's own points.
    RingBlurCache full, reduced;
    const QImage icon = square(256, QColor(200, 40, 90));
    const QImage& a = full.blurred(icon, 4.0, true);
    const QImage& b = reduced.blurred(icon, 4.0, true, 64);
    EXPECT_NEAR(a.deviceIndependentSize().width(), 256.0 + 2 * (3 * 4.0 + 2), 1.0);
    // (Its last two clear pixels span more points at the reduced ratio.)
    EXPECT_NEAR(b.deviceIndependentSize().width(), a.deviceIndependentSize().width(), 16.0);
    EXPECT_LE(b.width(), 64 + 2 * 6);
    EXPECT_EQ(QColor(b.pixel(b.width() / 2, b.height() / 2)), QColor(200, 40, 90));
    // The blur fades out within the margin, at every width and pixel ratio
    // and at blurs that are worked on a reduced copy: a clear edge is what
    // lets a turning icon be drawn one span a row, off Qt's thread pool.
    for (double dpr : { 1.0, 2.0 }) {
        QImage opaque = square(96, QColor(20, 120, 220));
        opaque.setDevicePixelRatio(dpr);
        for (double blur : { 1.0, 2.5, 4.0, 7.0, 12.0 }) {
            RingBlurCache cache;
            const QImage& out = cache.blurred(opaque, blur, true);
            int worst = 0;
            for (int x = 0; x < out.width(); ++x)
                worst = std::max({ worst, qAlpha(out.pixel(x, 0)), qAlpha(out.pixel(x, out.height() - 1)) });
            for (int y = 0; y < out.height(); ++y)
                worst = std::max({ worst, qAlpha(out.pixel(0, y)), qAlpha(out.pixel(out.width() - 1, y)) });
            EXPECT_EQ(worst, 0) << "blur " << blur << " at dpr " << dpr;
        }
    }
}

TEST(RingEffectsTest, BlurredLayerSoftensWithinTheContentAndItsSpread)
{
    for (double dpr : { 1.0, 2.0 }) {
        QImage target = clearCanvas(300, dpr);
        RingBlurLayer layer;
        {
            QPainter p(&target);
            layer.draw(p, QRectF(100, 100, 100, 100), 6.0, dpr,
                [](QPainter& lp, double) { lp.fillRect(QRectF(120, 120, 60, 60), Qt::black); });
        }
        const auto alphaAt = [&](double x, double y) { return qAlpha(target.pixel(int(x * dpr), int(y * dpr))); };
        EXPECT_GT(alphaAt(150, 150), 240) << dpr; // the middle stays dark
        EXPECT_GT(alphaAt(117, 150), 20) << dpr; // spread beyond the edge
        EXPECT_LT(alphaAt(121, 150), 200) << dpr; // and the edge itself softened
        EXPECT_EQ(alphaAt(20, 20), 0) << dpr; // far outside: untouched
        EXPECT_EQ(alphaAt(280, 150), 0) << dpr;

        // Its memory freed between showings, the layer draws the same again,
        // at the same size and after a larger one.
        for (const double side : { 100.0, 160.0, 100.0 }) {
            layer.release();
            QImage again = clearCanvas(300, dpr);
            QPainter p(&again);
            layer.draw(p, QRectF(100, 100, side, side), 6.0, dpr,
                [](QPainter& lp, double) { lp.fillRect(QRectF(120, 120, 60, 60), Qt::black); });
            p.end();
            if (side == 100.0)
                EXPECT_EQ(again, target) << dpr;
            else
                EXPECT_EQ(qAlpha(again.pixel(int(150 * dpr), int(150 * dpr))),
                    qAlpha(target.pixel(int(150 * dpr), int(150 * dpr))));
        }
    }
    EXPECT_DOUBLE_EQ(RingBlurLayer::layerScale(16.0, 2.0), 0.25);
    EXPECT_DOUBLE_EQ(RingBlurLayer::layerScale(1.5, 2.0), 0.5);
    EXPECT_FALSE(RingBlurLayer::isWanted(1.0));
    EXPECT_TRUE(RingBlurLayer::isWanted(1.2));
}

TEST(RingEffectsTest, BilinearResamplingLandsWhereTheRasterEngineSamples)
{
    // Translucent noise, so that a shifted or mis-weighted sample shows.
    const QImage source = noise(37, 23, 7);
    for (const QSize size : { QSize(148, 92), QSize(74, 46), QSize(93, 57), QSize(20, 12) }) {
        QImage expected(size, QImage::Format_ARGB32_Premultiplied),
            resampled(size, QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::transparent);
        {
            QPainter p(&expected);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(QRectF(QPointF(0, 0), QSizeF(size)), source);
        }
        RingEffects::resampleBilinear(source, resampled);
        // The engine weighs in sixteenths when enlarging, this in 256ths.
        EXPECT_LE(largestDifference(expected, resampled), 4) << size.width();
    }
}

TEST(RingEffectsTest, ImagesOnWholePixelsAreCopiedWhereTheFilteredDrawPutsThem)
{
    QImage image = noise(60, 40, 3);
    for (double dpr : { 1.0, 2.0 }) {
        image.setDevicePixelRatio(dpr);
        const QRectF target(QPointF(13.0, 7.5), QSizeF(image.size()) / dpr);
        QImage filtered = clearCanvas(100, dpr), copied = clearCanvas(100, dpr), centred = clearCanvas(100, dpr);
        {
            QPainter p(&filtered);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(target, image);
        }
        {
            QPainter p(&copied);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            EXPECT_EQ(RingEffects::landsOnPixels(p, target, image), dpr == 2.0);
            RingEffects::drawImageInBands(p, target, image);
        }
        {
            // Off the grid by a fraction of a pixel: moved onto it.
            QPainter p(&centred);
            RingEffects::drawImageCentered(p, target.center() + QPointF(0.2, -0.2) / dpr, image, dpr);
        }
        EXPECT_LE(largestDifference(filtered, copied), 1) << dpr;
        if (dpr == 2.0) {
            EXPECT_EQ(largestDifference(copied, centred), 0);
        }
    }
}

TEST(RingEffectsTest, BandedDrawingMatchesOneDraw)
{
    // A turned, scaled image tall enough to be split into bands lands on the
    // same pixels as one draw: no seams, nothing lost at the bands' edges.
    // Drawn clipped to the ring it holds (a wedge: half a ring, outlined),
    // the bands leave out its hole and corners and still lose nothing of it.
    QImage image(300, 300, QImage::Format_ARGB32_Premultiplied), wedge = image;
    image.fill(Qt::transparent);
    wedge.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(30, 160, 90, 200));
        p.drawEllipse(QRectF(10, 10, 280, 280));
    }
    {
        QPainter p(&wedge);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath ring;
        ring.addEllipse(QPointF(150, 150), 140, 140);
        ring.addEllipse(QPointF(150, 150), 60, 60);
        p.setClipRect(QRectF(153, 0, 147, 300));
        p.setBrush(QColor(30, 160, 90, 200));
        p.setPen(QPen(QColor(20, 40, 200, 160), 2.0));
        p.drawPath(ring);
    }
    for (double dpr : { 1.0, 2.0 }) {
        QImage one = clearCanvas(400, dpr), banded = clearCanvas(400, dpr);
        QImage wedgeOne = clearCanvas(400, dpr), wedgeInRing = clearCanvas(400, dpr);
        const auto draw = [&](QImage& target, const QImage& source, int how) {
            QPainter p(&target);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.translate(200, 200);
            p.rotate(7.5);
            p.scale(0.93, 0.93);
            p.translate(-200, -200);
            const QRectF at(50, 50, 300, 300);
            if (how == 1)
                RingEffects::drawImageInBands(p, at, source);
            else if (how == 2)
                RingEffects::drawImageInRing(p, at, source, QPointF(200, 200), 60.0 - 3.0, 140.0 + 3.0);
            else
                p.drawImage(at, source);
        };
        draw(one, image, 0);
        draw(banded, image, 1);
        EXPECT_LE(largestDifference(one, banded), 1) << dpr;
        draw(wedgeOne, wedge, 0);
        draw(wedgeInRing, wedge, 2);
        // A span clipped at its side steps the filter's samples from there:
        // they land within a twentieth of a pixel of one draw's, which moves
        // an edge pixel by a few levels. A ring a pixel too tight cuts its
        // outline by several times that.
        EXPECT_LE(largestDifference(wedgeOne, wedgeInRing), 16) << dpr;
    }
}

TEST(RingEffectsTest, LayersUnderOnePixelPerPointHoldTheirDrawingAtThatScale)
{
    // The small layers of a blurred ring have half a pixel per point or
    // less; a painter takes such an image for one pixel per point, and the
    // drawing came out twice as large and cut off at the layer's edge.
    TestSupport::SimEnvironment env;
    const auto alphaAt = [](const QImage& img, int x, int y) { return qAlpha(img.pixel(x, y)); };

    // A cached layer: the left half of 200 x 100 points filled.
    RingLayerCache cache;
    const QImage& layer
        = cache.layer(1, QSizeF(200, 100), 0.5, [](QPainter& p) { p.fillRect(QRectF(0, 0, 100, 100), Qt::red); });
    ASSERT_EQ(layer.size(), QSize(100, 50));
    EXPECT_DOUBLE_EQ(layer.devicePixelRatio(), 0.5);
    EXPECT_EQ(alphaAt(layer, 25, 25), 255);
    EXPECT_EQ(alphaAt(layer, 75, 25), 0);

    // The band at rest, drawn through a painter at half a pixel per point:
    // the same band as drawn at one pixel per point, reduced.
    const RingPalette palette;
    RingBand band(RingMotion::settledInnerRadius, RingMotion::settledOuterRadius);
    QImage small = clearCanvas(210, 1.0);
    {
        QPainter p(&small);
        p.scale(0.5, 0.5);
        band.paint(p, QPointF(210, 210), palette);
    }
    QImage full = clearCanvas(420, 1.0);
    {
        QPainter p(&full);
        RingBand::paintDirect(
            p, QPointF(210, 210), RingMotion::settledInnerRadius, RingMotion::settledOuterRadius, palette);
    }
    const QImage reduced = full.scaled(210, 210, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LE(largestDifference(small, reduced), 40);
    EXPECT_GT(alphaAt(small, 105 + 62, 105), 0); // in the band, 125 points out
    EXPECT_EQ(alphaAt(small, 105 + 100, 105), 0); // beyond its 190-point edge

    // Text: half a pixel per point gives half the pixels of one, within a few.
    RingText::Stack stack;
    stack.width = 120;
    stack.lines.push_back({ QStringLiteral("Mousepad"), RingText::systemFont(14, QFont::Medium), Qt::black });
    // The ink: its width, and how far it stands off-centre.
    const auto ink = [](const QImage& img) {
        int left = img.width(), right = -1;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                if (qAlpha(img.pixel(x, y)) > 0) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        return std::pair { right - left + 1, std::abs(left - (img.width() - 1 - right)) };
    };
    const QImage textFull = RingText::render(stack, 1.0), textHalf = RingText::render(stack, 0.5);
    EXPECT_NEAR(textHalf.width(), textFull.width() / 2.0, 1.0);
    EXPECT_NEAR(ink(textHalf).first, ink(textFull).first / 2.0, 4.0);
    EXPECT_LE(ink(textHalf).second, 3);
}

TEST(RingEffectsTest, SpringingBandIsDrawnAtItsRadiiNowNotFromAStaleCache)
{
    TestSupport::SimEnvironment env;
    AnimationEngine::shared().setFrameInterval(0.0);
    const RingPalette palette;
    RingBand band(RingMotion::bandInnerRadius(false, false), RingMotion::bandOuterRadius(false, false));
    band.setRadii(RingMotion::settledInnerRadius, RingMotion::settledOuterRadius, RingAnimation::spring(0.48, 0.38));
    const auto frame = [&](double dpr) {
        QImage img = clearCanvas(420, dpr);
        QPainter p(&img);
        band.paint(p, QPointF(210, 210), palette);
        return img;
    };
    const auto direct = [&](double dpr) {
        // The radii the band stands at, in its half-device-pixel steps.
        const double step = 0.5 / dpr;
        QImage img = clearCanvas(420, dpr);
        QPainter p(&img);
        RingBand::paintDirect(p, QPointF(210, 210), std::round(band.innerRadius() / step) * step,
            std::round(band.outerRadius() / step) * step, palette);
        return img;
    };
    for (double dpr : { 1.0, 2.0 }) {
        for (int i = 0; i < 36; ++i) {
            // Fast at first, then slowing down: every frame matches the
            // radii of its moment. A springing band is computed rather than
            // painted: its edges differ from the painter's by under a fifth
            // of a pixel's coverage, a frame of a stale step by half a pixel.
            env.scheduler().advance(i < 12 ? 1.0 / 60.0 : 1.0 / 600.0);
            ASSERT_TRUE(band.isAnimating());
            EXPECT_LE(largestDifference(frame(dpr), direct(dpr)), 48) << "frame " << i << " dpr " << dpr;
        }
    }
}

namespace {
// Pixels `b` covers, and how many of them differ from `a` by more than `tolerance`.
std::pair<int, int> coveredAndOff(const QImage& a, const QImage& b, int tolerance)
{
    int covered = 0, off = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            covered += qAlpha(pb[x]) > 0 ? 1 : 0;
            off += std::max({ std::abs(qAlpha(pa[x]) - qAlpha(pb[x])), std::abs(qRed(pa[x]) - qRed(pb[x])),
                       std::abs(qGreen(pa[x]) - qGreen(pb[x])), std::abs(qBlue(pa[x]) - qBlue(pb[x])) })
                    > tolerance
                ? 1
                : 0;
        }
    }
    return { covered, off };
}
}

TEST(RingEffectsTest, CachedCardSlabTurnedToANewAngleLooksLikeTheCardDrawnThere)
{
    const RingPalette palette;
    const QPointF c(350, 350);
    for (double dpr : { 1.0, 2.0 }) {
        WindowArcCardCache cache;
        WindowArcSegmentView card;
        card.title = QStringLiteral("Quarterly report");
        card.index = 2;
        card.total = 5;
        card.isSelected = true;
        card.radialGapInner = 9.0;
        const auto drawn = [&](double arcAngle, bool cached) {
            card.arcCenterAngle = arcAngle;
            QImage img = clearCanvas(700, dpr);
            QPainter p(&img);
            if (cached)
                cache.paint(p, card, c, palette);
            else
                card.paint(p, c, palette);
            return img;
        };
        // Where the slab was drawn it is copied as it is (a few edge pixels
        // aside, where the curves are flattened a little differently);
        // turned a third of the way round and more, only edge pixels differ
        // from drawing the card there.
        const auto [coveredHere, offHere] = coveredAndOff(drawn(0.4, true), drawn(0.4, false), 16);
        EXPECT_GT(coveredHere, 2000 * dpr * dpr);
        EXPECT_LE(offHere, coveredHere / 500) << dpr;
        for (double angle : { 1.3, 4.0 }) {
            const auto [covered, off] = coveredAndOff(drawn(angle, true), drawn(angle, false), 48);
            EXPECT_NEAR(covered, coveredHere, coveredHere / 50) << "angle " << angle << " dpr " << dpr;
            EXPECT_LT(off, covered / 50) << "angle " << angle << " dpr " << dpr;
        }
    }
}

TEST(RingEffectsTest, AWideBlurIsEnlargedBackAsSmoothScalingWould)
{
    // A wide blur is worked out on a reduced copy and enlarged back: the
    // result is within two levels of Qt's smooth scaling of that copy, for
    // odd sizes and every reduction from two to four.
    QRandomGenerator rng(7);
    for (int k = 0; k < 24; ++k) {
        const int w = 40 + int(rng.bounded(120)), h = 40 + int(rng.bounded(120));
        QImage icon(w, h, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        {
            QPainter p(&icon);
            p.setRenderHint(QPainter::Antialiasing);
            p.setBrush(QColor(int(rng.bounded(256)), int(rng.bounded(256)), int(rng.bounded(256))));
            p.drawRoundedRect(QRectF(6, 6, w - 12, h - 12), 9, 9);
            p.setBrush(QColor(255, 255, 255, 200));
            p.drawEllipse(QRectF(w / 3.0, h / 4.0, w / 4.0, h / 3.0));
        }
        const double radius = 5.0 + 2.5 * double(k % 3);
        const int factor = int(radius / 2.5);
        QImage reduced = icon.scaled(w / factor, h / factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        RingEffects::boxBlur(reduced, radius / double(factor));
        const QImage smooth = reduced.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                  .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage blurred = RingEffects::blurred(icon, radius);
        ASSERT_EQ(blurred.size(), icon.size());
        EXPECT_LE(largestDifference(blurred, smooth), 2) << w << "x" << h << " radius " << radius;
    }
}
