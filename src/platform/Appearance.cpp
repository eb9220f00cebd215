#include "platform/Appearance.h"

#include "platform/Platform.h"

Appearance& Appearance::shared() { return Platform::installed().appearance(); }
