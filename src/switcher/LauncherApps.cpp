#include "switcher/LauncherApps.h"

#include <QFileInfo>
#include <QLocale>

#include "platform/ApplicationIdentity.h"
#include "platform/Platform.h"
#include "platform/Workspace.h"

std::optional<QVariantMap> LauncherApps::infoDictionary(const QString& url)
{
    const auto entry = ApplicationIdentity::readEntry(url);
    if (!entry)
        return std::nullopt;
    QVariantMap info;
    for (auto it = entry->keys.cbegin(); it != entry->keys.cend(); ++it)
        info.insert(it.key(), it.value());
    info.insert(QStringLiteral("CFBundleIdentifier"), ApplicationIdentity::bundleIdentifier(*entry));
    if (entry->has(QStringLiteral("Name")))
        info.insert(QStringLiteral("CFBundleName"), entry->value(QStringLiteral("Name")));
    const QString locale = QLocale().name();
    for (const QString& key : { QStringLiteral("Name[%1]").arg(locale),
             QStringLiteral("Name[%1]").arg(locale.section(QLatin1Char('_'), 0, 0)) }) {
        if (entry->has(key)) {
            info.insert(QStringLiteral("CFBundleDisplayName"), entry->value(key));
            break;
        }
    }
    return info;
}

QString LauncherApps::displayName(const QString& url, const QString& fallback)
{
    const auto info = infoDictionary(url);
    QString name;
    bool chosen = false;
    for (const QString& key : { QStringLiteral("CFBundleDisplayName"), QStringLiteral("CFBundleName") }) {
        if (info && info->contains(key) && info->value(key).typeId() == QMetaType::QString) {
            name = info->value(key).toString();
            chosen = true;
            break;
        }
    }
    if (!chosen)
        name = QFileInfo(url).completeBaseName();
    return name.isEmpty() ? fallback : name;
}

namespace {
// The entry as the desktop knows it, with a null icon when neither the entry
// nor the running application has one the theme can draw.
std::optional<RunningApp> resolveWithoutStandIn(const Platform& platform, const QString& bundleIdentifier)
{
    Workspace& workspace = platform.workspace();
    const auto url = workspace.urlForApplication(bundleIdentifier);
    if (!url) {
        // An application without a desktop entry (known by its window class)
        // can only be offered while it runs.
        const auto running = workspace.runningApplication(bundleIdentifier);
        if (!running)
            return std::nullopt;
        return RunningApp { running->localizedName.isEmpty() ? bundleIdentifier : running->localizedName,
            RunningApp::thumbnail(running->icon, 64), bundleIdentifier, false };
    }
    QImage icon = RunningApp::thumbnail(workspace.iconForFile(*url), 64);
    // An entry naming an icon the theme lacks: the running windows' own icon.
    if (icon.isNull()) {
        if (const auto running = workspace.runningApplication(bundleIdentifier))
            icon = RunningApp::thumbnail(running->icon, 64);
    }
    return RunningApp { LauncherApps::displayName(*url, bundleIdentifier), icon, bundleIdentifier, false };
}
}

std::optional<RunningApp> LauncherApps::resolve(const Platform& platform, const QString& bundleIdentifier)
{
    auto app = resolveWithoutStandIn(platform, bundleIdentifier);
    if (app && app->icon.isNull())
        app->icon = RunningApp::placeholderIcon(app->name, 64);
    return app;
}

QList<RunningApp> LauncherApps::resolved(const Platform& platform, const QStringList& bundleIdentifiers)
{
    QList<RunningApp> out;
    QStringList iconless;
    QList<qsizetype> iconlessAt;
    for (const QString& id : bundleIdentifiers) {
        if (auto app = resolveWithoutStandIn(platform, id)) {
            if (app->icon.isNull()) {
                iconless << app->name;
                iconlessAt << out.size();
            }
            out << *app;
        }
    }
    // The switcher's stand-ins, made together so that no two of one ring look alike.
    const QList<QImage> tiles = RunningApp::placeholderIcons(iconless, 64);
    for (qsizetype i = 0; i < iconlessAt.size(); ++i)
        out[iconlessAt[i]].icon = tiles[i];
    return out;
}
