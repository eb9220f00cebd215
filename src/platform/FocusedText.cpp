#include "platform/FocusedText.h"

#include "platform/Platform.h"

FocusedText& FocusedText::shared() { return Platform::installed().focusedText(); }
