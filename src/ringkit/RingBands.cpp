#include "ringkit/RingEffects.h"

#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

// Drawing in bands of rows, clipped to what a ring can hold, and the
// round areas a moving ring repaints.

namespace {

int clipRectCount(const QPainter& painter)
{
    const QPaintEngine* engine = painter.paintEngine();
    return engine ? int(engine->systemClip().rectCount()) : 0;
}

} // namespace

int RingEffects::clipRectsPerRow(const QPainter& painter)
{
    const QPaintEngine* engine = painter.paintEngine();
    if (!engine)
        return 1;
    const QRegion clip = engine->systemClip();
    if (clip.rectCount() <= 1)
        return 1;
    // A region keeps its rectangles in bands of rows, each band left to right.
    int most = 1, run = 0, top = std::numeric_limits<int>::min();
    for (const QRect& r : clip) {
        run = r.top() == top ? run + 1 : 1;
        top = r.top();
        most = std::max(most, run);
    }
    return most;
}

void RingEffects::drawImageInBands(QPainter& painter, const QRectF& target, const QImage& image, int bandRows)
{
    // Each clip rectangle a row crosses is a span of its own; under a clip
    // of several rectangles even a plain copy goes span by span.
    const int perRow = clipRectsPerRow(painter);
    const bool clipped = perRow > 1 || clipRectCount(painter) > 1;
    if (perRow > 1)
        bandRows = std::min(bandRows, std::max(4, 80 / (perRow + 2)));
    if (landsOnPixels(painter, target, image)) {
        // Pixel for pixel: filtering would give back the same pixels, and
        // without it the raster engine copies the image in one pass, on this
        // thread, several times faster.
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        if (clipped)
            paintInBands(
                painter, target, [&] { painter.drawImage(target, image); }, bandRows);
        else
            painter.drawImage(target, image);
        painter.restore();
        return;
    }
    if (hasClearEdge(image)) {
        // The filter already fades the image out over its clear edge, so the
        // outline needs no antialiasing: one span a row, and bands of fewer
        // rows than the pool's threshold.
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, false);
        paintInBands(
            painter, target, [&] { painter.drawImage(target, image); }, std::min(bandRows, 80));
        painter.restore();
        return;
    }
    // A scaled or turned image has antialiased edges: several spans a row.
    bandRows = std::min(bandRows, painter.worldTransform().isRotating() ? 16 : 28);
    paintInBands(
        painter, target, [&] { painter.drawImage(target, image); }, bandRows);
}

void RingEffects::drawImageInRing(
    QPainter& painter, const QRectF& target, const QImage& image, QPointF centre, double inner, double outer)
{
    const QTransform world = painter.worldTransform();
    // Only a turn and an even scaling keep the ring round on the device.
    const bool round = world.type() <= QTransform::TxRotate && std::abs(world.m11() - world.m22()) < 1e-9
        && std::abs(world.m12() + world.m21()) < 1e-9;
    if (!round || painter.hasClipping() || landsOnPixels(painter, target, image) || !hasClearEdge(image)) {
        drawImageInBands(painter, target, image);
        return;
    }
    const double dpr = painter.device() ? std::max(0.25, painter.device()->devicePixelRatioF()) : 1.0;
    const double scale = std::sqrt(std::abs(world.determinant())) * dpr;
    const QPointF mid = world.map(centre) * dpr;
    // Two pixels of the image, in points: its pixels span the target.
    const double spread = 2.0 * target.width() / std::max(1, image.width());
    const double ro = std::max(0.0, outer + spread) * scale, ri = std::clamp((inner - spread) * scale, 0.0, ro);
    const QRectF device = world.mapRect(target);
    const int top = std::max(int(std::floor(device.top() * dpr)), int(std::floor(mid.y() - ro)));
    const int bottom = std::min(int(std::ceil(device.bottom() * dpr)), int(std::ceil(mid.y() + ro)));
    const int left = int(std::floor(device.left() * dpr)) - 1, right = int(std::ceil(device.right() * dpr)) + 1;
    // Short bands follow the circles closely; each is a draw of its own.
    constexpr int kBandRows = 24;
    const auto drawIn = [&](int from, int to, int y, int end) {
        if (from >= to)
            return;
        painter.save();
        painter.resetTransform();
        painter.setClipRect(QRectF(from / dpr, y / dpr, (to - from) / dpr, (end - y) / dpr), Qt::IntersectClip);
        painter.setTransform(world);
        painter.drawImage(target, image);
        painter.restore();
    };
    painter.save();
    // The filter already fades the image out over its clear edge.
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int y = top; y < bottom; y += kBandRows) {
        const int end = std::min(bottom, y + kBandRows);
        const double nearest
            = (mid.y() >= y && mid.y() <= end) ? 0.0 : std::min(std::abs(y - mid.y()), std::abs(end - mid.y()));
        if (nearest >= ro)
            continue;
        // The outer circle at the band's row nearest the middle is its widest.
        const double half = std::sqrt(ro * ro - nearest * nearest);
        const int x0 = std::max(left, int(std::floor(mid.x() - half))),
                  x1 = std::min(right, int(std::ceil(mid.x() + half)));
        // The hole at the band's row farthest from the middle is its narrowest.
        const double farthest = std::max(std::abs(y - mid.y()), std::abs(end - mid.y()));
        int h0 = x1, h1 = x1;
        if (farthest < ri) {
            const double hole = std::sqrt(ri * ri - farthest * farthest);
            h0 = std::max(x0, int(std::ceil(mid.x() - hole)));
            h1 = std::min(x1, int(std::floor(mid.x() + hole)));
        }
        if (h0 < h1) {
            drawIn(x0, h0, y, end);
            drawIn(h1, x1, y, end);
        } else {
            drawIn(x0, x1, y, end);
        }
    }
    painter.restore();
}

QRegion RingEffects::discRegion(QPoint centre, double radius, int strip)
{
    return ringRegion(centre, 0.0, radius, strip);
}

QRegion RingEffects::ringRegion(QPoint centre, double inner, double outer, int strip)
{
    if (!(outer > 0.0) || strip <= 0)
        return {};
    // Top to bottom, left to right and disjoint: the region takes them as they are.
    std::vector<QRect> rects;
    const int reach = int(std::ceil(outer));
    const int strips = (reach + strip - 1) / strip;
    rects.reserve(4 * size_t(strips));
    for (int k = -strips; k < strips; ++k) {
        // The outermost strips end where the circle does.
        const int top = std::max(k * strip, -reach), bottom = std::min(k * strip + strip, reach);
        // A strip is as wide as the outer circle at its row nearest the
        // middle, and leaves out what the inner circle covers on every row.
        const double nearest = top <= 0 && bottom >= 0 ? 0.0 : std::min(std::abs(top), std::abs(bottom));
        if (nearest >= outer)
            continue;
        const int half = int(std::ceil(std::sqrt(outer * outer - nearest * nearest)));
        const double farthest = std::max(std::abs(top), std::abs(bottom));
        const int hole = farthest < inner ? int(std::floor(std::sqrt(inner * inner - farthest * farthest))) : 0;
        if (hole >= half)
            continue;
        if (hole <= 0) {
            rects.emplace_back(centre.x() - half, centre.y() + top, 2 * half, bottom - top);
        } else {
            rects.emplace_back(centre.x() - half, centre.y() + top, half - hole, bottom - top);
            rects.emplace_back(centre.x() + hole, centre.y() + top, half - hole, bottom - top);
        }
    }
    QRegion region;
    region.setRects(rects.data(), int(rects.size()));
    return region;
}

void RingEffects::paintInBands(
    QPainter& painter, const QRectF& target, const std::function<void()>& paint, int bandRows)
{
    // The world transform leaves out the device's pixel ratio: bands are
    // counted in device pixels and placed on whole ones.
    const double dpr = painter.device() ? std::max(0.25, painter.device()->devicePixelRatioF()) : 1.0;
    const QTransform world = painter.worldTransform();
    const QRectF device = world.mapRect(target);
    // Under a clip path every band would intersect with it: drawn at once.
    if (bandRows <= 0 || device.height() * dpr <= double(bandRows) || painter.hasClipping()) {
        paint();
        return;
    }
    // An axis-aligned clip rectangle is cheap, and the rasterizer only
    // visits the rows inside it.
    const int top = int(std::floor(device.top() * dpr)), bottom = int(std::ceil(device.bottom() * dpr));
    const double left = std::floor(device.left() * dpr) / dpr - 1.0,
                 width = std::ceil(device.width() * dpr) / dpr + 2.0;
    for (int y = top; y < bottom; y += bandRows) {
        painter.save();
        painter.resetTransform();
        painter.setClipRect(
            QRectF(left, double(y) / dpr, width, double(std::min(bandRows, bottom - y)) / dpr), Qt::IntersectClip);
        painter.setTransform(world);
        paint();
        painter.restore();
    }
}
