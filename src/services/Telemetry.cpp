#include "services/Telemetry.h"

#include "core/SymbolIcons.h"
#include "platform/DefaultsStore.h"
#include "platform/Platform.h"
#include "platform/Log.h"
#include "platform/Scheduler.h"
#include "services/BuildConfig.h"
#include "services/ServiceNetwork.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>
#include <QUuid>

namespace {
const QString kEnabledKey = QStringLiteral("telemetryEnabled");
const QString kIdentifierKey = QStringLiteral("telemetryAnonymousID");
const QString kNoticeKey = QStringLiteral("telemetryNoticeShownBuild");

std::function<void(bool)>& keyTapSuspender()
{
    static std::function<void(bool)> f;
    return f;
}

std::function<bool(const Telemetry::Notice&)>& alertPresenter()
{
    static std::function<bool(const Telemetry::Notice&)> f;
    return f;
}

// Suspends the global key tap for as long as it lives.
struct KeyTapSuspension {
    KeyTapSuspension()
    {
        if (auto& f = keyTapSuspender())
            f(true);
    }
    ~KeyTapSuspension()
    {
        if (auto& f = keyTapSuspender())
            f(false);
    }
    KeyTapSuspension(const KeyTapSuspension&) = delete;
    KeyTapSuspension& operator=(const KeyTapSuspension&) = delete;
};

bool runMessageBox(const Telemetry::Notice& notice)
{
    QMessageBox box;
    // The symbol set of Kelvaro's own windows, not the style's stock icon.
    box.setIconPixmap(
        SymbolIcons::icon(QStringLiteral("info.circle"), box.palette().color(QPalette::Highlight)).pixmap(48, 48));
    box.setWindowTitle(QStringLiteral("Kelvaro"));
    box.setText(notice.message);
    box.setInformativeText(notice.informative);
    box.setTextFormat(Qt::PlainText);
    QPushButton* keep = box.addButton(notice.keepButton, QMessageBox::AcceptRole);
    QPushButton* turnOff = box.addButton(notice.turnOffButton, QMessageBox::DestructiveRole);
    box.setDefaultButton(keep);
    box.setEscapeButton(keep);
    box.exec();
    return box.clickedButton() == turnOff;
}

}

QString Telemetry::eventName(Event e)
{
    switch (e) {
    case Event::AppLaunched:
        return QStringLiteral("app_launched");
    case Event::RingOpened:
        return QStringLiteral("ring_opened");
    case Event::TabsCaptured:
        return QStringLiteral("tabs_captured");
    case Event::UpdateInstalled:
        return QStringLiteral("update_installed");
    }
    return {};
}

Telemetry::Telemetry(DefaultsStore& defaults)
    : m_defaults(&defaults)
{
}

Telemetry& Telemetry::shared()
{
    DefaultsStore& defaults = Platform::installed().defaults();
    static Telemetry* instance = nullptr;
    if (!instance) {
        instance = new Telemetry(defaults); // never destroyed: its session closes with the application
        qAddPostRoutine([] { instance->m_network.closeBeforeExit(); });
    }
    instance->m_defaults = &defaults;
    return *instance;
}

bool Telemetry::isEnabled() const
{
    // Registered default: a user who never touched the setting is opted in.
    const auto v = m_defaults->value(kEnabledKey);
    return v ? DefaultsStore::lenientBool(*v) : true;
}

void Telemetry::setEnabled(bool on)
{
    const bool was = isEnabled();
    m_defaults->setValue(kEnabledKey, on);
    if (!on)
        send(QStringLiteral("telemetry_disabled"));
    if (was != on)
        Q_EMIT enabledChanged();
}

void Telemetry::capture(Event event, const QJsonObject& properties)
{
    if (isEnabled())
        send(eventName(event), properties);
}

QString Telemetry::projectKey() { return BuildConfig::analyticsKey().trimmed(); }

QString Telemetry::host()
{
    const QString h = BuildConfig::analyticsHost().trimmed();
    return h.isEmpty() ? defaultHost : h;
}

QString Telemetry::distinctID()
{
    auto& defaults = *m_defaults;
    const auto stored = defaults.value(kIdentifierKey);
    if (stored && stored->typeId() == QMetaType::QString)
        return stored->toString();
    QString made = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    defaults.setValue(kIdentifierKey, made);
    return made;
}

void Telemetry::send(const QString& event, const QJsonObject& properties)
{
    const QString key = projectKey();
    if (key.isEmpty())
        return;
    const QUrl url(host() + capturePath, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative() || url.host().isEmpty()) {
        Log::write(QStringLiteral("Kelvaro: the analytics host \"%1\" is not a valid address; no usage event sent")
                       .arg(host()));
        return;
    }

    QJsonObject props = properties;
    props.insert(
        QStringLiteral("app_version"), BuildConfig::version().isEmpty() ? QStringLiteral("0") : BuildConfig::version());
    props.insert(QStringLiteral("app_build"),
        BuildConfig::buildNumber().isEmpty() ? QStringLiteral("0") : BuildConfig::buildNumber());
    props.insert(QStringLiteral("os_version"), BuildConfig::systemDescription());
    props.insert(QStringLiteral("distribution"), distributionChannel());

    QJsonObject body;
    body.insert(QStringLiteral("api_key"), key);
    body.insert(QStringLiteral("event"), event);
    body.insert(QStringLiteral("distinct_id"), distinctID());
    body.insert(QStringLiteral("properties"), props);
    body.insert(QStringLiteral("timestamp"), Scheduler::shared().wallClock().toUTC().toString(Qt::ISODate));

    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    QNetworkReply* reply = m_network.manager().post(request, QJsonDocument(body).toJson(QJsonDocument::Compact));
    QPointer<QNetworkReply> guard(reply);
    const Scheduler::TimerId timer = Scheduler::shared().postAfter(requestTimeout, [guard] {
        if (guard && guard->isRunning())
            guard->abort();
    });
    // The reply is never read; it only has to be released.
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, timer] {
        Scheduler::shared().cancel(timer);
        reply->deleteLater();
    });
}

bool Telemetry::needsNotice() const
{
    const auto v = m_defaults->value(kNoticeKey);
    if (!v)
        return true;
    if (v->typeId() == QMetaType::QString)
        return BuildConfig::parseInteger(v->toString().trimmed()).value_or(0) == 0;
    bool ok = false;
    const qint64 n = v->toLongLong(&ok);
    return !ok || n == 0;
}

void Telemetry::markNoticeShown()
{
    const qint64 build = BuildConfig::parseInteger(BuildConfig::buildNumber()).value_or(0);
    m_defaults->setValue(kNoticeKey, std::max<qint64>(build, 1));
}

Telemetry::Notice Telemetry::noticeTexts()
{
    Notice n;
    n.message = QCoreApplication::translate("Kelvaro", "Kelvaro now sends anonymous usage data");
    n.informative = QCoreApplication::translate("Kelvaro",
                        "Earlier versions sent nothing at all. This one reports when the app launches, when a ring "
                        "is opened and how many tabs a capture found.")
        + QStringLiteral("\n\n")
        + QCoreApplication::translate("Kelvaro", "No window titles, no URLs, no file paths, and nothing you type.")
        + QStringLiteral("\n\n")
        + QCoreApplication::translate(
            "Kelvaro", "You can turn it off now, or at any time in Settings › General › Privacy.");
    n.keepButton = QCoreApplication::translate("Kelvaro", "Keep it on");
    n.turnOffButton = QCoreApplication::translate("Kelvaro", "Turn it off");
    return n;
}

void Telemetry::showNoticeIfNeeded()
{
    // A build without an analytics key sends nothing: telling its user that
    // data is sent would be untrue. Nothing is recorded either, so a build
    // that can send still shows the notice.
    if (projectKey().isEmpty() || !needsNotice())
        return;
    // Recorded before showing, so the notice never comes twice, even when
    // the application quits while it is open.
    markNoticeShown();
    const Notice notice = noticeTexts();
    bool turnOff = false;
    {
        KeyTapSuspension suspended;
        auto& presenter = alertPresenter();
        turnOff = presenter ? presenter(notice) : runMessageBox(notice);
    }
    if (turnOff)
        setEnabled(false);
}

void Telemetry::setKeyTapSuspender(std::function<void(bool)> suspender) { keyTapSuspender() = std::move(suspender); }

void Telemetry::setAlertPresenter(std::function<bool(const Notice&)> presenter)
{
    alertPresenter() = std::move(presenter);
}
