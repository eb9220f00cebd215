#pragma once
// Kelvaro's compiled translations (:/i18n/kelvaro_<code>.qm, context
// "Kelvaro") and Qt's own for the standard dialogs. The interface language is
// installed on the application, so QCoreApplication::translate("Kelvaro", …)
// answers in it; texts that must follow the system's language instead ask
// for that language explicitly.

#include <QLocale>
#include <QString>

#include <optional>

namespace Translations {

// The code of Kelvaro's translations for `locale` ("de", "nb" for Norwegian
// in any form, …), or nothing when Kelvaro has none for it.
std::optional<QString> languageCode(const QLocale& locale);

// The first of the system's preferred languages Kelvaro has translations
// for; "en" when there is none.
QString systemLanguageCode();

// Makes `code` the language QCoreApplication::translate answers in:
// installs Kelvaro's translator and Qt's qtbase translator for it, removing
// those of the language installed before, and makes the application font
// one that has the language's letters. Without an application object
// yet, the language is installed when it is created. Main thread.
void install(const QString& code);

// `english` (context "Kelvaro") in the language `code`, whatever language is
// installed; `english` itself when there is no translation. Any thread.
QString translate(const char* english, const QString& code);

} // namespace Translations
