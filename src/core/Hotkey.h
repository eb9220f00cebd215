#pragma once
// One global key combination: a virtual key code and the four modifier bits.
// Key codes and modifier bits are the stored form everywhere; they are
// translated to X11 key codes and masks only at the platform boundary.

#include <QChar>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

namespace Modifier {
constexpr std::uint64_t Shift = 0x20000;   // ⇧  (Shift)
constexpr std::uint64_t Control = 0x40000; // ⌃  (Super on Linux)
constexpr std::uint64_t Option = 0x80000;  // ⌥  (Alt on Linux)
constexpr std::uint64_t Command = 0x100000; // ⌘ (Ctrl on Linux)
constexpr std::uint64_t Mask = 0x1E0000;
}

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

    // JSON: {"keyCode":…, "rawModifiers":…} in that key order.
    QByteArray toJson() const;
    static std::optional<Hotkey> fromJson(const QByteArray& json);
    QJsonObject toJsonObject() const;
    static std::optional<Hotkey> fromJsonObject(const QJsonObject& object);

    // Layout lookups (any thread).
    static std::optional<QString> layoutCharacter(std::uint16_t keyCode);
    static std::optional<std::uint16_t> keyCode(const QString& label);
    static void primeLayoutCache();
};

template <>
struct std::hash<Hotkey> {
    std::size_t operator()(const Hotkey& h) const noexcept
    {
        return std::hash<std::uint64_t>()((h.rawModifiers << 16) ^ h.keyCode);
    }
};
