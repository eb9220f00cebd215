// The presence check through the real Linux-PAM library, pointed at service
// files of the test's own.

#include "platform/PresenceCheck.h"
#include "support/TestSupport.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

namespace {
class Answering final : public PresenceConversation {
public:
    explicit Answering(std::optional<QByteArray> answer)
        : m_answer(std::move(answer))
    {
    }
    void ask(const QString& prompt, bool echo, std::function<void(std::shared_ptr<const SecretText>)> answer) override
    {
        prompts << prompt;
        EXPECT_FALSE(echo);
        answer(m_answer ? SecretText::fromUtf8(*m_answer) : nullptr);
    }
    void inform(const QString&, bool) override { }
    void finish() override { ++finished; }
    QStringList prompts;
    int finished = 0;

private:
    std::optional<QByteArray> m_answer;
};

class PamTest : public ::testing::Test {
protected:
    PamTest() { QDir().mkpath(dir); }

    void service(const QString& authLine)
    {
        QFile f(dir + QStringLiteral("/kelvaro"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write((QStringLiteral("auth required ") + authLine + QStringLiteral("\naccount required pam_permit.so\n"))
                    .toUtf8());
    }
    void passwordFile(const QString& password)
    {
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"), { QStringLiteral("passwd"), QStringLiteral("-1"), password });
        openssl.waitForFinished(10000);
        const QString path = dir + QStringLiteral("/passwd");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(getpwuid(getuid())->pw_name) + ':' + openssl.readAllStandardOutput().trimmed() + '\n');
        service(QStringLiteral("pam_pwdfile.so nodelay pwdfile=") + path);
    }
    PresenceCheck::Outcome check(std::shared_ptr<PresenceConversation> conversation)
    {
        std::optional<PresenceCheck::Outcome> outcome;
        pam->verify(conversation, nullptr, [&](PresenceCheck::Outcome o) { outcome = o; });
        QDeadlineTimer deadline(10000);
        while (!outcome && !deadline.hasExpired())
            QTest::qWait(5);
        EXPECT_TRUE(outcome.has_value());
        return outcome.value_or(PresenceCheck::Outcome::Unavailable);
    }

    TestSupport::SimEnvironment env;
    QString dir = TestSupport::tempRoot() + QStringLiteral("/pam.d");
    std::shared_ptr<PresenceCheck> pam = makePamPresenceCheck(dir.toLocal8Bit());
};

TEST_F(PamTest, TheServiceDecidesAndItsQuestionGoesToTheConversation)
{
    service(QStringLiteral("pam_permit.so"));
    EXPECT_EQ(check(nullptr), PresenceCheck::Outcome::Granted);
    service(QStringLiteral("pam_deny.so"));
    EXPECT_EQ(check(nullptr), PresenceCheck::Outcome::Refused);

    passwordFile(QStringLiteral("open sesame"));
    auto right = std::make_shared<Answering>(QByteArray("open sesame"));
    EXPECT_EQ(check(right), PresenceCheck::Outcome::Granted);
    EXPECT_EQ(right->prompts.size(), 1);
    EXPECT_EQ(right->finished, 1);
    EXPECT_EQ(check(std::make_shared<Answering>(QByteArray("wrong"))), PresenceCheck::Outcome::Refused);
    EXPECT_EQ(check(std::make_shared<Answering>(std::nullopt)), PresenceCheck::Outcome::Refused); // Cancel

    // A question with nobody to ask it: no check is possible.
    EXPECT_EQ(check(nullptr), PresenceCheck::Outcome::Unavailable);
}
}
