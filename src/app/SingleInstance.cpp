#include "app/SingleInstance.h"

#include "platform/Log.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

#include <unistd.h>

namespace {
const QByteArray reopenMessage = QByteArrayLiteral("reopen\n");
const QByteArray ackMessage = QByteArrayLiteral("ok\n");
}

SingleInstance::SingleInstance(QString folder, QObject* parent)
    : QObject(parent)
    , m_folder(folder.isEmpty() ? defaultFolder() : std::move(folder))
{
}

SingleInstance::~SingleInstance()
{
    if (m_server) {
        m_server->close();
        delete m_server;
    }
}

QString SingleInstance::defaultFolder()
{
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        dir = QDir::tempPath() + QStringLiteral("/kelvaro-%1").arg(::getuid());
    return dir;
}

bool SingleInstance::claim(int waitForRunningMs)
{
    QDir().mkpath(m_folder);
    m_lock = std::make_unique<QLockFile>(m_folder + QStringLiteral("/kelvaro.lock"));
    m_lock->setStaleLockTime(0); // stale only when its process is gone
    bool locked = m_lock->tryLock(waitForRunningMs);
    if (!locked && m_lock->error() == QLockFile::LockFailedError) {
        if (notifyRunning())
            return false;
        // Nobody answered: the copy that held the lock may be on its way out
        // (a relaunch that took long). Waiting once more beats running none.
        if (waitForRunningMs <= 0)
            return false;
        locked = m_lock->tryLock(waitForRunningMs);
        if (!locked && m_lock->error() == QLockFile::LockFailedError)
            return false;
    }
    if (!locked) {
        Log::write(QStringLiteral("Kelvaro: could not create the instance lock in %1; running without it")
                       .arg(m_folder));
    }
    const QString socketPath = m_folder + QStringLiteral("/kelvaro.socket");
    QLocalServer::removeServer(socketPath); // left behind by a copy that crashed
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(socketPath)) {
        Log::write(QStringLiteral("Kelvaro: could not listen on %1: %2").arg(socketPath, m_server->errorString()));
        return true;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine()) {
                    if (socket->bytesAvailable() > 64)
                        socket->abort(); // not one of ours
                    return;
                }
                const QByteArray line = socket->readLine(64);
                if (line == reopenMessage) {
                    socket->write(ackMessage);
                    socket->flush();
                    Q_EMIT reopenRequested();
                }
                socket->disconnectFromServer();
            });
        }
    });
    return true;
}

bool SingleInstance::notifyRunning()
{
    const QString socketPath = m_folder + QStringLiteral("/kelvaro.socket");
    // The running copy may still be starting: try for a few seconds.
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(500)) {
            socket.write(reopenMessage);
            socket.waitForBytesWritten(1000);
            if (socket.waitForReadyRead(2000) && socket.readLine(64) == ackMessage)
                return true;
        }
        QThread::msleep(100);
    }
    Log::write(QStringLiteral("Kelvaro: another copy is running but did not answer"));
    return false;
}
