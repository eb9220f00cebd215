#include "services/ServiceNetwork.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace {
QNetworkAccessManager* g_manager = nullptr;

// Before the application object goes: requests still running are aborted and
// every reply and the session are deleted while events can still be
// delivered (replies released with deleteLater and the session's worker
// objects would otherwise never be freed).
void closeSession()
{
    if (!g_manager)
        return;
    QNetworkAccessManager* manager = g_manager;
    g_manager = nullptr;
    for (QNetworkReply* reply : manager->findChildren<QNetworkReply*>()) {
        reply->disconnect();
        reply->abort();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qDeleteAll(manager->findChildren<QNetworkReply*>(Qt::FindDirectChildrenOnly));
    delete manager;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
}

QNetworkAccessManager& ServiceNetwork::shared()
{
    // Kept until the application object goes; never touched from other threads.
    if (!g_manager) {
        g_manager = new QNetworkAccessManager(QCoreApplication::instance());
        QObject::connect(g_manager, &QObject::destroyed, [] { g_manager = nullptr; });
        static const bool registered = [] {
            qAddPostRoutine(closeSession);
            return true;
        }();
        (void)registered;
    }
    return *g_manager;
}
