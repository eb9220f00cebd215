#include "switcher/AppActivator.h"

#include "platform/Log.h"
#include "platform/Platform.h"
#include "platform/Windows.h"
#include "platform/Workspace.h"
#include "switcher/AppWindows.h"
#include "ringkit/RunningApp.h"
#include "switcher/SpaceFocus.h"

bool AppActivator::activateProcess(const Platform& platform, const QString& bundleIdentifier, const QString& name)
{
    Workspace& workspace = platform.workspace();
    QString url;
    if (const auto app = workspace.runningApplication(bundleIdentifier)) {
        if (platform.windows().activate(app->pid, true))
            return true;
        url = app->bundleURL;
    }
    if (url.isEmpty())
        url = workspace.urlForApplication(bundleIdentifier).value_or(QString());
    // A launch that fails (no such program, exec error) is known at once here:
    // it is not reported as a success.
    if (url.isEmpty() || !workspace.openApplication(url)) {
        Log::write(QStringLiteral("Kelvaro: could not activate ") + name);
        return false;
    }
    return true;
}

bool AppActivator::activate(const Platform& platform, const QString& bundleIdentifier, const QString& name)
{
    if (const auto app = platform.workspace().runningApplication(bundleIdentifier)) {
        if (const auto windowID = AppWindows::frontWindowID(platform, app->pid)) {
            const auto outcome = SpaceFocus::activateSpace(platform.windows(), *windowID);
            const bool fronted = platform.windows().raise(*windowID);
            if (outcome != SpaceFocus::SpaceOutcome::alreadyActive) {
                const bool activated = platform.windows().activate(app->pid, false);
                if (fronted || activated)
                    return true;
            }
        }
    }
    return activateProcess(platform, bundleIdentifier, name);
}

bool AppActivator::activate(const Platform& platform, const RunningApp& app)
{
    return activate(platform, app.bundleIdentifier, app.name);
}
