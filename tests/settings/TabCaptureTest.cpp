// A capture and its favicons: the capture is stored once the icons' time is
// up even when their sites never answer, icons that come later are filled
// into the stored capture, and a quit while they come keeps the capture.

#include "core/CustomIcons.h"
#include "platform/FaviconService.h"
#include "platform/sim/SimBrowserScripting.h"
#include "platform/sim/SimDesktop.h"
#include "ring/CapturedTabStore.h"
#include "ring/FaviconFetcher.h"
#include "settings/CapturedTabsSettingsView.h"
#include "settings/TabCapture.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>
#include <mutex>
#include <set>

namespace {

QByteArray pngBytes()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data;
}

BrowserTabs::Tab tab(const QString& host)
{
    return { host, QStringLiteral("https://%1/").arg(host), std::nullopt, QStringLiteral("Chrome") };
}

// A favicon service whose sites answer only when the test says so, on the
// thread that asked: until then they are sites that never answer.
class HeldFaviconService final : public FaviconService {
public:
    std::unique_ptr<Session> open() override { return std::make_unique<HeldSession>(this); }

    void setReply(const QString& host, const QByteArray& body)
    {
        std::lock_guard lock(m_mutex);
        m_replies.insert(host, body);
    }
    int asked() const
    {
        std::lock_guard lock(m_mutex);
        return m_asked;
    }
    // Answers every request asked so far.
    void release()
    {
        std::lock_guard lock(m_mutex);
        for (HeldSession* session : m_sessions)
            QMetaObject::invokeMethod(
                &session->context, [session] { session->answer(); }, Qt::QueuedConnection);
    }

private:
    class HeldSession final : public Session {
    public:
        explicit HeldSession(HeldFaviconService* service)
            : m_service(service)
        {
            std::lock_guard lock(m_service->m_mutex);
            m_service->m_sessions.insert(this);
        }
        ~HeldSession() override
        {
            std::lock_guard lock(m_service->m_mutex);
            m_service->m_sessions.erase(this);
        }
        void fetch(const QUrl& url, Done done) override
        {
            std::lock_guard lock(m_service->m_mutex);
            ++m_service->m_asked;
            m_pending.append({ url, std::move(done) });
        }
        void answer()
        {
            const auto pending = std::exchange(m_pending, {});
            for (const auto& [url, done] : pending) {
                Reply reply;
                {
                    std::lock_guard lock(m_service->m_mutex);
                    const QString host = url.query().section(QLatin1Char('='), -1);
                    if (const auto it = m_service->m_replies.constFind(host); it != m_service->m_replies.constEnd())
                        reply.body = *it;
                    else
                        reply.failure = QStringLiteral("no such site");
                }
                done(reply);
            }
        }
        QObject context; // lives on the asking thread

    private:
        HeldFaviconService* m_service;
        QList<std::pair<QUrl, Done>> m_pending;
    };

    mutable std::mutex m_mutex;
    std::set<HeldSession*> m_sessions;
    QHash<QString, QByteArray> m_replies;
    int m_asked = 0;
};

class TabCaptureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(CustomIcons::folderPath()).removeRecursively();
        QDir().mkpath(CustomIcons::folderPath());
        FaviconFetcher::setServiceBase(QUrl(QStringLiteral("https://icons.example")));
        env.platform().ports().browserScripting = browsers;
        env.platform().ports().faviconService = favicons;
    }
    void TearDown() override { QDir(CustomIcons::folderPath()).removeRecursively(); }
    static void saveIcon(const QString& host)
    {
        QFile file(QDir(CustomIcons::folderPath()).filePath(*FaviconFetcher::fileName(host)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(pngBytes());
    }
    static QString iconOf(const QString& host) { return *FaviconFetcher::fileName(host); }

    TestSupport::SimEnvironment env;
    std::shared_ptr<SimBrowserScripting> browsers = std::make_shared<SimBrowserScripting>();
    std::shared_ptr<HeldFaviconService> favicons = std::make_shared<HeldFaviconService>();
    CapturedTabStore store { env.platform() };
};

TEST_F(TabCaptureTest, StoredWhenTheIconsTimeIsUpAndLateIconsAreFilledIn)
{
    // Forty sites, none of which answers; the last one's icon comes late.
    env.sim().desktop().addApp(20, QStringLiteral("com.google.Chrome"), QStringLiteral("Chrome"));
    QStringList titles;
    QStringList urls;
    for (int i = 0; i < 40; ++i) {
        titles << QStringLiteral("Site %1").arg(i);
        urls << QStringLiteral("https://s%1.example/").arg(i);
    }
    browsers->setTabs(QStringLiteral("com.google.Chrome"), titles, urls);
    favicons->setReply(QStringLiteral("s39.example"), pngBytes());

    CapturedTabsSettingsView page(env.platform());
    page.resize(520, 600);
    page.show();
    int changes = 0;
    QObject::connect(&page, &CapturedTabsSettingsView::storeChanged, [&] { ++changes; });
    page.capture();
    ASSERT_TRUE(QTest::qWaitFor([&] { return favicons->asked() == FaviconFetcher::maxConcurrent; }, 5000));
    QCoreApplication::processEvents(); // the tabs were handed over before the first request
    env.scheduler().advance(TabCapture::iconSeconds - 0.05);
    EXPECT_TRUE(page.isCapturing());
    EXPECT_TRUE(store.sessions().isEmpty());
    env.scheduler().advance(0.1);
    EXPECT_FALSE(page.isCapturing()) << "still waiting on sites that do not answer";
    EXPECT_FALSE(TabCapture::isRunning());
    EXPECT_EQ(page.message(), QStringLiteral("Captured 40 tabs from Chrome."));
    ASSERT_EQ(store.sessions().size(), 1);
    const CapturedSession stored = store.sessions().first();
    ASSERT_EQ(stored.tabs.size(), 40);
    for (const auto& t : stored.tabs)
        EXPECT_FALSE(t.iconFile);
    EXPECT_EQ(changes, 1);

    // The user edits the capture meanwhile; the icon goes into it as it is now.
    page.remove(0);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            favicons->release();
            return store.active()->tabs.last().iconFile.has_value();
        },
        5000));
    EXPECT_EQ(store.active()->tabs.last().iconFile, iconOf(QStringLiteral("s39.example")));
    EXPECT_EQ(store.active()->tabs.size(), 39);
    EXPECT_EQ(store.sessions().size(), 1);
    EXPECT_EQ(changes, 3); // the removal, then the icon
    EXPECT_EQ(page.selected()->tabs.last().iconFile, iconOf(QStringLiteral("s39.example")));
}

TEST_F(TabCaptureTest, IconsFoundInTimeAreStoredWithTheCaptureAtOnce)
{
    bool ended = false;
    QObject::connect(&TabCapture::events(), &TabCapture::ended, [&] { ended = true; });
    saveIcon(QStringLiteral("a.example"));
    auto* run = new TabCaptureRun(store, env.scheduler());
    BrowserTabs::CaptureResult result;
    result.tabs
        = { tab(QStringLiteral("a.example")), tab(QStringLiteral("b.example")), tab(QStringLiteral("b.example")) };
    run->captured(result);
    run->found(QStringLiteral("a.example"), iconOf(QStringLiteral("a.example")));
    run->found(QStringLiteral("b.example"), iconOf(QStringLiteral("b.example")));
    EXPECT_FALSE(ended);
    run->settled(); // every site answered before the time was up
    EXPECT_TRUE(ended);
    ASSERT_EQ(store.sessions().size(), 1);
    const auto stored = store.active();
    for (const auto& t : stored->tabs)
        EXPECT_EQ(t.iconFile, iconOf(FaviconFetcher::hostOf(t.url).value()));
    env.scheduler().advance(TabCapture::iconSeconds * 2);
    EXPECT_EQ(store.sessions().size(), 1) << "stored twice";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(TabCaptureTest, AQuitWhileTheIconsComeKeepsTheCapture)
{
    auto* run = new TabCaptureRun(store, env.scheduler());
    BrowserTabs::CaptureResult result;
    result.tabs = { tab(QStringLiteral("a.example")), tab(QStringLiteral("b.example")) };
    run->captured(result);
    run->found(QStringLiteral("b.example"), iconOf(QStringLiteral("b.example")));
    env.scheduler().advance(TabCapture::iconSeconds / 2);
    EXPECT_TRUE(store.sessions().isEmpty());
    QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit", Qt::DirectConnection);
    ASSERT_EQ(store.sessions().size(), 1);
    EXPECT_FALSE(store.active()->tabs[0].iconFile);
    EXPECT_EQ(store.active()->tabs[1].iconFile, iconOf(QStringLiteral("b.example")));
    env.scheduler().advance(TabCapture::iconSeconds);
    EXPECT_EQ(store.sessions().size(), 1);
    run->settled();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace
