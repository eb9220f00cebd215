#pragma once
// The Passwords page's account editor, window-modal and opened with open():
// the name, account name and icon of one account, written only when the
// user saves. Also the icon tile that opens the icon picker, which the
// password editor's cards use too.

#include "vault/PasswordEntry.h"
#include "vault/PasswordVault.h"

#include <QDialog>
#include <QPointer>
#include <QToolButton>
#include <QUuid>

class QLabel;
class QLineEdit;
class QPushButton;

// A tile that shows an icon (a symbol or an imported picture) and opens the
// icon picker on it.
class SymbolPickerButton : public QToolButton {
    Q_OBJECT
public:
    SymbolPickerButton(QString symbol, int side, QWidget* parent = nullptr);
    QString symbol() const { return m_symbol; }
    void setSymbol(const QString& symbol);
    // The picker while it is open.
    QDialog* picker() const { return m_picker; }

Q_SIGNALS:
    void symbolChosen(const QString& symbol);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_symbol;
    QPointer<QDialog> m_picker;
};

class PasswordAccountEditorView : public QDialog {
    Q_OBJECT
public:
    PasswordAccountEditorView(PasswordVault vault, PasswordEntry entry, QWidget* parent = nullptr);

    bool isEditing() const { return m_isEditing; }
    bool canSave() const;
    // Stores the account (trimmed names, one standing in for the other) and closes.
    void save();

    QLineEdit* nameField() const { return m_name; }
    QLineEdit* accountField() const { return m_account; }
    SymbolPickerButton* iconButton() const { return m_icon; }
    QPushButton* saveButton() const { return m_save; }
    const PasswordEntry& entry() const { return m_entry; }

Q_SIGNALS:
    // After a save, before the dialog closes: the id of the stored account.
    void saved(const QUuid& entryId);

private:
    void refresh();

    PasswordVault m_vault;
    PasswordEntry m_entry;
    bool m_isEditing = false;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_account = nullptr;
    SymbolPickerButton* m_icon = nullptr;
    QPushButton* m_save = nullptr;
};
