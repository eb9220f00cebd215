// Files that are not what their names promise: FIFOs nobody writes to, links
// to /dev/zero, pictures of another kind. Every reader refuses them at once,
// names them in a log line and keeps reading the good files beside them.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <unistd.h>

#include "platform/ApplicationIdentity.h"
#include "platform/IconFile.h"
#include "platform/LoginItem.h"
#include "platform/SafeFile.h"
#include "support/TestSupport.h"
#include "support/Watchdog.h"

std::shared_ptr<LoginItem> makeDefaultLoginItem();

namespace {

QByteArray entry(const QByteArray& name, const QByteArray& extra = {})
{
    return "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=true\n" + extra;
}

void put(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

bool logged(const QStringList& lines, const QString& file)
{
    for (const QString& line : lines) {
        if (line.startsWith(QStringLiteral("Kelvaro: ")) && line.contains(file))
            return true;
    }
    return false;
}

class HostileFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_oldHome = qgetenv("XDG_DATA_HOME");
        m_oldDirs = qgetenv("XDG_DATA_DIRS");
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
        qputenv("XDG_DATA_DIRS", data.path().toUtf8());
        env.sim().applicationIdentity().reload();
        ASSERT_TRUE(TestSupport::makeFifo(dir.filePath(QStringLiteral("fifo"))));
    }
    void TearDown() override
    {
        qputenv("XDG_DATA_HOME", m_oldHome);
        qputenv("XDG_DATA_DIRS", m_oldDirs);
        env.sim().applicationIdentity().reload();
    }
    QString fifo() const { return dir.filePath(QStringLiteral("fifo")); }

    TestSupport::SimEnvironment env;
    QTemporaryDir data;
    QTemporaryDir dir;

private:
    QByteArray m_oldHome, m_oldDirs;
};

TEST_F(HostileFiles, DesktopEntriesThatAreNoFilesAreRefusedAndTheOthersStillRead)
{
    const QString apps = data.path() + QStringLiteral("/applications");
    put(apps + QStringLiteral("/org.example.Good.desktop"), entry("Good"));
    ASSERT_TRUE(TestSupport::makeFifo(apps + QStringLiteral("/org.example.Fifo.desktop")));
    ASSERT_TRUE(QFile::link(fifo(), apps + QStringLiteral("/org.example.FifoLink.desktop")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), apps + QStringLiteral("/org.example.Zero.desktop")));
    {
        TestSupport::Watchdog watchdog("reading desktop entries");
        QStringList ids;
        for (const DesktopEntry& e : env.sim().applicationIdentity().entries())
            ids << e.id;
        EXPECT_EQ(ids, QStringList { QStringLiteral("org.example.Good") });
        // A launcher entry stored in the settings is read by its path.
        EXPECT_FALSE(ApplicationIdentity::readEntry(apps + QStringLiteral("/org.example.Fifo.desktop")));
        EXPECT_FALSE(ApplicationIdentity::readEntry(apps + QStringLiteral("/org.example.Zero.desktop")));
    }
    for (const char* id : { "org.example.FifoLink", "org.example.Zero", "org.example.Fifo" })
        EXPECT_TRUE(logged(env.logLines(), apps + QLatin1Char('/') + QLatin1String(id) + QStringLiteral(".desktop")))
            << id;

    // The autostart entry is one too.
    const QString autostart = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/autostart/kelvaro.desktop");
    QDir().mkpath(QFileInfo(autostart).path());
    QFile::remove(autostart);
    ASSERT_TRUE(TestSupport::makeFifo(autostart));
    {
        TestSupport::Watchdog watchdog("reading the autostart entry");
        EXPECT_FALSE(makeDefaultLoginItem()->isEnabled());
    }
    EXPECT_TRUE(logged(env.logLines(), autostart));
    QFile::remove(autostart);

    // Files under /proc report a size of 0 and are read all the same.
    const QPair<QString, QString> self = ApplicationIdentity::processFacts(qint32(::getpid()));
    EXPECT_EQ(QFileInfo(self.second).fileName(), QStringLiteral("test_platform"));
    EXPECT_EQ(QFileInfo(self.first).fileName(), QStringLiteral("test_platform"));
    EXPECT_EQ(SafeFile::readHead(QStringLiteral("/proc/self/cmdline"), 4).bytes.size(), 4);
}

TEST_F(HostileFiles, IconFilesThatAreNoPicturesGiveNoIcon)
{
    QImage red(32, 32, QImage::Format_ARGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(dir.filePath(QStringLiteral("red.png"))));
    put(dir.filePath(QStringLiteral("round.svg")),
        R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 10 10"><circle cx="5" cy="5" r="5" fill="#00f"/></svg>)");
    put(dir.filePath(QStringLiteral("text.png")), "not a picture");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("zero.png"))));
    ASSERT_TRUE(QFile::link(fifo(), dir.filePath(QStringLiteral("fifo.svg"))));

    TestSupport::Watchdog watchdog("reading icon files");
    EXPECT_EQ(IconFile::load(dir.filePath(QStringLiteral("red.png"))).pixmap(32).toImage().pixelColor(16, 16),
        QColor(Qt::red));
    const QImage round = IconFile::load(dir.filePath(QStringLiteral("round.svg"))).pixmap(64).toImage();
    EXPECT_EQ(round.size(), QSize(64, 64)); // drawn at the size asked for
    EXPECT_EQ(round.pixelColor(32, 32), QColor(Qt::blue));
    for (const char* bad : { "fifo", "fifo.svg", "zero.png", "text.png" }) {
        const QString path = dir.filePath(QLatin1String(bad));
        EXPECT_TRUE(IconFile::load(path).isNull()) << bad;
        EXPECT_TRUE(logged(env.logLines(), path)) << bad;
    }
}

} // namespace
