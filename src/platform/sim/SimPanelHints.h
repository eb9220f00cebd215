#pragma once
// Panel hints for offscreen tests: no window system to hint at, as under
// Qt's offscreen platform. A test that needs one sets `windowSystem`.

#include "platform/PanelHints.h"

#include <QHash>
#include <QImage>
#include <QRegion>
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

    // Frames put straight to windows: offered while `straightFrames` is set,
    // the window's one image kept in `frames` and each region put in `puts`.
    bool straightFrames = false;
    QHash<quint32, QImage> frames;
    QList<QRegion> puts;
    QImage* frameFor(quint32 window, QSize size) override
    {
        if (!straightFrames || size.isEmpty())
            return nullptr;
        QImage& frame = frames[window];
        if (frame.size() != size)
            frame = QImage(size, QImage::Format_ARGB32_Premultiplied);
        return &frame;
    }
    void putFrame(quint32 window, const QRegion& region) override
    {
        if (frames.contains(window))
            puts << region;
    }
    void releaseFrame(quint32 window) override { frames.remove(window); }

private:
    QImage m_read;
};
