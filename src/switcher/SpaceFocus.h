#pragma once
// Desktops: switching to the desktop a window is on.

#include <QtGlobal>

class Windows;

class SpaceFocus {
public:
    enum class SpaceOutcome {
        switched, // the display was switched to the window's desktop
        alreadyActive, // the window is on the current desktop (or on every one); nothing was switched
        failed, // the window's desktop is unknown or cannot be switched to; nothing was switched
    };

    static SpaceOutcome activateSpace(Windows& windows, quint32 windowID);
};
