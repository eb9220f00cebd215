#include "core/Hotkey.h"

#include "platform/KeyboardLayout.h"

#include <QCoreApplication>
#include <QJsonValue>
#include <QVariant>

#include <array>
#include <cmath>
#include <mutex>
#include <nlohmann/json.hpp>

namespace {
QString translated(const char* english) { return QCoreApplication::translate("Kelvaro", english); }

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

std::mutex layoutLock; // guards `layoutCache` and `handedLayout`
LayoutCache layoutCache;
KeyboardLayout* handedLayout = nullptr;

// Caller holds layoutLock. The port answers from any thread, so the read
// never waits for the main thread while the lock is held.
const LayoutCache& currentLayoutData()
{
    if (layoutCache.read && layoutCache.generation == KeyboardLayout::generation())
        return layoutCache;
    LayoutCache fresh;
    fresh.read = true;
    fresh.generation = KeyboardLayout::generation();
    fresh.present = handedLayout && handedLayout->isAvailable();
    if (fresh.present) {
        for (std::size_t code = 0; code < fresh.characters.size(); ++code)
            fresh.characters[code] = handedLayout->character(static_cast<std::uint16_t>(code));
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
template <typename Json> std::optional<std::uint64_t> unsignedNumber(const Json& v)
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

template <typename Json> std::optional<Hotkey> decodeHotkey(const Json& v, QString* error)
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
    const char* name; // shown
    const char* word; // spoken
};
// The order a combination is shown and spoken in: Ctrl, Alt, Shift, Super.
constexpr ModifierInfo kModifiers[] = {
    { Modifier::Ctrl, QT_TRANSLATE_NOOP("Kelvaro", "Ctrl"), QT_TRANSLATE_NOOP("Kelvaro", "Control") },
    { Modifier::Alt, QT_TRANSLATE_NOOP("Kelvaro", "Alt"), QT_TRANSLATE_NOOP("Kelvaro", "Alt") },
    { Modifier::Shift, QT_TRANSLATE_NOOP("Kelvaro", "Shift"), QT_TRANSLATE_NOOP("Kelvaro", "Shift") },
    { Modifier::Super, QT_TRANSLATE_NOOP("Kelvaro", "Super"), QT_TRANSLATE_NOOP("Kelvaro", "Super") },
};

// The glyphs of stored text, in the order stored text writes them.
struct ModifierGlyph {
    std::uint64_t bit;
    char16_t glyph;
};
constexpr ModifierGlyph kGlyphs[] = {
    { Modifier::Super, u'\u2303' },
    { Modifier::Alt, u'\u2325' },
    { Modifier::Shift, u'\u21E7' },
    { Modifier::Ctrl, u'\u2318' },
};

// Removes every modifier glyph from `text`; returns their bits.
std::uint64_t takeGlyphs(QString& text)
{
    std::uint64_t bits = 0;
    for (const auto& g : kGlyphs) {
        if (text.contains(QChar(g.glyph))) {
            text.remove(QChar(g.glyph));
            bits |= g.bit;
        }
    }
    return bits;
}

// The bit of a modifier written out: the shown or spoken names in English or
// in the interface language, and "Meta", Qt's name for Super. Any case.
std::uint64_t modifierNamed(const QString& text)
{
    if (text.compare(QLatin1String("Meta"), Qt::CaseInsensitive) == 0)
        return Modifier::Super;
    for (const auto& m : kModifiers) {
        for (const char* english : { m.name, m.word }) {
            if (text.compare(QLatin1String(english), Qt::CaseInsensitive) == 0
                || text.compare(translated(english), Qt::CaseInsensitive) == 0)
                return m.bit;
        }
    }
    return 0;
}

// Takes leading "<modifier>+" parts off `text`; returns their bits.
std::uint64_t takeNamedModifiers(QString& text)
{
    std::uint64_t bits = 0;
    for (;;) {
        const qsizetype plus = text.indexOf(QLatin1Char('+'));
        if (plus <= 0)
            return bits;
        const std::uint64_t bit = modifierNamed(trimmedSpacesAndTabs(text.left(plus)));
        if (!bit)
            return bits;
        bits |= bit;
        text = text.mid(plus + 1);
    }
}

// The key a name in the interface language stands for.
std::optional<std::uint16_t> keyCodeForTranslatedName(const QString& label)
{
    const QString text = trimmedSpacesAndTabs(label);
    const auto& names = Hotkey::keyNames();
    for (auto it = names.constBegin(); it != names.constEnd(); ++it) {
        if (translated(it.value()) == text)
            return it.key();
    }
    return std::nullopt;
}
}

// ---- Value ------------------------------------------------------------------------

Hotkey::Hotkey(std::uint16_t code, std::uint64_t modifierFlags)
    : keyCode(code)
    , rawModifiers(modifierFlags & Modifier::Mask)
{
}

QString Hotkey::id() const { return QString::number(rawModifiers) + QLatin1Char('-') + QString::number(keyCode); }

QStringList Hotkey::modifierNames() const
{
    QStringList names;
    for (const auto& m : kModifiers) {
        if (rawModifiers & m.bit)
            names.append(translated(m.name));
    }
    return names;
}

QString Hotkey::displayKeyLabel() const
{
    const auto& names = keyNames();
    if (const auto it = names.constFind(keyCode); it != names.constEnd())
        return translated(*it);
    if (functionKeyCodes().contains(keyCode))
        return keyLabel(); // "F5"
    if (const auto character = layoutCharacter(keyCode))
        return character->toUpper();
    return QCoreApplication::translate("Kelvaro", "Key %1").arg(keyCode);
}

QStringList Hotkey::displayTokens() const
{
    QStringList tokens = modifierNames();
    tokens.append(displayKeyLabel());
    return tokens;
}

QString Hotkey::displayString() const { return displayTokens().join(QLatin1Char('+')); }

QString Hotkey::accessibilityLabel() const
{
    QStringList words;
    for (const auto& m : kModifiers) {
        if (rawModifiers & m.bit)
            words.append(translated(m.word));
    }
    words.append(displayKeyLabel());
    return words.join(QLatin1Char(' '));
}

QStringList Hotkey::modifierSymbols() const
{
    QStringList symbols;
    for (const auto& g : kGlyphs) {
        if (rawModifiers & g.bit)
            symbols.append(QChar(g.glyph));
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

QString Hotkey::storedText() const { return modifierSymbols().join(QString()) + keyLabel(); }

bool Hotkey::isValid() const
{
    if (rawModifiers & (Modifier::Ctrl | Modifier::Alt | Modifier::Super))
        return true;
    return functionKeyCodes().contains(keyCode);
}

std::optional<QString> Hotkey::systemConflictDescription() const
{
    const auto& reserved = systemReservedShortcuts();
    const auto it = reserved.find(*this);
    if (it == reserved.end())
        return std::nullopt;
    return translated(it->second);
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

bool Hotkey::matches(std::uint16_t eventKeyCode, std::uint64_t eventFlags) const
{
    return eventKeyCode == keyCode && (eventFlags & Modifier::Mask) == rawModifiers;
}

std::optional<Hotkey> Hotkey::fromDisplayString(const QString& text)
{
    QString rest = text;
    std::uint64_t modifiers = takeGlyphs(rest);
    modifiers |= takeNamedModifiers(rest);
    auto code = keyCodeForLabel(rest);
    if (!code)
        code = keyCodeForTranslatedName(rest);
    if (!code)
        return std::nullopt;
    return Hotkey(*code, modifiers);
}

QString Hotkey::displayTextForStored(const QString& stored)
{
    if (const auto hotkey = fromDisplayString(stored))
        return hotkey->displayString();
    // A key this layout does not type: the modifiers named, the key's text kept.
    QString rest = stored;
    const Hotkey modifiers(0, takeGlyphs(rest));
    if (modifiers.rawModifiers == 0)
        return stored;
    rest = trimmedSpacesAndTabs(rest);
    QStringList tokens = modifiers.modifierNames();
    if (!rest.isEmpty())
        tokens.append(rest);
    return tokens.join(QLatin1Char('+'));
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
            { 36, QStringLiteral("\u21A9") },
            { 48, QStringLiteral("\u21E5") },
            { 49, QStringLiteral("Space") },
            { 51, QStringLiteral("\u232B") },
            { 117, QStringLiteral("\u2326") },
            { 53, QStringLiteral("\u238B") },
            { 115, QStringLiteral("\u2196") },
            { 119, QStringLiteral("\u2198") },
            { 116, QStringLiteral("\u21DE") },
            { 121, QStringLiteral("\u21DF") },
            { 123, QStringLiteral("\u2190") },
            { 124, QStringLiteral("\u2192") },
            { 126, QStringLiteral("\u2191") },
            { 125, QStringLiteral("\u2193") },
            { 76, QStringLiteral("\u2324") },
        };
        const std::uint16_t fkeys[]
            = { 122, 120, 99, 118, 96, 97, 98, 100, 101, 109, 103, 111, 105, 107, 113, 106, 64, 79, 80, 90 };
        for (int i = 0; i < 20; ++i)
            t.insert(fkeys[i], QStringLiteral("F") + QString::number(i + 1));
        return t;
    }();
    return table;
}

const QHash<std::uint16_t, const char*>& Hotkey::keyNames()
{
    static const QHash<std::uint16_t, const char*> table {
        { 36, QT_TRANSLATE_NOOP("Kelvaro", "Return") },
        { 48, QT_TRANSLATE_NOOP("Kelvaro", "Tab") },
        { 49, QT_TRANSLATE_NOOP("Kelvaro", "Space") },
        { 51, QT_TRANSLATE_NOOP("Kelvaro", "Backspace") },
        { 117, QT_TRANSLATE_NOOP("Kelvaro", "Delete") },
        { 53, QT_TRANSLATE_NOOP("Kelvaro", "Escape") },
        { 115, QT_TRANSLATE_NOOP("Kelvaro", "Home") },
        { 119, QT_TRANSLATE_NOOP("Kelvaro", "End") },
        { 116, QT_TRANSLATE_NOOP("Kelvaro", "Page Up") },
        { 121, QT_TRANSLATE_NOOP("Kelvaro", "Page Down") },
        { 123, QT_TRANSLATE_NOOP("Kelvaro", "Left Arrow") },
        { 124, QT_TRANSLATE_NOOP("Kelvaro", "Right Arrow") },
        { 126, QT_TRANSLATE_NOOP("Kelvaro", "Up Arrow") },
        { 125, QT_TRANSLATE_NOOP("Kelvaro", "Down Arrow") },
        { 76, QT_TRANSLATE_NOOP("Kelvaro", "Enter") },
    };
    return table;
}

const QSet<std::uint16_t>& Hotkey::functionKeyCodes()
{
    static const QSet<std::uint16_t> codes { 122, 120, 99, 118, 96, 97, 98, 100, 101, 109, 103, 111, 105, 107, 113, 106,
        64, 79, 80, 90 };
    return codes;
}

const std::unordered_map<Hotkey, const char*>& Hotkey::systemReservedShortcuts()
{
    // What Linux desktops (GNOME, KDE Plasma, Xfce, Cinnamon, MATE) and the X
    // server itself keep for themselves.
    using M = std::uint64_t;
    constexpr M ctrl = Modifier::Ctrl, alt = Modifier::Alt, super = Modifier::Super, shift = Modifier::Shift;
    static const std::unordered_map<Hotkey, const char*> table = [] {
        std::unordered_map<Hotkey, const char*> t {
            { Hotkey(48, alt), QT_TRANSLATE_NOOP("Kelvaro", "switching windows") }, // Alt+Tab
            { Hotkey(48, alt | shift), QT_TRANSLATE_NOOP("Kelvaro", "switching windows backwards") }, // Alt+Shift+Tab
            { Hotkey(118, alt), QT_TRANSLATE_NOOP("Kelvaro", "closing the window") }, // Alt+F4
            { Hotkey(120, alt), QT_TRANSLATE_NOOP("Kelvaro", "running a command") }, // Alt+F2
            { Hotkey(37, super), QT_TRANSLATE_NOOP("Kelvaro", "locking the screen") }, // Super+L
            { Hotkey(2, super), QT_TRANSLATE_NOOP("Kelvaro", "showing the desktop") }, // Super+D
            { Hotkey(17, ctrl | alt), QT_TRANSLATE_NOOP("Kelvaro", "opening a terminal") }, // Ctrl+Alt+T
            { Hotkey(117, ctrl | alt), QT_TRANSLATE_NOOP("Kelvaro", "logging out") }, // Ctrl+Alt+Delete
        };
        // Ctrl+Alt+F1 ... F12: the virtual consoles.
        for (std::uint16_t f : { 122, 120, 99, 118, 96, 97, 98, 100, 101, 109, 103, 111 })
            t.emplace(Hotkey(f, ctrl | alt), QT_TRANSLATE_NOOP("Kelvaro", "switching to a text console"));
        return t;
    }();
    return table;
}

// ---- Layout lookups -------------------------------------------------------------

void Hotkey::useLayout(KeyboardLayout* layout)
{
    std::lock_guard lock(layoutLock);
    handedLayout = layout;
    layoutCache.read = false;
}

KeyboardLayout* Hotkey::layout()
{
    std::lock_guard lock(layoutLock);
    return handedLayout;
}

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
    {
        std::lock_guard lock(layoutLock);
        const LayoutCache& data = currentLayoutData();
        if (data.present) {
            for (std::size_t code = 0; code < data.characters.size(); ++code) {
                const auto& character = data.characters[code];
                if (character && character->toLower() == lower)
                    return static_cast<std::uint16_t>(code);
            }
        }
    }
    const auto& names = keyNames();
    for (auto it = names.constBegin(); it != names.constEnd(); ++it) {
        if (QLatin1String(it.value()) == text)
            return it.key();
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
