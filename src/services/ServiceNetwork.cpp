#include "services/ServiceNetwork.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>

QNetworkAccessManager& ServiceNetwork::shared()
{
    // Kept until the application object goes; never touched from other threads.
    static QNetworkAccessManager* manager = nullptr;
    if (!manager) {
        manager = new QNetworkAccessManager(QCoreApplication::instance());
        QObject::connect(manager, &QObject::destroyed, [] { manager = nullptr; });
    }
    return *manager;
}
