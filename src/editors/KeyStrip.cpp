#include "editors/KeyStrip.h"
#include "editors/ControlAccessibility.h"
#include "editors/KeyStripDrawing.h"
#include "ringkit/WidgetMotion.h"

#include "ringkit/RingAnimation.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QLinearGradient>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimerEvent>
#include <algorithm>
#include <cmath>
#include <utility>

using namespace KeyStripDrawing;

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

std::optional<QString> KeyStripItem::modifierCaption(const QString& token)
{
    static const std::pair<const char*, const char*> names[] = {
        { QT_TRANSLATE_NOOP("Kelvaro", "Ctrl"), "ctrl" },
        { QT_TRANSLATE_NOOP("Kelvaro", "Alt"), "alt" },
        { QT_TRANSLATE_NOOP("Kelvaro", "Shift"), "shift" },
        { QT_TRANSLATE_NOOP("Kelvaro", "Super"), "super" },
    };
    for (const auto& [name, printed] : names) {
        if (token == QCoreApplication::translate("Kelvaro", name))
            return QCoreApplication::translate("Kelvaro", printed);
    }
    return printedName(token);
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

namespace {
const RingAnimation& pressSpring()
{
    static const RingAnimation spring = RingAnimation::spring(0.14, 0.85);
    return spring;
}
const RingAnimation& glowEase()
{
    static const RingAnimation ease = RingAnimation::easeInOut(0.25);
    return ease;
}
bool stillMotion() { return AnimationEngine::shared().reduceMotion(); }
}

void KeyStrip::setItems(const QList<KeyStripItem>& items, const RingAnimation& press)
{
    if (items == m_items)
        return;
    const QList<QRectF> beforeRects = capRects();
    const QList<KeyStripItem> before = std::exchange(m_items, items);
    follow(before, beforeRects, press);
    for (int i = 0; m_onTap && i < std::min(before.size(), m_items.size()); ++i) {
        if (before[i].isPressed != m_items[i].isPressed)
            ControlAccessibility::announceChecked(this, i);
    }
    syncClock();
    updateGeometry();
    update();
}

void KeyStrip::setItems(const QList<KeyStripItem>& items) { setItems(items, pressSpring()); }

KeyStrip::CapMotion KeyStrip::motionFor(const KeyStripItem& item, bool arriving)
{
    auto it = m_motions.find(item.id);
    if (it != m_motions.end())
        return *it;
    CapMotion m;
    m.press = new WidgetMotion(this, item.isPressed ? 1.0 : 0.0);
    m.glow = new WidgetMotion(this, item.glows ? 1.0 : 0.0);
    m.presence = new WidgetMotion(this, arriving ? 0.0 : 1.0);
    // A cap that has faded out is forgotten once it rests.
    connect(m.presence, &WidgetMotion::changed, this, [this] { forgetLeft(); });
    m_motions.insert(item.id, m);
    return m;
}

// Caps that stay move to their new state, new caps arrive, and caps that
// went away fade where they were.
void KeyStrip::follow(const QList<KeyStripItem>& before, const QList<QRectF>& beforeRects, const RingAnimation& press)
{
    const bool still = stillMotion();
    QSet<QString> ids;
    for (const KeyStripItem& item : std::as_const(m_items)) {
        ids.insert(item.id);
        const bool known = m_motions.contains(item.id);
        const CapMotion m = motionFor(item, true);
        m_leaving.removeIf([&](const Leaving& l) { return l.item.id == item.id; });
        m.presence->animateTo(1.0, m_entry, still);
        if (known) {
            m.press->animateTo(item.isPressed ? 1.0 : 0.0, press, still);
            m.glow->animateTo(item.glows ? 1.0 : 0.0, glowEase(), still);
        }
    }
    for (int i = 0; i < before.size(); ++i) {
        const KeyStripItem& gone = before[i];
        if (ids.contains(gone.id) || !m_motions.contains(gone.id))
            continue;
        m_leaving.removeIf([&](const Leaving& l) { return l.item.id == gone.id; });
        m_leaving << Leaving { gone, beforeRects.value(i) };
        m_motions[gone.id].presence->animateTo(0.0, m_entry, still);
    }
    forgetLeft();
}

void KeyStrip::forgetLeft()
{
    for (qsizetype i = m_leaving.size() - 1; i >= 0; --i) {
        const QString id = m_leaving[i].item.id;
        const CapMotion m = m_motions.value(id);
        if (m.presence && (m.presence->isAnimating() || m.presence->value() > 0.0))
            continue;
        m_leaving.removeAt(i);
        if (m.presence) {
            m_motions.remove(id);
            for (WidgetMotion* motion : { m.press, m.glow, m.presence })
                motion->deleteLater();
        }
    }
}

KeyStrip::CapPose KeyStrip::pose(const QString& id) const
{
    const auto it = m_motions.constFind(id);
    if (it == m_motions.constEnd())
        return {};
    return { it->press->value(), it->glow->value(), it->presence->value() };
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
    if (usesAttentionLegend(item)) {
        // The name in the corner keeps its size; the printed name may shrink.
        f.setPixelSize(std::max(int(kh * 0.3), 7));
        double w = QFontMetricsF(f).horizontalAdvance(item.glyph) + 12;
        f.setWeight(QFont::Medium);
        f.setPixelSize(smallestPixels(std::max(int(kh * 0.2), 7)));
        return std::max(w, QFontMetricsF(f).horizontalAdvance(*item.caption) + 12);
    }
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
    for (const Leaving& gone : std::as_const(m_leaving))
        paintCap(p, gone.item, gone.rect, pose(gone.item.id));
    const QList<QRectF> rects = capRects();
    for (int i = 0; i < m_items.size(); ++i)
        paintCap(p, m_items[i], rects[i], pose(m_items[i].id));
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

void KeyStrip::syncClock()
{
    const bool lit
        = std::any_of(m_items.begin(), m_items.end(), [](const KeyStripItem& i) { return i.glows && i.showsDotGrid; });
    const bool animate = lit && !AnimationEngine::shared().reduceMotion();
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
