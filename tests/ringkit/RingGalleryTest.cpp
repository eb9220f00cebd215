// Renders each drawing piece offscreen at scale 1 and at device-pixel ratio 2
// into PNG files under the build folder (ring-gallery/), and probes pixels.

#include "ringkit/RingFrameSample.h"

#include "platform/sim/SimDisplayPreferences.h"
#include "support/TestSupport.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {
QString galleryDir()
{
    const QString dir = QStringLiteral(KELVARO_BINARY_DIR) + QStringLiteral("/ring-gallery");
    QDir().mkpath(dir);
    return dir;
}

QImage canvas(double side, double dpr, QColor background = Qt::transparent)
{
    QImage img(int(side * dpr), int(side * dpr), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    img.fill(background);
    return img;
}

// Pixel at a point given in points.
QColor at(const QImage& img, QPointF p)
{
    const double dpr = img.devicePixelRatio();
    return img.pixelColor(int(p.x() * dpr), int(p.y() * dpr));
}

void save(const QImage& img, const QString& name)
{
    ASSERT_TRUE(img.save(galleryDir() + u'/' + name + QStringLiteral(".png")));
}

class RingGalleryTest : public ::testing::TestWithParam<double> {
protected:
    double dpr() const { return GetParam(); }
    QString suffix() const { return dpr() > 1.0 ? QStringLiteral("@2x") : QString(); }
    TestSupport::SimEnvironment env;
};

TEST_P(RingGalleryTest, BandIsHollowAndFilledAtMidRadius)
{
    for (bool dark : { false, true }) {
        for (bool reduce : { false, true }) {
            RingPalette palette;
            palette.dark = dark;
            palette.reduceTransparency = reduce;
            QImage img = canvas(400, dpr());
            {
                QPainter p(&img);
                RingBand band;
                band.paint(p, QPointF(200, 200), palette);
                band.paint(p, QPointF(200, 200), palette); // second time from the cache
            }
            save(
                img, QStringLiteral("band-%1%2%3").arg(dark ? u"dark" : u"light", reduce ? u"-opaque" : u"", suffix()));
            EXPECT_EQ(at(img, { 200, 200 }).alpha(), 0); // the hole
            EXPECT_EQ(at(img, { 200 + 30, 200 }).alpha(), 0);
            EXPECT_EQ(at(img, { 200 + 195, 200 }).alpha(), 0); // beyond the edge
            const int mid = at(img, { 200, 200 - 125 }).alpha(); // mid-radius
            if (reduce)
                EXPECT_GE(mid, 235); // 0.92 window background under a faint tint
            else
                EXPECT_GT(mid, 120);
        }
    }
}

TEST_P(RingGalleryTest, SelectedCardIsLiftedOutwardsAndTinted)
{
    RingPalette palette;
    palette.accent = QColor(0, 122, 255);
    const QPointF c(350, 350);
    QImage img = canvas(700, dpr());
    WindowArcSegmentView cards[3];
    {
        QPainter p(&img);
        for (int j = 2; j >= 0; --j) {
            cards[j].title = QStringLiteral("Window %1").arg(j + 1);
            cards[j].index = j;
            cards[j].total = 3;
            cards[j].isSelected = j == 1;
            cards[j].arcCenterAngle = M_PI / 2; // 3 o'clock
            cards[j].radialGapInner = 9;
        }
        cards[2].paint(p, c, palette);
        cards[0].paint(p, c, palette);
        cards[1].paint(p, c, palette);
    }
    save(img, QStringLiteral("cards") + suffix());
    // Along each card's centre line: the selected card reaches 9 points further out.
    const auto probe = [&](int j, double r) {
        const double a = cards[j].centerAngle();
        return at(img, c + QPointF(r * std::cos(a), r * std::sin(a)));
    };
    EXPECT_GT(probe(1, 324).alpha(), 100);
    EXPECT_EQ(probe(0, 324).alpha(), 0);
    EXPECT_EQ(probe(2, 324).alpha(), 0);
    EXPECT_GT(probe(0, 300).alpha(), 100);
    // Tinted with the accent colour: bluer than its neighbours.
    const QColor sel = probe(1, 240), other = probe(0, 240);
    EXPECT_GT(sel.blueF() - sel.redF(), other.blueF() - other.redF() + 0.1);
    // Inside the inner edge nothing is drawn.
    EXPECT_EQ(probe(1, 200).alpha(), 0);
}

TEST_P(RingGalleryTest, CenterIconTiltsTowardsThePointer)
{
    QIcon icon = RingFrameSample().icons[0];
    QImage rest = canvas(200, dpr()), tilted = canvas(200, dpr());
    {
        QPainter p(&rest);
        CenterAppIconView::paint(p, QPointF(100, 100), icon, 0, 0);
        QPainter q(&tilted);
        CenterAppIconView::paint(q, QPointF(100, 100), icon, 0, 22); // pointer to the right
    }
    save(rest, QStringLiteral("centre-icon") + suffix());
    save(tilted, QStringLiteral("centre-icon-tilted") + suffix());
    // At rest the icon is a 50-point square; its shadow falls below it.
    EXPECT_EQ(at(rest, { 100, 100 }).alpha(), 255);
    EXPECT_GT(at(rest, { 100, 130 }).alpha(), at(rest, { 100, 70 }).alpha());
    // Turned about the vertical axis the icon narrows: its right edge recedes.
    const auto width = [&](const QImage& img) {
        int n = 0;
        for (double x = 40; x < 160; x += 0.5)
            n += at(img, { x, 100 }).alpha() > 250 ? 1 : 0;
        return n / 2.0;
    };
    EXPECT_NEAR(width(rest), 46.0, 4.0); // the sample icon has a small margin of its own
    EXPECT_LT(width(tilted), width(rest) - 1.5);
}

TEST_P(RingGalleryTest, WholeFrameAtRestAndOpening)
{
    for (bool dark : { false, true }) {
        RingFrameSample sample(dark);
        QImage img = canvas(700, dpr(), dark ? QColor(30, 30, 36) : QColor(200, 205, 215));
        {
            QPainter p(&img);
            sample.paint(p, 1.0);
        }
        save(img, QStringLiteral("frame-%1%2").arg(dark ? u"dark" : u"light", suffix()));
        QImage opening = canvas(700, dpr(), dark ? QColor(30, 30, 36) : QColor(200, 205, 215));
        {
            QPainter p(&opening);
            sample.paint(p, 0.5);
        }
        save(opening, QStringLiteral("frame-opening-%1%2").arg(dark ? u"dark" : u"light", suffix()));
        // The opening frame is blurred: far fewer sharp edges than at rest.
        const auto edges = [](const QImage& im) {
            long sum = 0;
            for (int y = 0; y < im.height(); y += 3)
                for (int x = 1; x < im.width(); x += 3)
                    sum += std::abs(qGray(im.pixel(x, y)) - qGray(im.pixel(x - 1, y)));
            return sum;
        };
        EXPECT_LT(edges(opening) * 2, edges(img));
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, RingGalleryTest, ::testing::Values(1.0, 2.0),
    [](const auto& info) { return info.param > 1.0 ? std::string("Dpr2") : std::string("Dpr1"); });
}
