#include "platform/SyntheticKeys.h"

#include "platform/Platform.h"

SyntheticKeys& SyntheticKeys::shared() { return Platform::installed().syntheticKeys(); }
