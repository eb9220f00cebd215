#include "core/ShortcutStorage.h"

#include "core/StoredListRecovery.h"
#include "platform/DefaultsStore.h"
#include "platform/Log.h"
#include "platform/Platform.h"

#include <memory>
#include <nlohmann/json.hpp>

const QString ShortcutStorage::key = QStringLiteral("AppShortcutsPerApp");

namespace {
std::unique_ptr<ShortcutStorage>& sharedStorage()
{
    static std::unique_ptr<ShortcutStorage> s;
    return s;
}
}

ShortcutStorage& ShortcutStorage::shared()
{
    auto& s = sharedStorage();
    DefaultsStore& defaults = Platform::installed().defaults();
    if (!s) {
        s = std::make_unique<ShortcutStorage>(defaults);
        s->load();
    } else if (s->m_defaults.data() != &defaults) {
        s->m_defaults = &defaults;
        s->m_shortcuts.clear();
        s->load();
    }
    return *s;
}

void ShortcutStorage::resetShared() { sharedStorage().reset(); }

ShortcutStorage::ShortcutStorage(DefaultsStore& defaults)
    : m_defaults(&defaults)
{
}

void ShortcutStorage::load()
{
    DefaultsStore& defaults = *m_defaults;
    m_leftInPlace = false;
    const auto stored = defaults.value(key);
    if (!stored)
        return;
    QString error;
    const auto document = StoredListRecovery::parseStored(*stored, &error);
    if (document && !document->is_object())
        error = QStringLiteral("not a JSON object");
    if (!document || !document->is_object()) {
        m_leftInPlace = StoredListRecovery::keepUnreadable(key, *stored, error, defaults).isEmpty();
        return;
    }

    QMap<QString, QList<AppShortcut>> lists;
    int skipped = 0;
    int total = 0;
    for (auto member = document->begin(); member != document->end(); ++member) {
        const QString bundleIdentifier = QString::fromStdString(member.key());
        if (!member->is_array()) {
            ++skipped;
            ++total;
            StoredListRecovery::logSkipped(key, bundleIdentifier, QStringLiteral("the list is not a JSON array"));
            continue;
        }
        QList<AppShortcut>& list = lists[bundleIdentifier];
        int index = 0;
        for (const auto& element : *member) {
            ++index;
            ++total;
            QString reason;
            if (auto shortcut = AppShortcut::fromJsonValue(element, &reason)) {
                list.append(std::move(*shortcut));
            } else {
                ++skipped;
                StoredListRecovery::logSkipped(
                    key, QStringLiteral("%1, item %2").arg(bundleIdentifier).arg(index), reason);
            }
        }
    }
    if (skipped > 0) {
        m_leftInPlace = StoredListRecovery::keepUnreadable(key, *stored,
            QStringLiteral("%1 of %2 entries could not be read").arg(skipped).arg(total), defaults, encode(lists))
                            .isEmpty();
    }
    m_shortcuts = lists;
    Q_EMIT shortcutsChanged();
}

QByteArray ShortcutStorage::encode(const QMap<QString, QList<AppShortcut>>& lists)
{
    nlohmann::ordered_json document = nlohmann::ordered_json::object();
    for (auto it = lists.constBegin(); it != lists.constEnd(); ++it) {
        nlohmann::ordered_json array = nlohmann::ordered_json::array();
        for (const AppShortcut& shortcut : it.value())
            array.push_back(shortcut.toJsonValue());
        document[it.key().toStdString()] = std::move(array);
    }
    const std::string text = document.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    return QByteArray(text.data(), qsizetype(text.size()));
}

void ShortcutStorage::save()
{
    // A stored value that could be neither read nor kept aside is never
    // written over: keeping it is tried again (there may be room now).
    if (m_leftInPlace) {
        const auto stored = m_defaults->value(key);
        m_leftInPlace = stored
            && StoredListRecovery::keepUnreadable(
                key, *stored, QStringLiteral("it could not be read when loaded"), *m_defaults, encode(m_shortcuts))
                   .isEmpty();
    }
    if (m_leftInPlace) {
        Log::write(QStringLiteral("Kelvaro: the shortcuts were not saved: the stored shortcuts could not all be read "
                                  "nor kept aside, and are left as they are"));
        return;
    }
    m_defaults->setValue(key, encode(m_shortcuts));
}

QList<AppShortcut> ShortcutStorage::getShortcuts(const QString& bundleIdentifier) const
{
    return m_shortcuts.value(bundleIdentifier);
}

QList<AppShortcut> ShortcutStorage::getAllShortcuts() const
{
    QList<AppShortcut> all;
    for (auto it = m_shortcuts.constBegin(); it != m_shortcuts.constEnd(); ++it) // QMap: ascending keys
        all.append(it.value());
    return all;
}

QStringList ShortcutStorage::bundleIdentifiers() const { return m_shortcuts.keys(); }

std::optional<QList<AppShortcut>> ShortcutStorage::moveShortcut(const AppShortcut& shortcut, int offset)
{
    const auto it = m_shortcuts.find(shortcut.bundleIdentifier);
    if (it == m_shortcuts.end())
        return std::nullopt;
    QList<AppShortcut>& list = it.value();
    qsizetype index = -1;
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list.at(i).id == shortcut.id) {
            index = i;
            break;
        }
    }
    if (index < 0)
        return std::nullopt;
    const qsizetype target = index + offset;
    if (target < 0 || target >= list.size())
        return std::nullopt;
    list.swapItemsAt(index, target);
    const QList<AppShortcut> result = list;
    save();
    Q_EMIT shortcutsChanged();
    return result;
}

void ShortcutStorage::addShortcut(const AppShortcut& shortcut)
{
    m_shortcuts[shortcut.bundleIdentifier].append(shortcut);
    save();
    Q_EMIT shortcutsChanged();
}

void ShortcutStorage::updateShortcut(const AppShortcut& shortcut)
{
    const auto it = m_shortcuts.find(shortcut.bundleIdentifier);
    if (it == m_shortcuts.end())
        return;
    for (AppShortcut& existing : it.value()) {
        if (existing.id == shortcut.id) {
            existing = shortcut;
            save();
            Q_EMIT shortcutsChanged();
            return;
        }
    }
}

void ShortcutStorage::removeShortcut(const AppShortcut& shortcut)
{
    const auto it = m_shortcuts.find(shortcut.bundleIdentifier);
    if (it == m_shortcuts.end())
        return;
    it.value().removeIf([&](const AppShortcut& s) { return s.id == shortcut.id; });
    save();
    Q_EMIT shortcutsChanged();
}

void ShortcutStorage::removeApp(const QString& bundleIdentifier)
{
    m_shortcuts.remove(bundleIdentifier);
    save();
    Q_EMIT shortcutsChanged();
}
