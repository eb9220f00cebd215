// The keyring backend against the session's real Secret Service (run inside
// the headless test session, which has an unlocked gnome-keyring).

#include "platform/SecretStore.h"
#include "support/TracedSecret.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

std::shared_ptr<SecretStore> makeSecretServiceStore();

namespace {
bool inTestSession()
{
    return qEnvironmentVariableIsSet("KELVARO_SESSION_DIR") && qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS");
}

QString secretTool(const QStringList& args, const QByteArray& input = {})
{
    QProcess p;
    p.start(QStringLiteral("secret-tool"), args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput()) + QString::fromUtf8(p.readAllStandardError());
}

template <typename T> T wait(std::function<void(std::function<void(T)>)> start)
{
    std::optional<T> result;
    start([&](T value) { result = value; });
    QDeadlineTimer deadline(10000);
    while (!result && !deadline.hasExpired())
        QTest::qWait(10);
    EXPECT_TRUE(result.has_value()) << "the keyring never answered";
    return result.value_or(T {});
}
}

TEST(SecretServiceStoreTest, StoreReplacesEveryItemOfTheAccountAndLookupFindsTheNewSecret)
{
    if (!inTestSession())
        GTEST_SKIP() << "not inside the test session";
    auto store = makeSecretServiceStore();
    const QString account = QStringLiteral("0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0");
    const QStringList where { QStringLiteral("service"), QStringLiteral("com.morvanix.kelvaro.passwords"),
        QStringLiteral("account"), account };
    // An item seeded by a script, without our schema.
    secretTool(QStringList { QStringLiteral("store"), QStringLiteral("--label=seeded") } + where, "old secret");

    const bool stored = wait<bool>([&](auto done) {
        store->store(
            account, QStringLiteral("Kelvaro: Mail \u2013 Main"), SecretText::fromUtf8("new secret"), nullptr, done);
    });
    EXPECT_TRUE(stored);
    const bool storedAgain = wait<bool>([&](auto done) {
        store->store(
            account, QStringLiteral("Kelvaro: Mail \u2013 Main"), SecretText::fromUtf8("newer secret"), nullptr, done);
    });
    EXPECT_TRUE(storedAgain);
    const QString items = secretTool(QStringList { QStringLiteral("search"), QStringLiteral("--all") } + where);
    EXPECT_EQ(items.count(QStringLiteral("secret = ")), 1) << items.toStdString();
    EXPECT_TRUE(items.contains(QStringLiteral("label = Kelvaro: Mail \u2013 Main"))) << items.toStdString();

    auto found = wait<std::shared_ptr<const SecretText>>([&](auto done) { store->lookup(account, nullptr, done); });
    ASSERT_TRUE(found);
    EXPECT_EQ(found->bytes(), QByteArray("newer secret"));
    EXPECT_EQ(secretTool(QStringList { QStringLiteral("lookup") } + where), QStringLiteral("newer secret"));

    EXPECT_TRUE(wait<bool>([&](auto done) { store->remove(account, nullptr, done); }));
    EXPECT_FALSE(wait<std::shared_ptr<const SecretText>>([&](auto done) { store->lookup(account, nullptr, done); }));
}

// A secret read from the keyring is handed over in one buffer: once that is
// let go, no copy of it is left in the process (the library's own transfer
// is encrypted, and its secure memory wiped).
TEST(SecretServiceStoreTest, ASecretReadLeavesNoCopyBehind)
{
    if (!inTestSession())
        GTEST_SKIP() << "not inside the test session";
    auto store = makeSecretServiceStore();
    const QString account = QStringLiteral("1F2E3D4C-5B6A-7988-97A6-B5C4D3E2F101");
    TracedSecret password;
    EXPECT_TRUE(wait<bool>(
        [&](auto done) { store->store(account, QStringLiteral("Kelvaro: traced"), password.make(), nullptr, done); }));
    auto found = wait<std::shared_ptr<const SecretText>>([&](auto done) { store->lookup(account, nullptr, done); });
    ASSERT_TRUE(found);
    EXPECT_TRUE(password.matches(found->bytes()));
    found.reset();
    EXPECT_COPIES_IN_MEMORY(password, 0, 0);
    EXPECT_TRUE(wait<bool>([&](auto done) { store->remove(account, nullptr, done); }));
}
