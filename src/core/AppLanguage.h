#pragma once
// Interface languages: the system's own plus seventeen others.

#include "core/RawEnum.h"

#include <QString>

enum class AppLanguage {
    system,
    english,
    german,
    spanish,
    estonian,
    finnish,
    french,
    italian,
    japanese,
    georgian,
    korean,
    norwegian,
    dutch,
    polish,
    slovak,
    slovenian,
    albanian,
    swedish,
};

QString rawValue(AppLanguage language); // "system", "en", "de", …
template <> std::optional<AppLanguage> fromRawValue<AppLanguage>(const QString& raw);
template <> QList<AppLanguage> allCases<AppLanguage>(); // all eighteen

QString endonym(AppLanguage language); // fixed, not localized ("Deutsch", "System", …)
QString flag(AppLanguage language); // 🌐 for system, else regional-indicator pair
// Empty for system, otherwise the language code.
std::optional<QString> localeIdentifier(AppLanguage language);
// allCases without system (seventeen, english … swedish).
QList<AppLanguage> selectableLanguages();
