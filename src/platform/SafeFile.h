#pragma once
// Reading files that something else may have put in our way.
//
// Every file Kelvaro reads from disk (its settings, desktop entries, browser
// session files, icons) may turn out to be a FIFO that never answers, a link
// to /dev/zero, a directory or a file of gigabytes. `readRegularFile` opens
// without blocking and without following a final symbolic link (unless asked
// to), checks with fstat that it got a regular file, and reads at most
// `maxBytes`; anything else is refused with a reason that names the problem.

#include <QByteArray>
#include <QString>
#include <optional>

namespace SafeFile {

enum class Links {
    follow, // a symbolic link to a regular file is read (icon themes, XDG data dirs are full of them)
    refuse, // the path itself must not be a symbolic link
};

enum class Status {
    ok,
    missing, // no such file (ENOENT)
    notRegular, // a FIFO, device, socket or directory
    tooLarge, // larger than the limit
    unreadable, // any other failure to open or read
};

struct Result {
    Status status = Status::unreadable;
    QByteArray bytes; // the whole file when status is ok
    QString reason; // for the log when status is not ok, e.g. "not a regular file (a FIFO)"
    bool ok() const { return status == Status::ok; }
};

// Reads the whole of `path`, which must be a regular file of at most
// `maxBytes` bytes. Never blocks on a FIFO or device, never reads more than
// `maxBytes + 1` bytes whatever the file claims its size is.
Result read(const QString& path, qint64 maxBytes, Links links = Links::follow);

// The first `maxBytes` bytes of `path` (all of it when shorter), with the
// same checks as `read` but no refusal of a longer file: for a file whose
// head is all that is wanted, such as /proc/<pid>/cmdline (which reports a
// size of 0 and may be long).
Result readHead(const QString& path, qint64 maxBytes, Links links = Links::follow);

// The same check without reading: is `path` a regular file of at most
// `maxBytes` bytes that can be opened? (For readers that hand a path on,
// such as an image reader; they should prefer `read` and decode the bytes.)
bool isRegularFile(const QString& path, qint64 maxBytes, QString* reason = nullptr, Links links = Links::follow);

}
