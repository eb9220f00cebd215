#pragma once
// When the screen locks. Nothing is watched until `watch` is first called
// (reaching the buses costs a round trip); from then on `locked` is emitted
// on the main thread each time the screen locks.

#include <QObject>

class ScreenLock : public QObject {
    Q_OBJECT
public:
    ~ScreenLock() override = default;

    // Starts watching; a second call does nothing.
    virtual void watch() = 0;
    // Whether anything is watched (false before `watch`, or without any bus).
    virtual bool isListening() const = 0;

Q_SIGNALS:
    void locked();
};
