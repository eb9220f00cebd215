#include "ring/FaviconFetcher.h"

#include "core/CustomIcons.h"
#include "platform/FaviconService.h"
#include "platform/ImageCheck.h"
#include "platform/Log.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QSaveFile>
#include <algorithm>
#include <mutex>

namespace {
// Decoding a picture of at most 1024 x 1024 needs 4 MiB; leave room for the
// decoder's own buffers, refuse anything that would need more.
constexpr int allocationLimitMiB = 16;

std::mutex g_baseMutex;
QUrl g_base(QStringLiteral("https://www.google.com"));

bool safeHostCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '-' || u == '.';
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

std::optional<QString> FaviconFetcher::hostOf(const QString& address)
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

QImage FaviconFetcher::decodeReply(const QByteArray& bytes, QString* refusal)
{
    const auto refuse = [refusal](const QString& why) {
        if (refusal)
            *refusal = why;
        return QImage();
    };
    if (bytes.isEmpty())
        return refuse(QStringLiteral("no bytes"));
    // The structure and the promised size are checked before any decoder
    // reads the bytes; the picture is then decoded by the reader of the
    // format found, alone, since another decoder that recognises the content
    // may read a picture of another size than the header announced.
    const ImageCheck::Verdict verdict
        = ImageCheck::inspect(bytes, { FaviconService::maxBytes, maxPixelSide, qint64(maxPixelSide) * maxPixelSide });
    if (!verdict.ok())
        return refuse(verdict.reason);
    if (verdict.format == ImageCheck::Format::other)
        return refuse(QStringLiteral("not a PNG, ICO, GIF, JPEG or BMP picture"));
    const QByteArray format = ImageCheck::formatName(verdict.format);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    reader.setAutoDetectImageFormat(false);
    reader.setAllocationLimit(allocationLimitMiB);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || size.width() > maxPixelSide || size.height() > maxPixelSide)
        return refuse(
            QStringLiteral("the decoder reads a size of %1 x %2 pixels").arg(size.width()).arg(size.height()));
    QImage image = reader.read();
    if (image.isNull())
        return refuse(QStringLiteral("not decodable (%1)").arg(reader.errorString()));
    // The header is only a promise; hold the decoded picture to the limit too.
    if (image.width() > maxPixelSide || image.height() > maxPixelSide)
        return refuse(QStringLiteral("decoded to %1 x %2 pixels").arg(image.width()).arg(image.height()));
    return image;
}

QList<BrowserTabs::Tab> FaviconFetcher::attachIcons(FaviconService& service, const QList<BrowserTabs::Tab>& tabs)
{
    QList<BrowserTabs::Tab> result;
    {
        FaviconFetchRun run(service, tabs);
        QEventLoop loop;
        run.start([&loop] { loop.quit(); });
        if (!run.isFinished())
            loop.exec();
        result = run.tabs();
    }
    // The replies were handed to this thread's loop for deletion after it
    // stopped running; without a loop of its own the thread would keep them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}

// ---- FaviconFetchRun ---------------------------------------------------------

FaviconFetchRun::FaviconFetchRun(FaviconService& service, QList<BrowserTabs::Tab> tabs)
    : m_service(service)
    , m_tabs(std::move(tabs))
    , m_folder(CustomIcons::folderPath())
{
}

FaviconFetchRun::~FaviconFetchRun() = default;

void FaviconFetchRun::start(std::function<void()> finished)
{
    m_onFinished = std::move(finished);
    QDir().mkpath(m_folder); // a failure shows up as failed writes
    // Each site is looked at once: its file when there is one, else one
    // download shared by all its tabs. A tab whose site gets no icon keeps
    // whatever it had.
    QHash<QString, std::optional<QString>> settled; // host -> file name, or none
    for (qsizetype i = 0; i < m_tabs.size(); ++i) {
        const auto host = FaviconFetcher::hostOf(m_tabs[i].url);
        if (!host)
            continue;
        if (const auto waiting = m_waiting.find(*host); waiting != m_waiting.end()) {
            waiting->append(i);
            continue;
        }
        auto known = settled.constFind(*host);
        if (known == settled.constEnd()) {
            std::optional<QString> file;
            const auto name = FaviconFetcher::fileName(*host);
            if (!name) {
                fail(QStringLiteral("Kelvaro: no favicon for unusual host '%1'").arg(*host));
            } else if (QFileInfo::exists(QDir(m_folder).filePath(*name))) {
                file = name;
                if (m_onFound)
                    m_onFound(*host, *name);
            } else if (m_queue.size() < FaviconFetcher::maxHostsPerRun) {
                m_queue.append(*host);
                m_waiting.insert(*host, { i });
                continue;
            } else {
                ++m_skipped;
            }
            known = settled.insert(*host, file);
        }
        if (*known)
            m_tabs[i].iconFile = **known;
    }
    if (!m_queue.isEmpty())
        m_session = m_service.open();
    pump();
}

void FaviconFetchRun::pump()
{
    // A download may end before fetch returns: the loop that started it
    // goes on with the next.
    if (m_pumping)
        return;
    m_pumping = true;
    const QUrl base = FaviconFetcher::serviceBase();
    QString basePath = base.path();
    while (basePath.endsWith(QLatin1Char('/')))
        basePath.chop(1);
    while (m_inFlight < FaviconFetcher::maxConcurrent && m_next < m_queue.size()) {
        const QString host = m_queue[m_next++];
        QUrl url = base;
        url.setPath(basePath + QStringLiteral("/s2/favicons"));
        url.setQuery(QStringLiteral("sz=64&domain=") + host);
        if (!url.isValid()) {
            m_waiting.remove(host);
            continue;
        }
        const QString name = *FaviconFetcher::fileName(host); // checked when queued
        ++m_inFlight;
        m_session->fetch(url, [this, host, name, url](FaviconService::Reply reply) {
            --m_inFlight;
            take(host, name, url, std::move(reply));
            pump();
        });
    }
    m_pumping = false;
    if (m_inFlight == 0 && m_next >= m_queue.size())
        finish();
}

void FaviconFetchRun::take(const QString& host, const QString& name, const QUrl& url, FaviconService::Reply reply)
{
    const QList<qsizetype> tabs = m_waiting.take(host);
    if (!reply.body) {
        fail(QStringLiteral("Kelvaro: favicon download failed: %1 (%2)").arg(url.toString(), reply.failure));
        return;
    }
    QString refusal;
    if (FaviconFetcher::decodeReply(*reply.body, &refusal).isNull()) {
        fail(QStringLiteral("Kelvaro: favicon for %1 is not an image: %2").arg(host, refusal));
        return;
    }
    const QString path = QDir(m_folder).filePath(name);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*reply.body) != reply.body->size() || !file.commit()) {
        fail(QStringLiteral("Kelvaro: could not save favicon %1: %2").arg(path, file.errorString()));
        return;
    }
    for (qsizetype i : tabs)
        m_tabs[i].iconFile = name;
    if (m_onFound)
        m_onFound(host, name);
}

void FaviconFetchRun::fail(const QString& line)
{
    // A capture of many tabs of dead sites must not flood the log.
    if (++m_failures <= FaviconFetcher::failuresLogged)
        Log::write(line);
}

void FaviconFetchRun::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    if (m_failures > FaviconFetcher::failuresLogged)
        Log::write(
            QStringLiteral("Kelvaro: %1 more favicon fetches failed").arg(m_failures - FaviconFetcher::failuresLogged));
    if (m_skipped > 0)
        Log::write(
            QStringLiteral("Kelvaro: favicons fetched for the first %1 sites only; %2 more sites left without one")
                .arg(FaviconFetcher::maxHostsPerRun)
                .arg(m_skipped));
    if (m_onFinished)
        m_onFinished();
}
