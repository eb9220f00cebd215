#pragma once
// The two dialogs of the Passwords page, both window-modal and opened with
// open(): the account editor (PasswordAccountEditor.h) and the password
// editor (one or more passwords of an account, with their secrets). Neither
// writes anything before the user saves. A stored secret is loaded into the
// password editor only when the user asks to see it, and then only after the
// presence check.

#include "settings/PasswordAccountEditor.h"
#include "vault/PasswordEntry.h"
#include "vault/PasswordVault.h"

#include <QDialog>
#include <QList>
#include <QToolButton>
#include <QUuid>

class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// One card of the password editor.
struct PasswordDraftRow {
    QUuid id;
    QString label;
    QString hint;
    QString icon;
    QString secret; // as typed or as revealed; empty for a stored password not revealed
    bool isRevealed = false;
    bool isPlaceholder = false; // stands for a stored password whose secret is not loaded
    bool secretEdited = false; // the user changed the secret field since the sheet opened
    bool revealPending = false;

    PasswordDraftRow() = default;
    PasswordDraftRow(const PasswordVariant& variant, QString secret, bool isPlaceholder);
    PasswordVariant asVariant() const;
};

class PasswordVariantEditorView : public QDialog {
    Q_OBJECT
public:
    PasswordVariantEditorView(
        PasswordVault vault, const QUuid& entryId, const PasswordVariant& variant, QWidget* parent = nullptr);

    bool isEditing() const { return m_isEditing; }
    const QList<PasswordDraftRow>& rows() const { return m_rows; }
    QString headerTitle() const;
    QString saveTitle() const;
    bool canSave() const;
    bool isSaving() const { return m_saving; }

    void addRow();
    void removeRow(int index);
    void toggleReveal(int index);
    // Writes the kept rows one after the other; closes when all are stored,
    // stays open with a message when the keyring refuses one.
    void save();

    // The widgets of a card, for the page's tests and assistive tools.
    QLineEdit* labelField(int index) const;
    QLineEdit* hintField(int index) const;
    QLineEdit* secretField(int index) const;
    QToolButton* revealButton(int index) const;
    QToolButton* removeButton(int index) const;
    QPushButton* saveButton() const { return m_save; }
    QPushButton* addAnotherButton() const { return m_addAnother; }
    QLabel* errorLabel() const { return m_error; }

Q_SIGNALS:
    // After every password is stored, before the dialog closes.
    void saved();

protected:
    void done(int result) override;

private:
    PasswordVault m_vault;
    struct Card {
        QWidget* frame = nullptr;
        SymbolPickerButton* icon = nullptr;
        QLineEdit* label = nullptr;
        QLineEdit* hint = nullptr;
        QLineEdit* secret = nullptr;
        QToolButton* reveal = nullptr;
        QToolButton* remove = nullptr;
    };
    int indexOf(const QUuid& rowId) const;
    void rebuildCards();
    void refresh();
    void saveNext(QList<PasswordDraftRow> pending);
    void fail(const QString& message);

    QUuid m_entryId;
    bool m_isEditing = false;
    bool m_closed = false;
    bool m_saving = false;
    QList<PasswordDraftRow> m_rows;
    QList<Card> m_cards;
    QLabel* m_header = nullptr;
    QVBoxLayout* m_cardColumn = nullptr;
    QPushButton* m_addAnother = nullptr;
    QLabel* m_error = nullptr;
    QPushButton* m_save = nullptr;
};
