#pragma once
// The animation curves of the rings and the engine that plays them.
//
// A RingAnimation describes a curve: a spring (response, damping fraction),
// or a timing curve (ease-out, ease-in-out, ease-in, linear) of a fixed
// duration, optionally delayed. An AnimatedValue is one animated number
// (a radius, an angle, an opacity); AnimationEngine::shared() ticks every
// animating value from one Scheduler timer at the display's frame rate, and
// only while something animates: the first tick on the next turn of the loop
// after it goes from idle to running, then one every frame interval, except
// that ticks which would announce no frame are slept through. A motion
// that starts from rest is dated one frame interval back, so the first frame
// painted after it starts already shows one frame of motion. Time comes from
// Scheduler::shared()->now(), so tests play animations on virtual time.

#include "platform/Scheduler.h"

#include <QObject>
#include <vector>

class DisplayPreferences;

struct RingAnimation {
    enum class Kind { spring, easeOut, easeInOut, easeIn, linear };

    Kind kind = Kind::linear;
    double response = 0.0; // spring: period of the undamped oscillation (s)
    double dampingFraction = 1.0; // spring: 1 = critically damped, < 1 overshoots
    double blendDuration = 0.0; // spring: kept for completeness; always 0 in the rings
    double duration = 0.0; // timing curves (s)
    double delay = 0.0; // start delay (s)

    static RingAnimation spring(double response, double dampingFraction, double blendDuration = 0.0);
    static RingAnimation easeOut(double duration);
    static RingAnimation easeInOut(double duration);
    static RingAnimation easeIn(double duration);
    static RingAnimation linear(double duration);
    RingAnimation delayed(double seconds) const;

    bool isSpring() const { return kind == Kind::spring; }
    bool operator==(const RingAnimation&) const = default;

    // Timing curves: progress 0..1 after `t` seconds (delay not included).
    double progress(double t) const;
    // Time from the start (delay not included) until the curve rests: the
    // duration of a timing curve; for a spring moving one unit from rest, the
    // time after which it stays within 0.1 % of the distance.
    double settlingDuration() const;
};

// The damped oscillator x'' + 2 zeta w x' + w^2 x = 0 with w = 2 pi / response
// and zeta = damping fraction: x is the remaining offset from the target.
struct SpringSolution {
    double x0 = 0.0;
    double v0 = 0.0;
    double omega = 0.0;
    double zeta = 1.0;

    SpringSolution(double response, double dampingFraction, double initialOffset, double initialVelocity);
    double offset(double t) const;
    double velocity(double t) const;
    // Time after which |offset| stays below `epsilon`: exact for a spring that
    // overshoots, an upper bound from the envelope for one that does not.
    double settleTime(double epsilon) const;
};

// Evaluates a cubic Bezier timing function (x1, y1, x2, y2) at x in [0, 1].
double cubicBezierTiming(double x1, double y1, double x2, double y2, double x);

// How close to its target a value of each kind must be to look at rest: an
// opacity or blend within 1/255, a length within less than half a device
// pixel at device-pixel ratio 1 (under one at ratio 2), an angle within that
// length at the radius it is drawn at.
namespace RestTolerance {
constexpr double unit = 1.0 / 255.0; // values from 0 to 1: opacity, presence, selection, cross-fades
constexpr double points = 0.4; // lengths in points
constexpr double degrees = 0.3; // turns in degrees of a tile about 60 points across
constexpr double arcRadians = 0.0015; // turns in radians of cards about 270 points out
}

class AnimatedValue {
public:
    // `restTolerance`: once every motion is sure to stay within this distance
    // of the target (in the value's units), the value counts as at rest: it
    // stands at its target and the engine stops ticking for it. 0: within
    // 0.1 % of the distance travelled.
    explicit AnimatedValue(double initial = 0.0, double restTolerance = 0.0);
    ~AnimatedValue();
    AnimatedValue(const AnimatedValue&) = delete;
    AnimatedValue& operator=(const AnimatedValue&) = delete;

    // The value and its velocity (units per second) now.
    double value() const;
    double velocity() const;
    // Where the value is heading (the last target set).
    double target() const { return m_target; }
    // True while some motion has not come to rest at the current time.
    bool isAnimating() const;
    // The same at another scheduler time, as the motions now set would play.
    double valueAt(double time) const;
    bool isAnimatingAt(double time) const;

    // Jump to `v` at once; any animation in flight stops.
    void setValue(double v);
    // Animate to `target` with `animation`, starting from the current value
    // and velocity. From rest, the animation's clock (its delay included)
    // starts one engine frame interval before now. A spring without delay absorbs every motion in flight; a
    // timing curve or a delayed spring is added on top of it, so the value
    // and its speed stay continuous when a new target arrives mid-flight.
    // Setting the target it already heads to does nothing.
    void animateTo(double target, const RingAnimation& animation);
    // Stop where the value is now.
    void cancel();

    double restTolerance() const { return m_restTolerance; }
    // Applies to motions started from now on.
    void setRestTolerance(double tolerance);

private:
    friend class AnimationEngine;
    // A moving value is shown again once it has moved by this many rest
    // tolerances (each under half a device pixel, or 1/255): a pixel and a
    // little more. A spring's slow tail then paints a frame per pixel or so
    // it moves, not per tick.
    static constexpr double announceSteps = 3.0;
    struct Segment {
        RingAnimation animation;
        double start = 0.0; // scheduler time when the segment was added
        double offset0 = 0.0; // remaining offset from the target at the start
        double velocity0 = 0.0; // springs: velocity of that offset at the start
        double restTime = 0.0; // time after `start` (delay included) when it rests
    };
    double offsetAt(const Segment& s, double now) const;
    double velocityAt(const Segment& s, double now) const;
    // Drops finished segments; returns true while still animating.
    bool prune(double now);
    // Whether a frame showing `value` would show this value moved by a step
    // from the last frame announced.
    bool showsAStep(double value) const;

    double m_target = 0.0;
    double m_restTolerance = 0.0;
    double m_shown = 0.0; // the value as of the last frame announced while it moves
    double m_ticked = 0.0; // the value as of the last tick
    std::vector<Segment> m_segments;
};

class AnimationEngine : public QObject {
    Q_OBJECT
public:
    static AnimationEngine& shared();

    // The display whose refresh the ticks follow and whose motion and
    // transparency preferences every view asks here, handed over by whoever
    // built the platform (null: none yet, 60 Hz and full motion). The engine
    // stays process-wide because every timed step posts to the one main
    // queue; views reach the display's preferences through it instead of
    // carrying the port down every constructor.
    void useDisplay(DisplayPreferences* display) { m_display = display; }
    DisplayPreferences* display() const { return m_display; }
    bool reduceMotion() const;
    bool reduceTransparency() const;

    // Seconds between ticks; the display's refresh interval unless set.
    double frameInterval() const;
    void setFrameInterval(double seconds);
    // Ticking, or asleep through ticks that would announce nothing.
    bool isTicking() const { return m_timer != 0 || m_firstTick != 0 || m_sleep != 0; }
    std::size_t animatingCount() const { return m_values.size(); }

    // Runs one tick now (also what the timer calls).
    void tick();

Q_SIGNALS:
    // After a tick in which something moved visibly: a value moved by a
    // device pixel or a little more (three rest tolerances; any amount
    // without one) since the last frame announced. A value that comes to
    // rest less than that but at least a rest tolerance away from where
    // that frame showed it is shown with the next frame, at the latest the
    // one after the last value rests. While every value creeps (under that
    // a tick, or comes to rest), no two frames come on successive ticks:
    // the second is announced a tick later, the one showing everything at
    // rest included.
    // Views repaint; a tick that would change no pixel announces nothing.
    void frame();

private:
    friend class AnimatedValue;
    AnimationEngine() = default;
    void add(AnimatedValue* value);
    void remove(AnimatedValue* value);
    void ensureTimer();
    void stopTimer();
    void sleepThroughIdleTicks(double now);

    std::vector<AnimatedValue*> m_values;
    Scheduler::TimerId m_timer = 0; // the repeating frame timer
    Scheduler::TimerId m_firstTick = 0; // the tick posted when going from idle to running
    Scheduler::TimerId m_sleep = 0; // the wake-up at the next tick that announces something
    bool m_resumed = false; // the next tick follows a sleep
    bool m_restOwed = false; // a value came to rest a little off the last frame shown
    Scheduler* m_timerScheduler = nullptr;
    DisplayPreferences* m_display = nullptr;
    double m_frameInterval = 0.0;
    bool m_announcedLastTick = false;
    bool m_framePending = false; // a frame left to this tick by the last
};

// Frames of a ring blurred by more than a point come every other display
// refresh. A blurred ring is one moving fast into or out of view, its
// frames are the dearest to paint, and its blur softens the larger steps.
// On its way out, once blurred by `leavingBlur` or more, a ring fades
// behind a blur that hides all detail while the person has already turned
// to what they picked: its frames come every third refresh. A sharp frame,
// and the first blurred one after it, is painted at once.
class BlurredFramePacer {
public:
    static constexpr double pacedBlur = 1.0; // points
    static constexpr double leavingBlur = 4.0; // points
    // Whether a frame announced now, of a ring blurred by `blurPoints`, is
    // left to a later tick.
    bool defers(double blurPoints) const;
    // A frame with `blurPoints` of blur has been painted.
    void painted(double blurPoints);
    // A new motion starts, a showing or (`leaving`) a hiding: its first
    // frame comes at once.
    void restart(bool leaving = false)
    {
        m_blurredAt = -1.0;
        m_leaving = leaving;
    }

private:
    double m_blurredAt = -1.0;
    double m_blur = 0.0;
    bool m_leaving = false;
};
