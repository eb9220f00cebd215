// kelvaro-look-probe: what the switcher's wedges draw, next to what the
// windows themselves say they look like, as small pixel grids. For the
// end-to-end tests of the switcher's icons.
//
//   kelvaro-look-probe icons            [{name, bundleIdentifier, grid}] of the switcher's ring
//   kelvaro-look-probe bitmap <window>  {grid} of the window's WM_HINTS icon bitmap under its
//                                       mask, read through Xlib (its own reading of the image
//                                       formats, apart from the backend's)
//
// A grid is 16 x 16 "#rrggbbaa" strings, row by row, of the picture scaled to
// 16 x 16 (unpremultiplied). Exit status 2 for bad usage, 3 when the window
// has no icon bitmap.

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

#include "core/Hotkey.h"
#include "platform/Platform.h"
#include "platform/linux/LinuxPlatform.h"
#include "switcher/CircularSwitcherViewModel.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

QJsonArray grid(const QImage& image)
{
    QJsonArray out;
    const QImage small
        = image.convertToFormat(QImage::Format_ARGB32).scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const QRgb p = small.pixel(x, y);
            out << QString::asprintf("#%02x%02x%02x%02x", qRed(p), qGreen(p), qBlue(p), qAlpha(p));
        }
    }
    return out;
}

void print(const QJsonDocument& document)
{
    const QByteArray out = document.toJson(QJsonDocument::Compact);
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    std::fputc('\n', stdout);
}

// One plane of a pixmap, as set (true) or not, through Xlib's own decoding.
QList<QList<bool>> plane(Display* dpy, Pixmap pixmap, unsigned* width, unsigned* height)
{
    Window root = 0;
    int x = 0, y = 0;
    unsigned border = 0, depth = 0;
    if (!XGetGeometry(dpy, pixmap, &root, &x, &y, width, height, &border, &depth))
        return {};
    XImage* image = XGetImage(dpy, pixmap, 0, 0, *width, *height, 1, XYPixmap);
    if (!image)
        return {};
    QList<QList<bool>> rows;
    for (unsigned row = 0; row < *height; ++row) {
        QList<bool> line;
        for (unsigned col = 0; col < *width; ++col)
            line << (XGetPixel(image, int(col), int(row)) != 0);
        rows << line;
    }
    XDestroyImage(image);
    return rows;
}

} // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    int qtArgc = 3;
    char platformFlag[] = "-platform";
    char platformName[] = "offscreen";
    char* qtArgv[] = { argv[0], platformFlag, platformName, nullptr };
    QApplication app(qtArgc, qtArgv);

    if (args.value(0) == QLatin1String("icons")) {
        Platform platform;
        Platform::install(&platform);
        LinuxPlatform::build(platform);
        Hotkey::useLayout(&platform.keyboardLayout()); // key names and typed keys follow the session's layout
        CircularSwitcherViewModel model(platform);
        model.loadRunningApps();
        QJsonArray ring;
        for (const RunningApp& r : model.runningApps()) {
            ring << QJsonObject { { QStringLiteral("name"), r.name },
                { QStringLiteral("bundleIdentifier"), r.bundleIdentifier }, { QStringLiteral("grid"), grid(r.icon) } };
        }
        print(QJsonDocument(ring));
        return 0;
    }
    if (args.value(0) == QLatin1String("bitmap") && args.size() == 2) {
        bool ok = false;
        const Window window = args[1].toULong(&ok, 0);
        Display* dpy = XOpenDisplay(nullptr);
        if (!ok || !dpy)
            return 2;
        XWMHints* hints = XGetWMHints(dpy, window);
        if (!hints || !(hints->flags & IconPixmapHint))
            return 3;
        unsigned w = 0, h = 0, mw = 0, mh = 0;
        const auto bits = plane(dpy, hints->icon_pixmap, &w, &h);
        const auto mask = (hints->flags & IconMaskHint) ? plane(dpy, hints->icon_mask, &mw, &mh) : QList<QList<bool>>();
        XFree(hints);
        if (bits.isEmpty())
            return 3;
        QImage picture(int(w), int(h), QImage::Format_ARGB32);
        for (unsigned y = 0; y < h; ++y) {
            for (unsigned x = 0; x < w; ++x) {
                const bool shown = mask.isEmpty() || (mw == w && mh == h && mask[y][x]);
                picture.setPixel(int(x), int(y),
                    !shown           ? qRgba(0, 0, 0, 0)
                        : bits[y][x] ? qRgb(0, 0, 0)
                                     : qRgb(255, 255, 255));
            }
        }
        print(QJsonDocument(QJsonObject { { QStringLiteral("grid"), grid(picture) },
            { QStringLiteral("width"), int(w) }, { QStringLiteral("height"), int(h) } }));
        XCloseDisplay(dpy);
        return 0;
    }
    std::fprintf(stderr, "usage: kelvaro-look-probe icons | bitmap <window>\n");
    return 2;
}
