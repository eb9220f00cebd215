// What the rings read of the vault: the stored accounts, their ring items and
// the passwords an account fans out on the outer arc. Reading never writes.

#include "support/TestSupport.h"
#include "vault/PasswordVault.h"

#include <gtest/gtest.h>

namespace {
PasswordEntry account(const QString& label, int passwords)
{
    PasswordEntry e;
    e.label = label;
    e.account = QStringLiteral("me@example.org");
    for (int i = 0; i < passwords; ++i) {
        PasswordVariant v;
        v.label = QStringLiteral("%1 #%2").arg(label).arg(i);
        v.hint = QStringLiteral("hint");
        e.variants.append(v);
    }
    return e;
}

class VaultTest : public ::testing::Test {
protected:
    void store(const QVariant& value)
    {
        env.defaults().setValue(PasswordVault::storageKey, value);
        env.defaults().resetWriteCount();
    }
    TestSupport::SimEnvironment env;
};

TEST_F(VaultTest, StoredFormKeepsKeyOrderAndRoundTrips)
{
    PasswordEntry e = account(QStringLiteral("Mail"), 1);
    e.id = QUuid(QStringLiteral("{6f1c2d3e-4b5a-4c7d-8e9f-0a1b2c3d4e5f}"));
    e.variants[0].id = QUuid(QStringLiteral("{00000000-1111-2222-3333-44444444abcd}"));
    e.variants[0].icon = QStringLiteral("custom_icon_x.png");
    const QByteArray json = PasswordEntry::encodeList({ e });
    EXPECT_EQ(json,
        QByteArray(
            R"([{"id":"6F1C2D3E-4B5A-4C7D-8E9F-0A1B2C3D4E5F","label":"Mail","account":"me@example.org","icon":"key.fill",)"
            R"("variants":[{"id":"00000000-1111-2222-3333-44444444ABCD","label":"Mail #0","icon":"custom_icon_x.png","hint":"hint"}]}])"));
    const auto back = PasswordEntry::decodeList(json);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, QList<PasswordEntry> { e });
}

TEST_F(VaultTest, AbsentOrUndecodableStoreReadsEmptyAndIsNeverWritten)
{
    EXPECT_TRUE(PasswordVault(env.platform()).entries().isEmpty());
    EXPECT_TRUE(PasswordVault(env.platform()).ringItems().isEmpty());

    const QByteArray good = PasswordEntry::encodeList({ account(QStringLiteral("Mail"), 2) });
    const QList<QVariant> bad {
        QByteArray("not json"),
        QByteArray("{}"), // not a list
        QByteArray(
            R"([{"id":"6F1C2D3E-4B5A-4C7D-8E9F-0A1B2C3D4E5F","label":"Mail","icon":"key.fill","variants":[]}])"), // no
                                                                                                                  // "account"
        QByteArray(R"([{"id":"6F1C2D3E","label":"Mail","account":"","icon":"key.fill","variants":[]}])"), // short UUID
        QByteArray(
            R"([{"id":"{6F1C2D3E-4B5A-4C7D-8E9F-0A1B2C3D4E5F}","label":"Mail","account":"","icon":"key.fill","variants":[]}])"),
        QByteArray(
            R"([{"id":"6F1C2D3E-4B5A-4C7D-8E9F-0A1B2C3D4E5F","label":7,"account":"","icon":"key.fill","variants":[]}])"),
        QByteArray(
            R"([{"id":"6F1C2D3E-4B5A-4C7D-8E9F-0A1B2C3D4E5F","label":"M","account":"","icon":"key.fill","variants":[{"id":"6F1C2D3E-4B5A-4C7D-8E9F-0A1B2C3D4E5F","label":"","icon":"k"}]}])"), // variant without "hint"
        QString::fromUtf8(good), // text, not data
        good.left(good.size() - 3), // cut short
    };
    for (const QVariant& value : bad) {
        store(value);
        EXPECT_TRUE(PasswordVault(env.platform()).entries().isEmpty()) << value.toString().toStdString();
        EXPECT_TRUE(PasswordVault(env.platform()).ringItems().isEmpty());
        EXPECT_EQ(env.defaults().writeCount(), 0);
        EXPECT_EQ(*env.defaults().value(PasswordVault::storageKey), value);
    }
    EXPECT_FALSE(env.logLines().isEmpty());

    // Lower-case UUIDs and unknown keys are accepted.
    store(QByteArray(
        R"([{"id":"6f1c2d3e-4b5a-4c7d-8e9f-0a1b2c3d4e5f","label":"M","account":"","icon":"key.fill","variants":[],"extra":1}])"));
    EXPECT_EQ(PasswordVault(env.platform()).entries().size(), 1);
}

TEST_F(VaultTest, RingItemsStandForAccountsInStoredOrder)
{
    PasswordEntry mail = account(QStringLiteral("Mail"), 2);
    PasswordEntry bank = account(QStringLiteral("Bank"), 0);
    bank.icon = QStringLiteral("building.columns");
    store(PasswordEntry::encodeList({ mail, bank }));

    const QList<AppShortcut> items = PasswordVault(env.platform()).ringItems();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].id, mail.id);
    EXPECT_EQ(items[0].name, QStringLiteral("Mail"));
    EXPECT_EQ(items[0].icon, QStringLiteral("key.fill"));
    EXPECT_EQ(items[1].id, bank.id);
    EXPECT_EQ(items[1].icon, QStringLiteral("building.columns"));
    for (const auto& item : items) {
        EXPECT_TRUE(item.shortcut.isEmpty());
        EXPECT_EQ(item.bundleIdentifier, AppShortcut::passwordMarker);
        EXPECT_EQ(item.kind, RingItemKind::password);
        EXPECT_FALSE(item.textSnippet.has_value());
        EXPECT_FALSE(item.url.has_value());
    }
    EXPECT_EQ(env.defaults().writeCount(), 0);
}

TEST_F(VaultTest, ArcVariantsOnlyForAccountsWithTwoOrMorePasswords)
{
    PasswordEntry two = account(QStringLiteral("Two"), 2);
    PasswordEntry one = account(QStringLiteral("One"), 1);
    PasswordEntry shadow = account(QStringLiteral("Shadow"), 3);
    shadow.id = one.id; // a later account with the same id is never consulted
    store(PasswordEntry::encodeList({ two, one, shadow }));

    EXPECT_EQ(PasswordVault(env.platform()).arcVariants(two.id), two.variants);
    EXPECT_TRUE(PasswordVault(env.platform()).arcVariants(one.id).isEmpty());
    EXPECT_TRUE(PasswordVault(env.platform()).arcVariants(QUuid::createUuid()).isEmpty());
    store(QByteArray("garbage"));
    EXPECT_TRUE(PasswordVault(env.platform()).arcVariants(two.id).isEmpty());
}
}
