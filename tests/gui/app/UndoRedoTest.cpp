#include "gui/app/ScriptedWindow.h"

#include "support/QtPrinters.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>
#include <QUndoStack>

namespace quindaro2 {
namespace {

using test::ScriptedWindowTest;

// Everything the window shows of the team: every cell and row number of the
// three grids, the four figures and the two colour squares.
struct Shown {
    QStringList cells;
    QStringList figures;
    QStringList colors;

    friend bool operator==(const Shown&, const Shown&) = default;
};

void PrintTo(const Shown& shown, std::ostream* out)
{
    *out << shown.figures.join(u' ').toStdString() << " / " << shown.colors.join(u' ').toStdString();
}

Shown WhatIsShown(const TMainForm& form)
{
    Shown shown;
    for (const RosterGridView* grid : {form.BatterGrid, form.PitcherGrid, form.VisorGrid}) {
        const QAbstractItemModel& model = *grid->model();
        for (int row = 0; row < model.rowCount(); ++row) {
            shown.cells << model.headerData(row, Qt::Vertical).toString();
            for (int column = 0; column < model.columnCount(); ++column)
                shown.cells << model.index(row, column).data().toString();
        }
    }
    for (const QLabel* label : {form.AverageLabel, form.HomerunLabel, form.RunLabel, form.ErrorLabel})
        shown.figures << label->text();
    for (const QLabel* square : {form.HelmetColor, form.UniformColor})
        shown.colors << square->styleSheet();
    return shown;
}

struct UndoCase {
    const char* title;
    int edition;
    void (*make)(ScriptedWindowTest&);
    const char* name;  // what the menu items name
    bool figuresChange;
};

std::ostream& operator<<(std::ostream& out, const UndoCase& c)
{
    return out << c.title;
}

class UndoRedoTest : public ScriptedWindowTest, public ::testing::WithParamInterface<UndoCase> {};

// Every kind of change goes back and forth with everything the window
// shows: cells, row numbers, figures and colours; the menu items say what
// they would undo or redo.
TEST_P(UndoRedoTest, UndoAndRedoRestoreEverythingShown)
{
    const UndoCase& c = GetParam();
    open(writeRom(c.edition, 9), c.edition);
    const Shown before = WhatIsShown(form);
    EXPECT_FALSE(form.MenuUndo->isEnabled());
    EXPECT_FALSE(form.MenuRedo->isEnabled());

    c.make(*this);
    const Shown after = WhatIsShown(form);
    ASSERT_NE(after, before) << "the change showed nothing";
    EXPECT_EQ(after.figures != before.figures, c.figuresChange);
    EXPECT_EQ(form.MenuUndo->text(), QStringLiteral("元に戻す：%1(&U)").arg(QString::fromUtf8(c.name)));
    EXPECT_TRUE(form.MenuUndo->isEnabled());
    EXPECT_FALSE(form.MenuRedo->isEnabled());
    EXPECT_TRUE(form.isWindowModified());

    form.MenuUndo->trigger();
    EXPECT_EQ(WhatIsShown(form), before);
    EXPECT_FALSE(form.session().modified());
    EXPECT_FALSE(form.isWindowModified());
    EXPECT_EQ(form.MenuUndo->text(), QStringLiteral("元に戻す(&U)"));
    EXPECT_FALSE(form.MenuUndo->isEnabled());
    EXPECT_EQ(form.MenuRedo->text(), QStringLiteral("やり直し：%1(&R)").arg(QString::fromUtf8(c.name)));
    EXPECT_TRUE(form.MenuRedo->isEnabled());

    form.MenuRedo->trigger();
    EXPECT_EQ(WhatIsShown(form), after);
    EXPECT_TRUE(form.session().modified());
    EXPECT_TRUE(form.isWindowModified());
    EXPECT_FALSE(form.MenuRedo->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Changes, UndoRedoTest,
    ::testing::Values(
        UndoCase{"BatterNumber", 1986,
                 [](ScriptedWindowTest& t) {
                     t.edit(RecordKind::Batter, 4, 1,
                            t.Other(t.form.BatterGrid, 4, 1, QStringLiteral("0"), QStringLiteral("1")));
                 },
                 "実本塁打の変更", true},
        UndoCase{"BattingSide", 1993,
                 [](ScriptedWindowTest& t) {
                     t.edit(RecordKind::Batter, 2, 2,
                            t.Other(t.form.BatterGrid, 2, 2, QStringLiteral("右"), QStringLiteral("左")));
                 },
                 "打席の変更", false},
        UndoCase{"Name", 1990,
                 [](ScriptedWindowTest& t) {
                     t.edit(RecordKind::Batter, 1, 3,
                            t.Other(t.form.BatterGrid, 1, 3, QStringLiteral("あいう"), QStringLiteral("かき")));
                 },
                 "名前の変更", false},
        UndoCase{"PitcherEarnedRuns", 1991,
                 [](ScriptedWindowTest& t) {
                     t.edit(RecordKind::Pitcher, 3, 2,
                            t.Other(t.form.PitcherGrid, 3, 2, QStringLiteral("900"), QStringLiteral("0")));
                 },
                 "防御率の変更", true},
        UndoCase{"ManagerNumber", 1994,
                 [](ScriptedWindowTest& t) {
                     t.edit(RecordKind::Manager, 3, 1,
                            t.Other(t.form.VisorGrid, 3, 1, QStringLiteral("7"), QStringLiteral("8")));
                 },
                 "背番号の変更", false},
        UndoCase{"BatterRowMove", 1992, [](ScriptedWindowTest& t) { t.form.BatterGridRowMove(4, 1); }, "行の移動",
                 false},
        UndoCase{"PitcherRowMoveDown", 1988, [](ScriptedWindowTest& t) { t.form.PitcherGridRowMove(1, 4); },
                 "行の移動", false},
        UndoCase{"HelmetColour", 1989,
                 [](ScriptedWindowTest& t) {
                     t.prompts.color = t.form.session().view().HelmetColorCode == 0x1C ? 0x2C : 0x1C;
                     t.form.HelmetButtonClick();
                 },
                 "帽子の色の変更", false},
        UndoCase{"UniformColour", 1987,
                 [](ScriptedWindowTest& t) {
                     t.prompts.color = t.form.session().view().UniformColorCode == 0x01 ? 0x02 : 0x01;
                     t.form.UniformButtonClick();
                 },
                 "ユニフォームの色の変更", false}),
    [](const ::testing::TestParamInfo<UndoCase>& info) { return std::string(info.param.title); });

class UndoHistoryTest : public ScriptedWindowTest {};

TEST_F(UndoHistoryTest, TheEditMenuSitsBetweenFileAndOutputWithItsShortcuts)
{
    QStringList menus;
    for (const QAction* menu : form.menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, (QStringList{QStringLiteral("ファイル(&F)"), QStringLiteral("編集(&E)"),
                                  QStringLiteral("出力(&O)"), QStringLiteral("情報(&I)")}));
    EXPECT_EQ(form.MenuUndo->shortcuts(), QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Z)});
    EXPECT_EQ(form.MenuRedo->shortcuts(), (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y),
                                                               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
}

// The keys work wherever the focus is in the window, the grids included.
TEST_F(UndoHistoryTest, KeysUndoAndRedo)
{
    open(writeRom(1993, 3), 1993);
    const QString before = Cell(form.BatterGrid, 4, 1);
    edit(RecordKind::Batter, 4, 1, before == QStringLiteral("0") ? QStringLiteral("1") : QStringLiteral("0"));
    const QString after = Cell(form.BatterGrid, 4, 1);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.BatterGrid->setFocus();
    QTest::keyClick(form.BatterGrid, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Cell(form.BatterGrid, 4, 1), before);
    QTest::keyClick(form.BatterGrid, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Cell(form.BatterGrid, 4, 1), after);
    QTest::keyClick(form.BatterGrid, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(form.BatterGrid, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Cell(form.BatterGrid, 4, 1), after);
}

// Several edits go back one by one, newest first, and an undone edit is
// shown where it happened.
TEST_F(UndoHistoryTest, EditsGoBackNewestFirstAndShowWhereTheyWere)
{
    open(writeRom(1993, 4), 1993);
    const QString homeRuns = Cell(form.BatterGrid, 4, 2);
    const QString earnedRuns = Cell(form.PitcherGrid, 3, 1);
    edit(RecordKind::Batter, 4, 2, QStringLiteral("99"));
    edit(RecordKind::Pitcher, 3, 1, QStringLiteral("61"));
    form.BatterGridRowMove(6, 2);
    form.MenuUndo->trigger();
    EXPECT_EQ(form.BatterGrid->currentIndex(), form.BatterGrid->model()->index(5, 0)) << "the row is back at 6";
    form.DataPage->setCurrentIndex(0);
    form.MenuUndo->trigger();
    EXPECT_EQ(Cell(form.PitcherGrid, 3, 1), earnedRuns);
    EXPECT_EQ(Cell(form.BatterGrid, 4, 2), QStringLiteral("99"));
    EXPECT_EQ(form.DataPage->currentWidget(), form.PitcherGrid);
    EXPECT_EQ(form.PitcherGrid->currentIndex(), form.PitcherGrid->model()->index(0, 2));
    form.MenuUndo->trigger();
    EXPECT_EQ(Cell(form.BatterGrid, 4, 2), homeRuns);
    EXPECT_EQ(form.DataPage->currentWidget(), form.BatterGrid);
    EXPECT_FALSE(form.isWindowModified());
}

// The marker and DataChanged say whether the file holds what is shown: a
// save marks the history clean, and going back past it is a change again.
TEST_F(UndoHistoryTest, TheMarkerFollowsTheSavedState)
{
    const QString path = writeRom(1991, 5);
    open(path, 1991);
    EXPECT_EQ(ShownTitle(form), QStringLiteral("QUINDARO2 - game.nes"));
    edit(RecordKind::Batter, 5, 1, QStringLiteral("12"));
    EXPECT_EQ(ShownTitle(form), QStringLiteral("QUINDARO2 - game.nes*"));

    prompts.saveTarget = path;
    form.MenuSaveClick();
    EXPECT_EQ(ShownTitle(form), QStringLiteral("QUINDARO2 - game.nes"));
    EXPECT_FALSE(form.session().modified());
    EXPECT_TRUE(form.MenuUndo->isEnabled()) << "a save keeps the history";

    form.MenuUndo->trigger();
    EXPECT_TRUE(form.session().modified());
    EXPECT_EQ(ShownTitle(form), QStringLiteral("QUINDARO2 - game.nes*"));
    form.MenuRedo->trigger();
    EXPECT_FALSE(form.session().modified());

    // Saved and unchanged: switching teams asks nothing.
    form.TeamBox->setCurrentIndex(2);
    EXPECT_FALSE(prompts.asked.contains(QStringLiteral("save?cancel")));
    EXPECT_EQ(form.session().team(), 2);
}

TEST_F(UndoHistoryTest, ATeamSwitchOrAnOpenEmptiesTheHistory)
{
    open(writeRom(1992, 7), 1992);
    edit(RecordKind::Batter, 4, 1, QStringLiteral("5"));
    form.MenuUndo->trigger();
    ASSERT_TRUE(form.MenuRedo->isEnabled());
    form.TeamBox->setCurrentIndex(1);
    EXPECT_FALSE(form.MenuUndo->isEnabled());
    EXPECT_FALSE(form.MenuRedo->isEnabled());
    EXPECT_EQ(form.session().document()->history().nextUndo(), nullptr);

    edit(RecordKind::Batter, 4, 1, QStringLiteral("6"));
    prompts.answers = {SaveAnswer::No};
    open(writeRom(1993, 2, QStringLiteral("other.nes")), 1993);
    EXPECT_EQ(form.session().document()->history().nextUndo(), nullptr);
    EXPECT_EQ(form.MenuUndo->text(), QStringLiteral("元に戻す(&U)"));
    EXPECT_FALSE(form.isWindowModified());
}

// "キャンセル" on a team switch keeps the shown team as it was: its edits,
// its history, and the team list on its name.
TEST_F(UndoHistoryTest, CancelOnATeamSwitchKeepsTheTeamAndItsHistory)
{
    const QString path = writeRom(1994, 8);
    open(path, 1994);
    edit(RecordKind::Batter, 4, 1, QStringLiteral("44"));
    const QByteArray file = test::ReadFile(path);
    prompts.answers = {SaveAnswer::Cancel};
    form.TeamBox->setCurrentIndex(5);
    EXPECT_EQ(prompts.asked.count(QStringLiteral("save?cancel")), 1);
    EXPECT_EQ(form.TeamBox->currentIndex(), 0);
    EXPECT_EQ(form.session().team(), 0);
    EXPECT_EQ(Cell(form.BatterGrid, 4, 1), QStringLiteral("44"));
    EXPECT_TRUE(form.isWindowModified());
    EXPECT_EQ(test::ReadFile(path), file);
    ASSERT_TRUE(form.MenuUndo->isEnabled());
    form.MenuUndo->trigger();
    EXPECT_FALSE(form.isWindowModified());

    // "はい" saves, and the new team starts with an empty history.
    edit(RecordKind::Batter, 4, 1, QStringLiteral("45"));
    prompts.answers = {SaveAnswer::Yes};
    form.TeamBox->setCurrentIndex(5);
    EXPECT_EQ(form.session().team(), 5);
    EXPECT_NE(test::ReadFile(path), file);
    EXPECT_EQ(form.session().document()->history().nextUndo(), nullptr);
    EXPECT_FALSE(form.isWindowModified());
}

} // namespace
} // namespace quindaro2
