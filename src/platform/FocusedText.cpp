#include "platform/FocusedText.h"

std::shared_ptr<FocusedText> makeAtspiFocusedText(); // platform/linux/AtspiFocusedText.cpp

namespace {
std::shared_ptr<FocusedText>& sharedFocus()
{
    static std::shared_ptr<FocusedText> s;
    return s;
}
}

FocusedText& FocusedText::shared()
{
    auto& s = sharedFocus();
    if (!s)
        s = makeAtspiFocusedText();
    return *s;
}

void FocusedText::setShared(std::shared_ptr<FocusedText> focus) { sharedFocus() = std::move(focus); }
