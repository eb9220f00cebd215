#include "ringkit/WidgetMotion.h"

#include "platform/Scheduler.h"

#include <QWidget>
#include <algorithm>

WidgetMotion::WidgetMotion(QWidget* owner, double initial, double restTolerance)
    : QObject(owner)
    , m_value(initial, restTolerance)
    , m_owner(owner)
{
}

WidgetMotion::~WidgetMotion()
{
    QObject::disconnect(m_frames);
    if (m_restCheck)
        Scheduler::shared().cancel(m_restCheck);
}

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
    watchForRest();
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
    if (m_restCheck)
        Scheduler::shared().cancel(m_restCheck);
    m_restCheck = 0;
}

// The engine announces no frame for a rest that changes no pixel, so the
// last frame may show the value a hair short of its target, still moving.
// Whoever waits for the rest (to drop a drawing aid, to hide an overlay) is
// told once the curve has come to rest, counted ahead on the same clock.
void WidgetMotion::watchForRest()
{
    Scheduler& scheduler = Scheduler::shared();
    if (m_restCheck)
        scheduler.cancel(m_restCheck);
    const double now = scheduler.now();
    const double step = std::max(AnimationEngine::shared().frameInterval(), 1.0 / 240.0);
    double wait = step;
    while (m_value.isAnimatingAt(now + wait) && wait < 30.0)
        wait += step;
    m_restCheck = scheduler.postAfterWhileAlive(wait, this, [this] {
        m_restCheck = 0;
        if (!m_frames || m_value.isAnimating())
            return; // already told, or moving on to a newer target
        settle();
        if (m_owner)
            m_owner->update();
        Q_EMIT changed(m_value.value());
    });
}
