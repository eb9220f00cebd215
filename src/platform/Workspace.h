#pragma once
// The workspace: running applications, the installed applications, launching,
// icons, opening addresses and the system beep.
//
// On X11 an application is the group of managed client windows that share one
// bundle identifier (see ApplicationIdentity). Its `pid` is the key the window
// port (Windows) uses for the whole group: the smallest process id among its
// windows, unless another application of the same process already has that
// key, in which case it is a negative number of its own. `processID` is always
// the real process (0 when unknown).

#include <QIcon>
#include <QList>
#include <QString>
#include <QUrl>
#include <memory>
#include <optional>

struct RunningApplication {
    enum class ActivationPolicy {
        Regular, // has ordinary windows: shown in the switcher
        Accessory, // only panels, utility or dialog windows
        Prohibited, // no windows at all (background process)
    };

    qint32 pid = 0;
    QString bundleIdentifier; // empty when the process has none
    QString localizedName; // empty when unknown
    QIcon icon; // null when none
    ActivationPolicy activationPolicy = ActivationPolicy::Regular;
    QString bundleURL; // the desktop entry file, empty when none
    qint32 processID = 0; // the real process id; 0 when unknown
};

class Workspace {
public:
    virtual ~Workspace() = default;

    // Running applications in a stable order (the order they were first seen).
    virtual QList<RunningApplication> runningApplications() const = 0;
    // Process id of the frontmost (active) application, if any.
    virtual std::optional<qint32> frontmostApplicationPID() const = 0;
    // The installed application (its desktop entry file) for a bundle identifier.
    virtual std::optional<QString> urlForApplication(const QString& bundleIdentifier) const = 0;
    // Starts the application at `url`, detached. False when it could not be started.
    virtual bool openApplication(const QString& url) = 0;
    // The icon of the application at `url` (its desktop entry).
    virtual QIcon iconForFile(const QString& url) const = 0;
    virtual bool openURL(const QUrl& url) = 0;
    virtual void beep() = 0;

    // The running application with this bundle identifier, if any (the first
    // in the stable order); nothing for an empty identifier.
    std::optional<RunningApplication> runningApplication(const QString& bundleIdentifier) const;
};
