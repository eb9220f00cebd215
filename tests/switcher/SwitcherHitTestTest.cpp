// What a stage point lands on, from the geometry alone: which of N wedges,
// which overlapping wedge or card lies on top, and where a widget point is
// on a stage that fills a widget of any shape.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "switcher/SwitcherHitTest.h"

namespace {
using Kind = RingHit::Kind;

// A stage point `radius` points from the centre at an arc angle in degrees
// (0 at 12 o'clock, clockwise).
QPointF polar(double radius, double arcDegrees)
{
    const double a = arcDegrees * std::numbers::pi / 180.0;
    return { 350.0 + radius * std::sin(a), 350.0 - radius * std::cos(a) };
}
} // namespace

TEST(SwitcherHitTest, EachOfNWedgesTakesItsOwnSectorAndTheSeamsTakeNothing)
{
    for (int n : { 2, 5, 7, 12 }) {
        SwitcherHitTest hits;
        hits.apps = n;
        hits.selectedApp = -1;
        const double sector = 360.0 / n;
        for (int i = 0; i < n; ++i) {
            // Near both edges of the sector and across the band.
            for (const double at : { 0.2, 0.5, 0.8 }) {
                const RingHit hit = hits.at(polar(124.0, sector * (i + at)));
                EXPECT_EQ(hit, (RingHit { Kind::wedge, i })) << n << " wedges, " << i << " at " << at;
            }
            EXPECT_EQ(hits.at(polar(150.0, sector * i)).kind, Kind::none) << n << " wedges, seam " << i;
        }
        EXPECT_EQ(hits.at(polar(10.0, 30.0)).kind, Kind::none);
        EXPECT_EQ(hits.at(polar(200.0, sector / 2.0)).kind, Kind::none);
    }
}

TEST(SwitcherHitTest, TheSelectedWedgesGrownIconLiesOverItsNeighbourUnlessAWindowIsPointedAt)
{
    // Twelve narrow wedges: the selected icon's square (64 points, grown by
    // a tenth) reaches over the slanted seam at 150 degrees into wedge 5.
    SwitcherHitTest hits;
    hits.apps = 12;
    hits.selectedApp = 4;
    const QPointF pastSeam = polar(127.0, 153.0);
    EXPECT_EQ(hits.at(pastSeam), (RingHit { Kind::wedge, 4 }));
    // A plain icon (48 points) stays inside its wedge.
    hits.wedgeSelected = false;
    EXPECT_EQ(hits.at(pastSeam), (RingHit { Kind::wedge, 5 }));
    // While a window card is pointed at, the selected wedge is not lifted.
    hits.wedgeSelected = true;
    hits.pointingAtWindow = true;
    EXPECT_EQ(hits.at(pastSeam), (RingHit { Kind::wedge, 5 }));
}

TEST(SwitcherHitTest, CardsLieAboveTheWedgesAndPickAsThePointerDoes)
{
    SwitcherHitTest hits;
    hits.apps = 4;
    hits.selectedApp = 1;
    hits.cards = 3;
    hits.fanAngle = SwitcherHitTest::appAngle(1, 4);
    EXPECT_DOUBLE_EQ(hits.fanAngle, 0.75 * std::numbers::pi); // the middle of wedge 1
    // Three cards on an arc of 63 degrees centred on 135; the zones' boundaries
    // lie 2.75 degrees past each step.
    const double step = (3 * 21.0 - 5.5) / 3.0;
    const double first = 135.0 - 3 * 21.0 / 2.0;
    const double boundary = first + 2.75 + step;
    EXPECT_EQ(hits.at(polar(265.0, first + step / 2.0)), (RingHit { Kind::card, 0 }));
    // Either side of the first two cards' seam: each its own card, whichever is selected.
    EXPECT_EQ(hits.at(polar(265.0, boundary - 0.2)), (RingHit { Kind::card, 0 }));
    EXPECT_EQ(hits.at(polar(265.0, boundary + 0.2)), (RingHit { Kind::card, 1 }));
    hits.selectedCard = 1;
    EXPECT_EQ(hits.at(polar(265.0, boundary - 0.2)), (RingHit { Kind::card, 0 }));
    EXPECT_EQ(hits.at(polar(265.0, first + 2.75 + 1.5 * step)), (RingHit { Kind::card, 1 }));
    // Beyond the fan nothing; under it the wedge still answers.
    EXPECT_EQ(hits.at(polar(265.0, 200.0)).kind, Kind::none);
    EXPECT_EQ(hits.at(polar(124.0, 135.0)), (RingHit { Kind::wedge, 1 }));
    // Without cards the same point is empty.
    hits.cards = 0;
    EXPECT_EQ(hits.at(polar(265.0, first + step / 2.0)).kind, Kind::none);
}

TEST(SwitcherHitTest, TheStageFillsTheWidgetsShorterSideAboutItsMiddle)
{
    EXPECT_EQ(SwitcherHitTest::stagePoint(QPointF(350, 350), QSizeF(700, 700)), QPointF(350, 350));
    // A wide widget: the stage is 600 points high, centred across.
    const QSizeF wide(800, 600);
    EXPECT_EQ(SwitcherHitTest::stagePoint(QPointF(400, 300), wide), QPointF(350, 350));
    const QPointF corner = SwitcherHitTest::stagePoint(QPointF(100, 0), wide);
    EXPECT_NEAR(corner.x(), 0.0, 1e-9);
    EXPECT_NEAR(corner.y(), 0.0, 1e-9);
    // Scaled up 1.5 times.
    const QPointF right = SwitcherHitTest::stagePoint(QPointF(1050, 525), QSizeF(1050, 1050));
    EXPECT_NEAR(right.x(), 700.0, 1e-9);
    // A widget not yet laid out maps points one to one.
    EXPECT_EQ(SwitcherHitTest::stagePoint(QPointF(10, 10), QSizeF(0, 0)), QPointF(360, 360));
}
