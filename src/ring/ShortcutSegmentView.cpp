#include "ring/ShortcutSegmentView.h"

#include "core/AppSettings.h"
#include "core/CustomIcons.h"
#include "core/SymbolIcons.h"
#include "platform/ImageCheck.h"
#include "platform/Log.h"
#include "ringkit/RingEffects.h"
#include "ringkit/WindowArcGeometry.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QHash>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>
#include <QSet>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <limits>

// ---- wedge -------------------------------------------------------------------

std::optional<QString> ShortcutRadialSegmentView::subtitle() const
{
    if (shortcut.shortcut.isEmpty())
        return std::nullopt;
    if (shortcut.kind != RingItemKind::tab)
        return Hotkey::displayTextForStored(shortcut.shortcut); // stored as "⇧⌘S", shown as "Ctrl+Shift+S"
    const QUrl url(shortcut.shortcut, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return std::nullopt;
    QString host = url.host();
    host.remove(QStringLiteral("www."));
    return host;
}

void ShortcutRadialSegmentView::paintWedge(
    QPainter& p, QPointF centre, const RingPalette& palette, double selectedAmount) const
{
    const double s = std::clamp(selectedAmount, 0.0, 1.0);
    const auto mix = [s](const QColor& a, const QColor& b) {
        return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * s),
            float(a.greenF() + (b.greenF() - a.greenF()) * s), float(a.blueF() + (b.blueF() - a.blueF()) * s),
            float(a.alphaF() + (b.alphaF() - a.alphaF()) * s));
    };
    const QRectF frame(centre.x() - frameSide / 2.0, centre.y() - frameSide / 2.0, frameSide, frameSide);
    QLinearGradient fill(frame.topLeft(), frame.bottomRight());
    fill.setColorAt(0, mix(QColor::fromRgbF(1, 1, 1, 0.10f), palette.accent));
    fill.setColorAt(1, mix(QColor::fromRgbF(1, 1, 1, 0.05f), palette.accent));
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(fill);
    p.setPen(QPen(QColor::fromRgbF(1, 1, 1, float(0.12 + (0.35 - 0.12) * s)), 1.0));
    p.drawPath(path(centre));
    p.restore();
}

RingText::Stack ShortcutRadialSegmentView::labelStack(const RingPalette& palette, bool selected) const
{
    // White only where it stands on the accent colour: white on light glass
    // cannot be read.
    const bool onAccent = selected || palette.dark;
    const QColor primary = onAccent ? QColor(Qt::white) : palette.primaryText();
    const QColor secondary = onAccent ? QColor::fromRgbF(1, 1, 1, 0.72f) : palette.secondaryText();
    RingText::Stack label;
    label.icon = RingItemIcons::icon(shortcut.icon, 26.0, 22.0, primary);
    label.iconSize = QSizeF(26, 26);
    label.width = labelWidth;
    label.spacing = 3;
    // Long names shrink to three quarters of their size before they are cut.
    QFont nameFont = RingText::systemFont(12, QFont::DemiBold);
    {
        const QFontMetricsF fm(nameFont);
        const double needed = fm.horizontalAdvance(shortcut.name);
        if (needed > labelWidth * 2.0) {
            const double factor = std::max(0.75, labelWidth * 2.0 / needed);
            nameFont = RingText::systemFont(12.0 * factor, QFont::DemiBold);
        }
    }
    label.lines.push_back({ shortcut.name, nameFont, primary, 2, Qt::ElideRight });
    if (const auto sub = subtitle())
        label.lines.push_back({ *sub, RingText::systemFont(10, QFont::Medium), secondary, 1, Qt::ElideMiddle });
    if (onAccent) {
        label.shadow = QColor::fromRgbF(0, 0, 0, 0.35f);
        label.shadowRadius = 3;
        label.shadowOffset = QPointF(0, 1);
    }
    return label;
}

// ---- item icons --------------------------------------------------------------

namespace {
QHash<QString, QIcon>& iconCache()
{
    static QHash<QString, QIcon> cache;
    return cache;
}

// A symbol drawn at `symbolSize` in the middle of a `side` square, at twice
// the resolution so it stays sharp on dense displays.
QIcon paddedSymbol(const QString& name, double side, double symbolSize, const QColor& colour)
{
    const double dpr = 2.0;
    QPixmap pm(int(std::ceil(side * dpr)), int(std::ceil(side * dpr)));
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        const double inset = (side - symbolSize) / 2.0;
        SymbolIcons::paint(p, QRectF(inset, inset, symbolSize, symbolSize), name, colour);
    }
    return QIcon(pm);
}

// Reads a custom icon file; a null image when it cannot or must not be read.
QImage readCustomIcon(const QString& name)
{
    static QSet<QString> reported;
    const auto complain = [&](const QString& why) {
        if (!reported.contains(name)) {
            reported.insert(name);
            Log::write(QStringLiteral("Kelvaro: custom icon '%1' %2; showing a placeholder.").arg(name.left(80), why));
        }
    };
    if (!CustomIcons::isSafeName(name)) {
        complain(QStringLiteral("is not a valid icon file name"));
        return {};
    }
    // Not imported (yet) is the placeholder, quietly; a file that is no icon
    // file was logged by the reader.
    const SafeFile::Result file = CustomIcons::readFile(name, RingItemIcons::maximumFileBytes);
    if (!file.ok())
        return {};
    // A picture of a format checked here must hold up before its decoder sees it.
    const ImageCheck::Verdict verdict = ImageCheck::inspect(
        file.bytes, { RingItemIcons::maximumFileBytes, std::numeric_limits<int>::max(), 4096LL * 4096LL });
    if (!verdict.ok()) {
        complain(QStringLiteral("is refused before decoding (%1)").arg(verdict.reason));
        return {};
    }
    QBuffer buffer;
    buffer.setData(file.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(80); // 4096 x 4096 pixels of four bytes and the decoder's own
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > 4096LL * 4096LL) {
        complain(QStringLiteral("has too many pixels (%1 x %2)").arg(size.width()).arg(size.height()));
        return {};
    }
    QImage image = reader.read();
    if (image.isNull()) {
        complain(QStringLiteral("cannot be read (%1)").arg(reader.errorString()));
    } else if (qint64(image.width()) * image.height() > 4096LL * 4096LL) {
        // The header may promise less than the decoder delivers.
        complain(QStringLiteral("has too many pixels (%1 x %2)").arg(image.width()).arg(image.height()));
        return {};
    }
    return image;
}
}

QIcon RingItemIcons::icon(const QString& name, double side, double symbolSize, const QColor& colour)
{
    const QString key = name + u'|' + QString::number(side) + u'|' + QString::number(symbolSize) + u'|'
        + QString::number(colour.rgba(), 16);
    auto& cache = iconCache();
    if (auto it = cache.constFind(key); it != cache.constEnd())
        return *it;

    QIcon result;
    if (CustomIcons::isCustomIconName(name)) {
        const QImage image = readCustomIcon(name);
        if (!image.isNull()) {
            const double dpr = 2.0;
            QPixmap pm(int(std::ceil(side * dpr)), int(std::ceil(side * dpr)));
            pm.setDevicePixelRatio(dpr);
            pm.fill(Qt::transparent);
            QPainter p(&pm);
            p.setRenderHint(QPainter::SmoothPixmapTransform, true);
            const QSizeF fitted = QSizeF(image.size()).scaled(QSizeF(side, side), Qt::KeepAspectRatio);
            p.drawImage(QRectF(QPointF((side - fitted.width()) / 2.0, (side - fitted.height()) / 2.0), fitted),
                image.scaled((fitted * dpr).toSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
            p.end();
            result = QIcon(pm);
        } else {
            // The placeholder: "photo" at 0.6 of the side, in a secondary tone.
            QColor secondary = colour;
            secondary.setAlphaF(colour.alphaF() * 0.55f);
            result = paddedSymbol(QStringLiteral("photo"), side, side * 0.6, secondary);
        }
    } else {
        result = paddedSymbol(name, side, symbolSize, colour);
    }
    cache.insert(key, result);
    return result;
}

void RingItemIcons::clearCache() { iconCache().clear(); }

// ---- page dots -------------------------------------------------------------------

namespace {
constexpr double dotSpacing = 6.0;
constexpr double activeDotSide = 7.0;
constexpr double dotSide = 5.0;
constexpr double padX = 14.0;
constexpr double padY = 8.0;

QFont countFont()
{
    QFont f = RingText::systemFont(13, QFont::DemiBold);
    f.setStyleHint(QFont::SansSerif);
    return f;
}
}

QString RingPageDots::countText() const
{
    const QLocale locale = AppSettings::shared().resolvedLocale();
    return QCoreApplication::translate("Kelvaro", "%1/%2").arg(locale.toString(current + 1), locale.toString(total));
}

QString RingPageDots::accessibilityLabel() const
{
    const QLocale locale = AppSettings::shared().resolvedLocale();
    return QCoreApplication::translate("Kelvaro", "Page %1 of %2")
        .arg(locale.toString(current + 1), locale.toString(total));
}

QSizeF RingPageDots::size() const
{
    if (showsCount()) {
        const QFontMetricsF fm(countFont());
        // Digits are measured as the widest one so the pill keeps its width.
        const QString widest = QString(countText().size(), u'8');
        return { std::ceil(std::max(fm.horizontalAdvance(countText()), fm.horizontalAdvance(widest))) + 2 * padX,
            std::ceil(fm.height()) + 2 * padY };
    }
    const int n = std::max(1, total);
    return { activeDotSide + dotSide * (n - 1) + dotSpacing * (n - 1) + 2 * padX, activeDotSide + 2 * padY };
}

QColor RingPageDots::activeDot() const { return isDark ? QColor(Qt::white) : QColor::fromRgbF(0.12f, 0.14f, 0.2f); }
QColor RingPageDots::rim() const
{
    return isDark ? QColor::fromRgbF(0.24f, 0.29f, 0.42f) : QColor::fromRgbF(0.82f, 0.84f, 0.88f);
}
QColor RingPageDots::fillTop() const { return isDark ? QColor::fromRgbF(0.11f, 0.14f, 0.24f) : QColor(Qt::white); }
QColor RingPageDots::fillBottom() const
{
    return isDark ? QColor::fromRgbF(0.07f, 0.09f, 0.17f) : QColor::fromRgbF(0.94f, 0.95f, 0.97f);
}
QColor RingPageDots::highlightTop() const { return isDark ? QColor::fromRgbF(1, 1, 1, 0.16f) : QColor(Qt::white); }
QColor RingPageDots::highlightBottom() const
{
    return isDark ? QColor::fromRgbF(1, 1, 1, 0.03f) : QColor::fromRgbF(0, 0, 0, 0.06f);
}
QColor RingPageDots::shadow() const
{
    return isDark ? QColor::fromRgbF(0, 0, 0, 0.22f) : QColor::fromRgbF(0, 0, 0, 0.1f);
}

void RingPageDots::paint(QPainter& p, QPointF centre, double animatedCurrent, double opacity) const
{
    if (opacity <= 0.0)
        return;
    const QSizeF sz = size();
    const QRectF pill(centre.x() - sz.width() / 2.0, centre.y() - sz.height() / 2.0, sz.width(), sz.height());
    const double radius = sz.height() / 2.0;
    p.save();
    p.setOpacity(p.opacity() * opacity);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);

    // Shadow (radius 1.5, one point down): a few soft rings of the capsule.
    for (int i = 3; i >= 1; --i) {
        QColor c = shadow();
        c.setAlphaF(c.alphaF() / 3.0f);
        p.setBrush(c);
        const double grow = 0.5 * i;
        p.drawRoundedRect(pill.translated(0, 1).adjusted(-grow, -grow, grow, grow), radius + grow, radius + grow);
    }
    // Rim, then the inner capsule with its gradient and inner highlight edge.
    p.setBrush(rim());
    p.drawRoundedRect(pill, radius, radius);
    const QRectF inner = pill.adjusted(2, 2, -2, -2);
    QLinearGradient fill(inner.topLeft(), inner.bottomLeft());
    fill.setColorAt(0, fillTop());
    fill.setColorAt(1, fillBottom());
    p.setBrush(fill);
    p.drawRoundedRect(inner, inner.height() / 2.0, inner.height() / 2.0);
    QLinearGradient edge(inner.topLeft(), inner.bottomLeft());
    edge.setColorAt(0, highlightTop());
    edge.setColorAt(1, highlightBottom());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(edge), 0.75));
    const QRectF stroke = inner.adjusted(0.375, 0.375, -0.375, -0.375);
    p.drawRoundedRect(stroke, stroke.height() / 2.0, stroke.height() / 2.0);

    if (showsCount()) {
        QColor c = activeDot();
        c.setAlphaF(0.92f);
        p.setPen(c);
        p.setFont(countFont());
        p.drawText(pill, Qt::AlignCenter, countText());
    } else {
        p.setPen(Qt::NoPen);
        // Dot i is "active" by how close the animated page is to it.
        double x = pill.left() + padX;
        for (int i = 0; i < total; ++i) {
            const double a = std::clamp(1.0 - std::abs(animatedCurrent - double(i)), 0.0, 1.0);
            const double side = dotSide + (activeDotSide - dotSide) * a;
            QColor c = activeDot();
            c.setAlphaF(float(0.28 + (1.0 - 0.28) * a));
            p.setBrush(c);
            // Each slot keeps the active dot's width while dots resize in it.
            const double slot
                = (i == std::clamp(int(std::lround(animatedCurrent)), 0, total - 1)) ? activeDotSide : dotSide;
            const QPointF mid(x + slot / 2.0, centre.y());
            p.drawEllipse(mid, side / 2.0, side / 2.0);
            x += slot + dotSpacing;
        }
    }
    p.restore();
}
