#pragma once
// One global key combination: a virtual key code and the four modifier bits.
// Key codes and modifier bits are the stored form everywhere; they are
// translated to X11 key codes and masks only at the platform boundary.

#include "platform/KeyModifiers.h"

#include <QChar>
#include <QHash>
#include <QSet>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <unordered_map>


struct Hotkey {
    std::uint16_t keyCode = 0;
    std::uint64_t rawModifiers = 0;

    Hotkey() = default;
    // rawModifiers = flags & Modifier::Mask
    Hotkey(std::uint16_t code, std::uint64_t modifierFlags);

    bool operator==(const Hotkey&) const = default;

    // "<rawModifiers>-<keyCode>", e.g. "1179648-0".
    QString id() const;

    QStringList modifierSymbols() const; // ⌃ ⌥ ⇧ ⌘ order
    QString keyLabel() const;
    QStringList displayTokens() const;
    QString displayString() const; // e.g. "⇧⌘A"
    bool isValid() const;
    std::optional<QString> systemConflictDescription() const; // localized
    std::optional<QChar> menuEquivalent() const;
    QString accessibilityLabel() const; // localized spoken form

    // True when the event's key code equals keyCode and flags & Mask == rawModifiers.
    bool matches(std::uint16_t eventKeyCode, std::uint64_t eventFlags) const;
    static std::uint64_t modifiers(std::uint64_t eventFlags) { return eventFlags & Modifier::Mask; }

    static std::optional<Hotkey> fromDisplayString(const QString& text);

    // JSON: {"keyCode":…, "rawModifiers":…} in that key order. Decoding
    // requires both keys, an integer key code in 0…65535 and an unsigned
    // integer for the modifiers (kept unmasked); other keys are ignored. On
    // failure the reason goes to *error when given.
    QByteArray toJson() const;
    static std::optional<Hotkey> fromJson(const QByteArray& json, QString* error = nullptr);
    // Qt's JSON numbers are doubles: modifiers above 2^53 do not survive this form.
    QJsonObject toJsonObject() const;
    static std::optional<Hotkey> fromJsonObject(const QJsonObject& object, QString* error = nullptr);
    nlohmann::ordered_json toJsonValue() const;
    static std::optional<Hotkey> fromJsonValue(const nlohmann::json& value, QString* error = nullptr);
    static std::optional<Hotkey> fromJsonValue(const nlohmann::ordered_json& value, QString* error = nullptr);

    // Tables.
    static const QHash<std::uint16_t, QString>& specialKeyLabels();
    static const QHash<std::uint16_t, QString>& spokenKeyNames(); // English; localized when spoken
    static const QSet<std::uint16_t>& functionKeyCodes();
    static const std::unordered_map<Hotkey, QString>& systemReservedShortcuts(); // English descriptions

    // Layout lookups (any thread). The layout is read once into a cache and
    // read again after the keyboard layout changes (KeyboardLayout::generation()).
    static std::optional<QString> layoutCharacter(std::uint16_t keyCode);
    // The key code whose special label or layout character `label` is.
    static std::optional<std::uint16_t> keyCodeForLabel(const QString& label);
    static void primeLayoutCache();
    // Drops the cached layout; the next lookup reads it again.
    static void invalidateLayoutCache();
};

template <>
struct std::hash<Hotkey> {
    std::size_t operator()(const Hotkey& h) const noexcept
    {
        return std::hash<std::uint64_t>()((h.rawModifiers << 16) ^ h.keyCode);
    }
};
