#include "platform/sim/SimDesktop.h"

#include <QPainter>
#include <QPixmap>

QIcon SimDesktop::solidIcon(QColor colour)
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return QIcon(QPixmap::fromImage(image));
}

std::shared_ptr<SimDesktop> SimDesktop::install()
{
    auto desktop = std::make_shared<SimDesktop>();
    Workspace::setShared(desktop);
    WindowElements::setShared(desktop);
    WindowList::setShared(desktop);
    Spaces::setShared(desktop);
    return desktop;
}

SimDesktop::App& SimDesktop::addApp(qint32 pid, const QString& bundleIdentifier, const QString& name)
{
    App a;
    a.pid = pid;
    a.bundleIdentifier = bundleIdentifier;
    a.name = name;
    a.icon = solidIcon(Qt::blue);
    a.bundleURL = QStringLiteral("/apps/") + bundleIdentifier + QStringLiteral(".desktop");
    installed.insert(bundleIdentifier, Installed {a.bundleURL, a.icon, true});
    apps << a;
    return apps.last();
}

SimDesktop::Window& SimDesktop::addWindow(qint32 pid, quint32 number, const QString& title)
{
    Window w;
    w.handle = ++m_nextHandle;
    w.pid = pid;
    w.number = number;
    w.title = title;
    w.name = title;
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

const SimDesktop::Window* SimDesktop::window(quint64 handle) const
{
    for (const Window& w : allWindows) {
        if (w.handle == handle)
            return &w;
    }
    return nullptr;
}

SimDesktop::Window* SimDesktop::window(quint64 handle)
{
    return const_cast<Window*>(std::as_const(*this).window(handle));
}

// ---- Workspace -------------------------------------------------------------------

QList<RunningApplication> SimDesktop::runningApplications() const
{
    QList<RunningApplication> out;
    for (const App& a : apps)
        out << RunningApplication {a.pid, a.bundleIdentifier, a.name, a.icon, a.policy, a.bundleURL, a.pid};
    return out;
}

bool SimDesktop::activateApplication(qint32 pid, bool allWindows)
{
    calls << QStringLiteral("activate %1%2").arg(pid).arg(allWindows ? QStringLiteral(" all") : QString());
    const App* a = app(pid);
    if (!a || !a->activationSucceeds)
        return false;
    frontmostPID = pid;
    return true;
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

// ---- Window elements ---------------------------------------------------------------

std::optional<QVariant> SimDesktop::attribute(const WindowElement& element, const QString& name) const
{
    const App* a = app(element.pid);
    if (!a || !a->elementsReadable)
        return std::nullopt;
    if (element.kind == WindowElement::Kind::Application) {
        if (name == QLatin1String("AXWindows")) {
            QVariantList list;
            for (const Window& w : allWindows) {
                if (w.pid == element.pid && w.inElements)
                    list << QVariant::fromValue(this->element(w));
            }
            return list;
        }
        const QHash<qint32, quint64>* map = name == QLatin1String("AXFocusedWindow") ? &focusedWindow
            : name == QLatin1String("AXMainWindow")                                 ? &mainWindow
                                                                                     : nullptr;
        if (!map)
            return std::nullopt;
        const auto it = map->constFind(element.pid);
        if (it == map->cend())
            return std::nullopt;
        const Window* w = window(*it);
        if (!w)
            return std::nullopt;
        return QVariant::fromValue(this->element(*w));
    }
    const Window* w = window(element.handle);
    if (!w)
        return std::nullopt;
    if (w->attributeOverrides.contains(name))
        return w->attributeOverrides.value(name);
    if (name == QLatin1String("AXRole"))
        return w->role.isEmpty() ? std::nullopt : std::optional<QVariant>(w->role);
    if (name == QLatin1String("AXSubrole"))
        return w->subrole.isEmpty() ? std::nullopt : std::optional<QVariant>(w->subrole);
    if (name == QLatin1String("AXTitle"))
        return w->title ? std::optional<QVariant>(*w->title) : std::nullopt;
    if (name == QLatin1String("AXMinimized"))
        return w->minimized;
    if (name == QLatin1String("AXFullScreen"))
        return w->fullScreen;
    if (name == QLatin1String("AXSize"))
        return w->size ? std::optional<QVariant>(*w->size) : std::nullopt;
    if (name == QLatin1String("AXMain"))
        return mainWindow.value(w->pid) == w->handle;
    if (name == QLatin1String("AXFocused"))
        return focusedWindow.value(w->pid) == w->handle;
    return std::nullopt;
}

bool SimDesktop::setAttribute(const WindowElement& element, const QString& name, const QVariant& value)
{
    const bool isElement = value.userType() == qMetaTypeId<WindowElement>();
    const QString shown = isElement ? QString::number(value.value<WindowElement>().handle) : value.toString();
    const QString target = element.kind == WindowElement::Kind::Application
        ? QStringLiteral("app %1").arg(element.pid)
        : QStringLiteral("window %1").arg(element.handle);
    calls << QStringLiteral("set %1 %2 %3").arg(target, name, shown);
    const App* a = app(element.pid);
    if (!a || !a->elementsReadable)
        return false;
    if (element.kind == WindowElement::Kind::Application) {
        if (!isElement || !window(value.value<WindowElement>().handle))
            return false;
        const quint64 handle = value.value<WindowElement>().handle;
        if (name == QLatin1String("AXMainWindow")) {
            mainWindow.insert(element.pid, handle);
            return true;
        }
        if (name == QLatin1String("AXFocusedWindow") && acceptsFocus) {
            focusedWindow.insert(element.pid, handle);
            return true;
        }
        return false;
    }
    Window* w = window(element.handle);
    if (!w)
        return false;
    if (name == QLatin1String("AXMinimized")) {
        w->minimized = value.toBool();
        return true;
    }
    if (name == QLatin1String("AXMain") && value.toBool()) {
        mainWindow.insert(w->pid, w->handle);
        return true;
    }
    if (name == QLatin1String("AXFocused") && value.toBool() && acceptsFocus) {
        focusedWindow.insert(w->pid, w->handle);
        return true;
    }
    return false;
}

bool SimDesktop::performAction(const WindowElement& element, const QString& action)
{
    calls << QStringLiteral("action window %1 %2").arg(element.handle).arg(action);
    const App* a = app(element.pid);
    if (!a || !a->elementsReadable || action != QLatin1String("AXRaise"))
        return false;
    for (qsizetype i = 0; i < allWindows.size(); ++i) {
        if (allWindows[i].handle == element.handle) {
            allWindows.move(i, 0);
            return true;
        }
    }
    return false;
}

std::optional<quint32> SimDesktop::windowNumber(const WindowElement& element) const
{
    const Window* w = window(element.handle);
    if (!w || !w->elementRevealsNumber)
        return std::nullopt;
    return w->number;
}

// ---- Window list -------------------------------------------------------------------

std::optional<QList<WindowListEntry>> SimDesktop::windows() const
{
    if (!windowListAvailable)
        return std::nullopt;
    QList<WindowListEntry> out;
    for (const Window& w : allWindows) {
        if (!w.number)
            continue;
        out << WindowListEntry {w.number, w.pid, w.name, w.bounds, w.layer, w.alpha, w.onscreen};
    }
    return out;
}

// ---- Spaces --------------------------------------------------------------------------

std::optional<QList<quint64>> SimDesktop::spacesForWindow(quint32 windowNumber) const
{
    if (!spacesAvailable)
        return std::nullopt;
    for (const Window& w : allWindows) {
        if (w.number == windowNumber)
            return QList<quint64> {w.space};
    }
    return QList<quint64> {};
}

std::optional<quint64> SimDesktop::activeSpace() const
{
    if (!spacesAvailable)
        return std::nullopt;
    return activeSpaceID;
}

std::optional<QString> SimDesktop::displayForSpace(quint64 space) const
{
    if (spacesWithoutDisplay.contains(space))
        return std::nullopt;
    return QStringLiteral("Main");
}

void SimDesktop::setCurrentSpace(const QString& display, quint64 space)
{
    calls << QStringLiteral("switch %1 %2").arg(display).arg(space);
    activeSpaceID = space;
}

std::optional<int> SimDesktop::setFrontProcess(qint32 pid, quint32 windowNumber)
{
    calls << QStringLiteral("front %1 %2").arg(pid).arg(windowNumber);
    if (!frontProcessAvailable)
        return std::nullopt;
    if (!app(pid))
        return -600; // no such process
    if (frontProcessError != 0)
        return frontProcessError;
    frontmostPID = pid;
    return 0;
}
