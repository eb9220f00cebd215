#include "switcher/SwitcherLayout.h"

#include "platform/Appearance.h"
#include "platform/DisplayPreferences.h"
#include "platform/Platform.h"
#include "ringkit/CenterAppIcon.h"
#include "ringkit/WindowArcCard.h"
#include "switcher/CircularSwitcherViewModel.h"
#include "switcher/SwitcherHitTest.h"

#include <algorithm>
#include <cmath>

using namespace switcher_view;

const QImage& SwitcherLayout::WedgeState::iconAtWidth(int width) const
{
    if (app.icon.isNull() || width <= 0)
        return app.icon;
    if (width != sizedWidth || app.icon.cacheKey() != sizedSource) {
        sizedIcon = RingEffects::withClearEdge(
            app.icon.width() <= width ? app.icon : RingEffects::reducedToWidth(app.icon, width));
        sizedWidth = width;
        sizedSource = app.icon.cacheKey();
    }
    return sizedIcon;
}

bool SwitcherLayout::Fan::sameWindows(const QList<AppWindow>& windows) const
{
    if (windows.size() != qsizetype(cards.size()))
        return false;
    for (qsizetype i = 0; i < windows.size(); ++i) {
        if (windows[i].id != cards[size_t(i)]->window.id)
            return false;
    }
    return true;
}

SwitcherLayout::SwitcherLayout()
    : fan(std::make_unique<Fan>())
{
}

bool SwitcherLayout::reduceMotion() const { return model && model->platform().displayPreferences().reduceMotion(); }

RingPalette SwitcherLayout::palette() const
{
    return RingPalette::current(model && model->platform().appearance().isDark());
}

double SwitcherLayout::selectedAppAngle() const
{
    return SwitcherHitTest::appAngle(selectedIndex, model ? int(model->runningApps().size()) : 0);
}

QRectF SwitcherLayout::cardBounds(const Fan& fan, size_t j) const
{
    QRectF card;
    for (bool selected : { false, true }) {
        WindowArcSegmentView v;
        v.isSelected = selected;
        v.index = int(j);
        v.total = int(fan.cards.size());
        v.arcCenterAngle = angleOf(fan);
        v.radialGapInner = 9.0;
        card |= v.bounds(QPointF(stageSize / 2.0, stageSize / 2.0));
    }
    return card;
}

RadialSegmentView SwitcherLayout::segment(int index) const
{
    RadialSegmentView s = RadialSegmentView::of(index, model ? int(model->runningApps().size()) : 0,
        index == selectedIndex && !selectedWindow, visible, reduceMotion());
    if (model && index >= 0 && index < model->runningApps().size())
        s.app = model->runningApps()[index];
    return s;
}

double SwitcherLayout::ringReach()
{
    return RingMotion::bandCanvasSize / 2.0 + 2.0 * RingMotion::wheelBlur(false, false) + 8.0;
}

double SwitcherLayout::iconReach(double iconBlur)
{
    return (RadialSegmentView::selectedIconSide * RadialSegmentView::selectedIconScale / 2.0 + 3.0 * iconBlur + 2.0)
        * std::numbers::sqrt2;
}

double SwitcherLayout::ringRadius() const
{
    // Out to the band's rim and its pen, or to the farthest wedge's outline
    // (a point beyond its path) or turned icon, each scaled with its
    // presence; the soft pixels of whatever draws them come on top.
    double radius = band.outerRadius() + 0.5;
    for (int i = 0; i < int(wedges.size()); ++i) {
        const WedgeDrawn drawn = wedgeDrawn(i);
        if (drawn.opacity <= 0.0)
            continue;
        const RadialSegmentView seg = segment(i);
        const double icon = seg.iconRadius() + iconReach(drawn.iconBlur);
        radius = std::max(radius, std::max(seg.adjustedOuterRadius() + 1.0, icon) * drawn.scale);
    }
    return std::max(radius, CenterIconPainter::reach(centreIcon->view().maxTiltAngle) * std::numbers::sqrt2);
}

double SwitcherLayout::blur() const
{
    const bool rm = reduceMotion();
    return std::max(0.0, mix(RingMotion::wheelBlur(false, rm), RingMotion::wheelBlur(true, rm), ring.value()));
}

SwitcherLayout::WedgeDrawn SwitcherLayout::wedgeDrawn(int i) const
{
    const bool rm = reduceMotion();
    const double presence = wedges[size_t(i)]->presence.value();
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

QTransform SwitcherLayout::wedgeTransform(const WedgeDrawn& drawn)
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

bool SwitcherLayout::isAnimating() const
{
    if (ring.isAnimating() || band.isAnimating() || fanSwap.isAnimating() || fanAngle.isAnimating()
        || centreSwap.isAnimating())
        return true;
    for (const auto& w : wedges) {
        if (w->presence.isAnimating() || w->spin.isAnimating() || w->selection.isAnimating())
            return true;
    }
    for (const auto& c : fan->cards) {
        if (c->selection.isAnimating())
            return true;
    }
    return false;
}

bool SwitcherLayout::isAtRest() const
{
    // Springs take a while to come to rest after the last visible movement:
    // once everything is within a fraction of a pixel of its target, the ring
    // is drawn from its rest layer.
    if (!visible)
        return false;
    const auto near
        = [](const AnimatedValue& v, double tolerance) { return std::abs(v.value() - v.target()) <= tolerance; };
    if (!near(ring, 0.002) || !near(fanSwap, 0.002) || !near(fanAngle, 0.0005) || !near(centreSwap, 0.01)
        || std::abs(band.innerRadius() - RingMotion::settledInnerRadius) > 0.2
        || std::abs(band.outerRadius() - RingMotion::settledOuterRadius) > 0.2)
        return false;
    for (const auto& w : wedges) {
        if (!near(w->presence, 0.002) || !near(w->spin, 0.002) || !near(w->selection, 0.005))
            return false;
    }
    for (const auto& c : fan->cards) {
        if (!near(c->selection, 0.005))
            return false;
    }
    return true;
}
