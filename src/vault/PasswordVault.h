#pragma once
// The password vault: accounts and their passwords (records without secrets,
// stored as one JSON list under the defaults key "savedPasswordEntries"),
// each password's secret in the desktop keyring (SecretStore) under the
// password's id, the ring items, the release of a secret after a presence
// check (PasswordAuth), and the clipboard copy of a released one (its
// delivery is PasswordDelivery's).
//
// No cache: every reader decodes the stored list afresh and every change
// re-reads it, edits it and writes it back whole. A stored list that cannot be
// decoded reads as empty, and is kept aside under a backup key before the
// next change writes a fresh list. Keyring calls answer later, on the main
// thread; records and keyring are changed so that no secret is lost when the
// keyring refuses a write. Main thread only.
//
// A vault is a light handle on the platform's defaults, keyring and clipboard
// (the platform must outlive it and every answer it promised); make one where
// the platform is at hand.

#include "core/AppShortcut.h"
#include "platform/SecretText.h"
#include "vault/PasswordEntry.h"

#include <QList>
#include <QObject>
#include <QUuid>
#include <functional>
#include <memory>
#include <optional>

class DefaultsStore;
class Clipboard;
class Platform;
class SecretStore;

class PasswordVault {
public:
    explicit PasswordVault(const Platform& platform);

    // The defaults key of the stored accounts.
    static inline const QString storageKey = QStringLiteral("savedPasswordEntries");
    // The keyring's "service" attribute of every saved password.
    static inline const QString keyringService = QStringLiteral("com.morvanix.kelvaro.passwords");
    // How long a password copied to the clipboard stays there.
    static constexpr double clipboardLifetime = 45.0;
    // Another wait in its place (0: clipboardLifetime again); only the test
    // build sets one, so that its tests need not wait that long.
    static void setClipboardWait(double seconds);
    // The wait in force: clipboardLifetime, or the test build's own.
    static double clipboardSeconds();
    // The pause between a released secret and its delivery.
    static constexpr double deliveryDelay = 0.15;

    using Secret = std::shared_ptr<const SecretText>;

    // ---- Records --------------------------------------------------------------------------
    // The stored accounts in stored order; empty when absent or undecodable.
    QList<PasswordEntry> entries() const;
    // The first stored account with `id`.
    std::optional<PasswordEntry> entry(const QUuid& id) const;
    // Replaces the stored account with the same id, or appends it. Secrets of
    // passwords the new value drops are deleted from the keyring.
    void upsert(const PasswordEntry& entry) const;
    // Deletes the account and the secrets of its passwords: those of the value
    // passed and those of the stored copy.
    void remove(const PasswordEntry& entry) const;
    // Changes label, icon and hint of a stored password (label and hint
    // trimmed); never appends, never touches the keyring.
    void updateVariantMetadata(const QUuid& entryId, PasswordVariant variant) const;
    // Removes a password and its secret (the secret of that id is deleted even
    // when the account lacks the password). Nothing for an unknown account.
    void removeVariant(const QUuid& variantId, const QUuid& entryId) const;
    // Exchanges the passwords at `index` and `index + offset` when both exist.
    void moveVariant(const QUuid& entryId, int index, int offset) const;

    // ---- Secrets --------------------------------------------------------------------------
    // The keyring account of a password: its id as upper-case UUID text.
    static QString keyringAccount(const QUuid& variantId);
    // What keyring managers show: "Kelvaro: <account label> – <password label>".
    static QString keyringLabel(const QString& entryLabel, const QString& variantLabel);

    // Stores `secret` for a password, replacing its item in one step.
    // `done(true)` when the keyring took it; a refusal leaves the old secret.
    void setSecret(Secret secret, const QUuid& variantId, const QString& label, const QObject* context,
        std::function<void(bool stored)> done) const;
    // Deletes the secret of a password, if any.
    void deleteSecret(const QUuid& variantId) const;

    enum class SaveResult {
        Saved,
        NoSuchAccount, // the account is not stored (nothing changed)
        EmptySecret, // nothing to store (nothing changed)
        KeyringRefused, // the keyring did not take the secret (nothing changed)
    };
    // Adds or replaces a password together with its secret. The secret is
    // stored as typed (never trimmed); label and hint are trimmed. The record
    // is written only after the keyring took the secret.
    void upsertVariant(const QUuid& entryId, PasswordVariant variant, Secret secret, const QObject* context,
        std::function<void(SaveResult)> done) const;

    // ---- Release ---------------------------------------------------------------------------
    // A presence check (PasswordAuth), then the keyring read. `done` comes
    // once, on the main thread, later: the secret, or null for every failure
    // alike (refused, no way to check, no item, unreadable item).
    void secret(const QUuid& variantId, const QObject* context, std::function<void(Secret)> done) const;
    // The same for the first password of an account. Null at once (no check)
    // for an unknown account or one without passwords.
    void primarySecret(const QUuid& entryId, const QObject* context, std::function<void(Secret)> done) const;

    // ---- Ring ------------------------------------------------------------------------------
    // One item per account: id = the account's id, name = its label, icon =
    // its icon, empty shortcut, the password marker, no snippet and no link.
    QList<AppShortcut> ringItems() const;
    // The passwords of the first account with `entryId` when it has two or
    // more, else an empty list.
    QList<PasswordVariant> arcVariants(const QUuid& entryId) const;
    // The same over accounts already read (one read for a whole ring).
    static QList<PasswordVariant> arcVariants(const QUuid& entryId, const QList<PasswordEntry>& stored);

    // ---- Clipboard -------------------------------------------------------------------------
    // Hands `secret` to the clipboard (Clipboard::setSecret: its buffer, no
    // copy, wiped when the content goes), and empties the clipboard after
    // `clipboardLifetime` seconds unless something else was copied meanwhile.
    void copyToClipboard(const Secret& secret) const;
    // Empties the clipboard now if it still holds the password we copied (at quit).
    void clearClipboardIfOurs() const;

    // ---- Telling the user ------------------------------------------------------------------
    // Shows `message` to the user: what became of a release that did not go
    // as asked (no answer accepted, the password left on the clipboard). The
    // application shows it as a tray message; with no notifier it is dropped
    // (the vault logs what happened anyway).
    using Notifier = std::function<void(const QString& message)>;
    static void setNotifier(Notifier show);
    static void notify(const QString& message);

private:
    void persist(const QList<PasswordEntry>& list) const;
    std::optional<QList<PasswordEntry>> readStored(QString* reason = nullptr) const;

    DefaultsStore* m_defaults;
    SecretStore* m_secrets;
    Clipboard* m_clipboard;
};
