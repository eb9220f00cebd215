#pragma once
// The single settings object. Every setting is loaded once from the defaults
// database when the object is made (loading writes nothing) and written back
// under its own key as soon as it is set; a change is stored when the setter
// returns. Setters announce the change (xChanged()) and then run the setting's
// follow-up, also when the value is unchanged.

#include "core/AppLanguage.h"
#include "core/Hotkey.h"
#include "core/HotkeyRole.h"
#include "core/LauncherGroup.h"
#include "core/RawEnum.h"
#include "platform/Appearance.h"
#include "platform/DefaultsStore.h"

#include <QHash>
#include <QList>
#include <QLocale>
#include <QObject>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <QUuid>
#include <QVariant>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>


// ---- Setting enums ---------------------------------------------------------

enum class ActivationMode { holdModifier, toggle };
QString rawValue(ActivationMode mode); // "holdModifier", "toggle"
template <> std::optional<ActivationMode> fromRawValue<ActivationMode>(const QString& raw);
template <> QList<ActivationMode> allCases<ActivationMode>();
QString title(ActivationMode mode);       // localized
QString explanation(ActivationMode mode); // localized
QString symbolName(ActivationMode mode);  // "hand.raised", "switch.2"

enum class RingPlacement { pointer, screenCentre };
QString rawValue(RingPlacement placement); // "pointer", "screenCentre"
template <> std::optional<RingPlacement> fromRawValue<RingPlacement>(const QString& raw);
template <> QList<RingPlacement> allCases<RingPlacement>();
QString title(RingPlacement placement);
QString explanation(RingPlacement placement);
QString symbolName(RingPlacement placement); // "cursorarrow", "rectangle.center.inset.filled"

QString rawValue(AppearanceMode mode); // "system", "light", "dark"
template <> std::optional<AppearanceMode> fromRawValue<AppearanceMode>(const QString& raw);
template <> QList<AppearanceMode> allCases<AppearanceMode>();
QString title(AppearanceMode mode);
QString symbolName(AppearanceMode mode); // "circle.lefthalf.filled", "sun.max", "moon"

// Two-way bindings for editing controls.
struct HotkeyBinding {
    std::function<std::optional<Hotkey>()> get;
    std::function<void(std::optional<Hotkey>)> set;
};
struct ModifierBinding {
    std::function<std::uint64_t()> get;
    std::function<void(std::uint64_t)> set;
};

// ---- The store ---------------------------------------------------------------

class AppSettings final : public QObject {
    Q_OBJECT
public:
    // Loads every setting from `defaults` (kept by reference; it must outlive
    // this object). Writes nothing.
    explicit AppSettings(DefaultsStore& defaults, QObject* parent = nullptr);
    ~AppSettings() override;

    // The process-wide store on DefaultsStore::shared(). When a different
    // shared defaults store has been installed since (tests), the same object
    // reloads from it, so references and connections stay valid.
    static AppSettings& shared();

    static const Hotkey defaultSwitcherHotkey;     // ⇧⌘ key code 0
    static const Hotkey defaultLauncherHotkey;     // ⇧⌘ key code 1
    static const Hotkey defaultPasswordHotkey;     // ⇧⌘ key code 35
    static const Hotkey defaultCapturedTabsHotkey; // ⇧⌘ key code 2
    static Hotkey defaultHotkey(HotkeyRole role);

    DefaultsStore& defaults() const { return *m_defaults; }

    // Hotkeys (nothing = "unassigned"). Setting one writes it and reconciles
    // the role's hold set.
    std::optional<Hotkey> switcherHotkey() const { return m_switcherHotkey; }
    void setSwitcherHotkey(std::optional<Hotkey> v);
    std::optional<Hotkey> launcherHotkey() const { return m_launcherHotkey; }
    void setLauncherHotkey(std::optional<Hotkey> v);
    std::optional<Hotkey> capturedTabsHotkey() const { return m_capturedTabsHotkey; }
    void setCapturedTabsHotkey(std::optional<Hotkey> v);
    std::optional<Hotkey> passwordHotkey() const { return m_passwordHotkey; }
    void setPasswordHotkey(std::optional<Hotkey> v);

    // Hold-modifier sets (raw modifier bits; written as given, not masked).
    std::uint64_t switcherHoldModifiers() const { return m_switcherHoldModifiers; }
    void setSwitcherHoldModifiers(std::uint64_t v);
    std::uint64_t passwordHoldModifiers() const { return m_passwordHoldModifiers; }
    void setPasswordHoldModifiers(std::uint64_t v);
    std::uint64_t launcherHoldModifiers() const { return m_launcherHoldModifiers; }
    void setLauncherHoldModifiers(std::uint64_t v);
    std::uint64_t capturedTabsHoldModifiers() const { return m_capturedTabsHoldModifiers; }
    void setCapturedTabsHoldModifiers(std::uint64_t v);

    ActivationMode activationMode() const { return m_activationMode; }
    void setActivationMode(ActivationMode v);
    bool showOnMouseScreen() const { return m_showOnMouseScreen; }
    void setShowOnMouseScreen(bool v);
    RingPlacement ringPlacement() const { return m_ringPlacement; }
    void setRingPlacement(RingPlacement v);
    // Not stored: mirrors the login item's status; setting it registers or
    // unregisters the login item.
    bool launchAtLogin() const { return m_launchAtLogin; }
    void setLaunchAtLogin(bool v);
    bool hasCompletedOnboarding() const { return m_hasCompletedOnboarding; }
    void setHasCompletedOnboarding(bool v);
    bool showLaunchMessage() const { return m_showLaunchMessage; }
    void setShowLaunchMessage(bool v);
    QList<LauncherGroup> launcherGroups() const { return m_launcherGroups; }
    void setLauncherGroups(const QList<LauncherGroup>& v);
    AppLanguage language() const { return m_language; } // key "appLanguage"
    void setLanguage(AppLanguage v);
    double ringScale() const { return m_ringScale; }
    void setRingScale(double v);
    double animationSpeed() const { return m_animationSpeed; }
    void setAnimationSpeed(double v);
    bool enable3DEffects() const { return m_enable3DEffects; }
    void setEnable3DEffects(bool v);
    AppearanceMode appearance() const { return m_appearance; }
    void setAppearance(AppearanceMode v);

    // Platform effects.
    void applyAppearance();
    void applyLanguage(); // writes or removes "AppleLanguages"

    // The interface locale: the chosen language, or the system's locale.
    QLocale resolvedLocale() const;
    // The language code whose translations are used ("de", …); "en" when the
    // system's language is none of the seventeen.
    QString resolvedLanguageCode() const;

    // Screen frame (global, y-up coordinates) of a square ring window with the
    // given diameter, by placement and the pointer's display.
    QRectF ringFrame(double diameter) const;

    // ---- Roles ----
    std::optional<Hotkey> hotkey(HotkeyRole role) const;
    void setHotkey(std::optional<Hotkey> hotkey, HotkeyRole role); // the binding's setter
    std::uint64_t holdModifiers(HotkeyRole role) const;
    void setHoldModifiers(std::uint64_t flags, HotkeyRole role);
    HotkeyBinding binding(HotkeyRole role);
    void resetHotkey(HotkeyRole role);
    // Why `hotkey` cannot serve `role` (localized), or nothing.
    std::optional<QString> warning(const std::optional<Hotkey>& hotkey, HotkeyRole role) const;
    // Role hotkeys (switcher, launcher, password, tabs) then every group's, duplicates kept.
    QList<Hotkey> takenHotkeys() const;

    // ---- Launcher groups ----
    // Groups with a hotkey and at least one application, in list order.
    QList<LauncherGroup> activeLauncherGroups() const;
    QUuid addLauncherGroup(const QString& name); // returns the new group's id
    void removeLauncherGroup(const LauncherGroup& group);
    void updateLauncherGroup(const LauncherGroup& group);
    HotkeyBinding binding(const QUuid& groupId);
    ModifierBinding holdBinding(const QUuid& groupId);
    // Why the group's hotkey cannot open it (localized), or nothing: no hotkey,
    // not valid, the hotkey of a role (switcher, launcher, passwords, tabs) or
    // of another group (the first in list order), a desktop shortcut.
    std::optional<QString> warning(const LauncherGroup& group) const;
    std::optional<Hotkey> groupHotkey(const QUuid& groupId) const;
    void setGroupHotkey(const QUuid& groupId, std::optional<Hotkey> hotkey);
    std::uint64_t groupHoldModifiers(const QUuid& groupId) const;
    void setGroupHoldModifiers(const QUuid& groupId, std::uint64_t flags);

Q_SIGNALS:
    void switcherHotkeyChanged();
    void launcherHotkeyChanged();
    void capturedTabsHotkeyChanged();
    void passwordHotkeyChanged();
    void switcherHoldModifiersChanged();
    void passwordHoldModifiersChanged();
    void launcherHoldModifiersChanged();
    void capturedTabsHoldModifiersChanged();
    void activationModeChanged();
    void showOnMouseScreenChanged();
    void ringPlacementChanged();
    void launchAtLoginChanged();
    void hasCompletedOnboardingChanged();
    void showLaunchMessageChanged();
    void launcherGroupsChanged();
    void languageChanged();
    void ringScaleChanged();
    void animationSpeedChanged();
    void enable3DEffectsChanged();
    void appearanceChanged();

private:
    void load();
    void applyLaunchAtLogin();
    void persist(const QString& key, const std::optional<QVariant>& value);
    void persistHotkey(const std::optional<Hotkey>& hotkey, const QString& key);
    void reconcileHoldModifiers(HotkeyRole role);
    static std::optional<Hotkey> loadHotkey(const DefaultsStore& d, const QString& key, const Hotkey& fallback);
    static std::uint64_t loadHold(const DefaultsStore& d, const QString& key, std::uint64_t fallback);
    QList<LauncherGroup> loadLauncherGroups();
    QString roleTitle(HotkeyRole role) const;

    QPointer<DefaultsStore> m_defaults;

    std::optional<Hotkey> m_switcherHotkey;
    std::optional<Hotkey> m_launcherHotkey;
    std::optional<Hotkey> m_capturedTabsHotkey;
    std::optional<Hotkey> m_passwordHotkey;
    std::uint64_t m_switcherHoldModifiers = 0;
    std::uint64_t m_passwordHoldModifiers = 0;
    std::uint64_t m_launcherHoldModifiers = 0;
    std::uint64_t m_capturedTabsHoldModifiers = 0;
    ActivationMode m_activationMode = ActivationMode::holdModifier;
    bool m_showOnMouseScreen = true;
    RingPlacement m_ringPlacement = RingPlacement::screenCentre;
    bool m_launchAtLogin = false;
    bool m_hasCompletedOnboarding = false;
    bool m_showLaunchMessage = true;
    QList<LauncherGroup> m_launcherGroups;
    AppLanguage m_language = AppLanguage::system;
    double m_ringScale = 1.0;
    double m_animationSpeed = 1.0;
    bool m_enable3DEffects = true;
    AppearanceMode m_appearance = AppearanceMode::system;
};
