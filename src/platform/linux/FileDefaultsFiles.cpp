#include "platform/linux/FileDefaultsStore.h"

#include "platform/Log.h"
#include "platform/SafeFile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The files beside the defaults: reading and replacing the file itself, the
// lock file, the copies kept of files that could not be read and the
// temporary files an interrupted save leaves.

namespace {
constexpr int kLockTimeoutMs = 5000;
// A lock file is filled in right after it is made: one still empty after
// this long was left by a process stopped in between.
constexpr qint64 kEmptyLockMs = 1000;
// A temporary file younger than this may belong to a save still under way.
constexpr qint64 kStaleTemporarySeconds = 60;

// A lock file still empty well after it was made (see kEmptyLockMs).
bool isEmptyLock(const QString& lockPath)
{
    const QFileInfo info(lockPath);
    return info.isFile() && !info.isSymLink() && info.size() == 0
        && std::abs(info.lastModified().msecsTo(QDateTime::currentDateTime())) >= kEmptyLockMs;
}

void removeEmptyLock(const QString& lockPath)
{
    // Such a lock names no process, so QLockFile would only call it stale
    // once it is half a minute old: every read and save until then would
    // wait for it and then go on without a lock. Removed under the same
    // guard QLockFile removes stale locks under, so that a lock another
    // process has just made in its place is never the one removed.
    if (!isEmptyLock(lockPath))
        return;
    QLockFile guard(lockPath + QStringLiteral(".rmlock"));
    if (guard.tryLock(0) && isEmptyLock(lockPath) && QFile::remove(lockPath))
        Log::write(QStringLiteral("Kelvaro: removed %1, an empty lock file left by a process stopped while making it")
                       .arg(lockPath));
}

// QLockFile::tryLock(kLockTimeoutMs), except that a lock left empty is
// removed once it is old enough rather than waited for to the end.
bool tryLockWithin(QLockFile& lock, const QString& lockPath)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        removeEmptyLock(lockPath);
        const qint64 left = kLockTimeoutMs - waited.elapsed();
        if (lock.tryLock(int(std::clamp<qint64>(left, 0, 250))))
            return true;
        if (lock.error() != QLockFile::LockFailedError || left <= 0)
            return false;
    }
}

// A name beside `path` that is not taken: path + suffix + stamp (+ "-n"),
// "-n" past every one in use, so that names sort in the order they were made
// even after the oldest were removed.
QString freeName(const QString& path, const QString& suffix)
{
    QString name = path + suffix;
    if (suffix.endsWith(QLatin1Char('-')))
        name += QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QFileInfo info(name);
    const QRegularExpression taken(
        QStringLiteral("^") + QRegularExpression::escape(info.fileName()) + QStringLiteral("(?:-(\\d+))?$"));
    int last = 0;
    for (const QString& entry : QDir(info.absolutePath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System)) {
        const auto m = taken.match(entry);
        if (m.hasMatch())
            last = std::max(last, m.captured(1).isEmpty() ? 1 : m.captured(1).toInt());
    }
    return last == 0 ? name : name + QLatin1Char('-') + QString::number(last + 1);
}

// The SHA-256 of a regular file read to its end (empty when it is not one or
// cannot be read); never blocks on a FIFO and never holds the file in memory.
QByteArray digestOfFile(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    struct stat st { };
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    char chunk[65536];
    while (ok) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        hash.addData(QByteArrayView(chunk, n));
    }
    ::close(fd);
    return ok ? hash.result() : QByteArray();
}

// Why nothing can be created in `folder`, as the system says it: a probe
// file that is never linked into the folder takes one byte.
QString whyNothingCanBeCreated(const QString& folder)
{
    const QByteArray native = QFile::encodeName(folder);
    int err = 0;
    const int fd = ::open(native.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0) {
        err = errno;
    } else {
        const char byte = 0;
        if (::write(fd, &byte, 1) != 1)
            err = errno;
        ::close(fd);
    }
    if (err == 0 || err == EOPNOTSUPP || err == EISDIR)
        return QStringLiteral("it could not be created");
    return QString::fromLocal8Bit(std::strerror(err));
}

// Orders kept copies oldest first: by their stamp, then their "-n".
struct KeptCopyName {
    QString stamp;
    int n = 1;
    QString name;
    bool operator<(const KeptCopyName& o) const { return stamp != o.stamp ? stamp < o.stamp : n < o.n; }
};
}

FileDefaultsStore::ReadResult FileDefaultsStore::readFile(Contents& into, QString* reason)
{
    // Opened without blocking and checked to be a regular file: a FIFO or a
    // device in the file's place neither hangs Kelvaro nor floods it, and
    // is never replaced (the user put it there).
    const SafeFile::Result file = SafeFile::read(m_path, maxFileSize, SafeFile::Links::follow);
    switch (file.status) {
    case SafeFile::Status::ok:
        break;
    case SafeFile::Status::missing:
        return ReadResult::missing;
    case SafeFile::Status::tooLarge:
        *reason = file.reason;
        return ReadResult::unreadable;
    case SafeFile::Status::notRegular:
    case SafeFile::Status::unreadable:
        *reason = file.reason;
        return ReadResult::inaccessible;
    }
    Contents contents;
    if (!decode(file.bytes, contents, reason))
        return ReadResult::unreadable;
    if ((!contents.tooDeep.empty() || !contents.invalidText.empty()) && !m_keptDamaged) {
        m_keptDamaged = true;
        const auto named = [](const std::set<std::string>& keys) {
            QStringList names;
            for (const std::string& key : keys)
                names.append(QStringLiteral("\"%1\"").arg(fromStd(key)));
            return names.join(QStringLiteral(", "));
        };
        QStringList whys;
        if (!contents.tooDeep.empty())
            whys << QStringLiteral("%1 nested deeper than %2 levels").arg(named(contents.tooDeep)).arg(maxJsonDepth);
        if (!contents.invalidText.empty())
            whys << QStringLiteral("%1 not valid UTF-8 text").arg(named(contents.invalidText));
        const QString why = whys.join(QStringLiteral("; "));
        const QString aside = copyAside(file.bytes, QStringLiteral(".corrupt-"), why);
        if (!aside.isEmpty() && QThread::currentThread() == thread())
            reportProblem({ Problem::Kind::partlyKeptAside, m_path, aside, why });
        else if (!aside.isEmpty())
            report({ Problem::Kind::partlyKeptAside, m_path, aside, why });
    }
    into = std::move(contents);
    return ReadResult::ok;
}

QStringList FileDefaultsStore::keptCopies(const QString& suffix) const
{
    const QFileInfo file(m_path);
    const QString stamp = suffix.endsWith(QLatin1Char('-')) ? QStringLiteral("(\\d{8}-\\d{6})") : QStringLiteral("()");
    const QRegularExpression ours(QStringLiteral("^") + QRegularExpression::escape(file.fileName() + suffix) + stamp
        + QStringLiteral("(?:-(\\d+))?$"));
    QList<KeptCopyName> found;
    for (const QFileInfo& entry : QDir(file.absolutePath()).entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        const auto m = ours.match(entry.fileName());
        if (m.hasMatch() && entry.isFile() && !entry.isSymLink())
            found.append(
                { m.captured(1), m.captured(2).isEmpty() ? 1 : m.captured(2).toInt(), entry.absoluteFilePath() });
    }
    std::sort(found.begin(), found.end());
    QStringList names;
    for (const KeptCopyName& k : found)
        names << k.name;
    return names;
}

QString FileDefaultsStore::keptCopyOf(const QByteArray& digest, qint64 size, const QString& suffix) const
{
    if (digest.isEmpty())
        return {};
    for (const QString& copy : keptCopies(suffix)) {
        if (QFileInfo(copy).size() == size && digestOfFile(copy) == digest)
            return copy;
    }
    return {};
}

void FileDefaultsStore::pruneKeptCopies(const QString& keep)
{
    QStringList copies = keptCopies(QStringLiteral(".corrupt-"));
    copies.removeAll(keep);
    while (copies.size() >= maxKeptCopies) {
        const QString oldest = copies.takeFirst();
        if (QFile::remove(oldest))
            Log::write(QStringLiteral(
                "Kelvaro: removed %1, the oldest kept copy of an unreadable defaults file (the newest %2 are kept)")
                           .arg(oldest)
                           .arg(maxKeptCopies));
    }
}

QString FileDefaultsStore::setAside(const QString& reason, Aftermath aftermath)
{
    const QString then = aftermath == Aftermath::startedEmpty
        ? QStringLiteral("started with empty settings")
        : QStringLiteral("the settings in memory are written in its place");
    // The same unreadable file met again (each start until something is
    // saved) is kept once.
    QString kept = keptCopyOf(digestOfFile(m_path), QFileInfo(m_path).size(), QStringLiteral(".corrupt-"));
    if (!kept.isEmpty() && QFile::remove(m_path)) {
        Log::write(QStringLiteral(
            "Kelvaro: the defaults file %1 could not be read (%2); it is the same as %3, kept earlier, and %4")
                       .arg(m_path, reason, kept, then));
        return kept;
    }
    QString aside = freeName(m_path, QStringLiteral(".corrupt-"));
    if (QFile::rename(m_path, aside)) {
        Log::write(QStringLiteral("Kelvaro: the defaults file %1 could not be read (%2); kept it as %3 and %4")
                       .arg(m_path, reason, aside, then));
        pruneKeptCopies(aside);
        return aside;
    }
    Log::write(QStringLiteral(
        "Kelvaro: the defaults file %1 could not be read (%2) and could not be moved aside; it is left in place and %3")
                   .arg(m_path, reason,
                       aftermath == Aftermath::startedEmpty
                           ? QStringLiteral("settings start empty")
                           : QStringLiteral("changes are kept until Kelvaro quits but not saved")));
    return QString();
}

QString FileDefaultsStore::copyAside(const QByteArray& bytes, const QString& suffix, const QString& why)
{
    QString kept = keptCopyOf(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256), bytes.size(), suffix);
    if (!kept.isEmpty()) {
        Log::write(QStringLiteral("Kelvaro: the defaults file %1 is kept as %2 already: %3").arg(m_path, kept, why));
        return kept;
    }
    QString aside = freeName(m_path, suffix);
    QSaveFile copy(aside);
    if (copy.open(QIODevice::WriteOnly) && copy.write(bytes) == bytes.size() && copy.commit()) {
        QFile::setPermissions(aside, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        Log::write(QStringLiteral("Kelvaro: the defaults file %1 is kept as %2 before it is rewritten: %3")
                       .arg(m_path, aside, why));
        if (suffix == QLatin1String(".corrupt-"))
            pruneKeptCopies(aside);
        return aside;
    }
    Log::write(QStringLiteral("Kelvaro: could not keep a copy of the defaults file %1 (%2): %3")
                   .arg(m_path, why, copy.errorString()));
    return QString();
}

void FileDefaultsStore::removeStaleTemporaries()
{
    // A save writes the new text to "defaults.json.XXXXXX" (six random
    // letters) and renames it over the file; killed in between, it leaves
    // that behind. Only names of that shape with a capital letter (so not a
    // person's "defaults.json.backup"), old enough that no save can still be
    // writing them, go; the caller holds the lock.
    const QFileInfo file(m_path);
    const QRegularExpression temporary(QStringLiteral("^") + QRegularExpression::escape(file.fileName())
        + QStringLiteral("\\.(?=[A-Za-z0-9]*[A-Z])[A-Za-z0-9]{6}$"));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const QFileInfo& entry : QDir(file.absolutePath()).entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!temporary.match(entry.fileName()).hasMatch() || !entry.isFile() || entry.isSymLink()
            || entry.lastModified().toUTC().secsTo(now) < kStaleTemporarySeconds)
            continue;
        if (QFile::remove(entry.absoluteFilePath()))
            Log::write(
                QStringLiteral("Kelvaro: removed %1, a temporary file left by an interrupted save of the defaults")
                    .arg(entry.absoluteFilePath()));
    }
}

bool FileDefaultsStore::takeLock(QLockFile& lock)
{
    const QString lockPath = m_path + QStringLiteral(".lock");
    QString problem;
    // QLockFile reads a lock file it finds to see whether it is stale: were
    // it a FIFO, that read would never return.
    const SafeFile::Result existing = SafeFile::read(lockPath, 64 * 1024, SafeFile::Links::refuse);
    if (existing.status == SafeFile::Status::notRegular) {
        problem = existing.reason;
    } else if (tryLockWithin(lock, lockPath)) {
        m_lockProblem.clear();
        return true;
    } else if (lock.error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host, app;
        lock.getLockInfo(&pid, &host, &app);
        problem = QStringLiteral("process %1 has held it for more than %2 seconds").arg(pid).arg(kLockTimeoutMs / 1000);
    } else {
        problem = whyNothingCanBeCreated(QFileInfo(m_path).absolutePath());
    }
    // Said once, not at every save: the same cause usually lasts.
    if (problem != m_lockProblem) {
        m_lockProblem = problem;
        Log::write(QStringLiteral(
            "Kelvaro: could not take the lock file %1 (%2); the defaults file is read and written without it")
                       .arg(lockPath, problem));
    }
    return false;
}

bool FileDefaultsStore::writeFile(const Contents& contents, QString* reason)
{
    const std::string text = encode(contents);
    // A file too large to be read back would cost every setting at the next start.
    if (qint64(text.size()) > maxFileSize) {
        *reason = QStringLiteral("it would be %1 bytes long, more than the %2 that can be read back")
                      .arg(qint64(text.size()))
                      .arg(maxFileSize);
        return false;
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        *reason = file.errorString();
        return false;
    }
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // write() only fills a buffer: a full disk shows in flush() or the
    // file's error, and then the old file must stay (commit() would put the
    // short file in its place).
    const bool written = file.write(text.data(), qint64(text.size())) == qint64(text.size()) && file.flush()
        && file.error() == QFileDevice::NoError;
    if (!written) {
        *reason = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}
