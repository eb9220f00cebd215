#pragma once
// Tells when the screen locks: the session bus's screen saver
// (org.freedesktop.ScreenSaver ActiveChanged(true)) and, when a system bus
// exists, logind's Session.Lock.

#include <QObject>

class ScreenLockObserver : public QObject {
    Q_OBJECT
public:
    explicit ScreenLockObserver(QObject* parent = nullptr);
    // Whether a bus subscription was made (false without any bus).
    bool isListening() const { return m_listening; }

Q_SIGNALS:
    void locked();

public Q_SLOTS:
    void screenSaverActiveChanged(bool active);
    void sessionLocked();

private:
    bool m_listening = false;
};
