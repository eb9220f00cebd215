#include "app/AppDelegate.h"

#include "app/AppServices.h"
#include "app/RingController.h"
#include "core/AppSettings.h"
#include "input/HotkeyDispatcher.h"
#include "platform/DefaultsStore.h"
#include "platform/Log.h"
#include "platform/Platform.h"
#include "platform/ScreenLock.h"
#include "platform/Scheduler.h"
#include "vault/PasswordVault.h"

#include <QGuiApplication>

namespace {
constexpr double telemetryNoticeDelay = 1.5;

AppSettings& settings() { return AppSettings::shared(); }
}

AppDelegate::AppDelegate(const Platform& platform, AppServices& services, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_services(services)
    , m_rings(std::make_unique<RingController>(platform))
    , m_keyboard(std::make_unique<HotkeyDispatcher>(platform.keyTap(), *m_rings))
    , m_windows(std::make_unique<TitledWindows>(platform, services))
{
    m_rings->setKeyboard(m_keyboard.get());
    connect(m_rings.get(), &RingController::ringsChanged, m_keyboard.get(), &HotkeyDispatcher::updateKeyGrabs);
}

void AppDelegate::showTelemetryNotice()
{
    if (m_services.telemetryShowNoticeIfNeeded)
        m_services.telemetryShowNoticeIfNeeded();
}

AppDelegate::~AppDelegate()
{
    // The keyboard goes first: no key may reach rings being torn down.
    m_keyboard.reset();
    m_rings.reset();
}

void AppDelegate::applicationDidFinishLaunching()
{
    m_windows->setActivationPolicy(ActivationPolicy::accessory);
    settings().applyAppearance();

    if (m_services.telemetryPrepare)
        m_services.telemetryPrepare();
    // A user who never touched the setting is opted in: the absent key reads as on.
    if (m_services.telemetrySend && m_services.telemetryEnabled && m_services.telemetryEnabled())
        m_services.telemetrySend(QStringLiteral("app_launched"), {});
    Scheduler::shared().postAfterWhileAlive(telemetryNoticeDelay, this, [this] { showTelemetryNotice(); });

    Hotkey::primeLayoutCache();
    startUpdateChecks();
    observeScreenLock();
    m_windows->observeWindows();
    m_keyboard->start();

    // The rings are made and painted once offscreen on a later turn, after
    // the tray is up and off the key path, so that the first showing costs
    // what every later one does. Only on a real display.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        Scheduler::shared().postWhileAlive(this, [this] { m_rings->prepareRings(); });
    }

    if (settings().hasCompletedOnboarding()) {
        m_keyboard->watchPermission();
        m_windows->showLaunchPopoverIfEnabled();
    } else {
        showOnboarding();
    }
}

void AppDelegate::applicationWillTerminate()
{
    m_keyboard->stop();
    m_rings->stopMouseTracking();
    // A password copied to the clipboard goes with us, never to a clipboard
    // manager that would keep it.
    PasswordVault(m_platform).clearClipboardIfOurs();
    if (m_updateChecksStarted && m_services.stopUpdateChecks)
        m_services.stopUpdateChecks();
    m_updateChecksStarted = false;
}

bool AppDelegate::applicationShouldHandleReopen()
{
    if (!m_windows->onboardingWindow() && settings().hasCompletedOnboarding())
        m_windows->openSettings();
    else
        showOnboarding();
    return true;
}

void AppDelegate::showOnboarding()
{
    m_windows->showOnboarding([this](bool openSettingsAfterwards) {
        settings().setHasCompletedOnboarding(true);
        m_keyboard->watchPermission();
        if (openSettingsAfterwards)
            m_windows->openSettings();
    });
}

void AppDelegate::checkForUpdates()
{
    m_windows->showUpdateNotice(false, true);
    if (m_services.checkForUpdatesManually)
        m_services.checkForUpdatesManually();
}

void AppDelegate::startUpdateChecks()
{
    if (m_updateChecksStarted || !m_services.startUpdateChecks)
        return;
    m_updateChecksStarted = true;
    // Neither automatic check takes the keyboard focus: at launch (often at
    // login) the user is already typing into another window, and keys meant
    // for it must not land in the update notice. The window only asks for
    // attention; "Check for Updates…" is the one path that brings it forward.
    QPointer<TitledWindows> windows = m_windows.get();
    m_services.startUpdateChecks([windows](bool) {
        if (windows)
            windows->showUpdateNotice(true, false);
    });
}

void AppDelegate::observeScreenLock()
{
    if (m_watchingScreenLock)
        return;
    m_watchingScreenLock = true;
    ScreenLock& screenLock = m_platform.screenLock();
    screenLock.watch();
    connect(&screenLock, &ScreenLock::locked, this, [this] {
        Log::write(QStringLiteral("Kelvaro: the screen locked; saved passwords need a new presence check"));
        if (m_services.resetPresenceContext)
            m_services.resetPresenceContext();
    });
}
