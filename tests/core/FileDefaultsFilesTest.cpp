// The defaults file against what else may be on disk: its own size limit,
// FIFOs, devices and links in its place, and the files left beside it.
#include "platform/Log.h"
#include "platform/linux/FileDefaultsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {
using Kind = DefaultsStore::Problem::Kind;

class FileDefaultsFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QDir().mkpath(folder());
        m_path = folder() + QStringLiteral("/defaults.json");
        Log::setSink([this](const QString& line) { m_log.append(line); });
    }
    void TearDown() override { Log::setSink({}); }

    QString folder() const { return m_dir.filePath(QStringLiteral("kelvaro")); }
    int copiesKept() const
    {
        return int(QDir(folder()).entryList({ QStringLiteral("*.corrupt-*") }, QDir::Files).size());
    }
    static void write(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    static QByteArray read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Opens a store on `path` in a child process that must be done within
    // ten seconds; its log lines and what it stored are returned.
    QString inChild(const QString& path)
    {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KELVARO_CHILD_ODD"), path);
        child.setProcessEnvironment(env);
        child.start(
            QCoreApplication::applicationFilePath(), { QStringLiteral("--gtest_filter=FileDefaultsChild.OddFile") });
        const bool finished = child.waitForFinished(10000);
        if (!finished) {
            child.kill();
            child.waitForFinished();
        }
        const QString out = QString::fromUtf8(child.readAllStandardOutput());
        EXPECT_TRUE(finished) << "hung on " << path.toStdString() << "\n" << out.toStdString();
        EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
        return out;
    }

    QTemporaryDir m_dir;
    QString m_path;
    QStringList m_log;
};

bool isFifo(const QString& path)
{
    struct stat st { };
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}
}

TEST_F(FileDefaultsFilesTest, NothingIsWrittenThatCouldNotBeReadBack)
{
    {
        FileDefaultsStore store(m_path);
        store.setValue(QStringLiteral("switcherHotkey"), QStringLiteral("ctrl+tab"));
        store.flush();
        const QByteArray before = read(m_path);
        m_log.clear();
        // Base64 makes this larger than the largest file that is read.
        const QByteArray huge(49 * 1024 * 1024, 'x');
        store.setValue(QStringLiteral("capturedTabSessions"), huge);
        store.setValue(QStringLiteral("capturedTabSessions"), huge);
        EXPECT_FALSE(store.contains(QStringLiteral("capturedTabSessions")));
        store.flush();
        EXPECT_EQ(read(m_path), before);
        EXPECT_EQ(m_log.size(), 2); // each refusal, naming the key
        EXPECT_TRUE(m_log.value(0).contains(QStringLiteral("\"capturedTabSessions\"")));
        ASSERT_EQ(store.problems().size(), 1); // told once
        EXPECT_EQ(store.problems()[0].kind, Kind::refused);
        store.setValue(QStringLiteral("small"), true); // later changes still go out
    }
    FileDefaultsStore reread(m_path);
    EXPECT_EQ(reread.value(QStringLiteral("switcherHotkey"))->toString(), QStringLiteral("ctrl+tab"));
    EXPECT_TRUE(reread.contains(QStringLiteral("small")));
    EXPECT_EQ(copiesKept(), 0);
    EXPECT_TRUE(reread.problems().isEmpty());

    // Another process filled the file meanwhile: what this store merges in
    // is not written, and the file stays as that process left it.
    const QByteArray other = "{\"version\":1,\"values\":{\"other\":{\"type\":\"string\",\"value\":\""
        + QByteArray(60 * 1024 * 1024, 'o') + "\"}}}";
    write(m_path, other);
    reread.setValue(QStringLiteral("mine"), QString(6 * 1024 * 1024, QLatin1Char('m')));
    reread.flush();
    QCoreApplication::processEvents();
    EXPECT_EQ(read(m_path).size(), other.size());
    ASSERT_EQ(reread.problems().size(), 1);
    EXPECT_EQ(reread.problems()[0].kind, Kind::notSaved);
    EXPECT_TRUE(reread.problems()[0].reason.contains(QStringLiteral("read back")));
}

// Runs as a child process of OddFilesInItsPlaceNeverHangAndAreLeftAlone.
TEST(FileDefaultsChild, OddFile)
{
    const QString path = qEnvironmentVariable("KELVARO_CHILD_ODD");
    if (path.isEmpty())
        GTEST_SKIP() << "only runs as a child";
        // A device without end read into memory fails here instead of taking the machine's.
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
    // A sanitizer reserves terabytes of address space up front; there the
    // hard size limit of the read is what keeps a device from filling memory.
    const rlimit memory { rlim_t(1) << 30, rlim_t(1) << 30 };
    setrlimit(RLIMIT_AS, &memory);
#endif
    Log::setSink([](const QString& line) { std::printf("%s\n", qPrintable(line)); });
    {
        FileDefaultsStore store(path);
        store.setValue(QStringLiteral("new"), true);
        store.flush();
        QCoreApplication::processEvents();
        for (const auto& p : store.problems())
            std::printf("problem %d\n", int(p.kind));
        std::printf("keys %s\n", qPrintable(store.keys().join(QLatin1Char(','))));
    }
    Log::setSink({});
    std::fflush(stdout);
}

TEST_F(FileDefaultsFilesTest, OddFilesInItsPlaceNeverHangAndAreLeftAlone)
{
    // A FIFO: never opened for good, never replaced; the settings live in memory.
    ASSERT_EQ(::mkfifo(QFile::encodeName(m_path).constData(), 0600), 0);
    QString out = inChild(m_path);
    EXPECT_TRUE(out.contains(m_path + QStringLiteral(" (not a regular file (a FIFO))"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("problem %1").arg(int(Kind::notSaved))));
    EXPECT_TRUE(out.contains(QStringLiteral("keys new")));
    EXPECT_TRUE(isFifo(m_path));
    QFile::remove(m_path);

    // A link to a device that never ends.
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), m_path));
    out = inChild(m_path);
    EXPECT_TRUE(out.contains(QStringLiteral("(not a regular file (a character device))"))) << out.toStdString();
    EXPECT_EQ(QFileInfo(m_path).symLinkTarget(), QStringLiteral("/dev/zero"));
    QFile::remove(m_path);

    // A FIFO as the lock file: the settings are read and saved without it, said once.
    write(m_path, R"({"version":1,"values":{"keep":{"type":"bool","value":true}}})");
    ASSERT_EQ(::mkfifo(QFile::encodeName(m_path + QStringLiteral(".lock")).constData(), 0600), 0);
    out = inChild(m_path);
    EXPECT_TRUE(out.contains(QStringLiteral("keys keep,new"))) << out.toStdString();
    EXPECT_EQ(out.count(QStringLiteral(".lock (not a regular file (a FIFO))")), 1) << out.toStdString();
    EXPECT_TRUE(read(m_path).contains("\"new\""));
    EXPECT_TRUE(isFifo(m_path + QStringLiteral(".lock")));
    EXPECT_EQ(copiesKept(), 0);
    QFile::remove(m_path + QStringLiteral(".lock"));

    // A link to a regular file (settings kept with other dotfiles) is read and written through.
    const QString target = m_dir.filePath(QStringLiteral("dotfiles-defaults.json"));
    ASSERT_TRUE(QFile::rename(m_path, target) && QFile::link(target, m_path));
    EXPECT_TRUE(inChild(m_path).contains(QStringLiteral("keys keep,new")));
    EXPECT_EQ(QFileInfo(m_path).symLinkTarget(), target);
    EXPECT_TRUE(read(target).contains("\"new\""));
}

TEST_F(FileDefaultsFilesTest, FilesBesideTheSettingsDoNotPileUp)
{
    // The same unreadable content, met at every start, is kept once.
    const QByteArray deep = "{\"version\":1,\"values\":{\"deep\":{\"type\":\"array\",\"value\":" + QByteArray(500, '[')
        + QByteArray(500, ']') + "}}}";
    for (const QByteArray& bytes : { deep, deep, deep, QByteArray("{\"values\": {"), QByteArray("{\"values\": {") }) {
        write(m_path, bytes);
        FileDefaultsStore store(m_path);
        ASSERT_EQ(store.problems().size(), 1);
        EXPECT_EQ(read(store.problems()[0].keptAs), bytes);
    }
    EXPECT_EQ(copiesKept(), 2);

    // Distinct ones: the newest few stay.
    for (int n = 0; n < 2 * FileDefaultsStore::maxKeptCopies; ++n) {
        write(m_path, "damaged " + QByteArray::number(n));
        FileDefaultsStore store(m_path);
    }
    EXPECT_EQ(copiesKept(), FileDefaultsStore::maxKeptCopies);
    QDirIterator copies(folder(), { QStringLiteral("*.corrupt-*") }, QDir::Files);
    while (copies.hasNext())
        EXPECT_GE(read(copies.next()).mid(8).toInt(), FileDefaultsStore::maxKeptCopies);

    // A save killed between writing and renaming leaves its temporary file:
    // the next start removes it once no save can still be writing it, and
    // nothing that only looks alike.
    QFile::remove(m_path);
    const QStringList names { QStringLiteral("defaults.json.dLchrT"), QStringLiteral("defaults.json.backup"),
        QStringLiteral("defaults.json.AbCdE"), QStringLiteral("defaults.json.Qx7bZa") };
    for (const QString& name : names) {
        QFile f(folder() + QLatin1Char('/') + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        if (name != names.last()) // the last one is being written now
            f.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime);
    }
    {
        FileDefaultsStore store(m_path);
    }
    for (const QString& name : names)
        EXPECT_EQ(QFile::exists(folder() + QLatin1Char('/') + name), name != names.first()) << name.toStdString();
}

TEST_F(FileDefaultsFilesTest, AFileDamagedWhileRunningIsReportedAsWrittenBack)
{
    FileDefaultsStore store(m_path);
    store.setValue(QStringLiteral("switcherHotkey"), QStringLiteral("ctrl+tab"));
    store.flush();
    const QByteArray half = read(m_path).left(20); // another program's interrupted write
    write(m_path, half);
    m_log.clear();
    store.setValue(QStringLiteral("ringScale"), 1.5);
    store.flush();
    QCoreApplication::processEvents();
    ASSERT_EQ(m_log.size(), 1) << m_log.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(m_log[0].contains(QStringLiteral("the settings in memory are written in its place")))
        << m_log[0].toStdString();
    EXPECT_FALSE(m_log[0].contains(QStringLiteral("empty settings")));
    ASSERT_EQ(store.problems().size(), 1);
    EXPECT_EQ(store.problems()[0].kind, Kind::writtenBack);
    EXPECT_EQ(read(store.problems()[0].keptAs), half);
    FileDefaultsStore reread(m_path);
    EXPECT_EQ(reread.value(QStringLiteral("switcherHotkey"))->toString(), QStringLiteral("ctrl+tab"));
    EXPECT_EQ(reread.value(QStringLiteral("ringScale"))->toDouble(), 1.5);
}
