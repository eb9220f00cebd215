#include "switcher/SwitcherHitTest.h"
#include "switcher/RadialSegmentView.h"

#include "ringkit/WindowArcCard.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

RadialSegmentView RadialSegmentView::of(int index, int total, bool selected, bool visible, bool reduceMotion)
{
    RadialSegmentView s;
    s.index = index;
    s.totalApps = total;
    s.isSelected = selected;
    s.isVisible = visible;
    s.reduceMotion = reduceMotion;
    s.radialGapOuter = 6.0;
    s.radialGapInner = 4.0;
    s.desiredVisualGap = 8.0;
    return s;
}

QRectF RadialSegmentView::iconRect(QPointF centre) const
{
    const double side = isSelected ? selectedIconSide : iconSide;
    const QPointF c = iconCenter(centre);
    return { c.x() - side / 2.0, c.y() - side / 2.0, side, side };
}

bool RadialSegmentView::contains(QPointF p, QPointF centre) const
{
    if (path(centre).contains(p))
        return true;
    const double grow = isSelected ? selectedIconScale : 1.0;
    const QRectF r = iconRect(centre);
    const QPointF c = r.center();
    const QRectF scaled(
        c.x() - r.width() * grow / 2.0, c.y() - r.height() * grow / 2.0, r.width() * grow, r.height() * grow);
    return scaled.contains(p);
}

QPointF SwitcherHitTest::stagePoint(QPointF widgetPoint, QSizeF widgetSize)
{
    const double side = std::min(widgetSize.width(), widgetSize.height());
    const double scale = side > 0 ? side / stageSize : 1.0;
    const QPointF mid(widgetSize.width() / 2.0, widgetSize.height() / 2.0);
    return (widgetPoint - mid) / scale + QPointF(stageSize / 2.0, stageSize / 2.0);
}

double SwitcherHitTest::appAngle(int selected, int apps)
{
    return (2.0 * std::numbers::pi / double(std::max(apps, 1))) * (double(selected) + 0.5);
}

RingHit SwitcherHitTest::at(QPointF q) const
{
    const QPointF c(stageSize / 2.0, stageSize / 2.0);
    const QRectF stage(0, 0, stageSize, stageSize);

    // Cards lie above the wedges. Within the cards' band a point picks the
    // card of its pick zone (the zones part in the middle of each overlap);
    // beyond it (a card turned in depth reaches a little past the band) the
    // drawn outline decides, the selected card on top.
    if (cards > 0) {
        const QPointF d = q - c;
        const double r = std::hypot(d.x(), d.y());
        if (r >= WindowArcSegmentView::baseInnerRadius + 9.0 && r <= WindowArcSegmentView::baseOuterRadius) {
            if (const auto k = WindowArcGeometry(cards).index(RingAngles::pointerArcAngle(d.x(), -d.y()), fanAngle))
                return { RingHit::Kind::card, *k };
        }
        std::vector<int> order;
        const auto sel = selectedCard;
        if (sel && *sel >= 0 && *sel < cards)
            order.push_back(*sel);
        for (int j = 0; j < cards; ++j) {
            if (!(sel && *sel == j))
                order.push_back(j);
        }
        for (int j : order) {
            WindowArcSegmentView card;
            card.index = j;
            card.total = cards;
            card.isSelected = sel && *sel == j;
            card.arcCenterAngle = fanAngle;
            card.radialGapInner = 9.0;
            const QPainterPath path = card.depthTransform(c).map(card.shape().path(stage));
            if (path.contains(q))
                return { RingHit::Kind::card, j };
        }
    }
    std::vector<int> order;
    if (selectedApp >= 0 && selectedApp < apps && !pointingAtWindow)
        order.push_back(selectedApp);
    for (int i = apps - 1; i >= 0; --i) {
        if (order.empty() || order.front() != i)
            order.push_back(i);
    }
    for (int i : order) {
        const RadialSegmentView wedge
            = RadialSegmentView::of(i, apps, i == selectedApp && wedgeSelected, visible, reduceMotion);
        if (wedge.contains(q, c))
            return { RingHit::Kind::wedge, i };
    }
    return {};
}
