#include "ringkit/CenterAppIcon.h"
#include "ringkit/RingGlass.h"
#include "ringkit/RingEffects.h"
#include "ringkit/RingShapes.h"
#include "ringkit/WindowArcCard.h"

#include <gtest/gtest.h>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
constexpr double deg(double d) { return d * M_PI / 180.0; }
const QRectF kStage(0, 0, 400, 400);
const QPointF kC(200, 200);

QPointF polar(double r, double a) { return kC + QPointF(r * std::cos(a), r * std::sin(a)); }

TEST(RingShapesTest, RingShapeLimitsItsRadii)
{
    // Limited by the rectangle: 300 x 200 with outer 190 gives an edge of 100.
    const QRectF wide(0, 0, 300, 200);
    const QPainterPath band = RingShape { 60, 190 }.path(wide);
    EXPECT_NEAR(band.boundingRect().height(), 200.0, 0.5);
    EXPECT_TRUE(band.contains(QPointF(150 + 80, 100)));
    EXPECT_FALSE(band.contains(QPointF(150 + 30, 100))); // the hole
    EXPECT_FALSE(band.contains(QPointF(150, 100)));

    // The hole is always one point smaller than the edge.
    const QPainterPath thin = RingShape { 150, 100 }.path(kStage);
    EXPECT_TRUE(thin.contains(QPointF(200 + 99.5, 200)) || thin.contains(QPointF(200, 200 + 99.5)));
    EXPECT_FALSE(thin.contains(QPointF(200 + 98, 200)));
    EXPECT_FALSE(thin.contains(kC));
}

TEST(RingShapesTest, SegmentCornersAreClampedToThinAndShortSegments)
{
    EnhancedTaperedSegmentShape s;
    s.baseInnerRadius = 60;
    s.baseOuterRadius = 190;
    s.innerRadialGap = 4;
    s.outerRadialGap = 4; // 64 .. 186: 122 thick
    s.outerStartAngle = 0.0;
    s.outerEndAngle = 0.2;
    s.innerStartAngle = 0.0;
    s.innerEndAngle = 0.6;
    EXPECT_NEAR(s.effectiveCornerRadius(), 186 * 0.2 / 6.0, 1e-12); // 6.2, not 12
    s.outerEndAngle = s.innerEndAngle = 1.5;
    EXPECT_DOUBLE_EQ(s.effectiveCornerRadius(), 12.0);
    s.cornerRadius = 0.0;
    EXPECT_DOUBLE_EQ(s.effectiveCornerRadius(), 0.0);
    // A zero span leaves no corner and no arc, and still gives a finite path.
    s.cornerRadius = 12;
    s.outerEndAngle = s.outerStartAngle;
    EXPECT_DOUBLE_EQ(s.effectiveCornerRadius(), 0.0);
    const QRectF b = s.path(kStage).boundingRect();
    EXPECT_TRUE(std::isfinite(b.width()) && std::isfinite(b.height()));
    // Zero thickness: the corner offsets keep the corner points instead of dividing by zero.
    EnhancedTaperedSegmentShape flat = s;
    flat.outerEndAngle = 1.0;
    flat.innerEndAngle = 1.0;
    flat.baseOuterRadius = 100;
    flat.baseInnerRadius = 100;
    flat.innerRadialGap = flat.outerRadialGap = 0;
    const QRectF fb = flat.path(kStage).boundingRect();
    EXPECT_TRUE(std::isfinite(fb.x()) && std::isfinite(fb.width()));
}

TEST(RingShapesTest, SegmentOutlineFollowsTheArcsAndTapers)
{
    // Ten wedges at the default radii: outer arc 33.5 deg, inner 28.8 deg.
    const auto w = EnhancedTaperedSegmentShape::wedge(0, 10, 60, 190, 6, 4, 8);
    EXPECT_DOUBLE_EQ(w.adjustedOuterRadius(), 184.0);
    EXPECT_DOUBLE_EQ(w.adjustedInnerRadius(), 64.0);
    EXPECT_NEAR(w.outerEndAngle - w.outerStartAngle, deg(36) - 8.0 / 184.0, 1e-12);
    EXPECT_NEAR(w.innerEndAngle - w.innerStartAngle, deg(36) - 8.0 / 64.0, 1e-12);
    EXPECT_NEAR(w.outerStartAngle, -M_PI / 2 + 4.0 / 184.0, 1e-12); // wedge 0 starts at 12 o'clock

    const QPainterPath p = w.path(kStage);
    const double mid = (w.outerStartAngle + w.outerEndAngle) / 2.0;
    // Inside near both arcs at the middle, outside beyond them and in the gaps.
    EXPECT_TRUE(p.contains(polar(183.0, mid)));
    EXPECT_FALSE(p.contains(polar(185.0, mid)));
    EXPECT_TRUE(p.contains(polar(65.0, mid)));
    EXPECT_FALSE(p.contains(polar(63.0, mid)));
    EXPECT_FALSE(p.contains(polar(120.0, -M_PI / 2))); // the seam gap at 12 o'clock
    // Straight sides: the gap to the neighbour is 8 points wide at both radii.
    const auto next = EnhancedTaperedSegmentShape::wedge(1, 10, 60, 190, 6, 4, 8);
    for (double r : { 80.0, 170.0 }) {
        const double boundary = -M_PI / 2 + deg(36);
        const double halfGap = 4.0 / r;
        EXPECT_FALSE(p.contains(polar(r, boundary))) << r;
        EXPECT_FALSE(next.path(kStage).contains(polar(r, boundary))) << r;
        EXPECT_TRUE(p.contains(polar(r, boundary - halfGap - 2.0 / r))) << r;
        EXPECT_TRUE(next.path(kStage).contains(polar(r, boundary + halfGap + 2.0 / r))) << r;
    }
    // Rounded corners: the true outer corner point is cut off.
    EXPECT_FALSE(p.contains(polar(183.9, w.outerStartAngle + 0.001)));
    // One wedge: the whole circle less the seam.
    const auto whole = EnhancedTaperedSegmentShape::wedge(0, 1, 60, 190, 6, 4, 8);
    EXPECT_TRUE(whole.path(kStage).contains(polar(120, M_PI / 2)));
    EXPECT_FALSE(whole.path(kStage).contains(polar(120, -M_PI / 2)));
}

TEST(RingShapesTest, ArcCardGeometry)
{
    WindowArcSegmentView card;
    card.title = QStringLiteral("Report");
    card.index = 1;
    card.total = 2;
    card.arcCenterAngle = deg(90);
    card.radialGapInner = 9;
    EXPECT_DOUBLE_EQ(card.midRadius(), 262.0);
    // The card covers its step of 18.25 deg and the 5.5 deg overlap under the
    // card before it, from the step's start.
    EXPECT_NEAR(card.fullSegmentAngle(), deg(18.25 + 5.5), 1e-12);
    EXPECT_NEAR(card.baseStartAngle(), deg(90 - 21 + 18.25 - 90), 1e-12);
    EXPECT_NEAR(card.centerAngle(), deg(90 - 21 + 18.25 + 23.75 / 2 - 90), 1e-12);
    EXPECT_NEAR(card.labelWidth(), 262.0 * deg(18.25) - 14.0, 1e-9); // 69.5
    EXPECT_NEAR(card.zAnchor(), 6.0, 1e-12);
    card.index = 0;
    EXPECT_NEAR(card.zAnchor(), 12.0, 1e-12);

    // Selected: 9 points longer outward, 14 more depth, rounder corners than wedges.
    card.isSelected = true;
    EXPECT_DOUBLE_EQ(card.adjustedOuterRadius(), 328.0);
    EXPECT_NEAR(card.zAnchor(), 26.0, 1e-12);
    const auto shape = card.shape();
    EXPECT_DOUBLE_EQ(shape.cornerRadius, 15.0);
    EXPECT_DOUBLE_EQ(shape.cornerClamp.radial, 2.6);
    EXPECT_DOUBLE_EQ(shape.innerStartAngle, shape.outerStartAngle); // cards do not taper

    // One card covers 21 deg; many cards narrow the label down to its floor.
    card.total = 1;
    card.index = 0;
    EXPECT_NEAR(card.fullSegmentAngle(), deg(21), 1e-12);
    card.total = 12;
    card.index = 5;
    EXPECT_DOUBLE_EQ(card.labelWidth(), WindowArcSegmentView::minimumLabelWidth);
    card.total = 6;
    EXPECT_NEAR(card.labelWidth(), 266.5 * deg(106.1 / 6) - 14.0, 1e-9);
}

TEST(RingShapesTest, DepthTurnKeepsTheRadialLineAndPerspective)
{
    // A turn about the radial axis leaves that axis where it was (no z anchor).
    const QPointF anchor(350, 350);
    const QTransform t = RingEffects::rotation3D(anchor, QSizeF(700, 700), deg(11), QVector3D(1, 0, 0), 0.0, 0.55);
    for (double x : { 200.0, 300.0, 500.0 }) {
        const QPointF m = t.map(QPointF(x, 350));
        EXPECT_NEAR(m.x(), x, 1e-6);
        EXPECT_NEAR(m.y(), 350, 1e-6);
    }
    // Positive turn about +x: the top edge goes away (smaller), the bottom comes closer.
    const double topHalfWidth = t.map(QPointF(500, 150)).x() - 350;
    const double bottomHalfWidth = t.map(QPointF(500, 550)).x() - 350;
    EXPECT_LT(topHalfWidth, 150.0);
    EXPECT_GT(bottomHalfWidth, 150.0);
    // A z anchor turns about a point off the plane: the card slides sideways.
    const QTransform lifted
        = RingEffects::rotation3D(anchor, QSizeF(700, 700), deg(11), QVector3D(1, 0, 0), 26.0, 0.55);
    EXPECT_NEAR(std::abs(lifted.map(anchor).y() - 350), 26.0 * std::sin(deg(11)), 0.3);
    // Degenerate axis: identity.
    EXPECT_TRUE(RingEffects::rotation3D(anchor, QSizeF(700, 700), 1.0, QVector3D(0, 0, 0), 0, 1).isIdentity());
}

TEST(RingShapesTest, CenterIconTiltFromThePointer)
{
    const QList<QRectF> screens { QRectF(0, 0, 1920, 1080), QRectF(1920, 0, 1280, 1024) };
    CenterAppIconView v;
    v.ringCenter = QPointF(960, 540);
    v.pointer = QPointF(990, 540); // 30 right
    auto t = v.tilt(true, false, 1.0, screens);
    EXPECT_NEAR(t.x, 0.5 * 30.0 / 190.0, 1e-12);
    EXPECT_DOUBLE_EQ(t.y, 0.0);
    EXPECT_NEAR(v.rotationY(t), 1.7368, 1e-3);

    v.pointer = QPointF(1210, 540); // 250 right: capped to full length
    t = v.tilt(true, false, 1.0, screens);
    EXPECT_DOUBLE_EQ(t.x, 1.0);
    EXPECT_DOUBLE_EQ(v.rotationY(t), 22.0);
    EXPECT_DOUBLE_EQ(v.rotationX(t), 0.0);

    v.pointer = QPointF(960, 540 + 95); // up, ring scale 2: reach 380
    t = v.tilt(true, false, 2.0, screens);
    EXPECT_NEAR(t.y, 95.0 / 380.0, 1e-12);
    EXPECT_NEAR(v.rotationX(t), 22.0 * 0.25, 1e-12);

    // Nothing tilts when switched off, without a pointer, off every screen, or with scale 0.
    EXPECT_EQ(v.tilt(false, false, 1, screens), CenterAppIconView::Tilt {});
    EXPECT_EQ(v.tilt(true, true, 1, screens), CenterAppIconView::Tilt {});
    EXPECT_EQ(v.tilt(true, false, 0.0, screens), CenterAppIconView::Tilt {});
    v.isInteractive = false;
    EXPECT_EQ(v.tilt(true, false, 1, screens), CenterAppIconView::Tilt {});
    v.isInteractive = true;
    v.pointer = QPointF(-5, 10);
    EXPECT_EQ(v.tilt(true, false, 1, screens), CenterAppIconView::Tilt {});
    v.pointer.reset();
    EXPECT_EQ(v.tilt(true, false, 1, screens), CenterAppIconView::Tilt {});

    // No ring centre: measured from the middle of the pointer's screen (the second one here).
    v.ringCenter = QPointF(0, 0);
    v.pointer = QPointF(1920 + 640 + 30, 512);
    t = v.tilt(true, false, 1.0, screens);
    EXPECT_NEAR(t.x, 0.5 * 30.0 / 190.0, 1e-12);

    // Shadows rest below the icon and slide with the turn.
    EXPECT_EQ(CenterAppIconView::broadShadowOffset(0, 0), QPointF(0, 5));
    EXPECT_EQ(CenterAppIconView::closeShadowOffset(0, 0), QPointF(0, 2));
    EXPECT_NEAR(CenterAppIconView::broadShadowOffset(22, -22).x(), -12.1, 1e-9);
}
}

TEST(RingShapesTest, ComputedBandMatchesThePaintersBand)
{
    // A springing band is computed pixel by pixel. Away from its edges it
    // must be the painter's band to a step of rounding; on the edges the
    // painter's circles are polygons a little inside the true ones, so the
    // two differ by under a fifth of a pixel's coverage there, never by the
    // whole step of half a pixel the radii move in.
    for (const bool dark : { false, true }) {
        for (const double scale : { 1.0, 2.0 }) {
            RingPalette palette;
            palette.dark = dark;
            const double inner = 71.25, outer = 183.5;
            const int px = int(std::ceil(400.0 * scale)) + 2;
            QImage painted(px, px, QImage::Format_ARGB32_Premultiplied);
            painted.setDevicePixelRatio(scale);
            painted.fill(Qt::transparent);
            {
                QPainter p(&painted);
                const double half = px / scale / 2.0;
                RingBand::paintDirect(p, QPointF(half, half), inner, outer, palette);
            }
            QImage computed(px, px, QImage::Format_ARGB32_Premultiplied);
            computed.setDevicePixelRatio(scale);
            RingBand::rasterize(computed, inner, outer, palette);

            int worstInside = 0, worstEdge = 0;
            for (int y = 0; y < px; ++y) {
                const auto* a = reinterpret_cast<const QRgb*>(painted.constScanLine(y));
                const auto* b = reinterpret_cast<const QRgb*>(computed.constScanLine(y));
                for (int x = 0; x < px; ++x) {
                    const int d = std::max({ std::abs(qAlpha(a[x]) - qAlpha(b[x])), std::abs(qRed(a[x]) - qRed(b[x])),
                        std::abs(qGreen(a[x]) - qGreen(b[x])), std::abs(qBlue(a[x]) - qBlue(b[x])) });
                    const double r = std::hypot(x + 0.5 - px / 2.0, y + 0.5 - px / 2.0) / scale;
                    const bool edge = std::min(std::abs(r - inner), std::abs(r - outer)) * scale < 1.5;
                    (edge ? worstEdge : worstInside) = std::max(edge ? worstEdge : worstInside, d);
                }
            }
            EXPECT_LE(worstInside, 2) << "dark " << dark << " scale " << scale;
            EXPECT_LE(worstEdge, 48) << "dark " << dark << " scale " << scale;
            // The band is there at all: its middle is glass.
            EXPECT_GT(qAlpha(computed.pixel(int(px / 2.0 + 127.0 * scale), px / 2)), 100);
        }
    }
}

TEST(RingShapesTest, ABandUpdatedAboutItsMovedEdgesIsTheBandComputedWhole)
{
    // The radii of an opening and a closing band, frame after frame: small
    // steps of a spring about its rest (both ways), large ones, the hole
    // closing to nothing and opening again, and radii past the canvas.
    const std::vector<std::pair<double, double>> path = { { 92, 168 }, { 80.5, 175 }, { 62, 188.5 }, { 57.5, 193 },
        { 58, 192.5 }, { 60.5, 189.5 }, { 60, 190 }, { 30, 120 }, { 0, 120 }, { 0.5, 121 }, { 45, 260 }, { 92, 168 } };
    for (const bool dark : { false, true }) {
        for (const double scale : { 0.25, 1.0, 2.0 }) {
            // Even sides (the band's own cache, worked out by quarters) and odd ones.
            for (const int extra : { 2, 3 }) {
                RingPalette palette;
                palette.dark = dark;
                const int px = int(std::ceil(400.0 * scale)) + extra;
                QImage moved(px, px, QImage::Format_ARGB32_Premultiplied);
                moved.setDevicePixelRatio(scale);
                QImage whole = moved;
                RingBand::rasterize(moved, path[0].first, path[0].second, palette);
                for (size_t i = 1; i < path.size(); ++i) {
                    const auto [inner, outer] = path[i];
                    RingBand::rasterizeMoved(moved, path[i - 1].first, path[i - 1].second, inner, outer, palette);
                    whole.fill(QColor(1, 2, 3, 4)); // not one pixel may be left from before
                    RingBand::rasterize(whole, inner, outer, palette);
                    ASSERT_EQ(moved, whole) << "dark " << dark << " scale " << scale << " side " << px << " step " << i;
                }
            }
        }
    }
}
