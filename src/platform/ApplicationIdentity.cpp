#include "platform/ApplicationIdentity.h"

#include "platform/Platform.h"

#include "platform/Log.h"
#include "platform/SafeFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace {

QStringList applicationFolders()
{
    QStringList out;
    for (const QString& base : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        out << base + QStringLiteral("/applications");
    out.removeDuplicates();
    return out;
}

QString unescapeValue(const QString& raw)
{
    QString out;
    out.reserve(raw.size());
    for (int i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c != QLatin1Char('\\') || i + 1 >= raw.size()) {
            out += c;
            continue;
        }
        const QChar n = raw[++i];
        switch (n.unicode()) {
        case 's':
            out += QLatin1Char(' ');
            break;
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 't':
            out += QLatin1Char('\t');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        case '\\':
            out += QLatin1Char('\\');
            break;
        default:
            out += QLatin1Char('\\');
            out += n;
            break; // kept for the Exec quoting rules
        }
    }
    return out;
}

// The program an Exec line runs, past "env VAR=value" prefixes.
QString execProgram(const DesktopEntry& e)
{
    const QStringList args = ApplicationIdentity::splitExec(e.value(QStringLiteral("Exec")));
    int i = 0;
    if (i < args.size() && QFileInfo(args[i]).fileName() == QLatin1String("env")) {
        ++i;
        while (i < args.size() && (args[i].contains(QLatin1Char('=')) || args[i].startsWith(QLatin1Char('-'))))
            ++i;
    }
    return i < args.size() ? QFileInfo(args[i]).fileName() : QString();
}

qint64 folderStamp(const QString& folder)
{
    const QFileInfo info(folder);
    return info.exists() ? info.lastModified().toMSecsSinceEpoch() + 1 : 0;
}

} // namespace

std::optional<QString> DesktopEntry::localizedName() const
{
    const QString locale = QLocale().name(); // "de_DE"
    const QString language = locale.section(QLatin1Char('_'), 0, 0);
    for (const QString& key :
        { QStringLiteral("Name[%1]").arg(locale), QStringLiteral("Name[%1]").arg(language), QStringLiteral("Name") }) {
        if (keys.contains(key))
            return keys.value(key);
    }
    return std::nullopt;
}

std::optional<DesktopEntry> ApplicationIdentity::readEntry(const QString& path, const QString& id)
{
    const SafeFile::Result file = SafeFile::read(path, maxEntryBytes);
    if (!file.ok()) {
        if (file.status != SafeFile::Status::missing)
            Log::write(QStringLiteral("Kelvaro: desktop entry %1 not read: %2").arg(path, file.reason));
        return std::nullopt;
    }
    return parseEntry(file.bytes, path, id.isEmpty() ? QFileInfo(path).completeBaseName() : id);
}

ApplicationIdentity::Groups ApplicationIdentity::groups(const QByteArray& text)
{
    Groups out;
    QMap<QString, QString>* group = nullptr;
    for (const QByteArray& rawLine : text.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString name = line.mid(1, line.size() - 2);
            group = &out[name]; // a repeated group adds to the earlier one
            continue;
        }
        if (!group)
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        if (!key.isEmpty())
            group->insert(key, unescapeValue(line.mid(eq + 1).trimmed()));
    }
    return out;
}

QMap<QString, QString> ApplicationIdentity::mainGroup(const QByteArray& text)
{
    return groups(text).value(QStringLiteral("Desktop Entry"));
}

QStringList ApplicationIdentity::listValue(const QString& value)
{
    QStringList out;
    QString item;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == QLatin1Char('\\') && i + 1 < value.size() && value[i + 1] == QLatin1Char(';')) {
            item += QLatin1Char(';');
            ++i;
        } else if (c == QLatin1Char(';')) {
            if (!item.isEmpty())
                out << item;
            item.clear();
        } else {
            item += c;
        }
    }
    if (!item.isEmpty())
        out << item;
    return out;
}

QStringList ApplicationIdentity::currentDesktops()
{
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

bool ApplicationIdentity::listedInMenus(const DesktopEntry& entry, const QStringList& desktops)
{
    auto isTrue = [&](const char* key) {
        return entry.value(QLatin1String(key)).compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
    };
    if (isTrue("NoDisplay") || isTrue("Hidden"))
        return false;
    auto shownIn = [&](const QString& key) {
        const QStringList listed = listValue(entry.value(key));
        return std::any_of(desktops.cbegin(), desktops.cend(), [&](const QString& d) { return listed.contains(d); });
    };
    if (entry.has(QStringLiteral("OnlyShowIn")) && !shownIn(QStringLiteral("OnlyShowIn")))
        return false;
    if (shownIn(QStringLiteral("NotShowIn")))
        return false;
    const QString tryExec = entry.value(QStringLiteral("TryExec"));
    if (!tryExec.isEmpty()) {
        const QString program = QFileInfo(tryExec).isAbsolute() ? tryExec : QStandardPaths::findExecutable(tryExec);
        const QFileInfo info(program);
        if (program.isEmpty() || !info.isFile() || !info.isExecutable())
            return false;
    }
    return true;
}

QStringList ApplicationIdentity::splitExec(const QString& exec, bool* closed)
{
    QStringList args;
    QString current;
    bool inArg = false, quoted = false;
    for (int i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == QLatin1Char('\\') && i + 1 < exec.size()) {
                current += exec[++i];
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                current += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = inArg = true;
        } else if (c.isSpace()) {
            if (inArg)
                args << current;
            current.clear();
            inArg = false;
        } else {
            current += c;
            inArg = true;
        }
    }
    if (inArg)
        args << current;
    if (closed)
        *closed = !quoted;
    return args;
}

std::optional<DesktopEntry> ApplicationIdentity::parseEntry(
    const QByteArray& text, const QString& path, const QString& id)
{
    DesktopEntry e;
    e.path = path;
    e.id = id;
    e.keys = mainGroup(text);
    if (e.value(QStringLiteral("Type")) != QLatin1String("Application"))
        return std::nullopt;
    if (e.value(QStringLiteral("Hidden")).compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return std::nullopt;
    return e;
}

void ApplicationIdentity::reload()
{
    m_index = Index();
    m_themes.clear();
    m_iconFiles.clear();
}

quint64 ApplicationIdentity::generation() const
{
    refreshIfNeeded();
    return m_generation;
}

void ApplicationIdentity::refreshIfNeeded() const
{
    const QStringList folders = applicationFolders();
    if (m_index.valid) {
        bool same = m_index.folderStamps.size() >= folders.size();
        for (auto it = m_index.folderStamps.cbegin(); same && it != m_index.folderStamps.cend(); ++it)
            same = folderStamp(it.key()) == it.value();
        for (const QString& f : folders)
            same = same && m_index.folderStamps.contains(f);
        if (same)
            return;
    }
    Index index;
    index.valid = true;
    for (const QString& folder : folders) {
        index.folderStamps.insert(folder, folderStamp(folder));
        QDirIterator it(folder, { QStringLiteral("*.desktop") }, QDir::Files, QDirIterator::Subdirectories);
        QStringList files;
        while (it.hasNext())
            files << it.next();
        files.sort();
        for (const QString& file : files) {
            QString relative = file.mid(folder.size() + 1);
            relative.chop(int(qstrlen(".desktop")));
            const QString id = relative.replace(QLatin1Char('/'), QLatin1Char('-'));
            const QString sub = QFileInfo(file).absolutePath();
            if (sub != folder)
                index.folderStamps.insert(sub, folderStamp(sub));
            if (index.byId.contains(id))
                continue; // an earlier folder's entry wins
            auto e = readEntry(file, id);
            if (!e)
                continue;
            const int n = int(index.entries.size());
            index.entries << *e;
            index.byId.insert(id, n);
            index.byIdLower.insert(id.toLower(), n);
            const QString wmClass = e->value(QStringLiteral("StartupWMClass"));
            if (!wmClass.isEmpty() && !index.byWMClassLower.contains(wmClass.toLower()))
                index.byWMClassLower.insert(wmClass.toLower(), n);
            const QString program = execProgram(*e);
            if (!program.isEmpty() && !index.byProgram.contains(program))
                index.byProgram.insert(program, n);
        }
    }
    m_index = std::move(index);
    ++m_generation;
}

QList<DesktopEntry> ApplicationIdentity::entries() const
{
    refreshIfNeeded();
    return m_index.entries;
}

std::optional<DesktopEntry> ApplicationIdentity::entry(const QString& desktopId) const
{
    refreshIfNeeded();
    const auto it = m_index.byId.constFind(desktopId);
    if (it == m_index.byId.cend())
        return std::nullopt;
    return m_index.entries[*it];
}

std::optional<DesktopEntry> ApplicationIdentity::entryForWindow(const WindowFacts& f) const
{
    refreshIfNeeded();
    auto at = [&](const QHash<QString, int>& map, const QString& key) -> std::optional<DesktopEntry> {
        if (key.isEmpty())
            return std::nullopt;
        const auto it = map.constFind(key);
        if (it == map.cend())
            return std::nullopt;
        return m_index.entries[*it];
    };
    if (auto e = at(m_index.byId, f.gtkApplicationId))
        return e;
    for (const QString& name : { f.wmClass, f.wmInstance }) {
        if (auto e = at(m_index.byWMClassLower, name.toLower()))
            return e;
    }
    for (const QString& name : { f.wmClass, f.wmInstance }) {
        if (auto e = at(m_index.byIdLower, name.toLower()))
            return e;
    }
    for (const QString& program : { QFileInfo(f.executable).fileName(), QFileInfo(f.commandName).fileName() }) {
        if (auto e = at(m_index.byProgram, program))
            return e;
    }
    return std::nullopt;
}

QString ApplicationIdentity::bundleIdentifier(const WindowFacts& facts) const
{
    if (auto e = entryForWindow(facts))
        return bundleIdentifier(*e);
    if (!facts.wmClass.isEmpty())
        return facts.wmClass;
    return facts.wmInstance;
}

QString ApplicationIdentity::bundleIdentifier(const DesktopEntry& entry)
{
    if (isReverseDNS(entry.id))
        return entry.id;
    for (const auto& [desktopId, bundle] : aliases()) {
        if (desktopId == entry.id)
            return bundle;
    }
    return entry.id;
}

std::optional<DesktopEntry> ApplicationIdentity::entryForBundleIdentifier(const QString& bundleIdentifier) const
{
    if (bundleIdentifier.isEmpty())
        return std::nullopt;
    if (auto e = entry(bundleIdentifier); e && ApplicationIdentity::bundleIdentifier(*e) == bundleIdentifier)
        return e;
    for (const auto& [desktopId, bundle] : aliases()) {
        if (bundle == bundleIdentifier) {
            if (auto e = entry(desktopId))
                return e;
        }
    }
    return std::nullopt;
}

QPair<QString, QString> ApplicationIdentity::processFacts(qint32 pid)
{
    if (pid <= 0)
        return {};
    const QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    // Only argv[0] is wanted; a command line may be megabytes long.
    const QString cmdline = QStringLiteral("/proc/%1/cmdline").arg(pid);
    const SafeFile::Result head = SafeFile::readHead(cmdline, 4096);
    if (!head.ok() && head.status != SafeFile::Status::missing)
        Log::write(QStringLiteral("Kelvaro: %1 not read: %2").arg(cmdline, head.reason));
    return { exe, QString::fromLocal8Bit(head.bytes.split('\0').value(0)) };
}

bool ApplicationIdentity::isReverseDNS(const QString& id)
{
    static const QRegularExpression pattern(
        QStringLiteral("^[A-Za-z_][A-Za-z0-9_-]*(\\.[A-Za-z_][A-Za-z0-9_-]*){2,}$"));
    return pattern.match(id).hasMatch();
}

const QList<QPair<QString, QString>>& ApplicationIdentity::aliases()
{
    static const QList<QPair<QString, QString>> table = {
        { QStringLiteral("google-chrome"), QStringLiteral("com.google.Chrome") },
        { QStringLiteral("google-chrome-stable"), QStringLiteral("com.google.Chrome") },
        { QStringLiteral("chromium"), QStringLiteral("org.chromium.Chromium") },
        { QStringLiteral("chromium-browser"), QStringLiteral("org.chromium.Chromium") },
        { QStringLiteral("firefox"), QStringLiteral("org.mozilla.firefox") },
        { QStringLiteral("firefox-esr"), QStringLiteral("org.mozilla.firefox") },
        { QStringLiteral("code"), QStringLiteral("com.microsoft.VSCode") },
        { QStringLiteral("brave-browser"), QStringLiteral("com.brave.Browser") },
        { QStringLiteral("microsoft-edge"), QStringLiteral("com.microsoft.edgemac") },
        { QStringLiteral("vivaldi-stable"), QStringLiteral("com.vivaldi.Vivaldi") },
        { QStringLiteral("opera"), QStringLiteral("com.operasoftware.Opera") },
        { QStringLiteral("slack"), QStringLiteral("com.tinyspeck.slackmacgap") },
        { QStringLiteral("discord"), QStringLiteral("com.hnc.Discord") },
        { QStringLiteral("spotify"), QStringLiteral("com.spotify.client") },
        { QStringLiteral("zoom"), QStringLiteral("us.zoom.xos") },
        { QStringLiteral("Zoom"), QStringLiteral("us.zoom.xos") },
    };
    return table;
}

QStringList ApplicationIdentity::execArguments(const DesktopEntry& entry)
{
    QStringList out;
    for (const QString& arg : splitExec(entry.value(QStringLiteral("Exec")))) {
        static const QStringList fileCodes = { QStringLiteral("%f"), QStringLiteral("%F"), QStringLiteral("%u"),
            QStringLiteral("%U"), QStringLiteral("%d"), QStringLiteral("%D"), QStringLiteral("%n"),
            QStringLiteral("%N"), QStringLiteral("%v"), QStringLiteral("%m") };
        if (fileCodes.contains(arg))
            continue;
        if (arg == QLatin1String("%i")) {
            const QString icon = entry.value(QStringLiteral("Icon"));
            if (!icon.isEmpty())
                out << QStringLiteral("--icon") << icon;
            continue;
        }
        QString expanded;
        for (int i = 0; i < arg.size(); ++i) {
            if (arg[i] != QLatin1Char('%') || i + 1 >= arg.size()) {
                expanded += arg[i];
                continue;
            }
            const QChar code = arg[++i];
            if (code == QLatin1Char('%'))
                expanded += QLatin1Char('%');
            else if (code == QLatin1Char('c'))
                expanded += entry.localizedName().value_or(QString());
            else if (code == QLatin1Char('k'))
                expanded += entry.path;
            // any other field code is dropped
        }
        out << expanded;
    }
    return out;
}

// One icon theme as its index.theme describes it.
struct ApplicationIdentity::IconTheme {
    struct Folder {
        QString path; // under the theme's folder, e.g. "48x48/apps" or "apps/48"
        int pixels = 0; // Size times Scale; the largest for a scalable folder
    };
    QStringList inherits;
    QList<Folder> folders;
};

namespace {
// No theme's index.theme comes near this (the largest have a few thousand folders).
constexpr qint64 maxIndexBytes = 4 * 1024 * 1024;

const QStringList& iconSuffixes()
{
    static const QStringList suffixes = { QStringLiteral(".png"), QStringLiteral(".svg"), QStringLiteral(".xpm") };
    return suffixes;
}
}

QStringList ApplicationIdentity::iconBases() const
{
    QStringList bases;
    for (const QString& path : m_iconSearchPaths) {
        if (!path.startsWith(QLatin1Char(':')))
            bases << path;
    }
    bases << QDir::homePath() + QStringLiteral("/.icons");
    for (const QString& base : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        bases << base + QStringLiteral("/icons");
    bases.removeDuplicates();
    return bases;
}

std::shared_ptr<const ApplicationIdentity::IconTheme> ApplicationIdentity::iconTheme(
    const QString& name, const QStringList& bases) const
{
    if (const auto it = m_themes.constFind(name); it != m_themes.cend())
        return *it;
    std::shared_ptr<IconTheme> theme;
    // The first base folder with the theme's index.theme describes it; the
    // folders it lists are looked for under every base folder.
    for (const QString& base : bases) {
        const QString path = base + QLatin1Char('/') + name + QStringLiteral("/index.theme");
        const SafeFile::Result file = SafeFile::read(path, maxIndexBytes);
        if (!file.ok()) {
            if (file.status != SafeFile::Status::missing)
                Log::write(QStringLiteral("Kelvaro: icon theme %1 not read: %2").arg(path, file.reason));
            continue;
        }
        const Groups groups = ApplicationIdentity::groups(file.bytes);
        const QMap<QString, QString> main = groups.value(QStringLiteral("Icon Theme"));
        theme = std::make_shared<IconTheme>();
        for (const QString& parent : main.value(QStringLiteral("Inherits")).split(QLatin1Char(','))) {
            if (!parent.trimmed().isEmpty())
                theme->inherits << parent.trimmed();
        }
        QStringList folders = main.value(QStringLiteral("Directories")).split(QLatin1Char(','));
        folders += main.value(QStringLiteral("ScaledDirectories")).split(QLatin1Char(','));
        folders.removeDuplicates();
        for (const QString& raw : folders) {
            const QString folder = raw.trimmed();
            const QMap<QString, QString> keys = groups.value(folder);
            const int size = keys.value(QStringLiteral("Size")).toInt();
            if (folder.isEmpty() || size <= 0)
                continue;
            const int scale = std::max(1, keys.value(QStringLiteral("Scale")).toInt());
            int pixels = size * scale;
            if (keys.value(QStringLiteral("Type")) == QLatin1String("Scalable"))
                pixels = std::max(pixels, keys.value(QStringLiteral("MaxSize")).toInt() * scale) + 1;
            theme->folders << IconTheme::Folder { folder, pixels };
        }
        break;
    }
    m_themes.insert(name, theme);
    return theme;
}

QString ApplicationIdentity::iconInTheme(
    const QString& icon, const QString& themeName, const QStringList& bases, QStringList& visited) const
{
    if (visited.contains(themeName))
        return {};
    visited << themeName;
    const auto theme = iconTheme(themeName, bases);
    if (!theme)
        return {};
    QString best;
    int bestPixels = -1;
    for (const IconTheme::Folder& folder : theme->folders) {
        if (folder.pixels <= bestPixels)
            continue;
        for (const QString& base : bases) {
            const QString stem
                = base + QLatin1Char('/') + themeName + QLatin1Char('/') + folder.path + QLatin1Char('/') + icon;
            for (const QString& suffix : iconSuffixes()) {
                if (folder.pixels > bestPixels && QFileInfo(stem + suffix).isFile()) {
                    best = stem + suffix;
                    bestPixels = folder.pixels;
                }
            }
        }
    }
    if (!best.isEmpty())
        return best;
    for (const QString& parent : theme->inherits) {
        QString found = iconInTheme(icon, parent, bases, visited);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

void ApplicationIdentity::useIconTheme(const QString& theme, const QStringList& searchPaths)
{
    m_iconTheme = theme;
    m_iconSearchPaths = searchPaths;
    m_themes.clear();
    m_iconFiles.clear();
}

QString ApplicationIdentity::iconFile(const QString& icon) const
{
    if (icon.isEmpty())
        return {};
    if (QFileInfo(icon).isAbsolute())
        return QFileInfo::exists(icon) ? icon : QString();
    if (icon.contains(QLatin1Char('/')))
        return {}; // a name, not a path into another folder
    const auto cached = m_iconFiles.constFind(icon);
    if (cached != m_iconFiles.cend() && QFileInfo::exists(*cached))
        return *cached;

    const QStringList bases = iconBases();
    QString best;
    // The desktop's theme and those it inherits, then hicolor, which every
    // theme falls back to.
    QStringList visited;
    if (!m_iconTheme.isEmpty())
        best = iconInTheme(icon, m_iconTheme, bases, visited);
    if (best.isEmpty())
        best = iconInTheme(icon, QStringLiteral("hicolor"), bases, visited);
    if (best.isEmpty()) {
        for (const QString& base : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
            for (const QString& suffix : iconSuffixes()) {
                const QString path = base + QStringLiteral("/pixmaps/") + icon + suffix;
                if (best.isEmpty() && QFileInfo(path).isFile())
                    best = path;
            }
        }
    }
    if (!best.isEmpty())
        m_iconFiles.insert(icon, best); // misses are looked up again: the icon may be installed later
    return best;
}
