#include "ringkit/WidgetMotion.h"

#include <QWidget>

WidgetMotion::WidgetMotion(QWidget* owner, double initial, double restTolerance)
    : QObject(owner)
    , m_value(initial, restTolerance)
    , m_owner(owner)
{
}

WidgetMotion::~WidgetMotion() { QObject::disconnect(m_frames); }

void WidgetMotion::animateTo(double target, const RingAnimation& animation, bool still)
{
    if (still || (m_owner && !m_owner->isVisible())) {
        setValue(target);
        return;
    }
    if (target == m_value.target() && (m_value.isAnimating() || m_value.value() == target))
        return;
    m_value.animateTo(target, animation);
    follow();
}

void WidgetMotion::setValue(double value)
{
    const bool moved = value != m_value.value() || m_value.isAnimating();
    m_value.setValue(value);
    settle();
    if (moved) {
        if (m_owner)
            m_owner->update();
        Q_EMIT changed(value);
    }
}

// Frames are followed only while the value moves, so a window at rest holds
// no connection to the engine and the engine's timer stops with the motion.
void WidgetMotion::follow()
{
    if (m_frames)
        return;
    m_frames = connect(&AnimationEngine::shared(), &AnimationEngine::frame, this, [this] {
        const bool moving = m_value.isAnimating();
        if (m_owner)
            m_owner->update();
        Q_EMIT changed(m_value.value());
        if (!moving)
            settle();
    });
}

void WidgetMotion::settle()
{
    QObject::disconnect(m_frames);
    m_frames = {};
}
