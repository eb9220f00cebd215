#include "ringkit/RingPanel.h"

#include "ringkit/RingAnimation.h"
#include "ringkit/RingEffects.h"

#include "platform/LatencyTrace.h"
#include "platform/Log.h"
#include "platform/PanelHints.h"
#include "platform/Scheduler.h"
#include "platform/Screens.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QWindow>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace {
// Clear showings at launch under a compositor, and the pause between them.
constexpr int kWarmUpShowings = 3;
constexpr double kWarmUpSpacing = 0.3;
}

RingPanel::RingPanel(Screens& screens, PanelHints& hints, QWidget* parent)
    : QWidget(parent,
        Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus
            | Qt::BypassWindowManagerHint | Qt::NoDropShadowWindowHint)
    , m_screens(screens)
    , m_hints(hints)
{
    setAttribute(Qt::WA_TranslucentBackground, true);
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    setAttribute(Qt::WA_NoSystemBackground, true);
    setAttribute(Qt::WA_X11DoNotAcceptFocus, true);
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(false);
    setTitle(QT_TRANSLATE_NOOP("Kelvaro", "Kelvaro Ring"));
    m_countFrames = LatencyTrace::enabled();
    resize(400, 400);
    // The native window is made now, so its hints are in place before the
    // first map.
    (void)winId();
    if (QWindow* window = windowHandle())
        window->installEventFilter(this);
    applyWindowSystemHints();
}

RingPanel::~RingPanel()
{
    if (m_holdsFrame)
        m_hints.releaseFrame(quint32(winId()));
}

void RingPanel::updateContent(QWidget* content, const QRegion& area)
{
    if (area.isEmpty())
        return;
    auto* panel = content ? qobject_cast<RingPanel*>(content->parentWidget()) : nullptr;
    if (!panel || panel->m_content != content) {
        if (content)
            content->update(area);
        return;
    }
    // A compact window takes in the whole frame before a frame reaching
    // beyond it is painted.
    if (panel->m_compact && !QRect(-content->pos(), panel->size()).contains(area.boundingRect()))
        panel->growToFrame();
    // The exposure of a window just shown has painted a frame: a frame asked
    // for before the display's next refresh is left to the next one, or to
    // a refresh later if no frame is asked for by then.
    if (panel->m_exposedAt >= 0.0) {
        const double interval = AnimationEngine::shared().frameInterval();
        const double since = Scheduler::shared().now() - panel->m_exposedAt;
        if (since < 0.75 * interval) {
            panel->m_deferredArea |= area;
            if (!panel->m_frameDeferred) {
                panel->m_frameDeferred = true;
                Scheduler::shared().postAfterWhileAlive(1.25 * interval - since, panel, [panel] {
                    panel->m_frameDeferred = false;
                    const QRegion deferred = std::exchange(panel->m_deferredArea, QRegion());
                    if (!deferred.isEmpty() && panel->m_content && panel->isVisible())
                        panel->m_content->update(deferred);
                });
            }
            return;
        }
        panel->m_exposedAt = -1.0;
    }
    QRegion wanted = area | std::exchange(panel->m_deferredArea, QRegion());
    if (std::exchange(panel->m_frostUnshown, false))
        wanted |= panel->frostArea();
    // Frames put straight onto the window: the areas asked for in one turn
    // of the event loop make one frame, drawn at its end, as Qt would.
    if (panel->m_straightFrames && panel->straightContent()) {
        panel->m_straightPending |= wanted;
        if (!std::exchange(panel->m_straightPosted, true)) {
            Scheduler::shared().postWhileAlive(panel, [panel] {
                panel->m_straightPosted = false;
                const QRegion area = std::exchange(panel->m_straightPending, QRegion());
                if (!area.isEmpty() && panel->m_content && !panel->putFrameStraight(area))
                    panel->m_content->update(area);
            });
        }
        return;
    }
    content->update(wanted);
}

RingFrameContent* RingPanel::straightContent() const
{
    // Only once Qt has painted the showing's first frame, and only a content
    // that draws everything it shows itself.
    auto* content = dynamic_cast<RingFrameContent*>(m_content.data());
    if (!content || m_warming || !m_qtPaintedSinceShow || !isVisible() || !m_hints.available())
        return nullptr;
    for (const QObject* child : m_content->children()) {
        if (child->isWidgetType() && static_cast<const QWidget*>(child)->isVisible())
            return nullptr;
    }
    return content;
}

bool RingPanel::putFrameStraight(const QRegion& area)
{
    // Asked again: the ring may have hidden since the frame was asked for.
    RingFrameContent* source = straightContent();
    if (!source)
        return false;
    const double dpr = devicePixelRatioF();
    QImage* frame
        = m_hints.frameFor(quint32(winId()), QSize(int(std::ceil(width() * dpr)), int(std::ceil(height() * dpr))));
    if (!frame) {
        // Not asked again: this window system takes no frames that way.
        m_straightFrames = false;
        return false;
    }
    m_holdsFrame = true;
    const QPoint at = m_content->pos();
    const QRegion inContent = area & m_content->rect();
    const QRegion inPanel = inContent.translated(at);
    // The device pixels the area touches: at one pixel per point the area
    // itself, rather than its few dozen rectangles joined again one by one.
    QRegion pixels = inPanel;
    if (dpr != 1.0) {
        pixels = QRegion();
        for (const QRect& r : inPanel) {
            const QRectF d(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr);
            pixels |= QRect(QPoint(int(std::floor(d.left())), int(std::floor(d.top()))),
                QPoint(int(std::ceil(d.right())) - 1, int(std::ceil(d.bottom())) - 1));
        }
    }
    pixels &= frame->rect();
    if (pixels.isEmpty())
        return true;
    // Cleared to transparent in whole device pixels, as Qt clears its buffer.
    for (const QRect& r : pixels) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            std::memset(frame->scanLine(y) + qsizetype(r.left()) * 4, 0, size_t(r.width()) * 4);
    }
    frame->setDevicePixelRatio(dpr);
    // Clipped as Qt clips a widget's paint: drawing that splits itself by
    // the clip's rectangles does so here too.
    QPaintEngine* engine = frame->paintEngine();
    engine->setSystemClip(pixels);
    {
        QPainter painter(frame);
        if (paintsCapturedBackdrop())
            paintBackdrop(painter, inPanel);
        // What a painter opened on the widget starts with.
        painter.setFont(m_content->font());
        painter.setPen(QPen(m_content->palette().brush(m_content->foregroundRole()), 1.0));
        painter.setBackground(m_content->palette().brush(m_content->backgroundRole()));
        painter.setLayoutDirection(m_content->layoutDirection());
        painter.translate(at);
        source->paintFrame(painter, inContent);
    }
    engine->setSystemClip(QRegion());
    m_hints.putFrame(quint32(winId()), pixels);
    m_straightArea |= inPanel;
    if (m_countFrames)
        ++m_framesPainted;
    return true;
}

void RingPanel::paintBackdrop(QPainter& painter, const QRegion& area) const
{
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // A frame repaints a region of many rectangles: the desktop is copied
    // rectangle by rectangle, each a plain copy of a few dozen rows at most,
    // rather than span by span under the whole region or in pieces taller
    // than Qt's raster engine draws on this thread (it hands those to its
    // thread pool, whose threads would wake for every frame).
    constexpr int kBandRows = 48;
    // The copy covers the window, whatever its pixels per point.
    const double sx = double(m_backdrop.width()) / std::max(1, width()),
                 sy = double(m_backdrop.height()) / std::max(1, height());
    for (const QRect& r : area) {
        for (int y = r.top(); y <= r.bottom(); y += kBandRows) {
            const QRect piece(r.left(), y, r.width(), std::min(kBandRows, r.bottom() + 1 - y));
            const QRectF source(piece.left() * sx, piece.top() * sy, piece.width() * sx, piece.height() * sy);
            painter.drawPixmap(QRectF(piece), m_backdrop, source);
        }
    }
    painter.restore();
}

void RingPanel::releaseFrameWhenIdle()
{
    if (!m_holdsFrame)
        return;
    // Kept through a quick run of showings, let go once none follows.
    constexpr double kFrameKept = 2.0;
    Scheduler::shared().postAfterWhileAlive(kFrameKept, this, [this, out = m_outCount] {
        if (m_outCount != out || m_ordered || !m_holdsFrame)
            return;
        m_holdsFrame = false;
        m_hints.releaseFrame(quint32(winId()));
    });
}

void RingPanel::warmUp()
{
    if (m_ordered || isVisible() || !m_hints.available())
        return;
    m_warmShowingsLeft = m_hints.compositorRunning() ? kWarmUpShowings : 1;
    warmUpShowing();
}

void RingPanel::warmUpShowing()
{
    if (m_ordered || isVisible() || m_warmShowingsLeft <= 0)
        return;
    --m_warmShowingsLeft;
    // Shown once and painted clear, so that the first real showing finds
    // what a window's first showing makes (its pointer shape loaded from
    // the cursor theme, its buffer allocated and touched, its accessibility
    // objects) already in place. A compositor shows a clear window as
    // nothing; without one it would be a black square, so the window is then
    // shown off every screen, where it is never exposed nor painted.
    m_warming = true;
    // Clear, it lets the pointer through to what lies beneath.
    m_hints.letPointerThrough(quint32(winId()), true);
    const bool offscreen = !m_hints.compositorRunning();
    const QRect home = geometry();
    if (offscreen)
        setGeometry(QRect(QPoint(-30000, -30000), home.size()));
    show();
    if (offscreen) {
        endWarmUpShowing();
        setGeometry(home);
        return;
    }
    // Hidden once exposed and painted, or after a while without an exposure.
    const int generation = ++m_warmGeneration;
    Scheduler::shared().postAfterWhileAlive(0.5, this, [this, generation] {
        if (generation == m_warmGeneration)
            endWarmUpShowing();
    });
}

void RingPanel::endWarmUpShowing()
{
    if (!m_warming)
        return;
    m_warming = false;
    hide();
    m_hints.letPointerThrough(quint32(winId()), false);
    if (m_warmShowingsLeft > 0)
        Scheduler::shared().postAfterWhileAlive(kWarmUpSpacing, this, [this] { warmUpShowing(); });
}

void RingPanel::endWarmUp()
{
    m_warmShowingsLeft = 0;
    endWarmUpShowing();
}

void RingPanel::setContent(QWidget* content)
{
    if (content == m_content)
        return;
    if (QWidget* old = m_content) {
        old->hide();
        old->removeEventFilter(this);
        old->setParent(nullptr);
        old->deleteLater();
    }
    m_content = content;
    if (content) {
        content->setParent(this);
        placeContent();
        content->setFocusPolicy(Qt::NoFocus);
        content->installEventFilter(this);
        content->show();
    }
}

void RingPanel::setFrameYUp(const QRectF& frame)
{
    m_frameYUp = frame;
    const QRectF qt = m_screens.toQt(frame);
    m_frame = QRect(int(std::lround(qt.x())), int(std::lround(qt.y())), std::max(1, int(std::lround(qt.width()))),
        std::max(1, int(std::lround(qt.height()))));
    placeWindow();
    update();
}

void RingPanel::setCompactSide(double side)
{
    m_compactSide = std::max(0.0, side);
    if (m_ordered || isVisible())
        return; // from the next showing
    m_compact = m_compactSide > 0.0;
    placeWindow();
}

QPointF RingPanel::contentPoint(const QWidget* content, const QMouseEvent* event)
{
    const auto* panel = content ? qobject_cast<const RingPanel*>(content->parentWidget()) : nullptr;
    if (!panel || panel->m_content != content || panel->m_frame.isEmpty())
        return event->position();
    // The content covers the frame, wherever the window lies within it.
    return event->globalPosition() - QPointF(panel->m_frame.topLeft());
}

QRect RingPanel::windowInFrame() const
{
    if (!m_compact)
        return QRect(QPoint(), m_frame.size());
    // The square is centred in whole pixels: the content's middle stays the
    // frame's.
    const int side = std::min({ int(std::lround(m_compactSide)), m_frame.width(), m_frame.height() });
    return QRect((m_frame.width() - side) / 2, (m_frame.height() - side) / 2, side, side);
}

void RingPanel::placeContent()
{
    if (m_content)
        m_content->setGeometry(m_frame.isEmpty() ? rect() : QRect(-windowInFrame().topLeft(), m_frame.size()));
}

void RingPanel::placeWindow()
{
    if (m_frame.isEmpty())
        return;
    setGeometry(windowInFrame().translated(m_frame.topLeft()));
    placeContent();
}

void RingPanel::growToFrame()
{
    if (!m_compact)
        return;
    m_compact = false;
    const bool shown = m_hints.available() && isVisible();
    if (shown)
        m_hints.keepPictureInPlace(quint32(winId()), true);
    placeWindow();
    if (shown)
        m_hints.keepPictureInPlace(quint32(winId()), false);
    LatencyTrace::mark("panel grown to its frame");
}

void RingPanel::orderFront(Mapping mapping)
{
    ++m_frontCount;
    endWarmUp();
    if (m_ordered && m_mapPending)
        return;
    if (m_ordered && isVisible()) {
        raise();
        return;
    }
    // The window manager forgets the state and desktop of a withdrawn window.
    applyWindowSystemHints();
    LatencyTrace::mark("panel hints set");
    // Over a copied backdrop the window covers its frame from the start.
    const bool composited = !m_hints.available() || m_hints.compositorRunning();
    if (m_compact != (composited && m_compactSide > 0.0)) {
        m_compact = !m_compact;
        placeWindow();
    }
    captureBackdropIfNeeded(composited);
    m_framesPainted = 0;
    m_ordered = true;
    if (mapping == Mapping::withReveal) {
        m_mapPending = true;
    } else {
        show();
        LatencyTrace::mark("panel shown");
        raise();
    }
    Q_EMIT panelVisibilityChanged(true);
}

void RingPanel::mapOrderedPanel()
{
    if (!m_ordered || !m_mapPending)
        return;
    m_mapPending = false;
    show();
    LatencyTrace::mark("panel shown");
    raise();
}

void RingPanel::orderOut()
{
    ++m_outCount;
    endWarmUp();
    m_mapPending = false;
    if (!m_ordered && !isVisible())
        return;
    m_ordered = false;
    hide();
    dropBackdrop();
    releaseFrameWhenIdle();
    if (!m_compact && m_compactSide > 0.0) {
        m_compact = true;
        placeWindow();
    }
    if (m_countFrames)
        Log::write(QStringLiteral("Kelvaro: ring showing painted %1 frames").arg(m_framesPainted));
    Q_EMIT panelVisibilityChanged(false);
}

void RingPanel::setTitle(const char* english)
{
    m_title = english;
    setWindowTitle(QCoreApplication::translate("Kelvaro", english));
}

void RingPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && m_title)
        setWindowTitle(QCoreApplication::translate("Kelvaro", m_title));
    QWidget::changeEvent(event);
}

void RingPanel::paintEvent(QPaintEvent* event)
{
    if (m_frostPending) {
        // Blurring costs a few milliseconds: after the first frame is shown,
        // not before it.
        Scheduler::shared().postWhileAlive(this, [this] { frostBackdrop(); });
    }
    if (!paintsCapturedBackdrop())
        return;
    QPainter painter(this);
    paintBackdrop(painter, event->region());
}

bool RingPanel::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
        // Showing a window queues a repaint of all of it (and of its
        // content) for later; the window's exposure paints it all first,
        // so that repaint would only paint the same frame again.
        m_showRepaintPending = true;
        m_contentRepaintPending = true;
        m_paintedSinceShow = false;
        m_qtPaintedSinceShow = false;
        break;
    case QEvent::Paint:
        m_qtPaintedSinceShow = true;
        if (m_warming) {
            Scheduler::shared().postWhileAlive(this, [this] { endWarmUpShowing(); });
            break;
        }
        if (m_showRepaintPending && !rect().isEmpty() && static_cast<QPaintEvent*>(event)->region().contains(rect())) {
            m_paintedSinceShow = true;
            m_exposedAt = Scheduler::shared().now();
        }
        break;
    case QEvent::UpdateLater:
        if (takeShowRepaint(m_showRepaintPending))
            return true;
        break;
    case QEvent::Hide:
        m_straightArea = QRegion();
        m_exposedAt = -1.0;
        m_deferredArea = QRegion();
        m_showRepaintPending = false;
        m_contentRepaintPending = false;
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

bool RingPanel::takeShowRepaint(bool& pending) const
{
    // Only the first deferred repaint after a show is the one showing queued.
    return std::exchange(pending, false) && m_paintedSinceShow;
}

bool RingPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose && !m_straightArea.isEmpty()) {
        // Qt's buffer lacks what frames put straight have shown: an exposure
        // repaints that rather than show the buffer's older frame.
        update(std::exchange(m_straightArea, QRegion()));
        return false;
    }
    if (watched == m_content && event->type() == QEvent::Paint && !m_straightArea.isEmpty())
        m_straightArea -= static_cast<QPaintEvent*>(event)->region().translated(m_content->pos());
    if (watched == m_content && event->type() == QEvent::UpdateLater && takeShowRepaint(m_contentRepaintPending))
        return true;
    if (m_countFrames && event->type() == QEvent::Paint && watched == m_content)
        ++m_framesPainted;
    return QWidget::eventFilter(watched, event);
}

void RingPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeContent();
}

void RingPanel::applyWindowSystemHints()
{
    if (!m_hints.available())
        return;
    if (!m_hints.apply(quint32(winId()))) {
        Log::write(QStringLiteral("Kelvaro: the ring window could not be told to stay out of the keyboard focus."));
        return;
    }
    m_hintsApplied = true;
}
