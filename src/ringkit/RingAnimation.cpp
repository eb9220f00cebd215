#include "ringkit/RingAnimation.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace {
constexpr double kRestFraction = 1e-3; // a spring rests within 0.1 % of its travel
constexpr double kLongestSettle = 60.0;

double curveProgress(RingAnimation::Kind kind, double x)
{
    switch (kind) {
    case RingAnimation::Kind::easeOut:
        return cubicBezierTiming(0.0, 0.0, 0.58, 1.0, x);
    case RingAnimation::Kind::easeInOut:
        return cubicBezierTiming(0.42, 0.0, 0.58, 1.0, x);
    case RingAnimation::Kind::easeIn:
        return cubicBezierTiming(0.42, 0.0, 1.0, 1.0, x);
    case RingAnimation::Kind::linear:
    case RingAnimation::Kind::spring:
        break;
    }
    return x;
}
}

// ---- Curves --------------------------------------------------------------------

RingAnimation RingAnimation::spring(double response, double dampingFraction, double blendDuration)
{
    RingAnimation a;
    a.kind = Kind::spring;
    a.response = response;
    a.dampingFraction = dampingFraction;
    a.blendDuration = blendDuration;
    return a;
}

static RingAnimation timed(RingAnimation::Kind kind, double duration)
{
    RingAnimation a;
    a.kind = kind;
    a.duration = duration;
    return a;
}

RingAnimation RingAnimation::easeOut(double d) { return timed(Kind::easeOut, d); }
RingAnimation RingAnimation::easeInOut(double d) { return timed(Kind::easeInOut, d); }
RingAnimation RingAnimation::easeIn(double d) { return timed(Kind::easeIn, d); }
RingAnimation RingAnimation::linear(double d) { return timed(Kind::linear, d); }

RingAnimation RingAnimation::delayed(double seconds) const
{
    RingAnimation a = *this;
    a.delay = seconds;
    return a;
}

double RingAnimation::progress(double t) const
{
    if (!(duration > 0.0) || t >= duration)
        return 1.0;
    if (t <= 0.0)
        return 0.0;
    return curveProgress(kind, t / duration);
}

double RingAnimation::settlingDuration() const
{
    if (kind != Kind::spring)
        return std::max(0.0, duration);
    return SpringSolution(response, dampingFraction, 1.0, 0.0).settleTime(kRestFraction);
}

double cubicBezierTiming(double x1, double y1, double x2, double y2, double x)
{
    if (x <= 0.0)
        return 0.0;
    if (x >= 1.0)
        return 1.0;
    // B(s) = 3(1-s)^2 s P1 + 3(1-s) s^2 P2 + s^3, solved for s with Newton, bisection as fallback.
    const auto bez = [](double p1, double p2, double s) {
        const double u = 1.0 - s;
        return 3.0 * u * u * s * p1 + 3.0 * u * s * s * p2 + s * s * s;
    };
    const auto slope = [](double p1, double p2, double s) {
        const double u = 1.0 - s;
        return 3.0 * u * u * p1 + 6.0 * u * s * (p2 - p1) + 3.0 * s * s * (1.0 - p2);
    };
    double s = x;
    bool solved = false;
    for (int i = 0; i < 8; ++i) {
        const double err = bez(x1, x2, s) - x;
        if (std::abs(err) < 1e-9) {
            solved = true;
            break;
        }
        const double d = slope(x1, x2, s);
        if (std::abs(d) < 1e-9)
            break;
        s -= err / d;
        if (s < 0.0 || s > 1.0)
            break;
    }
    if (!solved) {
        double lo = 0.0, hi = 1.0;
        s = x;
        for (int i = 0; i < 60; ++i) {
            s = 0.5 * (lo + hi);
            if (bez(x1, x2, s) < x)
                lo = s;
            else
                hi = s;
        }
    }
    return bez(y1, y2, s);
}

// ---- Spring ----------------------------------------------------------------------

SpringSolution::SpringSolution(double response, double dampingFraction, double initialOffset, double initialVelocity)
    : x0(initialOffset)
    , v0(initialVelocity)
    , omega(2.0 * std::numbers::pi / std::max(response, 1e-6))
    , zeta(std::max(dampingFraction, 0.0))
{
}

double SpringSolution::offset(double t) const
{
    if (t <= 0.0)
        return x0;
    const double w = omega;
    if (zeta < 1.0) {
        const double wd = w * std::sqrt(1.0 - zeta * zeta);
        const double b = (v0 + zeta * w * x0) / wd;
        return std::exp(-zeta * w * t) * (x0 * std::cos(wd * t) + b * std::sin(wd * t));
    }
    if (zeta == 1.0)
        return std::exp(-w * t) * (x0 + (v0 + w * x0) * t);
    const double root = w * std::sqrt(zeta * zeta - 1.0);
    const double r1 = -zeta * w + root, r2 = -zeta * w - root;
    const double c2 = (v0 - r1 * x0) / (r2 - r1);
    const double c1 = x0 - c2;
    return c1 * std::exp(r1 * t) + c2 * std::exp(r2 * t);
}

double SpringSolution::velocity(double t) const
{
    if (t < 0.0)
        return 0.0;
    const double w = omega;
    if (zeta < 1.0) {
        const double wd = w * std::sqrt(1.0 - zeta * zeta);
        const double b = (v0 + zeta * w * x0) / wd;
        const double e = std::exp(-zeta * w * t);
        const double c = std::cos(wd * t), s = std::sin(wd * t);
        return e * ((-zeta * w) * (x0 * c + b * s) + (-x0 * wd * s + b * wd * c));
    }
    if (zeta == 1.0) {
        const double a = v0 + w * x0;
        return std::exp(-w * t) * (a - w * (x0 + a * t));
    }
    const double root = w * std::sqrt(zeta * zeta - 1.0);
    const double r1 = -zeta * w + root, r2 = -zeta * w - root;
    const double c2 = (v0 - r1 * x0) / (r2 - r1);
    const double c1 = x0 - c2;
    return c1 * r1 * std::exp(r1 * t) + c2 * r2 * std::exp(r2 * t);
}

double SpringSolution::settleTime(double epsilon) const
{
    const double w = omega;
    if (!(epsilon > 0.0) || (x0 == 0.0 && v0 == 0.0))
        return 0.0;
    double t = 0.0;
    if (zeta <= 0.0) {
        t = kLongestSettle;
    } else if (zeta < 1.0) {
        // x(t) = A e^{-zeta w t} cos(wd t - phi). The envelope A e^{-zeta w t}
        // bounds the time from above, but touches |x| only near the
        // extremes, half a period apart: waiting for it would tick on for up
        // to half a period after the last swing out of reach. The extremes
        // shrink one after the other, so the rest time lies between the last
        // one still out of reach and the next one.
        const double wd = w * std::sqrt(1.0 - zeta * zeta);
        const double b = (v0 + zeta * w * x0) / wd;
        const double amplitude = std::hypot(x0, b);
        if (amplitude <= epsilon)
            return 0.0;
        const double envelope = std::log(amplitude / epsilon) / (zeta * w);
        const double phi = std::atan2(b, x0);
        const double psi = std::asin(zeta);
        const double halfPeriod = std::numbers::pi / wd;
        // Extremes at wd t - phi = -psi + n pi.
        double extreme = (phi - psi) / wd;
        while (extreme <= 0.0)
            extreme += halfPeriod;
        double lo = -1.0;
        for (double at = extreme; at <= envelope + halfPeriod; at += halfPeriod) {
            if (std::abs(offset(at)) < epsilon)
                break;
            lo = at;
        }
        if (lo < 0.0 && std::abs(x0) < epsilon)
            return 0.0;
        double hi = lo < 0.0 ? extreme : lo + halfPeriod;
        lo = std::max(lo, 0.0);
        for (int i = 0; i < 48; ++i) {
            const double mid = 0.5 * (lo + hi);
            if (std::abs(offset(mid)) >= epsilon)
                lo = mid;
            else
                hi = mid;
        }
        t = std::min(hi, envelope);
    } else {
        // Monotone envelope after its peak: step until it stays below epsilon.
        const double rate = zeta == 1.0 ? w : w * (zeta - std::sqrt(zeta * zeta - 1.0));
        const double a = std::abs(x0), b = std::abs(v0 + w * x0);
        const auto bound = [&](double s) {
            return zeta == 1.0 ? (a + b * s) * std::exp(-rate * s)
                               : (std::abs(x0) + std::abs(v0) / std::max(rate, 1e-9) * 2.0) * std::exp(-rate * s);
        };
        const double dt = 1.0 / 960.0;
        const double peak = zeta == 1.0 && b > 0.0 ? std::max(0.0, 1.0 / rate - a / b) : 0.0;
        t = peak;
        while (t < kLongestSettle && bound(t) > epsilon)
            t += dt;
    }
    return std::clamp(t, 0.0, kLongestSettle);
}

// ---- AnimatedValue -------------------------------------------------------------------

static double schedulerNow() { return Scheduler::shared().now(); }

AnimatedValue::AnimatedValue(double initial, double restTolerance)
    : m_target(initial)
{
    setRestTolerance(restTolerance);
}

void AnimatedValue::setRestTolerance(double tolerance)
{
    m_restTolerance = std::isfinite(tolerance) && tolerance > 0.0 ? tolerance : 0.0;
}

AnimatedValue::~AnimatedValue()
{
    if (!m_segments.empty())
        AnimationEngine::shared().remove(this);
}

double AnimatedValue::offsetAt(const Segment& s, double now) const
{
    const double t = now - s.start - s.animation.delay;
    if (t <= 0.0)
        return s.offset0;
    if (now - s.start >= s.restTime - 1e-9)
        return 0.0;
    if (s.animation.isSpring())
        return SpringSolution(s.animation.response, s.animation.dampingFraction, s.offset0, s.velocity0).offset(t);
    return s.offset0 * (1.0 - s.animation.progress(t));
}

double AnimatedValue::velocityAt(const Segment& s, double now) const
{
    const double t = now - s.start - s.animation.delay;
    if (t < 0.0 || now - s.start >= s.restTime - 1e-9)
        return 0.0;
    if (s.animation.isSpring())
        return SpringSolution(s.animation.response, s.animation.dampingFraction, s.offset0, s.velocity0).velocity(t);
    // Numerical slope of the timing curve (the curves have no closed-form inverse).
    const double d = s.animation.duration;
    if (!(d > 0.0))
        return 0.0;
    const double h = std::min(1e-4, d / 100.0);
    const double t0 = std::max(0.0, t - h), t1 = std::min(d, t + h);
    if (t1 <= t0)
        return 0.0;
    return -s.offset0 * (s.animation.progress(t1) - s.animation.progress(t0)) / (t1 - t0);
}

double AnimatedValue::value() const { return m_segments.empty() ? m_target : valueAt(schedulerNow()); }

double AnimatedValue::valueAt(double time) const
{
    double v = m_target;
    for (const Segment& s : m_segments)
        v += offsetAt(s, time);
    return v;
}

bool AnimatedValue::isAnimating() const { return !m_segments.empty() && isAnimatingAt(schedulerNow()); }

bool AnimatedValue::isAnimatingAt(double time) const
{
    return std::any_of(
        m_segments.begin(), m_segments.end(), [time](const Segment& s) { return time - s.start < s.restTime - 1e-9; });
}

bool AnimatedValue::showsAStep(double value) const
{
    const double moved = std::abs(value - m_shown);
    return m_restTolerance <= 0.0 ? moved > 0.0 : moved >= announceSteps * m_restTolerance;
}

double AnimatedValue::velocity() const
{
    const double now = schedulerNow();
    double v = 0.0;
    for (const Segment& s : m_segments)
        v += velocityAt(s, now);
    return v;
}

void AnimatedValue::setValue(double v)
{
    const bool was = !m_segments.empty();
    m_segments.clear();
    m_target = v;
    if (was)
        AnimationEngine::shared().remove(this);
}

void AnimatedValue::cancel() { setValue(value()); }

void AnimatedValue::animateTo(double target, const RingAnimation& animation)
{
    if (!std::isfinite(target))
        return;
    if (target == m_target)
        return;
    const double now = schedulerNow();
    // A motion that starts from rest has its clock started one frame interval
    // back: a frame is on screen about an interval after it is computed, so
    // the first frame painted after this call already shows a frame of motion
    // instead of the resting pose. A motion taking over one in flight starts
    // now, so the value and its speed stay continuous.
    const bool fromRest = !isAnimating();
    Segment seg;
    seg.animation = animation;
    seg.start = fromRest ? now - AnimationEngine::shared().frameInterval() : now;
    const bool absorb = animation.isSpring() && !(animation.delay > 0.0);
    if (absorb) {
        const double current = value();
        const double speed = velocity();
        m_segments.clear();
        seg.offset0 = current - target;
        seg.velocity0 = speed;
    } else {
        seg.offset0 = m_target - target;
        seg.velocity0 = 0.0;
    }
    const double travel = std::max(std::abs(seg.offset0), std::abs(m_target - target));
    if (animation.isSpring()) {
        const SpringSolution spring(animation.response, animation.dampingFraction, seg.offset0, seg.velocity0);
        const double scale = std::max(travel, std::abs(seg.velocity0) / spring.omega);
        const double epsilon = m_restTolerance > 0.0 ? m_restTolerance : std::max(scale, 1e-12) * kRestFraction;
        seg.restTime = animation.delay + spring.settleTime(epsilon);
    } else {
        seg.restTime = animation.delay + std::max(0.0, animation.duration);
        const double distance = std::abs(seg.offset0);
        if (m_restTolerance > 0.0 && distance > 0.0 && animation.duration > 0.0) {
            // The curve's tail within the tolerance is not waited for (the
            // curves only approach their end, so the first time it is
            // reached is the last).
            double lo = 0.0, hi = animation.duration;
            if (distance * (1.0 - animation.progress(0.0)) <= m_restTolerance) {
                hi = 0.0;
            } else {
                for (int i = 0; i < 40; ++i) {
                    const double mid = 0.5 * (lo + hi);
                    if (distance * (1.0 - animation.progress(mid)) <= m_restTolerance)
                        hi = mid;
                    else
                        lo = mid;
                }
            }
            seg.restTime = animation.delay + hi;
        }
    }
    const bool was = !m_segments.empty();
    if (!was)
        m_shown = m_ticked = m_target;
    m_target = target;
    if (seg.restTime > 0.0 && seg.offset0 != 0.0)
        m_segments.push_back(seg);
    else if (seg.restTime > 0.0 && seg.velocity0 != 0.0)
        m_segments.push_back(seg);
    if (!m_segments.empty())
        AnimationEngine::shared().add(this); // also wakes an engine sleeping through a creep
    else if (was && m_segments.empty())
        AnimationEngine::shared().remove(this);
}

bool AnimatedValue::prune(double now)
{
    m_segments.erase(std::remove_if(m_segments.begin(), m_segments.end(),
                         [now](const Segment& s) { return now - s.start >= s.restTime - 1e-9; }),
        m_segments.end());
    return !m_segments.empty();
}
