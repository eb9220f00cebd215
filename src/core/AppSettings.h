#pragma once
// The single settings object. Every setting is loaded once from the defaults
// database when the object is made (loading writes nothing) and written back
// under its own key as soon as it is set; a change is stored when the setter
// returns. A setter given the value the setting already has does nothing;
// otherwise it announces the change (changed(key)), stores it and runs the
// setting's follow-up.

#include "core/AppLanguage.h"
#include "core/EnumTable.h"
#include "core/Hotkey.h"
#include "core/HotkeyRole.h"
#include "core/LauncherGroup.h"
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
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class Platform;

// ---- Setting enums ---------------------------------------------------------
// Each is described by its table: raw value, localized title, symbol and,
// for the first two, an explanation.

enum class ActivationMode { holdModifier, toggle };
std::span<const EnumRow<ActivationMode>> enumRows(ActivationMode); // "holdModifier", "toggle"

enum class RingPlacement { pointer, screenCentre };
std::span<const EnumRow<RingPlacement>> enumRows(RingPlacement); // "pointer", "screenCentre"

std::span<const EnumRow<AppearanceMode>> enumRows(AppearanceMode); // "system", "light", "dark"

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
    // Every setting, named in changed(). The role hotkeys and hold sets run
    // in HotkeyRole's order.
    enum class Key {
        switcherHotkey,
        launcherHotkey,
        passwordHotkey,
        capturedTabsHotkey,
        switcherHoldModifiers,
        launcherHoldModifiers,
        passwordHoldModifiers,
        capturedTabsHoldModifiers,
        activationMode,
        showOnMouseScreen,
        ringPlacement,
        launchAtLogin,
        hasCompletedOnboarding,
        showLaunchMessage,
        launcherGroups,
        language,
        ringScale,
        animationSpeed,
        enable3DEffects,
        appearance,
    };
    Q_ENUM(Key)

    // Loads every setting from the platform's defaults, or from `defaults`
    // when given (both kept by reference; they must outlive this object).
    // The platform's other ports carry the settings' effects: login item,
    // appearance, screens. Writes nothing.
    explicit AppSettings(const Platform& platform, QObject* parent = nullptr);
    AppSettings(const Platform& platform, DefaultsStore& defaults, QObject* parent = nullptr);
    ~AppSettings() override;

    // The process-wide settings on the installed platform. When a different
    // platform or defaults store has been installed since (tests), the same
    // object reloads from it, so references and connections stay valid.
    static AppSettings& shared();

    static const Hotkey defaultSwitcherHotkey; // ⇧⌘ key code 0
    static const Hotkey defaultLauncherHotkey; // ⇧⌘ key code 1
    static const Hotkey defaultPasswordHotkey; // ⇧⌘ key code 35
    static const Hotkey defaultCapturedTabsHotkey; // ⇧⌘ key code 2
    static Hotkey defaultHotkey(HotkeyRole role);

    // Every key, in declaration order.
    static QList<Key> allKeys();
    // The four role hotkeys.
    static QList<Key> roleHotkeyKeys();
    static Key hotkeyKey(HotkeyRole role);
    static Key holdModifiersKey(HotkeyRole role);
    // The defaults key the setting is stored under ("switcherHotkey",
    // "appLanguage", …); empty for launchAtLogin, which is not stored.
    static QString storedName(Key key);

    // Calls `react` after any of `keys` has changed, for as long as `context` lives.
    QMetaObject::Connection onChange(const QObject* context, QList<Key> keys, std::function<void()> react);

    DefaultsStore& defaults() const { return *m_defaults; }

    // Hotkeys (nothing = "unassigned"). Setting one writes it and reconciles
    // the role's hold set.
    std::optional<Hotkey> switcherHotkey() const { return hotkey(HotkeyRole::switcher); }
    void setSwitcherHotkey(std::optional<Hotkey> v) { setHotkey(v, HotkeyRole::switcher); }
    std::optional<Hotkey> launcherHotkey() const { return hotkey(HotkeyRole::launcher); }
    void setLauncherHotkey(std::optional<Hotkey> v) { setHotkey(v, HotkeyRole::launcher); }
    std::optional<Hotkey> capturedTabsHotkey() const { return hotkey(HotkeyRole::capturedTabs); }
    void setCapturedTabsHotkey(std::optional<Hotkey> v) { setHotkey(v, HotkeyRole::capturedTabs); }
    std::optional<Hotkey> passwordHotkey() const { return hotkey(HotkeyRole::passwords); }
    void setPasswordHotkey(std::optional<Hotkey> v) { setHotkey(v, HotkeyRole::passwords); }

    // Hold-modifier sets (raw modifier bits; written as given, not masked).
    std::uint64_t switcherHoldModifiers() const { return holdModifiers(HotkeyRole::switcher); }
    void setSwitcherHoldModifiers(std::uint64_t v) { setHoldModifiers(v, HotkeyRole::switcher); }
    std::uint64_t passwordHoldModifiers() const { return holdModifiers(HotkeyRole::passwords); }
    void setPasswordHoldModifiers(std::uint64_t v) { setHoldModifiers(v, HotkeyRole::passwords); }
    std::uint64_t launcherHoldModifiers() const { return holdModifiers(HotkeyRole::launcher); }
    void setLauncherHoldModifiers(std::uint64_t v) { setHoldModifiers(v, HotkeyRole::launcher); }
    std::uint64_t capturedTabsHoldModifiers() const { return holdModifiers(HotkeyRole::capturedTabs); }
    void setCapturedTabsHoldModifiers(std::uint64_t v) { setHoldModifiers(v, HotkeyRole::capturedTabs); }

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
    // Refused, changing nothing, while launcherGroupsLeftInPlace().
    void setLauncherGroups(const QList<LauncherGroup>& v);
    // The stored groups could not all be read, nor kept aside: they are left
    // as they are, and the groups cannot be changed (writing them would lose them).
    bool launcherGroupsLeftInPlace() const { return m_launcherGroupsLeftInPlace; }
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
    std::optional<Hotkey> hotkey(HotkeyRole role) const { return m_hotkeys[std::size_t(role)]; }
    void setHotkey(std::optional<Hotkey> hotkey, HotkeyRole role); // the binding's setter
    std::uint64_t holdModifiers(HotkeyRole role) const { return m_holdModifiers[std::size_t(role)]; }
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
    // After the setting has its new value, before it is stored and before its
    // follow-up runs; never for a value the setting already had.
    void changed(AppSettings::Key key);

private:
    void load();
    void applyLaunchAtLogin();
    // Both return whether the value was new: assign announces it, update
    // also stores it under the key's name.
    template <typename T> bool assign(Key key, T& field, const T& value);
    template <typename T> bool update(Key key, T& field, const T& value);
    void persist(const QString& key, const std::optional<QVariant>& value);
    void persistHotkey(const std::optional<Hotkey>& hotkey, const QString& key);
    void reconcileHoldModifiers(HotkeyRole role);
    static std::optional<Hotkey> loadHotkey(const DefaultsStore& d, const QString& key, const Hotkey& fallback);
    static std::uint64_t loadHold(const DefaultsStore& d, const QString& key, std::uint64_t fallback);
    QList<LauncherGroup> loadLauncherGroups();

    const Platform* m_platform;
    QPointer<DefaultsStore> m_defaults;

    std::array<std::optional<Hotkey>, hotkeyRoleCount> m_hotkeys; // by role
    std::array<std::uint64_t, hotkeyRoleCount> m_holdModifiers {};
    ActivationMode m_activationMode = ActivationMode::holdModifier;
    bool m_showOnMouseScreen = true;
    RingPlacement m_ringPlacement = RingPlacement::screenCentre;
    bool m_launchAtLogin = false;
    bool m_hasCompletedOnboarding = false;
    bool m_showLaunchMessage = true;
    QList<LauncherGroup> m_launcherGroups;
    bool m_launcherGroupsLeftInPlace = false;
    AppLanguage m_language = AppLanguage::system;
    double m_ringScale = 1.0;
    double m_animationSpeed = 1.0;
    bool m_enable3DEffects = true;
    AppearanceMode m_appearance = AppearanceMode::system;
};
