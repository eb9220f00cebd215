#include "switcher/SpaceFocus.h"

#include "platform/Windows.h"

SpaceFocus::SpaceOutcome SpaceFocus::activateSpace(Windows& windows, quint32 windowID)
{
    const auto desktop = windows.desktopOf(windowID);
    const auto current = windows.currentDesktop();
    if (!desktop || !current)
        return SpaceOutcome::failed;
    if (*desktop == Windows::allDesktops || *desktop == *current)
        return SpaceOutcome::alreadyActive;
    if (!windows.switchToDesktop(*desktop))
        return SpaceOutcome::failed;
    return SpaceOutcome::switched;
}
