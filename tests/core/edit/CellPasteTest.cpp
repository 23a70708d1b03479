#include "core/edit/CellPaste.h"

#include "core/edit/CellEdit.h"

#include "core/edition/EditionProfile.h"
#include "core/roster/GridFill.h"
#include "support/PlausibleRom.h"

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

using test::Profile;
using namespace Qt::StringLiterals;

struct Document : RomDocument {
    explicit Document(int edition, unsigned seed = 1)
        : RomDocument(QStringLiteral("rom.nes"), Profile(edition), RomImage(Bytes(edition, seed)))
    {
    }
    static QByteArray Bytes(int edition, unsigned seed)
    {
        test::SyntheticRom rom;
        test::FillPlausibleRoster(rom, edition, seed);
        return rom.bytes();
    }
};

TextGrid Grid(const RomDocument& document, int team, RecordKind grid)
{
    return FillTeam(document.profile(), document.image(), team).grid(grid);
}

TEST(CellBlock, SplitsLinesAndTabsAsSpreadsheetsWriteThem)
{
    struct Case {
        const char* text;
        QList<QStringList> rows;
    };
    const Case cases[] = {
        {"", {}},
        {"1\t2\n", {{u"1"_s, u"2"_s}}},
        {"1\t2\r\n3\t\r\n", {{u"1"_s, u"2"_s}, {u"3"_s, QString()}}},
        {"a\n\nb", {{u"a"_s}, {QString()}, {u"b"_s}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseCellBlock(QString::fromUtf8(c.text)), c.rows) << c.text;
}

// Whole rows copied from one team and pasted onto another make the same
// rows there, in one step that an undo takes back.
TEST(CellPaste, RowsCopiedFromOneTeamArePastedOntoAnother)
{
    Document document(1993, 4);
    const TextGrid from = Grid(document, 0, RecordKind::Batter);
    const TextGrid before = Grid(document, 1, RecordKind::Batter);
    const int last = from.columnCount() - 1;
    const QString block = CellBlockText(from, 1, 2, last, 4);
    const PastePlan plan = PlanPaste(document, 1, RecordKind::Batter, 1, 5, block);
    ASSERT_TRUE(plan.ok()) << RefusalLines(plan, 5).toStdString();
    EXPECT_EQ(plan.step.changes.size(), 3u);
    ASSERT_TRUE(document.apply(plan.step));
    const TextGrid after = Grid(document, 1, RecordKind::Batter);
    for (int row = 0; row < 3; ++row)
        for (int column = 1; column <= last; ++column)
            EXPECT_EQ(after.cell(column, 5 + row), from.cell(column, 2 + row)) << column << "," << row;
    EXPECT_EQ(CellBlockText(after, 1, 1, last, 4), CellBlockText(before, 1, 1, last, 4));
    ASSERT_TRUE(document.undo());
    EXPECT_EQ(Grid(document, 1, RecordKind::Batter), before);
    EXPECT_FALSE(document.modified());
}

// One bad cell refuses the whole block; every refused cell is named with
// its place, its text and its reason, and cells past the grid are refused.
TEST(CellPaste, OneRefusedCellRefusesTheBlockAndIsNamed)
{
    Document document(1990);
    const TextGrid before = Grid(document, 0, RecordKind::Pitcher);
    const int columns = before.columnCount() - 1;
    const PastePlan plan = PlanPaste(document, 0, RecordKind::Pitcher, columns - 1, 2,
                                     QStringLiteral("%1\t%2\tx\n%1\tabc\n").arg(before.cell(columns - 1, 2), before.cell(columns, 2)));
    EXPECT_FALSE(plan.ok());
    EXPECT_TRUE(plan.step.changes.empty());
    ASSERT_EQ(plan.refused.size(), 2u);
    EXPECT_EQ(plan.refused[0].column, columns + 1);
    EXPECT_EQ(plan.refused[0].row, 2);
    EXPECT_EQ(plan.refused[1].column, columns);
    EXPECT_EQ(plan.refused[1].row, 3);
    EXPECT_EQ(plan.refused[1].text, QStringLiteral("abc"));
    EXPECT_FALSE(plan.refused[1].reason.isEmpty());
    EXPECT_TRUE(RefusalLines(plan, 1).contains(QStringLiteral("ほか 1 件")));
    EXPECT_EQ(Grid(document, 0, RecordKind::Pitcher), before);
}

// Two cells of one row make one change of the record, and a block that
// pastes what is there keeps the file's bytes.
TEST(CellPaste, CellsOfOneRowMakeOneChangeAndUnchangedTextsKeepTheBytes)
{
    Document document(1988);
    const TextGrid grid = Grid(document, 0, RecordKind::Batter);
    const int last = grid.columnCount() - 1;
    const PastePlan same = PlanPaste(document, 0, RecordKind::Batter, 1, 1, CellBlockText(grid, 1, 1, last, grid.rowCount() - 1));
    ASSERT_TRUE(same.ok()) << RefusalLines(same, 5).toStdString();
    ASSERT_TRUE(document.apply(same.step));
    EXPECT_EQ(document.image().bytes(), document.fileImage().bytes());
}

// Blanks that only pad a name do not count towards its length; the stored
// name keeps the edition's padding, and a name too long without them is refused.
TEST(NamePadding, TrailingBlanksDoNotCountTowardsTheLength)
{
    for (int edition : {1986, 1993}) {
        Document document(edition);
        const QString padded = QStringLiteral("みなみ　　　　");
        const Result<Change> change = EditCell(document, 0, RecordKind::Batter, 1, 1, padded);
        ASSERT_TRUE(change) << change.reason().toStdString();
        ASSERT_TRUE(document.apply({QString(), {change.value()}}));
        EXPECT_EQ(QString(Grid(document, 0, RecordKind::Batter).cell(1, 1)).remove(u'　'), QStringLiteral("みなみ")) << edition;
        EXPECT_FALSE(EditCell(document, 0, RecordKind::Batter, 1, 1, QStringLiteral("みなみみなみ　")));
    }
}

} // namespace
} // namespace quindaro2
