#include "ringkit/RunningApp.h"

#include <QCache>
#include <QPainter>
#include <cmath>

namespace {
int pixelsFor(double side)
{
    if (!std::isfinite(side) || side <= 0 || side > 4096)
        return 0;
    return int(2 * side); // truncated toward zero
}
}

QImage RunningApp::thumbnail(const QImage& image, double side)
{
    const int pixels = pixelsFor(side);
    if (pixels <= 0)
        return image;
    QImage out(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    if (out.isNull())
        return image;
    out.fill(Qt::transparent);
    if (!image.isNull()) {
        QPainter painter(&out);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QRectF(0, 0, pixels, pixels), image, QRectF(image.rect()));
    }
    out.setDevicePixelRatio(2.0);
    return out;
}

QImage RunningApp::thumbnail(const QIcon& icon, double side)
{
    const int pixels = pixelsFor(side);
    if (icon.isNull() || pixels <= 0)
        return {};
    // Every showing of a ring redraws the same icons: keep the last few hundred.
    static QCache<QPair<qint64, int>, QImage> cache(256);
    const QPair<qint64, int> key(icon.cacheKey(), pixels);
    if (const QImage* hit = cache.object(key))
        return *hit;
    const QImage image = thumbnail(icon.pixmap(QSize(pixels, pixels), 1.0).toImage(), side);
    cache.insert(key, new QImage(image));
    return image;
}
