#include "platform/Clipboard.h"

#include "platform/Platform.h"

Clipboard& Clipboard::shared() { return Platform::installed().clipboard(); }
