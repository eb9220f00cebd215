#include "core/AppSettings.h"

#include "core/StoredListRecovery.h"
#include "core/Translations.h"

#include "platform/Appearance.h"
#include "platform/DefaultsStore.h"
#include "platform/Log.h"
#include "platform/LoginItem.h"
#include "platform/Platform.h"
#include "platform/Screens.h"

#include <QCoreApplication>
#include <cmath>

namespace {
constexpr std::uint64_t kShiftCtrl = Modifier::Shift | Modifier::Ctrl;
const QString kUnassigned = QStringLiteral("unassigned");
const QString kAppleLanguages = QStringLiteral("AppleLanguages");

std::optional<QString> stringValue(const std::optional<QVariant>& v)
{
    if (v && v->typeId() == QMetaType::QString)
        return v->toString();
    return std::nullopt;
}

bool isNumber(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

// A stored object that reads as an unsigned integer exactly.
std::optional<std::uint64_t> unsignedValue(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return v.toULongLong();
    case QMetaType::Int:
    case QMetaType::LongLong:
        if (v.toLongLong() < 0)
            return std::nullopt;
        return std::uint64_t(v.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = v.toDouble();
        if (d >= 0 && d < 18446744073709551616.0 && d == std::floor(d))
            return std::uint64_t(d);
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

// A usable size or speed factor: a finite number above zero; anything else is 1.0.
double loadFactor(const DefaultsStore& d, const QString& key)
{
    const auto v = d.value(key);
    if (!v || !isNumber(*v))
        return 1.0;
    const double x = v->toDouble();
    if (!std::isfinite(x) || x <= 0) {
        Log::write(QStringLiteral("Kelvaro: stored \"%1\" of %2 is out of range; using 1.0").arg(key).arg(x));
        return 1.0;
    }
    return x;
}

// A stored raw value of E; anything else is the fallback.
template <typename E> E storedEnum(const DefaultsStore& d, const QString& key, E fallback)
{
    const auto raw = stringValue(d.value(key));
    return raw ? fromRawValue<E>(*raw).value_or(fallback) : fallback;
}

std::optional<bool> storedBool(const DefaultsStore& d, const QString& key)
{
    const auto v = d.value(key);
    if (v && v->typeId() == QMetaType::Bool)
        return v->toBool();
    return std::nullopt;
}
}

const Hotkey AppSettings::defaultSwitcherHotkey { 0, kShiftCtrl };
const Hotkey AppSettings::defaultLauncherHotkey { 1, kShiftCtrl };
const Hotkey AppSettings::defaultPasswordHotkey { 35, kShiftCtrl };
const Hotkey AppSettings::defaultCapturedTabsHotkey { 2, kShiftCtrl };

Hotkey AppSettings::defaultHotkey(HotkeyRole role)
{
    switch (role) {
    case HotkeyRole::switcher:
        return defaultSwitcherHotkey;
    case HotkeyRole::launcher:
        return defaultLauncherHotkey;
    case HotkeyRole::passwords:
        return defaultPasswordHotkey;
    case HotkeyRole::capturedTabs:
        return defaultCapturedTabsHotkey;
    }
    return defaultSwitcherHotkey;
}

// ---- Setting enums -------------------------------------------------------------

namespace {
constexpr EnumRow<ActivationMode> kActivationModes[] = {
    { ActivationMode::holdModifier, "holdModifier", QT_TRANSLATE_NOOP("Kelvaro", "Hold modifiers"), "hand.raised",
        QT_TRANSLATE_NOOP("Kelvaro", "Keep the modifier keys held to aim with the mouse, then release to choose.") },
    { ActivationMode::toggle, "toggle", QT_TRANSLATE_NOOP("Kelvaro", "Toggle"), "switch.2",
        QT_TRANSLATE_NOOP(
            "Kelvaro", "The ring stays open after you let go. Press the shortcut again or click to choose.") },
};

constexpr EnumRow<RingPlacement> kRingPlacements[] = {
    { RingPlacement::pointer, "pointer", QT_TRANSLATE_NOOP("Kelvaro", "At the pointer"), "cursorarrow",
        QT_TRANSLATE_NOOP("Kelvaro", "The ring opens around the pointer, so it is always within reach.") },
    { RingPlacement::screenCentre, "screenCentre", QT_TRANSLATE_NOOP("Kelvaro", "Centre of the display"),
        "rectangle.center.inset.filled",
        QT_TRANSLATE_NOOP("Kelvaro", "The ring always opens in the middle of the display.") },
};

constexpr EnumRow<AppearanceMode> kAppearanceModes[] = {
    { AppearanceMode::system, "system", QT_TRANSLATE_NOOP("Kelvaro", "System"), "circle.lefthalf.filled" },
    { AppearanceMode::light, "light", QT_TRANSLATE_NOOP("Kelvaro", "Light"), "sun.max" },
    { AppearanceMode::dark, "dark", QT_TRANSLATE_NOOP("Kelvaro", "Dark"), "moon" },
};
}

std::span<const EnumRow<ActivationMode>> enumRows(ActivationMode) { return kActivationModes; }
std::span<const EnumRow<RingPlacement>> enumRows(RingPlacement) { return kRingPlacements; }
std::span<const EnumRow<AppearanceMode>> enumRows(AppearanceMode) { return kAppearanceModes; }

// ---- Keys ------------------------------------------------------------------------

namespace {
struct KeyName {
    AppSettings::Key key;
    const char* stored; // empty: not stored
};

using Key = AppSettings::Key;
constexpr KeyName kKeys[] = {
    { Key::switcherHotkey, "switcherHotkey" },
    { Key::launcherHotkey, "launcherHotkey" },
    { Key::passwordHotkey, "passwordHotkey" },
    { Key::capturedTabsHotkey, "capturedTabsHotkey" },
    { Key::switcherHoldModifiers, "switcherHoldModifiers" },
    { Key::launcherHoldModifiers, "launcherHoldModifiers" },
    { Key::passwordHoldModifiers, "passwordHoldModifiers" },
    { Key::capturedTabsHoldModifiers, "capturedTabsHoldModifiers" },
    { Key::activationMode, "activationMode" },
    { Key::showOnMouseScreen, "showOnMouseScreen" },
    { Key::ringPlacement, "ringPlacement" },
    { Key::launchAtLogin, "" },
    { Key::hasCompletedOnboarding, "hasCompletedOnboarding" },
    { Key::showLaunchMessage, "showLaunchMessage" },
    { Key::launcherGroups, "launcherGroups" },
    { Key::language, "appLanguage" },
    { Key::ringScale, "ringScale" },
    { Key::animationSpeed, "animationSpeed" },
    { Key::enable3DEffects, "enable3DEffects" },
    { Key::appearance, "appearance" },
};
static_assert(int(Key::capturedTabsHotkey) - int(Key::switcherHotkey) + 1 == hotkeyRoleCount
    && int(Key::capturedTabsHoldModifiers) - int(Key::switcherHoldModifiers) + 1 == hotkeyRoleCount);

// The stored form of a setting's value.
QVariant stored(bool v) { return v; }
QVariant stored(double v) { return v; }
QVariant stored(std::uint64_t v) { return QVariant(quint64(v)); }
QVariant stored(const QList<LauncherGroup>& v) { return LauncherGroup::encodeList(v); }
template <typename E>
requires std::is_enum_v<E> QVariant stored(E v) { return rawValue(v); }
}

QList<AppSettings::Key> AppSettings::allKeys()
{
    QList<Key> keys;
    for (const KeyName& k : kKeys)
        keys.append(k.key);
    return keys;
}

QList<AppSettings::Key> AppSettings::roleHotkeyKeys()
{
    QList<Key> keys;
    for (HotkeyRole role : allCases<HotkeyRole>())
        keys.append(hotkeyKey(role));
    return keys;
}

AppSettings::Key AppSettings::hotkeyKey(HotkeyRole role) { return Key(int(Key::switcherHotkey) + int(role)); }

AppSettings::Key AppSettings::holdModifiersKey(HotkeyRole role)
{
    return Key(int(Key::switcherHoldModifiers) + int(role));
}

QString AppSettings::storedName(Key key)
{
    for (const KeyName& k : kKeys)
        if (k.key == key)
            return QString::fromLatin1(k.stored);
    return {};
}

QMetaObject::Connection AppSettings::onChange(const QObject* context, QList<Key> keys, std::function<void()> react)
{
    return connect(this, &AppSettings::changed, context, [keys = std::move(keys), react = std::move(react)](Key key) {
        if (keys.contains(key))
            react();
    });
}

// ---- Construction and loading ------------------------------------------------------

AppSettings::AppSettings(const Platform& platform, QObject* parent)
    : AppSettings(platform, platform.defaults(), parent)
{
}

AppSettings::AppSettings(const Platform& platform, DefaultsStore& defaults, QObject* parent)
    : QObject(parent)
    , m_platform(&platform)
    , m_defaults(&defaults)
{
    load();
}

AppSettings::~AppSettings() = default;

AppSettings& AppSettings::shared()
{
    static AppSettings* instance = nullptr; // lives for the whole process
    const Platform& platform = Platform::installed();
    DefaultsStore& store = platform.defaults();
    if (!instance) {
        instance = new AppSettings(platform);
    } else if (instance->m_platform != &platform || instance->m_defaults.data() != &store) {
        // Another platform or defaults store was installed (tests): reload from it.
        instance->m_platform = &platform;
        instance->m_defaults = &store;
        instance->load();
        for (Key key : allKeys())
            Q_EMIT instance->changed(key);
    }
    return *instance;
}

void AppSettings::load()
{
    const DefaultsStore& d = *m_defaults;

    for (HotkeyRole role : allCases<HotkeyRole>()) {
        const auto i = std::size_t(role);
        m_hotkeys[i] = loadHotkey(d, storedName(hotkeyKey(role)), defaultHotkey(role));
        m_holdModifiers[i]
            = loadHold(d, storedName(holdModifiersKey(role)), m_hotkeys[i] ? m_hotkeys[i]->rawModifiers : 0);
    }
    m_activationMode = storedEnum(d, storedName(Key::activationMode), ActivationMode::holdModifier);
    m_showOnMouseScreen = storedBool(d, storedName(Key::showOnMouseScreen)).value_or(true);
    m_ringPlacement = storedEnum(d, storedName(Key::ringPlacement), RingPlacement::screenCentre);
    m_hasCompletedOnboarding = d.boolValue(storedName(Key::hasCompletedOnboarding));
    m_ringScale = loadFactor(d, storedName(Key::ringScale));
    m_animationSpeed = loadFactor(d, storedName(Key::animationSpeed));
    m_enable3DEffects = storedBool(d, storedName(Key::enable3DEffects)).value_or(true);
    m_appearance = storedEnum(d, storedName(Key::appearance), AppearanceMode::system);
    m_language = storedEnum(d, storedName(Key::language), AppLanguage::system);
    Translations::install(resolvedLanguageCode());
    m_showLaunchMessage = storedBool(d, storedName(Key::showLaunchMessage)).value_or(true);
    m_launcherGroups = loadLauncherGroups();
    m_launchAtLogin = m_platform->loginItem().isEnabled();
}

std::optional<Hotkey> AppSettings::loadHotkey(const DefaultsStore& d, const QString& key, const Hotkey& fallback)
{
    const auto v = d.value(key);
    if (!v)
        return fallback;
    if (v->typeId() == QMetaType::QString && v->toString() == kUnassigned)
        return std::nullopt;
    if (v->typeId() == QMetaType::QByteArray) {
        if (auto h = Hotkey::fromJson(v->toByteArray()))
            return h;
    }
    return fallback;
}

std::uint64_t AppSettings::loadHold(const DefaultsStore& d, const QString& key, std::uint64_t fallback)
{
    const auto v = d.value(key);
    if (v) {
        if (auto n = unsignedValue(*v))
            return *n & Modifier::Mask;
    }
    return fallback;
}

QList<LauncherGroup> AppSettings::loadLauncherGroups()
{
    // Groups that decode are kept; an unreadable stored value is kept aside
    // under a backup key before anything can overwrite it.
    auto loaded = StoredListRecovery::loadArray<LauncherGroup>(storedName(Key::launcherGroups), *m_defaults,
        QStringLiteral("launcher group"),
        [](const nlohmann::json& element, QString* error) { return LauncherGroup::fromJsonValue(element, error); });
    m_launcherGroupsLeftInPlace = loaded.leftInPlace;
    for (LauncherGroup& g : loaded.items)
        g.reconcileHoldModifiers();
    return loaded.items;
}

// ---- Persistence ------------------------------------------------------------------

void AppSettings::persist(const QString& key, const std::optional<QVariant>& value)
{
    if (!m_defaults) {
        Log::write(QStringLiteral("Kelvaro: no defaults database; \"%1\" was not saved").arg(key));
        return;
    }
    if (value)
        m_defaults->setValue(key, *value);
    else
        m_defaults->remove(key);
}

void AppSettings::persistHotkey(const std::optional<Hotkey>& hotkey, const QString& key)
{
    if (!hotkey) {
        persist(key, kUnassigned);
        return;
    }
    const QByteArray json = hotkey->toJson();
    if (json.isEmpty())
        return; // nothing written; the old value stays
    persist(key, json);
}

// ---- Setters -------------------------------------------------------------------------

template <typename T> bool AppSettings::assign(Key key, T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    Q_EMIT changed(key);
    return true;
}

// Every assignment is written, also of the value already held (the stored
// value may have gone meanwhile); only a change is announced.
template <typename T> bool AppSettings::update(Key key, T& field, const T& value)
{
    const bool changedNow = assign(key, field, value);
    persist(storedName(key), stored(value));
    return changedNow;
}

void AppSettings::setHotkey(std::optional<Hotkey> hotkey, HotkeyRole role)
{
    // Recording the same combination again still writes it and brings the
    // hold set back in line with it (an emptied hold set takes its modifiers).
    assign(hotkeyKey(role), m_hotkeys[std::size_t(role)], hotkey);
    persistHotkey(hotkey, storedName(hotkeyKey(role)));
    reconcileHoldModifiers(role);
}

void AppSettings::setHoldModifiers(std::uint64_t flags, HotkeyRole role)
{
    update(holdModifiersKey(role), m_holdModifiers[std::size_t(role)], flags);
}

void AppSettings::setActivationMode(ActivationMode v) { update(Key::activationMode, m_activationMode, v); }
void AppSettings::setShowOnMouseScreen(bool v) { update(Key::showOnMouseScreen, m_showOnMouseScreen, v); }
void AppSettings::setRingPlacement(RingPlacement v) { update(Key::ringPlacement, m_ringPlacement, v); }
void AppSettings::setHasCompletedOnboarding(bool v)
{
    update(Key::hasCompletedOnboarding, m_hasCompletedOnboarding, v);
}
void AppSettings::setShowLaunchMessage(bool v) { update(Key::showLaunchMessage, m_showLaunchMessage, v); }
void AppSettings::setLauncherGroups(const QList<LauncherGroup>& v)
{
    // Stored groups that could be neither read nor kept aside are never
    // written over: keeping them is tried again (there may be room now).
    if (m_launcherGroupsLeftInPlace && m_defaults)
        loadLauncherGroups();
    if (m_launcherGroupsLeftInPlace) {
        Log::write(QStringLiteral("Kelvaro: the launcher groups were not changed: the stored groups could not all be "
                                  "read nor kept aside, and are left as they are"));
        return;
    }
    update(Key::launcherGroups, m_launcherGroups, v);
}
void AppSettings::setRingScale(double v) { update(Key::ringScale, m_ringScale, v); }
void AppSettings::setAnimationSpeed(double v) { update(Key::animationSpeed, m_animationSpeed, v); }
void AppSettings::setEnable3DEffects(bool v) { update(Key::enable3DEffects, m_enable3DEffects, v); }

void AppSettings::setLaunchAtLogin(bool v)
{
    assign(Key::launchAtLogin, m_launchAtLogin, v);
    applyLaunchAtLogin();
}

void AppSettings::setLanguage(AppLanguage v)
{
    if (m_language != v) {
        m_language = v;
        Translations::install(resolvedLanguageCode()); // relabelling on the change reads the new texts
        Q_EMIT changed(Key::language);
    }
    persist(storedName(Key::language), rawValue(v));
    applyLanguage();
}

void AppSettings::setAppearance(AppearanceMode v)
{
    update(Key::appearance, m_appearance, v);
    applyAppearance();
}

// ---- Platform effects ------------------------------------------------------------------

void AppSettings::applyAppearance() { m_platform->appearance().apply(m_appearance); }

void AppSettings::applyLaunchAtLogin()
{
    LoginItem& item = m_platform->loginItem();
    const bool enabled = item.isEnabled();
    if (m_launchAtLogin == enabled)
        return;
    const auto error = m_launchAtLogin ? item.registerItem() : item.unregisterItem();
    if (error) {
        Log::write(QStringLiteral("Kelvaro: could not update login item — ") + *error);
        setLaunchAtLogin(item.isEnabled());
    }
}

void AppSettings::applyLanguage()
{
    if (const auto code = localeIdentifier(m_language))
        persist(kAppleLanguages, QVariantList { *code });
    else
        persist(kAppleLanguages, std::nullopt);
}

QLocale AppSettings::resolvedLocale() const
{
    if (const auto code = localeIdentifier(m_language))
        return QLocale(*code);
    return QLocale::system();
}

QString AppSettings::resolvedLanguageCode() const
{
    if (const auto code = localeIdentifier(m_language))
        return *code;
    return Translations::systemLanguageCode();
}

QRectF AppSettings::ringFrame(double diameter) const
{
    const double d = diameter;
    const double r = d * 0.5;
    const Screens& screens = m_platform->screens();
    const QPointF p = screens.pointer();
    std::optional<ScreenInfo> screen;
    if (m_showOnMouseScreen)
        screen = screens.screenContaining(p);
    if (!screen)
        screen = screens.mainScreen();
    if (!screen)
        return QRectF(0, 0, d, d);
    const QRectF f = screen->frame;
    QPointF c;
    if (m_ringPlacement == RingPlacement::screenCentre) {
        c = f.center();
    } else {
        double x = p.x();
        if (x <= f.left() + r)
            x = f.left() + r;
        x = std::min(x, f.right() - r);
        double y = p.y();
        if (y <= f.top() + r) // y-up: QRectF::top() is the lowest y
            y = f.top() + r;
        y = std::min(y, f.bottom() - r);
        c = QPointF(x, y);
    }
    return QRectF(c.x() - r, c.y() - r, d, d);
}
