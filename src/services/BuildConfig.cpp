#include "services/BuildConfig.h"

#include <QRegularExpression>

#include "BuildInfo.h"

#include <QSysInfo>
#include <QtGlobal>

namespace {
struct Overrides {
    std::optional<QString> version, buildNumber, analyticsKey, analyticsHost, feedUrl, systemVersion;
};

Overrides& overrides()
{
    static Overrides o;
    return o;
}

QString pick(const std::optional<QString>& set, const char* compiled)
{
    return set ? *set : QString::fromUtf8(compiled);
}
}

QString BuildConfig::version() { return pick(overrides().version, KELVARO_VERSION); }
QString BuildConfig::buildNumber() { return pick(overrides().buildNumber, KELVARO_BUILD_NUMBER); }
QString BuildConfig::analyticsKey() { return pick(overrides().analyticsKey, KELVARO_ANALYTICS_KEY); }
QString BuildConfig::analyticsHost() { return pick(overrides().analyticsHost, KELVARO_ANALYTICS_HOST); }
QString BuildConfig::updateFeedUrl() { return pick(overrides().feedUrl, KELVARO_UPDATE_FEED_URL); }

QString BuildConfig::systemVersion()
{
    if (overrides().systemVersion)
        return *overrides().systemVersion;
    const QString v = QSysInfo::productVersion();
    return v == QLatin1String("unknown") ? QString() : v;
}

QString BuildConfig::systemDescription() { return QSysInfo::prettyProductName(); }

void BuildConfig::setVersion(std::optional<QString> v) { overrides().version = std::move(v); }
void BuildConfig::setBuildNumber(std::optional<QString> v) { overrides().buildNumber = std::move(v); }
void BuildConfig::setAnalyticsKey(std::optional<QString> v) { overrides().analyticsKey = std::move(v); }
void BuildConfig::setAnalyticsHost(std::optional<QString> v) { overrides().analyticsHost = std::move(v); }
void BuildConfig::setUpdateFeedUrl(std::optional<QString> v) { overrides().feedUrl = std::move(v); }
void BuildConfig::setSystemVersion(std::optional<QString> v) { overrides().systemVersion = std::move(v); }
void BuildConfig::resetOverrides() { overrides() = Overrides {}; }

std::optional<qint64> BuildConfig::parseInteger(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[+-]?[0-9]+$"));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qint64 v = (text.startsWith(QLatin1Char('+')) ? text.mid(1) : text).toLongLong(&ok);
    return ok ? std::optional<qint64>(v) : std::nullopt;
}
