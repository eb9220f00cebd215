#include "services/ServiceNetwork.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace {
// Every request still running on `manager` stopped, calling nobody back.
void abortAll(QNetworkAccessManager& manager)
{
    for (QNetworkReply* reply : manager.findChildren<QNetworkReply*>()) {
        reply->disconnect();
        reply->abort();
    }
}
}

ServiceNetwork::ServiceNetwork() = default;

ServiceNetwork::~ServiceNetwork()
{
    if (m_manager)
        abortAll(*m_manager);
}

QNetworkAccessManager& ServiceNetwork::manager()
{
    if (!m_manager)
        m_manager = std::make_unique<QNetworkAccessManager>();
    return *m_manager;
}

void ServiceNetwork::closeBeforeExit()
{
    if (!m_manager)
        return;
    abortAll(*m_manager);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qDeleteAll(m_manager->findChildren<QNetworkReply*>(Qt::FindDirectChildrenOnly));
    m_manager.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
