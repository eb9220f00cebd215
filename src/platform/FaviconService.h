#pragma once
// Downloads of site icons from the favicon service.

#include <QByteArray>
#include <QUrl>
#include <memory>
#include <optional>

class FaviconService {
public:
    static constexpr int timeoutMs = 10000;
    static constexpr qint64 maxBytes = 256 * 1024;

    virtual ~FaviconService() = default;

    // The body of a successful GET of `url`, or nothing on any failure
    // (network error, HTTP error status, timeout, a reply over maxBytes).
    // Blocks the calling thread; never called on the main thread.
    virtual std::optional<QByteArray> fetch(const QUrl& url) = 0;

    // Safe to call from any thread.
    static std::shared_ptr<FaviconService> shared();
    static void setShared(std::shared_ptr<FaviconService> service);
};
