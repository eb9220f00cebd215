// The program the autostart entry starts: the one running, also after a
// package upgrade replaced its file, and the one on the PATH when the
// upgrade put it elsewhere.

#include "platform/linux/XdgLoginItem.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

}
