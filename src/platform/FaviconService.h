#pragma once
// Downloads of site icons from the favicon service.

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

class FaviconService {
public:
    static constexpr int timeoutMs = 10000;
    static constexpr qint64 maxBytes = 256 * 1024;

    struct Reply {
        // The body of a successful GET; nothing on any failure (network
        // error, HTTP error status, timeout, a reply over maxBytes).
        std::optional<QByteArray> body;
        QString failure; // why there is no body, for the log
    };
    using Done = std::function<void(Reply)>;

    // The downloads of one fetch run, on the thread that opened it (whose
    // event loop must run for them). Each download lets go of its reply and
    // buffers as it ends; the session itself, what is left. Downloads still
    // under way when it goes are abandoned without a call.
    class Session {
    public:
        virtual ~Session() = default;
        // Starts a GET of `url`; `done` runs once, on this thread, possibly
        // before fetch returns.
        virtual void fetch(const QUrl& url, Done done) = 0;
    };

    virtual ~FaviconService() = default;
    // A session on the calling thread (any thread).
    virtual std::unique_ptr<Session> open() = 0;
};

// The real service: HTTP through Qt's network stack.
std::shared_ptr<FaviconService> makeNetworkFaviconService();
