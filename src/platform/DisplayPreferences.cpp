#include "platform/DisplayPreferences.h"

#include "platform/Platform.h"

DisplayPreferences& DisplayPreferences::shared() { return Platform::installed().displayPreferences(); }
