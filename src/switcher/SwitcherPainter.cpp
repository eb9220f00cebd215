#include "switcher/SwitcherPainter.h"

#include "ringkit/RingMotion.h"
#include "switcher/CircularSwitcherViewModel.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

using namespace switcher_view;

namespace {
constexpr double stageSize = SwitcherLayout::stageSize;

// The system blue of the light and dark appearance.
QColor systemBlue(bool dark) { return dark ? QColor(10, 132, 255) : QColor(0, 122, 255); }

QColor withAlpha(QColor c, double alpha)
{
    c.setAlphaF(float(clamp01(alpha)));
    return c;
}

QColor mixColour(const QColor& a, const QColor& b, double t)
{
    t = clamp01(t);
    return QColor::fromRgbF(float(mix(a.redF(), b.redF(), t)), float(mix(a.greenF(), b.greenF(), t)),
        float(mix(a.blueF(), b.blueF(), t)), float(mix(a.alphaF(), b.alphaF(), t)));
}
} // namespace

void RadialSegmentView::paintShape(
    QPainter& painter, const QPainterPath& path, QRectF frame, double selection, bool dark)
{
    const QColor blue = systemBlue(dark);
    const QColor white(255, 255, 255);
    QLinearGradient fill(frame.topLeft(), frame.bottomRight());
    fill.setColorAt(0.0, mixColour(withAlpha(white, 0.15), withAlpha(blue, 0.4), selection));
    fill.setColorAt(1.0, mixColour(withAlpha(white, 0.05), withAlpha(blue, 0.2), selection));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(withAlpha(blue, mix(0.2, 0.6, selection)), mix(1.0, 2.0, selection)));
    painter.drawPath(path);
    painter.restore();
}

void RadialSegmentView::paint(QPainter& painter, QPointF centre, bool dark) const
{
    const double h = frameSide / 2.0;
    const QRectF frame(centre.x() - h, centre.y() - h, frameSide, frameSide);
    paintShape(painter, path(centre), frame, isSelected ? 1.0 : 0.0, dark);
    if (app.icon.isNull())
        return;
    const QRectF r = iconRect(centre);
    const double grow = isSelected ? selectedIconScale : 1.0;
    const QPointF c = r.center();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(
        QRectF(c.x() - r.width() * grow / 2.0, c.y() - r.height() * grow / 2.0, r.width() * grow, r.height() * grow),
        app.icon);
    painter.restore();
}

void SwitcherPainter::paintRing(QPainter& p, QSize size, double devicePixelRatio) const
{
    const SwitcherLayout& l = m_layout;
    if (!l.model)
        return;
    const double ring = l.ring.value();
    if (ring <= 0.001 && !l.isAnimating())
        return; // hidden: the panel stays clear
    if (!m_fullDrawing && showsNothing())
        return; // the exit's last frame: everything has faded out, and blurring nothing costs as much as a ring
    const bool rm = l.reduceMotion();
    const RingPalette palette = l.palette();
    const double side = std::min(size.width(), size.height());
    const double scale = side > 0 ? side / stageSize : 1.0;
    const double dpr = p.device() ? p.device()->devicePixelRatioF() : devicePixelRatio;
    const double spin = mix(RingMotion::wheelSpin(false, rm), RingMotion::wheelSpin(true, rm), ring);
    const double blur = l.blur();

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.translate(size.width() / 2.0, size.height() / 2.0);
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
        const double reach = l.ringRadius();
        QRectF content(c.x() - reach, c.y() - reach, 2.0 * reach, 2.0 * reach);
        for (const SwitcherLayout::Fan* fan : { l.fan.get(), l.oldFan.get() }) {
            if (!fan)
                continue;
            for (size_t j = 0; j < fan->cards.size(); ++j)
                content |= l.cardBounds(*fan, j);
        }
        m_blurLayer.draw(p, content, blur, dpr * scale,
            [&](QPainter& lp, double layerScale) { paintStage(lp, palette, layerScale, turn, true); });
    } else {
        // Sharp, the spin is a third of a degree at most: the band, a ring,
        // looks the same turned by it, and is copied rather than resampled.
        paintStage(p, palette, dpr * scale, turn, false);
    }
    p.restore();
    m_paintedAtRest = !m_paintsMoving && l.isAtRest();
}

bool SwitcherPainter::showsNothing() const
{
    const SwitcherLayout& l = m_layout;
    // The band, the fan and the centre icon fade with the ring; each wedge with its own presence.
    if (clamp01(l.ring.value()) > 0.0)
        return false;
    for (int i = 0; i < int(l.wedges.size()); ++i) {
        if (l.wedgeDrawn(i).opacity > 0.0)
            return false;
    }
    return true;
}

void SwitcherPainter::paintStage(QPainter& p, const RingPalette& palette, double deviceScale,
    const std::function<void(QPainter&)>& turn, bool bandTurns) const
{
    const SwitcherLayout& l = m_layout;
    if (bandTurns)
        turn(p);
    const QPointF c(stageSize / 2.0, stageSize / 2.0);
    const quint64 restKey = (l.revision << 8) ^ (palette.dark ? 1u : 0u) ^ (palette.reduceTransparency ? 2u : 0u)
        ^ (quint64(palette.accent.rgba()) << 32);
    if (!m_paintsMoving && l.isAtRest()
        && (m_paintedAtRest || m_restLayer.holds(restKey, QSizeF(stageSize, stageSize), deviceScale))) {
        // At rest only the centre icon moves (it follows the pointer): the
        // band, the wedges and the cards come from one layer, drawn for the
        // second frame at rest (a ring that comes to rest and stays still
        // paints one frame at rest and never needs it).
        const QImage& layer = m_restLayer.layer(restKey, QSizeF(stageSize, stageSize), deviceScale, [&](QPainter& lp) {
            lp.setRenderHint(QPainter::Antialiasing, true);
            lp.setRenderHint(QPainter::SmoothPixmapTransform, true);
            l.band.paint(lp, c, palette, !m_fullDrawing);
            paintWedges(lp, palette, deviceScale);
            paintFan(lp, *l.fan, 1.0, palette);
        });
        RingEffects::drawImageInBands(p, QRectF(0, 0, stageSize, stageSize), layer);
        paintCenter(p);
        return;
    }
    const double ringOpacity = clamp01(l.ring.value());
    // 1a. The band fades with the ring while its radii follow their own spring.
    if (ringOpacity > 0.0) {
        p.save();
        p.setOpacity(ringOpacity);
        l.band.paint(p, c, palette, !m_fullDrawing);
        p.restore();
    }
    if (!bandTurns)
        turn(p);
    // 1b. The wedges.
    paintWedges(p, palette, deviceScale);
    // 1c. The window fan, cross-faded when its list changes.
    const double swap = clamp01(l.fanSwap.value());
    if (l.oldFan && swap < 1.0)
        paintFan(p, *l.oldFan, ringOpacity * (1.0 - swap), palette);
    paintFan(p, *l.fan, ringOpacity * swap, palette);
    // 1d. The centre icon.
    paintCenter(p);
}

const QImage& SwitcherPainter::wedgeLook(
    int i, double quantized, double deviceScale, const RingPalette& palette, QRectF& box) const
{
    const SwitcherLayout& l = m_layout;
    const QPointF c(stageSize / 2.0, stageSize / 2.0);
    const double h = RadialSegmentView::frameSide / 2.0;
    const QRectF frame(c.x() - h, c.y() - h, RadialSegmentView::frameSide, RadialSegmentView::frameSide);
    const int n = int(l.wedges.size());
    const QPainterPath path = l.segment(i).path(c);
    // The layer's resolution follows the device, not the wedge's scale
    // (which only springs around 1), so it is drawn once per look.
    const double sharp = std::max(0.25, std::round(deviceScale * 4.0) / 4.0);
    // Room for the outline and a clear pixel all round.
    const double pad = 2.0 + 1.5 / sharp;
    // On whole pixels of the layer, so that a wedge standing still is copied.
    box = RingEffects::outwardToPixels(path.boundingRect().adjusted(-pad, -pad, pad, pad), sharp);
    const quint64 key
        = quint64(quantized * 32.0) | quint64(palette.dark ? 64 : 0) | (quint64(n) << 8) | (quint64(i) << 20);
    // The plain and the selected look are kept across showings (the
    // wedges of the same count are the same shapes); the looks in
    // between only while this showing's selection moves.
    RingLayerCache* cache = &l.wedges[size_t(i)]->shapeLayer;
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

void SwitcherPainter::paintWedges(QPainter& p, const RingPalette& palette, double deviceScale) const
{
    const SwitcherLayout& l = m_layout;
    const QPointF c(stageSize / 2.0, stageSize / 2.0);
    const int n = int(l.wedges.size());
    if (n == 0)
        return;
    const bool rm = l.reduceMotion();

    // z-order: by index, the selected wedge on top.
    std::vector<int> order;
    for (int i = 0; i < n; ++i) {
        if (l.wedges[size_t(i)]->selection.value() < 0.5)
            order.push_back(i);
    }
    for (int i = 0; i < n; ++i) {
        if (l.wedges[size_t(i)]->selection.value() >= 0.5)
            order.push_back(i);
    }

    for (int i : order) {
        const SwitcherLayout::WedgeState& w = *l.wedges[size_t(i)];
        const SwitcherLayout::WedgeDrawn drawn = l.wedgeDrawn(i);
        if (drawn.opacity <= 0.0)
            continue;
        const double sel = w.selection.value();
        RadialSegmentView seg = l.segment(i);
        seg.app = w.app;

        p.save();
        p.setOpacity(p.opacity() * drawn.opacity);
        p.setTransform(SwitcherLayout::wedgeTransform(drawn), true);

        // The wedge, from its own layer while its look stays the same.
        const double quantized = std::round(clamp01(sel) * 32.0) / 32.0;
        QRectF box;
        const QImage& layer = wedgeLook(i, quantized, deviceScale, palette, box);
        // Its outline reaches a point beyond its path.
        RingEffects::drawImageInRing(
            p, box, layer, c, seg.adjustedInnerRadius() - 2.0, seg.adjustedOuterRadius() + 2.0);

        // The icon: 48 points, 64 and grown by a tenth when selected, blurred
        // and turned back while the ring opens.
        if (!w.app.icon.isNull()) {
            const double iconSide = mix(RadialSegmentView::iconSide, RadialSegmentView::selectedIconSide, clamp01(sel))
                * mix(1.0, RadialSegmentView::selectedIconScale, clamp01(sel));
            const double blur = drawn.iconBlur;
            const double turn = mix(RingMotion::iconSpin(false, rm), RingMotion::iconSpin(true, rm), w.spin.value());
            // The blur works on no more pixels than the icon is drawn with.
            const int drawnWidth = int(std::ceil(RadialSegmentView::selectedIconSide
                                       * RadialSegmentView::selectedIconScale * deviceScale))
                + 1;
            // Sharp, the icon is reduced once to the pixels it covers (in steps
            // of 8, as its size moves with the selection) rather than
            // resampled from its full size every frame.
            const int sharpWidth = int(std::ceil(iconSide * deviceScale / 8.0)) * 8;
            const QImage image
                = blur >= 1.0 ? w.iconBlur.blurred(w.app.icon, blur, true, drawnWidth) : w.iconAtWidth(sharpWidth);
            const QPointF at = seg.iconCenter(c);
            // The drawn square grows with the padding of a blurred image.
            const double grow
                = image.deviceIndependentSize().width() / std::max(1e-9, w.app.icon.deviceIndependentSize().width());
            const double drawn = iconSide * grow;
            p.translate(at);
            if (std::abs(turn) > 0.0005)
                p.rotate(degreesOf(turn));
            RingEffects::drawImageInBands(p,
                QRectF(-drawn / 2.0, -drawn / 2.0, drawn,
                    drawn * double(image.height()) / double(std::max(1, image.width()))),
                image);
        }
        p.restore();
    }
}

void SwitcherPainter::paintFan(
    QPainter& p, const SwitcherLayout::Fan& fan, double opacity, const RingPalette& palette) const
{
    if (fan.cards.empty() || opacity <= 0.001)
        return;
    const QPointF c(stageSize / 2.0, stageSize / 2.0);
    const int total = int(fan.cards.size());
    const double angle = m_layout.angleOf(fan);
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

void SwitcherPainter::paintCenter(QPainter& p) const
{
    const SwitcherLayout& l = m_layout;
    if (!l.model || !l.model->highlightedApp())
        return;
    const QPointF c(stageSize / 2.0, stageSize / 2.0);
    const double opacity = clamp01(l.ring.value());
    if (opacity <= 0.0)
        return;
    const double swap = clamp01(l.centreSwap.value());
    p.save();
    if (!l.previousCenterIcon.isNull() && swap < 1.0) {
        p.setOpacity(opacity * (1.0 - swap));
        m_centrePainter.paint(p, c, l.previousCenterIcon, l.centreIcon->rotationX(), l.centreIcon->rotationY());
    }
    p.setOpacity(opacity * swap);
    m_centrePainter.paint(p, c, l.centreIcon->view().icon, l.centreIcon->rotationX(), l.centreIcon->rotationY());
    p.restore();
}
