#pragma once
// The interface font for a language: the desktop's own font when it has the
// language's letters, otherwise the desktop's font followed by an installed
// font that has them (for Japanese a Japanese one, so shared Han characters
// take the Japanese forms). Qt draws each character with the first family of
// the list that has it.

#include <QFont>
#include <QString>

namespace InterfaceFont {

// A line in the language `code` that uses its own letters ("ja": kana and
// kanji, "ka": Mkhedruli, "de": umlauts and ß, …); "en" for unknown codes.
QString sample(const QString& code);

// `base` with the families that draw `code`'s sample.
QFont forLanguage(const QString& code, const QFont& base);

// The characters of `text` that no family of `font` has a glyph for.
QString missingCharacters(const QFont& font, const QString& text);

// Makes forLanguage(code, <the desktop's font>) the application font.
// Needs a GUI application object; without one it does nothing.
void apply(const QString& code);

} // namespace InterfaceFont
