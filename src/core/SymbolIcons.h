#pragma once
// Icons for symbol names ("gearshape", "bolt.circle", "key.fill", …): one
// table maps each name the program uses to a glyph of the Material Icons font
// that Debian ships (fonts-material-design-icons-iconfont). A name the table
// lacks is drawn as a visible fallback glyph (a boxed question mark), never as
// nothing. Main thread only (fonts and pixmaps).

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

class QPainter;
class QRectF;

class SymbolIcons {
public:
    static constexpr const char* fontPath
        = "/usr/share/fonts/truetype/material-design-icons-iconfont/MaterialIcons-Regular.ttf";
    static constexpr char32_t fallbackCodepoint = 0xf1c0; // "help_center"

    // Whether the table knows the name.
    static bool contains(const QString& symbolName);
    // The font's icon name for a symbol name ("gearshape" -> "settings"); empty when unknown.
    static QString materialName(const QString& symbolName);
    // The glyph's code point; the fallback glyph's for an unknown name.
    static char32_t codepoint(const QString& symbolName);
    // The glyph as text in the icon font.
    static QString glyph(const QString& symbolName);
    // Every symbol name of the table, sorted.
    static QStringList knownSymbols();

    // Whether the icon font could be loaded (without it every icon is the
    // drawn fallback box).
    static bool fontAvailable();
    static QFont font(qreal pixelSize);

    // Draws the symbol centred in `rect`, filling its height.
    static void paint(QPainter& painter, const QRectF& rect, const QString& symbolName, const QColor& color);
    static QPixmap pixmap(const QString& symbolName, int side, const QColor& color, qreal devicePixelRatio = 1.0);
    // A scalable icon; an invalid colour follows the application palette's text colour.
    static QIcon icon(const QString& symbolName, const QColor& color = QColor());
};
