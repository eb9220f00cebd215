#include "services/UpdateChecker.h"

#include "platform/DefaultsStore.h"
#include "platform/LinkOpener.h"
#include "platform/Platform.h"
#include "platform/Log.h"
#include "services/BuildConfig.h"
#include "services/ServiceNetwork.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QRegularExpression>
#include <QUrl>
#include <array>

namespace {
const QString kAutomaticKey = QStringLiteral("updateChecksAutomatic");
const QString kLastCheckKey = QStringLiteral("updateLastCheck");
const QString kSkippedKey = QStringLiteral("updateSkippedBuild");

// The lenient integer reading of a defaults value: numbers as they are,
// strings when they are integers, everything else 0.
qint64 readInteger(const DefaultsStore& defaults, const QString& key)
{
    const auto v = defaults.value(key);
    if (!v)
        return 0;
    switch (v->typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return v->toLongLong();
    case QMetaType::Double:
        return static_cast<qint64>(v->toDouble());
    case QMetaType::QString:
        return BuildConfig::parseInteger(v->toString().trimmed()).value_or(0);
    default:
        return 0;
    }
}

// Dotted version text -> major, minor, patch (missing and malformed pieces 0).
std::array<qint64, 3> versionTriple(const QString& text)
{
    std::array<qint64, 3> out { 0, 0, 0 };
    const QStringList pieces = text.split(QLatin1Char('.'), Qt::SkipEmptyParts);
    for (int i = 0; i < 3 && i < pieces.size(); ++i)
        out[static_cast<std::size_t>(i)] = BuildConfig::parseInteger(pieces[i]).value_or(0);
    return out;
}
}

UpdateChecker::UpdateChecker(DefaultsStore& defaults, QObject* parent)
    : QObject(parent)
    , m_defaults(&defaults)
{
    const auto automatic = defaults.value(kAutomaticKey);
    m_automaticChecks = automatic && automatic->typeId() == QMetaType::Bool ? automatic->toBool() : true;

    if (const auto last = defaults.value(kLastCheckKey)) {
        QDateTime when;
        if (last->typeId() == QMetaType::QDateTime)
            when = last->toDateTime();
        else if (last->typeId() == QMetaType::QString)
            when = QDateTime::fromString(last->toString(), Qt::ISODateWithMs);
        if (when.isValid())
            m_lastCheck = when;
        else
            Log::write(QStringLiteral("Kelvaro: ignoring a stored \"updateLastCheck\" that is not a date"));
    }
}

UpdateChecker::~UpdateChecker() { stopUpdateChecks(); }

UpdateChecker& UpdateChecker::shared()
{
    DefaultsStore& defaults = Platform::installed().defaults();
    static UpdateChecker* instance = nullptr;
    if (!instance) {
        instance = new UpdateChecker(defaults); // never destroyed: its session closes with the application
        qAddPostRoutine([] { instance->m_network.closeBeforeExit(); });
    }
    instance->m_defaults = &defaults;
    return *instance;
}

bool UpdateChecker::hasFeed() { return !BuildConfig::updateFeedUrl().trimmed().isEmpty(); }

void UpdateChecker::setAutomaticChecks(bool on)
{
    m_defaults->setValue(kAutomaticKey, on);
    if (m_automaticChecks == on)
        return;
    m_automaticChecks = on;
    Q_EMIT automaticChecksChanged();
}

void UpdateChecker::setOutcome(Outcome o)
{
    if (m_outcome == o)
        return;
    m_outcome = std::move(o);
    Q_EMIT outcomeChanged();
}

void UpdateChecker::record()
{
    const QDateTime now = Scheduler::shared().wallClock().toUTC();
    m_lastCheck = now;
    m_defaults->setValue(kLastCheckKey, now.toString(Qt::ISODateWithMs));
    Q_EMIT lastCheckChanged();
}

void UpdateChecker::check(bool manual, std::function<void()> done)
{
    const QString address = BuildConfig::updateFeedUrl().trimmed();
    const QUrl url(address, QUrl::StrictMode);
    if (address.isEmpty() || !url.isValid() || url.isRelative() || (!url.isLocalFile() && url.host().isEmpty())) {
        if (!address.isEmpty())
            Log::write(QStringLiteral("Kelvaro: the update feed address \"%1\" is not a valid URL").arg(address));
        if (manual)
            setOutcome(Outcome::failed(noFeedMessage));
        if (done)
            done();
        return;
    }

    setOutcome(Outcome::checking());

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    QNetworkReply* reply = m_network.manager().get(request);

    struct State {
        QByteArray body;
        QString failure; // set when we abort the reply ourselves
        Scheduler::TimerId timer = 0;
    };
    auto state = std::make_shared<State>();
    QPointer<QNetworkReply> guard(reply);

    state->timer = Scheduler::shared().postAfter(requestTimeout, [guard, state] {
        state->timer = 0;
        if (guard && guard->isRunning()) {
            state->failure = QStringLiteral("no answer within %1 s").arg(requestTimeout);
            guard->abort();
        }
    });

    auto overLimit = [state, guard] {
        if (state->body.size() <= maximumFeedSize || !state->failure.isEmpty())
            return;
        state->failure = QStringLiteral("the feed is larger than %1 bytes").arg(maximumFeedSize);
        state->body.clear();
        if (guard)
            guard->abort();
    };
    connect(reply, &QNetworkReply::metaDataChanged, this, [reply, state, guard] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > maximumFeedSize && state->failure.isEmpty()) {
            state->failure = QStringLiteral("the feed is larger than %1 bytes").arg(maximumFeedSize);
            if (guard)
                guard->abort();
        }
    });
    connect(reply, &QNetworkReply::readyRead, this, [reply, state, overLimit] {
        if (!state->failure.isEmpty())
            return;
        state->body += reply->read(maximumFeedSize + 1 - state->body.size());
        overLimit();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, state, overLimit, manual, done = std::move(done)] {
        if (state->timer) {
            Scheduler::shared().cancel(state->timer);
            state->timer = 0;
        }
        if (state->failure.isEmpty()) {
            state->body += reply->read(maximumFeedSize + 1 - state->body.size());
            overLimit();
        }
        QString why = state->failure;
        if (why.isEmpty()) {
            const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
            if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299))
                why = QStringLiteral("HTTP status %1").arg(status.toInt());
            else if (reply->error() != QNetworkReply::NoError)
                why = reply->errorString();
        }
        reply->deleteLater();
        finish(manual, why.isEmpty(), state->body, why);
        if (done)
            done();
    });
}

void UpdateChecker::finish(bool manual, bool ok, const QByteArray& body, const QString& why)
{
    record();

    std::optional<UpdateManifest> manifest;
    QString failure = why;
    if (ok) {
        QString error;
        manifest = UpdateManifest::decode(body, &error);
        if (!manifest)
            failure = QStringLiteral("malformed feed: %1").arg(error);
    }
    if (!manifest)
        Log::write(QStringLiteral("Kelvaro: update check failed: %1").arg(failure));

    if (!manifest) {
        setOutcome(manual ? Outcome::failed(unreachableMessage) : Outcome::idle());
        return;
    }
    if (currentBuild() >= manifest->build || !supportsThisSystem(*manifest))
        setOutcome(Outcome::upToDate());
    else if (!manual && manifest->build == readInteger(*m_defaults, kSkippedKey))
        setOutcome(Outcome::idle());
    else
        setOutcome(Outcome::available(*manifest));
}

void UpdateChecker::checkInBackground(std::function<void(bool)> done)
{
    auto answer = [done = std::move(done)](bool v) {
        if (done)
            done(v);
    };
    if (!m_automaticChecks)
        return answer(false);
    if (m_lastCheck) {
        const qint64 elapsedMs = m_lastCheck->msecsTo(Scheduler::shared().wallClock());
        if (elapsedMs < static_cast<qint64>(interval * 1000))
            return answer(false);
    }
    check(false, [this, answer] { answer(m_outcome.kind == Outcome::Available); });
}

void UpdateChecker::skip(const UpdateManifest& manifest)
{
    m_defaults->setValue(kSkippedKey, manifest.build);
    setOutcome(Outcome::idle());
}

void UpdateChecker::download(const UpdateManifest& manifest)
{
    if (!UpdateManifest::isAcceptableDownloadUrl(manifest.url)) {
        Log::write(QStringLiteral("Kelvaro: not opening the download address \"%1\": only https addresses are opened")
                       .arg(manifest.url));
        return;
    }
    const QUrl url(manifest.url, QUrl::StrictMode);
    if (!Platform::installed().linkOpener().open(url))
        Log::write(QStringLiteral("Kelvaro: could not open %1 in the browser").arg(url.toString()));
}

void UpdateChecker::startUpdateChecks(std::function<void(bool atLaunch)> onAvailable)
{
    m_onAvailable = std::move(onAvailable);
    auto notify = [this](bool atLaunch) {
        return [this, atLaunch](bool available) {
            if (available && m_onAvailable)
                m_onAvailable(atLaunch);
        };
    };
    Scheduler::shared().post([this, guard = QPointer<UpdateChecker>(this), notify] {
        if (guard)
            checkInBackground(notify(true));
    });
    if (!m_activity)
        m_activity
            = Scheduler::shared().repeating(activityPeriod, [this, notify] { checkInBackground(notify(false)); });
}

void UpdateChecker::stopUpdateChecks()
{
    if (m_activity) {
        Scheduler::shared().cancel(m_activity);
        m_activity = 0;
    }
}

qint64 UpdateChecker::currentBuild() { return BuildConfig::parseInteger(BuildConfig::buildNumber()).value_or(0); }

QString UpdateChecker::currentVersion()
{
    const QString v = BuildConfig::version();
    return v.isEmpty() ? QStringLiteral("\u2014") : v;
}

bool UpdateChecker::supportsThisSystem(const UpdateManifest& manifest)
{
    if (!manifest.minimumSystemVersion)
        return true;
    const QString running = BuildConfig::systemVersion();
    // A system without a release number (a rolling distribution) cannot be
    // compared; the feed's minimum is then not held against it.
    if (running.isEmpty())
        return true;
    return versionTriple(running) >= versionTriple(*manifest.minimumSystemVersion);
}
