// Tab capture from browser session logs written here, in the browser's own
// command-log format.

#include "support/TestSupport.h"
#include "support/Watchdog.h"

#include "platform/BrowserScripting.h"
#include "platform/linux/FirefoxSession.h"
#include "platform/linux/SnssSession.h"
#include "platform/sim/SimDesktop.h"
#include "ring/BrowserTabs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <lz4.h>
#include <sqlite3.h>
#include <unistd.h>

std::shared_ptr<BrowserScripting> makeSessionFileBrowserScripting(const QString& procRoot); // platform/linux

namespace {

// Writes a session command log.
class LogWriter {
public:
    explicit LogWriter(qint32 version = 3)
    {
        m_data.append("SNSS", 4);
        int32(m_data, version);
    }
    LogWriter& tabWindow(qint32 window, qint32 tab) { return command(SnssSession::SetTabWindow, { window, tab }); }
    LogWriter& tabIndex(qint32 tab, qint32 index) { return command(SnssSession::SetTabIndexInWindow, { tab, index }); }
    LogWriter& selected(qint32 tab, qint32 index)
    {
        return command(SnssSession::SetSelectedNavigationIndex, { tab, index });
    }
    LogWriter& tabClosed(qint32 tab) { return command(SnssSession::TabClosed, { tab, 0, 0, 0 }); }
    LogWriter& windowClosed(qint32 window) { return command(SnssSession::WindowClosed, { window, 0, 0, 0 }); }
    LogWriter& prunedFromBack(qint32 tab, qint32 keep)
    {
        return command(SnssSession::TabNavigationPathPrunedFromBack, { tab, keep });
    }
    LogWriter& prunedFromFront(qint32 tab, qint32 count)
    {
        return command(SnssSession::TabNavigationPathPrunedFromFront, { tab, count });
    }
    LogWriter& unknown() { return command(14, { 1, 2, 3, 4, 5 }); } // window bounds and the like
    LogWriter& navigation(qint32 tab, qint32 index, const QString& url, const QString& title)
    {
        QByteArray pickle;
        int32(pickle, tab);
        int32(pickle, index);
        const QByteArray u = url.toUtf8();
        int32(pickle, qint32(u.size()));
        pickle.append(u);
        pad(pickle);
        int32(pickle, qint32(title.size()));
        for (QChar c : title) {
            char b[2];
            qToLittleEndian<quint16>(c.unicode(), b);
            pickle.append(b, 2);
        }
        pad(pickle);
        int32(pickle, 0); // page state and the rest follow in real logs
        int32(pickle, 1);
        QByteArray payload;
        int32(payload, qint32(pickle.size()));
        payload.append(pickle);
        return raw(SnssSession::UpdateTabNavigation, payload);
    }
    QByteArray data() const { return m_data; }

    LogWriter& command(quint8 id, std::initializer_list<qint32> fields)
    {
        QByteArray payload;
        for (qint32 f : fields)
            int32(payload, f);
        return raw(id, payload);
    }

private:
    static void int32(QByteArray& out, qint32 v)
    {
        char b[4];
        qToLittleEndian<qint32>(v, b);
        out.append(b, 4);
    }
    static void pad(QByteArray& out)
    {
        while (out.size() % 4)
            out.append('\0');
    }
    LogWriter& raw(quint8 id, const QByteArray& payload)
    {
        char size[2];
        qToLittleEndian<quint16>(quint16(payload.size() + 1), size);
        m_data.append(size, 2);
        m_data.append(char(id));
        m_data.append(payload);
        return *this;
    }
    QByteArray m_data;
};

// Two windows; window 1 has three tabs (one moved, one closed, one with a
// history and a back navigation), window 2 two tabs; window 3 was closed.
QByteArray typicalLog()
{
    LogWriter w;
    w.tabWindow(1, 10).tabIndex(10, 0).navigation(
        10, 0, QStringLiteral("https://first.example/"), QStringLiteral("First"));
    w.unknown();
    w.tabWindow(1, 11).tabIndex(11, 1).navigation(
        11, 0, QStringLiteral("https://closed.example/"), QStringLiteral("Closed"));
    w.tabWindow(1, 12).tabIndex(12, 2);
    w.navigation(12, 0, QStringLiteral("https://old.example/"), QStringLiteral("Old page"));
    w.navigation(12, 1, QStringLiteral("https://new.example/"), QStringLiteral("New page"));
    w.navigation(12, 2, QStringLiteral("https://newer.example/"), QStringLiteral("Newer page"));
    w.selected(12, 1); // went back once
    w.tabWindow(2, 20).tabIndex(20, 1).navigation(
        20, 0, QStringLiteral("https://second-b.example/"), QStringLiteral("Zweite \u00fc"));
    w.tabWindow(2, 21).tabIndex(21, 0).navigation(21, 0, QStringLiteral("chrome://newtab/"), QStringLiteral("New Tab"));
    w.tabWindow(3, 30).tabIndex(30, 0).navigation(
        30, 0, QStringLiteral("https://gone.example/"), QStringLiteral("Gone"));
    w.tabClosed(11);
    w.tabIndex(12, 1); // moved into the closed tab's place
    w.windowClosed(3);
    return w.data();
}

TEST(SnssSession, ReplaysWindowsTabsAndNavigations)
{
    const auto windows = SnssSession::read(typicalLog());
    ASSERT_TRUE(windows);
    ASSERT_EQ(windows->size(), 2);
    const auto& one = windows->at(0).tabs;
    ASSERT_EQ(one.size(), 2);
    EXPECT_EQ(one[0].url, QStringLiteral("https://first.example/"));
    EXPECT_EQ(one[1].url, QStringLiteral("https://new.example/"));
    EXPECT_EQ(one[1].title, QStringLiteral("New page"));
    const auto& two = windows->at(1).tabs;
    ASSERT_EQ(two.size(), 2);
    EXPECT_EQ(two[0].url, QStringLiteral("chrome://newtab/")); // visual order, not creation order
    EXPECT_EQ(two[1].title, QStringLiteral("Zweite \u00fc"));
}

TEST(SnssSession, PruningTruncationAndBadHeaders)
{
    LogWriter w(1);
    w.tabWindow(5, 1);
    for (int i = 0; i < 4; ++i)
        w.navigation(1, i, QStringLiteral("https://p%1.example/").arg(i), QStringLiteral("P%1").arg(i));
    w.selected(1, 3).prunedFromFront(1, 2); // p2, p3 left as 0, 1; selection 1
    auto windows = SnssSession::read(w.data());
    ASSERT_TRUE(windows);
    EXPECT_EQ(windows->at(0).tabs.at(0).url, QStringLiteral("https://p3.example/"));
    w.prunedFromBack(1, 1); // only p2 left; stale selection falls back to it
    windows = SnssSession::read(w.data());
    EXPECT_EQ(windows->at(0).tabs.at(0).url, QStringLiteral("https://p2.example/"));

    // A log cut in the middle of a command keeps what came before.
    QByteArray cut = typicalLog();
    cut.append(LogWriter()
                   .navigation(10, 1, QStringLiteral("https://late.example/"), QStringLiteral("Late"))
                   .data()
                   .mid(8, 20));
    windows = SnssSession::read(cut);
    ASSERT_TRUE(windows);
    EXPECT_EQ(windows->at(0).tabs.at(0).url, QStringLiteral("https://first.example/"));

    // Hostile lengths inside a navigation are rejected, not followed.
    QByteArray hostile
        = LogWriter().tabWindow(1, 1).navigation(1, 0, QStringLiteral("https://h/"), QStringLiteral("H")).data();
    qToLittleEndian<qint32>(0x7ffffff0, hostile.data() + hostile.indexOf("https://h/") - 4);
    windows = SnssSession::read(hostile);
    ASSERT_TRUE(windows);
    EXPECT_TRUE(windows->isEmpty());

    QString why;
    EXPECT_FALSE(SnssSession::read(QByteArray("SNSS\x02\0\0\0", 8), &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_FALSE(SnssSession::read(QByteArray("PK\x03\x04 not a log")));
    EXPECT_FALSE(SnssSession::read(QByteArray()));
}

TEST(SnssSession, HostileIndexesAndManyWindowsAreBounded)
{
    // A "path pruned" command whose range ends past the largest index: the
    // navigations before it stay, none is shifted to a wrapped index.
    LogWriter w;
    w.tabWindow(1, 1).navigation(1, 0, QStringLiteral("https://a.example/"), QStringLiteral("A"));
    w.navigation(1, 1, QStringLiteral("https://b.example/"), QStringLiteral("B")).selected(1, 1);
    w.command(SnssSession::TabNavigationPathPruned, { 1, 0x7fffffff, 0x7fffffff });
    w.command(SnssSession::TabNavigationPathPruned, { 1, -0x7fffffff - 1, 5 });
    auto windows = SnssSession::read(w.data());
    ASSERT_TRUE(windows);
    ASSERT_EQ(windows->size(), 1);
    EXPECT_EQ(windows->at(0).tabs.at(0).url, QStringLiteral("https://b.example/"));

    // Tabs moved between windows and windows closed many times over: each
    // window keeps exactly its own tabs.
    LogWriter many;
    for (int tab = 0; tab < 3000; ++tab)
        many.tabWindow(tab % 7, tab).navigation(tab, 0, QStringLiteral("https://t%1/").arg(tab), QString());
    for (int tab = 0; tab < 3000; tab += 7)
        many.tabWindow(100, tab); // all of window 0 moves to window 100
    for (int round = 0; round < 3000; ++round)
        many.windowClosed(0).windowClosed(1000 + round);
    many.windowClosed(6);
    windows = SnssSession::read(many.data());
    ASSERT_TRUE(windows);
    ASSERT_EQ(windows->size(), 6); // 1…5 and 100
    EXPECT_EQ(windows->last().id, 100);
    EXPECT_EQ(windows->last().tabs.size(), 429);
    EXPECT_EQ(windows->first().tabs.size(), 429);
}

class SessionFileCapture : public ::testing::Test {
protected:
    void SetUp() override
    {
        // No browser of this machine's own may take part.
        env.platform().ports().browserScripting = makeSessionFileBrowserScripting(proc.path());
        desktop = &env.sim().desktop();
        desktop->addApp(100, QStringLiteral("com.google.Chrome"), QStringLiteral("Google Chrome"));
        root = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/google-chrome");
        QDir(root).removeRecursively();
    }
    void TearDown() override
    {
        QFile::setPermissions(root + QStringLiteral("/Default"),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QDir(root).removeRecursively();
    }
    void write(const QString& relative, const QByteArray& data)
    {
        const QString path = root + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    static Browser chrome() { return Browser::all().at(1); }
    BrowserTabs::Sources sources() { return BrowserTabs::Sources::of(env.platform()); }

    QTemporaryDir proc;
    TestSupport::SimEnvironment env;
    SimDesktop* desktop = nullptr;
    QString root;
};

TEST_F(SessionFileCapture, NewestLogOfEachProfileGivesTheTabsInOrder)
{
    // An older log of the same profile must not be read.
    write(QStringLiteral("Default/Sessions/Session_13350000000000000"),
        LogWriter()
            .tabWindow(1, 1)
            .navigation(1, 0, QStringLiteral("https://stale.example/"), QStringLiteral("Stale"))
            .data());
    write(QStringLiteral("Default/Sessions/Session_13360000000000000"), typicalLog());
    write(QStringLiteral("Profile 2/Current Session"),
        LogWriter().tabWindow(7, 70).navigation(70, 0, QStringLiteral("http://work.example/"), QString()).data());

    const auto r = BrowserTabs::capture(chrome(), sources());
    ASSERT_TRUE(r.ok()) << r.error->errorDescription().toStdString();
    QStringList urls, titles;
    for (const auto& t : r.tabs) {
        urls << t.url;
        titles << t.title;
        EXPECT_EQ(t.browser, QStringLiteral("Chrome"));
    }
    EXPECT_EQ(urls,
        (QStringList { QStringLiteral("https://first.example/"), QStringLiteral("https://new.example/"),
            QStringLiteral("https://second-b.example/"), QStringLiteral("http://work.example/") }));
    EXPECT_EQ(titles.last(), QStringLiteral("http://work.example/"));
}

TEST_F(SessionFileCapture, MissingProfileIsNoTabsAndUnreadableProfileIsPermission)
{
    auto r = BrowserTabs::capture(chrome(), sources());
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(r.tabs.isEmpty());

    write(QStringLiteral("Default/Sessions/Session_1"), typicalLog());
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every folder";
    QFile::setPermissions(root + QStringLiteral("/Default"), QFileDevice::WriteOwner);
    r = BrowserTabs::capture(chrome(), sources());
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.error->kind, BrowserTabs::CaptureError::Kind::permissionDenied);
    EXPECT_TRUE(r.error->errorDescription().contains(QStringLiteral("Chrome")));
    // The folder is named: profiles are in more places than one.
    EXPECT_TRUE(r.error->errorDescription().contains(root + QStringLiteral("/Default")));
}

TEST_F(SessionFileCapture, BrowsersWithoutLinuxBuildAndForeignScriptsFail)
{
    desktop->addApp(101, QStringLiteral("com.apple.Safari"), QStringLiteral("Safari"));
    const auto r = BrowserTabs::capture(Browser::all().at(0), sources());
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.error->errorDescription(), QStringLiteral("Could not read Safari's tabs."));
    EXPECT_FALSE(env.platform()
                     .browserScripting()
                     .run(QStringLiteral("com.google.Chrome"), QStringLiteral("do shell script \"rm -rf ~\""))
                     .compiled);
}

// A mozlz4 file: magic, claimed size (little-endian), one LZ4 block.
QByteArray mozlz4(const QByteArray& json, std::optional<quint32> claimed = std::nullopt)
{
    QByteArray block(LZ4_compressBound(int(json.size())), Qt::Uninitialized);
    block.resize(LZ4_compress_default(json.constData(), block.data(), int(json.size()), int(block.size())));
    QByteArray out("mozLz40\0", 8);
    char size[4];
    qToLittleEndian<quint32>(claimed.value_or(quint32(json.size())), size);
    out.append(size, 4);
    return out + block;
}

const QByteArray firefoxJson = R"({"windows":[{"tabs":[
    {"entries":[{"url":"https://old.example/","title":"Old"},{"url":"https://now.example/","title":"Now"}],"index":2},
    {"entries":[{"url":"about:newtab","title":"New Tab"}],"index":1}]},
  {"tabs":[]},
  {"tabs":[{"entries":[{"url":"http://second.example/","title":"Second window"}],"index":9}]}],
  "_closedWindows":[{"tabs":[{"entries":[{"url":"https://closed.example/","title":"Closed"}],"index":1}]}]})";

TEST(FirefoxSessionFile, ReadsValidFilesAndRefusesBadOnesWithAReason)
{
    QString why;
    const auto windows = FirefoxSession::read(mozlz4(firefoxJson), &why);
    ASSERT_TRUE(windows) << why.toStdString();
    ASSERT_EQ(windows->size(), 2); // the empty window is left out, closed ones are not open
    EXPECT_EQ(windows->at(0).tabs.at(0).url, QStringLiteral("https://now.example/")); // the current entry
    EXPECT_EQ(windows->at(0).tabs.size(), 2);
    EXPECT_EQ(windows->at(1).tabs.at(0).title, QStringLiteral("Second window")); // odd index: the newest entry

    const QByteArray good = mozlz4(firefoxJson);
    EXPECT_FALSE(FirefoxSession::read(good.left(good.size() - 10), &why));
    EXPECT_TRUE(why.contains(QStringLiteral("damaged or cut off"))) << why.toStdString();
    EXPECT_FALSE(FirefoxSession::read(good.left(10), &why));
    EXPECT_TRUE(why.contains(QStringLiteral("no mozLz40 header"))) << why.toStdString();

    // A claim over the limit is refused before anything is allocated.
    EXPECT_FALSE(FirefoxSession::decompress(mozlz4(firefoxJson, 0xFFFFFFF0u), &why));
    EXPECT_TRUE(why.contains(QStringLiteral("more than the"))) << why.toStdString();
    EXPECT_FALSE(FirefoxSession::decompress(good, &why, firefoxJson.size() - 1));
    // A claim that does not match what the block holds.
    EXPECT_FALSE(FirefoxSession::decompress(mozlz4(firefoxJson, quint32(firefoxJson.size() + 5)), &why));

    QByteArray badMagic = good;
    badMagic[3] = 'X';
    EXPECT_FALSE(FirefoxSession::read(badMagic, &why));
    EXPECT_FALSE(FirefoxSession::read(mozlz4("{\"windows\": 3}"), &why));
    EXPECT_TRUE(why.contains(QStringLiteral("no list of windows")));
}

TEST_F(SessionFileCapture, FirefoxProfileInUseGivesItsTabsAndADamagedFileAClearError)
{
    desktop->addApp(102, QStringLiteral("org.mozilla.firefox"), QStringLiteral("Firefox"));
    const QString mozilla = qEnvironmentVariable("HOME") + QStringLiteral("/.mozilla/firefox");
    QDir(mozilla).removeRecursively();
    const auto put = [&](const QString& relative, const QByteArray& data) {
        const QString path = mozilla + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    };
    put(QStringLiteral("profiles.ini"),
        "[Profile1]\nName=old\nIsRelative=1\nPath=old.profile\n\n[Profile0]\nName=main\nIsRelative=1\nPath=main."
        "profile\n\n"
        "[Install4F96D1932A9F858E]\nDefault=main.profile\nLocked=1\n");
    put(QStringLiteral("main.profile/sessionstore-backups/recovery.jsonlz4"), mozlz4(firefoxJson));
    put(QStringLiteral("old.profile/sessionstore-backups/recovery.jsonlz4"),
        mozlz4(
            R"({"windows":[{"tabs":[{"entries":[{"url":"https://old-profile.example/","title":"Old"}],"index":1}]}]})"));
    const Browser firefox = Browser::all().last();
    ASSERT_EQ(firefox.name, QStringLiteral("Firefox"));

    auto r = BrowserTabs::capture(firefox, sources());
    ASSERT_TRUE(r.ok()) << r.error->errorDescription().toStdString();
    QStringList urls;
    for (const auto& t : r.tabs)
        urls << t.url;
    EXPECT_EQ(urls,
        (QStringList { QStringLiteral("https://now.example/"), QStringLiteral("http://second.example/"),
            QStringLiteral("https://old-profile.example/") }));
    EXPECT_EQ(r.tabs.first().browser, QStringLiteral("Firefox"));

    put(QStringLiteral("main.profile/sessionstore-backups/recovery.jsonlz4"), "mozLz40\0garbage");
    put(QStringLiteral("old.profile/sessionstore-backups/recovery.jsonlz4"), mozlz4(firefoxJson, 0x7FFFFFFFu));
    r = BrowserTabs::capture(firefox, sources());
    ASSERT_TRUE(r.error);
    EXPECT_TRUE(r.error->errorDescription().contains(QStringLiteral("Could not read the Firefox session file")))
        << r.error->errorDescription().toStdString();
    QDir(mozilla).removeRecursively();
}

TEST_F(SessionFileCapture, SessionFilesThatAreAFifoOrDevZeroAreSkippedAtOnce)
{
    write(QStringLiteral("Default/Sessions/Session_13360000000000000"), typicalLog());
    ASSERT_TRUE(
        QFile::link(QStringLiteral("/dev/zero"), root + QStringLiteral("/Default/Sessions/Session_13370000000000000")));
    QDir().mkpath(root + QStringLiteral("/Profile 2"));
    ASSERT_TRUE(TestSupport::makeFifo(root + QStringLiteral("/Profile 2/Current Session")));

    desktop->addApp(102, QStringLiteral("org.mozilla.firefox"), QStringLiteral("Firefox"));
    const QString mozilla = qEnvironmentVariable("HOME") + QStringLiteral("/.mozilla/firefox");
    QDir(mozilla).removeRecursively();
    QDir().mkpath(mozilla + QStringLiteral("/main.profile/sessionstore-backups"));
    QFile ini(mozilla + QStringLiteral("/profiles.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Profile0]\nName=main\nIsRelative=1\nPath=main.profile\nDefault=1\n");
    ini.close();
    const QString recovery = mozilla + QStringLiteral("/main.profile/sessionstore-backups/recovery.jsonlz4");
    ASSERT_TRUE(TestSupport::makeFifo(recovery));

    TestSupport::Watchdog watchdog("capturing tabs from session files that are a FIFO and /dev/zero");
    // The newest log is no file: nothing from that profile, and no hang;
    // the user is told what could not be read.
    auto r = BrowserTabs::capture(chrome(), sources());
    ASSERT_TRUE(r.error);
    EXPECT_TRUE(r.error->errorDescription().startsWith(
        QStringLiteral("Chrome is running, but its session could not be read: Could not open ")))
        << r.error->errorDescription().toStdString();
    const QString lines = env.logLines().join(u'\n');
    EXPECT_TRUE(lines.contains(root + QStringLiteral("/Default/Sessions/Session_13370000000000000")))
        << qPrintable(lines);
    EXPECT_TRUE(lines.contains(root + QStringLiteral("/Profile 2/Current Session"))) << qPrintable(lines);

    r = BrowserTabs::capture(Browser::all().last(), sources());
    ASSERT_TRUE(r.error);
    EXPECT_TRUE(r.error->errorDescription().contains(recovery)) << r.error->errorDescription().toStdString();

    // The profile list itself.
    QFile::remove(recovery);
    QFile::remove(ini.fileName());
    ASSERT_TRUE(TestSupport::makeFifo(ini.fileName()));
    r = BrowserTabs::capture(Browser::all().last(), sources());
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(env.logLines().join(u'\n').contains(ini.fileName()));
    QDir(mozilla).removeRecursively();
}

// A History database as the browser keeps it, reduced to what titles come from.
void writeHistory(const QString& path, const QList<std::pair<QString, QString>>& rows)
{
    QFile::remove(path);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db,
                  "CREATE TABLE urls(id INTEGER PRIMARY KEY, url LONGVARCHAR, title LONGVARCHAR, "
                  "last_visit_time INTEGER NOT NULL DEFAULT 0)",
                  nullptr, nullptr, nullptr),
        SQLITE_OK);
    int visit = 0;
    for (const auto& [url, title] : rows) {
        const QByteArray sql = QStringLiteral("INSERT INTO urls(url, title, last_visit_time) VALUES('%1', '%2', %3)")
                                   .arg(url, title)
                                   .arg(++visit)
                                   .toUtf8();
        ASSERT_EQ(sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    }
    sqlite3_close(db);
}

class BrowserProfileFolders : public SessionFileCapture {
protected:
    void TearDown() override
    {
        for (const QString& folder : made)
            QDir(folder).removeRecursively();
        SessionFileCapture::TearDown();
    }
    void put(const QString& path, const QByteArray& data)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    // A process of this user, as /proc shows it.
    void runProcess(int pid, const QStringList& arguments)
    {
        QByteArray line;
        for (const QString& a : arguments)
            line += QFile::encodeName(a) + '\0';
        put(proc.filePath(QStringLiteral("%1/cmdline").arg(pid)), line);
    }
    QString folder(const QString& path)
    {
        made << path;
        QDir(path).removeRecursively();
        QDir().mkpath(path);
        return path;
    }
    static QStringList field(const QList<BrowserTabs::Tab>& tabs, QString BrowserTabs::Tab::*member)
    {
        QStringList out;
        for (const auto& t : tabs)
            out << t.*member;
        return out;
    }

    QTemporaryDir elsewhere;
    QStringList made;
};

TEST_F(BrowserProfileFolders, ChromiumFromSnapAndItsOwnDataFolderWithTitlesFromHistory)
{
    desktop->addApp(103, QStringLiteral("org.chromium.Chromium"), QStringLiteral("Chromium"));
    const Browser chromium = Browser::all().at(6);
    ASSERT_EQ(chromium.name, QStringLiteral("Chromium"));

    // Running, but no session anywhere yet.
    auto r = BrowserTabs::capture(chromium, sources());
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(r.readings.size(), 1);
    EXPECT_FALSE(r.readings[0].sessionFound);

    const QString snap = folder(qEnvironmentVariable("HOME") + QStringLiteral("/snap/chromium/common/chromium"));
    put(snap + QStringLiteral("/Default/Sessions/Session_1"),
        LogWriter()
            .tabWindow(1, 10)
            .navigation(10, 0, QStringLiteral("https://snap.example/"), QStringLiteral("Snap"))
            .data());
    // A data folder of its own, named by the browser and by its helper
    // processes, once through a link: read once.
    const QString own = elsewhere.filePath(QStringLiteral("own profile"));
    put(own + QStringLiteral("/Default/Sessions/Session_5"),
        LogWriter()
            .tabWindow(2, 20)
            .navigation(20, 0, QStringLiteral("http://127.0.0.1:8765/one.html"), QString())
            .tabWindow(2, 21)
            .navigation(21, 0, QStringLiteral("http://127.0.0.1:8765/two.html"), QString())
            .data());
    writeHistory(own + QStringLiteral("/Default/History"),
        { { QStringLiteral("http://127.0.0.1:8765/one.html"), QStringLiteral("First Page") },
            { QStringLiteral("http://127.0.0.1:8765/one.html?x"), QStringLiteral("Not this one") } });
    ASSERT_TRUE(QFile::link(own, elsewhere.filePath(QStringLiteral("link"))));
    // The browser's own process shows its arguments as one title joined by spaces.
    put(proc.filePath(QStringLiteral("4000/cmdline")),
        QFile::encodeName(QStringLiteral("/usr/lib/chromium/chromium --no-sandbox --user-data-dir=%1 --no-first-run "
                                         "http://127.0.0.1:8765/one.html")
                              .arg(own)));
    runProcess(4001,
        { QStringLiteral("/usr/lib/chromium/chromium"), QStringLiteral("--type=renderer"),
            QStringLiteral("--user-data-dir=") + elsewhere.filePath(QStringLiteral("link")) });
    // Another browser's folder is not Chromium's.
    runProcess(4002, { QStringLiteral("/opt/google/chrome/chrome"), QStringLiteral("--user-data-dir=/nonexistent") });

    r = BrowserTabs::capture(chromium, sources());
    ASSERT_TRUE(r.ok()) << r.error->errorDescription().toStdString();
    EXPECT_EQ(field(r.tabs, &BrowserTabs::Tab::title),
        (QStringList {
            QStringLiteral("Snap"), QStringLiteral("First Page"), QStringLiteral("http://127.0.0.1:8765/two.html") }));
    EXPECT_EQ(r.readings[0].tabs, 3);
    EXPECT_TRUE(r.readings[0].description().isEmpty());

    // A damaged History costs the titles, not the capture.
    put(own + QStringLiteral("/Default/History"), QByteArray(8192, 'x'));
    r = BrowserTabs::capture(chromium, sources());
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.tabs.size(), 3);
    EXPECT_EQ(r.tabs[1].title, QStringLiteral("http://127.0.0.1:8765/one.html"));
    EXPECT_TRUE(env.logLines().join(u'\n').contains(own + QStringLiteral("/Default/History")));

    // A log that is not one, next to one that is: the tabs, and what could not be read.
    put(snap + QStringLiteral("/Profile 1/Sessions/Session_1"), "not a session log");
    r = BrowserTabs::capture(chromium, sources());
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.tabs.size(), 3);
    EXPECT_TRUE(r.readings[0].description().startsWith(
        QStringLiteral("Chromium is running, but its session could not be read: Could not read the session log ")))
        << r.readings[0].description().toStdString();
}

TEST_F(BrowserProfileFolders, FirefoxFromTheXdgFolderTheOldOneLinkedToItAndAProfileOnItsCommandLine)
{
    desktop->addApp(104, QStringLiteral("org.mozilla.firefox"), QStringLiteral("Firefox"));
    const Browser firefox = Browser::all().last();
    const QString xdg = folder(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/mozilla/firefox"));
    put(xdg + QStringLiteral("/profiles.ini"),
        "[Profile0]\nName=default-esr\nIsRelative=1\nPath=ab.default-esr\nDefault=1\n");
    put(xdg + QStringLiteral("/ab.default-esr/sessionstore-backups/recovery.jsonlz4"), mozlz4(firefoxJson));
    // The older place, linked to the new one as some users do: not read twice.
    const QString legacy = qEnvironmentVariable("HOME") + QStringLiteral("/.mozilla/firefox");
    made << legacy;
    QDir(legacy).removeRecursively();
    QDir().mkpath(QFileInfo(legacy).path());
    ASSERT_TRUE(QFile::link(xdg, legacy));
    const QString own = elsewhere.filePath(QStringLiteral("ff"));
    put(own + QStringLiteral("/sessionstore-backups/recovery.jsonlz4"),
        mozlz4(R"({"windows":[{"tabs":[{"entries":[{"url":"https://own.example/","title":"Own"}],"index":1}]}]})"));
    runProcess(5000, { QStringLiteral("/usr/lib/firefox-esr/firefox-esr"), QStringLiteral("-profile"), own });

    const auto r = BrowserTabs::capture(firefox, sources());
    ASSERT_TRUE(r.ok()) << r.error->errorDescription().toStdString();
    EXPECT_EQ(field(r.tabs, &BrowserTabs::Tab::title),
        (QStringList { QStringLiteral("Now"), QStringLiteral("Second window"), QStringLiteral("Own") }));
}

} // namespace
