#pragma once
// The Shortcuts page of the settings window: the shortcut ring's key-binding
// section, then the applications that have a shortcut list, a pop-up that
// picks one of them, and the picked application's shortcuts with buttons to
// add, suggest, edit, reorder and delete them.
//
// The page keeps no data of its own: it reads every list from
// ShortcutStorage::shared(), which the ring reads each time it opens, and
// writes every change there at once. An application is registered by an
// entry of its own in its list (no keystroke, text or link, icon "app");
// every other entry is a shortcut.

#include "core/AppShortcut.h"
#include "editors/ShortcutEditorView.h"
#include "editors/ShortcutSuggestionsView.h"
#include "ring/ShortcutPreset.h"
#include "settings/PageParts.h"

#include <QAbstractButton>
#include <QFrame>
#include <QIcon>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <optional>

class Platform;
class KeyBindingSection;
class QLabel;
class QPushButton;
class QToolButton;
class QVBoxLayout;
class ShortcutRowView;

// The application pop-up button: the picked application's icon and name, with the chevron.
class AppPopupButton : public PopupPickerButton {
    Q_OBJECT
public:
    AppPopupButton(QWidget* parent = nullptr);
    void setApp(std::optional<QIcon> icon, const QString& name);

protected:
    void paintContent(QPainter& p, const QRectF& field, const QRectF& iconRect, double textLeft, double right,
        const QColor& accent) override;

private:
    std::optional<QIcon> m_icon;
};

class ShortcutsSettingsView : public QWidget {
    Q_OBJECT
public:
    // `selectedApp`: the selection the window kept from an earlier showing.
    ShortcutsSettingsView(const Platform& platform, std::optional<AppShortcut> selectedApp, QWidget* parent = nullptr);

    static constexpr int shortcutListHeight = 208;
    static constexpr int rowControlHeight = 34;

    // An application's own entry, as the page registers it.
    static AppShortcut appEntry(const QString& name, const QString& bundleIdentifier);
    static bool isAppEntry(const AppShortcut& item);
    // "1 shortcut", "%n shortcuts"; empty for none.
    static QString countText(int count);
    // The installed file manager the page starts with on an empty store.
    std::optional<QString> starterAppIdentifier() const;

    QList<AppShortcut> registeredApps() const;
    QList<AppShortcut> shortcuts(const AppShortcut& app) const;
    std::optional<AppShortcut> selectedApp() const { return m_selected; }
    void select(const std::optional<AppShortcut>& app);

    // The page's actions (what its buttons do; also what its tests drive).
    void loadSavedShortcuts();
    void selectAppDirectly(); // "Add App": the application chooser
    void addApp(const AppShortcut& entry); // registers (or just selects) an application
    ShortcutEditorView* addShortcut();
    ShortcutEditorView* editShortcut(const AppShortcut& shortcut);
    ShortcutSuggestionsView* suggest(); // nothing when there is nothing to suggest
    void deleteShortcut(const AppShortcut& shortcut);
    void move(const AppShortcut& shortcut, int offset);
    void removeSelectedApp();

    KeyBindingSection* keyBinding() const { return m_keyBinding; }
    AppPopupButton* appButton() const { return m_appButton; }
    QWidget* appPicker() const { return m_picker; }
    QList<ShortcutRowView*> rows() const { return m_rows; }
    QLabel* countLabel() const { return m_count; }
    QPushButton* suggestButton() const { return m_suggest; }
    ShortcutSuggestionsView* openSuggestions() const { return m_suggestions; }

Q_SIGNALS:
    // The picked application and its shortcuts, for the ring preview.
    void previewChanged(const std::optional<AppShortcut>& app, const QList<AppShortcut>& shortcuts);

protected:
    void showEvent(QShowEvent* event) override;

private:
    const Platform& m_platform;
    void publishPreview();
    void rebuild();
    void toggleAppMenu();
    void presentSuggestionsIfNeeded(const AppShortcut& app);
    ShortcutSuggestionsView* presentSuggestions(const AppShortcut& app, const QList<ShortcutPreset>& presets);
    QWidget* shortcutPanel(const AppShortcut& app);
    QWidget* emptyState(const AppShortcut& app, QWidget* parent);

    QList<AppShortcut> m_apps;
    std::optional<AppShortcut> m_selected;
    KeyBindingSection* m_keyBinding = nullptr;
    QVBoxLayout* m_sectionColumn = nullptr;
    QWidget* m_content = nullptr;
    AppPopupButton* m_appButton = nullptr;
    QPointer<QFrame> m_picker;
    QList<ShortcutRowView*> m_rows;
    QLabel* m_count = nullptr;
    QPushButton* m_suggest = nullptr;
    QPointer<ShortcutSuggestionsView> m_suggestions;
    QPointer<ShortcutEditorView> m_editor;
};
