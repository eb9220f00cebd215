#include "platform/DisplayPreferences.h"

std::shared_ptr<DisplayPreferences> makeDefaultDisplayPreferences(); // platform/linux/DesktopDisplayPreferences.cpp

namespace {
std::shared_ptr<DisplayPreferences>& sharedPreferences()
{
    static std::shared_ptr<DisplayPreferences> s;
    return s;
}
}

DisplayPreferences& DisplayPreferences::shared()
{
    auto& s = sharedPreferences();
    if (!s)
        s = makeDefaultDisplayPreferences();
    return *s;
}

void DisplayPreferences::setShared(std::shared_ptr<DisplayPreferences> preferences)
{
    sharedPreferences() = std::move(preferences);
}
