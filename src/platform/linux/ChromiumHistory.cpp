#include "platform/linux/ChromiumHistory.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <memory>

namespace {
struct CloseDatabase {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct FinalizeStatement {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
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
    const int opened = sqlite3_open_v2(uri.constData(), &raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    const std::unique_ptr<sqlite3, CloseDatabase> db(raw);
    if (opened != SQLITE_OK) {
        say(error, QString::fromUtf8(raw ? sqlite3_errmsg(raw) : sqlite3_errstr(opened)));
        return found;
    }
    // A damaged or hostile file must not keep the capture waiting.
    sqlite3_busy_timeout(db.get(), 0);
    sqlite3_stmt* rawStatement = nullptr;
    if (sqlite3_prepare_v2(db.get(), "SELECT title FROM urls WHERE url = ?1 ORDER BY last_visit_time DESC LIMIT 1", -1,
            &rawStatement, nullptr)
        != SQLITE_OK) {
        say(error, QString::fromUtf8(sqlite3_errmsg(db.get())));
        return found;
    }
    const std::unique_ptr<sqlite3_stmt, FinalizeStatement> statement(rawStatement);
    for (const QString& url : urls) {
        const QByteArray key = url.toUtf8();
        sqlite3_reset(statement.get());
        sqlite3_bind_text(statement.get(), 1, key.constData(), int(key.size()), SQLITE_TRANSIENT);
        const int step = sqlite3_step(statement.get());
        if (step == SQLITE_ROW) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), 0));
            const int size = sqlite3_column_bytes(statement.get(), 0);
            const QString title = text ? QString::fromUtf8(text, size) : QString();
            if (!title.isEmpty())
                found.insert(url, title);
        } else if (step != SQLITE_DONE) {
            say(error, QString::fromUtf8(sqlite3_errmsg(db.get())));
            return found;
        }
    }
    return found;
}
