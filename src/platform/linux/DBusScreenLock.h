#pragma once
// The screen lock as the buses tell it: the session bus's screen saver
// (org.freedesktop.ScreenSaver ActiveChanged(true)) and, when a system bus
// exists, logind's Session.Lock.

#include "platform/ScreenLock.h"

class DBusScreenLock final : public ScreenLock {
    Q_OBJECT
public:
    void watch() override;
    bool isListening() const override { return m_listening; }

public Q_SLOTS:
    void screenSaverActiveChanged(bool active);
    void sessionLocked();

private:
    bool m_watching = false;
    bool m_listening = false;
};
