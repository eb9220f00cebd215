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

class KeyboardLayout;

struct Hotkey {
    std::uint16_t keyCode = 0;
    std::uint64_t rawModifiers = 0;

    Hotkey() = default;
    // rawModifiers = flags & Modifier::Mask
    Hotkey(std::uint16_t code, std::uint64_t modifierFlags);

    bool operator==(const Hotkey&) const = default;

    // "<rawModifiers>-<keyCode>", e.g. "1179648-0".
    QString id() const;

    // What a person reads: "Ctrl+Shift+A". Modifiers in the order Ctrl, Alt,
    // Shift, Super, named in the interface language ("Strg" in German), then
    // the key: a readable name for keys that type nothing ("Return", "Left
    // Arrow", "F5"), else what the key types on the layout in effect,
    // upper-cased.
    QStringList modifierNames() const;
    QString displayKeyLabel() const;
    QStringList displayTokens() const; // modifierNames() and displayKeyLabel()
    QString displayString() const; // displayTokens() joined with "+"
    QString accessibilityLabel() const; // spoken, e.g. "Control Shift A", in the interface language

    // The text form shortcut items store: modifier glyphs in the order
    // ⌃ ⌥ ⇧ ⌘ and the key's stored label (a glyph for keys that type nothing,
    // else what the key types, upper-cased), e.g. "⇧⌘A", "⌘↩". Never shown.
    QStringList modifierSymbols() const;
    QString keyLabel() const;
    QString storedText() const; // modifierSymbols() and keyLabel()

    bool isValid() const;
    std::optional<QString> systemConflictDescription() const; // in the interface language
    std::optional<QChar> menuEquivalent() const;

    // True when the event's key code equals keyCode and flags & Mask == rawModifiers.
    bool matches(std::uint16_t eventKeyCode, std::uint64_t eventFlags) const;
    static std::uint64_t modifiers(std::uint64_t eventFlags) { return eventFlags & Modifier::Mask; }

    // Stored text ("⇧⌘A"; the glyphs may stand anywhere) or the displayed
    // form ("Ctrl+Shift+A", English or interface-language names).
    static std::optional<Hotkey> fromDisplayString(const QString& text);
    // A shortcut item's stored text as a person reads it: "⇧⌘S" becomes
    // "Ctrl+Shift+S". When the rest names no key of this layout, the
    // modifiers are named and the rest is kept ("⌘ß" on a US layout:
    // "Ctrl+ß"); text without modifier glyphs stays as it is.
    static QString displayTextForStored(const QString& stored);

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
    // The glyphs that stand for keys typing nothing in stored text ("↩", "⇥",
    // "Space", "F1"…).
    static const QHash<std::uint16_t, QString>& specialKeyLabels();
    // Readable English names of those keys, marked for translation and
    // translated where shown or spoken ("Return", "Left Arrow"; F-keys have none).
    static const QHash<std::uint16_t, const char*>& keyNames();
    static const QSet<std::uint16_t>& functionKeyCodes();
    // English descriptions, marked for translation.
    static const std::unordered_map<Hotkey, const char*>& systemReservedShortcuts();

    // The keyboard layout behind every name and label, handed over by whoever
    // builds the platform and taken back (null) before its ports go; with
    // none, no key types anything. Hotkeys are named all through the program,
    // from any thread, so the layout is handed here once rather than to each.
    static void useLayout(KeyboardLayout* layout);
    static KeyboardLayout* layout();

    // Layout lookups (any thread). The layout is read once into a cache and
    // read again after the keyboard layout changes (KeyboardLayout::generation())
    // or another is handed over.
    static std::optional<QString> layoutCharacter(std::uint16_t keyCode);
    // The key code whose stored label, key name (English or in the interface
    // language) or layout character `label` is.
    static std::optional<std::uint16_t> keyCodeForLabel(const QString& label);
    static void primeLayoutCache();
    // Drops the cached layout; the next lookup reads it again.
    static void invalidateLayoutCache();
};

namespace std {
template <> struct hash<Hotkey> {
    std::size_t operator()(const Hotkey& h) const noexcept
    {
        return std::hash<std::uint64_t>()((h.rawModifiers << 16) ^ h.keyCode);
    }
};
}
