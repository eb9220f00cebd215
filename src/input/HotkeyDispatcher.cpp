#include "input/HotkeyDispatcher.h"

#include "core/AppSettings.h"
#include "core/HotkeyRecordingSession.h"
#include "input/HotkeyEventTap.h"
#include "input/KeyTapSuspension.h"
#include "input/RingCommands.h"
#include "platform/KeyCodes.h"
#include "platform/LatencyTrace.h"
#include "platform/Log.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScopeGuard>
#include <algorithm>
#include <utility>

namespace {
constexpr double permissionPollInterval = 2.0;
constexpr std::uint16_t navigationKeys[] = { KeyCodes::Return, KeyCodes::KeypadEnter, KeyCodes::LeftArrow,
    KeyCodes::RightArrow, KeyCodes::DownArrow, KeyCodes::UpArrow, KeyCodes::Escape };

bool isSubmitKey(std::uint16_t keyCode) { return keyCode == KeyCodes::Return || keyCode == KeyCodes::KeypadEnter; }

AppSettings& settings() { return AppSettings::shared(); }

QPointer<HotkeyDispatcher>& current()
{
    static QPointer<HotkeyDispatcher> dispatcher;
    return dispatcher;
}
}

std::optional<bool> HotkeyDispatcher::isTapRunning()
{
    if (!current())
        return std::nullopt;
    return current()->m_keyTap != nullptr;
}

HotkeyDispatcher::HotkeyDispatcher(KeyTap& keyTap, RingCommands& rings, QObject* parent)
    : QObject(parent)
    , m_keyTapPort(keyTap)
    , m_rings(rings)
{
    KeyTapSuspension::setProvider([this] { return beginSuspension(); });
    current() = this;
    // The grab set follows the hotkeys and the groups.
    settings().onChange(
        this, AppSettings::roleHotkeyKeys() << AppSettings::Key::launcherGroups, [this] { updateKeyGrabs(); });
}

HotkeyDispatcher::~HotkeyDispatcher()
{
    KeyTapSuspension::setProvider({});
    if (m_permissionRetryTimer)
        Scheduler::shared().cancel(m_permissionRetryTimer);
    stop();
}

// ---- The tap ---------------------------------------------------------------------------

void HotkeyDispatcher::start()
{
    stop();
    auto& tap = m_keyTapPort;
    if (!tap.isTrusted()) {
        watchPermission();
        return;
    }
    // The tap and the monitor are owned here and stopped before this object
    // goes, so their handlers never outlive it.
    auto candidate = std::make_unique<HotkeyEventTap>(
        m_keyTapPort, [this](const KeyTapEvent& e) { return handleTapped(e); },
        [this](const KeyTapEvent& e) { handleMonitored(e); });
    candidate->setGrabs(currentKeyGrabs());
    if (candidate->start()) {
        m_keyTap = std::move(candidate);
        if (m_suspensionDepth > 0 && m_holdDepth == 0)
            m_keyTap->setEnabled(false);
        return;
    }
    Log::write(
        QStringLiteral("Kelvaro: the key tap could not be created; hotkeys work but also reach the focused window"));
    m_globalMonitor = tap.addGlobalMonitor([this](const KeyTapEvent& e) { handleMonitored(e); });
}

void HotkeyDispatcher::stop()
{
    m_keyTap.reset();
    m_globalMonitor.reset();
}

void HotkeyDispatcher::watchPermission()
{
    if (m_keyTapPort.isTrusted() || m_permissionRetryTimer)
        return;
    m_permissionRetryTimer = Scheduler::shared().repeatingWhileAlive(permissionPollInterval, this, [this] {
        if (!m_keyTapPort.isTrusted())
            return;
        Scheduler::shared().cancel(m_permissionRetryTimer);
        m_permissionRetryTimer = 0;
        start();
    });
}

// ---- Dispatch ---------------------------------------------------------------------------

bool HotkeyDispatcher::isRingVisible() const { return m_rings.isSwitcherVisible() || m_rings.isShortcutRingVisible(); }

bool HotkeyDispatcher::matchesAnyBinding(std::uint16_t keyCode, std::uint64_t modifiers) const
{
    for (const auto& h : { settings().switcherHotkey(), settings().launcherHotkey(), settings().capturedTabsHotkey(),
             settings().passwordHotkey() }) {
        if (h && h->matches(keyCode, modifiers))
            return true;
    }
    const auto groups = settings().activeLauncherGroups();
    return std::any_of(groups.begin(), groups.end(),
        [&](const LauncherGroup& g) { return g.hotkey && g.hotkey->matches(keyCode, modifiers); });
}

bool HotkeyDispatcher::handleTapped(const KeyTapEvent& event)
{
    const std::uint64_t modifiers = event.flags & Modifier::Mask;
    bool swallow = false;
    if (m_suspensionDepth > 0) {
        // Suspended, the tap is on only for a hold, and takes only its keys.
        if (event.type == KeyTapEvent::Type::KeyDown && m_holdDepth > 0 && isSubmitKey(event.keyCode))
            return event.isAutoRepeat || holdSubmitKey(event.keyCode, modifiers);
        return false;
    }
    if (event.type == KeyTapEvent::Type::FlagsChanged) {
        m_rings.handleModifiersChanged(modifiers);
    } else if (event.type == KeyTapEvent::Type::KeyDown) {
        if (event.isAutoRepeat)
            swallow = (isRingVisible() && matchesAnyBinding(event.keyCode, modifiers))
                || (m_holdDepth > 0 && isSubmitKey(event.keyCode) && !m_rings.takesRingKeys());
        else
            swallow = handleKeyDown(event.keyCode, modifiers);
    }
    LatencyTrace::mark("key down handled");
    // What the rings did may have shown or hidden one.
    updateKeyGrabs();
    return swallow;
}

void HotkeyDispatcher::handleMonitored(const KeyTapEvent& event)
{
    if (event.type == KeyTapEvent::Type::FlagsChanged) {
        m_rings.handleModifiersChanged(event.flags & Modifier::Mask);
    } else if (event.type == KeyTapEvent::Type::KeyDown && !event.isAutoRepeat) {
        // A held key repeats: only its first press acts.
        handleKeyDown(event.keyCode, event.flags & Modifier::Mask);
    }
    updateKeyGrabs();
}

bool HotkeyDispatcher::handleKeyDown(std::uint16_t keyCode, std::uint64_t modifiers)
{
    ++m_keyHandlerDepth;
    const auto leave = qScopeGuard([this] { --m_keyHandlerDepth; });
    modifiers &= Modifier::Mask;
    const bool ringVisible = isRingVisible();
    // A hotkey recorder is listening: its keys are not ours.
    if (HotkeyRecordingSession::activeCount() >= 1 && !ringVisible)
        return false;
    if (m_rings.takesRingKeys() && keyCode == KeyCodes::Escape) {
        m_rings.cancelVisibleRings();
        return true;
    }
    if (const auto h = settings().switcherHotkey(); h && h->matches(keyCode, modifiers)) {
        m_rings.triggerSwitcher();
        return true;
    }
    if (const auto h = settings().launcherHotkey(); h && h->matches(keyCode, modifiers)) {
        m_rings.triggerLauncher();
        return true;
    }
    if (const auto h = settings().capturedTabsHotkey(); h && h->matches(keyCode, modifiers)) {
        m_rings.showCapturedTabsRing();
        return true;
    }
    if (const auto h = settings().passwordHotkey(); h && h->matches(keyCode, modifiers)) {
        m_rings.showPasswordRing();
        return true;
    }
    for (const LauncherGroup& group : settings().activeLauncherGroups()) {
        if (group.hotkey && group.hotkey->matches(keyCode, modifiers)) {
            m_rings.showLauncherGroup(group);
            return true;
        }
    }
    if (m_holdDepth > 0 && isSubmitKey(keyCode) && !m_rings.takesRingKeys())
        return holdSubmitKey(keyCode, modifiers);
    return handleRingNavigation(keyCode);
}

bool HotkeyDispatcher::holdSubmitKey(std::uint16_t keyCode, std::uint64_t modifiers)
{
    // In a window of our own (the presence check asking) the key is the
    // person answering it: it goes there now.
    if (QObject* focus = QGuiApplication::focusWindow() ? QGuiApplication::focusObject() : nullptr) {
        Qt::KeyboardModifiers qtModifiers;
        if (modifiers & Modifier::Shift)
            qtModifiers |= Qt::ShiftModifier;
        if (modifiers & Modifier::Ctrl)
            qtModifiers |= Qt::ControlModifier;
        if (modifiers & Modifier::Alt)
            qtModifiers |= Qt::AltModifier;
        if (modifiers & Modifier::Super)
            qtModifiers |= Qt::MetaModifier;
        const int key = keyCode == KeyCodes::KeypadEnter ? Qt::Key_Enter : Qt::Key_Return;
        if (keyCode == KeyCodes::KeypadEnter)
            qtModifiers |= Qt::KeypadModifier;
        QKeyEvent press(QEvent::KeyPress, key, qtModifiers, QStringLiteral("\r"));
        QCoreApplication::sendEvent(focus, &press);
        QKeyEvent release(QEvent::KeyRelease, key, qtModifiers, QStringLiteral("\r"));
        QCoreApplication::sendEvent(focus, &release);
        return true;
    }
    m_heldKeys.push_back({ keyCode, modifiers });
    return true;
}

bool HotkeyDispatcher::handleRingNavigation(std::uint16_t keyCode)
{
    if (!m_rings.takesRingKeys())
        return false;
    switch (keyCode) {
    case KeyCodes::Return:
    case KeyCodes::KeypadEnter:
        m_rings.commitVisibleRing();
        return true;
    case KeyCodes::RightArrow:
    case KeyCodes::DownArrow:
        m_rings.stepVisibleRing(1);
        return true;
    case KeyCodes::LeftArrow:
    case KeyCodes::UpArrow:
        m_rings.stepVisibleRing(-1);
        return true;
    default:
        return false;
    }
}

// ---- Grabs and suspension ----------------------------------------------------------------

std::vector<KeyGrab> HotkeyDispatcher::currentKeyGrabs() const
{
    std::vector<KeyGrab> grabs;
    auto add = [&](const KeyGrab& g) {
        if (std::find(grabs.begin(), grabs.end(), g) == grabs.end())
            grabs.push_back(g);
    };
    if (m_holdDepth > 0) {
        add(KeyGrab::anyModifiersOf(KeyCodes::Return));
        add(KeyGrab::anyModifiersOf(KeyCodes::KeypadEnter));
    }
    if (m_suspensionDepth > 0)
        return grabs; // on for the hold alone
    for (const auto& h : { settings().switcherHotkey(), settings().launcherHotkey(), settings().capturedTabsHotkey(),
             settings().passwordHotkey() }) {
        if (h)
            add(KeyGrab::of(*h));
    }
    for (const LauncherGroup& g : settings().activeLauncherGroups()) {
        if (g.hotkey)
            add(KeyGrab::of(*g.hotkey));
    }
    if (m_rings.takesRingKeys()) {
        for (std::uint16_t code : navigationKeys)
            add(KeyGrab::anyModifiersOf(code));
    }
    return grabs;
}

void HotkeyDispatcher::updateKeyGrabs()
{
    if (m_keyTap)
        m_keyTap->setGrabs(currentKeyGrabs());
}

std::optional<std::uint64_t> HotkeyDispatcher::currentModifiers()
{
    return m_keyTap ? m_keyTap->currentModifiers() : std::nullopt;
}

void HotkeyDispatcher::setTapEnabled(bool enabled)
{
    if (m_keyTap)
        m_keyTap->setEnabled(enabled);
}

void HotkeyDispatcher::applyTapState()
{
    const bool on = m_suspensionDepth == 0 || m_holdDepth > 0;
    if (!on) {
        setTapEnabled(false);
        return;
    }
    setTapEnabled(true);
    updateKeyGrabs();
    // Grabs dropped by a suspension during a hold must be gone on the server
    // before the suspended work posts keys of its own (over another
    // connection): a reply on the tap's connection waits for that.
    if (m_suspensionDepth > 0)
        (void)currentModifiers();
}

std::function<void()> HotkeyDispatcher::beginSuspension()
{
    ++m_suspensionDepth;
    applyTapState();
    return [self = QPointer<HotkeyDispatcher>(this), done = std::make_shared<bool>(false)] {
        if (*done || !self)
            return;
        *done = true;
        if (--self->m_suspensionDepth == 0)
            self->applyTapState();
    };
}

std::function<std::vector<HotkeyDispatcher::HeldKey>()> HotkeyDispatcher::holdSubmitKeys()
{
    if (++m_holdDepth == 1)
        m_heldKeys.clear();
    applyTapState();
    return [self = QPointer<HotkeyDispatcher>(this), done = std::make_shared<bool>(false)] {
        if (*done || !self)
            return std::vector<HeldKey>();
        *done = true;
        if (--self->m_holdDepth > 0)
            return std::vector<HeldKey>();
        self->applyTapState();
        // The keys are typed again over another connection: the server must
        // have dropped the tap's grab of them first, which a reply on the
        // tap's connection waits for.
        (void)self->currentModifiers();
        return std::exchange(self->m_heldKeys, {});
    };
}
