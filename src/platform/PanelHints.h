#pragma once
// What a ring's floating panel asks of the window system for its own window
// (see platform/linux/X11PanelHints.h for what each hint means on X11).
// Windows are named by their native id (QWidget::winId()).

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QtGlobal>

class PanelHints {
public:
    virtual ~PanelHints() = default;

    // Whether there is a window system to hint at (none for offscreen
    // rendering): without one every other call does nothing.
    virtual bool available() const = 0;
    // Keeps `window` out of the keyboard focus, above every other window and
    // on every desktop; false when that could not be asked.
    virtual bool apply(quint32 window) = 0;
    // Whether translucent pixels are blended with what lies behind a window.
    virtual bool compositorRunning() const = 0;
    // Lets pointer input through `window` to the windows beneath, or takes it again.
    virtual void letPointerThrough(quint32 window, bool through) = 0;
    // Around a change of a shown window's frame: the picture stays where it
    // is on the screen through it.
    virtual void keepPictureInPlace(quint32 window, bool begin) = 0;
    // Starts reading what the screen shows in `area` (global, in device
    // pixels) as it is at the call: a window mapped after it is not in the
    // picture. Asked before the panel maps, the read costs the showing no
    // wait; takeScreenArea() with the number returned gives the pixels. A
    // read not yet taken is dropped by the next one.
    virtual quint64 readScreenArea(const QRect& area) = 0;
    // The pixels of read number `read`, waited for if they have not come
    // yet (opaque, premultiplied ARGB, a device pixel each), and only once;
    // null when nothing could be read, or the read was dropped.
    virtual QImage takeScreenArea(quint64 read) = 0;

    // Frames put straight onto `window` from memory the window system reads
    // in place, past the toolkit's own buffer (which clears and waits on the
    // display server before every frame it paints). The image, `size` device
    // pixels of premultiplied ARGB, is the window's until released; it is
    // handed out only once the frame put before has been read. Null where
    // frames cannot reach the window that way: frames then go through the
    // toolkit as ever.
    virtual QImage* frameFor(quint32 window, QSize size) = 0;
    // Puts `region` (device pixels) of the window's frame onto it.
    virtual void putFrame(quint32 window, const QRegion& region) = 0;
    // Lets the window's frame go.
    virtual void releaseFrame(quint32 window) = 0;
};
