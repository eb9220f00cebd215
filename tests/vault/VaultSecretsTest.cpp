// The vault against simulated keyring, presence check, focus and clipboard:
// records and secrets change together without losing either, the presence
// check is shared until the screen locks, and a released password goes into
// the element focused at the choice or onto the clipboard for a while,
// leaving no copy of itself behind.

#include "core/StoredListRecovery.h"
#include "platform/sim/MemoryClipboard.h"
#include "platform/sim/MemorySecretStore.h"
#include "platform/sim/RecordingSyntheticKeys.h"
#include "platform/Scheduler.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimFocusedText.h"
#include "platform/sim/SimPresenceCheck.h"
#include "support/TestSupport.h"
#include "support/TracedSecret.h"
#include "vault/PasswordAuth.h"
#include "vault/PasswordDelivery.h"
#include "vault/PasswordVault.h"

#include <gtest/gtest.h>

namespace {
QString key(const PasswordVariant& v) { return PasswordVault::keyringAccount(v.id); }

PasswordVariant variant(const QString& label)
{
    PasswordVariant v;
    v.label = label;
    return v;
}

class VaultSecretsTest : public ::testing::Test {
protected:
    VaultSecretsTest()
    {
        env.platform().ports().secretStore = keyring;
        env.platform().ports().presenceCheck = presence;
        env.platform().ports().focusedText = focus;
        env.platform().ports().clipboard = clipboard;
        env.platform().ports().syntheticKeys = keys;
        PasswordAuth::setConversationFactory([] { return nullptr; });
        PasswordAuth::lock();
    }
    ~VaultSecretsTest() override
    {
        PasswordAuth::lock();
        PasswordAuth::setConversationFactory(nullptr);
    }

    // Delivery through the simulated focus and keys; it never beeps here.
    PasswordDelivery delivery()
    {
        return PasswordDelivery(PasswordVault(env.platform()), *focus, *keys, env.platform().scheduler(), *desktop, {});
    }

    // An account with passwords whose secrets are in the keyring.
    PasswordEntry seed(const QString& label, const QStringList& passwords)
    {
        PasswordEntry e;
        e.label = label;
        for (const QString& p : passwords) {
            PasswordVariant v = variant(p);
            keyring->items[key(v)] = p.toUtf8() + "-secret";
            e.variants << v;
        }
        QList<PasswordEntry> all = PasswordVault(env.platform()).entries();
        all << e;
        env.defaults().setValue(PasswordVault::storageKey, PasswordEntry::encodeList(all));
        return e;
    }

    PasswordVault::SaveResult save(const QUuid& entry, const PasswordVariant& v, const QByteArray& secret)
    {
        std::optional<PasswordVault::SaveResult> result;
        PasswordVault(env.platform())
            .upsertVariant(
                entry, v, SecretText::fromUtf8(secret), nullptr, [&](PasswordVault::SaveResult r) { result = r; });
        env.scheduler().runPending();
        EXPECT_TRUE(result.has_value());
        return result.value_or(PasswordVault::SaveResult::NoSuchAccount);
    }

    std::optional<QByteArray> release(const QUuid& variantId)
    {
        std::optional<QByteArray> got;
        bool answered = false;
        PasswordVault(env.platform()).secret(variantId, nullptr, [&](PasswordVault::Secret s) {
            answered = true;
            if (s)
                got = s->bytes().toByteArray();
        });
        EXPECT_FALSE(answered) << "a release always answers later";
        env.scheduler().runPending();
        EXPECT_TRUE(answered);
        return got;
    }

    TestSupport::SimEnvironment env;
    std::shared_ptr<MemorySecretStore> keyring = std::make_shared<MemorySecretStore>();
    std::shared_ptr<SimPresenceCheck> presence = std::make_shared<SimPresenceCheck>();
    std::shared_ptr<SimFocusedText> focus = std::make_shared<SimFocusedText>();
    std::shared_ptr<MemoryClipboard> clipboard = std::make_shared<MemoryClipboard>();
    std::shared_ptr<RecordingSyntheticKeys> keys = std::make_shared<RecordingSyntheticKeys>();
    std::shared_ptr<SimDesktop> desktop = std::make_shared<SimDesktop>();
};

TEST_F(VaultSecretsTest, UpsertAndRemoveDeleteExactlyTheSecretsNoLongerReferred)
{
    PasswordEntry mail
        = seed(QStringLiteral("Mail"), { QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c") });
    PasswordEntry bank = seed(QStringLiteral("Bank"), { QStringLiteral("pin") });

    PasswordEntry fewer = mail;
    fewer.variants.removeAt(1);
    PasswordVault(env.platform()).upsert(fewer);
    EXPECT_EQ(keyring->removed, QStringList { key(mail.variants[1]) });
    EXPECT_EQ(PasswordVault(env.platform()).entry(mail.id)->variants, fewer.variants);

    // Removing with a stale value that knows only the first password still
    // deletes the secret of the third, which the stored copy has.
    keyring->removed.clear();
    PasswordEntry stale = mail;
    stale.variants = { mail.variants[0] };
    PasswordVault(env.platform()).remove(stale);
    EXPECT_EQ(keyring->removed.size(), 2);
    EXPECT_TRUE(keyring->removed.contains(key(mail.variants[2])));
    EXPECT_FALSE(keyring->items.contains(key(mail.variants[0])));
    EXPECT_FALSE(keyring->items.contains(key(mail.variants[2])));
    EXPECT_EQ(PasswordVault(env.platform()).entries(), QList<PasswordEntry> { bank });
    EXPECT_TRUE(keyring->items.contains(key(bank.variants[0])));
}

TEST_F(VaultSecretsTest, UpsertVariantWritesTheRecordOnlyOnceTheKeyringTookTheSecret)
{
    PasswordEntry mail = seed(QStringLiteral("Mail"), { QStringLiteral("old") });
    PasswordVariant changed = mail.variants[0];
    changed.label = QStringLiteral(" Work\n");
    changed.hint = QStringLiteral("  the usual ");

    // A refusing keyring: reported, and neither the record nor the old secret changes.
    keyring->refuseStores = true;
    EXPECT_EQ(save(mail.id, changed, "new"), PasswordVault::SaveResult::KeyringRefused);
    EXPECT_EQ(PasswordVault(env.platform()).entry(mail.id)->variants[0].label, QStringLiteral("old"));
    EXPECT_EQ(keyring->items.value(key(changed)), QByteArray("old-secret"));

    keyring->refuseStores = false;
    EXPECT_EQ(save(mail.id, changed, "  new  "), PasswordVault::SaveResult::Saved);
    const PasswordVariant stored = PasswordVault(env.platform()).entry(mail.id)->variants[0];
    EXPECT_EQ(stored.label, QStringLiteral("Work"));
    EXPECT_EQ(stored.hint, QStringLiteral("the usual"));
    EXPECT_EQ(keyring->items.value(key(changed)), QByteArray("  new  ")); // the secret as typed
    EXPECT_EQ(keyring->labels.value(key(changed)), QStringLiteral("Kelvaro: Mail \u2013 Work"));
    EXPECT_TRUE(keyring->removed.isEmpty()) << "replaced in one step, never deleted first";

    // Appended; an empty secret or an unknown account changes nothing.
    const PasswordVariant added = variant(QStringLiteral("App"));
    EXPECT_EQ(save(mail.id, added, "x"), PasswordVault::SaveResult::Saved);
    EXPECT_EQ(PasswordVault(env.platform()).entry(mail.id)->variants.size(), 2);
    const int stores = keyring->storeCalls;
    EXPECT_EQ(save(mail.id, variant(QStringLiteral("none")), ""), PasswordVault::SaveResult::EmptySecret);
    EXPECT_EQ(
        save(QUuid::createUuid(), variant(QStringLiteral("none")), "x"), PasswordVault::SaveResult::NoSuchAccount);
    EXPECT_EQ(keyring->storeCalls, stores);
    EXPECT_EQ(PasswordVault(env.platform()).entry(mail.id)->variants.size(), 2);
}

TEST_F(VaultSecretsTest, MoveExchangesTwoPlacesAndMetadataNeverAppends)
{
    PasswordEntry mail
        = seed(QStringLiteral("Mail"), { QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c") });
    PasswordVault(env.platform()).moveVariant(mail.id, 0, -1);
    PasswordVault(env.platform()).moveVariant(mail.id, 2, 1);
    EXPECT_EQ(PasswordVault(env.platform()).entry(mail.id)->variants, mail.variants);
    PasswordVault(env.platform()).moveVariant(mail.id, 0, 2);
    EXPECT_EQ(PasswordVault(env.platform()).entry(mail.id)->variants,
        (QList<PasswordVariant> { mail.variants[2], mail.variants[1], mail.variants[0] }));

    PasswordVault(env.platform()).updateVariantMetadata(mail.id, variant(QStringLiteral("stranger")));
    EXPECT_EQ(PasswordVault(env.platform()).entry(mail.id)->variants.size(), 3);
    EXPECT_EQ(keyring->storeCalls, 0);
}

TEST_F(VaultSecretsTest, AnUnreadableListIsKeptAsideBeforeTheNextChangeWritesAFreshOne)
{
    // One password lacks "hint": the whole list reads as empty.
    const QByteArray damaged = QByteArrayLiteral(
        R"([{"id":"6B29FC40-CA47-1067-B31D-00DD010662DA","label":"Mail","account":"","icon":"key.fill",)"
        R"("variants":[{"id":"7B29FC40-CA47-1067-B31D-00DD010662DA","label":"","icon":"key.fill"}]}])");
    env.defaults().setValue(PasswordVault::storageKey, damaged);
    EXPECT_TRUE(PasswordVault(env.platform()).entries().isEmpty());

    PasswordEntry fresh;
    fresh.label = QStringLiteral("Bank");
    PasswordVault(env.platform()).upsert(fresh);
    EXPECT_EQ(PasswordVault(env.platform()).entries(), QList<PasswordEntry> { fresh });
    const QStringList backups = StoredListRecovery::backupKeys(PasswordVault::storageKey, env.defaults());
    ASSERT_EQ(backups.size(), 1);
    EXPECT_EQ(env.defaults().value(backups[0])->toByteArray(), damaged);
}

TEST_F(VaultSecretsTest, OneCheckServesEveryReleaseUntilTheScreenLocks)
{
    PasswordEntry mail = seed(QStringLiteral("Mail"), { QStringLiteral("a") });
    EXPECT_EQ(release(mail.variants[0].id), QByteArray("a-secret"));
    EXPECT_EQ(release(mail.variants[0].id), QByteArray("a-secret"));
    EXPECT_EQ(presence->checks, 1);

    PasswordAuth::lock();
    presence->outcome = PresenceCheck::Outcome::Refused;
    EXPECT_EQ(release(mail.variants[0].id), std::nullopt);
    EXPECT_EQ(presence->checks, 2);

    // No way to check at all: the log line, nothing released, no keyring read.
    presence->outcome = PresenceCheck::Outcome::Unavailable;
    const int reads = keyring->lookupCalls;
    EXPECT_EQ(release(mail.variants[0].id), std::nullopt);
    EXPECT_TRUE(env.logLines().contains(
        QStringLiteral("Kelvaro: no way to verify presence \u2014 refusing to release a password")));
    EXPECT_EQ(keyring->lookupCalls, reads);

    // A password with a record but no secret: checked first, then nothing.
    presence->outcome = PresenceCheck::Outcome::Granted;
    keyring->items.clear();
    const int checks = presence->checks;
    EXPECT_EQ(release(mail.variants[0].id), std::nullopt);
    EXPECT_EQ(presence->checks, checks + 1);
}

TEST_F(VaultSecretsTest, TheDialogsAnswerDecidesAndACheckRunningWhenTheScreenLocksCountsForNothing)
{
    PasswordEntry mail = seed(QStringLiteral("Mail"), { QStringLiteral("a") });
    struct Typist final : PresenceConversation {
        void ask(const QString& prompt, bool, std::function<void(std::shared_ptr<const SecretText>)> answer) override
        {
            prompts << prompt;
            answer(typed ? SecretText::fromUtf8(*typed) : nullptr);
        }
        void inform(const QString&, bool) override { }
        void finish() override { ++finished; }
        std::optional<QByteArray> typed;
        QStringList prompts;
        int finished = 0;
    };
    auto typist = std::make_shared<Typist>();
    PasswordAuth::setConversationFactory([typist] { return typist; });
    presence->prompt = QStringLiteral("Password: ");
    presence->expectedAnswer = "hunter2";

    typist->typed = std::nullopt; // Cancel
    EXPECT_EQ(release(mail.variants[0].id), std::nullopt);
    typist->typed = QByteArray("hunter2");
    EXPECT_EQ(release(mail.variants[0].id), QByteArray("a-secret"));
    EXPECT_EQ(typist->prompts, (QStringList { QStringLiteral("Password: "), QStringLiteral("Password: ") }));
    EXPECT_EQ(typist->finished, 2);

    // The screen locks while a check runs: its success does not carry over.
    PasswordAuth::lock();
    std::optional<bool> granted;
    PasswordAuth::requirePresence(nullptr, [&](bool g) { granted = g; });
    PasswordAuth::lock();
    env.scheduler().runPending();
    EXPECT_EQ(granted, false);
    EXPECT_FALSE(PasswordAuth::isUnlocked());
}

TEST_F(VaultSecretsTest, DeliveryGoesIntoTheElementFocusedAtTheChoiceNotTheOneFocusedLater)
{
    focus->fields[1] = { true, 10, {} };
    focus->fields[2] = { true, 20, {} };
    focus->focused = 1;
    std::optional<FocusCapture> target;
    focus->capture(nullptr, [&](FocusCapture c) { target = c; });
    env.scheduler().runPending();
    ASSERT_TRUE(target && target->acceptsText);

    focus->focused = 2; // the dialog, or another window, took the focus meanwhile
    std::optional<PasswordDelivery::Delivery> how;
    auto secret = SecretText::fromUtf8("s3cret");
    delivery().deliver(secret, *target, nullptr, [&](PasswordDelivery::Delivery d) { how = d; });
    env.scheduler().runPending();
    EXPECT_EQ(how, PasswordDelivery::Delivery::IntoField);
    EXPECT_EQ(focus->fields[1].text, QByteArray("s3cret"));
    EXPECT_TRUE(focus->fields[2].text.isEmpty());
    EXPECT_TRUE(secret->isEmpty()) << "the bytes are wiped after delivery";
    EXPECT_EQ(clipboard->changeCount(), 0u);
    EXPECT_TRUE(keys->events().empty());
}

TEST_F(VaultSecretsTest, ARefusingElementGetsAPasteOnlyWhileItsWindowStillHasTheFocus)
{
    focus->fields[1] = { true, 10, {} };
    focus->refusing = { 1 };
    focus->focused = 1;
    std::optional<FocusCapture> target;
    focus->capture(nullptr, [&](FocusCapture c) { target = c; });
    env.scheduler().runPending();

    std::optional<PasswordDelivery::Delivery> how;
    delivery().deliver(SecretText::fromUtf8("one"), *target, nullptr, [&](auto d) { how = d; });
    env.scheduler().runPending();
    EXPECT_EQ(clipboard->text(), QStringLiteral("one"));
    EXPECT_TRUE(clipboard->isConcealed());
    ASSERT_EQ(keys->events().size(), 2u);
    EXPECT_EQ(keys->events()[0], (RecordingSyntheticKeys::Event { 9, 0x100000, true })); // Ctrl+V
    EXPECT_EQ(how, std::nullopt) << "a paste counts once the field shows it";
    focus->paste(clipboard->secret()->bytes());
    env.scheduler().advance(0.1);
    EXPECT_EQ(how, PasswordDelivery::Delivery::ClipboardAndPaste);
    EXPECT_EQ(focus->fields[1].text, QByteArray("one"));

    keys->clear();
    focus->focusedWindowOverride = 99; // another window has the focus now
    delivery().deliver(SecretText::fromUtf8("two"), *target, nullptr, [&](auto d) { how = d; });
    env.scheduler().runPending();
    EXPECT_EQ(how, PasswordDelivery::Delivery::ClipboardOnly);
    EXPECT_TRUE(keys->events().empty());

    // No element that takes text: copied, never pasted.
    FocusCapture nothing;
    delivery().deliver(SecretText::fromUtf8("three"), nothing, nullptr, [&](auto d) { how = d; });
    env.scheduler().runPending();
    EXPECT_EQ(how, PasswordDelivery::Delivery::ClipboardOnly);
    EXPECT_EQ(clipboard->text(), QStringLiteral("three"));
    EXPECT_TRUE(keys->events().empty());
}

TEST_F(VaultSecretsTest, AWriteThatChangesNothingIsPastedInsteadAndAPasteThatChangesNothingIsToldOnScreen)
{
    QStringList notices;
    PasswordVault::setNotifier([&](const QString& message) { notices << message; });
    focus->fields[1] = { true, 10, "me", QStringLiteral("Firefox") };
    focus->swallowing = { 1 }; // answers the write with success, keeps its text
    focus->focused = 1;
    std::optional<FocusCapture> target;
    focus->capture(nullptr, [&](FocusCapture c) { target = c; });
    env.scheduler().runPending();

    std::optional<PasswordDelivery::Delivery> how;
    auto secret = SecretText::fromUtf8("pässword");
    delivery().deliver(secret, *target, nullptr, [&](auto d) { how = d; });
    env.scheduler().runPending();
    EXPECT_EQ(how, std::nullopt) << "a reported success is not taken at its word";
    EXPECT_TRUE(keys->events().empty());
    env.scheduler().advance(PasswordDelivery::writeSettleTime + 0.05);
    ASSERT_EQ(keys->events().size(), 2u) << "Ctrl+V once the field still shows nothing new";
    ASSERT_TRUE(clipboard->secret());
    focus->paste(clipboard->secret()->bytes()); // 8 characters after the 2 there were
    env.scheduler().advance(0.1);
    EXPECT_EQ(how, PasswordDelivery::Delivery::ClipboardAndPaste);
    EXPECT_TRUE(notices.isEmpty());

    // The page takes nothing at all: neither the write nor the paste shows.
    keys->clear();
    how.reset();
    delivery().deliver(SecretText::fromUtf8("refused"), *target, nullptr, [&](auto d) { how = d; });
    env.scheduler().advance(PasswordDelivery::writeSettleTime + PasswordDelivery::pasteSettleTime + 0.2);
    EXPECT_EQ(keys->events().size(), 2u);
    EXPECT_EQ(how, PasswordDelivery::Delivery::NotDelivered);
    EXPECT_EQ(clipboard->text(), QStringLiteral("refused"));
    EXPECT_EQ(notices,
        QStringList { QStringLiteral("Firefox did not take the password. "
                                     "It is on the clipboard for 45 seconds: paste it into the field yourself.") });
    PasswordVault::setNotifier(nullptr);
}

TEST_F(VaultSecretsTest, AnElementThatNeverAnswersHoldsNothingUp)
{
    focus->fields[1] = { true, 10, {} };
    focus->silent = { 1 };
    focus->focused = 1;
    std::optional<FocusCapture> target;
    focus->capture(nullptr, [&](FocusCapture c) { target = c; });
    env.scheduler().runPending();

    std::optional<PasswordDelivery::Delivery> how;
    delivery().deliver(SecretText::fromUtf8("s3cret"), *target, nullptr, [&](auto d) { how = d; });
    // A reading and a write, each given up at its limit, then the paste.
    env.scheduler().advance(2 * PasswordDelivery::callLimit + 0.05);
    EXPECT_EQ(focus->writes, 1);
    ASSERT_EQ(keys->events().size(), 2u);
    EXPECT_EQ(clipboard->text(), QStringLiteral("s3cret"));
    env.scheduler().advance(PasswordDelivery::pasteSettleTime + PasswordDelivery::callLimit);
    EXPECT_EQ(how, PasswordDelivery::Delivery::ClipboardAndPaste) << "what cannot be read is taken as sent";
}

TEST_F(VaultSecretsTest, ACopyForTheUserToPasteIsNeverSilent)
{
    QStringList notices;
    PasswordVault::setNotifier([&](const QString& message) { notices << message; });
    std::optional<PasswordDelivery::Delivery> how;
    delivery().deliver(SecretText::fromUtf8("copied"), FocusCapture {}, nullptr, [&](auto d) { how = d; });
    env.scheduler().runPending();
    EXPECT_EQ(how, PasswordDelivery::Delivery::ClipboardOnly);
    EXPECT_EQ(clipboard->text(), QStringLiteral("copied"));
    EXPECT_EQ(notices,
        QStringList { QStringLiteral(
            "No text field had the focus. Your password is on the clipboard for 45 seconds: paste it.") });
    PasswordVault::setNotifier(nullptr);
}

TEST_F(VaultSecretsTest, ADeliveredPasswordLeavesNoCopyBehindAndTheClipboardHoldsTheOneThereIs)
{
    QStringList notices;
    PasswordVault::setNotifier([&](const QString& message) { notices << message; });
    focus->fields[1] = { true, 10, {} };
    focus->focused = 1;
    std::optional<FocusCapture> target;
    focus->capture(nullptr, [&](FocusCapture c) { target = c; });
    env.scheduler().runPending();

    TracedSecret typed;
    delivery().deliver(typed.make(), *target, nullptr, nullptr);
    env.scheduler().runPending();
    EXPECT_TRUE(typed.matches(focus->fields[1].text));
    focus->fields[1].text.fill('\0'); // the receiving application's copy
    EXPECT_COPIES_IN_MEMORY(typed, 0, 0);
    EXPECT_TRUE(notices.isEmpty());

    // The field refuses, and its window was closed while the dialog asked:
    // the clipboard gets the password, and the user is told where it is.
    focus->refusing = { 1 };
    focus->focusedWindowOverride = 99;
    TracedSecret copied;
    delivery().deliver(copied.make(), *target, nullptr, nullptr);
    env.scheduler().runPending();
    EXPECT_COPIES_IN_MEMORY(copied, 1, 0) << "only the secret's own buffer";
    EXPECT_TRUE(clipboard->secret() && copied.matches(clipboard->secret()->bytes()));
    EXPECT_EQ(notices,
        QStringList { QStringLiteral("The window you chose was closed or is no longer in front. "
                                     "Your password is on the clipboard for 45 seconds.") });
    env.scheduler().advance(PasswordVault::clipboardLifetime);
    EXPECT_COPIES_IN_MEMORY(copied, 0, 0);
    PasswordVault::setNotifier(nullptr);
}

TEST_F(VaultSecretsTest, TheClipboardIsClearedAfter45SecondsOnlyWhileItStillHoldsOurCopy)
{
    PasswordVault(env.platform()).copyToClipboard(SecretText::fromUtf8("first"));
    env.scheduler().advance(10);
    PasswordVault(env.platform()).copyToClipboard(SecretText::fromUtf8("second"));
    env.scheduler().advance(35.5); // the first copy's wipe: finds a later copy, does nothing
    EXPECT_EQ(clipboard->text(), QStringLiteral("second"));
    env.scheduler().advance(10);
    EXPECT_EQ(clipboard->text(), QString());

    PasswordVault(env.platform()).copyToClipboard(SecretText::fromUtf8("third"));
    env.scheduler().advance(20);
    clipboard->simulateExternalCopy(QStringLiteral("the user's own"));
    env.scheduler().advance(30);
    EXPECT_EQ(clipboard->text(), QStringLiteral("the user's own"));

    // At quit: ours is cleared, the user's own copy never.
    PasswordVault(env.platform()).clearClipboardIfOurs();
    EXPECT_EQ(clipboard->text(), QStringLiteral("the user's own"));
    PasswordVault(env.platform()).copyToClipboard(SecretText::fromUtf8("fourth"));
    PasswordVault(env.platform()).clearClipboardIfOurs();
    EXPECT_EQ(clipboard->text(), QString());
}
}
