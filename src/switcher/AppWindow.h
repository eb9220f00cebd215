#pragma once
// One window of an application, as offered on the switcher's outer arc.

#include <QString>
#include <optional>

#include "platform/WindowElements.h"

struct AppWindow {
    QString id; // stable identifier, see AppWindows::stableID
    QString title;
    QString appName;
    QString bundleIdentifier;
    std::optional<WindowElement> element; // none for windows known only to the window list
    std::optional<quint32> cgWindowID;    // none when the element does not reveal it

    // Windows are the same window when their identifiers are.
    bool operator==(const AppWindow& other) const { return id == other.id; }
};
