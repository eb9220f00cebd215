#pragma once
// The switcher ring's animated state and where it puts things for it: the
// wedges with their icons, the window fan, the band and the centre, as the
// current model and motion values have them. Read by the painter and by the
// repaint areas; the view moves it as the model changes.

#include <QIcon>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QTransform>
#include <memory>
#include <numbers>
#include <optional>
#include <vector>

#include "ringkit/RingAnimation.h"
#include "ringkit/RingEffects.h"
#include "ringkit/RingGlass.h"
#include "ringkit/RingMotion.h"
#include "ringkit/RunningApp.h"
#include "switcher/AppWindow.h"
#include "switcher/RadialSegmentView.h"
#include "switcher/SwitcherHitTest.h"

class CircularSwitcherViewModel;
class TiltingCenterAppIcon;

namespace switcher_view {
constexpr double pi = std::numbers::pi;
constexpr double twoPi = 2.0 * std::numbers::pi;

using RingMath::clamp01;
using RingMath::mix;
inline double degreesOf(double radians) { return radians * 180.0 / pi; }
} // namespace switcher_view

class SwitcherLayout {
public:
    static constexpr double stageSize = SwitcherHitTest::stageSize;

    struct WedgeState {
        RunningApp app;
        AnimatedValue presence { 0.0, RingMotion::segmentPresenceRestTolerance }; // scale, sweep, opacity and icon blur
        AnimatedValue spin { 0.0, RingMotion::iconSpinRestTolerance }; // the icon's turn
        AnimatedValue selection { 0.0, RestTolerance::unit };
        mutable RingLayerCache shapeLayer;
        mutable RingBlurCache iconBlur;
        mutable QImage sizedIcon; // the icon reduced to about the pixels it is drawn with
        mutable int sizedWidth = 0;
        mutable qint64 sizedSource = 0;

        // The icon at most `width` pixels wide, its size in points kept, with
        // a clear pixel all round (so it turns without antialiasing).
        const QImage& iconAtWidth(int width) const;
    };

    struct CardState {
        AppWindow window;
        AnimatedValue selection { 0.0, RestTolerance::unit };
    };

    struct Fan {
        std::vector<std::unique_ptr<CardState>> cards;
        double frozenAngle = 0.0; // a fan fading out stays where it was

        bool sameWindows(const QList<AppWindow>& windows) const;
    };

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

    SwitcherLayout();

    // How far from the middle, in stage points, anything but window cards is
    // ever drawn: the band's canvas, blurred, with its soft edge.
    static double ringReach();
    // How far from its middle a wedge's icon can draw, turned any way: the
    // circle round its largest square, grown by its blur's margin (points).
    static double iconReach(double iconBlur);
    static QTransform wedgeTransform(const WedgeDrawn& drawn);

    bool reduceMotion() const;
    // The colours of a frame now, in the shade of the model's platform.
    RingPalette palette() const;
    double selectedAppAngle() const;
    // The wedges of the current list.
    RadialSegmentView segment(int index) const;
    WedgeDrawn wedgeDrawn(int i) const;
    // The fan's angle now (a fan fading out keeps its own).
    double angleOf(const Fan& fan) const { return &fan == this->fan.get() ? fanAngle.value() : fan.frozenAngle; }
    // Where card `j` of `fan` draws, selected or not (stage points).
    QRectF cardBounds(const Fan& fan, size_t j) const;
    // How far from the centre the band or the farthest wedge reaches, with
    // its outline and a margin (stage points, before any blur).
    double ringRadius() const;
    // The whole ring's blur now (points).
    double blur() const;
    bool isAnimating() const;
    // Everything within a fraction of a pixel of its target while shown.
    bool isAtRest() const;

    QPointer<CircularSwitcherViewModel> model;
    TiltingCenterAppIcon* centreIcon = nullptr;

    bool visible = false;
    int selectedIndex = 0;
    std::optional<int> selectedWindow;

    AnimatedValue ring { 0.0, RestTolerance::unit };
    RingBand band;
    std::vector<std::unique_ptr<WedgeState>> wedges;
    std::unique_ptr<Fan> fan;
    std::unique_ptr<Fan> oldFan;
    AnimatedValue fanSwap { 1.0, RestTolerance::unit };
    AnimatedValue fanAngle { 0.0, RestTolerance::arcRadians };
    QIcon previousCenterIcon;
    AnimatedValue centreSwap { 1.0, RestTolerance::unit };
    quint64 revision = 0;
};
