#pragma once
// One card of the outer arc: a slab of glass shaped as a segment of the wide
// annulus 196..330 about the stage centre, shaded where the card before it
// lies over it, tinted with the accent colour when selected, turned 11
// degrees in depth about its own radial centre line, and labelled with an
// optional symbol, the title and an optional hint.
//
// The cards fan out: each covers its step of the arc and reaches the
// geometry's overlap further, under the card before it (earlier cards lie
// above later ones).

#include "ringkit/RingGlass.h"
#include "ringkit/RingShapes.h"
#include "ringkit/RingText.h"
#include "ringkit/WindowArcGeometry.h"

#include <QGradient>
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
    static constexpr double minimumLabelWidth = 52.0;
    static constexpr double maximumLabelWidth = 96.0;

    QString title;
    QIcon icon; // shown above the title when not null
    QString hint; // a small second line when not empty
    bool isSelected = false;
    int index = 0;
    int total = 0;
    double arcCenterAngle = 0.0; // arc angle (0 at 12 o'clock, clockwise)
    double radialGapInner = 0.0;

    WindowArcGeometry geometry() const { return WindowArcGeometry(total); }
    // The angle the card covers: its step and the overlap under the card before it.
    double fullSegmentAngle() const { return geometry().cardCoverage(); }
    // Drawing angle of the card's start.
    double baseStartAngle() const { return geometry().startAngle(index, arcCenterAngle); }
    double centerAngle() const { return baseStartAngle() + fullSegmentAngle() / 2.0; }
    double radialGapOuter() const { return isSelected ? 2.0 : 11.0; }
    double adjustedInnerRadius() const { return baseInnerRadius + radialGapInner; }
    double adjustedOuterRadius() const { return baseOuterRadius - radialGapOuter(); }
    double midRadius() const { return (adjustedInnerRadius() + adjustedOuterRadius()) / 2.0; }
    // The step's width at the mid radius - 14, within 52..96.
    double labelWidth() const;
    RingText::Stack labelStack(const RingPalette& palette) const;
    // The shade's stops along the card, 0 at its start and 1 at its end: none
    // on the first card; on the others the seam stops, from full strength
    // where the card before it ends to clear at twice that.
    QGradientStops seamShadeStops() const;
    // How far this card is pushed towards the viewer before it turns.
    double zAnchor() const;

    EnhancedTaperedSegmentShape shape() const;
    // The turn in depth, about the stage centre `stageCenter`.
    QTransform depthTransform(QPointF stageCenter) const;

    // What the card covers once turned, on a stage centred on `stageCenter`.
    QRectF bounds(QPointF stageCenter) const;
    // Draws the card on a stage centred on `stageCenter`.
    void paint(QPainter& painter, QPointF stageCenter, const RingPalette& palette) const;
    // The two parts of the drawing: the slab (glass, seam shade, accent
    // tint) and the label on it.
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
