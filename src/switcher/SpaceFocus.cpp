#include "switcher/SpaceFocus.h"

#include "platform/Spaces.h"

SpaceFocus::SpaceOutcome SpaceFocus::activateSpace(quint32 windowID)
{
    Spaces& spaces = Spaces::shared();
    const auto list = spaces.spacesForWindow(windowID);
    if (!list || list->isEmpty())
        return SpaceOutcome::failed;
    const quint64 space = list->first();
    if (spaces.activeSpace() == space)
        return SpaceOutcome::alreadyActive;
    const auto display = spaces.displayForSpace(space);
    if (!display)
        return SpaceOutcome::failed;
    spaces.setCurrentSpace(*display, space);
    return SpaceOutcome::switched;
}

bool SpaceFocus::makeFront(qint32 pid, quint32 windowID)
{
    const auto result = Spaces::shared().setFrontProcess(pid, windowID);
    return result && *result == 0;
}
