#include "app/AppDelegate.h"
#include "app/AppServices.h"
#include "app/KelvaroApp.h"
#include "app/RingController.h"
#include "app/SingleInstance.h"
#include "core/AppSettings.h"
#include "core/ShortcutStorage.h"
#include "core/SymbolIcons.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimPointerMonitor.h"
#include "platform/sim/SimScreens.h"
#include "platform/sim/SimKeyTap.h"
#include "platform/sim/SimKeyboardLayout.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QKeyEvent>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QRawFont>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <thread>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
class TrayMenu : public ::testing::Test {
protected:
    void SetUp() override
    {
        AppSettings::shared().setLanguage(AppLanguage::system);
        auto d = std::make_unique<AppDelegate>(env.platform(), services);
        delegate = d.get();
        app = std::make_unique<KelvaroApp>(env.platform(), services, std::move(d));
    }
    void TearDown() override
    {
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QStringList labels() const
    {
        QStringList out;
        for (QAction* a : app->menuItems())
            out << (a->isSeparator() ? QStringLiteral("—") : a->text());
        return out;
    }

    TestSupport::SimEnvironment env;
    AppServices services;
    AppDelegate* delegate = nullptr;
    std::unique_ptr<KelvaroApp> app;
};
}

TEST_F(TrayMenu, ElevenItemsInOrderWithTheirShortcutsAndActions)
{
    EXPECT_EQ(labels(),
        (QStringList { QStringLiteral("Show App Switcher"), QStringLiteral("Show Shortcut Launcher"),
            QStringLiteral("—"), QStringLiteral("Start at Login"), QStringLiteral("Show Message at Launch"),
            QStringLiteral("—"), QStringLiteral("Settings"), QStringLiteral("Kelvaro Help"),
            QStringLiteral("Check for Updates…"), QStringLiteral("—"), QStringLiteral("Quit Kelvaro") }));
    const auto items = app->menuItems();
    EXPECT_EQ(items[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    EXPECT_TRUE(items[1]->shortcut().isEmpty()); // never one, though ⇧⌘S types a letter
    EXPECT_EQ(items[6]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Comma));
    EXPECT_EQ(items[10]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    for (int i : { 0, 1, 6, 7, 8, 10 })
        EXPECT_FALSE(items[i]->icon().isNull()) << i;
    // A style draws a check item's icon instead of its check mark.
    for (int i : { 3, 4 })
        EXPECT_TRUE(items[i]->isCheckable() && items[i]->icon().isNull()) << i;

    // The two ring items open their rings.
    auto desktop = &env.sim().desktop();
    desktop->addApp(10, QStringLiteral("org.example.Editor"), QStringLiteral("Editor"));
    desktop->frontmostPID = 10;
    auto* screens = &env.sim().screens();
    screens->list.append(ScreenInfo { QStringLiteral("Main"), QRectF(0, 0, 1440, 900), QRectF(0, 0, 1440, 900), 1.0 });
    ShortcutStorage::resetShared();
    ShortcutStorage::shared().addShortcut(AppShortcut(QStringLiteral("Item"), QStringLiteral("star"), QString(),
        QStringLiteral("org.example.Editor"), QStringLiteral("text")));
    items[0]->trigger();
    EXPECT_TRUE(delegate->rings().isSwitcherVisible());
    items[1]->trigger();
    EXPECT_TRUE(delegate->rings().isShortcutRingVisible());
    EXPECT_FALSE(delegate->rings().isSwitcherVisible());
    app.reset();
    ShortcutStorage::resetShared();
}

TEST_F(TrayMenu, AKeyShownBesideAnItemWorksWhileTheMenuIsOpen)
{
    // Qt's shortcut map never matched these: the keys were shown and did nothing.
    const auto pressOnMenu = [this](Qt::KeyboardModifiers modifiers, int key) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(app->menu(), &press);
        QCoreApplication::sendPostedEvents();
    };
    QAction* help = app->menuItems()[7];
    int helpRuns = 0;
    QObject::connect(help, &QAction::triggered, app.get(), [&] { ++helpRuns; });
    QAction* settingsItem = app->menuItems()[6];
    int settingsRuns = 0;
    QObject::connect(settingsItem, &QAction::triggered, app.get(), [&] { ++settingsRuns; });
    pressOnMenu(Qt::ControlModifier, Qt::Key_Comma);
    EXPECT_EQ(settingsRuns, 1);
    pressOnMenu(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Question); // "?" as typed on most layouts
    EXPECT_EQ(helpRuns, 1);
    pressOnMenu(Qt::NoModifier, Qt::Key_Q); // a plain letter stays the menu's own
    pressOnMenu(Qt::AltModifier, Qt::Key_Comma);
    EXPECT_EQ(settingsRuns + helpRuns, 2);
}

TEST_F(TrayMenu, SwitcherShortcutFollowsTheHotkey)
{
    auto& settings = AppSettings::shared();
    settings.setSwitcherHotkey(Hotkey(18, Modifier::Super | Modifier::Alt)); // ⌃⌥1
    EXPECT_EQ(app->menuItems()[0]->shortcut(), QKeySequence(Qt::META | Qt::ALT | Qt::Key_1));
    settings.setSwitcherHotkey(Hotkey(49, Modifier::Ctrl)); // Space types no letter or digit
    EXPECT_TRUE(app->menuItems()[0]->shortcut().isEmpty());
    settings.setSwitcherHotkey(std::nullopt);
    EXPECT_TRUE(app->menuItems()[0]->shortcut().isEmpty());
    EXPECT_EQ(labels().size(), 11);
    EXPECT_FALSE(KelvaroApp::shortcut(Hotkey(122, Modifier::Ctrl))); // F1
}

TEST_F(TrayMenu, SwitcherShortcutFollowsTheKeyboardLayout)
{
    auto* layout = &env.sim().keyboardLayout();
    QAction* switcher = app->menuItems()[0];
    EXPECT_EQ(switcher->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));

    // A French layout: the key of the switcher's default hotkey types "q".
    auto azerty = SimKeyboardLayout::usAnsi();
    azerty[0] = QStringLiteral("q");
    azerty[12] = QStringLiteral("a");
    layout->setLayout(QStringLiteral("fr"), azerty);
    EXPECT_EQ(switcher->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Q));
    EXPECT_EQ(switcher->shortcut().toString(QKeySequence::NativeText), QStringLiteral("Ctrl+Shift+Q"));
}

TEST_F(TrayMenu, CheckItemsAreBoundBothWaysAndLabelsFollowTheLanguage)
{
    auto& settings = AppSettings::shared();
    QAction* message = app->menuItems()[4];
    EXPECT_TRUE(message->isChecked()); // "Show Message at Launch" defaults on
    message->trigger();
    EXPECT_FALSE(settings.showLaunchMessage());
    EXPECT_EQ(env.defaults().value(QStringLiteral("showLaunchMessage")), QVariant(false));
    settings.setShowLaunchMessage(true);
    EXPECT_TRUE(message->isChecked());

    QAction* login = app->menuItems()[3];
    login->trigger();
    EXPECT_EQ(settings.launchAtLogin(), login->isChecked());
    settings.setLaunchAtLogin(false);
    EXPECT_FALSE(login->isChecked());

    settings.setLanguage(AppLanguage::german);
    EXPECT_EQ(app->menuItems()[0]->text(), QStringLiteral("App-Umschalter anzeigen"));
    EXPECT_EQ(app->menuItems()[10]->text(), QStringLiteral("Kelvaro beenden"));
    settings.setLanguage(AppLanguage::system);
    EXPECT_EQ(app->menuItems()[10]->text(), QStringLiteral("Quit Kelvaro"));
}

TEST(SymbolIcons, TableGlyphsExistInTheFontAndUnknownNamesStayVisible)
{
    ASSERT_TRUE(SymbolIcons::fontAvailable());
    QRawFont raw(QString::fromLatin1(SymbolIcons::fontPath), 24);
    ASSERT_TRUE(raw.isValid());
    for (const QString& name : SymbolIcons::knownSymbols()) {
        EXPECT_TRUE(raw.supportsCharacter(uint(SymbolIcons::codepoint(name)))) << name.toStdString();
    }
    ASSERT_TRUE(raw.supportsCharacter(uint(SymbolIcons::fallbackCodepoint)));

    // Every name of the icon picker's catalogue and of the tray menu is known.
    const QStringList catalogue = QStringLiteral(
        "command option control shift capslock escape return delete.left delete.right space keyboard "
        "keyboard.chevron.compact.down arrow.up arrow.down arrow.left arrow.right arrow.up.left arrow.up.right "
        "arrow.down.left arrow.down.right arrow.clockwise arrow.counterclockwise arrow.uturn.left arrow.uturn.right "
        "arrow.triangle.2.circlepath arrow.up.arrow.down chevron.left chevron.right doc doc.text doc.on.doc "
        "doc.on.clipboard doc.badge.plus folder folder.badge.plus tray tray.full trash archivebox pencil "
        "pencil.circle square.and.pencil highlighter scissors textformat bold italic underline text.alignleft "
        "text.aligncenter list.bullet list.number checklist magnifyingglass text.magnifyingglass macwindow "
        "sidebar.left sidebar.right rectangle.split.2x1 rectangle.split.3x1 square.grid.2x2 square.grid.3x3 "
        "menubar.rectangle arrow.up.left.and.arrow.down.right arrow.down.right.and.arrow.up.left "
        "plus.magnifyingglass minus.magnifyingglass eye eye.slash terminal chevron.left.forwardslash.chevron.right "
        "curlybraces hammer wrench.and.screwdriver ladybug cpu memorychip externaldrive internaldrive server.rack "
        "network link globe safari envelope paperplane bubble.left bubble.left.and.bubble.right phone video at "
        "bell bell.slash play pause stop forward backward forward.end backward.end speaker.wave.2 speaker.slash "
        "music.note camera photo photo.on.rectangle film mic mic.slash waveform gear gearshape slider.horizontal.3 "
        "switch.2 power lock lock.open key shield wifi battery.100 bolt clock calendar timer alarm moon sun.max "
        "star star.fill heart flag bookmark tag pin paperclip checkmark checkmark.circle xmark xmark.circle plus "
        "minus questionmark.circle exclamationmark.triangle info.circle ellipsis.circle circle square app sparkles "
        "wand.and.stars person person.2 person.crop.circle house building.2 cart creditcard bag gift map location "
        "airplane car rectangle.2.swap bolt.circle arrow.down.circle arrow.right.square key.fill")
                                      .split(QLatin1Char(' '));
    EXPECT_GE(catalogue.size(), 169);
    for (const QString& name : catalogue)
        EXPECT_TRUE(SymbolIcons::contains(name)) << name.toStdString();

    EXPECT_FALSE(SymbolIcons::contains(QStringLiteral("no.such.symbol")));
    EXPECT_EQ(SymbolIcons::codepoint(QStringLiteral("no.such.symbol")), SymbolIcons::fallbackCodepoint);
    EXPECT_EQ(SymbolIcons::materialName(QStringLiteral("gearshape")), QStringLiteral("settings"));

    // Drawn glyphs have ink, the fallback included, and differ from each other.
    auto ink = [](const QString& name) {
        const QImage img = SymbolIcons::pixmap(name, 32, Qt::black).toImage();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += qAlpha(img.pixel(x, y)) > 128;
        return std::make_pair(n, img);
    };
    const auto gear = ink(QStringLiteral("gearshape"));
    const auto unknown = ink(QStringLiteral("no.such.symbol"));
    EXPECT_GT(gear.first, 40);
    EXPECT_GT(unknown.first, 40);
    EXPECT_NE(gear.second, unknown.second);
    EXPECT_FALSE(SymbolIcons::icon(QStringLiteral("bell")).pixmap(16, 16).isNull());
}

TEST(SingleInstance, SecondLaunchAsksTheFirstToReopenAndGivesWay)
{
    QTemporaryDir dir;
    SingleInstance first(dir.path());
    ASSERT_TRUE(first.claim());
    int reopens = 0;
    QObject::connect(&first, &SingleInstance::reopenRequested, [&] { ++reopens; });

    // The second copy blocks while it waits for the answer: run it beside the loop.
    std::atomic<int> secondResult { -1 };
    std::thread second([&] {
        SingleInstance other(dir.path());
        secondResult = other.claim() ? 1 : 0;
    });
    while (secondResult < 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    second.join();
    EXPECT_EQ(secondResult, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(reopens, 1);
    EXPECT_TRUE(first.isPrimary());
}

TEST(SingleInstance, LockLeftByADeadCopyIsTakenOver)
{
    QTemporaryDir dir;
    // A lock file naming a process that no longer exists, and its socket file.
    QFile lock(dir.path() + QStringLiteral("/kelvaro.lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("999999\nkelvaro\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    SingleInstance copy(dir.path());
    EXPECT_TRUE(copy.claim());
}

TEST(SingleInstance, ALockFolderOthersCouldEnterGivesWayToAPrivateOne)
{
    TestSupport::SimEnvironment env;
    QTemporaryDir base;
    const auto lockIn = [](const QString& folder) {
        return QFileInfo::exists(folder + QStringLiteral("/kelvaro.lock"))
            || QFileInfo::exists(folder + QStringLiteral("/kelvaro.socket"));
    };
    // Missing: created for this user alone, and used.
    const QString fresh = base.filePath(QStringLiteral("fresh"));
    {
        SingleInstance copy(fresh);
        EXPECT_TRUE(copy.claim());
        struct stat st { };
        ASSERT_EQ(::stat(fresh.toLocal8Bit().constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0700u);
        EXPECT_TRUE(lockIn(fresh));
    }

    // What another local user could have put under that name first.
    const QString open = base.filePath(QStringLiteral("open"));
    ASSERT_TRUE(QDir().mkdir(open));
    ASSERT_EQ(::chmod(open.toLocal8Bit().constData(), 0777), 0);
    const QString mine = base.filePath(QStringLiteral("mine"));
    ASSERT_TRUE(QDir().mkdir(mine));
    ASSERT_EQ(::chmod(mine.toLocal8Bit().constData(), 0700), 0);
    const QString link = base.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(mine, link));
    const QString file = base.filePath(QStringLiteral("file"));
    QFile(file).open(QIODevice::WriteOnly);
    QList<std::pair<QString, QString>> cases { { open, QStringLiteral("mode is 0777") },
        { link, QStringLiteral("symbolic link") }, { file, QStringLiteral("not a folder") } };
    if (::geteuid() == 0) { // only root can give a folder away
        const QString foreign = base.filePath(QStringLiteral("foreign"));
        ASSERT_TRUE(QDir().mkdir(foreign));
        ASSERT_EQ(::chmod(foreign.toLocal8Bit().constData(), 0700), 0);
        ASSERT_EQ(::chown(foreign.toLocal8Bit().constData(), 12345, 12345), 0);
        cases.append({ foreign, QStringLiteral("belongs to user id 12345") });
    }
    const QString fallback = base.filePath(QStringLiteral("fallback"));
    for (const auto& [folder, why] : cases) {
        env.clearLog();
        {
            SingleInstance copy(folder, nullptr, fallback);
            EXPECT_TRUE(copy.claim()) << "it still starts: " << qPrintable(folder);
            EXPECT_EQ(copy.folder(), fallback);
            EXPECT_FALSE(lockIn(folder)) << qPrintable(folder);
            EXPECT_TRUE(lockIn(fallback)) << qPrintable(folder);
            ASSERT_EQ(env.logLines().size(), 1) << qPrintable(folder);
            const QString line = env.logLines().first();
            EXPECT_TRUE(
                line.contains(folder) && line.contains(why) && line.contains(QStringLiteral("using ") + fallback))
                << qPrintable(line);
        }
        // Nor a fallback that is not safe either: no copy runs unguarded.
        env.clearLog();
        SingleInstance unguarded(folder, nullptr, open);
        EXPECT_FALSE(unguarded.claim()) << qPrintable(folder);
        EXPECT_FALSE(lockIn(folder) || lockIn(open)) << qPrintable(folder);
        EXPECT_TRUE(env.logLines().join(u'\n').contains(QStringLiteral("not starting"))) << qPrintable(folder);
    }
    EXPECT_FALSE(lockIn(mine));
}

TEST(SingleInstance, TwoStartsBesideAnOpenRuntimeFolderStillFindEachOther)
{
    QTemporaryDir base;
    const QString open = base.filePath(QStringLiteral("open"));
    ASSERT_TRUE(QDir().mkdir(open));
    ASSERT_EQ(::chmod(open.toLocal8Bit().constData(), 0777), 0);
    const QString fallback = base.filePath(QStringLiteral("fallback"));
    SingleInstance first(open, nullptr, fallback);
    ASSERT_TRUE(first.claim());
    int reopens = 0;
    QObject::connect(&first, &SingleInstance::reopenRequested, [&] { ++reopens; });
    std::atomic<int> secondResult { -1 };
    std::thread second([&] {
        SingleInstance other(open, nullptr, fallback);
        secondResult = other.claim() ? 1 : 0;
    });
    while (secondResult < 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    second.join();
    EXPECT_EQ(secondResult, 0) << "the second copy gives way";
    QCoreApplication::processEvents();
    EXPECT_EQ(reopens, 1);
}

TEST(SingleInstance, AFifoInPlaceOfTheLockNeitherHangsTheStartNorGoesUnsaid)
{
    TestSupport::SimEnvironment env;
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("kelvaro.lock"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(lock).constData(), 0600), 0);
    std::atomic<int> result { -1 };
    std::thread start([&] {
        SingleInstance copy(dir.path());
        result = copy.claim() ? 1 : 0;
    });
    const QDeadlineTimer deadline(3000);
    while (result < 0 && !deadline.hasExpired())
        QThread::msleep(20);
    const bool hung = result < 0;
    if (hung) {
        // Lets a start stuck reading the FIFO go on, so the test ends.
        const int fd = ::open(QFile::encodeName(lock).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    }
    start.join();
    EXPECT_FALSE(hung) << "the start hung on the FIFO";
    EXPECT_EQ(result, 1);
    const QString log = env.logLines().join(u'\n');
    EXPECT_TRUE(log.contains(lock) && log.contains(QStringLiteral("a FIFO"))) << qPrintable(log);
}
