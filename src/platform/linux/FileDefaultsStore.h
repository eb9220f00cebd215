#pragma once
// The defaults database on disk: one JSON file of type-tagged values.
//
// Reads and changes are served from memory; a writer thread of the store's
// own puts changes on disk behind the caller (several changes made while it
// writes go out in one rewrite). Each rewrite takes a lock file, merges the
// changes into what is on disk now (so two processes never lose each other's
// keys) and replaces the file atomically. `flush` and the destructor wait
// for everything changed so far.
//
// The file is never written larger than it may be read back: a change that
// would make it so is refused when it is made. Only a regular file (or a
// link to one) is read or replaced; a FIFO or device in its place is left
// alone and the settings live in memory.

#include "platform/DefaultsStore.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QString>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <string>
#include <thread>

class QLockFile;

class FileDefaultsStore final : public DefaultsStore {
    Q_OBJECT
public:
    // Reads `path`; an unreadable file is renamed aside (kept) and the store
    // starts empty. Stale temporary files of an interrupted save beside it go.
    explicit FileDefaultsStore(QString path);
    ~FileDefaultsStore() override;

    std::optional<QVariant> value(const QString& key) const override;
    void setValue(const QString& key, const QVariant& value) override;
    void remove(const QString& key) override;
    bool setValues(const Changes& changes) override;
    QStringList keys() const override;
    void flush() override;

    QString path() const { return m_path; }

    // $XDG_CONFIG_HOME/kelvaro/defaults.json (~/.config when unset).
    static QString defaultPath();

    // The deepest nesting of JSON arrays and objects a defaults file may hold
    // (the document and its "values" count; each stored array or dictionary
    // adds two). Anything deeper is unreadable.
    static constexpr int maxJsonDepth = 48;
    // The format this build writes.
    static constexpr int formatVersion = 1;
    // The largest file this store reads, and so the largest it writes.
    static constexpr qint64 maxFileSize = 64LL * 1024 * 1024;
    // How many unreadable files are kept aside as ".corrupt-…" copies (the oldest go).
    static constexpr int maxKeptCopies = 5;

    // Values as stored in the file; exposed for tests. `decodeValue` reads at
    // most `maxJsonDepth` levels; `encodeValue` refuses deeper values.
    static nlohmann::json encodeValue(const QVariant& value, bool* ok, int depth = 0);
    static std::optional<QVariant> decodeValue(const nlohmann::json& tagged, int depth = 0);

    // The file's contents as this build understands them.
    struct Contents {
        QMap<QString, QVariant> values;
        std::map<std::string, nlohmann::json> opaque; // entries this build cannot read, kept as they are
        std::map<std::string, nlohmann::json> other; // top-level members of a newer format, kept as they are
        std::int64_t version = 1;
        std::set<std::string> tooDeep; // entries nested beyond maxJsonDepth, dropped
        // Entries (and top-level members) whose text is not UTF-8, dropped;
        // named with U+FFFD for each byte that is not text.
        std::set<std::string> invalidText;
    };
    // Decodes the bytes of a defaults file (false and a reason when it is
    // not one) and encodes contents as the file's text; exposed for tests.
    static bool decode(const QByteArray& bytes, Contents& into, QString* reason);
    static std::string encode(const Contents& contents);

private:
    static QString fromStd(const std::string& s);
    static std::string toStd(const QString& s);
    enum class ReadResult { ok, missing, unreadable, inaccessible };

    enum class Aftermath { startedEmpty, writtenBack };

    ReadResult readFile(Contents& into, QString* reason);
    QString setAside(const QString& reason, Aftermath aftermath);
    QString copyAside(const QByteArray& bytes, const QString& suffix, const QString& why);
    QStringList keptCopies(const QString& suffix) const;
    QString keptCopyOf(const QByteArray& digest, qint64 size, const QString& suffix) const;
    void pruneKeptCopies(const QString& keep);
    void removeStaleTemporaries();
    bool takeLock(QLockFile& lock);
    void refuse(const QString& key, qint64 wouldBe);
    bool writeFile(const Contents& contents, QString* reason);
    void track(const Contents& contents);
    static qint64 entryBytes(const QString& key, const nlohmann::json& tagged);
    void change(const Changes& changes);
    void writerLoop();
    bool save(const Changes& changes, const QMap<QString, QVariant>& known);
    void report(const Problem& p);

    QString m_path;
    QMap<QString, QVariant> m_values; // main thread
    // Main thread: the size of the file's text as the values in memory make
    // it, and each value's share of it.
    qint64 m_textBytes = 0;
    QHash<QString, qint64> m_entryBytes;
    bool m_reportedRefused = false;

    // Shared with the writer thread.
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_settled;
    Changes m_pending;
    QMap<QString, QVariant> m_known; // m_values as of the last change
    std::uint64_t m_requested = 0;
    std::uint64_t m_written = 0;
    bool m_stopping = false;

    // The writer thread's own.
    bool m_reportedNotSaved = false;
    bool m_reportedInaccessible = false;
    bool m_keptNewerVersion = false;
    bool m_keptDamaged = false; // a file with entries too deep or not text was kept aside
    QString m_lockProblem; // the one logged last; said again only once it changes

    std::thread m_writer;
};
