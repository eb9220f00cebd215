#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "switcher/LauncherApps.h"
#include "platform/sim/SimDesktop.h"
#include "support/TestSupport.h"

namespace {

class LauncherAppsTest : public ::testing::Test {
protected:
    void SetUp() override { desktop = &env.sim().desktop(); }
    QString entry(const QString& file, const QByteArray& body)
    {
        const QString path = dir.path() + QLatin1Char('/') + file;
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Desktop Entry]\nType=Application\nExec=x\n" + body);
        return path;
    }
    void install(const QString& bundle, const QString& path)
    {
        desktop->installed.insert(bundle, { path, SimDesktop::solidIcon(Qt::red), true });
    }

    TestSupport::SimEnvironment env;
    QTemporaryDir dir;
    SimDesktop* desktop = nullptr;
};

TEST_F(LauncherAppsTest, ResolvedKeepsInstalledApplicationsInTheGivenOrder)
{
    install(QStringLiteral("org.example.One"), entry(QStringLiteral("one.desktop"), "Name=One\n"));
    install(QStringLiteral("org.example.Three"), entry(QStringLiteral("three.desktop"), "Name=Three\n"));
    const auto apps = LauncherApps::resolved(env.platform(),
        { QStringLiteral("org.example.One"), QStringLiteral("org.example.Two"), QStringLiteral("org.example.Three"),
            QStringLiteral("org.example.One") });
    ASSERT_EQ(apps.size(), 3);
    EXPECT_EQ(apps[0].name, QStringLiteral("One"));
    EXPECT_EQ(apps[1].bundleIdentifier, QStringLiteral("org.example.Three"));
    EXPECT_EQ(apps[2].bundleIdentifier, QStringLiteral("org.example.One")); // duplicates stay
    EXPECT_FALSE(apps[0].isActive);
    EXPECT_EQ(apps[0].icon.size(), QSize(128, 128));
    EXPECT_TRUE(LauncherApps::resolved(env.platform(), {}).isEmpty());
    EXPECT_TRUE(env.logLines().isEmpty());
}

TEST_F(LauncherAppsTest, DisplayNamePrefersTheLocalNameAndFallsBackWhenEmpty)
{
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    const QString local = entry(QStringLiteral("a.desktop"), "Name=Files\nName[de]=Dateien\n");
    const QString emptyLocal = entry(QStringLiteral("b.desktop"), "Name=Files\nName[de]=\n");
    const QString plain = entry(QStringLiteral("c.desktop"), "Name=Files\n");
    const QString nameless = entry(QStringLiteral("Nameless Tool.desktop"), "");
    const QString emptyName = entry(QStringLiteral("d.desktop"), "Name=\n");
    EXPECT_EQ(LauncherApps::displayName(local, QStringLiteral("fb")), QStringLiteral("Dateien"));
    // An empty local name is chosen, and so gives the fallback rather than Name.
    EXPECT_EQ(LauncherApps::displayName(emptyLocal, QStringLiteral("fb")), QStringLiteral("fb"));
    EXPECT_EQ(LauncherApps::displayName(plain, QStringLiteral("fb")), QStringLiteral("Files"));
    EXPECT_EQ(LauncherApps::displayName(nameless, QStringLiteral("fb")), QStringLiteral("Nameless Tool"));
    EXPECT_EQ(LauncherApps::displayName(emptyName, QStringLiteral("fb")), QStringLiteral("fb"));
    EXPECT_EQ(LauncherApps::displayName(dir.path() + QStringLiteral("/missing.desktop"), QStringLiteral("fb")),
        QStringLiteral("missing"));
    QLocale::setDefault(QLocale::c());
}

} // namespace
