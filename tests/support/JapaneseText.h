#pragma once

#include <QString>

namespace quindaro2::test {

// Kana, kanji, Japanese punctuation and full-width forms.
bool IsJapanese(QChar c);

// The first line that has Japanese outside double quotes, where an English
// text shows only the game's own texts (headings, names, list texts); empty
// when there is none.
QString LineWithJapaneseOutsideQuotes(const QString& text);

} // namespace quindaro2::test
