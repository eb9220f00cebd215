#include "editors/SegmentButton.h"

#include "core/SymbolIcons.h"

#include <QFocusEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int kRadius = 6;
constexpr int kPaddingX = 10;
constexpr int kSymbolSide = 14;
constexpr int kSymbolGap = 5;

QPainterPath segmentShape(const QRectF& r, SegmentButton::Position position)
{
    using P = SegmentButton::Position;
    const bool roundLeft = position == P::only || position == P::first;
    const bool roundRight = position == P::only || position == P::last;
    QPainterPath path;
    path.addRoundedRect(r, kRadius, kRadius);
    // Square off the inner ends by uniting with plain rectangles over them.
    QPainterPath squared;
    if (!roundLeft)
        squared.addRect(QRectF(r.left(), r.top(), r.width() / 2, r.height()));
    if (!roundRight)
        squared.addRect(QRectF(r.center().x(), r.top(), r.width() / 2, r.height()));
    return squared.isEmpty() ? path : path.united(squared);
}
}

SegmentButton::SegmentButton(const QString& text, QWidget* parent)
    : QAbstractButton(parent)
{
    setText(text);
    setCheckable(true);
    // Read out as the radio button it is: one of a row, exactly one chosen.
    // The row's QButtonGroup keeps the choice; this only names the role.
    setAutoExclusive(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void SegmentButton::setPosition(Position position)
{
    m_position = position;
    update();
}

void SegmentButton::setSymbol(const QString& symbol)
{
    m_symbol = symbol;
    updateGeometry();
    update();
}

QSize SegmentButton::sizeHint() const
{
    QFont bold = font();
    bold.setWeight(QFont::DemiBold); // the chosen segment's weight: room for it whichever is chosen
    const QFontMetrics fm(bold);
    int width = 2 * kPaddingX + fm.horizontalAdvance(text());
    if (!m_symbol.isEmpty())
        width += kSymbolSide + kSymbolGap;
    return { width, std::max(fm.height(), kSymbolSide) + 12 };
}

QSize SegmentButton::minimumSizeHint() const { return sizeHint(); }

QColor SegmentButton::chosenFill(const QPalette& palette) { return palette.color(QPalette::Highlight); }

QColor SegmentButton::plainFill(const QPalette& palette) { return palette.color(QPalette::Base); }

void SegmentButton::focusInEvent(QFocusEvent* event)
{
    // Only focus the keyboard brought shows a ring; a click chooses, and the
    // fill already says so.
    m_keyboardFocus = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason
        || event->reason() == Qt::ShortcutFocusReason;
    QAbstractButton::focusInEvent(event);
}

void SegmentButton::focusOutEvent(QFocusEvent* event)
{
    m_keyboardFocus = false;
    QAbstractButton::focusOutEvent(event);
}

void SegmentButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    const bool chosen = isChecked();
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const QPainterPath shape = segmentShape(r, m_position);
    QColor fill = chosen ? chosenFill(pal) : plainFill(pal);
    if (!chosen && isDown())
        fill = fill.darker(112);
    p.fillPath(shape, fill);
    QColor border = pal.color(QPalette::WindowText);
    border.setAlphaF(0.28f);
    p.setPen(QPen(chosen ? chosenFill(pal) : border, 1));
    p.drawPath(shape);
    if (hasFocus() && m_keyboardFocus) {
        // A ring inside the segment, in the text colour of its fill: visible on
        // the chosen and the plain segment, and unlike either fill.
        QPen ring(chosen ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Highlight), 2);
        ring.setStyle(Qt::DotLine);
        p.setPen(ring);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(3, 3, -3, -3), kRadius - 2, kRadius - 2);
    }
    const QColor ink = !isEnabled() ? pal.color(QPalette::Disabled, QPalette::ButtonText)
        : chosen                    ? pal.color(QPalette::HighlightedText)
                                    : pal.color(QPalette::Text);
    QFont f = font();
    if (chosen)
        f.setWeight(QFont::DemiBold);
    p.setFont(f);
    const QFontMetrics fm(f);
    int contentWidth = fm.horizontalAdvance(text());
    if (!m_symbol.isEmpty())
        contentWidth += kSymbolSide + kSymbolGap;
    double x = (width() - contentWidth) / 2.0;
    if (!m_symbol.isEmpty()) {
        SymbolIcons::paint(p, QRectF(x, (height() - kSymbolSide) / 2.0, kSymbolSide, kSymbolSide), m_symbol, ink);
        x += kSymbolSide + kSymbolGap;
    }
    p.setPen(ink);
    p.drawText(QRectF(x, 0, width() - x, height()), Qt::AlignLeft | Qt::AlignVCenter, text());
}

namespace Segments {
void join(QButtonGroup* group, QHBoxLayout* row)
{
    row->setSpacing(0);
    const auto buttons = group->buttons();
    for (int i = 0; i < buttons.size(); ++i) {
        if (auto* segment = qobject_cast<SegmentButton*>(buttons[i])) {
            using P = SegmentButton::Position;
            segment->setPosition(buttons.size() == 1 ? P::only
                    : i == 0                         ? P::first
                    : i == buttons.size() - 1        ? P::last
                                                     : P::middle);
        }
        row->addWidget(buttons[i]);
    }
}
}
