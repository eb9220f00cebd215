#pragma once
// A deterministic in-memory desktop for tests: running and installed
// applications, windows with their element attributes and window-list entries,
// Spaces and the front-process facility. Every request that changes something
// is recorded in `calls`, in order.

#include <QHash>
#include <QIcon>
#include <QList>
#include <QRectF>
#include <QSet>
#include <QSizeF>
#include <QStringList>
#include <QVariantHash>
#include <memory>

#include "platform/Spaces.h"
#include "platform/WindowElements.h"
#include "platform/WindowList.h"
#include "platform/Workspace.h"

class SimDesktop final : public Workspace, public WindowElements, public WindowList, public Spaces {
public:
    struct App {
        qint32 pid = 0;
        QString bundleIdentifier;
        QString name;
        QIcon icon;
        RunningApplication::ActivationPolicy policy = RunningApplication::ActivationPolicy::Regular;
        QString bundleURL;
        bool activationSucceeds = true;
        bool elementsReadable = true; // false: the process refuses every element request
    };
    struct Window {
        quint64 handle = 0; // element identity
        qint32 pid = 0;
        std::optional<quint32> number; // window-list number; none: not in the window list
        bool elementRevealsNumber = true;
        bool inElements = true; // listed in the application's "AXWindows"
        // Element attributes.
        QString role = QStringLiteral("AXWindow");
        QString subrole = QStringLiteral("AXStandardWindow");
        std::optional<QString> title;
        bool minimized = false;
        bool fullScreen = false;
        std::optional<QSizeF> size = QSizeF(800, 600);
        QVariantHash attributeOverrides; // replace any attribute, e.g. a number for a Bool
        // Window-list values.
        std::optional<QString> name;
        std::optional<QRectF> bounds = QRectF(0, 0, 800, 600);
        std::optional<int> layer = 0;
        std::optional<double> alpha = 1.0;
        std::optional<bool> onscreen = true;
        quint64 space = 1;
    };
    struct Installed {
        QString url;
        QIcon icon;
        bool launchSucceeds = true;
    };

    // ---- The model (tests edit it directly) ----
    QList<App> apps;       // in the workspace's order
    QList<Window> allWindows; // front to back
    QHash<QString, Installed> installed; // by bundle identifier
    std::optional<qint32> frontmostPID;
    QHash<qint32, quint64> focusedWindow; // pid -> handle
    QHash<qint32, quint64> mainWindow;    // pid -> handle
    bool acceptsFocus = true;   // false: focus requests are recorded but change nothing
    bool windowListAvailable = true;
    quint64 activeSpaceID = 1;
    bool spacesAvailable = true;
    QSet<quint64> spacesWithoutDisplay;
    bool frontProcessAvailable = true;
    int frontProcessError = 0;
    QStringList calls;
    QList<QUrl> openedURLs;
    int beeps = 0;

    // Adds an application (and an installed entry at "/apps/<bundle>.desktop").
    App& addApp(qint32 pid, const QString& bundleIdentifier, const QString& name);
    // Adds a window behind the others (appended to `allWindows`).
    Window& addWindow(qint32 pid, quint32 number, const QString& title);
    Window* window(quint64 handle);
    WindowElement element(const Window& w) const { return {WindowElement::Kind::Window, w.pid, w.handle}; }
    static QIcon solidIcon(QColor colour);

    // Installs this desktop as all four ports.
    static std::shared_ptr<SimDesktop> install();

    // Workspace
    QList<RunningApplication> runningApplications() const override;
    std::optional<qint32> frontmostApplicationPID() const override { return frontmostPID; }
    bool activateApplication(qint32 pid, bool allWindows) override;
    std::optional<QString> urlForApplication(const QString& bundleIdentifier) const override;
    bool openApplication(const QString& url) override;
    QIcon iconForFile(const QString& url) const override;
    bool openURL(const QUrl& url) override;
    void beep() override { ++beeps; }

    // WindowElements
    std::optional<QVariant> attribute(const WindowElement& element, const QString& name) const override;
    bool setAttribute(const WindowElement& element, const QString& name, const QVariant& value) override;
    bool performAction(const WindowElement& element, const QString& action) override;
    std::optional<quint32> windowNumber(const WindowElement& element) const override;

    // WindowList
    std::optional<QList<WindowListEntry>> windows() const override;

    // Spaces
    std::optional<QList<quint64>> spacesForWindow(quint32 windowNumber) const override;
    std::optional<quint64> activeSpace() const override;
    std::optional<QString> displayForSpace(quint64 space) const override;
    void setCurrentSpace(const QString& display, quint64 space) override;
    std::optional<int> setFrontProcess(qint32 pid, quint32 windowNumber) override;

private:
    const App* app(qint32 pid) const;
    const Window* window(quint64 handle) const;
    quint64 m_nextHandle = 1000;
};
