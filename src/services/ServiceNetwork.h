#pragma once
// The one network session of the services (update feed, usage events):
// a QNetworkAccessManager living on the main thread for the whole process.

class QNetworkAccessManager;

namespace ServiceNetwork {
QNetworkAccessManager& shared();
}
