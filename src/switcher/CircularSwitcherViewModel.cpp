#include "switcher/CircularSwitcherViewModel.h"

#include <QPointer>
#include <cmath>
#include <numbers>

#include "core/AppSettings.h"
#include "platform/Platform.h"
#include "platform/Scheduler.h"
#include "platform/Screens.h"
#include "platform/Workspace.h"
#include "switcher/AppActivator.h"
#include "switcher/AppWindows.h"
#include "ringkit/WindowArcGeometry.h"

namespace {
constexpr double twoPi = 2.0 * std::numbers::pi;
}

CircularSwitcherViewModel::CircularSwitcherViewModel(const Platform& platform, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_pointer(new RingPointer(this))
    , m_appearSession(QUuid::createUuid())
{
}

// ---- Setters -------------------------------------------------------------------

void CircularSwitcherViewModel::setRunningApps(const QList<RunningApp>& apps)
{
    m_runningApps = apps;
    Q_EMIT runningAppsChanged();
}

void CircularSwitcherViewModel::setSelectedIndex(int index)
{
    if (index == m_selectedIndex)
        return;
    m_selectedIndex = index;
    Q_EMIT selectedIndexChanged();
}

void CircularSwitcherViewModel::setIsVisible(bool visible)
{
    if (visible == m_isVisible)
        return;
    m_isVisible = visible;
    Q_EMIT isVisibleChanged();
}

void CircularSwitcherViewModel::setRingCenter(QPointF centre)
{
    if (centre == m_ringCenter)
        return;
    m_ringCenter = centre;
    Q_EMIT ringCenterChanged();
}

void CircularSwitcherViewModel::setPointerSelectionEnabled(bool enabled)
{
    if (enabled == m_pointerSelectionEnabled)
        return;
    m_pointerSelectionEnabled = enabled;
    Q_EMIT pointerSelectionEnabledChanged();
}

void CircularSwitcherViewModel::setWindows(const QList<AppWindow>& windows)
{
    m_windows = windows;
    Q_EMIT windowsChanged();
}

void CircularSwitcherViewModel::setSelectedWindowIndex(std::optional<int> index)
{
    if (index == m_selectedWindowIndex)
        return;
    m_selectedWindowIndex = index;
    Q_EMIT selectedWindowIndexChanged();
}

std::optional<RunningApp> CircularSwitcherViewModel::highlightedApp() const
{
    if (m_runningApps.isEmpty())
        return std::nullopt;
    return m_runningApps[std::clamp(m_selectedIndex, 0, int(m_runningApps.size()) - 1)];
}

// ---- Loading -------------------------------------------------------------------

void CircularSwitcherViewModel::loadRunningApps()
{
    m_windowCache.clear();
    Workspace& workspace = m_platform.workspace();
    const auto frontmost = workspace.frontmostApplicationPID();
    QList<RunningApp> apps;
    QStringList iconless;
    QList<qsizetype> iconlessAt;
    for (const RunningApplication& app : workspace.runningApplications()) {
        // Every application with an ordinary window is offered: one without
        // an icon gets a stand-in, one without a desktop entry already has its
        // WM_CLASS as name and identifier.
        if (app.bundleIdentifier.isEmpty() || app.localizedName.isEmpty()
            || app.activationPolicy != RunningApplication::ActivationPolicy::Regular)
            continue;
        QImage icon = RunningApp::thumbnail(app.icon, 64);
        if (icon.isNull()) {
            iconless << app.localizedName;
            iconlessAt << apps.size();
        }
        apps << RunningApp { app.localizedName, icon, app.bundleIdentifier, frontmost && *frontmost == app.pid };
    }
    // Stand-ins made together, so that no two of one ring look alike.
    const QList<QImage> tiles = RunningApp::placeholderIcons(iconless, 64);
    for (qsizetype i = 0; i < iconlessAt.size(); ++i)
        apps[iconlessAt[i]].icon = tiles[i];
    setRunningApps(apps);

    int active = -1;
    for (int i = 0; i < apps.size() && active < 0; ++i) {
        if (apps[i].isActive)
            active = i;
    }
    if (active >= 0)
        setSelectedIndex(active);
    else if (m_selectedIndex < 0 || m_selectedIndex >= apps.size())
        setSelectedIndex(0);
    refreshWindowsForSelection();
    updateMousePositionImmediately();
}

void CircularSwitcherViewModel::loadGroup(const QList<RunningApp>& apps)
{
    m_windowCache.clear();
    setRunningApps(apps);
    setSelectedIndex(0);
    refreshWindowsForSelection();
    updateMousePositionImmediately();
}

void CircularSwitcherViewModel::refreshWindowsForSelection()
{
    if (m_selectedIndex < 0 || m_selectedIndex >= m_runningApps.size()) {
        if (!m_windows.isEmpty())
            setWindows({});
        setSelectedWindowIndex(std::nullopt);
        return;
    }
    const RunningApp& app = m_runningApps[m_selectedIndex];
    QList<AppWindow> list;
    const auto cached = m_windowCache.constFind(app.bundleIdentifier);
    if (cached != m_windowCache.cend()) {
        list = *cached;
    } else {
        // Only what the arc can hold: an application with hundreds of windows
        // would otherwise cost a card each, every frame of every showing.
        list = AppWindows::windows(m_platform, app.bundleIdentifier, app.name, WindowArcGeometry::capacity);
        m_windowCache.insert(app.bundleIdentifier, list);
    }
    if (list.size() < 2)
        list.clear();
    bool same = list.size() == m_windows.size();
    for (qsizetype i = 0; same && i < list.size(); ++i)
        same = list[i].id == m_windows[i].id;
    if (same)
        return;
    setWindows(list);
    setSelectedWindowIndex(std::nullopt);
}

// ---- Showing and hiding ----------------------------------------------------------

void CircularSwitcherViewModel::reveal()
{
    const QPointF p = m_platform.screens().pointer();
    m_openPointer = p;
    setMousePosition(p);
    setPointerSelectionEnabled(false);
    setIsVisible(true);
}

void CircularSwitcherViewModel::snapHidden()
{
    m_animationsDisabled = true;
    setIsVisible(false);
    m_appearSession = QUuid::createUuid();
    Q_EMIT appearSessionChanged();
    if (!m_windows.isEmpty())
        setWindows({});
    setSelectedWindowIndex(std::nullopt);
    setPointerSelectionEnabled(false);
    m_animationsDisabled = false;
}

void CircularSwitcherViewModel::beginExit() { setIsVisible(false); }

void CircularSwitcherViewModel::finishHide()
{
    if (!m_windows.isEmpty())
        setWindows({});
    setSelectedWindowIndex(std::nullopt);
    setPointerSelectionEnabled(false);
    m_windowCache.clear();
    if (!m_runningApps.isEmpty())
        setRunningApps({});
}

void CircularSwitcherViewModel::hide() { Q_EMIT hideRequested(); }

// ---- Pointer ---------------------------------------------------------------------

void CircularSwitcherViewModel::updatePointer(QPointF point)
{
    if (!m_isVisible)
        return;
    if (mousePosition() != point)
        setMousePosition(point);
    if (!m_pointerSelectionEnabled) {
        const double travelled = std::hypot(point.x() - m_openPointer.x(), point.y() - m_openPointer.y());
        if (travelled < pointerArmDistance)
            return;
        setPointerSelectionEnabled(true);
    }
    applyPointerSelection(point);
}

void CircularSwitcherViewModel::applyPointerSelection(QPointF point)
{
    if (m_runningApps.isEmpty())
        return;
    const double s = AppSettings::shared().ringScale();
    const double dx = point.x() - m_ringCenter.x();
    const double dy = -(point.y() - m_ringCenter.y());
    const double d = std::hypot(dx, dy);
    if (d <= RingAngles::deadZoneRadius * s)
        return;
    double a = std::atan2(dy, dx) + std::numbers::pi / 2;
    if (a < 0)
        a += twoPi;
    const int n = int(m_runningApps.size());
    const double sector = twoPi / n;
    const double c = sector * (m_selectedIndex + 0.5);

    if (!m_windows.isEmpty() && d >= RingAngles::cardArcRadius * s) {
        if (const auto index = WindowArcGeometry(int(m_windows.size())).index(a, c)) {
            setSelectedWindowIndex(*index);
            return;
        }
    }
    setSelectedWindowIndex(std::nullopt);
    const int i = std::clamp(int(a / sector), 0, n - 1);
    if (i != m_selectedIndex) {
        setSelectedIndex(i);
        refreshWindowsForSelection();
    }
}

void CircularSwitcherViewModel::updateMousePositionImmediately() { setMousePosition(m_platform.screens().pointer()); }

void CircularSwitcherViewModel::scheduleMousePositionRefresh()
{
    QPointer<CircularSwitcherViewModel> self(this);
    Scheduler::shared().postAfter(0.01, [self] {
        if (self)
            self->updateMousePositionImmediately();
    });
}

// ---- Keys ------------------------------------------------------------------------

void CircularSwitcherViewModel::selectNext()
{
    if (m_runningApps.isEmpty())
        return;
    setSelectedIndex((m_selectedIndex + 1) % int(m_runningApps.size()));
    scheduleMousePositionRefresh();
    refreshWindowsForSelection();
}

void CircularSwitcherViewModel::selectPrevious()
{
    if (m_runningApps.isEmpty())
        return;
    setSelectedIndex(m_selectedIndex <= 0 ? int(m_runningApps.size()) - 1 : m_selectedIndex - 1);
    scheduleMousePositionRefresh();
    refreshWindowsForSelection();
}

// ---- Commit ----------------------------------------------------------------------

void CircularSwitcherViewModel::activateSelected()
{
    if (m_selectedWindowIndex && *m_selectedWindowIndex >= 0 && *m_selectedWindowIndex < m_windows.size()) {
        const AppWindow window = m_windows[*m_selectedWindowIndex];
        Q_EMIT hideRequested();
        AppWindows::raise(m_platform, window);
        return;
    }
    if (m_selectedIndex >= 0 && m_selectedIndex < m_runningApps.size())
        Q_EMIT appSelected(RunningApp(m_runningApps[m_selectedIndex]));
}
