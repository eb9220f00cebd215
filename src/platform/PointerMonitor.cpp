#include "platform/PointerMonitor.h"

#include "platform/Platform.h"

PointerMonitor& PointerMonitor::shared() { return Platform::installed().pointerMonitor(); }
