#pragma once
// Reading stored lists without losing them.
//
// A stored JSON list whose elements are read one by one keeps every element
// that decodes; each one that does not is skipped with a "Kelvaro: …" log
// line. Whenever anything could not be read (one element, or the whole
// value), the stored value is kept as it was under a backup key
// "<key>.unreadable-<UTC time yyyyMMddTHHmmssZ>" before the next save can
// overwrite it. A value already kept under an earlier backup key of the
// same key is not kept twice. When the store has no room for a second copy,
// the value is moved to the backup key instead (the elements that could be
// read stay under `key`); when even that cannot be done it is left in place,
// and the caller must not replace it.

#include "platform/DefaultsStore.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <nlohmann/json.hpp>
#include <optional>
#include <vector>

class StoredListRecovery {
public:
    // The backup key for `key` at `when`.
    static QString backupKey(const QString& key, const QDateTime& when);
    // Every backup key of `key` in `defaults`, oldest first.
    static QStringList backupKeys(const QString& key, const DefaultsStore& defaults);

    // Keeps `stored` (the value of `key` that could not be read in full)
    // under a new backup key (time from Scheduler::shared().wallClock()),
    // unless an existing backup of `key` holds the same value. Copied when
    // the store has room, else moved, leaving `readable` (or nothing) under
    // `key`. Logs where it went. Returns the backup key that holds the
    // value, or nothing when it could not be kept: then `key` keeps it.
    static QString keepUnreadable(const QString& key, const QVariant& stored, const QString& reason,
        DefaultsStore& defaults, const std::optional<QVariant>& readable = std::nullopt);

    // "Kelvaro: skipped an unreadable entry of "<key>" (<where>): <reason>"
    static void logSkipped(const QString& key, const QString& where, const QString& reason);

    // `json` as stored data (compact JSON text).
    static QVariant storedJson(const nlohmann::json& json);

    // Parses a stored value as JSON. Anything but data holding JSON gives
    // nothing, with the reason in *error.
    static std::optional<nlohmann::json> parseStored(const QVariant& stored, QString* error);

    template <typename T> struct Loaded {
        QList<T> items; // the elements that decoded, in stored order
        int skipped = 0; // elements that did not
        bool unreadable = false; // the value as a whole could not be read (items empty)
        QString backupKey; // where the stored value was kept; empty when nothing was skipped
        // What could not be read could not be kept aside either: the stored
        // value is left as it is, and must not be replaced.
        bool leftInPlace = false;
    };

    // Reads the JSON array stored as data under `key`, element by element,
    // with `decode(const nlohmann::json&, QString* error) -> std::optional<T>`.
    // An absent key gives an empty, clean result. `what` names an element in
    // log lines ("launcher group").
    template <typename T, typename Decode>
    static Loaded<T> loadArray(const QString& key, DefaultsStore& defaults, const QString& what, Decode decode)
    {
        Loaded<T> result;
        const auto stored = defaults.value(key);
        if (!stored)
            return result;
        QString error;
        const auto document = parseStored(*stored, &error);
        if (document && !document->is_array())
            error = QStringLiteral("not a JSON array");
        if (!document || !document->is_array()) {
            result.unreadable = true;
            result.backupKey = keepUnreadable(key, *stored, error, defaults);
            result.leftInPlace = result.backupKey.isEmpty();
            return result;
        }
        int index = 0;
        std::vector<bool> read;
        for (const auto& element : *document) {
            ++index;
            QString reason;
            auto item = decode(element, &reason);
            read.push_back(item.has_value());
            if (item) {
                result.items.append(std::move(*item));
            } else {
                ++result.skipped;
                logSkipped(key, QStringLiteral("%1 %2").arg(what).arg(index), reason);
            }
        }
        if (result.skipped > 0) {
            nlohmann::json readable = nlohmann::json::array(); // the elements that decoded, as stored
            for (std::size_t i = 0; i < read.size(); ++i) {
                if (read[i])
                    readable.push_back((*document)[i]);
            }
            result.backupKey = keepUnreadable(key, *stored,
                QStringLiteral("%1 of %2 entries could not be read").arg(result.skipped).arg(index), defaults,
                storedJson(readable));
            result.leftInPlace = result.backupKey.isEmpty();
        }
        return result;
    }

    StoredListRecovery() = delete;
};
