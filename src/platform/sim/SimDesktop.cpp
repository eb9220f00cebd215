#include "platform/sim/SimDesktop.h"

#include <QPainter>
#include <QPixmap>

QIcon SimDesktop::solidIcon(QColor colour)
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return QIcon(QPixmap::fromImage(image));
}

SimDesktop::App& SimDesktop::addApp(qint32 pid, const QString& bundleIdentifier, const QString& name)
{
    App a;
    a.pid = pid;
    a.bundleIdentifier = bundleIdentifier;
    a.name = name;
    a.icon = solidIcon(Qt::blue);
    a.bundleURL = QStringLiteral("/apps/") + bundleIdentifier + QStringLiteral(".desktop");
    installed.insert(bundleIdentifier, Installed { a.bundleURL, a.icon, true });
    apps << a;
    return apps.last();
}

SimDesktop::Window& SimDesktop::addWindow(qint32 pid, quint32 id, const QString& title)
{
    Window w;
    w.id = id;
    w.pid = pid;
    w.title = title;
    w.frame = QRectF(0, 0, 800, 600);
    w.desktop = 0;
    allWindows << w;
    return allWindows.last();
}

const SimDesktop::App* SimDesktop::app(qint32 pid) const
{
    for (const App& a : apps) {
        if (a.pid == pid)
            return &a;
    }
    return nullptr;
}

const SimDesktop::Window* SimDesktop::window(quint32 id) const
{
    for (const Window& w : allWindows) {
        if (w.id == id)
            return &w;
    }
    return nullptr;
}

SimDesktop::Window* SimDesktop::window(quint32 id) { return const_cast<Window*>(std::as_const(*this).window(id)); }

// ---- Workspace -------------------------------------------------------------------

QList<RunningApplication> SimDesktop::runningApplications() const
{
    QList<RunningApplication> out;
    for (const App& a : apps)
        out << RunningApplication { a.pid, a.bundleIdentifier, a.name, a.icon, a.policy, a.bundleURL, a.pid };
    return out;
}

std::optional<QString> SimDesktop::urlForApplication(const QString& bundleIdentifier) const
{
    const auto it = installed.constFind(bundleIdentifier);
    if (it == installed.cend())
        return std::nullopt;
    return it->url;
}

bool SimDesktop::openApplication(const QString& url)
{
    calls << QStringLiteral("open %1").arg(url);
    for (const Installed& i : installed) {
        if (i.url == url)
            return i.launchSucceeds;
    }
    return false;
}

QIcon SimDesktop::iconForFile(const QString& url) const
{
    for (const Installed& i : installed) {
        if (i.url == url)
            return i.icon;
    }
    return {};
}

bool SimDesktop::openURL(const QUrl& url)
{
    openedURLs << url;
    return true;
}

// ---- Windows -------------------------------------------------------------------------

QList<WindowInfo> SimDesktop::windowsOf(qint32 pid) const
{
    QList<WindowInfo> out;
    if (!app(pid))
        return out;
    for (const Window& w : allWindows) {
        if (w.pid == pid)
            out << w;
    }
    return out;
}

std::optional<QString> SimDesktop::windowTitle(quint32 id) const
{
    const Window* w = window(id);
    if (!w)
        return std::nullopt;
    return w->title;
}

std::optional<quint32> SimDesktop::desktopOf(quint32 id) const
{
    const Window* w = window(id);
    if (!w)
        return std::nullopt;
    return w->desktop;
}

bool SimDesktop::raise(quint32 id)
{
    calls << QStringLiteral("raise %1").arg(id);
    if (!windowManager || !window(id))
        return false;
    if (!acceptsFocus)
        return true; // asked; the window manager ignores it
    for (qsizetype i = 0; i < allWindows.size(); ++i) {
        if (allWindows[i].id == id) {
            allWindows[i].minimized = false;
            frontmostPID = allWindows[i].pid;
            allWindows.move(i, 0);
            break;
        }
    }
    activeWindowID = id;
    return true;
}

bool SimDesktop::activate(qint32 pid, bool allWindows)
{
    calls << QStringLiteral("activate %1%2").arg(pid).arg(allWindows ? QStringLiteral(" all") : QString());
    const App* a = app(pid);
    if (!windowManager || !a || !a->activationSucceeds)
        return false;
    frontmostPID = pid;
    return true;
}

std::optional<quint32> SimDesktop::currentDesktop() const
{
    if (!windowManager)
        return std::nullopt;
    return currentDesktopNumber;
}

bool SimDesktop::switchToDesktop(quint32 desktop)
{
    if (!windowManager || desktop >= desktopCount)
        return false;
    calls << QStringLiteral("switch %1").arg(desktop);
    currentDesktopNumber = desktop;
    return true;
}
