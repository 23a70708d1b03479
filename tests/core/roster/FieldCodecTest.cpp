#include "core/roster/ColumnTable.h"
#include "core/roster/FieldCodec.h"
#include "support/SyntheticRom.h"

#include <gtest/gtest.h>

#include <map>

namespace quindaro2 {
namespace {

using Bytes = std::map<int, int>;

const char* GridName(RecordKind grid)
{
    return grid == RecordKind::Batter ? "batter" : grid == RecordKind::Pitcher ? "pitcher" : "manager";
}

Record RecordWith(RecordKind grid, int edition, const Bytes& bytes)
{
    Record record;
    record.size = RecordSize(grid, edition).value_or(kMaxRecordSize);
    for (const auto& [byte, value] : bytes)
        record[byte] = static_cast<std::uint8_t>(value);
    return record;
}

struct DecodeCase {
    RecordKind grid;
    int edition;
    ColumnKind kind;
    Bytes bytes;
    int shown;
};

std::ostream& operator<<(std::ostream& out, const DecodeCase& c)
{
    return out << GridName(c.grid) << ' ' << c.edition << " kind " << c.kind << " -> " << c.shown;
}

class DecodeFieldTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeFieldTest, ShowsTheStoredBytesAsTheGridDoes)
{
    const DecodeCase& c = GetParam();
    EXPECT_EQ(DecodeField(c.grid, c.edition, RecordWith(c.grid, c.edition, c.bytes), c.kind), c.shown);
}

constexpr RecordKind B = RecordKind::Batter;
constexpr RecordKind P = RecordKind::Pitcher;
constexpr RecordKind M = RecordKind::Manager;

INSTANTIATE_TEST_SUITE_P(
    Batters, DecodeFieldTest,
    ::testing::Values(
        // Actual batting average: 348 - 3b for even b, 349 - 3b for odd b.
        DecodeCase{B, 1986, 4, {{8, 0}}, 348}, DecodeCase{B, 1986, 4, {{8, 1}}, 346},
        DecodeCase{B, 1986, 4, {{8, 66}}, 150}, DecodeCase{B, 1986, 4, {{8, 117}}, -2},
        DecodeCase{B, 1989, 4, {{9, 64}}, 156},
        // Actual home runs of 1986 and 1987: byte 10 selects the scale of byte 9.
        DecodeCase{B, 1986, 8, {{9, 190}, {10, 2}}, 5}, DecodeCase{B, 1986, 8, {{9, 12}, {10, 3}}, 18},
        DecodeCase{B, 1986, 8, {{9, 150}, {10, 2}}, -1}, DecodeCase{B, 1986, 8, {{9, 60}, {10, 0}}, 26},
        DecodeCase{B, 1987, 8, {{9, 27}, {10, 3}}, 21}, DecodeCase{B, 1987, 8, {{9, 18}, {10, 3}}, 19},
        DecodeCase{B, 1987, 8, {{9, 144}, {10, 3}}, 60},
        DecodeCase{B, 1988, 8, {{10, 230}}, 34}, DecodeCase{B, 1989, 8, {{10, 195}}, -1},
        DecodeCase{B, 1990, 8, {{10, 220}}, 8}, DecodeCase{B, 1990, 8, {{10, 215}}, -2},
        // Running: (b - 112) / 2, truncated toward zero.
        DecodeCase{B, 1988, 64, {{11, 111}}, 0}, DecodeCase{B, 1988, 64, {{11, 109}}, -1},
        DecodeCase{B, 1986, 64, {{11, 152}}, 20}, DecodeCase{B, 1991, 64, {{10, 77}}, 77},
        // Shown batting average and home runs of 1986 to 1990.
        DecodeCase{B, 1986, 16, {{6, 100}}, 250}, DecodeCase{B, 1990, 16, {{7, 100}}, 350},
        DecodeCase{B, 1987, 32, {{7, 45}}, 45}, DecodeCase{B, 1988, 32, {{8, 45}}, 45},
        // Byte 7 of 1991 and 1992 holds two fields.
        DecodeCase{B, 1991, 128, {{7, 0x38}}, 8}, DecodeCase{B, 1991, 8192, {{7, 0x38}}, 0x38},
        DecodeCase{B, 1992, 128, {{7, 0x59}}, 9}, DecodeCase{B, 1992, 1024, {{7, 0x59}}, 5},
        DecodeCase{B, 1991, 4, {{8, 100}}, 350}, DecodeCase{B, 1992, 256, {{11, 7}}, 7},
        DecodeCase{B, 1992, 512, {{12, 9}}, 9},
        DecodeCase{B, 1993, 4, {{9, 100}}, 350}, DecodeCase{B, 1993, 8, {{10, 41}}, 41},
        DecodeCase{B, 1994, 128, {{8, 10}}, 10}, DecodeCase{B, 1994, 2048, {{17, 105}}, 105},
        DecodeCase{B, 1994, 4096, {{16, 3}}, 3}, DecodeCase{B, 1993, 256, {{12, 6}}, 6},
        DecodeCase{B, 1993, 512, {{13, 8}}, 8},
        // Batting sides: the first text whose code matches, -1 for none.
        DecodeCase{B, 1986, 2, {{5, 1}}, 1}, DecodeCase{B, 1988, 2, {{6, 2}}, -1},
        DecodeCase{B, 1989, 2, {{6, 2}}, 2}, DecodeCase{B, 1993, 2, {{7, 13}}, 10},
        DecodeCase{B, 1993, 2, {{7, 3}}, -1}, DecodeCase{B, 1994, 2, {{7, 7}}, -1},
        DecodeCase{B, 1994, 2, {{7, 14}}, 11},
        // Kinds the edition lacks, and the name, are not decoded here.
        DecodeCase{B, 1986, 1, {}, -1}, DecodeCase{B, 1986, 128, {}, -1}, DecodeCase{B, 1993, 8192, {}, -1},
        DecodeCase{B, 1991, 1024, {}, -1}));

INSTANTIATE_TEST_SUITE_P(
    Pitchers, DecodeFieldTest,
    ::testing::Values(
        // 1986 and 1987 speeds are three quarters of the byte, rounded half up.
        DecodeCase{P, 1986, 8, {{7, 180}}, 135}, DecodeCase{P, 1986, 16, {{8, 181}}, 136},
        DecodeCase{P, 1986, 32, {{9, 182}}, 137}, DecodeCase{P, 1987, 8, {{7, 183}}, 137},
        DecodeCase{P, 1988, 8, {{8, 120}}, 120}, DecodeCase{P, 1991, 32, {{12, 140}}, 140},
        DecodeCase{P, 1993, 16, {{12, 140}}, 140},
        // Earned-run averages in hundredths.
        DecodeCase{P, 1987, 4, {{6, 63}}, 252}, DecodeCase{P, 1986, 4, {{6, 63}}, 630},
        DecodeCase{P, 1988, 4, {{7, 63}}, 315}, DecodeCase{P, 1992, 4, {{8, 30}}, 300},
        DecodeCase{P, 1994, 4, {{9, 25}}, 250},
        DecodeCase{P, 1986, 64, {{13, 80}}, 80}, DecodeCase{P, 1990, 64, {{14, 80}}, 80},
        DecodeCase{P, 1991, 64, {{9, 80}}, 80}, DecodeCase{P, 1993, 64, {{10, 80}}, 80},
        DecodeCase{P, 1986, 512, {{12, 9}}, 9}, DecodeCase{P, 1989, 128, {{11, 9}}, 9},
        DecodeCase{P, 1992, 256, {{14, 9}}, 9},
        DecodeCase{P, 1991, 8192, {{7, 0x21}}, 0x21}, DecodeCase{P, 1992, 1024, {{7, 0x5A}}, 5},
        DecodeCase{P, 1993, 2048, {{17, 19}}, 19}, DecodeCase{P, 1993, 4096, {{16, 4}}, 4},
        // Pitching forms.
        DecodeCase{P, 1989, 2, {{6, 2}}, 2}, DecodeCase{P, 1990, 2, {{6, 2}}, -1},
        DecodeCase{P, 1990, 2, {{6, 192}}, 2}, DecodeCase{P, 1991, 2, {{6, 16}}, 10},
        DecodeCase{P, 1992, 2, {{6, 16}}, 8}, DecodeCase{P, 1993, 2, {{7, 16}}, -1},
        DecodeCase{P, 1994, 2, {{7, 33}}, 7}, DecodeCase{P, 1986, 2, {{5, 3}}, 3},
        DecodeCase{P, 1986, 8192, {}, -1}, DecodeCase{P, 1993, 32, {}, -1}, DecodeCase{P, 1992, 1, {}, -1}));

INSTANTIATE_TEST_SUITE_P(Managers, DecodeFieldTest,
                         ::testing::Values(DecodeCase{M, 1993, 128, {{8, 11}}, 11},
                                           DecodeCase{M, 1994, 2048, {{17, 88}}, 88},
                                           DecodeCase{M, 1994, 4096, {{16, 2}}, 2},
                                           DecodeCase{M, 1993, 64, {{11, 2}}, -1},
                                           DecodeCase{M, 1992, 128, {{8, 11}}, -1}));

struct EncodeCase {
    RecordKind grid;
    int edition;
    ColumnKind kind;
    int value;
    Bytes before;
    Bytes after;  // the bytes expected to change; all others must keep their value
};

std::ostream& operator<<(std::ostream& out, const EncodeCase& c)
{
    return out << GridName(c.grid) << ' ' << c.edition << " kind " << c.kind << " value " << c.value;
}

class EncodeFieldTest : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeFieldTest, StoresTheValueAndNothingElse)
{
    const EncodeCase& c = GetParam();
    Bytes before = c.before;
    Record record = test::MakeRecord(c.grid, c.edition);
    for (int i = 0; i < record.size; ++i)
        record[i] = static_cast<std::uint8_t>(before.count(i) ? before[i] : 0x5A);
    Record expected = record;
    for (const auto& [byte, value] : c.after)
        expected[byte] = static_cast<std::uint8_t>(value);
    EncodeField(c.grid, c.edition, c.value, record, c.kind);
    EXPECT_EQ(record.bytes, expected.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Batters, EncodeFieldTest,
    ::testing::Values(
        EncodeCase{B, 1986, 4, 158, {}, {{8, 64}}}, EncodeCase{B, 1986, 4, 349, {}, {{8, 0}}},
        EncodeCase{B, 1986, 4, 0, {}, {{8, 116}}}, EncodeCase{B, 1986, 4, 160, {}, {{8, 63}}},
        EncodeCase{B, 1989, 4, 157, {}, {{9, 64}}}, EncodeCase{B, 1988, 4, 159, {}, {{9, 64}}},
        EncodeCase{B, 1986, 8, 55, {}, {{9, 192}, {10, 3}}}, EncodeCase{B, 1986, 8, 7, {}, {{9, 202}, {10, 2}}},
        EncodeCase{B, 1987, 8, 18, {}, {{9, 12}, {10, 3}}}, EncodeCase{B, 1987, 8, 21, {}, {{9, 27}, {10, 3}}},
        EncodeCase{B, 1987, 8, 20, {}, {{9, 24}, {10, 3}}}, EncodeCase{B, 1987, 8, 61, {}, {{9, 144}, {10, 3}}},
        EncodeCase{B, 1988, 8, 34, {}, {{10, 230}}}, EncodeCase{B, 1990, 8, 31, {}, {{10, 231}}},
        // 60 + 196 would wrap to 0 and read back as -196: 1988 and 1989 stop at 59.
        EncodeCase{B, 1988, 8, 60, {}, {{10, 255}}}, EncodeCase{B, 1989, 8, 99, {}, {{10, 255}}},
        EncodeCase{B, 1986, 16, 120, {}, {{6, 0}}}, EncodeCase{B, 1986, 16, 410, {}, {{6, 255}}},
        EncodeCase{B, 1990, 16, 350, {}, {{7, 100}}}, EncodeCase{B, 1988, 32, 45, {}, {{8, 45}}},
        EncodeCase{B, 1986, 64, 20, {}, {{11, 152}}}, EncodeCase{B, 1991, 64, 77, {}, {{10, 77}}},
        EncodeCase{B, 1991, 128, 3, {{7, 0x25}}, {{7, 0x23}}}, EncodeCase{B, 1991, 8192, 0x23, {}, {{7, 0x23}}},
        EncodeCase{B, 1992, 1024, 10, {{7, 0x35}}, {{7, 0xA5}}}, EncodeCase{B, 1993, 128, 10, {}, {{8, 10}}},
        EncodeCase{B, 1993, 4, 350, {}, {{9, 100}}}, EncodeCase{B, 1994, 2048, 105, {}, {{17, 105}}},
        EncodeCase{B, 1994, 4096, 15, {}, {{16, 15}}}, EncodeCase{B, 1992, 256, 8, {}, {{11, 8}}},
        EncodeCase{B, 1993, 512, 9, {}, {{13, 9}}},
        // Sides store the edition's code; a position without a code stores nothing.
        EncodeCase{B, 1993, 2, 10, {}, {{7, 13}}}, EncodeCase{B, 1989, 2, 2, {}, {{6, 2}}},
        EncodeCase{B, 1986, 2, 1, {}, {{5, 1}}}, EncodeCase{B, 1986, 2, 2, {}, {}},
        EncodeCase{B, 1993, 2, 12, {}, {}}, EncodeCase{B, 1993, 2, -1, {}, {}},
        // A kind the edition lacks changes nothing.
        EncodeCase{B, 1986, 2048, 5, {}, {}}, EncodeCase{B, 1993, 16, 5, {}, {}}, EncodeCase{B, 1986, 1, 5, {}, {}}));

INSTANTIATE_TEST_SUITE_P(
    Pitchers, EncodeFieldTest,
    ::testing::Values(
        EncodeCase{P, 1987, 4, 253, {}, {{6, 63}}}, EncodeCase{P, 1986, 4, 255, {}, {{6, 25}}},
        EncodeCase{P, 1988, 4, 317, {}, {{7, 63}}}, EncodeCase{P, 1991, 4, 305, {}, {{8, 30}}},
        EncodeCase{P, 1993, 4, 250, {}, {{9, 25}}},
        EncodeCase{P, 1986, 8, 100, {}, {{7, 133}}}, EncodeCase{P, 1986, 16, 101, {}, {{8, 134}}},
        EncodeCase{P, 1987, 32, 102, {}, {{9, 136}}}, EncodeCase{P, 1989, 32, 150, {}, {{10, 150}}},
        EncodeCase{P, 1991, 8, 200, {}, {{10, 200}}}, EncodeCase{P, 1994, 16, 120, {}, {{12, 120}}},
        EncodeCase{P, 1986, 64, 70, {}, {{13, 70}}}, EncodeCase{P, 1988, 64, 70, {}, {{14, 70}}},
        EncodeCase{P, 1992, 64, 70, {}, {{9, 70}}}, EncodeCase{P, 1993, 64, 70, {}, {{10, 70}}},
        EncodeCase{P, 1987, 128, 9, {}, {{10, 9}}}, EncodeCase{P, 1990, 512, 9, {}, {{13, 9}}},
        EncodeCase{P, 1991, 256, 9, {}, {{14, 9}}}, EncodeCase{P, 1994, 512, 9, {}, {{15, 9}}},
        EncodeCase{P, 1991, 8192, 0x51, {}, {{7, 0x51}}}, EncodeCase{P, 1992, 1024, 3, {{7, 0x5F}}, {{7, 0x3F}}},
        EncodeCase{P, 1990, 2, 2, {}, {{6, 192}}}, EncodeCase{P, 1991, 2, 11, {}, {{6, 17}}},
        EncodeCase{P, 1993, 2, 8, {}, {}}, EncodeCase{P, 1993, 2048, 19, {}, {{17, 19}}}));

INSTANTIATE_TEST_SUITE_P(Managers, EncodeFieldTest,
                         ::testing::Values(EncodeCase{M, 1993, 128, 11, {}, {{8, 11}}},
                                           EncodeCase{M, 1994, 2048, 77, {}, {{17, 77}}},
                                           EncodeCase{M, 1994, 4096, 2, {}, {{16, 2}}}));

// Every number an edit dialog accepts is stored so that it reads back inside
// the column's range, and storing what was read back changes no byte.
TEST(FieldCodec, EveryAcceptedNumberReadsBackInRangeAndStably)
{
    for (RecordKind grid : {B, P, M}) {
        for (int edition = 1986; edition <= 1994; ++edition) {
            for (const ColumnDescriptor& column : Columns(grid, edition)) {
                if (!column.range || column.kind == kTypeKind)
                    continue;
                for (int v = column.range->minimum; v <= column.range->maximum; ++v) {
                    Record record = RecordWith(grid, edition, {});
                    EncodeField(grid, edition, v, record, column.kind);
                    const int shown = DecodeField(grid, edition, record, column.kind);
                    EXPECT_TRUE(column.range->contains(shown))
                        << GridName(grid) << ' ' << edition << ' ' << column.header.toStdString() << " " << v
                        << " reads back as " << shown;
                    Record again = record;
                    EncodeField(grid, edition, shown, again, column.kind);
                    EXPECT_EQ(again.bytes, record.bytes)
                        << GridName(grid) << ' ' << edition << ' ' << column.header.toStdString() << " " << v;
                }
            }
        }
    }
}

TEST(ColumnTables, EveryGridHasItsEditionsColumnCount)
{
    for (RecordKind grid : {B, P, M}) {
        for (int edition = 1986; edition <= 1994; ++edition) {
            const std::optional<int> count = GridColumns(grid, edition);
            EXPECT_EQ(static_cast<int>(Columns(grid, edition).size()), count.value_or(0)) << edition;
            for (const ColumnDescriptor& column : Columns(grid, edition)) {
                const bool twoBytes = column.rule == &rules::HomeRuns1986 || column.rule == &rules::HomeRuns1987;
                const int lastByte = column.byte + (twoBytes ? 1 : 0);
                EXPECT_LT(lastByte, RecordSize(grid, edition).value()) << edition << ' ' << column.header.toStdString();
                EXPECT_EQ(column.range.has_value(), column.rule != nullptr) << edition << ' ' << column.header.toStdString();
            }
        }
    }
}

} // namespace
} // namespace quindaro2
