#pragma once
// Diagnostics: single "Kelvaro: …" lines to stderr and the journal.

#include <QString>
#include <QStringList>
#include <functional>

namespace Log {
// Writes `line` as it is; callers pass the full text beginning with "Kelvaro: ".
// The same line written many times in a row goes out three times, then once
// more as a count of its repeats.
void write(const QString& line);

// Tests capture lines instead of (in addition to) printing them.
using Sink = std::function<void(const QString&)>;
void setSink(Sink sink); // empty sink restores the default
}
