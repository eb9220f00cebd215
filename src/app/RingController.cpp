#include "app/RingController.h"

#include "app/RingLocalPointerMonitor.h"
#include "app/RingSources.h"
#include "app/ShortcutRunner.h"
#include "core/AppSettings.h"
#include "core/AppShortcut.h"
#include "core/ShortcutStorage.h"
#include "input/HotkeyDispatcher.h"
#include "input/KeyTapSuspension.h"
#include "platform/FreedMemory.h"
#include "platform/FocusedText.h"
#include "platform/LatencyTrace.h"
#include "platform/Log.h"
#include "platform/Platform.h"
#include "platform/PointerMonitor.h"
#include "platform/Scheduler.h"
#include "platform/Screens.h"
#include "platform/SyntheticKeys.h"
#include "platform/Workspace.h"
#include "ring/AppShortcutRingViewModel.h"
#include "ring/CapturedTabStore.h"
#include "ring/ShortcutRingWindow.h"
#include "ringkit/RingPanel.h"
#include "ringkit/RunningApp.h"
#include "switcher/CircularSwitcherViewModel.h"
#include "switcher/CircularSwitcherWindow.h"
#include "switcher/LauncherApps.h"
#include "vault/PasswordDelivery.h"
#include "vault/PasswordVault.h"

#include <QApplication>
#include <QGuiApplication>
#include <cmath>

namespace {
AppSettings& settings() { return AppSettings::shared(); }

bool holdMode() { return settings().activationMode() == ActivationMode::holdModifier; }

QImage ownIcon() { return RunningApp::thumbnail(QApplication::windowIcon(), 64); }
}

RingController::RingController(const Platform& platform, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
{
}

RingController::~RingController()
{
    m_localMonitor.reset();
    m_mouseMonitor.reset();
    if (m_switcher)
        disconnect(m_switcher.get(), nullptr, this, nullptr);
    if (m_shortcutRing)
        disconnect(m_shortcutRing.get(), nullptr, this, nullptr);
}

void RingController::setKeyboard(HotkeyDispatcher* keyboard) { m_keyboard = keyboard; }

AppShortcutRingViewModel* RingController::shortcutRingViewModel() const
{
    return m_shortcutRing ? m_shortcutRing->viewModel() : nullptr;
}

// ---- Visibility -------------------------------------------------------------------------

bool RingController::isSwitcherVisible() const { return m_switcher && m_switcher->isSwitcherVisible(); }

bool RingController::isShortcutRingVisible() const { return m_shortcutRing && m_shortcutRing->isVisible(); }

bool RingController::takesRingKeys() const
{
    return isSwitcherLive()
        || (shortcutRingViewModel() && isShortcutRingVisible() && !m_shortcutRing->isExiting()
            && !m_shortcutRingHasCommitted);
}

bool RingController::isSwitcherLive() const
{
    return m_switcher && m_switcher->acceptsCommit() && !m_switcherHasCommitted;
}

bool RingController::isShortcutRingLive(std::optional<HotkeyRole> role) const
{
    return shortcutRingViewModel() && isShortcutRingVisible() && !m_shortcutRing->isExiting()
        && !m_shortcutRingHasCommitted && (!role || m_shortcutRingRole == *role);
}

// ---- Hotkeys ------------------------------------------------------------------------------

void RingController::triggerSwitcher()
{
    if (isSwitcherLive() && !m_switcherSessionGroup)
        stepOrCommitSwitcher();
    else
        showCircularSwitcher();
}

void RingController::triggerLauncher()
{
    // Over the shared ring panel it steers whichever ring the panel shows.
    if (isShortcutRingLive())
        stepOrCommitShortcutRing();
    else
        showShortcutRing();
}

void RingController::stepOrCommitSwitcher()
{
    if (holdMode())
        m_switcher->viewModel()->selectNext();
    else
        selectAndActivateCurrentApp();
}

void RingController::stepOrCommitShortcutRing()
{
    if (holdMode())
        moveShortcutSelection(1);
    else
        selectAndExecuteCurrentShortcut();
}

void RingController::commitVisibleRing()
{
    if (isSwitcherVisible())
        selectAndActivateCurrentApp();
    if (isShortcutRingVisible())
        selectAndExecuteCurrentShortcut();
}

void RingController::stepVisibleRing(int delta)
{
    if (isSwitcherVisible()) {
        if (delta > 0)
            m_switcher->viewModel()->selectNext();
        else
            m_switcher->viewModel()->selectPrevious();
    } else {
        moveShortcutSelection(delta);
    }
}

void RingController::cancelVisibleRings()
{
    hideSwitcher(true);
    hideShortcutRing(true);
}

// ---- The switcher ---------------------------------------------------------------------------

void RingController::makeSwitcher()
{
    if (m_switcher)
        return;
    m_switcher = std::make_unique<CircularSwitcherWindow>(m_platform);
    connect(m_switcher.get(), &CircularSwitcherWindow::hidden, this, [this] {
        stopMouseTrackingIfIdle();
        releaseMemoryWhenIdle();
        Q_EMIT ringsChanged();
    });
    connect(m_switcher.get(), &CircularSwitcherWindow::commitRequested, this, &RingController::switcherClickCommit);
    connect(m_switcher.get(), &CircularSwitcherWindow::hidingStarted, this, [this] { m_switcherHasCommitted = true; });
}

void RingController::prepareRings()
{
    if (isSwitcherVisible() || isShortcutRingVisible())
        return;
    makeSwitcher();
    m_switcher->prepare();
    m_platform.pointerMonitor().prepare();
    makeShortcutRing();
    // The application in front now, with its shortcuts (or stand-ins).
    const auto front = RingSources::frontmostApplication(m_platform.workspace());
    const QString bundle = front ? front->bundleIdentifier : QStringLiteral("kelvaro.prepare");
    QList<AppShortcut> items;
    if (front)
        items = ShortcutStorage::shared().getShortcuts(bundle);
    if (items.isEmpty()) {
        for (int i = 0; i < 8; ++i)
            items << AppShortcut(
                QStringLiteral("%1").arg(i + 1), QStringLiteral("star"), QStringLiteral("⌘%1").arg(i), bundle);
    }
    const RunningApp centre { front ? front->localizedName : QString(),
        front ? RunningApp::thumbnail(front->icon, 64) : QImage(), bundle, true };
    m_shortcutRing->prepare(centre, items);
    // Preparing drew every pose once; what it drew with is freed.
    releaseMemoryWhenIdle();
}

void RingController::releaseMemoryWhenIdle()
{
    const quint64 generation = ++m_memoryReleaseGeneration;
    // A ring shown meanwhile is either still up or has hidden and asked again.
    Scheduler::shared().postAfterWhileAlive(idleMemoryDelay, this, [this, generation] {
        if (generation != m_memoryReleaseGeneration || isSwitcherVisible() || isShortcutRingVisible())
            return;
        if (m_switcher)
            m_switcher->releaseMotionBuffers();
        FreedMemory::release();
    });
}

void RingController::makeShortcutRing()
{
    if (m_shortcutRing)
        return;
    m_shortcutRing = std::make_unique<ShortcutRingWindow>(m_platform);
    connect(
        m_shortcutRing.get(), &ShortcutRingWindow::hidingStarted, this, [this] { m_shortcutRingHasCommitted = true; });
    connect(m_shortcutRing.get(), &ShortcutRingWindow::commitRequested, this,
        &RingController::selectAndExecuteCurrentShortcut);
    connect(m_shortcutRing.get(), &ShortcutRingWindow::hidden, this, [this] {
        stopMouseTrackingIfIdle();
        releaseMemoryWhenIdle();
        Q_EMIT ringsChanged();
    });
}

void RingController::showCircularSwitcher()
{
    if (m_shortcutRing)
        m_shortcutRing->hide(false);
    makeSwitcher();
    m_switcherSessionHold.reset();
    m_switcherSessionGroup.reset();
    m_switcher->showSwitcher(std::nullopt);
    // After showing: the panel reports the hide of the previous showing.
    m_switcherHasCommitted = false;
    startMouseTracking();
    LatencyTrace::mark("pointer feed started");
    Q_EMIT ringsChanged();
    LatencyTrace::mark("key grabs updated");
    checkHeldModifiersSoon();
}

void RingController::showLauncherGroup(const LauncherGroup& group)
{
    if (isSwitcherLive() && m_switcherSessionGroup == group.id) {
        stepOrCommitSwitcher();
        return;
    }
    const QList<RunningApp> apps = LauncherApps::resolved(m_platform, group.bundleIdentifiers);
    if (apps.isEmpty()) {
        Log::write(QStringLiteral("Kelvaro: launcher group '") + group.name
            + QStringLiteral("' has no apps that still exist."));
        return;
    }
    if (m_shortcutRing)
        m_shortcutRing->hide(false);
    makeSwitcher();

    std::uint64_t hold = 0;
    if (group.hotkey) {
        const std::uint64_t keyModifiers = group.hotkey->rawModifiers & Modifier::Mask;
        hold = keyModifiers & group.holdModifiersRaw;
        if (hold == 0 && keyModifiers != 0)
            hold = keyModifiers;
    }
    m_switcherSessionHold = hold;
    m_switcherSessionGroup = group.id;
    m_switcher->showSwitcher(apps);
    m_switcherHasCommitted = false;
    startMouseTracking();
    Q_EMIT ringsChanged();
    checkHeldModifiersSoon();
}

void RingController::hideSwitcher(bool animated)
{
    if (!m_switcher)
        return;
    m_switcherHasCommitted = true;
    m_switcher->hideSwitcher(animated);
    Q_EMIT ringsChanged();
}

void RingController::switcherClickCommit(int index, std::optional<int> windowIndex)
{
    if (!isSwitcherLive())
        return;
    CircularSwitcherViewModel* model = m_switcher->viewModel();
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

void RingController::selectAndActivateCurrentApp()
{
    if (!m_switcher || m_switcherHasCommitted || !m_switcher->acceptsCommit())
        return;
    m_switcherHasCommitted = true;
    CircularSwitcherViewModel* model = m_switcher->viewModel();
    const int index = model->selectedIndex();
    if (index >= 0 && index < model->runningApps().size())
        model->activateSelected();
    else
        m_switcher->hideSwitcher(true);
    Q_EMIT ringsChanged();
}

// ---- The shortcut-like rings ------------------------------------------------------------------

void RingController::showShortcutRing()
{
    const auto front = RingSources::frontmostApplication(m_platform.workspace());
    if (!front)
        return;
    QList<AppShortcut> items;
    for (const AppShortcut& item : ShortcutStorage::shared().getShortcuts(front->bundleIdentifier)) {
        if (!item.shortcut.isEmpty() || item.textSnippet || item.url)
            items << item;
    }
    if (items.isEmpty()) {
        RingSources::beep(m_platform.workspace());
        Log::write(QStringLiteral("Kelvaro: no shortcuts saved for ") + front->localizedName
            + QStringLiteral(" — add some in Settings under Apps."));
        return;
    }
    const RunningApp centre { front->localizedName, RunningApp::thumbnail(front->icon, 64), front->bundleIdentifier,
        true };
    showShortcutLikeRing(centre, items, HotkeyRole::launcher);
}

void RingController::showCapturedTabsRing()
{
    if (isShortcutRingLive(HotkeyRole::capturedTabs)) {
        stepOrCommitShortcutRing();
        return;
    }
    const QList<AppShortcut> items = CapturedTabStore(m_platform).ringItems();
    if (items.isEmpty()) {
        RingSources::beep(m_platform.workspace());
        return;
    }
    const RunningApp centre { QCoreApplication::translate("Kelvaro", "Saved Tabs"), ownIcon(), AppShortcut::tabsMarker,
        true };
    showShortcutLikeRing(centre, items, HotkeyRole::capturedTabs);
}

void RingController::showPasswordRing()
{
    if (isShortcutRingLive(HotkeyRole::passwords)) {
        stepOrCommitShortcutRing();
        return;
    }
    const QList<AppShortcut> items = PasswordVault(m_platform).ringItems();
    if (items.isEmpty()) {
        RingSources::beep(m_platform.workspace());
        return;
    }
    const RunningApp centre { QCoreApplication::translate("Kelvaro", "Passwords"), ownIcon(),
        AppShortcut::passwordMarker, true };
    showShortcutLikeRing(centre, items, HotkeyRole::passwords);
}

void RingController::showShortcutLikeRing(const RunningApp& centre, const QList<AppShortcut>& items, HotkeyRole role)
{
    LatencyTrace::mark("ring items listed");
    if (m_switcher)
        hideSwitcher(false);
    makeShortcutRing();
    m_shortcutRingRole = role;
    m_scrollAccumulator = 0;
    m_shortcutRing->show(centre, items);
    startMouseTracking();
    m_shortcutRingHasCommitted = false;
    Q_EMIT ringsChanged();
    checkHeldModifiersSoon();
}

void RingController::moveShortcutSelection(int delta)
{
    AppShortcutRingViewModel* model = shortcutRingViewModel();
    if (!model || model->shortcuts().isEmpty())
        return;
    const int n = int(model->shortcuts().size());
    model->setSelectedIndex(((model->selectedIndex() + delta) % n + n) % n);
}

void RingController::selectAndExecuteCurrentShortcut()
{
    AppShortcutRingViewModel* model = shortcutRingViewModel();
    if (!model || m_shortcutRingHasCommitted || m_shortcutRing->isExiting())
        return;
    m_shortcutRingHasCommitted = true;
    const int index = model->selectedIndex();
    if (index < 0 || index >= model->shortcuts().size()) {
        hideShortcutRing(true);
        return;
    }
    const AppShortcut item = model->shortcuts()[index];
    // The card chosen on the outer arc, taken now: the showing's model may be
    // gone by the time the item runs.
    std::optional<QUuid> card;
    const auto arcIndex = model->selectedArcIndex();
    const auto& variants = model->arcVariants();
    if (arcIndex && *arcIndex >= 0 && *arcIndex < variants.size())
        card = variants.at(*arcIndex).id;
    // A password takes a moment to arrive: Return typed meanwhile (the
    // person submitting the form) waits for it. Held from the commit on, so
    // not even a key typed during the fade-out overtakes it.
    std::function<void()> finished;
    if (item.kind == RingItemKind::password && m_keyboard)
        finished = holdSubmitKeysUntilDone();
    hideShortcutRing(true);
    Scheduler::shared().postAfterWhileAlive(executeDelay, this, [this, item, card, finished] {
        if (item.kind == RingItemKind::password)
            choosePassword(item, card, finished);
        else
            ShortcutRunner::executeShortcut(m_platform, item);
    });
}

std::function<void()> RingController::holdSubmitKeysUntilDone()
{
    auto end = std::make_shared<std::function<std::vector<HotkeyDispatcher::HeldKey>()>>(m_keyboard->holdSubmitKeys());
    const Platform* platform = &m_platform;
    auto finish = [end, platform] {
        const auto keys = (*end)();
        if (keys.empty())
            return;
        // Typed again only where they would have gone: not into a window of
        // our own (a presence check that came up meanwhile would take Return
        // as its answer).
        if (QGuiApplication::focusWindow()) {
            Log::write(QStringLiteral("Kelvaro: %1 Return key(s) typed while the password was on its way were "
                                      "dropped: a Kelvaro window has the focus now")
                           .arg(keys.size()));
            return;
        }
        for (const auto& key : keys)
            platform->syntheticKeys().postKeyPress(key.keyCode, key.modifiers);
    };
    // Should the choice never report its end, the keys are not kept for ever.
    Scheduler::shared().postAfterWhileAlive(submitHoldLimit, this, finish);
    return finish;
}

void RingController::choosePassword(const AppShortcut& item, std::optional<QUuid> card, std::function<void()> finished)
{
    if (m_passwordDelivery) {
        m_passwordDelivery->choose(item.id, card, std::move(finished));
        return;
    }
    PasswordDelivery(PasswordVault(m_platform), m_platform.focusedText(), m_platform.syntheticKeys(),
        m_platform.scheduler(), m_platform.workspace(), &KeyTapSuspension::begin)
        .choose(item.id, card, std::move(finished));
}

void RingController::setPasswordDelivery(std::shared_ptr<PasswordDelivery> delivery)
{
    m_passwordDelivery = std::move(delivery);
}

void RingController::hideShortcutRing(bool animated)
{
    // Whatever hides the ring ends its showing.
    m_shortcutRingHasCommitted = true;
    if (!m_shortcutRing)
        return;
    m_shortcutRing->hide(animated);
    Q_EMIT ringsChanged();
}

// ---- Release to commit ---------------------------------------------------------------------------

void RingController::handleModifiersChanged(std::uint64_t flags)
{
    if (!holdMode())
        return;
    flags &= Modifier::Mask;
    if (isSwitcherVisible()) {
        const std::uint64_t hold
            = (m_switcherSessionHold ? *m_switcherSessionHold : settings().switcherHoldModifiers()) & Modifier::Mask;
        if (hold != 0 && (hold & ~flags) != 0)
            selectAndActivateCurrentApp();
    }
    if (isShortcutRingVisible()) {
        const std::uint64_t hold = settings().holdModifiers(m_shortcutRingRole) & Modifier::Mask;
        if (hold != 0 && (hold & ~flags) != 0)
            selectAndExecuteCurrentShortcut();
    }
}

void RingController::checkHeldModifiersSoon()
{
    const quint64 showing = ++m_ringShowings;
    if (!holdMode() || !m_keyboard || !m_keyboard->isHandlingKey())
        return;
    // Queued after the reveal, so a commit finds the ring revealed.
    Scheduler::shared().postWhileAlive(this, [this, showing] {
        if (showing != m_ringShowings || !m_keyboard)
            return;
        if (!isSwitcherLive() && !isShortcutRingLive(m_shortcutRingRole))
            return;
        if (const auto held = m_keyboard->currentModifiers())
            handleModifiersChanged(*held);
        Q_EMIT ringsChanged();
    });
}

// ---- The pointer feed -------------------------------------------------------------------------------

void RingController::startMouseTracking()
{
    if (m_mouseMonitor || m_localMonitor)
        return;
    // Both monitors are owned here, so their handlers never outlive this object.
    m_mouseMonitor = m_platform.pointerMonitor().addGlobalMonitor([this](const PointerEvent& e) {
        if (e.type == PointerEvent::Type::ScrollWheel)
            forwardScroll(e.scrollingDeltaY, e.hasPreciseScrollingDeltas);
        else
            forwardMousePosition();
    });
    m_localMonitor = std::make_unique<RingLocalPointerMonitor>(
        [this](const QObject* window) {
            return (m_shortcutRing && window == m_shortcutRing->panel())
                || (m_switcher && window == m_switcher->panel());
        },
        [this](const PointerEvent& e) {
            if (e.type != PointerEvent::Type::ScrollWheel) {
                forwardMousePosition();
                return;
            }
            // The global monitor already counts scrolls over our own windows.
            if (!m_mouseMonitor || !m_platform.pointerMonitor().seesOwnWindows())
                forwardScroll(e.scrollingDeltaY, e.hasPreciseScrollingDeltas);
        });
}

void RingController::stopMouseTracking()
{
    m_mouseMonitor.reset();
    m_localMonitor.reset();
}

void RingController::stopMouseTrackingIfIdle()
{
    if (!isSwitcherVisible() && !isShortcutRingVisible())
        stopMouseTracking();
}

void RingController::forwardMousePosition()
{
    const bool switcher = isSwitcherVisible();
    AppShortcutRingViewModel* ring = isShortcutRingVisible() ? shortcutRingViewModel() : nullptr;
    if (!switcher && !ring)
        return;
    const QPointF p = m_platform.screens().pointer();
    if (switcher)
        m_switcher->viewModel()->updatePointer(p);
    if (ring)
        ring->updatePointer(p);
}

void RingController::forwardScroll(double deltaY, bool precise)
{
    AppShortcutRingViewModel* model = shortcutRingViewModel();
    if (!isShortcutRingVisible() || !model || model->pageCount() < 2)
        return;
    m_scrollAccumulator += deltaY;
    const double threshold = precise ? preciseScrollThreshold : wheelScrollThreshold;
    if (std::abs(m_scrollAccumulator) >= threshold) {
        model->turnPage(m_scrollAccumulator > 0 ? -1 : 1);
        m_scrollAccumulator = 0;
    }
}
