#pragma once
// Panel hints for offscreen tests: no window system to hint at, as under
// Qt's offscreen platform. A test that needs one sets `windowSystem`.

#include "platform/PanelHints.h"

#include <QList>

class SimPanelHints final : public PanelHints {
public:
    bool windowSystem = false;
    bool compositor = true;
    QList<quint32> hinted; // windows apply() was asked for, in order

    bool available() const override { return windowSystem; }
    bool apply(quint32 window) override
    {
        hinted << window;
        return windowSystem;
    }
    bool compositorRunning() const override { return compositor; }
    void letPointerThrough(quint32, bool) override { }
    void keepPictureInPlace(quint32, bool) override { }
};
