#include "ringkit/RingPanel.h"

#include "ringkit/RingAnimation.h"
#include "ringkit/RingEffects.h"

#include "platform/LatencyTrace.h"
#include "platform/PanelHints.h"
#include "platform/Scheduler.h"

#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The copy of what lies behind a showing's window and the frosted glass made
// of it.

namespace {
// `d` = `s` × `a` + `d` × (255 − `a`), each byte, over 255: an opaque source
// laid over at a constant opacity.
void mixRow(quint32* d, const quint32* s, int n, quint32 a)
{
    int i = 0;
#if defined(__SSE2__)
    const __m128i wa = _mm_set1_epi16(short(a)), wd = _mm_set1_epi16(short(255 - a));
    const __m128i half = _mm_set1_epi16(128), zero = _mm_setzero_si128();
    const auto mix = [&](__m128i s16, __m128i d16) {
        const __m128i x = _mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(s16, wa), _mm_mullo_epi16(d16, wd)), half);
        return _mm_srli_epi16(_mm_add_epi16(x, _mm_srli_epi16(x, 8)), 8);
    };
    for (; i + 4 <= n; i += 4) {
        const __m128i sv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const __m128i dv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
        const __m128i lo = mix(_mm_unpacklo_epi8(sv, zero), _mm_unpacklo_epi8(dv, zero));
        const __m128i hi = mix(_mm_unpackhi_epi8(sv, zero), _mm_unpackhi_epi8(dv, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), _mm_packus_epi16(lo, hi));
    }
#endif
    for (; i < n; ++i) {
        quint32 out = 0;
        for (int shift = 0; shift < 32; shift += 8) {
            const quint32 x = ((s[i] >> shift) & 0xff) * a + ((d[i] >> shift) & 0xff) * (255 - a) + 128;
            out |= ((x + (x >> 8)) >> 8) << shift;
        }
        d[i] = out;
    }
}

// The frost, opaque, written straight onto the image the painter paints on, a span on
// each side of the hole per row, over the pixels whose middle lies in the
// ring: what Qt's fill of the ring without antialiasing covers, without
// flattening its two circles again for every band of rows. Only where the
// painter paints on a premultiplied image at one pixel per point, reached by
// a whole-pixel translation and clipped by nothing but the paint's region;
// false otherwise, with nothing drawn.
bool writeFrost(
    QPainter& painter, const QImage& frost, QPoint at, QPointF centre, double inner, double outer, double opacity)
{
    QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || painter.hasClipping())
        return false;
    QPaintDevice* device = engine->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return false;
    auto& target = *static_cast<QImage*>(device);
    const QTransform toDevice = painter.deviceTransform();
    if (target.format() != QImage::Format_ARGB32_Premultiplied || toDevice.type() > QTransform::TxTranslate
        || toDevice.dx() != std::round(toDevice.dx()) || toDevice.dy() != std::round(toDevice.dy()))
        return false;
    const QPoint offset(int(toDevice.dx()), int(toDevice.dy()));
    const QPointF mid = centre + QPointF(offset);
    const QRect copy(at + offset, frost.size());
    const QRect square = QRectF(mid.x() - outer, mid.y() - outer, 2.0 * outer, 2.0 * outer).toAlignedRect();
    QRegion area = engine->systemClip();
    if (area.isEmpty())
        area = target.rect();
    area &= copy & square & target.rect();
    const quint32 alpha = quint32(std::lround(std::clamp(opacity, 0.0, 1.0) * 255.0));
    if (alpha == 0)
        return true;
    const double outer2 = outer * outer, inner2 = inner * inner;
    const auto write = [&](int y, int from, int to) { // to inclusive
        if (from > to)
            return;
        auto* d = reinterpret_cast<quint32*>(target.scanLine(y)) + from;
        const auto* s = reinterpret_cast<const quint32*>(frost.constScanLine(y - copy.top())) + (from - copy.left());
        const int n = to - from + 1;
        if (alpha == 255)
            std::memcpy(d, s, size_t(n) * sizeof(quint32));
        else
            mixRow(d, s, n, alpha);
    };
    for (const QRect& r : area) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            const double dy = y + 0.5 - mid.y(), dy2 = dy * dy;
            if (dy2 >= outer2)
                continue;
            const double reach = std::sqrt(outer2 - dy2);
            const int from = std::max(r.left(), int(std::floor(mid.x() - reach - 0.5)) + 1);
            const int to = std::min(r.right(), int(std::ceil(mid.x() + reach - 0.5)) - 1);
            if (dy2 < inner2) {
                const double hole = std::sqrt(inner2 - dy2);
                write(y, from, std::min(to, int(std::floor(mid.x() - hole - 0.5))));
                write(y, std::max(from, int(std::ceil(mid.x() + hole - 0.5))), to);
            } else {
                write(y, from, to);
            }
        }
    }
    return true;
}
} // namespace

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
    m_frostUnshown = false;
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
    // A picture of the screen is opaque, and so is its blur: the rounding
    // of the averages is kept from making it a shade less (it is then
    // copied, not blended, once the ring has faded in).
    m_frostOpaque = true;
    for (int y = 0; y < image.height() && m_frostOpaque; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        m_frostOpaque = std::all_of(row, row + image.width(), [](QRgb p) { return qAlpha(p) == 255; });
    }
    for (int y = 0; m_frostOpaque && y < frosted.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(frosted.scanLine(y));
        std::for_each(row, row + frosted.width(), [](QRgb& p) { p |= 0xff000000u; });
    }
    m_frosted = std::move(frosted);
    LatencyTrace::mark("panel backdrop frosted");
    // Shown with the next frame the content asks for (a ring in motion asks
    // for one every refresh), or on its own a refresh and a half later.
    m_frostUnshown = true;
    Scheduler::shared().postAfterWhileAlive(1.5 * AnimationEngine::shared().frameInterval(), this, [this] {
        if (std::exchange(m_frostUnshown, false) && m_content && isVisible())
            m_content->update(frostArea());
    });
}

QRect RingPanel::frostArea() const
{
    return QRect(m_frostAt, (QSizeF(m_frosted.size()) / m_frostRatio).toSize()).adjusted(-1, -1, 1, 1);
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
    if (ratio == 1.0 && panel->m_frostOpaque
        && writeFrost(painter, panel->m_frosted, panel->m_frostAt, centre, inner, outer,
            painter.opacity() * std::min(opacity, 1.0)))
        return;
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
