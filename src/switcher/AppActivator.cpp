#include "switcher/AppActivator.h"

#include "platform/Log.h"
#include "platform/Windows.h"
#include "platform/Workspace.h"
#include "switcher/AppWindows.h"
#include "ringkit/RunningApp.h"
#include "switcher/SpaceFocus.h"

bool AppActivator::activateProcess(const QString& bundleIdentifier, const QString& name)
{
    Workspace& workspace = Workspace::shared();
    QString url;
    if (const auto app = workspace.runningApplication(bundleIdentifier)) {
        if (Windows::shared().activate(app->pid, true))
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

bool AppActivator::activate(const QString& bundleIdentifier, const QString& name)
{
    if (const auto app = Workspace::shared().runningApplication(bundleIdentifier)) {
        if (const auto windowID = AppWindows::frontWindowID(app->pid)) {
            const auto outcome = SpaceFocus::activateSpace(*windowID);
            const bool fronted = Windows::shared().raise(*windowID);
            if (outcome != SpaceFocus::SpaceOutcome::alreadyActive) {
                const bool activated = Windows::shared().activate(app->pid, false);
                if (fronted || activated)
                    return true;
            }
        }
    }
    return activateProcess(bundleIdentifier, name);
}

bool AppActivator::activate(const RunningApp& app) { return activate(app.bundleIdentifier, app.name); }
