#include "platform/SafeFile.h"

#include <QFile>

#include <cerrno>
#include <algorithm>
#include <cstring>
#include <limits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeFile {
namespace {

    QString kindOf(mode_t mode)
    {
        if (S_ISFIFO(mode))
            return QStringLiteral("a FIFO");
        if (S_ISDIR(mode))
            return QStringLiteral("a directory");
        if (S_ISCHR(mode))
            return QStringLiteral("a character device");
        if (S_ISBLK(mode))
            return QStringLiteral("a block device");
        if (S_ISSOCK(mode))
            return QStringLiteral("a socket");
        if (S_ISLNK(mode))
            return QStringLiteral("a symbolic link");
        return QStringLiteral("not a plain file");
    }

    struct Fd {
        int fd = -1;
        ~Fd()
        {
            if (fd >= 0)
                ::close(fd);
        }
    };

    // Opens and checks; on success `fd.fd` is open and `size` is fstat's size.
    Status openChecked(const QString& path, qint64 maxBytes, Links links, Fd& fd, QString* reason)
    {
        const QByteArray native = QFile::encodeName(path);
        int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
        if (links == Links::refuse)
            flags |= O_NOFOLLOW;
        do {
            fd.fd = ::open(native.constData(), flags);
        } while (fd.fd < 0 && errno == EINTR);
        if (fd.fd < 0) {
            const int err = errno;
            if (err == ENOENT) {
                *reason = QStringLiteral("no such file");
                return Status::missing;
            }
            if (err == ELOOP && links == Links::refuse) {
                *reason = QStringLiteral("is a symbolic link");
                return Status::notRegular;
            }
            if (err == ENXIO) { // a FIFO without a writer opened for reading never gets here; sockets do
                *reason = QStringLiteral("not a regular file (a socket or device)");
                return Status::notRegular;
            }
            *reason = QString::fromLocal8Bit(std::strerror(err));
            return Status::unreadable;
        }
        struct stat st { };
        if (::fstat(fd.fd, &st) != 0) {
            *reason = QString::fromLocal8Bit(std::strerror(errno));
            return Status::unreadable;
        }
        if (!S_ISREG(st.st_mode)) {
            *reason = QStringLiteral("not a regular file (%1)").arg(kindOf(st.st_mode));
            return Status::notRegular;
        }
        if (st.st_size > maxBytes) {
            *reason = QStringLiteral("file of %1 bytes is too large (the limit is %2)").arg(st.st_size).arg(maxBytes);
            return Status::tooLarge;
        }
        // Reads of a regular file block as usual from here on.
        const int fl = ::fcntl(fd.fd, F_GETFL);
        if (fl >= 0)
            ::fcntl(fd.fd, F_SETFL, fl & ~O_NONBLOCK);
        return Status::ok;
    }

}

namespace {
    enum class Past { refuse, stop };

    Result readUpTo(const QString& path, qint64 maxBytes, Links links, Past past)
    {
        Result result;
        Fd fd;
        const qint64 sizeLimit = past == Past::refuse ? maxBytes : std::numeric_limits<qint64>::max();
        result.status = openChecked(path, sizeLimit, links, fd, &result.reason);
        if (result.status != Status::ok)
            return result;
        // The size fstat reported may change while we read (a file being
        // written), and files under /proc report none: never hold more than
        // the limit whatever happens.
        QByteArray bytes;
        qint64 total = 0;
        char chunk[65536];
        for (;;) {
            const qint64 wanted
                = past == Past::stop ? std::min<qint64>(qint64(sizeof chunk), maxBytes - total) : qint64(sizeof chunk);
            if (wanted <= 0)
                break;
            const ssize_t n = ::read(fd.fd, chunk, size_t(wanted));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                result.status = Status::unreadable;
                result.reason = QString::fromLocal8Bit(std::strerror(errno));
                return result;
            }
            if (n == 0)
                break;
            total += n;
            if (total > maxBytes) {
                result.status = Status::tooLarge;
                result.reason = QStringLiteral("file grew past the limit of %1 bytes while being read").arg(maxBytes);
                return result;
            }
            bytes.append(chunk, static_cast<qsizetype>(n));
        }
        result.bytes = std::move(bytes);
        result.status = Status::ok;
        return result;
    }
}

Result read(const QString& path, qint64 maxBytes, Links links) { return readUpTo(path, maxBytes, links, Past::refuse); }

Result readHead(const QString& path, qint64 maxBytes, Links links)
{
    return readUpTo(path, maxBytes, links, Past::stop);
}

bool isRegularFile(const QString& path, qint64 maxBytes, QString* reason, Links links)
{
    Fd fd;
    QString why;
    const bool ok = openChecked(path, maxBytes, links, fd, &why) == Status::ok;
    if (reason)
        *reason = why;
    return ok;
}

}
