// The program the autostart entry starts: the one running, also after a
// package upgrade replaced its file, and the one on the PATH when the
// upgrade put it elsewhere. An entry written before such an upgrade, naming
// a program that is gone, is brought up to date when it is read.

#include "platform/ApplicationIdentity.h"
#include "platform/LoginItem.h"
#include "platform/linux/XdgLoginItem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

std::shared_ptr<LoginItem> makeDefaultLoginItem();

namespace {

QString makeProgram(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

struct PathGuard {
    QByteArray saved = qgetenv("PATH");
    ~PathGuard() { qputenv("PATH", saved); }
};

TEST(XdgLoginItemTest, StartsTheProgramWhereItIsInstalled)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString installed = makeProgram(dir.filePath(QStringLiteral("kelvaro")));
    PathGuard path;
    qputenv("PATH", "/nonexistent");

    // Installed, or a build tree: where it runs.
    EXPECT_EQ(XdgLoginItem::program(installed), installed);
    // An upgrade replaced the file this process runs from: the new one is at the same place.
    EXPECT_EQ(XdgLoginItem::program(installed + QStringLiteral(" (deleted)")), installed);

    // The new version lives elsewhere: the one the PATH finds.
    QTemporaryDir moved;
    ASSERT_TRUE(moved.isValid());
    const QString elsewhere = makeProgram(moved.filePath(QStringLiteral("kelvaro")));
    qputenv("PATH", QFile::encodeName(moved.path()));
    const QString gone = dir.filePath(QStringLiteral("gone/kelvaro"));
    EXPECT_EQ(XdgLoginItem::program(gone + QStringLiteral(" (deleted)")), elsewhere);
    // Nowhere else to be found: the old place is the best guess left.
    qputenv("PATH", "/nonexistent");
    EXPECT_EQ(XdgLoginItem::program(gone + QStringLiteral(" (deleted)")), gone);
}

// The Exec value of an entry, as the desktop entry reader gives it.
QString execOf(const QByteArray& line)
{
    return ApplicationIdentity::mainGroup("[Desktop Entry]\nExec=" + line + "\n").value(QStringLiteral("Exec"));
}

TEST(XdgLoginItemTest, ReadsTheProgramBackAsItWasWritten)
{
    // As the entry holds /opt/My "Apps"/a$b%c\d/kelvaro: quoted, then escaped as a string.
    EXPECT_EQ(XdgLoginItem::execProgram(execOf(R"(env "/opt/My \\"Apps\\"/a\\$b%%c\\\\d/kelvaro" --x)")),
        QStringLiteral(R"(/opt/My "Apps"/a$b%c\d/kelvaro)"));
    EXPECT_EQ(XdgLoginItem::execProgram(execOf("/usr/bin/kelvaro --x")), QStringLiteral("/usr/bin/kelvaro"));
    // Found on the PATH, or not a program at all: nothing to check.
    EXPECT_EQ(XdgLoginItem::execProgram(execOf("kelvaro")), QString());
    EXPECT_EQ(XdgLoginItem::execProgram(execOf(R"("/usr/bin/kelvaro)")), QString());
}

TEST(XdgLoginItemTest, EveryEntryWrittenIsValidAndStartsTheSameProgram)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("kelvaro.desktop"));
    for (const QString& program : { QStringLiteral("/usr/bin/kelvaro"), QStringLiteral("/opt/My Apps/kelvaro"),
             QStringLiteral(R"(/opt/say "hi"/kelvaro)"), QStringLiteral("/opt/a`b$c/kelvaro"),
             QStringLiteral(R"(/opt/back\slash\\/kelvaro)"), QStringLiteral("/opt/100%/kelvaro%%u"),
             QStringLiteral("/opt/tab\there/kelvaro"), QStringLiteral("/opt/a;b#c=d[e]'f/kelvaro"),
             QStringLiteral(" /opt/lead/kelvaro"), QStringLiteral("/opt/ünïcødé/kelvaro") }) {
        SCOPED_TRACE(program.toStdString());
        const auto text = XdgLoginItem::entryText(program);
        ASSERT_TRUE(text);
        {
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(text->toUtf8());
        }
        QProcess validate;
        validate.start(QStringLiteral("desktop-file-validate"), { file });
        ASSERT_TRUE(validate.waitForFinished(10000));
        EXPECT_EQ(validate.exitCode(), 0);
        EXPECT_EQ(validate.readAll(), QByteArray()) << qPrintable(*text);

        const auto entry = ApplicationIdentity::parseEntry(text->toUtf8(), file, QStringLiteral("kelvaro"));
        ASSERT_TRUE(entry);
        EXPECT_FALSE(entry->has(QStringLiteral("Hidden")));
        // A '%' would make the first word name no file until expanded: env starts it.
        QStringList expected { program };
        if (program.contains(QLatin1Char('%')))
            expected.prepend(QStringLiteral("env"));
        EXPECT_EQ(ApplicationIdentity::execArguments(*entry), expected);
        EXPECT_EQ(XdgLoginItem::execProgram(entry->value(QStringLiteral("Exec"))),
            program.startsWith(QLatin1Char('/')) ? program : QString());
    }
    // A line break cannot be held: no entry, and a reason that says so.
    for (const QString& program : { QStringLiteral("/opt/x\nHidden=true\n/kelvaro"),
             QStringLiteral("/opt/cr\r/kelvaro"), QStringLiteral("/opt/bell\a/kelvaro") }) {
        QString refusal;
        EXPECT_FALSE(XdgLoginItem::entryText(program, &refusal));
        EXPECT_TRUE(refusal.contains(QStringLiteral("holds a"))) << qPrintable(refusal);
        EXPECT_FALSE(refusal.contains(QLatin1Char('\n')));
    }
}

TEST(XdgLoginItemTest, AnEntryWhoseProgramIsGoneStartsThisOneAgain)
{
    const QString path = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/autostart/kelvaro.desktop");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    auto write = [&](const QByteArray& exec) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[Desktop Entry]\nType=Application\nName=Kelvaro\nExec=" + exec + "\n");
    };
    auto read = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    };
    auto item = makeDefaultLoginItem();

    write("\"/nonexistent/old-place/kelvaro\"");
    EXPECT_TRUE(item->isEnabled());
    EXPECT_TRUE(
        read().contains(QStringLiteral("\nExec=\"") + QCoreApplication::applicationFilePath() + QLatin1Char('"')))
        << qPrintable(read());

    // One the user pointed at the PATH's kelvaro is theirs to keep.
    write("kelvaro --quiet");
    EXPECT_TRUE(item->isEnabled());
    EXPECT_TRUE(read().contains(QStringLiteral("\nExec=kelvaro --quiet\n")));
    EXPECT_FALSE(item->unregisterItem());
}

}
