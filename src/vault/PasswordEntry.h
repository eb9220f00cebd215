#pragma once
// Records of the password vault, without secrets: an account (`PasswordEntry`)
// and its passwords (`PasswordVariant`). Their JSON form is the stored form of
// the defaults key "savedPasswordEntries": every key is required, keys are
// written in declaration order, UUIDs as upper-case 8-4-4-4-12 text.

#include <QList>
#include <QString>
#include <QUuid>
#include <nlohmann/json.hpp>
#include <optional>

struct PasswordVariant {
    QUuid id = QUuid::createUuid();
    QString label;
    QString icon = QStringLiteral("key.fill");
    QString hint;

    bool operator==(const PasswordVariant&) const = default;

    nlohmann::ordered_json toJson() const;
    // nullopt for a missing key, a value of the wrong type or a malformed UUID.
    static std::optional<PasswordVariant> fromJson(const nlohmann::json& object);
};

struct PasswordEntry {
    QUuid id = QUuid::createUuid();
    QString label;
    QString account;
    QString icon = QStringLiteral("key.fill");
    QList<PasswordVariant> variants;

    bool operator==(const PasswordEntry&) const = default;

    nlohmann::ordered_json toJson() const;
    static std::optional<PasswordEntry> fromJson(const nlohmann::json& object);

    // The whole stored list: a compact JSON array of accounts.
    static QByteArray encodeList(const QList<PasswordEntry>& entries);
    // nullopt when the data is not such a list or any element fails to decode.
    static std::optional<QList<PasswordEntry>> decodeList(const QByteArray& data);
};
