#pragma once
// A named set of applications with a hotkey of its own.

#include "core/Hotkey.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUuid>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>

struct LauncherGroup {
    QUuid id = QUuid::createUuid();
    QString name;
    QStringList bundleIdentifiers;
    std::optional<Hotkey> hotkey;
    std::uint64_t holdModifiersRaw = 0;

    LauncherGroup() = default;
    explicit LauncherGroup(QString name, QStringList bundleIdentifiers = {},
        std::optional<Hotkey> hotkey = std::nullopt, std::uint64_t holdModifiersRaw = 0,
        QUuid id = QUuid::createUuid());

    bool operator==(const LauncherGroup&) const = default;

    std::uint64_t holdModifiers() const { return holdModifiersRaw; }
    void setHoldModifiers(std::uint64_t flags) { holdModifiersRaw = flags; }

    // Keeps the hold bits the hotkey still has; none left: all of the hotkey's
    // modifiers; no hotkey: 0.
    void reconcileHoldModifiers();

    // First of ⇧⌘ + T, G, R, E, D, W, Y, U (key codes 17, 5, 15, 14, 2, 13, 16, 32)
    // not equal to any hotkey in `taken`; nothing when all eight are taken.
    static std::optional<Hotkey> suggestedHotkey(const QList<Hotkey>& taken);

    // JSON object: "id", "name", "bundleIdentifiers", ["hotkey"], "holdModifiersRaw",
    // compact, in that key order. The id is upper-case UUID text without braces.
    QByteArray toJson() const;
    // Only "id" and "name" are required; a present key of the wrong type is an
    // error (message in *error when given).
    static std::optional<LauncherGroup> fromJson(const QByteArray& json, QString* error = nullptr);

    // A JSON array of groups, in list order.
    static QByteArray encodeList(const QList<LauncherGroup>& groups);
    // The whole array, or nothing when it (or any element) does not decode.
    static std::optional<QList<LauncherGroup>> decodeList(const QByteArray& json, QString* error = nullptr);
    // One parsed JSON element (for reading a stored list element by element).
    static std::optional<LauncherGroup> fromJsonValue(const nlohmann::json& value, QString* error = nullptr);
};
