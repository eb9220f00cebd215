#include "platform/ApplicationIdentity.h"

#include "platform/Platform.h"

#include "platform/Log.h"
#include "platform/SafeFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>

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

// Splits an Exec value into arguments by the desktop entry quoting rules.
QStringList splitExec(const QString& exec)
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
    return args;
}

// The program an Exec line runs, past "env VAR=value" prefixes.
QString execProgram(const DesktopEntry& e)
{
    const QStringList args = splitExec(e.value(QStringLiteral("Exec")));
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

QMap<QString, QString> ApplicationIdentity::mainGroup(const QByteArray& text)
{
    QMap<QString, QString> keys;
    bool inMain = false;
    for (const QByteArray& rawLine : text.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inMain = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inMain)
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        if (!keys.contains(key))
            keys.insert(key, unescapeValue(line.mid(eq + 1).trimmed()));
    }
    return keys;
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

void ApplicationIdentity::reload() { m_index = Index(); }

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

QString ApplicationIdentity::iconFile(const QString& icon)
{
    if (icon.isEmpty())
        return {};
    if (QFileInfo(icon).isAbsolute())
        return QFileInfo::exists(icon) ? icon : QString();
    static QHash<QString, QString> cache;
    const auto cached = cache.constFind(icon);
    if (cached != cache.cend() && QFileInfo::exists(*cached))
        return *cached;

    QStringList themes;
    const QString current = QIcon::themeName();
    if (!current.isEmpty() && current != QLatin1String("hicolor"))
        themes << current;
    themes << QStringLiteral("hicolor");
    const QStringList bases = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    static const QStringList suffixes = { QStringLiteral(".png"), QStringLiteral(".svg"), QStringLiteral(".xpm") };
    QString best;
    for (const QString& theme : themes) {
        int bestSize = -1;
        for (const QString& base : bases) {
            const QDir themeDir(base + QStringLiteral("/icons/") + theme);
            if (!themeDir.exists())
                continue;
            for (const QString& sizeDir : themeDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
                for (const QString& suffix : suffixes) {
                    const QString path = themeDir.filePath(sizeDir + QStringLiteral("/apps/") + icon + suffix);
                    if (!QFileInfo::exists(path))
                        continue;
                    const int size = sizeDir == QLatin1String("scalable")
                        ? 100000
                        : sizeDir.section(QLatin1Char('x'), 0, 0).toInt();
                    if (size > bestSize) {
                        bestSize = size;
                        best = path;
                    }
                }
            }
        }
        if (!best.isEmpty())
            break;
    }
    if (best.isEmpty()) {
        for (const QString& base : bases) {
            for (const QString& suffix : suffixes) {
                const QString path = base + QStringLiteral("/pixmaps/") + icon + suffix;
                if (best.isEmpty() && QFileInfo::exists(path))
                    best = path;
            }
        }
    }
    if (!best.isEmpty())
        cache.insert(icon, best); // misses are looked up again: the icon may be installed later
    return best;
}
