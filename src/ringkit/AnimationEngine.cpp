#include "ringkit/RingAnimation.h"

#include "platform/DisplayPreferences.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
// How far ahead the engine looks for its next frame while everything
// creeps: half a second at 60 Hz.
constexpr int kMostTicksSlept = 30;

double schedulerNow() { return Scheduler::shared().now(); }
} // namespace

// ---- AnimationEngine -----------------------------------------------------------------

AnimationEngine& AnimationEngine::shared()
{
    static AnimationEngine* engine = new AnimationEngine();
    return *engine;
}

bool AnimationEngine::reduceMotion() const { return m_display && m_display->reduceMotion(); }

bool AnimationEngine::reduceTransparency() const { return m_display && m_display->reduceTransparency(); }

double AnimationEngine::frameInterval() const
{
    if (m_frameInterval > 0.0)
        return m_frameInterval;
    const double rate = m_display ? m_display->frameRate() : 60.0;
    return 1.0 / (rate >= 1.0 && rate <= 1000.0 ? rate : 60.0);
}

void AnimationEngine::setFrameInterval(double seconds)
{
    m_frameInterval = std::isfinite(seconds) && seconds > 0.0 ? seconds : 0.0;
    if (isTicking()) {
        stopTimer();
        ensureTimer();
    }
}

void AnimationEngine::add(AnimatedValue* value)
{
    if (std::find(m_values.begin(), m_values.end(), value) == m_values.end())
        m_values.push_back(value);
    ensureTimer();
}

void AnimationEngine::remove(AnimatedValue* value)
{
    m_values.erase(std::remove(m_values.begin(), m_values.end(), value), m_values.end());
    if (m_values.empty()) {
        stopTimer();
        // A rest not yet shown gets one more tick, at once, which shows it.
        if (m_restOwed)
            ensureTimer();
    }
}

void AnimationEngine::ensureTimer()
{
    Scheduler* current = &Scheduler::shared();
    if ((m_timer != 0 || m_firstTick != 0) && m_timerScheduler == current)
        return;
    // Asleep through a creep: a new motion may be due on the next frame, so
    // ticking resumes as from idle, minding where each value was a tick ago.
    const bool resuming = m_sleep != 0 && m_timerScheduler == current;
    if (resuming)
        current->cancel(m_sleep);
    m_sleep = 0;
    m_resumed = resuming;
    // A timer of a scheduler that has since been replaced (tests) is gone with it.
    // Going from idle to running: the first tick comes on the next turn of the
    // loop rather than a whole interval later, and the frame timer counts its
    // intervals from there.
    m_timer = 0;
    m_timerScheduler = current;
    m_announcedLastTick = m_framePending = false;
    m_firstTick = current->post([this, current] {
        m_firstTick = 0;
        if (m_timerScheduler != current)
            return;
        m_timer = current->repeating(frameInterval(), [this] { tick(); });
        tick();
    });
}

void AnimationEngine::stopTimer()
{
    if (m_timerScheduler == &Scheduler::shared()) {
        if (m_firstTick != 0)
            Scheduler::shared().cancel(m_firstTick);
        if (m_timer != 0)
            Scheduler::shared().cancel(m_timer);
        if (m_sleep != 0)
            Scheduler::shared().cancel(m_sleep);
    }
    m_firstTick = 0;
    m_timer = 0;
    m_sleep = 0;
    m_timerScheduler = nullptr;
}

void AnimationEngine::tick()
{
    if (m_values.empty()) {
        // All at rest: what is left is a frame the last tick held back, or
        // a rest not yet shown.
        const bool pending = std::exchange(m_framePending, false);
        const bool owed = std::exchange(m_restOwed, false);
        if (pending || owed) {
            m_announcedLastTick = true;
            Q_EMIT frame();
        }
        stopTimer();
        return;
    }
    const double now = schedulerNow();
    const std::vector<AnimatedValue*> values = m_values;
    if (std::exchange(m_resumed, false)) {
        for (AnimatedValue* v : values)
            v->m_ticked = v->valueAt(now - frameInterval());
    }
    bool visible = false, slow = true;
    for (AnimatedValue* v : values) {
        const bool moving = v->prune(now);
        if (!moving)
            m_values.erase(std::remove(m_values.begin(), m_values.end(), v), m_values.end());
        // Coming to rest within a tolerance of the last frame (under half a
        // device pixel, or 1/255) changes nothing anyone can see; a little
        // further, but under the step a moving value is shown by, the rest
        // is shown with the next frame, the one after the last value rests
        // at the latest.
        const double value = v->value();
        if (v->showsAStep(value))
            visible = true;
        else if (!moving && v->m_restTolerance > 0.0 && std::abs(value - v->m_shown) >= v->m_restTolerance)
            m_restOwed = true;
        // Creeping: under about a device pixel since the last tick (coming
        // to rest included).
        if (v->m_restTolerance <= 0.0
            || std::abs(value - v->m_ticked) >= AnimatedValue::announceSteps * v->m_restTolerance)
            slow = false;
        v->m_ticked = value;
    }
    if (m_values.empty() && m_restOwed)
        visible = true;
    // While everything creeps, a frame right after another waits a tick (it
    // is then announced whatever moves; the timer runs that tick even when
    // everything has come to rest).
    if (visible && slow && m_announcedLastTick) {
        m_framePending = true;
        m_announcedLastTick = false;
        return;
    }
    if (m_values.empty())
        stopTimer();
    if (!visible && !m_framePending) {
        m_announcedLastTick = false;
        sleepThroughIdleTicks(now);
        return;
    }
    m_framePending = m_restOwed = false;
    m_announcedLastTick = true;
    for (AnimatedValue* v : values)
        v->m_shown = v->value();
    Q_EMIT frame();
    sleepThroughIdleTicks(now);
}

void AnimationEngine::sleepThroughIdleTicks(double now)
{
    // Every value moves on a known curve until a new motion starts, so the
    // ticks that would announce nothing can be counted ahead and slept
    // through: a creeping tail wakes the process once per frame it paints,
    // not once per refresh. A value coming to rest wakes the engine, which
    // then drops it (and stops once none is left).
    if (m_timer == 0 || m_framePending || m_values.empty() || m_timerScheduler != &Scheduler::shared())
        return;
    const double interval = frameInterval();
    int due = 1;
    for (; due <= kMostTicksSlept; ++due) {
        const double t = now + due * interval;
        const bool wakes = std::any_of(m_values.begin(), m_values.end(),
            [t](const AnimatedValue* v) { return !v->isAnimatingAt(t) || v->showsAStep(v->valueAt(t)); });
        if (wakes)
            break;
    }
    due = std::min(due, kMostTicksSlept);
    if (due < 2)
        return;
    Scheduler* scheduler = m_timerScheduler;
    scheduler->cancel(m_timer);
    m_timer = 0;
    m_announcedLastTick = false; // the ticks slept through announce nothing
    // A millisecond late rather than early: a timer may round its wait down.
    const double wait = due * interval - (schedulerNow() - now) + 0.001;
    m_sleep = scheduler->postAfter(wait, [this, scheduler] {
        m_sleep = 0;
        if (m_timerScheduler != scheduler)
            return;
        m_timer = scheduler->repeating(frameInterval(), [this] { tick(); });
        m_resumed = true;
        tick();
    });
}

// ---- BlurredFramePacer ---------------------------------------------------------------

bool BlurredFramePacer::defers(double blurPoints) const
{
    if (blurPoints < pacedBlur || m_blurredAt < 0.0 || !AnimationEngine::shared().isTicking())
        return false;
    // Half a refresh of slack: a tick may come a little early.
    const double refreshes = m_leaving && std::min(blurPoints, m_blur) >= leavingBlur ? 2.5 : 1.5;
    return schedulerNow() - m_blurredAt < refreshes * AnimationEngine::shared().frameInterval();
}

void BlurredFramePacer::painted(double blurPoints)
{
    m_blurredAt = blurPoints >= pacedBlur ? schedulerNow() : -1.0;
    m_blur = blurPoints;
}
