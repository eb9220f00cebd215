#include "onboarding/OnboardingWidgets.h"

#include "core/SymbolIcons.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

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
