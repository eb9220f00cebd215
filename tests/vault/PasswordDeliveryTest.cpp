// Choosing a password: which password the choice means, and the path from
// the choice to the field, with the hotkeys off while the check runs.

#include "platform/FocusedText.h"
#include "platform/Scheduler.h"
#include "platform/SyntheticKeys.h"
#include "platform/sim/RecordingSyntheticKeys.h"
#include "platform/Workspace.h"
#include "platform/sim/MemorySecretStore.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimFocusedText.h"
#include "platform/sim/SimPresenceCheck.h"
#include "support/TestSupport.h"
#include "vault/PasswordAuth.h"
#include "vault/PasswordDelivery.h"
#include "vault/PasswordVault.h"

#include <gtest/gtest.h>

namespace {

class DeliveryTest : public ::testing::Test {
protected:
    DeliveryTest() { desktop = &env.sim().desktop(); }

    PasswordEntry store(int passwords)
    {
        PasswordEntry entry;
        entry.label = QStringLiteral("Mail");
        for (int i = 0; i < passwords; ++i)
            entry.variants.append(PasswordVariant {});
        PasswordEntry empty;
        empty.label = QStringLiteral("Empty");
        env.defaults().setValue(PasswordVault::storageKey, PasswordEntry::encodeList({ entry, empty }));
        emptyId = empty.id;
        return entry;
    }

    TestSupport::SimEnvironment env;
    SimDesktop* desktop = nullptr;
    QUuid emptyId;
};

TEST_F(DeliveryTest, ChosenPasswordIsTheCardOrTheAccountsFirst)
{
    const PasswordEntry mail = store(3);
    EXPECT_EQ(
        PasswordDelivery::chooseVariant(PasswordVault(env.platform()), mail.id, std::nullopt), mail.variants[0].id);
    EXPECT_EQ(PasswordDelivery::chooseVariant(PasswordVault(env.platform()), mail.id, mail.variants[2].id),
        mail.variants[2].id);
    EXPECT_FALSE(PasswordDelivery::chooseVariant(PasswordVault(env.platform()), emptyId, std::nullopt)
                     .has_value()); // no passwords
    EXPECT_FALSE(
        PasswordDelivery::chooseVariant(PasswordVault(env.platform()), QUuid::createUuid(), std::nullopt).has_value());
    // A card left selected from another account never releases that account's password.
    EXPECT_FALSE(
        PasswordDelivery::chooseVariant(PasswordVault(env.platform()), emptyId, mail.variants[2].id).has_value());
}

TEST_F(DeliveryTest, TheChosenCardGoesIntoTheFieldOfTheChoiceOrBeeps)
{
    auto* keyring = &env.sim().secretStore();
    auto* presence = &env.sim().presenceCheck();
    auto* focus = &env.sim().focusedText();
    auto* keys = &env.sim().syntheticKeys();
    PasswordAuth::setConversationFactory([] { return nullptr; });
    PasswordAuth::lock();
    int suspended = 0;
    PasswordDelivery delivery(
        PasswordVault(env.platform()), *focus, *keys, env.platform().scheduler(), env.platform().workspace(), [&] {
            ++suspended;
            return std::function<void()>([&, done = std::make_shared<bool>(false)] {
                if (!*done)
                    --suspended;
                *done = true;
            });
        });

    const PasswordEntry mail = store(2);
    keyring->items[PasswordVault::keyringAccount(mail.variants[0].id)] = "first";
    keyring->items[PasswordVault::keyringAccount(mail.variants[1].id)] = "second";

    focus->fields[1] = { true, 10, {} };
    focus->fields[2] = { true, 20, {} };
    focus->focused = 1;
    delivery.choose(mail.id, mail.variants[1].id);
    EXPECT_EQ(suspended, 1) << "no hotkey fires while the check runs";
    env.scheduler().runPending();
    focus->focused = 2; // the focus moves before the delivery
    EXPECT_EQ(suspended, 0);
    EXPECT_TRUE(focus->fields[1].text.isEmpty()) << "delivered 0.15 s after the release";
    env.scheduler().advance(PasswordVault::deliveryDelay);
    EXPECT_EQ(focus->fields[1].text, QByteArray("second"));
    EXPECT_TRUE(focus->fields[2].text.isEmpty());
    EXPECT_EQ(desktop->beeps, 0);

    // A refused check: a beep, the hotkeys back on, nothing delivered.
    PasswordAuth::lock();
    presence->outcome = PresenceCheck::Outcome::Refused;
    delivery.choose(mail.id, std::nullopt);
    env.scheduler().advance(1);
    EXPECT_EQ(desktop->beeps, 1);
    EXPECT_EQ(suspended, 0);
    EXPECT_TRUE(focus->fields[2].text.isEmpty());

    // An account without passwords: a beep at once, the hotkeys on again.
    delivery.choose(emptyId, std::nullopt);
    EXPECT_EQ(desktop->beeps, 2);
    EXPECT_EQ(suspended, 0);

    PasswordAuth::setConversationFactory(nullptr);
}

}
