#include "vault/PasswordAuth.h"

#include "platform/Log.h"
#include "platform/Platform.h"
#include "platform/Scheduler.h"
#include "platform/SecretText.h"
#include "vault/PasswordVault.h"
#include "vault/PresenceDialog.h"

#include <QCoreApplication>
#include <QPointer>

namespace {
struct State {
    bool unlocked = false;
    quint64 generation = 0; // grows with every lock
    PasswordAuth::ConversationFactory factory;
    std::weak_ptr<PresenceConversation> asking; // the conversation of the check running now
};
State& state()
{
    static State s;
    return s;
}

// One try's view of the conversation: questions and messages go through to
// the dialog, but the end of the try does not close it (the next try asks in
// the same dialog, under the messages of the last one). It notes whether the
// try asked anything and whether the user cancelled.
class TryConversation final : public PresenceConversation {
public:
    struct Seen {
        bool asked = false;
        bool cancelled = false;
    };

    explicit TryConversation(std::shared_ptr<PresenceConversation> dialog)
        : m_dialog(std::move(dialog))
    {
    }
    void ask(const QString& prompt, bool echo, std::function<void(std::shared_ptr<const SecretText>)> answer) override
    {
        seen->asked = true;
        m_dialog->ask(prompt, echo, [seen = seen, answer](std::shared_ptr<const SecretText> typed) {
            if (!typed)
                seen->cancelled = true;
            answer(std::move(typed));
        });
    }
    void inform(const QString& message, bool isError) override { m_dialog->inform(message, isError); }
    void finish() override { }

    const std::shared_ptr<Seen> seen = std::make_shared<Seen>();

private:
    std::shared_ptr<PresenceConversation> m_dialog;
};

struct Check {
    std::shared_ptr<PresenceConversation> conversation; // null: nobody to ask
    quint64 generation = 0;
    int tries = 0;
    std::function<void(bool)> answer;
};

void end(const std::shared_ptr<Check>& check, bool granted)
{
    if (check->conversation)
        check->conversation->finish();
    check->answer(granted);
}

void runTry(const std::shared_ptr<Check>& check)
{
    ++check->tries;
    auto attempt = check->conversation ? std::make_shared<TryConversation>(check->conversation) : nullptr;
    Platform::installed().presenceCheck().verify(attempt, nullptr, [check, attempt](PresenceCheck::Outcome outcome) {
        if (outcome == PresenceCheck::Outcome::Unavailable) {
            Log::write(QStringLiteral("Kelvaro: no way to verify presence \u2014 refusing to release a password"));
            end(check, false);
            return;
        }
        // A check that was still running when the screen locked proves nothing now.
        if (check->generation != state().generation) {
            end(check, false);
            return;
        }
        if (outcome == PresenceCheck::Outcome::Granted) {
            state().unlocked = true;
            end(check, true);
            return;
        }
        // Refused. Only an answer the user typed and we got wrong is worth
        // another try: a cancel, or a refusal without a question, is final.
        const bool wrongAnswer = attempt && attempt->seen->asked && !attempt->seen->cancelled;
        if (wrongAnswer && check->tries < PasswordAuth::tries) {
            check->conversation->inform(
                QCoreApplication::translate("Kelvaro", "That password was not accepted. Try again."), true);
            runTry(check);
            return;
        }
        if (wrongAnswer) {
            Log::write(QStringLiteral("Kelvaro: the presence check refused %1 answers; no password was released")
                           .arg(check->tries));
            PasswordVault::notify(QCoreApplication::translate(
                "Kelvaro", "Your login password was not accepted. No saved password was released."));
        }
        end(check, false);
    });
}
}

QString PasswordAuth::reason()
{
    return QCoreApplication::translate("Kelvaro", "Kelvaro wants to unlock your saved passwords");
}

QString PasswordAuth::wantedPassword()
{
    return QCoreApplication::translate("Kelvaro", "Enter your login password to use saved passwords.");
}

void PasswordAuth::requirePresence(const QObject* context, std::function<void(bool)> done)
{
    SecretText::protectProcess();
    QPointer<const QObject> alive(context);
    const bool hasContext = context != nullptr;
    auto answer = [alive, hasContext, done = std::move(done)](bool granted) {
        if (!hasContext || alive)
            done(granted);
    };
    if (state().unlocked) {
        Scheduler::shared().post([answer] { answer(true); });
        return;
    }
    auto check = std::make_shared<Check>();
    check->conversation = state().factory ? state().factory() : PresenceDialog::makeConversation();
    check->generation = state().generation;
    check->answer = answer;
    state().asking = check->conversation;
    runTry(check);
}

void PasswordAuth::lock()
{
    state().unlocked = false;
    ++state().generation;
    // A question still on screen is withdrawn: the check it belongs to is over.
    if (auto asking = state().asking.lock())
        asking->finish();
}

bool PasswordAuth::isUnlocked() { return state().unlocked; }

void PasswordAuth::setConversationFactory(ConversationFactory factory) { state().factory = std::move(factory); }
