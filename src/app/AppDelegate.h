#pragma once
// The application delegate: starts the system when launching finishes, owns
// the key tap, the monitors, the timers and every long-lived window, and
// switches the process between an accessory (tray only) and a regular
// application while one of its titled windows is open.
//
// Key dispatch: every global key press the tap may swallow, and every
// modifier change, goes to handleTapped(). The ring openers and ring
// steering (triggerSwitcher … hideLauncherRing) are virtual: the ring
// control overrides them; here they do nothing.

#include "app/AppServices.h"
#include "core/Hotkey.h"
#include "core/HotkeyRole.h"
#include "core/LauncherGroup.h"
#include "platform/KeyTap.h"
#include "platform/Scheduler.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QUuid>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class AppSettings;
class AppShortcutRingViewModel;
class CircularSwitcherWindow;
class HotkeyEventTap;
class PointerMonitorSession;
class RingLocalPointerMonitor;
class RingPanel;
struct AppShortcut;
struct RunningApp;
class ScreenLockObserver;
class QWidget;

enum class ActivationPolicy { regular, accessory };

class AppDelegate : public QObject {
    Q_OBJECT
public:
    explicit AppDelegate(QObject* parent = nullptr);
    ~AppDelegate() override;

    // The delegate installed by the application (nullptr before and after).
    static AppDelegate* current();

    // ---- Lifecycle --------------------------------------------------------
    void applicationDidFinishLaunching();
    void applicationWillTerminate();
    // A second launch while running: settings, or the onboarding while it is
    // incomplete or open. Always true.
    bool applicationShouldHandleReopen(bool hasVisibleWindows = false);

    ActivationPolicy activationPolicy() const { return m_activationPolicy; }
    void setActivationPolicy(ActivationPolicy policy);

    // ---- Windows ------------------------------------------------------------
    Q_INVOKABLE void openSettings();
    Q_INVOKABLE void showOnboarding();
    Q_INVOKABLE void showHelp();
    Q_INVOKABLE void checkForUpdates();
    void showUpdateNotice(bool silentIfNothing, bool stealsFocus);

    QWidget* settingsWindow() const { return m_settingsWindow; }
    QWidget* onboardingWindow() const { return m_onboardingWindow; }
    QWidget* helpWindow() const { return m_helpWindow; }
    QWidget* updateWindow() const { return m_updateWindow; }
    QWidget* launchPopoverWindow() const { return m_launchPopoverWindow; }

    static constexpr QSize settingsWindowSize { 921, 620 };
    static constexpr QSize onboardingWindowSize { 600, 648 };
    static constexpr QSize helpWindowSize { 620, 640 };
    static constexpr QSize updateWindowSize { 440, 280 };
    static constexpr QSize launchPopoverSize { 400, 220 };

    void applyLocalizedWindowTitles();
    void restoreAccessoryPolicyIfNoWindowsRemain();

    // ---- Launch notice ----------------------------------------------------------
    void showLaunchPopoverIfEnabled();
    void presentLaunchPopover(std::optional<QRect> anchor);
    void hideLaunchPopover();
    // Top-left origin of the notice: below the anchor, centred on it and 8
    // points inside the visible frame; without an anchor the top-right corner.
    static QPoint position(QSize size, std::optional<QRect> itemFrame, QRect visibleFrame);

    // ---- Key monitoring ---------------------------------------------------------
    void startEventMonitoring();
    void stopEventMonitoring();
    void watchAccessibility();
    bool handleTapped(const KeyTapEvent& event);
    // The fallback monitor (sees keys, cannot swallow).
    void handle(const KeyTapEvent& event);
    bool handleKeyDown(std::uint16_t keyCode, std::uint64_t modifiers);
    bool matchesAnyBinding(std::uint16_t keyCode, std::uint64_t modifiers) const;
    bool handleRingNavigation(std::uint16_t keyCode);
    // Recomputes the combinations the tap takes: every role and active group
    // hotkey, and while a ring is visible Return, Enter, the arrows and Escape.
    void updateKeyGrabs();
    std::vector<KeyGrab> currentKeyGrabs() const;

    // Switch the tap off around modal work (see input/KeyTapSuspension.h).
    std::function<void()> beginEventTapSuspension();
    template <typename Body>
    auto withEventTapSuspended(Body&& body)
    {
        auto resume = beginEventTapSuspension();
        struct Guard {
            std::function<void()>& r;
            ~Guard() { r(); }
        } guard { resume };
        return std::forward<Body>(body)();
    }

    HotkeyEventTap* keyTap() const { return m_keyTap.get(); }
    bool hasGlobalMonitor() const { return m_globalMonitor != nullptr; }
    bool isWaitingForPermission() const { return m_permissionRetryTimer != 0; }

    // ---- Ring control (AppDelegateRings.cpp) -------------------------------------
    // Two families share the screen, one at a time: the app switcher (which
    // also shows launcher groups) and the shortcut-like rings (an
    // application's shortcuts, saved tabs, passwords) in one panel. A showing
    // commits at most once, by a modifier release (hold mode), the hotkey
    // again (toggle mode), Return or Enter, or a click; any hide that is not a
    // commit (Escape, a click's own hide, another ring opening) ends the
    // showing, so nothing of it commits afterwards. A hotkey acts on the ring
    // it opened; pressed while another ring shows, it opens its own.
    // Virtual so that dispatch tests can record the calls instead.
    virtual bool isSwitcherVisible() const;
    virtual bool hasSwitcher() const;
    virtual bool isLauncherRingVisible() const;
    bool isRingVisible() const { return isSwitcherVisible() || isLauncherRingVisible(); }

    virtual void showCircularSwitcher();
    virtual void showShortcutRingSwitcher();
    virtual void triggerSwitcher();
    virtual void triggerLauncher();
    // The tabs and password hotkeys: steps or commits their own ring when it
    // shows, else opens it.
    virtual void showCapturedTabsRing();
    virtual void showPasswordRing();
    // The group's hotkey: steps or commits the switcher when it shows this
    // group, else opens the switcher on the group.
    virtual void showLauncherGroup(const LauncherGroup& group);
    virtual void handleModifiersChanged(std::uint64_t flags);
    virtual void commitVisibleRing();
    virtual void moveLauncherSelection(int delta);
    virtual void switcherSelectNext();
    virtual void switcherSelectPrevious();
    virtual void hideSwitcher(bool animated);
    virtual void hideLauncherRing(bool animated);
    virtual void stopMouseTracking();

    void selectAndActivateCurrentApp();
    void selectAndExecuteCurrentShortcut();
    void releaseLauncherRing();
    void startMouseTracking();
    void stopMouseTrackingIfIdle();
    void forwardMousePosition();
    // `deltaY` up positive; points when `precise`, else wheel notches.
    void forwardScroll(double deltaY, bool precise);

    // ---- Ring state (for the tray menu, tests and the benchmarks) ----
    CircularSwitcherWindow* circularSwitcher() const { return m_circularSwitcher.get(); }
    RingPanel* shortcutRingWindow() const { return m_shortcutRingWindow.get(); }
    AppShortcutRingViewModel* shortcutRingViewModel() const;
    bool isMouseTracking() const { return m_mouseMonitor || m_localMonitor; }
    double scrollAccumulator() const { return m_scrollAccumulator; }
    bool switcherHasCommitted() const { return m_switcherHasCommitted; }
    std::optional<std::uint64_t> switcherSessionHold() const { return m_switcherSessionHold; }
    quint64 launcherRevealGeneration() const { return m_launcherRevealGeneration; }
    quint64 launcherHideGeneration() const { return m_launcherHideGeneration; }
    bool launcherIsExiting() const { return m_launcherIsExiting; }
    bool launcherHasCommitted() const { return m_launcherHasCommitted; }
    HotkeyRole shortcutRingHoldRole() const { return m_shortcutRingHoldRole; }
    // The shortcut ring's commit runs the item this long after the hide starts.
    static constexpr double executeDelay = 0.05;
    // Scroll needed for one page turn: points of a precise device, wheel notches.
    static constexpr double preciseScrollThreshold = 28.0;
    static constexpr double wheelScrollThreshold = 1.0;

Q_SIGNALS:
    void activationPolicyChanged();

protected:
    AppSettings& settings;
    AppServices& services() const { return AppServices::shared(); }

private:
    enum class WindowKind { settings, onboarding, help, update };
    QPointer<QWidget>& windowField(WindowKind kind);
    QWidget* makeTitledWindow(WindowKind kind, QWidget* content);
    void bringToFront(QWidget* window, bool makeKey);
    void onTitledWindowClosing(QWidget* window);
    void startUpdateChecks();
    void observeScreenLock();
    void observeSettingsWindowClosing();
    void observeLanguageChanges();
    void setTapEnabled(bool enabled);
    bool eventFilter(QObject* watched, QEvent* event) override;

    std::unique_ptr<HotkeyEventTap> m_keyTap;
    std::unique_ptr<KeyMonitorSession> m_globalMonitor;
    Scheduler::TimerId m_permissionRetryTimer = 0;
    bool m_languageObserved = false;
    QPointer<QWidget> m_settingsWindow;
    QPointer<QWidget> m_onboardingWindow;
    QPointer<QWidget> m_helpWindow;
    QPointer<QWidget> m_updateWindow;
    bool m_updateChecksStarted = false;
    QPointer<QWidget> m_launchPopoverWindow;
    bool m_launchPopoverWaiting = false;
    bool m_closingObserved = false;
    ActivationPolicy m_activationPolicy = ActivationPolicy::regular;
    int m_suspensionDepth = 0;
    std::unique_ptr<ScreenLockObserver> m_screenLockObserver;

    // Ring control (AppDelegateRings.cpp).
    void makeCircularSwitcher();
    void showShortcutLikeRing(const RunningApp& centre, const QList<AppShortcut>& items, HotkeyRole role);
    // The showing of `role`'s ring can still take a step or a commit.
    bool isLauncherShowingLive(HotkeyRole role) const;
    bool isSwitcherShowingLive() const;
    void stepOrCommitSwitcher();
    void stepOrCommitLauncher();
    void switcherClickCommit(int index, std::optional<int> windowIndex);
    void ringsChangedOutsideKeyHandler();
    // Hold mode, for a ring a key press opened: on the next turn, asks which
    // modifiers are still held and treats a missing one as released (a
    // release during the grab that showed the ring is never reported as an
    // event). Rings opened otherwise (the tray menu) are not held open by keys.
    void checkHeldModifiersSoon();
    void tearDownRings();

    std::unique_ptr<CircularSwitcherWindow> m_circularSwitcher;
    std::unique_ptr<RingPanel> m_shortcutRingWindow;
    QPointer<AppShortcutRingViewModel> m_shortcutRingViewModel;
    std::unique_ptr<PointerMonitorSession> m_mouseMonitor;
    std::unique_ptr<RingLocalPointerMonitor> m_localMonitor;
    double m_scrollAccumulator = 0;
    bool m_switcherHasCommitted = false;
    std::optional<std::uint64_t> m_switcherSessionHold;
    std::optional<QUuid> m_switcherSessionGroup; // the group the switcher shows, if any
    quint64 m_launcherRevealGeneration = 0;
    quint64 m_launcherHideGeneration = 0;
    bool m_launcherIsExiting = false;
    bool m_launcherHasCommitted = false;
    HotkeyRole m_shortcutRingHoldRole = HotkeyRole::launcher;
    int m_keyHandlerDepth = 0;
    quint64 m_ringShowings = 0; // every showing of either ring

    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
