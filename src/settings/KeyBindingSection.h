#pragma once
// The "Key Binding" section that begins every ring's settings page: the
// banner while Kelvaro lacks what it needs from the desktop, the hotkey
// recorder, one sentence on what the hotkey opens, and the choice of which
// of the hotkey's modifiers hold the ring open. The Switcher page is this
// section for the switcher's hotkey.

#include "core/AppSettings.h"
#include "core/HotkeyRole.h"
#include "settings/AccessibilityPermissionMonitor.h"
#include "editors/HotkeyRecorder.h"

#include <QGroupBox>
#include <QWidget>
#include <functional>

class QLabel;

class HoldModifierPicker : public QWidget {
    Q_OBJECT
public:
    explicit HoldModifierPicker(ModifierBinding held, QWidget* parent = nullptr);

    void setHotkey(const Hotkey& hotkey);
    // The modifiers of the hotkey, in the order they are offered.
    QList<std::uint64_t> available() const;
    void toggle(std::uint64_t flag);
    QString explanation() const;
    KeyStrip* strip() const { return m_strip; }
    void refresh();

private:
    ModifierBinding m_held;
    Hotkey m_hotkey;
    KeyStrip* m_strip = nullptr;
    QLabel* m_explanation = nullptr;
};

class KeyBindingSection : public QGroupBox {
    Q_OBJECT
public:
    // A role's hotkey and hold set. The desktop-access banner reads what the
    // desktop grants from `platform`.
    KeyBindingSection(const Platform& platform, HotkeyRole role, QWidget* parent = nullptr);
    // Any hotkey (a launcher group's).
    KeyBindingSection(const Platform& platform, HotkeyBinding hotkey, ModifierBinding held, const QString& explanation,
        std::function<std::optional<QString>()> warning, QWidget* parent = nullptr);

    HotkeyRecorder* recorder() const { return m_recorder; }
    HoldModifierPicker* picker() const { return m_picker; }
    AccessibilityPermissionMonitor& permissions() { return m_permissions; }
    AccessibilityWarningRow* warningRow() const { return m_warningRow; }
    // The recorder's warning and the hold picker.
    void refresh();
    // The warning alone: it also names the other hotkeys.
    void refreshWarning();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void build(const QString& explanation);
    void refreshPicker();

    HotkeyBinding m_hotkey;
    ModifierBinding m_held;
    std::function<std::optional<QString>()> m_warning;
    AccessibilityPermissionMonitor m_permissions;
    AccessibilityWarningRow* m_warningRow = nullptr;
    HotkeyRecorder* m_recorder = nullptr;
    HoldModifierPicker* m_picker = nullptr;
};

// The Switcher page: the key-binding section of the switcher's hotkey.
class SwitcherSettingsView : public QWidget {
    Q_OBJECT
public:
    explicit SwitcherSettingsView(const Platform& platform, QWidget* parent = nullptr);
    KeyBindingSection* section() const { return m_section; }

private:
    KeyBindingSection* m_section = nullptr;
};
