#pragma once
// A widget that has just appeared or moved in a list eases into its place:
// it fades in from transparent, or it is drawn where it was and slides to
// where the layout put it. The layout is never fought: the widget keeps its
// geometry and only its drawing is offset, by a graphics effect that exists
// while the motion runs and is removed once it rests, so a list at rest is
// drawn as plainly as before. Under Reduce Motion, or for a widget not on
// screen, nothing is installed.

#include "ringkit/RingAnimation.h"

class QWidget;
class WidgetMotion;

namespace ChangeMotion {

// Fades `widget` in from fully transparent. Returns the motion (owned by the
// widget), or null when `still` and nothing moves.
WidgetMotion* fadeIn(QWidget* widget, const RingAnimation& animation, bool still);
// Draws `widget` `dy` pixels away from its place and slides it back.
WidgetMotion* slideFrom(QWidget* widget, double dy, const RingAnimation& animation, bool still);

} // namespace ChangeMotion
