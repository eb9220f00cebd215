#pragma once
// Application icons from image files on disk: an icon theme's PNG, SVG or XPM
// files and the paths desktop entries name in Icon=. Handing such a path to
// QIcon would let Qt's image reader open it later, at paint time, blocking on
// a FIFO or reading a device without end; here the file is read through
// SafeFile first and the icon decoded from memory.

#include <QIcon>
#include <QString>

namespace IconFile {

// No icon file of a theme comes near this; a larger one is not an icon.
constexpr qint64 maxBytes = 8 * 1024 * 1024;
// Neither side of a raster icon may be larger (the largest theme size is 1024).
constexpr int maxPixelSide = 2048;

// The icon of `path`; a null icon, with a log line naming the file, when it is
// not a regular file, is too large or cannot be decoded.
QIcon load(const QString& path);

}
