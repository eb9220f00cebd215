#include "core/StoredListRecovery.h"

#include "platform/Log.h"
#include "platform/Scheduler.h"

#include <QTimeZone>

namespace {
QString prefixOf(const QString& key) { return key + QStringLiteral(".unreadable-"); }
}

QString StoredListRecovery::backupKey(const QString& key, const QDateTime& when)
{
    return prefixOf(key) + when.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
}

QStringList StoredListRecovery::backupKeys(const QString& key, const DefaultsStore& defaults)
{
    QStringList found;
    const QString prefix = prefixOf(key);
    for (const QString& k : defaults.keys()) {
        if (k.startsWith(prefix))
            found.append(k);
    }
    found.sort(); // the time stamps sort in time order
    return found;
}

QString StoredListRecovery::keepUnreadable(const QString& key, const QVariant& stored, const QString& reason,
    DefaultsStore& defaults, const std::optional<QVariant>& readable)
{
    for (const QString& existing : backupKeys(key, defaults)) {
        const auto kept = defaults.value(existing);
        if (kept && kept->typeId() == stored.typeId() && *kept == stored) {
            Log::write(QStringLiteral("Kelvaro: could not read all of \"%1\" (%2); it is already kept as \"%3\"")
                           .arg(key, reason, existing));
            return existing;
        }
    }
    const QString base = backupKey(key, Scheduler::shared().wallClock());
    QString target = base;
    for (int n = 2; defaults.contains(target); ++n)
        target = base + QLatin1Char('-') + QString::number(n);
    if (defaults.setValues({ { target, stored } })) {
        Log::write(QStringLiteral("Kelvaro: could not read all of \"%1\" (%2); kept the stored value as \"%3\"")
                       .arg(key, reason, target));
        return target;
    }
    // No room for a second copy: the value itself moves, which takes no more.
    if (defaults.setValues({ { target, stored }, { key, readable } })) {
        Log::write(QStringLiteral("Kelvaro: could not read all of \"%1\" (%2); there was no room for a copy, so the "
                                  "stored value was moved to \"%3\"%4")
                       .arg(key, reason, target,
                           readable ? QStringLiteral(" and the entries that could be read stay under \"%1\"").arg(key)
                                    : QString()));
        return target;
    }
    Log::write(QStringLiteral("Kelvaro: could not read all of \"%1\" (%2) and could not keep it aside: there is no "
                              "room in the settings for it; it is left in place and changes to it are refused")
                   .arg(key, reason));
    return QString();
}

void StoredListRecovery::logSkipped(const QString& key, const QString& where, const QString& reason)
{
    Log::write(QStringLiteral("Kelvaro: skipped an unreadable entry of \"%1\" (%2): %3").arg(key, where, reason));
}

QVariant StoredListRecovery::storedJson(const nlohmann::json& json)
{
    return QByteArray::fromStdString(json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
}

std::optional<nlohmann::json> StoredListRecovery::parseStored(const QVariant& stored, QString* error)
{
    if (stored.typeId() != QMetaType::QByteArray) {
        if (error)
            *error = QStringLiteral("the stored value is not data");
        return std::nullopt;
    }
    const QByteArray data = stored.toByteArray();
    auto document = nlohmann::json::parse(data.constData(), data.constData() + data.size(), nullptr, false);
    if (document.is_discarded()) {
        if (error)
            *error = QStringLiteral("the stored data is not valid JSON");
        return std::nullopt;
    }
    return document;
}
