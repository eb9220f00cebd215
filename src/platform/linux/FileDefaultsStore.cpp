#include "platform/linux/FileDefaultsStore.h"

#include "platform/Log.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThread>

namespace {
constexpr qint64 kMaxFileSize = 64LL * 1024 * 1024;
constexpr int kLockTimeoutMs = 5000;
}

QString FileDefaultsStore::fromStd(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

std::string FileDefaultsStore::toStd(const QString& s)
{
    const QByteArray utf8 = s.toUtf8();
    return std::string(utf8.constData(), size_t(utf8.size()));
}

FileDefaultsStore::FileDefaultsStore(QString path)
    : m_path(std::move(path))
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    {
        QLockFile lock(m_path + QStringLiteral(".lock"));
        if (!lock.tryLock(kLockTimeoutMs))
            Log::write(QStringLiteral("Kelvaro: could not lock %1.lock; reading the defaults without it").arg(m_path));
        Contents contents;
        QString reason;
        switch (readFile(contents, &reason)) {
        case ReadResult::unreadable: {
            const QString aside = setAside(reason);
            reportProblem({ Problem::Kind::keptAside, m_path, aside, reason });
            break;
        }
        case ReadResult::inaccessible:
            Log::write(QStringLiteral("Kelvaro: could not open the defaults file %1 (%2); starting with empty settings and leaving the file alone")
                           .arg(m_path, reason));
            m_reportedInaccessible = true;
            reportProblem({ Problem::Kind::notSaved, m_path, QString(), reason });
            break;
        case ReadResult::ok:
            m_values = contents.values;
            for (const auto& entry : contents.opaque)
                Log::write(QStringLiteral("Kelvaro: could not read the stored value of \"%1\" in %2; it is kept unchanged")
                               .arg(fromStd(entry.first), m_path));
            break;
        case ReadResult::missing:
            break;
        }
    }
    m_known = m_values;
    m_writer = std::thread([this] { writerLoop(); });
}

FileDefaultsStore::~FileDefaultsStore()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_writer.join(); // writes what is pending first
}

QString FileDefaultsStore::defaultPath()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || !QDir::isAbsolutePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/kelvaro/defaults.json");
}

std::optional<QVariant> FileDefaultsStore::value(const QString& key) const
{
    auto it = m_values.constFind(key);
    if (it == m_values.constEnd())
        return std::nullopt;
    return *it;
}

QStringList FileDefaultsStore::keys() const { return m_values.keys(); }

void FileDefaultsStore::setValue(const QString& key, const QVariant& value)
{
    if (!value.isValid()) {
        remove(key);
        return;
    }
    bool ok = false;
    encodeValue(value, &ok);
    if (!ok) {
        Log::write(QStringLiteral("Kelvaro: cannot store a value of type %1 under \"%2\"")
                       .arg(QString::fromLatin1(value.typeName()), key));
        return;
    }
    change(key, value);
}

void FileDefaultsStore::remove(const QString& key)
{
    change(key, std::nullopt);
}

void FileDefaultsStore::change(const QString& key, const std::optional<QVariant>& value)
{
    if (value)
        m_values.insert(key, *value);
    else
        m_values.remove(key);
    {
        std::lock_guard lock(m_mutex);
        m_pending[key] = value;
        m_known = m_values;
        ++m_requested;
    }
    m_wake.notify_one();
    Q_EMIT changed(key);
}

void FileDefaultsStore::flush()
{
    std::unique_lock lock(m_mutex);
    const std::uint64_t target = m_requested;
    m_settled.wait(lock, [&] { return m_written >= target; });
}

void FileDefaultsStore::writerLoop()
{
    Changes unsaved; // changes a failed save could not write, tried again with the next
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [&] { return m_stopping || !m_pending.empty(); });
        if (m_pending.empty()) {
            if (m_stopping)
                return;
            continue;
        }
        Changes changes;
        changes.swap(unsaved);
        for (auto& [key, value] : m_pending)
            changes[key] = std::move(value);
        m_pending.clear();
        const QMap<QString, QVariant> known = m_known;
        const std::uint64_t upTo = m_requested;
        lock.unlock();
        if (!save(changes, known))
            unsaved = std::move(changes);
        lock.lock();
        m_written = upTo;
        m_settled.notify_all();
    }
}

void FileDefaultsStore::report(const Problem& p)
{
    // From the writer thread: the problem is recorded on the main thread.
    QMetaObject::invokeMethod(this, [this, p] { reportProblem(p); }, Qt::QueuedConnection);
}

bool FileDefaultsStore::save(const Changes& changes, const QMap<QString, QVariant>& known)
{
    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockTimeoutMs))
        Log::write(QStringLiteral("Kelvaro: could not lock %1.lock; writing the defaults without it").arg(m_path));

    // Start from what is on disk now, so keys another process wrote survive.
    Contents merged;
    QString reason;
    bool differs = false;
    switch (readFile(merged, &reason)) {
    case ReadResult::ok:
        break;
    case ReadResult::missing:
        merged = {};
        break;
    case ReadResult::unreadable: {
        // Someone left a damaged file: keep it aside and carry on from what we know.
        const QString aside = setAside(reason);
        report({ Problem::Kind::keptAside, m_path, aside, reason });
        merged = {};
        merged.values = known;
        differs = true;
        break;
    }
    case ReadResult::inaccessible:
        // A file we cannot read must not be replaced by what little we know:
        // the changes live in memory only.
        if (!m_reportedInaccessible) {
            m_reportedInaccessible = true;
            Log::write(QStringLiteral("Kelvaro: could not open the defaults file %1 (%2); changes are kept until Kelvaro quits but not saved")
                           .arg(m_path, reason));
            report({ Problem::Kind::notSaved, m_path, QString(), reason });
        }
        return false;
    }

    for (const auto& [key, value] : changes) {
        const std::string stdKey = toStd(key);
        if (value) {
            auto it = merged.values.constFind(key);
            differs = differs || it == merged.values.constEnd() || *it != *value || it->typeId() != value->typeId()
                || merged.opaque.count(stdKey) > 0;
            merged.values.insert(key, *value);
            merged.opaque.erase(stdKey);
        } else {
            const bool had = merged.values.remove(key) > 0;
            const bool hadOpaque = merged.opaque.erase(stdKey) > 0;
            differs = differs || had || hadOpaque;
        }
    }
    if (!differs)
        return true; // the file already says so

    if (merged.version > formatVersion && !m_keptNewerVersion) {
        // A newer build wrote this file: what it stored beyond this build's
        // understanding stays in a copy before the file becomes version 1.
        m_keptNewerVersion = true;
        copyAside(QStringLiteral(".version-%1").arg(merged.version),
                  QStringLiteral("it was written by a newer version of Kelvaro (format %1)").arg(merged.version));
    }

    if (!writeFile(merged, &reason)) {
        // The file keeps its previous contents; the changes stay in memory.
        if (!m_reportedNotSaved) {
            m_reportedNotSaved = true;
            Log::write(QStringLiteral("Kelvaro: could not write the defaults file %1: %2; it keeps its previous contents and changes are kept until Kelvaro quits")
                           .arg(m_path, reason));
            report({ Problem::Kind::notSaved, m_path, QString(), reason });
        }
        return false;
    }
    if (m_reportedNotSaved) {
        m_reportedNotSaved = false;
        Log::write(QStringLiteral("Kelvaro: the defaults file %1 is saved again").arg(m_path));
    }
    return true;
}

FileDefaultsStore::ReadResult FileDefaultsStore::readFile(Contents& into, QString* reason)
{
    QFile file(m_path);
    if (!file.exists())
        return ReadResult::missing;
    if (!file.open(QIODevice::ReadOnly)) {
        // Not a damaged file: leave it alone and never write over it.
        *reason = file.errorString();
        return ReadResult::inaccessible;
    }
    if (file.size() > kMaxFileSize) {
        *reason = QStringLiteral("file of %1 bytes is too large").arg(file.size());
        return ReadResult::unreadable;
    }
    const QByteArray bytes = file.readAll();
    Contents contents;
    if (!decode(bytes, contents, reason))
        return ReadResult::unreadable;
    if (!contents.tooDeep.empty() && !m_keptTooDeep) {
        m_keptTooDeep = true;
        QStringList names;
        for (const std::string& key : contents.tooDeep)
            names.append(QStringLiteral("\"%1\"").arg(fromStd(key)));
        const QString why = QStringLiteral("%1 nested deeper than %2 levels").arg(names.join(QStringLiteral(", "))).arg(maxJsonDepth);
        const QString aside = copyAside(QStringLiteral(".corrupt-"), why);
        if (!aside.isEmpty() && QThread::currentThread() == thread())
            reportProblem({ Problem::Kind::partlyKeptAside, m_path, aside, why });
        else if (!aside.isEmpty())
            report({ Problem::Kind::partlyKeptAside, m_path, aside, why });
    }
    into = std::move(contents);
    return ReadResult::ok;
}

namespace {
// A name beside `path` that is not taken: path + suffix + stamp (+ "-n").
QString freeName(const QString& path, const QString& suffix)
{
    QString name = path + suffix;
    if (suffix.endsWith(QLatin1Char('-')))
        name += QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString candidate = name;
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = name + QLatin1Char('-') + QString::number(n);
    return candidate;
}
}

QString FileDefaultsStore::setAside(const QString& reason)
{
    const QString aside = freeName(m_path, QStringLiteral(".corrupt-"));
    if (QFile::rename(m_path, aside)) {
        Log::write(QStringLiteral("Kelvaro: the defaults file %1 could not be read (%2); kept it as %3 and started with empty settings")
                       .arg(m_path, reason, aside));
        return aside;
    }
    Log::write(QStringLiteral("Kelvaro: the defaults file %1 could not be read (%2) and could not be moved aside; it is left in place and settings start empty")
                   .arg(m_path, reason));
    return QString();
}

QString FileDefaultsStore::copyAside(const QString& suffix, const QString& why)
{
    const QString aside = freeName(m_path, suffix);
    if (QFile::copy(m_path, aside)) {
        Log::write(QStringLiteral("Kelvaro: the defaults file %1 is kept as %2 before it is rewritten: %3").arg(m_path, aside, why));
        return aside;
    }
    Log::write(QStringLiteral("Kelvaro: could not keep a copy of the defaults file %1 (%2)").arg(m_path, why));
    return QString();
}

bool FileDefaultsStore::writeFile(const Contents& contents, QString* reason)
{
    const std::string text = encode(contents);
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

std::shared_ptr<DefaultsStore> makeDefaultFileStore()
{
    return std::make_shared<FileDefaultsStore>(FileDefaultsStore::defaultPath());
}
