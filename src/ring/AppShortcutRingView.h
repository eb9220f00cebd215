#pragma once
// The drawing of a shortcut-like ring (an application's shortcuts, saved tabs
// or vault accounts) over its view model: the glass band, one wedge per item
// of the page shown, an outer arc of password cards beside the selected
// account once the pointer is armed, and in the centre the page dots (more
// than one page) or the icon of the application whose items are shown.
//
// Pure presentation: it follows the model's signals and writes to the model
// only on clicks (a wedge selects; a card selects and, 0.1 s later, asks the
// model's owner to run it). Every pose change plays the rings' animations on the shared
// AnimationEngine (Scheduler time); a new appearance session of the model
// snaps everything back to the hidden pose. The whole ring is one
// accessibility element whose value speaks the selection; every change of it
// is announced.
//
// The stage is 700 points square, drawn scaled by AppSettings' ringScale
// about the widget's centre (the owner sizes the widget to 700 x ringScale).

#include "ring/ShortcutSegmentView.h"
#include "ringkit/RingPanel.h"
#include "ringkit/CenterAppIcon.h"
#include "ringkit/RingAnimation.h"
#include "ringkit/RingEffects.h"
#include "ringkit/RingElement.h"
#include "ringkit/RingMotion.h"
#include "ringkit/RingShapes.h"
#include "ringkit/WindowArcCard.h"

#include <QPointer>
#include <QUuid>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "ring/AppShortcutRingViewModel.h"

class Platform;

class AppShortcutRingView : public QWidget, public RingFrameContent {
    Q_OBJECT
public:
    static constexpr double stageSize = 700.0;

    AppShortcutRingView(AppShortcutRingViewModel* model, QWidget* parent = nullptr);
    ~AppShortcutRingView() override;

    AppShortcutRingViewModel* viewModel() const { return m_model; }

    // The spoken state: "<name>, <position> of <count>" or "No shortcuts".
    QString accessibilityDescription() const;
    static QString accessibilityLabel();
    static QString accessibilityHint();

    // What a point of the widget hits (topmost first: cards, then wedges).
    using Hit = RingHit;
    Hit hitTest(QPointF widgetPoint) const;

    // The title of arc card `index` ("Password 3" when its label is empty).
    QString cardTitle(int index) const;
    // Whether the card arc is part of the drawing now.
    bool showsCardArc() const;
    // Whether the centre shows the page dots (else the application icon).
    bool showsPageDots() const;
    // True while any pose or selection is still moving.
    bool isAnimating() const;

    // Draws one frame of the ring as it stands now, with the painter's origin
    // at the widget's top-left corner (what paintEvent draws).
    void renderFrame(QPainter& painter);
    // The frame in `area`, what paintEvent draws.
    void paintFrame(QPainter& painter, const QRegion& area) override;

    // What the next frame of a motion repaints (widget coordinates): the
    // disc the ring can reach now or could in the last frame painted, or all
    // of the view while the card arc is drawn.
    QRegion frameArea() const;
    // What a turn of the centre tile repaints: its square, with its shadows,
    // while the rest of the ring stands still; the frame's area otherwise.
    QRegion tiltArea() const;

    // Widget point <-> stage point (700-point stage, no turn).
    QPointF toStage(QPointF widgetPoint) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct WedgeMotion {
        AnimatedValue visibility { 0.0,
            RingMotion::segmentPresenceRestTolerance }; // 0 hidden ... 1 settled (segment spring)
        AnimatedValue spin { 0.0, RingMotion::iconSpinRestTolerance }; // the label's turn (icon spring)
        AnimatedValue selected { 0.0, RestTolerance::unit }; // 0 plain ... 1 selected look
    };

    void rebuildWedges();
    void onVisibilityChanged();
    void onSelectionChanged();
    void onArcChanged();
    void onPageChanged();
    void onSessionChanged();
    void onCurrentAppChanged();
    void snapToModel();
    // Takes up a changed spoken value; announced on the next turn when asked.
    void refreshDescription(bool announceChange);
    void takeDescription(bool announce);
    bool reduceMotion() const;
    double ringScale() const;
    // The whole ring's blur now (points).
    double blur() const;
    // How far from the middle this frame can draw (widget points); -1 for
    // anywhere in the view.
    double reach() const;

    ShortcutRadialSegmentView segment(int index) const;
    WindowArcSegmentView card(int index) const;
    double selectedEntryAngle() const;
    bool wedgesResting() const;
    // Whether everything but the centre tile stands still at full presence:
    // the ring is then drawn from one layer.
    bool standsStill() const;

    void paintStage(QPainter& p, double deviceScale);
    void paintMoving(QPainter& p, double deviceScale);
    void paintRestingContent(QPainter& p);
    void paintArc(QPainter& p, const RingPalette& palette);
    void paintCenter(QPainter& p, const RingPalette& palette);

    const Platform& m_platform;
    QPointer<AppShortcutRingViewModel> m_model;
    RingPalette m_palette;

    AnimatedValue m_ring { 0.0, RestTolerance::unit }; // whole-ring visibility (ring curve)
    RingBand m_band;
    std::vector<std::unique_ptr<WedgeMotion>> m_wedges;
    AnimatedValue m_arcAngle { 0.0, RestTolerance::arcRadians }; // arc angle the card arc is centred on
    AnimatedValue m_arcContent { 0.0, RestTolerance::unit }; // fades a new set of cards in
    AnimatedValue m_dotPosition { 0.0, RestTolerance::unit }; // the page the dots show
    TiltingCenterAppIcon m_centreIcon;
    bool m_arcWasShown = false;
    QList<QUuid> m_arcIds;

    RingLayerCache m_restLayer;
    RingBlurLayer m_blurLayer;
    BlurredFramePacer m_pacer;
    double m_paintedReach = -1.0; // reach() of the last frame painted
    WindowArcCardCache m_cards; // the password cards' slabs
    std::vector<RingLayerCache> m_wedgeLayers;
    std::vector<RingBlurCache> m_labelBlurs; // each label's blur while the ring opens
    quint64 m_contentVersion = 1;

    QString m_description;
    bool m_descriptionPending = false;
    Hit m_pressed;
};
