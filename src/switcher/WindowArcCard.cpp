#include "switcher/WindowArcCard.h"

#include "switcher/RingEffects.h"
#include "switcher/RingMotion.h"
#include "switcher/RingText.h"

#include <QConicalGradient>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

double WindowArcSegmentView::labelWidth() const
{
    return std::clamp(geometry().step() * midRadius() - 14.0, 52.0, 96.0);
}

double WindowArcSegmentView::zAnchor() const
{
    const double depth = double(total - index) / double(std::max(total, 1)) * RingMotion::arcCardDepthSpread;
    return depth + (isSelected ? RingMotion::arcSelectedLift : 0.0);
}

EnhancedTaperedSegmentShape WindowArcSegmentView::shape() const
{
    EnhancedTaperedSegmentShape s;
    const double start = baseStartAngle();
    s.outerStartAngle = s.innerStartAngle = start;
    s.outerEndAngle = s.innerEndAngle = start + fullSegmentAngle();
    s.outerRadialGap = radialGapOuter();
    s.innerRadialGap = radialGapInner;
    s.baseInnerRadius = baseInnerRadius;
    s.baseOuterRadius = baseOuterRadius;
    s.cornerRadius = 15.0;
    s.cornerClamp = { 2.6, 3.2, 3.2 };
    return s;
}

std::vector<std::pair<double, QColor>> WindowArcSegmentView::seamShadeStops() const
{
    if (index == 0)
        return { { 0.0, QColor(Qt::transparent) } };
    const double f = WindowArcGeometry::overlap / fullSegmentAngle();
    std::vector<std::pair<double, QColor>> stops;
    for (const auto& stop : RingMotion::arcCardSeamShadeStops())
        stops.emplace_back(f + (f / 0.26) * stop.location, stop.colour);
    return stops;
}

QTransform WindowArcSegmentView::depthTransform(QPointF stageCentre) const
{
    const double c = centerAngle();
    return RingEffects::rotation3D(stageCentre, QSizeF(stageSize, stageSize), tiltAngle,
                                   QVector3D(float(std::cos(c)), float(std::sin(c)), 0.0f), zAnchor(), perspective);
}

QRectF WindowArcSegmentView::bounds(QPointF stageCentre) const
{
    const QRectF stage(stageCentre.x() - stageSize / 2.0, stageCentre.y() - stageSize / 2.0, stageSize, stageSize);
    return depthTransform(stageCentre).map(shape().path(stage)).boundingRect().adjusted(-2, -2, 2, 2);
}

void WindowArcSegmentView::paint(QPainter& painter, QPointF stageCentre, const RingPalette& palette) const
{
    const QRectF stage(stageCentre.x() - stageSize / 2.0, stageCentre.y() - stageSize / 2.0, stageSize, stageSize);
    const EnhancedTaperedSegmentShape outline = shape();
    const QPainterPath path = outline.path(stage);

    painter.save();
    painter.setTransform(depthTransform(stageCentre), true);
    painter.setRenderHint(QPainter::Antialiasing, true);

    // 1. Glass: popover material, emphasized, scrim 0.2.
    RingGlass(path, RingGlass::Material::popover, true, 0.2).paint(painter, palette);

    // 2. The seam shade: an angular gradient running clockwise from the
    // card's start to its end. Qt's conical gradient runs anticlockwise from
    // its start angle, so positions count back from 1.
    const auto stops = seamShadeStops();
    if (stops.size() > 1) {
        const double startDeg = outline.outerStartAngle * 180.0 / std::numbers::pi;
        const double spanFraction = fullSegmentAngle() / (2.0 * std::numbers::pi);
        QConicalGradient shade(stageCentre, -startDeg);
        for (const auto& [location, colour] : stops)
            shade.setColorAt(std::clamp(1.0 - location * spanFraction, 0.0, 1.0), colour);
        shade.setColorAt(0.0, stops.back().second);
        painter.setPen(Qt::NoPen);
        painter.setBrush(shade);
        painter.drawPath(path);
    }

    // 3. Accent tint of the selected card.
    if (isSelected) {
        QColor tint = palette.accent;
        tint.setAlphaF(0.5f);
        painter.setPen(Qt::NoPen);
        painter.setBrush(tint);
        painter.drawPath(path);
    }

    // 4. The label, centred on the card's middle.
    RingText::CardLabel label;
    label.title = title;
    label.icon = icon;
    label.hint = hint;
    label.width = labelWidth();
    label.selected = isSelected;
    const double c = centerAngle();
    const QPointF at(stageCentre.x() + midRadius() * std::cos(c), stageCentre.y() + midRadius() * std::sin(c));
    RingText::drawCardLabel(painter, at, label, isSelected ? 1.07 : 1.0, palette);
    painter.restore();
}
