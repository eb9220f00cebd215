#include "ring/ShortcutPreset.h"

#include "core/AppShortcut.h"
#include "core/Translations.h"

QString ShortcutPreset::translated(const QString& english, const QLocale& locale)
{
    const auto code = Translations::languageCode(locale);
    return code ? Translations::translate(english.toUtf8().constData(), *code) : english;
}

QString ShortcutPreset::displayName(const QLocale& locale) const
{
    return nameIsLocalizationKey ? translated(name, locale) : name;
}

QString ShortcutPreset::combinationText() const { return hotkey.modifierSymbols().join(QString()) + hotkey.keyLabel(); }

AppShortcut ShortcutPreset::makeShortcut(const QString& bundleIdentifier, const QLocale& locale) const
{
    return AppShortcut(displayName(locale), icon, combinationText(), bundleIdentifier, std::nullopt, std::nullopt);
}
