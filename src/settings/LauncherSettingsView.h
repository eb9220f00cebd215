#pragma once
// The Launcher page of the settings window: the selected launcher group's
// key-binding section, then a pop-up that picks the group to edit, buttons to
// add, rename and delete groups, and the group's application list. Every
// change goes through the launcher-group operations of AppSettings, which
// store the groups at once; the window keeps the selection across tabs.

#include "core/LauncherGroup.h"
#include "ringkit/RingAnimation.h"

#include <QFrame>
#include <QPointer>
#include <QUuid>
#include <QWidget>
#include <optional>

class Platform;
class AccountPopupButton;
class KeyBindingSection;
class LauncherAppList;
class QVBoxLayout;

class LauncherSettingsView : public QWidget {
    Q_OBJECT
public:
    LauncherSettingsView(const Platform& platform, std::optional<QUuid> selection, QWidget* parent = nullptr);

    static constexpr int rowControlHeight = 34;
    // Adding, deleting and choosing a group, and adding, moving and removing
    // an application, all ease with this spring (none under Reduce Motion).
    static RingAnimation changeAnimation();

    // The group being edited: the selected one, else the first; nothing without groups.
    std::optional<LauncherGroup> selectedGroup() const;
    std::optional<QUuid> selectedGroupID() const { return m_selectedGroupID; }

    // The actions of the page's buttons (also what its tests drive).
    void addGroup();
    void selectGroup(const QUuid& id);
    void deleteGroup();
    void renameGroup(); // asks for the name
    void applyRename(const QString& name); // trimmed; blank changes nothing
    void toggleGroupMenu();

    // The icon of the group's first installed application, for the pop-up.
    std::optional<QIcon> menuIcon(const LauncherGroup& group) const;

    KeyBindingSection* keyBinding() const { return m_keyBinding; }
    LauncherAppList* appList() const { return m_appList; }
    AccountPopupButton* groupButton() const { return m_groupButton; }
    QWidget* groupMenu() const { return m_menu; }

Q_SIGNALS:
    // The window's remembered selection follows the page.
    void selectionChanged(std::optional<QUuid> id);

protected:
    void showEvent(QShowEvent* event) override;

private:
    const Platform& m_platform;
    void setSelection(std::optional<QUuid> id);
    void rebuild();
    void rebuildKeyBinding();

    std::optional<QUuid> m_selectedGroupID;
    std::optional<QUuid> m_keyBindingGroup;
    std::optional<QUuid> m_shownGroup;
    bool m_hasKeyBinding = false;
    QVBoxLayout* m_column = nullptr;
    QVBoxLayout* m_groupsColumn = nullptr;
    KeyBindingSection* m_keyBinding = nullptr;
    QWidget* m_content = nullptr;
    AccountPopupButton* m_groupButton = nullptr;
    LauncherAppList* m_appList = nullptr;
    QPointer<QFrame> m_menu;
};
