#include "editors/KeyStrip.h"
#include "editors/ControlAccessibility.h"

#include "platform/DisplayPreferences.h"

#include <QCoreApplication>
#include <QHash>
#include <QLinearGradient>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimerEvent>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {
QColor rgb(double r, double g, double b, double a = 1.0)
{
    return QColor::fromRgbF(float(r), float(g), float(b), float(a));
}
QColor withAlpha(QColor c, double a)
{
    c.setAlphaF(float(a));
    return c;
}
constexpr double dotStep = 0.07; // seconds per dot of the running grid

// The pixel sizes of a cap's legend and caption at key height `kh`.
int legendPixels(const QString& glyph, double kh) { return std::max(int(kh * (glyph.size() > 2 ? 0.26 : 0.34)), 8); }
int captionPixels(double kh) { return std::max(int(kh * 0.17), 8); }
// How far a long name may shrink before the cap grows instead.
int smallestPixels(int pixels) { return std::max(int(pixels * 0.7), 7); }

// `font` at the largest pixel size from `pixels` down to its smallest in which
// `text` fits `width`: a long name in another language is set smaller, not cut.
QFont fitting(QFont font, int pixels, const QString& text, double width)
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

namespace KeyCapStyle {
QColor ink() { return rgb(0.2, 0.42, 0.95); }
QColor heldTop() { return rgb(0.34, 0.36, 0.4); }
QColor heldBottom() { return rgb(0.22, 0.24, 0.28); }
QColor heldSide() { return rgb(0.14, 0.15, 0.18); }
QColor pressedTop() { return rgb(0.22, 0.45, 0.98); }
QColor pressedBottom() { return rgb(0.1, 0.28, 0.78); }
QColor well() { return rgb(0.11, 0.11, 0.12); }
QColor faceTop() { return rgb(0.99, 0.99, 1.0); }
QColor faceBottom() { return rgb(0.92, 0.93, 0.95); }
QColor side() { return rgb(0.62, 0.64, 0.68); }
}

std::optional<QString> KeyStripItem::printedName(const QString& glyph)
{
    static const QHash<QString, const char*> names {
        { QStringLiteral("⇧"), QT_TRANSLATE_NOOP("Kelvaro", "shift") },
        { QStringLiteral("⌃"), QT_TRANSLATE_NOOP("Kelvaro", "super") },
        { QStringLiteral("⌥"), QT_TRANSLATE_NOOP("Kelvaro", "alt") },
        { QStringLiteral("⌘"), QT_TRANSLATE_NOOP("Kelvaro", "ctrl") },
        { QStringLiteral("␣"), QT_TRANSLATE_NOOP("Kelvaro", "space") },
        { QStringLiteral("⇥"), QT_TRANSLATE_NOOP("Kelvaro", "tab") },
        { QStringLiteral("↩"), QT_TRANSLATE_NOOP("Kelvaro", "return") },
        { QStringLiteral("⌫"), QT_TRANSLATE_NOOP("Kelvaro", "backspace") },
        { QStringLiteral("⎋"), QT_TRANSLATE_NOOP("Kelvaro", "esc") },
    };
    const auto it = names.find(glyph);
    if (it == names.end())
        return std::nullopt;
    return QCoreApplication::translate("Kelvaro", *it);
}

bool KeyStripItem::isModifierGlyph(const QString& glyph)
{
    static const QStringList symbols { QStringLiteral("⌃"), QStringLiteral("⌥"), QStringLiteral("⇧"),
        QStringLiteral("⌘") };
    if (symbols.contains(glyph))
        return true;
    // The Linux names of the four modifiers, in the interface language.
    for (const char* name : { "Ctrl", "Alt", "Shift", "Super" }) {
        if (glyph == QCoreApplication::translate("Kelvaro", name))
            return true;
    }
    return false;
}

KeyCapMetrics KeyCapMetrics::of(double height, bool captionedModifier)
{
    return { std::max(height * 0.08, 2.5), std::max(height * 0.14, 5.0),
        std::max(height * 1.15, 52.0) + (captionedModifier ? 10.0 : 0.0) };
}

KeyStrip::KeyStrip(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void KeyStrip::setItems(const QList<KeyStripItem>& items)
{
    if (items == m_items)
        return;
    const QList<KeyStripItem> before = std::exchange(m_items, items);
    for (int i = 0; m_onTap && i < std::min(before.size(), m_items.size()); ++i) {
        if (before[i].isPressed != m_items[i].isPressed)
            ControlAccessibility::announceChecked(this, i);
    }
    syncClock();
    updateGeometry();
    update();
}

void KeyStrip::setStripHeight(double height)
{
    m_height = height;
    setFixedHeight(int(std::ceil(height)));
    update();
}

void KeyStrip::setShowsCaptions(bool on)
{
    m_showsCaptions = on;
    update();
}
void KeyStrip::setFillsWidth(bool on)
{
    m_fillsWidth = on;
    setSizePolicy(on ? QSizePolicy::Expanding : QSizePolicy::Preferred, QSizePolicy::Fixed);
    update();
}
void KeyStrip::setShowsWell(bool on)
{
    m_showsWell = on;
    update();
}
void KeyStrip::setAttentionPress(bool on)
{
    m_attentionPress = on;
    update();
}
void KeyStrip::setOnTap(std::function<void(int)> onTap)
{
    m_onTap = std::move(onTap);
    setCursor(m_onTap ? Qt::PointingHandCursor : Qt::ArrowCursor);
    setFocusPolicy(m_onTap ? Qt::StrongFocus : Qt::NoFocus);
    if (m_onTap)
        ControlAccessibility::install();
}

void KeyStrip::tap(int index)
{
    if (m_onTap && index >= 0 && index < m_items.size())
        m_onTap(index);
}

void KeyStrip::focusCap(int index)
{
    if (!m_onTap || index < 0 || index >= m_items.size())
        return;
    m_focusIndex = index;
    setFocus(Qt::OtherFocusReason);
    update();
}

double KeyStrip::keyHeight() const { return std::max(m_showsWell ? m_height - 16.0 : m_height, 1.0); }

bool KeyStrip::expands(const KeyStripItem& item) const
{
    if (item.showsDotGrid)
        return true;
    const bool anyGrid
        = std::any_of(m_items.begin(), m_items.end(), [](const KeyStripItem& i) { return i.showsDotGrid; });
    return m_fillsWidth && !anyGrid;
}

QList<QRectF> KeyStrip::capRects() const
{
    const double kh = keyHeight();
    const double pad = m_showsWell ? 8.0 : 0.0;
    const double spacing = m_showsWell ? 5.0 : 6.0;
    QList<double> widths;
    double fixed = 0;
    int expanding = 0;
    for (const KeyStripItem& item : m_items) {
        const bool captionedModifier = m_showsCaptions && item.caption && KeyStripItem::isModifierGlyph(item.glyph);
        const KeyCapMetrics m = KeyCapMetrics::of(
            kh, captionedModifier || (m_showsCaptions && KeyStripItem::isModifierGlyph(item.glyph)));
        if (expands(item)) {
            widths << -1;
            ++expanding;
            fixed += (m_showsCaptions ? 0.0 : kh * 0.85);
        } else {
            const double w = std::max(m.compactWidth, legendWidth(item, kh));
            widths << w;
            fixed += w;
        }
    }
    const double inner = double(width()) - 2 * pad;
    const double gaps = spacing * std::max<int>(int(m_items.size()) - 1, 0);
    double share = 0;
    if (expanding > 0)
        share = std::max((inner - gaps - (fixed - (m_showsCaptions ? 0.0 : kh * 0.85 * expanding))) / expanding,
            m_showsCaptions ? 20.0 : kh * 0.85);
    double total = gaps;
    for (double& w : widths) {
        if (w < 0)
            w = share;
        total += w;
    }
    double x = pad + std::max((inner - total) / 2.0, 0.0);
    QList<QRectF> rects;
    for (double w : widths) {
        rects << QRectF(x, pad, w, kh);
        x += w + spacing;
    }
    return rects;
}

QSize KeyStrip::sizeHint() const
{
    const double kh = keyHeight();
    double w = m_showsWell ? 16.0 : 0.0;
    for (const KeyStripItem& item : m_items)
        w += (item.showsDotGrid
                     ? kh * 2.5
                     : std::max(KeyCapMetrics::of(kh, m_showsCaptions && KeyStripItem::isModifierGlyph(item.glyph))
                                    .compactWidth,
                         legendWidth(item, kh)))
            + 6.0;
    return QSize(int(std::ceil(w)), int(std::ceil(m_height)));
}

double KeyStrip::legendWidth(const KeyStripItem& item, double kh) const
{
    // The cap is at least as wide as its legend and caption at their smallest.
    QFont f = font();
    f.setWeight(QFont::DemiBold);
    f.setPixelSize(smallestPixels(legendPixels(item.glyph, kh)));
    double w = QFontMetricsF(f).horizontalAdvance(item.glyph) + 6;
    if (m_showsCaptions && item.caption) {
        f.setPixelSize(smallestPixels(captionPixels(kh)));
        w = std::max(w, QFontMetricsF(f).horizontalAdvance(*item.caption) + 6);
    }
    return w;
}

QSize KeyStrip::minimumSizeHint() const { return QSize(0, int(std::ceil(m_height))); }

void KeyStrip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (m_showsWell) {
        const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        QPainterPath well;
        well.addRoundedRect(r, 12, 12);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, withAlpha(KeyCapStyle::well(), 0.95));
        g.setColorAt(1, KeyCapStyle::well());
        p.fillPath(well, g);
        p.setPen(QPen(withAlpha(Qt::black, 0.35), 1));
        p.drawPath(well);
    }
    const QList<QRectF> rects = capRects();
    for (int i = 0; i < m_items.size(); ++i)
        paintCap(p, m_items[i], rects[i]);
    if (hasFocus() && m_focusIndex >= 0 && m_focusIndex < rects.size()) {
        QPainterPath ring;
        ring.addRoundedRect(rects[m_focusIndex].adjusted(-2, -2, 2, 2), 8, 8);
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(ring);
    }
}

void KeyStrip::keyPressEvent(QKeyEvent* event)
{
    if (!m_onTap || m_items.isEmpty())
        return QWidget::keyPressEvent(event);
    switch (event->key()) {
    case Qt::Key_Left:
        m_focusIndex = std::max(m_focusIndex - 1, 0);
        break;
    case Qt::Key_Right:
        m_focusIndex = std::min(m_focusIndex + 1, int(m_items.size()) - 1);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_onTap(std::clamp(m_focusIndex, 0, int(m_items.size()) - 1));
        break;
    default:
        return QWidget::keyPressEvent(event);
    }
    update();
}

void KeyStrip::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void KeyStrip::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void KeyStrip::paintCap(QPainter& p, const KeyStripItem& item, QRectF rect) const
{
    const double kh = rect.height();
    const KeyCapMetrics m = KeyCapMetrics::of(kh, false);
    const bool attention = item.isPressed && m_attentionPress && !item.glows;
    const bool held = item.isPressed && !m_attentionPress && !item.glows;
    const bool modifier = KeyStripItem::isModifierGlyph(item.glyph);
    const QColor red(255, 59, 48);

    QColor faceTop = KeyCapStyle::faceTop(), faceBottom = KeyCapStyle::faceBottom(), sideColour = KeyCapStyle::side();
    QColor bevelTop = withAlpha(Qt::white, 0.95), bevelBottom = withAlpha(Qt::black, 0.1);
    QColor legend = modifier ? KeyCapStyle::ink() : rgb(0.12, 0.12, 0.14);
    QColor caption = modifier ? withAlpha(KeyCapStyle::ink(), 0.9) : palette().color(QPalette::PlaceholderText);
    if (item.glows) {
        faceTop = withAlpha(red, 0.55);
        faceBottom = withAlpha(red, 0.32);
        sideColour = withAlpha(red, 0.55);
        bevelTop = withAlpha(Qt::white, 0.35);
        bevelBottom = withAlpha(red, 0.9);
    } else if (attention) {
        faceTop = KeyCapStyle::pressedTop();
        faceBottom = KeyCapStyle::pressedBottom();
        sideColour = withAlpha(KeyCapStyle::pressedBottom(), 0.85);
        bevelTop = withAlpha(Qt::white, 0.45);
        bevelBottom = withAlpha(KeyCapStyle::pressedBottom(), 0.9);
    } else if (held) {
        faceTop = KeyCapStyle::heldTop();
        faceBottom = KeyCapStyle::heldBottom();
        sideColour = KeyCapStyle::heldSide();
        bevelTop = withAlpha(Qt::white, 0.22);
        bevelBottom = withAlpha(Qt::black, 0.35);
    }
    if (item.glows || attention || held) {
        legend = Qt::white;
        caption = withAlpha(Qt::white, 0.95);
    }

    p.save();
    p.setOpacity(item.isDimmed ? 0.4 : 1.0);
    const QRectF face(rect.x(), rect.y(), rect.width(), kh - m.depth);
    const bool sunk = item.isPressed && !item.showsDotGrid;
    QPainterPath sidePath;
    sidePath.addRoundedRect(face.translated(0, m.depth), m.cornerRadius, m.cornerRadius);
    // Halo of a glowing or attention-pressed key.
    if (item.glows || attention) {
        const QColor halo = item.glows ? red : KeyCapStyle::pressedTop();
        for (int i = 3; i >= 1; --i) {
            QPainterPath h;
            h.addRoundedRect(
                face.adjusted(-i * 2.0, -i * 2.0, i * 2.0, i * 2.0), m.cornerRadius + i * 2, m.cornerRadius + i * 2);
            p.fillPath(h, withAlpha(halo, 0.12));
        }
    }
    p.fillPath(sidePath, sideColour);
    const QRectF top = sunk ? face.translated(0, m.depth) : face;
    QPainterPath facePath;
    facePath.addRoundedRect(top, m.cornerRadius, m.cornerRadius);
    if (!sunk && !item.glows) {
        QPainterPath shadow;
        shadow.addRoundedRect(top.translated(0, 1), m.cornerRadius, m.cornerRadius);
        p.fillPath(shadow, withAlpha(Qt::black, 0.2));
    }
    QLinearGradient fg(top.topLeft(), top.bottomLeft());
    fg.setColorAt(0, faceTop);
    fg.setColorAt(1, faceBottom);
    p.fillPath(facePath, fg);
    QLinearGradient bg(top.topLeft(), top.bottomLeft());
    bg.setColorAt(0, bevelTop);
    bg.setColorAt(1, bevelBottom);
    const double bevel = (item.glows || attention) ? 1.25 : 1.0;
    p.setPen(QPen(QBrush(bg), bevel));
    p.drawPath(QPainterPath(facePath));
    // The legend.
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
        paintDots(p, dots, item.glows, item.glows || attention);
    } else {
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
    p.restore();
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

void KeyStrip::syncClock()
{
    const bool lit
        = std::any_of(m_items.begin(), m_items.end(), [](const KeyStripItem& i) { return i.glows && i.showsDotGrid; });
    const bool animate = lit && !DisplayPreferences::shared().reduceMotion();
    if (animate && !m_clock) {
        m_clock = startTimer(int(dotStep * 1000));
    } else if (!animate && m_clock) {
        killTimer(m_clock);
        m_clock = 0;
    }
    if (!animate)
        m_phase = -1;
}

void KeyStrip::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_clock)
        return QWidget::timerEvent(event);
    m_phase = (m_phase + 1) % (dotRows * dotColumns);
    update();
}

void KeyStrip::mousePressEvent(QMouseEvent* event)
{
    if (!m_onTap)
        return QWidget::mousePressEvent(event);
    const QList<QRectF> rects = capRects();
    for (int i = 0; i < rects.size(); ++i) {
        if (rects[i].contains(event->position())) {
            m_onTap(i);
            return;
        }
    }
}
