#include "platform/KeyTap.h"

#include "platform/Platform.h"

KeyTap& KeyTap::shared() { return Platform::installed().keyTap(); }
