#include "platform/PresenceCheck.h"

#include "platform/Platform.h"

PresenceCheck& PresenceCheck::shared() { return Platform::installed().presenceCheck(); }
