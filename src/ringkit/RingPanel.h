#pragma once
// The floating window a ring is shown in: frameless, translucent, above every
// other window, on every desktop, left out of taskbars and pagers, and never
// given the keyboard focus (the application in front keeps typing while a
// ring is up), yet it receives pointer clicks. Made once by its owner and kept
// for the life of the process; each showing sets its frame and content and
// orders it front, each hide orders it out.
//
// The panel bypasses the window manager (override-redirect): a window manager
// keeps a focused full-screen window above every managed window, "above"
// ones included, and the ring must still show over it.
//
// Without a compositing manager the translucent parts of the panel would show
// black: at each showing the panel then copies what lies behind its frame and
// paints the rings over that copy. Whether one runs is asked at every showing,
// so starting or stopping a compositor takes effect with the next ring.
//
// No X11 compositor blurs what lies behind a window, so the glass would let
// the text of the windows beneath read through. With or without one, the
// panel copies what lies behind its window before mapping it (a compositor
// leaves the composited picture on the root window) and blurs that copy once;
// the content draws it under its glass, and only there.
//
// Frames are global screen rectangles with y growing upward (the rings'
// convention), converted to Qt's coordinates with the screens port.

#include <QPixmap>
#include <QPointer>
#include <QRectF>
#include <QWidget>
#include <algorithm>

class QMouseEvent;
class QPainter;
class PanelHints;
class Screens;

// A panel's content that draws a frame into any painter as its paintEvent
// would into its own: the panel then puts the frames of a motion straight
// onto its window (where the window system lets it), past Qt's buffer.
class RingFrameContent {
public:
    virtual ~RingFrameContent() = default;
    // Draws `area` (the content's coordinates) of the content's current
    // frame; the painter is clipped to it and holds nothing there yet.
    virtual void paintFrame(QPainter& painter, const QRegion& area) = 0;
};

class RingPanel : public QWidget {
    Q_OBJECT
public:
    RingPanel(Screens& screens, PanelHints& hints, QWidget* parent = nullptr);
    ~RingPanel() override;

    // The one child, covering the panel's frame. The panel owns it; a new content (or
    // null) replaces the old one, which is deleted on a later turn (it may be
    // the widget whose event is being handled).
    void setContent(QWidget* content);
    QWidget* content() const { return m_content; }
    // Repaints `area` of a panel's content for the next animation frame.
    // Right after the window's exposure has painted a frame, that frame
    // waits for the display's next refresh. A compact window first grows to
    // the whole frame if `area` reaches beyond it. Other widgets: update(area).
    static void updateContent(QWidget* content, const QRegion& area);
    // At launch, off the key path: makes what the first showing of a window
    // would make (a real display only). Under a compositor the window is
    // shown clear a few times: the display server and the compositor are
    // slower to map a window the first times they do.
    void warmUp();

    // The window title: an English text marked for translation, shown in
    // the interface language and again whenever that changes.
    void setTitle(const char* english);

    // Places the panel over `frame` (global, y up).
    void setFrameYUp(const QRectF& frame);
    QRectF frameYUp() const { return m_frameYUp; }

    // While its content draws nothing beyond a square of `side` points about
    // the frame's middle, a showing's window covers only that square (0, the
    // default: always the whole frame). A compositor pays for a window by its
    // size at every map, unmap and exposure. The content still covers the
    // whole frame; the window grows to the frame, its picture kept in place,
    // when the content asks to repaint beyond it, and is compact again from
    // the next showing. Over a copied backdrop (no compositor) the window
    // always covers the frame.
    void setCompactSide(double side);
    bool isCompact() const { return m_compact; }
    // The ring's glass lies within a square of `side` points about the
    // frame's middle (0, the default: anywhere in the window). Under a
    // compositor only that much of the desktop is read for the frost: the
    // display server reads and sends it on the way to the first frame.
    void setGlassSide(double side) { m_glassSide = std::max(0.0, side); }
    // Where on `content` a pointer event happened, from its position on the
    // screen. Qt's widget position is relative to the window as it was when
    // the display server sent the event: a click sent just before the window
    // grew to its frame and read just after would land off by the growth.
    // Content of no panel: the event's own position.
    static QPointF contentPoint(const QWidget* content, const QMouseEvent* event);

    enum class Mapping {
        atOnce, // the window is mapped now
        withReveal, // counts as ordered front now; mapped by mapOrderedPanel()
    };
    // Shows the panel above everything without activating it. A ring whose
    // content is revealed on a later turn maps the window then, so that the
    // first frame the window system shows already has the ring in it.
    void orderFront(Mapping mapping = Mapping::atOnce);
    // Maps a panel ordered front `withReveal` (nothing otherwise).
    void mapOrderedPanel();
    // Hides it (the content stays until replaced).
    void orderOut();
    bool isPanelVisible() const { return m_ordered && (isVisible() || m_mapPending); }

    // How many times the panel was ordered front and out (for checks).
    int orderFrontCount() const { return m_frontCount; }
    int orderOutCount() const { return m_outCount; }

    // Whether the window system was told that the panel takes no focus
    // (false where there is no X11 window, e.g. offscreen).
    bool hasNoFocusHints() const { return m_hintsApplied; }
    // Whether the current showing paints over a copy of the screen behind it
    // (no compositing manager).
    bool paintsCapturedBackdrop() const { return !m_backdrop.isNull(); }
    // Under a ring's glass: the copy of what lay behind the panel, blurred,
    // inside the ring from `inner` to `outer` about `centre` (the content's
    // coordinates), at `opacity`. Nothing is drawn anywhere else, nor until
    // the blur is made (right after the showing's first frame, off the key
    // path), nor without a copy.
    static void paintFrost(
        QPainter& painter, const QWidget* content, QPointF centre, double inner, double outer, double opacity);
    static constexpr double frostRadius = 20.0; // points: the glass's blur

Q_SIGNALS:
    void panelVisibilityChanged(bool visible);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // One clear showing of the warm-up; ended once painted.
    void warmUpShowing();
    void endWarmUpShowing();
    // Ends the warm-up at once (the window is wanted for real).
    void endWarmUp();
    // Whether a deferred repaint is the one showing queued (`pending`),
    // already painted by the exposure.
    bool takeShowRepaint(bool& pending) const;
    void applyWindowSystemHints();
    void captureBackdropIfNeeded(bool composited);
    void frostBackdrop();
    void dropBackdrop();
    // The part of the frame the window covers: the compact square or all of it.
    QRect windowInFrame() const;
    // The part of the window the glass can cover.
    QRect glassInFrame() const;
    // Sets the window's geometry and the content's place in it.
    void placeWindow();
    void placeContent();
    // A shown compact window grows to the whole frame in place.
    void growToFrame();
    // Draws `area` of the content's frame and puts it straight onto the
    // window; false when that cannot be done (Qt then paints it).
    bool putFrameStraight(const QRegion& area);
    // The content, when its frames can go straight onto the window now.
    RingFrameContent* straightContent() const;
    // The copy of the screen behind the window, in `area` (the panel's coordinates).
    void paintBackdrop(QPainter& painter, const QRegion& area) const;
    // After a while hidden, the memory of the frames put straight goes.
    void releaseFrameWhenIdle();

    Screens& m_screens;
    PanelHints& m_hints;
    QPointer<QWidget> m_content;
    // Without a compositor, what lay behind the window when it was mapped:
    // the window's background.
    QPixmap m_backdrop;
    // With one, the read of that picture under way (taken when the frost is
    // made, off the key path), or 0.
    quint64 m_screenRead = 0;
    // The picture blurred, once the first frame is painted; its pixels are
    // device pixels whatever the screen's ratio (m_frostRatio), its top left
    // at m_frostAt in the frame.
    QImage m_frosted;
    QPoint m_frostAt;
    double m_frostRatio = 1.0;
    bool m_frostOpaque = false; // every pixel of m_frosted is opaque
    bool m_frostPending = false;
    bool m_frostUnshown = false; // made, and not yet asked to be painted
    // Where the frost is drawn, in the content's coordinates.
    QRect frostArea() const;
    const char* m_title = nullptr;
    QRectF m_frameYUp;
    QRect m_frame; // m_frameYUp in Qt's coordinates, in whole pixels
    double m_compactSide = 0.0;
    double m_glassSide = 0.0;
    bool m_compact = false;
    bool m_ordered = false;
    bool m_mapPending = false;
    bool m_hintsApplied = false;
    int m_frontCount = 0;
    int m_outCount = 0;
    // Between a show and the first deferred repaint Qt asks for after it,
    // for the window and for its content: whether a paint (the one for the
    // window's exposure) came first.
    bool m_showRepaintPending = false;
    bool m_contentRepaintPending = false;
    bool m_paintedSinceShow = false;
    // When the exposure painted all of a window just shown, and the frame
    // asked for too soon after it.
    double m_exposedAt = -1.0;
    bool m_frameDeferred = false;
    QRegion m_deferredArea;
    bool m_warming = false; // shown clear by warmUp(), hidden once painted
    int m_warmShowingsLeft = 0;
    int m_warmGeneration = 0;
    // While the latency trace is on (KELVARO_LATENCY_TRACE): frames the
    // content painted in this showing, logged when the panel is ordered out.
    bool m_countFrames = false;
    int m_framesPainted = 0;
    // What frames put straight onto the window have shown (the panel's
    // coordinates) and Qt's buffer does not hold: repainted by Qt if the
    // window is exposed. And whether the window has a frame to release.
    QRegion m_straightArea;
    bool m_holdsFrame = false;
    bool m_straightFrames = true; // until the window system turns them down
    bool m_qtPaintedSinceShow = false; // frames go straight only after Qt's first
    QRegion m_straightPending; // asked for in this turn of the event loop
    bool m_straightPosted = false;
};
