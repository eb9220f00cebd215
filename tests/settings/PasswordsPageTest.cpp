// The Passwords page and its two dialogs against the simulated keyring and
// presence check: which vault call each card makes, what is dropped and
// trimmed, a refused keyring that keeps the dialog open with nothing
// half-written, a late reveal that never overwrites typing, labels shown as
// typed, and a deleted account that leaves no secret behind.

#include "editors/EditorChrome.h"
#include "editors/IconPickerSheet.h"
#include "platform/sim/MemorySecretStore.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimPresenceCheck.h"
#include "settings/IconViews.h"
#include "settings/PasswordEditors.h"
#include "settings/PageParts.h"
#include "settings/PasswordsSettingsView.h"
#include "support/TestSupport.h"
#include "vault/PasswordAuth.h"
#include "vault/PasswordVault.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
class PasswordsPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        desktop = &env.sim().desktop();
        env.platform().ports().secretStore = keyring;
        env.platform().ports().presenceCheck = presence;
        PasswordAuth::setConversationFactory([] { return nullptr; });
        PasswordAuth::lock();
    }
    void TearDown() override
    {
        PasswordAuth::lock();
        PasswordAuth::setConversationFactory(nullptr);
    }

    PasswordEntry seed(const QString& label, const QStringList& passwords)
    {
        PasswordEntry e;
        e.label = label;
        e.account = label;
        for (const QString& p : passwords) {
            PasswordVariant v;
            v.label = p;
            keyring->items[PasswordVault::keyringAccount(v.id)] = p.toUtf8() + "-secret";
            e.variants << v;
        }
        PasswordVault(env.platform()).upsert(e);
        return e;
    }

    // Types into a field as a person does (so the dialog sees an edit).
    static void type(QLineEdit* field, const QString& text)
    {
        field->selectAll();
        QTest::keyClicks(field, text);
    }

    TestSupport::SimEnvironment env;
    SimDesktop* desktop = nullptr;
    std::shared_ptr<MemorySecretStore> keyring = std::make_shared<MemorySecretStore>();
    std::shared_ptr<SimPresenceCheck> presence = std::make_shared<SimPresenceCheck>();
};
}

TEST_F(PasswordsPage, AddingStoresTheFilledCardsTrimmedAndDropsTheEmptyOne)
{
    const PasswordEntry mail = seed(QStringLiteral("Mail"), {});
    PasswordsSettingsView page { PasswordVault(env.platform()), env.platform() };
    page.show();
    PasswordVariantEditorView* editor = page.addPassword();
    ASSERT_TRUE(editor);
    EXPECT_FALSE(editor->isEditing());
    EXPECT_FALSE(editor->removeButton(0)->isVisibleTo(editor)) << "no cross on a single card";
    EXPECT_FALSE(editor->saveButton()->isEnabled());
    editor->addRow();
    editor->addRow();
    EXPECT_EQ(editor->headerTitle(), QStringLiteral("Add Passwords"));
    EXPECT_TRUE(editor->removeButton(0)->isVisibleTo(editor));
    type(editor->labelField(0), QStringLiteral("   "));
    type(editor->secretField(0), QStringLiteral("  first  "));
    type(editor->labelField(1), QStringLiteral(" Work "));
    type(editor->secretField(1), QStringLiteral("second"));
    type(editor->secretField(2), QStringLiteral("    ")); // spaces only: counts as empty
    EXPECT_EQ(editor->saveTitle(), QStringLiteral("Add 2 Passwords"));
    editor->saveButton()->click();
    env.scheduler().runPending();

    EXPECT_FALSE(editor->isVisible());
    const auto stored = PasswordVault(env.platform()).entry(mail.id);
    ASSERT_TRUE(stored);
    ASSERT_EQ(stored->variants.size(), 2);
    EXPECT_EQ(stored->variants[0].label, QStringLiteral("Password"));
    EXPECT_EQ(stored->variants[1].label, QStringLiteral("Work"));
    EXPECT_EQ(keyring->items.value(PasswordVault::keyringAccount(stored->variants[0].id)), QByteArray("first"));
    EXPECT_EQ(keyring->items.value(PasswordVault::keyringAccount(stored->variants[1].id)), QByteArray("second"));
    EXPECT_EQ(keyring->storeCalls, 2);
    EXPECT_EQ(page.passwordRows().size(), 2);
    EXPECT_EQ(page.countLabel()->text(), QStringLiteral("2 passwords"));
    const auto first = page.passwordRows()[0]->findChildren<RowActionButton*>();
    const auto last = page.passwordRows()[1]->findChildren<RowActionButton*>();
    ASSERT_EQ(first.size(), 4); // up, down, edit, remove
    EXPECT_FALSE(first[0]->isEnabled());
    EXPECT_TRUE(first[1]->isEnabled());
    EXPECT_TRUE(last[0]->isEnabled());
    EXPECT_FALSE(last[1]->isEnabled());
    EXPECT_EQ(last[3]->accessibleName(), QStringLiteral("Remove Work"));
    EXPECT_EQ(last[3]->glyphColour(), EditorChrome::secondaryColour(last[3]->palette()))
        << "a row's remove cross is drawn in the secondary colour, not red";
    last[0]->click(); // up: the order is stored at once
    EXPECT_EQ(PasswordVault(env.platform()).entry(mail.id)->variants[0].label, QStringLiteral("Work"));
    page.passwordRows()[1]->findChildren<RowActionButton*>()[3]->click();
    ASSERT_EQ(PasswordVault(env.platform()).entry(mail.id)->variants.size(), 1);
    EXPECT_EQ(keyring->items.size(), 1) << "a removed password's secret goes with it";
    EXPECT_EQ(page.countLabel()->text(), QStringLiteral("1 password"));
}

TEST_F(PasswordsPage, AFieldFilledThroughItsAccessibleInterfaceCountsAsTyped)
{
    // A screen reader's or dictation's text arrives through the accessible
    // interface, not as keys; Save used to stay disabled for it.
    const PasswordEntry mail = seed(QStringLiteral("Mail"), {});
    PasswordsSettingsView page { PasswordVault(env.platform()), env.platform() };
    page.show();
    PasswordVariantEditorView* editor = page.addPassword();
    ASSERT_TRUE(editor);
    const auto fill = [](QLineEdit* field, const QString& text) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(field);
        ASSERT_TRUE(a && a->editableTextInterface() && a->textInterface());
        a->editableTextInterface()->replaceText(0, a->textInterface()->characterCount(), text);
    };
    fill(editor->labelField(0), QStringLiteral("Spoken"));
    fill(editor->secretField(0), QStringLiteral("dictated"));
    EXPECT_TRUE(editor->saveButton()->isEnabled());
    editor->saveButton()->click();
    env.scheduler().runPending();
    const auto stored = PasswordVault(env.platform()).entry(mail.id);
    ASSERT_TRUE(stored && stored->variants.size() == 1);
    EXPECT_EQ(stored->variants[0].label, QStringLiteral("Spoken"));
    EXPECT_EQ(keyring->items.value(PasswordVault::keyringAccount(stored->variants[0].id)), QByteArray("dictated"));
}

TEST_F(PasswordsPage, EditingWithoutTouchingTheSecretChangesOnlyTheRecordAndRevealsGoThroughTheCheck)
{
    const PasswordEntry mail = seed(QStringLiteral("Mail"), { QStringLiteral("Home"), QStringLiteral("Work") });
    PasswordsSettingsView page { PasswordVault(env.platform()), env.platform() };
    page.show();
    PasswordVariantEditorView* editor = page.editPassword(1);
    ASSERT_TRUE(editor);
    EXPECT_TRUE(editor->isEditing());
    EXPECT_EQ(editor->headerTitle(), QStringLiteral("Edit Password"));
    EXPECT_TRUE(editor->secretField(0)->text().isEmpty()) << "a stored secret is not loaded unasked";
    EXPECT_FALSE(editor->removeButton(0)->isVisibleTo(editor));
    EXPECT_TRUE(editor->saveButton()->isEnabled());
    type(editor->labelField(0), QStringLiteral("Office"));
    type(editor->hintField(0), QStringLiteral("ends 12"));
    editor->saveButton()->click();
    env.scheduler().runPending();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(keyring->storeCalls, 0);
    EXPECT_EQ(PasswordVault(env.platform()).entry(mail.id)->variants[1].label, QStringLiteral("Office"));
    EXPECT_EQ(PasswordVault(env.platform()).entry(mail.id)->variants[1].hint, QStringLiteral("ends 12"));

    // A reveal shows the stored secret after the check; saved back trimmed.
    editor = page.editPassword(0);
    editor->revealButton(0)->click();
    EXPECT_TRUE(editor->secretField(0)->text().isEmpty()) << "the answer comes later";
    env.scheduler().runPending();
    EXPECT_EQ(presence->checks, 1);
    EXPECT_EQ(editor->secretField(0)->text(), QStringLiteral("Home-secret"));
    EXPECT_EQ(editor->secretField(0)->echoMode(), QLineEdit::Normal);
    editor->revealButton(0)->click(); // hiding keeps the loaded secret
    EXPECT_EQ(editor->secretField(0)->echoMode(), QLineEdit::Password);
    EXPECT_EQ(editor->rows()[0].secret, QStringLiteral("Home-secret"));
    editor->reject();
    env.scheduler().runPending();
    EXPECT_EQ(keyring->storeCalls, 0) << "cancelling after a reveal writes nothing";
}

TEST_F(PasswordsPage, ALateRevealNeverOverwritesTypingNorActsAfterTheDialogClosed)
{
    const PasswordEntry mail = seed(QStringLiteral("Mail"), { QStringLiteral("Home") });
    PasswordsSettingsView page { PasswordVault(env.platform()), env.platform() };
    page.show();
    PasswordVariantEditorView* editor = page.editPassword(0);
    editor->revealButton(0)->click();
    type(editor->secretField(0), QStringLiteral("  typed meanwhile "));
    env.scheduler().runPending();
    EXPECT_EQ(editor->secretField(0)->text(), QStringLiteral("  typed meanwhile "));
    EXPECT_EQ(editor->rows()[0].secret, QStringLiteral("  typed meanwhile "));
    editor->saveButton()->click();
    env.scheduler().runPending();
    EXPECT_EQ(keyring->items.value(PasswordVault::keyringAccount(mail.variants[0].id)), QByteArray("typed meanwhile"));

    QPointer<PasswordVariantEditorView> closing = page.editPassword(0);
    closing->revealButton(0)->click();
    closing->reject();
    env.scheduler().runPending();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(closing) << "closed and gone; the answer found nothing to change";
}

TEST_F(PasswordsPage, ARefusedKeyringKeepsTheDialogOpenWithAMessageAndNoHalfWrittenRow)
{
    const PasswordEntry mail = seed(QStringLiteral("Mail"), {});
    keyring->refuseStores = true;
    PasswordsSettingsView page { PasswordVault(env.platform()), env.platform() };
    page.show();
    PasswordVariantEditorView* editor = page.addPassword();
    type(editor->labelField(0), QStringLiteral("<b>x</b>"));
    type(editor->secretField(0), QStringLiteral("secret"));
    editor->saveButton()->click();
    env.scheduler().runPending();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(editor->errorLabel()->isVisibleTo(editor));
    EXPECT_EQ(editor->errorLabel()->textFormat(), Qt::PlainText);
    EXPECT_TRUE(editor->errorLabel()->text().contains(QStringLiteral("<b>x</b>")));
    EXPECT_TRUE(PasswordVault(env.platform()).entry(mail.id)->variants.isEmpty());
    EXPECT_TRUE(keyring->items.isEmpty());

    keyring->refuseStores = false;
    editor->saveButton()->click();
    env.scheduler().runPending();
    EXPECT_FALSE(editor->isVisible());
    ASSERT_EQ(PasswordVault(env.platform()).entry(mail.id)->variants.size(), 1);
    // The label shows as typed on the page, never as markup.
    ASSERT_EQ(page.passwordRows().size(), 1);
    bool shownAsTyped = false;
    for (QLabel* label : page.passwordRows()[0]->findChildren<QLabel*>()) {
        if (label->text() == QStringLiteral("<b>x</b>"))
            shownAsTyped = label->textFormat() == Qt::PlainText;
    }
    EXPECT_TRUE(shownAsTyped);
}

TEST_F(PasswordsPage, AccountsAreAddedTrimmedEditedKeepingPasswordsAndDeletedWithTheirSecretsAfterOneQuestion)
{
    PasswordsSettingsView page { PasswordVault(env.platform()), env.platform() };
    page.show();
    EXPECT_FALSE(page.accountButton());
    PasswordAccountEditorView* editor = page.addAccount();
    EXPECT_FALSE(editor->isEditing());
    type(editor->nameField(), QStringLiteral("   "));
    EXPECT_FALSE(editor->saveButton()->isEnabled());
    type(editor->nameField(), QStringLiteral("  Mail  "));
    // The icon comes from the icon picker; only "Pick Icon" changes it.
    editor->iconButton()->click();
    auto* picker = qobject_cast<IconPickerSheet*>(editor->iconButton()->picker());
    ASSERT_TRUE(picker);
    picker->setDraft(QStringLiteral("envelope"));
    picker->pick();
    EXPECT_EQ(editor->iconButton()->symbol(), QStringLiteral("envelope"));
    editor->saveButton()->click();
    ASSERT_EQ(page.entries().size(), 1);
    EXPECT_EQ(page.entries()[0].icon, QStringLiteral("envelope"));
    EXPECT_EQ(page.entries()[0].label, QStringLiteral("Mail"));
    EXPECT_EQ(page.entries()[0].account, QStringLiteral("Mail"));
    EXPECT_EQ(page.selectedEntryID(), page.entries()[0].id);

    const PasswordEntry other = seed(QStringLiteral("Bank"), { QStringLiteral("PIN"), QStringLiteral("Online") });
    page.reload();
    page.select(other.id);
    editor = page.editAccount();
    EXPECT_TRUE(editor->isEditing());
    type(editor->accountField(), QStringLiteral("me@example.org"));
    editor->saveButton()->click();
    const auto edited = PasswordVault(env.platform()).entry(other.id);
    EXPECT_EQ(edited->account, QStringLiteral("me@example.org"));
    EXPECT_EQ(edited->variants, other.variants);
    EXPECT_EQ(PasswordsSettingsView::accountTitle(edited), QStringLiteral("me@example.org"));
    EXPECT_EQ(PasswordsSettingsView::accountDetail(edited), QStringLiteral("Bank"));

    page.deleteAccount();
    auto* question = page.findChild<QMessageBox*>(QStringLiteral("delete-account-confirmation"));
    ASSERT_TRUE(question);
    EXPECT_EQ(question->textFormat(), Qt::PlainText);
    EXPECT_EQ(PasswordVault(env.platform()).entries().size(), 2) << "nothing goes before the answer";
    for (QAbstractButton* b : question->buttons()) {
        if (question->buttonRole(b) == QMessageBox::DestructiveRole)
            b->click();
    }
    env.scheduler().runPending();
    EXPECT_EQ(PasswordVault(env.platform()).entries().size(), 1);
    EXPECT_TRUE(keyring->items.isEmpty()) << "both secrets of the deleted account are gone";
    EXPECT_EQ(page.selectedEntryID(), page.entries()[0].id);
}

// Both sheets: the title stands 16 points clear of the sheet's top edge and of
// the divider under it, whatever the dialog's layout does to its label.
TEST_F(PasswordsPage, SheetTitlesStandClearOfTheEdgeAndTheDivider)
{
    seed(QStringLiteral("Mail"), {});
    PasswordsSettingsView page { PasswordVault(env.platform()), env.platform() };
    page.show();
    const auto check = [](QDialog* sheet, const QString& title) {
        ASSERT_TRUE(sheet);
        sheet->show();
        QApplication::processEvents();
        QLabel* header = nullptr;
        for (QLabel* l : sheet->findChildren<QLabel*>()) {
            if (l->text() == title && l->isVisible())
                header = l;
        }
        ASSERT_TRUE(header) << title.toStdString();
        QFrame* divider = nullptr;
        for (QFrame* f : sheet->findChildren<QFrame*>()) {
            if (f->frameShape() == QFrame::HLine && (!divider || f->y() < divider->y()))
                divider = f;
        }
        ASSERT_TRUE(divider);
        const int textHeight = header->fontMetrics().height();
        const QRect text = header->contentsRect().adjusted(0, header->margin(), 0, -header->margin());
        EXPECT_EQ(header->y(), 0);
        EXPECT_GE(header->mapTo(sheet, text.topLeft()).y(), 16) << title.toStdString();
        EXPECT_GE(divider->y() - header->mapTo(sheet, text.topLeft()).y() - textHeight, 16) << title.toStdString();
        sheet->close();
    };
    PasswordAccountEditorView* account = page.editAccount();
    check(account, QStringLiteral("Edit Account"));
    PasswordVariantEditorView* password = page.addPassword();
    check(password, QStringLiteral("Add Password"));
}

TEST_F(PasswordsPage, ClosingTheDialogOverwritesWhatWasTypedWhereverItIsHeld)
{
    seed(QStringLiteral("Mail"), {});
    PasswordsSettingsView page { PasswordVault(env.platform()), env.platform() };
    page.show();
    for (const bool save : { false, true }) {
        PasswordVariantEditorView* editor = page.addPassword();
        ASSERT_TRUE(editor);
        type(editor->secretField(0), QStringLiteral("typed-secret"));
        // Shares the field's buffer, as every copy handed out does.
        const QString held = editor->secretField(0)->text();
        ASSERT_EQ(held, QStringLiteral("typed-secret"));
        const QStringView whole(held.constData(), held.capacity() - held.data_ptr().freeSpaceAtBegin());
        if (save)
            editor->saveButton()->click();
        else
            editor->reject();
        env.scheduler().runPending();
        EXPECT_FALSE(editor->isVisible());
        EXPECT_FALSE(whole.contains(u"secret")) << "saved: " << save;
        EXPECT_TRUE(editor->secretField(0)->text().isEmpty());
    }
    EXPECT_EQ(keyring->items.size(), 1) << "the saved one still reached the keyring";
}
