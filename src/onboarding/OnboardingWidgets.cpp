#include "onboarding/OnboardingWidgets.h"

#include "core/SymbolIcons.h"
#include "editors/KeyStrip.h"
#include "ringkit/RingAnimation.h"
#include "ringkit/WidgetMotion.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

using OnboardingStyle::accent;
using OnboardingStyle::secondary;

QColor OnboardingStyle::accent(const QWidget* w) { return w->palette().color(QPalette::Highlight); }

QColor OnboardingStyle::secondary(const QWidget* w)
{
    QColor c = w->palette().color(QPalette::WindowText);
    c.setAlphaF(0.62f);
    return c;
}

SymbolView::SymbolView(QString symbol, QColor colour, int side, QWidget* parent)
    : QWidget(parent)
    , m_symbol(std::move(symbol))
    , m_colour(colour)
{
    setFixedSize(side, side);
}

void SymbolView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    SymbolIcons::paint(p, QRectF(rect()), m_symbol, m_colour);
}

StepDisc::StepDisc(QString symbol, QWidget* parent)
    : QWidget(parent)
    , m_symbol(std::move(symbol))
{
    setFixedSize(26, 26);
}

void StepDisc::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor a = accent(this);
    QLinearGradient g(0, 0, 0, 26);
    g.setColorAt(0, a.lighter(118));
    g.setColorAt(1, a);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QRectF(0, 0, 26, 26));
    SymbolIcons::paint(p, QRectF(6, 6, 14, 14), m_symbol, Qt::white);
}

PageDots::PageDots(const int* page, int count, QWidget* parent)
    : QWidget(parent)
    , m_page(page)
    , m_count(count)
{
    setFixedSize(count * 7 + (count - 1) * 6, 7);
}

void PageDots::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < m_count; ++i) {
        QColor c = i == *m_page ? accent(this) : secondary(this);
        if (i != *m_page)
            c.setAlphaF(0.3f);
        p.setBrush(c);
        p.drawEllipse(QRectF(i * 13, 0, 7, 7));
    }
}

RingStagePreview::RingStagePreview(RingStageInput input, QWidget* parent)
    : QWidget(parent)
    , m_input(std::move(input))
{
    setFixedSize(258, 258);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RingStagePreview::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(width() / 2.0, height() / 2.0);
    const double s = width() / RingPreview::canvasSide;
    p.scale(s, s);
    RingPreview::paintStage(p, m_input, palette().color(QPalette::Window).lightness() < 128);
}

DesktopAccessCard::DesktopAccessCard(AccessibilityState state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    setFixedSize(300, 3 * rowHeight + 12);
    setAccessibleName(QCoreApplication::translate("Kelvaro", "Desktop access"));
}

void DesktopAccessCard::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75);
    QPainterPath shape;
    shape.addRoundedRect(card, 9, 9);
    p.fillPath(shape, palette().color(QPalette::Base));
    QColor edge = accent(this);
    edge.setAlphaF(0.5f);
    p.setPen(QPen(edge, 1.5));
    p.drawPath(shape);
    const struct {
        const char* symbol;
        const char* label;
        bool on;
    } rows[] = {
        { "macwindow", QT_TRANSLATE_NOOP("Kelvaro", "X11 session"), m_state.x11Session },
        { "keyboard", QT_TRANSLATE_NOOP("Kelvaro", "Global keys"), m_state.keyGrabs },
        { "network", QT_TRANSLATE_NOOP("Kelvaro", "Accessibility bus"), m_state.accessibilityBus },
    };
    QFont f = font();
    f.setPixelSize(13);
    p.setFont(f);
    double y = 6;
    for (const auto& row : rows) {
        const QRectF line(12, y, width() - 24, rowHeight);
        SymbolIcons::paint(p, QRectF(line.left(), line.center().y() - 10, 20, 20), QString::fromLatin1(row.symbol),
            palette().color(QPalette::WindowText));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(line.adjusted(30, 0, -44, 0), Qt::AlignVCenter | Qt::AlignLeft,
            QCoreApplication::translate("Kelvaro", row.label));
        // The switch: green and to the right when on.
        const QRectF track(line.right() - 34, line.center().y() - 10, 34, 20);
        const QColor green = QColor::fromRgbF(0.2f, 0.78f, 0.35f);
        p.setPen(Qt::NoPen);
        p.setBrush(row.on ? green : secondary(this));
        p.drawRoundedRect(track, 10, 10);
        p.setBrush(Qt::white);
        const double knobX = row.on ? track.right() - 18 : track.left() + 2;
        p.drawEllipse(QRectF(knobX, track.top() + 2, 16, 16));
        y += rowHeight;
    }
}

// ---- The notice's button ------------------------------------------------------------------------

NoticeButton::NoticeButton(QWidget* parent)
    : QPushButton(parent)
    , m_press(new WidgetMotion(this, 0.0))
{
    QFont f = font();
    f.setPixelSize(13);
    f.setWeight(QFont::DemiBold);
    setFont(f);
    connect(this, &QAbstractButton::pressed, this, [this] { follow(true); });
    connect(this, &QAbstractButton::released, this, [this] { follow(false); });
}

void NoticeButton::follow(bool down)
{
    m_press->animateTo(
        down ? 1.0 : 0.0, RingAnimation::easeOut(pressDuration), AnimationEngine::shared().reduceMotion());
}

double NoticeButton::press() const { return std::clamp(m_press->value(), 0.0, 1.0); }

QSize NoticeButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text()) + 24 + 2 * shadowMargin, metrics.height() + 10 + 2 * shadowMargin);
}

void NoticeButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double t = press();
    const QRectF face = QRectF(rect()).adjusted(shadowMargin, shadowMargin, -shadowMargin, -shadowMargin);
    const double radius = 6;
    const QColor ink = KeyCapStyle::ink();
    // The shadow, 1 point down: rings of falling strength out to its radius.
    const double shadowRadius = 8 + (5 - 8) * t;
    const double shadowOpacity = 0.45 + (0.28 - 0.45) * t;
    const int steps = 6;
    for (int i = steps; i >= 1; --i) {
        const double spread = shadowRadius * i / steps * (double(shadowMargin) / 8.0);
        QColor c = ink;
        c.setAlphaF(float(shadowOpacity / steps * (1.0 - double(i - 1) / steps)));
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawRoundedRect(
            face.translated(0, 1).adjusted(-spread, -spread, spread, spread), radius + spread, radius + spread);
    }
    const double grey = 1.0 + (0.92 - 1.0) * t;
    p.setBrush(QColor::fromRgbF(float(grey), float(grey), float(grey)));
    QColor border = ink;
    border.setAlphaF(0.35f);
    p.setPen(QPen(border, 1.0));
    p.drawRoundedRect(face.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    if (hasFocus()) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, 2.0));
        p.drawRoundedRect(face.adjusted(-1, -1, 1, 1), radius + 1, radius + 1);
    }
    p.setPen(Qt::black);
    p.setFont(font());
    p.drawText(face, Qt::AlignCenter | Qt::TextSingleLine, text());
}
