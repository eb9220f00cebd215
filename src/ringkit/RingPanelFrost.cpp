#include "ringkit/RingPanel.h"

#include "ringkit/RingAnimation.h"
#include "ringkit/RingEffects.h"

#include "platform/LatencyTrace.h"
#include "platform/PanelHints.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <utility>

// The copy of what lies behind a showing's window and the frosted glass made
// of it.

void RingPanel::captureBackdropIfNeeded(bool composited)
{
    dropBackdrop();
    // Without a window system there is no desktop behind the window. Under
    // a compositor, glass made opaque by the reduced transparency preference
    // lets next to nothing through: it needs no frost. Without one the glass
    // always stands on the copy.
    if (!m_hints.available() || (composited && AnimationEngine::shared().reduceTransparency()))
        return;
    QScreen* screen = QGuiApplication::screenAt(geometry().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    m_frostRatio = std::max(0.25, screen->devicePixelRatio());
    if (composited) {
        // Read before the window maps, so the ring is not in it, and taken
        // only once the first frame is shown: the showing waits for nothing.
        const QRect glass = glassInFrame();
        m_frostAt = glass.topLeft();
        const QPoint origin = screen->geometry().topLeft();
        const QRect area = glass.translated(m_frame.topLeft() - origin);
        m_screenRead
            = m_hints.readScreenArea(QRect(origin + area.topLeft() * m_frostRatio, area.size() * m_frostRatio));
        m_frostPending = true;
        LatencyTrace::mark("panel backdrop asked for");
        return;
    }
    m_frostAt = windowInFrame().topLeft();
    const QRect area = geometry().translated(-screen->geometry().topLeft());
    m_backdrop = screen->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    m_frostRatio = m_backdrop.devicePixelRatio();
    m_frostPending = !m_backdrop.isNull();
    LatencyTrace::mark("panel backdrop captured");
}

QRect RingPanel::glassInFrame() const
{
    const QRect window = windowInFrame();
    if (m_glassSide <= 0.0)
        return window;
    // A pixel more on each side for the glass's antialiased rim.
    const int side = std::min({ int(std::ceil(m_glassSide)) + 2, m_frame.width(), m_frame.height() });
    return QRect((m_frame.width() - side) / 2, (m_frame.height() - side) / 2, side, side) & window;
}

void RingPanel::dropBackdrop()
{
    m_backdrop = QPixmap();
    // A read asked for is taken even when no longer wanted: its reply would
    // be kept for ever.
    if (const quint64 read = std::exchange(m_screenRead, 0))
        (void)m_hints.takeScreenArea(read);
    m_frosted = QImage();
    m_frostPending = false;
}

void RingPanel::frostBackdrop()
{
    if (!m_frostPending || !isVisible())
        return;
    m_frostPending = false;
    const quint64 read = std::exchange(m_screenRead, 0);
    QImage image = read ? m_hints.takeScreenArea(read) : m_backdrop.toImage();
    // On this thread alone: Qt's smooth scaling and large conversions run
    // on its thread pool, which a showing keeps clear of. A wide blur loses
    // nothing at an eighth of the resolution: block averages, blurred, then
    // enlarged again.
    if (image.format() == QImage::Format_RGB32)
        image.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied); // opaque: the same bytes
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        return;
    const double sigma = frostRadius * m_frostRatio;
    const int factor = std::clamp(int(sigma / 2.5), 1, 8);
    QImage small(
        std::max(1, image.width() / factor), std::max(1, image.height() / factor), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < small.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(small.scanLine(y));
        for (int x = 0; x < small.width(); ++x) {
            quint32 a = 0, r = 0, g = 0, b = 0;
            for (int dy = 0; dy < factor; ++dy) {
                const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y * factor + dy)) + x * factor;
                for (int dx = 0; dx < factor; ++dx) {
                    a += qAlpha(in[dx]);
                    r += qRed(in[dx]);
                    g += qGreen(in[dx]);
                    b += qBlue(in[dx]);
                }
            }
            const quint32 n = quint32(factor * factor);
            out[x] = qRgba(int(r / n), int(g / n), int(b / n), int(a / n));
        }
    }
    RingEffects::boxBlur(small, sigma / double(factor));
    QImage frosted(image.size(), QImage::Format_ARGB32_Premultiplied);
    RingEffects::resampleBilinear(small, frosted);
    // Kept at a ratio of one: the brush that draws it is scaled instead.
    m_frosted = std::move(frosted);
    LatencyTrace::mark("panel backdrop frosted");
    if (m_content)
        m_content->update();
}

void RingPanel::paintFrost(
    QPainter& painter, const QWidget* content, QPointF centre, double inner, double outer, double opacity)
{
    const auto* panel = content ? qobject_cast<const RingPanel*>(content->parentWidget()) : nullptr;
    if (!panel || panel->m_content != content || panel->m_frosted.isNull() || !(opacity > 0.0) || !(outer > 0.0))
        return;
    const double ratio = panel->m_frostRatio;
    const QRectF copy(QPointF(panel->m_frostAt), QSizeF(panel->m_frosted.size()) / ratio);
    inner = std::clamp(inner, 0.0, outer);
    QPainterPath glass; // odd-even: the inner circle is the hole
    glass.addEllipse(centre, outer, outer);
    if (inner > 0.0)
        glass.addEllipse(centre, inner, inner);
    // A brush repeats its image beyond its edges: the ring is cut to the
    // copy where it reaches past it (a ring near a screen's edge).
    if (!copy.contains(glass.boundingRect())) {
        QPainterPath within;
        within.addRect(copy);
        glass = glass.intersected(within);
    }
    if (glass.isEmpty())
        return;
    QBrush brush(panel->m_frosted);
    brush.setTransform(QTransform::fromScale(1.0 / ratio, 1.0 / ratio) * QTransform::fromTranslate(copy.x(), copy.y()));
    painter.save();
    // Without antialiasing: the glass's own antialiased rim covers the
    // frost's edge, and each row of the ring is then one or two spans, split
    // again by every rectangle of the paint's region the row crosses. A band
    // of rows at a time stays under the hundred or so spans past which Qt's
    // raster engine hands a fill to its thread pool, whose threads would
    // wake for every frame of the showing.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    painter.setOpacity(painter.opacity() * std::min(opacity, 1.0));
    RingEffects::paintInBands(
        painter, glass.boundingRect(), [&] { painter.drawPath(glass); },
        std::max(4, 40 / RingEffects::clipRectsPerRow(painter)));
    painter.restore();
}
