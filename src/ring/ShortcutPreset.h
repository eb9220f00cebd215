#pragma once
// A suggested shortcut: a named key combination with a symbol, from the
// built-in catalog or read from another application's menus.

#include "core/Hotkey.h"

#include <QLocale>
#include <QString>

struct AppShortcut;

struct ShortcutPreset {
    QString id;
    QString name; // English; the localization key when nameIsLocalizationKey
    QString icon; // symbol name
    Hotkey hotkey;
    bool nameIsLocalizationKey = true;
    bool isFromMenu = false;

    bool operator==(const ShortcutPreset&) const = default;

    // The name to show in `locale`.
    QString displayName(const QLocale& locale) const;
    // The combination as shortcut items store it: modifier glyphs (⌃ ⌥ ⇧ ⌘)
    // followed by the key label, e.g. "⇧⌘T". Shown to a person only through
    // the stored text's display form.
    QString combinationText() const;
    // A new ring item for the application `bundleIdentifier`.
    AppShortcut makeShortcut(const QString& bundleIdentifier, const QLocale& locale) const;

    // The text of `english` (context "Kelvaro") in Kelvaro's translations for
    // `locale`, or `english` when there is none. Any thread.
    static QString translated(const QString& english, const QLocale& locale);
};

inline size_t qHash(const ShortcutPreset& p, size_t seed = 0) noexcept
{
    return qHashMulti(seed, p.id, p.name, p.icon, p.hotkey.keyCode, quint64(p.hotkey.rawModifiers),
        p.nameIsLocalizationKey, p.isFromMenu);
}
