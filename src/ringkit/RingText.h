#pragma once
// Labels of the rings: small vertical stacks of an optional icon and a few
// lines of centred text, rendered once into an image and reused while the
// text, size and colours stay the same (text shaping is the costly part of a
// ring frame).

#include "ringkit/RingGlass.h"

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QString>
#include <vector>

class QPainter;

struct RingText {
    struct Line {
        QString text;
        QFont font;
        QColor colour;
        int maxLines = 1;
        Qt::TextElideMode elide = Qt::ElideRight;
        // Lines break only at spaces, and a word too long for a line (a
        // path, an address) fills the line rather than leaving it short.
        bool breakLongWords = false;
    };
    struct Stack {
        QIcon icon; // drawn first when not null
        QSizeF iconSize; // points
        std::vector<Line> lines;
        double width = 100.0; // points; lines wrap and elide to it
        double spacing = 2.0;
        QColor shadow; // drop shadow colour (invalid: none)
        double shadowRadius = 0.0;
        QPointF shadowOffset;
    };

    // The platform's UI font at a pixel size and weight.
    static QFont systemFont(double pixelSize, QFont::Weight weight);

    // The stack rendered at `deviceScale` device pixels per point (cached).
    static QImage render(const Stack& stack, double deviceScale);
    // Draws the stack centred on `centre`, scaled by `scale` about its centre.
    static void draw(QPainter& painter, QPointF centre, const Stack& stack, double scale = 1.0);

    // The label of an outer-arc card: symbol (13, semibold), title (11,
    // medium, 2 lines, cut at the tail), hint (9, secondary, 1 line).
    struct CardLabel {
        QString title;
        QIcon icon;
        QString hint;
        double width = 96.0;
        bool selected = false;
    };
    static Stack cardStack(const CardLabel& label, const RingPalette& palette);
    static void drawCardLabel(
        QPainter& painter, QPointF centre, const CardLabel& label, double scale, const RingPalette& palette);

    static void clearCache();
};
