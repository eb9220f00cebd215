#include "core/Hotkey.h"

#include "core/AppSettings.h"
#include "platform/KeyboardLayout.h"

#include <QJsonValue>
#include <QVariant>

#include <array>
#include <cmath>
#include <mutex>
#include <nlohmann/json.hpp>

namespace {
QString localized(const QString& english)
{
    return AppSettings::shared().localized(english);
}

// ---- Layout cache -------------------------------------------------------------
// Not read yet, or read for an older layout generation: read (again). Read
// and absent: the machine offered no layout. Read and present: what each key
// with a virtual code below 128 types (every key the layout can have).
struct LayoutCache {
    bool read = false;
    std::uint64_t generation = 0;
    bool present = false;
    std::array<std::optional<QString>, 128> characters;
};

std::mutex layoutLock; // guards `layoutCache`
LayoutCache layoutCache;

// Caller holds layoutLock. The port answers from any thread, so the read
// never waits for the main thread while the lock is held.
const LayoutCache& currentLayoutData()
{
    if (layoutCache.read && layoutCache.generation == KeyboardLayout::generation())
        return layoutCache;
    KeyboardLayout& layout = KeyboardLayout::shared(); // may install the backend (a new generation)
    LayoutCache fresh;
    fresh.read = true;
    fresh.generation = KeyboardLayout::generation();
    fresh.present = layout.isAvailable();
    if (fresh.present) {
        for (std::uint16_t code = 0; code < fresh.characters.size(); ++code)
            fresh.characters[code] = layout.character(code);
    }
    layoutCache = std::move(fresh);
    return layoutCache;
}

QString trimmedSpacesAndTabs(const QString& text)
{
    auto isBlank = [](QChar c) { return c == QLatin1Char('\t') || c.category() == QChar::Separator_Space; };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

void fail(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
}

// An integer JSON number (or a float with an integral value) that is not
// negative; booleans and everything else are refused.
template <typename Json>
std::optional<std::uint64_t> unsignedNumber(const Json& v)
{
    if (v.is_number_unsigned())
        return v.template get<std::uint64_t>();
    if (v.is_number_integer()) {
        const auto i = v.template get<std::int64_t>();
        return i < 0 ? std::nullopt : std::optional<std::uint64_t>(std::uint64_t(i));
    }
    if (v.is_number_float()) {
        const double d = v.template get<double>();
        if (d >= 0 && d < 18446744073709551616.0 && d == std::floor(d))
            return std::uint64_t(d);
    }
    return std::nullopt;
}

template <typename Json>
std::optional<Hotkey> decodeHotkey(const Json& v, QString* error)
{
    if (!v.is_object()) {
        fail(error, QStringLiteral("a hotkey is not a JSON object"));
        return std::nullopt;
    }
    const auto code = v.find("keyCode");
    if (code == v.end()) {
        fail(error, QStringLiteral("the hotkey lacks \"keyCode\""));
        return std::nullopt;
    }
    const auto keyCode = unsignedNumber(*code);
    if (!keyCode || *keyCode > 0xFFFF) {
        fail(error, QStringLiteral("the hotkey's \"keyCode\" is not an integer from 0 to 65535"));
        return std::nullopt;
    }
    const auto mods = v.find("rawModifiers");
    if (mods == v.end()) {
        fail(error, QStringLiteral("the hotkey lacks \"rawModifiers\""));
        return std::nullopt;
    }
    const auto rawModifiers = unsignedNumber(*mods);
    if (!rawModifiers) {
        fail(error, QStringLiteral("the hotkey's \"rawModifiers\" is not an unsigned integer"));
        return std::nullopt;
    }
    Hotkey hotkey; // decoding keeps the stored bits as they are
    hotkey.keyCode = std::uint16_t(*keyCode);
    hotkey.rawModifiers = *rawModifiers;
    return hotkey;
}

struct ModifierInfo {
    std::uint64_t bit;
    const char16_t* glyph;
    const char* word;
};
// Display order.
constexpr ModifierInfo kModifiers[] = {
    { Modifier::Control, u"\u2303", "Control" },
    { Modifier::Option, u"\u2325", "Option" },
    { Modifier::Shift, u"\u21E7", "Shift" },
    { Modifier::Command, u"\u2318", "Command" },
};
}

// ---- Value ------------------------------------------------------------------------

Hotkey::Hotkey(std::uint16_t code, std::uint64_t modifierFlags)
    : keyCode(code)
    , rawModifiers(modifierFlags & Modifier::Mask)
{
}

QString Hotkey::id() const
{
    return QString::number(rawModifiers) + QLatin1Char('-') + QString::number(keyCode);
}

QStringList Hotkey::modifierSymbols() const
{
    QStringList symbols;
    for (const auto& m : kModifiers) {
        if (rawModifiers & m.bit)
            symbols.append(QString::fromUtf16(m.glyph));
    }
    return symbols;
}

QString Hotkey::keyLabel() const
{
    const auto& special = specialKeyLabels();
    if (const auto it = special.constFind(keyCode); it != special.constEnd())
        return *it;
    if (const auto character = layoutCharacter(keyCode))
        return character->toUpper();
    return QStringLiteral("Key ") + QString::number(keyCode);
}

QStringList Hotkey::displayTokens() const
{
    QStringList tokens = modifierSymbols();
    tokens.append(keyLabel());
    return tokens;
}

QString Hotkey::displayString() const
{
    return modifierSymbols().join(QString()) + keyLabel();
}

bool Hotkey::isValid() const
{
    if (rawModifiers & (Modifier::Command | Modifier::Option | Modifier::Control))
        return true;
    return functionKeyCodes().contains(keyCode);
}

std::optional<QString> Hotkey::systemConflictDescription() const
{
    const auto& reserved = systemReservedShortcuts();
    const auto it = reserved.find(*this);
    if (it == reserved.end())
        return std::nullopt;
    return localized(it->second);
}

std::optional<QChar> Hotkey::menuEquivalent() const
{
    const auto character = layoutCharacter(keyCode);
    if (!character)
        return std::nullopt;
    const QString lower = character->toLower();
    // One grapheme that fits one character: a letter or a number.
    if (lower.size() != 1 || !lower.at(0).isLetterOrNumber())
        return std::nullopt;
    return lower.at(0);
}

QString Hotkey::accessibilityLabel() const
{
    QStringList words;
    for (const auto& m : kModifiers) {
        if (rawModifiers & m.bit)
            words.append(localized(QString::fromLatin1(m.word)));
    }
    const auto& spoken = spokenKeyNames();
    if (const auto it = spoken.constFind(keyCode); it != spoken.constEnd())
        words.append(localized(*it));
    else
        words.append(keyLabel());
    return words.join(QLatin1Char(' '));
}

bool Hotkey::matches(std::uint16_t eventKeyCode, std::uint64_t eventFlags) const
{
    return eventKeyCode == keyCode && (eventFlags & Modifier::Mask) == rawModifiers;
}

std::optional<Hotkey> Hotkey::fromDisplayString(const QString& text)
{
    QString rest = text;
    std::uint64_t modifiers = 0;
    const std::pair<const char16_t*, std::uint64_t> glyphs[] = {
        { u"\u2318", Modifier::Command },
        { u"\u2325", Modifier::Option },
        { u"\u21E7", Modifier::Shift },
        { u"\u2303", Modifier::Control },
    };
    for (const auto& [glyph, bit] : glyphs) {
        const QString g = QString::fromUtf16(glyph);
        if (rest.contains(g)) {
            rest.remove(g);
            modifiers |= bit;
        }
    }
    const auto code = keyCodeForLabel(rest);
    if (!code)
        return std::nullopt;
    return Hotkey(*code, modifiers);
}

// ---- JSON ---------------------------------------------------------------------------

QByteArray Hotkey::toJson() const
{
    return QByteArrayLiteral("{\"keyCode\":") + QByteArray::number(keyCode) + QByteArrayLiteral(",\"rawModifiers\":")
        + QByteArray::number(qulonglong(rawModifiers)) + '}';
}

std::optional<Hotkey> Hotkey::fromJson(const QByteArray& json, QString* error)
{
    const auto value = nlohmann::json::parse(json.constData(), json.constData() + json.size(), nullptr, false);
    if (value.is_discarded()) {
        fail(error, QStringLiteral("a hotkey is not valid JSON"));
        return std::nullopt;
    }
    return decodeHotkey(value, error);
}

QJsonObject Hotkey::toJsonObject() const
{
    QJsonObject object;
    object.insert(QStringLiteral("keyCode"), int(keyCode));
    if (rawModifiers <= std::uint64_t(std::numeric_limits<qint64>::max()))
        object.insert(QStringLiteral("rawModifiers"), qint64(rawModifiers));
    else
        object.insert(QStringLiteral("rawModifiers"), double(rawModifiers));
    return object;
}

std::optional<Hotkey> Hotkey::fromJsonObject(const QJsonObject& object, QString* error)
{
    // Through the parser used for stored text, so both paths agree.
    auto toJson = [](const QJsonValue& v) -> nlohmann::json {
        const QVariant variant = v.toVariant();
        switch (variant.typeId()) {
        case QMetaType::LongLong:
        case QMetaType::Int:
            return variant.toLongLong();
        case QMetaType::ULongLong:
            return variant.toULongLong();
        case QMetaType::Double:
            return variant.toDouble();
        case QMetaType::Bool:
            return variant.toBool();
        case QMetaType::QString:
            return variant.toString().toStdString();
        default:
            return nlohmann::json(); // null, arrays and objects: never a number
        }
    };
    nlohmann::json value = nlohmann::json::object();
    for (auto it = object.constBegin(); it != object.constEnd(); ++it)
        value[it.key().toStdString()] = toJson(it.value());
    return decodeHotkey(value, error);
}

nlohmann::ordered_json Hotkey::toJsonValue() const
{
    nlohmann::ordered_json value = nlohmann::ordered_json::object();
    value["keyCode"] = keyCode;
    value["rawModifiers"] = rawModifiers;
    return value;
}

std::optional<Hotkey> Hotkey::fromJsonValue(const nlohmann::json& value, QString* error)
{
    return decodeHotkey(value, error);
}

std::optional<Hotkey> Hotkey::fromJsonValue(const nlohmann::ordered_json& value, QString* error)
{
    return decodeHotkey(value, error);
}

// ---- Tables -----------------------------------------------------------------------

const QHash<std::uint16_t, QString>& Hotkey::specialKeyLabels()
{
    static const QHash<std::uint16_t, QString> table = [] {
        QHash<std::uint16_t, QString> t {
            { 36, QStringLiteral("\u21A9") }, { 48, QStringLiteral("\u21E5") }, { 49, QStringLiteral("Space") },
            { 51, QStringLiteral("\u232B") }, { 117, QStringLiteral("\u2326") }, { 53, QStringLiteral("\u238B") },
            { 115, QStringLiteral("\u2196") }, { 119, QStringLiteral("\u2198") }, { 116, QStringLiteral("\u21DE") },
            { 121, QStringLiteral("\u21DF") }, { 123, QStringLiteral("\u2190") }, { 124, QStringLiteral("\u2192") },
            { 126, QStringLiteral("\u2191") }, { 125, QStringLiteral("\u2193") }, { 76, QStringLiteral("\u2324") },
        };
        const std::uint16_t fkeys[] = { 122, 120, 99, 118, 96, 97, 98, 100, 101, 109,
            103, 111, 105, 107, 113, 106, 64, 79, 80, 90 };
        for (int i = 0; i < 20; ++i)
            t.insert(fkeys[i], QStringLiteral("F") + QString::number(i + 1));
        return t;
    }();
    return table;
}

const QHash<std::uint16_t, QString>& Hotkey::spokenKeyNames()
{
    static const QHash<std::uint16_t, QString> table {
        { 36, QStringLiteral("Return") }, { 48, QStringLiteral("Tab") }, { 49, QStringLiteral("Space") },
        { 51, QStringLiteral("Delete") }, { 117, QStringLiteral("Forward Delete") },
        { 53, QStringLiteral("Escape") }, { 115, QStringLiteral("Home") }, { 119, QStringLiteral("End") },
        { 116, QStringLiteral("Page Up") }, { 121, QStringLiteral("Page Down") },
        { 123, QStringLiteral("Left Arrow") }, { 124, QStringLiteral("Right Arrow") },
        { 126, QStringLiteral("Up Arrow") }, { 125, QStringLiteral("Down Arrow") },
    };
    return table;
}

const QSet<std::uint16_t>& Hotkey::functionKeyCodes()
{
    static const QSet<std::uint16_t> codes { 122, 120, 99, 118, 96, 97, 98, 100, 101, 109,
        103, 111, 105, 107, 113, 106, 64, 79, 80, 90 };
    return codes;
}

const std::unordered_map<Hotkey, QString>& Hotkey::systemReservedShortcuts()
{
    static const std::unordered_map<Hotkey, QString> table {
        { Hotkey(49, Modifier::Command), QStringLiteral("Spotlight") },
        { Hotkey(48, Modifier::Command), QStringLiteral("Application switcher") },
        { Hotkey(12, Modifier::Command), QStringLiteral("Quit") },
        { Hotkey(13, Modifier::Command), QStringLiteral("Close window") },
        { Hotkey(4, Modifier::Command), QStringLiteral("Hide application") },
        { Hotkey(46, Modifier::Command), QStringLiteral("Minimise window") },
        { Hotkey(20, Modifier::Shift | Modifier::Command), QStringLiteral("Screenshot") },
        { Hotkey(21, Modifier::Shift | Modifier::Command), QStringLiteral("Screenshot selection") },
        { Hotkey(23, Modifier::Shift | Modifier::Command), QStringLiteral("Screenshot options") },
        { Hotkey(12, Modifier::Control | Modifier::Command), QStringLiteral("Lock screen") },
        { Hotkey(126, Modifier::Control), QStringLiteral("Mission Control") },
        { Hotkey(125, Modifier::Control), QStringLiteral("Application windows") },
    };
    return table;
}

// ---- Layout lookups -------------------------------------------------------------

std::optional<QString> Hotkey::layoutCharacter(std::uint16_t keyCode)
{
    std::lock_guard lock(layoutLock);
    const LayoutCache& data = currentLayoutData();
    if (!data.present || keyCode >= data.characters.size())
        return std::nullopt;
    return data.characters[keyCode];
}

std::optional<std::uint16_t> Hotkey::keyCodeForLabel(const QString& label)
{
    const QString text = trimmedSpacesAndTabs(label);
    if (text.isEmpty())
        return std::nullopt;
    const auto& special = specialKeyLabels();
    for (auto it = special.constBegin(); it != special.constEnd(); ++it) {
        if (it.value() == text)
            return it.key();
    }
    const QString lower = text.toLower();
    std::lock_guard lock(layoutLock);
    const LayoutCache& data = currentLayoutData();
    if (!data.present)
        return std::nullopt;
    for (std::uint16_t code = 0; code < data.characters.size(); ++code) {
        const auto& character = data.characters[code];
        if (character && character->toLower() == lower)
            return code;
    }
    return std::nullopt;
}

void Hotkey::primeLayoutCache()
{
    std::lock_guard lock(layoutLock);
    currentLayoutData();
}

void Hotkey::invalidateLayoutCache()
{
    std::lock_guard lock(layoutLock);
    layoutCache.read = false;
}
