// The presence check through Linux-PAM, service "kelvaro" (the file
// /etc/pam.d/kelvaro; without it PAM applies the "other" service). Each check
// runs pam_authenticate and pam_acct_mgmt for the user running the program on
// a thread of its own; the conversation's questions are handed to the main
// thread and the thread waits for the answer.
//
// A folder of service files of the caller's own replaces /etc/pam.d only when
// passed to makePamPresenceCheck(): the program users run never passes one.

#include "platform/Log.h"
#include "platform/MainThread.h"
#include "platform/PresenceCheck.h"
#include "platform/linux/OptionalLibrary.h"

#include <security/pam_appl.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <future>
#include <pwd.h>
#include <thread>
#include <unistd.h>

namespace {
struct Pam {
    decltype(&pam_start) start = nullptr;
    decltype(&pam_start_confdir) start_confdir = nullptr;
    decltype(&pam_authenticate) authenticate = nullptr;
    decltype(&pam_acct_mgmt) acct_mgmt = nullptr;
    decltype(&pam_strerror) strerror = nullptr;
    decltype(&pam_end) end = nullptr;
};

// Loaded with the first check: a session that never asks for a saved
// password never needs it.
const Pam* pam()
{
    return OptionalLibrary::once<Pam>("libpam.so.0", "presence cannot be checked", [](OptionalLibrary& lib, Pam& a) {
        return lib.bind(a.start, "pam_start") && lib.bind(a.start_confdir, "pam_start_confdir")
            && lib.bind(a.authenticate, "pam_authenticate") && lib.bind(a.acct_mgmt, "pam_acct_mgmt")
            && lib.bind(a.strerror, "pam_strerror") && lib.bind(a.end, "pam_end");
    });
}

constexpr const char* serviceName = "kelvaro";

QByteArray userName()
{
    struct passwd pw { };
    struct passwd* result = nullptr;
    char buffer[4096];
    if (getpwuid_r(getuid(), &pw, buffer, sizeof buffer, &result) == 0 && result)
        return QByteArray(result->pw_name);
    return qgetenv("USER");
}

struct Session {
    std::shared_ptr<PresenceConversation> conversation; // touched on the main thread only
    bool canConverse = false; // set before the check starts
    std::atomic<bool> askedWithoutConversation { false };
};

int converse(int count, const struct pam_message** messages, struct pam_response** responses, void* data)
{
    auto* session = static_cast<std::shared_ptr<Session>*>(data);
    if (count <= 0 || count > PAM_MAX_NUM_MSG)
        return PAM_CONV_ERR;
    auto* replies = static_cast<struct pam_response*>(std::calloc(size_t(count), sizeof(struct pam_response)));
    if (!replies)
        return PAM_BUF_ERR;
    for (int i = 0; i < count; ++i) {
        const struct pam_message* m = messages[i];
        const QString text = QString::fromUtf8(m->msg ? m->msg : "");
        if ((m->msg_style == PAM_PROMPT_ECHO_OFF || m->msg_style == PAM_PROMPT_ECHO_ON) && !(*session)->canConverse) {
            // Nobody to ask (no display): the check cannot run at all.
            (*session)->askedWithoutConversation = true;
            for (int j = 0; j < i; ++j) {
                if (replies[j].resp) {
                    std::memset(replies[j].resp, 0, std::strlen(replies[j].resp));
                    std::free(replies[j].resp);
                }
            }
            std::free(replies);
            return PAM_CONV_ERR;
        }
        if (m->msg_style == PAM_PROMPT_ECHO_OFF || m->msg_style == PAM_PROMPT_ECHO_ON) {
            const bool echo = m->msg_style == PAM_PROMPT_ECHO_ON;
            auto promise = std::make_shared<std::promise<std::shared_ptr<const SecretText>>>();
            auto future = promise->get_future();
            MainThread::post([s = *session, text, echo, promise] {
                if (!s->conversation) {
                    promise->set_value(nullptr);
                    return;
                }
                s->conversation->ask(text, echo,
                    [promise](std::shared_ptr<const SecretText> answer) { promise->set_value(std::move(answer)); });
            });
            // The answer's buffer is wiped when the last holder lets it go;
            // PAM's copy is PAM's to wipe (it does, once the module has read it).
            const std::shared_ptr<const SecretText> answer = future.get();
            if (!answer) {
                for (int j = 0; j < i; ++j) {
                    if (replies[j].resp) {
                        std::memset(replies[j].resp, 0, std::strlen(replies[j].resp));
                        std::free(replies[j].resp);
                    }
                }
                std::free(replies);
                return PAM_CONV_ERR; // cancelled
            }
            replies[i].resp = strndup(answer->c_str(), size_t(answer->size()));
        } else if (m->msg_style == PAM_TEXT_INFO || m->msg_style == PAM_ERROR_MSG) {
            const bool isError = m->msg_style == PAM_ERROR_MSG;
            MainThread::post([s = *session, text, isError] {
                if (s->conversation)
                    s->conversation->inform(text, isError);
            });
        }
    }
    *responses = replies;
    return PAM_SUCCESS;
}

class PamPresenceCheck final : public PresenceCheck {
public:
    explicit PamPresenceCheck(QByteArray serviceFolder)
        : m_serviceFolder(std::move(serviceFolder))
    {
    }

    void verify(std::shared_ptr<PresenceConversation> conversation, const QObject* context,
        std::function<void(Outcome)> done) override
    {
        auto answer = MainThread::guarded<Outcome>(context, std::move(done));
        auto session = std::make_shared<Session>();
        session->canConverse = conversation != nullptr;
        session->conversation = std::move(conversation);
        // The worker hands its reference on to the main thread, so the
        // session and the conversation it holds end there, where they are used.
        std::thread([session = std::move(session), answer = std::move(answer), folder = m_serviceFolder]() mutable {
            const Outcome outcome = run(session, folder);
            MainThread::post([session = std::move(session), answer = std::move(answer), outcome] {
                if (session->conversation)
                    session->conversation->finish();
                session->conversation.reset();
                answer(outcome);
            });
        }).detach();
    }

private:
    static Outcome run(const std::shared_ptr<Session>& session, const QByteArray& confdir)
    {
        const Pam* lib = pam();
        if (!lib)
            return Outcome::Unavailable;
        auto holder = std::make_unique<std::shared_ptr<Session>>(session);
        const struct pam_conv conv = { &converse, holder.get() };
        pam_handle_t* handle = nullptr;
        const QByteArray user = userName();
        int rc = confdir.isEmpty()
            ? lib->start(serviceName, user.constData(), &conv, &handle)
            : lib->start_confdir(serviceName, user.constData(), &conv, confdir.constData(), &handle);
        if (rc != PAM_SUCCESS || !handle) {
            Log::write(QStringLiteral("Kelvaro: PAM could not start the \"kelvaro\" service (%1)")
                           .arg(handle ? QString::fromUtf8(lib->strerror(handle, rc)) : QString::number(rc)));
            if (handle)
                lib->end(handle, rc);
            return Outcome::Unavailable;
        }
        rc = lib->authenticate(handle, 0);
        if (rc == PAM_SUCCESS) {
            const int account = lib->acct_mgmt(handle, 0);
            // An expiring password still proves who is at the keyboard.
            if (account != PAM_SUCCESS && account != PAM_NEW_AUTHTOK_REQD)
                rc = account;
        }
        Outcome outcome = Outcome::Refused;
        if (session->askedWithoutConversation) {
            Log::write(QStringLiteral("Kelvaro: PAM asked a question, but there is no display to ask it on"));
            outcome = Outcome::Unavailable;
        } else if (rc == PAM_SUCCESS) {
            outcome = Outcome::Granted;
        } else if (rc == PAM_ABORT || rc == PAM_SERVICE_ERR || rc == PAM_SYSTEM_ERR || rc == PAM_BUF_ERR
            || rc == PAM_AUTHINFO_UNAVAIL) {
            Log::write(QStringLiteral("Kelvaro: PAM could not check presence (%1)")
                           .arg(QString::fromUtf8(lib->strerror(handle, rc))));
            outcome = Outcome::Unavailable;
        }
        lib->end(handle, rc);
        return outcome;
    }

    const QByteArray m_serviceFolder;
};
}

std::shared_ptr<PresenceCheck> makePamPresenceCheck(const QByteArray& serviceFolder)
{
    return std::make_shared<PamPresenceCheck>(serviceFolder);
}
