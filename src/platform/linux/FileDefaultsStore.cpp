#include "platform/linux/FileDefaultsStore.h"

#include "platform/Log.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <cmath>
#include <limits>

using nlohmann::json;

namespace {
constexpr qint64 kMaxFileSize = 64LL * 1024 * 1024;
constexpr int kLockTimeoutMs = 5000;
constexpr int kFormatVersion = 1;

QString fromStd(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
std::string toStd(const QString& s)
{
    const QByteArray utf8 = s.toUtf8();
    return std::string(utf8.constData(), size_t(utf8.size()));
}
}

FileDefaultsStore::FileDefaultsStore(QString path)
    : m_path(std::move(path))
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QLockFile lock(m_path + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockTimeoutMs))
        Log::write(QStringLiteral("Kelvaro: could not lock %1.lock; reading the defaults without it").arg(m_path));
    QString reason;
    switch (readFile(m_contents, &reason)) {
    case ReadResult::unreadable:
        m_contents = {};
        setAside(reason);
        break;
    case ReadResult::inaccessible:
        Log::write(QStringLiteral("Kelvaro: could not open the defaults file %1 (%2); starting with empty settings and leaving the file alone")
                       .arg(m_path, reason));
        break;
    case ReadResult::ok:
    case ReadResult::missing:
        break;
    }
}

QString FileDefaultsStore::defaultPath()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || !QDir::isAbsolutePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/kelvaro/defaults.json");
}

std::optional<QVariant> FileDefaultsStore::value(const QString& key) const
{
    auto it = m_contents.values.constFind(key);
    if (it == m_contents.values.constEnd())
        return std::nullopt;
    return *it;
}

QStringList FileDefaultsStore::keys() const { return m_contents.values.keys(); }

void FileDefaultsStore::setValue(const QString& key, const QVariant& value)
{
    if (!value.isValid()) {
        remove(key);
        return;
    }
    bool ok = false;
    encodeValue(value, &ok);
    if (!ok) {
        Log::write(QStringLiteral("Kelvaro: cannot store a value of type %1 under \"%2\"")
                       .arg(QString::fromLatin1(value.typeName()), key));
        return;
    }
    change(key, value);
}

void FileDefaultsStore::remove(const QString& key)
{
    change(key, std::nullopt);
}

void FileDefaultsStore::change(const QString& key, const std::optional<QVariant>& value)
{
    QLockFile lock(m_path + QStringLiteral(".lock"));
    const bool locked = lock.tryLock(kLockTimeoutMs);
    if (!locked)
        Log::write(QStringLiteral("Kelvaro: could not lock %1.lock; writing the defaults without it").arg(m_path));

    // Start from what is on disk now, so keys another process wrote survive.
    Contents merged;
    QString reason;
    switch (readFile(merged, &reason)) {
    case ReadResult::ok:
        break;
    case ReadResult::missing:
        merged = {};
        break;
    case ReadResult::unreadable:
        // Someone left a damaged file: keep it aside and carry on from what we know.
        setAside(reason);
        merged = m_contents;
        break;
    case ReadResult::inaccessible:
        // A file we cannot read must not be replaced by what little we know:
        // the change lives in memory only.
        Log::write(QStringLiteral("Kelvaro: could not open the defaults file %1 (%2); \"%3\" is kept until Kelvaro quits but not saved")
                       .arg(m_path, reason, key));
        if (value)
            m_contents.values.insert(key, *value);
        else
            m_contents.values.remove(key);
        Q_EMIT changed(key);
        return;
    }

    const std::string stdKey = toStd(key);
    if (value) {
        merged.values.insert(key, *value);
        merged.opaque.erase(stdKey);
    } else {
        const bool had = merged.values.remove(key) > 0 || merged.opaque.erase(stdKey) > 0;
        if (!had && !m_contents.values.contains(key)) {
            m_contents = std::move(merged);
            return; // nothing to remove anywhere
        }
    }

    if (!writeFile(merged)) {
        // Keep the change in memory; the file keeps its previous contents.
        if (value)
            m_contents.values.insert(key, *value);
        else
            m_contents.values.remove(key);
    } else {
        m_contents = std::move(merged);
    }
    if (locked)
        lock.unlock();
    Q_EMIT changed(key);
}

FileDefaultsStore::ReadResult FileDefaultsStore::readFile(Contents& into, QString* reason) const
{
    QFile file(m_path);
    if (!file.exists())
        return ReadResult::missing;
    if (!file.open(QIODevice::ReadOnly)) {
        // Not a damaged file: leave it alone and never write over it.
        *reason = file.errorString();
        return ReadResult::inaccessible;
    }
    if (file.size() > kMaxFileSize) {
        *reason = QStringLiteral("file of %1 bytes is too large").arg(file.size());
        return ReadResult::unreadable;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.trimmed().isEmpty()) {
        *reason = QStringLiteral("empty file");
        return ReadResult::unreadable;
    }
    json doc = json::parse(bytes.constData(), bytes.constData() + bytes.size(), nullptr, false);
    if (doc.is_discarded()) {
        *reason = QStringLiteral("not valid JSON");
        return ReadResult::unreadable;
    }
    if (!doc.is_object() || !doc.contains("values") || !doc["values"].is_object()) {
        *reason = QStringLiteral("not a defaults document");
        return ReadResult::unreadable;
    }
    Contents contents;
    for (auto it = doc["values"].begin(); it != doc["values"].end(); ++it) {
        if (auto v = decodeValue(it.value())) {
            contents.values.insert(fromStd(it.key()), *v);
        } else {
            Log::write(QStringLiteral("Kelvaro: could not read the stored value of \"%1\" in %2; it is kept unchanged")
                           .arg(fromStd(it.key()), m_path));
            contents.opaque.emplace(it.key(), it.value());
        }
    }
    into = std::move(contents);
    return ReadResult::ok;
}

void FileDefaultsStore::setAside(const QString& reason)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = m_path + QStringLiteral(".corrupt-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = m_path + QStringLiteral(".corrupt-") + stamp + QLatin1Char('-') + QString::number(n);
    if (QFile::rename(m_path, aside)) {
        Log::write(QStringLiteral("Kelvaro: the defaults file %1 could not be read (%2); kept it as %3 and started with empty settings")
                       .arg(m_path, reason, aside));
    } else {
        Log::write(QStringLiteral("Kelvaro: the defaults file %1 could not be read (%2) and could not be moved aside; it is left in place and settings start empty")
                       .arg(m_path, reason));
    }
}

bool FileDefaultsStore::writeFile(const Contents& contents)
{
    json values = json::object();
    for (auto it = contents.values.constBegin(); it != contents.values.constEnd(); ++it) {
        bool ok = false;
        json tagged = encodeValue(it.value(), &ok);
        if (ok)
            values[toStd(it.key())] = std::move(tagged);
    }
    for (const auto& [key, raw] : contents.opaque) {
        if (!values.contains(key))
            values[key] = raw;
    }
    json doc = json::object();
    doc["version"] = kFormatVersion;
    doc["values"] = std::move(values);
    const std::string text = doc.dump(1, '\t', false, json::error_handler_t::replace) + "\n";

    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        Log::write(QStringLiteral("Kelvaro: could not write the defaults file %1: %2").arg(m_path, file.errorString()));
        return false;
    }
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(text.data(), qint64(text.size())) != qint64(text.size()) || !file.commit()) {
        Log::write(QStringLiteral("Kelvaro: could not write the defaults file %1: %2").arg(m_path, file.errorString()));
        file.cancelWriting();
        return false;
    }
    return true;
}

json FileDefaultsStore::encodeValue(const QVariant& v, bool* ok)
{
    *ok = true;
    switch (v.typeId()) {
    case QMetaType::Bool:
        return json { { "type", "bool" }, { "value", v.toBool() } };
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::Long:
        return json { { "type", "integer" }, { "value", std::int64_t(v.toLongLong()) } };
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
    case QMetaType::ULong:
        return json { { "type", "unsigned" }, { "value", std::uint64_t(v.toULongLong()) } };
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = v.toDouble();
        if (std::isnan(d))
            return json { { "type", "double" }, { "value", "nan" } };
        if (std::isinf(d))
            return json { { "type", "double" }, { "value", d > 0 ? "inf" : "-inf" } };
        return json { { "type", "double" }, { "value", d } };
    }
    case QMetaType::QString:
        return json { { "type", "string" }, { "value", toStd(v.toString()) } };
    case QMetaType::QByteArray: {
        const QByteArray b64 = v.toByteArray().toBase64();
        return json { { "type", "data" }, { "value", std::string(b64.constData(), size_t(b64.size())) } };
    }
    case QMetaType::QStringList:
    case QMetaType::QVariantList: {
        json items = json::array();
        for (const QVariant& item : v.toList()) {
            json e = encodeValue(item, ok);
            if (!*ok)
                return {};
            items.push_back(std::move(e));
        }
        return json { { "type", "array" }, { "value", std::move(items) } };
    }
    case QMetaType::QVariantMap: {
        json items = json::object();
        const QVariantMap map = v.toMap();
        for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
            json e = encodeValue(it.value(), ok);
            if (!*ok)
                return {};
            items[toStd(it.key())] = std::move(e);
        }
        return json { { "type", "dictionary" }, { "value", std::move(items) } };
    }
    default:
        *ok = false;
        return {};
    }
}

std::optional<QVariant> FileDefaultsStore::decodeValue(const json& tagged)
{
    if (!tagged.is_object() || !tagged.contains("type") || !tagged.contains("value") || !tagged["type"].is_string())
        return std::nullopt;
    const std::string type = tagged["type"].get<std::string>();
    const json& value = tagged["value"];
    if (type == "bool" && value.is_boolean())
        return QVariant(value.get<bool>());
    if (type == "integer" && value.is_number_integer()) {
        if (value.is_number_unsigned() && value.get<std::uint64_t>() > std::uint64_t(std::numeric_limits<qint64>::max()))
            return std::nullopt;
        return QVariant(qint64(value.get<std::int64_t>()));
    }
    if (type == "unsigned" && value.is_number_unsigned())
        return QVariant(quint64(value.get<std::uint64_t>()));
    if (type == "double") {
        if (value.is_number())
            return QVariant(value.get<double>());
        if (value.is_string()) {
            const std::string s = value.get<std::string>();
            if (s == "nan")
                return QVariant(std::numeric_limits<double>::quiet_NaN());
            if (s == "inf")
                return QVariant(std::numeric_limits<double>::infinity());
            if (s == "-inf")
                return QVariant(-std::numeric_limits<double>::infinity());
        }
        return std::nullopt;
    }
    if (type == "string" && value.is_string())
        return QVariant(fromStd(value.get<std::string>()));
    if (type == "data" && value.is_string()) {
        const std::string s = value.get<std::string>();
        auto decoded = QByteArray::fromBase64Encoding(QByteArray(s.data(), qsizetype(s.size())),
                                                      QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded)
            return std::nullopt;
        return QVariant(*decoded);
    }
    if (type == "array" && value.is_array()) {
        QVariantList list;
        for (const json& item : value) {
            auto v = decodeValue(item);
            if (!v)
                return std::nullopt;
            list.append(*v);
        }
        return QVariant(list);
    }
    if (type == "dictionary" && value.is_object()) {
        QVariantMap map;
        for (auto it = value.begin(); it != value.end(); ++it) {
            auto v = decodeValue(it.value());
            if (!v)
                return std::nullopt;
            map.insert(fromStd(it.key()), *v);
        }
        return QVariant(map);
    }
    return std::nullopt;
}

std::shared_ptr<DefaultsStore> makeDefaultFileStore()
{
    return std::make_shared<FileDefaultsStore>(FileDefaultsStore::defaultPath());
}
