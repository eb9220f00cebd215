#include "app/ScreenLockObserver.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

ScreenLockObserver::ScreenLockObserver(QObject* parent)
    : QObject(parent)
{
    // Any sender and path: desktops publish the screen saver under
    // /org/freedesktop/ScreenSaver and /ScreenSaver.
    auto session = QDBusConnection::sessionBus();
    if (session.isConnected()) {
        m_listening |= session.connect(QString(), QString(), QStringLiteral("org.freedesktop.ScreenSaver"),
                                       QStringLiteral("ActiveChanged"), this,
                                       SLOT(screenSaverActiveChanged(bool)));
    }
    auto system = QDBusConnection::systemBus();
    if (system.isConnected()) {
        m_listening |= system.connect(QStringLiteral("org.freedesktop.login1"), QString(),
                                      QStringLiteral("org.freedesktop.login1.Session"), QStringLiteral("Lock"),
                                      this, SLOT(sessionLocked()));
    }
}

void ScreenLockObserver::screenSaverActiveChanged(bool active)
{
    if (active)
        Q_EMIT locked();
}

void ScreenLockObserver::sessionLocked()
{
    Q_EMIT locked();
}
