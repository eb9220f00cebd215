#pragma once
// Site icons for captured tabs, kept as files in the custom-icon folder and
// named after the site's host.

#include "platform/FaviconService.h"
#include "ring/BrowserTabs.h"

#include <QHash>
#include <QImage>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

class FaviconFetcher {
public:
    FaviconFetcher() = delete;

    // One capture's bounds: downloads at a time, sites asked for at all,
    // and failures written to the log one by one (the rest are counted).
    static constexpr int maxConcurrent = 16;
    static constexpr int maxHostsPerRun = 200;
    static constexpr int failuresLogged = 3;
    // The largest picture kept; the custom-icon folder shows none larger.
    static constexpr int maxPixelSide = 1024;

    // Where the favicon service lives ("/s2/favicons?sz=64&domain=<host>" is
    // asked of it). Safe from any thread.
    static QUrl serviceBase();
    static void setServiceBase(const QUrl& base);

    // "custom_icon_favicon_" + host with dots as underscores + ".png"; nothing
    // for a host that could not safely name a file (characters other than
    // ASCII letters, digits, "-" and ".").
    static std::optional<QString> fileName(const QString& host);
    // The host a tab's address is looked up by: as it is written, or nothing
    // when the address has none or its host is not plain ASCII (an IDN must
    // come in its ASCII form).
    static std::optional<QString> hostOf(const QString& address);

    // The picture in a reply's bytes (PNG, ICO, GIF, JPEG or BMP), decoded
    // within a memory limit; a null image for anything else, for a picture
    // that claims or turns out to be larger than maxPixelSide either way,
    // and for more than FaviconService::maxBytes of bytes. The structure is
    // checked (ImageCheck) before a decoder sees the bytes; why a reply was
    // refused goes to *refusal.
    static QImage decodeReply(const QByteArray& bytes, QString* refusal = nullptr);

    // The tabs in the same order, each with iconFile set where a favicon was
    // on disk or could be downloaded from `service`. Blocks on the network
    // (running an event loop of the calling thread): call it off the main
    // thread, holding the service for as long as it runs.
    static QList<BrowserTabs::Tab> attachIcons(FaviconService& service, const QList<BrowserTabs::Tab>& tabs);
};

// One capture's favicons, fetched from `service` on the calling thread's
// event loop: each site once, whatever the number of its tabs; a site that
// failed is not asked again in the same run (a later run asks again). The
// service must outlive the run.
class FaviconFetchRun {
public:
    FaviconFetchRun(FaviconService& service, QList<BrowserTabs::Tab> tabs);
    // Abandons downloads still under way and frees what they held.
    ~FaviconFetchRun();
    FaviconFetchRun(const FaviconFetchRun&) = delete;
    FaviconFetchRun& operator=(const FaviconFetchRun&) = delete;

    // `found` runs for each site given an icon, from its file or a
    // download, as it is found (set it before start).
    void onIconFound(std::function<void(const QString& host, const QString& fileName)> found)
    {
        m_onFound = std::move(found);
    }
    // `finished` runs once all is settled, possibly before start returns.
    void start(std::function<void()> finished);
    bool isFinished() const { return m_finished; }
    // The tabs, with the icons found so far.
    const QList<BrowserTabs::Tab>& tabs() const { return m_tabs; }

private:
    void pump();
    void take(const QString& host, const QString& fileName, const QUrl& url, FaviconService::Reply reply);
    void fail(const QString& line);
    void finish();

    FaviconService& m_service;
    QList<BrowserTabs::Tab> m_tabs;
    QString m_folder;
    QHash<QString, QList<qsizetype>> m_waiting; // host -> its tabs
    QList<QString> m_queue; // hosts to download, first seen first
    qsizetype m_next = 0;
    int m_inFlight = 0;
    int m_failures = 0;
    qsizetype m_skipped = 0; // sites beyond maxHostsPerRun
    bool m_pumping = false;
    bool m_finished = false;
    std::function<void()> m_onFinished;
    std::function<void(const QString&, const QString&)> m_onFound;
    std::unique_ptr<FaviconService::Session> m_session;
};
