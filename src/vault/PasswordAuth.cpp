#include "vault/PasswordAuth.h"

#include "platform/Log.h"
#include "platform/Scheduler.h"
#include "platform/SecretText.h"
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
}

QString PasswordAuth::reason()
{
    return QCoreApplication::translate("Kelvaro", "Kelvaro wants to unlock your saved passwords");
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
    auto conversation = state().factory ? state().factory() : PresenceDialog::makeConversation();
    state().asking = conversation;
    const quint64 generation = state().generation;
    PresenceCheck::shared().verify(conversation, nullptr, [answer, generation](PresenceCheck::Outcome outcome) {
        if (outcome == PresenceCheck::Outcome::Unavailable) {
            Log::write(QStringLiteral("Kelvaro: no way to verify presence \u2014 refusing to release a password"));
            answer(false);
            return;
        }
        // A check that was still running when the screen locked proves nothing now.
        const bool granted = outcome == PresenceCheck::Outcome::Granted && generation == state().generation;
        if (granted)
            state().unlocked = true;
        answer(granted);
    });
}

void PasswordAuth::lock()
{
    state().unlocked = false;
    ++state().generation;
    // A question still on screen is withdrawn: the check it belongs to is over.
    if (auto asking = state().asking.lock())
        asking->finish();
}

bool PasswordAuth::isUnlocked()
{
    return state().unlocked;
}

void PasswordAuth::setConversationFactory(ConversationFactory factory)
{
    state().factory = std::move(factory);
}
