#include "core/edition/Edition.h"
#include "core/rom/NameCodec.h"
#include "support/SyntheticRom.h"

#include <gtest/gtest.h>

#include <vector>

namespace quindaro2 {
namespace {

Record NameRecord(int edition, std::vector<int> codes)
{
    Record record = test::MakeRecord(RecordKind::Batter, edition);
    for (std::size_t i = 0; i < codes.size(); ++i)
        record[1 + static_cast<int>(i)] = static_cast<std::uint8_t>(codes[i]);
    return record;
}

std::vector<int> NameBytes(int edition, const Record& record)
{
    std::vector<int> codes;
    for (int i = 1; i <= NameLength(edition); ++i)
        codes.push_back(record[i]);
    return codes;
}

struct DecodeCase {
    int edition;
    std::vector<int> codes;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const DecodeCase& c)
{
    return out << c.edition << ' ' << c.text;
}

class DecodeNameTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeNameTest, ShowsTheEditionsCharacters)
{
    const DecodeCase& c = GetParam();
    EXPECT_EQ(DecodeName(c.edition, NameRecord(c.edition, c.codes)), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DecodeNameTest,
    ::testing::Values(DecodeCase{1986, {0x0A, 0x0B, 0x0C, 0x24}, "ＡＢＣ　"},
                      DecodeCase{1988, {0x28, 0x56, 0x29, 0x24, 0x24}, "あ゛い　　"},
                      DecodeCase{1986, {0xFF, 0x58, 0x57, 0x00}, "ーー゜０"},
                      DecodeCase{1987, {38, 39, 86, 87}, "ー’゛゜"},
                      DecodeCase{1989, {38, 39, 19, 26, 35}, "ーｕＪＱＺ"},
                      DecodeCase{1991, {38, 39, 36, 85, 40}, "ｕ　　んあ"},
                      DecodeCase{1992, {19, 26, 31, 38, 39}, "ゅ－＊ｕー"},
                      DecodeCase{1993, {0x8D, 0x08, 0x9C, 0xE1, 0x3B}, "があ　ぱー"},
                      DecodeCase{1994, {0x8A, 0x07, 0x38, 0xA5, 0xE5}, "ヴっゃぼぽ"},
                      // Codes outside the three runs keep the other characters in place.
                      DecodeCase{1993, {0x08, 0x3C, 0x09, 0xA6, 0xFF}, "あ？い？？"},
                      DecodeCase{1994, {0x89, 0xE0, 0xE6, 0x00, 0x04}, "？？？＊　"}));

struct EncodeCase {
    int edition;
    const char* text;
    bool encoded;
    std::vector<int> codes;
};

std::ostream& operator<<(std::ostream& out, const EncodeCase& c)
{
    return out << c.edition << ' ' << c.text;
}

class EncodeNameTest : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeNameTest, WritesCodesAndCutsAtTheFirstUnknownCharacter)
{
    const EncodeCase& c = GetParam();
    Record record = NameRecord(c.edition, {});
    record.bytes.fill(0xEE);
    EXPECT_EQ(EncodeName(c.edition, QString::fromUtf8(c.text), record), c.encoded);
    EXPECT_EQ(NameBytes(c.edition, record), c.codes);
    EXPECT_EQ(record[0], 0xEE) << "byte 0 is not part of the name";
    EXPECT_EQ(record[1 + NameLength(c.edition)], 0xEE) << "nothing after the name is written";
}

INSTANTIATE_TEST_SUITE_P(
    Examples, EncodeNameTest,
    ::testing::Values(
        // 1986 and 1987 look at four characters only.
        EncodeCase{1987, "ＡＢＣＤＥ", true, {10, 11, 12, 13}},
        EncodeCase{1986, "ＡＢＣ　", true, {10, 11, 12, 36}},
        // A short text keeps space codes after its end.
        EncodeCase{1986, "Ａ", true, {10, 36, 36, 36}},
        EncodeCase{1988, "", true, {36, 36, 36, 36, 36}},
        EncodeCase{1988, "あ゛い", true, {40, 86, 41, 36, 36}},
        EncodeCase{1989, "ーｕ", true, {38, 39, 36, 36, 36}},
        // In 1990 and 1991 "ー" has no code.
        EncodeCase{1990, "ーＡＢＣＤ", false, {36, 36, 36, 36, 36}},
        EncodeCase{1991, "ＡＢーＣＤ", false, {10, 11, 36, 36, 36}},
        EncodeCase{1990, "　", true, {36, 36, 36, 36, 36}},
        // In 1992 the letters J, Q, V, X and Z have no code; "ゅ" is 19.
        EncodeCase{1992, "ゅＪ", false, {19, 36, 36, 36, 36}},
        EncodeCase{1992, "Ｑ", false, {36, 36, 36, 36, 36}},
        EncodeCase{1992, "ＡＶ", false, {10, 36, 36, 36, 36}},
        EncodeCase{1992, "Ｘ", false, {36, 36, 36, 36, 36}},
        EncodeCase{1992, "Ｚ", false, {36, 36, 36, 36, 36}},
        EncodeCase{1992, "＊－ーｕ", true, {31, 26, 39, 38, 36}},
        // 1993 and 1994: voiced syllables have codes of their own.
        EncodeCase{1993, "があ　ぱー", true, {0x8D, 0x08, 0x04, 0xE1, 0x3B}},
        EncodeCase{1994, "ヴ", true, {0x8A, 0x04, 0x04, 0x04, 0x04}},
        EncodeCase{1994, "＊", true, {0x00, 0x04, 0x04, 0x04, 0x04}},
        EncodeCase{1993, "あいＡ", false, {0x08, 0x09, 0x04, 0x04, 0x04}},
        EncodeCase{1993, "をあ", false, {0x04, 0x04, 0x04, 0x04, 0x04}},
        EncodeCase{1994, "あいうえおか", true, {0x08, 0x09, 0x0A, 0x0B, 0x0C}}));

TEST(NameCodec, TablesHaveTheirSizes)
{
    for (int edition = kFirstEdition; edition <= 1992; ++edition)
        EXPECT_EQ(CharTable(edition).size(), 88) << edition;
    EXPECT_EQ(CharTable(1993).size(), 60 + 28 + 5);
    EXPECT_EQ(CharTable(1994), CharTable(1993));
}

// Decoding then encoding gives back the stored codes, except where a character
// stands twice in the table and so always encodes to its first code.
TEST(NameCodec, EveryCodeSurvivesARoundTrip)
{
    for (int edition = kFirstEdition; edition <= kLastEdition; ++edition) {
        std::vector<int> codes;
        if (edition <= 1992) {
            for (int code = 0; code < 88; ++code)
                codes.push_back(code);
        } else {
            for (int code = 0; code <= 0x3B; ++code)
                codes.push_back(code);
            for (int code = 0x8A; code <= 0xA5; ++code)
                codes.push_back(code);
            for (int code = 0xE1; code <= 0xE5; ++code)
                codes.push_back(code);
        }
        const QString table = CharTable(edition);
        for (int code : codes) {
            const Record stored = NameRecord(edition, {code, code, code, code, code});
            Record again = NameRecord(edition, {});
            const QString text = DecodeName(edition, stored);
            ASSERT_TRUE(EncodeName(edition, text, again)) << edition << " code " << code;
            const bool duplicate = table.indexOf(text[0]) != table.lastIndexOf(text[0]);
            if (!duplicate)
                EXPECT_EQ(NameBytes(edition, again), NameBytes(edition, stored)) << edition << " code " << code;
            else
                EXPECT_EQ(DecodeName(edition, again), text) << edition << " code " << code;
        }
    }
}

// A stored code is one that decoding and storing the name gives back: never
// a code outside the runs, never the later code of a repeated character.
TEST(NameCodec, StoredCodesAreThoseARoundTripKeeps)
{
    for (int edition = kFirstEdition; edition <= kLastEdition; ++edition) {
        int stored = 0;
        for (int code = 0; code < 256; ++code) {
            const Record name = NameRecord(edition, {code});
            Record again = NameRecord(edition, {});
            const bool kept = EncodeName(edition, DecodeName(edition, name), again) && again[1] == code;
            EXPECT_EQ(IsStoredCode(edition, code), kept) << edition << " code " << code;
            stored += IsStoredCode(edition, code) ? 1 : 0;
        }
        EXPECT_GT(stored, 60) << edition;
    }
    EXPECT_FALSE(IsStoredCode(1993, 0x01));  // a second "＊"
    EXPECT_FALSE(IsStoredCode(1990, 39));    // a second blank
    EXPECT_FALSE(IsStoredCode(1986, 88));    // past the table, read as "ー"
    EXPECT_FALSE(IsStoredCode(1985, 0));
}

} // namespace
} // namespace quindaro2
