#pragma once
// Angles, pointer selection constants and the arc of overlapping cards that
// fans out beyond a ring (an application's windows, an account's passwords).
//
// Two angle conventions are used throughout the rings, both in radians:
//  - arc angle: 0 at 12 o'clock, growing clockwise on screen;
//  - drawing angle: 0 at 3 o'clock, growing clockwise on screen (y down);
//    drawing angle = arc angle - pi/2.
// Pointer positions and ring centres are global screen coordinates with y
// upward: the vertical offset is negated before an angle is taken.

#include <numbers>
#include <optional>

struct RingAngles {
    static constexpr double pi = std::numbers::pi;
    static constexpr double twoPi = 2.0 * std::numbers::pi;

    // Pointer selection shared by every ring (points, before ringScale where noted).
    static constexpr double pointerArmDistance = 10.0; // travel before the pointer selects
    static constexpr double deadZoneRadius = 60.0; // x ringScale: nothing selected inside
    static constexpr double cardArcRadius = 196.0; // x ringScale: outer card arc from here out

    static constexpr double degrees(double deg) { return deg * pi / 180.0; }
    static constexpr double arcToDrawing(double arcAngle) { return arcAngle - pi / 2.0; }
    static constexpr double drawingToArc(double drawingAngle) { return drawingAngle + pi / 2.0; }

    // Arc angle of the middle of item `index` of `count`: (2pi / max(count, 1)) * (index + 0.5).
    static double itemCenterAngle(int index, int count);

    // Arc angle of a pointer offset (dx, dy) from the ring centre, in screen
    // coordinates whose y grows upward; in [0, 2pi).
    static double pointerArcAngle(double dx, double dy);
};

class WindowArcGeometry {
public:
    // Each card claims 21 degrees while the arc is short; the arc never exceeds 111.6 degrees.
    static constexpr double cardAngle = 0.3665191429188092; // 21 deg
    static constexpr double maximumSpan = 1.9477874452256718; // 111.6 deg
    static constexpr double overlap = 0.09599310885968812; // 5.5 deg shared by neighbours
    static constexpr double hitShift = 0.04799655442984406; // overlap / 2
    // The most cards the arc holds: beyond this a card's own strip would be
    // narrower than the part of it its neighbour covers, too thin to read or
    // to point at. A longer list shows its first cards.
    static constexpr int capacity = int((maximumSpan - overlap) / overlap); // 19

    int count = 0;

    constexpr explicit WindowArcGeometry(int cardCount)
        : count(cardCount)
    {
    }

    int n() const { return count < 1 ? 1 : count; }
    // First card's start to last card's end: min(n * 21 deg, 111.6 deg).
    double span() const;
    double usableSpan() const { return span() - overlap; }
    // Angle from one card's start to the next card's start.
    double step() const { return usableSpan() / n(); }
    // Angle one card covers, overlap included.
    double cardCoverage() const { return step() + overlap; }

    // Drawing angle at which card `index` begins, for an arc centred on the
    // arc angle `centre`. Any index is accepted.
    double startAngle(int index, double centre) const;

    // Card under the pointer's arc angle, for an arc centred on `centre`
    // (both in [0, 2pi)); nullopt when off the arc or when there are no cards.
    std::optional<int> index(double pointerAngle, double centre) const;
};
