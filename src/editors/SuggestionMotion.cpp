#include "editors/SuggestionMotion.h"

#include "ringkit/WidgetMotion.h"

#include <QAbstractButton>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>
#include <cmath>

TickBox::TickBox(const QString& text, QWidget* parent)
    : QCheckBox(text, parent)
    , m_tick(new WidgetMotion(this, 0.0))
{
}

// Called on every change of the tick, with signals blocked or not: a click
// ticks at once; only an eased change draws the way between.
void TickBox::checkStateSet()
{
    QCheckBox::checkStateSet();
    if (!m_easing)
        m_tick->setValue(isChecked() ? 1.0 : 0.0);
}

void TickBox::setCheckedEased(bool checked, const RingAnimation& animation, bool still)
{
    m_easing = true;
    setChecked(checked);
    m_easing = false;
    m_tick->animateTo(checked ? 1.0 : 0.0, animation, still);
}

double TickBox::tick() const { return std::clamp(m_tick->value(), 0.0, 1.0); }

void TickBox::paintEvent(QPaintEvent* event)
{
    if (!m_tick->isAnimating()) {
        QCheckBox::paintEvent(event);
        return;
    }
    // The box empty, with its label, and the ticked indicator over it at the
    // strength the motion has reached.
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.state &= ~(QStyle::State_On | QStyle::State_NoChange);
    option.state |= QStyle::State_Off;
    p.drawControl(QStyle::CE_CheckBox, option);
    QStyleOptionButton ticked = option;
    ticked.state &= ~QStyle::State_Off;
    ticked.state |= QStyle::State_On;
    ticked.rect = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    p.setOpacity(tick());
    p.drawPrimitive(QStyle::PE_IndicatorCheckBox, ticked);
}

// ---- The spinner --------------------------------------------------------------------------------

ScanSpinner::ScanSpinner(QAbstractButton* button)
    : QObject(button)
    , m_button(button)
    , m_turn(new WidgetMotion(nullptr, 0.0))
{
    m_turn->setParent(this);
    connect(m_turn, &WidgetMotion::changed, this, [this](double value) {
        if (!m_running)
            return;
        draw();
        // One turn done: the next begins while the scan lasts.
        if (!m_turn->isAnimating() && value >= 1.0) {
            m_turn->setValue(0.0);
            m_turn->animateTo(1.0, RingAnimation::linear(turn));
        }
    });
}

void ScanSpinner::start(bool still)
{
    if (m_running)
        return;
    m_running = true;
    m_drawnLead = -1;
    m_turn->setValue(0.0);
    draw();
    if (!still)
        m_turn->animateTo(1.0, RingAnimation::linear(turn));
}

void ScanSpinner::stop()
{
    m_running = false;
    m_turn->setValue(0.0); // stops the turn: nothing ticks once the scan is over
}

double ScanSpinner::phase() const { return m_turn->value() - std::floor(m_turn->value()); }

void ScanSpinner::draw()
{
    // The picture changes eight times a turn: the frames between set nothing.
    const int lead = int(std::floor(phase() * 8));
    if (lead == m_drawnLead)
        return;
    m_drawnLead = lead;
    m_button->setIcon(icon(phase(), m_button->palette().color(QPalette::ButtonText)));
}

QIcon ScanSpinner::icon(double phase, const QColor& colour)
{
    // Eight spokes, the leading one strongest, stepping round as the turn goes.
    const int side = 32; // drawn at twice the icon's size, for sharp lines when scaled
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(side / 2.0, side / 2.0);
    const int spokes = 8;
    const int lead = int(std::floor(phase * spokes)) % spokes;
    for (int i = 0; i < spokes; ++i) {
        const int behind = (lead - i + spokes) % spokes;
        QColor c = colour;
        c.setAlphaF(float(colour.alphaF() * (1.0 - 0.8 * behind / double(spokes - 1))));
        p.save();
        p.rotate(360.0 * i / spokes);
        p.setPen(QPen(c, 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, -side * 0.22), QPointF(0, -side * 0.42));
        p.restore();
    }
    return QIcon(pixmap);
}
