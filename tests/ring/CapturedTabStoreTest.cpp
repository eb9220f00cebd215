#include "support/TestSupport.h"

#include "core/AppShortcut.h"
#include "core/StoredListRecovery.h"
#include "platform/Log.h"
#include "platform/linux/FileDefaultsStore.h"
#include "ring/CapturedTabStore.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimeZone>
#include <algorithm>
#include <gtest/gtest.h>
#include <cstdlib>
#include <ctime>

namespace {

BrowserTabs::Tab tab(const QString& host, std::optional<QString> icon = std::nullopt)
{
    return { host.toUpper(), QStringLiteral("https://%1/").arg(host), std::move(icon), QStringLiteral("Chrome") };
}

QByteArray tabsJson(int n)
{
    auto list = nlohmann::ordered_json::array();
    for (int i = 0; i < n; ++i)
        list.push_back(tab(QStringLiteral("t%1.example").arg(i)).toJson());
    return QByteArray::fromStdString(list.dump());
}

class CapturedTabStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("TZ", "UTC");
        tzset();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
    TestSupport::SimEnvironment env;
    CapturedTabStore store { env.platform() };
};

TEST_F(CapturedTabStoreTest, LegacyListMigratesOnceIntoAnActiveSession)
{
    env.defaults().setValue(CapturedTabStore::legacyTabsKey, tabsJson(5));
    const auto sessions = store.sessions();
    ASSERT_EQ(sessions.size(), 1);
    EXPECT_EQ(sessions[0].name, QStringLiteral("Saved earlier"));
    EXPECT_EQ(sessions[0].tabs.size(), 5);
    EXPECT_FALSE(env.defaults().contains(CapturedTabStore::legacyTabsKey));
    EXPECT_EQ(store.activeID(), sessions[0].id);
    EXPECT_EQ(store.sessions(), sessions); // stored, not migrated again
}

TEST_F(CapturedTabStoreTest, EmptyOrBrokenLegacyListChangesNothing)
{
    env.defaults().setValue(CapturedTabStore::legacyTabsKey, QByteArray("[]"));
    EXPECT_TRUE(store.sessions().isEmpty());
    EXPECT_TRUE(env.defaults().contains(CapturedTabStore::legacyTabsKey));
    env.defaults().setValue(CapturedTabStore::legacyTabsKey, QByteArray("[{\"title\":1}]"));
    EXPECT_TRUE(store.sessions().isEmpty());
    EXPECT_FALSE(env.defaults().contains(CapturedTabStore::sessionsKey));

    // An empty stored session list does not migrate.
    env.defaults().setValue(CapturedTabStore::legacyTabsKey, tabsJson(2));
    env.defaults().setValue(CapturedTabStore::sessionsKey, QByteArray("[]"));
    EXPECT_TRUE(store.sessions().isEmpty());
    EXPECT_TRUE(env.defaults().contains(CapturedTabStore::legacyTabsKey));
}

TEST_F(CapturedTabStoreTest, AddNamesByDateAndBecomesActive)
{
    // The virtual wall clock starts at 1 January 2026 12:00 UTC.
    env.scheduler().shiftWallClock(
        double(env.scheduler().wallClock().secsTo(QDateTime(QDate(2026, 3, 3), QTime(9, 5), QTimeZone::utc()))));
    const auto session = store.add({ tab(QStringLiteral("a.example")) });
    EXPECT_EQ(session.name, QStringLiteral("3 Mar, 09:05"));
    EXPECT_EQ(store.activeID(), session.id);
    EXPECT_EQ(env.defaults().value(CapturedTabStore::activeSessionKey)->toString(),
        session.id.toString(QUuid::WithoutBraces).toUpper());
    EXPECT_EQ(session.capturedDate(), env.scheduler().wallClock());

    const QByteArray stored = env.defaults().value(CapturedTabStore::sessionsKey)->toByteArray();
    EXPECT_TRUE(stored.startsWith("[{\"id\":\"")) << stored.constData();
    EXPECT_TRUE(stored.contains("\",\"name\":\"3 Mar, 09:05\",\"capturedAt\":794221500")) << stored.constData();
    EXPECT_EQ(store.sessions(), QList<CapturedSession> { session });
}

TEST_F(CapturedTabStoreTest, DeleteMovesTheActiveSessionAndActiveFallsBack)
{
    const auto a = store.add({ tab(QStringLiteral("a.example")) });
    const auto b = store.add({ tab(QStringLiteral("b.example")) });
    const auto c = store.add({});
    store.setActiveID(b.id);

    store.remove(a.id);
    EXPECT_EQ(store.activeID(), b.id);
    store.remove(b.id);
    EXPECT_EQ(store.activeID(), c.id);

    // A stale or malformed active id falls back to the last session without rewriting it.
    env.defaults().setValue(CapturedTabStore::activeSessionKey, QStringLiteral("not-a-uuid"));
    EXPECT_EQ(store.active()->id, c.id);
    store.remove(QUuid::createUuid()); // unknown: rewrites the list, leaves the key
    EXPECT_EQ(env.defaults().value(CapturedTabStore::activeSessionKey)->toString(), QStringLiteral("not-a-uuid"));

    store.setActiveID(c.id);
    store.remove(c.id);
    EXPECT_FALSE(env.defaults().contains(CapturedTabStore::activeSessionKey));
    EXPECT_FALSE(store.active());
}

TEST_F(CapturedTabStoreTest, UpdateReplacesInPlaceAndIgnoresUnknownIds)
{
    auto first = store.add({ tab(QStringLiteral("a.example")), tab(QStringLiteral("b.example")) });
    const auto second = store.add({});
    first.name = QStringLiteral("Renamed");
    first.tabs.removeFirst();
    store.update(first);
    EXPECT_EQ(store.sessions(), (QList<CapturedSession> { first, second }));
    EXPECT_EQ(store.activeID(), second.id);

    CapturedSession stranger = first;
    stranger.id = QUuid::createUuid();
    store.update(stranger);
    EXPECT_EQ(store.sessions().size(), 2);
}

TEST_F(CapturedTabStoreTest, RingItemsCarryTabsWithFreshIds)
{
    EXPECT_TRUE(store.ringItems().isEmpty());
    store.add({ tab(QStringLiteral("a.b.c"), QStringLiteral("custom_icon_favicon_a_b_c.png")),
        tab(QStringLiteral("plain.example")) });
    const auto items = store.ringItems();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].icon, QStringLiteral("custom_icon_favicon_a_b_c.png"));
    EXPECT_EQ(items[0].shortcut, QStringLiteral("https://a.b.c/"));
    EXPECT_EQ(items[0].name, QStringLiteral("A.B.C"));
    EXPECT_EQ(items[0].bundleIdentifier, QStringLiteral("com.morvanix.kelvaro.tabs"));
    EXPECT_EQ(items[0].kind, RingItemKind::tab);
    EXPECT_FALSE(items[0].textSnippet);
    EXPECT_FALSE(items[0].url);
    EXPECT_EQ(items[1].icon, QStringLiteral("safari"));
    EXPECT_NE(store.ringItems()[0].id, items[0].id);

    store.add({});
    EXPECT_TRUE(store.ringItems().isEmpty()); // the newest (active) session has no tabs
}

TEST_F(CapturedTabStoreTest, OneBadSessionKeepsTheOthersAndTheStoredValueIsBackedUp)
{
    const auto good = store.add({ tab(QStringLiteral("a.example")) });
    QByteArray stored = env.defaults().value(CapturedTabStore::sessionsKey)->toByteArray();
    stored.chop(1);
    stored += ",{\"id\":\"6F1B0C57-0000-4000-8000-000000000001\",\"name\":\"no date\",\"tabs\":[]}]";
    env.defaults().setValue(CapturedTabStore::sessionsKey, stored);

    EXPECT_EQ(store.sessions(), QList<CapturedSession> { good });
    store.add({ tab(QStringLiteral("b.example")) });
    EXPECT_EQ(store.sessions().size(), 2);
    const QStringList backups = StoredListRecovery::backupKeys(CapturedTabStore::sessionsKey, env.defaults());
    ASSERT_EQ(backups.size(), 1);
    EXPECT_EQ(env.defaults().value(backups[0])->toByteArray(), stored);

    // Garbage is kept aside too before anything replaces it.
    env.defaults().setValue(CapturedTabStore::sessionsKey, QByteArray("{not json"));
    EXPECT_TRUE(store.sessions().isEmpty());
    store.add({});
    EXPECT_EQ(StoredListRecovery::backupKeys(CapturedTabStore::sessionsKey, env.defaults()).size(), 2);
}

TEST_F(CapturedTabStoreTest, StoredIconNamesThatCouldEscapeTheFolderAreDropped)
{
    const auto session = store.add({ tab(QStringLiteral("a.example"), QStringLiteral("custom_icon_favicon_a.png")) });
    QByteArray stored = env.defaults().value(CapturedTabStore::sessionsKey)->toByteArray();
    for (const char* bad : { "../../.ssh/id_rsa", "custom_icon_/etc/passwd.png", "custom_icon_x.svg", "/tmp/x.png" }) {
        QByteArray edited = stored;
        edited.replace("custom_icon_favicon_a.png", bad);
        env.defaults().setValue(CapturedTabStore::sessionsKey, edited);
        const auto read = store.sessions();
        ASSERT_EQ(read.size(), 1) << bad;
        EXPECT_FALSE(read[0].tabs[0].iconFile) << bad;
        EXPECT_EQ(store.ringItems()[0].icon, QStringLiteral("safari"));
    }
}

TEST_F(CapturedTabStoreTest, ACaptureIsBoundedAndSavedCapturesAreNeverRemovedToMakeRoom)
{
    // A session log holding a few monsters among ordinary tabs.
    QList<BrowserTabs::Tab> tabs { tab(QStringLiteral("first.example")) };
    tabs[0].title = QString(3000, QChar(u'T'));
    tabs.append({ QStringLiteral("Data"),
        QStringLiteral("https://x.example/?") + QString(BrowserTabs::maxAddressLength, QLatin1Char('a')), std::nullopt,
        std::nullopt });
    for (int i = 1; i < BrowserTabs::maxTabs + 2; ++i)
        tabs.append(tab(QStringLiteral("t%1.example").arg(i)));
    CapturedTabStore::Added added;
    const auto big = store.add(tabs, &added);
    EXPECT_TRUE(added.stored);
    EXPECT_FALSE(added.full);
    EXPECT_EQ(added.leftOut.longAddress, 1);
    EXPECT_EQ(added.leftOut.beyondLimit, 2);
    const auto stored = store.active();
    ASSERT_TRUE(stored);
    ASSERT_EQ(stored->tabs.size(), BrowserTabs::maxTabs);
    EXPECT_EQ(stored->tabs[0].title.size(), BrowserTabs::maxTitleLength);
    EXPECT_TRUE(stored->tabs[0].title.endsWith(QChar(0x2026)));
    EXPECT_EQ(stored->tabs[1].url, QStringLiteral("https://t1.example/"));

    // However many captures are made, every one stays.
    for (int i = 1; i <= 30; ++i)
        store.add({ tab(QStringLiteral("n%1.example").arg(i)) }, &added);
    EXPECT_TRUE(added.stored);
    auto kept = store.sessions();
    ASSERT_EQ(kept.size(), 31);
    EXPECT_EQ(kept.first().id, big.id);
    EXPECT_EQ(kept.last().tabs[0].url, QStringLiteral("https://n30.example/"));

    // The largest capture within bounds keeps its first tabs; one that no
    // longer fits beside the saved ones is refused, and nothing saved goes.
    QList<BrowserTabs::Tab> heavy;
    for (int i = 0; i < BrowserTabs::maxTabs; ++i)
        heavy.append({ QStringLiteral("Heavy"),
            QStringLiteral("https://h.example/") + QString(BrowserTabs::maxAddressLength - 18, QChar(u'\u00e9')),
            std::nullopt, std::nullopt });
    const auto first = store.add(heavy, &added);
    EXPECT_TRUE(added.stored);
    EXPECT_GT(added.leftOut.tooLarge, 0);
    EXPECT_EQ(store.active()->tabs.size() + added.leftOut.tooLarge, BrowserTabs::maxTabs);
    const QByteArray before = env.defaults().value(CapturedTabStore::sessionsKey)->toByteArray();
    const auto refused = store.add(heavy, &added);
    EXPECT_FALSE(added.stored);
    EXPECT_TRUE(added.full);
    EXPECT_EQ(env.defaults().value(CapturedTabStore::sessionsKey)->toByteArray(), before);
    EXPECT_LE(before.size(), CapturedTabStore::maxStoredBytes);
    EXPECT_EQ(store.sessions().size(), 32);
    EXPECT_EQ(store.activeID(), first.id) << "the refused capture became the active one";
    EXPECT_NE(refused.id, first.id);

    // Once the user deletes one, there is room again.
    store.remove(first.id);
    store.add(heavy, &added);
    EXPECT_TRUE(added.stored);
    EXPECT_EQ(store.sessions().size(), 32);
    EXPECT_EQ(store.sessions().first().id, big.id);
}

} // namespace

namespace {
// Two captures of `tabs` tabs with addresses of `addressLength` characters,
// the second without its date (so unreadable), as stored.
QByteArray twoCapturesOneUndated(int tabs, int addressLength)
{
    auto list = nlohmann::ordered_json::array();
    for (int n = 1; n <= 2; ++n) {
        CapturedSession session;
        session.id = QUuid::createUuid();
        session.name = QStringLiteral("capture %1").arg(n);
        session.capturedAt = 1000.0 * n;
        for (int i = 0; i < tabs; ++i)
            session.tabs.append({ QStringLiteral("t%1").arg(i),
                QStringLiteral("https://x.example/%1/").arg(i) + QString(addressLength, QLatin1Char('a')), std::nullopt,
                std::nullopt });
        auto json = session.toJson();
        if (n == 2)
            json.erase("capturedAt");
        list.push_back(std::move(json));
    }
    return QByteArray::fromStdString(list.dump());
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}

TEST_F(CapturedTabStoreTest, UnreadableSessionsWithoutRoomForACopyAreMovedAsideOrLeftAsTheyAre)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("defaults.json"));
    QStringList log;
    Log::setSink([&](const QString& line) { log.append(line); });

    // 33 MB in the file: a second copy would not fit, the value moves aside.
    const QByteArray stored = twoCapturesOneUndated(1563, 8150);
    {
        FileDefaultsStore defaults(path);
        defaults.setValue(CapturedTabStore::sessionsKey, stored);
    }
    {
        FileDefaultsStore defaults(path);
        const CapturedTabStore onFile(defaults, env.scheduler());
        ASSERT_EQ(onFile.sessions().size(), 1);
        CapturedTabStore::Added added;
        onFile.add({ tab(QStringLiteral("new.example")) }, &added);
        EXPECT_TRUE(added.stored);
        EXPECT_FALSE(added.leftInPlace);
    }
    {
        FileDefaultsStore reread(path);
        const QStringList backups = StoredListRecovery::backupKeys(CapturedTabStore::sessionsKey, reread);
        ASSERT_EQ(backups.size(), 1);
        EXPECT_EQ(reread.value(backups[0])->toByteArray(), stored); // "capture 2" among it
        const QList<CapturedSession> kept = CapturedTabStore(reread, env.scheduler()).sessions();
        ASSERT_EQ(kept.size(), 2);
        EXPECT_EQ(kept[0].name, QStringLiteral("capture 1"));
    }

    // 58 MB: not even the readable capture fits beside the moved value. The
    // stored value stays as it is, and every change to the list is refused.
    QFile::remove(path);
    const QByteArray full = twoCapturesOneUndated(1563, 14000);
    {
        FileDefaultsStore defaults(path);
        defaults.setValue(CapturedTabStore::sessionsKey, full);
    }
    const QByteArray before = fileBytes(path);
    ASSERT_GT(before.size(), 50 * 1024 * 1024);
    log.clear();
    {
        FileDefaultsStore defaults(path);
        const CapturedTabStore onFile(defaults, env.scheduler());
        const QList<CapturedSession> readable = onFile.sessions();
        ASSERT_EQ(readable.size(), 1);
        CapturedTabStore::Added added;
        onFile.add({ tab(QStringLiteral("new.example")) }, &added);
        EXPECT_FALSE(added.stored);
        EXPECT_TRUE(added.leftInPlace);
        EXPECT_FALSE(onFile.remove(readable[0].id));
        EXPECT_TRUE(StoredListRecovery::backupKeys(CapturedTabStore::sessionsKey, defaults).isEmpty());
        EXPECT_TRUE(defaults.problems().isEmpty()); // the page says it where the change was asked for
    }
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const QString& l) {
        return l.contains(QStringLiteral("left in place"));
    })) << log.join(QLatin1Char('\n')).toStdString();
    Log::setSink({});
}
