#pragma once
// The app switcher ring: a glass band, one tapered wedge per application with
// its icon, the selected application's windows fanned out as cards beyond the
// ring, and the selected application's icon tilting in the centre.
//
// The view is pure presentation over CircularSwitcherViewModel: it follows the
// model's signals, animates its layers between the hidden and the settled
// pose, and writes to the model only when a wedge or a card is clicked. It is
// one accessibility element (label, value, hint); every change of the value
// during a showing is announced. The stage is 700 points square, scaled by
// the ring scale about its centre.

#include <QHash>
#include <QIcon>
#include <QPointer>
#include <QRegion>
#include <QTransform>
#include <QUuid>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "switcher/AppWindow.h"
#include "ringkit/CenterAppIcon.h"
#include "ringkit/RingAnimation.h"
#include "ringkit/RingEffects.h"
#include "ringkit/RingElement.h"
#include "ringkit/RingGlass.h"
#include "ringkit/RingShapes.h"
#include "ringkit/RunningApp.h"
#include "ringkit/WindowArcCard.h"

class CircularSwitcherViewModel;
class QAccessibleEvent;

// One application's wedge: an EnhancedTaperedSegmentShape filling the band,
// separated from its neighbours by the same number of points at the inner and
// the outer edge, with the application's icon in its middle. Angles are
// drawing angles in radians (0 at 3 o'clock, clockwise on screen); wedge 0
// starts at 12 o'clock.
struct RadialSegmentView : RingWedgeGeometry<RadialSegmentView> {
    RunningApp app;
    int totalApps = 1;

    static constexpr double selectedIconSide = 64.0;
    static constexpr double iconSide = 48.0;
    static constexpr double selectedIconScale = 1.1;

    int wedgeCount() const { return totalApps; }
    // Distance of the icon's centre from the ring centre: the middle of the wedge.
    double iconRadius() const { return midRadius(); }
    QPointF iconCenter(QPointF centre) const { return midPoint(centre); }
    // The icon's square (unscaled side: 64 selected, 48 otherwise).
    QRectF iconRect(QPointF centre) const;
    // Whether a click at `p` lands on the wedge or its icon.
    bool contains(QPointF p, QPointF centre) const;

    // The wedge's fill and stroke; `selection` runs from 0 (plain) to 1
    // (selected), so the look can move between the two.
    static void paintShape(QPainter& painter, const QPainterPath& path, QRectF frame, double selection, bool dark);
    // Fill, stroke and icon, settled, with isSelected's look.
    void paint(QPainter& painter, QPointF centre, bool dark) const;
};

class CircularSwitcherView : public QWidget {
    Q_OBJECT
public:
    static constexpr double stageSize = 700.0;
    // How far from the middle, in stage points, anything but window cards is
    // ever drawn: the band's canvas, blurred, with its soft edge.
    static double ringReach();
    // The side of the square, in device-independent pixels at `scale`, that
    // holds all the view draws while it shows no window cards.
    static double ringSide(double scale) { return 2.0 * (ringReach() * scale + 2.0); }

    explicit CircularSwitcherView(CircularSwitcherViewModel* viewModel, QWidget* parent = nullptr);
    ~CircularSwitcherView() override;

    CircularSwitcherViewModel* viewModel() const { return m_model; }

    // ---- Accessibility ----
    static QString accessibilityLabel(); // "App Switcher", localized
    static QString accessibilityHint();  // localized
    // The spoken state computed from the model now.
    QString accessibilityDescription() const;
    // The value published to assistive technology (the description as of the
    // last settled change).
    QString accessibilityValue() const { return m_publishedValue.value_or(QString()); }


    // ---- Clicks ----
    // Set by the panel: a click commits through the delegate (wedge: the
    // application's index and no window; card: the selected application's
    // index and the card's index). Without it, the click runs the model's
    // own action.
    std::function<void(int index, std::optional<int> windowIndex)> onCommitRequest;

    using Hit = RingHit;
    // What a click at `widgetPoint` lands on, with the settled layout.
    Hit hitTest(QPointF widgetPoint) const;
    // A widget point in stage points (the stage is 700 x 700, centre 350, 350).
    QPointF stagePoint(QPointF widgetPoint) const;
    // The click actions (also used by the mouse handlers).
    void clickWedge(int index);
    void clickCard(int index);
    static constexpr double clickActionDelay = 0.1;

    // ---- The animated state, for checks ----
    // 0 hidden ... 1 settled: the ring as a whole, and wedge i.
    double ringPresence() const;
    double wedgePresence(int index) const;
    double wedgeSelection(int index) const;
    double bandInnerRadius() const;
    double bandOuterRadius() const;
    // Arc angle the window fan is centred on now.
    double fanAngle() const;
    bool isFanShown() const;
    bool isAnimating() const;
    // Where the ring now differs from the last frame painted (widget
    // coordinates): what the next frame repaints.
    QRegion changedArea() const;
    // The wedges of the current list.
    RadialSegmentView segment(int index) const;

    QSize sizeHint() const override;
    // Draws the view as it looks now, the view's top-left at the painter's
    // origin, at the resolution of the painter's device.
    void paintRing(QPainter& painter) const;
    // Paints the settled ring once into an image at `devicePixelRatio`, so
    // the layers, glyphs and icon sizes the first showing needs are ready;
    // the view is left in its hidden pose. Only while hidden.
    void prerender(double devicePixelRatio);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct WedgeState;
    struct CardState;
    struct Fan;

    void onAppearSession();
    void onRunningApps();
    void onVisibility();
    void onSelection();
    void onWindows();
    void syncAll(bool animated);
    void syncWedgeSelection(bool animated);
    void syncFan(bool animated);
    void scheduleAccessibilityCheck();
    void publishAccessibility();
    bool reduceMotion() const;
    QIcon iconFor(const RunningApp& app) const;
    double selectedAppAngle() const;

    // `turn` turns the painter for the ring's spin; `bandTurns` false leaves
    // the band out of it.
    void paintStage(QPainter& p, const RingPalette& palette, double deviceScale, const std::function<void(QPainter&)>& turn,
                    bool bandTurns) const;
    void paintWedges(QPainter& p, const RingPalette& palette, double deviceScale) const;
    // Wedge `i`'s shape in a look (0 plain ... 1 selected, in 32nds) at a
    // resolution (device pixels per point), from its cache; `box` receives
    // where it goes on the stage.
    const QImage& wedgeLook(int i, double quantized, double deviceScale, const RingPalette& palette, QRectF& box) const;
    void paintFan(QPainter& p, const Fan& fan, double opacity, const RingPalette& palette) const;
    void paintCenter(QPainter& p) const;
    bool isAtRest() const;
    // How wedge `i` is drawn for its presence: its opacity (in 255ths), its
    // scale and turn about the stage's centre (1 and 0 once too small to
    // see) and its icon's blur as blurred (0: sharp).
    struct WedgeDrawn {
        double opacity = 0.0;
        double scale = 1.0;
        double sweep = 0.0;
        double iconBlur = 0.0;
        bool operator==(const WedgeDrawn&) const = default;
    };
    WedgeDrawn wedgeDrawn(int i) const;
    static QTransform wedgeTransform(const WedgeDrawn& drawn);
    // Where wedge `i` and its icon can draw when drawn as `drawn`, under
    // `ring` (stage to widget).
    QRect wedgeArea(int i, const WedgeDrawn& drawn, const QTransform& ring) const;
    // What a frame shows, split into what repaints everything that moves
    // when it changes, and what repaints only where it moved: the band's
    // edges, a wedge, the icons' turns and the centre icon's tilt (the end
    // of an opening, and a pointer moving over a ring at rest).
    struct Pose {
        std::vector<double> whole;
        double bandInner = 0.0, bandOuter = 0.0;
        std::vector<WedgeDrawn> wedges;
        std::vector<double> turns;
        double tiltX = 0.0, tiltY = 0.0;
        bool valid = false;
    };
    Pose pose() const;
    // What can change from one frame to the next (widget coordinates).
    QRegion movingArea() const;
    // Repaints what a change of state may have moved, with the animation's
    // next frame when the window was exposed a moment ago.
    void repaintMoving();
    // The part of the view this frame's ring can draw on.
    QRegion reachArea() const;
    // How far from the centre the band or the farthest wedge reaches, with
    // its outline and a margin (stage points, before any blur).
    double ringRadius() const;
    // The whole ring's blur now (points).
    double blur() const;

    QPointer<CircularSwitcherViewModel> m_model;
    QUuid m_session;
    bool m_visible = false;
    int m_selectedIndex = 0;
    std::optional<int> m_selectedWindow;

    AnimatedValue m_ring {0.0, RestTolerance::unit};
    BlurredFramePacer m_pacer;
    RingBand m_band;
    std::vector<std::unique_ptr<WedgeState>> m_wedges;
    std::unique_ptr<Fan> m_fan;
    std::unique_ptr<Fan> m_oldFan;
    AnimatedValue m_fanSwap {1.0, RestTolerance::unit};
    AnimatedValue m_fanAngle {0.0, RestTolerance::arcRadians};
    TiltingCenterAppIcon* m_centreIcon = nullptr;
    QIcon m_previousCenterIcon;
    AnimatedValue m_centreSwap {1.0, RestTolerance::unit};
    mutable QHash<QString, QIcon> m_icons;
    // The centre icons of a cross-fade, each blurred once.
    mutable CenterIconPainter m_centrePainter;

    quint64 m_revision = 0;
    mutable RingLayerCache m_restLayer;
    mutable bool m_paintedAtRest = false; // the last frame painted showed the ring at rest
    bool m_paintsMoving = false; // prerendering the poses of a ring in motion
    mutable QHash<quint64, RingLayerCache> m_wedgeLayers; // resting looks of the wedges, by shape and look
    struct OutlineBounds {
        std::array<double, 5> radii; // the band's and the gaps the outline was built for
        QRectF bounds;
    };
    mutable QHash<quint64, OutlineBounds> m_outlineBounds; // each wedge's outline's bounds, by index and count
    mutable RingBlurLayer m_blurLayer; // while the ring opens blurred
    QRegion m_drawnArea; // what the last paint could have drawn on; empty before the first
    Pose m_paintedPose;
    mutable WindowArcCardCache m_cards;

    Hit m_pressed;
    std::optional<QString> m_publishedValue;
    bool m_accessibilityCheckPending = false;
    bool m_repaintPending = false;
};
