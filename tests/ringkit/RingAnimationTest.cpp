#include "ringkit/RingAnimation.h"
#include "ringkit/RingMotion.h"

#include "platform/sim/SimDisplayPreferences.h"
#include "support/TestSupport.h"

#include <QSignalSpy>
#include <gtest/gtest.h>
#include <cmath>
#include <utility>
#include <vector>

namespace {
class RingAnimationTest : public ::testing::Test {
protected:
    RingAnimationTest()
    {
        env.platform().ports().displayPreferences = prefs;
        AnimationEngine::shared().useDisplay(prefs.get());
        AnimationEngine::shared().setFrameInterval(0.0); // follow the display
    }

    VirtualScheduler& clock() { return env.scheduler(); }
    // A motion from rest starts this far back, so its first frame shows motion.
    double lead() const { return AnimationEngine::shared().frameInterval(); }

    TestSupport::SimEnvironment env;
    std::shared_ptr<SimDisplayPreferences> prefs = std::make_shared<SimDisplayPreferences>();
};

// Unit step response of a spring from rest: the analytic underdamped solution.
double stepResponse(double response, double zeta, double t)
{
    const double w = 2 * M_PI / response, wd = w * std::sqrt(1 - zeta * zeta);
    return 1 - std::exp(-zeta * w * t) * (std::cos(wd * t) + zeta * w / wd * std::sin(wd * t));
}

TEST_F(RingAnimationTest, UnderdampedSpringsOvershootAsTheOscillatorDoes)
{
    for (double zeta : { 0.38, 0.34 }) {
        const double response = 0.48;
        AnimatedValue v(0.0);
        v.animateTo(100.0, RingAnimation::spring(response, zeta));
        double peak = 0.0, peakTime = 0.0, maxError = 0.0;
        for (int i = 0; i < 300; ++i) {
            clock().advance(1.0 / 600.0);
            const double t = (i + 1) / 600.0 + lead();
            maxError = std::max(maxError, std::abs(v.value() - 100.0 * stepResponse(response, zeta, t)));
            if (v.value() > peak) {
                peak = v.value();
                peakTime = t;
            }
        }
        const double w = 2 * M_PI / response, wd = w * std::sqrt(1 - zeta * zeta);
        EXPECT_LT(maxError, 1e-6) << zeta;
        EXPECT_NEAR(peakTime, M_PI / wd, 2.0 / 600.0) << zeta;
        EXPECT_NEAR(peak - 100.0, 100.0 * std::exp(-zeta * M_PI / std::sqrt(1 - zeta * zeta)), 0.01) << zeta;
    }
}

TEST_F(RingAnimationTest, CriticalSpringNeverOvershootsAndSettles)
{
    AnimatedValue v(60.0);
    const RingAnimation content = RingMotion::content(false, 1.0); // damping 1.0
    v.animateTo(190.0, content);
    double last = 60.0;
    for (int i = 0; i < 120 && v.isAnimating(); ++i) {
        clock().advance(1.0 / 60.0);
        EXPECT_LE(v.value(), 190.0 + 1e-9);
        EXPECT_GE(v.value(), last - 1e-9); // monotone
        last = v.value();
    }
    const double settle = content.settlingDuration();
    EXPECT_GT(settle, 0.3);
    EXPECT_LT(settle, 1.5);
    EXPECT_FALSE(v.isAnimating());
    EXPECT_DOUBLE_EQ(v.value(), 190.0);
}

TEST_F(RingAnimationTest, SpringRestsWithinItsSettlingTime)
{
    const RingAnimation band = RingMotion::bandEntry(false, 1.0);
    const double settle = band.settlingDuration();
    // The last swing beyond 0.1 % ends at the rest time, before the envelope
    // e^{-zeta w t} / sqrt(1 - zeta^2) falls to 1e-3.
    const double w = 2 * M_PI / 0.48;
    EXPECT_LT(settle, std::log(1000.0 / std::sqrt(1 - 0.38 * 0.38)) / (0.38 * w) - 0.01);
    for (const auto& [x0, v0] : { std::pair { 1.0, 0.0 }, { -0.3, 9.0 }, { 0.0, -4.0 }, { 0.002, 0.0 } }) {
        const SpringSolution spring(0.52, 0.34, x0, v0);
        const double rest = spring.settleTime(1e-3);
        if (std::abs(x0) >= 1e-3 || v0 != 0.0) {
            EXPECT_GE(std::abs(spring.offset(rest - 1e-6)), 1e-3 * 0.999) << x0 << ' ' << v0;
        }
        for (double t = rest + 1e-6; t < rest + 3.0; t += 1e-3)
            ASSERT_LT(std::abs(spring.offset(t)), 1e-3) << x0 << ' ' << v0 << " at " << t;
    }
    AnimatedValue v(92.0);
    v.animateTo(60.0, band);
    clock().advance(settle * 0.9);
    EXPECT_TRUE(v.isAnimating());
    clock().advance(settle * 0.1 + 0.05);
    EXPECT_FALSE(v.isAnimating());
    EXPECT_DOUBLE_EQ(v.value(), 60.0);
}

TEST_F(RingAnimationTest, AWedgeEntryRestsOnItsWayBackFromTheOvershoot)
{
    // A wedge's presence overshoots by about 8 % and then swings below 1 by
    // about 0.6 %, which moves its rim less than 0.4 points: it rests before
    // that swing, still above 1 and at full opacity, rather than ticking on
    // through a swing nobody sees.
    for (double speed : { 0.25, 1.0, 3.0 }) {
        AnimatedValue presence(0.0, RingMotion::segmentPresenceRestTolerance);
        presence.animateTo(1.0, RingMotion::segmentEntry(2, false, speed));
        double peak = 0.0, seconds = 0.0;
        while (presence.isAnimating() && seconds < 5.0) {
            clock().advance(1.0 / 600.0);
            seconds += 1.0 / 600.0;
            if (peak > 1.0) {
                ASSERT_GE(presence.value(), 1.0) << speed << " at " << seconds;
            }
            peak = std::max(peak, presence.value());
        }
        EXPECT_GT(peak, 1.07) << speed;
        EXPECT_FALSE(presence.isAnimating()) << speed;
        EXPECT_EQ(presence.value(), 1.0) << speed;
    }
}

TEST_F(RingAnimationTest, TimingCurvesAndDelay)
{
    EXPECT_DOUBLE_EQ(cubicBezierTiming(0.42, 0, 0.58, 1, 0.5), 0.5);
    EXPECT_NEAR(cubicBezierTiming(0, 0, 0.58, 1, 0.5), 0.6846, 1e-3); // ease-out runs ahead
    double previous = 0.0;
    for (int i = 1; i <= 100; ++i) {
        const double p = RingAnimation::easeInOut(1).progress(i / 100.0);
        EXPECT_GE(p, previous);
        previous = p;
    }
    EXPECT_DOUBLE_EQ(previous, 1.0);

    AnimatedValue v(0.0);
    v.animateTo(1.0, RingAnimation::easeOut(0.3).delayed(0.2));
    clock().advance(0.19 - lead()); // 0.19 s on the animation's clock
    EXPECT_DOUBLE_EQ(v.value(), 0.0);
    clock().advance(0.16); // 0.15 s into the curve
    EXPECT_NEAR(v.value(), cubicBezierTiming(0, 0, 0.58, 1, 0.5), 1e-9);
    clock().advance(0.2);
    EXPECT_FALSE(v.isAnimating());
    EXPECT_DOUBLE_EQ(v.value(), 1.0);
}

TEST_F(RingAnimationTest, RetargetingKeepsValueAndVelocityContinuous)
{
    const auto check = [&](const RingAnimation& first, const RingAnimation& second) {
        AnimatedValue v(0.0);
        v.animateTo(100.0, first);
        clock().advance(0.07);
        const double before = v.value(), speedBefore = v.velocity();
        ASSERT_GT(speedBefore, 1.0);
        v.animateTo(-50.0, second);
        EXPECT_NEAR(v.value(), before, 1e-9);
        if (second.isSpring()) {
            // A spring takes over the motion in flight: no kink in the speed either.
            EXPECT_NEAR(v.velocity(), speedBefore, std::abs(speedBefore) * 0.01);
            clock().advance(1e-4);
            EXPECT_NEAR(v.value(), before + speedBefore * 1e-4, 0.05);
        } else {
            // A timing curve is laid over the motion in flight, which carries on under it.
            clock().advance(1e-3);
            EXPECT_NEAR(v.value(), before, 1.0);
        }
        clock().advance(5.0);
        EXPECT_DOUBLE_EQ(v.value(), -50.0);
        EXPECT_FALSE(v.isAnimating());
    };
    check(RingAnimation::spring(0.3, 0.85), RingAnimation::spring(0.22, 0.85));
    check(RingAnimation::easeInOut(0.4), RingAnimation::easeOut(0.3));
    check(RingAnimation::spring(0.3, 0.85), RingAnimation::easeOut(0.3));
    check(RingAnimation::easeOut(0.4), RingAnimation::spring(0.28, 0.85));
}

TEST_F(RingAnimationTest, CancelAndJumpStopWhereTold)
{
    AnimatedValue v(0.0);
    v.animateTo(10.0, RingAnimation::linear(1.0));
    clock().advance(0.25 - lead());
    v.cancel();
    EXPECT_NEAR(v.value(), 2.5, 1e-9);
    EXPECT_FALSE(v.isAnimating());
    clock().advance(1.0);
    EXPECT_NEAR(v.value(), 2.5, 1e-9);

    v.animateTo(7.0, RingAnimation::linear(1.0));
    v.setValue(3.0);
    EXPECT_DOUBLE_EQ(v.value(), 3.0);
    EXPECT_FALSE(v.isAnimating());
    // Asking again for the target it already heads to restarts nothing.
    v.animateTo(9.0, RingAnimation::linear(1.0));
    clock().advance(0.5 - lead());
    v.animateTo(9.0, RingAnimation::linear(1.0));
    EXPECT_NEAR(v.value(), 6.0, 1e-9);
    // Non-finite targets are refused.
    v.animateTo(std::nan(""), RingAnimation::linear(1.0));
    EXPECT_DOUBLE_EQ(v.target(), 9.0);
}

TEST_F(RingAnimationTest, EngineTicksAtTheFrameRateOnlyWhileAnimating)
{
    prefs->setFrameRate(120.0);
    AnimationEngine& engine = AnimationEngine::shared();
    QSignalSpy frames(&engine, &AnimationEngine::frame);
    EXPECT_FALSE(engine.isTicking());
    EXPECT_EQ(clock().pendingCount(), 0u);
    {
        AnimatedValue a(0.0), b(0.0);
        a.animateTo(1.0, RingAnimation::easeOut(0.1));
        b.animateTo(1.0, RingAnimation::easeInOut(0.2));
        EXPECT_TRUE(engine.isTicking());
        EXPECT_EQ(clock().pendingCount(), 1u); // one timer for both
        // From idle, the first frame comes on the next turn of the loop, not an interval later...
        clock().runPending();
        EXPECT_EQ(frames.count(), 1);
        EXPECT_EQ(clock().pendingCount(), 1u);
        // ...then one every interval (at 1/120 ... 12/120 s).
        clock().advance(0.1 + 1e-9);
        EXPECT_EQ(frames.count(), 13);
        EXPECT_EQ(engine.animatingCount(), 1u);
        clock().advance(0.2);
        EXPECT_FALSE(engine.isTicking());
        EXPECT_EQ(clock().pendingCount(), 0u);
        // b rests after 0.2 s on its clock, which started one interval back: 23/120 s.
        EXPECT_EQ(frames.count(), 24);
        // A value destroyed mid-flight leaves the engine.
        a.animateTo(5.0, RingAnimation::linear(1.0));
    }
    EXPECT_EQ(engine.animatingCount(), 0u);
    EXPECT_FALSE(engine.isTicking());
    EXPECT_EQ(clock().pendingCount(), 0u);
}

TEST_F(RingAnimationTest, EngineAnnouncesOnlyFramesThatMoveSomethingVisibly)
{
    // One unit in 1 s at 60 Hz with a tolerance of 0.04: a frame every
    // eighth of the way or so (three tolerances, a pixel and a little more),
    // not every tick, and the last one at the target.
    prefs->setFrameRate(60.0);
    AnimationEngine& engine = AnimationEngine::shared();
    std::vector<double> shown;
    AnimatedValue v(0.0, 0.04);
    const QMetaObject::Connection c
        = QObject::connect(&engine, &AnimationEngine::frame, [&] { shown.push_back(v.value()); });
    v.animateTo(1.0, RingAnimation::linear(1.0));
    clock().advance(2.0);
    QObject::disconnect(c);
    EXPECT_FALSE(engine.isTicking());
    ASSERT_GE(shown.size(), 7u);
    EXPECT_LE(shown.size(), 9u);
    EXPECT_EQ(shown.back(), 1.0);
    double last = 0.0;
    for (size_t i = 0; i + 1 < shown.size(); ++i) {
        EXPECT_GE(shown[i] - last, 0.12 - 1e-9);
        EXPECT_LE(shown[i] - last, 0.12 + 1.0 / 60.0 + 1e-9);
        last = shown[i];
    }
}

TEST_F(RingAnimationTest, CreepingValuesNeverPaintTwoRefreshesInARow)
{
    // Two values creeping under a pixel a tick, the second a tick behind:
    // they come to rest on successive ticks, and the second's rest is shown
    // a tick later rather than right after the first's; the last frame
    // shows both at rest, and the engine then stops.
    prefs->setFrameRate(60.0);
    AnimationEngine& engine = AnimationEngine::shared();
    std::vector<double> times;
    AnimatedValue a(0.0, 0.04), b(0.0, 0.04);
    double shownA = 0.0, shownB = 0.0;
    const QMetaObject::Connection c = QObject::connect(&engine, &AnimationEngine::frame, [&] {
        times.push_back(clock().now());
        shownA = a.value();
        shownB = b.value();
    });
    a.animateTo(1.0, RingAnimation::linear(1.0));
    b.animateTo(1.0, RingAnimation::linear(1.0).delayed(1.0 / 60.0));
    clock().advance(2.0);
    QObject::disconnect(c);
    EXPECT_FALSE(engine.isTicking());
    ASSERT_GE(times.size(), 7u);
    EXPECT_LE(times.size(), 10u);
    for (size_t i = 1; i < times.size(); ++i)
        EXPECT_GT(times[i] - times[i - 1], 1.5 / 60.0) << i;
    EXPECT_EQ(shownA, 1.0);
    EXPECT_EQ(shownB, 1.0);
}

TEST_F(RingAnimationTest, ACreepingTailWakesOnlyForItsFramesAndNeverShowsOneLate)
{
    // An icon's overshooting turn: its swings back and forth move under a
    // pixel a tick, so the engine sleeps between the frames they need.
    prefs->setFrameRate(60.0);
    const double interval = 1.0 / 60.0;
    const double tolerance = RingMotion::iconSpinRestTolerance;
    const RingAnimation spin = RingMotion::iconSpinEntry(0, false, 1.0);
    AnimationEngine& engine = AnimationEngine::shared();
    AnimatedValue v(0.0, tolerance);
    std::vector<std::pair<double, double>> frames; // (time, value shown)
    const QMetaObject::Connection c
        = QObject::connect(&engine, &AnimationEngine::frame, [&] { frames.emplace_back(clock().now(), v.value()); });
    const double firstTick = clock().now();
    const std::size_t ranBefore = clock().ranCount();
    v.animateTo(1.0, spin);
    clock().advance(3.0);
    QObject::disconnect(c);
    EXPECT_FALSE(engine.isTicking());
    ASSERT_GE(frames.size(), 10u);
    EXPECT_EQ(frames.back().second, 1.0);

    // The curve as played: its clock started an interval before the first tick.
    const SpringSolution curve(spin.response, spin.dampingFraction, -1.0, 0.0);
    const auto at = [&](double t) { return 1.0 + curve.offset(t - (firstTick - interval) - spin.delay); };
    // No tick between two frames would have shown a move of three
    // tolerances (the tick right after a frame may be held back a tick).
    const double restAt = frames.back().first;
    for (size_t i = 0; i + 1 < frames.size(); ++i) {
        const int from = static_cast<int>(std::lround((frames[i].first - firstTick) / interval));
        const int to = static_cast<int>(std::lround((frames[i + 1].first - firstTick) / interval));
        for (int k = from + 2; k < to; ++k) {
            const double t = firstTick + k * interval;
            if (t < restAt - 1e-9) {
                EXPECT_LT(std::abs(at(t) - frames[i].second), 3.0 * tolerance) << "tick " << k << " after frame " << i;
            }
        }
    }
    // Ticking every refresh would have run about 60 times; asleep through
    // the creep, the engine wakes about once per frame.
    const double ticksPlayed = (restAt - firstTick) / interval;
    EXPECT_GT(ticksPlayed, 40.0);
    EXPECT_LE(clock().ranCount() - ranBefore, frames.size() + 6);

    // A rest left for the next frame is still shown when the only motion
    // left is stopped outright.
    {
        AnimatedValue quick(0.0, 0.05), slow(0.0, 0.05);
        double shownQuick = 0.0;
        const QMetaObject::Connection e
            = QObject::connect(&engine, &AnimationEngine::frame, [&] { shownQuick = quick.value(); });
        quick.animateTo(1.0, RingAnimation::linear(0.55)); // its last step is under three tolerances
        slow.animateTo(1.0, RingAnimation::linear(8.0));
        clock().advance(0.6);
        ASSERT_FALSE(quick.isAnimating());
        slow.setValue(0.0);
        clock().runPending();
        QObject::disconnect(e);
        EXPECT_LT(std::abs(shownQuick - 1.0), 0.05);
        EXPECT_FALSE(engine.isTicking());
    }

    // A motion started while the engine sleeps is ticked on the next turn
    // of the loop, as from idle, and shows a frame of progress at once.
    AnimatedValue tail(0.0, RestTolerance::points), fresh(0.0, RestTolerance::points);
    tail.animateTo(1.0, RingAnimation::linear(2.0)); // under a pixel a tick: sleeps
    clock().advance(0.5);
    int shown = 0;
    const QMetaObject::Connection d = QObject::connect(&engine, &AnimationEngine::frame, [&] { ++shown; });
    fresh.animateTo(100.0, RingAnimation::linear(0.5));
    clock().runPending();
    QObject::disconnect(d);
    EXPECT_EQ(shown, 1);
    EXPECT_NEAR(fresh.value(), 100.0 * interval / 0.5, 1e-6);
}

TEST_F(RingAnimationTest, BlurredFramesComeEveryOtherRefreshLeavingOnesEveryThirdAndSharpOnesAtOnce)
{
    prefs->setFrameRate(60.0);
    AnimatedValue ring(0.0);
    ring.animateTo(1.0, RingAnimation::linear(1.0));
    clock().runPending();
    BlurredFramePacer pacer;
    // The first blurred frame is painted at once; the next refresh's is left
    // to the one after.
    EXPECT_FALSE(pacer.defers(12.0));
    pacer.painted(12.0);
    clock().advance(1.0 / 60.0);
    EXPECT_TRUE(pacer.defers(12.0));
    EXPECT_FALSE(pacer.defers(0.5)); // sharp enough to show every step
    clock().advance(1.0 / 60.0);
    EXPECT_FALSE(pacer.defers(12.0));
    // After a sharp frame the next blurred one is not held back either, nor
    // is the first of a new showing or hiding.
    pacer.painted(0.0);
    EXPECT_FALSE(pacer.defers(12.0));
    pacer.painted(12.0);
    pacer.restart();
    EXPECT_FALSE(pacer.defers(12.0));
    // Leaving, a ring blurred past the threshold comes every third refresh;
    // less blurred, it still comes every other one.
    pacer.restart(true);
    EXPECT_FALSE(pacer.defers(12.0));
    pacer.painted(12.0);
    clock().advance(2.0 / 60.0);
    EXPECT_TRUE(pacer.defers(12.0));
    EXPECT_FALSE(pacer.defers(2.0));
    clock().advance(1.0 / 60.0);
    EXPECT_FALSE(pacer.defers(12.0));
    pacer.painted(2.0);
    clock().advance(2.0 / 60.0);
    EXPECT_FALSE(pacer.defers(6.0)); // the first heavy frame after a light one
    pacer.restart();
    // Nor is one asked for when no motion is left to bring another frame.
    pacer.painted(12.0);
    clock().advance(2.0);
    ASSERT_FALSE(AnimationEngine::shared().isTicking());
    pacer.painted(12.0);
    EXPECT_FALSE(pacer.defers(12.0));
}

TEST_F(RingAnimationTest, MotionFromRestShowsAFrameOfProgressOnItsFirstFrame)
{
    prefs->setFrameRate(60.0);
    AnimationEngine& engine = AnimationEngine::shared();
    QSignalSpy frames(&engine, &AnimationEngine::frame);
    const RingAnimation entry = RingMotion::entry(false, 1.0);
    AnimatedValue presence(0.0);
    presence.animateTo(1.0, entry);
    // The first frame, painted before any time passes, already shows one frame of the spring.
    clock().runPending();
    ASSERT_EQ(frames.count(), 1);
    const SpringSolution spring(entry.response, entry.dampingFraction, -1.0, 0.0);
    EXPECT_NEAR(presence.value(), 1.0 + spring.offset(1.0 / 60.0), 1e-12);
    EXPECT_GT(presence.value(), 0.03);
    EXPECT_GT(presence.velocity(), 0.0);
    // A delayed motion from rest keeps its delay on that same clock: a cascade stays in step.
    AnimatedValue late(0.0);
    late.animateTo(1.0, RingAnimation::linear(0.1).delayed(0.05));
    clock().advance(0.05 - 1.0 / 60.0);
    EXPECT_DOUBLE_EQ(late.value(), 0.0);
    clock().advance(0.01);
    EXPECT_NEAR(late.value(), 0.1, 1e-9);

    // Retargeting in flight is not dated back: the value does not jump.
    const double before = presence.value();
    presence.animateTo(0.0, RingMotion::exit(false, 1.0));
    EXPECT_NEAR(presence.value(), before, 1e-12);
    clock().advance(5.0);
    EXPECT_FALSE(engine.isTicking());

    // Once at rest, the next motion is dated back again, and the engine restarts at once.
    const int framesAtRest = frames.count();
    presence.animateTo(1.0, RingAnimation::linear(0.5));
    EXPECT_NEAR(presence.value(), (1.0 / 60.0) / 0.5, 1e-9);
    clock().runPending();
    EXPECT_EQ(frames.count(), framesAtRest + 1);
}

TEST_F(RingAnimationTest, ReduceMotionFadeIsTheOnlyCurve)
{
    AnimatedValue opacity(0.0);
    opacity.animateTo(1.0, RingMotion::entry(true, 0.25));
    clock().advance(0.06 - lead());
    EXPECT_NEAR(opacity.value(), 0.5, 1e-9); // ease-in-out midpoint
    clock().advance(0.061);
    EXPECT_FALSE(opacity.isAnimating());
    EXPECT_DOUBLE_EQ(opacity.value(), 1.0);
}
}
