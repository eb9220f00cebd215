// Ring control of the application delegate: opening the switcher, launcher
// groups and the shortcut-like rings, steering them from keys and the
// pointer, and committing each showing's choice at most once.
//
// A showing ends with its first hide, whatever started it: a commit, Escape,
// a click's own hide, another ring opening. Its exit animation keeps the
// panel on screen for a moment, but nothing of an ended showing commits.

#include "app/AppDelegate.h"

#include "app/RingLocalPointerMonitor.h"
#include "app/RingSources.h"
#include "app/ShortcutRunner.h"
#include "core/AppSettings.h"
#include "core/AppShortcut.h"
#include "switcher/LauncherApps.h"
#include "core/ShortcutStorage.h"
#include "input/HotkeyEventTap.h"
#include "platform/DisplayPreferences.h"
#include "platform/LatencyTrace.h"
#include "platform/Log.h"
#include "platform/PointerMonitor.h"
#include "platform/Screens.h"
#include "ring/AppShortcutRingView.h"
#include "ring/AppShortcutRingViewModel.h"
#include "ring/CapturedTabStore.h"
#include "switcher/CircularSwitcherViewModel.h"
#include "switcher/CircularSwitcherWindow.h"
#include "ringkit/RingMotion.h"
#include "ringkit/RingPanel.h"
#include "ringkit/RunningApp.h"
#include "vault/PasswordVault.h"

#include <QApplication>
#include <cmath>

namespace {
bool holdMode()
{
    return AppSettings::shared().activationMode() == ActivationMode::holdModifier;
}

QImage ownIcon()
{
    return RunningApp::thumbnail(QApplication::windowIcon(), 64);
}
}

AppShortcutRingViewModel* AppDelegate::shortcutRingViewModel() const
{
    return m_shortcutRingViewModel.data();
}

// ---- Visibility ---------------------------------------------------------------------

bool AppDelegate::isSwitcherVisible() const
{
    return m_circularSwitcher && m_circularSwitcher->isSwitcherVisible();
}

bool AppDelegate::hasSwitcher() const
{
    return m_circularSwitcher != nullptr;
}

bool AppDelegate::isLauncherRingVisible() const
{
    return m_shortcutRingWindow && m_shortcutRingWindow->isPanelVisible();
}

bool AppDelegate::isSwitcherShowingLive() const
{
    return m_circularSwitcher && m_circularSwitcher->acceptsCommit() && !m_switcherHasCommitted;
}

bool AppDelegate::isLauncherShowingLive(HotkeyRole role) const
{
    return m_shortcutRingViewModel && isLauncherRingVisible() && !m_launcherIsExiting && !m_launcherHasCommitted
        && m_shortcutRingHoldRole == role;
}

void AppDelegate::ringsChangedOutsideKeyHandler()
{
    updateKeyGrabs();
}

// ---- Hotkeys --------------------------------------------------------------------------

void AppDelegate::triggerSwitcher()
{
    if (isSwitcherShowingLive() && !m_switcherSessionGroup)
        stepOrCommitSwitcher();
    else
        showCircularSwitcher();
}

void AppDelegate::triggerLauncher()
{
    if (isLauncherShowingLive(HotkeyRole::launcher))
        stepOrCommitLauncher();
    else
        showShortcutRingSwitcher();
}

void AppDelegate::stepOrCommitSwitcher()
{
    if (holdMode())
        m_circularSwitcher->viewModel()->selectNext();
    else
        selectAndActivateCurrentApp();
}

void AppDelegate::stepOrCommitLauncher()
{
    if (holdMode())
        moveLauncherSelection(1);
    else
        selectAndExecuteCurrentShortcut();
}

// ---- The switcher -----------------------------------------------------------------------

void AppDelegate::makeCircularSwitcher()
{
    if (m_circularSwitcher)
        return;
    m_circularSwitcher = std::make_unique<CircularSwitcherWindow>();
    std::weak_ptr<bool> alive = m_alive;
    m_circularSwitcher->onHidden = [this, alive] {
        if (!alive.lock())
            return;
        stopMouseTrackingIfIdle();
        ringsChangedOutsideKeyHandler();
    };
    m_circularSwitcher->onCommitRequest = [this, alive](int index, std::optional<int> windowIndex) {
        if (alive.lock())
            switcherClickCommit(index, windowIndex);
    };
    connect(m_circularSwitcher.get(), &CircularSwitcherWindow::hidingStarted, this,
            [this] { m_switcherHasCommitted = true; });
}

void AppDelegate::showCircularSwitcher()
{
    ++m_launcherRevealGeneration;
    ++m_launcherHideGeneration;
    m_launcherIsExiting = false;
    releaseLauncherRing();
    makeCircularSwitcher();
    m_switcherSessionHold.reset();
    m_switcherSessionGroup.reset();
    m_circularSwitcher->showSwitcher(std::nullopt);
    // After showing: the panel reports the hide of the previous showing.
    m_switcherHasCommitted = false;
    startMouseTracking();
    LatencyTrace::mark("pointer feed started");
    ringsChangedOutsideKeyHandler();
    LatencyTrace::mark("key grabs updated");
    checkHeldModifiersSoon();
}

void AppDelegate::showLauncherGroup(const LauncherGroup& group)
{
    if (isSwitcherShowingLive() && m_switcherSessionGroup == group.id) {
        stepOrCommitSwitcher();
        return;
    }
    const QList<RunningApp> apps = LauncherApps::resolved(group.bundleIdentifiers);
    if (apps.isEmpty()) {
        Log::write(QStringLiteral("Kelvaro: launcher group '") + group.name
                   + QStringLiteral("' has no apps that still exist."));
        return;
    }
    ++m_launcherRevealGeneration;
    ++m_launcherHideGeneration;
    m_launcherIsExiting = false;
    releaseLauncherRing();
    makeCircularSwitcher();

    std::uint64_t hold = 0;
    if (group.hotkey) {
        const std::uint64_t keyModifiers = group.hotkey->rawModifiers & Modifier::Mask;
        hold = keyModifiers & group.holdModifiersRaw;
        if (hold == 0 && keyModifiers != 0)
            hold = keyModifiers;
    }
    m_switcherSessionHold = hold;
    m_switcherSessionGroup = group.id;
    m_circularSwitcher->showSwitcher(apps);
    m_switcherHasCommitted = false;
    startMouseTracking();
    ringsChangedOutsideKeyHandler();
    checkHeldModifiersSoon();
}

void AppDelegate::hideSwitcher(bool animated)
{
    if (!m_circularSwitcher)
        return;
    m_switcherHasCommitted = true;
    m_circularSwitcher->hideSwitcher(animated);
    ringsChangedOutsideKeyHandler();
}

void AppDelegate::switcherSelectNext()
{
    if (isSwitcherVisible())
        m_circularSwitcher->viewModel()->selectNext();
}

void AppDelegate::switcherSelectPrevious()
{
    if (isSwitcherVisible())
        m_circularSwitcher->viewModel()->selectPrevious();
}

void AppDelegate::switcherClickCommit(int index, std::optional<int> windowIndex)
{
    if (!isSwitcherShowingLive())
        return;
    CircularSwitcherViewModel* model = m_circularSwitcher->viewModel();
    if (index >= 0 && index < model->runningApps().size() && index != model->selectedIndex()) {
        model->setSelectedIndex(index);
        model->refreshWindowsForSelection();
    }
    if (windowIndex && *windowIndex >= 0 && *windowIndex < model->windows().size())
        model->setSelectedWindowIndex(windowIndex);
    else
        model->setSelectedWindowIndex(std::nullopt);
    selectAndActivateCurrentApp();
}

void AppDelegate::selectAndActivateCurrentApp()
{
    if (!m_circularSwitcher || m_switcherHasCommitted || !m_circularSwitcher->acceptsCommit())
        return;
    m_switcherHasCommitted = true;
    CircularSwitcherViewModel* model = m_circularSwitcher->viewModel();
    const int index = model->selectedIndex();
    if (index >= 0 && index < model->runningApps().size())
        model->activateSelected();
    else
        m_circularSwitcher->hideSwitcher(true);
    ringsChangedOutsideKeyHandler();
}

// ---- The shortcut-like rings ------------------------------------------------------------

void AppDelegate::showShortcutRingSwitcher()
{
    const auto front = RingSources::frontmostApplication();
    if (!front)
        return;
    QList<AppShortcut> items;
    for (const AppShortcut& item : ShortcutStorage::shared().getShortcuts(front->bundleIdentifier)) {
        if (!item.shortcut.isEmpty() || item.textSnippet || item.url)
            items << item;
    }
    if (items.isEmpty()) {
        RingSources::beep();
        Log::write(QStringLiteral("Kelvaro: no shortcuts saved for ") + front->localizedName
                   + QStringLiteral(" — add some in Settings under Apps."));
        return;
    }
    const RunningApp centre {front->localizedName, RunningApp::thumbnail(front->icon, 64), front->bundleIdentifier,
                             true};
    showShortcutLikeRing(centre, items, HotkeyRole::launcher);
}

void AppDelegate::showCapturedTabsRing()
{
    if (isLauncherShowingLive(HotkeyRole::capturedTabs)) {
        stepOrCommitLauncher();
        return;
    }
    const QList<AppShortcut> items = CapturedTabStore::ringItems();
    if (items.isEmpty()) {
        RingSources::beep();
        return;
    }
    const RunningApp centre {settings.localized(QStringLiteral("Saved Tabs")), ownIcon(), AppShortcut::tabsMarker,
                             true};
    showShortcutLikeRing(centre, items, HotkeyRole::capturedTabs);
}

void AppDelegate::showPasswordRing()
{
    if (isLauncherShowingLive(HotkeyRole::passwords)) {
        stepOrCommitLauncher();
        return;
    }
    const QList<AppShortcut> items = PasswordVault::ringItems();
    if (items.isEmpty()) {
        RingSources::beep();
        return;
    }
    const RunningApp centre {settings.localized(QStringLiteral("Passwords")), ownIcon(),
                             AppShortcut::passwordMarker, true};
    showShortcutLikeRing(centre, items, HotkeyRole::passwords);
}

void AppDelegate::showShortcutLikeRing(const RunningApp& centre, const QList<AppShortcut>& items, HotkeyRole role)
{
    LatencyTrace::mark("ring items listed");
    if (m_circularSwitcher)
        hideSwitcher(false);

    const quint64 generation = ++m_launcherRevealGeneration;
    ++m_launcherHideGeneration;
    m_shortcutRingHoldRole = role;
    m_scrollAccumulator = 0;

    std::weak_ptr<bool> alive = m_alive;
    auto* model = new AppShortcutRingViewModel();
    model->loadShortcuts(centre, items);
    model->onHide = [this, alive] {
        if (alive.lock())
            hideLauncherRing(true);
    };
    QPointer<AppShortcutRingViewModel> previous = m_shortcutRingViewModel;
    m_shortcutRingViewModel = model;

    if (!m_shortcutRingWindow)
        m_shortcutRingWindow = std::make_unique<RingPanel>();
    // The old view goes with the content it replaces; its model after it.
    m_shortcutRingWindow->setContent(new AppShortcutRingView(model));
    if (previous)
        previous->deleteLater();

    const QRectF frame = settings.ringFrame(AppShortcutRingView::stageSize * settings.ringScale());
    m_shortcutRingWindow->setFrameYUp(frame);
    model->setRingCenter(frame.center());
    LatencyTrace::mark("ring view made");

    m_shortcutRingWindow->orderFront();
    LatencyTrace::mark("ring ordered front");
    startMouseTracking();
    m_launcherIsExiting = false;
    m_launcherHasCommitted = false;
    ringsChangedOutsideKeyHandler();

    Scheduler::shared().post([this, alive, generation] {
        if (!alive.lock() || generation != m_launcherRevealGeneration || !isLauncherRingVisible())
            return;
        LatencyTrace::mark("ring reveal");
        if (m_shortcutRingViewModel)
            m_shortcutRingViewModel->reveal();
    });
    checkHeldModifiersSoon();
}

void AppDelegate::moveLauncherSelection(int delta)
{
    AppShortcutRingViewModel* model = m_shortcutRingViewModel;
    if (!model || model->shortcuts().isEmpty())
        return;
    const int n = int(model->shortcuts().size());
    model->setSelectedIndex(((model->selectedIndex() + delta) % n + n) % n);
}

void AppDelegate::selectAndExecuteCurrentShortcut()
{
    AppShortcutRingViewModel* model = m_shortcutRingViewModel;
    if (!model || m_launcherHasCommitted || m_launcherIsExiting)
        return;
    m_launcherHasCommitted = true;
    const int index = model->selectedIndex();
    if (index < 0 || index >= model->shortcuts().size()) {
        hideLauncherRing(true);
        return;
    }
    const AppShortcut item = model->shortcuts()[index];
    hideLauncherRing(true);
    std::weak_ptr<bool> alive = m_alive;
    Scheduler::shared().postAfter(executeDelay, [this, alive, item] {
        if (!alive.lock())
            return;
        // The model of the showing while its exit still runs (the password
        // route reads the card chosen on the outer arc).
        ShortcutRunner::executeShortcut(item, m_shortcutRingViewModel.data());
    });
}

void AppDelegate::hideLauncherRing(bool animated)
{
    ++m_launcherRevealGeneration;
    // Whatever hides the ring ends its showing.
    m_launcherHasCommitted = true;
    if (animated && m_launcherIsExiting)
        return;
    AppShortcutRingViewModel* model = m_shortcutRingViewModel;
    if (animated && model && model->isVisible()) {
        const quint64 hideGeneration = ++m_launcherHideGeneration;
        m_launcherIsExiting = true;
        const bool reduceMotion = DisplayPreferences::shared().reduceMotion();
        // The view animates the change with the exit curve.
        model->beginExit();
        std::weak_ptr<bool> alive = m_alive;
        Scheduler::shared().postAfter(RingMotion::exitDuration(reduceMotion), [this, alive, hideGeneration] {
            if (!alive.lock() || hideGeneration != m_launcherHideGeneration)
                return;
            m_launcherIsExiting = false;
            releaseLauncherRing();
        });
        ringsChangedOutsideKeyHandler();
        return;
    }
    ++m_launcherHideGeneration;
    m_launcherIsExiting = false;
    releaseLauncherRing();
}

void AppDelegate::releaseLauncherRing()
{
    if (AppShortcutRingViewModel* model = m_shortcutRingViewModel) {
        model->snapHidden();
        m_shortcutRingViewModel = nullptr;
        if (m_shortcutRingWindow) {
            m_shortcutRingWindow->orderOut();
            m_shortcutRingWindow->setContent(nullptr);
        }
        model->deleteLater();
    } else if (m_shortcutRingWindow) {
        m_shortcutRingWindow->orderOut();
        m_shortcutRingWindow->setContent(nullptr);
    }
    stopMouseTrackingIfIdle();
    ringsChangedOutsideKeyHandler();
}

// ---- Release to commit, Return ------------------------------------------------------------

void AppDelegate::handleModifiersChanged(std::uint64_t flags)
{
    if (!holdMode())
        return;
    flags &= Modifier::Mask;
    if (isSwitcherVisible()) {
        const std::uint64_t hold = (m_switcherSessionHold ? *m_switcherSessionHold : settings.switcherHoldModifiers())
            & Modifier::Mask;
        if (hold != 0 && (hold & ~flags) != 0)
            selectAndActivateCurrentApp();
    }
    if (isLauncherRingVisible()) {
        const std::uint64_t hold = settings.holdModifiers(m_shortcutRingHoldRole) & Modifier::Mask;
        if (hold != 0 && (hold & ~flags) != 0)
            selectAndExecuteCurrentShortcut();
    }
}

void AppDelegate::checkHeldModifiersSoon()
{
    const quint64 showing = ++m_ringShowings;
    if (!holdMode() || m_keyHandlerDepth == 0)
        return;
    std::weak_ptr<bool> alive = m_alive;
    // Queued after the reveal, so a commit finds the ring revealed.
    Scheduler::shared().post([this, alive, showing] {
        if (!alive.lock() || showing != m_ringShowings || !m_keyTap)
            return;
        if (!isSwitcherShowingLive() && !(m_shortcutRingViewModel && isLauncherShowingLive(m_shortcutRingHoldRole)))
            return;
        if (const auto held = m_keyTap->currentModifiers())
            handleModifiersChanged(*held);
        updateKeyGrabs();
    });
}

void AppDelegate::commitVisibleRing()
{
    if (isSwitcherVisible())
        selectAndActivateCurrentApp();
    if (isLauncherRingVisible())
        selectAndExecuteCurrentShortcut();
}

// ---- The pointer feed ------------------------------------------------------------------------

void AppDelegate::startMouseTracking()
{
    if (m_mouseMonitor || m_localMonitor)
        return;
    std::weak_ptr<bool> alive = m_alive;
    m_mouseMonitor = PointerMonitor::shared().addGlobalMonitor([this, alive](const PointerEvent& e) {
        if (!alive.lock())
            return;
        if (e.type == PointerEvent::Type::ScrollWheel)
            forwardScroll(e.scrollingDeltaY, e.hasPreciseScrollingDeltas);
        else
            forwardMousePosition();
    });
    m_localMonitor = std::make_unique<RingLocalPointerMonitor>(
        [this](const QObject* window) {
            return (m_shortcutRingWindow && window == m_shortcutRingWindow.get())
                || (m_circularSwitcher && window == m_circularSwitcher->panel());
        },
        [this, alive](const PointerEvent& e) {
            if (!alive.lock())
                return;
            if (e.type != PointerEvent::Type::ScrollWheel) {
                forwardMousePosition();
                return;
            }
            // The global monitor already counts scrolls over our own windows.
            if (!m_mouseMonitor || !PointerMonitor::shared().seesOwnWindows())
                forwardScroll(e.scrollingDeltaY, e.hasPreciseScrollingDeltas);
        });
}

void AppDelegate::stopMouseTracking()
{
    m_mouseMonitor.reset();
    m_localMonitor.reset();
}

void AppDelegate::stopMouseTrackingIfIdle()
{
    if (isSwitcherVisible())
        return;
    if (!m_shortcutRingWindow || !isLauncherRingVisible())
        stopMouseTracking();
}

void AppDelegate::forwardMousePosition()
{
    const bool switcher = isSwitcherVisible();
    const bool ring = isLauncherRingVisible() && m_shortcutRingViewModel;
    if (!switcher && !ring)
        return;
    const QPointF p = Screens::shared().pointer();
    if (switcher)
        m_circularSwitcher->viewModel()->updatePointer(p);
    if (ring)
        m_shortcutRingViewModel->updatePointer(p);
}

void AppDelegate::forwardScroll(double deltaY, bool precise)
{
    AppShortcutRingViewModel* model = m_shortcutRingViewModel;
    if (!isLauncherRingVisible() || !model || model->pageCount() < 2)
        return;
    m_scrollAccumulator += deltaY;
    const double threshold = precise ? preciseScrollThreshold : wheelScrollThreshold;
    if (std::abs(m_scrollAccumulator) >= threshold) {
        model->turnPage(m_scrollAccumulator > 0 ? -1 : 1);
        m_scrollAccumulator = 0;
    }
}

// ---- Teardown -----------------------------------------------------------------------------------

void AppDelegate::tearDownRings()
{
    m_localMonitor.reset();
    m_mouseMonitor.reset();
    if (m_circularSwitcher) {
        m_circularSwitcher->onHidden = nullptr;
        m_circularSwitcher->onCommitRequest = nullptr;
        disconnect(m_circularSwitcher.get(), nullptr, this, nullptr);
    }
    if (m_shortcutRingViewModel)
        m_shortcutRingViewModel->onHide = nullptr;
    m_shortcutRingWindow.reset();
    delete m_shortcutRingViewModel.data();
    m_circularSwitcher.reset();
}
