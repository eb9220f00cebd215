#pragma once
// One running copy per user session: the first process holds a lock file and
// listens on a local socket beside it; a later launch finds the lock taken,
// tells the running copy to reopen and then exits.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>

class QLocalServer;
class QLockFile;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `folder` holds the lock and the socket (default: the user's runtime
    // folder); `fallback` is used in its stead when `folder` is not safe
    // (default: fallbackFolder()).
    explicit SingleInstance(QString folder = QString(), QObject* parent = nullptr, QString fallback = QString());
    ~SingleInstance() override;

    // True when this process is the running copy from now on. False when
    // another copy runs: it has then been asked to reopen. With
    // `waitForRunningMs`, a copy that is about to quit (a relaunch) is given
    // that long to let go before this one gives up and asks it to reopen.
    bool claim(int waitForRunningMs = 0);
    bool isPrimary() const { return m_server != nullptr; }

    static QString defaultFolder();
    // A folder of this user's own in the temporary folder, for when the
    // runtime folder is missing or not safe.
    static QString fallbackFolder();
    // The folder the lock and the socket went into (after claim()).
    QString folder() const { return m_folder; }

    // Makes sure `folder` is a folder of this user's that no one else may
    // enter (mode 0700, not a link), creating it so when it is missing; what
    // is wrong with it otherwise. claim() uses the fallback folder instead of
    // such a folder, and does not start when that is not safe either.
    static std::optional<QString> ensurePrivateFolder(const QString& folder);

    // What a later copy sent over the socket so far: a whole "reopen" line,
    // not yet a whole line, or anything else (never longer than `maxLine`).
    enum class Request { incomplete, reopen, foreign };
    static constexpr qsizetype maxLine = 64;
    static Request readRequest(const QByteArray& received);

Q_SIGNALS:
    void reopenRequested();

private:
    bool notifyRunning();
    bool choosePrivateFolder();
    bool clearForeignLock(const QString& path);
    QString m_folder;
    QString m_fallback;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};
