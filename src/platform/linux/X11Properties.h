#pragma once
// Decoders of the window properties other clients set, from the property's
// bytes as the server sent them (type, format and value), apart from the
// connection so that they can be tested and fuzzed without a display. Any
// client may set any bytes: nothing here trusts a length or a size it reads.

#include <QByteArray>
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

}
