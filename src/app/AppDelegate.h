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
#include "core/LauncherGroup.h"
#include "platform/KeyTap.h"
#include "platform/Scheduler.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class AppSettings;
class HotkeyEventTap;
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

    // ---- Ring control (overridden by the ring control) --------------------------
    virtual bool isSwitcherVisible() const { return false; }
    virtual bool hasSwitcher() const { return false; }
    virtual bool isLauncherRingVisible() const { return false; }
    bool isRingVisible() const { return isSwitcherVisible() || isLauncherRingVisible(); }

    virtual void showCircularSwitcher() { }
    virtual void showShortcutRingSwitcher() { }
    virtual void triggerSwitcher() { }
    virtual void triggerLauncher() { }
    virtual void showCapturedTabsRing() { }
    virtual void showPasswordRing() { }
    virtual void showLauncherGroup(const LauncherGroup&) { }
    virtual void handleModifiersChanged(std::uint64_t) { }
    virtual void commitVisibleRing() { }
    virtual void moveLauncherSelection(int) { }
    virtual void switcherSelectNext() { }
    virtual void switcherSelectPrevious() { }
    virtual void hideSwitcher(bool) { }
    virtual void hideLauncherRing(bool) { }
    virtual void stopMouseTracking() { }

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
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
