#pragma once
// One application's wedge of the switcher ring.

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include "ringkit/RingShapes.h"
#include "ringkit/RunningApp.h"

class QPainter;

// One application's wedge: an EnhancedTaperedSegmentShape filling the band,
// separated from its neighbours by the same number of points at the inner and
// the outer edge, with the application's icon in its middle. Angles are
// drawing angles in radians (0 at 3 o'clock, clockwise on screen); wedge 0
// starts at 12 o'clock.
struct RadialSegmentView : RingWedgeGeometry<RadialSegmentView> {
    RunningApp app;
    int totalApps = 1;

    static constexpr double selectedIconSide = 64.0;
    static constexpr double iconSide = 48.0;
    static constexpr double selectedIconScale = 1.1;

    // Wedge `index` of `total` with the switcher's gaps (the app left empty).
    static RadialSegmentView of(int index, int total, bool selected, bool visible, bool reduceMotion);

    int wedgeCount() const { return totalApps; }
    // Distance of the icon's centre from the ring centre: the middle of the wedge.
    double iconRadius() const { return midRadius(); }
    QPointF iconCenter(QPointF centre) const { return midPoint(centre); }
    // The icon's square (unscaled side: 64 selected, 48 otherwise).
    QRectF iconRect(QPointF centre) const;
    // Whether a click at `p` lands on the wedge or its icon.
    bool contains(QPointF p, QPointF centre) const;

    // The wedge's fill and stroke; `selection` runs from 0 (plain) to 1
    // (selected), so the look can move between the two.
    static void paintShape(QPainter& painter, const QPainterPath& path, QRectF frame, double selection, bool dark);
    // Fill, stroke and icon, settled, with isSelected's look.
    void paint(QPainter& painter, QPointF centre, bool dark) const;
};
