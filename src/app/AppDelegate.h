#pragma once
// The application delegate: starts the system when launching finishes,
// observes the screen lock and ends things at termination. It owns the three
// parts that do the work: the keyboard (hotkey dispatch and the key tap), the
// ring control, and the titled windows.

#include "app/TitledWindows.h"

#include <QObject>
#include <memory>

struct AppServices;
class HotkeyDispatcher;
class Platform;
class RingController;

class AppDelegate : public QObject {
    Q_OBJECT
public:
    // `services` must outlive the delegate.
    AppDelegate(const Platform& platform, AppServices& services, QObject* parent = nullptr);
    ~AppDelegate() override;

    // Launch, in order: accessory policy and appearance, the launch usage
    // event and (1.5 s later) the usage-data notice, the keyboard layout, the
    // update checks, the screen-lock observer, window and language
    // observers, the key tap; then the onboarding when it is incomplete, else
    // the permission watch and the launch notice.
    void applicationDidFinishLaunching();
    void applicationWillTerminate();
    // A second launch while running: settings, or the onboarding while it is
    // incomplete or open. Always true.
    bool applicationShouldHandleReopen();

    HotkeyDispatcher& keyboard() const { return *m_keyboard; }
    RingController& rings() const { return *m_rings; }
    TitledWindows& windows() const { return *m_windows; }

    void showOnboarding();
    // "Check for Updates…": the notice comes forward with the live outcome.
    void checkForUpdates();

private:
    void startUpdateChecks();
    void observeScreenLock();

    const Platform& m_platform;
    AppServices& m_services;
    std::unique_ptr<RingController> m_rings;
    std::unique_ptr<HotkeyDispatcher> m_keyboard;
    std::unique_ptr<TitledWindows> m_windows;
    void showTelemetryNotice();

    bool m_watchingScreenLock = false;
    bool m_updateChecksStarted = false;
};
