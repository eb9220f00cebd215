#include "ringkit/RunningApp.h"

#include <QCache>
#include <QGuiApplication>
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
    QImage image = thumbnail(icon.pixmap(QSize(pixels, pixels), 1.0).toImage(), side);
    cache.insert(key, new QImage(image));
    return image;
}

QImage RunningApp::placeholderIcon(const QString& name, double side)
{
    const QIcon generic = QIcon::fromTheme(QStringLiteral("application-x-executable"));
    if (!generic.isNull())
        return thumbnail(generic, side);
    const int pixels = pixelsFor(side);
    if (pixels <= 0)
        return {};
    QImage out(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    // A hue from the name, stable across runs (qHash is seeded per process).
    quint32 h = 2166136261u;
    for (const QChar c : name)
        h = (h ^ c.unicode()) * 16777619u;
    const QColor fill = QColor::fromHsv(int(h % 360), 150, 170);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    const QRectF tile(pixels * 0.08, pixels * 0.08, pixels * 0.84, pixels * 0.84);
    painter.drawRoundedRect(tile, pixels * 0.2, pixels * 0.2);
    const QString letter = name.trimmed().left(1).toUpper();
    if (!letter.isEmpty()) {
        QFont font = qGuiApp ? QGuiApplication::font() : QFont();
        font.setPixelSize(std::max(1, int(pixels * 0.5)));
        font.setWeight(QFont::DemiBold);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(tile, Qt::AlignCenter, letter);
    }
    painter.end();
    out.setDevicePixelRatio(2.0);
    return out;
}
