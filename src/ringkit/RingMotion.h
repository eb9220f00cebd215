#pragma once
// The geometry constants, animation curves and poses of every ring.
//
// Each curve is scaled by the animation-speed setting, read afresh at each
// call (AppSettings::shared().animationSpeed()); the overloads that take a
// `speedSetting` are the same computations with the setting passed in. Under
// Reduce Motion every curve becomes the same 0.12 s ease-in-out fade and every
// pose its settled value, so a ring only fades in and out.

#include "ringkit/RingAnimation.h"

#include <QColor>
#include <algorithm>
#include <array>

namespace RingMath {
// Between a part's hidden and settled pose at `progress` (0 hidden, 1
// settled; springs overshoot past 1).
inline double mix(double hidden, double settled, double progress) { return hidden + (settled - hidden) * progress; }
inline double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }
} // namespace RingMath

class RingMotion {
public:
    RingMotion() = delete;

    // ---- Geometry (points) ----
    static constexpr double settledInnerRadius = 60.0;
    static constexpr double settledOuterRadius = 190.0;
    static constexpr double bandCanvasSize = 400.0;
    // How far into their entry the ring's opacity and band start when a ring
    // is revealed (a spring from rest is all but transparent in its first
    // frame): the first frame after the hotkey already shows the ring.
    static constexpr double entryLead = 1.0 / 60.0;
    static constexpr double arcSelectedLift = 14.0;

    // Rest tolerances of the poses driven by one value from 0 (hidden) to 1
    // (settled), from how far the drawing moves per unit: a wedge's scale and
    // sweep move the corners of its outer edge about 63 points, an icon's turn
    // its corners about 14 points; 0.4 points are not seen. A wedge's entry
    // spring then rests past its overshoot, still above 1 (at full opacity),
    // rather than after its next swing of half a percent below.
    static constexpr double segmentPresenceRestTolerance = 0.0064;
    static constexpr double iconSpinRestTolerance = 0.028;
    static constexpr double arcCardDepthSpread = 12.0;
    // The shade an arc card carries where the card before it lies over it:
    // black at `opacity`, at `location` along the card from the overlapping
    // edge (the card scales the locations to its overlap).
    struct ShadeStop {
        double opacity;
        double location;
    };
    static constexpr std::array<ShadeStop, 5> arcCardSeamShadeStops { {
        { 0.15, 0.0 },
        { 0.08, 0.05 },
        { 0.03, 0.11 },
        { 0.01, 0.18 },
        { 0.0, 0.26 },
    } };

    // ---- Speed scaling ----
    // max(setting, 0.25): zero, negative and tiny settings behave as 0.25.
    static double speed(double speedSetting);
    static double duration(double base, double speedSetting);
    // 1.15 at speed <= 0.5, 0.85 at speed >= 2, linear in between.
    static double cascadeFactor(double speedSetting);
    static double cascadeDuration(double base, double speedSetting);
    // The current setting (AppSettings::shared().animationSpeed()).
    static double currentSpeedSetting();

    // ---- Curves ----
    static RingAnimation fade(); // ease-in-out, 0.12 s

    static RingAnimation selection(bool reduceMotion);
    static RingAnimation selection(bool reduceMotion, double speedSetting);
    static RingAnimation entry(bool reduceMotion);
    static RingAnimation entry(bool reduceMotion, double speedSetting);
    static RingAnimation exit(bool reduceMotion);
    static RingAnimation exit(bool reduceMotion, double speedSetting);
    static RingAnimation content(bool reduceMotion);
    static RingAnimation content(bool reduceMotion, double speedSetting);
    static RingAnimation bandEntry(bool reduceMotion);
    static RingAnimation bandEntry(bool reduceMotion, double speedSetting);
    static RingAnimation segmentEntry(int index, bool reduceMotion);
    static RingAnimation segmentEntry(int index, bool reduceMotion, double speedSetting);
    static RingAnimation iconSpinEntry(int index, bool reduceMotion);
    static RingAnimation iconSpinEntry(int index, bool reduceMotion, double speedSetting);
    static RingAnimation segmentVisibility(int index, bool isVisible, bool reduceMotion);
    static RingAnimation segmentVisibility(int index, bool isVisible, bool reduceMotion, double speedSetting);
    static RingAnimation iconSpinVisibility(int index, bool isVisible, bool reduceMotion);
    static RingAnimation iconSpinVisibility(int index, bool isVisible, bool reduceMotion, double speedSetting);

    // Delay between one segment's entry and the next one's.
    static double segmentStagger();
    static double segmentStagger(double speedSetting);
    // How long a panel waits after starting its exit before ordering out.
    static double exitDuration(bool reduceMotion);
    static double exitDuration(bool reduceMotion, double speedSetting);

    // ---- Poses: settled when visible or under Reduce Motion, else hidden ----
    static double wheelSpin(bool isVisible, bool reduceMotion); // 0 / -5 deg (radians)
    static double wheelBlur(bool isVisible, bool reduceMotion); // 0 / 16 points
    static double bandInnerRadius(bool isVisible, bool reduceMotion); // 60 / 92
    static double bandOuterRadius(bool isVisible, bool reduceMotion); // 190 / 168
    static double segmentScale(bool isVisible, bool reduceMotion); // 1 / 0.72
    static double segmentSweep(bool isVisible, bool reduceMotion); // 0 / -10 deg
    static double iconBlur(bool isVisible, bool reduceMotion); // 0 / 10 points
    static double iconSpin(bool isVisible, bool reduceMotion); // 0 / -24 deg

private:
    static constexpr double collapsedInnerRadius = 92.0;
    static constexpr double collapsedOuterRadius = 168.0;
};
