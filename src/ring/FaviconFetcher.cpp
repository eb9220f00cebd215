#include "ring/FaviconFetcher.h"

#include "core/CustomIcons.h"
#include "platform/FaviconService.h"
#include "platform/Log.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QSaveFile>
#include <algorithm>
#include <mutex>

namespace {
std::mutex g_baseMutex;
QUrl g_base(QStringLiteral("https://www.google.com"));

bool safeHostCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '-' || u == '.';
}

// The host of a tab's address as it is written, or nothing when the
// address has none or its host is not plain ASCII (an IDN must come in its
// ASCII form).
std::optional<QString> hostOf(const QString& address)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid())
        return std::nullopt;
    const QString host = url.host(QUrl::FullyEncoded);
    if (host.isEmpty())
        return std::nullopt;
    if (!address.contains(host, Qt::CaseInsensitive))
        return std::nullopt; // converted from a non-ASCII form
    return host;
}
}

QUrl FaviconFetcher::serviceBase()
{
    std::lock_guard lock(g_baseMutex);
    return g_base;
}

void FaviconFetcher::setServiceBase(const QUrl& base)
{
    std::lock_guard lock(g_baseMutex);
    g_base = base;
}

std::optional<QString> FaviconFetcher::fileName(const QString& host)
{
    if (host.isEmpty() || host.size() > 253 || !std::all_of(host.begin(), host.end(), safeHostCharacter))
        return std::nullopt;
    return CustomIcons::faviconName(host);
}

QList<BrowserTabs::Tab> FaviconFetcher::attachIcons(const QList<BrowserTabs::Tab>& tabs)
{
    const QString folder = CustomIcons::folderPath();
    QDir().mkpath(folder); // a failure shows up as failed writes below

    const auto service = FaviconService::shared();
    const QUrl base = serviceBase();
    QHash<QString, QString> cache; // host -> file name, for this call only
    QList<BrowserTabs::Tab> result;
    result.reserve(tabs.size());
    for (BrowserTabs::Tab tab : tabs) {
        const auto host = hostOf(tab.url);
        if (!host) {
            result.append(tab);
            continue;
        }
        if (const auto cached = cache.constFind(*host); cached != cache.constEnd()) {
            tab.iconFile = *cached;
            result.append(tab);
            continue;
        }
        const auto name = fileName(*host);
        if (!name) {
            Log::write(QStringLiteral("Kelvaro: no favicon for unusual host '%1'").arg(*host));
            result.append(tab);
            continue;
        }
        const QString path = QDir(folder).filePath(*name);
        if (QFileInfo::exists(path)) {
            tab.iconFile = *name;
            cache.insert(*host, *name);
            result.append(tab);
            continue;
        }

        QUrl url = base;
        QString basePath = base.path();
        while (basePath.endsWith(QLatin1Char('/')))
            basePath.chop(1);
        url.setPath(basePath + QStringLiteral("/s2/favicons"));
        url.setQuery(QStringLiteral("sz=64&domain=") + *host);
        if (!url.isValid()) {
            result.append(tab);
            continue;
        }
        const auto data = service->fetch(url);
        if (!data || QImage::fromData(*data).isNull()) {
            if (data)
                Log::write(QStringLiteral("Kelvaro: favicon for %1 is not an image").arg(*host));
            result.append(tab);
            continue;
        }
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(*data) != data->size() || !file.commit()) {
            Log::write(QStringLiteral("Kelvaro: could not save favicon %1: %2").arg(path, file.errorString()));
            result.append(tab);
            continue;
        }
        tab.iconFile = *name;
        cache.insert(*host, *name);
        result.append(tab);
    }
    return result;
}
