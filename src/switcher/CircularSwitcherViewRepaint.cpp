// What each frame of the switcher repaints: the ring's pose as drawn, and
// the area a change of it touches (the band's moved edges, a settling
// wedge, a turning icon), so that a frame paints and sends no more.

#include "switcher/CircularSwitcherView.h"
#include "switcher/CircularSwitcherViewState.h"

#include "ringkit/CenterAppIcon.h"
#include "ringkit/RingMotion.h"
#include "ringkit/RingPanel.h"
#include "switcher/CircularSwitcherViewModel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace switcher_view;

namespace {
// How far from its middle a wedge's icon can draw, turned any way: the
// circle round its largest square, grown by its blur's margin (points).
double iconReach(double iconBlur)
{
    return (RadialSegmentView::selectedIconSide * RadialSegmentView::selectedIconScale / 2.0 + 3.0 * iconBlur + 2.0)
        * std::numbers::sqrt2;
}
}

// ---- Repaint areas ---------------------------------------------------------------------------

QRegion CircularSwitcherView::movingArea() const
{
    // Without window cards everything drawn lies on the band's disc: only
    // the part this frame draws on, and the part the last one drew on (which
    // must be cleared), is painted again and sent to the display.
    if (!m_fan->cards.empty() || m_oldFan)
        return rect();
    if (m_drawnArea.isEmpty()) {
        // Before the first paint: wherever the ring can ever draw.
        const double scale = std::min(width(), height()) / stageSize;
        return RingEffects::discRegion(QPoint(width() / 2, height() / 2), ringReach() * scale + 1.0).intersected(rect());
    }
    return reachArea() | m_drawnArea;
}

void CircularSwitcherView::repaintMoving()
{
    if (isVisible())
        RingPanel::updateContent(this, movingArea());
}

double CircularSwitcherView::ringReach()
{
    return RingMotion::bandCanvasSize / 2.0 + 2.0 * RingMotion::wheelBlur(false, false) + 8.0;
}

double CircularSwitcherView::ringRadius() const
{
    // Out to the band's rim and its pen, or to the farthest wedge's outline
    // (a point beyond its path) or turned icon, each scaled with its
    // presence; the soft pixels of whatever draws them come on top.
    double radius = m_band.outerRadius() + 0.5;
    for (int i = 0; i < int(m_wedges.size()); ++i) {
        const WedgeDrawn drawn = wedgeDrawn(i);
        if (drawn.opacity <= 0.0)
            continue;
        const RadialSegmentView seg = segment(i);
        const double icon = seg.iconRadius() + iconReach(drawn.iconBlur);
        radius = std::max(radius, std::max(seg.adjustedOuterRadius() + 1.0, icon) * drawn.scale);
    }
    return std::max(radius, CenterIconPainter::reach(m_centreIcon->view().maxTiltAngle) * std::numbers::sqrt2);
}

double CircularSwitcherView::blur() const
{
    const bool rm = reduceMotion();
    return std::max(0.0, mix(RingMotion::wheelBlur(false, rm), RingMotion::wheelBlur(true, rm), m_ring.value()));
}

CircularSwitcherView::WedgeDrawn CircularSwitcherView::wedgeDrawn(int i) const
{
    const bool rm = reduceMotion();
    const double presence = m_wedges[size_t(i)]->presence.value();
    WedgeDrawn d;
    // In the display's steps: a presence settling about 1 draws nothing new.
    d.opacity = std::round(clamp01(presence) * 255.0) / 255.0;
    const double scale = mix(RingMotion::segmentScale(false, rm), RingMotion::segmentScale(true, rm), presence);
    const double sweep = mix(RingMotion::segmentSweep(false, rm), RingMotion::segmentSweep(true, rm), presence);
    // A turn or scale too small to see (under RestTolerance::points at the
    // band's rim, as the ring's own spin) is left out: the layer is then
    // copied instead of resampled.
    constexpr double rim = RingMotion::settledOuterRadius;
    if (std::abs(scale - 1.0) * rim > RestTolerance::points || std::abs(sweep) * rim > RestTolerance::points) {
        d.scale = scale;
        d.sweep = sweep;
    }
    // A finer blur than a point cannot be seen on a moving icon.
    const double blur = std::max(0.0, mix(RingMotion::iconBlur(false, rm), RingMotion::iconBlur(true, rm), presence));
    d.iconBlur = blur >= 1.0 ? RingBlurCache::quantized(blur) : 0.0;
    return d;
}

QTransform CircularSwitcherView::wedgeTransform(const WedgeDrawn& drawn)
{
    QTransform t;
    if (drawn.scale != 1.0 || drawn.sweep != 0.0) {
        const QPointF c(stageSize / 2.0, stageSize / 2.0);
        t.translate(c.x(), c.y());
        t.rotate(degreesOf(drawn.sweep));
        t.scale(drawn.scale, drawn.scale);
        t.translate(-c.x(), -c.y());
    }
    return t;
}

QRect CircularSwitcherView::wedgeArea(int i, const WedgeDrawn& drawn, const QTransform& ring) const
{
    const QPointF c(stageSize / 2.0, stageSize / 2.0);
    const RadialSegmentView seg = segment(i);
    // The outline's bounds are asked for every frame a wedge moves: the path
    // is built once for each shape.
    const quint64 key = (quint64(quint32(seg.wedgeCount())) << 32) | quint32(seg.index);
    const std::array<double, 5> radii {seg.bandInnerRadius, seg.bandOuterRadius, seg.radialGapInner,
                                       seg.radialGapOuter, seg.desiredVisualGap};
    OutlineBounds& outline = m_outlineBounds[key];
    if (outline.bounds.isNull() || outline.radii != radii)
        outline = {radii, seg.path(c).boundingRect()};
    // The wedge's layer holds its outline and a few clear pixels at the
    // coarsest resolution it is drawn at.
    QRectF stage = outline.bounds.adjusted(-8.0, -8.0, 8.0, 8.0);
    const double half = iconReach(drawn.iconBlur) + 3.0;
    const QPointF at = seg.iconCenter(c);
    stage |= QRectF(at.x() - half, at.y() - half, 2.0 * half, 2.0 * half);
    return (wedgeTransform(drawn) * ring).mapRect(stage).toAlignedRect().adjusted(-2, -2, 2, 2);
}

CircularSwitcherView::Pose CircularSwitcherView::pose() const
{
    Pose p;
    p.valid = true;
    const RingPalette palette = RingPalette::current();
    // The ring's presence as drawn: its opacity, its blur while one is
    // drawn and its spin while it can be seen (an overshoot past 1 draws
    // nothing new), and whether it is hidden.
    const bool rm = reduceMotion();
    const double ring = m_ring.value();
    const double spin = mix(RingMotion::wheelSpin(false, rm), RingMotion::wheelSpin(true, rm), ring);
    const double blur = this->blur();
    p.whole = {clamp01(ring), RingBlurLayer::isWanted(blur) ? blur : 0.0,
               std::abs(spin) * RingMotion::settledOuterRadius > RestTolerance::points ? spin : 0.0,
               double(ring <= 0.001 && !isAnimating()), m_fanSwap.value(), m_fanAngle.value(), m_centreSwap.value(),
               double(m_fan->cards.size()), double(m_oldFan != nullptr), double(m_revision),
               double(width()), double(height()), devicePixelRatioF(), double(palette.dark),
               double(palette.reduceTransparency), double(palette.accent.rgba()), double(m_visible)};
    p.bandInner = m_band.innerRadius();
    p.bandOuter = m_band.outerRadius();
    for (int i = 0; i < int(m_wedges.size()); ++i) {
        p.whole.push_back(m_wedges[size_t(i)]->selection.value());
        p.wedges.push_back(wedgeDrawn(i));
        p.turns.push_back(m_wedges[size_t(i)]->spin.value());
    }
    for (const auto& card : m_fan->cards)
        p.whole.push_back(card->selection.value());
    p.tiltX = m_centreIcon->rotationX();
    p.tiltY = m_centreIcon->rotationY();
    return p;
}

QRegion CircularSwitcherView::changedArea() const
{
    const Pose now = pose();
    const Pose& was = m_paintedPose;
    // A blurred ring is drawn as one layer, and window cards reach beyond
    // it: those frames repaint all that moves.
    if (!was.valid || now.whole != was.whole || now.wedges.size() != was.wedges.size()
        || RingBlurLayer::isWanted(blur()) || !m_fan->cards.empty() || m_oldFan)
        return movingArea();
    const double side = std::min(width(), height());
    const double scale = side > 0 ? side / stageSize : 1.0;
    const QPointF c(stageSize / 2.0, stageSize / 2.0);
    const double spin = now.whole[2];
    // Stage to widget, turned as the wedges, icons and centre are drawn.
    QTransform ring;
    ring.translate(width() / 2.0, height() / 2.0);
    ring.scale(scale, scale);
    ring.translate(-c.x(), -c.y());
    if (spin != 0.0) {
        ring.translate(c.x(), c.y());
        ring.rotate(degreesOf(spin));
        ring.translate(-c.x(), -c.y());
    }
    QRegion area;
    // The band's fill stays where it is as its radii spring: only the
    // pixels about the edges that moved change (the edge's pen and soft
    // pixel, and the band's radii rounded to half a pixel while moving).
    const double deviceScale = std::max(0.25, devicePixelRatioF() * scale);
    const double margin = 0.5 + 2.5 / deviceScale;
    const QPoint middle(width() / 2, height() / 2);
    for (const auto& [from, to] : {std::pair(was.bandInner, now.bandInner), std::pair(was.bandOuter, now.bandOuter)}) {
        if (from != to)
            area += RingEffects::ringRegion(middle, (std::min(from, to) - margin) * scale - 1.0,
                                            (std::max(from, to) + margin) * scale + 1.0);
    }
    for (size_t i = 0; i < now.wedges.size(); ++i) {
        if (now.wedges[i] != was.wedges[i]) {
            area += wedgeArea(int(i), now.wedges[i], ring);
            area += wedgeArea(int(i), was.wedges[i], ring);
            continue;
        }
        if (now.turns[i] == was.turns[i])
            continue;
        // An icon turning about its middle.
        const QPointF at = (wedgeTransform(now.wedges[i]) * ring).map(segment(int(i)).iconCenter(c));
        const double r = (iconReach(now.wedges[i].iconBlur) + 3.0) * scale;
        area += QRectF(at.x() - r, at.y() - r, 2.0 * r, 2.0 * r).toAlignedRect();
    }
    if (now.tiltX != was.tiltX || now.tiltY != was.tiltY) {
        // The tile and its shadows, offset with the tilt, turned with the ring.
        const double half = CenterIconPainter::turnedReach(m_centreIcon->view().maxTiltAngle, spin);
        const QPointF at = ring.map(c);
        area += QRectF(at.x() - half * scale, at.y() - half * scale, 2.0 * half * scale, 2.0 * half * scale).toAlignedRect();
    }
    // Nothing is drawn outside the disc the ring reaches.
    return area.intersected(movingArea());
}

QRegion CircularSwitcherView::reachArea() const
{
    const double blur = this->blur();
    // Blurred, the ring spreads as far as its layer's blur reaches.
    const double side = std::min(width(), height());
    const double scale = side > 0 ? side / stageSize : 1.0;
    const double deviceScale = std::max(0.25, devicePixelRatioF() * scale);
    double reach = ringRadius();
    // Sharp, a soft pixel and a pixel of rounding beyond it.
    reach += RingBlurLayer::isWanted(blur) ? RingBlurLayer::spread(blur, deviceScale) : 2.0 / deviceScale;
    reach = std::min(reach, ringReach()) * scale;
    // Everything drawn is round about the middle: the square's corners hold
    // nothing. A pixel more for a middle between pixels.
    return RingEffects::discRegion(QPoint(width() / 2, height() / 2), reach + 1.0).intersected(rect());
}
