#pragma once
// Site icons for captured tabs, kept as files in the custom-icon folder and
// named after the site's host.

#include "ring/BrowserTabs.h"

#include <QUrl>
#include <optional>

class FaviconFetcher {
public:
    FaviconFetcher() = delete;

    // Where the favicon service lives ("/s2/favicons?sz=64&domain=<host>" is
    // asked of it). Safe from any thread.
    static QUrl serviceBase();
    static void setServiceBase(const QUrl& base);

    // "custom_icon_favicon_" + host with dots as underscores + ".png"; nothing
    // for a host that could not safely name a file (characters other than
    // ASCII letters, digits, "-" and ".").
    static std::optional<QString> fileName(const QString& host);

    // The tabs in the same order, each with iconFile set where a favicon was
    // on disk or could be downloaded. Blocks on the network: call it off the
    // main thread.
    static QList<BrowserTabs::Tab> attachIcons(const QList<BrowserTabs::Tab>& tabs);
};
