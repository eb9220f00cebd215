#include "core/AppShortcut.h"

#include <QRegularExpression>
#include <nlohmann/json.hpp>

const QString AppShortcut::tabsMarker = QStringLiteral("com.morvanix.kelvaro.tabs");
const QString AppShortcut::passwordMarker = QStringLiteral("com.morvanix.kelvaro.password");

namespace {
void fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
}

QString fromStd(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

std::string toStd(const QString& s) { return s.toStdString(); }
}

AppShortcut::AppShortcut(QString name_, QString icon_, QString shortcut_, QString bundleIdentifier_,
    std::optional<QString> textSnippet_, std::optional<QString> url_)
    : id(QUuid::createUuid())
    , name(std::move(name_))
    , icon(std::move(icon_))
    , shortcut(std::move(shortcut_))
    , bundleIdentifier(std::move(bundleIdentifier_))
    , textSnippet(std::move(textSnippet_))
    , url(std::move(url_))
{
}

AppShortcut AppShortcut::tabItem(QString title, QString icon, QString address)
{
    AppShortcut item(std::move(title), std::move(icon), std::move(address), tabsMarker);
    item.kind = RingItemKind::tab;
    return item;
}

AppShortcut AppShortcut::passwordItem(const QUuid& accountId, QString label, QString icon)
{
    AppShortcut item(std::move(label), std::move(icon), QString(), passwordMarker);
    item.id = accountId;
    item.kind = RingItemKind::password;
    return item;
}

QString AppShortcut::uuidText(const QUuid& id) { return id.toString(QUuid::WithoutBraces).toUpper(); }

std::optional<QUuid> AppShortcut::uuidFromText(const QString& text)
{
    static const QRegularExpression form(QRegularExpression::anchoredPattern(
        QStringLiteral("[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{12}")));
    if (!form.match(text).hasMatch())
        return std::nullopt;
    return QUuid::fromString(text);
}

QString AppShortcut::idString() const { return uuidText(id); }

nlohmann::ordered_json AppShortcut::toJsonValue() const
{
    nlohmann::ordered_json value = nlohmann::ordered_json::object();
    value["id"] = toStd(idString());
    value["name"] = toStd(name);
    value["icon"] = toStd(icon);
    value["shortcut"] = toStd(shortcut);
    value["bundleIdentifier"] = toStd(bundleIdentifier);
    if (textSnippet)
        value["textSnippet"] = toStd(*textSnippet);
    if (url)
        value["url"] = toStd(*url);
    return value;
}

QByteArray AppShortcut::toJson() const
{
    const std::string text = toJsonValue().dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    return QByteArray(text.data(), qsizetype(text.size()));
}

std::optional<AppShortcut> AppShortcut::fromJsonValue(const nlohmann::json& value, QString* error)
{
    if (!value.is_object()) {
        fail(error, QStringLiteral("the shortcut is not a JSON object"));
        return std::nullopt;
    }
    QString required[5];
    const char* const requiredKeys[5] = { "id", "name", "icon", "shortcut", "bundleIdentifier" };
    for (int i = 0; i < 5; ++i) {
        const auto it = value.find(requiredKeys[i]);
        if (it == value.end()) {
            fail(error, QStringLiteral("the shortcut lacks \"%1\"").arg(QLatin1String(requiredKeys[i])));
            return std::nullopt;
        }
        if (!it->is_string()) {
            fail(error, QStringLiteral("the shortcut's \"%1\" is not a string").arg(QLatin1String(requiredKeys[i])));
            return std::nullopt;
        }
        required[i] = fromStd(it->get<std::string>());
    }
    const auto id = uuidFromText(required[0]);
    if (!id) {
        fail(error, QStringLiteral("the shortcut's \"id\" is not a UUID"));
        return std::nullopt;
    }
    std::optional<QString> optional[2];
    const char* const optionalKeys[2] = { "textSnippet", "url" };
    for (int i = 0; i < 2; ++i) {
        const auto it = value.find(optionalKeys[i]);
        if (it == value.end() || it->is_null())
            continue;
        if (!it->is_string()) {
            fail(error, QStringLiteral("the shortcut's \"%1\" is not a string").arg(QLatin1String(optionalKeys[i])));
            return std::nullopt;
        }
        optional[i] = fromStd(it->get<std::string>());
    }
    AppShortcut shortcut(required[1], required[2], required[3], required[4], optional[0], optional[1]);
    shortcut.id = *id;
    return shortcut;
}

std::optional<AppShortcut> AppShortcut::fromJson(const QByteArray& json, QString* error)
{
    const auto value = nlohmann::json::parse(json.constData(), json.constData() + json.size(), nullptr, false);
    if (value.is_discarded()) {
        fail(error, QStringLiteral("the shortcut is not valid JSON"));
        return std::nullopt;
    }
    return fromJsonValue(value, error);
}
