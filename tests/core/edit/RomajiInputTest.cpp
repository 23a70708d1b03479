#include "core/edit/RomajiInput.h"

#include "support/SyntheticRom.h"

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

struct RomajiCase {
    int edition;
    const char* typed;
    const char* text;
    const char* pending = "";
    bool problem = false;
    bool finished = true;
};

void PrintTo(const RomajiCase& c, std::ostream* out)
{
    *out << c.edition << " \"" << c.typed << '"';
}

class RomajiInputTest : public ::testing::TestWithParam<RomajiCase> {};

TEST_P(RomajiInputTest, TypesTheEditionsCharacters)
{
    const RomajiCase& c = GetParam();
    const NameInput input = ConvertNameInput(test::Profile(c.edition).names, QString::fromUtf8(c.typed), c.finished);
    EXPECT_EQ(input.text, QString::fromUtf8(c.text));
    EXPECT_EQ(input.pending, QString::fromUtf8(c.pending));
    EXPECT_EQ(!input.problem.isEmpty(), c.problem) << input.problem.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Names, RomajiInputTest,
    ::testing::Values(
        // The usual rules, into the kana of 1993.
        RomajiCase{1993, "kato", "かと"}, RomajiCase{1993, "kyoshi", "きょし"}, RomajiCase{1993, "sisyo", "ししょ"},
        RomajiCase{1993, "tsutu", "つつ"}, RomajiCase{1993, "honda", "ほんだ"}, RomajiCase{1993, "minna", "みんな"},
        RomajiCase{1993, "kanno", "かんの"}, RomajiCase{1993, "shin", "しん"}, RomajiCase{1993, "hattori", "はっとり"},
        RomajiCase{1993, "ko-chi", "こーち"}, RomajiCase{1993, "ryuu", "りゅう"}, RomajiCase{1993, "KATO", "かと"},
        RomajiCase{1993, "jo", "じょ"}, RomajiCase{1993, "fe", "ふぇ"}, RomajiCase{1993, "fa", "ふあ"},
        // Kana typed through an input method go in as they are; katakana read as hiragana.
        RomajiCase{1993, "みなみ", "みなみ"}, RomajiCase{1993, "タナカ", "たなか"},
        // Letters still typing, and letters that make no kana.
        RomajiCase{1993, "ky", "", "ky", false, false}, RomajiCase{1993, "kan", "か", "n", false, false},
        RomajiCase{1993, "ky", "", "", true}, RomajiCase{1993, "kq", "", "", true},
        // 1993 has no letters or digits: capitals are romaji, a digit is refused.
        RomajiCase{1993, "A1", "あ", "", true},
        // 1986 to 1992: capitals and digits full-width, voiced kana with the
        // separate mark, small kana large.
        RomajiCase{1986, "ABC", "ＡＢＣ"}, RomajiCase{1986, "No.1", "Ｎお．１"}, RomajiCase{1988, "gaku", "か゛く"},
        RomajiCase{1990, "pon", "ほ゜ん"}, RomajiCase{1991, "kyoto", "きよと"}, RomajiCase{1986, "hattori", "はつとり"},
        RomajiCase{1992, "yu", "ゆ"}, RomajiCase{1986, "ー", "ー"}, RomajiCase{1990, "ko-", "こ", "", true},
        RomajiCase{1986, "ヴ", "う゛"}, RomajiCase{1993, "Ｑ", "", "", true}, RomajiCase{1993, "vu", "ヴ"}));

} // namespace
} // namespace quindaro2
