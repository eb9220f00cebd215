#include "ringkit/RingEffects.h"

#include <QCache>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

QTransform RingEffects::rotation3D(
    QPointF anchor, QSizeF frame, double angle, QVector3D axis, double anchorZ, double perspective)
{
    const double len = axis.length();
    if (len <= 0.0 || !std::isfinite(angle))
        return {};
    const double ux = axis.x() / len, uy = axis.y() / len, uz = axis.z() / len;
    const double c = std::cos(angle), s = std::sin(angle), t = 1.0 - c;
    // Rodrigues' rotation matrix.
    const double m[3][3] = {
        { t * ux * ux + c, t * ux * uy - s * uz, t * ux * uz + s * uy },
        { t * ux * uy + s * uz, t * uy * uy + c, t * uy * uz - s * ux },
        { t * ux * uz - s * uy, t * uy * uz + s * ux, t * uz * uz + c },
    };
    const double side = std::max(frame.width(), frame.height());
    const double eye = perspective > 0.0 && side > 0.0 ? side / perspective : 0.0;

    const double hw = std::max(frame.width(), 1.0) / 2.0, hh = std::max(frame.height(), 1.0) / 2.0;
    const std::array<QPointF, 4> corners = { QPointF(-hw, -hh), QPointF(hw, -hh), QPointF(hw, hh), QPointF(-hw, hh) };
    QPolygonF from, to;
    for (const QPointF& q : corners) {
        const double x = q.x(), y = q.y(), z = -anchorZ;
        double X = m[0][0] * x + m[0][1] * y + m[0][2] * z;
        double Y = m[1][0] * x + m[1][1] * y + m[1][2] * z;
        const double Z = m[2][0] * x + m[2][1] * y + m[2][2] * z + anchorZ;
        if (eye > 0.0) {
            const double k = eye / std::max(eye - Z, eye * 0.05);
            X *= k;
            Y *= k;
        }
        from << anchor + q;
        to << anchor + QPointF(X, Y);
    }
    QTransform result;
    if (!QTransform::quadToQuad(from, to, result))
        return {};
    return result;
}

namespace {
// Box passes over premultiplied ARGB pixels, four 8-bit channels each. A
// window of 2r + 1 pixels is averaged (edge pixels repeat beyond the image)
// and the average rounded down.
//
// One pass down the columns (src -> dst, w x h pixels, tightly packed): a
// running sum per channel of every column moves down a row at a time, so
// every inner loop runs along a row and is vectorised (twice as wide where
// the processor has AVX2). `Sum` holds a window's sum of bytes; `average`
// turns it into the rounded-down average.
template <class Sum, class Average>
[[gnu::always_inline]] inline void boxPass(
    const quint8* src, quint8* dst, int w, int h, int r, std::vector<Sum>& sums, Average average)
{
    const size_t rowBytes = size_t(w) * 4;
    sums.assign(rowBytes, 0);
    Sum* sum = sums.data();
    for (int i = -r; i <= r; ++i) {
        const quint8* row = src + size_t(std::clamp(i, 0, h - 1)) * rowBytes;
        for (size_t k = 0; k < rowBytes; ++k)
            sum[k] = Sum(sum[k] + row[k]);
    }
    for (int y = 0; y < h; ++y) {
        quint8* out = dst + size_t(y) * rowBytes;
        for (size_t k = 0; k < rowBytes; ++k)
            out[k] = average(sum[k]);
        const quint8* add = src + size_t(std::min(y + r + 1, h - 1)) * rowBytes;
        const quint8* sub = src + size_t(std::max(y - r, 0)) * rowBytes;
        for (size_t k = 0; k < rowBytes; ++k)
            sum[k] = Sum(sum[k] + add[k] - sub[k]);
    }
}

// Windows of up to 255 pixels: the sums fit in 16 bits, and the division is
// a multiplication by 2^24 / (2r + 1) rounded up, exact for every sum such a
// window of bytes can reach.
constexpr int kNarrowBoxRadius = 127;
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx2", "default")))
#endif
void boxPassColumnsNarrow(const quint8* src, quint8* dst, int w, int h, int r, std::vector<quint16>& sums)
{
    const quint32 n = quint32(2 * r + 1);
    const quint32 multiplier = ((quint32(1) << 24) + n - 1) / n;
    boxPass(src, dst, w, h, r, sums, [multiplier](quint16 sum) { return quint8((quint32(sum) * multiplier) >> 24); });
}

// Wider windows: 32-bit sums, divided by a single-precision multiplication,
// exact here: half a step added to the sum keeps a whole quotient from
// falling just short of itself, and no fraction a window of bytes can leave
// comes within rounding distance of the next whole number.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx2", "default")))
#endif
void boxPassColumnsWide(const quint8* src, quint8* dst, int w, int h, int r, std::vector<quint32>& sums)
{
    const float inverse = 1.0f / float(2 * r + 1);
    boxPass(src, dst, w, h, r, sums, [inverse](quint32 sum) { return quint8(int((float(sum) + 0.5f) * inverse)); });
}

// Pixels of a w x h image (tightly packed) into the h x w image of its
// columns, in tiles that stay in the cache.
void transpose(const quint32* src, quint32* dst, int w, int h)
{
    constexpr int tile = 16;
    for (int y0 = 0; y0 < h; y0 += tile) {
        const int y1 = std::min(y0 + tile, h);
        for (int x0 = 0; x0 < w; x0 += tile) {
            const int x1 = std::min(x0 + tile, w);
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x)
                    dst[size_t(x) * size_t(h) + size_t(y)] = src[size_t(y) * size_t(w) + size_t(x)];
        }
    }
}

// Box radii of three passes approximating a Gaussian of `sigma`.
std::array<int, 3> boxRadii(double sigma)
{
    const double ideal = std::sqrt(12.0 * sigma * sigma / 3.0 + 1.0);
    int wl = int(std::floor(ideal));
    if (wl % 2 == 0)
        --wl;
    const int wu = wl + 2;
    const double mIdeal = (12.0 * sigma * sigma - 3.0 * wl * wl - 12.0 * wl - 9.0) / (-4.0 * wl - 4.0);
    const int m = int(std::round(mIdeal));
    std::array<int, 3> r {};
    for (int i = 0; i < 3; ++i)
        r[i] = ((i < m ? wl : wu) - 1) / 2;
    return r;
}
}

int RingEffects::boxBlurReach(double sigma)
{
    if (!(sigma >= 0.5))
        return 0;
    const auto radii = boxRadii(sigma);
    return std::max(0, radii[0]) + std::max(0, radii[1]) + std::max(0, radii[2]);
}

void RingEffects::boxBlur(QImage& image, double sigma)
{
    if (!(sigma >= 0.5) || image.isNull())
        return;
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = image.width(), h = image.height();
    const size_t rowBytes = size_t(w) * 4;
    // Working copies without the image's row padding, reused between calls
    // (rings are drawn on the GUI thread; each thread has its own).
    static thread_local std::vector<quint32> a, b, sums;
    static thread_local std::vector<quint16> narrowSums;
    a.resize(size_t(w) * size_t(h));
    b.resize(a.size());
    for (int y = 0; y < h; ++y)
        std::copy_n(reinterpret_cast<const quint32*>(image.constScanLine(y)), w, a.data() + size_t(y) * size_t(w));
    const auto radii = boxRadii(sigma);
    const auto passes = [&](int width, int height) {
        for (int r : radii) {
            if (r > 0) {
                const auto* from = reinterpret_cast<const quint8*>(a.data());
                auto* to = reinterpret_cast<quint8*>(b.data());
                if (r <= kNarrowBoxRadius)
                    boxPassColumnsNarrow(from, to, width, height, r, narrowSums);
                else
                    boxPassColumnsWide(from, to, width, height, r, sums);
                std::swap(a, b);
            }
        }
    };
    // Along the rows first (as columns of the turned image), then down the columns.
    transpose(a.data(), b.data(), w, h);
    std::swap(a, b);
    passes(h, w);
    transpose(a.data(), b.data(), h, w);
    std::swap(a, b);
    passes(w, h);
    for (int y = 0; y < h; ++y)
        std::copy_n(reinterpret_cast<const quint8*>(a.data()) + size_t(y) * rowBytes, rowBytes, image.scanLine(y));
}

QImage RingEffects::blurred(const QImage& image, double radius)
{
    if (image.isNull() || !(radius > 0.0))
        return image;
    const double dpr = image.devicePixelRatio();
    const double sigmaPx = radius * dpr;
    if (sigmaPx < 0.5)
        return image;
    // A wide blur loses nothing at a quarter of the resolution (or less).
    const int factor = std::clamp(int(sigmaPx / 2.5), 1, 8);
    QImage work = factor > 1 ? image.scaled(std::max(1, image.width() / factor), std::max(1, image.height() / factor),
                      Qt::IgnoreAspectRatio, Qt::FastTransformation)
                             : image.copy();
    work.setDevicePixelRatio(1.0);
    boxBlur(work, sigmaPx / double(factor));
    if (factor > 1) {
        // Enlarged back by the separable filter: within a level of Qt's
        // smooth scaling of so soft an image, at a fraction of its cost.
        QImage full(image.width(), image.height(), QImage::Format_ARGB32_Premultiplied);
        resampleBilinear(work.convertToFormat(QImage::Format_ARGB32_Premultiplied), full);
        work = full;
    }
    work.setDevicePixelRatio(dpr);
    return work;
}

bool RingEffects::hasClearEdge(const QImage& image)
{
    if (image.format() != QImage::Format_ARGB32_Premultiplied && image.format() != QImage::Format_ARGB32)
        return false;
    const int w = image.width(), h = image.height();
    if (w < 3 || h < 3)
        return false;
    const auto* top = reinterpret_cast<const QRgb*>(image.constScanLine(0));
    const auto* bottom = reinterpret_cast<const QRgb*>(image.constScanLine(h - 1));
    for (int x = 0; x < w; ++x) {
        if (qAlpha(top[x]) != 0 || qAlpha(bottom[x]) != 0)
            return false;
    }
    for (int y = 1; y < h - 1; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        if (qAlpha(row[0]) != 0 || qAlpha(row[w - 1]) != 0)
            return false;
    }
    return true;
}

QImage RingEffects::paintedAtScale(QSizeF points, double scale, const std::function<void(QPainter&)>& draw)
{
    QImage img(std::max(1, int(std::ceil(points.width() * scale))),
        std::max(1, int(std::ceil(points.height() * scale))), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        // A painter takes an image's pixel ratio under 1 for 1: the scale is its own.
        img.setDevicePixelRatio(std::max(1.0, scale));
        QPainter p(&img);
        if (scale < 1.0)
            p.scale(scale, scale);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        if (draw)
            draw(p);
    }
    img.setDevicePixelRatio(scale);
    return img;
}

QImage RingEffects::reducedToWidth(const QImage& image, int width)
{
    if (image.isNull())
        return image;
    const bool reduce = width > 0 && image.width() > width;
    if (!reduce && image.format() == QImage::Format_ARGB32_Premultiplied)
        return image;
    // Main thread only, as all painting of the rings. Costed in KiB: a few
    // MiB hold every icon of a full ring at each width it is drawn with.
    static QCache<QPair<qint64, int>, QImage> kept(8 * 1024);
    const QPair<qint64, int> key(image.cacheKey(), reduce ? width : 0);
    if (const QImage* hit = kept.object(key))
        return *hit;
    QImage out = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (reduce) {
        const double ratio = out.devicePixelRatio() * double(width) / double(out.width());
        out = out.scaledToWidth(width, Qt::SmoothTransformation);
        out.setDevicePixelRatio(ratio);
    }
    kept.insert(key, new QImage(out), std::max<qsizetype>(1, out.sizeInBytes() / 1024));
    return out;
}

QImage RingEffects::withClearEdge(const QImage& image)
{
    if (image.isNull() || hasClearEdge(image))
        return image;
    QImage padded(image.width() + 2, image.height() + 2, QImage::Format_ARGB32_Premultiplied);
    padded.fill(Qt::transparent);
    {
        QPainter p(&padded);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(QPoint(1, 1), image);
    }
    padded.setDevicePixelRatio(image.devicePixelRatio());
    return padded;
}

QRectF RingEffects::outwardToPixels(const QRectF& rect, double pixelsPerPoint)
{
    const double ppp = std::max(0.05, pixelsPerPoint);
    return { QPointF(std::floor(rect.left() * ppp), std::floor(rect.top() * ppp)) / ppp,
        QPointF(std::ceil(rect.right() * ppp), std::ceil(rect.bottom() * ppp)) / ppp };
}

bool RingEffects::landsOnPixels(const QPainter& painter, const QRectF& target, const QImage& image)
{
    const QTransform world = painter.worldTransform();
    if (world.type() > QTransform::TxScale || world.m11() <= 0.0 || world.m22() <= 0.0)
        return false;
    const double dpr = painter.device() ? std::max(0.25, painter.device()->devicePixelRatioF()) : 1.0;
    const QRectF device = world.mapRect(target);
    const auto whole = [](double v) { return std::abs(v - std::round(v)) < 1.0 / 64.0; };
    return whole(device.left() * dpr) && whole(device.top() * dpr)
        && std::abs(device.width() * dpr - image.width()) < 1.0 / 64.0
        && std::abs(device.height() * dpr - image.height()) < 1.0 / 64.0;
}

void RingEffects::drawImageCentered(QPainter& painter, QPointF centre, const QImage& image, double pixelsPerPoint)
{
    const double ppp = std::max(0.05, pixelsPerPoint);
    const QSizeF size(double(image.width()) / ppp, double(image.height()) / ppp);
    QRectF target(centre - QPointF(size.width() / 2.0, size.height() / 2.0), size);
    const QTransform world = painter.worldTransform();
    const double dpr = painter.device() ? std::max(0.25, painter.device()->devicePixelRatioF()) : 1.0;
    if (world.type() <= QTransform::TxTranslate && std::abs(ppp - dpr) < 1e-6) {
        const QPointF device = world.map(target.topLeft()) * dpr;
        const QPointF snapped(std::round(device.x()), std::round(device.y()));
        target.moveTopLeft(target.topLeft() + (snapped - device) / dpr);
    }
    drawImageInBands(painter, target, image);
}

namespace {

// a + (b - a) * w / 256 for each channel of n pixels, w in 0..256. Written
// a byte at a time so that it is vectorised (twice as wide with AVX2).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx2", "default")))
#endif
void blendRows(const quint32* a, const quint32* b, quint32 w, quint32* out, int n)
{
    const auto* pa = reinterpret_cast<const quint8*>(a);
    const auto* pb = reinterpret_cast<const quint8*>(b);
    auto* po = reinterpret_cast<quint8*>(out);
    const quint16 wb = quint16(w), wa = quint16(256 - w);
    // Each sum stays within 16 bits: 255 * 256 at most.
    for (int i = 0; i < 4 * n; ++i)
        po[i] = quint8((quint16(pa[i] * wa) + quint16(pb[i] * wb)) >> 8);
}

// The same with a weight for each pixel, given for each of its bytes.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx2", "default")))
#endif
void blendRowsWeighted(const quint32* a, const quint32* b, const quint16* weights, quint32* out, int n)
{
    const auto* pa = reinterpret_cast<const quint8*>(a);
    const auto* pb = reinterpret_cast<const quint8*>(b);
    auto* po = reinterpret_cast<quint8*>(out);
    for (int i = 0; i < 4 * n; ++i)
        po[i] = quint8((quint16(pa[i] * quint16(256 - weights[i])) + quint16(pb[i] * weights[i])) >> 8);
}

// Where output pixel i samples an axis of `from` pixels stretched to `to`:
// the first source pixel and the weight (0..256) of the next.
struct Tap {
    int first;
    int second;
    quint32 weight;
};

Tap tapAt(int i, int from, int to)
{
    const double s = (double(i) + 0.5) * double(from) / double(to) - 0.5;
    if (s <= 0.0)
        return { 0, 0, 0 };
    if (s >= double(from - 1))
        return { from - 1, from - 1, 0 };
    const int first = int(s);
    return { first, first + 1, quint32(std::lround((s - double(first)) * 256.0)) };
}

} // namespace

void RingEffects::resampleBilinear(const QImage& source, QImage& target)
{
    const int sw = source.width(), sh = source.height(), tw = target.width(), th = target.height();
    if (sw <= 0 || sh <= 0 || tw <= 0 || th <= 0 || source.format() != QImage::Format_ARGB32_Premultiplied
        || target.format() != QImage::Format_ARGB32_Premultiplied)
        return;
    // Each output column's two source pixels, and the second's weight for
    // each byte of the pixel.
    std::vector<int> firsts(static_cast<size_t>(tw)), seconds(static_cast<size_t>(tw));
    std::vector<quint16> weights(static_cast<size_t>(tw) * 4);
    for (int x = 0; x < tw; ++x) {
        const Tap t = tapAt(x, sw, tw);
        firsts[size_t(x)] = t.first;
        seconds[size_t(x)] = t.second;
        std::fill_n(weights.begin() + 4 * x, 4, quint16(t.weight));
    }
    // The two widened source rows the current output rows lie between.
    std::vector<quint32> upper(static_cast<size_t>(tw)), lower(static_cast<size_t>(tw));
    std::vector<quint32> left(static_cast<size_t>(tw)), right(static_cast<size_t>(tw));
    int upperRow = -1, lowerRow = -1;
    const auto widen = [&](int row, std::vector<quint32>& out) {
        const auto* in = reinterpret_cast<const quint32*>(source.constScanLine(row));
        for (int x = 0; x < tw; ++x) {
            left[size_t(x)] = in[firsts[size_t(x)]];
            right[size_t(x)] = in[seconds[size_t(x)]];
        }
        blendRowsWeighted(left.data(), right.data(), weights.data(), out.data(), tw);
    };
    for (int y = 0; y < th; ++y) {
        const Tap t = tapAt(y, sh, th);
        if (upperRow != t.first) {
            if (lowerRow == t.first) {
                std::swap(upper, lower);
                std::swap(upperRow, lowerRow);
            } else {
                widen(t.first, upper);
                upperRow = t.first;
            }
        }
        auto* out = reinterpret_cast<quint32*>(target.scanLine(y));
        if (t.weight == 0) {
            std::copy(upper.begin(), upper.end(), out);
            continue;
        }
        if (lowerRow != t.second) {
            widen(t.second, lower);
            lowerRow = t.second;
        }
        blendRows(upper.data(), lower.data(), t.weight, out, tw);
    }
}

double RingEffects::blurLayerScale(double radius, double devicePixelRatio)
{
    const double dpr = devicePixelRatio > 0.0 ? devicePixelRatio : 1.0;
    const double sigmaPx = std::max(0.0, radius) * dpr;
    return dpr / std::clamp(sigmaPx / 2.5, 1.0, 8.0);
}
