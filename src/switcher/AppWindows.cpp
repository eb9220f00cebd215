#include "switcher/AppWindows.h"

#include <QCoreApplication>
#include <QSet>

#include "platform/Scheduler.h"
#include "platform/Screens.h"
#include "platform/WindowList.h"
#include "platform/Workspace.h"
#include "switcher/AppActivator.h"
#include "switcher/SpaceFocus.h"

namespace {

const QString kAXWindows = QStringLiteral("AXWindows");
const QString kAXFocusedWindow = QStringLiteral("AXFocusedWindow");
const QString kAXMainWindow = QStringLiteral("AXMainWindow");

std::optional<WindowElement> elementValue(const std::optional<QVariant>& v)
{
    if (v && v->canConvert<WindowElement>() && v->userType() == qMetaTypeId<WindowElement>())
        return v->value<WindowElement>();
    return std::nullopt;
}

QString trimmed(const std::optional<QString>& s)
{
    return s ? s->trimmed() : QString();
}

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

} // namespace

// ---- Attributes --------------------------------------------------------------

std::optional<bool> AppWindows::boolValue(const WindowElement& element, const QString& name)
{
    const auto v = WindowElements::shared().attribute(element, name);
    if (!v || !v->isValid())
        return std::nullopt;
    switch (v->typeId()) {
    case QMetaType::Bool:
        return v->toBool();
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return v->toDouble() != 0.0;
    default:
        return std::nullopt;
    }
}

std::optional<QString> AppWindows::string(const WindowElement& element, const QString& name)
{
    const auto v = WindowElements::shared().attribute(element, name);
    if (!v || v->typeId() != QMetaType::QString)
        return std::nullopt;
    return v->toString();
}

std::optional<QSizeF> AppWindows::cgSize(const WindowElement& element)
{
    const auto v = WindowElements::shared().attribute(element, QStringLiteral("AXSize"));
    if (!v || (v->typeId() != QMetaType::QSizeF && v->typeId() != QMetaType::QSize))
        return std::nullopt;
    return v->toSizeF();
}

std::optional<quint32> AppWindows::cgWindowID(const WindowElement& element)
{
    const auto n = WindowElements::shared().windowNumber(element);
    if (!n || *n == 0)
        return std::nullopt;
    return n;
}

bool AppWindows::isFullscreen(const WindowElement& element)
{
    return boolValue(element, QStringLiteral("AXFullScreen")).value_or(false);
}

// ---- Sources -----------------------------------------------------------------

QList<WindowElement> AppWindows::axWindows(qint32 pid)
{
    const WindowElements& elements = WindowElements::shared();
    const WindowElement app = WindowElement::application(pid);
    QList<WindowElement> result;
    QSet<quint32> seen;
    auto add = [&](const WindowElement& e) {
        if (const auto n = cgWindowID(e)) {
            if (seen.contains(*n))
                return;
            seen.insert(*n);
        }
        result << e;
    };
    if (const auto list = elements.attribute(app, kAXWindows); list && list->typeId() == QMetaType::QVariantList) {
        for (const QVariant& v : list->toList()) {
            if (const auto e = elementValue(v))
                add(*e);
        }
    }
    for (const QString& name : {kAXFocusedWindow, kAXMainWindow}) {
        if (const auto e = elementValue(elements.attribute(app, name)))
            add(*e);
    }
    return result;
}

QList<CGWindowInfo> AppWindows::cgWindows(qint32 pid)
{
    QList<CGWindowInfo> result;
    const auto list = WindowList::shared().windows();
    if (!list)
        return result;
    QHash<quint32, qsizetype> position;
    for (const WindowListEntry& entry : *list) {
        if (!entry.ownerPID || *entry.ownerPID != pid || !entry.number)
            continue;
        CGWindowInfo info;
        info.id = *entry.number;
        info.name = entry.name;
        info.bounds = entry.bounds.value_or(QRectF());
        info.layer = entry.layer.value_or(0);
        info.alpha = entry.alpha.value_or(1.0);
        info.isOnscreen = entry.isOnscreen.value_or(false);
        const auto it = position.constFind(info.id);
        if (it != position.cend()) {
            result[*it] = info; // a later entry replaces an earlier one
        } else {
            position.insert(info.id, result.size());
            result << info;
        }
    }
    return result;
}

// ---- Rules -------------------------------------------------------------------

bool AppWindows::isListableAXWindow(const WindowElement& element)
{
    if (boolValue(element, QStringLiteral("AXMinimized")).value_or(false))
        return false;
    if (string(element, QStringLiteral("AXRole")).value_or(QString()) != QLatin1String("AXWindow")) {
        if (!isFullscreen(element))
            return false;
    }
    const QString subrole = string(element, QStringLiteral("AXSubrole")).value_or(QString());
    if (subrole == QLatin1String("AXFloatingWindow") || subrole == QLatin1String("AXSystemDialog")
        || subrole == QLatin1String("AXSystemFloatingWindow"))
        return false;
    if (isFullscreen(element))
        return true;
    if (!trimmed(string(element, QStringLiteral("AXTitle"))).isEmpty())
        return true;
    const auto size = cgSize(element);
    return size && size->width() >= 240 && size->height() >= 160;
}

bool AppWindows::nearlyEqual(const QSizeF& a, const QSizeF& b)
{
    return std::abs(a.width() - b.width()) < 8 && std::abs(a.height() - b.height()) < 8;
}

bool AppWindows::looksFullscreen(const QRectF& rect)
{
    if (rect.width() <= 100 || rect.height() <= 100)
        return false;
    for (const ScreenInfo& screen : Screens::shared().screens()) {
        if (nearlyEqual(rect.size(), screen.frame.size()) || nearlyEqual(rect.size(), screen.visibleFrame.size()))
            return true;
    }
    return false;
}

bool AppWindows::isListableCGWindow(const CGWindowInfo& info)
{
    if (info.layer != 0 || info.alpha <= 0.01)
        return false;
    return looksFullscreen(info.bounds)
        || (info.isOnscreen && info.bounds.width() >= 240 && info.bounds.height() >= 160);
}

QString AppWindows::displayTitle(const std::optional<QString>& axTitle, const std::optional<QString>& cgName,
                                 const std::optional<QRectF>& bounds, int index)
{
    if (const QString t = trimmed(axTitle); !t.isEmpty())
        return t;
    if (const QString n = trimmed(cgName); !n.isEmpty())
        return n;
    if (bounds && looksFullscreen(*bounds))
        return QCoreApplication::translate("Kelvaro", "Full Screen");
    return QCoreApplication::translate("Kelvaro", "Window %1").arg(qint64(index) + 1);
}

QString AppWindows::stableID(const QString& bundle, std::optional<quint32> cgID, const QString& title, int index)
{
    if (cgID)
        return bundle + QStringLiteral("#cg") + QString::number(*cgID);
    return bundle + QLatin1Char('#') + QString::number(index) + QLatin1Char('#') + title;
}

// ---- Listing -----------------------------------------------------------------

QList<AppWindow> AppWindows::windows(const QString& bundleIdentifier, const QString& appName)
{
    QList<AppWindow> result;
    const auto app = Workspace::shared().runningApplication(bundleIdentifier);
    if (!app)
        return result;
    const qint32 pid = app->pid;
    const QList<WindowElement> elements = axWindows(pid);
    const QList<CGWindowInfo> cg = cgWindows(pid);
    QHash<quint32, qsizetype> cgIndex;
    for (qsizetype i = 0; i < cg.size(); ++i)
        cgIndex.insert(cg[i].id, i);
    QSet<quint32> seen;

    for (int p = 0; p < elements.size(); ++p) {
        const WindowElement& element = elements[p];
        const auto n = cgWindowID(element);
        if (n)
            seen.insert(*n);
        if (!isListableAXWindow(element))
            continue;
        const CGWindowInfo* info = nullptr;
        if (n) {
            const auto it = cgIndex.constFind(*n);
            if (it != cgIndex.cend())
                info = &cg[*it];
        }
        std::optional<QRectF> bounds;
        if (info)
            bounds = info->bounds;
        else if (const auto size = cgSize(element))
            bounds = QRectF(QPointF(0, 0), *size);
        const QString title = displayTitle(string(element, QStringLiteral("AXTitle")),
                                           info ? info->name : std::nullopt, bounds, int(result.size()));
        result << AppWindow {stableID(bundleIdentifier, n, title, p), title, appName, bundleIdentifier, element, n};
    }
    for (const CGWindowInfo& info : cg) {
        if (seen.contains(info.id) || !isListableCGWindow(info))
            continue;
        const QString title = displayTitle(std::nullopt, info.name, info.bounds, int(result.size()));
        result << AppWindow {stableID(bundleIdentifier, info.id, title, 0), title, appName, bundleIdentifier,
                             std::nullopt, info.id};
    }
    return result;
}

std::optional<quint32> AppWindows::frontWindowID(qint32 pid)
{
    const WindowElement app = WindowElement::application(pid);
    for (const QString& name : {kAXMainWindow, kAXFocusedWindow}) {
        if (const auto e = elementValue(WindowElements::shared().attribute(app, name))) {
            if (const auto n = cgWindowID(*e))
                return n;
        }
    }
    QList<CGWindowInfo> candidates;
    for (const CGWindowInfo& info : cgWindows(pid)) {
        if (info.layer == 0 && info.alpha > 0.01 && info.bounds.width() >= 240 && info.bounds.height() >= 160)
            candidates << info;
    }
    if (candidates.isEmpty())
        return std::nullopt;
    for (const CGWindowInfo& info : candidates) {
        if (looksFullscreen(info.bounds))
            return info.id;
    }
    const CGWindowInfo* best = nullptr;
    for (const CGWindowInfo& info : candidates) {
        if (!best || info.bounds.width() * info.bounds.height() > best->bounds.width() * best->bounds.height())
            best = &info;
    }
    return best->id;
}

// ---- Raising -----------------------------------------------------------------

void AppWindows::raise(const AppWindow& window)
{
    // A raise still retrying from an earlier commit would fight this one over the focus.
    cancelPendingRetry();
    const auto app = Workspace::shared().runningApplication(window.bundleIdentifier);
    if (!app) {
        AppActivator::activateProcess(window.bundleIdentifier, window.appName);
        return;
    }
    const qint32 pid = app->pid;
    if (window.cgWindowID) {
        SpaceFocus::activateSpace(*window.cgWindowID);
        SpaceFocus::makeFront(pid, *window.cgWindowID);
    }
    bool found = false;
    for (const auto& running : Workspace::shared().runningApplications()) {
        if (running.pid == pid) {
            found = true;
            break;
        }
    }
    if (found)
        Workspace::shared().activateApplication(pid, false);
    else
        AppActivator::activateProcess(window.bundleIdentifier, window.appName);
    if (window.element)
        focusAX(*window.element, pid);
    retryAXFocus(window, pid, focusAttempts);
}

void AppWindows::retryAXFocus(const AppWindow& window, qint32 pid, int attemptsLeft)
{
    if (attemptsLeft < 1)
        return;
    Scheduler& scheduler = Scheduler::shared();
    const auto id = scheduler.postAfter(focusRetryInterval, [window, pid, attemptsLeft] {
        pendingRetry() = PendingRetry();
        if (isFocused(window, pid))
            return;
        if (window.cgWindowID) {
            SpaceFocus::activateSpace(*window.cgWindowID);
            SpaceFocus::makeFront(pid, *window.cgWindowID);
        }
        auto element = resolveAXWindow(pid, window.cgWindowID, window.title);
        if (!element)
            element = window.element;
        if (element)
            focusAX(*element, pid);
        retryAXFocus(window, pid, attemptsLeft - 1);
    });
    pendingRetry() = PendingRetry {&scheduler, id};
}

void AppWindows::focusAX(const WindowElement& element, qint32 applicationPID)
{
    WindowElements& elements = WindowElements::shared();
    const WindowElement app = WindowElement::application(applicationPID);
    const QVariant windowValue = QVariant::fromValue(element);
    elements.setAttribute(element, QStringLiteral("AXMinimized"), false);
    elements.setAttribute(app, kAXMainWindow, windowValue);
    elements.setAttribute(app, kAXFocusedWindow, windowValue);
    elements.setAttribute(element, QStringLiteral("AXMain"), true);
    elements.setAttribute(element, QStringLiteral("AXFocused"), true);
    elements.performAction(element, QStringLiteral("AXRaise"));
}

bool AppWindows::isFocused(const AppWindow& window, qint32 pid)
{
    if (!window.cgWindowID)
        return false;
    const auto focused = elementValue(WindowElements::shared().attribute(WindowElement::application(pid), kAXFocusedWindow));
    if (!focused)
        return false;
    const auto n = cgWindowID(*focused);
    return n && *n == *window.cgWindowID;
}

std::optional<WindowElement> AppWindows::resolveAXWindow(qint32 pid, std::optional<quint32> cgWindowID,
                                                         const QString& title)
{
    const QList<WindowElement> list = axWindows(pid);
    if (cgWindowID) {
        for (const WindowElement& e : list) {
            if (AppWindows::cgWindowID(e) == cgWindowID)
                return e;
        }
        return std::nullopt;
    }
    const QString t = title.trimmed();
    if (!t.isEmpty() && t != QCoreApplication::translate("Kelvaro", "Full Screen")) {
        for (const WindowElement& e : list) {
            if (trimmed(string(e, QStringLiteral("AXTitle"))) == t)
                return e;
        }
    }
    for (const WindowElement& e : list) {
        if (isFullscreen(e))
            return e;
    }
    if (list.size() == 1)
        return list.first();
    return std::nullopt;
}
