#include "gui/app/ScriptedWindow.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTest>

namespace quindaro2 {
namespace {

using test::ScriptedWindowTest;

// Every row as the grid shows it: its number and its cells.
QStringList Rows(const RosterGridView* grid)
{
    QStringList rows;
    const QAbstractItemModel& model = *grid->model();
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells{model.headerData(row, Qt::Vertical).toString()};
        for (int column = 0; column < model.columnCount(); ++column)
            cells << model.index(row, column).data().toString();
        rows << cells.join(u'|');
    }
    return rows;
}

// A row's number cell dragged with the mouse to the height `y` of the header.
void Drag(QHeaderView* header, int section, int y)
{
    QWidget* port = header->viewport();
    const QPoint start(header->width() / 2, header->sectionViewportPosition(section) + header->sectionSize(section) / 2);
    QTest::mousePress(port, Qt::LeftButton, {}, start);
    for (int step = 1; step <= 10; ++step) {
        const QPointF at(start.x(), start.y() + (y - start.y()) * step / 10);
        QMouseEvent move(QEvent::MouseMove, at, port->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(port, &move);
    }
    QTest::mouseRelease(port, Qt::LeftButton, {}, QPoint(start.x(), y));
}

class RowKeysTest : public ScriptedWindowTest {
public:
    void openShown(int edition)
    {
        open(writeRom(edition, 3), edition);
        form.resize(800, 900);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
};

// Ctrl+Shift+Up and Down move the row one place, each one undo step, and
// the current cell goes with the row; the top and bottom rows stay put.
TEST_F(RowKeysTest, KeysMoveTheRowOnePlace)
{
    openShown(1991);
    for (RosterGridView* grid : {form.BatterGrid, form.PitcherGrid}) {
        form.DataPage->setCurrentWidget(grid);
        grid->setFocus();
        const QStringList before = Rows(grid);
        const int last = grid->model()->rowCount();
        grid->setCurrentIndex(grid->model()->index(0, 0));
        QTest::keyClick(grid, Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(Rows(grid), before);
        QTest::keyClick(grid, Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(grid, Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
        const QStringList after = Rows(grid);
        EXPECT_EQ(after[2].section(u'|', 1), before[0].section(u'|', 1));
        EXPECT_EQ(after[0].section(u'|', 1), before[1].section(u'|', 1));
        EXPECT_EQ(after[2].section(u'|', 0, 0), QStringLiteral("3"));
        EXPECT_EQ(grid->currentIndex().row(), 2);
        QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(grid, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(Rows(grid), before);
        grid->setCurrentIndex(grid->model()->index(last - 1, 0));
        QTest::keyClick(grid, Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(Rows(grid), before);
        EXPECT_FALSE(form.isWindowModified());
    }
}

// A row dropped below the last row lands in the last place.
TEST_F(RowKeysTest, ARowDroppedBelowTheLastRowIsLast)
{
    openShown(1993);
    const QStringList before = Rows(form.BatterGrid);
    const int last = form.BatterGrid->model()->rowCount();
    QHeaderView* header = form.BatterGrid->verticalHeader();
    Drag(header, 0, header->sectionViewportPosition(last - 1) + header->sectionSize(last - 1) + 10);
    const QStringList after = Rows(form.BatterGrid);
    EXPECT_EQ(after.last().section(u'|', 1), before.first().section(u'|', 1));
    EXPECT_EQ(after.last().section(u'|', 0, 0), QString::number(last));
}

// A row moved to the top, by the mouse or the keys, and undone leaves every
// row and number as it was, the last one included.
TEST_F(RowKeysTest, ARowMovedToTheTopAndUndoneIsAsItWas)
{
    openShown(1993);
    RosterGridView* grid = form.BatterGrid;
    const QStringList before = Rows(grid);
    const int last = grid->model()->rowCount();
    Drag(grid->verticalHeader(), last - 1, 2);
    EXPECT_EQ(Rows(grid).first().section(u'|', 1), before.last().section(u'|', 1));
    form.MenuUndo->trigger();
    EXPECT_EQ(Rows(grid), before);

    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(1, 0));
    QTest::keyClick(grid, Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
    form.MenuUndo->trigger();
    EXPECT_EQ(Rows(grid), before);
}

} // namespace
} // namespace quindaro2
