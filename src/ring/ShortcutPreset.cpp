#include "ring/ShortcutPreset.h"

#include "core/AppShortcut.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QHash>
#include <QTranslator>
#include <memory>
#include <mutex>

QString ShortcutPreset::translated(const QString& english, const QLocale& locale)
{
    static std::mutex mutex;
    static QHash<QString, std::shared_ptr<QTranslator>> translators; // by language code
    QString code = locale.name().section(QLatin1Char('_'), 0, 0);
    if (locale.language() == QLocale::NorwegianBokmal)
        code = QStringLiteral("nb");
    std::shared_ptr<QTranslator> translator;
    {
        std::lock_guard lock(mutex);
        auto it = translators.find(code);
        if (it == translators.end()) {
            // The compiled ring translations, wherever under :/i18n the build placed them.
            std::shared_ptr<QTranslator> loaded;
            QDirIterator found(QStringLiteral(":/i18n"), { QStringLiteral("ring_%1.qm").arg(code) }, QDir::Files,
                QDirIterator::Subdirectories);
            if (found.hasNext()) {
                loaded = std::make_shared<QTranslator>();
                if (!loaded->load(found.next()))
                    loaded.reset();
            }
            it = translators.insert(code, loaded);
        }
        translator = *it;
    }
    if (!translator)
        return english;
    const QString text = translator->translate("Kelvaro", english.toUtf8().constData());
    return text.isEmpty() ? english : text;
}

QString ShortcutPreset::displayName(const QLocale& locale) const
{
    return nameIsLocalizationKey ? translated(name, locale) : name;
}

QString ShortcutPreset::combinationText() const
{
    return hotkey.modifierSymbols().join(QString()) + hotkey.keyLabel();
}

AppShortcut ShortcutPreset::makeShortcut(const QString& bundleIdentifier, const QLocale& locale) const
{
    return AppShortcut(displayName(locale), icon, combinationText(), bundleIdentifier, std::nullopt, std::nullopt);
}
