#include "core/LauncherGroup.h"

#include <QRegularExpression>
#include <limits>
#include <nlohmann/json.hpp>

using nlohmann::json;
using nlohmann::ordered_json;

namespace {
std::string toStd(const QString& s)
{
    const QByteArray utf8 = s.toUtf8();
    return std::string(utf8.constData(), size_t(utf8.size()));
}
QString fromStd(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

// A JSON number that is a whole, non-negative value fitting in 64 bits.
std::optional<std::uint64_t> unsignedValue(const json& v)
{
    if (v.is_number_unsigned())
        return v.get<std::uint64_t>();
    if (v.is_number_integer()) {
        const auto i = v.get<std::int64_t>();
        return i < 0 ? std::nullopt : std::optional<std::uint64_t>(std::uint64_t(i));
    }
    if (v.is_number_float()) {
        const double d = v.get<double>();
        if (d >= 0 && d < 18446744073709551616.0 && d == double(std::uint64_t(d)))
            return std::uint64_t(d);
    }
    return std::nullopt;
}

std::optional<Hotkey> hotkeyFrom(const json& v, QString* error)
{
    if (!v.is_object()) {
        fail(error, QStringLiteral("\"hotkey\" is not an object"));
        return std::nullopt;
    }
    if (!v.contains("keyCode") || !v.contains("rawModifiers")) {
        fail(error, QStringLiteral("\"hotkey\" lacks \"keyCode\" or \"rawModifiers\""));
        return std::nullopt;
    }
    const auto code = unsignedValue(v["keyCode"]);
    const auto mods = unsignedValue(v["rawModifiers"]);
    if (!code || *code > 0xFFFF || !mods) {
        fail(error, QStringLiteral("\"hotkey\" holds an invalid key code or modifiers"));
        return std::nullopt;
    }
    Hotkey h; // decoding keeps the stored modifier bits as they are
    h.keyCode = std::uint16_t(*code);
    h.rawModifiers = *mods;
    return h;
}

std::optional<LauncherGroup> groupFrom(const json& v, QString* error)
{
    if (!v.is_object()) {
        fail(error, QStringLiteral("group is not an object"));
        return std::nullopt;
    }
    static const QRegularExpression uuidText(
        QStringLiteral("^[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{12}$"));
    if (!v.contains("id") || !v["id"].is_string()) {
        fail(error, QStringLiteral("group has no \"id\" text"));
        return std::nullopt;
    }
    const QString idText = fromStd(v["id"].get<std::string>());
    if (!uuidText.match(idText).hasMatch()) {
        fail(error, QStringLiteral("group \"id\" is not a UUID"));
        return std::nullopt;
    }
    if (!v.contains("name") || !v["name"].is_string()) {
        fail(error, QStringLiteral("group has no \"name\" text"));
        return std::nullopt;
    }
    LauncherGroup g;
    g.id = QUuid::fromString(idText);
    g.name = fromStd(v["name"].get<std::string>());
    if (v.contains("bundleIdentifiers") && !v["bundleIdentifiers"].is_null()) {
        const json& ids = v["bundleIdentifiers"];
        if (!ids.is_array()) {
            fail(error, QStringLiteral("\"bundleIdentifiers\" is not an array"));
            return std::nullopt;
        }
        for (const json& id : ids) {
            if (!id.is_string()) {
                fail(error, QStringLiteral("\"bundleIdentifiers\" holds a non-text element"));
                return std::nullopt;
            }
            g.bundleIdentifiers.append(fromStd(id.get<std::string>()));
        }
    }
    if (v.contains("hotkey") && !v["hotkey"].is_null()) {
        g.hotkey = hotkeyFrom(v["hotkey"], error);
        if (!g.hotkey)
            return std::nullopt;
    }
    if (v.contains("holdModifiersRaw") && !v["holdModifiersRaw"].is_null()) {
        const auto hold = unsignedValue(v["holdModifiersRaw"]);
        if (!hold) {
            fail(error, QStringLiteral("\"holdModifiersRaw\" is not an unsigned integer"));
            return std::nullopt;
        }
        g.holdModifiersRaw = *hold;
    }
    return g;
}

ordered_json toOrdered(const LauncherGroup& g)
{
    ordered_json o = ordered_json::object();
    o["id"] = toStd(g.id.toString(QUuid::WithoutBraces).toUpper());
    o["name"] = toStd(g.name);
    ordered_json ids = ordered_json::array();
    for (const QString& id : g.bundleIdentifiers)
        ids.push_back(toStd(id));
    o["bundleIdentifiers"] = std::move(ids);
    if (g.hotkey) {
        ordered_json h = ordered_json::object();
        h["keyCode"] = std::uint64_t(g.hotkey->keyCode);
        h["rawModifiers"] = std::uint64_t(g.hotkey->rawModifiers);
        o["hotkey"] = std::move(h);
    }
    o["holdModifiersRaw"] = std::uint64_t(g.holdModifiersRaw);
    return o;
}

QByteArray dumpCompact(const ordered_json& j)
{
    const std::string text = j.dump(-1, ' ', false, ordered_json::error_handler_t::replace);
    return QByteArray(text.data(), qsizetype(text.size()));
}

std::optional<json> parse(const QByteArray& bytes, QString* error)
{
    json doc = json::parse(bytes.constData(), bytes.constData() + bytes.size(), nullptr, false);
    if (doc.is_discarded()) {
        fail(error, QStringLiteral("not valid JSON"));
        return std::nullopt;
    }
    return doc;
}
}

LauncherGroup::LauncherGroup(QString name_, QStringList bundleIdentifiers_, std::optional<Hotkey> hotkey_,
    std::uint64_t holdModifiersRaw_, QUuid id_)
    : id(id_)
    , name(std::move(name_))
    , bundleIdentifiers(std::move(bundleIdentifiers_))
    , hotkey(hotkey_)
    , holdModifiersRaw(holdModifiersRaw_)
{
}

void LauncherGroup::reconcileHoldModifiers()
{
    const std::uint64_t mods = hotkey ? hotkey->rawModifiers : 0;
    const std::uint64_t kept = holdModifiersRaw & mods;
    holdModifiersRaw = kept != 0 ? kept : mods;
}

std::optional<Hotkey> LauncherGroup::suggestedHotkey(const QList<Hotkey>& taken)
{
    static constexpr std::uint16_t candidates[] = { 17, 5, 15, 14, 2, 13, 16, 32 };
    for (std::uint16_t code : candidates) {
        Hotkey candidate;
        candidate.keyCode = code;
        candidate.rawModifiers = Modifier::Shift | Modifier::Ctrl;
        if (!taken.contains(candidate))
            return candidate;
    }
    return std::nullopt;
}

QByteArray LauncherGroup::toJson() const { return dumpCompact(toOrdered(*this)); }

std::optional<LauncherGroup> LauncherGroup::fromJson(const QByteArray& bytes, QString* error)
{
    const auto doc = parse(bytes, error);
    if (!doc)
        return std::nullopt;
    return groupFrom(*doc, error);
}

QByteArray LauncherGroup::encodeList(const QList<LauncherGroup>& groups)
{
    ordered_json array = ordered_json::array();
    for (const LauncherGroup& g : groups)
        array.push_back(toOrdered(g));
    return dumpCompact(array);
}

std::optional<QList<LauncherGroup>> LauncherGroup::decodeList(const QByteArray& bytes, QString* error)
{
    const auto doc = parse(bytes, error);
    if (!doc)
        return std::nullopt;
    if (!doc->is_array()) {
        fail(error, QStringLiteral("not a JSON array"));
        return std::nullopt;
    }
    QList<LauncherGroup> groups;
    for (const json& element : *doc) {
        auto g = groupFrom(element, error);
        if (!g)
            return std::nullopt;
        groups.append(*g);
    }
    return groups;
}

std::optional<LauncherGroup> LauncherGroup::fromJsonValue(const nlohmann::json& value, QString* error)
{
    return groupFrom(value, error);
}
