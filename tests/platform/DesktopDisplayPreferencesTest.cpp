// The desktop's display preferences over a real session bus, against a
// stand-in portal. Runs inside the headless session (scripts/test-session),
// which has a bus and an X server without a compositing manager; skipped
// where there is no bus.

#include "platform/DisplayPreferences.h"
#include "support/TestSupport.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

std::shared_ptr<DisplayPreferences> makeDefaultDisplayPreferences();

namespace {
class FakeDisplayPortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    uint reducedMotion = 1;
    uint contrast = 0;
public Q_SLOTS:
    QDBusVariant ReadOne(const QString& group, const QString& key)
    {
        if (group == QLatin1String("org.freedesktop.appearance") && key == QLatin1String("reduced-motion"))
            return QDBusVariant(QVariant::fromValue(reducedMotion));
        if (group == QLatin1String("org.freedesktop.appearance") && key == QLatin1String("contrast"))
            return QDBusVariant(QVariant::fromValue(contrast));
        return QDBusVariant(QVariant());
    }
};

void sendSettingChanged(const QString& key, uint value)
{
    QDBusMessage changed = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.Settings"), QStringLiteral("SettingChanged"));
    changed << QStringLiteral("org.freedesktop.appearance") << key
            << QVariant::fromValue(QDBusVariant(QVariant::fromValue(value)));
    QDBusConnection(QStringLiteral("fake-display-portal")).send(changed);
}
}

TEST(DesktopDisplayPreferencesTest, FollowsThePortalAndTheCompositor)
{
    if (!QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "no session bus";
    if (QDBusConnection::sessionBus().interface()->isServiceRegistered(
            QStringLiteral("org.freedesktop.portal.Desktop")))
        GTEST_SKIP() << "a real desktop portal is running";
    TestSupport::SimEnvironment env;

    QThread thread;
    FakeDisplayPortal portal;
    portal.moveToThread(&thread);
    thread.start();
    QSemaphore done;
    bool registered = false;
    QMetaObject::invokeMethod(&portal, [&] {
        auto bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake-display-portal"));
        registered = bus.registerObject(
                         QStringLiteral("/org/freedesktop/portal/desktop"), &portal, QDBusConnection::ExportAllSlots)
            && bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
        done.release();
    });
    done.acquire();
    ASSERT_TRUE(registered);

    auto prefs = makeDefaultDisplayPreferences();
    EXPECT_TRUE(prefs->reduceMotion());
    // Without a compositing manager nothing translucent can be shown, whatever the portal says.
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    EXPECT_EQ(prefs->reduceTransparency(), x11);
    EXPECT_GE(prefs->frameRate(), 1.0);

    QSignalSpy changed(prefs.get(), &DisplayPreferences::changed);
    QMetaObject::invokeMethod(&portal, [] { sendSettingChanged(QStringLiteral("reduced-motion"), 0); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return !prefs->reduceMotion(); }, 5000));
    EXPECT_GE(changed.count(), 1);

    // Higher contrast asks for opaque glass even where compositing works.
    QMetaObject::invokeMethod(&portal, [] { sendSettingChanged(QStringLiteral("contrast"), 1); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return prefs->reduceTransparency(); }, 5000));

    QMetaObject::invokeMethod(&portal, [&] {
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-display-portal"));
        done.release();
    });
    done.acquire();
    thread.quit();
    thread.wait();
}

#include "DesktopDisplayPreferencesTest.moc"
