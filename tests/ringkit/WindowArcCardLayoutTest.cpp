// The cards of the outer arc as they are drawn (turned in depth and seen in
// perspective), at every count the arc holds, every ring size the settings
// offer and with any card selected: no card covers another, no label
// another's, and the pointer picks the card drawn under it.

#include <gtest/gtest.h>

#include <QGuiApplication>
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
    if (c.labelRunsAlong())
        place.rotate(angle * 180.0 / M_PI + (std::cos(angle) < 0.0 ? 180.0 : 0.0));
    return QTransform::fromScale(ringScale, ringScale).map(c.depthTransform(stageCenter).map(place.map(box)));
}

} // namespace

TEST(WindowArcCardLayoutTest, NoCardOrLabelCoversAnotherAtAnyCountSizeOrSelection)
{
    ASSERT_TRUE(qGuiApp);
    for (const double ringScale : { 0.7, 0.85, 1.0, 1.15, 1.5 }) {
        for (int total = 2; total <= WindowArcGeometry::capacity; ++total) {
            for (const double centre : { 0.3, 1.9, 3.4, 5.2 }) {
                for (const std::optional<int> selected : { std::optional<int>(), std::optional<int>(0),
                         std::optional<int>(total / 2), std::optional<int>(total - 1) }) {
                    std::vector<WindowArcSegmentView> cards;
                    for (int i = 0; i < total; ++i)
                        cards.push_back(card(i, total, selected, centre));
                    for (int i = 0; i < total; ++i) {
                        const QPainterPath slab = drawnSlab(cards[size_t(i)], ringScale);
                        const QPainterPath label = drawnLabel(cards[size_t(i)], ringScale);
                        for (int j = i + 1; j < total; ++j) {
                            // The selected card is lifted towards the viewer, so
                            // drawn a little larger, on top: along its side (110
                            // points) it may reach over a neighbour by a sliver
                            // under 2.5 points wide, never more. Other cards
                            // never touch.
                            const bool lifted = selected == i || selected == j;
                            const double allowed = lifted ? 2.5 * 110.0 * ringScale * ringScale : 0.5;
                            const double shared = area(slab.intersected(drawnSlab(cards[size_t(j)], ringScale)));
                            ASSERT_LT(shared, allowed)
                                << "cards " << i << " and " << j << " of " << total << " at size " << ringScale
                                << ", centre " << centre << ", selected " << selected.value_or(-1);
                            const double labels = area(label.intersected(drawnLabel(cards[size_t(j)], ringScale)));
                            ASSERT_LT(labels, 0.5) << "labels " << i << " and " << j << " of " << total;
                        }
                    }
                }
            }
        }
    }
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
