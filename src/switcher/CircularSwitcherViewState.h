#pragma once
// What the switcher view animates and the small helpers its drawing and its
// model-following share; private to CircularSwitcherView's sources.

#include "switcher/CircularSwitcherView.h"

#include "ringkit/RingAnimation.h"
#include "ringkit/RingEffects.h"
#include "ringkit/RingMotion.h"

#include <QColor>
#include <QImage>
#include <algorithm>
#include <memory>
#include <numbers>
#include <vector>

namespace switcher_view {
constexpr double pi = std::numbers::pi;
constexpr double twoPi = 2.0 * std::numbers::pi;

using RingMath::clamp01;
using RingMath::mix;
inline double degreesOf(double radians) { return radians * 180.0 / pi; }

// The system blue of the light and dark appearance.
inline QColor systemBlue(bool dark) { return dark ? QColor(10, 132, 255) : QColor(0, 122, 255); }

inline QColor withAlpha(QColor c, double alpha)
{
    c.setAlphaF(float(clamp01(alpha)));
    return c;
}

inline QColor mixColour(const QColor& a, const QColor& b, double t)
{
    t = clamp01(t);
    return QColor::fromRgbF(float(mix(a.redF(), b.redF(), t)), float(mix(a.greenF(), b.greenF(), t)),
                            float(mix(a.blueF(), b.blueF(), t)), float(mix(a.alphaF(), b.alphaF(), t)));
}
} // namespace switcher_view

struct CircularSwitcherView::WedgeState {
    RunningApp app;
    AnimatedValue presence {0.0, RingMotion::segmentPresenceRestTolerance}; // scale, sweep, opacity and icon blur
    AnimatedValue spin {0.0, RingMotion::iconSpinRestTolerance};            // the icon's turn
    AnimatedValue selection {0.0, RestTolerance::unit};
    mutable RingLayerCache shapeLayer;
    mutable RingBlurCache iconBlur;
    mutable QImage sizedIcon; // the icon reduced to about the pixels it is drawn with
    mutable int sizedWidth = 0;
    mutable qint64 sizedSource = 0;

    // The icon at most `width` pixels wide, its size in points kept, with
    // a clear pixel all round (so it turns without antialiasing).
    const QImage& iconAtWidth(int width) const
    {
        if (app.icon.isNull() || width <= 0)
            return app.icon;
        if (width != sizedWidth || app.icon.cacheKey() != sizedSource) {
            sizedIcon = RingEffects::withClearEdge(
                app.icon.width() <= width ? app.icon : RingEffects::reducedToWidth(app.icon, width));
            sizedWidth = width;
            sizedSource = app.icon.cacheKey();
        }
        return sizedIcon;
    }
};

struct CircularSwitcherView::CardState {
    AppWindow window;
    AnimatedValue selection {0.0, RestTolerance::unit};
};

struct CircularSwitcherView::Fan {
    std::vector<std::unique_ptr<CardState>> cards;
    double frozenAngle = 0.0; // a fan fading out stays where it was

    bool sameWindows(const QList<AppWindow>& windows) const
    {
        if (windows.size() != qsizetype(cards.size()))
            return false;
        for (qsizetype i = 0; i < windows.size(); ++i) {
            if (windows[i].id != cards[size_t(i)]->window.id)
                return false;
        }
        return true;
    }
};
