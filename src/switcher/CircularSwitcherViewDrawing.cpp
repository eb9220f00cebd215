#include "switcher/CircularSwitcherView.h"

#include "ringkit/CenterAppIcon.h"
#include "switcher/CircularSwitcherViewModel.h"
#include "ringkit/RingMotion.h"
#include "ringkit/RingPanel.h"

#include <QPaintEvent>
#include <QPainter>
#include <numbers>
#include <algorithm>
#include <cmath>

using namespace switcher_view;

// ---- Drawing -----------------------------------------------------------------------------------

void CircularSwitcherView::prerender(double devicePixelRatio)
{
    if (!m_model || m_layout.visible)
        return;
    // Hidden, a motion in flight (the selection following the model) shows
    // nothing: it is brought to its end first.
    if (isAnimating())
        syncAll(false);
    const bool rm = m_layout.reduceMotion();
    m_layout.visible = true;
    m_layout.ring.setValue(1.0);
    m_layout.band.setRadii(RingMotion::bandInnerRadius(true, rm), RingMotion::bandOuterRadius(true, rm));
    for (auto& w : m_layout.wedges) {
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
    m_painter.setPaintsMoving(true);
    // The very first, with the band at its widest and the blur at its
    // most, is the largest the blurred layer and its enlargement grow to:
    // their memory is taken here, not page by page in the first showing.
    m_layout.band.setRadii(RingMotion::bandInnerRadius(false, rm), RingMotion::bandOuterRadius(false, rm));
    for (const double pose : { 0.02, 0.3, 0.88, 0.97 }) {
        m_layout.ring.setValue(pose);
        for (auto& w : m_layout.wedges) {
            w->presence.setValue(pose);
            w->spin.setValue(pose);
        }
        paintOnce();
        m_layout.band.setRadii(RingMotion::bandInnerRadius(true, rm), RingMotion::bandOuterRadius(true, rm));
    }
    m_painter.setPaintsMoving(false);
    // Every wedge's plain and selected look, at each resolution an opening
    // draws them with (blurred at a quarter and at half of the device's),
    // whichever wedge the showing selects: drawing a look uses Qt's
    // thread pool, which a showing keeps clear of.
    const RingPalette palette = m_layout.palette();
    const double scale = std::min(width(), height()) / stageSize;
    for (int i = 0; i < int(m_layout.wedges.size()); ++i) {
        for (const double look : { 0.0, 1.0 }) {
            for (const double resolution : { 0.25, 0.5, dpr * scale }) {
                QRectF box;
                (void)m_painter.wedgeLook(i, look, resolution, palette, box);
            }
        }
    }
    // The layer of the settled ring is made again for the showing's own list.
    m_painter.clearRestLayer();
    m_layout.visible = false;
    m_layout.ring.setValue(0.0);
    m_layout.band.setRadii(RingMotion::bandInnerRadius(false, rm), RingMotion::bandOuterRadius(false, rm));
    for (auto& w : m_layout.wedges) {
        w->presence.setValue(0.0);
        w->spin.setValue(0.0);
    }
}

void CircularSwitcherView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    paintFrame(painter, event->region());
}

void CircularSwitcherView::paintFrame(QPainter& painter, const QRegion& area)
{
    const SwitcherRepaint::Pose shown = m_repaint.pose(viewport());
    paintFrost(painter);
    paintRing(painter);
    m_repaint.painted(viewport(), area, shown);
    m_pacer.painted(m_layout.blur());
}

void CircularSwitcherView::paintFrost(QPainter& painter) const
{
    // Nothing blurs what lies behind the window: the band's glass stands on
    // a blurred copy of it, so that no text behind it reads through. It
    // follows the band's radii and fades in with the ring.
    const double scale = std::min(width(), height()) / stageSize;
    RingPanel::paintFrost(painter, this, QPointF(width() / 2.0, height() / 2.0), m_layout.band.innerRadius() * scale,
        m_layout.band.outerRadius() * scale, std::clamp(m_layout.ring.value(), 0.0, 1.0));
}

void CircularSwitcherView::paintRing(QPainter& painter) const
{
    m_painter.paintRing(painter, size(), devicePixelRatioF());
}

QRegion CircularSwitcherView::changedArea() const { return m_repaint.changedArea(viewport()); }

void CircularSwitcherView::repaintMoving()
{
    if (isVisible())
        RingPanel::updateContent(this, m_repaint.movingArea(viewport()));
}
