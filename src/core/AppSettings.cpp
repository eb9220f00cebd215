#include "core/AppSettings.h"

#include "core/StoredListRecovery.h"
#include "core/Translations.h"

#include "platform/Appearance.h"
#include "platform/DefaultsStore.h"
#include "platform/Log.h"
#include "platform/LoginItem.h"
#include "platform/Screens.h"

#include <QCoreApplication>
#include <cmath>

namespace {
constexpr std::uint64_t kShiftCommand = Modifier::Shift | Modifier::Command;
const QString kUnassigned = QStringLiteral("unassigned");
const QString kAppleLanguages = QStringLiteral("AppleLanguages");
const QString kLauncherGroups = QStringLiteral("launcherGroups");

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

std::optional<bool> storedBool(const DefaultsStore& d, const QString& key)
{
    const auto v = d.value(key);
    if (v && v->typeId() == QMetaType::Bool)
        return v->toBool();
    return std::nullopt;
}
}

const Hotkey AppSettings::defaultSwitcherHotkey { 0, kShiftCommand };
const Hotkey AppSettings::defaultLauncherHotkey { 1, kShiftCommand };
const Hotkey AppSettings::defaultPasswordHotkey { 35, kShiftCommand };
const Hotkey AppSettings::defaultCapturedTabsHotkey { 2, kShiftCommand };

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

QString rawValue(ActivationMode mode)
{
    return mode == ActivationMode::toggle ? QStringLiteral("toggle") : QStringLiteral("holdModifier");
}
template <>
std::optional<ActivationMode> fromRawValue<ActivationMode>(const QString& raw)
{
    for (auto m : allCases<ActivationMode>())
        if (rawValue(m) == raw)
            return m;
    return std::nullopt;
}
template <>
QList<ActivationMode> allCases<ActivationMode>() { return { ActivationMode::holdModifier, ActivationMode::toggle }; }
QString title(ActivationMode mode)
{
    return mode == ActivationMode::toggle ? QCoreApplication::translate("Kelvaro", "Toggle")
                                          : QCoreApplication::translate("Kelvaro", "Hold modifiers");
}
QString explanation(ActivationMode mode)
{
    return mode == ActivationMode::toggle
        ? QCoreApplication::translate("Kelvaro",
                                      "The ring stays open after you let go. Press the shortcut again or click to choose.")
        : QCoreApplication::translate("Kelvaro",
                                      "Keep the modifier keys held to aim with the mouse, then release to choose.");
}
QString symbolName(ActivationMode mode)
{
    return mode == ActivationMode::toggle ? QStringLiteral("switch.2") : QStringLiteral("hand.raised");
}

QString rawValue(RingPlacement placement)
{
    return placement == RingPlacement::pointer ? QStringLiteral("pointer") : QStringLiteral("screenCentre");
}
template <>
std::optional<RingPlacement> fromRawValue<RingPlacement>(const QString& raw)
{
    for (auto p : allCases<RingPlacement>())
        if (rawValue(p) == raw)
            return p;
    return std::nullopt;
}
template <>
QList<RingPlacement> allCases<RingPlacement>() { return { RingPlacement::pointer, RingPlacement::screenCentre }; }
QString title(RingPlacement placement)
{
    return placement == RingPlacement::pointer ? QCoreApplication::translate("Kelvaro", "At the pointer")
                                               : QCoreApplication::translate("Kelvaro", "Centre of the display");
}
QString explanation(RingPlacement placement)
{
    return placement == RingPlacement::pointer
        ? QCoreApplication::translate("Kelvaro", "The ring opens around the pointer, so it is always within reach.")
        : QCoreApplication::translate("Kelvaro", "The ring always opens in the middle of the display.");
}
QString symbolName(RingPlacement placement)
{
    return placement == RingPlacement::pointer ? QStringLiteral("cursorarrow")
                                               : QStringLiteral("rectangle.center.inset.filled");
}

QString rawValue(AppearanceMode mode)
{
    switch (mode) {
    case AppearanceMode::system:
        return QStringLiteral("system");
    case AppearanceMode::light:
        return QStringLiteral("light");
    case AppearanceMode::dark:
        return QStringLiteral("dark");
    }
    return {};
}
template <>
std::optional<AppearanceMode> fromRawValue<AppearanceMode>(const QString& raw)
{
    for (auto m : allCases<AppearanceMode>())
        if (rawValue(m) == raw)
            return m;
    return std::nullopt;
}
template <>
QList<AppearanceMode> allCases<AppearanceMode>()
{
    return { AppearanceMode::system, AppearanceMode::light, AppearanceMode::dark };
}
QString title(AppearanceMode mode)
{
    switch (mode) {
    case AppearanceMode::system:
        return QCoreApplication::translate("Kelvaro", "System");
    case AppearanceMode::light:
        return QCoreApplication::translate("Kelvaro", "Light");
    case AppearanceMode::dark:
        return QCoreApplication::translate("Kelvaro", "Dark");
    }
    return {};
}
QString symbolName(AppearanceMode mode)
{
    switch (mode) {
    case AppearanceMode::system:
        return QStringLiteral("circle.lefthalf.filled");
    case AppearanceMode::light:
        return QStringLiteral("sun.max");
    case AppearanceMode::dark:
        return QStringLiteral("moon");
    }
    return {};
}

// ---- Construction and loading ------------------------------------------------------

AppSettings::AppSettings(DefaultsStore& defaults, QObject* parent)
    : QObject(parent)
    , m_defaults(&defaults)
{
    load();
}

AppSettings::~AppSettings() = default;

AppSettings& AppSettings::shared()
{
    static AppSettings* instance = nullptr; // lives for the whole process
    DefaultsStore& store = DefaultsStore::shared();
    if (!instance) {
        instance = new AppSettings(store);
    } else if (instance->m_defaults.data() != &store) {
        // Another defaults store was installed (tests): reload from it.
        instance->m_defaults = &store;
        instance->load();
        Q_EMIT instance->switcherHotkeyChanged();
        Q_EMIT instance->launcherHotkeyChanged();
        Q_EMIT instance->capturedTabsHotkeyChanged();
        Q_EMIT instance->passwordHotkeyChanged();
        Q_EMIT instance->switcherHoldModifiersChanged();
        Q_EMIT instance->passwordHoldModifiersChanged();
        Q_EMIT instance->launcherHoldModifiersChanged();
        Q_EMIT instance->capturedTabsHoldModifiersChanged();
        Q_EMIT instance->activationModeChanged();
        Q_EMIT instance->showOnMouseScreenChanged();
        Q_EMIT instance->ringPlacementChanged();
        Q_EMIT instance->launchAtLoginChanged();
        Q_EMIT instance->hasCompletedOnboardingChanged();
        Q_EMIT instance->showLaunchMessageChanged();
        Q_EMIT instance->launcherGroupsChanged();
        Q_EMIT instance->languageChanged();
        Q_EMIT instance->ringScaleChanged();
        Q_EMIT instance->animationSpeedChanged();
        Q_EMIT instance->enable3DEffectsChanged();
        Q_EMIT instance->appearanceChanged();
    }
    return *instance;
}

void AppSettings::load()
{
    const DefaultsStore& d = *m_defaults;

    m_switcherHotkey = loadHotkey(d, hotkeyKey(HotkeyRole::switcher), defaultSwitcherHotkey);
    m_launcherHotkey = loadHotkey(d, hotkeyKey(HotkeyRole::launcher), defaultLauncherHotkey);
    m_passwordHotkey = loadHotkey(d, hotkeyKey(HotkeyRole::passwords), defaultPasswordHotkey);
    m_capturedTabsHotkey = loadHotkey(d, hotkeyKey(HotkeyRole::capturedTabs), defaultCapturedTabsHotkey);

    auto holdDefault = [&](HotkeyRole role) -> std::uint64_t {
        const auto h = loadHotkey(d, hotkeyKey(role), defaultHotkey(role));
        return h ? h->rawModifiers : 0;
    };
    m_switcherHoldModifiers = loadHold(d, holdModifiersKey(HotkeyRole::switcher), holdDefault(HotkeyRole::switcher));
    m_launcherHoldModifiers = loadHold(d, holdModifiersKey(HotkeyRole::launcher), holdDefault(HotkeyRole::launcher));
    m_passwordHoldModifiers = loadHold(d, holdModifiersKey(HotkeyRole::passwords), holdDefault(HotkeyRole::passwords));
    m_capturedTabsHoldModifiers
        = loadHold(d, holdModifiersKey(HotkeyRole::capturedTabs), holdDefault(HotkeyRole::capturedTabs));

    const auto mode = stringValue(d.value(QStringLiteral("activationMode")));
    m_activationMode = mode ? fromRawValue<ActivationMode>(*mode).value_or(ActivationMode::holdModifier)
                            : ActivationMode::holdModifier;
    m_showOnMouseScreen = storedBool(d, QStringLiteral("showOnMouseScreen")).value_or(true);
    const auto placement = stringValue(d.value(QStringLiteral("ringPlacement")));
    m_ringPlacement = placement ? fromRawValue<RingPlacement>(*placement).value_or(RingPlacement::screenCentre)
                                : RingPlacement::screenCentre;
    m_hasCompletedOnboarding = d.boolValue(QStringLiteral("hasCompletedOnboarding"));
    m_ringScale = loadFactor(d, QStringLiteral("ringScale"));
    m_animationSpeed = loadFactor(d, QStringLiteral("animationSpeed"));
    m_enable3DEffects = storedBool(d, QStringLiteral("enable3DEffects")).value_or(true);
    const auto appearance = stringValue(d.value(QStringLiteral("appearance")));
    m_appearance = appearance ? fromRawValue<AppearanceMode>(*appearance).value_or(AppearanceMode::system)
                              : AppearanceMode::system;
    const auto language = stringValue(d.value(QStringLiteral("appLanguage")));
    m_language = language ? fromRawValue<AppLanguage>(*language).value_or(AppLanguage::system) : AppLanguage::system;
    Translations::install(resolvedLanguageCode());
    m_showLaunchMessage = storedBool(d, QStringLiteral("showLaunchMessage")).value_or(true);
    m_launcherGroups = loadLauncherGroups();
    m_launchAtLogin = LoginItem::shared().isEnabled();
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
    auto loaded = StoredListRecovery::loadArray<LauncherGroup>(
        kLauncherGroups, *m_defaults, QStringLiteral("launcher group"),
        [](const nlohmann::json& element, QString* error) { return LauncherGroup::fromJsonValue(element, error); });
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

void AppSettings::setSwitcherHotkey(std::optional<Hotkey> v)
{
    m_switcherHotkey = v;
    Q_EMIT switcherHotkeyChanged();
    persistHotkey(v, hotkeyKey(HotkeyRole::switcher));
    reconcileHoldModifiers(HotkeyRole::switcher);
}
void AppSettings::setLauncherHotkey(std::optional<Hotkey> v)
{
    m_launcherHotkey = v;
    Q_EMIT launcherHotkeyChanged();
    persistHotkey(v, hotkeyKey(HotkeyRole::launcher));
    reconcileHoldModifiers(HotkeyRole::launcher);
}
void AppSettings::setPasswordHotkey(std::optional<Hotkey> v)
{
    m_passwordHotkey = v;
    Q_EMIT passwordHotkeyChanged();
    persistHotkey(v, hotkeyKey(HotkeyRole::passwords));
    reconcileHoldModifiers(HotkeyRole::passwords);
}
void AppSettings::setCapturedTabsHotkey(std::optional<Hotkey> v)
{
    m_capturedTabsHotkey = v;
    Q_EMIT capturedTabsHotkeyChanged();
    persistHotkey(v, hotkeyKey(HotkeyRole::capturedTabs));
    reconcileHoldModifiers(HotkeyRole::capturedTabs);
}

void AppSettings::setSwitcherHoldModifiers(std::uint64_t v)
{
    m_switcherHoldModifiers = v;
    Q_EMIT switcherHoldModifiersChanged();
    persist(holdModifiersKey(HotkeyRole::switcher), QVariant(quint64(v)));
}
void AppSettings::setPasswordHoldModifiers(std::uint64_t v)
{
    m_passwordHoldModifiers = v;
    Q_EMIT passwordHoldModifiersChanged();
    persist(holdModifiersKey(HotkeyRole::passwords), QVariant(quint64(v)));
}
void AppSettings::setLauncherHoldModifiers(std::uint64_t v)
{
    m_launcherHoldModifiers = v;
    Q_EMIT launcherHoldModifiersChanged();
    persist(holdModifiersKey(HotkeyRole::launcher), QVariant(quint64(v)));
}
void AppSettings::setCapturedTabsHoldModifiers(std::uint64_t v)
{
    m_capturedTabsHoldModifiers = v;
    Q_EMIT capturedTabsHoldModifiersChanged();
    persist(holdModifiersKey(HotkeyRole::capturedTabs), QVariant(quint64(v)));
}

void AppSettings::setActivationMode(ActivationMode v)
{
    m_activationMode = v;
    Q_EMIT activationModeChanged();
    persist(QStringLiteral("activationMode"), rawValue(v));
}
void AppSettings::setShowOnMouseScreen(bool v)
{
    m_showOnMouseScreen = v;
    Q_EMIT showOnMouseScreenChanged();
    persist(QStringLiteral("showOnMouseScreen"), v);
}
void AppSettings::setRingPlacement(RingPlacement v)
{
    m_ringPlacement = v;
    Q_EMIT ringPlacementChanged();
    persist(QStringLiteral("ringPlacement"), rawValue(v));
}
void AppSettings::setLaunchAtLogin(bool v)
{
    m_launchAtLogin = v;
    Q_EMIT launchAtLoginChanged();
    applyLaunchAtLogin();
}
void AppSettings::setHasCompletedOnboarding(bool v)
{
    m_hasCompletedOnboarding = v;
    Q_EMIT hasCompletedOnboardingChanged();
    persist(QStringLiteral("hasCompletedOnboarding"), v);
}
void AppSettings::setShowLaunchMessage(bool v)
{
    m_showLaunchMessage = v;
    Q_EMIT showLaunchMessageChanged();
    persist(QStringLiteral("showLaunchMessage"), v);
}
void AppSettings::setLauncherGroups(const QList<LauncherGroup>& v)
{
    m_launcherGroups = v;
    Q_EMIT launcherGroupsChanged();
    persist(kLauncherGroups, LauncherGroup::encodeList(v));
}
void AppSettings::setLanguage(AppLanguage v)
{
    m_language = v;
    Translations::install(resolvedLanguageCode()); // relabelling on languageChanged reads the new texts
    Q_EMIT languageChanged();
    persist(QStringLiteral("appLanguage"), rawValue(v));
    applyLanguage();
}
void AppSettings::setRingScale(double v)
{
    m_ringScale = v;
    Q_EMIT ringScaleChanged();
    persist(QStringLiteral("ringScale"), v);
}
void AppSettings::setAnimationSpeed(double v)
{
    m_animationSpeed = v;
    Q_EMIT animationSpeedChanged();
    persist(QStringLiteral("animationSpeed"), v);
}
void AppSettings::setEnable3DEffects(bool v)
{
    m_enable3DEffects = v;
    Q_EMIT enable3DEffectsChanged();
    persist(QStringLiteral("enable3DEffects"), v);
}
void AppSettings::setAppearance(AppearanceMode v)
{
    m_appearance = v;
    Q_EMIT appearanceChanged();
    persist(QStringLiteral("appearance"), rawValue(v));
    applyAppearance();
}

// ---- Platform effects ------------------------------------------------------------------

void AppSettings::applyAppearance() { Appearance::shared().apply(m_appearance); }

void AppSettings::applyLaunchAtLogin()
{
    LoginItem& item = LoginItem::shared();
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
    const Screens& screens = Screens::shared();
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
