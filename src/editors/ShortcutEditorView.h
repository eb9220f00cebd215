#pragma once
// The sheet that makes or edits one item of an application's shortcut ring:
// a name, an icon (a symbol or an imported picture) and what choosing it does
// (send a keystroke to the application in front, copy a text, open a link).
// It stores nothing: a valid item goes out through saved(), then it closes.

#include "core/AppShortcut.h"
#include "core/Hotkey.h"

#include <QDialog>
#include <QPointer>
#include <optional>

class HotkeyRecorder;
class IconPickerSheet;
class IconPreview;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;

enum class ShortcutAction { keyboard, text, link };

namespace ShortcutActions {
QString rawValue(ShortcutAction action); // "keyboard", "text", "link"
std::optional<ShortcutAction> fromRawValue(const QString& raw);
QList<ShortcutAction> all();
QString title(ShortcutAction action); // "Keystroke", "Text", "Link"
QString prompt(ShortcutAction action); // what choosing the item does
QString defaultIcon(ShortcutAction action); // "command", "doc.on.clipboard", "link"
// Blanks other than line breaks trimmed from both ends.
QString trimmedBlanks(const QString& text);
}

class Platform;

class ShortcutEditorView : public QDialog {
    Q_OBJECT
public:
    // `app` is the application's entry (its name and bundle identifier);
    // `existing` the item to edit, or nothing to add one.
    ShortcutEditorView(
        const Platform& platform, AppShortcut app, std::optional<AppShortcut> existing, QWidget* parent = nullptr);
    ~ShortcutEditorView() override;

    bool isEditing() const { return bool(m_existing); }
    ShortcutAction action() const { return m_action; }
    void setAction(ShortcutAction action);
    QString icon() const { return m_icon; }
    void setIcon(const QString& icon);
    std::optional<Hotkey> hotkey() const { return m_hotkey; }
    void setHotkey(std::optional<Hotkey> hotkey);

    // The first thing that keeps the input from being saved, in the
    // interface language; nothing when it can be saved.
    std::optional<QString> validationProblem() const;
    // The item as it would be saved now (whether or not it is valid).
    AppShortcut draft() const;
    // Emits saved() with the item and closes, when the input is valid.
    void save();

    // Opens the icon picker on the current icon.
    IconPickerSheet* chooseIcon();

    QLineEdit* nameField() const { return m_name; }
    QPlainTextEdit* snippetField() const { return m_snippet; }
    QLineEdit* linkField() const { return m_link; }
    HotkeyRecorder* recorder() const { return m_recorder; }
    QPushButton* saveButton() const { return m_save; }
    QLabel* problemLabel() const { return m_problem; }
    QToolButton* iconButton() const { return m_iconButton; }

Q_SIGNALS:
    void saved(const AppShortcut& shortcut);

private:
    const Platform& m_platform;
    void refresh();

    AppShortcut m_app;
    std::optional<AppShortcut> m_existing;
    ShortcutAction m_action = ShortcutAction::keyboard;
    QString m_icon;
    std::optional<Hotkey> m_hotkey;

    QLineEdit* m_name = nullptr;
    QToolButton* m_iconButton = nullptr;
    IconPreview* m_iconPreview = nullptr;
    QButtonGroup* m_kinds = nullptr;
    QLabel* m_prompt = nullptr;
    QLabel* m_payloadTitle = nullptr;
    QStackedWidget* m_payload = nullptr;
    HotkeyRecorder* m_recorder = nullptr;
    QPlainTextEdit* m_snippet = nullptr;
    QLineEdit* m_link = nullptr;
    QLabel* m_problem = nullptr;
    QPushButton* m_save = nullptr;
    QPointer<IconPickerSheet> m_picker;
};
