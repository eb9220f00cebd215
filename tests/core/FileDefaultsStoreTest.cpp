#include "core/AppSettings.h"
#include "core/StoredListRecovery.h"
#include "platform/Log.h"
#include "platform/linux/FileDefaultsStore.h"
#include "platform/sim/SimLoginItem.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {
class FileDefaultsStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("kelvaro/defaults.json"));
        Log::setSink([this](const QString& line) { m_log.append(line); });
    }
    void TearDown() override { Log::setSink({}); }

    QStringList asideFiles() const
    {
        return QDir(m_dir.filePath(QStringLiteral("kelvaro")))
            .entryList({ QStringLiteral("defaults.json.corrupt-*") }, QDir::Files);
    }
    void writeRaw(const QByteArray& bytes)
    {
        QDir().mkpath(m_dir.filePath(QStringLiteral("kelvaro")));
        QFile f(m_path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QTemporaryDir m_dir;
    QString m_path;
    QStringList m_log;
};
}

TEST_F(FileDefaultsStoreTest, EveryTypeRoundTripsExactlyThroughTheFile)
{
    const QVariantMap nested { { QStringLiteral("n"), QVariant(qint64(-5)) },
        { QStringLiteral("s"), QStringLiteral("ünï") } };
    {
        FileDefaultsStore store(m_path);
        store.setValue(QStringLiteral("b"), true);
        store.setValue(QStringLiteral("i"), QVariant(std::numeric_limits<qint64>::min()));
        store.setValue(QStringLiteral("u"), QVariant(std::numeric_limits<quint64>::max()));
        store.setValue(QStringLiteral("d"), 0.1 + 0.2);
        store.setValue(QStringLiteral("inf"), std::numeric_limits<double>::infinity());
        store.setValue(QStringLiteral("nan"), std::numeric_limits<double>::quiet_NaN());
        store.setValue(QStringLiteral("s"), QStringLiteral("unassigned"));
        store.setValue(QStringLiteral("data"), QByteArray("\x00\xff{\"keyCode\":0}", 16));
        store.setValue(QStringLiteral("a"), QVariantList { QStringLiteral("de"), QVariant(quint64(7)), nested });
        store.setValue(QStringLiteral("m"), nested);
        store.setValue(QStringLiteral("gone"), 1.0);
        store.remove(QStringLiteral("gone"));
    }
    FileDefaultsStore reread(m_path);
    EXPECT_EQ(reread.value(QStringLiteral("b"))->typeId(), QMetaType::Bool);
    EXPECT_EQ(reread.value(QStringLiteral("i"))->typeId(), QMetaType::LongLong);
    EXPECT_EQ(reread.value(QStringLiteral("i"))->toLongLong(), std::numeric_limits<qint64>::min());
    EXPECT_EQ(reread.value(QStringLiteral("u"))->typeId(), QMetaType::ULongLong);
    EXPECT_EQ(reread.value(QStringLiteral("u"))->toULongLong(), std::numeric_limits<quint64>::max());
    EXPECT_EQ(reread.value(QStringLiteral("d"))->typeId(), QMetaType::Double);
    EXPECT_EQ(reread.value(QStringLiteral("d"))->toDouble(), 0.1 + 0.2);
    EXPECT_TRUE(std::isinf(reread.value(QStringLiteral("inf"))->toDouble()));
    EXPECT_TRUE(std::isnan(reread.value(QStringLiteral("nan"))->toDouble()));
    EXPECT_EQ(reread.value(QStringLiteral("s"))->typeId(), QMetaType::QString);
    EXPECT_EQ(reread.value(QStringLiteral("data"))->typeId(), QMetaType::QByteArray);
    EXPECT_EQ(reread.value(QStringLiteral("data"))->toByteArray(), QByteArray("\x00\xff{\"keyCode\":0}", 16));
    const QVariantList a = reread.value(QStringLiteral("a"))->toList();
    ASSERT_EQ(a.size(), 3);
    EXPECT_EQ(a[1].typeId(), QMetaType::ULongLong);
    EXPECT_EQ(a[2].toMap(), nested);
    EXPECT_EQ(reread.value(QStringLiteral("m"))->toMap(), nested);
    EXPECT_FALSE(reread.contains(QStringLiteral("gone")));
    EXPECT_TRUE(m_log.isEmpty()) << m_log.join(QLatin1Char('\n')).toStdString();
}

TEST_F(FileDefaultsStoreTest, ChangeIsOnDiskAfterFlush)
{
    FileDefaultsStore writer(m_path);
    writer.setValue(QStringLiteral("ringScale"), 1.5);
    EXPECT_EQ(writer.value(QStringLiteral("ringScale"))->toDouble(), 1.5); // at once in memory
    writer.flush();
    FileDefaultsStore reader(m_path); // a second process starting now
    ASSERT_TRUE(reader.contains(QStringLiteral("ringScale")));
    EXPECT_EQ(reader.value(QStringLiteral("ringScale"))->toDouble(), 1.5);
    EXPECT_FALSE(QFile::exists(m_path + QStringLiteral(".lock"))); // lock released
}

TEST_F(FileDefaultsStoreTest, UnreadableFileIsKeptAsideAndNeverOverwritten)
{
    for (const QByteArray& bad : { QByteArray("{\"values\": {\"a\": "), QByteArray("[1,2]"), QByteArray("  \n") }) {
        writeRaw(bad);
        m_log.clear();
        const int before = int(asideFiles().size());
        FileDefaultsStore store(m_path);
        EXPECT_TRUE(store.keys().isEmpty());
        const QStringList aside = asideFiles();
        ASSERT_EQ(aside.size(), before + 1) << bad.toStdString();
        ASSERT_EQ(m_log.size(), 1);
        EXPECT_TRUE(m_log[0].startsWith(QStringLiteral("Kelvaro: ")));
        EXPECT_TRUE(m_log[0].contains(QStringLiteral(".corrupt-")));
        store.setValue(QStringLiteral("k"), true); // the fresh file does not touch the kept one
    }
    // All three damaged files are still there, byte for byte.
    QStringList contents;
    for (const QString& name : asideFiles()) {
        QFile f(m_dir.filePath(QStringLiteral("kelvaro/") + name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        contents.append(QString::fromUtf8(f.readAll()));
    }
    EXPECT_EQ(contents.size(), 3);
    EXPECT_TRUE(contents.contains(QStringLiteral("[1,2]")));
}

TEST_F(FileDefaultsStoreTest, EntriesThisBuildCannotReadSurviveRewrites)
{
    writeRaw(R"({"version":1,"values":{"good":{"type":"bool","value":true},
                "odd":{"type":"future-type","value":[1]},
                "bad":{"type":"integer","value":"x"},
                "zero":{"type":"unsigned","value":-0}}})");
    FileDefaultsStore store(m_path);
    EXPECT_TRUE(store.value(QStringLiteral("good"))->toBool());
    // A signed zero is still zero, read now rather than turned into a plain
    // 0 (and so read differently) by the next save.
    EXPECT_EQ(store.value(QStringLiteral("zero")), QVariant(quint64(0)));
    EXPECT_FALSE(store.contains(QStringLiteral("odd")));
    EXPECT_EQ(m_log.size(), 2);
    store.setValue(QStringLiteral("other"), QStringLiteral("x"));
    store.flush();
    QFile f(m_path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    EXPECT_TRUE(text.contains("future-type"));
    EXPECT_TRUE(text.contains("\"bad\""));
    EXPECT_TRUE(asideFiles().isEmpty());
}

TEST_F(FileDefaultsStoreTest, TwoStoresOnOneFileLoseNothing)
{
    FileDefaultsStore a(m_path);
    FileDefaultsStore b(m_path);
    for (int i = 0; i < 20; ++i) {
        a.setValue(QStringLiteral("a%1").arg(i), qint64(i));
        b.setValue(QStringLiteral("b%1").arg(i), qint64(i));
    }
    a.flush();
    b.remove(QStringLiteral("a0")); // removes another store's key on disk
    b.flush();
    FileDefaultsStore c(m_path);
    EXPECT_EQ(c.keys().size(), 39);
    EXPECT_FALSE(c.contains(QStringLiteral("a0")));
    EXPECT_TRUE(c.contains(QStringLiteral("a19")));
    EXPECT_TRUE(c.contains(QStringLiteral("b19")));
}

// Runs as a child process of ConcurrentProcessesLoseNothing.
TEST(FileDefaultsChild, Writer)
{
    const QString path = qEnvironmentVariable("KELVARO_CHILD_DEFAULTS");
    if (path.isEmpty())
        GTEST_SKIP() << "only runs as a child writer";
    const QString prefix = qEnvironmentVariable("KELVARO_CHILD_PREFIX");
    FileDefaultsStore store(path);
    for (int i = 0; i < 40; ++i)
        store.setValue(prefix + QString::number(i), qint64(i));
}

TEST_F(FileDefaultsStoreTest, ConcurrentProcessesLoseNothing)
{
    QList<QProcess*> children;
    for (const char* prefix : { "p", "q", "r" }) {
        auto* child = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KELVARO_CHILD_DEFAULTS"), m_path);
        env.insert(QStringLiteral("KELVARO_CHILD_PREFIX"), QString::fromLatin1(prefix));
        child->setProcessEnvironment(env);
        child->start(
            QCoreApplication::applicationFilePath(), { QStringLiteral("--gtest_filter=FileDefaultsChild.Writer") });
        children.append(child);
    }
    for (QProcess* child : children) {
        ASSERT_TRUE(child->waitForFinished(60000));
        EXPECT_EQ(child->exitCode(), 0) << child->readAllStandardError().toStdString();
        delete child;
    }
    FileDefaultsStore result(m_path);
    EXPECT_EQ(result.keys().size(), 120);
    EXPECT_TRUE(asideFiles().isEmpty());
}

TEST_F(FileDefaultsStoreTest, UnassignedHotkeyAndSettingsSurviveARestart)
{
    SimPlatform sim;
    {
        FileDefaultsStore store(m_path);
        AppSettings settings(sim, store);
        settings.setSwitcherHotkey(std::nullopt);
        settings.setPasswordHotkey(Hotkey(12, Modifier::Super | Modifier::Alt));
        settings.setPasswordHoldModifiers(Modifier::Alt);
        settings.setRingScale(1.25);
    }
    FileDefaultsStore store(m_path);
    EXPECT_EQ(store.value(QStringLiteral("switcherHotkey"))->toString(), QStringLiteral("unassigned"));
    AppSettings settings(sim, store);
    EXPECT_FALSE(settings.switcherHotkey().has_value());
    EXPECT_EQ(settings.switcherHoldModifiers(), 0u);
    EXPECT_EQ(settings.passwordHotkey(), Hotkey(12, Modifier::Super | Modifier::Alt));
    EXPECT_EQ(settings.passwordHoldModifiers(), Modifier::Alt);
    EXPECT_EQ(settings.launcherHotkey(), AppSettings::defaultLauncherHotkey);
    EXPECT_EQ(settings.ringScale(), 1.25);
}

TEST_F(FileDefaultsStoreTest, UnreadableLauncherGroupsWithoutRoomForACopyAreMovedAsideBeforeAnEdit)
{
    // 35 MB of launcher groups that are not JSON: a second copy would not
    // fit in the file, so the value itself moves to the backup key.
    SimPlatform sim;
    const QByteArray junk(26 * 1024 * 1024, 'j');
    {
        FileDefaultsStore store(m_path);
        store.setValue(QStringLiteral("launcherGroups"), junk);
    }
    {
        FileDefaultsStore store(m_path);
        AppSettings settings(sim, store);
        EXPECT_TRUE(settings.launcherGroups().isEmpty());
        EXPECT_FALSE(settings.launcherGroupsLeftInPlace());
        settings.addLauncherGroup(QStringLiteral("New"));
        EXPECT_EQ(settings.launcherGroups().size(), 1);
        EXPECT_TRUE(store.problems().isEmpty());
    }
    FileDefaultsStore reread(m_path);
    const QStringList backups = StoredListRecovery::backupKeys(QStringLiteral("launcherGroups"), reread);
    ASSERT_EQ(backups.size(), 1);
    EXPECT_EQ(reread.value(backups[0])->toByteArray(), junk);
    AppSettings settings(sim, reread);
    ASSERT_EQ(settings.launcherGroups().size(), 1);
    EXPECT_EQ(settings.launcherGroups()[0].name, QStringLiteral("New"));
    EXPECT_TRUE(std::any_of(m_log.begin(), m_log.end(), [&](const QString& l) {
        return l.contains(QStringLiteral("moved to \"%1\"").arg(backups[0]));
    })) << m_log.join(QLatin1Char('\n')).toStdString();
}

TEST_F(FileDefaultsStoreTest, AFileThatCannotBeOpenedIsNeverReplaced)
{
    writeRaw(R"({"version":1,"values":{"keep":{"type":"bool","value":true}}})");
    QFile::setPermissions(m_path, QFileDevice::WriteOwner);
    QFile probe(m_path);
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "permissions are not enforced for this user";
    FileDefaultsStore store(m_path);
    store.setValue(QStringLiteral("new"), true);
    store.flush();
    EXPECT_TRUE(store.value(QStringLiteral("new"))->toBool());
    QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    FileDefaultsStore reread(m_path);
    EXPECT_TRUE(reread.contains(QStringLiteral("keep")));
    EXPECT_FALSE(reread.contains(QStringLiteral("new")));
    EXPECT_TRUE(asideFiles().isEmpty());
}

namespace {
QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A write limit for this process (and its writer thread) while in scope:
// writes past `bytes` fail with EFBIG as they would on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_saved {};
    void (*m_oldHandler)(int) = nullptr;
};
}

TEST_F(FileDefaultsStoreTest, AFullDiskKeepsThePreviousFileAndSaysSoOnce)
{
    FileDefaultsStore store(m_path);
    QList<DefaultsStore::Problem> problems;
    QObject::connect(&store, &DefaultsStore::problem, [&](const DefaultsStore::Problem& p) { problems.append(p); });
    store.setValue(QStringLiteral("keep"), QStringLiteral("me"));
    store.flush();
    const QByteArray before = readAll(m_path);
    ASSERT_FALSE(before.isEmpty());
    m_log.clear();
    {
        // Small enough for the file's write buffer: the failure shows only
        // when the buffer goes to disk.
        FileSizeLimit full(4096);
        store.setValue(QStringLiteral("blob"), QString(10000, QLatin1Char('x')));
        store.flush();
        store.setValue(QStringLiteral("blob2"), QString(10000, QLatin1Char('y')));
        store.flush();
    }
    EXPECT_EQ(readAll(m_path), before);
    EXPECT_EQ(store.value(QStringLiteral("blob"))->toString().size(), 10000); // still known in memory
    ASSERT_EQ(m_log.size(), 1) << m_log.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(m_log[0].contains(QStringLiteral("could not write")));
    QCoreApplication::processEvents();
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems[0].kind, DefaultsStore::Problem::Kind::notSaved);
    EXPECT_EQ(store.problems().size(), 1);

    // With room again, the next change saves everything known.
    store.setValue(QStringLiteral("later"), true);
    store.flush();
    FileDefaultsStore reread(m_path);
    EXPECT_EQ(reread.value(QStringLiteral("blob2"))->toString().size(), 10000);
    EXPECT_TRUE(reread.contains(QStringLiteral("keep")));

    // Not a byte left: the lock file cannot be written either. Each problem
    // is said once, with its cause, however many saves fail.
    m_log.clear();
    {
        FileSizeLimit full(0);
        for (int i = 0; i < 3; ++i) {
            reread.setValue(QStringLiteral("n"), qint64(i));
            reread.flush();
        }
    }
    EXPECT_EQ(m_log.size(), 2) << m_log.join(QLatin1Char('\n')).toStdString();
    const auto lockLines = std::count_if(
        m_log.begin(), m_log.end(), [](const QString& l) { return l.contains(QStringLiteral(".lock")); });
    EXPECT_EQ(lockLines, 1);
    for (const QString& line : m_log)
        EXPECT_TRUE(line.contains(QString::fromLocal8Bit(std::strerror(EFBIG)))) << line.toStdString();
}

TEST_F(FileDefaultsStoreTest, HostileNestingIsKeptAsideWithoutCrashingOrGrowingTheFile)
{
    // One value nested 200,000 deep among readable ones: the readable values
    // stay, the file as it was is kept aside byte for byte.
    const int deep = 200000;
    const QByteArray hostile = "{\"version\":1,\"values\":{\"keep\":{\"type\":\"bool\",\"value\":true},"
                               "\"deep\":{\"type\":\"array\",\"value\":"
        + QByteArray(deep, '[') + QByteArray(deep, ']') + "}}}";
    writeRaw(hostile);
    {
        FileDefaultsStore store(m_path);
        EXPECT_TRUE(store.value(QStringLiteral("keep"))->toBool());
        EXPECT_FALSE(store.contains(QStringLiteral("deep")));
        ASSERT_EQ(asideFiles().size(), 1);
        EXPECT_EQ(readAll(m_dir.filePath(QStringLiteral("kelvaro/") + asideFiles()[0])), hostile);
        ASSERT_EQ(store.problems().size(), 1);
        EXPECT_EQ(store.problems()[0].kind, DefaultsStore::Problem::Kind::partlyKeptAside);
        store.setValue(QStringLiteral("other"), 1.0);
    }
    EXPECT_LT(readAll(m_path).size(), 300);
    EXPECT_EQ(asideFiles().size(), 1);

    // A document nested that deep outside the values is unreadable as a whole.
    writeRaw("{\"values\":{},\"x\":" + QByteArray(deep, '[') + QByteArray(deep, ']') + "}");
    FileDefaultsStore whole(m_path);
    EXPECT_TRUE(whole.keys().isEmpty());
    EXPECT_EQ(asideFiles().size(), 2);

    // An entry this build cannot read, nested as deep as a file may hold,
    // is rewritten as compactly as it was stored.
    const int allowed = FileDefaultsStore::maxJsonDepth - 3;
    const QByteArray odd = "{\"version\":1,\"values\":{\"odd\":{\"type\":\"future\",\"value\":"
        + QByteArray(allowed, '[') + QByteArray(allowed, ']') + "}}}";
    writeRaw(odd);
    FileDefaultsStore store(m_path);
    EXPECT_FALSE(store.contains(QStringLiteral("odd")));
    store.setValue(QStringLiteral("n"), qint64(1));
    store.flush();
    const QByteArray rewritten = readAll(m_path);
    EXPECT_TRUE(rewritten.contains(QByteArray(allowed, '[')));
    EXPECT_LT(rewritten.size(), odd.size() + 80);
    EXPECT_EQ(asideFiles().size(), 2);

    // A value too deep to be read back is refused when it is set.
    QVariant tooDeep = QVariantList {};
    for (int i = 0; i < FileDefaultsStore::maxJsonDepth; ++i)
        tooDeep = QVariantList { tooDeep };
    store.setValue(QStringLiteral("tooDeep"), tooDeep);
    EXPECT_FALSE(store.contains(QStringLiteral("tooDeep")));
}

TEST_F(FileDefaultsStoreTest, TextThatIsNotUtf8CostsOnlyTheEntriesHoldingIt)
{
    // One Latin-1 byte in a value, one in a key, one in a member of a newer
    // format: the other settings stay, the file as it was is kept aside.
    const QByteArray latin1 = "{\"version\":1,\"extra\":{\"n\":\"\xe9t\xe9\"},\"values\":{"
                              "\"hasCompletedOnboarding\":{\"type\":\"bool\",\"value\":true},"
                              "\"city\":{\"type\":\"string\",\"value\":\"caf\xe9\"},"
                              "\"caf\xe9\":{\"type\":\"integer\",\"value\":1},"
                              "\"name\":{\"type\":\"string\",\"value\":\"ca\xc3\xa9 \xf0\x9f\x99\x82\"}}}";
    writeRaw(latin1);
    {
        FileDefaultsStore store(m_path);
        EXPECT_EQ(store.keys(), QStringList({ QStringLiteral("hasCompletedOnboarding"), QStringLiteral("name") }));
        EXPECT_EQ(store.value(QStringLiteral("name"))->toString(), QStringLiteral("caé 🙂"));
        ASSERT_EQ(asideFiles().size(), 1);
        EXPECT_EQ(readAll(m_dir.filePath(QStringLiteral("kelvaro/") + asideFiles()[0])), latin1);
        ASSERT_EQ(store.problems().size(), 1);
        EXPECT_EQ(store.problems()[0].kind, DefaultsStore::Problem::Kind::partlyKeptAside);
        EXPECT_TRUE(store.problems()[0].reason.contains(QStringLiteral("\"city\"")))
            << store.problems()[0].reason.toStdString();
        EXPECT_TRUE(store.problems()[0].reason.contains(QStringLiteral("\"caf\uFFFD\"")));
        store.setValue(QStringLiteral("ringScale"), 1.5);
    }
    FileDefaultsStore reread(m_path);
    EXPECT_TRUE(reread.value(QStringLiteral("hasCompletedOnboarding"))->toBool());
    EXPECT_EQ(reread.value(QStringLiteral("ringScale"))->toDouble(), 1.5);
    EXPECT_TRUE(reread.problems().isEmpty());
    EXPECT_EQ(asideFiles().size(), 1);

    // A byte that is not text where the structure of the document is stays fatal.
    writeRaw("{\"values\":{}\xe9}");
    FileDefaultsStore broken(m_path);
    EXPECT_TRUE(broken.keys().isEmpty());
    EXPECT_EQ(asideFiles().size(), 2);
}

TEST_F(FileDefaultsStoreTest, AFileOfANewerFormatIsKeptBeforeItsFirstRewrite)
{
    const QByteArray newer
        = R"({"version":3,"profiles":{"work":[1,2]},"values":{"ringScale":{"type":"double","value":1.5}}})";
    writeRaw(newer);
    FileDefaultsStore store(m_path);
    EXPECT_EQ(store.value(QStringLiteral("ringScale"))->toDouble(), 1.5);
    store.setValue(QStringLiteral("other"), true);
    store.flush();
    EXPECT_EQ(readAll(m_path + QStringLiteral(".version-3")), newer);
    EXPECT_TRUE(readAll(m_path).contains("\"profiles\": {\"work\":[1,2]}"));
    EXPECT_TRUE(std::any_of(
        m_log.begin(), m_log.end(), [](const QString& l) { return l.contains(QStringLiteral(".version-3")); }));
    store.setValue(QStringLiteral("more"), true);
    store.flush();
    EXPECT_FALSE(QFile::exists(m_path + QStringLiteral(".version-3-2")));
}

// Runs as a child process of KilledWritersLeaveACommittedFile: rewrites the
// file as fast as it can, each state a number and a blob made from it.
TEST(FileDefaultsChild, EndlessWriter)
{
    const QString path = qEnvironmentVariable("KELVARO_CHILD_STORM");
    if (path.isEmpty())
        GTEST_SKIP() << "only runs as a child writer";
    FileDefaultsStore store(path);
    const QVariantList start = store.value(QStringLiteral("state")).value_or(QVariantList { qint64(0) }).toList();
    for (qint64 n = start.value(0).toLongLong() + 1;; ++n) {
        store.setValue(
            QStringLiteral("state"), QVariantList { n, QString(50000 + int(n % 1000), QChar(u'a' + int(n % 26))) });
        store.flush();
    }
}

TEST_F(FileDefaultsStoreTest, KilledWritersLeaveACommittedFile)
{
    // Each commit replaces the file: a new inode, or at least a new time.
    const auto fileState = [&] {
        struct stat st { };
        if (::stat(QFile::encodeName(m_path).constData(), &st) != 0)
            return std::pair<qint64, qint64>(0, 0);
        return std::pair<qint64, qint64>(
            qint64(st.st_ino), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec);
    };
    qint64 last = 0;
    for (int round = 0; round < 30; ++round) {
        const auto before = fileState();
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KELVARO_CHILD_STORM"), m_path);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
            { QStringLiteral("--gtest_filter=FileDefaultsChild.EndlessWriter") });
        ASSERT_TRUE(child.waitForStarted());
        // Killed a while after its first commit of the round, however slowly
        // it starts (a busy machine, a sanitizer's build): at a different
        // point of its writing each round.
        QElapsedTimer started;
        started.start();
        while (fileState() == before && started.elapsed() < 20000)
            QThread::msleep(2);
        ASSERT_NE(fileState(), before) << "round " << round << ": the writer committed nothing in 20 s";
        QThread::msleep((round * 37) % 150);
        ::kill(pid_t(child.processId()), SIGKILL);
        ASSERT_TRUE(child.waitForFinished());

        FileDefaultsStore reader(m_path);
        ASSERT_TRUE(asideFiles().isEmpty()) << "round " << round;
        ASSERT_TRUE(reader.contains(QStringLiteral("state"))) << "round " << round;
        const QVariantList state = reader.value(QStringLiteral("state"))->toList();
        ASSERT_EQ(state.size(), 2);
        const qint64 n = state[0].toLongLong();
        EXPECT_GE(n, last);
        last = n;
        // A committed state: the blob is the one written together with n.
        EXPECT_EQ(state[1].toString(), QString(50000 + int(n % 1000), QChar(u'a' + int(n % 26)))) << "round " << round;
    }
    EXPECT_GT(last, 0);
}

TEST_F(FileDefaultsStoreTest, AnEmptyLockLeftByAKilledWriterHoldsNothingUp)
{
    // A writer killed between making its lock file and filling it in leaves
    // one that names no process: it must not hold up the next start, nor
    // leave the store reading and writing without a lock.
    {
        FileDefaultsStore store(m_path);
        store.setValue(QStringLiteral("k"), 1);
        store.flush();
    }
    const QString lockPath = m_path + QStringLiteral(".lock");
    {
        QFile lock(lockPath);
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addSecs(-5), QFileDevice::FileModificationTime));
    }
    m_log.clear();
    {
        FileDefaultsStore store(m_path);
        EXPECT_EQ(store.value(QStringLiteral("k"))->toInt(), 1);
        store.setValue(QStringLiteral("k"), 2);
        store.flush();
    }
    EXPECT_EQ(FileDefaultsStore(m_path).value(QStringLiteral("k"))->toInt(), 2);
    ASSERT_EQ(m_log.size(), 1) << m_log.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(m_log[0].contains(QStringLiteral("an empty lock file"))) << m_log[0].toStdString();
    EXPECT_FALSE(QFile::exists(lockPath));
    EXPECT_FALSE(QFile::exists(lockPath + QStringLiteral(".rmlock")));
}
