#include "app/RingSources.h"

#include "platform/Workspace.h"

std::optional<FrontmostApplication> RingSources::frontmostApplication()
{
    Workspace& workspace = Workspace::shared();
    const auto pid = workspace.frontmostApplicationPID();
    if (!pid)
        return std::nullopt;
    for (const RunningApplication& app : workspace.runningApplications()) {
        if (app.pid != *pid)
            continue;
        if (app.bundleIdentifier.isEmpty() || app.localizedName.isEmpty() || app.icon.isNull())
            return std::nullopt;
        return FrontmostApplication {app.bundleIdentifier, app.localizedName, app.icon};
    }
    return std::nullopt;
}

void RingSources::beep()
{
    Workspace::shared().beep();
}
