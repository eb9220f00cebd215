// The settings' hotkeys: the four rings' roles, their warnings, and the
// launcher groups with their own hotkeys.

#include "core/AppSettings.h"

#include <QCoreApplication>

// ---- Roles --------------------------------------------------------------------------

void AppSettings::reconcileHoldModifiers(HotkeyRole role)
{
    const auto h = hotkey(role);
    const std::uint64_t mods = h ? h->rawModifiers : 0;
    const std::uint64_t old = holdModifiers(role);
    setHoldModifiers(old == 0 ? mods : (old & mods), role);
}

HotkeyBinding AppSettings::binding(HotkeyRole role)
{
    return { [this, role] { return hotkey(role); }, [this, role](std::optional<Hotkey> h) { setHotkey(h, role); } };
}

void AppSettings::resetHotkey(HotkeyRole role) { setHotkey(defaultHotkey(role), role); }

std::optional<QString> AppSettings::warning(const std::optional<Hotkey>& hotkey, HotkeyRole role) const
{
    if (!hotkey)
        return QCoreApplication::translate(
            "Kelvaro", "No shortcut assigned — the %1 can't be opened from the keyboard.")
            .arg(title(role));
    if (!hotkey->isValid())
        return QCoreApplication::translate("Kelvaro", "Add ⌘, ⌥ or ⌃ so this shortcut can't interrupt typing.");
    for (HotkeyRole other : allCases<HotkeyRole>()) {
        if (other == role)
            continue;
        const auto taken = this->hotkey(other);
        if (taken && taken->keyCode == hotkey->keyCode && taken->rawModifiers == hotkey->rawModifiers)
            return QCoreApplication::translate("Kelvaro", "Already used by %1. Pick a different combination.")
                .arg(title(other));
    }
    if (const auto description = hotkey->systemConflictDescription())
        return QCoreApplication::translate(
            "Kelvaro", "Your desktop already uses this for %1. It may not reach Kelvaro.")
            .arg(*description);
    return std::nullopt;
}

std::optional<QString> AppSettings::warning(const LauncherGroup& group) const
{
    const auto& hotkey = group.hotkey;
    if (!hotkey)
        return QCoreApplication::translate(
            "Kelvaro", "No shortcut assigned — this launcher can't be opened from the keyboard.");
    if (!hotkey->isValid())
        return QCoreApplication::translate("Kelvaro", "Add ⌘, ⌥ or ⌃ so this shortcut can't interrupt typing.");
    const auto same = [&](const std::optional<Hotkey>& other) {
        return other && other->keyCode == hotkey->keyCode && other->rawModifiers == hotkey->rawModifiers;
    };
    // A group on a role's combination would be shadowed by the role (or
    // shadow it): every role counts, not only the two switcher-like ones.
    for (HotkeyRole role : allCases<HotkeyRole>()) {
        if (same(this->hotkey(role)))
            return QCoreApplication::translate("Kelvaro", "Already used by %1.").arg(title(role));
    }
    for (const LauncherGroup& other : m_launcherGroups) {
        if (other.id != group.id && same(other.hotkey))
            return QCoreApplication::translate("Kelvaro", "Already used by %1.").arg(other.name);
    }
    if (const auto description = hotkey->systemConflictDescription())
        return QCoreApplication::translate(
            "Kelvaro", "Your desktop already uses this for %1. It may not reach Kelvaro.")
            .arg(*description);
    return std::nullopt;
}

QList<Hotkey> AppSettings::takenHotkeys() const
{
    QList<Hotkey> taken;
    for (HotkeyRole role : allCases<HotkeyRole>())
        if (const auto h = hotkey(role))
            taken.append(*h);
    for (const LauncherGroup& g : m_launcherGroups)
        if (g.hotkey)
            taken.append(*g.hotkey);
    return taken;
}

// ---- Launcher groups -------------------------------------------------------------------

QList<LauncherGroup> AppSettings::activeLauncherGroups() const
{
    QList<LauncherGroup> active;
    for (const LauncherGroup& g : m_launcherGroups)
        if (g.hotkey && !g.bundleIdentifiers.isEmpty())
            active.append(g);
    return active;
}

QUuid AppSettings::addLauncherGroup(const QString& name)
{
    LauncherGroup group(name);
    group.hotkey = LauncherGroup::suggestedHotkey(takenHotkeys());
    group.reconcileHoldModifiers();
    QList<LauncherGroup> groups = m_launcherGroups;
    groups.append(group);
    setLauncherGroups(groups);
    return group.id;
}

void AppSettings::removeLauncherGroup(const LauncherGroup& group)
{
    QList<LauncherGroup> groups = m_launcherGroups;
    groups.removeIf([&](const LauncherGroup& g) { return g.id == group.id; });
    setLauncherGroups(groups);
}

void AppSettings::updateLauncherGroup(const LauncherGroup& group)
{
    QList<LauncherGroup> groups = m_launcherGroups;
    for (LauncherGroup& g : groups) {
        if (g.id == group.id) {
            g = group;
            g.reconcileHoldModifiers();
            setLauncherGroups(groups);
            return;
        }
    }
}

std::optional<Hotkey> AppSettings::groupHotkey(const QUuid& groupId) const
{
    for (const LauncherGroup& g : m_launcherGroups)
        if (g.id == groupId)
            return g.hotkey;
    return std::nullopt;
}

void AppSettings::setGroupHotkey(const QUuid& groupId, std::optional<Hotkey> hotkey)
{
    QList<LauncherGroup> groups = m_launcherGroups;
    for (qsizetype i = 0; i < groups.size(); ++i) {
        if (groups[i].id != groupId)
            continue;
        groups[i].hotkey = hotkey;
        setLauncherGroups(groups);
        groups[i].reconcileHoldModifiers();
        setLauncherGroups(groups);
        return;
    }
}

std::uint64_t AppSettings::groupHoldModifiers(const QUuid& groupId) const
{
    for (const LauncherGroup& g : m_launcherGroups)
        if (g.id == groupId)
            return g.holdModifiers();
    return 0;
}

void AppSettings::setGroupHoldModifiers(const QUuid& groupId, std::uint64_t flags)
{
    QList<LauncherGroup> groups = m_launcherGroups;
    for (LauncherGroup& g : groups) {
        if (g.id != groupId)
            continue;
        g.setHoldModifiers(flags & (g.hotkey ? g.hotkey->rawModifiers : 0));
        setLauncherGroups(groups);
        return;
    }
}

HotkeyBinding AppSettings::binding(const QUuid& groupId)
{
    return { [this, groupId] { return groupHotkey(groupId); },
        [this, groupId](std::optional<Hotkey> h) { setGroupHotkey(groupId, h); } };
}

ModifierBinding AppSettings::holdBinding(const QUuid& groupId)
{
    return { [this, groupId] { return groupHoldModifiers(groupId); },
        [this, groupId](std::uint64_t flags) { setGroupHoldModifiers(groupId, flags); } };
}
