#include "settings/LauncherSettingsView.h"

#include "platform/Platform.h"

#include "core/AppSettings.h"
#include "core/SymbolIcons.h"
#include "ringkit/RingAnimation.h"
#include "ringkit/ChangeMotion.h"
#include "settings/IconViews.h"
#include "settings/KeyBindingSection.h"
#include "settings/LauncherAppList.h"
#include "settings/PageParts.h"
#include "settings/PasswordsSettingsView.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
AppSettings& settings() { return AppSettings::shared(); }
const QString groupSymbol = QStringLiteral("square.grid.2x2.fill");

std::optional<QString> combination(const LauncherGroup& group)
{
    if (!group.hotkey)
        return std::nullopt;
    return group.hotkey->displayString();
}
}

LauncherSettingsView::LauncherSettingsView(const Platform& platform, std::optional<QUuid> selection, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_selectedGroupID(selection)
{
    m_column = scrollingPage(this, QMargins(20, 16, 20, 16), 16);
    QWidget* body = m_column->parentWidget();
    // A group box title reads "&" as a mnemonic marker: doubled, it shows as typed.
    auto* section = new QGroupBox(
        QCoreApplication::translate("Kelvaro", "Launchers & Apps").replace(QLatin1Char('&'), QStringLiteral("&&")),
        body);
    section->setObjectName(QStringLiteral("launchers"));
    m_groupsColumn = new QVBoxLayout(section);
    m_groupsColumn->setSpacing(12);
    m_column->addWidget(section);
    m_column->addStretch(1);

    // The list follows the store; the key-binding section stays while its
    // group stays selected, so a recording in progress is never torn down.
    settings().onChange(this, { AppSettings::Key::launcherGroups }, [this] { rebuild(); });
    settings().onChange(this, AppSettings::roleHotkeyKeys(), [this] {
        if (m_keyBinding)
            m_keyBinding->refreshWarning();
    });
    rebuild();
}

void LauncherSettingsView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_selectedGroupID) {
        const QList<LauncherGroup> groups = settings().launcherGroups();
        if (!groups.isEmpty())
            setSelection(groups.first().id);
    }
}

std::optional<LauncherGroup> LauncherSettingsView::selectedGroup() const
{
    const QList<LauncherGroup> groups = settings().launcherGroups();
    for (const LauncherGroup& g : groups)
        if (m_selectedGroupID && g.id == *m_selectedGroupID)
            return g;
    if (groups.isEmpty())
        return std::nullopt;
    return groups.first();
}

std::optional<QIcon> LauncherSettingsView::menuIcon(const LauncherGroup& group) const
{
    for (const QString& id : group.bundleIdentifiers) {
        if (auto icon = AppIcons::appIcon(m_platform.workspace(), id))
            return icon;
    }
    return std::nullopt;
}

void LauncherSettingsView::setSelection(std::optional<QUuid> id)
{
    m_selectedGroupID = id;
    rebuild();
    Q_EMIT selectionChanged(id);
}

void LauncherSettingsView::addGroup()
{
    const QUuid id = settings().addLauncherGroup(QCoreApplication::translate("Kelvaro", "New Launcher"));
    setSelection(id);
}

void LauncherSettingsView::selectGroup(const QUuid& id)
{
    if (m_menu)
        m_menu->close();
    setSelection(id);
}

void LauncherSettingsView::deleteGroup()
{
    const auto group = selectedGroup();
    if (!group)
        return;
    settings().removeLauncherGroup(*group);
    const QList<LauncherGroup> rest = settings().launcherGroups();
    setSelection(rest.isEmpty() ? std::nullopt : std::optional<QUuid>(rest.first().id));
}

void LauncherSettingsView::applyRename(const QString& name)
{
    const QString trimmed = name.trimmed();
    auto group = selectedGroup();
    if (trimmed.isEmpty() || !group)
        return;
    group->name = trimmed;
    settings().updateLauncherGroup(*group);
}

void LauncherSettingsView::renameGroup()
{
    const auto group = selectedGroup();
    if (!group)
        return;
    askForName(this, QStringLiteral("rename-launcher"), QCoreApplication::translate("Kelvaro", "Rename Launcher"),
        group->name, [this](const QString& name) { applyRename(name); });
}

RingAnimation LauncherSettingsView::changeAnimation() { return RingAnimation::spring(0.2, 0.85); }

void LauncherSettingsView::rebuildKeyBinding()
{
    const auto group = selectedGroup();
    const std::optional<QUuid> id = group ? std::optional<QUuid>(group->id) : std::nullopt;
    if (m_hasKeyBinding && id == m_keyBindingGroup) {
        if (m_keyBinding)
            m_keyBinding->refresh();
        return;
    }
    if (m_keyBinding) {
        m_keyBinding->hide();
        m_keyBinding->deleteLater();
        m_keyBinding = nullptr;
    }
    m_hasKeyBinding = true;
    m_keyBindingGroup = id;
    if (!id)
        return;
    const QUuid groupId = *id;
    m_keyBinding = new KeyBindingSection(
        m_platform, settings().binding(groupId), settings().holdBinding(groupId),
        QCoreApplication::translate("Kelvaro", "Opens this launcher."),
        [groupId]() -> std::optional<QString> {
            for (const LauncherGroup& g : AppSettings::shared().launcherGroups())
                if (g.id == groupId)
                    return AppSettings::shared().warning(g);
            return std::nullopt;
        },
        m_column->parentWidget());
    m_column->insertWidget(0, m_keyBinding);
    m_keyBinding->show();
}

void LauncherSettingsView::rebuild()
{
    if (m_menu)
        m_menu->close();
    // What the page showed, for easing from it: another group fades in, the
    // same group's list moves its rows.
    const bool built = m_content != nullptr;
    const std::optional<QUuid> shownBefore = m_shownGroup;
    const std::optional<LauncherAppList::Placement> rowsBefore
        = m_appList ? std::optional(m_appList->placement()) : std::nullopt;
    KeyBindingSection* bindingBefore = m_keyBinding;
    rebuildKeyBinding();
    QVBoxLayout* column = replaceContent(m_content, 12);
    QWidget* content = m_content;
    m_groupButton = nullptr;
    m_appList = nullptr;
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    const auto selected = selectedGroup();
    if (!selected) {
        auto* none = new SecondaryLabel(QCoreApplication::translate("Kelvaro", "No launchers yet"), content);
        row->addWidget(none);
        row->addStretch(1);
    } else {
        m_groupButton = new AccountPopupButton(content);
        m_groupButton->setObjectName(QStringLiteral("launcher-popup"));
        m_groupButton->setAccount(groupSymbol, selected->name, combination(*selected));
        connect(m_groupButton, &QAbstractButton::clicked, this, &LauncherSettingsView::toggleGroupMenu);
        row->addWidget(m_groupButton, 1);
    }
    auto* add = new QPushButton(
        SymbolIcons::icon(QStringLiteral("plus")), QCoreApplication::translate("Kelvaro", "Add Launcher"), content);
    add->setObjectName(QStringLiteral("add-launcher"));
    connect(add, &QPushButton::clicked, this, &LauncherSettingsView::addGroup);
    row->addWidget(add);
    if (selected) {
        QToolButton* rename = symbolToolButton(QStringLiteral("pencil"),
            QCoreApplication::translate("Kelvaro", "Rename this launcher"), QStringLiteral("rename-launcher"), content);
        connect(rename, &QToolButton::clicked, this, &LauncherSettingsView::renameGroup);
        row->addWidget(rename);
        QToolButton* remove = symbolToolButton(QStringLiteral("trash"),
            QCoreApplication::translate("Kelvaro", "Delete this launcher"), QStringLiteral("delete-launcher"), content);
        connect(remove, &QToolButton::clicked, this, &LauncherSettingsView::deleteGroup);
        row->addWidget(remove);
    }
    column->addLayout(row);
    if (settings().launcherGroupsLeftInPlace()) {
        // Why adding, renaming or deleting a launcher does nothing.
        QLabel* note
            = plainLabel(QCoreApplication::translate("Kelvaro",
                             "Your launchers cannot be changed: some of them could not be read, and there is "
                             "no room in your settings file to keep a copy of them. They are left as they are."),
                content);
        note->setObjectName(QStringLiteral("launchers-left-in-place"));
        note->setWordWrap(true);
        column->addWidget(note);
    }
    if (selected) {
        m_appList = new LauncherAppList(m_platform, *selected, content);
        column->addWidget(m_appList);
    }
    m_groupsColumn->insertWidget(0, content);
    content->show();

    m_shownGroup = selected ? std::optional(selected->id) : std::nullopt;
    const bool still = AnimationEngine::shared().reduceMotion();
    if (built && shownBefore != m_shownGroup) {
        ChangeMotion::fadeIn(content, changeAnimation(), still);
        if (m_keyBinding && m_keyBinding != bindingBefore)
            ChangeMotion::fadeIn(m_keyBinding, changeAnimation(), still);
    } else if (m_appList && rowsBefore) {
        m_appList->easeFrom(*rowsBefore, changeAnimation(), still);
    }
}

void LauncherSettingsView::toggleGroupMenu()
{
    if (m_menu) {
        m_menu->close();
        return;
    }
    const QString title = QCoreApplication::translate("Kelvaro", "Launchers");
    const PopupList popup = popupList(this, QStringLiteral("launcher-menu"), title, 240, m_groupButton);
    QFrame* menu = popup.frame;
    QVBoxLayout* column = popup.column;
    addPopupHeading(column, new SecondaryLabel(title.toUpper(), menu));
    const auto selected = selectedGroup();
    for (const LauncherGroup& g : settings().launcherGroups()) {
        auto* row
            = new IconMenuRow(g.name, combination(g), menuIcon(g), groupSymbol, selected && selected->id == g.id, menu);
        const QUuid id = g.id;
        connect(row, &QAbstractButton::clicked, this, [this, id] { selectGroup(id); });
        column->addWidget(row);
    }
    m_menu = menu;
    dropDownUnder(menu, m_groupButton, this);
}
