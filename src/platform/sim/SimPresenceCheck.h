#pragma once
#include "platform/PresenceCheck.h"
#include "platform/Scheduler.h"

#include <QPointer>

// The presence check for tests: answers `outcome` on the next scheduler turn.
// With `prompt` set, each check first asks the conversation that question and
// grants only when the answer equals `expectedAnswer` (nothing = cancelled:
// refused); a wrong answer is first told `refusalMessage` as an error, when
// set, as some authentication modules do.
class SimPresenceCheck final : public PresenceCheck {
public:
    void verify(std::shared_ptr<PresenceConversation> conversation, const QObject* context,
        std::function<void(Outcome)> done) override
    {
        ++checks;
        auto finish = [conversation, done, alive = QPointer<const QObject>(context), hasContext = context != nullptr](
                          Outcome o) {
            if (conversation)
                conversation->finish();
            if (!hasContext || alive)
                done(o);
        };
        if (prompt.isEmpty() || !conversation || outcome == Outcome::Unavailable) {
            Scheduler::shared().post([finish, o = outcome] { finish(o); });
            return;
        }
        Scheduler::shared().post([this, conversation, finish] {
            conversation->ask(
                prompt, false, [this, conversation, finish](const std::shared_ptr<const SecretText>& answer) {
                    const bool right = answer && answer->bytes() == QByteArrayView(expectedAnswer);
                    if (answer && !right && !refusalMessage.isEmpty())
                        conversation->inform(refusalMessage, true);
                    const Outcome o = right ? Outcome::Granted : Outcome::Refused;
                    Scheduler::shared().post([finish, o] { finish(o); });
                });
        });
    }

    Outcome outcome = Outcome::Granted;
    QString prompt;
    QByteArray expectedAnswer;
    QString refusalMessage;
    int checks = 0;
};
