#pragma once
// What each frame of the switcher repaints: the ring's pose as drawn, and
// the area a change of it touches (the band's moved edges, a settling
// wedge, a turning icon), so that a frame paints and sends no more.

#include <QHash>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QTransform>
#include <array>
#include <vector>

#include "switcher/SwitcherLayout.h"

class SwitcherRepaint {
public:
    // The widget the ring is drawn on: its size and device pixel ratio.
    struct Viewport {
        QSize size;
        double devicePixelRatio = 1.0;
        QRect rect() const { return { QPoint(), size }; }
        double scale() const;
    };
    // What a frame shows, split into what repaints everything that moves
    // when it changes, and what repaints only where it moved: the band's
    // edges, a wedge, the icons' turns and the centre icon's tilt (the end
    // of an opening, and a pointer moving over a ring at rest).
    struct Pose {
        std::vector<double> whole;
        double bandInner = 0.0, bandOuter = 0.0;
        std::vector<SwitcherLayout::WedgeDrawn> wedges;
        std::vector<double> turns;
        std::vector<double> selections; // each wedge's selection, as drawn
        double centreSwap = 0.0;
        double tiltX = 0.0, tiltY = 0.0;
        bool valid = false;
    };

    explicit SwitcherRepaint(const SwitcherLayout& layout)
        : m_layout(layout)
    {
    }

    Pose pose(const Viewport& view) const;
    // Where the ring now differs from the last frame painted.
    QRegion changedArea(const Viewport& view) const;
    // What can change from one frame to the next.
    QRegion movingArea(const Viewport& view) const;
    // The part of the view this frame's ring can draw on.
    QRegion reachArea(const Viewport& view) const;
    // What this frame can draw on: the ring's disc and the window cards.
    QRegion drawableArea(const Viewport& view) const;

    // A frame was painted over `painted`, showing `shown`.
    void painted(const Viewport& view, const QRegion& painted, const Pose& shown);
    // Forgets what the last frame drew (a hidden window is painted whole).
    void forgetDrawn() { m_drawnArea = QRegion(); }

private:
    // Where wedge `i` and its icon can draw when drawn as `drawn`, under
    // `ring` (stage to widget).
    QRect wedgeArea(int i, const SwitcherLayout::WedgeDrawn& drawn, const QTransform& ring) const;
    // What can change, given what this frame can draw on.
    QRegion movingArea(const Viewport& view, const QRegion& drawable) const;
    // Where the ring posed as `now` differs from the last frame painted.
    QRegion changedArea(const Viewport& view, const Pose& now) const;
    // Where the window cards can draw, each card as plain and as selected,
    // blurred with the ring while it is: they reach beyond the ring's disc.
    QRegion cardArea(const Viewport& view) const;

    const SwitcherLayout& m_layout;
    QRegion m_drawnArea; // what the last paint could have drawn on; empty before the first
    Pose m_paintedPose;
    struct OutlineBounds {
        std::array<double, 5> radii; // the band's and the gaps the outline was built for
        QRectF bounds;
    };
    mutable QHash<quint64, OutlineBounds> m_outlineBounds; // each wedge's outline's bounds, by index and count
};
