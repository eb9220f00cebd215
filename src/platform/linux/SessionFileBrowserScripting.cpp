// The tab-listing script on Linux: the Chromium-family browsers keep the
// state of their open windows in session command logs inside their profile
// folders; replaying the newest log of each profile answers what the script
// would have read from the browser. Browsers without a Linux build never
// answer.

#include "platform/BrowserScripting.h"
#include "platform/Log.h"
#include "platform/SafeFile.h"
#include "platform/linux/FirefoxSession.h"
#include "platform/linux/SnssSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

QString configHome()
{
    const QByteArray xdg = qgetenv("XDG_CONFIG_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(QString::fromLocal8Bit(xdg)))
        return QString::fromLocal8Bit(xdg);
    return QDir::homePath() + QStringLiteral("/.config");
}

// Where each browser of the supported list keeps its profiles, relative to
// the user's configuration folder.
QString profileRoot(const QString& bundleIdentifier)
{
    static const QHash<QString, QString> folders {
        { QStringLiteral("com.google.Chrome"), QStringLiteral("google-chrome") },
        { QStringLiteral("com.brave.Browser"), QStringLiteral("BraveSoftware/Brave-Browser") },
        { QStringLiteral("com.microsoft.edgemac"), QStringLiteral("microsoft-edge") },
        { QStringLiteral("com.vivaldi.Vivaldi"), QStringLiteral("vivaldi") },
        { QStringLiteral("com.operasoftware.Opera"), QStringLiteral("opera") },
        { QStringLiteral("org.chromium.Chromium"), QStringLiteral("chromium") },
    };
    const auto it = folders.constFind(bundleIdentifier);
    return it == folders.constEnd() ? QString() : configHome() + QLatin1Char('/') + *it;
}

// "Default" first, then "Profile 1", "Profile 2", … by number.
QStringList profiles(const QDir& root)
{
    QStringList result;
    if (root.exists(QStringLiteral("Default")))
        result << root.filePath(QStringLiteral("Default"));
    static const QRegularExpression numbered(QStringLiteral("^Profile (\\d+)$"));
    QList<std::pair<int, QString>> others;
    for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const auto m = numbered.match(name);
        if (m.hasMatch())
            others.append({ m.captured(1).toInt(), root.filePath(name) });
    }
    std::sort(others.begin(), others.end());
    for (const auto& p : others)
        result << p.second;
    return result;
}

// The log the browser is writing now: the newest "Sessions/Session_<time>",
// else the older layout's "Current Session".
QString currentLog(const QString& profile)
{
    const QDir sessions(profile + QStringLiteral("/Sessions"));
    QString best;
    qulonglong bestStamp = 0;
    for (const QString& name : sessions.entryList({ QStringLiteral("Session_*") }, QDir::Files)) {
        bool ok = false;
        const qulonglong stamp = name.mid(8).toULongLong(&ok);
        if (ok && (best.isEmpty() || stamp > bestStamp)) {
            best = sessions.filePath(name);
            bestStamp = stamp;
        }
    }
    if (!best.isEmpty())
        return best;
    const QString legacy = profile + QStringLiteral("/Current Session");
    return QFileInfo::exists(legacy) ? legacy : QString();
}

const QString firefoxId = QStringLiteral("org.mozilla.firefox");

// The groups of an INI file in file order, each with its keys.
QList<std::pair<QString, QHash<QString, QString>>> iniGroups(const QByteArray& text)
{
    QList<std::pair<QString, QHash<QString, QString>>> groups;
    for (const QByteArray& raw : text.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            groups.append({ line.mid(1, line.size() - 2), {} });
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && !groups.isEmpty() && !groups.last().second.contains(line.left(eq).trimmed()))
            groups.last().second.insert(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    return groups;
}

// Firefox's profiles from its profiles.ini: the one an installation uses
// (or the one marked Default=1) first, then the others in file order.
QStringList firefoxProfiles(const QString& root)
{
    QStringList result;
    const QString ini = root + QStringLiteral("/profiles.ini");
    // A list of a few profiles; far below this.
    const SafeFile::Result file = SafeFile::read(ini, 1024 * 1024);
    if (!file.ok()) {
        if (file.status != SafeFile::Status::missing)
            Log::write(QStringLiteral("Kelvaro: Firefox profile list %1 not read: %2").arg(ini, file.reason));
        return result;
    }
    const auto groups = iniGroups(file.bytes);
    QStringList preferred, others;
    QSet<QString> inUse;
    for (const auto& [name, keys] : groups) {
        if (name.startsWith(QStringLiteral("Install")))
            inUse.insert(keys.value(QStringLiteral("Default")));
    }
    for (const auto& [name, keys] : groups) {
        if (!name.startsWith(QStringLiteral("Profile")))
            continue;
        const QString path = keys.value(QStringLiteral("Path"));
        if (path.isEmpty())
            continue;
        const bool relative = keys.value(QStringLiteral("IsRelative"), QStringLiteral("1")).toInt() != 0;
        const QString full = relative ? root + QLatin1Char('/') + path : path;
        if (inUse.contains(path) || keys.value(QStringLiteral("Default")).toInt() == 1)
            preferred << full;
        else
            others << full;
    }
    return preferred + others;
}

bool readable(const QString& path)
{
    const QFileInfo info(path);
    return info.isReadable() && (!info.isDir() || info.isExecutable());
}

class SessionFileBrowserScripting final : public BrowserScripting {
public:
    Outcome run(const QString& bundleIdentifier, const QString& source) override
    {
        // Only the capture script, addressed to this browser, is understood.
        const QString expectedHead = QStringLiteral("tell application id \"%1\"\n").arg(bundleIdentifier);
        if (!source.startsWith(expectedHead) || !source.contains(QStringLiteral("return {titleList, urlList}")))
            return Outcome::notCompiled();
        if (bundleIdentifier == firefoxId)
            return firefox();
        const QString rootPath = profileRoot(bundleIdentifier);
        if (rootPath.isEmpty())
            return Outcome::notCompiled(); // no Linux build of this browser

        QVariantList titles, urls;
        const QDir root(rootPath);
        if (!root.exists())
            return Outcome::success(QVariantList { titles, urls }); // never ran: no windows
        if (!readable(rootPath))
            return refused(rootPath);
        for (const QString& profile : profiles(root)) {
            if (!readable(profile)
                || (QFileInfo::exists(profile + QStringLiteral("/Sessions"))
                    && !readable(profile + QStringLiteral("/Sessions"))))
                return refused(profile);
            const QString log = currentLog(profile);
            if (log.isEmpty())
                continue;
            // Session logs are small; a log larger than this is not one.
            constexpr qint64 maxLogSize = 64ll * 1024 * 1024;
            const SafeFile::Result file = SafeFile::read(log, maxLogSize);
            if (file.status == SafeFile::Status::unreadable) {
                if (!QFileInfo(log).isReadable())
                    return refused(log);
                return Outcome::error(std::nullopt, QStringLiteral("Could not open %1: %2").arg(log, file.reason));
            }
            if (!file.ok()) {
                Log::write(QStringLiteral("Kelvaro: session log %1 skipped: %2").arg(log, file.reason));
                continue;
            }
            QString why;
            const auto windows = SnssSession::read(file.bytes, &why);
            if (!windows) {
                Log::write(QStringLiteral("Kelvaro: could not read session log %1: %2").arg(log, why));
                continue;
            }
            for (const SnssWindow& w : *windows) {
                for (const SnssTab& t : w.tabs) {
                    titles.append(t.title);
                    urls.append(t.url);
                }
            }
        }
        return Outcome::success(QVariantList { titles, urls });
    }

private:
    static Outcome firefox()
    {
        QVariantList titles, urls;
        const QString root = QDir::homePath() + QStringLiteral("/.mozilla/firefox");
        if (!QFileInfo::exists(root))
            return Outcome::success(QVariantList { titles, urls });
        if (!readable(root))
            return refused(root);
        QStringList problems;
        for (const QString& profile : firefoxProfiles(root)) {
            const QString path = profile + QStringLiteral("/sessionstore-backups/recovery.jsonlz4");
            const QFileInfo info(path);
            if (!info.exists())
                continue; // written some seconds after Firefox starts
            // The compressed file is far smaller than what it holds.
            const SafeFile::Result file = SafeFile::read(path, FirefoxSession::maxDecompressedSize);
            if (file.status == SafeFile::Status::tooLarge) {
                Log::write(QStringLiteral("Kelvaro: Firefox session file %1 skipped: %2").arg(path, file.reason));
                problems << QCoreApplication::translate("Kelvaro", "The Firefox session file %1 is too large to read.")
                                .arg(path);
                continue;
            }
            if (!file.ok()) {
                if (file.status == SafeFile::Status::unreadable && !info.isReadable())
                    return refused(path);
                Log::write(QStringLiteral("Kelvaro: Firefox session file %1 not read: %2").arg(path, file.reason));
                // The reason stays in English, as below.
                problems << QCoreApplication::translate("Kelvaro", "Could not open %1: %2").arg(path, file.reason);
                continue;
            }
            QString why;
            const auto windows = FirefoxSession::read(file.bytes, &why);
            if (!windows) {
                Log::write(QStringLiteral("Kelvaro: could not read Firefox session file %1: %2").arg(path, why));
                // The reason stays in English: it describes the file's bytes.
                problems << QCoreApplication::translate("Kelvaro", "Could not read the Firefox session file %1: %2.")
                                .arg(path, why);
                continue;
            }
            for (const SnssWindow& w : *windows) {
                for (const SnssTab& t : w.tabs) {
                    titles.append(t.title);
                    urls.append(t.url);
                }
            }
        }
        // A damaged file is reported when it left nothing to show.
        if (titles.isEmpty() && !problems.isEmpty())
            return Outcome::error(std::nullopt, problems.first());
        return Outcome::success(QVariantList { titles, urls });
    }

    static Outcome refused(const QString& path)
    {
        Log::write(QStringLiteral("Kelvaro: no permission to read %1").arg(path));
        return Outcome::error(automationRefused);
    }
};

} // namespace

std::shared_ptr<BrowserScripting> makeSessionFileBrowserScripting()
{
    return std::make_shared<SessionFileBrowserScripting>();
}
