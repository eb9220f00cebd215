#pragma once
// The two outlines every ring is drawn with, and the glass band.
//
// Angles here are drawing angles in radians: 0 points right (+x) and angles
// grow towards +y, clockwise on screen. A point at angle t on a circle of
// radius r about C is C + r (cos t, sin t). Lengths are points. Both shapes
// take the centre of the rectangle they are given as the ring centre.

#include "ringkit/RingAnimation.h"
#include "ringkit/RingGlass.h"

#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

// A plain annulus (the band).
struct RingShape {
    double innerRadius = 0.0;
    double outerRadius = 0.0;

    // Outer circle clockwise, inner circle back anticlockwise, joined at angle 0:
    // the non-zero fill leaves the hole empty. The outer edge is limited to the
    // rectangle, the hole is always at least one point smaller than the edge.
    QPainterPath path(const QRectF& rect) const;
};

// An annular sector whose outer and inner arcs may span different angles (so
// it tapers towards the centre), inset by radial gaps, with four rounded
// corners whose radius is clamped by the segment's thickness and arc lengths.
struct EnhancedTaperedSegmentShape {
    struct CornerClamp {
        double radial = 4.0;
        double outerArc = 6.0;
        double innerArc = 6.0;
    };

    double outerStartAngle = 0.0;
    double outerEndAngle = 0.0;
    double innerStartAngle = 0.0;
    double innerEndAngle = 0.0;
    double outerRadialGap = 0.0;
    double innerRadialGap = 0.0;
    double baseInnerRadius = 0.0;
    double baseOuterRadius = 0.0;
    double cornerRadius = 12.0;
    CornerClamp cornerClamp {};

    double adjustedOuterRadius() const { return baseOuterRadius - outerRadialGap; }
    double adjustedInnerRadius() const { return baseInnerRadius + innerRadialGap; }
    // The corner radius actually used: cornerRadius capped by the clamps.
    double effectiveCornerRadius() const;

    QPainterPath path(const QRectF& rect) const;

    // Wedge `index` of `total` equal wedges starting at 12 o'clock, separated
    // by `visualGap` points of arc length at both edges (so it tapers).
    static EnhancedTaperedSegmentShape wedge(int index, int total, double bandInnerRadius, double bandOuterRadius,
        double radialGapOuter, double radialGapInner, double visualGap);
};

// One of a ring's equal wedges filling the band: wedge `index` of the
// wedge type's count, the first starting at 12 o'clock, separated from its
// neighbours by the same number of points of arc at the inner and the outer
// edge (so it tapers), inset from the band's edges by radial gaps. Drawn on
// a `frameSide`-point square centred on the ring centre. `Wedge` supplies
// `wedgeCount()`, the number of wedges in the ring (at least one is used).
template <class Wedge> struct RingWedgeGeometry {
    static constexpr double frameSide = 380.0; // the band's outer diameter

    bool isSelected = false;
    int index = 0;
    bool isVisible = true;
    bool reduceMotion = false;
    double bandInnerRadius = 60.0;
    double bandOuterRadius = 190.0;
    double radialGapOuter = 6.0;
    double radialGapInner = 4.0;
    double desiredVisualGap = 8.0;

    double adjustedInnerRadius() const { return bandInnerRadius + radialGapInner; }
    double adjustedOuterRadius() const { return bandOuterRadius - radialGapOuter; }
    double fullSegmentAngle() const
    {
        return 2.0 * std::numbers::pi / double(std::max(static_cast<const Wedge&>(*this).wedgeCount(), 1));
    }
    double baseStartAngle() const { return fullSegmentAngle() * double(index) - std::numbers::pi / 2.0; }
    // Half the gap between neighbours, as an angle at either edge.
    double innerGapAngle() const { return desiredVisualGap / adjustedInnerRadius() / 2.0; }
    double outerGapAngle() const { return desiredVisualGap / adjustedOuterRadius() / 2.0; }
    double innerStartAngle() const { return baseStartAngle() + innerGapAngle(); }
    double innerEndAngle() const { return baseStartAngle() + fullSegmentAngle() - innerGapAngle(); }
    double outerStartAngle() const { return baseStartAngle() + outerGapAngle(); }
    double outerEndAngle() const { return baseStartAngle() + fullSegmentAngle() - outerGapAngle(); }
    double centerAngle() const { return baseStartAngle() + fullSegmentAngle() / 2.0; }
    // Halfway between the wedge's inner and outer edge.
    double midRadius() const { return (adjustedInnerRadius() + adjustedOuterRadius()) / 2.0; }

    EnhancedTaperedSegmentShape shape() const
    {
        return EnhancedTaperedSegmentShape::wedge(index, static_cast<const Wedge&>(*this).wedgeCount(), bandInnerRadius,
            bandOuterRadius, radialGapOuter, radialGapInner, desiredVisualGap);
    }
    // The wedge's outline on a stage centred on `centre`.
    QPainterPath path(QPointF centre) const
    {
        const double h = frameSide / 2.0;
        return shape().path(QRectF(centre.x() - h, centre.y() - h, frameSide, frameSide));
    }
    // The wedge's middle (mid radius on its centre line) on a stage centred on `centre`.
    QPointF midPoint(QPointF centre) const
    {
        const double a = centerAngle(), r = midRadius();
        return { centre.x() + r * std::cos(a), centre.y() + r * std::sin(a) };
    }
};

// The translucent annulus behind the segments: glass cut to a ring, a faint
// white gradient and a hairline edge. Its radii may animate with a curve.
// Drawn from a cached image while nothing about it changes.
class RingBand {
public:
    RingBand(double innerRadius = 60.0, double outerRadius = 190.0);

    // Sets the radii, animated with `bandMotion` when given, else at once.
    void setRadii(double innerRadius, double outerRadius, std::optional<RingAnimation> bandMotion = std::nullopt);
    double innerRadius() const { return m_inner.value(); }
    double outerRadius() const { return m_outer.value(); }
    bool isAnimating() const { return m_inner.isAnimating() || m_outer.isAnimating(); }

    // Draws the band centred on `centre` in the painter's coordinates. With
    // `reuse`, a band whose radii moved is updated in its cached image only
    // about its edges; without, it is computed whole.
    void paint(QPainter& painter, QPointF centre, const RingPalette& palette, bool reuse = true) const;
    // Frees the cached image; the next paint computes it whole.
    void releaseCache() const
    {
        m_cache = QImage();
        m_cacheKey = CacheKey();
    }
    // The same drawing without the cache (for one-off renders and tests).
    static void paintDirect(
        QPainter& painter, QPointF centre, double innerRadius, double outerRadius, const RingPalette& palette);
    // The same drawing computed pixel by pixel into `image` (cleared first),
    // centred on its middle at its device pixel ratio: each pixel takes the
    // share of it the band and its edge lines cover, as the painter's
    // antialiasing does. Stays on the calling thread.
    static void rasterize(QImage& image, double innerRadius, double outerRadius, const RingPalette& palette);
    // The same for `image` already holding the band of `previousInner` to
    // `previousOuter` (same size, resolution and palette): only the pixels
    // near either band's edges are computed again, the glass between them
    // and the clear hole and corners being the same for both.
    static void rasterizeMoved(QImage& image, double previousInner, double previousOuter, double innerRadius,
        double outerRadius, const RingPalette& palette);

private:
    AnimatedValue m_inner;
    AnimatedValue m_outer;
    struct CacheKey {
        double inner = -1, outer = -1, scale = 0;
        RingPalette palette;
        bool operator==(const CacheKey&) const = default;
    };
    mutable CacheKey m_cacheKey;
    mutable QImage m_cache;
};
