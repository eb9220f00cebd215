#pragma once
// One item of a shortcut ring: a shortcut the user saved for an application,
// a saved browser tab or a vault account.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUuid>
#include <nlohmann/json_fwd.hpp>
#include <optional>

// What choosing an item does: run a saved shortcut, open a saved tab, or
// release a vault password. Decided where the item is made, never read back
// from its bundle identifier, so that no stored text can turn a shortcut into
// a password release.
enum class RingItemKind { shortcut, tab, password };

struct AppShortcut {
    // Bundle identifiers of the tabs and vault rings' items and centres, as
    // stored in the settings.
    static const QString tabsMarker; // "com.morvanix.kelvaro.tabs"
    static const QString passwordMarker; // "com.morvanix.kelvaro.password"

    QUuid id;
    QString name;
    QString icon; // a symbol name, or a custom icon file name ("custom_icon_…")
    QString shortcut; // display text of a key combination (a tab's address for tab items); may be empty
    QString bundleIdentifier; // the owning application, or one of the markers
    std::optional<QString> textSnippet;
    std::optional<QString> url;
    RingItemKind kind = RingItemKind::shortcut; // not stored: see RingItemKind

    // A new shortcut item with a fresh random id.
    AppShortcut(QString name, QString icon, QString shortcut, QString bundleIdentifier,
        std::optional<QString> textSnippet = std::nullopt, std::optional<QString> url = std::nullopt);

    // A saved browser tab (its address held in `shortcut`), with a fresh id.
    static AppShortcut tabItem(QString title, QString icon, QString address);
    // A vault account, under the account's own id.
    static AppShortcut passwordItem(const QUuid& accountId, QString label, QString icon);

    // The id as stored: upper-case 8-4-4-4-12 text.
    QString idString() const;

    // JSON object with the keys "id", "name", "icon", "shortcut",
    // "bundleIdentifier", then "textSnippet" and "url" when present, in that
    // order, compact. Decoding requires the first five as strings (the id a
    // UUID); the last two may be missing or null. Other keys are ignored. On
    // failure the reason goes to *error when given.
    nlohmann::ordered_json toJsonValue() const;
    QByteArray toJson() const;
    static std::optional<AppShortcut> fromJsonValue(const nlohmann::json& value, QString* error = nullptr);
    static std::optional<AppShortcut> fromJson(const QByteArray& json, QString* error = nullptr);

    // A UUID in the standard 8-4-4-4-12 text form (either letter case), or nothing.
    static std::optional<QUuid> uuidFromText(const QString& text);
    static QString uuidText(const QUuid& id);
};
