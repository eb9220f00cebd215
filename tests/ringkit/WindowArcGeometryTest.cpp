#include "ringkit/WindowArcGeometry.h"

#include <gtest/gtest.h>
#include <cmath>

namespace {
constexpr double deg(double d) { return d * M_PI / 180.0; }

TEST(WindowArcGeometryTest, SpanAndStepFollowTheTable)
{
    struct Row {
        int n;
        double span, step, covers;
    };
    const Row rows[] = {
        { 1, 21, 15.5, 21 },
        { 2, 42, 18.25, 23.75 },
        { 3, 63, 19.1667, 24.6667 },
        { 4, 84, 19.625, 25.125 },
        { 5, 105, 19.9, 25.4 },
        { 6, 111.6, 17.6833, 23.1833 },
        { 10, 111.6, 10.61, 16.11 },
    };
    for (const Row& r : rows) {
        const WindowArcGeometry g(r.n);
        EXPECT_NEAR(g.span(), deg(r.span), 1e-9) << r.n;
        EXPECT_NEAR(g.step(), deg(r.step), 1e-5) << r.n;
        EXPECT_NEAR(g.cardCoverage(), deg(r.covers), 1e-5) << r.n;
    }
    // No cards computes as one card.
    EXPECT_DOUBLE_EQ(WindowArcGeometry(0).span(), WindowArcGeometry(1).span());
    EXPECT_DOUBLE_EQ(WindowArcGeometry(-3).step(), WindowArcGeometry(1).step());
}

TEST(WindowArcGeometryTest, StartAnglesAreCenteredDrawingAngles)
{
    const WindowArcGeometry two(2);
    EXPECT_NEAR(two.startAngle(0, 0.0), deg(-21.0 - 90.0), 1e-12);
    // The last card ends at centre + span / 2 (in arc angles).
    for (int n : { 1, 3, 5, 6, 12 }) {
        const WindowArcGeometry g(n);
        const double centre = deg(200);
        const double lastEnd = g.startAngle(n - 1, centre) + g.cardCoverage() + M_PI / 2.0;
        EXPECT_NEAR(lastEnd, centre + g.span() / 2.0, 1e-12) << n;
        EXPECT_NEAR(g.startAngle(0, centre) + M_PI / 2.0, centre - g.span() / 2.0, 1e-12) << n;
    }
}

TEST(WindowArcGeometryTest, HitTestZonesSplitOverlapsInTheMiddle)
{
    EXPECT_FALSE(WindowArcGeometry(0).index(deg(90), deg(90)).has_value());

    const WindowArcGeometry one(1);
    for (double a : { 79.5, 85.0, 90.0, 100.5 })
        EXPECT_EQ(one.index(deg(a), deg(90)), 0) << a;
    EXPECT_FALSE(one.index(deg(100.6), deg(90)).has_value());

    const WindowArcGeometry two(2);
    EXPECT_EQ(two.index(deg(69), deg(90)), 0);
    EXPECT_EQ(two.index(deg(89.99), deg(90)), 0);
    EXPECT_EQ(two.index(deg(90.01), deg(90)), 1);
    EXPECT_EQ(two.index(deg(110.99), deg(90)), 1);
    EXPECT_EQ(two.index(deg(111.0), deg(90)), 1); // the arc's end is still on it
    EXPECT_FALSE(two.index(deg(111.01), deg(90)).has_value());
    EXPECT_FALSE(two.index(deg(68.99), deg(90)).has_value());
    EXPECT_FALSE(two.index(std::nan(""), deg(90)).has_value());

    // Twelve cards: the very end of the arc answers the last card, never 12.
    const WindowArcGeometry twelve(12);
    const double centre = deg(180);
    EXPECT_EQ(twelve.index(centre + twelve.span() / 2.0, centre), 11);
    EXPECT_EQ(twelve.index(centre - twelve.span() / 2.0, centre), 0);
    // Every boundary lies mid-overlap; exactly on it, the later card wins.
    for (int k = 1; k < 12; ++k) {
        const double boundary = centre - twelve.span() / 2.0 + WindowArcGeometry::hitShift + k * twelve.step();
        EXPECT_EQ(twelve.index(boundary - 1e-7, centre), k - 1) << k;
        EXPECT_EQ(twelve.index(boundary + 1e-7, centre), k) << k;
    }
}

TEST(WindowArcGeometryTest, HitTestWrapsAroundTwelveOClock)
{
    const WindowArcGeometry two(2);
    const double centre = deg(10); // the arc starts at -11 deg
    EXPECT_EQ(two.index(deg(355), centre), 0);
    EXPECT_EQ(two.index(deg(5), centre), 0);
    EXPECT_EQ(two.index(deg(25), centre), 1);
    EXPECT_EQ(two.index(deg(31), centre), 1);
    EXPECT_FALSE(two.index(deg(32), centre).has_value());
    EXPECT_FALSE(two.index(deg(340), centre).has_value());
    // An arc reaching past 2pi from the other side.
    EXPECT_EQ(two.index(deg(2), deg(350)), 1);
}

TEST(WindowArcGeometryTest, RingAnglesFromPointerOffsetsWithYUp)
{
    EXPECT_NEAR(RingAngles::pointerArcAngle(0, 100), 0.0, 1e-12); // straight up: 12 o'clock
    EXPECT_NEAR(RingAngles::pointerArcAngle(100, 0), M_PI / 2.0, 1e-12); // right: 3 o'clock
    EXPECT_NEAR(RingAngles::pointerArcAngle(0, -100), M_PI, 1e-12); // down
    EXPECT_NEAR(RingAngles::pointerArcAngle(-100, 0), 1.5 * M_PI, 1e-12); // left
    EXPECT_NEAR(RingAngles::pointerArcAngle(-1, 100), 2 * M_PI - 0.01, 1e-4);
    for (double dx : { -3.0, 0.0, 2.0 })
        for (double dy : { -5.0, 0.0, 7.0 }) {
            const double a = RingAngles::pointerArcAngle(dx, dy);
            EXPECT_GE(a, 0.0);
            EXPECT_LT(a, 2 * M_PI);
        }
    EXPECT_NEAR(RingAngles::itemCenterAngle(1, 4), 3 * M_PI / 4.0, 1e-12);
    EXPECT_NEAR(RingAngles::itemCenterAngle(0, 0), M_PI, 1e-12);
    EXPECT_NEAR(RingAngles::arcToDrawing(0.0), -M_PI / 2.0, 1e-12);
}
}
