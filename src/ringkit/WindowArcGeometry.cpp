#include "ringkit/WindowArcGeometry.h"

#include <algorithm>
#include <cmath>

double RingAngles::itemCenterAngle(int index, int count)
{
    return (twoPi / double(std::max(count, 1))) * (double(index) + 0.5);
}

double RingAngles::pointerArcAngle(double dx, double dy)
{
    double angle = std::atan2(-dy, dx) + pi / 2.0;
    if (angle < 0.0)
        angle += twoPi;
    if (angle >= twoPi)
        angle -= twoPi;
    return angle;
}

double WindowArcGeometry::span() const { return std::min(double(n()) * cardAngle, maximumSpan); }

double WindowArcGeometry::startAngle(int index, double centre) const
{
    return centre - span() / 2.0 + step() * double(index) - RingAngles::pi / 2.0;
}

std::optional<int> WindowArcGeometry::index(double pointerAngle, double centre) const
{
    if (count < 1)
        return std::nullopt;
    const double s = span();
    double rel = pointerAngle - (centre - s / 2.0);
    if (rel < 0.0)
        rel += RingAngles::twoPi;
    if (rel >= RingAngles::twoPi)
        rel -= RingAngles::twoPi;
    // A pointer exactly on the arc's end is still on it; allow for rounding.
    if (std::isnan(rel) || rel > s + 1e-12)
        return std::nullopt;
    double shifted = rel - hitShift;
    if (shifted <= 0.0)
        shifted = 0.0;
    if (shifted > s - 0.0001)
        shifted = s - 0.0001;
    const int k = int(std::trunc(shifted / step()));
    return std::min(k, count - 1);
}
