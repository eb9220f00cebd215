// The cards of the outer arc as they are drawn (turned in depth and seen in
// perspective), at every count the arc holds, every ring size the settings
// offer and with any card selected: neighbours overlap by the arc's shared
// band and no further, no label covers another's, the pointer picks the card
// drawn under it, the overlap is shaded, and a long title keeps its start.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "ringkit/RingText.h"
#include "ringkit/WindowArcCard.h"

namespace {

const QPointF stageCenter(350, 350);

double area(const QPainterPath& path)
{
    double total = 0;
    for (const QPolygonF& polygon : path.toFillPolygons()) {
        double a = 0;
        for (qsizetype i = 0; i < polygon.size(); ++i) {
            const QPointF p = polygon[i], q = polygon[(i + 1) % polygon.size()];
            a += p.x() * q.y() - q.x() * p.y();
        }
        total += std::abs(a) / 2;
    }
    return total;
}

WindowArcSegmentView card(int index, int total, std::optional<int> selected, double centre)
{
    WindowArcSegmentView c;
    c.title = QStringLiteral("A window with a long title, %1 of %2").arg(index + 1).arg(total);
    c.index = index;
    c.total = total;
    c.isSelected = selected == index;
    c.arcCenterAngle = centre;
    c.radialGapInner = 9.0;
    return c;
}

// The outline as drawn, on a stage scaled by the ring size.
QPainterPath drawnSlab(const WindowArcSegmentView& c, double ringScale)
{
    const QRectF stage(0, 0, WindowArcSegmentView::stageSize, WindowArcSegmentView::stageSize);
    const QTransform size = QTransform::fromScale(ringScale, ringScale);
    return size.map(c.depthTransform(stageCenter).map(c.shape().path(stage)));
}

QPainterPath drawnLabel(const WindowArcSegmentView& c, double ringScale)
{
    const QImage image = RingText::render(c.labelStack(RingPalette()), 2.0);
    const QSizeF size = QSizeF(image.size()) / 2.0 * (c.isSelected ? 1.07 : 1.0);
    const double angle = c.centerAngle();
    const QPointF at(
        stageCenter.x() + c.midRadius() * std::cos(angle), stageCenter.y() + c.midRadius() * std::sin(angle));
    QPainterPath box;
    box.addRect(QRectF(QPointF(-size.width() / 2, -size.height() / 2), size));
    QTransform place;
    place.translate(at.x(), at.y());
    return QTransform::fromScale(ringScale, ringScale).map(c.depthTransform(stageCenter).map(place.map(box)));
}

} // namespace

TEST(WindowArcCardLayoutTest, NeighboursOverlapByTheSharedBandAndLabelsStayApart)
{
    ASSERT_TRUE(qGuiApp);
    for (const double ringScale : { 0.7, 1.0, 1.5 }) {
        for (int total = 2; total <= WindowArcGeometry::capacity; ++total) {
            for (const double centre : { 0.3, 1.9, 3.4, 5.2 }) {
                for (const std::optional<int> selected :
                    { std::optional<int>(), std::optional<int>(0), std::optional<int>(total - 1) }) {
                    std::vector<WindowArcSegmentView> cards;
                    for (int i = 0; i < total; ++i)
                        cards.push_back(card(i, total, selected, centre));
                    for (int i = 0; i < total; ++i) {
                        const QPainterPath slab = drawnSlab(cards[size_t(i)], ringScale);
                        const QPainterPath label = drawnLabel(cards[size_t(i)], ringScale);
                        for (int j = i + 1; j < total; ++j) {
                            const double shared = area(slab.intersected(drawnSlab(cards[size_t(j)], ringScale)));
                            const bool lifted = selected == i || selected == j;
                            if (j == i + 1) {
                                // The 5.5 degree band across the card's length
                                // (about 110 points at a mid radius near 262),
                                // less its rounded corners.
                                const double band = 110.0 * 262.0 * WindowArcGeometry::overlap * ringScale * ringScale;
                                EXPECT_GT(shared, 0.6 * band) << i << " of " << total << " at " << ringScale;
                                EXPECT_LT(shared, (lifted ? 1.6 : 1.2) * band) << i << " of " << total;
                            } else {
                                // Further apart only the lifted selected card
                                // may reach a sliver over another.
                                const double allowed = lifted ? 2.5 * 110.0 * ringScale * ringScale : 0.5;
                                EXPECT_LT(shared, allowed) << "cards " << i << " and " << j << " of " << total;
                            }
                            // Labels keep apart while the step leaves them
                            // their width; on many cards they keep a floor.
                            if (cards[size_t(i)].labelWidth() > WindowArcSegmentView::minimumLabelWidth) {
                                const double labels = area(label.intersected(drawnLabel(cards[size_t(j)], ringScale)));
                                ASSERT_LT(labels, 0.5) << "labels " << i << " and " << j << " of " << total;
                            }
                        }
                    }
                }
            }
        }
    }
}

TEST(WindowArcCardLayoutTest, EveryCardButTheFirstIsShadedWhereTheCardBeforeItLies)
{
    ASSERT_TRUE(qGuiApp);
    WindowArcSegmentView first = card(0, 2, std::nullopt, M_PI / 2);
    const QGradientStops none = first.seamShadeStops();
    ASSERT_EQ(none.size(), 1);
    EXPECT_EQ(none.front().second.alpha(), 0);

    // Full strength where the card before it ends, clear at twice that.
    WindowArcSegmentView second = card(1, 2, std::nullopt, M_PI / 2);
    const double f = 5.5 / 23.75;
    const QGradientStops stops = second.seamShadeStops();
    ASSERT_EQ(stops.size(), 5);
    EXPECT_NEAR(stops.front().first, f, 1e-12);
    EXPECT_NEAR(stops.front().second.alphaF(), 0.15, 0.005);
    EXPECT_NEAR(stops[2].first, f + f / 0.26 * 0.11, 1e-12);
    EXPECT_NEAR(stops.back().first, 2 * f, 1e-12);
    EXPECT_EQ(stops.back().second.alpha(), 0);

    // As drawn: the card's start is darker than its middle; the first card's is not.
    const auto startAgainstMiddle = [](const WindowArcSegmentView& c) {
        QImage image(700, 700, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            RingPalette palette;
            palette.reduceTransparency = true; // a plain, even slab
            c.paintSlab(p, stageCenter, palette);
        }
        const auto at = [&](double fraction) {
            const double a = c.baseStartAngle() + fraction * c.fullSegmentAngle();
            return qGray(image.pixel(
                QPoint(int(stageCenter.x() + 240.0 * std::cos(a)), int(stageCenter.y() + 240.0 * std::sin(a)))));
        };
        return at(0.5) - at(0.08);
    };
    EXPECT_GT(startAgainstMiddle(second), 15);
    EXPECT_LT(std::abs(startAgainstMiddle(first)), 4);
}

TEST(WindowArcCardLayoutTest, ALongTitleTakesTwoLinesAndIsCutAtItsTail)
{
    ASSERT_TRUE(qGuiApp);
    // Two windows of one editor on files of one folder differ only past the
    // folder: both lines of their labels are needed to tell them apart.
    WindowArcSegmentView a = card(0, 2, std::nullopt, M_PI / 2);
    WindowArcSegmentView b = card(1, 2, std::nullopt, M_PI / 2);
    a.title = QStringLiteral("~/Documents/notes-alpha.txt - Mousepad");
    b.title = QStringLiteral("~/Documents/notes-beta.txt - Mousepad");
    const QImage one = RingText::render(a.labelStack(RingPalette()), 1.0);
    const QImage other = RingText::render(b.labelStack(RingPalette()), 1.0);
    EXPECT_NE(one, other);
    // Two lines, not one and not three.
    WindowArcSegmentView shortTitle = a;
    shortTitle.title = QStringLiteral("Notes");
    const int line = RingText::render(shortTitle.labelStack(RingPalette()), 1.0).height();
    EXPECT_GT(one.height(), line * 3 / 2);
    EXPECT_LT(one.height(), line * 5 / 2);
    // The same titles with the tail cut differently look the same: the tail
    // is what goes.
    WindowArcSegmentView c = a;
    c.title = QStringLiteral("~/Documents/notes-alpha.txt - Mousepad (a much longer ending)");
    EXPECT_EQ(RingText::render(c.labelStack(RingPalette()), 1.0), one);
}

TEST(WindowArcCardLayoutTest, ThePointerPicksTheCardDrawnUnderIt)
{
    for (int total = 1; total <= WindowArcGeometry::capacity; ++total) {
        const double centre = 1.0;
        const WindowArcGeometry geometry(total);
        for (int i = 0; i < total; ++i) {
            const WindowArcSegmentView c = card(i, total, std::nullopt, centre);
            const double middle = RingAngles::drawingToArc(c.centerAngle());
            EXPECT_EQ(geometry.index(middle, centre), i) << i << " of " << total;
        }
    }
}
