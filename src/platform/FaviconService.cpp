#include "platform/FaviconService.h"

#include "platform/Log.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <mutex>

namespace {

// HTTP GET on a private network manager and event loop of the calling
// (background) thread, bounded in time and size.
class NetworkFaviconService final : public FaviconService {
public:
    std::optional<QByteArray> fetch(const QUrl& url) override
    {
        QNetworkAccessManager manager;
        QNetworkRequest request(url);
        request.setTransferTimeout(timeoutMs);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
        request.setMaximumRedirectsAllowed(5);
        QNetworkReply* reply = manager.get(request);

        QByteArray body;
        bool oversized = false;
        QEventLoop loop;
        auto take = [&] {
            body += reply->readAll();
            if (body.size() > maxBytes && !oversized) {
                oversized = true;
                reply->abort();
            }
        };
        QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
            const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
            if (length.isValid() && length.toLongLong() > maxBytes && !oversized) {
                oversized = true;
                reply->abort();
            }
        });
        QObject::connect(reply, &QNetworkReply::readyRead, &loop, take);
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer deadline;
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, &loop, [&] { reply->abort(); });
        deadline.start(timeoutMs);
        if (!reply->isFinished())
            loop.exec();
        if (!oversized && reply->error() == QNetworkReply::NoError)
            take();

        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const bool ok = !oversized && reply->error() == QNetworkReply::NoError && status >= 200 && status < 300;
        if (oversized)
            Log::write(QStringLiteral("Kelvaro: favicon reply larger than %1 bytes ignored: %2").arg(maxBytes).arg(url.toString()));
        else if (!ok)
            Log::write(QStringLiteral("Kelvaro: favicon download failed: %1 (%2)").arg(url.toString(), reply->errorString()));
        delete reply;
        if (!ok)
            return std::nullopt;
        return body;
    }
};

std::mutex g_mutex;
std::shared_ptr<FaviconService> g_service;

} // namespace

std::shared_ptr<FaviconService> FaviconService::shared()
{
    std::lock_guard lock(g_mutex);
    if (!g_service)
        g_service = std::make_shared<NetworkFaviconService>();
    return g_service;
}

void FaviconService::setShared(std::shared_ptr<FaviconService> service)
{
    std::lock_guard lock(g_mutex);
    g_service = std::move(service);
}
