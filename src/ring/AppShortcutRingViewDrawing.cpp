#include "ring/AppShortcutRingView.h"
#include "ring/AppShortcutRingStage.h"

#include "ring/AppShortcutRingViewModel.h"
#include "platform/Appearance.h"
#include "platform/Platform.h"
#include "ringkit/RingMotion.h"
#include "ringkit/RingPanel.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

using namespace shortcut_ring_view;

namespace {
// Without the card arc all of the ring lies on the band's canvas, the
// outlines a little beyond it (stage points from the middle).
constexpr double contentReach = RingMotion::bandCanvasSize / 2.0 + 8.0;
} // namespace

// ---- painting ----------------------------------------------------------------------

namespace {
// A wedge drawn from its path, in bands of a few device rows: an antialiased
// outline has several spans a row, and Qt's raster engine hands more than
// about a hundred spans to its thread pool, whose wake-ups cost more than
// the drawing.
void paintWedgeInBands(QPainter& p, const ShortcutRadialSegmentView& s, const RingPalette& palette, double selection)
{
    const QRectF bounds = s.path(stageCenter).boundingRect().adjusted(-2, -2, 2, 2);
    RingEffects::paintInBands(
        p, bounds, [&] { s.paintWedge(p, stageCenter, palette, selection); }, 16);
}
}

void AppShortcutRingView::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    paintFrame(p, event->region());
}

void AppShortcutRingView::paintFrame(QPainter& painter, const QRegion& area)
{
    renderFrame(painter);
    m_pacer.painted(blur());
    // A paint of part of the frame (the centre tile's turn) leaves the rest
    // of the last frame on screen.
    const double now = reach();
    if ((frameArea() - area).isEmpty())
        m_paintedReach = now;
    else
        m_paintedReach = (m_paintedReach < 0.0 || now < 0.0) ? -1.0 : std::max(m_paintedReach, now);
}

double AppShortcutRingView::reach() const
{
    // The cards of the arc reach the edge of the view.
    if (showsCardArc())
        return -1.0;
    // Blurred, the layer spreads beyond the canvas.
    const double scale = ringScale();
    double reach = contentReach;
    const double blur = this->blur();
    if (RingBlurLayer::isWanted(blur))
        reach += RingBlurLayer::spread(blur, devicePixelRatioF() * scale) + 2.0;
    return reach * scale;
}

QRegion AppShortcutRingView::frameArea() const
{
    const double now = reach();
    if (now < 0.0 || m_paintedReach < 0.0)
        return rect();
    // All of it is round about the middle; what the last frame drew is
    // cleared with it. A pixel more for a middle between pixels.
    const QPoint mid(width() / 2, height() / 2);
    return RingEffects::discRegion(mid, std::max(now, m_paintedReach) + 1.0).intersected(rect());
}

bool AppShortcutRingView::standsStill() const
{
    return !m_ring.isAnimating() && m_ring.value() >= 1.0 && !m_band.isAnimating() && wedgesResting()
        && !m_arcAngle.isAnimating() && !m_arcContent.isAnimating();
}

QRegion AppShortcutRingView::tiltArea() const
{
    if (!standsStill() || m_dotPosition.isAnimating())
        return frameArea();
    // The tile and its shadows, offset with the tilt, turned with the ring.
    const double spin = RingMotion::wheelSpin(true, reduceMotion());
    const double half = CenterIconPainter::turnedReach(m_centreIcon.view().maxTiltAngle, spin) * ringScale();
    const QPointF mid(width() / 2.0, height() / 2.0);
    return QRegion(
        QRectF(mid.x() - half, mid.y() - half, 2.0 * half, 2.0 * half).toAlignedRect().adjusted(-1, -1, 1, 1))
        .intersected(rect());
}

double AppShortcutRingView::blur() const
{
    const bool rm = reduceMotion();
    return mix(RingMotion::wheelBlur(false, rm), RingMotion::wheelBlur(true, rm), clamp01(m_ring.value()));
}

void AppShortcutRingView::renderFrame(QPainter& p)
{
    if (!m_model)
        return;
    m_palette = RingPalette::current(m_platform.appearance().isDark());
    const double progress = m_ring.value();
    if (progress <= 0.0 && !m_ring.isAnimating())
        return; // hidden: every layer is transparent
    const double scale = ringScale();
    const double dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    // Nothing blurs what lies behind the window: the band's glass stands on
    // a blurred copy of it, so that no text behind it reads through.
    RingPanel::paintFrost(p, this, QPointF(width() / 2.0, height() / 2.0), m_band.innerRadius() * scale,
        m_band.outerRadius() * scale, clamp01(progress));

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.translate(width() / 2.0, height() / 2.0);
    p.scale(scale, scale);
    p.translate(-stageHalf, -stageHalf);

    const double blur = this->blur();
    const double deviceScale = dpr * scale;
    if (RingBlurLayer::isWanted(blur)) {
        // The whole ring blurred, drawn small and enlarged. Only the band's
        // square and the card arc hold anything.
        QRectF content(stageHalf - contentReach, stageHalf - contentReach, 2.0 * contentReach, 2.0 * contentReach);
        if (showsCardArc()) {
            for (int j = 0; j < int(m_model->arcVariants().size()); ++j)
                content |= card(j).bounds(stageCenter);
        }
        m_blurLayer.draw(
            p, content, blur, deviceScale, [this](QPainter& lp, double layerScale) { paintStage(lp, layerScale); });
    } else {
        paintStage(p, deviceScale);
    }
    p.restore();
}

void AppShortcutRingView::paintStage(QPainter& p, double deviceScale)
{
    const bool rm = reduceMotion();
    const double progress = m_ring.value();
    p.save();
    if (showsCardArc()) {
        // Only the card arc reaches the edge of the ring's circle.
        QPainterPath circle;
        circle.addEllipse(stageCenter, stageHalf, stageHalf);
        p.setClipPath(circle, Qt::IntersectClip);
    }
    const double spin = mix(RingMotion::wheelSpin(false, rm), RingMotion::wheelSpin(true, rm), progress);
    // A turn too small to see is left out: images are then copied, not resampled.
    if (std::abs(spin) > 0.0005) {
        p.translate(stageCenter);
        p.rotate(toDegrees(spin));
        p.translate(-stageCenter);
    }
    const bool atRest = standsStill();
    if (atRest) {
        const quint64 key = (m_contentVersion << 34) ^ (quint64(m_palette.accent.rgba()) << 2)
            ^ (m_palette.dark ? 1u : 0u) ^ (m_palette.reduceTransparency ? 2u : 0u);
        RingEffects::drawImageInBands(p, QRectF(0, 0, stageSize, stageSize),
            m_restLayer.layer(
                key, QSizeF(stageSize, stageSize), deviceScale, [this](QPainter& lp) { paintRestingContent(lp); }));
    } else {
        paintMoving(p, deviceScale);
    }
    paintCenter(p, m_palette);
    p.restore();
}

void AppShortcutRingView::paintRestingContent(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    m_band.paint(p, stageCenter, m_palette);
    const int n = int(m_wedges.size());
    const int selected = m_model->selectedIndex();
    const auto draw = [&](int i) {
        const ShortcutRadialSegmentView s = segment(i);
        paintWedgeInBands(p, s, m_palette, i == selected ? 1.0 : 0.0);
        RingText::draw(
            p, s.labelCenter(stageCenter), s.labelStack(m_palette, i == selected), i == selected ? 1.06 : 1.0);
    };
    for (int i = 0; i < n; ++i) {
        if (i != selected)
            draw(i);
    }
    if (selected >= 0 && selected < n)
        draw(selected);
    if (showsCardArc())
        paintArc(p, m_palette);
}

void AppShortcutRingView::paintMoving(QPainter& p, double deviceScale)
{
    const bool rm = reduceMotion();
    const double progress = clamp01(m_ring.value());

    // Band: its radii follow their own spring, its opacity the ring's curve.
    if (progress > 0.0) {
        p.save();
        p.setOpacity(p.opacity() * progress);
        m_band.paint(p, stageCenter, m_palette);
        p.restore();
    }

    // Wedges: the selected one on top.
    const int n = int(m_wedges.size());
    const int selected = m_model->selectedIndex();
    std::vector<int> order;
    for (int i = 0; i < n; ++i) {
        if (i != selected)
            order.push_back(i);
    }
    if (selected >= 0 && selected < n)
        order.push_back(selected);

    const double sharp = std::max(1.0, std::ceil(deviceScale * 2.0) / 2.0);
    for (int i : order) {
        const WedgeMotion& w = *m_wedges[size_t(i)];
        const double v = w.visibility.value();
        const double opacity = clamp01(v);
        if (opacity <= 0.0)
            continue;
        const ShortcutRadialSegmentView s = segment(i);
        const double scale = mix(RingMotion::segmentScale(false, rm), RingMotion::segmentScale(true, rm), v);
        const double sweep = mix(RingMotion::segmentSweep(false, rm), RingMotion::segmentSweep(true, rm), v);
        p.save();
        p.setOpacity(p.opacity() * opacity);
        p.translate(stageCenter);
        p.rotate(toDegrees(sweep));
        p.scale(scale, scale);
        p.translate(-stageCenter);

        // The wedge itself, from its own layer unless its selection is moving.
        const double sel = clamp01(w.selected.value());
        if (w.selected.isAnimating()) {
            paintWedgeInBands(p, s, m_palette, sel);
        } else {
            // On whole pixels of the layer, so that a wedge standing still is copied.
            const QRectF box
                = RingEffects::outwardToPixels(s.path(stageCenter).boundingRect().adjusted(-1, -1, 1, 1), sharp);
            const quint64 key = (quint64(n) << 40) ^ (quint64(sel > 0.5) << 36)
                ^ (quint64(m_palette.accent.rgba()) << 2) ^ (m_palette.dark ? 1u : 0u);
            const QImage& layer = m_wedgeLayers[size_t(i)].layer(key, box.size(), sharp, [&](QPainter& lp) {
                lp.setRenderHint(QPainter::Antialiasing, true);
                lp.translate(-box.topLeft());
                s.paintWedge(lp, stageCenter, m_palette, sel > 0.5 ? 1.0 : 0.0);
            });
            // Its outline reaches a point beyond its path.
            RingEffects::drawImageInRing(
                p, box, layer, stageCenter, s.adjustedInnerRadius() - 2.0, s.adjustedOuterRadius() + 2.0);
        }

        // The label: blurred on the segment curve, turned on the icon curve.
        const double iconBlur = std::max(0.0, mix(RingMotion::iconBlur(false, rm), RingMotion::iconBlur(true, rm), v));
        const double spin = mix(RingMotion::iconSpin(false, rm), RingMotion::iconSpin(true, rm), w.spin.value());
        const double labelScale = 1.0 + 0.06 * sel;
        const QPointF at = s.labelCenter(stageCenter);
        const RingText::Stack stack = s.labelStack(m_palette, sel > 0.5);
        if (iconBlur < 0.05 && std::abs(spin) < 1e-4) {
            RingText::draw(p, at, stack, labelScale);
        } else {
            const double layerScale
                = std::max(0.25, std::round(RingEffects::blurLayerScale(std::max(iconBlur, 0.5), sharp) * 4.0) / 4.0);
            const QImage label = RingText::render(stack, layerScale);
            const QImage& soft = m_labelBlurs[size_t(i)].blurred(label, iconBlur, false);
            const QSizeF size(label.width() / layerScale * labelScale, label.height() / layerScale * labelScale);
            p.translate(at);
            p.rotate(toDegrees(spin));
            RingEffects::drawImageInBands(p, QRectF(QPointF(-size.width() / 2.0, -size.height() / 2.0), size), soft);
        }
        p.restore();
    }

    if (showsCardArc()) {
        const double arcOpacity = progress * clamp01(m_arcContent.value());
        if (arcOpacity > 0.0) {
            p.save();
            p.setOpacity(p.opacity() * arcOpacity);
            paintArc(p, m_palette);
            p.restore();
        }
    }
}

void AppShortcutRingView::paintArc(QPainter& p, const RingPalette& palette)
{
    const int n = int(m_model->arcVariants().size());
    const std::optional<int> sel = m_model->selectedArcIndex();
    // Earlier cards lie above later ones; the selected card above all.
    for (int j = n - 1; j >= 0; --j) {
        if (!sel || *sel != j)
            m_cards.paint(p, card(j), stageCenter, palette);
    }
    if (sel && *sel >= 0 && *sel < n)
        m_cards.paint(p, card(*sel), stageCenter, palette);
}

void AppShortcutRingView::paintCenter(QPainter& p, const RingPalette& palette)
{
    const double opacity = clamp01(m_ring.value());
    if (opacity <= 0.0)
        return;
    if (m_model->pageCount() > 1) {
        RingPageDots dots;
        dots.current = m_model->pageIndex();
        dots.total = m_model->pageCount();
        dots.isDark = palette.dark;
        dots.paint(p, stageCenter, m_dotPosition.value(), opacity);
        return;
    }
    if (m_model->currentApp() && !m_centreIcon.view().icon.isNull()) {
        p.save();
        p.setOpacity(p.opacity() * opacity);
        m_centreIcon.paint(p, stageCenter);
        p.restore();
    }
}
