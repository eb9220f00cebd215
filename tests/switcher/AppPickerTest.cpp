// Picking an installed application: the list of desktop entries with a search
// field, and the completion of the picker called once with the choice.

#include "switcher/AppPicker.h"
#include "switcher/LauncherApps.h"
#include "input/KeyTapSuspension.h"
#include "platform/ApplicationIdentity.h"
#include "platform/sim/SimDesktop.h"
#include "ringkit/RunningApp.h"
#include "support/TestSupport.h"
#include "support/Watchdog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
class AppPicker : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/applications");
        QDir().mkpath(folder);
        write(QStringLiteral("org.example.Writer"), QStringLiteral("Writer"));
        write(QStringLiteral("org.example.Atlas"), QStringLiteral("Atlas Maps"));
        write(
            QStringLiteral("org.example.Hidden"), QStringLiteral("Hidden Helper"), QStringLiteral("NoDisplay=true\n"));
        env.sim().applicationIdentity().reload();
    }
    void TearDown() override
    {
        QDir(folder).removeRecursively();
        env.sim().applicationIdentity().reload();
        KeyTapSuspension::setProvider({});
    }
    void write(const QString& id, const QString& name, const QString& extra = QString())
    {
        QFile f(folder + QLatin1Char('/') + id + QStringLiteral(".desktop"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nExec=true\n%2").arg(name, extra).toUtf8());
    }
    // Answers the next modal picker: `search`, then accept (or reject when empty).
    void answerNextPicker(const QString& search, bool accept)
    {
        QTimer::singleShot(0, [=, this] {
            auto* dialog = qobject_cast<AppPickerDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            seenTitle = dialog->windowTitle();
            seenMessage = dialog->message();
            tapOffWhileOpen = tapOff;
            dialog->setSearchText(search);
            accept ? dialog->accept() : dialog->reject();
        });
    }

    TestSupport::SimEnvironment env;
    QString folder;
    QString seenTitle, seenMessage;
    bool tapOff = false;
    bool tapOffWhileOpen = false;
};

TEST_F(AppPicker, ListsVisibleEntriesByNameAndFiltersBySearch)
{
    AppPickerDialog dialog(env.platform(), QStringLiteral("T"), QStringLiteral("M"));
    // Installed entries of the system may be listed too; hidden ones never.
    const QStringList names = dialog.visibleNames();
    EXPECT_FALSE(names.contains(QStringLiteral("Hidden Helper")));
    ASSERT_TRUE(names.contains(QStringLiteral("Writer")));
    EXPECT_LT(names.indexOf(QStringLiteral("Atlas Maps")), names.indexOf(QStringLiteral("Writer")));
    EXPECT_EQ(dialog.chosenBundleIdentifier(), std::nullopt); // nothing selected yet
    dialog.setSearchText(QStringLiteral("writ"));
    EXPECT_EQ(dialog.visibleNames(), QStringList { QStringLiteral("Writer") });
    EXPECT_EQ(dialog.chosenBundleIdentifier(), QStringLiteral("org.example.Writer"));
    dialog.setSearchText(QStringLiteral("example.atlas")); // the identifier matches too
    EXPECT_EQ(dialog.chosenBundleIdentifier(), QStringLiteral("org.example.Atlas"));
    dialog.setSearchText(QStringLiteral("nothing like it"));
    EXPECT_EQ(dialog.visibleRowCount(), 0);
    EXPECT_EQ(dialog.chosenBundleIdentifier(), std::nullopt);
    EXPECT_EQ(dialog.confirmTitle(), QStringLiteral("Add"));
}

TEST_F(AppPicker, ListsWhatTheDesktopsMenusList)
{
    const QByteArray saved = qgetenv("XDG_CURRENT_DESKTOP");
    qputenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
    write(QStringLiteral("org.example.GnomeOnly"), QStringLiteral("Gnome Only"), QStringLiteral("OnlyShowIn=GNOME;\n"));
    write(QStringLiteral("org.example.KdeOnly"), QStringLiteral("Kde Only"), QStringLiteral("OnlyShowIn=KDE;LXQt;\n"));
    write(QStringLiteral("org.example.NotUbuntu"), QStringLiteral("Not Ubuntu"), QStringLiteral("NotShowIn=ubuntu;\n"));
    write(QStringLiteral("org.example.NotXfce"), QStringLiteral("Not Xfce"), QStringLiteral("NotShowIn=XFCE;\n"));
    write(QStringLiteral("org.example.Installed"), QStringLiteral("Installed Tool"), QStringLiteral("TryExec=sh\n"));
    write(QStringLiteral("org.example.Missing"), QStringLiteral("Missing Tool"),
        QStringLiteral("TryExec=/nonexistent/missing-tool\n"));
    write(QStringLiteral("org.example.Gone"), QStringLiteral("Gone Tool"), QStringLiteral("Hidden=true\n"));
    env.sim().applicationIdentity().reload();

    const QStringList names = AppPickerDialog(env.platform(), QStringLiteral("T"), QStringLiteral("M")).visibleNames();
    for (const char* shown : { "Gnome Only", "Not Xfce", "Installed Tool", "Writer" })
        EXPECT_TRUE(names.contains(QLatin1String(shown))) << shown;
    for (const char* left : { "Kde Only", "Not Ubuntu", "Missing Tool", "Gone Tool" })
        EXPECT_FALSE(names.contains(QLatin1String(left))) << left;
    // Windows are still told apart by every entry.
    EXPECT_TRUE(env.sim().applicationIdentity().entry(QStringLiteral("org.example.KdeOnly")));

    // Without a current desktop, entries shown only in some are left out.
    qputenv("XDG_CURRENT_DESKTOP", "");
    const QStringList bare = AppPickerDialog(env.platform(), QStringLiteral("T"), QStringLiteral("M")).visibleNames();
    EXPECT_FALSE(bare.contains(QStringLiteral("Gnome Only")));
    EXPECT_TRUE(bare.contains(QStringLiteral("Not Ubuntu")));
    qputenv("XDG_CURRENT_DESKTOP", saved);
}

TEST_F(AppPicker, RowsWithoutAnIconLineUpWithTheOthers)
{
    // Writer and Atlas name no icon; a running app brings its own.
    auto* desktop = &env.sim().desktop();
    desktop->addApp(9, QStringLiteral("org.example.Paint"), QStringLiteral("Paint")).icon
        = SimDesktop::solidIcon(Qt::red);
    AppPickerDialog dialog(env.platform(), QStringLiteral("T"), QStringLiteral("M"));
    dialog.show();
    auto* list = dialog.findChild<QListWidget*>();
    ASSERT_TRUE(list);
    QSet<int> heights;
    for (int i = 0; i < list->count(); ++i) {
        EXPECT_FALSE(list->item(i)->icon().isNull()) << list->item(i)->text().toStdString();
        heights << list->visualItemRect(list->item(i)).height();
    }
    EXPECT_EQ(heights.size(), 1) << "rows of different heights";
}

TEST_F(AppPicker, RunningAppsWithoutAnEntryAreOfferedUnderTheSwitchersIdentifier)
{
    auto desktop = &env.sim().desktop();
    desktop->addApp(7, QStringLiteral("XLogo"), QStringLiteral("XLogo")).bundleURL.clear();
    desktop->installed.remove(QStringLiteral("XLogo")); // known by its window class only
    desktop->addApp(8, QStringLiteral("org.example.Writer"), QStringLiteral("Writer running"));
    AppPickerDialog dialog(env.platform(), QStringLiteral("T"), QStringLiteral("M"));
    EXPECT_TRUE(dialog.visibleNames().contains(QStringLiteral("XLogo")));
    EXPECT_FALSE(dialog.visibleNames().contains(QStringLiteral("Writer running"))); // its entry is listed once
    dialog.setSearchText(QStringLiteral("xlogo"));
    EXPECT_EQ(dialog.chosenBundleIdentifier(), QStringLiteral("XLogo"));
    // The launcher list shows it while it runs.
    EXPECT_EQ(LauncherApps::resolve(env.platform(), QStringLiteral("XLogo"))->name, QStringLiteral("XLogo"));
    desktop->apps.clear();
    EXPECT_FALSE(LauncherApps::resolve(env.platform(), QStringLiteral("XLogo")));
}

TEST_F(AppPicker, GroupMembersWithoutAnIconGetTheSwitchersStandInTiles)
{
    auto& desktop = env.sim().desktop();
    // An entry whose icon the theme lacks, but whose windows carry one.
    desktop.addApp(5, QStringLiteral("org.example.Clock"), QStringLiteral("Clock")).icon
        = SimDesktop::solidIcon(Qt::red);
    desktop.installed[QStringLiteral("org.example.Clock")].icon = QIcon();
    // Two iconless applications whose names give the same letters.
    desktop.addApp(7, QStringLiteral("XLogo"), QStringLiteral("XLogo")).icon = QIcon();
    desktop.installed[QStringLiteral("XLogo")].icon = QIcon();
    desktop.addApp(8, QStringLiteral("XLock"), QStringLiteral("XLock")).icon = QIcon();
    desktop.installed.remove(QStringLiteral("XLock"));
    desktop.apps.last().bundleURL.clear();

    const QList<RunningApp> group = LauncherApps::resolved(
        env.platform(), { QStringLiteral("org.example.Clock"), QStringLiteral("XLogo"), QStringLiteral("XLock") });
    ASSERT_EQ(group.size(), 3);
    EXPECT_EQ(group[0].icon.pixelColor(group[0].icon.width() / 2, group[0].icon.height() / 2), QColor(Qt::red));
    const QList<QImage> tiles = RunningApp::placeholderIcons({ QStringLiteral("XLogo"), QStringLiteral("XLock") }, 64);
    EXPECT_EQ(group[1].icon, tiles[0]);
    EXPECT_EQ(group[2].icon, tiles[1]);
    EXPECT_NE(group[1].icon, group[2].icon);
    // One looked up alone (the launcher page's rows) gets its tile too.
    EXPECT_EQ(LauncherApps::resolve(env.platform(), QStringLiteral("XLogo"))->icon,
        RunningApp::placeholderIcon(QStringLiteral("XLogo"), 64));
}

TEST_F(AppPicker, ChooseAppRunsModallyWithTheTapOffAndCompletesOnce)
{
    KeyTapSuspension::setProvider([this] {
        tapOff = true;
        return KeyTapSuspension::Resume([this] { tapOff = false; });
    });
    QList<std::optional<QString>> results;
    answerNextPicker(QStringLiteral("Atlas"), true);
    LauncherApps::chooseApp(env.platform(), [&](std::optional<QString> id) { results << id; });
    EXPECT_TRUE(results.isEmpty()); // shown one turn later
    env.scheduler().runPending();
    ASSERT_EQ(results.size(), 1);
    EXPECT_EQ(results[0], QStringLiteral("org.example.Atlas"));
    EXPECT_EQ(seenTitle, QStringLiteral("Add App to Launcher"));
    EXPECT_EQ(seenMessage, QStringLiteral("Choose an app to add to the ring."));
    EXPECT_TRUE(tapOffWhileOpen);
    EXPECT_FALSE(tapOff);

    answerNextPicker(QStringLiteral("Writer"), false);
    LauncherApps::chooseApp(env.platform(), [&](std::optional<QString> id) { results << id; });
    env.scheduler().runPending();
    ASSERT_EQ(results.size(), 2);
    EXPECT_EQ(results[1], std::nullopt); // cancelled
}

TEST_F(AppPicker, IconsThatAreNoPicturesGiveTheirRowsThePlaceholder)
{
    QTemporaryDir icons;
    QImage red(16, 16, QImage::Format_ARGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(icons.filePath(QStringLiteral("red.png"))));
    ASSERT_TRUE(TestSupport::makeFifo(icons.filePath(QStringLiteral("fifo.png"))));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), icons.filePath(QStringLiteral("zero.png"))));
    for (const QString& name : { QStringLiteral("red"), QStringLiteral("fifo"), QStringLiteral("zero") })
        write(QStringLiteral("org.example.") + name, name,
            QStringLiteral("Icon=%1\n").arg(icons.filePath(name + QStringLiteral(".png"))));
    env.sim().applicationIdentity().reload();

    TestSupport::Watchdog watchdog("listing applications whose icons are a FIFO and /dev/zero");
    AppPickerDialog dialog(env.platform(), QStringLiteral("T"), QStringLiteral("M"));
    auto* list = dialog.findChild<QListWidget*>();
    ASSERT_TRUE(list);
    QHash<QString, QImage> shown;
    for (int i = 0; i < list->count(); ++i)
        shown.insert(list->item(i)->text(), list->item(i)->icon().pixmap(16).toImage());
    ASSERT_TRUE(shown.contains(QStringLiteral("fifo")) && shown.contains(QStringLiteral("zero")));
    EXPECT_EQ(shown.value(QStringLiteral("red")).pixelColor(8, 8), QColor(Qt::red));
    for (const QString& name : { QStringLiteral("fifo"), QStringLiteral("zero") }) {
        const QImage placeholder
            = QIcon(QPixmap::fromImage(RunningApp::placeholderIcon(name, 48))).pixmap(16).toImage();
        EXPECT_EQ(shown.value(name), placeholder) << name.toStdString() << " shows something read from it";
    }
}

TEST_F(AppPicker, BundleIdentifierOfAnEntryFile)
{
    EXPECT_EQ(LauncherApps::bundleIdentifier(folder + QStringLiteral("/org.example.Writer.desktop")),
        QStringLiteral("org.example.Writer"));
    EXPECT_EQ(LauncherApps::bundleIdentifier(folder + QStringLiteral("/missing.desktop")), std::nullopt);
    EXPECT_EQ(LauncherApps::bundleIdentifier(QString()), std::nullopt);
}
}
