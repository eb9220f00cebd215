#include "platform/linux/FileDefaultsStore.h"

#include "platform/Log.h"

#include "platform/SafeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

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
    Contents contents;
    {
        QLockFile lock(m_path + QStringLiteral(".lock"));
        if (takeLock(lock))
            removeStaleTemporaries();
        QString reason;
        switch (readFile(contents, &reason)) {
        case ReadResult::unreadable: {
            contents = {};
            const QString aside = setAside(reason, Aftermath::startedEmpty);
            reportProblem({ Problem::Kind::keptAside, m_path, aside, reason });
            break;
        }
        case ReadResult::inaccessible:
            contents = {};
            Log::write(QStringLiteral("Kelvaro: could not open the defaults file %1 (%2); starting with empty settings "
                                      "and leaving the file alone")
                           .arg(m_path, reason));
            m_reportedInaccessible = true;
            reportProblem({ Problem::Kind::notSaved, m_path, QString(), reason });
            break;
        case ReadResult::ok:
            m_values = contents.values;
            for (const auto& entry : contents.opaque)
                Log::write(
                    QStringLiteral("Kelvaro: could not read the stored value of \"%1\" in %2; it is kept unchanged")
                        .arg(fromStd(entry.first), m_path));
            break;
        case ReadResult::missing:
            contents = {};
            break;
        }
    }
    track(contents);
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
    const nlohmann::json tagged = encodeValue(value, &ok);
    if (!ok) {
        Log::write(QStringLiteral("Kelvaro: cannot store a value of type %1 under \"%2\"")
                       .arg(QString::fromLatin1(value.typeName()), key));
        return;
    }
    // Refused now, while the caller can still be told: written, the file
    // could not be read back and every setting would be lost at the next start.
    const qint64 bytes = entryBytes(key, tagged);
    const qint64 before = m_entryBytes.value(key, 0);
    if (bytes > before && m_textBytes - before + bytes > maxFileSize) {
        refuse(key, m_textBytes - before + bytes);
        return;
    }
    m_textBytes += bytes - before;
    m_entryBytes.insert(key, bytes);
    change({ { key, value } });
}

void FileDefaultsStore::remove(const QString& key)
{
    m_textBytes -= m_entryBytes.take(key);
    change({ { key, std::nullopt } });
}

bool FileDefaultsStore::setValues(const Changes& changes)
{
    // The size of the text once every change is made: what one change frees
    // makes room for another, so a value moved to another key takes only the
    // room of its longer name.
    qint64 textBytes = m_textBytes;
    QHash<QString, qint64> sizes;
    for (const auto& [key, value] : changes) {
        qint64 bytes = 0;
        if (value && value->isValid()) {
            bool ok = false;
            const nlohmann::json tagged = encodeValue(*value, &ok);
            if (!ok)
                return false;
            bytes = entryBytes(key, tagged);
        }
        textBytes += bytes - m_entryBytes.value(key, 0);
        sizes.insert(key, bytes);
    }
    if (textBytes > maxFileSize && textBytes > m_textBytes)
        return false;
    Changes made;
    for (const auto& [key, value] : changes) {
        const qint64 bytes = sizes.value(key);
        if (bytes > 0) {
            m_entryBytes.insert(key, bytes);
            made.emplace(key, value);
        } else {
            m_entryBytes.remove(key);
            made.emplace(key, std::nullopt);
        }
    }
    m_textBytes = textBytes;
    change(made);
    return true;
}

void FileDefaultsStore::track(const Contents& contents)
{
    // What this build cannot read is written back as it was: its share is fixed.
    Contents fixed;
    fixed.opaque = contents.opaque;
    fixed.other = contents.other;
    m_textBytes = qint64(encode(fixed).size());
    m_entryBytes.clear();
    for (auto it = contents.values.constBegin(); it != contents.values.constEnd(); ++it) {
        bool ok = false;
        const nlohmann::json tagged = encodeValue(it.value(), &ok);
        if (!ok)
            continue;
        const qint64 bytes = entryBytes(it.key(), tagged);
        m_entryBytes.insert(it.key(), bytes);
        m_textBytes += bytes;
    }
}

void FileDefaultsStore::refuse(const QString& key, qint64 wouldBe)
{
    const QString reason
        = QStringLiteral("the value of \"%1\" would make it %2 bytes long, more than the %3 that can be read back")
              .arg(key)
              .arg(wouldBe)
              .arg(maxFileSize);
    Log::write(
        QStringLiteral("Kelvaro: a change was not made to the defaults file %1: %2; the stored value stays as it was")
            .arg(m_path, reason));
    if (m_reportedRefused)
        return;
    m_reportedRefused = true;
    reportProblem({ Problem::Kind::refused, m_path, QString(), reason });
}

void FileDefaultsStore::change(const Changes& changes)
{
    for (const auto& [key, value] : changes) {
        if (value)
            m_values.insert(key, *value);
        else
            m_values.remove(key);
    }
    {
        // One hand-over: the writer never saves some of these without the others.
        std::lock_guard lock(m_mutex);
        for (const auto& [key, value] : changes)
            m_pending[key] = value;
        m_known = m_values;
        ++m_requested;
    }
    m_wake.notify_one();
    for (const auto& change : changes)
        Q_EMIT changed(change.first);
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
    QMetaObject::invokeMethod(
        this, [this, p] { reportProblem(p); }, Qt::QueuedConnection);
}

bool FileDefaultsStore::save(const Changes& changes, const QMap<QString, QVariant>& known)
{
    QLockFile lock(m_path + QStringLiteral(".lock"));
    takeLock(lock);

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
        // Someone left a damaged file: keep it aside and carry on from what
        // we know. One that cannot be kept is not written over either.
        const QString aside = setAside(reason, Aftermath::writtenBack);
        if (aside.isEmpty()) {
            if (!m_reportedNotSaved) {
                m_reportedNotSaved = true;
                report({ Problem::Kind::notSaved, m_path, QString(), reason });
            }
            return false;
        }
        report({ Problem::Kind::writtenBack, m_path, aside, reason });
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
            Log::write(QStringLiteral(
                "Kelvaro: could not open the defaults file %1 (%2); changes are kept until Kelvaro quits but not saved")
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
        const SafeFile::Result file = SafeFile::read(m_path, maxFileSize, SafeFile::Links::follow);
        if (file.ok())
            copyAside(file.bytes, QStringLiteral(".version-%1").arg(merged.version),
                QStringLiteral("it was written by a newer version of Kelvaro (format %1)").arg(merged.version));
    }

    if (!writeFile(merged, &reason)) {
        // The file keeps its previous contents; the changes stay in memory.
        if (!m_reportedNotSaved) {
            m_reportedNotSaved = true;
            Log::write(QStringLiteral("Kelvaro: could not write the defaults file %1: %2; it keeps its previous "
                                      "contents and changes are kept until Kelvaro quits")
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

std::shared_ptr<DefaultsStore> makeDefaultFileStore()
{
    return std::make_shared<FileDefaultsStore>(FileDefaultsStore::defaultPath());
}
