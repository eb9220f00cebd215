#pragma once
// The built-in catalog of suggested shortcuts per application.

#include "ring/ShortcutPreset.h"

#include <QList>

class ShortcutPresets {
public:
    ShortcutPresets() = delete;

    // The fallback list for applications the catalog does not know.
    static const QList<ShortcutPreset>& common();
    // The catalog: bundle identifier (exact) to list.
    static const QHash<QString, QList<ShortcutPreset>>& catalog();
    // Every list of the catalog, `common` first, each once.
    static QList<QList<ShortcutPreset>> allLists();

    // The catalog's list for the application, or `common`; never empty.
    static QList<ShortcutPreset> suggestions(const QString& bundleIdentifier);
    // The suggestions whose combination text no existing shortcut has.
    static QList<ShortcutPreset> missingSuggestions(
        const QString& bundleIdentifier, const QList<AppShortcut>& existing);
};
