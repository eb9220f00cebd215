#include "switcher/CircularSwitcherView.h"
#include "switcher/CircularSwitcherViewState.h"

#include "ringkit/CenterAppIcon.h"
#include "switcher/CircularSwitcherViewModel.h"
#include "ringkit/RingMotion.h"
#include "ringkit/WindowArcCard.h"

#include <QPainterPath>
#include <QPainter>
#include <numbers>
#include <algorithm>
#include <cmath>

using namespace switcher_view;

// ---- Drawing -----------------------------------------------------------------------------------

void CircularSwitcherView::prerender(double devicePixelRatio)
{
    if (!m_model || m_visible)
        return;
    // Hidden, a motion in flight (the selection following the model) shows
    // nothing: it is brought to its end first.
    if (isAnimating())
        syncAll(false);
    const bool rm = reduceMotion();
    m_visible = true;
    m_ring.setValue(1.0);
    m_band.setRadii(RingMotion::bandInnerRadius(true, rm), RingMotion::bandOuterRadius(true, rm));
    for (auto& w : m_wedges) {
        w->presence.setValue(1.0);
        w->spin.setValue(1.0);
    }
    const double dpr = std::max(1.0, devicePixelRatio);
    QImage image(QSize(std::max(1, int(std::ceil(width() * dpr))), std::max(1, int(std::ceil(height() * dpr)))),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    const auto paintOnce = [&] {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paintRing(painter);
    };
    paintOnce();
    // The first frames of a showing: blurred while the ring opens (at a
    // quarter and at half the resolution), then sharp with every part
    // moving. Painted once here, their layers and buffers are ready for the
    // first showing.
    m_paintsMoving = true;
    // The very first, with the band at its widest and the blur at its
    // most, is the largest the blurred layer and its enlargement grow to:
    // their memory is taken here, not page by page in the first showing.
    m_band.setRadii(RingMotion::bandInnerRadius(false, rm), RingMotion::bandOuterRadius(false, rm));
    for (const double pose : {0.02, 0.3, 0.88, 0.97}) {
        m_ring.setValue(pose);
        for (auto& w : m_wedges) {
            w->presence.setValue(pose);
            w->spin.setValue(pose);
        }
        paintOnce();
        m_band.setRadii(RingMotion::bandInnerRadius(true, rm), RingMotion::bandOuterRadius(true, rm));
    }
    m_paintsMoving = false;
    // Every wedge's plain and selected look, at each resolution an opening
    // draws them with (blurred at a quarter and at half of the device's),
    // whichever wedge the showing selects: drawing a look uses Qt's
    // thread pool, which a showing keeps clear of.
    const RingPalette palette = RingPalette::current();
    const double scale = std::min(width(), height()) / stageSize;
    for (int i = 0; i < int(m_wedges.size()); ++i) {
        for (const double look : {0.0, 1.0}) {
            for (const double resolution : {0.25, 0.5, dpr * scale}) {
                QRectF box;
                (void)wedgeLook(i, look, resolution, palette, box);
            }
        }
    }
    // The layer of the settled ring is made again for the showing's own list.
    m_restLayer.clear();
    m_visible = false;
    m_ring.setValue(0.0);
    m_band.setRadii(RingMotion::bandInnerRadius(false, rm), RingMotion::bandOuterRadius(false, rm));
    for (auto& w : m_wedges) {
        w->presence.setValue(0.0);
        w->spin.setValue(0.0);
    }
}

void CircularSwitcherView::paintEvent(QPaintEvent* event)
{
    // The frame counts as shown only when it covers all that moved since
    // the last one; otherwise the next frame repaints from that one again
    // (it came late, or the state changed meanwhile).
    const Pose shown = pose();
    const bool complete = (changedArea() - event->region()).isEmpty();
    const bool partial = !(movingArea() - event->region()).isEmpty();
    {
        QPainter painter(this);
        paintRing(painter);
    }
    // Window cards reach beyond the ring: a frame after them clears them all.
    const QRegion drawn = m_fan->cards.empty() && !m_oldFan ? reachArea() : QRegion(rect());
    m_drawnArea = partial ? (m_drawnArea | drawn) : drawn;
    if (complete)
        m_paintedPose = shown;
    m_pacer.painted(blur());
}

void CircularSwitcherView::paintRing(QPainter& p) const
{
    if (!m_model)
        return;
    const double ring = m_ring.value();
    if (ring <= 0.001 && !isAnimating())
        return; // hidden: the panel stays clear
    const bool rm = reduceMotion();
    const RingPalette palette = RingPalette::current();
    const double side = std::min(width(), height());
    const double scale = side > 0 ? side / stageSize : 1.0;
    const double dpr = p.device() ? p.device()->devicePixelRatioF() : devicePixelRatioF();
    const double spin = mix(RingMotion::wheelSpin(false, rm), RingMotion::wheelSpin(true, rm), ring);
    const double blur = this->blur();

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.translate(width() / 2.0, height() / 2.0);
    p.scale(scale, scale);
    p.translate(-stageSize / 2.0, -stageSize / 2.0);
    const QPointF c(stageSize / 2.0, stageSize / 2.0);
    const auto turn = [&](QPainter& q) {
        // A turn too small to see (under RestTolerance::points at the band's
        // rim) is left out: images are then copied, not resampled.
        if (std::abs(spin) * RingMotion::settledOuterRadius <= RestTolerance::points)
            return;
        q.translate(c);
        q.rotate(degreesOf(spin));
        q.translate(-c);
    };

    if (RingBlurLayer::isWanted(blur)) {
        // The whole ring blurred, turned inside the small layer so that the
        // enlargement is a plain scaling. Only the ring's square and the
        // cards hold anything.
        const double reach = ringRadius();
        QRectF content(c.x() - reach, c.y() - reach, 2.0 * reach, 2.0 * reach);
        for (const Fan* fan : {m_fan.get(), m_oldFan.get()}) {
            if (!fan)
                continue;
            const double angle = fan == m_fan.get() ? m_fanAngle.value() : fan->frozenAngle;
            for (size_t j = 0; j < fan->cards.size(); ++j) {
                for (bool selected : {false, true}) {
                    WindowArcSegmentView v;
                    v.isSelected = selected;
                    v.index = int(j);
                    v.total = int(fan->cards.size());
                    v.arcCenterAngle = angle;
                    v.radialGapInner = 9.0;
                    content |= v.bounds(c);
                }
            }
        }
        m_blurLayer.draw(p, content, blur, dpr * scale, [&](QPainter& lp, double layerScale) {
            paintStage(lp, palette, layerScale, turn, true);
        });
    } else {
        // Sharp, the spin is a third of a degree at most: the band, a ring,
        // looks the same turned by it, and is copied rather than resampled.
        paintStage(p, palette, dpr * scale, turn, false);
    }
    p.restore();
    m_paintedAtRest = !m_paintsMoving && isAtRest();
}

void CircularSwitcherView::paintStage(QPainter& p, const RingPalette& palette, double deviceScale,
                                      const std::function<void(QPainter&)>& turn, bool bandTurns) const
{
    if (bandTurns)
        turn(p);
    const QPointF c(stageSize / 2.0, stageSize / 2.0);
    const quint64 restKey = (m_revision << 8) ^ (palette.dark ? 1u : 0u) ^ (palette.reduceTransparency ? 2u : 0u)
        ^ (quint64(palette.accent.rgba()) << 32);
    if (!m_paintsMoving && isAtRest()
        && (m_paintedAtRest || m_restLayer.holds(restKey, QSizeF(stageSize, stageSize), deviceScale))) {
        // At rest only the centre icon moves (it follows the pointer): the
        // band, the wedges and the cards come from one layer, drawn for the
        // second frame at rest (a ring that comes to rest and stays still
        // paints one frame at rest and never needs it).
        const QImage& layer = m_restLayer.layer(restKey, QSizeF(stageSize, stageSize),
                                                deviceScale, [&](QPainter& lp) {
                                                    lp.setRenderHint(QPainter::Antialiasing, true);
                                                    lp.setRenderHint(QPainter::SmoothPixmapTransform, true);
                                                    m_band.paint(lp, c, palette);
                                                    paintWedges(lp, palette, deviceScale);
                                                    paintFan(lp, *m_fan, 1.0, palette);
                                                });
        RingEffects::drawImageInBands(p, QRectF(0, 0, stageSize, stageSize), layer);
        paintCenter(p);
        return;
    }
    const double ringOpacity = clamp01(m_ring.value());
    // 1a. The band fades with the ring while its radii follow their own spring.
    if (ringOpacity > 0.0) {
        p.save();
        p.setOpacity(ringOpacity);
        m_band.paint(p, c, palette);
        p.restore();
    }
    if (!bandTurns)
        turn(p);
    // 1b. The wedges.
    paintWedges(p, palette, deviceScale);
    // 1c. The window fan, cross-faded when its list changes.
    const double swap = clamp01(m_fanSwap.value());
    if (m_oldFan && swap < 1.0)
        paintFan(p, *m_oldFan, ringOpacity * (1.0 - swap), palette);
    paintFan(p, *m_fan, ringOpacity * swap, palette);
    // 1d. The centre icon.
    paintCenter(p);
}

const QImage& CircularSwitcherView::wedgeLook(int i, double quantized, double deviceScale, const RingPalette& palette,
                                              QRectF& box) const
{
    const QPointF c(stageSize / 2.0, stageSize / 2.0);
    const double h = RadialSegmentView::frameSide / 2.0;
    const QRectF frame(c.x() - h, c.y() - h, RadialSegmentView::frameSide, RadialSegmentView::frameSide);
    const int n = int(m_wedges.size());
    const QPainterPath path = segment(i).path(c);
    // The layer's resolution follows the device, not the wedge's scale
    // (which only springs around 1), so it is drawn once per look.
    const double sharp = std::max(0.25, std::round(deviceScale * 4.0) / 4.0);
    // Room for the outline and a clear pixel all round.
    const double pad = 2.0 + 1.5 / sharp;
    // On whole pixels of the layer, so that a wedge standing still is copied.
    box = RingEffects::outwardToPixels(path.boundingRect().adjusted(-pad, -pad, pad, pad), sharp);
    const quint64 key = quint64(quantized * 32.0) | quint64(palette.dark ? 64 : 0) | (quint64(n) << 8) | (quint64(i) << 20);
    // The plain and the selected look are kept across showings (the
    // wedges of the same count are the same shapes); the looks in
    // between only while this showing's selection moves.
    RingLayerCache* cache = &m_wedges[size_t(i)]->shapeLayer;
    if (quantized == 0.0 || quantized == 1.0) {
        // Also by resolution: an opening ring draws them small while blurred.
        const quint64 kept = key | (quint64(std::min(63.0, sharp * 4.0)) << 40);
        if (m_wedgeLayers.size() >= 160 && !m_wedgeLayers.contains(kept))
            m_wedgeLayers.clear();
        cache = &m_wedgeLayers[kept];
    }
    return cache->layer(key, box.size(), sharp, [&](QPainter& lp) {
        lp.translate(-box.topLeft());
        RadialSegmentView::paintShape(lp, path, frame, quantized, palette.dark);
    });
}

void CircularSwitcherView::paintWedges(QPainter& p, const RingPalette& palette, double deviceScale) const
{
    const QPointF c(stageSize / 2.0, stageSize / 2.0);
    const int n = int(m_wedges.size());
    if (n == 0)
        return;
    const bool rm = reduceMotion();

    // z-order: by index, the selected wedge on top.
    std::vector<int> order;
    for (int i = 0; i < n; ++i) {
        if (m_wedges[size_t(i)]->selection.value() < 0.5)
            order.push_back(i);
    }
    for (int i = 0; i < n; ++i) {
        if (m_wedges[size_t(i)]->selection.value() >= 0.5)
            order.push_back(i);
    }

    for (int i : order) {
        const WedgeState& w = *m_wedges[size_t(i)];
        const WedgeDrawn drawn = wedgeDrawn(i);
        if (drawn.opacity <= 0.0)
            continue;
        const double sel = w.selection.value();
        RadialSegmentView seg = segment(i);
        seg.app = w.app;

        p.save();
        p.setOpacity(p.opacity() * drawn.opacity);
        p.setTransform(wedgeTransform(drawn), true);

        // The wedge, from its own layer while its look stays the same.
        const double quantized = std::round(clamp01(sel) * 32.0) / 32.0;
        QRectF box;
        const QImage& layer = wedgeLook(i, quantized, deviceScale, palette, box);
        // Its outline reaches a point beyond its path.
        RingEffects::drawImageInRing(p, box, layer, c, seg.adjustedInnerRadius() - 2.0, seg.adjustedOuterRadius() + 2.0);

        // The icon: 48 points, 64 and grown by a tenth when selected, blurred
        // and turned back while the ring opens.
        if (!w.app.icon.isNull()) {
            const double iconSide = mix(RadialSegmentView::iconSide, RadialSegmentView::selectedIconSide, clamp01(sel))
                * mix(1.0, RadialSegmentView::selectedIconScale, clamp01(sel));
            const double blur = drawn.iconBlur;
            const double turn = mix(RingMotion::iconSpin(false, rm), RingMotion::iconSpin(true, rm), w.spin.value());
            // The blur works on no more pixels than the icon is drawn with.
            const int drawnWidth = int(std::ceil(RadialSegmentView::selectedIconSide * RadialSegmentView::selectedIconScale
                                                 * deviceScale)) + 1;
            // Sharp, the icon is reduced once to the pixels it covers (in steps
            // of 8, as its size moves with the selection) rather than
            // resampled from its full size every frame.
            const int sharpWidth = int(std::ceil(iconSide * deviceScale / 8.0)) * 8;
            const QImage image = blur >= 1.0 ? w.iconBlur.blurred(w.app.icon, blur, true, drawnWidth) : w.iconAtWidth(sharpWidth);
            const QPointF at = seg.iconCenter(c);
            // The drawn square grows with the padding of a blurred image.
            const double grow = image.deviceIndependentSize().width() / std::max(1e-9, w.app.icon.deviceIndependentSize().width());
            const double drawn = iconSide * grow;
            p.translate(at);
            if (std::abs(turn) > 0.0005)
                p.rotate(degreesOf(turn));
            RingEffects::drawImageInBands(
                p, QRectF(-drawn / 2.0, -drawn / 2.0, drawn, drawn * double(image.height()) / double(std::max(1, image.width()))),
                image);
        }
        p.restore();
    }
}

void CircularSwitcherView::paintFan(QPainter& p, const Fan& fan, double opacity, const RingPalette& palette) const
{
    if (fan.cards.empty() || opacity <= 0.001)
        return;
    const QPointF c(stageSize / 2.0, stageSize / 2.0);
    const int total = int(fan.cards.size());
    const double angle = &fan == m_fan.get() ? m_fanAngle.value() : fan.frozenAngle;
    const auto cardView = [&](int j, bool selected) {
        WindowArcSegmentView v;
        v.title = fan.cards[size_t(j)]->window.title;
        v.isSelected = selected;
        v.index = j;
        v.total = total;
        v.arcCenterAngle = angle;
        v.radialGapInner = 9.0;
        return v;
    };
    // Earlier cards above later ones; the selected card above all.
    std::vector<int> order;
    for (int j = total - 1; j >= 0; --j) {
        if (fan.cards[size_t(j)]->selection.value() < 0.5)
            order.push_back(j);
    }
    for (int j = total - 1; j >= 0; --j) {
        if (fan.cards[size_t(j)]->selection.value() >= 0.5)
            order.push_back(j);
    }
    p.save();
    const double base = p.opacity() * clamp01(opacity);
    for (int j : order) {
        const double sel = clamp01(fan.cards[size_t(j)]->selection.value());
        if (sel < 1.0) {
            p.setOpacity(base * (sel > 0.0 ? 1.0 - sel : 1.0));
            m_cards.paint(p, cardView(j, false), c, palette);
        }
        if (sel > 0.0) {
            p.setOpacity(base * sel);
            m_cards.paint(p, cardView(j, true), c, palette);
        }
    }
    p.restore();
}

void CircularSwitcherView::paintCenter(QPainter& p) const
{
    if (!m_model || !m_model->highlightedApp())
        return;
    const QPointF c(stageSize / 2.0, stageSize / 2.0);
    const double opacity = clamp01(m_ring.value());
    if (opacity <= 0.0)
        return;
    const double swap = clamp01(m_centreSwap.value());
    p.save();
    if (!m_previousCenterIcon.isNull() && swap < 1.0) {
        p.setOpacity(opacity * (1.0 - swap));
        m_centrePainter.paint(p, c, m_previousCenterIcon, m_centreIcon->rotationX(), m_centreIcon->rotationY());
    }
    p.setOpacity(opacity * swap);
    m_centrePainter.paint(p, c, m_centreIcon->view().icon, m_centreIcon->rotationX(), m_centreIcon->rotationY());
    p.restore();
}
