#include "switcher/AppWindows.h"

#include <QCoreApplication>

#include "platform/Platform.h"
#include "platform/Scheduler.h"
#include "platform/Screens.h"
#include "platform/Workspace.h"
#include "switcher/AppActivator.h"
#include "switcher/SpaceFocus.h"

namespace {

// The chain of focus retries currently running; a new raise replaces it.
// Remembered with its scheduler, so that an id never cancels another
// scheduler's task.
struct PendingRetry {
    Scheduler* scheduler = nullptr;
    Scheduler::TimerId id = 0;
};
PendingRetry& pendingRetry()
{
    static PendingRetry pending;
    return pending;
}
void cancelPendingRetry()
{
    PendingRetry& p = pendingRetry();
    if (p.id != 0 && p.scheduler == &Scheduler::shared())
        p.scheduler->cancel(p.id);
    p = PendingRetry();
}

bool isProminent(const WindowInfo& w)
{
    return (w.kind == WindowInfo::Kind::Normal || w.kind == WindowInfo::Kind::Dialog) && !w.keptAbove
        && w.opacity > 0.01 && w.frame.width() >= 240 && w.frame.height() >= 160;
}

} // namespace

// ---- Rules -------------------------------------------------------------------

bool AppWindows::isListable(const WindowInfo& window)
{
    // A dialog is a card of its own, as a taskbar lists it (one that stands
    // alone made its application listed); palettes, splash screens and
    // popups belong to a window that is listed.
    if (window.minimized || (window.kind != WindowInfo::Kind::Normal && window.kind != WindowInfo::Kind::Dialog))
        return false;
    if (window.fullScreen || !window.title.trimmed().isEmpty())
        return true;
    return window.frame.width() >= 240 && window.frame.height() >= 160;
}

bool AppWindows::nearlyEqual(const QSizeF& a, const QSizeF& b)
{
    return std::abs(a.width() - b.width()) < 8 && std::abs(a.height() - b.height()) < 8;
}

bool AppWindows::looksFullscreen(const Screens& screens, const QRectF& rect)
{
    if (rect.width() <= 100 || rect.height() <= 100)
        return false;
    for (const ScreenInfo& screen : screens.screens()) {
        if (nearlyEqual(rect.size(), screen.frame.size()) || nearlyEqual(rect.size(), screen.visibleFrame.size()))
            return true;
    }
    return false;
}

QString AppWindows::displayTitle(const Screens& screens, const WindowInfo& window, int index)
{
    if (QString t = window.title.trimmed(); !t.isEmpty())
        return t;
    if (window.fullScreen || looksFullscreen(screens, window.frame))
        return QCoreApplication::translate("Kelvaro", "Full Screen");
    return QCoreApplication::translate("Kelvaro", "Window %1").arg(qint64(index) + 1);
}

QString AppWindows::stableID(const QString& bundle, quint32 window)
{
    return bundle + QStringLiteral("#cg") + QString::number(window);
}

// ---- Listing -----------------------------------------------------------------

QList<AppWindow> AppWindows::windows(
    const Platform& platform, const QString& bundleIdentifier, const QString& appName, qsizetype limit)
{
    QList<AppWindow> result;
    const auto app = platform.workspace().runningApplication(bundleIdentifier);
    if (!app)
        return result;
    for (const WindowInfo& w : platform.windows().windowsOf(app->pid)) {
        if (result.size() >= limit)
            break;
        if (!isListable(w))
            continue;
        result << AppWindow { stableID(bundleIdentifier, w.id), displayTitle(platform.screens(), w, int(result.size())),
            appName, bundleIdentifier, w.id };
    }
    return result;
}

std::optional<quint32> AppWindows::frontWindowID(const Platform& platform, qint32 app)
{
    Windows& port = platform.windows();
    const QList<WindowInfo> windows = port.windowsOf(app);
    for (const WindowInfo& w : windows) {
        if (w.kind == WindowInfo::Kind::Normal && !w.minimized)
            return w.id;
    }
    if (const auto active = port.activeWindow()) {
        for (const WindowInfo& w : windows) {
            if (w.id == *active)
                return w.id;
        }
    }
    const WindowInfo* best = nullptr;
    for (const WindowInfo& w : windows) {
        if (!isProminent(w))
            continue;
        if (looksFullscreen(platform.screens(), w.frame))
            return w.id;
        // Only a strictly larger area replaces the current best: the frontmost of equals wins.
        if (!best || w.frame.width() * w.frame.height() > best->frame.width() * best->frame.height())
            best = &w;
    }
    if (!best)
        return std::nullopt;
    return best->id;
}

// ---- Raising -----------------------------------------------------------------

void AppWindows::raise(const Platform& platform, const AppWindow& window)
{
    // A raise still retrying from an earlier commit would fight this one over the focus.
    cancelPendingRetry();
    const auto app = platform.workspace().runningApplication(window.bundleIdentifier);
    if (!app) {
        AppActivator::activateProcess(platform, window.bundleIdentifier, window.appName);
        return;
    }
    SpaceFocus::activateSpace(platform.windows(), window.windowID);
    if (!platform.windows().raise(window.windowID)) {
        // The window closed meanwhile (or no window manager runs): the application comes forward instead.
        platform.windows().activate(app->pid, false);
        return;
    }
    retryFocus(platform, window, focusAttempts);
}

void AppWindows::retryFocus(const Platform& platform, const AppWindow& window, int attemptsLeft)
{
    if (attemptsLeft < 1)
        return;
    Scheduler& scheduler = Scheduler::shared();
    const auto id = scheduler.postAfter(focusRetryInterval, [&platform, window, attemptsLeft] {
        pendingRetry() = PendingRetry();
        Windows& port = platform.windows();
        if (port.activeWindow() == window.windowID)
            return; // it arrived
        SpaceFocus::activateSpace(port, window.windowID);
        if (!port.raise(window.windowID))
            return; // it is gone
        retryFocus(platform, window, attemptsLeft - 1);
    });
    pendingRetry() = PendingRetry { &scheduler, id };
}
