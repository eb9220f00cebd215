#include "platform/Windows.h"
#include "platform/Workspace.h"

std::optional<RunningApplication> Workspace::runningApplication(const QString& bundleIdentifier) const
{
    if (bundleIdentifier.isEmpty())
        return std::nullopt;
    for (const auto& app : runningApplications()) {
        if (app.bundleIdentifier == bundleIdentifier)
            return app;
    }
    return std::nullopt;
}
