#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QTemporaryDir>

#include "platform/ApplicationIdentity.h"
#include "support/TestSupport.h"

namespace {

// Desktop entries in a private $XDG_DATA_HOME and one $XDG_DATA_DIRS folder.
class ApplicationIdentityTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_oldHome = qgetenv("XDG_DATA_HOME");
        m_oldDirs = qgetenv("XDG_DATA_DIRS");
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        qputenv("XDG_DATA_DIRS", system.path().toUtf8());
        identities.reload();
    }
    void TearDown() override
    {
        qputenv("XDG_DATA_HOME", m_oldHome);
        qputenv("XDG_DATA_DIRS", m_oldDirs);
        identities.reload();
    }
    static void write(const QTemporaryDir& base, const QString& relative, const QByteArray& text)
    {
        const QString path = base.path() + QStringLiteral("/applications/") + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    static void writeFile(const QString& path, const QByteArray& text = "x")
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    static QByteArray app(const QByteArray& name, const QByteArray& exec, const QByteArray& extra = {})
    {
        return "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" + exec + "\n" + extra;
    }
    QString bundleFor(ApplicationIdentity::WindowFacts facts) { return identities.bundleIdentifier(facts); }

    QTemporaryDir home;
    QTemporaryDir system;
    ApplicationIdentity identities;

private:
    QByteArray m_oldHome, m_oldDirs;
};

TEST_F(ApplicationIdentityTest, WindowsAreMatchedByApplicationIdThenClassThenExecutable)
{
    write(system, QStringLiteral("org.gnome.TextEditor.desktop"), app("Text Editor", "gnome-text-editor %U"));
    write(system, QStringLiteral("firefox-esr.desktop"),
        app("Firefox ESR", "/usr/lib/firefox-esr/firefox-esr %u", "StartupWMClass=Firefox-esr\n"));
    write(system, QStringLiteral("code.desktop"),
        app("Code", "env GDK_BACKEND=x11 /usr/share/code/code --unity-launch %F"));
    write(system, QStringLiteral("xterm.desktop"), app("XTerm", "xterm"));

    EXPECT_EQ(bundleFor({ QStringLiteral("org.gnome.TextEditor"), QStringLiteral("x"), QStringLiteral("X"), {}, {} }),
        QStringLiteral("org.gnome.TextEditor"));
    // StartupWMClass, any case; an alias turns the desktop id into the reverse-DNS id.
    EXPECT_EQ(bundleFor({ {}, QStringLiteral("Navigator"), QStringLiteral("firefox-ESR"), {}, {} }),
        QStringLiteral("org.mozilla.firefox"));
    // The file name against WM_CLASS; an entry without alias keeps its own id.
    EXPECT_EQ(bundleFor({ {}, QStringLiteral("xterm"), QStringLiteral("XTerm"), {}, {} }), QStringLiteral("xterm"));
    // The executable against Exec, past an env prefix.
    EXPECT_EQ(bundleFor({ {}, QStringLiteral("unknown"), QStringLiteral("Unknown"),
                  QStringLiteral("/usr/share/code/code"), {} }),
        QStringLiteral("com.microsoft.VSCode"));
    // No entry at all: the class name, else the instance name.
    EXPECT_EQ(bundleFor({ {}, QStringLiteral("tool"), QStringLiteral("Tool"), QStringLiteral("/opt/tool"), {} }),
        QStringLiteral("Tool"));
    EXPECT_EQ(bundleFor({ {}, QStringLiteral("tool"), {}, {}, {} }), QStringLiteral("tool"));
    EXPECT_EQ(bundleFor({}), QString());
}

TEST_F(ApplicationIdentityTest, BundleIdentifiersLeadBackToTheirEntries)
{
    write(system, QStringLiteral("firefox-esr.desktop"), app("Firefox ESR", "firefox-esr"));
    write(system, QStringLiteral("com.example.Flat.desktop"), app("Flat", "flat"));
    write(system, QStringLiteral("xterm.desktop"), app("XTerm", "xterm"));
    auto& identity = identities;
    EXPECT_EQ(
        identity.entryForBundleIdentifier(QStringLiteral("org.mozilla.firefox"))->id, QStringLiteral("firefox-esr"));
    EXPECT_EQ(
        identity.entryForBundleIdentifier(QStringLiteral("com.example.Flat"))->id, QStringLiteral("com.example.Flat"));
    EXPECT_EQ(identity.entryForBundleIdentifier(QStringLiteral("xterm"))->id, QStringLiteral("xterm"));
    EXPECT_FALSE(identity.entryForBundleIdentifier(QStringLiteral("com.google.Chrome")));
    // "firefox" is an alias id: its entry's identity is the reverse-DNS one, not "firefox-esr".
    EXPECT_FALSE(identity.entryForBundleIdentifier(QStringLiteral("firefox-esr")));

    // Installed later: found without restarting (the folder changed).
    write(home, QStringLiteral("google-chrome.desktop"), app("Chrome", "google-chrome"));
    EXPECT_EQ(
        identity.entryForBundleIdentifier(QStringLiteral("com.google.Chrome"))->id, QStringLiteral("google-chrome"));
}

TEST_F(ApplicationIdentityTest, UserEntriesWinAndUnusableEntriesAreSkipped)
{
    write(system, QStringLiteral("org.example.App.desktop"), app("System copy", "app"));
    write(home, QStringLiteral("org.example.App.desktop"), app("User copy", "app"));
    write(system, QStringLiteral("kde/org.example.Nested.desktop"), app("Nested", "nested"));
    write(system, QStringLiteral("org.example.Gone.desktop"), app("Gone", "gone", "Hidden=true\n"));
    write(system, QStringLiteral("org.example.Link.desktop"), "[Desktop Entry]\nType=Link\nName=Link\nURL=http://x\n");
    write(system, QStringLiteral("org.example.Garbage.desktop"), QByteArray("\x00\xff\xfe[Desktop", 11));
    write(system, QStringLiteral("org.example.Huge.desktop"), app("Huge", "huge", QByteArray(2 * 1024 * 1024, '#')));
    auto& identity = identities;
    EXPECT_EQ(
        identity.entry(QStringLiteral("org.example.App"))->value(QStringLiteral("Name")), QStringLiteral("User copy"));
    EXPECT_TRUE(identity.entry(QStringLiteral("kde-org.example.Nested")));
    for (const char* id : { "org.example.Gone", "org.example.Link", "org.example.Garbage", "org.example.Huge" })
        EXPECT_FALSE(identity.entry(QString::fromLatin1(id))) << id;
}

TEST_F(ApplicationIdentityTest, ExecLinesAreSplitAndFieldCodesHandled)
{
    DesktopEntry e;
    e.path = QStringLiteral("/x/app.desktop");
    e.keys.insert(QStringLiteral("Name"), QStringLiteral("My App"));
    e.keys.insert(QStringLiteral("Icon"), QStringLiteral("my-app"));
    e.keys.insert(
        QStringLiteral("Exec"), QStringLiteral(R"("/opt/My App/run" --flag %U "say \"hi\"" 100%% %i --name=%c %k)"));
    EXPECT_EQ(ApplicationIdentity::execArguments(e),
        (QStringList { QStringLiteral("/opt/My App/run"), QStringLiteral("--flag"), QStringLiteral("say \"hi\""),
            QStringLiteral("100%"), QStringLiteral("--icon"), QStringLiteral("my-app"), QStringLiteral("--name=My App"),
            QStringLiteral("/x/app.desktop") }));

    // Values are unescaped when read.
    write(system, QStringLiteral("org.example.Esc.desktop"), app("Tab\\there", "run\\sthis"));
    const auto read = identities.entry(QStringLiteral("org.example.Esc"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->value(QStringLiteral("Name")), QStringLiteral("Tab\there"));
    EXPECT_EQ(
        ApplicationIdentity::execArguments(*read), (QStringList { QStringLiteral("run"), QStringLiteral("this") }));
}

TEST_F(ApplicationIdentityTest, ReverseDnsIdsAndIconFiles)
{
    EXPECT_TRUE(ApplicationIdentity::isReverseDNS(QStringLiteral("org.gnome.TextEditor")));
    EXPECT_TRUE(ApplicationIdentity::isReverseDNS(QStringLiteral("us.zoom.xos")));
    EXPECT_FALSE(ApplicationIdentity::isReverseDNS(QStringLiteral("firefox-esr")));
    EXPECT_FALSE(ApplicationIdentity::isReverseDNS(QStringLiteral("notion.id")));
    EXPECT_FALSE(ApplicationIdentity::isReverseDNS(QStringLiteral("a..b")));

    // The user's own hicolor icons are found through the system's index.theme.
    writeFile(system.path() + QStringLiteral("/icons/hicolor/index.theme"),
        "[Icon Theme]\nName=Hicolor\nDirectories=16x16/apps,48x48/apps\n\n"
        "[16x16/apps]\nSize=16\nType=Threshold\n\n[48x48/apps]\nSize=48\nType=Threshold\n");
    for (const char* size : { "16x16", "48x48" })
        writeFile(home.path() + QStringLiteral("/icons/hicolor/%1/apps/org.example.Icon.png").arg(QLatin1String(size)));
    EXPECT_TRUE(identities.iconFile(QStringLiteral("org.example.Icon"))
                    .endsWith(QStringLiteral("48x48/apps/org.example.Icon.png")));
    EXPECT_EQ(identities.iconFile(QStringLiteral("org.example.NoIcon")), QString());
    EXPECT_EQ(identities.iconFile(QStringLiteral("/no/such/file.png")), QString());
}

TEST_F(ApplicationIdentityTest, IconsFollowTheThemesIndexAndWhatItInherits)
{
    // Themes in a folder of their own, as QIcon is told to search: one laid
    // out by context then size, with doubled-scale folders, inheriting another
    // laid out by size then context, and hicolor below both.
    QTemporaryDir themes;
    ASSERT_TRUE(themes.isValid());
    const QString root = themes.path();
    writeFile(root + QStringLiteral("/Contour/index.theme"),
        "[Icon Theme]\nName=Contour\nInherits=Parent\n"
        "Directories=apps/16,apps/48,apps/32@2x,places/64\n\n"
        "[apps/16]\nSize=16\nContext=Applications\nType=Fixed\n\n"
        "[apps/48]\nSize=48\nContext=Applications\nType=Fixed\n\n"
        "[apps/32@2x]\nSize=32\nScale=2\nContext=Applications\nType=Fixed\n\n"
        "[places/64]\nSize=64\nContext=Places\nType=Fixed\n");
    writeFile(root + QStringLiteral("/Parent/index.theme"),
        "[Icon Theme]\nName=Parent\nDirectories=64x64/apps,scalable/apps\n\n"
        "[64x64/apps]\nSize=64\nType=Threshold\n\n[scalable/apps]\nSize=64\nMinSize=8\nMaxSize=512\nType=Scalable\n");
    writeFile(root + QStringLiteral("/hicolor/index.theme"),
        "[Icon Theme]\nName=Hicolor\nDirectories=48x48/apps\n\n[48x48/apps]\nSize=48\nType=Threshold\n");
    for (const char* file : { "Contour/apps/16/own.png", "Contour/apps/48/own.svg", "Contour/apps/32@2x/doubled.png",
             "Contour/apps/48/doubled.png", "Contour/apps/256/unlisted.png", "Contour/16x16/apps/unlisted.png",
             "Parent/64x64/apps/inherited.png", "Parent/scalable/apps/inherited.svg", "Parent/64x64/apps/own.png",
             "hicolor/48x48/apps/base.png" })
        writeFile(root + QLatin1Char('/') + QLatin1String(file));
    writeFile(system.path() + QStringLiteral("/pixmaps/legacy.xpm"));

    const QStringList saved = QIcon::themeSearchPaths();
    QIcon::setThemeSearchPaths({ root });
    identities.useIconTheme(QStringLiteral("Contour"), QIcon::themeSearchPaths());
    auto file = [&](const char* icon) { return identities.iconFile(QLatin1String(icon)).mid(root.size() + 1); };
    EXPECT_EQ(file("own"), QStringLiteral("Contour/apps/48/own.svg")); // the largest listed, never the parent's
    EXPECT_EQ(file("doubled"), QStringLiteral("Contour/apps/32@2x/doubled.png")); // 32 at scale 2 is 64 pixels
    EXPECT_EQ(file("inherited"), QStringLiteral("Parent/scalable/apps/inherited.svg"));
    EXPECT_EQ(file("base"), QStringLiteral("hicolor/48x48/apps/base.png"));
    EXPECT_EQ(file("unlisted"), QString()); // folders index.theme does not list are not icons of the theme
    EXPECT_EQ(identities.iconFile(QStringLiteral("legacy")), system.path() + QStringLiteral("/pixmaps/legacy.xpm"));

    // An inheritance loop ends.
    writeFile(root + QStringLiteral("/Loop/index.theme"), "[Icon Theme]\nName=Loop\nInherits=Loop,Contour\n");
    identities.useIconTheme(QStringLiteral("Loop"), QIcon::themeSearchPaths());
    EXPECT_EQ(file("inherited"), QStringLiteral("Parent/scalable/apps/inherited.svg"));
    QIcon::setThemeSearchPaths(saved);
}

} // namespace
