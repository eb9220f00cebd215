#include "platform/linux/BrowserProfiles.h"

#include "platform/SafeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <optional>

#include <unistd.h>

namespace {
const QString firefoxId = QStringLiteral("org.mozilla.firefox");
const QString chromiumId = QStringLiteral("org.chromium.Chromium");

// The programs of the supported browsers, by file name, as they appear in
// argv[0] (the distributions' wrapper scripts exec these).
QString identifierForProgram(const QString& program)
{
    static const QHash<QString, QString> programs {
        { QStringLiteral("chromium"), chromiumId },
        { QStringLiteral("chromium-browser"), chromiumId },
        { QStringLiteral("chrome"), QStringLiteral("com.google.Chrome") },
        { QStringLiteral("google-chrome"), QStringLiteral("com.google.Chrome") },
        { QStringLiteral("brave"), QStringLiteral("com.brave.Browser") },
        { QStringLiteral("brave-browser"), QStringLiteral("com.brave.Browser") },
        { QStringLiteral("msedge"), QStringLiteral("com.microsoft.edgemac") },
        { QStringLiteral("microsoft-edge"), QStringLiteral("com.microsoft.edgemac") },
        { QStringLiteral("vivaldi"), QStringLiteral("com.vivaldi.Vivaldi") },
        { QStringLiteral("vivaldi-bin"), QStringLiteral("com.vivaldi.Vivaldi") },
        { QStringLiteral("opera"), QStringLiteral("com.operasoftware.Opera") },
        { QStringLiteral("firefox"), firefoxId },
        { QStringLiteral("firefox-esr"), firefoxId },
        { QStringLiteral("firefox-bin"), firefoxId },
    };
    return programs.value(QFileInfo(program).fileName());
}

// Where each Chromium-family browser of the supported list keeps its
// profiles, relative to the user's configuration folder.
QString configFolder(const QString& bundleIdentifier)
{
    static const QHash<QString, QString> folders {
        { QStringLiteral("com.google.Chrome"), QStringLiteral("google-chrome") },
        { QStringLiteral("com.brave.Browser"), QStringLiteral("BraveSoftware/Brave-Browser") },
        { QStringLiteral("com.microsoft.edgemac"), QStringLiteral("microsoft-edge") },
        { QStringLiteral("com.vivaldi.Vivaldi"), QStringLiteral("vivaldi") },
        { QStringLiteral("com.operasoftware.Opera"), QStringLiteral("opera") },
        { chromiumId, QStringLiteral("chromium") },
    };
    return folders.value(bundleIdentifier);
}

// The value of `--name=value`, or of `name value` for the names Firefox
// takes with a separate value; none when the argument is not that option.
std::optional<QString> optionValue(const QStringList& arguments, qsizetype& i, const QStringList& names, bool separate)
{
    const QString& argument = arguments.at(i);
    for (const QString& name : names) {
        if (argument.startsWith(name + QLatin1Char('=')))
            return argument.mid(name.size() + 1);
        if (separate && argument == name && i + 1 < arguments.size())
            return arguments.at(++i);
    }
    return std::nullopt;
}

// Named folders that exist, each once, in order.
QStringList existingOnce(const QStringList& paths)
{
    QStringList result;
    QSet<QString> seen;
    for (const QString& path : paths) {
        if (path.isEmpty() || !QFileInfo(path).isDir())
            continue;
        const QString id = BrowserProfiles::identity(path);
        if (seen.contains(id))
            continue;
        seen.insert(id);
        result << QDir::cleanPath(path);
    }
    return result;
}

// Chromium's processes rewrite their command line into one title, the
// arguments joined by spaces; a folder named there may hold spaces itself, so
// the title is cut only where an option begins.
QStringList splitTitle(const QString& title)
{
    static const QRegularExpression optionStart(QStringLiteral("\\s+(?=--?[A-Za-z])"));
    return title.split(optionStart, Qt::SkipEmptyParts);
}

// Folders given relative to the browser's working folder are left out: that
// folder is not known here.
QString absolute(const QString& path) { return QDir::isAbsolutePath(path) ? path : QString(); }
}

BrowserProfiles::Places BrowserProfiles::Places::current()
{
    Places places;
    places.home = QDir::homePath();
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    places.configHome = QDir::isAbsolutePath(xdg) ? xdg : places.home + QStringLiteral("/.config");
    return places;
}

QList<BrowserProfiles::Process> BrowserProfiles::running(const QString& procRoot)
{
    QList<Process> result;
    const QDir proc(procRoot);
    const uint me = ::getuid();
    for (const QString& name : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numeric = false;
        name.toUInt(&numeric);
        if (!numeric)
            continue;
        const QString folder = proc.filePath(name);
        if (QFileInfo(folder).ownerId() != me)
            continue; // another user's browser keeps its profiles out of reach anyway
        // Command lines are a few kilobytes; a browser's stay far below this.
        const SafeFile::Result file = SafeFile::read(folder + QStringLiteral("/cmdline"), 256 * 1024);
        if (!file.ok() || file.bytes.isEmpty())
            continue;
        QStringList arguments;
        for (const QByteArray& part : file.bytes.split('\0'))
            arguments << QString::fromLocal8Bit(part);
        while (!arguments.isEmpty() && arguments.last().isEmpty())
            arguments.removeLast();
        if (arguments.size() == 1)
            arguments = splitTitle(arguments.first());
        if (arguments.isEmpty())
            continue;
        const QString id = identifierForProgram(arguments.takeFirst());
        if (!id.isEmpty())
            result.append({ id, arguments });
    }
    return result;
}

bool BrowserProfiles::isChromiumFamily(const QString& bundleIdentifier)
{
    return !configFolder(bundleIdentifier).isEmpty();
}

QStringList BrowserProfiles::chromiumDataFolders(const QString& bundleIdentifier, const Places& places)
{
    const QString folder = configFolder(bundleIdentifier);
    if (folder.isEmpty())
        return {};
    QStringList candidates { places.configHome + QLatin1Char('/') + folder };
    if (bundleIdentifier == chromiumId) {
        candidates << places.home + QStringLiteral("/snap/chromium/common/chromium")
                   << places.home + QStringLiteral("/.var/app/org.chromium.Chromium/config/chromium");
    }
    for (const Process& process : running(places.procRoot)) {
        if (process.bundleIdentifier != bundleIdentifier)
            continue;
        for (qsizetype i = 0; i < process.arguments.size(); ++i) {
            if (const auto value = optionValue(process.arguments, i, { QStringLiteral("--user-data-dir") }, false))
                candidates << absolute(*value);
        }
    }
    return existingOnce(candidates);
}

BrowserProfiles::FirefoxFolders BrowserProfiles::firefoxFolders(const Places& places)
{
    FirefoxFolders folders;
    folders.roots = existingOnce({
        places.configHome + QStringLiteral("/mozilla/firefox"),
        places.home + QStringLiteral("/.mozilla/firefox"),
        places.home + QStringLiteral("/snap/firefox/common/.mozilla/firefox"),
        places.home + QStringLiteral("/.var/app/org.mozilla.firefox/.mozilla/firefox"),
    });
    QStringList named;
    for (const Process& process : running(places.procRoot)) {
        if (process.bundleIdentifier != firefoxId)
            continue;
        for (qsizetype i = 0; i < process.arguments.size(); ++i) {
            if (const auto value
                = optionValue(process.arguments, i, { QStringLiteral("-profile"), QStringLiteral("--profile") }, true))
                named << absolute(*value);
        }
    }
    folders.profiles = existingOnce(named);
    return folders;
}

QString BrowserProfiles::identity(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
}
