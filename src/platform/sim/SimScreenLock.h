#pragma once
#include "platform/ScreenLock.h"

// Screen lock for tests: `lock` locks the screen, which is told only once watched.
class SimScreenLock final : public ScreenLock {
    Q_OBJECT
public:
    void watch() override { watching = true; }
    bool isListening() const override { return watching; }

    void lock()
    {
        if (watching)
            Q_EMIT locked();
    }

    bool watching = false;
};
