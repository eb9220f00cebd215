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

// Environment overrides are honoured only in test runs.
std::optional<QString> fromTestEnvironment(const char* name)
{
    if (qEnvironmentVariableIsEmpty("KELVARO_TEST") || !qEnvironmentVariableIsSet(name))
        return std::nullopt;
    return qEnvironmentVariable(name);
}

QString pick(const std::optional<QString>& set, const char* envName, const char* compiled)
{
    if (set)
        return *set;
    if (auto env = fromTestEnvironment(envName))
        return *env;
    return QString::fromUtf8(compiled);
}
}

QString BuildConfig::version() { return pick(overrides().version, "KELVARO_TEST_VERSION", KELVARO_VERSION); }
QString BuildConfig::buildNumber() { return pick(overrides().buildNumber, "KELVARO_TEST_BUILD_NUMBER", KELVARO_BUILD_NUMBER); }
QString BuildConfig::analyticsKey() { return pick(overrides().analyticsKey, "KELVARO_TEST_ANALYTICS_KEY", KELVARO_ANALYTICS_KEY); }
QString BuildConfig::analyticsHost() { return pick(overrides().analyticsHost, "KELVARO_TEST_ANALYTICS_HOST", KELVARO_ANALYTICS_HOST); }
QString BuildConfig::updateFeedUrl() { return pick(overrides().feedUrl, "KELVARO_TEST_UPDATE_FEED_URL", KELVARO_UPDATE_FEED_URL); }

QString BuildConfig::systemVersion()
{
    if (overrides().systemVersion)
        return *overrides().systemVersion;
    if (auto env = fromTestEnvironment("KELVARO_TEST_SYSTEM_VERSION"))
        return *env;
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
