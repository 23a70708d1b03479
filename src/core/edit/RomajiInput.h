#pragma once

#include <QString>

namespace quindaro2 {

struct NameTable;

// A name typed in one line, as far as it converts to characters a name of
// the edition can hold.
struct NameInput {
    QString text;     // the characters so far
    QString pending;  // romaji letters that do not make a kana yet ("k", "ky", "n")
    QString problem;  // why a character cannot go into a name of the edition; empty when all can
};

// Converts what the user typed into a name of the edition. Romaji become
// kana by the usual rules (ka → か, kya → きゃ, shi and si → し, tsu and tu
// → つ, n before a consonant and nn → ん, a doubled consonant → っ, "-" → ー,
// "." → ．); kana typed through an input method go in as they are. Where the
// edition has letters and digits, capital letters and digits become their
// full-width forms; where it has none, capitals are romaji too. A character
// the edition lacks is replaced by what it stores instead where there is
// such a thing (が as か゛, a small kana as the large one, katakana as
// hiragana); otherwise it is left out and named in the problem. With
// `finished`, a pending "n" becomes ん and other pending letters are refused.
NameInput ConvertNameInput(const NameTable& names, const QString& typed, bool finished);

} // namespace quindaro2
