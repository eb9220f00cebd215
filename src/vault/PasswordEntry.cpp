#include "vault/PasswordEntry.h"

#include "core/AppShortcut.h"

namespace {
std::optional<QString> stringMember(const nlohmann::json& object, const char* key)
{
    const auto it = object.find(key);
    if (it == object.end() || !it->is_string())
        return std::nullopt;
    return QString::fromStdString(it->get<std::string>());
}

std::optional<QUuid> uuidMember(const nlohmann::json& object, const char* key)
{
    const auto text = stringMember(object, key);
    return text ? AppShortcut::uuidFromText(*text) : std::nullopt;
}
}

nlohmann::ordered_json PasswordVariant::toJson() const
{
    nlohmann::ordered_json o;
    o["id"] = AppShortcut::uuidText(id).toStdString();
    o["label"] = label.toStdString();
    o["icon"] = icon.toStdString();
    o["hint"] = hint.toStdString();
    return o;
}

std::optional<PasswordVariant> PasswordVariant::fromJson(const nlohmann::json& object)
{
    if (!object.is_object())
        return std::nullopt;
    const auto id = uuidMember(object, "id");
    const auto label = stringMember(object, "label");
    const auto icon = stringMember(object, "icon");
    const auto hint = stringMember(object, "hint");
    if (!id || !label || !icon || !hint)
        return std::nullopt;
    return PasswordVariant { *id, *label, *icon, *hint };
}

nlohmann::ordered_json PasswordEntry::toJson() const
{
    nlohmann::ordered_json o;
    o["id"] = AppShortcut::uuidText(id).toStdString();
    o["label"] = label.toStdString();
    o["account"] = account.toStdString();
    o["icon"] = icon.toStdString();
    auto list = nlohmann::ordered_json::array();
    for (const auto& v : variants)
        list.push_back(v.toJson());
    o["variants"] = std::move(list);
    return o;
}

std::optional<PasswordEntry> PasswordEntry::fromJson(const nlohmann::json& object)
{
    if (!object.is_object())
        return std::nullopt;
    const auto id = uuidMember(object, "id");
    const auto label = stringMember(object, "label");
    const auto account = stringMember(object, "account");
    const auto icon = stringMember(object, "icon");
    const auto variantsIt = object.find("variants");
    if (!id || !label || !account || !icon || variantsIt == object.end() || !variantsIt->is_array())
        return std::nullopt;
    PasswordEntry entry { *id, *label, *account, *icon, {} };
    for (const auto& item : *variantsIt) {
        auto variant = PasswordVariant::fromJson(item);
        if (!variant)
            return std::nullopt;
        entry.variants.append(std::move(*variant));
    }
    return entry;
}

QByteArray PasswordEntry::encodeList(const QList<PasswordEntry>& entries)
{
    auto list = nlohmann::ordered_json::array();
    for (const auto& e : entries)
        list.push_back(e.toJson());
    return QByteArray::fromStdString(list.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
}

std::optional<QList<PasswordEntry>> PasswordEntry::decodeList(const QByteArray& data)
{
    const auto parsed = nlohmann::json::parse(data.constBegin(), data.constEnd(), nullptr, /*allow_exceptions=*/false);
    if (parsed.is_discarded() || !parsed.is_array())
        return std::nullopt;
    QList<PasswordEntry> entries;
    for (const auto& item : parsed) {
        auto entry = fromJson(item);
        if (!entry)
            return std::nullopt;
        entries.append(std::move(*entry));
    }
    return entries;
}
