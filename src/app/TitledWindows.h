#pragma once
// The application's titled windows (settings, onboarding, help, update
// notice) and the borderless launch notice under the tray icon. Each window
// is made on first use from the view its service provides (AppServices) and
// shown again, not made again, while it exists; closing it drops it, except
// the help and update windows, which are kept for the life of the process.
//
// While any titled window is visible the process is a regular application;
// when the last one closes it goes back to being an accessory (tray only).

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class Platform;
class PointerMonitorSession;
struct AppServices;

enum class ActivationPolicy { regular, accessory };

class TitledWindows : public QObject {
    Q_OBJECT
public:
    // `services` must outlive the windows.
    TitledWindows(const Platform& platform, AppServices& services, QObject* parent = nullptr);
    ~TitledWindows() override;

    ActivationPolicy activationPolicy() const { return m_activationPolicy; }
    void setActivationPolicy(ActivationPolicy policy);
    // Starts following every window of the application (a titled window
    // hidden by anyone may end the regular policy). Once is enough.
    void observeWindows();
    void restoreAccessoryPolicyIfNoWindowsRemain();

    void openSettings();
    // `onFinish` runs when the wizard finishes (after the window closed).
    void showOnboarding(std::function<void(bool openSettingsAfterwards)> onFinish);
    void showHelp();
    // The update notice; with `silentIfNothing` only when an update is on
    // offer. Only an explicit request takes the keyboard focus.
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

    // ---- Launch notice ----------------------------------------------------------
    // Waits up to 8 s for the tray icon's frame, then shows the notice under
    // it (or in the top-right corner without one), when the setting is on.
    void showLaunchPopoverIfEnabled();
    void presentLaunchPopover(std::optional<QRect> anchor);
    void hideLaunchPopover();
    // Top-left origin of the notice on a screen whose available area is
    // `visibleFrame`: below a top-panel anchor (above a bottom-panel one),
    // centred on it and 8 points inside the area; without an anchor the
    // top-right corner.
    static QPoint position(QSize size, std::optional<QRect> itemFrame, QRect visibleFrame);

Q_SIGNALS:
    void activationPolicyChanged();
    // The wizard's window went away: finished, skipped or closed.
    void onboardingClosed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Kind { settings, onboarding, help, update };
    QPointer<QWidget>& field(Kind kind);
    QWidget* makeWindow(Kind kind, QWidget* content);
    void retitle();
    void bringToFront(QWidget* window, bool makeKey);
    void onWindowClosing(QWidget* window);
    void pollForTrayIcon(double deadline);

    const Platform& m_platform;
    AppServices& m_services;
    QPointer<QWidget> m_settingsWindow;
    QPointer<QWidget> m_onboardingWindow;
    QPointer<QWidget> m_helpWindow;
    QPointer<QWidget> m_updateWindow;
    QPointer<QWidget> m_launchPopoverWindow;
    std::unique_ptr<PointerMonitorSession> m_launchPopoverMonitor;
    bool m_launchPopoverWaiting = false;
    bool m_observing = false;
    ActivationPolicy m_activationPolicy = ActivationPolicy::regular;
};
