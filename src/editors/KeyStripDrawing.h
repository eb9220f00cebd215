#pragma once
// Drawing helpers shared by the key strip's widget and its caps.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <algorithm>

namespace KeyStripDrawing {
inline QColor rgb(double r, double g, double b, double a = 1.0)
{
    return QColor::fromRgbF(float(r), float(g), float(b), float(a));
}
inline QColor withAlpha(QColor c, double a)
{
    c.setAlphaF(float(a));
    return c;
}
constexpr double dotStep = 0.07; // seconds per dot of the running grid

// The pixel sizes of a cap's legend and caption at key height `kh`.
inline int legendPixels(const QString& glyph, double kh)
{
    return std::max(int(kh * (glyph.size() > 2 ? 0.26 : 0.34)), 8);
}
inline int captionPixels(double kh) { return std::max(int(kh * 0.17), 8); }
// How far a long name may shrink before the cap grows instead.
inline int smallestPixels(int pixels) { return std::max(int(pixels * 0.7), 7); }

// `font` at the largest pixel size from `pixels` down to its smallest in which
// `text` fits `width`: a long name in another language is set smaller, not cut.
inline QFont fitting(QFont font, int pixels, const QString& text, double width)
{
    for (int px = pixels; px > smallestPixels(pixels); --px) {
        font.setPixelSize(px);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width)
            return font;
    }
    font.setPixelSize(smallestPixels(pixels));
    return font;
}
constexpr int dotRows = 3;
constexpr int dotColumns = 11;
}
