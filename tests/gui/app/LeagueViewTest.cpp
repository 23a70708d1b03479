#include "core/document/RomDocument.h"
#include "core/edition/EditionProfile.h"
#include "core/sample/DemoRom.h"
#include "gui/app/ScriptedWindow.h"
#include "gui/league/LeagueView.h"
#include "gui/league/TeamsView.h"

#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QHeaderView>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

namespace quindaro2::test {
namespace {

class LeagueViewTest : public ScriptedWindowTest {
protected:
    void SetUp() override
    {
        rom = folder.write(QStringLiteral("game.nes"), DemoRomImage(1993));
        open(rom, 1993);
        ASSERT_TRUE(form.session().isOpen());
    }

    LeagueTableModel& model() { return form.league().model(); }
    static int NameColumn(RecordKind grid)
    {
        int column = 0;
        FindProfile(1993)->columnOfKind(grid, ColumnKind::Name, &column);
        return column;
    }
    // The shown row of the player; -1 when it is not shown.
    int shownRow(int team, RecordKind grid, int slot)
    {
        for (int row = 0; row < model().rowCount(); ++row) {
            const LeagueRow* player = model().player(row);
            if (player->team == team && player->grid == grid && player->slot == slot)
                return row;
        }
        return -1;
    }
    void choose(int row)
    {
        form.league().Table->setFocus();
        form.league().Table->setCurrentIndex(model().index(row, 0));
        QTest::keyClick(form.league().Table, Qt::Key_Return);
    }

    QString rom;
};

// The league's pages are made when their tab is first shown, with the ROM
// opened before, and follow the next ROM opened.
TEST_F(LeagueViewTest, TheLeaguePagesAreMadeWhenFirstShown)
{
    for (const int tab : {3, 4})
        EXPECT_TRUE(form.DataPage->widget(tab)->findChildren<QWidget*>().isEmpty()) << tab;
    form.DataPage->setCurrentIndex(3);
    ASSERT_NE(form.DataPage->widget(3)->findChild<LeagueView*>(), nullptr);
    EXPECT_EQ(form.DataPage->widget(4)->findChild<TeamsView*>(), nullptr);
    form.DataPage->setCurrentIndex(4);
    ASSERT_NE(form.DataPage->widget(4)->findChild<TeamsView*>(), nullptr);
    EXPECT_EQ(form.teams().model().rowCount(), FindProfile(1993)->teamCount());

    open(folder.write(QStringLiteral("old.nes"), DemoRomImage(1986)), 1986);
    EXPECT_EQ(form.teams().model().rowCount(), FindProfile(1986)->teamCount());
    const EditionProfile& profile = *FindProfile(1986);
    EXPECT_EQ(model().rowCount(), profile.teamCount() * (profile.slots(RecordKind::Batter) + profile.slots(RecordKind::Pitcher)
                                                         + profile.slots(RecordKind::Manager)));
}

// Typed romaji find the player an edit just named; an undo takes it away again.
TEST_F(LeagueViewTest, SearchFollowsEditsAndUndo)
{
    edit(RecordKind::Pitcher, NameColumn(RecordKind::Pitcher), 3, QStringLiteral("ぬぬぬ"));
    QTest::keyClicks(form.league().SearchEdit, QStringLiteral("nunu"));
    ASSERT_EQ(model().rowCount(), 1);
    EXPECT_EQ(shownRow(0, RecordKind::Pitcher, 2), 0);
    EXPECT_TRUE(form.league().CountLabel->text().startsWith(u'1'));

    form.MenuUndo->trigger();
    EXPECT_EQ(model().rowCount(), 0);
    form.league().SearchEdit->clear();
    const EditionProfile& profile = *FindProfile(1993);
    EXPECT_EQ(model().rowCount(), profile.teamCount() * (profile.slots(RecordKind::Batter)
                                                         + profile.slots(RecordKind::Pitcher) + 1));
    form.league().GridFilter->setCurrentIndex(3);  // managers
    EXPECT_EQ(model().rowCount(), profile.teamCount());
    EXPECT_EQ(model().index(3, 0).data().toString(), QStringLiteral("C (3)"));
}

// A click on a heading sorts by it as numbers, a second click the other way.
TEST_F(LeagueViewTest, HeadingsSortAsNumbers)
{
    form.league().GridFilter->setCurrentIndex(1);  // batters
    const QStringList headings = LeagueHeadings(*FindProfile(1993));
    const int column = LeagueTableModel::kFixedColumns + static_cast<int>(headings.indexOf(QStringLiteral("本塁打")));
    QHeaderView* header = form.league().Table->horizontalHeader();
    for (const bool descending : {false, true}) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
        for (int row = 1; row < model().rowCount(); ++row) {
            const int previous = model().index(row - 1, column).data().toInt();
            const int current = model().index(row, column).data().toInt();
            ASSERT_TRUE(descending ? previous >= current : previous <= current) << row;
        }
    }
}

struct JumpCase {
    const char* name;
    std::deque<SaveAnswer> answers;
    bool shown;
};

void PrintTo(const JumpCase& c, std::ostream* out)
{
    *out << c.name;
}

class LeagueJumpTest : public LeagueViewTest, public ::testing::WithParamInterface<JumpCase> {};

// Enter on a player of another team switches to it through the question, and
// selects the player's name; Cancel keeps the shown team and its edit.
TEST_P(LeagueJumpTest, AsksBeforeLeavingEdits)
{
    const JumpCase& c = GetParam();
    edit(RecordKind::Batter, 4, 1, Other(form.BatterGrid, 4, 1, QStringLiteral("40"), QStringLiteral("41")));
    prompts.asked.clear();
    prompts.answers = c.answers;
    choose(shownRow(13, RecordKind::Pitcher, 4));

    EXPECT_EQ(prompts.asked, QStringList{QStringLiteral("save?cancel")});
    EXPECT_EQ(form.session().team(), c.shown ? 13 : 0);
    EXPECT_EQ(form.session().modified(), !c.shown);
    if (c.shown) {
        EXPECT_EQ(form.DataPage->currentWidget(), form.PitcherGrid);
        EXPECT_EQ(form.PitcherGrid->currentIndex(), form.PitcherGrid->model()->index(4, NameColumn(RecordKind::Pitcher) - 1));
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, LeagueJumpTest,
                         ::testing::Values(JumpCase{"Cancel", {SaveAnswer::Cancel}, false},
                                           JumpCase{"Drop", {SaveAnswer::No}, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LeagueViewTest, APlayerOfTheShownTeamIsSelectedWithoutAQuestion)
{
    edit(RecordKind::Batter, 4, 1, Other(form.BatterGrid, 4, 1, QStringLiteral("40"), QStringLiteral("41")));
    prompts.asked.clear();
    choose(shownRow(0, RecordKind::Batter, 7));
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(form.DataPage->currentWidget(), form.BatterGrid);
    EXPECT_EQ(form.BatterGrid->currentIndex().row(), 7);
}

// The cells another ROM holds otherwise are marked, with both values, and can
// be shown alone; a BPS patch for another ROM is refused and changes nothing.
TEST_F(LeagueViewTest, ComparisonMarksTheDifferingCells)
{
    const EditionProfile& profile = *FindProfile(1993);
    RomImage other(DemoRomImage(1993));
    Record record = other.record(profile, RecordKind::Pitcher, 13, 4).record;
    profile.names.encode(QStringLiteral("ぬぬぬ"), record);
    ASSERT_TRUE(other.setRecord(profile, RecordKind::Pitcher, 13, 4, record).ok());
    const QString otherPath = folder.write(QStringLiteral("other.nes"), other.bytes());

    ASSERT_TRUE(form.league().compareWith(otherPath).ok());
    const int row = shownRow(13, RecordKind::Pitcher, 4);
    const int name = LeagueTableModel::kFixedColumns
                     + static_cast<int>(LeagueHeadings(profile).indexOf(profile.column(RecordKind::Pitcher, NameColumn(RecordKind::Pitcher))->header));
    EXPECT_TRUE(model().index(row, name).data(LeagueTableModel::DiffersRole).toBool());
    EXPECT_FALSE(model().index(row, name + 1).data(LeagueTableModel::DiffersRole).toBool());
    EXPECT_TRUE(model().index(row, name).data(Qt::ToolTipRole).toString().contains(QStringLiteral("ぬぬぬ")));

    form.league().OnlyDifferences->setChecked(true);
    ASSERT_EQ(model().rowCount(), 1);
    // An edit of the opened league is compared at once.
    form.league().OnlyDifferences->setChecked(false);
    edit(RecordKind::Batter, NameColumn(RecordKind::Batter), 1, QStringLiteral("ぬぬ"));
    EXPECT_EQ(model().differences().size(), 2u);
    form.MenuUndo->trigger();

    QByteArray bps = "BPS1";
    EXPECT_FALSE(form.league().compareWith(folder.write(QStringLiteral("bad.bps"), bps + QByteArray(40, '\0'))).ok());
    EXPECT_EQ(model().differences().size(), 1u);
    EXPECT_FALSE(form.league().compareWith(folder.path(QStringLiteral("missing.nes"))).ok());
}

// The chart draws one bar per team of the chosen figure, the shown team's
// unsaved edit included; the table sorts by a figure's value.
TEST_F(LeagueViewTest, TeamsSideBySideFollowTheShownTeamsEdits)
{
    TeamsView& teams = form.teams();
    teams.FigureChoice->setCurrentIndex(1);  // home runs
    int column = 0;
    FindProfile(1993)->columnOfKind(RecordKind::Batter, ColumnKind::HomeRuns, &column);
    const int old = Cell(form.BatterGrid, column, 1).toInt();
    edit(RecordKind::Batter, column, 1, QString::number(old == 0 ? 1 : old - 1));
    const auto bars = [&] {
        const auto* view = qobject_cast<QChartView*>(teams.chart());
        const auto* series = view ? qobject_cast<QAbstractBarSeries*>(view->chart()->series().value(0)) : nullptr;
        return series ? series->barSets().value(0) : nullptr;
    };
    ASSERT_TRUE(bars());
    ASSERT_EQ(bars()->count(), FindProfile(1993)->teamCount());
    // The first team's bar on top, which is the last drawn from the bottom.
    const int top = bars()->count() - 1;
    EXPECT_DOUBLE_EQ(bars()->at(top), form.HomerunLabel->text().toDouble());
    for (int team = 0; team < bars()->count(); ++team)
        EXPECT_DOUBLE_EQ(bars()->at(top - team), *teams.model().value(team, 2)) << team;

    teams.Table->sortByColumn(2, Qt::DescendingOrder);
    const QAbstractItemModel* shown = teams.Table->model();
    for (int row = 1; row < shown->rowCount(); ++row)
        EXPECT_GE(shown->index(row - 1, 2).data().toInt(), shown->index(row, 2).data().toInt()) << row;
    EXPECT_EQ(shown->index(0, 2).data(TeamFiguresModel::RankRole).toInt(), 1);
}

} // namespace
} // namespace quindaro2::test
