#include "ringkit/RunningApp.h"

#include <QCache>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
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

namespace {

// The words of an application's name: parts between spaces and punctuation,
// and the humps of a name written in camel case ("XClock": X, Clock).
QStringList nameWords(const QString& name)
{
    QStringList words;
    QString word;
    const QString n = name.trimmed();
    for (qsizetype i = 0; i < n.size(); ++i) {
        const QChar c = n[i];
        if (!c.isLetterOrNumber()) {
            if (!word.isEmpty())
                words << word;
            word.clear();
            continue;
        }
        if (!word.isEmpty() && c.isUpper()) {
            const QChar before = n[i - 1];
            const bool nextLower = i + 1 < n.size() && n[i + 1].isLower();
            if (before.isLower() || (before.isUpper() && nextLower)) {
                words << word;
                word.clear();
            }
        }
        word += c;
    }
    if (!word.isEmpty())
        words << word;
    return words;
}

} // namespace

bool RunningApp::Tile::looksLike(const Tile& other) const
{
    const int apart = std::abs(hue - other.hue) % 360;
    return letters.compare(other.letters, Qt::CaseInsensitive) == 0 && std::min(apart, 360 - apart) < 40;
}

RunningApp::Tile RunningApp::tileFor(const QString& name)
{
    Tile tile;
    const QStringList words = nameWords(name);
    if (words.size() >= 2)
        tile.letters = words[0].left(1).toUpper() + words[1].left(1).toUpper();
    else if (!words.isEmpty())
        tile.letters = words[0].left(1).toUpper() + words[0].mid(1, 1).toLower();
    // A hue from the whole name, stable across runs (qHash is seeded per process).
    quint32 h = 2166136261u;
    for (const QChar c : name)
        h = (h ^ c.unicode()) * 16777619u;
    tile.hue = int(h % 360);
    return tile;
}

QImage RunningApp::tileImage(const Tile& tile, double side)
{
    const int pixels = pixelsFor(side);
    if (pixels <= 0)
        return {};
    QImage out(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromHsv(((tile.hue % 360) + 360) % 360, 150, 170));
    const QRectF box(pixels * 0.08, pixels * 0.08, pixels * 0.84, pixels * 0.84);
    painter.drawRoundedRect(box, pixels * 0.2, pixels * 0.2);
    if (!tile.letters.isEmpty()) {
        QFont font = qGuiApp ? QGuiApplication::font() : QFont();
        font.setPixelSize(std::max(1, int(pixels * (tile.letters.size() > 1 ? 0.4 : 0.5))));
        font.setWeight(QFont::DemiBold);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(box, Qt::AlignCenter, tile.letters);
    }
    painter.end();
    out.setDevicePixelRatio(2.0);
    return out;
}

QImage RunningApp::placeholderIcon(const QString& name, double side) { return tileImage(tileFor(name), side); }

QList<QImage> RunningApp::placeholderIcons(const QStringList& names, double side)
{
    QList<Tile> tiles;
    QList<QImage> out;
    for (const QString& name : names) {
        Tile tile = tileFor(name);
        // A turn by a little over a ninth of the circle: eight turns visit
        // eight colours at least 40 degrees from one another.
        for (int turns = 0; turns < 9; ++turns) {
            const bool taken
                = std::any_of(tiles.cbegin(), tiles.cend(), [&](const Tile& t) { return t.looksLike(tile); });
            if (!taken)
                break;
            tile.hue = (tile.hue + 43) % 360;
        }
        tiles << tile;
        out << tileImage(tile, side);
    }
    return out;
}
