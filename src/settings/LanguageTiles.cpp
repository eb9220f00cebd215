#include "settings/LanguageTiles.h"

#include "core/SymbolIcons.h"
#include "ringkit/WidgetMotion.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {
QColor mixed(const QColor& from, const QColor& to, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * t),
        float(from.greenF() + (to.greenF() - from.greenF()) * t), float(from.blueF() + (to.blueF() - from.blueF()) * t),
        float(from.alphaF() + (to.alphaF() - from.alphaF()) * t));
}

// The separator: the text colour, faint.
QColor separatorColour(const QPalette& palette)
{
    QColor c = palette.color(QPalette::WindowText);
    c.setAlphaF(0.16f);
    return c;
}

// A font of `pixelSize` that is `semibold` or regular.
QFont sizedFont(const QFont& base, double pixelSize, bool semibold)
{
    QFont f = base;
    f.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    f.setWeight(semibold ? QFont::DemiBold : QFont::Normal);
    return f;
}

// Draws `text` left-aligned in `rect`, shrinking it down to 0.8 of its size
// before it is cut short: a long name never wraps.
void drawShrinkingText(QPainter& p, const QRectF& rect, const QString& text, const QFont& font)
{
    QFont f = font;
    const double full = QFontMetricsF(f).horizontalAdvance(text);
    if (full > rect.width() && full > 0) {
        const double scale = std::max(0.8, rect.width() / full);
        f.setPixelSize(std::max(1, int(std::floor(font.pixelSize() * scale))));
    }
    p.setFont(f);
    const QString shown = QFontMetricsF(f).elidedText(text, Qt::ElideRight, rect.width());
    p.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}
}

LanguageChoiceButton::LanguageChoiceButton(QWidget* parent)
    : QAbstractButton(parent)
    , m_selection(new WidgetMotion(this, 0.0))
{
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void LanguageChoiceButton::setSelected(bool selected, bool still)
{
    m_selected = selected;
    m_marking = true;
    setChecked(selected);
    m_marking = false;
    m_selection->animateTo(selected ? 1.0 : 0.0, selectionAnimation(), still);
}

// The mark follows the settings alone. A change from anywhere else (an
// assistive tool's "Toggle") is a choice: the mark goes back to what the
// settings say, and the button is clicked as Space would click it, once the
// toolkit has finished changing the state.
void LanguageChoiceButton::checkStateSet()
{
    QAbstractButton::checkStateSet();
    if (m_marking || isChecked() == m_selected)
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_marking = true;
            setChecked(m_selected);
            m_marking = false;
            if (isEnabled())
                click();
        },
        Qt::QueuedConnection);
}

double LanguageChoiceButton::selection() const { return std::clamp(m_selection->value(), 0.0, 1.0); }

void LanguageChoiceButton::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    m_hovering = true;
    update();
}

void LanguageChoiceButton::leaveEvent(QEvent* event)
{
    QAbstractButton::leaveEvent(event);
    m_hovering = false;
    update();
}

// ---- Tiles --------------------------------------------------------------------------------------

LanguageTile::LanguageTile(const QString& flag, const QString& endonym, QWidget* parent)
    : LanguageChoiceButton(parent)
    , m_flag(flag)
    , m_endonym(endonym)
{
    setText(endonym);
    setAccessibleName(endonym);
}

QSize LanguageTile::sizeHint() const
{
    const QFontMetricsF flagMetrics(sizedFont(font(), 20, false));
    const QFontMetricsF nameMetrics(sizedFont(font(), 13, true));
    const double line = std::max(m_flag.isEmpty() ? 0.0 : flagMetrics.height(), nameMetrics.height());
    const double width = 10 + (m_flag.isEmpty() ? 0.0 : flagMetrics.horizontalAdvance(m_flag) + 8)
        + nameMetrics.horizontalAdvance(m_endonym) + 8 + 11 + 10;
    return QSize(std::max(148, int(std::ceil(width))), int(std::ceil(line)) + 18);
}

QSize LanguageTile::minimumSizeHint() const { return QSize(148, sizeHint().height()); }

void LanguageTile::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = selection();
    const QPalette& pal = palette();
    const QColor accent = pal.color(QPalette::Highlight);
    QColor face = pal.color(QPalette::Base);
    if (hovering() && s < 1.0)
        face = mixed(face, pal.color(QPalette::WindowText), 0.05);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(box, 10, 10);
    p.fillPath(shape, mixed(face, accent, s));
    QColor border = separatorColour(pal);
    border.setAlphaF(border.alphaF() * float(1.0 - s));
    if (hasFocus())
        border = mixed(accent.lighter(130), QColor(Qt::white), s);
    p.setPen(QPen(border, hasFocus() ? 2.0 : 1.0));
    p.drawPath(shape);

    QRectF content = QRectF(rect()).adjusted(10, 9, -10, -9);
    if (!m_flag.isEmpty()) {
        const QFont flagFont = sizedFont(font(), 20, false);
        p.setFont(flagFont);
        p.setPen(pal.color(QPalette::WindowText));
        const double w = QFontMetricsF(flagFont).horizontalAdvance(m_flag);
        p.drawText(QRectF(content.left(), content.top(), w, content.height()), Qt::AlignVCenter, m_flag);
        content.setLeft(content.left() + w + 8);
    }
    // The checkmark keeps its room while it fades, so the name does not jump.
    const double check = 11;
    if (s > 0.0) {
        p.setOpacity(s);
        SymbolIcons::paint(p,
            QRectF(content.right() - check, content.center().y() - check / 2 - 1, check + 2, check + 2),
            QStringLiteral("checkmark"), Qt::white);
        p.setOpacity(1.0);
    }
    content.setRight(content.right() - check - 8);
    p.setPen(mixed(pal.color(QPalette::Text), QColor(Qt::white), s));
    drawShrinkingText(p, content, m_endonym, sizedFont(font(), 13, s >= 0.5));
}

// ---- The system row -------------------------------------------------------------------------

SystemLanguageRow::SystemLanguageRow(const QString& globe, QWidget* parent)
    : LanguageChoiceButton(parent)
    , m_globe(globe)
{
}

QSize SystemLanguageRow::sizeHint() const
{
    const QFontMetricsF globe(sizedFont(font(), 16, false));
    const QFontMetricsF label(sizedFont(font(), 12, true));
    const double line = std::max({ m_globe.isEmpty() ? 0.0 : globe.height(), label.height(), 16.0 });
    return QSize(int(std::ceil(20 + label.horizontalAdvance(text()) + 24 + 8 + 28)), int(std::ceil(line)) + 16);
}

double SystemLanguageRow::opacity() const { return 0.6 + 0.4 * selection(); }

void SystemLanguageRow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = selection();
    const QPalette& pal = palette();
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), 9, 9);
    QColor face = pal.color(QPalette::Base);
    if (hovering() && s < 1.0)
        face = mixed(face, pal.color(QPalette::WindowText), 0.05);
    face.setAlphaF(face.alphaF() * float(opacity()));
    p.fillPath(shape, face);
    if (hasFocus()) {
        p.setPen(QPen(pal.color(QPalette::Highlight), 2.0));
        p.drawPath(shape);
    }

    QRectF content = QRectF(rect()).adjusted(10, 8, -10, -8);
    if (!m_globe.isEmpty()) {
        const QFont globeFont = sizedFont(font(), 16, false);
        p.setFont(globeFont);
        p.setPen(pal.color(QPalette::WindowText));
        const double w = QFontMetricsF(globeFont).horizontalAdvance(m_globe);
        p.drawText(QRectF(content.left(), content.top(), w, content.height()), Qt::AlignVCenter, m_globe);
        content.setLeft(content.left() + w + 8);
    }
    const double check = 16;
    if (s > 0.0) {
        p.setOpacity(s);
        SymbolIcons::paint(p, QRectF(content.right() - check, content.center().y() - check / 2, check, check),
            QStringLiteral("checkmark.circle.fill"), pal.color(QPalette::Highlight));
        p.setOpacity(1.0);
    }
    content.setRight(content.right() - check - 8);
    p.setPen(pal.color(QPalette::WindowText));
    drawShrinkingText(p, content, text(), sizedFont(font(), 12, s >= 0.5));
}
