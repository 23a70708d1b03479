#include "core/rom/NameCodec.h"
#include "core/roster/GridFill.h"
#include "support/PlausibleRom.h"

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

using test::Image;
using test::MakeRecord;
using test::Profile;
using test::SyntheticRom;

QStringList Row(const TextGrid& grid, int row)
{
    QStringList cells;
    for (int column = 0; column < grid.columnCount(); ++column)
        cells << grid.cell(column, row);
    return cells;
}

QStringList Texts(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}

struct ShapeCase {
    int edition;
    int batterRows, batterColumns, pitcherRows, pitcherColumns, managerRows, managerColumns;
};

std::ostream& operator<<(std::ostream& out, const ShapeCase& c)
{
    return out << c.edition;
}

class FillShapeTest : public ::testing::TestWithParam<ShapeCase> {};

// Grids count the heading row and the row-number column; a plausible roster
// fills without a warning.
TEST_P(FillShapeTest, GridsHaveTheEditionsShapeAndRowNumbers)
{
    const ShapeCase& c = GetParam();
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, c.edition, 7);
    const TeamView shown = FillTeam(Profile(c.edition), Image(rom), 1);
    EXPECT_TRUE(shown.warnings.isEmpty()) << shown.warnings.join(u' ').toStdString();
    EXPECT_TRUE(shown.readProblems.isEmpty());
    EXPECT_EQ(shown.BatterGrid.rowCount(), c.batterRows + 1);
    EXPECT_EQ(shown.BatterGrid.columnCount(), c.batterColumns + 1);
    EXPECT_EQ(shown.PitcherGrid.rowCount(), c.pitcherRows + 1);
    EXPECT_EQ(shown.PitcherGrid.columnCount(), c.pitcherColumns + 1);
    EXPECT_EQ(shown.VisorGrid.rowCount(), c.managerRows ? c.managerRows + 1 : 0);
    EXPECT_EQ(shown.VisorGrid.columnCount(), c.managerColumns ? c.managerColumns + 1 : 0);
    for (const TextGrid* grid : {&shown.BatterGrid, &shown.PitcherGrid, &shown.VisorGrid}) {
        EXPECT_TRUE(grid->cell(0, 0).isEmpty());
        for (int row = 1; row < grid->rowCount(); ++row)
            EXPECT_EQ(grid->cell(0, row), QString::number(row));
    }
    EXPECT_NE(shown.statistics.AverageLabel, QStringLiteral("-----"));
}

INSTANTIATE_TEST_SUITE_P(Editions, FillShapeTest,
                         ::testing::Values(ShapeCase{1986, 12, 7, 4, 10, 0, 0}, ShapeCase{1987, 12, 7, 4, 10, 0, 0},
                                           ShapeCase{1988, 12, 7, 6, 10, 0, 0}, ShapeCase{1989, 12, 7, 6, 10, 0, 0},
                                           ShapeCase{1990, 12, 7, 6, 10, 0, 0}, ShapeCase{1991, 12, 9, 6, 11, 0, 0},
                                           ShapeCase{1992, 13, 9, 5, 11, 0, 0}, ShapeCase{1993, 13, 10, 7, 11, 1, 4},
                                           ShapeCase{1994, 13, 10, 7, 11, 1, 4}));

TEST(FillBatterGrid, HeadingsAndCellsOfA1986Team)
{
    SyntheticRom rom;
    rom.setRecord(RecordKind::Batter, 1986, 2, 0,
                  MakeRecord(RecordKind::Batter, 1986, {0, 0x0A, 0x0B, 0x0C, 0x24, 1, 100, 33, 1, 190, 2, 152}))
        .setColors(1986, 2, {0x16, 0x30});
    const GridFill fill = FillBatterGrid(Profile(1986), Image(rom), 2);
    EXPECT_EQ(Row(fill.grid, 0),
              Texts({"", "名　前　　", "打　席", "実打率", "実本塁打", "走力", "表示打率", "表示本塁打"}));
    EXPECT_EQ(Row(fill.grid, 1), Texts({"1", "ＡＢＣ　", "左", "346", "5", "20", "250", "33"}));
    // The zero records of the other batters run at -56: one warning for the team.
    EXPECT_EQ(fill.warning, QStringLiteral("バッターデータにエラーの可能性があります．"));
    const TeamView shown = FillTeam(Profile(1986), Image(rom), 2);
    EXPECT_EQ(shown.HelmetColorCode, 0x16);
    EXPECT_EQ(shown.UniformColorCode, 0x30);
}

TEST(FillBatterGrid, TypeAndPopularityShowTheirHalfOfTheByte)
{
    SyntheticRom rom;
    rom.setRecord(RecordKind::Batter, 1991, 0, 0, MakeRecord(RecordKind::Batter, 1991, {0, 0, 0, 0, 0, 0, 0, 0x38}))
        .setRecord(RecordKind::Batter, 1992, 1, 0, MakeRecord(RecordKind::Batter, 1992, {0, 0, 0, 0, 0, 0, 0, 0x59}));
    const GridFill shown1991 = FillBatterGrid(Profile(1991), Image(rom), 0);
    EXPECT_EQ(shown1991.grid.cell(6, 1), QStringLiteral("8"));
    EXPECT_EQ(shown1991.grid.cell(9, 1), QStringLiteral("3"));
    const GridFill shown1992 = FillBatterGrid(Profile(1992), Image(rom), 1);
    EXPECT_EQ(shown1992.grid.cell(6, 1), QStringLiteral("9"));
    EXPECT_EQ(shown1992.grid.cell(9, 1), QStringLiteral("5"));
}

struct WarningCase {
    RecordKind kind;
    int edition;
    int byte;
    int value;
    int column;
    const char* cell;
    bool warns;
};

std::ostream& operator<<(std::ostream& out, const WarningCase& c)
{
    return out << c.edition << " byte " << c.byte << " = " << c.value;
}

class FillWarningTest : public ::testing::TestWithParam<WarningCase> {};

// A plausible team with one byte changed in two of its players.
TEST_P(FillWarningTest, ImpossibleValuesShowAsDecodedAndWarnOnce)
{
    const WarningCase& c = GetParam();
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, c.edition, 3);
    for (int slot : {0, 2}) {
        Record record = rom.record(c.kind, c.edition, 0, slot);
        record[c.byte] = static_cast<std::uint8_t>(c.value);
        rom.setRecord(c.kind, c.edition, 0, slot, record);
    }
    const TeamView shown = FillTeam(Profile(c.edition), Image(rom), 0);
    const TextGrid& grid = shown.grid(c.kind);
    EXPECT_EQ(grid.cell(c.column, 1), QString::fromUtf8(c.cell));
    EXPECT_EQ(grid.cell(c.column, 3), QString::fromUtf8(c.cell));
    const QString warning = c.kind == RecordKind::Batter ? QStringLiteral("バッターデータにエラーの可能性があります．")
                                                          : QStringLiteral("ピッチャーデータにエラーの可能性があります．");
    EXPECT_EQ(shown.warnings, c.warns ? QStringList{warning} : QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FillWarningTest,
    ::testing::Values(WarningCase{RecordKind::Batter, 1986, 8, 117, 3, "-2", true},
                      WarningCase{RecordKind::Batter, 1990, 10, 215, 4, "-2", true},
                      WarningCase{RecordKind::Batter, 1990, 10, 220, 4, "8", false},
                      WarningCase{RecordKind::Batter, 1988, 11, 111, 5, "0", false},
                      WarningCase{RecordKind::Batter, 1988, 11, 109, 5, "-1", true},
                      WarningCase{RecordKind::Batter, 1988, 6, 2, 2, "", true},
                      WarningCase{RecordKind::Batter, 1989, 6, 2, 2, "両", false},
                      WarningCase{RecordKind::Batter, 1993, 7, 13, 2, "左ソ神", false},
                      WarningCase{RecordKind::Batter, 1993, 7, 3, 2, "", true},
                      WarningCase{RecordKind::Pitcher, 1990, 6, 2, 2, "", true},
                      WarningCase{RecordKind::Pitcher, 1990, 6, 192, 2, "右下", false},
                      WarningCase{RecordKind::Pitcher, 1991, 6, 16, 2, "右消", false},
                      WarningCase{RecordKind::Pitcher, 1992, 6, 16, 2, "右ま", false},
                      WarningCase{RecordKind::Pitcher, 1993, 7, 16, 2, "", true},
                      WarningCase{RecordKind::Pitcher, 1991, 7, 0x2F, 11, "2", false}));

TEST(FillTeam, TheSecondCOf1993IsTeam13)
{
    SyntheticRom rom;
    test::FillPlausibleRoster(rom, 1993, 11);
    const TeamView team3 = FillTeam(Profile(1993), Image(rom), 3);
    const TeamView team13 = FillTeam(Profile(1993), Image(rom), 13);
    EXPECT_NE(team3.BatterGrid, team13.BatterGrid);
    EXPECT_EQ(team13.BatterGrid.cell(1, 1), DecodeName(1993, rom.record(RecordKind::Batter, 1993, 13, 0)));
    EXPECT_EQ(*RecordOffset(RecordKind::Batter, 1993, 13, 0, 0), 0x7390);
}

TEST(FillVisorGrid, ShowsTheManagerRowFrom1993AndNothingBefore)
{
    SyntheticRom rom;
    Record manager = MakeRecord(RecordKind::Manager, 1994, {0, 0x8D, 0x08, 0x04, 0x04, 0x04});
    manager[8] = 11;
    manager[16] = 3;
    manager[17] = 77;
    rom.setRecord(RecordKind::Manager, 1994, 5, 0, manager).setColors(1994, 5, {0x21, 0x0F});
    const TeamView shown = FillTeam(Profile(1994), Image(rom), 5);
    EXPECT_TRUE(shown.warnings.isEmpty());
    EXPECT_EQ(Row(shown.VisorGrid, 0), Texts({"", "名　前　　", "守備位置", "背番号", "ユニフォーム"}));
    EXPECT_EQ(Row(shown.VisorGrid, 1), Texts({"1", "があ　　　", "11", "77", "3"}));
    EXPECT_EQ(shown.HelmetColorCode, 0x21);
    EXPECT_EQ(shown.UniformColorCode, 0x0F);

    const TeamView earlier = FillTeam(Profile(1992), Image(rom), 5);
    EXPECT_EQ(earlier.VisorGrid.rowCount(), 0);
}

TEST(FillTeam, RecordsThatCannotBeReadAreReportedAndLeftEmpty)
{
    // The file ends inside the third batter of team 0.
    SyntheticRom rom(0x10 + 2 * 16 + 5);
    rom.setRecord(RecordKind::Batter, 1986, 0, 0, MakeRecord(RecordKind::Batter, 1986, {0, 0x0A, 0x0A, 0x0A, 0x0A}));
    rom.set(0x10 + 32, {0, 0x0B, 0x0B, 0x0B, 0x0B});
    const TeamView shown = FillTeam(Profile(1986), Image(rom), 0);
    EXPECT_EQ(shown.BatterGrid.cell(1, 1), QStringLiteral("ＡＡＡＡ"));
    EXPECT_EQ(shown.BatterGrid.cell(1, 3), QStringLiteral("ＢＢＢＢ"));
    EXPECT_TRUE(shown.BatterGrid.cell(1, 4).isEmpty());
    EXPECT_EQ(shown.BatterGrid.cell(0, 4), QStringLiteral("4"));
    // Batters 3 to 12, four pitchers and the colours.
    EXPECT_EQ(shown.readProblems.size(), 10 + 4 + 1);
}

TEST(FillTeam, AnEmptyImageFillsEmptyRows)
{
    const TeamView shown = FillTeam(Profile(1993), RomImage(), 0);
    EXPECT_EQ(shown.BatterGrid.rowCount(), 14);
    EXPECT_TRUE(shown.BatterGrid.cell(1, 1).isEmpty());
    EXPECT_TRUE(shown.warnings.isEmpty());
    EXPECT_FALSE(shown.readProblems.isEmpty());
}

} // namespace
} // namespace quindaro2
