#pragma once
// Spaces and front processes: switching to a window's Space and making a
// process frontmost with a given window.

#include <QtGlobal>

class SpaceFocus {
public:
    enum class SpaceOutcome {
        switched,      // the display was switched to the window's Space
        alreadyActive, // the window's Space is the active one; nothing was switched
        failed,        // no Space or no display was found; nothing was switched
    };

    static SpaceOutcome activateSpace(quint32 windowID);
    static bool makeFront(qint32 pid, quint32 windowID);
};
