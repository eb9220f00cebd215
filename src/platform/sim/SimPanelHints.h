#pragma once
// Panel hints for offscreen tests: no window system to hint at, as under
// Qt's offscreen platform. A test that needs one sets `windowSystem`.

#include "platform/PanelHints.h"

#include <QImage>
#include <QList>
#include <utility>

class SimPanelHints final : public PanelHints {
public:
    bool windowSystem = false;
    bool compositor = true;
    QList<quint32> hinted; // windows apply() was asked for, in order
    QImage screen; // what the screen shows, from its top left (global 0, 0)
    QList<QRect> screenReads; // areas readScreenArea() was asked for

    bool available() const override { return windowSystem; }
    bool apply(quint32 window) override
    {
        hinted << window;
        return windowSystem;
    }
    bool compositorRunning() const override { return compositor; }
    void letPointerThrough(quint32, bool) override { }
    void keepPictureInPlace(quint32, bool) override { }
    quint64 readScreenArea(const QRect& area) override
    {
        screenReads << area;
        m_read = windowSystem && screen.rect().contains(area) ? screen.copy(area) : QImage();
        return quint64(screenReads.size());
    }
    QImage takeScreenArea(quint64 read) override
    {
        return read == quint64(screenReads.size()) ? std::exchange(m_read, QImage()) : QImage();
    }

private:
    QImage m_read;
};
