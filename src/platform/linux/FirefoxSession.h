#pragma once
// Reader of the session file that Firefox keeps while it runs
// ("sessionstore-backups/recovery.jsonlz4" in the profile folder): the
// "mozLz40\0" magic, the decompressed size as 4 bytes little-endian, then one
// LZ4 block holding the session as JSON. Gives the open windows with their
// tabs in order, each tab at its current history entry.

#include "platform/linux/SnssSession.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace FirefoxSession {
// A larger claimed size is refused before anything is allocated.
constexpr qint64 maxDecompressedSize = 64ll * 1024 * 1024;

// The JSON text inside a mozlz4 file; nothing when the magic is wrong, the
// claimed size is over `limit`, or the block does not decompress to exactly
// the claimed size. `error` then says why, in English.
std::optional<QByteArray> decompress(
    const QByteArray& file, QString* error = nullptr, qint64 limit = maxDecompressedSize);
// The windows (those with at least one tab) of a session JSON document.
std::optional<QList<SnssWindow>> windows(const QByteArray& json, QString* error = nullptr);
// Both steps.
std::optional<QList<SnssWindow>> read(const QByteArray& file, QString* error = nullptr);
}
