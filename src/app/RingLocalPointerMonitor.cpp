#include "app/RingLocalPointerMonitor.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

RingLocalPointerMonitor::RingLocalPointerMonitor(
    std::function<bool(const QObject*)> isRingWindow, PointerMonitor::Handler handler)
    : m_isRingWindow(std::move(isRingWindow))
    , m_handler(std::move(handler))
{
    if (qApp)
        qApp->installEventFilter(this);
}

RingLocalPointerMonitor::~RingLocalPointerMonitor()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

bool RingLocalPointerMonitor::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress && type != QEvent::Wheel)
        return false;
    if (!watched->isWidgetType() || !m_isRingWindow(static_cast<QWidget*>(watched)->window()))
        return false;
    // An ignored press or wheel event travels on to the parent widgets: count it once.
    const auto* input = static_cast<QInputEvent*>(event);
    if (!event->spontaneous() || (input == m_last && input->timestamp() == m_lastTimestamp))
        return false;
    m_last = input;
    m_lastTimestamp = input->timestamp();
    PointerEvent e;
    if (type == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        e.type = PointerEvent::Type::ScrollWheel;
        if (!wheel->pixelDelta().isNull()) {
            e.hasPreciseScrollingDeltas = true;
            e.scrollingDeltaY = wheel->pixelDelta().y();
        } else {
            e.scrollingDeltaY = wheel->angleDelta().y() / 120.0;
        }
        if (e.scrollingDeltaY == 0)
            return false;
    } else if (type == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        e.type = press->button() == Qt::RightButton ? PointerEvent::Type::RightMouseDown
                                                    : PointerEvent::Type::LeftMouseDown;
    } else {
        e.type = PointerEvent::Type::MouseMoved;
    }
    m_handler(e);
    return false;
}
