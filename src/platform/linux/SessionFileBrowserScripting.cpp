// The tab-listing script on Linux: the browsers keep the state of their open
// windows in session files inside their profile folders (Chromium's family a
// command log, Firefox a compressed JSON document); reading the current one
// of each profile answers what the script would have read from the browser.
// Browsers without a Linux build never answer.

#include "platform/BrowserScripting.h"
#include "platform/Log.h"
#include "platform/SafeFile.h"
#include "platform/linux/BrowserProfiles.h"
#include "platform/linux/ChromiumHistory.h"
#include "platform/linux/FirefoxSession.h"
#include "platform/linux/SnssSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QRegularExpression>

namespace {

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

// What the profiles of one browser gave, gathered profile by profile.
struct Gathered {
    QVariantList titles, urls;
    QStringList read;
    QStringList problems;
    QString refusedPath; // the first folder or file the user may not read

    void add(const QList<SnssWindow>& windows)
    {
        for (const SnssWindow& w : windows) {
            for (const SnssTab& t : w.tabs) {
                titles.append(t.title);
                urls.append(t.url);
            }
        }
    }
    void refuse(const QString& path)
    {
        Log::write(QStringLiteral("Kelvaro: no permission to read %1").arg(path));
        if (refusedPath.isEmpty())
            refusedPath = path;
    }
    BrowserScripting::Outcome outcome() const
    {
        // A profile that could not be read is reported when nothing else was.
        if (titles.isEmpty() && read.isEmpty() && !refusedPath.isEmpty())
            return BrowserScripting::Outcome::error(BrowserScripting::automationRefused, refusedPath);
        if (titles.isEmpty() && read.isEmpty() && !problems.isEmpty())
            return BrowserScripting::Outcome::error(std::nullopt, problems.first());
        auto outcome = BrowserScripting::Outcome::success(QVariantList { titles, urls });
        outcome.read = read;
        outcome.problems = problems;
        return outcome;
    }
};

// Tabs the session log keeps without a title (the browser had not written it
// yet) take the one the profile's history has for the same address.
void fillTitlesFromHistory(const QString& profile, QList<SnssWindow>& windows)
{
    QSet<QString> untitled;
    for (const SnssWindow& w : windows)
        for (const SnssTab& t : w.tabs)
            if (t.title.isEmpty() && !t.url.isEmpty())
                untitled.insert(t.url);
    if (untitled.isEmpty())
        return;
    QString why;
    const QString database = profile + QStringLiteral("/History");
    const QHash<QString, QString> titles = ChromiumHistory::titles(database, untitled, &why);
    if (!why.isEmpty())
        Log::write(QStringLiteral("Kelvaro: titles not taken from %1: %2").arg(database, why));
    for (SnssWindow& w : windows)
        for (SnssTab& t : w.tabs)
            if (t.title.isEmpty())
                t.title = titles.value(t.url);
}

class SessionFileBrowserScripting final : public BrowserScripting {
public:
    explicit SessionFileBrowserScripting(QString procRoot)
        : m_procRoot(std::move(procRoot))
    {
    }

    Outcome run(const QString& bundleIdentifier, const QString& source) override
    {
        // Only the capture script, addressed to this browser, is understood.
        const QString expectedHead = QStringLiteral("tell application id \"%1\"\n").arg(bundleIdentifier);
        if (!source.startsWith(expectedHead) || !source.contains(QStringLiteral("return {titleList, urlList}")))
            return Outcome::notCompiled();
        BrowserProfiles::Places places = BrowserProfiles::Places::current();
        if (!m_procRoot.isEmpty())
            places.procRoot = m_procRoot;
        if (bundleIdentifier == firefoxId)
            return firefox(places);
        const QStringList roots = BrowserProfiles::chromiumDataFolders(bundleIdentifier, places);
        if (!BrowserProfiles::isChromiumFamily(bundleIdentifier))
            return Outcome::notCompiled(); // no Linux build of this browser

        Gathered gathered;
        QSet<QString> seen;
        for (const QString& rootPath : roots) {
            if (!readable(rootPath)) {
                gathered.refuse(rootPath);
                continue;
            }
            for (const QString& profile : profiles(QDir(rootPath))) {
                if (!readable(profile)
                    || (QFileInfo::exists(profile + QStringLiteral("/Sessions"))
                        && !readable(profile + QStringLiteral("/Sessions")))) {
                    gathered.refuse(profile);
                    continue;
                }
                const QString log = currentLog(profile);
                if (log.isEmpty() || seen.contains(BrowserProfiles::identity(log)))
                    continue;
                seen.insert(BrowserProfiles::identity(log));
                readLog(profile, log, gathered);
            }
        }
        return gathered.outcome();
    }

private:
    static void readLog(const QString& profile, const QString& log, Gathered& gathered)
    {
        // Session logs are small; a log larger than this is not one.
        constexpr qint64 maxLogSize = 64ll * 1024 * 1024;
        const SafeFile::Result file = SafeFile::read(log, maxLogSize);
        if (!file.ok()) {
            if (file.status == SafeFile::Status::unreadable && !QFileInfo(log).isReadable()) {
                gathered.refuse(log);
                return;
            }
            Log::write(QStringLiteral("Kelvaro: session log %1 not read: %2").arg(log, file.reason));
            // The reason stays in English, as below.
            gathered.problems << QCoreApplication::translate("Kelvaro", "Could not open %1: %2").arg(log, file.reason);
            return;
        }
        QString why;
        auto windows = SnssSession::read(file.bytes, &why);
        if (!windows) {
            Log::write(QStringLiteral("Kelvaro: could not read session log %1: %2").arg(log, why));
            // The reason stays in English: it describes the file's bytes.
            gathered.problems
                << QCoreApplication::translate("Kelvaro", "Could not read the session log %1: %2.").arg(log, why);
            return;
        }
        fillTitlesFromHistory(profile, *windows);
        gathered.read << log;
        gathered.add(*windows);
    }

    static Outcome firefox(const BrowserProfiles::Places& places)
    {
        Gathered gathered;
        const BrowserProfiles::FirefoxFolders folders = BrowserProfiles::firefoxFolders(places);
        QStringList profiles;
        for (const QString& root : folders.roots) {
            if (!readable(root)) {
                gathered.refuse(root);
                continue;
            }
            profiles << firefoxProfiles(root);
        }
        profiles << folders.profiles;
        QSet<QString> seen;
        for (const QString& profile : profiles) {
            if (seen.contains(BrowserProfiles::identity(profile)))
                continue;
            seen.insert(BrowserProfiles::identity(profile));
            const QString path = profile + QStringLiteral("/sessionstore-backups/recovery.jsonlz4");
            const QFileInfo info(path);
            if (!info.exists())
                continue; // written some seconds after Firefox starts
            // The compressed file is far smaller than what it holds.
            const SafeFile::Result file = SafeFile::read(path, FirefoxSession::maxDecompressedSize);
            if (file.status == SafeFile::Status::tooLarge) {
                Log::write(QStringLiteral("Kelvaro: Firefox session file %1 skipped: %2").arg(path, file.reason));
                gathered.problems << QCoreApplication::translate(
                    "Kelvaro", "The Firefox session file %1 is too large to read.")
                                         .arg(path);
                continue;
            }
            if (!file.ok()) {
                if (file.status == SafeFile::Status::unreadable && !info.isReadable()) {
                    gathered.refuse(path);
                    continue;
                }
                Log::write(QStringLiteral("Kelvaro: Firefox session file %1 not read: %2").arg(path, file.reason));
                // The reason stays in English, as below.
                gathered.problems
                    << QCoreApplication::translate("Kelvaro", "Could not open %1: %2").arg(path, file.reason);
                continue;
            }
            QString why;
            const auto windows = FirefoxSession::read(file.bytes, &why);
            if (!windows) {
                Log::write(QStringLiteral("Kelvaro: could not read Firefox session file %1: %2").arg(path, why));
                // The reason stays in English: it describes the file's bytes.
                gathered.problems << QCoreApplication::translate(
                    "Kelvaro", "Could not read the Firefox session file %1: %2.")
                                         .arg(path, why);
                continue;
            }
            gathered.read << path;
            gathered.add(*windows);
        }
        return gathered.outcome();
    }

    QString m_procRoot;
};

} // namespace

std::shared_ptr<BrowserScripting> makeSessionFileBrowserScripting(const QString& procRoot)
{
    return std::make_shared<SessionFileBrowserScripting>(procRoot);
}
