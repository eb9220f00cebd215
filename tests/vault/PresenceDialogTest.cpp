// The presence dialog answers every question exactly once: the typed text on
// Unlock (and the field is emptied), nothing on Cancel, on closing the window
// or when the check ends with the question still open.

#include "vault/PresenceDialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(PresenceDialogTest, EveryQuestionIsAnsweredOnceWhateverTheUserDoes)
{
    auto conversation = PresenceDialog::makeConversation();
    ASSERT_TRUE(conversation);
    QList<std::optional<QByteArray>> answers;
    auto record = [&](std::optional<QByteArray> a) { answers << a; };

    conversation->ask(QStringLiteral("Password: "), false, record);
    auto* dialog = qobject_cast<PresenceDialog*>(QApplication::activeModalWidget());
    if (!dialog) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* d = qobject_cast<PresenceDialog*>(w); d && d->isVisible())
                dialog = d;
        }
    }
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
