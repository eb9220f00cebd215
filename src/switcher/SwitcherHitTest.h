#pragma once
// What a point of the switcher's stage lands on: a window card, a wedge or
// nothing. Pure geometry over the ring's settled layout, no widget.

#include <QPointF>
#include <QSizeF>
#include <optional>

#include "ringkit/RingElement.h"

struct SwitcherHitTest {
    static constexpr double stageSize = 700.0;

    int apps = 0;
    // The application the ring shows selected, and whether its wedge wears
    // the selected look (not while one of its windows is selected).
    int selectedApp = 0;
    bool wedgeSelected = true;
    // The pointer rests on a window card: the selected wedge is not lifted
    // above its neighbours then.
    bool pointingAtWindow = false;
    // Window cards shown (0: none) and the selected one, fanned about `fanAngle`.
    int cards = 0;
    std::optional<int> selectedCard;
    double fanAngle = 0.0;
    bool visible = true;
    bool reduceMotion = false;

    // A widget point in stage points: the stage (700 x 700, centre 350, 350)
    // fills the widget's shorter side about its middle.
    static QPointF stagePoint(QPointF widgetPoint, QSizeF widgetSize);
    // The arc angle the fan of application `selected` of `apps` is centred on.
    static double appAngle(int selected, int apps);

    RingHit at(QPointF stagePoint) const;
};
