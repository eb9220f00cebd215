#pragma once
// Application identity on Linux: which installed application (desktop entry)
// a window belongs to, and its bundle identifier, the application's
// reverse-DNS id used everywhere else in the system.
//
// A window's desktop entry is found from its _GTK_APPLICATION_ID, then its
// WM_CLASS against the entries' StartupWMClass and file names, then its
// process's executable against the entries' Exec. The entry's id (its file
// name without ".desktop") is the bundle identifier when it is reverse-DNS;
// otherwise the alias table maps well-known desktop ids to the reverse-DNS ids
// the rest of the system knows; any other entry keeps its own id. A window
// without a desktop entry gets its WM_CLASS class name. The mapping is used the
// other way round to find the entry (and so the launch command) of a bundle
// identifier.

#include <QHash>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

struct DesktopEntry {
    QString id; // file name without ".desktop"; subfolders joined with '-'
    QString path; // the file
    QMap<QString, QString> keys; // the [Desktop Entry] group, values unescaped

    QString value(const QString& key) const { return keys.value(key); }
    bool has(const QString& key) const { return keys.contains(key); }
    // Name in the system's language (Name[ll_CC], Name[ll], then Name); nothing without a Name.
    std::optional<QString> localizedName() const;
};

class ApplicationIdentity {
public:
    struct WindowFacts {
        QString gtkApplicationId;
        QString wmInstance;
        QString wmClass;
        QString executable; // the process's executable file
        QString commandName; // the process's argv[0]
    };

    // Entries from $XDG_DATA_HOME/applications and each $XDG_DATA_DIRS/applications,
    // the earlier folder winning; re-read when one of the folders changes.
    ApplicationIdentity() = default;

    QList<DesktopEntry> entries() const;
    std::optional<DesktopEntry> entry(const QString& desktopId) const;
    // Reads one desktop entry file; nothing when it is not a usable application
    // entry. Anything but a regular file of at most `maxEntryBytes` is refused
    // with a log line (no real desktop entry comes near the limit).
    static std::optional<DesktopEntry> readEntry(const QString& path, const QString& id = QString());
    static constexpr qint64 maxEntryBytes = 1024 * 1024;
    // The same from the file's bytes.
    static std::optional<DesktopEntry> parseEntry(const QByteArray& text, const QString& path, const QString& id);
    // The groups of a file in the desktop entry format (desktop entries,
    // index.theme, kdeglobals): each group's keys, localized ones such as
    // Name[de] included, values with the string escapes (\s \n \t \r \\)
    // undone. A repeated group adds to the earlier one and the last of a
    // repeated key wins, as the desktops' own readers have it.
    using Groups = QMap<QString, QMap<QString, QString>>;
    static Groups groups(const QByteArray& text);
    // The keys of the [Desktop Entry] group of a desktop entry file.
    static QMap<QString, QString> mainGroup(const QByteArray& text);
    // A list value ("a;b;c;"), split at unescaped semicolons.
    static QStringList listValue(const QString& value);
    // Splits an (unescaped) Exec value into arguments by its quoting rules;
    // field codes are left as they are. `closed` tells whether every quote
    // was closed.
    static QStringList splitExec(const QString& exec, bool* closed = nullptr);

    // Whether the desktop's menus list the entry: not NoDisplay or Hidden,
    // shown in one of `desktops` by OnlyShowIn / NotShowIn, and its TryExec
    // program (when it names one) installed.
    static bool listedInMenus(const DesktopEntry& entry, const QStringList& desktops);
    // The desktops of $XDG_CURRENT_DESKTOP (a colon-separated list).
    static QStringList currentDesktops();

    std::optional<DesktopEntry> entryForWindow(const WindowFacts& facts) const;
    // The bundle identifier of a window: its entry's, else its WM_CLASS class
    // name (else the instance name); empty when nothing is known.
    QString bundleIdentifier(const WindowFacts& facts) const;
    static QString bundleIdentifier(const DesktopEntry& entry);
    // The installed application of a bundle identifier.
    std::optional<DesktopEntry> entryForBundleIdentifier(const QString& bundleIdentifier) const;

    // A running process's executable file and argv[0], for WindowFacts; empty
    // when the process is gone.
    static QPair<QString, QString> processFacts(qint32 pid);

    static bool isReverseDNS(const QString& id);
    // Desktop id -> bundle identifier, in lookup order.
    static const QList<QPair<QString, QString>>& aliases();
    // The program and arguments of an Exec line, field codes expanded or removed.
    static QStringList execArguments(const DesktopEntry& entry);
    // The icon file for an Icon value (an absolute path or a theme icon name),
    // looked up the way freedesktop icon themes are searched: in the
    // desktop's icon theme and the themes it inherits, then hicolor, then the
    // pixmaps folders; the largest one of the first theme that has it. Empty
    // when none. Only files are read, so it may run on any thread.
    QString iconFile(const QString& icon) const;
    // The desktop's icon theme and the folders icon themes are searched in
    // besides $HOME/.icons and each data folder's icons/ (what QIcon is told).
    void useIconTheme(const QString& theme, const QStringList& searchPaths = {});
    QString iconTheme() const { return m_iconTheme; }

    // Forget everything read so far (tests that install entries call this).
    void reload();
    // Re-reads the folders when they changed; the number grows with every re-read,
    // so callers can tell when their own caches of identities are stale.
    quint64 generation() const;

private:
    struct IconTheme;
    void refreshIfNeeded() const;
    QStringList iconBases() const;
    std::shared_ptr<const IconTheme> iconTheme(const QString& name, const QStringList& bases) const;
    QString iconInTheme(
        const QString& icon, const QString& themeName, const QStringList& bases, QStringList& visited) const;

    struct Index {
        QList<DesktopEntry> entries;
        QHash<QString, int> byId;
        QHash<QString, int> byIdLower;
        QHash<QString, int> byWMClassLower;
        QHash<QString, int> byProgram; // Exec's program file name
        QHash<QString, qint64> folderStamps;
        bool valid = false;
    };
    mutable quint64 m_generation = 0;
    mutable Index m_index;
    QString m_iconTheme;
    QStringList m_iconSearchPaths;
    mutable QHash<QString, std::shared_ptr<const IconTheme>> m_themes; // null: not installed
    mutable QHash<QString, QString> m_iconFiles;
};
