// Shortcut records, their stored form, the per-application storage and the
// recovery of stored lists that cannot be read in full.

#include "core/AppShortcut.h"
#include "core/CustomIcons.h"
#include "core/ShortcutStorage.h"
#include "core/StoredListRecovery.h"
#include "support/TestSupport.h"

#include <QSignalSpy>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {
const QUuid kId1 = QUuid::fromString(QStringLiteral("6F0E2B1C-3A4D-4E5F-8A9B-0C1D2E3F4A5B"));

AppShortcut item(const QString& app, const QString& name)
{
    return AppShortcut(name, QStringLiteral("star"), QStringLiteral("⌘K"), app);
}

class ShortcutStorageTest : public ::testing::Test {
protected:
    QByteArray stored() { return env.defaults().value(ShortcutStorage::key).value_or(QVariant()).toByteArray(); }
    TestSupport::SimEnvironment env;
};
}

TEST(AppShortcutJson, WritesKeysInOrderAndLeavesOutAbsentParts)
{
    AppShortcut s(QStringLiteral("Päste \"x\""), QStringLiteral("doc"), QStringLiteral("⇧⌘V"), QStringLiteral("com.a"));
    s.id = kId1;
    EXPECT_EQ(s.toJson(),
        QByteArrayLiteral(
            "{\"id\":\"6F0E2B1C-3A4D-4E5F-8A9B-0C1D2E3F4A5B\",\"name\":\"P\xC3\xA4ste \\\"x\\\"\",\"icon\":\"doc\","
            "\"shortcut\":\"\xE2\x87\xA7\xE2\x8C\x98V\",\"bundleIdentifier\":\"com.a\"}"));
    s.textSnippet = QStringLiteral("hi");
    s.url = QStringLiteral("https://example.org/a");
    EXPECT_TRUE(s.toJson().endsWith(QByteArrayLiteral(
        ",\"bundleIdentifier\":\"com.a\",\"textSnippet\":\"hi\",\"url\":\"https://example.org/a\"}")));
    s.textSnippet.reset();
    EXPECT_TRUE(s.toJson().endsWith(QByteArrayLiteral("\"com.a\",\"url\":\"https://example.org/a\"}")));
}

TEST(AppShortcutJson, DecodesOptionalPartsAndRefusesBadRecords)
{
    const QByteArray base
        = "\"id\":\"6f0e2b1c-3a4d-4e5f-8a9b-0c1d2e3f4a5b\",\"name\":\"n\",\"icon\":\"i\",\"shortcut\":\"\","
          "\"bundleIdentifier\":\"com.a\"";
    auto plain = AppShortcut::fromJson("{" + base + "}");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->id, kId1);
    EXPECT_FALSE(plain->textSnippet);
    EXPECT_FALSE(plain->url);
    EXPECT_FALSE(plain->toJson().contains("textSnippet"));
    EXPECT_TRUE(plain->toJson().startsWith("{\"id\":\"6F0E2B1C-")); // written upper-case

    auto withNull = AppShortcut::fromJson("{" + base + ",\"textSnippet\":null,\"url\":\"u\",\"other\":1}");
    ASSERT_TRUE(withNull);
    EXPECT_FALSE(withNull->textSnippet);
    EXPECT_EQ(withNull->url, QStringLiteral("u"));

    QString error;
    EXPECT_FALSE(AppShortcut::fromJson("{" + base + ",\"url\":5}", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("url")));
    QByteArray noShortcut = "{" + base + "}";
    noShortcut.replace("\"shortcut\":\"\",", "");
    EXPECT_FALSE(AppShortcut::fromJson(noShortcut, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("shortcut")));
    QByteArray numberName = "{" + base + "}";
    numberName.replace("\"name\":\"n\"", "\"name\":3");
    EXPECT_FALSE(AppShortcut::fromJson(numberName));
    for (const char* badId : { "not-a-uuid", "{6F0E2B1C-3A4D-4E5F-8A9B-0C1D2E3F4A5B}",
             "6F0E2B1C3A4D4E5F8A9B0C1D2E3F4A5B", "6F0E2B1C-3A4D-4E5F-8A9B-0C1D2E3F4A5B\n", "" }) {
        QByteArray json = "{" + base + "}";
        json.replace("6f0e2b1c-3a4d-4e5f-8a9b-0c1d2e3f4a5b", badId);
        EXPECT_FALSE(AppShortcut::fromJson(json)) << badId;
    }
}

TEST_F(ShortcutStorageTest, MovesSwapWithinBoundsOnly)
{
    ShortcutStorage storage(env.defaults());
    const auto a = item(QStringLiteral("com.x"), QStringLiteral("a"));
    const auto b = item(QStringLiteral("com.x"), QStringLiteral("b"));
    const auto c = item(QStringLiteral("com.x"), QStringLiteral("c"));
    storage.addShortcut(a);
    storage.addShortcut(b);
    storage.addShortcut(c);
    const QByteArray before = stored();
    env.defaults().resetWriteCount();

    EXPECT_FALSE(storage.moveShortcut(a, -1));
    EXPECT_FALSE(storage.moveShortcut(c, +1));
    EXPECT_FALSE(storage.moveShortcut(item(QStringLiteral("com.x"), QStringLiteral("stranger")), 1));
    EXPECT_FALSE(storage.moveShortcut(item(QStringLiteral("com.none"), QStringLiteral("a")), 0));
    EXPECT_EQ(env.defaults().writeCount(), 0);
    EXPECT_EQ(stored(), before);

    const auto moved = storage.moveShortcut(a, +2);
    ASSERT_TRUE(moved);
    ASSERT_EQ(moved->size(), 3);
    EXPECT_EQ(moved->at(0).name, QStringLiteral("c"));
    EXPECT_EQ(moved->at(1).name, QStringLiteral("b"));
    EXPECT_EQ(moved->at(2).name, QStringLiteral("a"));
    EXPECT_EQ(env.defaults().writeCount(), 1);
}

TEST_F(ShortcutStorageTest, ListsUpdatesAndRemovals)
{
    ShortcutStorage storage(env.defaults());
    QSignalSpy changed(&storage, &ShortcutStorage::shortcutsChanged);
    auto first = item(QStringLiteral("com.b"), QStringLiteral("b1"));
    storage.addShortcut(first);
    storage.addShortcut(item(QStringLiteral("com.a"), QStringLiteral("a1")));
    storage.addShortcut(first); // the same id twice
    EXPECT_EQ(changed.count(), 3);

    const auto all = storage.getAllShortcuts();
    ASSERT_EQ(all.size(), 3);
    EXPECT_EQ(all.at(0).name, QStringLiteral("a1"));

    auto renamed = first;
    renamed.name = QStringLiteral("renamed");
    storage.updateShortcut(renamed);
    EXPECT_EQ(storage.getShortcuts(QStringLiteral("com.b")).at(0).name, QStringLiteral("renamed"));
    EXPECT_EQ(storage.getShortcuts(QStringLiteral("com.b")).at(1).name, QStringLiteral("b1"));

    // Unknown application or id: nothing changes and nothing is written.
    env.defaults().resetWriteCount();
    auto elsewhere = renamed;
    elsewhere.bundleIdentifier = QStringLiteral("com.none");
    storage.updateShortcut(elsewhere);
    storage.removeShortcut(elsewhere);
    storage.updateShortcut(item(QStringLiteral("com.b"), QStringLiteral("new")));
    EXPECT_EQ(env.defaults().writeCount(), 0);

    storage.removeShortcut(first);
    EXPECT_TRUE(storage.getShortcuts(QStringLiteral("com.b")).isEmpty());
    EXPECT_TRUE(stored().contains("\"com.b\":[]"));
    EXPECT_EQ(storage.bundleIdentifiers(), (QStringList { QStringLiteral("com.a"), QStringLiteral("com.b") }));

    storage.removeApp(QStringLiteral("com.b"));
    EXPECT_FALSE(stored().contains("com.b"));
    EXPECT_TRUE(storage.getShortcuts(QStringLiteral("com.b")).isEmpty());

    // What was written loads back the same.
    ShortcutStorage again(env.defaults());
    again.load();
    ASSERT_EQ(again.getAllShortcuts().size(), 1);
    EXPECT_EQ(again.getAllShortcuts().at(0).toJson(), storage.getAllShortcuts().at(0).toJson());
}

TEST_F(ShortcutStorageTest, OneBadItemKeepsTheOthersAndTheStoredValue)
{
    const QByteArray document
        = "{\"com.a\":[{\"id\":\"6F0E2B1C-3A4D-4E5F-8A9B-0C1D2E3F4A5B\",\"name\":\"good\",\"icon\":\"i\",\"shortcut\":"
          "\"\xE2\x8C\x98K\","
          "\"bundleIdentifier\":\"com.a\"},{\"id\":\"00000000-0000-0000-0000-000000000001\",\"name\":\"no "
          "shortcut\",\"icon\":\"i\","
          "\"bundleIdentifier\":\"com.a\"}],\"com.b\":[{\"id\":\"00000000-0000-0000-0000-000000000002\",\"name\":\"b\","
          "\"icon\":\"i\","
          "\"shortcut\":\"\",\"bundleIdentifier\":\"com.b\",\"url\":\"https://b.example\"}],\"com.c\":\"oops\"}";
    env.defaults().setValue(ShortcutStorage::key, document);
    env.defaults().resetWriteCount();

    ShortcutStorage storage(env.defaults());
    storage.load();
    ASSERT_EQ(storage.getShortcuts(QStringLiteral("com.a")).size(), 1);
    EXPECT_EQ(storage.getShortcuts(QStringLiteral("com.a")).at(0).name, QStringLiteral("good"));
    ASSERT_EQ(storage.getShortcuts(QStringLiteral("com.b")).size(), 1);
    EXPECT_EQ(storage.getShortcuts(QStringLiteral("com.b")).at(0).url, QStringLiteral("https://b.example"));

    // Each skipped entry is reported; the stored value is kept aside and the
    // key itself is left alone until the next change.
    int skippedLines = 0;
    for (const QString& line : env.logLines()) {
        EXPECT_TRUE(line.startsWith(QStringLiteral("Kelvaro: "))) << line.toStdString();
        if (line.contains(QStringLiteral("skipped")))
            ++skippedLines;
    }
    EXPECT_EQ(skippedLines, 2);
    const QStringList backups = StoredListRecovery::backupKeys(ShortcutStorage::key, env.defaults());
    ASSERT_EQ(backups.size(), 1);
    EXPECT_EQ(env.defaults().value(backups.first())->toByteArray(), document);
    EXPECT_EQ(stored(), document);

    // Loading the same unreadable value again keeps no second copy.
    ShortcutStorage again(env.defaults());
    again.load();
    EXPECT_EQ(StoredListRecovery::backupKeys(ShortcutStorage::key, env.defaults()).size(), 1);

    // The next change writes what could be read; the backup stays.
    storage.addShortcut(item(QStringLiteral("com.a"), QStringLiteral("added")));
    EXPECT_EQ(storage.getShortcuts(QStringLiteral("com.a")).size(), 2);
    EXPECT_TRUE(stored().contains("\"good\""));
    EXPECT_TRUE(stored().contains("\"com.b\""));
    EXPECT_EQ(env.defaults().value(backups.first())->toByteArray(), document);
}

TEST(ShortcutStorageRecovery, UnreadableWholeValuesAreKeptAside)
{
    for (const QVariant& bad : { QVariant(QByteArrayLiteral("not json {")), QVariant(QByteArrayLiteral("[1,2]")),
             QVariant(QStringLiteral("{\"com.a\":[]}")), QVariant(qint64(7)) }) {
        TestSupport::SimEnvironment fresh;
        fresh.defaults().setValue(ShortcutStorage::key, bad);
        ShortcutStorage storage(fresh.defaults());
        storage.load();
        EXPECT_TRUE(storage.getAllShortcuts().isEmpty());
        const QStringList backups = StoredListRecovery::backupKeys(ShortcutStorage::key, fresh.defaults());
        ASSERT_EQ(backups.size(), 1) << bad.toString().toStdString();
        EXPECT_EQ(*fresh.defaults().value(backups.first()), bad);
        EXPECT_TRUE(backups.first().startsWith(QStringLiteral("AppShortcutsPerApp.unreadable-")));
        ASSERT_FALSE(fresh.logLines().isEmpty());
        EXPECT_TRUE(fresh.logLines().last().startsWith(QStringLiteral("Kelvaro: could not read")));
    }
}

TEST_F(ShortcutStorageTest, RecoveryOfArraysAndDistinctBackups)
{
    auto decode = [](const nlohmann::json& v, QString* error) -> std::optional<int> {
        if (!v.is_number_integer()) {
            *error = QStringLiteral("not a number");
            return std::nullopt;
        }
        return v.get<int>();
    };
    const QString key = QStringLiteral("numbers");
    EXPECT_TRUE(
        StoredListRecovery::loadArray<int>(key, env.defaults(), QStringLiteral("number"), decode).items.isEmpty());

    env.defaults().setValue(key, QByteArrayLiteral("[1,\"two\",3]"));
    auto loaded = StoredListRecovery::loadArray<int>(key, env.defaults(), QStringLiteral("number"), decode);
    EXPECT_EQ(loaded.items, (QList<int> { 1, 3 }));
    EXPECT_EQ(loaded.skipped, 1);
    EXPECT_FALSE(loaded.unreadable);
    EXPECT_EQ(env.defaults().value(loaded.backupKey)->toByteArray(), QByteArrayLiteral("[1,\"two\",3]"));

    // A different unreadable value at the same moment gets a key of its own.
    env.defaults().setValue(key, QByteArrayLiteral("{}"));
    auto whole = StoredListRecovery::loadArray<int>(key, env.defaults(), QStringLiteral("number"), decode);
    EXPECT_TRUE(whole.unreadable);
    EXPECT_NE(whole.backupKey, loaded.backupKey);
    EXPECT_EQ(StoredListRecovery::backupKeys(key, env.defaults()).size(), 2);
    EXPECT_EQ(env.defaults().value(loaded.backupKey)->toByteArray(), QByteArrayLiteral("[1,\"two\",3]"));
}

TEST(CustomIconsTest, NamesAndSafeFiles)
{
    const QString name = CustomIcons::importedIconName();
    EXPECT_EQ(name.size(), 52);
    EXPECT_TRUE(name.startsWith(QStringLiteral("custom_icon_")));
    EXPECT_TRUE(name.endsWith(QStringLiteral(".png")));
    EXPECT_EQ(name.mid(12, 36), name.mid(12, 36).toUpper());
    EXPECT_EQ(CustomIcons::faviconName(QStringLiteral("a.b.c")), QStringLiteral("custom_icon_favicon_a_b_c.png"));

    EXPECT_TRUE(CustomIcons::isSafeName(name));
    EXPECT_TRUE(CustomIcons::isSafeName(QStringLiteral("custom_icon_favicon_a_b_c.png")));
    EXPECT_TRUE(CustomIcons::isSafeName(QStringLiteral("custom_icon_ABC-1")));
    for (const char* bad :
        { "custom_icon_", "custom_icon_../../x.png", "custom_icon_a/b.png", "custom_icon_a..png", "custom_icon_a b.png",
            "custom_icon_\xC3\xA4.png", "/tmp/custom_icon_a.png", "star.fill", "custom_icon_a\n" }) {
        EXPECT_FALSE(CustomIcons::isSafeName(QString::fromUtf8(bad))) << bad;
        EXPECT_FALSE(CustomIcons::filePath(QString::fromUtf8(bad))) << bad;
    }
    EXPECT_TRUE(CustomIcons::isCustomIconName(QStringLiteral("custom_icon_a/b")));
    EXPECT_FALSE(CustomIcons::isCustomIconName(QStringLiteral("star")));
    EXPECT_EQ(CustomIcons::filePath(name),
        qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Kelvaro/CustomIcons/") + name);
}
