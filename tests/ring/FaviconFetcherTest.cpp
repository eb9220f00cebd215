#include "support/TestSupport.h"

#include "core/CustomIcons.h"
#include "platform/FaviconService.h"
#include "platform/sim/SimFaviconService.h"
#include "ring/FaviconFetcher.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>
#include <atomic>
#include <thread>

namespace {

QByteArray pngBytes(QColor colour = Qt::red)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data;
}

BrowserTabs::Tab tab(const QString& url)
{
    return { QStringLiteral("t"), url, std::nullopt, QStringLiteral("Chrome") };
}

// Runs attachIcons on a background thread, as its callers do, while the main
// loop keeps serving.
QList<BrowserTabs::Tab> attachOffMainThread(FaviconService& service, const QList<BrowserTabs::Tab>& tabs)
{
    QList<BrowserTabs::Tab> result;
    std::atomic<bool> done { false };
    std::thread worker([&] {
        result = FaviconFetcher::attachIcons(service, tabs);
        done = true;
    });
    QElapsedTimer clock;
    clock.start();
    while (!done && clock.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    worker.join();
    return result;
}

class FaviconFetcherTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(CustomIcons::folderPath()).removeRecursively();
        service = &env.sim().faviconService();
        FaviconFetcher::setServiceBase(QUrl(QStringLiteral("https://icons.example")));
    }
    void TearDown() override { QDir(CustomIcons::folderPath()).removeRecursively(); }
    static QString iconUrl(const QString& host)
    {
        return QStringLiteral("https://icons.example/s2/favicons?sz=64&domain=") + host;
    }

    TestSupport::SimEnvironment env;
    SimFaviconService* service = nullptr;
};

TEST_F(FaviconFetcherTest, DownloadsOncePerHostAndNamesTheFileAfterIt)
{
    service->setReply(iconUrl(QStringLiteral("a.b.c")), pngBytes());
    const auto tabs = FaviconFetcher::attachIcons(*service,
        { tab(QStringLiteral("https://a.b.c/x")), tab(QStringLiteral("https://a.b.c/y")),
            tab(QStringLiteral("about:blank")) });
    ASSERT_EQ(tabs.size(), 3);
    EXPECT_EQ(tabs[0].iconFile, QStringLiteral("custom_icon_favicon_a_b_c.png"));
    EXPECT_EQ(tabs[1].iconFile, tabs[0].iconFile);
    EXPECT_FALSE(tabs[2].iconFile);
    EXPECT_EQ(tabs[0].url, QStringLiteral("https://a.b.c/x"));
    EXPECT_EQ(service->requests().size(), 1);
    QFile file(CustomIcons::folderPath() + QStringLiteral("/custom_icon_favicon_a_b_c.png"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), pngBytes());
}

TEST_F(FaviconFetcherTest, AFileOnDiskIsReusedWithoutARequest)
{
    QDir().mkpath(CustomIcons::folderPath());
    QFile f(CustomIcons::folderPath() + QStringLiteral("/custom_icon_favicon_docs_example_org.png"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(pngBytes());
    f.close();
    QList<BrowserTabs::Tab> ten;
    for (int i = 0; i < 10; ++i)
        ten << tab(QStringLiteral("https://docs.example.org/page%1").arg(i));
    for (const auto& t : FaviconFetcher::attachIcons(*service, ten))
        EXPECT_EQ(t.iconFile, QStringLiteral("custom_icon_favicon_docs_example_org.png"));
    EXPECT_TRUE(service->requests().isEmpty());
}

TEST_F(FaviconFetcherTest, AFailureIsRememberedForTheRestOfACaptureOnlyAndNothingIsStored)
{
    service->setReply(iconUrl(QStringLiteral("text.example")), QByteArray("<html>not an icon</html>"));
    auto keep = tab(QStringLiteral("https://gone.example/"));
    keep.iconFile = QStringLiteral("custom_icon_favicon_old.png");
    const QList<BrowserTabs::Tab> capture { tab(QStringLiteral("https://gone.example/a")), keep,
        tab(QStringLiteral("https://text.example/")) };
    const auto tabs = FaviconFetcher::attachIcons(*service, capture);
    EXPECT_FALSE(tabs[0].iconFile);
    EXPECT_EQ(tabs[1].iconFile, QStringLiteral("custom_icon_favicon_old.png")); // kept as it was
    EXPECT_FALSE(tabs[2].iconFile);
    EXPECT_EQ(service->requests().size(), 2); // the second tab of gone.example did not ask again
    EXPECT_TRUE(QDir(CustomIcons::folderPath()).entryList(QDir::Files).isEmpty());
    // The next capture tries both sites again: the failure may have passed.
    service->setReply(iconUrl(QStringLiteral("gone.example")), pngBytes());
    EXPECT_EQ(FaviconFetcher::attachIcons(*service, capture)[0].iconFile,
        QStringLiteral("custom_icon_favicon_gone_example.png"));
    EXPECT_EQ(service->requests().size(), 4);
}

TEST_F(FaviconFetcherTest, ACaptureOfThousandsOfTabsAsksABoundedNumberOfSitesAndLogsAFewLines)
{
    // A thousand tabs of one dead site: one request.
    QList<BrowserTabs::Tab> oneSite;
    for (int i = 0; i < 1000; ++i)
        oneSite << tab(QStringLiteral("https://dead.example/page%1").arg(i));
    for (const auto& t : FaviconFetcher::attachIcons(*service, oneSite))
        EXPECT_FALSE(t.iconFile);
    EXPECT_EQ(service->requests().size(), 1);

    // A thousand sites answering with no picture: the first ones asked, a
    // few lines, then the count.
    env.clearLog();
    QList<BrowserTabs::Tab> manySites;
    for (int i = 0; i < 1000; ++i) {
        const QString host = QStringLiteral("site%1.example").arg(i);
        service->setReply(iconUrl(host), QByteArray("<html>moved</html>"));
        manySites << tab(QStringLiteral("https://%1/").arg(host));
    }
    FaviconFetcher::attachIcons(*service, manySites);
    EXPECT_EQ(service->requests().size(), 1 + FaviconFetcher::maxHostsPerRun);
    EXPECT_TRUE(service->requests().last().toString().endsWith(
        QStringLiteral("site%1.example").arg(FaviconFetcher::maxHostsPerRun - 1)));
    const QStringList lines = env.logLines();
    ASSERT_EQ(lines.size(), FaviconFetcher::failuresLogged + 2) << lines.join('\n').toStdString();
    EXPECT_EQ(lines[FaviconFetcher::failuresLogged],
        QStringLiteral("Kelvaro: %1 more favicon fetches failed")
            .arg(FaviconFetcher::maxHostsPerRun - FaviconFetcher::failuresLogged));
    EXPECT_TRUE(lines.last().contains(QStringLiteral("800 more sites"))) << lines.last().toStdString();
}

TEST_F(FaviconFetcherTest, DownloadsRunSeveralAtATimeOnTheirOwnClock)
{
    service->setLatency(1.0);
    QList<BrowserTabs::Tab> tabs;
    for (int copy = 0; copy < 3; ++copy) {
        for (int i = 0; i < 30; ++i) {
            const QString host = QStringLiteral("h%1.example").arg(i);
            if (i % 3 != 0)
                service->setReply(iconUrl(host), pngBytes());
            tabs << tab(QStringLiteral("https://%1/%2").arg(host).arg(copy));
        }
    }
    FaviconFetchRun run(*service, tabs);
    bool finished = false;
    run.start([&] { finished = true; });
    EXPECT_EQ(service->inFlight(), FaviconFetcher::maxConcurrent);
    double elapsed = 0.0;
    while (!finished && elapsed < 60.0) {
        env.scheduler().advance(0.25);
        elapsed += 0.25;
        ASSERT_LE(service->inFlight(), FaviconFetcher::maxConcurrent) << elapsed;
    }
    ASSERT_TRUE(finished);
    // 30 sites, maxConcurrent at a time, a second each.
    const int rounds = (30 + FaviconFetcher::maxConcurrent - 1) / FaviconFetcher::maxConcurrent;
    EXPECT_DOUBLE_EQ(elapsed, rounds);
    EXPECT_EQ(service->mostInFlight(), FaviconFetcher::maxConcurrent);
    EXPECT_EQ(service->requests().size(), 30);
    for (qsizetype i = 0; i < tabs.size(); ++i)
        EXPECT_EQ(run.tabs()[i].iconFile.has_value(), i % 30 % 3 != 0) << i;

    // A run given up half way calls nobody back, and nothing of it stays asked.
    QDir(CustomIcons::folderPath()).removeRecursively();
    {
        FaviconFetchRun abandoned(*service, tabs);
        abandoned.start([] { ADD_FAILURE() << "an abandoned run finished"; });
        env.scheduler().advance(1.5);
    }
    env.scheduler().advance(30.0);
    EXPECT_EQ(service->inFlight(), 0);
    EXPECT_EQ(service->requests().size(), 30 + std::min(30, 2 * FaviconFetcher::maxConcurrent));
}

TEST_F(FaviconFetcherTest, RepliesDecodeOnlyAsSmallPicturesOfTheFormatsSitesUse)
{
    EXPECT_FALSE(FaviconFetcher::decodeReply(pngBytes()).isNull());
    QByteArray ico;
    {
        QBuffer buffer(&ico);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(QImage(32, 32, QImage::Format_ARGB32).save(&buffer, "ICO"));
    }
    EXPECT_EQ(FaviconFetcher::decodeReply(ico).size(), QSize(32, 32));
    // A picture larger than the folder shows, one that only claims to be, and other things.
    QByteArray big;
    {
        QBuffer buffer(&big);
        buffer.open(QIODevice::WriteOnly);
        QImage(FaviconFetcher::maxPixelSide + 1, 2, QImage::Format_ARGB32).save(&buffer, "PNG");
    }
    EXPECT_TRUE(FaviconFetcher::decodeReply(big).isNull());
    QByteArray claims = pngBytes();
    claims.replace(16, 8, QByteArray::fromHex("0000c3500000c350")); // IHDR: 50000 x 50000
    EXPECT_TRUE(FaviconFetcher::decodeReply(claims).isNull());
    EXPECT_TRUE(
        FaviconFetcher::decodeReply("<svg xmlns='http://www.w3.org/2000/svg' width='16' height='16'/>").isNull());
    EXPECT_TRUE(FaviconFetcher::decodeReply(pngBytes() + QByteArray(FaviconService::maxBytes, '\0')).isNull());
    EXPECT_TRUE(FaviconFetcher::decodeReply(QByteArray()).isNull());
}

TEST_F(FaviconFetcherTest, HostsThatCannotSafelyNameAFileAreSkipped)
{
    const QList<BrowserTabs::Tab> hostile {
        tab(QStringLiteral("https://b\u00fccher.example/")), // IDN in Unicode form
        tab(QStringLiteral("https://[::1]/")),
        tab(QStringLiteral("https://exa%2Fmple.com/")),
        tab(QStringLiteral("https://user@/path")),
        tab(QStringLiteral("not a url at all")),
    };
    for (const auto& t : FaviconFetcher::attachIcons(*service, hostile))
        EXPECT_FALSE(t.iconFile) << t.url.toStdString();
    for (const QUrl& u : service->requests())
        EXPECT_FALSE(u.toString().contains(QStringLiteral("%2F"))) << u.toString().toStdString();
    EXPECT_FALSE(FaviconFetcher::fileName(QStringLiteral("../../etc")));
    EXPECT_FALSE(FaviconFetcher::fileName(QStringLiteral("a/b")));
    EXPECT_EQ(FaviconFetcher::fileName(QStringLiteral("xn--bcher-kva.example")),
        QStringLiteral("custom_icon_favicon_xn--bcher-kva_example.png"));

    // The ASCII form of an IDN is fine.
    service->setReply(iconUrl(QStringLiteral("xn--bcher-kva.example")), pngBytes());
    EXPECT_EQ(
        FaviconFetcher::attachIcons(*service, { tab(QStringLiteral("https://xn--bcher-kva.example/")) })[0].iconFile,
        QStringLiteral("custom_icon_favicon_xn--bcher-kva_example.png"));
}

// A one-shot HTTP server on the loopback interface.
class IconServer : public QObject {
public:
    IconServer()
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = m_server.nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    QByteArray& request = m_requests[s];
                    request += s->readAll();
                    if (!request.contains("\r\n\r\n"))
                        return;
                    paths << request.split(' ').value(1);
                    m_requests.remove(s);
                    const QByteArray body = reply(paths.last());
                    s->write("HTTP/1.1 " + QByteArray(body.isEmpty() ? "404 Not Found" : "200 OK")
                        + "\r\nContent-Type: image/png\r\nContent-Length: " + QByteArray::number(body.size())
                        + "\r\nConnection: close\r\n\r\n");
                    s->write(body);
                    s->disconnectFromHost();
                });
            }
        });
    }
    QUrl base() const { return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort())); }
    std::function<QByteArray(const QByteArray&)> reply;
    QList<QByteArray> paths;

private:
    QTcpServer m_server;
    QHash<QTcpSocket*, QByteArray> m_requests; // several connections at a time
};

TEST_F(FaviconFetcherTest, RealDownloadFromALoopbackServerWithSizeCap)
{
    const std::shared_ptr<FaviconService> network = makeNetworkFaviconService();
    IconServer server;
    server.reply = [](const QByteArray& path) -> QByteArray {
        if (path.endsWith("domain=good.example"))
            return pngBytes(Qt::blue);
        if (path.endsWith("domain=huge.example")) // a valid image, but over 256 KiB
            return pngBytes(Qt::green) + QByteArray(300 * 1024, '\0');
        return {};
    };
    FaviconFetcher::setServiceBase(server.base());
    const auto tabs = attachOffMainThread(*network,
        { tab(QStringLiteral("https://good.example/")), tab(QStringLiteral("https://huge.example/")),
            tab(QStringLiteral("https://missing.example/")), tab(QStringLiteral("https://missing.example/2")),
            tab(QStringLiteral("https://good.example/2")) });
    ASSERT_EQ(server.paths.size(), 3) << server.paths.join(" | ").toStdString();
    EXPECT_TRUE(server.paths.contains(QByteArray("/s2/favicons?sz=64&domain=good.example")));
    EXPECT_EQ(tabs[0].iconFile, QStringLiteral("custom_icon_favicon_good_example.png"));
    EXPECT_EQ(tabs[4].iconFile, tabs[0].iconFile);
    EXPECT_FALSE(tabs[1].iconFile);
    EXPECT_FALSE(tabs[2].iconFile);
    EXPECT_EQ(QDir(CustomIcons::folderPath()).entryList(QDir::Files),
        QStringList { QStringLiteral("custom_icon_favicon_good_example.png") });
}

} // namespace
