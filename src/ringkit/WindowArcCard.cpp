#include "ringkit/WindowArcCard.h"

#include "ringkit/RingEffects.h"
#include "ringkit/RingMotion.h"
#include "ringkit/RingText.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

double WindowArcSegmentView::labelWidth() const
{
    return std::clamp(geometry().step() * midRadius() - 14.0, minimumLabelWidth, maximumLabelWidth);
}

RingText::Stack WindowArcSegmentView::labelStack(const RingPalette& palette) const
{
    RingText::CardLabel label;
    label.title = title;
    label.icon = icon;
    label.hint = hint;
    label.width = labelWidth();
    label.selected = isSelected;
    return RingText::cardStack(label, palette);
}

QGradientStops WindowArcSegmentView::seamShadeStops() const
{
    if (index == 0)
        return { { 0.0, QColor(Qt::transparent) } };
    // The part of the card under the card before it; the stop list ends at 0.26.
    const double f = WindowArcGeometry::overlap / fullSegmentAngle();
    const double lastLocation = RingMotion::arcCardSeamShadeStops.back().location;
    QGradientStops stops;
    for (const RingMotion::ShadeStop& stop : RingMotion::arcCardSeamShadeStops)
        stops.append({ f + f / lastLocation * stop.location, QColor::fromRgbF(0, 0, 0, float(stop.opacity)) });
    return stops;
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

    // 2. The shade where the card before it lies over it: an angular
    // gradient about the stage centre, from the card's start to its end.
    // Qt's conical gradient runs the other way round the screen, from its
    // start angle; that is put in the middle of the part of the turn the card
    // does not cover, so the gradient's seam never touches the card.
    const QGradientStops seam = seamShadeStops();
    if (seam.size() > 1) {
        const double full = fullSegmentAngle();
        const double outside = (2.0 * std::numbers::pi - full) / 2.0;
        const double from = baseStartAngle() + full + outside;
        QConicalGradient gradient(
            stageCenter, std::fmod(std::fmod(-from * 180.0 / std::numbers::pi, 360.0) + 360.0, 360.0));
        for (auto it = seam.crbegin(); it != seam.crend(); ++it)
            gradient.setColorAt(((1.0 - it->first) * full + outside) / (2.0 * std::numbers::pi), it->second);
        painter.setPen(Qt::NoPen);
        painter.setBrush(gradient);
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
    painter.restore();
}

void WindowArcSegmentView::paintLabel(QPainter& painter, QPointF stageCenter, const RingPalette& palette) const
{
    // The label, centred on the card's middle, in the card's plane.
    painter.save();
    painter.setTransform(depthTransform(stageCenter), true);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double c = centerAngle();
    const QPointF at(stageCenter.x() + midRadius() * std::cos(c), stageCenter.y() + midRadius() * std::sin(c));
    RingText::draw(painter, at, labelStack(palette), isSelected ? 1.07 : 1.0);
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
