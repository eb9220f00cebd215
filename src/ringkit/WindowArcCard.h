#pragma once
// One card of the outer arc: a slab of glass shaped as a segment of the wide
// annulus 196..330 about the stage centre, tinted with the accent colour when
// selected, turned 11 degrees in depth about its own radial centre line, and
// labelled with an optional symbol, the title and an optional hint.
//
// Each card fills exactly the part of the arc where the pointer picks it, so
// no card is drawn over its neighbour. (The
// turn in depth and the perspective both keep every point on its ray from
// the stage centre, so cards apart in angle stay apart as drawn.) A card too
// narrow for its label across it carries the title along its length.

#include "ringkit/RingGlass.h"
#include "ringkit/RingShapes.h"
#include "ringkit/RingText.h"
#include "ringkit/WindowArcGeometry.h"

#include <QIcon>
#include <QString>
#include <QTransform>
#include <utility>
#include <vector>

class QPainter;

class WindowArcSegmentView {
public:
    static constexpr double baseInnerRadius = 196.0;
    static constexpr double baseOuterRadius = 330.0;
    static constexpr double tiltAngle = 0.1919862177193762; // 11 deg
    static constexpr double perspective = 0.55;
    static constexpr double stageSize = 700.0;
    // Between neighbours: none, they abut (their edges and rounded corners
    // part them, and the arc's middle is never a hole).
    static constexpr double cardGap = 0.0;
    static constexpr double minimumLabelWidth = 52.0; // across the card; narrower runs along it

    QString title;
    QIcon icon; // shown above the title when not null
    QString hint; // a small second line when not empty
    bool isSelected = false;
    int index = 0;
    int total = 0;
    double arcCenterAngle = 0.0; // arc angle (0 at 12 o'clock, clockwise)
    double radialGapInner = 0.0;

    WindowArcGeometry geometry() const { return WindowArcGeometry(total); }
    // The angle the card covers: its pick zone's step, less the gap.
    double fullSegmentAngle() const { return geometry().step() - cardGap; }
    // Drawing angle of the card's start: the pick zones' boundaries lie in
    // the middle of the geometry's overlaps, half an overlap on.
    double baseStartAngle() const
    {
        return geometry().startAngle(index, arcCenterAngle) + WindowArcGeometry::hitShift + cardGap / 2.0;
    }
    double centerAngle() const { return baseStartAngle() + fullSegmentAngle() / 2.0; }
    double radialGapOuter() const { return isSelected ? 2.0 : 11.0; }
    double adjustedInnerRadius() const { return baseInnerRadius + radialGapInner; }
    double adjustedOuterRadius() const { return baseOuterRadius - radialGapOuter(); }
    double midRadius() const { return (adjustedInnerRadius() + adjustedOuterRadius()) / 2.0; }
    // Across the card: its width at the mid radius - 12, at most 96. Along
    // it (when that is below 52): the card's length - 24.
    double labelWidth() const;
    bool labelRunsAlong() const;
    RingText::Stack labelStack(const RingPalette& palette) const;
    // How far this card is pushed towards the viewer before it turns.
    double zAnchor() const;

    EnhancedTaperedSegmentShape shape() const;
    // The turn in depth, about the stage centre `stageCenter`.
    QTransform depthTransform(QPointF stageCenter) const;

    // What the card covers once turned, on a stage centred on `stageCenter`.
    QRectF bounds(QPointF stageCenter) const;
    // Draws the card on a stage centred on `stageCenter`.
    void paint(QPainter& painter, QPointF stageCenter, const RingPalette& palette) const;
    // The two parts of the drawing: the slab (glass, edge, accent tint) and
    // the label on it.
    void paintSlab(QPainter& painter, QPointF stageCenter, const RingPalette& palette) const;
    void paintLabel(QPainter& painter, QPointF stageCenter, const RingPalette& palette) const;
};

// Cards drawn as a moving ring draws them every frame. A card's slab looks
// the same at every arc angle, only turned about the stage centre (the turn
// in depth is about the card's own radial line, and the perspective is
// centred on the stage), so each slab is drawn once per look and resolution
// and afterwards turned to where the card stands; the label is drawn on it
// each time, so it stays upright.
class WindowArcCardCache {
public:
    void paint(QPainter& painter, const WindowArcSegmentView& card, QPointF stageCenter, const RingPalette& palette);
    void clear() { m_slabs.clear(); }

private:
    struct Slab {
        quint64 key = 0;
        double angle = 0.0; // the card's centre angle when drawn
        QRectF box; // where the image goes at that angle
        QImage image;
    };
    std::vector<Slab> m_slabs;
};
