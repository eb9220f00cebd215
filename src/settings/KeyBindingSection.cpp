#include "settings/KeyBindingSection.h"
#include "settings/SettingsMotion.h"

#include "platform/KeyModifiers.h"
#include "settings/IconViews.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// The modifiers in the order hotkeys name them.
constexpr std::uint64_t offeredOrder[] = { Modifier::Ctrl, Modifier::Alt, Modifier::Shift, Modifier::Super };

QLabel* secondaryLabel(QWidget* parent) { return new SecondaryLabel(QString(), parent); }
}

// ---- Hold modifiers ---------------------------------------------------------------------------

HoldModifierPicker::HoldModifierPicker(ModifierBinding held, QWidget* parent)
    : QWidget(parent)
    , m_held(std::move(held))
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 4, 0, 4);
    column->setSpacing(8);
    auto* title = new QLabel(QCoreApplication::translate("Kelvaro", "Hold to keep the wheel open"), this);
    QFont f = title->font();
    f.setWeight(QFont::Medium);
    title->setFont(f);
    column->addWidget(title);
    m_strip = new KeyStrip(this);
    m_strip->setStripHeight(52);
    m_strip->setShowsCaptions(true);
    m_strip->setFillsWidth(true);
    m_strip->setAccessibleName(QCoreApplication::translate("Kelvaro", "Hold to keep the wheel open"));
    m_strip->setOnTap([this](int index) {
        const auto offered = available();
        if (index >= 0 && index < offered.size())
            toggle(offered[index]);
    });
    column->addWidget(m_strip);
    m_explanation = secondaryLabel(this);
    column->addWidget(m_explanation);
}

void HoldModifierPicker::setHotkey(const Hotkey& hotkey)
{
    m_hotkey = hotkey;
    refresh();
}

QList<std::uint64_t> HoldModifierPicker::available() const
{
    QList<std::uint64_t> out;
    for (std::uint64_t flag : offeredOrder) {
        if (m_hotkey.rawModifiers & flag)
            out << flag;
    }
    return out;
}

void HoldModifierPicker::toggle(std::uint64_t flag)
{
    const std::uint64_t held = m_held.get();
    m_held.set((held & flag) ? (held & ~flag) : (held | flag)); // the section redraws on the store's change
}

QString HoldModifierPicker::explanation() const
{
    QStringList names;
    const std::uint64_t held = m_held.get();
    for (std::uint64_t flag : available()) {
        if (held & flag)
            names << Hotkey(0, flag).modifierNames();
    }
    if (names.isEmpty())
        return QCoreApplication::translate(
            "Kelvaro", "None selected — the wheel stays open until you click or press Escape.");
    return QCoreApplication::translate(
        "Kelvaro", "Keep %1 held while you aim. Release it and the wheel chooses whatever is highlighted.")
        .arg(names.join(QLatin1Char('+')));
}

void HoldModifierPicker::refresh()
{
    QList<KeyStripItem> items;
    const std::uint64_t held = m_held.get();
    for (std::uint64_t flag : available()) {
        const QString name = Hotkey(0, flag).modifierNames().value(0);
        KeyStripItem item { name, name, std::nullopt };
        item.isPressed = (held & flag) != 0;
        items << item;
    }
    m_strip->setItems(items);
    SettingsMotion::changeText(m_explanation, explanation(), SettingsMotion::holdPicker());
    m_strip->setAccessibleDescription(explanation());
}

// ---- The section -------------------------------------------------------------------------------

KeyBindingSection::KeyBindingSection(const Platform& platform, HotkeyRole role, QWidget* parent)
    : QGroupBox(parent)
    , m_hotkey(AppSettings::shared().binding(role))
    , m_held { [role] { return AppSettings::shared().holdModifiers(role); },
        [role](std::uint64_t flags) { AppSettings::shared().setHoldModifiers(flags, role); } }
    , m_warning([role] { return AppSettings::shared().warning(AppSettings::shared().hotkey(role), role); })
    , m_permissions(platform)
{
    build(::explanation(role));
    using Key = AppSettings::Key;
    connect(&AppSettings::shared(), &AppSettings::changed, this, [this, role](Key key) {
        if (key == AppSettings::hotkeyKey(role) || key == AppSettings::holdModifiersKey(role))
            refreshPicker();
        if (key == Key::language || AppSettings::roleHotkeyKeys().contains(key))
            refreshWarning();
    });
}

KeyBindingSection::KeyBindingSection(const Platform& platform, HotkeyBinding hotkey, ModifierBinding held,
    const QString& explanation, std::function<std::optional<QString>()> warning, QWidget* parent)
    : QGroupBox(parent)
    , m_hotkey(std::move(hotkey))
    , m_held(std::move(held))
    , m_warning(std::move(warning))
    , m_permissions(platform)
{
    build(explanation);
    AppSettings::shared().onChange(this, { AppSettings::Key::launcherGroups }, [this] { refresh(); });
}

void KeyBindingSection::build(const QString& explanation)
{
    setTitle(QCoreApplication::translate("Kelvaro", "Key Binding"));
    auto* column = new QVBoxLayout(this);
    column->setSpacing(10);
    m_warningRow = new AccessibilityWarningRow(m_permissions, this);
    column->addWidget(m_warningRow);
    m_recorder = new HotkeyRecorder(
        { m_hotkey.get, m_hotkey.set }, QCoreApplication::translate("Kelvaro", "Press Shortcut"), this);
    column->addWidget(m_recorder);
    auto* text = secondaryLabel(this);
    text->setText(explanation);
    column->addWidget(text);
    m_picker = new HoldModifierPicker(m_held, this);
    column->addWidget(m_picker);
    column->addStretch(1);
    const auto showTrust = [this] { m_warningRow->setVisible(!m_permissions.isTrusted()); };
    connect(&m_permissions, &AccessibilityPermissionMonitor::trustChanged, this, showTrust);
    showTrust();
    refresh();
}

void KeyBindingSection::refresh()
{
    refreshWarning();
    refreshPicker();
}

void KeyBindingSection::refreshWarning() { m_recorder->setWarning(m_warning ? m_warning() : std::nullopt); }

void KeyBindingSection::refreshPicker()
{
    const std::optional<Hotkey> hotkey = m_hotkey.get();
    const bool showsPicker = hotkey && !hotkey->modifierNames().isEmpty();
    if (showsPicker)
        m_picker->setHotkey(*hotkey);
    m_picker->setVisible(showsPicker);
}

void KeyBindingSection::showEvent(QShowEvent* event)
{
    QGroupBox::showEvent(event);
    m_permissions.startMonitoring();
}

void KeyBindingSection::hideEvent(QHideEvent* event)
{
    m_permissions.stopMonitoring();
    QGroupBox::hideEvent(event);
}

// ---- Switcher page -------------------------------------------------------------------------------

SwitcherSettingsView::SwitcherSettingsView(const Platform& platform, QWidget* parent)
    : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(20, 16, 20, 16);
    m_section = new KeyBindingSection(platform, HotkeyRole::switcher, this);
    column->addWidget(m_section);
    column->addStretch(1);
}
