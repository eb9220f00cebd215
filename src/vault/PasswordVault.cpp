#include "vault/PasswordVault.h"

#include "platform/DefaultsStore.h"
#include "platform/Log.h"

QList<PasswordEntry> PasswordVault::entries()
{
    const auto stored = DefaultsStore::shared().value(storageKey);
    if (!stored)
        return {};
    if (stored->typeId() != QMetaType::QByteArray) {
        Log::write(QStringLiteral("Kelvaro: the saved password accounts are not stored as data; reading none"));
        return {};
    }
    auto decoded = PasswordEntry::decodeList(stored->toByteArray());
    if (!decoded) {
        // The stored value is left untouched: nothing here ever writes it.
        Log::write(QStringLiteral("Kelvaro: the saved password accounts could not be read; reading none"));
        return {};
    }
    return *decoded;
}

QList<AppShortcut> PasswordVault::ringItems()
{
    QList<AppShortcut> items;
    for (const auto& entry : entries()) {
        AppShortcut item(entry.label, entry.icon, QString(), AppShortcut::passwordMarker);
        item.id = entry.id;
        items.append(item);
    }
    return items;
}

QList<PasswordVariant> PasswordVault::arcVariants(const QUuid& entryId)
{
    return arcVariants(entryId, entries());
}

QList<PasswordVariant> PasswordVault::arcVariants(const QUuid& entryId, const QList<PasswordEntry>& stored)
{
    for (const auto& entry : stored) {
        if (entry.id == entryId)
            return entry.variants.size() >= 2 ? entry.variants : QList<PasswordVariant>{};
    }
    return {};
}
