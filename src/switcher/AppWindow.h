#pragma once
// One window of an application, as offered on the switcher's outer arc.

#include <QString>

struct AppWindow {
    QString id; // stable identifier, see AppWindows::stableID
    QString title;
    QString appName;
    QString bundleIdentifier;
    quint32 windowID = 0; // the window port's id of the window

    // Windows are the same window when their identifiers are.
    bool operator==(const AppWindow& other) const { return id == other.id; }
};
