#include "platform/linux/ChromiumHistory.h"

#include "platform/linux/OptionalLibrary.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <memory>

namespace {
struct Sqlite {
    decltype(&sqlite3_open_v2) open_v2 = nullptr;
    decltype(&sqlite3_close_v2) close_v2 = nullptr;
    decltype(&sqlite3_errmsg) errmsg = nullptr;
    decltype(&sqlite3_errstr) errstr = nullptr;
    decltype(&sqlite3_busy_timeout) busy_timeout = nullptr;
    decltype(&sqlite3_prepare_v2) prepare_v2 = nullptr;
    decltype(&sqlite3_finalize) finalize = nullptr;
    decltype(&sqlite3_reset) reset = nullptr;
    decltype(&sqlite3_bind_text) bind_text = nullptr;
    decltype(&sqlite3_step) step = nullptr;
    decltype(&sqlite3_column_text) column_text = nullptr;
    decltype(&sqlite3_column_bytes) column_bytes = nullptr;
};

// Only tab titles of a Chromium-family browser need it.
const Sqlite* sqlite()
{
    return OptionalLibrary::once<Sqlite>(
        "libsqlite3.so.0", "tab titles cannot be read from a browser's history", [](OptionalLibrary& lib, Sqlite& a) {
            return lib.bind(a.open_v2, "sqlite3_open_v2") && lib.bind(a.close_v2, "sqlite3_close_v2")
                && lib.bind(a.errmsg, "sqlite3_errmsg") && lib.bind(a.errstr, "sqlite3_errstr")
                && lib.bind(a.busy_timeout, "sqlite3_busy_timeout") && lib.bind(a.prepare_v2, "sqlite3_prepare_v2")
                && lib.bind(a.finalize, "sqlite3_finalize") && lib.bind(a.reset, "sqlite3_reset")
                && lib.bind(a.bind_text, "sqlite3_bind_text") && lib.bind(a.step, "sqlite3_step")
                && lib.bind(a.column_text, "sqlite3_column_text") && lib.bind(a.column_bytes, "sqlite3_column_bytes");
        });
}

struct CloseDatabase {
    void operator()(sqlite3* db) const { sqlite()->close_v2(db); }
};
struct FinalizeStatement {
    void operator()(sqlite3_stmt* statement) const { sqlite()->finalize(statement); }
};

void say(QString* error, const QString& why)
{
    if (error)
        *error = why;
}
}

QHash<QString, QString> ChromiumHistory::titles(const QString& path, const QSet<QString>& urls, QString* error)
{
    QHash<QString, QString> found;
    if (urls.isEmpty())
        return found;
    const QFileInfo info(path);
    if (!info.isFile()) {
        say(error, info.exists() ? QStringLiteral("not a regular file") : QStringLiteral("no such file"));
        return found;
    }
    if (info.size() > maxDatabaseSize) {
        say(error, QStringLiteral("%1 bytes, more than a history database holds").arg(info.size()));
        return found;
    }
    const Sqlite* sql = sqlite();
    if (!sql) {
        say(error, QStringLiteral("libsqlite3.so.0 is not available"));
        return found;
    }
    QTemporaryDir folder;
    if (!folder.isValid()) {
        say(error, QStringLiteral("no temporary folder for the copy: %1").arg(folder.errorString()));
        return found;
    }
    const QString copy = folder.filePath(QStringLiteral("History"));
    if (!QFile::copy(path, copy)) {
        say(error, QStringLiteral("could not copy it"));
        return found;
    }
    // The copy is ours alone; nothing is written to it, and no journal the
    // browser left next to the original is replayed into it.
    sqlite3* raw = nullptr;
    const QByteArray uri = QByteArrayLiteral("file:") + QFile::encodeName(copy).toPercentEncoding("/")
        + QByteArrayLiteral("?immutable=1");
    const int opened = sql->open_v2(uri.constData(), &raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    const std::unique_ptr<sqlite3, CloseDatabase> db(raw);
    if (opened != SQLITE_OK) {
        say(error, QString::fromUtf8(raw ? sql->errmsg(raw) : sql->errstr(opened)));
        return found;
    }
    // A damaged or hostile file must not keep the capture waiting.
    sql->busy_timeout(db.get(), 0);
    sqlite3_stmt* rawStatement = nullptr;
    if (sql->prepare_v2(db.get(), "SELECT title FROM urls WHERE url = ?1 ORDER BY last_visit_time DESC LIMIT 1", -1,
            &rawStatement, nullptr)
        != SQLITE_OK) {
        say(error, QString::fromUtf8(sql->errmsg(db.get())));
        return found;
    }
    const std::unique_ptr<sqlite3_stmt, FinalizeStatement> statement(rawStatement);
    for (const QString& url : urls) {
        const QByteArray key = url.toUtf8();
        sql->reset(statement.get());
        sql->bind_text(statement.get(), 1, key.constData(), int(key.size()), SQLITE_TRANSIENT);
        const int step = sql->step(statement.get());
        if (step == SQLITE_ROW) {
            const auto* text = reinterpret_cast<const char*>(sql->column_text(statement.get(), 0));
            const int size = sql->column_bytes(statement.get(), 0);
            const QString title = text ? QString::fromUtf8(text, size) : QString();
            if (!title.isEmpty())
                found.insert(url, title);
        } else if (step != SQLITE_DONE) {
            say(error, QString::fromUtf8(sql->errmsg(db.get())));
            return found;
        }
    }
    return found;
}
