#include "core/InterfaceFont.h"

#include "platform/Log.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHash>
#include <QRawFont>
#include <QStringList>

namespace {
struct Script {
    QFontDatabase::WritingSystem system;
    const char* preferred; // a family name part that marks the regional forms
};

// Languages whose letters the common Latin fonts may lack.
const QHash<QString, Script>& scripts()
{
    static const QHash<QString, Script> table {
        { QStringLiteral("ja"), { QFontDatabase::Japanese, " JP" } },
        { QStringLiteral("ko"), { QFontDatabase::Korean, " KR" } },
        { QStringLiteral("ka"), { QFontDatabase::Georgian, "" } },
    };
    return table;
}

bool familyHas(const QString& family, const QString& text)
{
    QFont f(family);
    f.setPixelSize(16);
    const QRawFont raw = QRawFont::fromFont(f);
    if (!raw.isValid())
        return false;
    const auto codepoints = text.toUcs4();
    for (char32_t c : codepoints) {
        if (QChar::isSpace(c) || QChar::category(c) == QChar::Punctuation_Other)
            continue;
        if (!raw.supportsCharacter(c))
            return false;
    }
    return true;
}

QFont& desktopFont()
{
    static QFont font;
    return font;
}
bool& desktopFontKnown()
{
    static bool known = false;
    return known;
}
}

QString InterfaceFont::sample(const QString& code)
{
    static const QHash<QString, QString> samples {
        { QStringLiteral("de"), QStringLiteral("Willkommen bei Kelvaro – Größe, Tastenkürzel") },
        { QStringLiteral("en"), QStringLiteral("Welcome to Kelvaro") },
        { QStringLiteral("es"), QStringLiteral("Te damos la bienvenida – atajo, configuración, añadir") },
        { QStringLiteral("et"), QStringLiteral("Tere tulemast – kiirklahv, sätted, õ ä ö ü š ž") },
        { QStringLiteral("fi"), QStringLiteral("Tervetuloa – pikanäppäin, asetukset, ö") },
        { QStringLiteral("fr"), QStringLiteral("Bienvenue – raccourci, réglages, à ç è ê ë î ï ô œ ù") },
        { QStringLiteral("it"), QStringLiteral("Benvenuto – scorciatoia, impostazioni, è à ù") },
        { QStringLiteral("ja"), QStringLiteral("Kelvaro へようこそ ショートカット 設定 言語") },
        { QStringLiteral("ka"), QStringLiteral("კეთილი იყოს თქვენი მობრძანება Kelvaro-ში") },
        { QStringLiteral("ko"), QStringLiteral("Kelvaro에 오신 것을 환영합니다 단축키 설정") },
        { QStringLiteral("nb"), QStringLiteral("Velkommen – hurtigtast, innstillinger, æ ø å") },
        { QStringLiteral("nl"), QStringLiteral("Welkom bij Kelvaro – sneltoets, instellingen, ë") },
        { QStringLiteral("pl"), QStringLiteral("Witamy – skrót, ustawienia, ą ć ę ł ń ó ś ź ż") },
        { QStringLiteral("sk"), QStringLiteral("Vitajte – skratka, nastavenia, á ä č ď ľ ĺ ň ô ŕ š ť ž") },
        { QStringLiteral("sl"), QStringLiteral("Dobrodošli – bližnjica, nastavitve, č š ž") },
        { QStringLiteral("sq"), QStringLiteral("Mirë se vini – shkurtore, cilësimet, ç ë") },
        { QStringLiteral("sv"), QStringLiteral("Välkommen – kortkommando, inställningar, å ä ö") },
    };
    return samples.value(code, samples.value(QStringLiteral("en")));
}

QString InterfaceFont::missingCharacters(const QFont& font, const QString& text)
{
    QStringList families = font.families();
    if (families.isEmpty())
        families << font.family();
    QString missing;
    const auto codepoints = text.toUcs4();
    for (char32_t c : codepoints) {
        if (QChar::isSpace(c))
            continue;
        const QString one = QString::fromUcs4(&c, 1);
        bool found = false;
        for (const QString& family : families) {
            if (familyHas(family, one)) {
                found = true;
                break;
            }
        }
        if (!found && !missing.contains(one))
            missing += one;
    }
    return missing;
}

QFont InterfaceFont::forLanguage(const QString& code, const QFont& base)
{
    QFont font = base;
    const QString text = sample(code);
    const QString baseFamily = QFontInfo(base).family();
    if (familyHas(baseFamily, text)) {
        font.setFamilies({ baseFamily });
        return font;
    }
    const auto it = scripts().constFind(code);
    QStringList candidates
        = it != scripts().constEnd() ? QFontDatabase::families(it->system) : QFontDatabase::families();
    // Sans-serif faces first, then those named for the region's forms.
    auto rank = [&](const QString& family) {
        int r = 0;
        if (!family.contains(QLatin1String("Sans"), Qt::CaseInsensitive))
            r += 2;
        if (it != scripts().constEnd() && *it->preferred && !family.contains(QLatin1String(it->preferred)))
            r += 1;
        return r;
    };
    std::stable_sort(
        candidates.begin(), candidates.end(), [&](const QString& a, const QString& b) { return rank(a) < rank(b); });
    for (const QString& family : candidates) {
        if (family != baseFamily && familyHas(family, text)) {
            font.setFamilies({ baseFamily, family });
            return font;
        }
    }
    Log::write(QStringLiteral("Kelvaro: no installed font has the letters of the interface language \"%1\"").arg(code));
    font.setFamilies({ baseFamily });
    return font;
}

void InterfaceFont::apply(const QString& code)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    if (!desktopFontKnown()) {
        desktopFont() = QGuiApplication::font();
        desktopFontKnown() = true;
    }
    const QFont font = forLanguage(code, desktopFont());
    if (font.families() != QGuiApplication::font().families()) {
        if (qobject_cast<QApplication*>(QCoreApplication::instance()))
            QApplication::setFont(font);
        else
            QGuiApplication::setFont(font);
    }
}
