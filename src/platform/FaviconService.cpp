#include "platform/FaviconService.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {

// HTTP GETs on a network manager of the session's own, several at a time,
// each bounded in time and size.
class NetworkSession final : public FaviconService::Session {
public:
    void fetch(const QUrl& url, FaviconService::Done done) override
    {
        QNetworkRequest request(url);
        request.setTransferTimeout(FaviconService::timeoutMs);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
        request.setMaximumRedirectsAllowed(5);
        QNetworkReply* reply = m_manager.get(request);

        struct Download {
            QByteArray body;
            bool oversized = false;
            bool timedOut = false;
            bool reported = false;
        };
        auto d = std::make_shared<Download>();
        const auto refuse = [reply, d] {
            if (d->oversized)
                return;
            d->oversized = true;
            d->body.clear();
            reply->abort();
        };
        QObject::connect(reply, &QNetworkReply::metaDataChanged, &m_context, [reply, refuse] {
            const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
            if (length.isValid() && length.toLongLong() > FaviconService::maxBytes)
                refuse();
        });
        QObject::connect(reply, &QNetworkReply::readyRead, &m_context, [reply, d, refuse] {
            if (d->oversized)
                return;
            d->body += reply->readAll();
            if (d->body.size() > FaviconService::maxBytes)
                refuse();
        });
        auto* deadline = new QTimer(reply);
        deadline->setSingleShot(true);
        QObject::connect(deadline, &QTimer::timeout, reply, [reply, d] {
            d->timedOut = true;
            reply->abort();
        });
        deadline->start(FaviconService::timeoutMs);
        QObject::connect(reply, &QNetworkReply::finished, &m_context, [reply, d, done = std::move(done)] {
            if (d->reported)
                return;
            d->reported = true;
            FaviconService::Reply result;
            const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            if (d->oversized) {
                result.failure = QStringLiteral("larger than %1 bytes").arg(FaviconService::maxBytes);
            } else if (d->timedOut) {
                result.failure = QStringLiteral("no answer within %1 s").arg(FaviconService::timeoutMs / 1000);
            } else if (reply->error() != QNetworkReply::NoError) {
                result.failure = reply->errorString();
            } else if (status < 200 || status >= 300) {
                result.failure = QStringLiteral("HTTP status %1").arg(status);
            } else {
                d->body += reply->readAll();
                if (d->body.size() > FaviconService::maxBytes)
                    result.failure = QStringLiteral("larger than %1 bytes").arg(FaviconService::maxBytes);
                else
                    result.body = std::move(d->body);
            }
            d->body = QByteArray();
            // Not deleted here: this is the reply's own signal.
            reply->deleteLater();
            done(std::move(result));
        });
    }

private:
    QNetworkAccessManager m_manager;
    // Holds the connections to the replies: it goes first, so replies the
    // manager aborts on its way out call nobody back.
    QObject m_context;
};

class NetworkFaviconService final : public FaviconService {
public:
    std::unique_ptr<Session> open() override { return std::make_unique<NetworkSession>(); }
};

} // namespace

std::shared_ptr<FaviconService> makeNetworkFaviconService() { return std::make_shared<NetworkFaviconService>(); }
