#pragma once
// One running copy per user session: the first process holds a lock file and
// listens on a local socket beside it; a later launch finds the lock taken,
// tells the running copy to reopen and then exits.

#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;
class QLockFile;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // `folder` holds the lock and the socket (default: the user's runtime folder).
    explicit SingleInstance(QString folder = QString(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the running copy from now on. False when
    // another copy runs: it has then been asked to reopen. With
    // `waitForRunningMs`, a copy that is about to quit (a relaunch) is given
    // that long to let go before this one gives up and asks it to reopen.
    bool claim(int waitForRunningMs = 0);
    bool isPrimary() const { return m_server != nullptr; }

    static QString defaultFolder();

Q_SIGNALS:
    void reopenRequested();

private:
    bool notifyRunning();
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};
