// Window properties other clients set: titles of any type and format, WM_CLASS,
// 32-bit lists and _NET_WM_ICON decode without crashing, and the icons stay
// within the size limit and within the bytes they came from.
//
// The first byte picks the decoder, the second the format (8, 16, 32 or
// another), the third the type of a title; the rest is the property's value.
#include "FuzzSupport.h"
#include "platform/linux/X11Properties.h"

namespace {
constexpr quint32 utf8Type = 300; // atoms are numbers the server hands out
constexpr quint32 compoundType = 301;

// Stands in for Xlib's conversion: converts some texts and refuses others.
std::optional<QString> convert(const QByteArray& bytes, quint32 type)
{
    if (type != compoundType || bytes.contains('\x1b'))
        return std::nullopt;
    return QString::fromLatin1(bytes);
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::setUpOnce();
    if (size < 3)
        return 0;
    static const int formats[] = { 8, 16, 32, 0 };
    static const quint32 types[] = { X11Properties::stringType, utf8Type, compoundType, 4 };
    const int format = formats[data[1] % 4];
    const quint32 type = types[data[2] % 4];
    const QByteArray value = Fuzz::bytes(data + 3, size - 3);
    switch (data[0] % 4) {
    case 0: {
        const QString title = X11Properties::text(value, type, format, utf8Type, convert);
        FUZZ_CHECK(format == 8 || title.isEmpty());
        FUZZ_CHECK(title.size() <= value.size());
        break;
    }
    case 1: {
        const auto names = X11Properties::windowClass(value, format);
        FUZZ_CHECK(names.instance.size() + names.className.size() <= value.size() * 2);
        break;
    }
    case 2:
        FUZZ_CHECK(X11Properties::cardinals(value, format).size() == (format == 32 ? value.size() / 4 : 0));
        break;
    default: {
        qint64 used = 0;
        for (const QImage& icon : X11Properties::icons(value, format)) {
            FUZZ_CHECK(!icon.isNull());
            FUZZ_CHECK(
                icon.width() <= int(X11Properties::maxIconSide) && icon.height() <= int(X11Properties::maxIconSide));
            used += 8 + qint64(icon.width()) * icon.height() * 4;
        }
        FUZZ_CHECK(used <= value.size());
        break;
    }
    }
    return 0;
}
