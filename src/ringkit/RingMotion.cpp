#include "ringkit/RingMotion.h"

#include "core/AppSettings.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double deg(double d) { return d * std::numbers::pi / 180.0; }
bool settled(bool isVisible, bool reduceMotion) { return isVisible || reduceMotion; }
}

double RingMotion::speed(double speedSetting)
{
    // NaN compares false and would slip through max(); treat it as the floor.
    if (std::isnan(speedSetting))
        return 0.25;
    return std::max(speedSetting, 0.25);
}

double RingMotion::duration(double base, double speedSetting) { return base / speed(speedSetting); }

double RingMotion::cascadeFactor(double speedSetting)
{
    const double s = speed(speedSetting);
    if (s <= 0.5)
        return 1.15;
    if (s >= 2.0)
        return 0.85;
    return 1.15 - 0.3 * (s - 0.5) / 1.5;
}

double RingMotion::cascadeDuration(double base, double speedSetting) { return base * cascadeFactor(speedSetting); }

double RingMotion::currentSpeedSetting() { return AppSettings::shared().animationSpeed(); }

RingAnimation RingMotion::fade() { return RingAnimation::easeInOut(0.12); }

RingAnimation RingMotion::selection(bool reduceMotion, double s)
{
    return reduceMotion ? fade() : RingAnimation::spring(duration(0.22, s), 0.85);
}

RingAnimation RingMotion::entry(bool reduceMotion, double s)
{
    return reduceMotion ? fade() : RingAnimation::spring(duration(0.28, s), 0.85);
}

RingAnimation RingMotion::exit(bool reduceMotion, double s)
{
    return reduceMotion ? fade() : RingAnimation::easeOut(duration(0.3, s));
}

RingAnimation RingMotion::content(bool reduceMotion, double s)
{
    return reduceMotion ? fade() : RingAnimation::spring(duration(0.3, s), 1.0);
}

RingAnimation RingMotion::bandEntry(bool reduceMotion, double s)
{
    return reduceMotion ? fade() : RingAnimation::spring(duration(0.48, s), 0.38);
}

RingAnimation RingMotion::segmentEntry(int index, bool reduceMotion, double s)
{
    if (reduceMotion)
        return fade();
    // A negative index would mean a negative delay: start at once instead.
    return RingAnimation::spring(cascadeDuration(0.42, s), 0.63)
        .delayed(segmentStagger(s) * double(std::max(index, 0)));
}

RingAnimation RingMotion::iconSpinEntry(int index, bool reduceMotion, double s)
{
    if (reduceMotion)
        return fade();
    return RingAnimation::spring(cascadeDuration(0.52, s), 0.34)
        .delayed(segmentStagger(s) * double(std::max(index, 0)));
}

RingAnimation RingMotion::segmentVisibility(int index, bool isVisible, bool reduceMotion, double s)
{
    return isVisible ? segmentEntry(index, reduceMotion, s) : exit(reduceMotion, s);
}

RingAnimation RingMotion::iconSpinVisibility(int index, bool isVisible, bool reduceMotion, double s)
{
    return isVisible ? iconSpinEntry(index, reduceMotion, s) : exit(reduceMotion, s);
}

double RingMotion::segmentStagger(double s) { return cascadeDuration(0.052, s); }

double RingMotion::exitDuration(bool reduceMotion, double s) { return reduceMotion ? 0.14 : duration(0.3, s) + 0.06; }

// The overloads that read the setting now.
RingAnimation RingMotion::selection(bool r) { return selection(r, currentSpeedSetting()); }
RingAnimation RingMotion::entry(bool r) { return entry(r, currentSpeedSetting()); }
RingAnimation RingMotion::exit(bool r) { return exit(r, currentSpeedSetting()); }
RingAnimation RingMotion::content(bool r) { return content(r, currentSpeedSetting()); }
RingAnimation RingMotion::bandEntry(bool r) { return bandEntry(r, currentSpeedSetting()); }
RingAnimation RingMotion::segmentEntry(int i, bool r) { return segmentEntry(i, r, currentSpeedSetting()); }
RingAnimation RingMotion::iconSpinEntry(int i, bool r) { return iconSpinEntry(i, r, currentSpeedSetting()); }
RingAnimation RingMotion::segmentVisibility(int i, bool v, bool r)
{
    return segmentVisibility(i, v, r, currentSpeedSetting());
}
RingAnimation RingMotion::iconSpinVisibility(int i, bool v, bool r)
{
    return iconSpinVisibility(i, v, r, currentSpeedSetting());
}
double RingMotion::segmentStagger() { return segmentStagger(currentSpeedSetting()); }
double RingMotion::exitDuration(bool r) { return exitDuration(r, currentSpeedSetting()); }

double RingMotion::wheelSpin(bool v, bool r) { return settled(v, r) ? 0.0 : deg(-5.0); }
double RingMotion::wheelBlur(bool v, bool r) { return settled(v, r) ? 0.0 : 16.0; }
double RingMotion::bandInnerRadius(bool v, bool r) { return settled(v, r) ? settledInnerRadius : collapsedInnerRadius; }
double RingMotion::bandOuterRadius(bool v, bool r) { return settled(v, r) ? settledOuterRadius : collapsedOuterRadius; }
double RingMotion::segmentScale(bool v, bool r) { return settled(v, r) ? 1.0 : 0.72; }
double RingMotion::segmentSweep(bool v, bool r) { return settled(v, r) ? 0.0 : deg(-10.0); }
double RingMotion::iconBlur(bool v, bool r) { return settled(v, r) ? 0.0 : 10.0; }
double RingMotion::iconSpin(bool v, bool r) { return settled(v, r) ? 0.0 : deg(-24.0); }
