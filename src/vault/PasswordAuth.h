#pragma once
// The presence check in front of every released password. One successful
// check is shared by every later release until the screen locks (lock());
// there is no time-out of its own. The check runs through the system's
// authentication stack (PresenceCheck: PAM on Linux) and asks its questions
// in the vault's own small dialog. Main thread only.

#include "platform/PresenceCheck.h"

#include <QObject>
#include <functional>
#include <memory>

class PasswordAuth {
public:
    // How many answers a check takes before it gives up, as a login does.
    static constexpr int tries = 3;

    // What the dialog says before the authentication stack's question.
    static QString reason();
    // Which password a secret question wants (the stack's own "Password:"
    // does not say).
    static QString wantedPassword();

    // `done(true)` once presence is proven: at once (on the next turn) while
    // a shared check holds, else after a check. Always later, on the main
    // thread, while `context` exists. When no check is possible at all, the
    // log line "Kelvaro: no way to verify presence — refusing to release a
    // password" and false. A wrong answer is told in the dialog and asked
    // again, up to `tries` answers; after the last one the user is told
    // (PasswordVault::notify) that nothing was released. A cancel ends the
    // check at once, silently.
    static void requirePresence(const QObject* context, std::function<void(bool)> done);
    // Ends the shared check: the next release asks again. A check still
    // running when the screen locks does not count, and its dialog closes.
    static void lock();
    static bool isUnlocked();

    // Makes the conversation of one check (the dialog by default; tests
    // install their own). A factory that answers null means no questions can
    // be asked: the stack's questions are then cancelled.
    using ConversationFactory = std::function<std::shared_ptr<PresenceConversation>()>;
    static void setConversationFactory(ConversationFactory factory);
};
