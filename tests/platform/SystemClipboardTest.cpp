// The desktop clipboard holding a password: it answers from the secret's own
// buffer (one copy in memory, none as text), carries the hints that keep
// clipboard managers from storing it, and wipes the buffer as soon as the
// content is replaced or cleared.

#include "platform/Clipboard.h"
#include "support/TracedSecret.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <gtest/gtest.h>

std::shared_ptr<Clipboard> makeSystemClipboard();

TEST(SystemClipboardTest, ASecretIsServedFromItsOwnBufferAndWipedWhenTheContentGoes)
{
    auto board = makeSystemClipboard();
    TracedSecret password;
    const std::uint64_t before = board->changeCount();
    board->setSecret(password.make());
    EXPECT_EQ(board->changeCount(), before + 1);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    ASSERT_TRUE(data);
    EXPECT_TRUE(password.matches(data->data(QStringLiteral("text/plain"))));
    EXPECT_EQ(data->data(QStringLiteral("x-kde-passwordManagerHint")), QByteArray("secret"));
    EXPECT_TRUE(data->hasFormat(QStringLiteral("org.nspasteboard.ConcealedType")));
    EXPECT_COPIES_IN_MEMORY(password, 1, 0);

    board->setText(QStringLiteral("copied next"));
    EXPECT_COPIES_IN_MEMORY(password, 0, 0);
    EXPECT_EQ(board->text(), QStringLiteral("copied next"));
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("x-kde-passwordManagerHint")));

    TracedSecret cleared;
    board->setSecret(cleared.make());
    board->clear();
    EXPECT_COPIES_IN_MEMORY(cleared, 0, 0);
    EXPECT_TRUE(board->text().isEmpty());
}
