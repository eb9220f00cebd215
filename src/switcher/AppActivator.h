#pragma once
// The one way an application is committed from any ring.

#include <QString>

class Platform;
struct RunningApp;

class AppActivator {
public:
    // Activates the running application with all its windows, or launches it.
    // False when no such application can be found or its launch failed at once.
    static bool activateProcess(const Platform& platform, const QString& bundleIdentifier, const QString& name);
    // Brings the application's front window forward on its desktop, with
    // activateProcess as the fallback.
    static bool activate(const Platform& platform, const QString& bundleIdentifier, const QString& name);
    static bool activate(const Platform& platform, const RunningApp& app);
};
