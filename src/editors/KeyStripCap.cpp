// How one cap is drawn: side, face, bevel, legend and halo, each blended
// between the cap's states by how far the cap has sunk, how far its glow has
// come and how far it has arrived.

#include "editors/KeyStrip.h"
#include "editors/KeyStripDrawing.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

using namespace KeyStripDrawing;

namespace {
QColor mix(const QColor& a, const QColor& b, double t)
{
    if (t <= 0)
        return a;
    if (t >= 1)
        return b;
    const auto lerp = [t](float x, float y) { return float(x + (y - x) * t); };
    return QColor::fromRgbF(lerp(a.redF(), b.redF()), lerp(a.greenF(), b.greenF()), lerp(a.blueF(), b.blueF()),
        lerp(a.alphaF(), b.alphaF()));
}

// The colours of a cap in one state.
struct CapColours {
    QColor faceTop, faceBottom, side, bevelTop, bevelBottom, legend, caption;

    CapColours blended(const CapColours& o, double t) const
    {
        return { mix(faceTop, o.faceTop, t), mix(faceBottom, o.faceBottom, t), mix(side, o.side, t),
            mix(bevelTop, o.bevelTop, t), mix(bevelBottom, o.bevelBottom, t), mix(legend, o.legend, t),
            mix(caption, o.caption, t) };
    }
};

const QColor kRed(255, 59, 48);

CapColours idleColours(bool modifier, const QColor& secondary)
{
    return { KeyCapStyle::faceTop(), KeyCapStyle::faceBottom(), KeyCapStyle::side(), withAlpha(Qt::white, 0.95),
        withAlpha(Qt::black, 0.1), modifier ? KeyCapStyle::ink() : rgb(0.12, 0.12, 0.14),
        modifier ? withAlpha(KeyCapStyle::ink(), 0.9) : secondary };
}

CapColours pressedColours(bool attention)
{
    const QColor white(Qt::white);
    const QColor caption = withAlpha(Qt::white, 0.95);
    if (attention)
        return { KeyCapStyle::pressedTop(), KeyCapStyle::pressedBottom(), withAlpha(KeyCapStyle::pressedBottom(), 0.85),
            withAlpha(Qt::white, 0.45), withAlpha(KeyCapStyle::pressedBottom(), 0.9), white, caption };
    return { KeyCapStyle::heldTop(), KeyCapStyle::heldBottom(), KeyCapStyle::heldSide(), withAlpha(Qt::white, 0.22),
        withAlpha(Qt::black, 0.35), white, caption };
}

CapColours glowColours()
{
    return { withAlpha(kRed, 0.55), withAlpha(kRed, 0.32), withAlpha(kRed, 0.55), withAlpha(Qt::white, 0.35),
        withAlpha(kRed, 0.9), QColor(Qt::white), withAlpha(Qt::white, 0.95) };
}

// A soft shadow of `shape` spreading `radius` points around it: rings of
// falling strength, the nearest the strongest, as a blur of that radius looks.
void paintHalo(QPainter& p, const QRectF& shape, double corner, double radius, const QColor& colour, double opacity)
{
    if (opacity <= 0.0 || radius <= 0.0)
        return;
    constexpr int steps = 6;
    for (int i = steps; i >= 1; --i) {
        const double spread = radius * i / steps;
        const double fall = 1.0 - double(i - 1) / steps;
        QPainterPath ring;
        ring.addRoundedRect(shape.adjusted(-spread, -spread, spread, spread), corner + spread, corner + spread);
        p.fillPath(ring, withAlpha(colour, colour.alphaF() * opacity * fall * fall / steps * 2.0));
    }
}
}

bool KeyStrip::usesAttentionLegend(const KeyStripItem& item) const
{
    return m_attentionPress && m_showsCaptions && item.caption && !item.showsDotGrid
        && KeyStripItem::isModifierGlyph(item.glyph);
}

void KeyStrip::paintCap(QPainter& p, const KeyStripItem& item, QRectF rect, const CapPose& pose) const
{
    const double kh = rect.height();
    const KeyCapMetrics m = KeyCapMetrics::of(kh, false);
    const bool modifier = KeyStripItem::isModifierGlyph(item.glyph);
    const double press = std::clamp(pose.press, 0.0, 1.2);
    const double glow = std::clamp(pose.glow, 0.0, 1.0);
    const double shown = std::clamp(pose.presence, 0.0, 1.0);
    // A glowing key's own colours win over its press; a press over idle.
    const CapColours c = idleColours(modifier, palette().color(QPalette::PlaceholderText))
                             .blended(pressedColours(m_attentionPress), std::min(press, 1.0))
                             .blended(glowColours(), glow);
    const double attention = m_attentionPress ? std::min(press, 1.0) * (1.0 - glow) : 0.0;

    p.save();
    p.setOpacity((item.isDimmed ? 0.4 : 1.0) * shown);
    // Arriving caps grow from 0.85 about their centre.
    const double scale = 0.85 + 0.15 * shown;
    p.translate(rect.center());
    p.scale(scale, scale);
    p.translate(-rect.center());
    const QRectF face(rect.x(), rect.y(), rect.width(), kh - m.depth);
    QPainterPath sidePath;
    sidePath.addRoundedRect(face.translated(0, m.depth), m.cornerRadius, m.cornerRadius);
    // The halos: red while the key glows, the attention blue while pressed.
    paintHalo(p, face, m.cornerRadius, 10, withAlpha(kRed, 0.7), glow);
    paintHalo(p, face, m.cornerRadius, 4, withAlpha(kRed, 0.4), glow);
    paintHalo(p, face, m.cornerRadius, 10, withAlpha(KeyCapStyle::pressedTop(), 0.55), attention);
    paintHalo(p, face, m.cornerRadius, 4, withAlpha(KeyCapStyle::pressedTop(), 0.4), attention);
    p.fillPath(sidePath, c.side);
    const double sink = item.showsDotGrid ? 0.0 : m.depth * press;
    const QRectF top = face.translated(0, sink);
    QPainterPath facePath;
    facePath.addRoundedRect(top, m.cornerRadius, m.cornerRadius);
    const double lift = (1.0 - std::min(press, 1.0)) * (1.0 - glow);
    if (lift > 0.0) {
        QPainterPath shadow;
        shadow.addRoundedRect(top.translated(0, 1), m.cornerRadius, m.cornerRadius);
        p.fillPath(shadow, withAlpha(Qt::black, 0.2 * lift));
    }
    QLinearGradient fg(top.topLeft(), top.bottomLeft());
    fg.setColorAt(0, c.faceTop);
    fg.setColorAt(1, c.faceBottom);
    p.fillPath(facePath, fg);
    QLinearGradient bg(top.topLeft(), top.bottomLeft());
    bg.setColorAt(0, c.bevelTop);
    bg.setColorAt(1, c.bevelBottom);
    p.setPen(QPen(QBrush(bg), 1.0 + 0.25 * std::max(glow, attention)));
    p.drawPath(QPainterPath(facePath));
    paintLegend(p, item, top, kh, c.legend, c.caption, item.glows || (m_attentionPress && item.isPressed));
    p.restore();
}

void KeyStrip::paintLegend(QPainter& p, const KeyStripItem& item, QRectF top, double kh, const QColor& legend,
    const QColor& caption, bool lightInk) const
{
    const std::optional<QString> captionText = (m_showsCaptions && item.caption) ? item.caption : std::nullopt;
    if (item.showsDotGrid) {
        QRectF dots = top.adjusted(4, 4, -4, -4);
        if (captionText) {
            dots.setBottom(dots.bottom() - kh * 0.22);
            QFont f = font();
            f.setWeight(QFont::DemiBold);
            p.setFont(fitting(f, std::max(int(kh * 0.18), 8), *captionText, top.width() - 6));
            p.setPen(legend);
            p.drawText(QRectF(top.left(), dots.bottom(), top.width(), kh * 0.24), Qt::AlignCenter, *captionText);
        }
        paintDots(p, dots, item.glows, lightInk);
        return;
    }
    if (usesAttentionLegend(item)) {
        // Like a keyboard's own modifier keys: the symbol in the top right
        // corner, the name in the bottom left, both in the legend colour.
        QFont g = font();
        g.setWeight(QFont::DemiBold);
        g.setPixelSize(std::max(int(kh * 0.3), 7));
        p.setFont(g);
        p.setPen(legend);
        p.drawText(top.adjusted(6, 4, -6, -5), Qt::AlignTop | Qt::AlignRight, item.glyph);
        QFont c = font();
        c.setWeight(QFont::Medium);
        const int pixels = std::max(int(kh * 0.2), 7);
        c = fitting(c, pixels, *captionText, top.width() - 12);
        p.setFont(c);
        p.drawText(top.adjusted(6, 4, -6, -5), Qt::AlignBottom | Qt::AlignLeft, *captionText);
        return;
    }
    QFont g = font();
    g.setWeight(QFont::DemiBold);
    QRectF glyphArea = top.adjusted(3, 2, -3, -2);
    if (captionText)
        glyphArea.setBottom(glyphArea.bottom() - kh * 0.24);
    if (!item.glyph.isEmpty()) {
        p.setFont(fitting(g, legendPixels(item.glyph, kh), item.glyph, glyphArea.width()));
        p.setPen(legend);
        p.drawText(glyphArea, Qt::AlignCenter, item.glyph);
    }
    if (captionText) {
        QFont c = font();
        c.setWeight(item.isPressed || item.glows ? QFont::Medium : QFont::Normal);
        p.setFont(fitting(c, captionPixels(kh), *captionText, top.width() - 6));
        p.setPen(caption);
        p.drawText(
            QRectF(top.left() + 3, glyphArea.bottom(), top.width() - 6, kh * 0.24), Qt::AlignCenter, *captionText);
    }
}

void KeyStrip::paintDots(QPainter& p, QRectF area, bool lit, bool lightInk) const
{
    const double d = 3.2, gap = 2.5;
    const double w = dotColumns * d + (dotColumns - 1) * gap;
    const double h = dotRows * d + (dotRows - 1) * gap;
    const QPointF origin(area.center().x() - w / 2, area.center().y() - h / 2);
    const QColor base = (lit || lightInk) ? QColor(Qt::white) : rgb(0.25, 0.28, 0.35);
    p.setPen(Qt::NoPen);
    for (int r = 0; r < dotRows; ++r) {
        for (int c = 0; c < dotColumns; ++c) {
            double opacity;
            if (lit && m_phase >= 0) {
                const int dist = std::abs(r * dotColumns + c - m_phase);
                opacity = dist == 0 ? 0.95 : dist == 1 ? 0.7 : dist == 2 ? 0.45 : 0.28;
            } else if (lit) {
                opacity = 0.55;
            } else {
                opacity = lightInk ? 0.55 : 0.35;
            }
            p.setBrush(withAlpha(base, opacity));
            p.drawEllipse(QRectF(origin.x() + c * (d + gap), origin.y() + r * (d + gap), d, d));
        }
    }
}
