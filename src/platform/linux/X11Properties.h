#pragma once
// Decoders of the window properties other clients set, from the property's
// bytes as the server sent them (type, format and value), apart from the
// connection so that they can be tested and fuzzed without a display. Any
// client may set any bytes: nothing here trusts a length or a size it reads.

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace X11Properties {

constexpr quint32 stringType = 31; // XA_STRING

// Converts a text in an encoding other than STRING or UTF8_STRING (COMPOUND_TEXT,
// a locale's own); nothing when it cannot.
using TextConverter = std::function<std::optional<QString>(const QByteArray& bytes, quint32 type)>;

// A title (_NET_WM_NAME, WM_NAME): STRING as Latin-1, `utf8Type` as UTF-8, any
// other type through `convert`, and as Latin-1 when that cannot. Empty unless
// the format is 8.
QString text(const QByteArray& bytes, quint32 type, int format, quint32 utf8Type, const TextConverter& convert);

// WM_CLASS: the instance name and the class name, each ended by a NUL.
struct WindowClass {
    QString instance;
    QString className;
};
WindowClass windowClass(const QByteArray& bytes, int format);

// A list of 32-bit values (CARDINAL, WINDOW, ATOM); empty unless the format is 32.
QList<quint32> cardinals(const QByteArray& bytes, int format);

// _NET_WM_ICON: pictures as width, height and then width x height ARGB values,
// one after another. Reading stops at the first picture that is empty, larger
// than `maxSide` on a side or longer than what is left; those before it are kept.
constexpr quint32 maxIconSide = 1024;
QList<QImage> icons(const QByteArray& bytes, int format);

// Of several pictures of one icon, the one whose longer side is nearest
// `pixels` (the larger of two as near); -1 when there are none.
qsizetype nearestIcon(const QList<QImage>& pictures, int pixels);
// An icon drawn from the picture nearest the size asked for, in device
// pixels: an icon of a few sizes is never shown from a far smaller or far
// larger one than the sizes between.
QIcon nearestSizeIcon(const QList<QImage>& pictures);

// WM_HINTS: the icon pixmap and its mask, as the client set them (0 when the
// hints do not name one).
struct IconHints {
    quint32 pixmap = 0;
    quint32 mask = 0;
};
IconHints iconHints(const QByteArray& bytes, int format);

// How the server lays out the pixels of an image it sends (its setup, and
// the pixmap format for the image's depth).
struct ImageLayout {
    int depth = 0;
    int bitsPerPixel = 0; // of a ZPixmap; a one-deep picture is one plane
    int scanlinePad = 32; // bits
    int scanlineUnit = 32; // bits, for a plane's bit order
    bool lsbByteOrder = true;
    bool lsbBitOrder = true;
};
// A pixmap's contents as a picture: one plane (depth 1, the XYPixmap of a
// bitmap) as black on white, depth 24 opaque, depth 32 with its alpha, both
// 32 bits per pixel. Null for any other layout, a size beyond maxIconSide or
// fewer bytes than the size needs.
QImage pixmapImage(const QByteArray& bytes, int width, int height, const ImageLayout& layout);
// The picture with the pixels the mask leaves unset (white in a one-plane
// mask) made transparent; the picture as it is when the mask is null or of
// another size.
QImage masked(const QImage& picture, const QImage& mask);

// The string setting `name` of an _XSETTINGS_SETTINGS property (the
// XSETTINGS manager's settings, e.g. "Net/IconThemeName"); nothing when the
// property holds no such string or is malformed.
std::optional<QString> xsettingsString(const QByteArray& bytes, const QString& name);
}
