#include "ringkit/WindowArcCard.h"

#include "ringkit/RingEffects.h"
#include "ringkit/RingMotion.h"
#include "ringkit/RingText.h"

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

QTransform WindowArcSegmentView::depthTransform(QPointF stageCenter) const
{
    const double c = centerAngle();
    return RingEffects::rotation3D(stageCenter, QSizeF(stageSize, stageSize), tiltAngle,
        QVector3D(float(std::cos(c)), float(std::sin(c)), 0.0f), zAnchor(), perspective);
}

QRectF WindowArcSegmentView::bounds(QPointF stageCenter) const
{
    const QRectF stage(stageCenter.x() - stageSize / 2.0, stageCenter.y() - stageSize / 2.0, stageSize, stageSize);
    return depthTransform(stageCenter).map(shape().path(stage)).boundingRect().adjusted(-2, -2, 2, 2);
}

void WindowArcSegmentView::paint(QPainter& painter, QPointF stageCenter, const RingPalette& palette) const
{
    paintSlab(painter, stageCenter, palette);
    paintLabel(painter, stageCenter, palette);
}

void WindowArcSegmentView::paintSlab(QPainter& painter, QPointF stageCenter, const RingPalette& palette) const
{
    const QRectF stage(stageCenter.x() - stageSize / 2.0, stageCenter.y() - stageSize / 2.0, stageSize, stageSize);
    const EnhancedTaperedSegmentShape outline = shape();
    const QPainterPath path = outline.path(stage);

    painter.save();
    painter.setTransform(depthTransform(stageCenter), true);
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
        QConicalGradient shade(stageCenter, -startDeg);
        for (const auto& [location, colour] : stops)
            shade.setColorAt(std::clamp(1.0 - location * spanFraction, 0.0, 1.0), colour);
        shade.setColorAt(0.0, stops.back().second);
        painter.setPen(Qt::NoPen);
        painter.setBrush(shade);
        painter.drawPath(path);
    }

    // 3. An edge, so a light card stays visible on a light desktop (and a dark
    // one on a dark desktop).
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette.dark ? QColor::fromRgbF(1, 1, 1, 0.22f) : QColor::fromRgbF(0, 0, 0, 0.28f), 1.0));
    painter.drawPath(path);

    // 4. Accent tint of the selected card.
    if (isSelected) {
        QColor tint = palette.accent;
        tint.setAlphaF(0.5f);
        painter.setPen(Qt::NoPen);
        painter.setBrush(tint);
        painter.drawPath(path);
    }
    painter.restore();
}

void WindowArcSegmentView::paintLabel(QPainter& painter, QPointF stageCenter, const RingPalette& palette) const
{
    // The label, centred on the card's middle, in the card's plane.
    painter.save();
    painter.setTransform(depthTransform(stageCenter), true);
    painter.setRenderHint(QPainter::Antialiasing, true);
    RingText::CardLabel label;
    label.title = title;
    label.icon = icon;
    label.hint = hint;
    label.width = labelWidth();
    label.selected = isSelected;
    const double c = centerAngle();
    const QPointF at(stageCenter.x() + midRadius() * std::cos(c), stageCenter.y() + midRadius() * std::sin(c));
    RingText::drawCardLabel(painter, at, label, isSelected ? 1.07 : 1.0, palette);
    painter.restore();
}

// ---- WindowArcCardCache ------------------------------------------------------------

void WindowArcCardCache::paint(
    QPainter& painter, const WindowArcSegmentView& card, QPointF stageCenter, const RingPalette& palette)
{
    // Device pixels per point, in quarter steps.
    const QTransform& t = painter.worldTransform();
    const double dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const double scale = std::max(0.25, std::round(std::sqrt(std::abs(t.determinant())) * dpr * 4.0) / 4.0);
    const quint64 key = quint64(std::clamp(card.index, 0, 255)) | quint64(std::clamp(card.total, 0, 255)) << 8
        | quint64(card.isSelected ? 1 : 0) << 16 | quint64(std::lround(card.radialGapInner * 4.0) & 0xfff) << 17
        | quint64(std::lround(scale * 4.0) & 0xff) << 29 | quint64(palette.dark ? 1 : 0) << 37
        | quint64(palette.reduceTransparency ? 1 : 0) << 38 | quint64(palette.accent.rgb() & 0xffffff) << 39;
    auto it = std::find_if(m_slabs.begin(), m_slabs.end(), [&](const Slab& s) { return s.key == key; });
    if (it == m_slabs.end()) {
        if (m_slabs.size() >= 24)
            m_slabs.erase(m_slabs.begin());
        Slab slab;
        slab.key = key;
        slab.angle = card.centerAngle();
        // On whole device pixels, so a card standing where it was drawn is
        // copied pixel for pixel, with a clear pixel all round.
        const QRectF b = card.bounds(stageCenter);
        const double left = (std::floor(b.left() * scale) - 1.0) / scale,
                     top = (std::floor(b.top() * scale) - 1.0) / scale;
        const int w = int(std::ceil((b.right() - left) * scale)) + 1,
                  h = int(std::ceil((b.bottom() - top) * scale)) + 1;
        slab.box = QRectF(left, top, double(w) / scale, double(h) / scale);
        slab.image = QImage(std::max(1, w), std::max(1, h), QImage::Format_ARGB32_Premultiplied);
        slab.image.fill(Qt::transparent);
        {
            QPainter p(&slab.image);
            p.setRenderHint(QPainter::Antialiasing, true);
            p.scale(scale, scale);
            p.translate(-left, -top);
            card.paintSlab(p, stageCenter, palette);
        }
        m_slabs.push_back(std::move(slab));
        it = m_slabs.end() - 1;
    }
    const double turn = card.centerAngle() - it->angle;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (std::abs(turn) > 1e-6) {
        painter.translate(stageCenter);
        painter.rotate(turn * 180.0 / std::numbers::pi);
        painter.translate(-stageCenter);
        RingEffects::drawImageInBands(painter, it->box, it->image);
    } else {
        painter.drawImage(it->box, it->image);
    }
    painter.restore();
    card.paintLabel(painter, stageCenter, palette);
}
