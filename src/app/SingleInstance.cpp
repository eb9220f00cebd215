#include "app/SingleInstance.h"

#include "platform/Log.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QByteArray reopenMessage = QByteArrayLiteral("reopen\n");
const QByteArray ackMessage = QByteArrayLiteral("ok\n");
}

std::optional<QString> SingleInstance::ensurePrivateFolder(const QString& folder)
{
    const QByteArray native = QFile::encodeName(folder);
    if (::mkdir(native.constData(), 0700) == 0)
        ::chmod(native.constData(), 0700); // whatever the umask took away
    else if (errno != EEXIST)
        return QStringLiteral("it cannot be created (%1)").arg(QString::fromLocal8Bit(std::strerror(errno)));
    // The folder itself, not what a link points to: anyone may put a link
    // or a folder of their own under that name in a shared temporary folder.
    struct stat st { };
    if (::lstat(native.constData(), &st) != 0)
        return QStringLiteral("it cannot be examined (%1)").arg(QString::fromLocal8Bit(std::strerror(errno)));
    if (S_ISLNK(st.st_mode))
        return QStringLiteral("it is a symbolic link");
    if (!S_ISDIR(st.st_mode))
        return QStringLiteral("it is not a folder");
    if (st.st_uid != ::geteuid())
        return QStringLiteral("it belongs to user id %1, not to this user (%2)").arg(st.st_uid).arg(::geteuid());
    if ((st.st_mode & 07777) != 0700)
        return QStringLiteral("its mode is %1, not 0700")
            .arg(QString::number(st.st_mode & 07777, 8).rightJustified(4, u'0'));
    return std::nullopt;
}

SingleInstance::Request SingleInstance::readRequest(const QByteArray& received)
{
    const qsizetype end = received.indexOf('\n');
    if (end < 0)
        return received.size() > maxLine ? Request::foreign : Request::incomplete;
    return received.left(end + 1) == reopenMessage ? Request::reopen : Request::foreign;
}

SingleInstance::SingleInstance(QString folder, QObject* parent, QString fallback)
    : QObject(parent)
    , m_folder(folder.isEmpty() ? defaultFolder() : std::move(folder))
    , m_fallback(fallback.isEmpty() ? fallbackFolder() : std::move(fallback))
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
        dir = fallbackFolder();
    return dir;
}

QString SingleInstance::fallbackFolder() { return QDir::tempPath() + QStringLiteral("/kelvaro-%1").arg(::getuid()); }

namespace {
void report(const QString& line)
{
    Log::write(line);
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}
}

bool SingleInstance::choosePrivateFolder()
{
    const auto problem = ensurePrivateFolder(m_folder);
    if (!problem)
        return true;
    // Another user's folder (or link) there could stop this copy from
    // starting, or answer in its stead. Every copy of this user's makes the
    // same choice, so the one in the fallback folder still finds the other.
    if (m_folder != m_fallback) {
        const auto fallbackProblem = ensurePrivateFolder(m_fallback);
        report(QStringLiteral("Kelvaro: the folder %1 is not safe for the instance lock: %2; %3")
                   .arg(m_folder, *problem,
                       fallbackProblem ? QStringLiteral("nor is %1: %2").arg(m_fallback, *fallbackProblem)
                                       : QStringLiteral("using %1 instead").arg(m_fallback)));
        if (!fallbackProblem) {
            m_folder = m_fallback;
            return true;
        }
    } else {
        report(QStringLiteral("Kelvaro: the folder %1 is not safe for the instance lock: %2").arg(m_folder, *problem));
    }
    // Running unguarded would let a second copy grab the same hotkeys.
    report(QStringLiteral("Kelvaro: not starting, since a second copy could not be told apart from this one"));
    return false;
}

bool SingleInstance::clearForeignLock(const QString& path)
{
    // Our lock is always a plain file. Anything else under its name (a FIFO
    // would hold reading the lock up for good, a link would lead elsewhere)
    // was put there by this user, in a folder no one else may enter: it goes.
    const QByteArray native = QFile::encodeName(path);
    struct stat st { };
    if (::lstat(native.constData(), &st) != 0 || S_ISREG(st.st_mode))
        return true;
    const QString kind = S_ISFIFO(st.st_mode) ? QStringLiteral("a FIFO")
        : S_ISLNK(st.st_mode)                 ? QStringLiteral("a symbolic link")
        : S_ISDIR(st.st_mode)                 ? QStringLiteral("a folder")
                                              : QStringLiteral("not a regular file");
    if (::unlink(native.constData()) != 0 && errno != ENOENT) {
        report(QStringLiteral("Kelvaro: the instance lock %1 is %2 and cannot be removed (%3); not starting")
                   .arg(path, kind, QString::fromLocal8Bit(std::strerror(errno))));
        return false;
    }
    report(QStringLiteral("Kelvaro: the instance lock %1 was %2, not a regular file; removed it").arg(path, kind));
    return true;
}

bool SingleInstance::claim(int waitForRunningMs)
{
    if (!choosePrivateFolder())
        return false;
    const QString lockPath = m_folder + QStringLiteral("/kelvaro.lock");
    if (!clearForeignLock(lockPath))
        return false;
    m_lock = std::make_unique<QLockFile>(lockPath);
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
        Log::write(
            QStringLiteral("Kelvaro: could not create the instance lock in %1; running without it").arg(m_folder));
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
                switch (readRequest(socket->peek(maxLine + 1))) {
                case Request::incomplete:
                    return;
                case Request::foreign:
                    socket->abort(); // not one of ours
                    return;
                case Request::reopen:
                    socket->write(ackMessage);
                    socket->flush();
                    Q_EMIT reopenRequested();
                    socket->disconnectFromServer();
                    return;
                }
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
