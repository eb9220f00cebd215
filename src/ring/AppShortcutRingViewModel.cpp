#include "ring/AppShortcutRingViewModel.h"

#include "core/AppSettings.h"
#include "platform/Platform.h"
#include "platform/Screens.h"
#include "ringkit/WindowArcGeometry.h"
#include "vault/PasswordVault.h"

#include <algorithm>
#include <cmath>

AppShortcutRingViewModel::AppShortcutRingViewModel(const Platform& platform, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_pointer(new RingPointer(this))
{
}

// --- setters: publish only real changes ----------------------------------

void AppShortcutRingViewModel::setSelectedIndex(int index)
{
    if (m_selectedIndex == index)
        return;
    m_selectedIndex = index;
    Q_EMIT selectedIndexChanged();
}

void AppShortcutRingViewModel::setRingCenter(QPointF centre)
{
    if (m_ringCenter == centre)
        return;
    m_ringCenter = centre;
    Q_EMIT ringCenterChanged();
}

void AppShortcutRingViewModel::setIsVisible(bool visible)
{
    if (m_isVisible == visible)
        return;
    m_isVisible = visible;
    Q_EMIT isVisibleChanged();
}

void AppShortcutRingViewModel::setPointerSelectionEnabled(bool enabled)
{
    if (m_pointerSelectionEnabled == enabled)
        return;
    m_pointerSelectionEnabled = enabled;
    Q_EMIT pointerSelectionEnabledChanged();
}

void AppShortcutRingViewModel::setSelectedArcIndex(std::optional<int> index)
{
    if (m_selectedArcIndex == index)
        return;
    m_selectedArcIndex = index;
    Q_EMIT selectedArcIndexChanged();
}

void AppShortcutRingViewModel::setShortcuts(const QList<AppShortcut>& items)
{
    m_shortcuts = items;
    Q_EMIT shortcutsChanged();
}

void AppShortcutRingViewModel::setPageIndex(int index)
{
    if (m_pageIndex == index)
        return;
    m_pageIndex = index;
    Q_EMIT pageIndexChanged();
}

void AppShortcutRingViewModel::setPageCount(int count)
{
    if (m_pageCount == count)
        return;
    m_pageCount = count;
    Q_EMIT pageCountChanged();
}

void AppShortcutRingViewModel::setArcVariants(const QList<PasswordVariant>& variants)
{
    m_arcVariants = variants;
    Q_EMIT arcVariantsChanged();
}

void AppShortcutRingViewModel::setAppearSession(const QUuid& session)
{
    m_appearSession = session;
    Q_EMIT appearSessionChanged();
}

QPointF AppShortcutRingViewModel::mousePosition() const { return m_pointer->location(); }

void AppShortcutRingViewModel::setMousePosition(QPointF p) { m_pointer->setLocation(p); }

// --- loading and paging ----------------------------------------------------

bool AppShortcutRingViewModel::passesFilter(const AppShortcut& item, const QString& bundleIdentifier)
{
    if (item.bundleIdentifier != bundleIdentifier)
        return false;
    // An empty snippet or link that is present still counts: only absence drops it.
    return item.kind == RingItemKind::password || !item.shortcut.isEmpty() || item.textSnippet.has_value()
        || item.url.has_value();
}

QList<AppShortcut> AppShortcutRingViewModel::page(int page, const QList<AppShortcut>& items)
{
    const qsizetype n = items.size();
    const qsizetype start = qsizetype(page) * pageSize;
    if (page < 0 || start >= n)
        return {};
    return items.mid(start, std::min<qsizetype>(start + pageSize, n) - start);
}

void AppShortcutRingViewModel::loadShortcuts(const RunningApp& app, const QList<AppShortcut>& allShortcuts)
{
    m_currentApp = app;
    Q_EMIT currentAppChanged();

    QList<AppShortcut> kept;
    for (const auto& item : allShortcuts) {
        if (passesFilter(item, app.bundleIdentifier))
            kept.append(item);
    }
    m_allPagedItems = kept;
    setShortcuts(kept);
    setPageCount(std::max(1, int(std::ceil(double(kept.size()) / double(pageSize)))));
    setPageIndex(0);
    if (m_pageCount > 1)
        setShortcuts(page(0, m_allPagedItems));
    setSelectedIndex(0);

    // Arc cards for every vault account of the showing, on any page, so that
    // an account on a later page fans out its passwords as well. The stored
    // accounts are read once.
    m_variantsByEntry.clear();
    bool anyPassword = false;
    for (const auto& item : m_allPagedItems)
        anyPassword = anyPassword || item.kind == RingItemKind::password;
    if (anyPassword) {
        const QList<PasswordEntry> stored = PasswordVault(m_platform).entries();
        for (const auto& item : m_allPagedItems) {
            if (item.kind == RingItemKind::password)
                m_variantsByEntry.insert(item.id, PasswordVault::arcVariants(item.id, stored));
        }
    }

    refreshArcForSelection();
    snapHidden();
}

void AppShortcutRingViewModel::turnPage(int delta)
{
    const int c = m_pageCount;
    if (c < 2)
        return;
    // Wraps for any step: back from the first page shows the last.
    setPageIndex(int(((qint64(m_pageIndex) + delta) % c + c) % c));
    setShortcuts(page(m_pageIndex, m_allPagedItems));
    setSelectedIndex(0);
    refreshArcForSelection();
}

// --- the outer arc -----------------------------------------------------------

void AppShortcutRingViewModel::refreshArcForSelection()
{
    const bool inRange = m_selectedIndex >= 0 && m_selectedIndex < m_shortcuts.size();
    if (inRange && m_shortcuts.at(m_selectedIndex).kind == RingItemKind::password) {
        const QList<PasswordVariant> variants = m_variantsByEntry.value(m_shortcuts.at(m_selectedIndex).id);
        const bool sameCards = std::equal(variants.begin(), variants.end(), m_arcVariants.begin(), m_arcVariants.end(),
            [](const PasswordVariant& a, const PasswordVariant& b) { return a.id == b.id; });
        if (sameCards)
            return; // the same cards stay, and so does the card selection
        setArcVariants(variants);
    } else if (!m_arcVariants.isEmpty()) {
        setArcVariants({});
    }
    setSelectedArcIndex(std::nullopt);
}

// --- showing and hiding ----------------------------------------------------

void AppShortcutRingViewModel::snapHidden()
{
    m_animationsDisabled = true;
    setIsVisible(false);
    setAppearSession(QUuid::createUuid());
    setPointerSelectionEnabled(false);
    setSelectedArcIndex(std::nullopt);
    m_animationsDisabled = false;
}

void AppShortcutRingViewModel::beginExit()
{
    setPointerSelectionEnabled(false);
    setIsVisible(false);
}

void AppShortcutRingViewModel::reveal()
{
    const QPointF p = m_platform.screens().pointer();
    m_openPointer = p;
    setMousePosition(p);
    setPointerSelectionEnabled(false);
    setIsVisible(true);
}

void AppShortcutRingViewModel::hide() { Q_EMIT hideRequested(); }

void AppShortcutRingViewModel::choose() { Q_EMIT chooseRequested(); }

// --- pointer selection -----------------------------------------------------

void AppShortcutRingViewModel::updatePointer(QPointF p)
{
    if (!m_isVisible)
        return;
    if (mousePosition() != p)
        setMousePosition(p); // the centre icon follows even before arming
    if (!m_pointerSelectionEnabled) {
        if (std::hypot(p.x() - m_openPointer.x(), p.y() - m_openPointer.y()) < pointerArmDistance)
            return;
        setPointerSelectionEnabled(true);
    }
    updateSelectionFromMousePosition(m_ringCenter);
}

void AppShortcutRingViewModel::updateSelectionFromMousePosition(QPointF center)
{
    if (!m_pointerSelectionEnabled || m_shortcuts.isEmpty())
        return;
    const QPointF p = mousePosition();
    const double dx = p.x() - center.x();
    const double dyUp = p.y() - center.y();
    const double r = std::hypot(dx, dyUp);
    const double scale = AppSettings::shared().ringScale();
    if (!(r > RingAngles::deadZoneRadius * scale))
        return; // dead zone (or a position that is not a number): keep the selection

    const double theta = RingAngles::pointerArcAngle(dx, dyUp);
    const int n = int(m_shortcuts.size());
    const double segment = RingAngles::twoPi / double(n);

    if (!m_arcVariants.isEmpty() && r >= RingAngles::cardArcRadius * scale) {
        const WindowArcGeometry arc(int(m_arcVariants.size()));
        const auto k = arc.index(theta, segment * (double(m_selectedIndex) + 0.5));
        if (k) {
            setSelectedArcIndex(*k);
            return; // on a card the wedge stays
        }
    }
    setSelectedArcIndex(std::nullopt);

    const int i = std::max(0, std::min(int(std::trunc(theta / segment)), n - 1));
    if (i != m_selectedIndex) {
        setSelectedIndex(i);
        refreshArcForSelection();
    }
}
