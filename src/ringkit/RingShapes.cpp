#include "ringkit/RingShapes.h"
#include "ringkit/RingEffects.h"

#include "ringkit/RingMotion.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double kRadToDeg = 180.0 / std::numbers::pi;

QPointF polar(QPointF c, double r, double a)
{
    return { c.x() + r * std::cos(a), c.y() + r * std::sin(a) };
}

QRectF circleRect(QPointF c, double r)
{
    return { c.x() - r, c.y() - r, 2.0 * r, 2.0 * r };
}

// Arc about c from angle a to b in our convention (growing = clockwise on
// screen); Qt's arcTo counts degrees anticlockwise.
void arc(QPainterPath& path, QPointF c, double r, double a, double b)
{
    path.arcTo(circleRect(c, r), -a * kRadToDeg, -(b - a) * kRadToDeg);
}

QPointF offsetPointAlongArc(QPointF c, double radius, double angle, double offset)
{
    return polar(c, radius, angle + offset / radius);
}

QPointF offsetPointToward(QPointF from, QPointF toward, double distance)
{
    const double dx = toward.x() - from.x(), dy = toward.y() - from.y();
    const double len = std::hypot(dx, dy);
    if (len <= 0.0)
        return from;
    return { from.x() + dx / len * distance, from.y() + dy / len * distance };
}
}

QPainterPath RingShape::path(const QRectF& rect) const
{
    const QPointF c = rect.center();
    const double outer = std::min(outerRadius, std::min(rect.width(), rect.height()) / 2.0);
    const double inner = std::min(innerRadius, outer - 1.0);
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    p.moveTo(c.x() + outer, c.y());
    arc(p, c, outer, 0.0, 2.0 * std::numbers::pi);
    p.closeSubpath();
    if (inner > 0.0) {
        // The hole is its own subpath, wound the other way: joining the two
        // circles with a line would show as a seam wherever the band is stroked.
        p.moveTo(c.x() + inner, c.y());
        arc(p, c, inner, 2.0 * std::numbers::pi, 0.0);
        p.closeSubpath();
    }
    return p;
}

double EnhancedTaperedSegmentShape::effectiveCornerRadius() const
{
    const double R = adjustedOuterRadius(), r = adjustedInnerRadius();
    double k = cornerRadius;
    k = std::min(k, (R - r) / cornerClamp.radial);
    k = std::min(k, R * std::abs(outerEndAngle - outerStartAngle) / cornerClamp.outerArc);
    k = std::min(k, r * std::abs(innerEndAngle - innerStartAngle) / cornerClamp.innerArc);
    return k;
}

QPainterPath EnhancedTaperedSegmentShape::path(const QRectF& rect) const
{
    const QPointF C = rect.center();
    const double R = adjustedOuterRadius(), r = adjustedInnerRadius();
    const double os = outerStartAngle, oe = outerEndAngle, is = innerStartAngle, ie = innerEndAngle;
    const double k = effectiveCornerRadius();

    const QPointF Pos = polar(C, R, os), Poe = polar(C, R, oe), Pis = polar(C, r, is), Pie = polar(C, r, ie);
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    const QPointF A = offsetPointAlongArc(C, R, os, k);
    p.moveTo(A);
    if (os + k / R < oe - k / R)
        arc(p, C, R, os + k / R, oe - k / R);
    p.quadTo(Poe, offsetPointToward(Poe, Pie, k));
    p.lineTo(offsetPointToward(Pie, Poe, k));
    p.quadTo(Pie, offsetPointAlongArc(C, r, ie, -k));
    if (is + k / r < ie - k / r)
        arc(p, C, r, ie - k / r, is + k / r);
    p.quadTo(Pis, offsetPointToward(Pis, Pos, k));
    p.lineTo(offsetPointToward(Pos, Pis, k));
    p.quadTo(Pos, A);
    p.closeSubpath();
    return p;
}

EnhancedTaperedSegmentShape EnhancedTaperedSegmentShape::wedge(int index, int total, double bandInner, double bandOuter,
                                                               double radialGapOuter, double radialGapInner, double visualGap)
{
    EnhancedTaperedSegmentShape s;
    s.baseInnerRadius = bandInner;
    s.baseOuterRadius = bandOuter;
    s.outerRadialGap = radialGapOuter;
    s.innerRadialGap = radialGapInner;
    const double full = 2.0 * std::numbers::pi / double(std::max(total, 1));
    const double start = full * double(index) - std::numbers::pi / 2.0;
    const double innerGap = visualGap / s.adjustedInnerRadius() / 2.0;
    const double outerGap = visualGap / s.adjustedOuterRadius() / 2.0;
    s.innerStartAngle = start + innerGap;
    s.innerEndAngle = start + full - innerGap;
    s.outerStartAngle = start + outerGap;
    s.outerEndAngle = start + full - outerGap;
    return s;
}

// ---- RingBand ----------------------------------------------------------------------

RingBand::RingBand(double innerRadius, double outerRadius)
    : m_inner(innerRadius, RestTolerance::points)
    , m_outer(outerRadius, RestTolerance::points)
{
}

void RingBand::setRadii(double innerRadius, double outerRadius, std::optional<RingAnimation> bandMotion)
{
    if (bandMotion) {
        m_inner.animateTo(innerRadius, *bandMotion);
        m_outer.animateTo(outerRadius, *bandMotion);
    } else {
        m_inner.setValue(innerRadius);
        m_outer.setValue(outerRadius);
    }
}

void RingBand::paintDirect(QPainter& painter, QPointF centre, double inner, double outer, const RingPalette& palette)
{
    const double side = RingMotion::bandCanvasSize;
    const QRectF canvas(centre.x() - side / 2.0, centre.y() - side / 2.0, side, side);
    const QPainterPath band = RingShape { inner, outer }.path(canvas);

    // The glass with the faint white gradient over it, as one fill: a
    // gradient laid over a flat colour is again a gradient between the two
    // stops laid over it.
    const QColor glass = RingGlass(band, RingGlass::Material::underWindowBackground, false, 0.0,
                                   RingGlass::BlendingMode::withinWindow)
                             .fillColour(palette);
    QLinearGradient fill(canvas.topLeft(), canvas.bottomRight());
    fill.setColorAt(0.0, RingGlass::over(QColor::fromRgbF(1, 1, 1, 0.15f), glass));
    fill.setColorAt(1.0, RingGlass::over(QColor::fromRgbF(1, 1, 1, 0.05f), glass));

    const auto draw = [&] {
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawPath(band);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor::fromRgbF(0, 0, 0, 0.35f), 0.5));
        painter.drawPath(band);
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    // In the small layer of an opening ring's blur the band covers few
    // pixels: drawn in bands of rows it stays off Qt's thread pool for less
    // than the pool's wake-ups cost. At full size the rows cost more.
    const double dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    if (std::sqrt(std::abs(painter.worldTransform().determinant())) * dpr <= 0.5)
        RingEffects::paintInBands(painter, canvas, draw, 24);
    else
        draw();
    painter.restore();
}

void RingBand::paint(QPainter& painter, QPointF centre, const RingPalette& palette) const
{
    // Resolution of the cache: device pixels per point under the painter's transform.
    const QTransform& t = painter.worldTransform();
    const double dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const double scale = std::max(0.25, std::round(std::sqrt(std::abs(t.determinant())) * dpr * 4.0) / 4.0);
    double inner = innerRadius(), outer = outerRadius();
    if (isAnimating()) {
        // While the radii spring they move in steps of half a device pixel.
        // A step that holds for two frames (the spring slowing down or
        // swinging back) is drawn into the cache; a band still on the move
        // is drawn directly rather than cached for one frame.
        const double step = 0.5 / scale;
        inner = std::round(inner / step) * step;
        outer = std::round(outer / step) * step;
        const CacheKey key { inner, outer, scale, palette };
        if (!(key == m_cacheKey) || m_cache.isNull()) {
            const bool holding = key == m_lastKey;
            m_lastKey = key;
            if (!holding) {
                paintDirect(painter, centre, inner, outer, palette);
                return;
            }
        }
    }
    const CacheKey key { inner, outer, scale, palette };
    const double side = RingMotion::bandCanvasSize;
    if (!(key == m_cacheKey) || m_cache.isNull()) {
        const int px = int(std::ceil(side * scale)) + 2;
        QImage img(px, px, QImage::Format_ARGB32_Premultiplied);
        img.setDevicePixelRatio(scale);
        img.fill(Qt::transparent);
        QPainter p(&img);
        const double half = double(px) / scale / 2.0;
        paintDirect(p, QPointF(half, half), inner, outer, palette);
        p.end();
        m_cache = std::move(img);
        m_cacheKey = key;
    }
    const double half = double(m_cache.width()) / scale / 2.0;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    RingEffects::drawImageInBands(painter, QRectF(centre.x() - half, centre.y() - half, 2.0 * half, 2.0 * half), m_cache);
    painter.restore();
}
