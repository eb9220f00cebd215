#pragma once
// The observable state of the app switcher ring: its applications, the
// selection, visibility, centre, the pointer, and the windows of the selected
// application fanned out on the outer arc. Main thread only.

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointF>
#include <QUuid>
#include <functional>
#include <optional>

#include "switcher/AppWindow.h"
#include "ringkit/RingPointer.h"
#include "ringkit/RunningApp.h"

class Platform;

class CircularSwitcherViewModel : public QObject {
    Q_OBJECT
public:
    explicit CircularSwitcherViewModel(const Platform& platform, QObject* parent = nullptr);

    const Platform& platform() const { return m_platform; }

    // ---- Published state ----
    const QList<RunningApp>& runningApps() const { return m_runningApps; }
    void setRunningApps(const QList<RunningApp>& apps);
    int selectedIndex() const { return m_selectedIndex; }
    void setSelectedIndex(int index);
    bool isVisible() const { return m_isVisible; }
    void setIsVisible(bool visible);
    RingPointer* pointer() const { return m_pointer; }
    QPointF ringCenter() const { return m_ringCenter; }
    void setRingCenter(QPointF centre);
    QUuid appearSession() const { return m_appearSession; }
    bool pointerSelectionEnabled() const { return m_pointerSelectionEnabled; }
    void setPointerSelectionEnabled(bool enabled);
    const QList<AppWindow>& windows() const { return m_windows; }
    void setWindows(const QList<AppWindow>& windows);
    std::optional<int> selectedWindowIndex() const { return m_selectedWindowIndex; }
    void setSelectedWindowIndex(std::optional<int> index);
    // True while snapHidden() publishes its changes: views apply them without animation.
    bool animationsDisabled() const { return m_animationsDisabled; }

    // ---- Derived ----
    QPointF mousePosition() const { return m_pointer->location(); }
    void setMousePosition(QPointF p) { m_pointer->setLocation(p); }
    bool isPointingAtWindow() const { return m_selectedWindowIndex.has_value(); }
    int segmentCount() const { return int(m_runningApps.size()); }
    std::optional<RunningApp> highlightedApp() const;
    QPointF openPointer() const { return m_openPointer; }
    static constexpr double pointerArmDistance = 10.0;

    // ---- Operations ----
    void loadRunningApps();
    void loadGroup(const QList<RunningApp>& apps);
    void reveal();
    void snapHidden();
    void beginExit();
    void finishHide();
    void updatePointer(QPointF point);
    void applyPointerSelection(QPointF point);
    void selectNext();
    void selectPrevious();
    void activateSelected();
    void hide();
    void refreshWindowsForSelection();
    void updateMousePositionImmediately();

    // Window lists fetched during the current showing, by bundle identifier.
    const QHash<QString, QList<AppWindow>>& windowCache() const { return m_windowCache; }

Q_SIGNALS:
    // To the owner: hide the ring (hide(), or a window about to be raised).
    void hideRequested();
    // To the owner: the application chosen by a commit.
    void appSelected(const RunningApp& app);
    void runningAppsChanged();
    void selectedIndexChanged();
    void isVisibleChanged();
    void ringCenterChanged();
    void appearSessionChanged();
    void pointerSelectionEnabledChanged();
    void windowsChanged();
    void selectedWindowIndexChanged();

private:
    void scheduleMousePositionRefresh();

    const Platform& m_platform;
    QList<RunningApp> m_runningApps;
    int m_selectedIndex = 0;
    bool m_isVisible = false;
    RingPointer* m_pointer;
    QPointF m_ringCenter { 0, 0 };
    QUuid m_appearSession;
    bool m_pointerSelectionEnabled = false;
    QList<AppWindow> m_windows;
    std::optional<int> m_selectedWindowIndex;
    QPointF m_openPointer { 0, 0 };
    QHash<QString, QList<AppWindow>> m_windowCache;
    bool m_animationsDisabled = false;
};
