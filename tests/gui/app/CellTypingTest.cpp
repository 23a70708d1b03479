#include "gui/app/CellTypingEditor.h"
#include "gui/app/ScriptedWindow.h"

#include "core/edition/ColumnTable.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QStatusBar>
#include <QTest>

namespace quindaro2 {
namespace {

using test::ScriptedWindowTest;

class CellTypingTest : public ScriptedWindowTest {
public:
    void openShown(int edition)
    {
        open(writeRom(edition, 5), edition);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // The grid column that holds `kind` in the open edition.
    int ColumnOf(RecordKind grid, ColumnKind kind) const
    {
        int column = 1;
        EXPECT_NE(quindaro2::ColumnOfKind(grid, form.session().document()->edition(), kind, &column), nullptr);
        return column;
    }

    // Selects the cell and types `keys` as a user does: the first character
    // on the grid, the rest into the editor it opened.
    void type(RosterGridView* grid, int column, int row, const QString& keys)
    {
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(row - 1, column - 1));
        QTest::keyClicks(grid, keys.left(1));
        QTest::keyClicks(QApplication::focusWidget(), keys.mid(1));
    }

    CellTypingEditor* editor() const
    {
        for (CellTypingEditor* open : form.findChildren<CellTypingEditor*>()) {
            if (open->isVisible())
                return open;
        }
        return nullptr;
    }
    QString status() const { return form.statusBar()->currentMessage(); }
    void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }
};

// Enter commits as one undo step; Escape leaves the cell as it was.
TEST_F(CellTypingTest, ANumberTypedIsCommittedByEnterAndDroppedByEscape)
{
    openShown(1993);
    const int homeRuns = ColumnOf(RecordKind::Batter, ColumnKind::HomeRuns);
    const QString before = Cell(form.BatterGrid, homeRuns, 2);
    const QString typed = before == QStringLiteral("12") ? QStringLiteral("13") : QStringLiteral("12");
    type(form.BatterGrid, homeRuns, 2, typed);
    ASSERT_NE(editor(), nullptr);
    EXPECT_TRUE(status().contains(QStringLiteral("範囲"))) << status().toStdString();
    key(Qt::Key_Return);
    EXPECT_EQ(Cell(form.BatterGrid, homeRuns, 2), typed);
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(form.BatterGrid->currentIndex(), form.BatterGrid->model()->index(1, homeRuns - 1));

    type(form.BatterGrid, homeRuns, 2, QStringLiteral("7"));
    key(Qt::Key_Escape);
    EXPECT_EQ(Cell(form.BatterGrid, homeRuns, 2), typed);
    form.MenuUndo->trigger();
    EXPECT_EQ(Cell(form.BatterGrid, homeRuns, 2), before);
    EXPECT_FALSE(form.MenuUndo->isEnabled()) << "one commit, one step";
}

// A refused text keeps the editor open with the reason and the cell marked;
// nothing changes until a good text is committed.
TEST_F(CellTypingTest, ARefusalKeepsTheEditorOpenWithItsReason)
{
    openShown(1990);
    const int homeRuns = ColumnOf(RecordKind::Batter, ColumnKind::HomeRuns);
    const QString before = Cell(form.BatterGrid, homeRuns, 1);
    type(form.BatterGrid, homeRuns, 1, QStringLiteral("999"));
    key(Qt::Key_Return);
    ASSERT_NE(editor(), nullptr);
    EXPECT_TRUE(editor()->isVisible());
    EXPECT_TRUE(editor()->refused());
    EXPECT_TRUE(status().contains(QStringLiteral("999"))) << status().toStdString();
    EXPECT_EQ(Cell(form.BatterGrid, homeRuns, 1), before);
    EXPECT_FALSE(form.isWindowModified());
    key(Qt::Key_Backspace);
    key(Qt::Key_Backspace);
    key(Qt::Key_Return);
    EXPECT_EQ(editor(), nullptr);
    EXPECT_TRUE(form.isWindowModified());
}

struct RomajiCase {
    int edition;
    const char* keys;
    const char* name;
};

// Romaji become the edition's kana as they are typed, capitals full-width
// where the edition has letters; the name is stored as typed.
TEST_F(CellTypingTest, RomajiBecomeTheEditionsKana)
{
    for (const RomajiCase& c : {RomajiCase{1986, "ABC", "ＡＢＣ"}, RomajiCase{1986, "gaku", "か゛く"},
                                RomajiCase{1993, "kato", "かと"}, RomajiCase{1993, "hattori", "はっとり"}}) {
        openShown(c.edition);
        type(form.BatterGrid, 1, 3, QString::fromLatin1(c.keys));
        ASSERT_NE(editor(), nullptr) << c.keys;
        EXPECT_EQ(editor()->text(), QString::fromUtf8(c.name)) << c.keys;
        key(Qt::Key_Return);
        EXPECT_EQ(Cell(form.BatterGrid, 1, 3).trimmed().remove(u'　'), QString::fromUtf8(c.name)) << c.keys;
        prompts.answers = {SaveAnswer::No};
    }
}

// A list column opens on the first text that begins with the typed character.
TEST_F(CellTypingTest, AListColumnOffersItsTexts)
{
    openShown(1993);
    const int side = ColumnOf(RecordKind::Batter, ColumnKind::BattingSide);
    type(form.BatterGrid, side, 1, QStringLiteral("x"));
    auto* list = editor() ? editor()->findChild<QComboBox*>() : nullptr;
    ASSERT_NE(list, nullptr);
    EXPECT_GT(list->count(), 1);
    list->setCurrentIndex(list->count() - 1);
    const QString chosen = list->currentText();
    key(Qt::Key_Return);
    EXPECT_EQ(Cell(form.BatterGrid, side, 1), chosen);
}

// A block copied and pasted elsewhere is one step; a block with one bad
// cell changes nothing and names the cell.
TEST_F(CellTypingTest, CopyAndPasteOfBlocks)
{
    openShown(1992);
    RosterGridView* grid = form.BatterGrid;
    const int columns = grid->model()->columnCount();
    const QString rowTwo = Cell(grid, 2, 2) + Cell(grid, columns, 2);
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(0, 0));
    grid->selectionModel()->select(QItemSelection(grid->model()->index(0, 0), grid->model()->index(1, columns - 1)),
                                   QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().count(u'\n'), 2);

    grid->setCurrentIndex(grid->model()->index(4, 0));
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Cell(grid, 2, 6) + Cell(grid, columns, 6), rowTwo);
    form.MenuUndo->trigger();
    EXPECT_FALSE(form.isWindowModified()) << "the paste is one step";

    const int homeRuns = ColumnOf(RecordKind::Batter, ColumnKind::HomeRuns);
    const QString before = Cell(grid, homeRuns, 3);
    QApplication::clipboard()->setText(QStringLiteral("1\n2\nabc\n"));
    grid->setCurrentIndex(grid->model()->index(1, homeRuns - 1));
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(prompts.warnings.size(), 1);
    EXPECT_TRUE(prompts.warnings.front().contains(QStringLiteral("4 行 %1 列「abc」").arg(homeRuns)))
        << prompts.warnings.front().toStdString();
    EXPECT_EQ(Cell(grid, homeRuns, 3), before);
    EXPECT_FALSE(form.isWindowModified());
}

// The desktop's keys reach their commands from the grid: Ctrl+O asks for a
// ROM, Ctrl+S and Ctrl+Shift+S for the file to save into, Ctrl+Q leaves.
TEST_F(CellTypingTest, DesktopShortcutsReachTheirCommands)
{
    openShown(1993);
    struct Case {
        QKeyCombination keys;
        const char* asked;
    };
    for (const Case& c : {Case{Qt::CTRL | Qt::Key_O, "rom"}, Case{Qt::CTRL | Qt::Key_S, "target"},
                          Case{Qt::CTRL | Qt::SHIFT | Qt::Key_S, "target"}}) {
        prompts.asked.clear();
        prompts.romFile.reset();
        form.BatterGrid->setFocus();
        QTest::keyClick(form.BatterGrid, c.keys.key(), c.keys.keyboardModifiers());
        EXPECT_EQ(prompts.asked, QStringList{QString::fromLatin1(c.asked)}) << c.asked;
    }
    QTest::keyClick(form.BatterGrid, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(CellTypingTest, HeadingsSayTheirRange)
{
    openShown(1993);
    const int earnedRuns = ColumnOf(RecordKind::Pitcher, ColumnKind::EarnedRunAverage);
    const QString tip = form.PitcherGrid->model()->headerData(earnedRuns - 1, Qt::Horizontal, Qt::ToolTipRole).toString();
    EXPECT_TRUE(tip.contains(QStringLiteral("2.70"))) << tip.toStdString();
    EXPECT_TRUE(tip.contains(QStringLiteral("0～900"))) << tip.toStdString();
}

} // namespace
} // namespace quindaro2
