#include "vault/PasswordVault.h"

#include "core/StoredListRecovery.h"
#include "platform/Clipboard.h"
#include "platform/DefaultsStore.h"
#include "platform/Log.h"
#include "platform/Platform.h"
#include "platform/Scheduler.h"
#include "platform/SecretStore.h"
#include "vault/PasswordAuth.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSet>
#include <cmath>

namespace {

template <typename... Args> std::function<void(Args...)> guard(const QObject* context, std::function<void(Args...)> f)
{
    return [alive = QPointer<const QObject>(context), hasContext = context != nullptr, f](Args... args) {
        if (f && (!hasContext || alive))
            f(args...);
    };
}

PasswordVariant trimmed(PasswordVariant v)
{
    v.label = v.label.trimmed();
    v.hint = v.hint.trimmed();
    return v;
}

PasswordVault::Notifier& notifier()
{
    static PasswordVault::Notifier n;
    return n;
}

// The clipboard copy of a password: the change count after our copy.
std::optional<std::uint64_t>& ownClipboardCopy()
{
    static std::optional<std::uint64_t> count;
    return count;
}

double& clipboardWait()
{
    static double seconds = PasswordVault::clipboardLifetime;
    return seconds;
}
}

void PasswordVault::setClipboardWait(double seconds) { clipboardWait() = seconds > 0 ? seconds : clipboardLifetime; }
double PasswordVault::clipboardSeconds() { return clipboardWait(); }

// ---- Records -----------------------------------------------------------------------------

PasswordVault::PasswordVault(const Platform& platform)
    : m_defaults(&platform.defaults())
    , m_secrets(&platform.secretStore())
    , m_clipboard(&platform.clipboard())
{
}

// The stored list, or nothing when a value is stored that does not decode.
std::optional<QList<PasswordEntry>> PasswordVault::readStored(QString* reason) const
{
    const auto stored = m_defaults->value(PasswordVault::storageKey);
    if (!stored)
        return QList<PasswordEntry> {};
    if (stored->typeId() != QMetaType::QByteArray) {
        if (reason)
            *reason = QStringLiteral("the stored value is not data");
        return std::nullopt;
    }
    auto decoded = PasswordEntry::decodeList(stored->toByteArray());
    if (!decoded && reason)
        *reason = QStringLiteral("the stored list does not decode");
    return decoded;
}

// Writes the whole list. A stored value that could not be read is kept under
// a backup key first, so the user's accounts are never overwritten unseen.
void PasswordVault::persist(const QList<PasswordEntry>& list) const
{
    QString reason;
    if (!readStored(&reason)) {
        const auto raw = m_defaults->value(PasswordVault::storageKey);
        if (raw && StoredListRecovery::keepUnreadable(PasswordVault::storageKey, *raw, reason, *m_defaults).isEmpty())
            return; // left in place: the accounts are not changed
    }
    m_defaults->setValue(PasswordVault::storageKey, PasswordEntry::encodeList(list));
}

QList<PasswordEntry> PasswordVault::entries() const
{
    QString reason;
    auto list = readStored(&reason);
    if (!list) {
        Log::write(
            QStringLiteral("Kelvaro: the saved password accounts could not be read (%1); reading none").arg(reason));
        return {};
    }
    return *list;
}

std::optional<PasswordEntry> PasswordVault::entry(const QUuid& id) const
{
    for (const auto& e : entries()) {
        if (e.id == id)
            return e;
    }
    return std::nullopt;
}

void PasswordVault::upsert(const PasswordEntry& entry) const
{
    QList<PasswordEntry> list = entries();
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list[i].id != entry.id)
            continue;
        QSet<QUuid> dropped;
        for (const auto& v : list[i].variants)
            dropped.insert(v.id);
        for (const auto& v : entry.variants)
            dropped.remove(v.id);
        for (const QUuid& id : std::as_const(dropped))
            deleteSecret(id);
        list[i] = entry;
        persist(list);
        return;
    }
    list.append(entry);
    persist(list);
}

void PasswordVault::remove(const PasswordEntry& entry) const
{
    QList<QUuid> secrets;
    for (const auto& v : entry.variants)
        secrets.append(v.id);
    QList<PasswordEntry> kept;
    for (const auto& stored : entries()) {
        if (stored.id != entry.id) {
            kept.append(stored);
            continue;
        }
        // The stored copy may hold passwords the value passed does not.
        for (const auto& v : stored.variants) {
            if (!secrets.contains(v.id))
                secrets.append(v.id);
        }
    }
    for (const QUuid& id : secrets)
        deleteSecret(id);
    persist(kept);
}

void PasswordVault::updateVariantMetadata(const QUuid& entryId, PasswordVariant variant) const
{
    auto account = entry(entryId);
    if (!account)
        return;
    for (auto& v : account->variants) {
        if (v.id == variant.id) {
            v = trimmed(std::move(variant));
            upsert(*account);
            return;
        }
    }
}

void PasswordVault::removeVariant(const QUuid& variantId, const QUuid& entryId) const
{
    auto account = entry(entryId);
    if (!account)
        return;
    account->variants.removeIf([&](const PasswordVariant& v) { return v.id == variantId; });
    deleteSecret(variantId);
    upsert(*account);
}

void PasswordVault::moveVariant(const QUuid& entryId, int index, int offset) const
{
    auto account = entry(entryId);
    if (!account)
        return;
    const qsizetype count = account->variants.size();
    const qsizetype target = qsizetype(index) + offset;
    if (index < 0 || index >= count || target < 0 || target >= count)
        return;
    account->variants.swapItemsAt(index, target);
    upsert(*account);
}

// ---- Secrets -----------------------------------------------------------------------------

QString PasswordVault::keyringAccount(const QUuid& variantId) { return AppShortcut::uuidText(variantId); }

QString PasswordVault::keyringLabel(const QString& entryLabel, const QString& variantLabel)
{
    if (variantLabel.isEmpty())
        return QStringLiteral("Kelvaro: ") + entryLabel;
    return QStringLiteral("Kelvaro: ") + entryLabel + QStringLiteral(" \u2013 ") + variantLabel;
}

void PasswordVault::setSecret(Secret secret, const QUuid& variantId, const QString& label, const QObject* context,
    std::function<void(bool)> done) const
{
    SecretText::protectProcess();
    m_secrets->store(
        keyringAccount(variantId), label, std::move(secret), nullptr, guard<bool>(context, std::move(done)));
}

void PasswordVault::deleteSecret(const QUuid& variantId) const
{
    m_secrets->remove(keyringAccount(variantId), nullptr, nullptr);
}

void PasswordVault::upsertVariant(const QUuid& entryId, PasswordVariant variant, Secret secret, const QObject* context,
    std::function<void(SaveResult)> done) const
{
    auto answer = guard<SaveResult>(context, std::move(done));
    auto later = [answer](SaveResult r) { Scheduler::shared().post([answer, r] { answer(r); }); };
    const auto account = entry(entryId);
    if (!account)
        return later(SaveResult::NoSuchAccount);
    if (!secret || secret->isEmpty())
        return later(SaveResult::EmptySecret);
    variant = trimmed(std::move(variant));
    const QString label = keyringLabel(account->label, variant.label);
    setSecret(std::move(secret), variant.id, label, nullptr, [vault = *this, entryId, variant, answer](bool stored) {
        if (!stored) {
            answer(SaveResult::KeyringRefused); // the record and the old secret stay as they were
            return;
        }
        // Read afresh: the account may have changed while the keyring worked.
        auto current = vault.entry(entryId);
        if (!current) {
            vault.deleteSecret(variant.id); // nothing refers to it any more
            answer(SaveResult::NoSuchAccount);
            return;
        }
        bool replaced = false;
        for (auto& v : current->variants) {
            if (v.id == variant.id) {
                v = variant;
                replaced = true;
                break;
            }
        }
        if (!replaced)
            current->variants.append(variant);
        vault.upsert(*current);
        answer(SaveResult::Saved);
    });
}

// ---- Release -----------------------------------------------------------------------------

void PasswordVault::secret(const QUuid& variantId, const QObject* context, std::function<void(Secret)> done) const
{
    auto answer = guard<Secret>(context, std::move(done));
    PasswordAuth::requirePresence(nullptr, [secrets = m_secrets, variantId, answer](bool granted) {
        if (!granted) {
            answer(nullptr);
            return;
        }
        secrets->lookup(keyringAccount(variantId), nullptr, answer);
    });
}

void PasswordVault::primarySecret(const QUuid& entryId, const QObject* context, std::function<void(Secret)> done) const
{
    const auto account = entry(entryId);
    if (!account || account->variants.isEmpty()) {
        if (done)
            done(nullptr);
        return;
    }
    secret(account->variants.first().id, context, std::move(done));
}

// ---- Ring --------------------------------------------------------------------------------

QList<AppShortcut> PasswordVault::ringItems() const
{
    QList<AppShortcut> items;
    for (const auto& entry : entries()) {
        items.append(AppShortcut::passwordItem(entry.id, entry.label, entry.icon));
    }
    return items;
}

QList<PasswordVariant> PasswordVault::arcVariants(const QUuid& entryId) const
{
    return arcVariants(entryId, entries());
}

QList<PasswordVariant> PasswordVault::arcVariants(const QUuid& entryId, const QList<PasswordEntry>& stored)
{
    for (const auto& entry : stored) {
        if (entry.id == entryId)
            return entry.variants.size() >= 2 ? entry.variants : QList<PasswordVariant> {};
    }
    return {};
}

// ---- Clipboard ---------------------------------------------------------------------------

void PasswordVault::copyToClipboard(const Secret& secret) const
{
    Clipboard& board = *m_clipboard;
    board.setSecret(secret);
    const std::uint64_t kept = board.changeCount();
    ownClipboardCopy() = kept;
    Scheduler::shared().postAfter(clipboardWait(), [&board, kept] {
        if (board.changeCount() != kept)
            return; // something else was copied meanwhile: leave it alone
        board.clear();
        if (ownClipboardCopy() == kept)
            ownClipboardCopy().reset();
    });
}

void PasswordVault::clearClipboardIfOurs() const
{
    if (!ownClipboardCopy())
        return;
    if (m_clipboard->changeCount() == *ownClipboardCopy())
        m_clipboard->clear();
    ownClipboardCopy().reset();
}

void PasswordVault::setNotifier(Notifier show) { notifier() = std::move(show); }

void PasswordVault::notify(const QString& message)
{
    if (notifier())
        notifier()(message);
}
