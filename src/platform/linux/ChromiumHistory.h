#pragma once
// Titles from a Chromium-family profile's "History" database. The session
// log names a tab's title only once the browser wrote one there, which a page
// loaded some seconds earlier may not have yet; the history of visits has it.
// The browser holds the database open (and may be writing it), so a copy is
// read, never the file itself.

#include <QHash>
#include <QSet>
#include <QString>

namespace ChromiumHistory {
// Larger files are not read: years of history stay far below this.
constexpr qint64 maxDatabaseSize = 512ll * 1024 * 1024;

// The stored title of each of `urls` that the database at `path` has one for,
// matched by the exact address. Empty, with `error` saying why in English,
// when the file is missing, too large or not such a database.
QHash<QString, QString> titles(const QString& path, const QSet<QString>& urls, QString* error = nullptr);
}
