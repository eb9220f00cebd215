#pragma once
// The network session of one service (the update feed, usage events): a
// QNetworkAccessManager made on first use, on the main thread, and owned by
// the service that sends through it.

#include <memory>

class QNetworkAccessManager;

class ServiceNetwork {
public:
    ServiceNetwork();
    // Requests still running are dropped without a word to whoever waits.
    ~ServiceNetwork();
    ServiceNetwork(const ServiceNetwork&) = delete;
    ServiceNetwork& operator=(const ServiceNetwork&) = delete;

    // Never touched from other threads.
    QNetworkAccessManager& manager();

    // For an owner that lives as long as the process, just before the
    // application object goes: requests still running are aborted and every
    // reply and the session are deleted while events can still be delivered
    // (replies released with deleteLater and the session's worker objects
    // would otherwise never be freed). A later request opens a new session.
    void closeBeforeExit();

private:
    std::unique_ptr<QNetworkAccessManager> m_manager;
};
