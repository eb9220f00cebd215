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
// the ring scale about its centre. Where things go is SwitcherLayout's,
// drawing them SwitcherPainter's, what a frame repaints SwitcherRepaint's
// and what a click lands on SwitcherHitTest's; the view wires them to the
// model, the animation engine and the pointer.

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

#include "ringkit/CenterAppIcon.h"
#include "ringkit/RingAnimation.h"
#include "ringkit/RingElement.h"
#include "ringkit/RingPanel.h"
#include "switcher/RadialSegmentView.h"
#include "switcher/SwitcherLayout.h"
#include "switcher/SwitcherPainter.h"
#include "switcher/SwitcherRepaint.h"

class CircularSwitcherViewModel;
class QAccessibleEvent;

class CircularSwitcherView : public QWidget, public RingFrameContent {
    Q_OBJECT
public:
    static constexpr double stageSize = SwitcherLayout::stageSize;
    // How far from the middle, in stage points, anything but window cards is
    // ever drawn: the band's canvas, blurred, with its soft edge.
    static double ringReach() { return SwitcherLayout::ringReach(); }
    // The side of the square, in device-independent pixels at `scale`, that
    // holds all the view draws while it shows no window cards.
    static double ringSide(double scale) { return 2.0 * (ringReach() * scale + 2.0); }

    explicit CircularSwitcherView(CircularSwitcherViewModel* viewModel, QWidget* parent = nullptr);
    ~CircularSwitcherView() override;

    CircularSwitcherViewModel* viewModel() const { return m_model; }

    // ---- Accessibility ----
    static QString accessibilityLabel(); // "App Switcher", localized
    static QString accessibilityHint(); // localized
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
    // Under the band's glass: the desktop behind it, frosted.
    void paintFrost(QPainter& painter) const;
    // Paints the settled ring once into an image at `devicePixelRatio`, so
    // the layers, glyphs and icon sizes the first showing needs are ready;
    // the view is left in its hidden pose. Only while hidden.
    void prerender(double devicePixelRatio);
    // Frees the buffers a moving ring draws with, while hidden.
    void releaseMotionBuffers() { m_painter.releaseMotionBuffers(); }
    // The frost and the ring in `area`, what paintEvent draws.
    void paintFrame(QPainter& painter, const QRegion& area) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
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
    QIcon iconFor(const RunningApp& app) const;
    SwitcherRepaint::Viewport viewport() const { return { size(), devicePixelRatioF() }; }
    // Repaints what a change of state may have moved, with the animation's
    // next frame when the window was exposed a moment ago.
    void repaintMoving();

    QPointer<CircularSwitcherViewModel> m_model;
    QUuid m_session;
    TiltingCenterAppIcon* m_centreIcon = nullptr;
    SwitcherLayout m_layout;
    SwitcherPainter m_painter { m_layout };
    SwitcherRepaint m_repaint { m_layout };
    BlurredFramePacer m_pacer;
    mutable QHash<QString, QIcon> m_icons;

    Hit m_pressed;
    std::optional<QString> m_publishedValue;
    bool m_accessibilityCheckPending = false;
};
