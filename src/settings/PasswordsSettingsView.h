#pragma once
// The Passwords page of the settings window: the password ring's key-binding
// section, then the vault: a pop-up that picks one account, buttons to add,
// edit and delete accounts, and the picked account's passwords with buttons
// to add, edit, reorder and remove them. The page never reads a secret; it
// reloads its copy of the vault whenever it comes on screen and after every
// change it or its dialogs make.

#include "settings/PageParts.h"
#include "vault/PasswordEntry.h"
#include "vault/PasswordVault.h"

#include <QAbstractButton>
#include <QFrame>
#include <QList>
#include <QPointer>
#include <QUuid>
#include <QWidget>
#include <optional>

class KeyBindingSection;
class Platform;
class QLabel;
class QPushButton;
class QVBoxLayout;
class PasswordAccountEditorView;
class PasswordVariantEditorView;
class RowActionButton;

// The account pop-up button: the picked account's icon, title and detail,
// with the pop-up chevron.
class AccountPopupButton : public PopupPickerButton {
    Q_OBJECT
public:
    AccountPopupButton(QWidget* parent = nullptr);
    void setAccount(QString icon, QString title, std::optional<QString> detail);

protected:
    void paintContent(QPainter& p, const QRectF& field, const QRectF& iconRect, double textLeft, double right,
        const QColor& accent) override;

private:
    QString m_icon;
    QString m_title;
    std::optional<QString> m_detail;
};

class PasswordsSettingsView : public QWidget {
    Q_OBJECT
public:
    // The key-binding section's banner reads what the desktop grants from `platform`.
    PasswordsSettingsView(PasswordVault vault, const Platform& platform, QWidget* parent = nullptr);

    static constexpr int listHeight = 208;
    static constexpr int rowControlHeight = 34;

    // The texts that name an account in the pop-up and the picker.
    static QString accountTitle(const std::optional<PasswordEntry>& entry);
    static std::optional<QString> accountDetail(const std::optional<PasswordEntry>& entry);
    // "1 password", "%n passwords"; empty for none.
    static QString countText(int count);
    // The label, or "Password" when it is empty.
    static QString rowName(const PasswordVariant& variant);

    const QList<PasswordEntry>& entries() const { return m_entries; }
    std::optional<QUuid> selectedEntryID() const { return m_selectedEntryID; }
    std::optional<PasswordEntry> selectedEntry() const;
    void reload();
    void select(const QUuid& entryId);

    // The actions of the page's buttons (also what its tests drive).
    PasswordAccountEditorView* addAccount();
    PasswordAccountEditorView* editAccount();
    void deleteAccount(); // asks once, then deletes the account and its secrets
    PasswordVariantEditorView* addPassword();
    PasswordVariantEditorView* editPassword(int index);
    void movePassword(int index, int offset);
    void removePassword(int index);

    KeyBindingSection* keyBinding() const { return m_keyBinding; }
    AccountPopupButton* accountButton() const { return m_accountButton; }
    QWidget* accountPicker() const { return m_picker; }
    QList<QWidget*> passwordRows() const { return m_rowWidgets; }
    QLabel* countLabel() const { return m_count; }

Q_SIGNALS:
    // The stored accounts changed (the preview redraws the ring).
    void vaultChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    PasswordVault m_vault;
    const Platform& m_platform;
    void rebuild();
    void changed();
    void toggleAccountMenu();
    QWidget* passwordPanel(const PasswordEntry& entry);
    QWidget* passwordRow(const PasswordEntry& entry, const PasswordVariant& variant, int index, int total);

    QList<PasswordEntry> m_entries;
    std::optional<QUuid> m_selectedEntryID;
    KeyBindingSection* m_keyBinding = nullptr;
    QVBoxLayout* m_vaultColumn = nullptr;
    QWidget* m_vaultContent = nullptr;
    AccountPopupButton* m_accountButton = nullptr;
    QPointer<QFrame> m_picker;
    QList<QWidget*> m_rowWidgets;
    QLabel* m_count = nullptr;
};
