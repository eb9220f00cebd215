#pragma once
// The desktop's store of secrets: one item per saved password, found by the
// password's identifier (an upper-case UUID text). On Linux this is the
// Secret Service (gnome-keyring, KWallet), whose calls may block on D-Bus or
// an unlock prompt, so every operation answers later, on the main thread,
// through `done`, and only while `context` still exists.

#include "platform/SecretText.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class SecretStore {
public:
    virtual ~SecretStore() = default;

    // Stores `secret` under `account`, replacing the item of that account in
    // one step (a refused store leaves the old item as it was). `label` is
    // what keyring managers show. `done(true)` when the store took it.
    virtual void store(const QString& account, const QString& label, std::shared_ptr<const SecretText> secret,
        const QObject* context, std::function<void(bool stored)> done)
        = 0;
    // The secret of `account`; null when there is none or it cannot be read.
    virtual void lookup(
        const QString& account, const QObject* context, std::function<void(std::shared_ptr<const SecretText>)> done)
        = 0;
    // Deletes the item of `account`, if any. `done(false)` only when the store
    // failed (an absent item is no failure).
    virtual void remove(const QString& account, const QObject* context, std::function<void(bool ok)> done) = 0;
};
