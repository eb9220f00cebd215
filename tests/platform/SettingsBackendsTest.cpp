#include "core/AppSettings.h"
#include "platform/Appearance.h"
#include "platform/LoginItem.h"
#include "platform/Screens.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusVariant>
#include <QSemaphore>
#include <QThread>
#include <QTest>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QPalette>
#include <QScreen>
#include <gtest/gtest.h>

std::shared_ptr<LoginItem> makeDefaultLoginItem();
std::shared_ptr<Appearance> makeDefaultAppearance();
std::shared_ptr<Screens> makeDefaultScreens();

namespace {
QString autostartFile()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/autostart/kelvaro.desktop");
}
}

TEST(XdgLoginItemTest, AutostartEntryIsWrittenReadAndRemoved)
{
    QFile::remove(autostartFile());
    auto item = makeDefaultLoginItem();
    EXPECT_FALSE(item->isEnabled());
    EXPECT_FALSE(item->registerItem());
    EXPECT_TRUE(item->isEnabled());
    QFile f(autostartFile());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString entry = QString::fromUtf8(f.readAll());
    f.close();
    EXPECT_TRUE(entry.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nType=Application\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=\"") + QCoreApplication::applicationFilePath()));

    // An entry the desktop's own settings switched off does not count.
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("Hidden=true\n");
    f.close();
    EXPECT_FALSE(item->isEnabled());
    EXPECT_FALSE(item->registerItem()); // rewritten without Hidden
    EXPECT_TRUE(item->isEnabled());
    // GNOME's own switch turns it off as well.
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("X-GNOME-Autostart-enabled=false\n");
    f.close();
    EXPECT_FALSE(item->isEnabled());
    EXPECT_FALSE(item->registerItem());
    EXPECT_TRUE(item->isEnabled());
    // Hidden in another group is not ours to read.
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("[Desktop Action x]\nHidden=true\n");
    f.close();
    EXPECT_TRUE(item->isEnabled());

    EXPECT_FALSE(item->unregisterItem());
    EXPECT_FALSE(QFile::exists(autostartFile()));
    EXPECT_FALSE(item->unregisterItem()); // nothing to remove is no error
}

TEST(QtScreensTest, QtGeometryConvertsToYUpAndBack)
{
    auto screens = makeDefaultScreens();
    const auto main = screens->mainScreen();
    ASSERT_TRUE(main);
    ASSERT_FALSE(screens->screens().isEmpty());
    EXPECT_EQ(screens->screens().first().frame, main->frame);
    const QRect qtGeometry = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(screens->flipHeight(), qtGeometry.y() + qtGeometry.height());
    // The primary display's bottom-left corner is the y-up origin row.
    EXPECT_EQ(main->frame, QRectF(qtGeometry.x(), 0, qtGeometry.width(), qtGeometry.height()));
    const QRectF topLeftQt(10, 20, 100, 50);
    const QRectF yUp = screens->fromQt(topLeftQt);
    EXPECT_EQ(yUp, QRectF(10, screens->flipHeight() - 70, 100, 50));
    EXPECT_EQ(screens->toQt(yUp), topLeftQt);
    EXPECT_EQ(screens->toQt(screens->fromQt(QPointF(3, 4))), QPointF(3, 4));
}

TEST(QtAppearanceTest, DarkAndLightChangeTheApplicationPalette)
{
    auto appearance = makeDefaultAppearance();
    appearance->apply(AppearanceMode::dark);
    EXPECT_TRUE(appearance->isDark());
    EXPECT_LT(QApplication::palette().color(QPalette::Window).lightness(), 100);
    appearance->apply(AppearanceMode::light);
    EXPECT_FALSE(appearance->isDark());
    EXPECT_GT(QApplication::palette().color(QPalette::Window).lightness(), 150);
    // Without a desktop portal answering, following the desktop means light.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        appearance->apply(AppearanceMode::system);
        EXPECT_FALSE(appearance->isDark());
    }
}

namespace {
// A stand-in for the desktop portal's settings interface, served from its own
// thread and bus connection so that the blocking call from the main thread
// travels over the real bus.
class FakePortalSettings : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    uint scheme = 1;
public Q_SLOTS:
    QDBusVariant Read(const QString& group, const QString& key)
    {
        if (group != QLatin1String("org.freedesktop.appearance") || key != QLatin1String("color-scheme"))
            return QDBusVariant(QVariant());
        // The portal answers a variant holding a variant.
        return QDBusVariant(QVariant::fromValue(QDBusVariant(QVariant::fromValue(scheme))));
    }
};
}

TEST(QtAppearanceTest, SystemFollowsTheDesktopPortal)
{
    if (!QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "no session bus";
    if (QDBusConnection::sessionBus().interface()->isServiceRegistered(
            QStringLiteral("org.freedesktop.portal.Desktop")))
        GTEST_SKIP() << "a real desktop portal is running";
    QThread thread;
    FakePortalSettings portal;
    portal.moveToThread(&thread);
    thread.start();
    QSemaphore ready;
    bool registered = false;
    QMetaObject::invokeMethod(&portal, [&] {
        auto bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake-portal"));
        registered = bus.registerObject(
                         QStringLiteral("/org/freedesktop/portal/desktop"), &portal, QDBusConnection::ExportAllSlots)
            && bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
        ready.release();
    });
    ready.acquire();
    ASSERT_TRUE(registered);

    auto appearance = makeDefaultAppearance();
    appearance->apply(AppearanceMode::system);
    EXPECT_TRUE(appearance->isDark());
    portal.scheme = 2;
    appearance->apply(AppearanceMode::system);
    EXPECT_FALSE(appearance->isDark());

    // A change of the desktop's scheme is followed while "system" is chosen.
    portal.scheme = 1;
    QMetaObject::invokeMethod(&portal, [&] {
        QDBusMessage changed = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/portal/desktop"),
            QStringLiteral("org.freedesktop.portal.Settings"), QStringLiteral("SettingChanged"));
        changed << QStringLiteral("org.freedesktop.appearance") << QStringLiteral("color-scheme")
                << QVariant::fromValue(QDBusVariant(QVariant::fromValue(1u)));
        QDBusConnection(QStringLiteral("fake-portal")).send(changed);
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return appearance->isDark(); }, 5000));

    QMetaObject::invokeMethod(&portal, [&] {
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-portal"));
        ready.release();
    });
    ready.acquire();
    thread.quit();
    thread.wait();
}

#include "SettingsBackendsTest.moc"
