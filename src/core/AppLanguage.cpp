#include "core/AppLanguage.h"

namespace {
struct LanguageRow {
    AppLanguage language;
    const char* raw;
    const char* endonym; // UTF-8
    const char* region; // flag letters, empty for the globe
};

constexpr LanguageRow kLanguages[] = {
    { AppLanguage::system, "system", "System", "" },
    { AppLanguage::english, "en", "English", "GB" },
    { AppLanguage::german, "de", "Deutsch", "DE" },
    { AppLanguage::spanish, "es", "Español", "ES" },
    { AppLanguage::estonian, "et", "Eesti", "EE" },
    { AppLanguage::finnish, "fi", "Suomi", "FI" },
    { AppLanguage::french, "fr", "Français", "FR" },
    { AppLanguage::italian, "it", "Italiano", "IT" },
    { AppLanguage::japanese, "ja", "日本語", "JP" },
    { AppLanguage::georgian, "ka", "ქართული", "GE" },
    { AppLanguage::korean, "ko", "한국어", "KR" },
    { AppLanguage::norwegian, "nb", "Norsk bokmål", "NO" },
    { AppLanguage::dutch, "nl", "Nederlands", "NL" },
    { AppLanguage::polish, "pl", "Polski", "PL" },
    { AppLanguage::slovak, "sk", "Slovenčina", "SK" },
    { AppLanguage::slovenian, "sl", "Slovenščina", "SI" },
    { AppLanguage::albanian, "sq", "Shqip", "AL" },
    { AppLanguage::swedish, "sv", "Svenska", "SE" },
};

const LanguageRow& row(AppLanguage language)
{
    for (const auto& r : kLanguages)
        if (r.language == language)
            return r;
    return kLanguages[0];
}
}

QString rawValue(AppLanguage language) { return QString::fromLatin1(row(language).raw); }

template <> std::optional<AppLanguage> fromRawValue<AppLanguage>(const QString& raw)
{
    for (const auto& r : kLanguages)
        if (raw == QLatin1String(r.raw))
            return r.language;
    return std::nullopt;
}

template <> QList<AppLanguage> allCases<AppLanguage>()
{
    QList<AppLanguage> all;
    for (const auto& r : kLanguages)
        all.append(r.language);
    return all;
}

QString endonym(AppLanguage language) { return QString::fromUtf8(row(language).endonym); }

QString flag(AppLanguage language)
{
    const char* region = row(language).region;
    if (!*region)
        return QString::fromUcs4(U"\U0001F310");
    QString text;
    for (const char* c = region; *c; ++c) {
        const char32_t indicator = U'\U0001F1E6' + char32_t(*c - 'A');
        text += QString::fromUcs4(&indicator, 1);
    }
    return text;
}

std::optional<QString> localeIdentifier(AppLanguage language)
{
    if (language == AppLanguage::system)
        return std::nullopt;
    return rawValue(language);
}

QList<AppLanguage> selectableLanguages()
{
    QList<AppLanguage> list = allCases<AppLanguage>();
    list.removeAll(AppLanguage::system);
    return list;
}
