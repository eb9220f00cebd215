#include "app/TestHooks.h"

#include "platform/Log.h"
#include "platform/Platform.h"
#include "platform/PresenceCheck.h"
#include "services/BuildConfig.h"
#include "vault/PasswordVault.h"

#include <QStringList>
#include <QtGlobal>
#include <optional>

namespace {
QByteArray& pamFolder()
{
    static QByteArray folder;
    return folder;
}

std::optional<QString> variable(const char* name, QStringList& applied)
{
    if (!qEnvironmentVariableIsSet(name))
        return std::nullopt;
    applied << QString::fromLatin1(name);
    return qEnvironmentVariable(name);
}
}

void TestHooks::applyFromEnvironment()
{
    // X names a program's windows after its executable unless told otherwise:
    // the test build's windows carry the name of the program it stands for.
    if (!qEnvironmentVariableIsSet("RESOURCE_NAME"))
        qputenv("RESOURCE_NAME", "kelvaro");
    QStringList applied;
    // A folder of PAM service files in place of /etc/pam.d, so that the
    // presence check passes, fails or asks as a test needs.
    if (auto dir = variable("KELVARO_TEST_PAM_CONFDIR", applied))
        pamFolder() = dir->toLocal8Bit();
    if (auto seconds = variable("KELVARO_TEST_CLIPBOARD_SECONDS", applied))
        PasswordVault::setClipboardWait(seconds->toDouble());
    if (auto v = variable("KELVARO_TEST_VERSION", applied))
        BuildConfig::setVersion(*v);
    if (auto v = variable("KELVARO_TEST_BUILD_NUMBER", applied))
        BuildConfig::setBuildNumber(*v);
    if (auto v = variable("KELVARO_TEST_ANALYTICS_KEY", applied))
        BuildConfig::setAnalyticsKey(*v);
    if (auto v = variable("KELVARO_TEST_ANALYTICS_HOST", applied))
        BuildConfig::setAnalyticsHost(*v);
    if (auto v = variable("KELVARO_TEST_UPDATE_FEED_URL", applied))
        BuildConfig::setUpdateFeedUrl(*v);
    if (auto v = variable("KELVARO_TEST_SYSTEM_VERSION", applied))
        BuildConfig::setSystemVersion(*v);
    if (!applied.isEmpty())
        Log::write(QStringLiteral("Kelvaro: test build, set from the environment: %1")
                       .arg(applied.join(QStringLiteral(", "))));
}

void TestHooks::adjustPlatform(Platform& platform)
{
    if (!pamFolder().isEmpty())
        platform.ports().presenceCheck = makePamPresenceCheck(pamFolder());
}
