#include "core/Translations.h"

#include "core/AppLanguage.h"
#include "core/InterfaceFont.h"
#include "platform/Log.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include <memory>
#include <mutex>

namespace {

// Kelvaro's translators by language code, loaded once and kept for the
// process (the installed one is shared with the look-ups of other languages).
std::shared_ptr<QTranslator> kelvaroTranslator(const QString& code)
{
    static std::mutex mutex;
    static QHash<QString, std::shared_ptr<QTranslator>> loaded;
    std::lock_guard lock(mutex);
    auto it = loaded.find(code);
    if (it == loaded.end()) {
        auto translator = std::make_shared<QTranslator>();
        if (!translator->load(QStringLiteral(":/i18n/kelvaro_%1.qm").arg(code))) {
            Log::write(QStringLiteral("Kelvaro: no translations for language \"%1\"").arg(code));
            translator.reset();
        }
        it = loaded.insert(code, translator);
    }
    return *it;
}

struct Installed {
    QPointer<QCoreApplication> app; // the application they are installed on
    QString code;
    QString pending; // asked for before the application object existed
    std::shared_ptr<QTranslator> kelvaro;
    std::unique_ptr<QTranslator> qt;
};

Installed& installed()
{
    static Installed state;
    return state;
}

} // namespace

std::optional<QString> Translations::languageCode(const QLocale& locale)
{
    if (locale.language() == QLocale::NorwegianBokmal || locale.language() == QLocale::NorwegianNynorsk)
        return QStringLiteral("nb");
    const QString code = locale.name().section(QLatin1Char('_'), 0, 0);
    if (const auto language = fromRawValue<AppLanguage>(code); language && *language != AppLanguage::system)
        return code;
    return std::nullopt;
}

QString Translations::systemLanguageCode()
{
    for (const QString& ui : QLocale::system().uiLanguages()) {
        QString code = ui.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (code == QLatin1String("no") || code == QLatin1String("nn"))
            code = QStringLiteral("nb");
        if (const auto language = fromRawValue<AppLanguage>(code); language && *language != AppLanguage::system)
            return code;
    }
    return QStringLiteral("en");
}

void Translations::install(const QString& code)
{
    Installed& state = installed();
    if (!QCoreApplication::instance()) {
        state.pending = code;
        return;
    }
    state.pending.clear();
    if (state.app == QCoreApplication::instance() && code == state.code)
        return;
    if (state.kelvaro)
        QCoreApplication::removeTranslator(state.kelvaro.get());
    if (state.qt)
        QCoreApplication::removeTranslator(state.qt.get());
    state.app = QCoreApplication::instance();
    state.code = code;
    state.kelvaro = kelvaroTranslator(code);
    state.qt = std::make_unique<QTranslator>();
    if (!state.qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        state.qt.reset();
    // Qt's first, so Kelvaro's (installed last, asked first) wins on a clash.
    if (state.qt)
        QCoreApplication::installTranslator(state.qt.get());
    if (state.kelvaro)
        QCoreApplication::installTranslator(state.kelvaro.get());
    // Japanese, Korean and Georgian need fonts the desktop's default may lack.
    InterfaceFont::apply(code);
}

namespace {
// A language chosen while there was no application object yet is installed
// as soon as there is one.
void installPending()
{
    if (const QString code = installed().pending; !code.isEmpty())
        Translations::install(code);
}
} // namespace
Q_COREAPP_STARTUP_FUNCTION(installPending)

QString Translations::translate(const char* english, const QString& code)
{
    if (const auto translator = kelvaroTranslator(code)) {
        QString text = translator->translate("Kelvaro", english);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(english);
}
