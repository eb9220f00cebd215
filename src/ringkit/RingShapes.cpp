#include "ringkit/RingShapes.h"
#include "ringkit/RingEffects.h"

#include "ringkit/RingMotion.h"

#include <QLinearGradient>
#include <QPainter>
#include <array>
#include <utility>
#include <vector>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double kRadToDeg = 180.0 / std::numbers::pi;

QPointF polar(QPointF c, double r, double a) { return { c.x() + r * std::cos(a), c.y() + r * std::sin(a) }; }

QRectF circleRect(QPointF c, double r) { return { c.x() - r, c.y() - r, 2.0 * r, 2.0 * r }; }

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

namespace {
constexpr double kBandPenWidth = 0.5;
constexpr float kBandPenAlpha = 0.35f;

// The glass with the faint white gradient over it, as one fill: a gradient
// laid over a flat colour is again a gradient between the two stops laid
// over it. First the colour at the canvas's top left, then at its bottom right.
std::pair<QColor, QColor> bandGradientStops(const QPainterPath& band, const RingPalette& palette)
{
    const QColor glass
        = RingGlass(band, RingGlass::Material::underWindowBackground, false, 0.0, RingGlass::BlendingMode::withinWindow)
              .fillColour(palette);
    return { RingGlass::over(QColor::fromRgbF(1, 1, 1, 0.15f), glass),
        RingGlass::over(QColor::fromRgbF(1, 1, 1, 0.05f), glass) };
}

// How much of a pixel (a unit square about its centre) lies on the inner
// side of a straight edge `s` pixels from the centre, the edge's normal
// having components `a` >= `b` >= 0 (a^2 + b^2 = 1).
inline double pixelCover(double s, double a, double b)
{
    const double h = 0.5 * (a + b);
    if (s >= h)
        return 1.0;
    if (s <= -h)
        return 0.0;
    if (std::abs(s) <= 0.5 * (a - b))
        return 0.5 + s / a;
    const double u = h - std::abs(s);
    const double corner = u * u / (2.0 * a * b);
    return s > 0.0 ? 1.0 - corner : corner;
}
}

namespace {
// `previous`: the radii of the band `image` already holds, or none.
void rasterizeBand(
    QImage& image, double inner, double outer, const RingPalette& palette, const std::array<double, 2>* previous)
{
    const double scale = image.devicePixelRatio();
    const double side = RingMotion::bandCanvasSize;
    outer = std::min(outer, side / 2.0);
    inner = std::min(inner, outer - 1.0);
    const auto [from, to] = bandGradientStops(QPainterPath(), palette);
    const auto premultiplied = [](const QColor& c) {
        const float a = c.alphaF();
        return std::array<float, 4> { c.redF() * a, c.greenF() * a, c.blueF() * a, a };
    };
    const std::array<float, 4> c0 = premultiplied(from), c1 = premultiplied(to);
    // In device pixels, about the image's middle.
    const double cx = image.width() / 2.0, cy = image.height() / 2.0;
    const double ro = outer * scale, ri = std::max(0.0, inner) * scale, pen = kBandPenWidth * scale / 2.0;
    const double origin = -side * scale / 2.0, span = 2.0 * side * scale;
    // A pixel is partly covered only within half its diagonal of an edge.
    constexpr double corner = 0.75;
    const double reach = ro + pen + corner, hole = ri - pen - corner;
    const double solid0 = ri + pen + corner, solid1 = ro - pen - corner;
    // The gradient runs along the diagonal: a pixel's colour depends on x + y only.
    // Per diagonal, its colour as a pixel and as the channels the edge
    // pixels are shaded from.
    std::vector<QRgb> glass(size_t(image.width()) + size_t(image.height()));
    std::vector<std::array<float, 4>> tint(glass.size());
    for (size_t i = 0; i < glass.size(); ++i) {
        const double along = double(i) + 1.0 - cx - cy; // dx + dy of the pixels on this diagonal
        const float t = float(std::clamp((along - 2.0 * origin) / span, 0.0, 1.0));
        for (size_t c = 0; c < 4; ++c)
            tint[i][c] = c0[c] + (c1[c] - c0[c]) * t;
        const auto channel = [&](int c) { return int(std::lround(tint[i][size_t(c)] * 255.0f)); };
        glass[i] = qRgba(channel(0), channel(1), channel(2), channel(3));
    }
    // The band is the same mirrored left to right and top to bottom: on an
    // image of even sides the edge pixels' coverage is worked out for the
    // top left quarter and used for the three pixels mirroring each.
    const int w = image.width(), h = image.height();
    const bool mirrored = w % 2 == 0 && h % 2 == 0;
    const int rows = mirrored ? h / 2 : h, columns = mirrored ? w / 2 : w;
    // Every pixel is written once: the clear ones outside the band, in its
    // hole and beside its edges too (the image is not cleared first).
    const auto clear = [](QRgb* line, int from, int to) {
        if (from < to)
            std::fill(line + from, line + to, QRgb(0));
    };
    // A band already drawn with other radii changes only about the edges of
    // either: the radial spans (device pixels) where a pixel may differ,
    // widened by a pixel beyond where its coverage can be partial.
    std::array<std::array<double, 2>, 2> moved {};
    double rowReach = reach;
    if (previous) {
        const double pOuter = std::min((*previous)[1], side / 2.0);
        const double pro = pOuter * scale, pri = std::max(0.0, std::min((*previous)[0], pOuter - 1.0)) * scale;
        const double margin = pen + corner + 1.0;
        moved[0] = { std::max(0.0, std::min(ri, pri) - margin), std::max(ri, pri) + margin };
        moved[1] = { std::min(ro, pro) - margin, std::max(ro, pro) + margin };
        rowReach = moved[1][1];
    }
    for (int y = 0; y < rows; ++y) {
        const double dy = y + 0.5 - cy;
        const int ys[2] = { y, h - 1 - y };
        QRgb* lines[2]
            = { reinterpret_cast<QRgb*>(image.scanLine(ys[0])), reinterpret_cast<QRgb*>(image.scanLine(ys[1])) };
        const int lineCount = mirrored ? 2 : 1;
        if (std::abs(dy) >= rowReach) {
            if (!previous) {
                for (int line = 0; line < lineCount; ++line)
                    clear(lines[line], 0, w);
            }
            continue;
        }
        const double holeHalf = std::abs(dy) < hole ? std::sqrt(hole * hole - dy * dy) : -1.0;
        const auto shade = [&](int x, int line, float f, float k) {
            const std::array<float, 4>& base = tint[size_t(x) + size_t(ys[line])];
            const float keep = 1.0f - k;
            const auto channel = [&](int i) { return base[size_t(i)] * f * keep; };
            const float alpha = channel(3) + k;
            // Rounded half up, as std::lround rounds these non-negative
            // values (exactly so: a float gains no error in a double), without
            // a call into the maths library for each channel of each pixel.
            const auto level = [](float v) { return qRound(double(v * 255.0f)); };
            lines[line][x] = qRgba(level(channel(0)), level(channel(1)), level(channel(2)), level(alpha));
        };
        const auto edgePixel = [&](int x) {
            if (x >= columns)
                return; // drawn with its mirror image
            const double dx = x + 0.5 - cx;
            const int mirror = w - 1 - x;
            const auto clearPixel = [&] {
                for (int line = 0; line < lineCount; ++line) {
                    lines[line][x] = 0;
                    if (mirrored)
                        lines[line][mirror] = 0;
                }
            };
            if (std::abs(dx) < holeHalf) {
                clearPixel();
                return;
            }
            const double d2 = dx * dx + dy * dy;
            if (d2 >= solid0 * solid0 && d2 <= solid1 * solid1) {
                // Away from the edges: the glass alone.
                for (int line = 0; line < lineCount; ++line) {
                    lines[line][x] = glass[size_t(x) + size_t(ys[line])];
                    if (mirrored)
                        lines[line][mirror] = glass[size_t(mirror) + size_t(ys[line])];
                }
                return;
            }
            const double d = std::sqrt(d2);
            const double nx = d > 0.0 ? std::abs(dx) / d : 1.0, ny = d > 0.0 ? std::abs(dy) / d : 0.0;
            const double a = std::max(nx, ny), b = std::min(nx, ny);
            const auto cover = [&](double edge) { return pixelCover(edge - d, a, b); };
            const double fill = cover(ro) - (ri > 0.0 ? cover(ri) : 0.0);
            double stroke = cover(ro + pen) - cover(ro - pen);
            if (ri > 0.0)
                stroke += cover(ri + pen) - cover(ri - pen);
            stroke = std::clamp(stroke, 0.0, 1.0);
            if (fill <= 0.0 && stroke <= 0.0) {
                clearPixel();
                return;
            }
            const float f = float(std::max(0.0, fill)), k = kBandPenAlpha * float(stroke);
            for (int line = 0; line < lineCount; ++line) {
                shade(x, line, f, k);
                if (mirrored)
                    shade(mirror, line, f, k);
            }
        };
        if (previous) {
            // The row's pixels within either span, each worked out afresh.
            const double ady = std::abs(dy);
            std::array<std::pair<int, int>, 4> spans {};
            int count = 0;
            for (const auto& [near, far] : moved) {
                if (ady >= far)
                    continue;
                const double a = ady < near ? std::sqrt(near * near - ady * ady) : 0.0;
                const double b = std::sqrt(far * far - ady * ady);
                spans[size_t(count++)] = { int(std::floor(cx - 0.5 - b)), int(std::ceil(cx - 0.5 - a)) };
                spans[size_t(count++)] = { int(std::floor(cx - 0.5 + a)), int(std::ceil(cx - 0.5 + b)) };
            }
            // Left to right (at most four, so by insertion).
            for (int i = 1; i < count; ++i) {
                for (int j = i; j > 0 && spans[size_t(j)] < spans[size_t(j - 1)]; --j)
                    std::swap(spans[size_t(j)], spans[size_t(j - 1)]);
            }
            int next = 0;
            for (int i = 0; i < count; ++i) {
                const int to = std::min(spans[size_t(i)].second, (mirrored ? columns : w) - 1);
                for (int x = std::max({ spans[size_t(i)].first, next, 0 }); x <= to; ++x)
                    edgePixel(x);
                next = std::max(next, to + 1);
            }
            continue;
        }
        const double half = std::sqrt(reach * reach - dy * dy);
        const int x0 = std::max(0, int(std::floor(cx - half))), x1 = std::min(w, int(std::ceil(cx + half)));
        for (int line = 0; line < lineCount; ++line) {
            clear(lines[line], 0, x0);
            clear(lines[line], x1, w);
        }
        // The row in runs, left to right: the glass between the edges is
        // copied, the hole skipped, and only the pixels near an edge computed.
        struct Run {
            int from, to; // inclusive
            bool glass;
        };
        Run runs[3];
        int count = 0;
        const double ady = std::abs(dy);
        const double holeFrom = std::floor(cx - 0.5 - holeHalf) + 1.0, holeTo = std::ceil(cx - 0.5 + holeHalf) - 1.0;
        if (ady < solid1 && solid0 < solid1) {
            const double outerHalf = std::sqrt(solid1 * solid1 - dy * dy);
            const double innerHalf = ady < solid0 ? std::sqrt(solid0 * solid0 - dy * dy) : 0.0;
            const int leftFrom = int(std::ceil(cx - 0.5 - outerHalf)), leftTo = int(std::floor(cx - 0.5 - innerHalf));
            const int rightFrom = int(std::ceil(cx - 0.5 + innerHalf)), rightTo = int(std::floor(cx - 0.5 + outerHalf));
            if (innerHalf <= 0.0) {
                runs[count++] = { leftFrom, rightTo, true };
            } else {
                runs[count++] = { leftFrom, leftTo, true };
                if (holeHalf > 0.0 && holeFrom <= holeTo)
                    runs[count++] = { int(holeFrom), int(holeTo), false };
                runs[count++] = { rightFrom, rightTo, true };
            }
        } else if (holeHalf > 0.0 && holeFrom <= holeTo) {
            runs[count++] = { int(holeFrom), int(holeTo), false };
        }
        int x = x0;
        for (int i = 0; i < count; ++i) {
            const int from = std::max(runs[i].from, x), to = std::min(runs[i].to, x1 - 1);
            if (from > to)
                continue;
            for (; x < from; ++x)
                edgePixel(x);
            for (int line = 0; line < lineCount; ++line) {
                if (runs[i].glass)
                    std::copy(
                        glass.begin() + (from + ys[line]), glass.begin() + (to + ys[line] + 1), lines[line] + from);
                else
                    clear(lines[line], from, to + 1);
            }
            x = to + 1;
        }
        for (; x < x1; ++x)
            edgePixel(x);
    }
}

} // namespace

void RingBand::rasterize(QImage& image, double inner, double outer, const RingPalette& palette)
{
    rasterizeBand(image, inner, outer, palette, nullptr);
}

void RingBand::rasterizeMoved(
    QImage& image, double previousInner, double previousOuter, double inner, double outer, const RingPalette& palette)
{
    const std::array<double, 2> previous { previousInner, previousOuter };
    rasterizeBand(image, inner, outer, palette, &previous);
}

void RingBand::paintDirect(QPainter& painter, QPointF centre, double inner, double outer, const RingPalette& palette)
{
    const double side = RingMotion::bandCanvasSize;
    const QRectF canvas(centre.x() - side / 2.0, centre.y() - side / 2.0, side, side);
    const QPainterPath band = RingShape { inner, outer }.path(canvas);

    const auto [from, to] = bandGradientStops(band, palette);
    QLinearGradient fill(canvas.topLeft(), canvas.bottomRight());
    fill.setColorAt(0.0, from);
    fill.setColorAt(1.0, to);

    const auto draw = [&] {
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawPath(band);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor::fromRgbF(0, 0, 0, kBandPenAlpha), kBandPenWidth));
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

void RingBand::paint(QPainter& painter, QPointF centre, const RingPalette& palette, bool reuse) const
{
    // Resolution of the cache: device pixels per point under the painter's transform.
    const QTransform& t = painter.worldTransform();
    const double dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const double scale = std::max(0.25, std::round(std::sqrt(std::abs(t.determinant())) * dpr * 4.0) / 4.0);
    double inner = innerRadius(), outer = outerRadius();
    // The band is computed into the cache on this thread, at rest as while
    // its radii spring (in steps of half a device pixel): the painter would
    // spread a fill this size over Qt's thread pool, and a ring that
    // settles keeps exactly the band it moved with.
    if (isAnimating()) {
        const double step = 0.5 / scale;
        inner = std::round(inner / step) * step;
        outer = std::round(outer / step) * step;
    }
    const CacheKey key { inner, outer, scale, palette };
    const double side = RingMotion::bandCanvasSize;
    if (!(key == m_cacheKey) || m_cache.isNull()) {
        const int px = int(std::ceil(side * scale)) + 2;
        // A spring moves the radii a little each frame: only the pixels
        // about the edges are computed again.
        const bool moved = reuse && !m_cache.isNull() && m_cache.width() == px && m_cache.height() == px
            && m_cacheKey.scale == scale && m_cacheKey.palette == palette;
        if (m_cache.width() != px || m_cache.height() != px)
            m_cache = QImage(px, px, QImage::Format_ARGB32_Premultiplied);
        m_cache.setDevicePixelRatio(scale);
        if (moved)
            rasterizeMoved(m_cache, m_cacheKey.inner, m_cacheKey.outer, inner, outer, palette);
        else
            rasterize(m_cache, inner, outer, palette);
        m_cacheKey = key;
    }
    const double half = double(m_cache.width()) / scale / 2.0;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    RingEffects::drawImageInBands(
        painter, QRectF(centre.x() - half, centre.y() - half, 2.0 * half, 2.0 * half), m_cache);
    painter.restore();
}
