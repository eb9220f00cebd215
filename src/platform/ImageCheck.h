#pragma once
// What a picture's bytes say about themselves, read before any image decoder
// sees them: the format from its signature, and for PNG, ICO, GIF, JPEG and
// BMP the structure (PNG: IHDR first with sane dimensions and bit depth, every
// chunk within the bytes, IEND; ICO: every directory entry within the file;
// GIF: the screen and each frame; JPEG: the markers up to the frame header;
// BMP: the headers) and the dimensions it promises, held to limits. Qt's
// decoders are plugins of their own; what they get has passed this first.

#include <QByteArrayView>
#include <QSize>
#include <QString>

namespace ImageCheck {

enum class Format { other, png, ico, gif, jpeg, bmp };

struct Limits {
    qint64 maxBytes = 0;
    int maxPixelSide = 0; // neither side larger
    qint64 maxPixels = 0; // width x height no larger
};

enum class Problem {
    none,
    tooLarge, // more bytes than the limit
    tooManyPixels, // dimensions over a limit
    malformed, // a known format whose structure does not hold
};

struct Verdict {
    Format format = Format::other;
    QSize size; // the largest picture the header promises (known formats)
    Problem problem = Problem::none;
    QString reason; // why refused, for the log; empty when accepted
    bool ok() const { return problem == Problem::none; }
};

// The verdict on `bytes`. A format not listed above is Format::other, not
// refused here (only the byte limit applies): each caller decides whether it
// takes other formats at all.
Verdict inspect(QByteArrayView bytes, const Limits& limits);

// Lower-case name of a format, as Qt's image readers call it ("" for other).
QByteArray formatName(Format format);

}
