#pragma once
// The password vault as the rings read it: the stored accounts (without
// secrets), one ring item per account and the passwords an account offers on
// the ring's outer arc. Reading never writes and never fails: an absent or
// unreadable stored list reads as empty.
//
// Releasing and delivering a secret is the vault's own business; it plugs into
// the shortcut runner with ShortcutRunner::setPasswordRoute().

#include "core/AppShortcut.h"
#include "vault/PasswordEntry.h"

#include <QList>
#include <QUuid>

class PasswordVault {
public:
    // The defaults key of the stored accounts.
    static inline const QString storageKey = QStringLiteral("savedPasswordEntries");

    // The stored accounts in stored order, decoded afresh on every call.
    static QList<PasswordEntry> entries();
    // One item per account: id = the account's id, name = its label, icon =
    // its icon, empty shortcut, the password marker, no snippet and no link.
    static QList<AppShortcut> ringItems();
    // The passwords of the first account with `entryId` when it has two or
    // more, else an empty list.
    static QList<PasswordVariant> arcVariants(const QUuid& entryId);
    // The same over accounts already read (one read for a whole ring).
    static QList<PasswordVariant> arcVariants(const QUuid& entryId, const QList<PasswordEntry>& stored);
};
