#include "core/AppLanguage.h"
#include "core/InterfaceFont.h"
#include "core/Translations.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

// Every interface language draws with real letters, not empty boxes: one line
// per language (its own letters and a translated title) rendered offscreen
// with the font the application picks for it.
TEST(InterfaceFont, EveryLanguageHasAGlyphForEachLetter)
{
    const QFont desktop = QGuiApplication::font();
    int languages = 0;
    for (AppLanguage language : allCases<AppLanguage>()) {
        if (language == AppLanguage::system)
            continue;
        ++languages;
        const QString code = rawValue(language);
        const QString line
            = InterfaceFont::sample(code) + QLatin1Char(' ') + Translations::translate("Welcome to Kelvaro", code);
        const QFont font = InterfaceFont::forLanguage(code, desktop);
        QImage image(900, 40, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(image.rect(), Qt::AlignLeft | Qt::AlignVCenter, line);
        p.end();
        EXPECT_NE(image.pixel(0, 0), 0u);
        EXPECT_EQ(InterfaceFont::missingCharacters(font, line), QString())
            << code.toStdString() << " drawn with " << font.families().join(QLatin1String(", ")).toStdString();
    }
    EXPECT_EQ(languages, 17);
}

TEST(InterfaceFont, JapaneseAndKoreanGetTheirOwnFontsAfterTheDesktopOne)
{
    const QFont desktop = QGuiApplication::font();
    const QStringList ja = InterfaceFont::forLanguage(QStringLiteral("ja"), desktop).families();
    ASSERT_EQ(ja.size(), 2);
    EXPECT_TRUE(ja[1].contains(QLatin1String("JP"))) << ja[1].toStdString();
    const QStringList ko = InterfaceFont::forLanguage(QStringLiteral("ko"), desktop).families();
    ASSERT_EQ(ko.size(), 2);
    EXPECT_TRUE(ko[1].contains(QLatin1String("KR"))) << ko[1].toStdString();
    // A language the desktop font draws keeps it alone.
    EXPECT_EQ(InterfaceFont::forLanguage(QStringLiteral("de"), desktop).families().size(), 1);
}
