#include "settings/TabCapture.h"

#include "platform/FaviconService.h"
#include "platform/Platform.h"
#include "platform/Scheduler.h"
#include "ring/FaviconFetcher.h"
#include "services/Telemetry.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonObject>
#include <QSet>
#include <thread>

namespace {
bool g_running = false;

int browserCount(const QList<BrowserTabs::Tab>& tabs)
{
    QSet<QString> names;
    for (const BrowserTabs::Tab& t : tabs)
        if (t.browser && !t.browser->isEmpty())
            names.insert(*t.browser);
    return int(names.size());
}

// Sets the icon of every tab of `host` that has none; true when one changed.
bool giveIcons(QList<BrowserTabs::Tab>& tabs, const QHash<QString, QString>& icons)
{
    bool changed = false;
    for (BrowserTabs::Tab& tab : tabs) {
        if (tab.iconFile)
            continue;
        const auto host = FaviconFetcher::hostOf(tab.url);
        if (!host)
            continue;
        const auto icon = icons.constFind(*host);
        if (icon == icons.constEnd())
            continue;
        tab.iconFile = *icon;
        changed = true;
    }
    return changed;
}
}

TabCapture& TabCapture::events()
{
    static TabCapture* events = new TabCapture; // lives as long as the process
    return *events;
}

bool TabCapture::isRunning() { return g_running; }

bool TabCapture::start(const Platform& platform)
{
    if (g_running)
        return false;
    g_running = true;
    const BrowserTabs::Sources sources = BrowserTabs::Sources::of(platform);
    platform.faviconService(); // a missing backend is a programming error, here rather than on the worker
    // Goes once the worker's last word has been heard, never before: the
    // worker posts to it until then.
    auto* run = new TabCaptureRun(CapturedTabStore(platform), platform.scheduler());
    // A thread of its own, detached: quitting in the middle of a capture
    // must not wait for a browser's files or a favicon download.
    std::thread([run, sources, favicons = platform.ports().faviconService] {
        const auto post = [run](std::function<void()> call) {
            QMetaObject::invokeMethod(run, std::move(call), Qt::QueuedConnection);
        };
        const BrowserTabs::CaptureResult result = BrowserTabs::captureAll(sources);
        post([run, result] { run->captured(result); });
        if (result.ok() && !result.tabs.isEmpty()) {
            {
                FaviconFetchRun icons(*favicons, result.tabs);
                icons.onIconFound([post, run](const QString& host, const QString& file) {
                    post([run, host, file] { run->found(host, file); });
                });
                QEventLoop loop;
                icons.start([&loop] { loop.quit(); });
                if (!icons.isFinished())
                    loop.exec();
            }
            // The replies were handed to this thread's loop for deletion
            // after it stopped running.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        post([run] { run->settled(); });
    }).detach();
    return true;
}

TabCaptureRun::TabCaptureRun(CapturedTabStore store, Scheduler& scheduler)
    : m_store(store)
    , m_scheduler(scheduler)
{
}

void TabCaptureRun::captured(const BrowserTabs::CaptureResult& result)
{
    if (!result.ok() || result.tabs.isEmpty()) {
        // Nothing to store: said at once.
        m_stored = true;
        g_running = false;
        Q_EMIT TabCapture::events().ended(result, {});
        return;
    }
    m_result = result;
    m_deadline = m_scheduler.postAfterWhileAlive(TabCapture::iconSeconds, this, [this] {
        m_deadline = 0;
        store();
    });
    // Quitting while the icons come in keeps the capture as it is.
    m_quit = connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] { store(); });
}

void TabCaptureRun::found(const QString& host, const QString& fileName)
{
    if (!m_result)
        return;
    if (!m_stored) {
        giveIcons(m_result->tabs, { { host, fileName } });
        return;
    }
    m_late.insert(host, fileName);
    if (m_fill == 0)
        m_fill = m_scheduler.postAfterWhileAlive(TabCapture::fillSeconds, this, [this] {
            m_fill = 0;
            fill();
        });
}

void TabCaptureRun::settled()
{
    store();
    fill();
    if (m_fill != 0)
        m_scheduler.cancel(m_fill);
    m_fill = 0;
    deleteLater();
}

void TabCaptureRun::store()
{
    if (m_stored)
        return;
    m_stored = true;
    g_running = false;
    if (m_deadline != 0)
        m_scheduler.cancel(m_deadline);
    m_deadline = 0;
    disconnect(m_quit);
    QJsonObject properties;
    properties.insert(QStringLiteral("tab_count"), int(m_result->tabs.size()));
    properties.insert(QStringLiteral("browser_count"), browserCount(m_result->tabs));
    // Sent on the rule of every usage event (on unless the user turned it off).
    Telemetry::shared().capture(Telemetry::Event::TabsCaptured, properties);
    CapturedTabStore::Added added;
    const CapturedSession session = m_store.add(m_result->tabs, &added);
    if (added.stored)
        m_id = session.id;
    Q_EMIT TabCapture::events().ended(*m_result, added);
}

void TabCaptureRun::fill()
{
    if (!m_id || m_late.isEmpty())
        return;
    const QHash<QString, QString> icons = std::exchange(m_late, {});
    // Into the capture as it is stored now: the user may have edited it, or
    // deleted it, meanwhile.
    for (CapturedSession session : m_store.sessions()) {
        if (session.id != *m_id)
            continue;
        if (giveIcons(session.tabs, icons)) {
            m_store.update(session);
            Q_EMIT TabCapture::events().iconsFilled(session.id);
        }
        return;
    }
}
