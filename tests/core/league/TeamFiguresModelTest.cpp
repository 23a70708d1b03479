#include "core/league/TeamFiguresModel.h"

#include "LeagueRom.h"
#include "core/document/RomDocument.h"
#include "core/edit/CellEdit.h"
#include "core/roster/GridFill.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace quindaro2 {
namespace {

// The best of each column is the largest, but for the earned-run average the
// smallest; the bar of the smallest is the shortest.
TEST(TeamFiguresModelTest, MarksTheBestAndWorstOfEachColumn)
{
    const EditionProfile& profile = *FindProfile(1990);
    const RomDocument document(QStringLiteral("a.nes"), profile, test::SampleLeague(1990));
    TeamFiguresModel model;
    model.setDocument(&document);
    ASSERT_EQ(model.rowCount(), profile.teamCount());
    for (int figure = 1; figure <= TeamFiguresModel::kFigures; ++figure) {
        int highest = 0;
        int lowest = 0;
        for (int team = 1; team < model.rowCount(); ++team) {
            highest = *model.value(team, figure) > *model.value(highest, figure) ? team : highest;
            lowest = *model.value(team, figure) < *model.value(lowest, figure) ? team : lowest;
        }
        const bool lowerIsBetter = figure == TeamFiguresModel::kFigures;
        EXPECT_EQ(model.index(highest, figure).data(TeamFiguresModel::RankRole).toInt(), lowerIsBetter ? -1 : 1) << figure;
        EXPECT_EQ(model.index(lowest, figure).data(TeamFiguresModel::RankRole).toInt(), lowerIsBetter ? 1 : -1) << figure;
        EXPECT_DOUBLE_EQ(model.index(lowest, figure).data(TeamFiguresModel::ShareRole).toDouble(), 0.0);
        EXPECT_DOUBLE_EQ(model.index(highest, figure).data(TeamFiguresModel::ShareRole).toDouble(), 1.0);
    }
}

// An edit of the document shows in the figures at once, before any save.
TEST(TeamFiguresModelTest, FollowsTheDocumentsBytes)
{
    const EditionProfile& profile = *FindProfile(1993);
    RomDocument document(QStringLiteral("a.nes"), profile, test::SampleLeague(1993));
    TeamFiguresModel model;
    model.setDocument(&document);
    const double before = *model.value(5, 2);

    int column = 0;
    profile.columnOfKind(RecordKind::Batter, ColumnKind::HomeRuns, &column);
    const int old = FillTeam(profile, document.image(), 5).BatterGrid.cell(column, 1).toInt();
    const Result<Change> change = EditCell(document, 5, RecordKind::Batter, column, 1, QString::number(old + 10));
    ASSERT_TRUE(change.ok()) << change.reason().toStdString();
    ASSERT_TRUE(document.apply({ChangeName(profile, change.value()), {change.value()}}).ok());
    EXPECT_DOUBLE_EQ(*model.value(5, 2), before + 10);
    EXPECT_EQ(model.index(5, 2).data().toString(), QString::number(before + 10));
}

} // namespace
} // namespace quindaro2
