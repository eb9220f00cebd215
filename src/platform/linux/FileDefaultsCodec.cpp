#include "platform/linux/FileDefaultsStore.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

// The defaults file's text: one tagged JSON value per entry, read with a
// bound on nesting and written back entry by entry.

using nlohmann::json;

namespace {
// The deepest nesting of arrays and objects in `bytes`, read as JSON text
// without building anything (strings and their escapes are skipped).
int nestingDepth(const QByteArray& bytes)
{
    int depth = 0;
    int deepest = 0;
    bool inString = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
}

std::string text(const json& j) { return j.dump(-1, ' ', false, json::error_handler_t::replace); }

// The length of the well-formed UTF-8 sequence at `i` (RFC 3629: no
// overlong forms, no surrogates, nothing past U+10FFFF), or 0.
int utf8Length(const QByteArray& bytes, qsizetype i)
{
    const auto at = [&](qsizetype k) { return k < bytes.size() ? std::uint8_t(bytes[k]) : std::uint8_t(0); };
    const std::uint8_t c = at(i);
    const auto tail = [&](qsizetype k) { return (at(k) & 0xC0) == 0x80; };
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF)
        return tail(i + 1) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        const std::uint8_t lo = c == 0xE0 ? 0xA0 : 0x80;
        const std::uint8_t hi = c == 0xED ? 0x9F : 0xBF;
        return at(i + 1) >= lo && at(i + 1) <= hi && tail(i + 2) ? 3 : 0;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        const std::uint8_t lo = c == 0xF0 ? 0x90 : 0x80;
        const std::uint8_t hi = c == 0xF4 ? 0x8F : 0xBF;
        return at(i + 1) >= lo && at(i + 1) <= hi && tail(i + 2) && tail(i + 3) ? 4 : 0;
    }
    return 0;
}

bool isUtf8(const QByteArray& bytes)
{
    for (qsizetype i = 0; i < bytes.size();) {
        const int n = utf8Length(bytes, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

// A character the parsed text can hold only where a byte that is not UTF-8
// stood: written into the text as a JSON escape in that byte's place.
struct Marker {
    const char* escape; // as written into the JSON text (lower case)
    const char* utf8; // as the parsed text holds it
};

// The first of a few characters of the last planes that `bytes` neither
// holds nor escapes; nothing when it has them all.
std::optional<Marker> unusedMarker(const QByteArray& bytes)
{
    static const Marker candidates[] = {
        { "\\udbff\\udfff", "\xf4\x8f\xbf\xbf" }, // U+10FFFF
        { "\\udbff\\udffe", "\xf4\x8f\xbf\xbe" }, // U+10FFFE
        { "\\udbbf\\udfff", "\xf3\xbf\xbf\xbf" }, // U+FFFFF
        { "\\udbbf\\udffe", "\xf3\xbf\xbf\xbe" }, // U+FFFFE
    };
    const QByteArray lower = bytes.toLower(); // ASCII only: escapes in any case
    for (const Marker& m : candidates) {
        if (!bytes.contains(m.utf8) && !lower.contains(m.escape))
            return m;
    }
    return std::nullopt;
}

// The text with each byte that is not part of well-formed UTF-8 replaced by
// the marker's escape, so that the parser reads the rest.
QByteArray withMarkers(const QByteArray& bytes, const Marker& marker)
{
    const QByteArray escape(marker.escape);
    QByteArray out;
    out.reserve(bytes.size() + 64);
    for (qsizetype i = 0; i < bytes.size();) {
        const int n = utf8Length(bytes, i);
        if (n == 0) {
            out.append(escape);
            ++i;
        } else {
            out.append(bytes.constData() + i, n);
            i += n;
        }
    }
    return out;
}
}

bool FileDefaultsStore::decode(const QByteArray& bytes, Contents& into, QString* reason)
{
    if (bytes.trimmed().isEmpty()) {
        *reason = QStringLiteral("empty file");
        return false;
    }
    // A byte that is not UTF-8 (text saved in another encoding) costs only
    // the entries that hold it: the parser reads a marker in its place.
    QByteArray source = bytes;
    std::optional<Marker> marker;
    if (!isUtf8(bytes)) {
        marker = unusedMarker(bytes);
        if (!marker) {
            *reason = QStringLiteral("not valid UTF-8");
            return false;
        }
        source = withMarkers(bytes, *marker);
    }
    const auto marked = [&](const std::string& s) { return marker && s.find(marker->utf8) != std::string::npos; };
    // Too deep a nesting would exhaust the stack in every recursive walk of
    // the document: the parser (which does not recurse) drops what lies
    // deeper than the limit, and the entries that held it are unreadable.
    std::set<std::string> tooDeep;
    bool documentTooDeep = false;
    json doc;
    if (nestingDepth(source) <= maxJsonDepth) {
        doc = json::parse(source.constData(), source.constData() + source.size(), nullptr, false);
    } else {
        std::string topKey;
        std::string entryKey;
        const json::parser_callback_t limit = [&](int depth, json::parse_event_t event, json& parsed) {
            if (event == json::parse_event_t::key) {
                if (depth == 1 && parsed.is_string())
                    topKey = parsed.get<std::string>();
                else if (depth == 2 && parsed.is_string())
                    entryKey = parsed.get<std::string>();
                return true;
            }
            if ((event == json::parse_event_t::object_start || event == json::parse_event_t::array_start)
                && depth >= maxJsonDepth) {
                if (topKey == "values" && depth > 2)
                    tooDeep.insert(entryKey);
                else
                    documentTooDeep = true;
                return false;
            }
            return true;
        };
        doc = json::parse(source.constData(), source.constData() + source.size(), limit, false);
    }
    if (doc.is_discarded()) {
        *reason = QStringLiteral("not valid JSON");
        return false;
    }
    if (documentTooDeep) {
        *reason = QStringLiteral("nested deeper than %1 levels").arg(maxJsonDepth);
        return false;
    }
    if (!doc.is_object() || !doc.contains("values") || !doc["values"].is_object()) {
        *reason = QStringLiteral("not a defaults document");
        return false;
    }
    Contents contents;
    if (auto v = doc.find("version"); v != doc.end() && v->is_number_integer() && !v->is_number_unsigned())
        contents.version = v->get<std::int64_t>();
    else if (v != doc.end() && v->is_number_unsigned())
        contents.version = std::int64_t(std::min<std::uint64_t>(v->get<std::uint64_t>(), std::uint64_t(INT64_MAX)));
    for (auto it = doc.begin(); it != doc.end(); ++it) {
        if (it.key() == "version" || it.key() == "values")
            continue;
        if (marked(it.key()) || (marker && marked(text(it.value()))))
            contents.invalidText.insert(it.key());
        else
            contents.other.emplace(it.key(), std::move(it.value()));
    }
    json& values = doc["values"];
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (tooDeep.count(it.key()))
            continue;
        if (marked(it.key()) || (marker && marked(text(it.value())))) {
            contents.invalidText.insert(it.key());
            continue;
        }
        if (auto v = decodeValue(it.value())) {
            contents.values.insert(fromStd(it.key()), *v);
        } else {
            contents.opaque.emplace(it.key(), std::move(it.value()));
        }
    }
    contents.tooDeep = std::move(tooDeep);
    if (marker) {
        // Named as read, with the usual replacement character for each byte that is not text.
        std::set<std::string> named;
        for (std::string key : contents.invalidText) {
            for (std::size_t at; (at = key.find(marker->utf8)) != std::string::npos;)
                key.replace(at, std::strlen(marker->utf8), "\xef\xbf\xbd");
            named.insert(key);
        }
        contents.invalidText = std::move(named);
    }
    into = std::move(contents);
    return true;
}

std::string FileDefaultsStore::encode(const Contents& contents)
{
    // One entry a line, each written compactly: the size of the text never
    // grows with how deep a value nests.
    std::map<std::string, json> values;
    for (auto it = contents.values.constBegin(); it != contents.values.constEnd(); ++it) {
        bool ok = false;
        json tagged = encodeValue(it.value(), &ok);
        if (ok)
            values[toStd(it.key())] = std::move(tagged);
    }
    for (const auto& [key, raw] : contents.opaque)
        values.emplace(key, raw);
    std::string out = "{\n\"version\": " + std::to_string(formatVersion) + ",\n";
    for (const auto& [key, raw] : contents.other) {
        if (key != "version" && key != "values")
            out += text(json(key)) + ": " + text(raw) + ",\n";
    }
    out += "\"values\": {";
    bool first = true;
    for (const auto& [key, tagged] : values) {
        out += first ? "\n" : ",\n";
        first = false;
        out += text(json(key)) + ": " + text(tagged);
    }
    out += "\n}\n}\n";
    return out;
}

qint64 FileDefaultsStore::entryBytes(const QString& key, const json& tagged)
{
    // As `encode` writes it: a line break and a comma around `"key": value`.
    return qint64(text(json(toStd(key))).size() + text(tagged).size()) + 4;
}

json FileDefaultsStore::encodeValue(const QVariant& v, bool* ok, int depth)
{
    *ok = true;
    // Each level is the tagged object and its array or dictionary; the
    // document and "values" come first.
    if (depth > (maxJsonDepth - 4) / 2) {
        *ok = false;
        return {};
    }
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
            json e = encodeValue(item, ok, depth + 1);
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
            json e = encodeValue(it.value(), ok, depth + 1);
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

std::optional<QVariant> FileDefaultsStore::decodeValue(const json& tagged, int depth)
{
    if (depth > (maxJsonDepth - 4) / 2)
        return std::nullopt;
    if (!tagged.is_object() || !tagged.contains("type") || !tagged.contains("value") || !tagged["type"].is_string())
        return std::nullopt;
    const std::string type = tagged["type"].get<std::string>();
    const json& value = tagged["value"];
    if (type == "bool" && value.is_boolean())
        return QVariant(value.get<bool>());
    if (type == "integer" && value.is_number_integer()) {
        if (value.is_number_unsigned()
            && value.get<std::uint64_t>() > std::uint64_t(std::numeric_limits<qint64>::max()))
            return std::nullopt;
        return QVariant(qint64(value.get<std::int64_t>()));
    }
    if (type == "unsigned" && value.is_number_unsigned())
        return QVariant(quint64(value.get<std::uint64_t>()));
    // "-0" reads as a signed zero: still zero. Kept unread, it would be
    // written back as 0 and read differently after the next save.
    if (type == "unsigned" && value.is_number_integer() && value.get<std::int64_t>() == 0)
        return QVariant(quint64(0));
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
        auto decoded = QByteArray::fromBase64Encoding(
            QByteArray(s.data(), qsizetype(s.size())), QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded)
            return std::nullopt;
        return QVariant(*decoded);
    }
    if (type == "array" && value.is_array()) {
        QVariantList list;
        for (const json& item : value) {
            auto v = decodeValue(item, depth + 1);
            if (!v)
                return std::nullopt;
            list.append(*v);
        }
        return QVariant(list);
    }
    if (type == "dictionary" && value.is_object()) {
        QVariantMap map;
        for (auto it = value.begin(); it != value.end(); ++it) {
            auto v = decodeValue(it.value(), depth + 1);
            if (!v)
                return std::nullopt;
            map.insert(fromStd(it.key()), *v);
        }
        return QVariant(map);
    }
    return std::nullopt;
}
