// The presence dialog answers every question exactly once: the typed text on
// Unlock (and the field is emptied), nothing on Cancel, on closing the window
// or when the check ends with the question still open. The typed text leaves
// no copy behind, and messages stay under a question asked again.

#include "support/TracedSecret.h"
#include "vault/PresenceDialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
PresenceDialog* shownDialog()
{
    if (auto* dialog = qobject_cast<PresenceDialog*>(QApplication::activeModalWidget()))
        return dialog;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* d = qobject_cast<PresenceDialog*>(w); d && d->isVisible())
            return d;
    }
    return nullptr;
}
}

TEST(PresenceDialogTest, EveryQuestionIsAnsweredOnceWhateverTheUserDoes)
{
    auto conversation = PresenceDialog::makeConversation();
    ASSERT_TRUE(conversation);
    QList<std::optional<QByteArray>> answers;
    auto record = [&](std::shared_ptr<const SecretText> a) {
        answers << (a ? std::optional<QByteArray>(a->bytes().toByteArray()) : std::nullopt);
    };

    conversation->ask(QStringLiteral("Password: "), false, record);
    PresenceDialog* dialog = shownDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->promptLabel()->text(), QStringLiteral("Password:"));
    EXPECT_EQ(dialog->answerField()->echoMode(), QLineEdit::Password);
    dialog->answerField()->setText(QStringLiteral("hunter2"));
    dialog->unlockButton()->click();
    ASSERT_EQ(answers.size(), 1);
    EXPECT_EQ(answers[0], QByteArray("hunter2"));
    EXPECT_TRUE(dialog->answerField()->text().isEmpty());
    dialog->unlockButton()->click(); // nothing asked now: no second answer
    EXPECT_EQ(answers.size(), 1);

    conversation->ask(QStringLiteral("Password: "), false, record);
    dialog->cancelButton()->click();
    ASSERT_EQ(answers.size(), 2);
    EXPECT_FALSE(answers[1].has_value());

    // The check ends (or the screen locks) while a question is open: cancelled.
    conversation->ask(QStringLiteral("Password: "), false, record);
    conversation->finish();
    ASSERT_EQ(answers.size(), 3);
    EXPECT_FALSE(answers[2].has_value());
}

// The typed answer: handed over as a secret, and no copy stays in the field
// or anywhere else once that secret is let go. What the stack said stays
// under the question asked again, until the next answer is sent.
TEST(PresenceDialogTest, TheAnswerLeavesNoCopyAndMessagesStayUntilTheNextAnswer)
{
    auto conversation = PresenceDialog::makeConversation();
    std::shared_ptr<const SecretText> got;
    int answers = 0;
    auto record = [&](std::shared_ptr<const SecretText> a) {
        got = std::move(a);
        ++answers;
    };
    conversation->ask(QStringLiteral("Password: "), false, record);
    QPointer<PresenceDialog> dialog = shownDialog();
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    EXPECT_TRUE(dialog->wantedLabel()->isVisibleTo(dialog));
    EXPECT_EQ(dialog->wantedLabel()->text(), QStringLiteral("Enter your login password to use saved passwords."));

    TracedSecret login;
    for (int i = 0; i < login.size(); ++i)
        QTest::keyClick(dialog->answerField(), login.at(i));
    QTest::keyClick(dialog->answerField(), Qt::Key_Return);
    ASSERT_EQ(answers, 1);
    ASSERT_TRUE(got);
    EXPECT_TRUE(login.matches(got->bytes()));
    got.reset();
    EXPECT_COPIES_IN_MEMORY(login, 0, 0);
    // The Return that sent the answer must not reach another button once the
    // field is disabled: the dialog stays for what the check says next.
    QCoreApplication::processEvents();
    ASSERT_TRUE(dialog && dialog->isVisible());

    conversation->inform(QStringLiteral("Authentication failure"), true);
    conversation->inform(QStringLiteral("That password was not accepted. Try again."), true);
    conversation->ask(QStringLiteral("Password: "), false, record);
    EXPECT_EQ(dialog->messageLabel()->text(),
        QStringLiteral("Authentication failure\nThat password was not accepted. Try again."));
    EXPECT_TRUE(dialog->messageLabel()->isVisibleTo(dialog));
    EXPECT_TRUE(dialog->answerField()->isEnabled());
    QTest::keyClick(dialog->answerField(), 'x');
    dialog->unlockButton()->click();
    EXPECT_EQ(answers, 2);
    EXPECT_FALSE(dialog->messageLabel()->isVisibleTo(dialog));

    // A question with a visible answer is no password: no word about the login password.
    conversation->ask(QStringLiteral("Name: "), true, record);
    EXPECT_FALSE(dialog->wantedLabel()->isVisibleTo(dialog));
    conversation->finish();
}
