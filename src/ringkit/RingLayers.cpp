// The cached layers the rings draw from: a drawing kept while its key holds,
// the whole ring blurred in a small layer while it opens, and an icon's blur
// at each radius an opening asks for.
#include "ringkit/RingEffects.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

bool RingLayerCache::holds(quint64 key, QSizeF size, double deviceScale) const
{
    return m_valid && key == m_key && size == m_size && std::clamp(deviceScale, 0.05, 8.0) == m_scale;
}

const QImage& RingLayerCache::layer(
    quint64 key, QSizeF size, double deviceScale, const std::function<void(QPainter&)>& draw)
{
    const double scale = std::clamp(deviceScale, 0.05, 8.0);
    if (holds(key, size, scale))
        return m_image;
    m_image = RingEffects::paintedAtScale(size, scale, draw);
    m_key = key;
    m_size = size;
    m_scale = scale;
    m_valid = true;
    return m_image;
}

namespace {

// An image of `size` on `store`'s memory, which grows but never shrinks: the
// blur layer's size moves by a pixel or two every frame, and a fresh buffer
// each time would be allocated and faulted in page by page again.
QImage imageOn(QImage& store, QSize size)
{
    if (store.width() < size.width() || store.height() < size.height())
        store = QImage(size.expandedTo(store.size()), QImage::Format_ARGB32_Premultiplied);
    return { store.bits(), size.width(), size.height(), qsizetype(store.bytesPerLine()),
        QImage::Format_ARGB32_Premultiplied };
}

} // namespace

double RingBlurLayer::layerScale(double blurPoints, double deviceScale)
{
    // From three points on, a quarter of a pixel per point adds less
    // softness than the blur itself.
    if (blurPoints >= 3.0)
        return 0.25;
    return std::clamp(std::round(RingEffects::blurLayerScale(blurPoints, deviceScale) * 4.0) / 4.0, 0.25, 0.5);
}

double RingBlurLayer::spread(double blurPoints, double deviceScale)
{
    const double scale = layerScale(blurPoints, deviceScale);
    return double(RingEffects::boxBlurReach(std::max(0.0, blurPoints) * scale) + 2) / scale
        + 1.0 / std::max(0.25, deviceScale);
}

void RingBlurLayer::draw(QPainter& painter, const QRectF& content, double blurPoints, double deviceScale,
    const std::function<void(QPainter&, double)>& paint)
{
    const double scale = layerScale(blurPoints, deviceScale);
    // Three standard deviations hold all of the blur that shows; the layer
    // starts and ends on whole layer pixels so nothing is resampled twice.
    const double spread = 3.0 * std::max(0.0, blurPoints) + 1.0 / scale;
    const QRectF area = content.adjusted(-spread, -spread, spread, spread);
    const double left = std::floor(area.left() * scale), top = std::floor(area.top() * scale);
    const int w = std::max(1, int(std::ceil(area.right() * scale) - left));
    const int h = std::max(1, int(std::ceil(area.bottom() * scale) - top));
    m_image = imageOn(m_imageStore, QSize(w, h));
    m_image.fill(Qt::transparent);
    {
        QPainter lp(&m_image);
        lp.setRenderHint(QPainter::Antialiasing, true);
        lp.setRenderHint(QPainter::SmoothPixmapTransform, true);
        lp.scale(scale, scale);
        lp.translate(-left / scale, -top / scale);
        paint(lp, scale);
    }
    RingEffects::boxBlur(m_image, blurPoints * scale);
    const QRectF target(left / scale, top / scale, double(w) / scale, double(h) / scale);
    painter.save();
    const QTransform world = painter.worldTransform();
    if (world.type() <= QTransform::TxScale && world.m11() > 0.0 && world.m22() > 0.0) {
        // Enlarged here to the device's pixels and then copied: the raster
        // engine's scaled draw fetches four pixels for every one it writes.
        // A blurred layer moved by under half a pixel looks the same.
        const double dpr = painter.device() ? std::max(0.25, painter.device()->devicePixelRatioF()) : 1.0;
        const QRectF device = world.mapRect(target);
        const QPoint at(int(std::lround(device.left() * dpr)), int(std::lround(device.top() * dpr)));
        const QSize size(
            std::max(1, int(std::lround(device.width() * dpr))), std::max(1, int(std::lround(device.height() * dpr))));
        m_enlarged = imageOn(m_enlargedStore, size);
        RingEffects::resampleBilinear(m_image, m_enlarged);
        m_enlarged.setDevicePixelRatio(dpr);
        painter.resetTransform();
        RingEffects::drawImageInBands(painter, QRectF(QPointF(at) / dpr, QSizeF(size) / dpr), m_enlarged);
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        RingEffects::drawImageInBands(painter, target, m_image);
    }
    painter.restore();
}

void RingBlurLayer::release()
{
    m_image = QImage();
    m_enlarged = QImage();
    m_imageStore = QImage();
    m_enlargedStore = QImage();
}

const QImage& RingBlurCache::blurred(const QImage& image, double radius, bool pad, int maxWidth)
{
    const double r = quantized(radius);
    if (r < 0.5 || image.isNull()) {
        m_sourceImage = image;
        return m_sourceImage;
    }
    if (r == m_radius && pad == m_padded && maxWidth == m_maxWidth && image.cacheKey() == m_source && !m_image.isNull())
        return m_image;
    // Blurring pixels that are never shown costs more than the blur itself.
    QImage source = RingEffects::reducedToWidth(image, maxWidth);
    if (pad) {
        // Three times the blur and two pixels hold all of its spread, so
        // the blurred image keeps a clear edge: drawn turned, it then needs
        // no antialiasing (one span a row, never enough for Qt to hand the
        // draw to its thread pool).
        const double dpr = source.devicePixelRatio();
        const int margin = int(std::ceil(r * 3.0 * dpr)) + 2;
        QImage padded(source.width() + 2 * margin, source.height() + 2 * margin, QImage::Format_ARGB32_Premultiplied);
        padded.fill(Qt::transparent);
        {
            QPainter p(&padded);
            source.setDevicePixelRatio(1.0); // pixel for pixel
            p.drawImage(QPoint(margin, margin), source);
        }
        padded.setDevicePixelRatio(dpr);
        source = padded;
    }
    m_image = RingEffects::blurred(source, r);
    m_radius = r;
    m_padded = pad;
    m_maxWidth = maxWidth;
    m_source = image.cacheKey();
    return m_image;
}

void RingBlurCache::clear()
{
    m_source = 0;
    m_radius = -1.0;
    m_image = QImage();
    m_sourceImage = QImage();
}
