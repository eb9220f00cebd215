#pragma once
// A deterministic in-memory desktop for tests: running and installed
// applications, their windows and the desktops. It follows the rules of the
// X11 backend: windows front to back, a window manager that restores a
// minimised window it is asked to raise, desktops numbered from 0. Every
// request that changes something is recorded in `calls`, in order.

#include <QHash>
#include <QIcon>
#include <QList>
#include <QStringList>
#include <memory>

#include "platform/Windows.h"
#include "platform/Workspace.h"

class SimDesktop final : public Workspace, public Windows {
public:
    struct App {
        qint32 pid = 0;
        QString bundleIdentifier;
        QString name;
        QIcon icon;
        RunningApplication::ActivationPolicy policy = RunningApplication::ActivationPolicy::Regular;
        QString bundleURL;
        bool activationSucceeds = true;
    };
    struct Window : WindowInfo {
        qint32 pid = 0; // the application that owns it
    };
    struct Installed {
        QString url;
        QIcon icon;
        bool launchSucceeds = true;
    };

    // ---- The model (tests edit it directly) ----
    QList<App> apps; // in the workspace's order
    QList<Window> allWindows; // front to back
    QHash<QString, Installed> installed; // by bundle identifier
    std::optional<qint32> frontmostPID;
    std::optional<quint32> activeWindowID;
    bool acceptsFocus = true; // false: raise requests are recorded but change nothing
    bool windowManager = true; // false: no window manager runs (nothing can be raised or switched)
    quint32 desktopCount = 4;
    quint32 currentDesktopNumber = 0;
    QStringList calls;
    QList<QUrl> openedURLs;
    int beeps = 0;

    // Adds an application (and an installed entry at "/apps/<bundle>.desktop").
    App& addApp(qint32 pid, const QString& bundleIdentifier, const QString& name);
    // Adds an 800 x 600 window on desktop 0 behind the others (appended to `allWindows`).
    Window& addWindow(qint32 pid, quint32 id, const QString& title);
    Window* window(quint32 id);
    static QIcon solidIcon(QColor colour);

    // Workspace
    QList<RunningApplication> runningApplications() const override;
    std::optional<qint32> frontmostApplicationPID() const override { return frontmostPID; }
    std::optional<QString> urlForApplication(const QString& bundleIdentifier) const override;
    bool openApplication(const QString& url) override;
    QIcon iconForFile(const QString& url) const override;
    bool openURL(const QUrl& url) override;
    void beep() override { ++beeps; }

    // Windows
    QList<WindowInfo> windowsOf(qint32 app) const override;
    std::optional<QString> windowTitle(quint32 window) const override;
    std::optional<quint32> desktopOf(quint32 window) const override;
    std::optional<quint32> activeWindow() const override { return activeWindowID; }
    bool raise(quint32 window) override;
    bool activate(qint32 app, bool allWindows) override;
    std::optional<quint32> currentDesktop() const override;
    bool switchToDesktop(quint32 desktop) override;

private:
    const App* app(qint32 pid) const;
    const Window* window(quint32 id) const;
};
