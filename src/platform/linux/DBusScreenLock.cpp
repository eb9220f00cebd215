#include "platform/linux/DBusScreenLock.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <memory>

std::shared_ptr<ScreenLock> makeDBusScreenLock() { return std::make_shared<DBusScreenLock>(); }

void DBusScreenLock::watch()
{
    if (m_watching)
        return;
    m_watching = true;
    // Any sender and path: desktops publish the screen saver under
    // /org/freedesktop/ScreenSaver and /ScreenSaver.
    auto session = QDBusConnection::sessionBus();
    if (session.isConnected()) {
        m_listening |= session.connect(QString(), QString(), QStringLiteral("org.freedesktop.ScreenSaver"),
            QStringLiteral("ActiveChanged"), this, SLOT(screenSaverActiveChanged(bool)));
    }
    auto system = QDBusConnection::systemBus();
    if (system.isConnected()) {
        // Only this process's own session; any session when logind cannot say which.
        QString sessionPath;
        QDBusMessage ask = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.login1"),
            QStringLiteral("/org/freedesktop/login1"), QStringLiteral("org.freedesktop.login1.Manager"),
            QStringLiteral("GetSessionByPID"));
        ask << quint32(QCoreApplication::applicationPid());
        const QDBusMessage reply = system.call(ask, QDBus::Block, 500);
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
            sessionPath = qvariant_cast<QDBusObjectPath>(reply.arguments().first()).path();
        m_listening |= system.connect(QStringLiteral("org.freedesktop.login1"), sessionPath,
            QStringLiteral("org.freedesktop.login1.Session"), QStringLiteral("Lock"), this, SLOT(sessionLocked()));
    }
}

void DBusScreenLock::screenSaverActiveChanged(bool active)
{
    if (active)
        Q_EMIT locked();
}

void DBusScreenLock::sessionLocked() { Q_EMIT locked(); }
