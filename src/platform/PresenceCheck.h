#pragma once
// Proof that the person at the keyboard is the account's owner, asked of the
// system's authentication stack (on Linux: PAM, which may ask for the
// account password, a fingerprint or anything else the administrator set up).
//
// What the stack says or asks goes through a conversation that the caller
// supplies (the vault's own dialog); the check itself runs off the main thread
// and answers on the main thread.

#include "platform/SecretText.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

// The caller's side of the conversation. Main thread only.
class PresenceConversation {
public:
    virtual ~PresenceConversation() = default;
    // A question ("Password: "); `echo` false for a secret answer. `answer`
    // must be called exactly once: with the text (held as a secret, whether
    // it is one or not), or with null to cancel.
    virtual void ask(const QString& prompt, bool echo, std::function<void(std::shared_ptr<const SecretText>)> answer)
        = 0;
    // A message to show ("Place your finger on the reader").
    virtual void inform(const QString& message, bool isError) = 0;
    // The check is over: nothing more will be asked.
    virtual void finish() = 0;
};

class PresenceCheck {
public:
    enum class Outcome {
        Granted,
        Refused, // wrong answer, cancelled, or the account may not log in
        Unavailable, // no way to check at all (no authentication service)
    };

    virtual ~PresenceCheck() = default;

    // Runs one check; `done` comes once, on the main thread, while `context` exists.
    virtual void verify(
        std::shared_ptr<PresenceConversation> conversation, const QObject* context, std::function<void(Outcome)> done)
        = 0;
};

// The system's check: PAM, service "kelvaro". Given a folder, PAM reads the
// service files there instead of the system's; only the test build and the
// tests pass one, so that a check can be made to pass or fail at will.
std::shared_ptr<PresenceCheck> makePamPresenceCheck(const QByteArray& serviceFolder = {});
