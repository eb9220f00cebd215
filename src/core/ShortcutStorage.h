#pragma once
// The user's saved shortcuts: one ordered list per application, keyed by
// bundle identifier, stored as one JSON object under "AppShortcutsPerApp".
//
// Loaded once when made; from then on memory is the truth and every change
// writes the whole object back. A stored element that cannot be read is
// skipped (with a log line) and the stored value is kept under a backup key
// before anything overwrites it (core/StoredListRecovery.h).

#include "core/AppShortcut.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>

class DefaultsStore;

class ShortcutStorage final : public QObject {
    Q_OBJECT
public:
    static const QString key; // "AppShortcutsPerApp"

    // The process-wide store, made on first use and loaded from the installed
    // platform's defaults. When another platform has been installed since
    // (tests), the same object reloads from its defaults, so references and
    // connections stay valid.
    static ShortcutStorage& shared();
    // Drops the process-wide store; the next shared() makes and loads a new one.
    static void resetShared();

    // An empty store on `defaults` (kept by reference; it must outlive this
    // object); call load() to read it.
    explicit ShortcutStorage(DefaultsStore& defaults);

    // Replaces the lists with the stored ones (the elements that can be read).
    void load();
    // Writes every list under `key`.
    void save();

    QList<AppShortcut> getShortcuts(const QString& bundleIdentifier) const;
    // Every list, applications in ascending order of bundle identifier.
    QList<AppShortcut> getAllShortcuts() const;
    // Bundle identifiers that have a list (an empty one included), ascending.
    QStringList bundleIdentifiers() const;

    // Swaps the item with the one `offset` places away, saves and returns the
    // new list; nothing (and no change) when the list, the item or the target
    // place does not exist.
    std::optional<QList<AppShortcut>> moveShortcut(const AppShortcut& shortcut, int offset);
    void addShortcut(const AppShortcut& shortcut);
    // Replaces the first item with the same id; nothing when there is none.
    void updateShortcut(const AppShortcut& shortcut);
    // Removes every item with the same id (the list stays, maybe empty).
    void removeShortcut(const AppShortcut& shortcut);
    void removeApp(const QString& bundleIdentifier);

    // The stored form of `lists`: compact JSON, applications in key order.
    static QByteArray encode(const QMap<QString, QList<AppShortcut>>& lists);

Q_SIGNALS:
    // After load() and after every change.
    void shortcutsChanged();

private:
    QPointer<DefaultsStore> m_defaults;
    QMap<QString, QList<AppShortcut>> m_shortcuts;
    // What was stored could not all be read nor kept aside: it is not written over.
    bool m_leftInPlace = false;
};
