#include "app/AppDelegate.h"

#include "app/RingLocalPointerMonitor.h"
#include "app/ScreenLockObserver.h"
#include "core/AppSettings.h"
#include "core/HotkeyRecordingSession.h"
#include "input/HotkeyEventTap.h"
#include "input/KeyTapSuspension.h"
#include "platform/DefaultsStore.h"
#include "platform/LatencyTrace.h"
#include "platform/Log.h"
#include "platform/PointerMonitor.h"
#include "ring/AppShortcutRingViewModel.h"
#include "switcher/CircularSwitcherWindow.h"
#include "ringkit/RingPanel.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

namespace {
AppDelegate*& currentDelegate()
{
    static AppDelegate* d = nullptr;
    return d;
}

namespace Keys {
constexpr std::uint16_t Return = 36;
constexpr std::uint16_t KeypadEnter = 76;
constexpr std::uint16_t Escape = 53;
constexpr std::uint16_t Left = 123;
constexpr std::uint16_t Right = 124;
constexpr std::uint16_t Down = 125;
constexpr std::uint16_t Up = 126;
}

constexpr double permissionPollInterval = 2.0;
constexpr double telemetryNoticeDelay = 1.5;
constexpr double menuBarItemDeadline = 8.0;
constexpr double menuBarItemPollInterval = 0.15;

// A window counts as titled when it has a frame and a title bar: normal
// windows and dialogs, not popups, tool tips or borderless panels.
bool isTitled(const QWidget* w)
{
    if (!w || !w->isWindow())
        return false;
    const auto type = w->windowType();
    if (type != Qt::Window && type != Qt::Dialog)
        return false;
    return !(w->windowFlags() & Qt::FramelessWindowHint);
}
}

AppDelegate::AppDelegate(QObject* parent)
    : QObject(parent)
    , settings(AppSettings::shared())
{
    currentDelegate() = this;
    KeyTapSuspension::setProvider([this] { return beginEventTapSuspension(); });
    // The grab set follows the hotkeys and the groups.
    for (auto signal : { &AppSettings::switcherHotkeyChanged, &AppSettings::launcherHotkeyChanged,
                         &AppSettings::capturedTabsHotkeyChanged, &AppSettings::passwordHotkeyChanged,
                         &AppSettings::launcherGroupsChanged })
        connect(&settings, signal, this, &AppDelegate::updateKeyGrabs);
}

AppDelegate::~AppDelegate()
{
    *m_alive = false;
    if (currentDelegate() == this) {
        currentDelegate() = nullptr;
        KeyTapSuspension::setProvider({});
    }
    if (m_permissionRetryTimer)
        Scheduler::shared().cancel(m_permissionRetryTimer);
    m_keyTap.reset();
    m_globalMonitor.reset();
    tearDownRings();
    if (qApp)
        qApp->removeEventFilter(this);
    for (QWidget* w : { m_settingsWindow.data(), m_onboardingWindow.data(), m_helpWindow.data(),
                        m_updateWindow.data(), m_launchPopoverWindow.data() })
        delete w;
}

AppDelegate* AppDelegate::current()
{
    return currentDelegate();
}

void AppDelegate::setActivationPolicy(ActivationPolicy policy)
{
    if (policy == m_activationPolicy)
        return;
    m_activationPolicy = policy;
    Q_EMIT activationPolicyChanged();
}

// ---- Lifecycle ------------------------------------------------------------------

void AppDelegate::applicationDidFinishLaunching()
{
    setActivationPolicy(ActivationPolicy::accessory);
    settings.applyAppearance();

    if (services().telemetryPrepare)
        services().telemetryPrepare();
    if (services().telemetrySend && DefaultsStore::shared().boolValue(QStringLiteral("telemetryEnabled")))
        services().telemetrySend(QStringLiteral("app_launched"), {});
    {
        std::weak_ptr<bool> alive = m_alive;
        Scheduler::shared().postAfter(telemetryNoticeDelay, [this, alive] {
            if (!alive.lock())
                return;
            if (services().telemetryShowNoticeIfNeeded)
                services().telemetryShowNoticeIfNeeded();
        });
    }

    Hotkey::primeLayoutCache();
    startUpdateChecks();
    observeScreenLock();
    observeSettingsWindowClosing();
    observeLanguageChanges();
    startEventMonitoring();

    if (settings.hasCompletedOnboarding()) {
        watchAccessibility();
        showLaunchPopoverIfEnabled();
    } else {
        showOnboarding();
    }
}

void AppDelegate::applicationWillTerminate()
{
    stopEventMonitoring();
    if (m_permissionRetryTimer) {
        Scheduler::shared().cancel(m_permissionRetryTimer);
        m_permissionRetryTimer = 0;
    }
    if (m_updateChecksStarted && services().stopUpdateChecks)
        services().stopUpdateChecks();
    m_updateChecksStarted = false;
}

bool AppDelegate::applicationShouldHandleReopen(bool)
{
    if (!m_onboardingWindow && settings.hasCompletedOnboarding())
        openSettings();
    else
        showOnboarding();
    return true;
}

// ---- Titled windows -----------------------------------------------------------------

QPointer<QWidget>& AppDelegate::windowField(WindowKind kind)
{
    switch (kind) {
    case WindowKind::settings:
        return m_settingsWindow;
    case WindowKind::onboarding:
        return m_onboardingWindow;
    case WindowKind::help:
        return m_helpWindow;
    case WindowKind::update:
        break;
    }
    return m_updateWindow;
}

QWidget* AppDelegate::makeTitledWindow(WindowKind kind, QWidget* content)
{
    auto* window = new QWidget(nullptr, Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    QSize size;
    bool resizable = false;
    switch (kind) {
    case WindowKind::settings:
        size = settingsWindowSize;
        window->setWindowTitle(settings.localized(QStringLiteral("Kelvaro Settings")));
        window->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
        break;
    case WindowKind::onboarding:
        size = onboardingWindowSize;
        window->setWindowTitle(settings.localized(QStringLiteral("Welcome to Kelvaro")));
        // Titled and closable only: without the customize hint the window
        // manager keeps its default minimise and maximise buttons.
        window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
        break;
    case WindowKind::help:
        size = helpWindowSize;
        resizable = true;
        window->setWindowTitle(settings.localized(QStringLiteral("Kelvaro Help")));
        break;
    case WindowKind::update:
        size = updateWindowSize;
        window->setWindowTitle(settings.localized(QStringLiteral("Software Update")));
        // Titled and closable only: without the customize hint the window
        // manager keeps its default minimise and maximise buttons.
        window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
        break;
    }
    if (resizable)
        window->resize(size);
    else
        window->setFixedSize(size);
    // Centred on the primary screen when made.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
    }
    window->installEventFilter(this);
    windowField(kind) = window;
    return window;
}

void AppDelegate::bringToFront(QWidget* window, bool makeKey)
{
    if (!makeKey)
        window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    window->show();
    window->raise();
    if (makeKey) {
        window->setAttribute(Qt::WA_ShowWithoutActivating, false);
        window->activateWindow();
    }
}

void AppDelegate::openSettings()
{
    if (!m_settingsWindow && !services().makeSettingsView)
        return;
    setActivationPolicy(ActivationPolicy::regular);
    if (!m_settingsWindow)
        makeTitledWindow(WindowKind::settings, services().makeSettingsView());
    bringToFront(m_settingsWindow, true);
}

void AppDelegate::showOnboarding()
{
    if (!m_onboardingWindow && !services().makeOnboardingView)
        return;
    setActivationPolicy(ActivationPolicy::regular);
    if (!m_onboardingWindow) {
        std::weak_ptr<bool> alive = m_alive;
        auto onFinish = [this, alive](bool openSettingsAfterwards) {
            if (!alive.lock())
                return;
            settings.setHasCompletedOnboarding(true);
            if (QWidget* w = m_onboardingWindow) {
                m_onboardingWindow = nullptr;
                w->close();
                w->deleteLater();
            }
            watchAccessibility();
            if (openSettingsAfterwards)
                openSettings();
        };
        makeTitledWindow(WindowKind::onboarding, services().makeOnboardingView(onFinish));
    }
    bringToFront(m_onboardingWindow, true);
}

void AppDelegate::showHelp()
{
    if (!m_helpWindow && !services().makeHelpView)
        return;
    setActivationPolicy(ActivationPolicy::regular);
    if (!m_helpWindow)
        makeTitledWindow(WindowKind::help, services().makeHelpView());
    bringToFront(m_helpWindow, true);
}

void AppDelegate::checkForUpdates()
{
    showUpdateNotice(false, true);
    if (services().checkForUpdatesManually)
        services().checkForUpdatesManually();
}

void AppDelegate::showUpdateNotice(bool silentIfNothing, bool stealsFocus)
{
    if (silentIfNothing && !(services().updateAvailable && services().updateAvailable()))
        return;
    if (!m_updateWindow && !services().makeUpdateNoticeView)
        return;
    setActivationPolicy(ActivationPolicy::regular);
    if (m_updateWindow) {
        bringToFront(m_updateWindow, true);
        return;
    }
    std::weak_ptr<bool> alive = m_alive;
    auto onClose = [this, alive] {
        if (alive.lock() && m_updateWindow)
            m_updateWindow->close();
    };
    QWidget* window = makeTitledWindow(WindowKind::update, services().makeUpdateNoticeView(onClose));
    bringToFront(window, stealsFocus);
    if (!stealsFocus)
        QApplication::alert(window);
}

void AppDelegate::observeSettingsWindowClosing()
{
    if (m_closingObserved)
        return;
    m_closingObserved = true;
    // Every window of the application: a hidden titled window may end the
    // regular policy, whoever made it.
    qApp->installEventFilter(this);
}

bool AppDelegate::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        if (w == m_settingsWindow || w == m_onboardingWindow || w == m_helpWindow || w == m_updateWindow)
            onTitledWindowClosing(w);
    } else if (event->type() == QEvent::Hide && watched->isWidgetType() && m_closingObserved) {
        auto* w = static_cast<QWidget*>(watched);
        if (isTitled(w)) {
            std::weak_ptr<bool> alive = m_alive;
            Scheduler::shared().post([this, alive] {
                if (alive.lock())
                    restoreAccessoryPolicyIfNoWindowsRemain();
            });
        }
    } else if (event->type() == QEvent::MouseButtonPress && m_launchPopoverWindow) {
        // A click anywhere else in the application dismisses the launch notice.
        auto* w = watched->isWidgetType() ? static_cast<QWidget*>(watched) : nullptr;
        if (w && w->window() != m_launchPopoverWindow)
            hideLaunchPopover();
    }
    return QObject::eventFilter(watched, event);
}

void AppDelegate::onTitledWindowClosing(QWidget* window)
{
    for (auto kind : { WindowKind::settings, WindowKind::onboarding, WindowKind::help, WindowKind::update }) {
        auto& field = windowField(kind);
        if (field == window) {
            field = nullptr;
            window->deleteLater();
        }
    }
    std::weak_ptr<bool> alive = m_alive;
    Scheduler::shared().post([this, alive] {
        if (alive.lock())
            restoreAccessoryPolicyIfNoWindowsRemain();
    });
}

void AppDelegate::restoreAccessoryPolicyIfNoWindowsRemain()
{
    const auto windows = QApplication::topLevelWidgets();
    const bool anyTitled = std::any_of(windows.begin(), windows.end(), [](QWidget* w) {
        return w->isVisible() && isTitled(w);
    });
    if (!anyTitled)
        setActivationPolicy(ActivationPolicy::accessory);
}

void AppDelegate::observeLanguageChanges()
{
    if (m_languageObserved)
        return;
    m_languageObserved = true;
    connect(&settings, &AppSettings::languageChanged, this, &AppDelegate::applyLocalizedWindowTitles);
    applyLocalizedWindowTitles();
}

void AppDelegate::applyLocalizedWindowTitles()
{
    if (m_onboardingWindow)
        m_onboardingWindow->setWindowTitle(settings.localized(QStringLiteral("Welcome to Kelvaro")));
    if (m_settingsWindow)
        m_settingsWindow->setWindowTitle(settings.localized(QStringLiteral("Kelvaro Settings")));
    if (m_helpWindow)
        m_helpWindow->setWindowTitle(settings.localized(QStringLiteral("Kelvaro Help")));
}

// ---- Update checks and screen lock ------------------------------------------------

void AppDelegate::startUpdateChecks()
{
    if (m_updateChecksStarted || !services().startUpdateChecks)
        return;
    m_updateChecksStarted = true;
    std::weak_ptr<bool> alive = m_alive;
    // Neither automatic check takes the keyboard focus: at launch (often at
    // login) the user is already typing into another window, and keys meant
    // for it must not land in the update notice. The window only asks for
    // attention; "Check for Updates…" is the one path that brings it forward.
    services().startUpdateChecks([this, alive](bool) {
        if (alive.lock())
            showUpdateNotice(true, false);
    });
}

void AppDelegate::observeScreenLock()
{
    if (m_screenLockObserver)
        return;
    m_screenLockObserver = std::make_unique<ScreenLockObserver>();
    connect(m_screenLockObserver.get(), &ScreenLockObserver::locked, this, [this] {
        Log::write(QStringLiteral("Kelvaro: the screen locked; saved passwords need a new presence check"));
        if (services().resetPresenceContext)
            services().resetPresenceContext();
    });
}

// ---- Launch notice -------------------------------------------------------------------

void AppDelegate::showLaunchPopoverIfEnabled()
{
    if (!settings.showLaunchMessage() || m_launchPopoverWindow || m_launchPopoverWaiting)
        return;
    if (!services().makeLaunchPopoverView)
        return;
    const double deadline = Scheduler::shared().now() + menuBarItemDeadline;
    m_launchPopoverWaiting = true;
    std::weak_ptr<bool> alive = m_alive;
    auto attempt = std::make_shared<std::function<void()>>();
    *attempt = [this, alive, deadline, weakAttempt = std::weak_ptr<std::function<void()>>(attempt)] {
        if (!alive.lock())
            return;
        std::optional<QRect> frame;
        if (services().menuBarItemFrame)
            frame = services().menuBarItemFrame();
        if (frame || Scheduler::shared().now() >= deadline) {
            m_launchPopoverWaiting = false;
            presentLaunchPopover(frame);
            return;
        }
        if (auto next = weakAttempt.lock())
            Scheduler::shared().postAfter(menuBarItemPollInterval, [next] { (*next)(); });
    };
    (*attempt)();
}

QPoint AppDelegate::position(QSize size, std::optional<QRect> item, QRect v)
{
    const int w = size.width();
    if (item) {
        const int midX = item->x() + item->width() / 2;
        const int x = std::min(v.x() + v.width() - w - 8, std::max(v.x() + 8, midX - w / 2));
        const int y = item->y() + item->height() + 2;
        return { x, y };
    }
    return { v.x() + v.width() - w - 12, v.y() + 8 };
}

void AppDelegate::presentLaunchPopover(std::optional<QRect> anchor)
{
    if (!settings.showLaunchMessage() || m_launchPopoverWindow || !services().makeLaunchPopoverView)
        return;
    auto* window = new QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                                   | Qt::WindowDoesNotAcceptFocus);
    window->setAttribute(Qt::WA_TranslucentBackground);
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->setFixedSize(launchPopoverSize);
    QPoint origin;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        origin = position(launchPopoverSize, anchor, screen->availableGeometry());
        window->move(origin);
    }
    const int arrowX = anchor ? anchor->x() + anchor->width() / 2 - origin.x() : launchPopoverSize.width() / 2;
    std::weak_ptr<bool> alive = m_alive;
    auto onOpenSettings = [this, alive] {
        if (!alive.lock())
            return;
        hideLaunchPopover();
        openSettings();
    };
    auto onDismiss = [this, alive] {
        if (alive.lock())
            hideLaunchPopover();
    };
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(services().makeLaunchPopoverView(arrowX, onOpenSettings, onDismiss));
    m_launchPopoverWindow = window;
    window->show();
}

void AppDelegate::hideLaunchPopover()
{
    if (QWidget* w = m_launchPopoverWindow) {
        m_launchPopoverWindow = nullptr;
        w->hide();
        w->deleteLater();
    }
}

// ---- Key monitoring -------------------------------------------------------------------

void AppDelegate::startEventMonitoring()
{
    stopEventMonitoring();
    auto& tap = KeyTap::shared();
    const bool trusted = tap.isTrusted();
    if (trusted) {
        std::weak_ptr<bool> alive = m_alive;
        auto candidate = std::make_unique<HotkeyEventTap>(
            [this, alive](const KeyTapEvent& e) { return alive.lock() ? handleTapped(e) : false; },
            [this, alive](const KeyTapEvent& e) {
                if (alive.lock())
                    handle(e);
            });
        candidate->setGrabs(currentKeyGrabs());
        if (candidate->start()) {
            m_keyTap = std::move(candidate);
            if (m_suspensionDepth > 0)
                m_keyTap->setEnabled(false);
        }
    } else {
        watchAccessibility();
    }
    if (!m_keyTap && trusted) {
        Log::write(QStringLiteral("Kelvaro: the key tap could not be created; hotkeys work but also reach the focused window"));
        std::weak_ptr<bool> alive = m_alive;
        m_globalMonitor = tap.addGlobalMonitor([this, alive](const KeyTapEvent& e) {
            if (alive.lock())
                handle(e);
        });
    }
}

void AppDelegate::stopEventMonitoring()
{
    m_keyTap.reset();
    m_globalMonitor.reset();
    stopMouseTracking();
}

void AppDelegate::watchAccessibility()
{
    if (KeyTap::shared().isTrusted() || m_permissionRetryTimer)
        return;
    std::weak_ptr<bool> alive = m_alive;
    m_permissionRetryTimer = Scheduler::shared().repeating(permissionPollInterval, [this, alive] {
        if (!alive.lock())
            return;
        if (!KeyTap::shared().isTrusted())
            return;
        Scheduler::shared().cancel(m_permissionRetryTimer);
        m_permissionRetryTimer = 0;
        startEventMonitoring();
    });
}

bool AppDelegate::matchesAnyBinding(std::uint16_t keyCode, std::uint64_t modifiers) const
{
    for (const auto& h : { settings.switcherHotkey(), settings.launcherHotkey(), settings.capturedTabsHotkey(),
                           settings.passwordHotkey() }) {
        if (h && h->matches(keyCode, modifiers))
            return true;
    }
    const auto groups = settings.activeLauncherGroups();
    return std::any_of(groups.begin(), groups.end(),
                       [&](const LauncherGroup& g) { return g.hotkey && g.hotkey->matches(keyCode, modifiers); });
}

bool AppDelegate::handleTapped(const KeyTapEvent& event)
{
    const std::uint64_t modifiers = event.flags & Modifier::Mask;
    bool swallow = false;
    if (event.type == KeyTapEvent::Type::FlagsChanged) {
        handleModifiersChanged(modifiers);
    } else if (event.type == KeyTapEvent::Type::KeyDown) {
        if (event.isAutoRepeat)
            swallow = isRingVisible() && matchesAnyBinding(event.keyCode, modifiers);
        else
            swallow = handleKeyDown(event.keyCode, modifiers);
    }
    LatencyTrace::mark("key down handled");
    // What the handler did may have shown or hidden a ring.
    updateKeyGrabs();
    return swallow;
}

void AppDelegate::handle(const KeyTapEvent& event)
{
    if (event.type == KeyTapEvent::Type::FlagsChanged) {
        handleModifiersChanged(event.flags & Modifier::Mask);
    } else if (event.type == KeyTapEvent::Type::KeyDown && !event.isAutoRepeat) {
        // A held key repeats: only its first press acts.
        handleKeyDown(event.keyCode, event.flags & Modifier::Mask);
    }
    updateKeyGrabs();
}

bool AppDelegate::handleKeyDown(std::uint16_t keyCode, std::uint64_t modifiers)
{
    // Rings opened from here check the held modifiers once they show.
    ++m_keyHandlerDepth;
    const auto leave = qScopeGuard([this] { --m_keyHandlerDepth; });
    modifiers &= Modifier::Mask;
    const bool ringVisible = isRingVisible();
    if (HotkeyRecordingSession::activeCount() >= 1 && !ringVisible)
        return false;
    if (ringVisible && keyCode == Keys::Escape) {
        if (hasSwitcher())
            hideSwitcher(true);
        hideLauncherRing(true);
        return true;
    }
    if (const auto h = settings.switcherHotkey(); h && h->matches(keyCode, modifiers)) {
        triggerSwitcher();
        return true;
    }
    if (const auto h = settings.launcherHotkey(); h && h->matches(keyCode, modifiers)) {
        triggerLauncher();
        return true;
    }
    if (const auto h = settings.capturedTabsHotkey(); h && h->matches(keyCode, modifiers)) {
        showCapturedTabsRing();
        return true;
    }
    if (const auto h = settings.passwordHotkey(); h && h->matches(keyCode, modifiers)) {
        showPasswordRing();
        return true;
    }
    for (const LauncherGroup& group : settings.activeLauncherGroups()) {
        if (group.hotkey && group.hotkey->matches(keyCode, modifiers)) {
            showLauncherGroup(group);
            return true;
        }
    }
    return handleRingNavigation(keyCode);
}

bool AppDelegate::handleRingNavigation(std::uint16_t keyCode)
{
    if (!isRingVisible())
        return false;
    switch (keyCode) {
    case Keys::Return:
    case Keys::KeypadEnter:
        commitVisibleRing();
        return true;
    case Keys::Right:
    case Keys::Down:
        if (isSwitcherVisible())
            switcherSelectNext();
        else
            moveLauncherSelection(1);
        return true;
    case Keys::Left:
    case Keys::Up:
        if (isSwitcherVisible())
            switcherSelectPrevious();
        else
            moveLauncherSelection(-1);
        return true;
    default:
        return false;
    }
}

std::vector<KeyGrab> AppDelegate::currentKeyGrabs() const
{
    std::vector<KeyGrab> grabs;
    auto add = [&](const KeyGrab& g) {
        if (std::find(grabs.begin(), grabs.end(), g) == grabs.end())
            grabs.push_back(g);
    };
    for (const auto& h : { settings.switcherHotkey(), settings.launcherHotkey(), settings.capturedTabsHotkey(),
                           settings.passwordHotkey() }) {
        if (h)
            add(KeyGrab::of(*h));
    }
    for (const LauncherGroup& g : settings.activeLauncherGroups()) {
        if (g.hotkey)
            add(KeyGrab::of(*g.hotkey));
    }
    if (isRingVisible()) {
        for (std::uint16_t code : { Keys::Return, Keys::KeypadEnter, Keys::Left, Keys::Right, Keys::Down, Keys::Up,
                                    Keys::Escape })
            add(KeyGrab::anyModifiersOf(code));
    }
    return grabs;
}

void AppDelegate::updateKeyGrabs()
{
    if (m_keyTap)
        m_keyTap->setGrabs(currentKeyGrabs());
}

void AppDelegate::setTapEnabled(bool enabled)
{
    if (m_keyTap)
        m_keyTap->setEnabled(enabled);
}

std::function<void()> AppDelegate::beginEventTapSuspension()
{
    ++m_suspensionDepth;
    setTapEnabled(false);
    std::weak_ptr<bool> alive = m_alive;
    auto done = std::make_shared<bool>(false);
    return [this, alive, done] {
        if (*done || !alive.lock())
            return;
        *done = true;
        // Nested modal work: the tap comes back when the outermost one ends.
        if (--m_suspensionDepth == 0)
            setTapEnabled(true);
    };
}
