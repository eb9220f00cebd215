#include "app/RingSources.h"

#include "platform/Workspace.h"
#include "ringkit/RunningApp.h"

#include <QPixmap>

std::optional<FrontmostApplication> RingSources::frontmostApplication(const Workspace& workspace)
{
    const auto pid = workspace.frontmostApplicationPID();
    if (!pid)
        return std::nullopt;
    for (const RunningApplication& app : workspace.runningApplications()) {
        if (app.pid != *pid)
            continue;
        if (app.bundleIdentifier.isEmpty() || app.localizedName.isEmpty())
            return std::nullopt;
        // An application without an icon still has its shortcut ring.
        const QIcon icon = !app.icon.isNull()
            ? app.icon
            : QIcon(QPixmap::fromImage(RunningApp::placeholderIcon(app.localizedName, 64)));
        return FrontmostApplication { app.bundleIdentifier, app.localizedName, icon };
    }
    return std::nullopt;
}

void RingSources::beep(Workspace& workspace) { workspace.beep(); }
