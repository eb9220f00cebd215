#pragma once
// The stage coordinates and small helpers the shortcut ring view's sources
// share; private to them.

#include "ring/AppShortcutRingView.h"

#include "ringkit/RingMotion.h"
#include "ringkit/WindowArcGeometry.h"

#include <QPointF>

namespace shortcut_ring_view {
constexpr double stageHalf = AppShortcutRingView::stageSize / 2.0;
inline const QPointF stageCenter(stageHalf, stageHalf);

using RingMath::clamp01;
using RingMath::mix;
inline double toDegrees(double radians) { return radians * 180.0 / RingAngles::pi; }
} // namespace shortcut_ring_view
