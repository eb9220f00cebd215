#include "switcher/SwitcherRepaint.h"

#include "ringkit/CenterAppIcon.h"
#include "ringkit/RingMotion.h"
#include "ringkit/WindowArcCard.h"

#include <algorithm>
#include <cmath>

using namespace switcher_view;

namespace {
constexpr double stageSize = SwitcherLayout::stageSize;
}

double SwitcherRepaint::Viewport::scale() const
{
    const double side = std::min(size.width(), size.height());
    return side > 0 ? side / stageSize : 1.0;
}

QRegion SwitcherRepaint::movingArea(const Viewport& view) const { return movingArea(view, drawableArea(view)); }

QRegion SwitcherRepaint::movingArea(const Viewport& view, const QRegion& drawable) const
{
    // Everything drawn lies on the band's disc or on a window card: only
    // the part this frame draws on, and the part the last one drew on (which
    // must be cleared), is painted again and sent to the display.
    if (m_drawnArea.isEmpty()) {
        // Before the first paint: wherever the ring can ever draw.
        const double scale = std::min(view.size.width(), view.size.height()) / stageSize;
        return (RingEffects::discRegion(
                    QPoint(view.size.width() / 2, view.size.height() / 2), SwitcherLayout::ringReach() * scale + 1.0)
            | cardArea(view))
            .intersected(view.rect());
    }
    return drawable | m_drawnArea;
}

QRegion SwitcherRepaint::drawableArea(const Viewport& view) const { return reachArea(view) | cardArea(view); }

QRegion SwitcherRepaint::cardArea(const Viewport& view) const
{
    const SwitcherLayout& l = m_layout;
    if (l.fan->cards.empty() && !l.oldFan)
        return {};
    const double scale = view.scale();
    const double deviceScale = std::max(0.25, view.devicePixelRatio * scale);
    const double blur = l.blur();
    // A soft pixel and a pixel of rounding, or the blur's spread.
    const double spread = RingBlurLayer::isWanted(blur) ? RingBlurLayer::spread(blur, deviceScale) : 2.0 / deviceScale;
    const bool rm = l.reduceMotion();
    const double spin = mix(RingMotion::wheelSpin(false, rm), RingMotion::wheelSpin(true, rm), l.ring.value());
    const QPointF c(stageSize / 2.0, stageSize / 2.0);
    QTransform ring;
    ring.translate(view.size.width() / 2.0, view.size.height() / 2.0);
    ring.scale(scale, scale);
    ring.translate(-c.x(), -c.y());
    ring.translate(c.x(), c.y());
    ring.rotate(degreesOf(spin));
    ring.translate(-c.x(), -c.y());
    std::vector<QRect> rects;
    for (const SwitcherLayout::Fan* fan : { l.fan.get(), l.oldFan.get() }) {
        if (!fan)
            continue;
        for (size_t j = 0; j < fan->cards.size(); ++j) {
            const QRectF card = l.cardBounds(*fan, j);
            rects.push_back(
                ring.mapRect(card.adjusted(-spread, -spread, spread, spread)).toAlignedRect().adjusted(-1, -1, 1, 1));
        }
    }
    QRegion area;
    for (const QRect& r : rects)
        area += r;
    return area.intersected(view.rect());
}

QRect SwitcherRepaint::wedgeArea(int i, const SwitcherLayout::WedgeDrawn& drawn, const QTransform& ring) const
{
    const QPointF c(stageSize / 2.0, stageSize / 2.0);
    const RadialSegmentView seg = m_layout.segment(i);
    // The outline's bounds are asked for every frame a wedge moves: the path
    // is built once for each shape.
    const quint64 key = (quint64(quint32(seg.wedgeCount())) << 32) | quint32(seg.index);
    const std::array<double, 5> radii { seg.bandInnerRadius, seg.bandOuterRadius, seg.radialGapInner,
        seg.radialGapOuter, seg.desiredVisualGap };
    OutlineBounds& outline = m_outlineBounds[key];
    if (outline.bounds.isNull() || outline.radii != radii)
        outline = { radii, seg.path(c).boundingRect() };
    // The wedge's layer holds its outline and a few clear pixels at the
    // coarsest resolution it is drawn at.
    QRectF stage = outline.bounds.adjusted(-8.0, -8.0, 8.0, 8.0);
    const double half = SwitcherLayout::iconReach(drawn.iconBlur) + 3.0;
    const QPointF at = seg.iconCenter(c);
    stage |= QRectF(at.x() - half, at.y() - half, 2.0 * half, 2.0 * half);
    return (SwitcherLayout::wedgeTransform(drawn) * ring).mapRect(stage).toAlignedRect().adjusted(-2, -2, 2, 2);
}

SwitcherRepaint::Pose SwitcherRepaint::pose(const Viewport& view) const
{
    const SwitcherLayout& l = m_layout;
    Pose p;
    p.valid = true;
    const RingPalette palette = l.palette();
    // The ring's presence as drawn: its opacity, its blur while one is
    // drawn and its spin while it can be seen (an overshoot past 1 draws
    // nothing new), and whether it is hidden.
    const bool rm = l.reduceMotion();
    const double ring = l.ring.value();
    const double spin = mix(RingMotion::wheelSpin(false, rm), RingMotion::wheelSpin(true, rm), ring);
    const double blur = l.blur();
    p.whole = { clamp01(ring), RingBlurLayer::isWanted(blur) ? blur : 0.0,
        std::abs(spin) * RingMotion::settledOuterRadius > RestTolerance::points ? spin : 0.0,
        double(ring <= 0.001 && !l.isAnimating()), l.fanSwap.value(), l.fanAngle.value(), double(l.selectedIndex),
        double(l.selectedWindow.value_or(-1)), double(l.fan->cards.size()), double(l.oldFan != nullptr),
        double(l.revision), double(view.size.width()), double(view.size.height()), view.devicePixelRatio,
        double(palette.dark), double(palette.reduceTransparency), double(palette.accent.rgba()), double(l.visible) };
    p.bandInner = l.band.innerRadius();
    p.bandOuter = l.band.outerRadius();
    for (int i = 0; i < int(l.wedges.size()); ++i) {
        // Which side of half way decides whether a wedge is drawn above the others.
        const double selection = l.wedges[size_t(i)]->selection.value();
        p.whole.push_back(double(selection >= 0.5));
        p.selections.push_back(selection);
        p.wedges.push_back(l.wedgeDrawn(i));
        p.turns.push_back(l.wedges[size_t(i)]->spin.value());
    }
    for (const auto& card : l.fan->cards)
        p.whole.push_back(card->selection.value());
    p.centreSwap = l.centreSwap.value();
    p.tiltX = l.centreIcon->rotationX();
    p.tiltY = l.centreIcon->rotationY();
    return p;
}

QRegion SwitcherRepaint::changedArea(const Viewport& view) const { return changedArea(view, pose(view)); }

QRegion SwitcherRepaint::changedArea(const Viewport& view, const Pose& now) const
{
    const Pose& was = m_paintedPose;
    // A blurred ring is drawn as one layer, and window cards reach beyond
    // it: those frames repaint all that moves.
    if (!was.valid || now.whole != was.whole || now.wedges.size() != was.wedges.size()
        || RingBlurLayer::isWanted(m_layout.blur()) || !m_layout.fan->cards.empty() || m_layout.oldFan)
        return movingArea(view);
    const int width = view.size.width(), height = view.size.height();
    const double scale = view.scale();
    const QPointF c(stageSize / 2.0, stageSize / 2.0);
    const double spin = now.whole[2];
    // Stage to widget, turned as the wedges, icons and centre are drawn.
    QTransform ring;
    ring.translate(width / 2.0, height / 2.0);
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
    const double deviceScale = std::max(0.25, view.devicePixelRatio * scale);
    const double margin = 0.5 + 2.5 / deviceScale;
    const QPoint middle(width / 2, height / 2);
    for (const auto& [from, to] :
        { std::pair(was.bandInner, now.bandInner), std::pair(was.bandOuter, now.bandOuter) }) {
        if (from != to)
            area += RingEffects::ringRegion(
                middle, (std::min(from, to) - margin) * scale - 1.0, (std::max(from, to) + margin) * scale + 1.0);
    }
    for (size_t i = 0; i < now.wedges.size(); ++i) {
        // A look between plain and selected changes the wedge and its icon's size.
        if (now.wedges[i] != was.wedges[i] || now.selections[i] != was.selections[i]) {
            area += wedgeArea(int(i), now.wedges[i], ring);
            area += wedgeArea(int(i), was.wedges[i], ring);
            continue;
        }
        if (now.turns[i] == was.turns[i])
            continue;
        // An icon turning about its middle.
        const QPointF at
            = (SwitcherLayout::wedgeTransform(now.wedges[i]) * ring).map(m_layout.segment(int(i)).iconCenter(c));
        const double r = (SwitcherLayout::iconReach(now.wedges[i].iconBlur) + 3.0) * scale;
        area += QRectF(at.x() - r, at.y() - r, 2.0 * r, 2.0 * r).toAlignedRect();
    }
    if (now.tiltX != was.tiltX || now.tiltY != was.tiltY || now.centreSwap != was.centreSwap) {
        // The tile and its shadows, offset with the tilt, turned with the
        // ring; or the two icons of a cross-fade.
        const double half = CenterIconPainter::turnedReach(m_layout.centreIcon->view().maxTiltAngle, spin);
        const QPointF at = ring.map(c);
        area += QRectF(at.x() - half * scale, at.y() - half * scale, 2.0 * half * scale, 2.0 * half * scale)
                    .toAlignedRect();
    }
    // Nothing is drawn outside the disc the ring reaches.
    return area.intersected(movingArea(view));
}

QRegion SwitcherRepaint::reachArea(const Viewport& view) const
{
    const double blur = m_layout.blur();
    // Blurred, the ring spreads as far as its layer's blur reaches.
    const double scale = view.scale();
    const double deviceScale = std::max(0.25, view.devicePixelRatio * scale);
    double reach = m_layout.ringRadius();
    // Sharp, a soft pixel and a pixel of rounding beyond it.
    reach += RingBlurLayer::isWanted(blur) ? RingBlurLayer::spread(blur, deviceScale) : 2.0 / deviceScale;
    reach = std::min(reach, SwitcherLayout::ringReach()) * scale;
    // Everything drawn is round about the middle: the square's corners hold
    // nothing. A pixel more for a middle between pixels.
    return RingEffects::discRegion(QPoint(view.size.width() / 2, view.size.height() / 2), reach + 1.0)
        .intersected(view.rect());
}

void SwitcherRepaint::painted(const Viewport& view, const QRegion& painted, const Pose& shown)
{
    // The frame counts as shown only when it covers all that moved since
    // the last one; otherwise the next frame repaints from that one again
    // (it came late, or the state changed meanwhile). What changed lies
    // within what moves: a frame covering all that moves covers it.
    const QRegion drawn = drawableArea(view);
    const bool partial = !(movingArea(view, drawn) - painted).isEmpty();
    const bool complete = !partial || (changedArea(view, shown) - painted).isEmpty();
    m_drawnArea = partial ? (m_drawnArea | drawn) : drawn;
    if (complete)
        m_paintedPose = shown;
}
