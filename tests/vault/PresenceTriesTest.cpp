// A wrong answer at the presence check is said in the dialog, with the
// stack's own message, and asked again in the same dialog, up to three
// answers; after the third the user is told that nothing was released. A
// cancel ends the check at once and silently.

#include "platform/sim/SimPresenceCheck.h"
#include "support/TestSupport.h"
#include "vault/PasswordAuth.h"
#include "vault/PasswordVault.h"

#include <gtest/gtest.h>

namespace {
// The user's side: answers from a list (a null string cancels), and a
// record of everything the dialog was told.
class Typist final : public PresenceConversation {
public:
    void ask(const QString& prompt, bool, std::function<void(std::shared_ptr<const SecretText>)> answer) override
    {
        events << QStringLiteral("ask ") + prompt;
        const QString typed = answers.isEmpty() ? QString() : answers.takeFirst();
        answer(typed.isNull() ? nullptr : SecretText::fromUtf8(typed.toUtf8()));
        if (afterAnswer)
            afterAnswer();
    }
    void inform(const QString& message, bool isError) override
    {
        events << (isError ? QStringLiteral("error ") : QStringLiteral("info ")) + message;
    }
    void finish() override { events << QStringLiteral("finish"); }

    QStringList answers;
    QStringList events;
    std::function<void()> afterAnswer;
};

class PresenceTriesTest : public ::testing::Test {
protected:
    PresenceTriesTest()
    {
        env.platform().ports().presenceCheck = presence;
        PasswordAuth::setConversationFactory([this] { return typist; });
        PasswordVault::setNotifier([this](const QString& message) { notices << message; });
        PasswordAuth::lock();
        presence->prompt = QStringLiteral("Password: ");
        presence->expectedAnswer = "open sesame";
        presence->refusalMessage = QStringLiteral("Authentication failure");
    }
    ~PresenceTriesTest() override
    {
        PasswordAuth::lock();
        PasswordAuth::setConversationFactory(nullptr);
        PasswordVault::setNotifier(nullptr);
    }

    std::optional<bool> check(const QStringList& answers)
    {
        PasswordAuth::lock();
        typist->answers = answers;
        typist->events.clear();
        std::optional<bool> granted;
        PasswordAuth::requirePresence(nullptr, [&](bool g) { granted = g; });
        env.scheduler().runPending();
        return granted;
    }

    TestSupport::SimEnvironment env;
    std::shared_ptr<SimPresenceCheck> presence = std::make_shared<SimPresenceCheck>();
    std::shared_ptr<Typist> typist = std::make_shared<Typist>();
    QStringList notices;
};

// What the dialog was told, in order, readable in a failure.
std::string said(const Typist& typist) { return typist.events.join(QStringLiteral(" | ")).toStdString(); }

TEST_F(PresenceTriesTest, AWrongAnswerIsSaidAndAskedAgainInTheSameDialog)
{
    EXPECT_EQ(check({ QStringLiteral("open sesam"), QStringLiteral("open sesame") }), true);
    EXPECT_EQ(said(*typist),
        "ask Password:  | error Authentication failure | "
        "error That password was not accepted. Try again. | ask Password:  | finish");
    EXPECT_EQ(presence->checks, 2);
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_TRUE(PasswordAuth::isUnlocked());

    // A cancel after a wrong answer ends it there, without a word.
    EXPECT_EQ(check({ QStringLiteral("wrong"), QString() }), false);
    EXPECT_EQ(said(*typist),
        "ask Password:  | error Authentication failure | "
        "error That password was not accepted. Try again. | ask Password:  | finish");
    EXPECT_TRUE(notices.isEmpty());
}

TEST_F(PresenceTriesTest, AfterThreeWrongAnswersTheUserIsToldNothingWasReleased)
{
    EXPECT_EQ(
        check({ QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three"), QStringLiteral("open sesame") }),
        false);
    EXPECT_EQ(said(*typist),
        "ask Password:  | error Authentication failure | "
        "error That password was not accepted. Try again. | ask Password:  | "
        "error Authentication failure | error That password was not accepted. Try again. | "
        "ask Password:  | error Authentication failure | finish");
    EXPECT_EQ(notices.join(QLatin1Char('|')).toStdString(),
        "Your login password was not accepted. No saved password was released.");
    EXPECT_TRUE(env.logLines().contains(
        QStringLiteral("Kelvaro: the presence check refused 3 answers; no password was released")));
    EXPECT_FALSE(PasswordAuth::isUnlocked());

    // The screen locks while a wrong answer is being checked: no further question.
    typist->afterAnswer = [] { PasswordAuth::lock(); };
    EXPECT_EQ(check({ QStringLiteral("one"), QStringLiteral("open sesame") }), false);
    EXPECT_EQ(typist->events.count(QStringLiteral("ask Password: ")), 1) << said(*typist);
    EXPECT_EQ(notices.size(), 1);
}
}
